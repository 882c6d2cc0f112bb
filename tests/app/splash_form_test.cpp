#include "app/splash_form.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "controls/control_fixture.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/picture_fixture.h"
#include "media/scoped_temp_dir.h"
#include "platform/headless_app.h"
#include "platform/image_codec.h"

using namespace media;
using namespace app;

using platform::Bitmap;
using platform::Color;
using platform::Point;
using platform::Rect;

namespace {

constexpr Color kSplash{250, 200, 40};

// A headless screen and a temporary data root holding (or lacking) the splash picture.
struct SplashRun {
    explicit SplashRun(Point screen) : h(screen) { SetDataRootForTesting(data.Path()); }
    ~SplashRun() { SetDataRootForTesting({}); }
    void WritePicture(int w, int h) {
        Bitmap picture(w, h);
        picture.Fill(kSplash);
        data.Write("sph.xji", platform::EncodeJpeg(picture, 95));
    }

    HeadlessApp h;
    ScopedTempDir data;
};

}  // namespace

TEST(Splash, TakesThePicturesSizeCentredOnAnyScreenAndShowsIt) {
    struct Case {
        Point screen;
        Rect bounds;
    } const cases[] = {
        {{1280, 1024}, {340, 312, 940, 712}},
        {{1024, 768}, {212, 184, 812, 584}},
        {{800, 600}, {100, 100, 700, 500}},  // shown before a small screen is refused
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.screen.X << "x" << c.screen.Y);
        SplashRun run(c.screen);
        run.WritePicture(600, 400);
        TfmSplash splash;
        EXPECT_EQ(splash.Caption(), "Vimbaro Cz.II");
        EXPECT_EQ(splash.Bounds(), c.bounds);
        splash.Show();
        run.h.app->ProcessMessages();
        const Bitmap& screen = run.h.headless->Screen();
        EXPECT_TRUE(Near(screen.GetPixel(c.bounds.Left, c.bounds.Top), kSplash));
        EXPECT_TRUE(Near(screen.GetPixel(c.bounds.Right - 1, c.bounds.Bottom - 1), kSplash));
        EXPECT_EQ(screen.GetPixel(c.bounds.Left - 1, c.bounds.Top), (Color{0, 0, 0}));
    }
}

TEST(Splash, AMissingOrBrokenPictureIsTheResourceError) {
    for (bool broken : {false, true}) {
        SCOPED_TRACE(broken ? "broken" : "missing");
        SplashRun run({1280, 1024});
        if (broken) {
            run.data.Write("sph.xji", std::vector<uint8_t>{0xFF, 0xD8, 0xFF, 0xE0, 0x00});
        }
        auto [code, text] = CBladFrom([] { TfmSplash splash; });
        EXPECT_EQ(code, CBlad::ResourceMissingCode);
        EXPECT_EQ(text, ResourceMissingText);
        EXPECT_FALSE(fmSplash);
    }
}
