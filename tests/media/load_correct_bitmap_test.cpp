#include "media/load_correct_bitmap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "platform/bmp_builder.h"
#include "platform/image_codec.h"

using namespace media;

using platform::Bitmap;
using platform::Color;
using platform::ImageDecodeError;
using platform::PixelFormat;

namespace {

namespace fs = std::filesystem;

uint32_t SizeImageOf(const std::vector<uint8_t>& b) {
    return uint32_t(b[34]) | uint32_t(b[35]) << 8 | uint32_t(b[36]) << 16 | uint32_t(b[37]) << 24;
}

// A 24-bit picture whose rows carry the padding every reader expects.
BmpBuilder Rgb24(int32_t width, int32_t height) {
    BmpBuilder b;
    b.width = width;
    b.height = height;
    size_t stride = (size_t(3 * width) + 3) & ~size_t{3};
    int32_t rows = height < 0 ? -height : height;
    b.pixels.resize(stride * size_t(rows));
    for (size_t i = 0; i < b.pixels.size(); ++i) {
        b.pixels[i] = uint8_t(i * 7);
    }
    return b;
}

class LoadCorrectBitmapTest : public ::testing::Test {
  protected:
    void SetUp() override {
        static std::atomic<int> counter{0};
        dir_ = fs::temp_directory_path() /
               ("vimbaro-bmp-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
                "-" + std::to_string(counter++) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(dir_);
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(dir_, ec);
    }
    std::string Write(const std::string& name, const std::vector<uint8_t>& bytes) {
        fs::path p = dir_ / name;
        std::ofstream(p, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()), std::streamsize(bytes.size()));
        return p.string();
    }
    fs::path dir_;
};

}  // namespace

TEST(RepairBmpHeader, RewritesTheImageSizeOf24BitFiles) {
    struct Case {
        int32_t width;
        int32_t height;
        uint32_t expected;
    } cases[] = {
        {5, 2, 32},  // row of 15 bytes padded to 16
        {4, 3, 36},  // no padding: 12 per row
        {1, 1, 4},
        {2, 5, 40},
        {3, 1, 12},
        {5, -2, uint32_t(-32)},  // top-down: negative, i.e. huge unsigned, never too small
        {0x7FFFFFFF, 0x7FFFFFFF, 0x80000000u},  // wraps in 32 bits instead of overflowing
    };
    for (const auto& c : cases) {
        BmpBuilder b;
        b.width = c.width;
        b.height = c.height;
        b.sizeImage = 0;
        std::vector<uint8_t> file = b.Build();
        RepairBmpHeader(file);
        EXPECT_EQ(SizeImageOf(file), c.expected) << c.width << "x" << c.height;
    }
}

TEST(RepairBmpHeader, LeavesOtherFilesAlone) {
    BmpBuilder grey;
    grey.width = 5;
    grey.height = 2;
    grey.bitCount = 8;
    grey.sizeImage = 7;
    BmpBuilder core = Rgb24(5, 2);
    core.headerSize = 12;
    // Pixels of a core-header file where the field would be: must stay pixels.
    core.pixels[2] = 24;
    core.pixels[3] = 0;
    std::vector<std::vector<uint8_t>> files = {grey.Build(), core.Build()};
    for (size_t n = 0; n < 38; ++n) {
        std::vector<uint8_t> shortFile = Rgb24(5, 2).Build();
        shortFile.resize(n);
        files.push_back(shortFile);
    }
    for (const auto& original : files) {
        std::vector<uint8_t> file = original;
        RepairBmpHeader(file);
        EXPECT_EQ(file, original) << "size " << original.size();
    }
}

TEST_F(LoadCorrectBitmapTest, RepairMakesAWrongSizeFieldReadable) {
    // The size field counts rows without padding: 30 instead of 32.
    BmpBuilder b = Rgb24(5, 2);
    b.sizeImage = 30;
    std::vector<uint8_t> bytes = b.Build();
    EXPECT_THROW(platform::DecodeBmp(bytes), ImageDecodeError);

    std::string path = Write("wrong.xbi", bytes);
    Bitmap bitmap;
    LoadCorrectBitmap(bitmap, path);
    BmpBuilder fixed = b;
    fixed.sizeImage = 32;
    EXPECT_EQ(bitmap, platform::DecodeBmp(fixed.Build()));
    EXPECT_EQ(bitmap.Format(), PixelFormat::Bgr24);
    // Only the copy in memory was repaired.
    std::ifstream in(path, std::ios::binary);
    std::vector<uint8_t> onDisk((std::istreambuf_iterator<char>(in)), {});
    EXPECT_EQ(onDisk, bytes);
    SaveFuzzSeed("fuzz_bmp", "wrong_size24.bmp", bytes);
}

TEST_F(LoadCorrectBitmapTest, LoadsTopDownAndZeroSizedFields) {
    for (int32_t height : {2, -2}) {
        BmpBuilder b = Rgb24(5, height);
        b.sizeImage = 0;
        Bitmap bitmap;
        LoadCorrectBitmap(bitmap, Write("pic.xbi", b.Build()));
        EXPECT_EQ(bitmap.Width(), 5);
        EXPECT_EQ(bitmap.Height(), 2);
        // The first stored row is the bottom one unless the file is top-down.
        EXPECT_EQ(bitmap.Row(height < 0 ? 0 : 1)[0], b.pixels[0]);
    }
}

TEST_F(LoadCorrectBitmapTest, OtherDepthsAreDecodedUnchanged) {
    BmpBuilder b;
    b.width = 3;
    b.height = 1;
    b.bitCount = 8;
    for (int i = 0; i < 256; ++i) {
        b.palette.insert(b.palette.end(), {uint8_t(i), uint8_t(i), uint8_t(i), 0});
    }
    b.pixels = {10, 20, 30, 0};
    Bitmap bitmap;
    LoadCorrectBitmap(bitmap, Write("grey.xbi", b.Build()));
    EXPECT_EQ(bitmap.Format(), PixelFormat::Grey8);
    EXPECT_EQ(bitmap.GetPixel(2, 0), (Color{30, 30, 30}));
    // A wrong size field is not repaired at this depth, so the strict decoder refuses it.
    b.sizeImage = 3;
    EXPECT_THROW(LoadCorrectBitmap(bitmap, Write("grey_bad.xbi", b.Build())), ImageDecodeError);
}

TEST_F(LoadCorrectBitmapTest, FailuresLeaveTheBitmapAlone) {
    Bitmap bitmap(2, 2);
    bitmap.Fill({1, 2, 3});
    const Bitmap before = bitmap;
    std::vector<uint8_t> truncated = Rgb24(5, 2).Build();
    truncated.resize(truncated.size() - 1);
    EXPECT_THROW(LoadCorrectBitmap(bitmap, (dir_ / "missing.xbi").string()), FileReadError);
    EXPECT_THROW(LoadCorrectBitmap(bitmap, dir_.string()), FileReadError);
    EXPECT_THROW(LoadCorrectBitmap(bitmap, Write("cut.xbi", truncated)), ImageDecodeError);
    EXPECT_THROW(LoadCorrectBitmap(bitmap, Write("empty.xbi", {})), ImageDecodeError);
    EXPECT_EQ(bitmap, before);
}

TEST_F(LoadCorrectBitmapTest, LoadJpegPicture) {
    Bitmap picture(20, 12, PixelFormat::Bgr24);
    picture.Fill({200, 120, 40});
    Bitmap loaded = LoadJpegPicture(Write("card_s.xji", platform::EncodeJpeg(picture, 90)));
    EXPECT_EQ(loaded.Format(), PixelFormat::Bgr24);
    EXPECT_EQ(loaded.Width(), 20);
    EXPECT_EQ(loaded.Height(), 12);
    Color c = loaded.GetPixel(10, 6);
    EXPECT_NEAR(c.R, 200, 4);
    EXPECT_NEAR(c.G, 120, 4);
    EXPECT_NEAR(c.B, 40, 4);

    EXPECT_THROW(LoadJpegPicture((dir_ / "nothing.xji").string()), FileReadError);
    EXPECT_THROW(LoadJpegPicture(Write("bad.xji", {0xFF, 0xD8, 0xFF, 0x00})), ImageDecodeError);
    // A BMP under a JPEG name is not a picture either.
    EXPECT_THROW(LoadJpegPicture(Write("bmp.xji", Rgb24(2, 2).Build())), ImageDecodeError);
}

// The user sees only "reinstall"; whoever installs the game finds the file on standard error.
TEST_F(LoadCorrectBitmapTest, AFileThatCannotBeUsedIsNamedOnStandardError) {
    const std::string missing = (dir_ / "Intf" / "op_b.xji").string();
    const std::string damaged = Write("bad.xbi", {'B', 'M', 1, 2, 3});
    const std::string good = Write("good.xbi", Rgb24(3, 2).Build());
    struct Case {
        const char* what;
        std::function<void()> load;
        std::string named;  // empty: nothing is said
    } cases[] = {
        {"missing JPEG", [&] { LoadJpegPicture(missing); }, missing},
        {"damaged BMP",
         [&] {
             Bitmap b;
             LoadCorrectBitmap(b, damaged);
         },
         damaged},
        {"good BMP",
         [&] {
             Bitmap b;
             LoadCorrectBitmap(b, good);
         },
         ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        testing::internal::CaptureStderr();
        try {
            c.load();
        } catch (const std::exception&) {
        }
        const std::string said = testing::internal::GetCapturedStderr();
        if (c.named.empty()) {
            EXPECT_EQ(said, "");
        } else {
            EXPECT_EQ(said.rfind("vimbaro: cannot use " + c.named + ": ", 0), 0u) << said;
            EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        }
    }
}
