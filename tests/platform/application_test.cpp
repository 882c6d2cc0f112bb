#include "platform/application.h"

#include <gtest/gtest.h>

#include <atomic>
#include <optional>
#include <stdexcept>
#include <thread>
#include <vector>

#include "hang_guard.h"
#include "platform/critical_section.h"
#include "platform/form.h"
#include "platform/headless_app.h"
#include "platform/thread.h"
#include "platform/timer.h"

using namespace platform;

namespace {

// A form that paints one colour and records what reaches it.
class ColourForm : public Form {
  public:
    explicit ColourForm(Color c) : colour(c) {}
    void Paint(FormCanvas& canvas) override {
        canvas.FillRect({0, 0, ClientWidth(), ClientHeight()}, colour);
    }
    void OnKeyDown(Key key, char32_t ch) override {
        keys.push_back(key);
        if (key == Key::Escape) {
            Close();
        }
        lastChar = ch;
    }
    void OnMouseDown(MouseEvent& e) override { formMouseDowns.push_back({e.X, e.Y}); }
    void OnMouseUp(MouseEvent& e) override {
        formMouseUps.push_back(e.Button);
        formMouseUpAt.push_back({e.X, e.Y});
    }
    Color colour;
    std::vector<Key> keys;
    char32_t lastChar = 0;
    std::vector<MouseButton> formMouseUps;
    std::vector<Point> formMouseUpAt;  // form coordinates
    std::vector<Point> formMouseDowns;
};

}  // namespace

TEST(Timer, FiveSecondTimerFiresOnManualClockWithoutWaiting) {
    HeadlessApp h;
    uint32_t start = GetClock().TickCount();
    int fired = 0;
    uint32_t firedAt = 0;
    Timer t(5000, [&] {
        ++fired;
        firedAt = GetClock().TickCount();
    });
    t.SetEnabled(true);
    h.app->RunUntil([&] { return fired == 1; });
    EXPECT_EQ(firedAt - start, 5000u);
    // It keeps firing every interval while enabled, and stops when disabled.
    h.app->RunUntil([&] { return fired == 3; });
    EXPECT_EQ(GetClock().TickCount() - start, 15000u);
    t.SetEnabled(false);
    h.app->RunFor(20000);
    EXPECT_EQ(fired, 3);
}

TEST(Timer, HandlerMayDestroyAnotherDueTimer) {
    HeadlessApp h;
    auto victim = std::make_unique<Timer>(100);
    int victimFired = 0;
    victim->OnTimer = [&] { ++victimFired; };
    Timer killer(100, [&] { victim.reset(); });
    // Both are due at the same moment; whichever runs first, nothing dangles.
    killer.SetEnabled(true);
    victim->SetEnabled(true);
    h.app->RunFor(300);
    EXPECT_EQ(victim, nullptr);
    EXPECT_LE(victimFired, 1);
}

// Timers are often members of objects made before the event loop (or kept across two of them).
TEST(Timer, WorksWithTheApplicationThatExistsWhenItIsDue) {
    int early = 0, gone = 0;
    std::optional<Timer> madeEarly;
    madeEarly.emplace(1000, [&] { ++early; });
    madeEarly->SetEnabled(true);
    {
        // Made and destroyed before any application: nothing is left behind to call.
        Timer brief(500, [&] { ++gone; });
        brief.SetEnabled(true);
    }
    {
        HeadlessApp first({64, 64});
        first.app->RunFor(3500);
        EXPECT_EQ(early, 3);
    }
    // Outliving one application, it works for the next.
    HeadlessApp second({64, 64});
    second.app->RunFor(2500);
    EXPECT_EQ(early, 5);
    EXPECT_EQ(gone, 0);
    madeEarly.reset();
    second.app->RunFor(2000);
    EXPECT_EQ(early, 5);
}

TEST(Timer, ZeroIntervalNeverFires) {
    HeadlessApp h;
    int fired = 0;
    Timer t(0, [&] { ++fired; });
    t.SetEnabled(true);
    h.app->RunFor(1000);
    EXPECT_EQ(fired, 0);
}

namespace {
class SyncWorker : public Thread {
  public:
    explicit SyncWorker(int rounds) : rounds_(rounds) { Start(); }
    ~SyncWorker() override { Stop(); }
    std::atomic<int> done{0};
    std::vector<std::thread::id> ranOn;

  protected:
    void Execute() override {
        for (int i = 0; i < rounds_ && !Terminated(); ++i) {
            Synchronize([this] { ranOn.push_back(std::this_thread::get_id()); });
            ++done;
        }
    }

  private:
    int rounds_;
};
}  // namespace

TEST(Thread, SynchronizeWhileGuiThreadWaitsForTheWorkerDoesNotDeadlock) {
    HeadlessApp h;
    SyncWorker worker(50);
    HangGuard bound("waiting for the synchronising worker", kHangLimit);
    worker.WaitFor();  // the GUI thread waits; the worker's Synchronize calls must still run
    EXPECT_EQ(worker.done.load(), 50);
    ASSERT_EQ(worker.ranOn.size(), 50u);
    for (auto id : worker.ranOn) {
        EXPECT_EQ(id, std::this_thread::get_id());
    }
}

TEST(Thread, SynchronizeRunsInsideTheEventLoopAndPropagatesErrors) {
    HeadlessApp h;
    class Thrower : public Thread {
      public:
        Thrower() { Start(); }
        ~Thrower() override { Stop(); }
        std::atomic<bool> caught{false};

      protected:
        void Execute() override {
            try {
                Synchronize([] { throw std::runtime_error("boom"); });
            } catch (const std::runtime_error&) {
                caught = true;
            }
        }
    } thrower;
    h.app->RunUntil([&] { return thrower.Finished(); });
    EXPECT_TRUE(thrower.caught.load());
}

TEST(Thread, TerminateIsSeenByTheWorker) {
    HeadlessApp h;
    class Spinner : public Thread {
      public:
        Spinner() { Start(); }
        ~Spinner() override { Stop(); }
        std::atomic<int> loops{0};

      protected:
        void Execute() override {
            while (!Terminated()) {
                ++loops;
                GetClock().Sleep(10);
            }
        }
    } spinner;
    spinner.Stop();
    EXPECT_TRUE(spinner.Finished());
}

TEST(Application, PostFromAnotherThreadWakesTheLoop) {
    HeadlessApp h;
    std::atomic<bool> ran{false};
    std::thread other([&] { h.app->Post([&] { ran = true; }); });
    h.app->RunUntil([&] { return ran.load(); });
    other.join();
    EXPECT_TRUE(ran.load());
}

TEST(Form, StackPaintsTopFormOverBlackAndHidingUncovers) {
    HeadlessApp h({200, 100});
    ColourForm back({10, 20, 30});
    back.SetBounds({0, 0, 200, 100});
    back.Show();
    ColourForm box({200, 0, 0});
    box.CenterOnScreen(40, 20);
    box.Show();
    h.app->ProcessMessages();
    const Bitmap& screen = h.headless->Screen();
    EXPECT_EQ(screen.GetPixel(0, 0), (Color{10, 20, 30}));
    EXPECT_EQ(screen.GetPixel(100, 50), (Color{200, 0, 0}));
    EXPECT_EQ(box.Bounds(), (Rect{80, 40, 120, 60}));
    box.Hide();
    h.app->ProcessMessages();
    EXPECT_EQ(screen.GetPixel(100, 50), (Color{10, 20, 30}));
    back.Hide();
    h.app->ProcessMessages();
    EXPECT_EQ(screen.GetPixel(100, 50), (Color{0, 0, 0}));
}

TEST(Form, RoundedShapeLeavesCornersToWhatIsBelow) {
    HeadlessApp h({100, 100});
    ColourForm box({255, 255, 255});
    box.SetBounds({10, 10, 90, 90});
    box.SetRoundedShape(18, 18);
    box.Show();
    h.app->ProcessMessages();
    const Bitmap& screen = h.headless->Screen();
    EXPECT_EQ(screen.GetPixel(10, 10), (Color{0, 0, 0}));        // corner cut off
    EXPECT_EQ(screen.GetPixel(89, 89), (Color{0, 0, 0}));        // opposite corner too
    EXPECT_EQ(screen.GetPixel(19, 10), (Color{255, 255, 255}));  // edge past the corner
    EXPECT_EQ(screen.GetPixel(50, 50), (Color{255, 255, 255}));
}

TEST(Form, RoundedShapeMayStartInsideTheForm) {
    HeadlessApp h({100, 100});
    ColourForm box({255, 255, 255});
    box.SetBounds({10, 10, 90, 90});
    box.SetRoundedShape(14, 14, {2, 2});
    box.Show();
    h.app->ProcessMessages();
    const Bitmap& screen = h.headless->Screen();
    // The first two rows and columns are left out, the shape's corners rounded from there.
    for (int i : {10, 11}) {
        EXPECT_EQ(screen.GetPixel(50, i), (Color{0, 0, 0}));
        EXPECT_EQ(screen.GetPixel(i, 50), (Color{0, 0, 0}));
    }
    EXPECT_EQ(screen.GetPixel(50, 12), (Color{255, 255, 255}));
    EXPECT_EQ(screen.GetPixel(12, 50), (Color{255, 255, 255}));
    EXPECT_EQ(screen.GetPixel(12, 12), (Color{0, 0, 0}));
    EXPECT_EQ(screen.GetPixel(20, 12), (Color{255, 255, 255}));
    EXPECT_EQ(screen.GetPixel(89, 89), (Color{0, 0, 0}));
    EXPECT_EQ(screen.GetPixel(89, 50), (Color{255, 255, 255}));
}

TEST(Form, UpdateRepaintsWithoutTheLoop) {
    HeadlessApp h({50, 50});
    ColourForm f({1, 2, 3});
    f.SetBounds({0, 0, 50, 50});
    f.Show();
    f.Update();
    EXPECT_EQ(h.headless->Screen().GetPixel(25, 25), (Color{1, 2, 3}));
    f.colour = {4, 5, 6};
    f.Invalidate({0, 0, 10, 10});
    f.Update();
    EXPECT_EQ(h.headless->Screen().GetPixel(5, 5), (Color{4, 5, 6}));
    EXPECT_EQ(h.headless->Screen().GetPixel(25, 25), (Color{1, 2, 3}));  // only the dirty part
}

TEST(Form, KeysGoToTheTopFormAndModalLoopEndsOnClose) {
    HeadlessApp h({100, 100});
    ColourForm main({0, 0, 0});
    main.SetBounds({0, 0, 100, 100});
    main.Show();
    ColourForm dialog({0, 0, 0});
    dialog.SetBounds({10, 10, 50, 50});
    h.headless->PressKey(Key::Char, U'n');
    h.headless->PressKey(Key::Escape);
    HangGuard bound("the modal loop", kHangLimit);
    int result = dialog.ShowModal();
    EXPECT_EQ(result, 0);
    EXPECT_FALSE(dialog.Visible());
    EXPECT_EQ(dialog.keys, (std::vector<Key>{Key::Char, Key::Escape}));
    EXPECT_EQ(dialog.lastChar, U'\0');  // the Escape came last
    EXPECT_TRUE(main.keys.empty());
    EXPECT_FALSE(h.app->IsKeyDown(Key::Escape));
}

// The game steers with the arrow keys by asking every 10 ms which are held; a press that
// still waits in the queue (the loop is busy with a drawing or a worker) must count already.
TEST(Keys, AHeldKeyReadsDownFromItsPressToItsRelease) {
    HeadlessApp h({100, 100});
    const Key arrows[] = {Key::Left, Key::Right, Key::Up, Key::Down};
    for (Key key : arrows) {
        SCOPED_TRACE(static_cast<int>(key));
        h.headless->HoldKey(key);
        EXPECT_TRUE(h.app->IsKeyDown(key));  // nothing handled yet
        h.app->ProcessMessages();
        h.app->RunFor(500);
        for (Key other : arrows) {
            EXPECT_EQ(h.app->IsKeyDown(other), other == key);
        }
        h.headless->ReleaseKey(key);
        EXPECT_FALSE(h.app->IsKeyDown(key));
        h.app->ProcessMessages();
        EXPECT_FALSE(h.app->IsKeyDown(key));
    }
    // Letters are not told apart, so none reads as held.
    h.headless->HoldKey(Key::Char);
    EXPECT_FALSE(h.app->IsKeyDown(Key::Char));
    // Another thread is told so instead of reading a state it cannot have.
    bool refused = false;
    std::thread other([&] {
        try {
            h.app->IsKeyDown(Key::Left);
        } catch (const std::logic_error&) {
            refused = true;
        }
    });
    other.join();
    EXPECT_TRUE(refused);
}

TEST(Form, ClosingTheMainFormEndsRun) {
    HeadlessApp h({100, 100});
    ColourForm main({0, 0, 0});
    main.SetBounds({0, 0, 100, 100});
    h.headless->PressKey(Key::Escape);
    h.app->Run(main);
    EXPECT_TRUE(h.app->Terminated());
    EXPECT_FALSE(main.Visible());
}

// A 200 x 200 screen covered by a shown form with one control at (50, 50)-(100, 80).
struct OneControlScene {
    HeadlessApp h{{200, 200}};
    ColourForm form{{0, 0, 0}};
    Control button{form};
    OneControlScene() {
        form.SetBounds({0, 0, 200, 200});
        form.Show();
        button.SetBounds({50, 50, 100, 80});
    }
};

TEST(Control, MouseMessagesReachTheControlUnderThePointer) {
    OneControlScene scene;
    HeadlessApp& h = scene.h;
    ColourForm& form = scene.form;
    Control& button = scene.button;
    std::vector<std::string> log;
    button.OnMouseEnter = [&](MouseEvent&) { log.push_back("enter"); };
    button.OnMouseLeave = [&](MouseEvent&) { log.push_back("leave"); };
    button.OnMouseDown = [&](MouseEvent& e) {
        log.push_back("down " + std::to_string(e.X) + "," + std::to_string(e.Y));
    };
    button.OnMouseUp = [&](MouseEvent&) { log.push_back("up"); };
    button.OnClick = [&](MouseEvent&) { log.push_back("click"); };
    button.OnDoubleClick = [&](MouseEvent&) { log.push_back("dbl"); };

    h.headless->Click(60, 55);
    h.headless->MoveMouse(10, 10);
    h.app->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 10,5", "up", "click", "leave"}));

    log.clear();
    h.headless->DoubleClick(60, 55);
    h.app->ProcessMessages();
    EXPECT_EQ(log, (std::vector<std::string>{"enter", "down 10,5", "up", "click", "dbl",
                                             "down 10,5", "up"}));

    // A disabled control lets the message through to the form.
    log.clear();
    form.formMouseUps.clear();
    button.SetEnabled(false);
    h.headless->Click(60, 55, MouseButton::Right);
    h.app->ProcessMessages();
    EXPECT_TRUE(std::find(log.begin(), log.end(), "click") == log.end());
    EXPECT_EQ(form.formMouseUps, (std::vector<MouseButton>{MouseButton::Right}));
}

// The game's switches are the mouse buttons pressed and released anywhere a control does not
// claim them: over a picture, a tile or a button that ignores that button.
TEST(Control, APressOrReleaseTheControlLeavesUnhandledReachesTheForm) {
    struct Case {
        bool claimed;
        MouseButton button;
        size_t formEvents;
    };
    for (const Case c : {Case{true, MouseButton::Left, 0}, Case{false, MouseButton::Left, 1},
                         Case{false, MouseButton::Right, 1}}) {
        SCOPED_TRACE(testing::Message() << "claimed " << c.claimed);
        HeadlessApp h({200, 200});
        ColourForm form({0, 0, 0});
        form.SetBounds({20, 10, 180, 190});
        form.Show();
        Control picture(form);
        picture.SetBounds({50, 50, 100, 80});
        int clicks = 0;
        auto handle = [&](MouseEvent& e) { e.Handled = c.claimed; };
        picture.OnMouseDown = handle;
        picture.OnMouseUp = handle;
        picture.OnClick = [&](MouseEvent&) { ++clicks; };
        h.headless->Click(80, 70, c.button);
        h.app->ProcessMessages();
        ASSERT_EQ(form.formMouseUps.size(), c.formEvents);
        ASSERT_EQ(form.formMouseDowns.size(), c.formEvents);
        if (c.formEvents > 0) {
            EXPECT_EQ(form.formMouseUps[0], c.button);
            EXPECT_EQ(form.formMouseUpAt[0], (Point{60, 60}));  // form, not control, coordinates
            EXPECT_EQ(form.formMouseDowns[0], (Point{60, 60}));
        }
        // The control's own click happens either way.
        EXPECT_EQ(clicks, c.button == MouseButton::Left ? 1 : 0);
    }
}

TEST(Control, ThePointerIsAHandOverAControlThatAsksForIt) {
    OneControlScene scene;
    HeadlessApp& h = scene.h;
    ColourForm& form = scene.form;
    Control& button = scene.button;
    button.SetCursor(CursorShape::Hand);
    Control plain(form);
    plain.SetBounds({120, 50, 160, 80});
    auto pointerAt = [&](int x, int y) {
        h.headless->MoveMouse(x, y);
        h.app->ProcessMessages();
        return h.headless->Cursor();
    };
    EXPECT_EQ(pointerAt(60, 60), CursorShape::Hand);
    EXPECT_EQ(pointerAt(130, 60), CursorShape::Arrow);
    EXPECT_EQ(pointerAt(60, 60), CursorShape::Hand);
    EXPECT_EQ(pointerAt(10, 10), CursorShape::Arrow);
    button.SetEnabled(false);
    EXPECT_EQ(pointerAt(60, 60), CursorShape::Arrow);
}

TEST(Control, ReleaseOutsideThePressedControlIsNoClick) {
    OneControlScene scene;
    HeadlessApp& h = scene.h;
    Control& button = scene.button;
    int clicks = 0, ups = 0;
    button.OnClick = [&](MouseEvent&) { ++clicks; };
    button.OnMouseUp = [&](MouseEvent&) { ++ups; };
    InputEvent down{InputEvent::Type::MouseDown, Key::Unknown, 0, MouseButton::Left, 60, 60, 1};
    InputEvent up = down;
    up.type = InputEvent::Type::MouseUp;
    up.x = 150;
    h.headless->Inject(down);
    h.headless->Inject(up);
    h.app->ProcessMessages();
    EXPECT_EQ(ups, 1);  // the pressed control keeps the mouse until release
    EXPECT_EQ(clicks, 0);
}

TEST(CriticalSection, SameThreadMayEnterTwice) {
    CriticalSection cs;
    ScopedLock a(cs);
    ScopedLock b(cs);
    std::atomic<bool> otherGot{true};
    std::thread other([&] { otherGot = cs.TryEnter(); });
    other.join();
    EXPECT_FALSE(otherGot.load());
}
