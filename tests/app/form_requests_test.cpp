// Every file the application's forms ask the data folder for is in the resource catalogue, so
// the generated data set and the checker know about it.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "app/about_form.h"
#include "app/kom_form.h"
#include "app/main_form.h"
#include "app/menu_fixture.h"
#include "app/options_form.h"
#include "app/splash_form.h"
#include "catalog/resource_catalog.h"
#include "catalog/screen_geometry.h"
#include "game/cwybor.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/headless_app.h"
#include "platform/image_codec.h"
#include "platform/message_log.h"
#include "platform/sound.h"
#include "platform/sound_fixtures.h"

using namespace catalog;
using namespace media;
using namespace game;
using namespace app;

using namespace platform;
using namespace std::string_literals;

namespace {

// Every catalogue entry as a small file of its kind, so no form stops at a missing picture.
void WriteWholeCatalogue(const ScopedTempDir& dir) {
    Bitmap picture(8, 8, PixelFormat::Bgr24);
    picture.Fill({120, 160, 200});
    const auto bmp = EncodeBmp(picture);
    const auto jpeg = EncodeJpeg(picture, 80);
    const auto wave = sound_fixtures::MakeWaveMs(20);
    const auto midi = sound_fixtures::MakeTuneMs(100);
    for (const ResourceEntry& entry : AllResources()) {
        switch (entry.Format) {
            case ResourceFormat::Bmp:
                dir.Write(std::filesystem::path("Data") / entry.Path, bmp);
                break;
            case ResourceFormat::Jpeg:
                dir.Write(std::filesystem::path("Data") / entry.Path, jpeg);
                break;
            case ResourceFormat::Wave:
                dir.Write(std::filesystem::path("Data") / entry.Path, wave);
                break;
            case ResourceFormat::Midi:
                dir.Write(std::filesystem::path("Data") / entry.Path, midi);
                break;
        }
    }
}

class FormRequests : public ::testing::TestWithParam<Point> {};

TEST_P(FormRequests, EveryFileTheFormsAskForIsInTheCatalogue) {
    HeadlessApp h(GetParam());
    const ScreenGeometry saved = Geometry();
    SetScreenGeometry(SelectScreenMode(GetParam().X, GetParam().Y));
    ScopedTempDir dir;
    WriteWholeCatalogue(dir);
    SetDataRootForTesting(dir.Path() / "Data");
    menu_fixture::ScopedConfigHome config(dir.Path() / "config");
    Sound::UseSilentDriverForTesting();
    MessageLog::Capture();
    std::set<std::string> requested;
    SetResourceRequestObserver([&](const std::string& path) { requested.insert(path); });
    {
        TfmSplash splash;
        TfmMain menu;
        menu.Show();
        h.app->ProcessMessages();
        CWybor settings;
        TfmOptions options(&menu, &settings);
        TfmAbout about(&menu);
        TfmKom message(&menu, "Brak Zasobów");
    }
    SetResourceRequestObserver({});
    MessageLog::StopCapture();
    SetDataRootForTesting({});
    SetScreenGeometry(saved);

    EXPECT_TRUE(MessageLog::Entries().empty());
    for (const std::string& path : requested) {
        EXPECT_NE(FindResource(path), nullptr) << path << " is asked for but not catalogued";
    }
    // The observer saw each form: one picture that only that form loads.
    const std::string size = GetParam().Y >= 960 ? "_b" : "_s";
    for (const std::string& path :
         {"sph.xji"s, "Intf/T" + size + ".xji", "Intf/op" + size + ".xji",
          "Intf/ab" + size + ".xji", "kom" + size + ".xji", "Res/Snd/Men/s.snd"s}) {
        EXPECT_TRUE(requested.contains(path)) << path;
    }
}

INSTANTIATE_TEST_SUITE_P(Layouts, FormRequests,
                         ::testing::Values(Point{1280, 800}, Point{1280, 1024}),
                         [](const auto& info) { return info.param.Y >= 960 ? "big" : "small"; });

}  // namespace
