#include "media/picture_library.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/image_codec.h"

using namespace media;

using platform::Bitmap;

namespace {

// A data root with one picture in each library, plus a file just outside them.
class PictureLibrary : public testing::Test {
  protected:
    void SetUp() override {
        frame_.Reset(4, 3);
        frame_.Fill({255, 255, 255});
        frame_.SetPixel(1, 1, {255, 200, 0});
        std::vector<uint8_t> bytes = platform::EncodeBmp(frame_);
        SaveFuzzSeed("fuzz_bmp", "library_ramka", bytes);
        root_.Write("Lib/GFX/ramka_yellow_s.xbi", bytes);
        root_.Write("Lib/BUTT/start_n_s_W.xbi", bytes);
        root_.Write("Lib/POW/a_b.xbi", bytes);
        root_.Write("Lib/secret.xbi", bytes);
        root_.Write("Lib/GFX/broken_s.xbi", std::vector<uint8_t>{'B', 'M', 0, 0});
        SetDataRootForTesting(root_.Path());
    }
    void TearDown() override { SetDataRootForTesting({}); }

    ScopedTempDir root_;
    Bitmap frame_;
};

}  // namespace

TEST(PictureName, StaysInsideItsFolder) {
    struct Case {
        std::string name;
        bool valid;
    } cases[] = {
        {"ramka_yellow_s", true},
        {"start_n_s_W", true},
        {"a.b", true},
        {"", false},
        {"../secret", false},
        {"..", false},
        {"x..y", false},
        {"GFX/ramka", false},
        {"..\\secret", false},
        {"/etc/passwd", false},
        {std::string("ramka\0x", 7), false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsValidPictureName(c.name), c.valid) << c.name;
    }
}

TEST_F(PictureLibrary, HandsOutPicturesByName) {
    Bitmap out;
    ASSERT_TRUE(OtworzBMP("ramka_yellow_s", out));
    EXPECT_TRUE(out == frame_);
    Bitmap button, big;
    EXPECT_TRUE(BOtworzBMP("start_n_s_W", button));
    EXPECT_TRUE(OtworzPowBMP("a_b", big));
    EXPECT_TRUE(big == frame_);
    // Each library sees only its own folder.
    Bitmap none;
    EXPECT_FALSE(OtworzBMP("a_b", none));
    EXPECT_FALSE(OtworzPowBMP("ramka_yellow_s", none));
}

TEST_F(PictureLibrary, SaysNoWithoutTouchingTheBitmap) {
    const Bitmap before(2, 2, platform::PixelFormat::Bgrx32);
    for (const std::string& name :
         {std::string("ramka_purple_s"), std::string("broken_s"), std::string("../secret"),
          std::string("..\\secret"), std::string(""), std::string("ramka_yellow_s/")}) {
        Bitmap out = before;
        EXPECT_FALSE(OtworzBMP(name, out)) << name;
        EXPECT_TRUE(out == before) << name;
    }
}

TEST_F(PictureLibrary, LoadingAMissingPictureRaisesTheCallersCode) {
    EXPECT_TRUE(LoadLibraryPicture(Library::Gfx, "ramka_yellow_s") == frame_);
    struct Case {
        Library library;
        int16_t code;
        std::string text;
    } cases[] = {
        {Library::Gfx, 1, "Brak Zasobów\nPrzeinstaluj Vimbaro"},
        {Library::Pow, 1, "Brak Zasobów\nPrzeinstaluj Vimbaro"},
        {Library::Butt, 100, "Brak Bitmapy w dll"},
    };
    for (const auto& c : cases) {
        testing::internal::CaptureStderr();
        try {
            LoadLibraryPicture(c.library, "nothing_s");
            ADD_FAILURE() << c.code;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code(), c.code);
            EXPECT_EQ(e.Text(), c.text);
        }
        // Standard error names the file the user is told to reinstall for.
        const std::string file = (LibraryFolder(c.library) / "nothing_s.xbi").string();
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "vimbaro: cannot use " + file + ": no such file\n");
    }
}
