#include "app/startup.h"

#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <thread>

#include "app/kom_form.h"
#include "app/menu_fixture.h"
#include "app/splash_form.h"
#include "catalog/screen_geometry.h"
#include "hang_guard.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/clock.h"
#include "platform/headless/headless_backend.h"
#include "platform/image_codec.h"
#include "platform/instance_guard.h"
#include "platform/message_log.h"
#include "platform/sound.h"

using namespace catalog;
using namespace media;
using namespace app;

using namespace platform;

namespace {

// Lends the program a headless window system that the test keeps, so the test can look at
// it after the program has ended.
class LentBackend final : public Backend {
  public:
    explicit LentBackend(HeadlessBackend& inner) : inner_(inner) {}
    Point ScreenSize() override { return inner_.ScreenSize(); }
    void OpenWindow(const std::string& title) override { inner_.OpenWindow(title); }
    void SetTitle(const std::string& title) override { inner_.SetTitle(title); }
    void Present(const Bitmap& screen, std::span<const Rect> rects) override {
        inner_.Present(screen, rects);
    }
    bool PollEvent(InputEvent& out) override { return inner_.PollEvent(out); }
    bool WaitEvent(InputEvent& out, int timeoutMs) override {
        return inner_.WaitEvent(out, timeoutMs);
    }
    void Wake() override { inner_.Wake(); }
    void Raise() override { inner_.Raise(); }
    bool KeyHeld(Key key) override { return inner_.KeyHeld(key); }
    void SetCursor(CursorShape shape) override { inner_.SetCursor(shape); }

  private:
    HeadlessBackend& inner_;
};

// Runs the program on a headless screen of the given size with a manual clock.
struct StartupRun {
    // Writes the splash and the menu's pictures for the layout the screen gets.
    explicit StartupRun(Point screen, std::string name = "startup-test")
        : backend(std::make_unique<HeadlessBackend>(screen)), headless(backend.get()) {
        env.InstanceName = std::move(name);
        env.MakeBackend = [this] { return std::make_unique<LentBackend>(*headless); };
        SetDataRootForTesting(data.Path() / "Data");
        MessageLog::Capture();
        Sound::UseSilentDriverForTesting();
        const int16_t mode = SelectScreenMode(screen.X, screen.Y).ScreenMode;
        if (mode != 0) {
            menuFiles = menu_fixture::WriteMenuData(data, "Data", mode);
        }
        menu_fixture::WriteSplash(data, "Data", 200, 100);
    }
    ~StartupRun() {
        MessageLog::StopCapture();
        SetDataRootForTesting({});
        SetScreenGeometry(ScreenGeometry{});
    }
    int Run() { return RunProgram(env); }

    // Leaves the file out of the data folder.
    void Remove(const std::string& relative) {
        ASSERT_TRUE(std::filesystem::remove(data.Path() / "Data" / relative)) << relative;
    }

    ScopedManualClock clock;
    ScopedTempDir data;
    menu_fixture::ScopedConfigHome config{data.Path() / "config"};
    std::vector<std::string> menuFiles;
    StartupEnvironment env;
    std::unique_ptr<HeadlessBackend> backend;
    HeadlessBackend* headless;
};

// Closes the menu with Esc once the splash has gone (until then the splash is on top and
// the keys reach it).
void CloseMenuAfterSplash(Application& app, HeadlessBackend& headless) {
    app.RunUntil([] { return !fmSplash; });
    headless.PressKey(Key::Escape);
}

}  // namespace

TEST(Startup, RefusesASmallScreenWithExitCodeMinusTwo) {
    StartupRun run({1024, 600});
    bool loopRan = false;
    run.env.BeforeLoop = [&](Application&) { loopRan = true; };
    EXPECT_EQ(run.Run(), -2);
    EXPECT_FALSE(loopRan);
    EXPECT_FALSE(Sound::Started());
    auto shown = MessageLog::Entries();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, "Zmień Rozdzielczość na conajmniej 1024x768");
    EXPECT_EQ(shown[0].Caption, "Błąd");
}

TEST(Startup, PicksTheLayoutShowsTheMenuAndEndsWithZeroWhenEscCloses) {
    struct Case {
        Point screen;
        int16_t mode;
        Rect layout;
    } cases[] = {{{1280, 800}, 1, {128, 16, 1152, 784}}, {{1280, 1024}, 4, {0, 32, 1280, 992}}};
    for (const auto& c : cases) {
        StartupRun run(c.screen);
        Color centre{};
        run.env.BeforeLoop = [&](Application& app) {
            // Looks once the loop has shown the main form and the splash has gone.
            app.Post([&] {
                app.RunUntil([] { return !fmSplash; });
                app.PaintNow();
                centre = run.headless->Screen().GetPixel(c.screen.X / 2, c.screen.Y / 2);
                EXPECT_EQ(Geometry().ScreenMode, c.mode);
                EXPECT_EQ(Geometry().LayoutRect, c.layout);
                EXPECT_EQ(run.headless->Title(), "Vimbaro Cz.II");
                ASSERT_NE(app.MainForm(), nullptr);
                EXPECT_EQ(app.ActiveForm(), app.MainForm());
                run.headless->PressKey(Key::Escape);
            });
        };
        bool soundDuringRun = false;
        run.env.BeforeLoop = [&, before = run.env.BeforeLoop](Application& app) {
            soundDuringRun = Sound::Started();
            before(app);
        };
        EXPECT_EQ(run.Run(), 0);
        EXPECT_TRUE(menu_fixture::Near(centre, menu_fixture::Background));
        EXPECT_TRUE(MessageLog::Entries().empty());
        // The program lets the audio device go itself, not a static destructor after it.
        EXPECT_TRUE(soundDuringRun);
        EXPECT_FALSE(Sound::Started());
    }
}

TEST(Startup, SecondCopyBringsTheFirstToTheFrontAndExitsWithZero) {
    InstanceGuard first;
    ASSERT_EQ(first.Acquire("startup-second"), InstanceState::First);
    std::atomic<int> activations{0};
    first.SetActivateHandler([&] { ++activations; });
    StartupRun run({1280, 1024}, "startup-second");
    bool loopRan = false;
    run.env.BeforeLoop = [&](Application&) { loopRan = true; };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_FALSE(loopRan);
    EXPECT_EQ(activations.load(), 1);
    EXPECT_FALSE(run.headless->WindowOpen());  // no splash, no window of its own
    EXPECT_TRUE(MessageLog::Entries().empty());
}

TEST(Startup, FirstCopyComesToTheFrontWhenASecondAsks) {
    StartupRun run({1280, 1024}, "startup-raise");
    run.env.BeforeLoop = [&](Application& app) {
        HangGuard bound("asking the running copy to come to the front", kHangLimit);
        std::thread second([] { InstanceGuard::AskRunningCopyToActivate("startup-raise"); });
        app.RunUntil([&] { return run.headless->RaiseCount() > 0; });
        second.join();
        app.Post([&] { CloseMenuAfterSplash(app, *run.headless); });
    };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(run.headless->RaiseCount(), 1);
}

TEST(Startup, SplashShowsCentredAndGoesTwoSecondsAfterTheMainForm) {
    StartupRun run({1280, 1024});
    run.env.BeforeLoop = [&](Application& app) {
        ASSERT_TRUE(fmSplash);
        EXPECT_EQ(fmSplash->Bounds(), (Rect{540, 462, 740, 562}));
        app.Post([&] {  // the main form has just shown
            app.PaintNow();
            Color c = run.headless->Screen().GetPixel(640, 512);
            EXPECT_GT(c.R, 200);  // the splash stays on top of the main form
            EXPECT_EQ(app.ActiveForm(), fmSplash.get());
            app.RunFor(1999);
            EXPECT_TRUE(fmSplash);
            app.RunFor(2);
            EXPECT_FALSE(fmSplash);
            EXPECT_EQ(app.ActiveForm(), app.MainForm());
            run.headless->PressKey(Key::Escape);
        });
    };
    EXPECT_EQ(run.Run(), 0);
}

TEST(Startup, SplashIsShownBeforeASmallScreenIsRefused) {
    StartupRun run({800, 600});
    EXPECT_EQ(run.Run(), -2);
    EXPECT_TRUE(run.headless->WindowOpen());
    EXPECT_FALSE(fmSplash);
}

TEST(Startup, AMissingSplashEndsStartUpWithMinusTwo) {
    StartupRun run({1280, 1024});
    run.Remove("sph.xji");
    bool loopRan = false;
    run.env.BeforeLoop = [&](Application&) { loopRan = true; };
    EXPECT_EQ(run.Run(), -2);
    EXPECT_FALSE(loopRan);
    auto shown = MessageLog::Entries();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, "Brak Zasobów\nPrzeinstaluj Vimbaro");
}

TEST(Startup, AMissingMenuPictureEndsStartUpWithTheResourceMessage) {
    for (const char* file : {"Intf/T_b.xji", "Lib/BUTT/start_na_b_B.xbi",
                             "Lib/BUTT/gloski_maxi_W.xbi", "Lib/BUTT/j_maxi_NA_NC_W.xbi"}) {
        SCOPED_TRACE(file);
        StartupRun run({1280, 1024});
        run.Remove(file);
        bool loopRan = false;
        run.env.BeforeLoop = [&](Application&) { loopRan = true; };
        EXPECT_EQ(run.Run(), 0);
        EXPECT_FALSE(loopRan);
        EXPECT_FALSE(fmSplash);
        auto shown = MessageLog::Entries();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Text, "Brak Zasobów\nPrzeinstaluj Vimbaro");
    }
}

TEST(Startup, ALevelChosenOnTheMenuIsInForceAtTheNextStart) {
    StartupRun run({1280, 1024});
    // pIV of the large layout, on a 1280x1024 screen.
    const Point pIV{600 + 5, 290 + 5};
    run.env.BeforeLoop = [&](Application& app) {
        app.Post([&] {
            app.RunUntil([] { return !fmSplash; });
            run.headless->Click(pIV.X, pIV.Y);
            run.headless->PressKey(Key::Escape);
        });
    };
    EXPECT_EQ(run.Run(), 0);
    Color second{};
    run.env.BeforeLoop = [&](Application& app) {
        app.Post([&] {
            app.RunUntil([] { return !fmSplash; });
            app.PaintNow();
            second = run.headless->Screen().GetPixel(pIV.X, pIV.Y);
            run.headless->PressKey(Key::Escape);
        });
    };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(second, menu_fixture::CheckOn);
    EXPECT_TRUE(MessageLog::Entries().empty());
}

TEST(Startup, ErrorsInsideTheLoopAreShownAndTheRunEndsWithZero) {
    struct Case {
        std::function<void()> fail;
        std::string text, caption;
    } cases[] = {
        {[] { throw CBlad::ResourceMissing(); }, "Brak Zasobów\nPrzeinstaluj Vimbaro", "Błąd"},
        {[] { throw std::runtime_error("x"); }, "Wystąpił błąd krytyczny aplikacji!",
         "Vimbaro Cz.II - Błąd"},
    };
    for (const auto& c : cases) {
        StartupRun run({1024, 768});
        run.env.BeforeLoop = [&](Application& app) { app.Post(c.fail); };
        EXPECT_EQ(run.Run(), 0);
        auto shown = MessageLog::Entries();
        ASSERT_EQ(shown.size(), 1u);
        EXPECT_EQ(shown[0].Text, c.text);
        EXPECT_EQ(shown[0].Caption, c.caption);
    }
}

TEST(Startup, ErrorsDuringTheRunAppearInTheProgramsMessageForm) {
    StartupRun run({1280, 1024});
    Bitmap background(700, 400);
    background.Fill({90, 90, 160});
    run.data.Write("Data/kom_b.xji", EncodeJpeg(background, 90));
    std::string shown;
    run.env.BeforeLoop = [&](Application& app) {
        app.Post([&] {
            // Runs in the message form's own loop.
            app.Post([&] {
                if (auto* kom = dynamic_cast<TfmKom*>(app.ActiveForm())) {
                    shown = kom->Message();
                }
                run.headless->PressKey(Key::Escape);
            });
            throw CBlad::FromCode(CBlad::RepeatedDrawCode);
        });
    };
    EXPECT_EQ(run.Run(), 0);
    EXPECT_EQ(shown, "Powtórzone losowanie obiektów");
    EXPECT_TRUE(MessageLog::Entries().empty());
}

TEST(Startup, AfterTheRunErrorsGoToThePlainMessageBoxAgain) {
    StartupRun run({1280, 1024});
    run.env.BeforeLoop = [&](Application& app) {
        app.Post([&] { CloseMenuAfterSplash(app, *run.headless); });
    };
    EXPECT_EQ(run.Run(), 0);
    // The message form needs the run's window system, which is gone now.
    CBlad::FromCode(CBlad::RepeatedDrawCode).Show();
    auto shown = MessageLog::Entries();
    ASSERT_EQ(shown.size(), 1u);
    EXPECT_EQ(shown[0].Text, "Powtórzone losowanie obiektów");
}
