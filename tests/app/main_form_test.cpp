#include "app/main_form.h"

#include <gtest/gtest.h>

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/menu_fixture.h"
#include "app/options_form.h"
#include "app/stand_in_game_form.h"
#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/headless_app.h"
#include "platform/message_log.h"
#include "platform/settings_store.h"
#include "platform/sound.h"
#include "platform/sound_fixtures.h"
#include "platform/timer.h"
#include "scoped_env.h"

using namespace catalog;
using namespace media;
using namespace game;
using namespace app;

using namespace platform;
using namespace menu_fixture;

namespace {

using Places = std::map<std::string, Point>;

// Top-left corners on a 1280x1024 screen: the large layout, 32 pixels down.
const Places kLargePlaces{
    {"start", {1151, 406}}, {"options", {1151, 526}}, {"info", {1151, 646}},  {"exit", {1151, 761}},
    {"poziom", {76, 215}},  {"ilosc", {91, 380}},     {"gloski", {150, 612}}, {"m", {460, 382}},
    {"s", {460, 447}},      {"d", {460, 512}},        {"pI", {430, 217}},     {"pII", {600, 217}},
    {"pIII", {430, 290}},   {"pIV", {600, 290}},      {"l", {510, 612}},      {"r", {510, 677}},
    {"j", {510, 747}},
};

// On a 1280x800 screen: the small layout at (128, 16), scaled by 0.8 and truncated.
const Places kSmallPlaces{
    {"start", {1048, 315}}, {"options", {1048, 411}}, {"info", {1048, 507}},  {"exit", {1048, 599}},
    {"poziom", {188, 162}}, {"ilosc", {200, 294}},    {"gloski", {248, 480}}, {"m", {496, 296}},
    {"s", {496, 348}},      {"d", {496, 400}},        {"pI", {472, 164}},     {"pII", {608, 164}},
    {"pIII", {472, 222}},   {"pIV", {608, 222}},      {"l", {536, 480}},      {"r", {536, 532}},
    {"j", {536, 588}},
};

// The check buttons with the record field and value each one stands for.
struct CheckMeaning {
    const char* Name;
    int16_t CWybor::*Field;
    int16_t Value;
    bool IsBit;
};
const CheckMeaning kChecks[] = {
    {"m", &CWybor::ilosc, 1, false},    {"s", &CWybor::ilosc, 2, false},
    {"d", &CWybor::ilosc, 4, false},    {"pI", &CWybor::poziom, 1, false},
    {"pII", &CWybor::poziom, 2, false}, {"pIII", &CWybor::poziom, 4, false},
    {"pIV", &CWybor::poziom, 8, false}, {"l", &CWybor::gloski, 1, true},
    {"r", &CWybor::gloski, 2, true},    {"j", &CWybor::gloski, 4, true},
};

bool ShouldBeOn(const CheckMeaning& c, const CWybor& w) {
    const int16_t v = w.*c.Field;
    return c.IsBit ? (v & c.Value) != 0 : v == c.Value;
}

// A headless screen with a manual clock, the menu's pictures in a temporary data folder,
// an options file of the test's own and the silent sound player.
class MenuSession {
  public:
    explicit MenuSession(Point screen)
        : h_(screen), saved_(Geometry()), config_(dir_.Path() / "config") {
        SetScreenGeometry(SelectScreenMode(screen.X, screen.Y));
        SetDataRootForTesting(dir_.Path() / "Data");
        Sound::UseSilentDriverForTesting();
        MessageLog::Capture();
        files_ = WriteMenuData(dir_, "Data", Geometry().ScreenMode);
    }
    ~MenuSession() {
        MessageLog::StopCapture();
        Sound::UseSilentDriverForTesting();
        SetDataRootForTesting({});
        SetScreenGeometry(saved_);
    }

    Application& App() { return *h_.app; }
    HeadlessBackend& Screen() { return *h_.headless; }
    const ScopedTempDir& Dir() const { return dir_; }
    const std::vector<std::string>& Files() const { return files_; }

    Color At(int x, int y) {
        h_.app->PaintNow();
        return h_.headless->Screen().GetPixel(x, y);
    }
    Color At(Point p) { return At(p.X + 3, p.Y + 3); }
    void Click(Point p) {
        h_.headless->Click(p.X + 5, p.Y + 5);
        h_.app->ProcessMessages();
    }
    void Press(Key key) {
        h_.headless->PressKey(key);
        h_.app->ProcessMessages();
    }

    static void Store(std::initializer_list<std::pair<const char*, uint32_t>> values) {
        SettingsStore store(*SettingsStore::DefaultPath());
        for (const auto& [name, value] : values) {
            store.WriteDword(name, value);
        }
        ASSERT_TRUE(store.Save());
    }
    static std::optional<uint32_t> Stored(const char* name) {
        return SettingsStore(*SettingsStore::DefaultPath()).ReadDword(name);
    }
    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& e : MessageLog::Entries()) {
            texts.push_back(e.Text);
        }
        return texts;
    }

  private:
    HeadlessApp h_;
    ScreenGeometry saved_;
    ScopedTempDir dir_;
    ScopedConfigHome config_;
    std::vector<std::string> files_;
};

// A game form that writes its coming and going into a log.
class LoggedGame : public StandInGameForm {
  public:
    LoggedGame(game::MenuLink menu, const CWybor& settings, std::vector<std::string>& log, int n)
        : StandInGameForm(std::move(menu), settings), log_(log), n_(n) {
        log_.push_back("create " + std::to_string(n_));
    }
    ~LoggedGame() override { log_.push_back("free " + std::to_string(n_)); }

  private:
    std::vector<std::string>& log_;
    int n_;
};

// The menu with a game form the test can watch or make fail.
// The log lives outside: the menu's base frees the last game form after the derived part
// is gone.
class WatchedMenu : public TfmMain {
  public:
    explicit WatchedMenu(std::vector<std::string>& log) : log_(log) {}
    std::optional<CBlad> FailWith;

  protected:
    std::unique_ptr<Form> CreateGameForm(const CWybor& settings) override {
        if (FailWith) {
            throw *FailWith;
        }
        return std::make_unique<LoggedGame>(MenuLinkForGame(), settings, log_, ++made_);
    }

  private:
    std::vector<std::string>& log_;
    int made_ = 0;
};

}  // namespace

// ---- Layout ---------------------------------------------------------------------------------

struct LayoutCase {
    const char* Name;
    Point Screen;
    const Places* Expected;
    Point Margin;  // a pixel outside the layout area
};

void PrintTo(const LayoutCase& c, std::ostream* os) {
    *os << c.Name;
}

class MainMenuLayout : public ::testing::TestWithParam<LayoutCase> {};

TEST_P(MainMenuLayout, EveryItemSitsAtItsScaledPlaceOverTheBackground) {
    const LayoutCase& c = GetParam();
    MenuSession s(c.Screen);
    TfmMain menu;
    menu.Show();
    EXPECT_EQ(menu.Caption(), "Vimbaro Cz.II");
    const CWybor defaults;
    ASSERT_EQ(menu.Settings(), defaults);  // no options file yet

    auto expectedLook = [&](const std::string& name) {
        for (const std::string& b : PushButtons) {
            if (b == name) {
                return ButtonNormal;
            }
        }
        for (const std::string& l : Labels) {
            if (l == name) {
                return Label;
            }
        }
        for (const CheckMeaning& m : kChecks) {
            if (name == m.Name) {
                return ShouldBeOn(m, defaults) ? CheckOn : CheckOff;
            }
        }
        ADD_FAILURE() << "unknown item " << name;
        return Color{};
    };
    for (const auto& [name, at] : *c.Expected) {
        SCOPED_TRACE(name);
        // The corner pixel pins the place exactly; the one diagonally before it is scenery.
        EXPECT_EQ(s.At(at.X, at.Y), expectedLook(name));
        EXPECT_TRUE(Near(s.At(at.X - 1, at.Y - 1), Background));
    }
    EXPECT_EQ(s.At(c.Margin.X, c.Margin.Y), (Color{0, 0, 0}));
}

INSTANTIATE_TEST_SUITE_P(
    BothLayouts, MainMenuLayout,
    ::testing::Values(LayoutCase{"large", {1280, 1024}, &kLargePlaces, {640, 20}},
                      LayoutCase{"small", {1280, 800}, &kSmallPlaces, {100, 400}}),
    [](const auto& info) { return std::string(info.param.Name); });

// ---- Choices --------------------------------------------------------------------------------

struct ClickCase {
    std::vector<const char*> Clicks;
    int16_t Ilosc, Poziom, Gloski;
};

void PrintTo(const ClickCase& c, std::ostream* os) {
    *os << "clicks";
    for (const char* name : c.Clicks) {
        *os << ' ' << name;
    }
}

class MainMenuChoices : public ::testing::TestWithParam<ClickCase> {};

TEST_P(MainMenuChoices, ClicksSetTheRecordAndTheLooks) {
    const ClickCase& c = GetParam();
    MenuSession s({1280, 1024});
    TfmMain menu;
    menu.Show();
    for (const char* name : c.Clicks) {
        s.Click(kLargePlaces.at(name));
    }
    s.Screen().MoveMouse(5, 5);  // off every button, so none shows its hover look
    s.App().ProcessMessages();

    EXPECT_EQ(menu.Settings().ilosc, c.Ilosc);
    EXPECT_EQ(menu.Settings().poziom, c.Poziom);
    EXPECT_EQ(menu.Settings().gloski, c.Gloski);
    for (const CheckMeaning& m : kChecks) {
        SCOPED_TRACE(m.Name);
        EXPECT_EQ(s.At(kLargePlaces.at(m.Name)),
                  ShouldBeOn(m, menu.Settings()) ? CheckOn : CheckOff);
    }
    EXPECT_EQ(menu.StartButton().Enabled(), c.Gloski != 0);
    EXPECT_EQ(s.At(kLargePlaces.at("start")), c.Gloski != 0 ? ButtonNormal : ButtonDisabled);
}

// Starting from the defaults: few, level I, group III.
INSTANTIATE_TEST_SUITE_P(
    Table, MainMenuChoices,
    ::testing::Values(ClickCase{{}, 1, 1, 4}, ClickCase{{"d"}, 4, 1, 4}, ClickCase{{"s"}, 2, 1, 4},
                      ClickCase{{"d", "m"}, 1, 1, 4},
                      ClickCase{{"m", "m"}, 1, 1, 4},  // choosing the chosen one keeps it
                      ClickCase{{"pIV"}, 1, 8, 4}, ClickCase{{"pIII", "pII"}, 1, 2, 4},
                      ClickCase{{"pI"}, 1, 1, 4}, ClickCase{{"l"}, 1, 1, 5},
                      ClickCase{{"l", "r"}, 1, 1, 7}, ClickCase{{"j"}, 1, 1, 0},
                      ClickCase{{"j", "j"}, 1, 1, 4}, ClickCase{{"l", "j", "r", "l"}, 1, 1, 2},
                      ClickCase{{"s", "pIV", "r", "d", "j"}, 4, 8, 2}));

// ---- Settings -------------------------------------------------------------------------------

TEST(MainMenu, LoadsTheStoredChoicesAndStoresTheNewOnesWhenEscEndsTheRun) {
    MenuSession s({1280, 1024});
    MenuSession::Store({{"ilosc", 2}, {"poziom", 8}, {"gloski", 3}, {"scanTime", 2500}});
    {
        TfmMain menu;
        EXPECT_EQ(menu.Settings().ilosc, 2);
        EXPECT_EQ(menu.Settings().poziom, 8);
        EXPECT_EQ(menu.Settings().gloski, 3);
        for (int i = 0; i < 3; ++i) {
            EXPECT_EQ(menu.QuantityCheck(i).State(), i == 1);
            EXPECT_EQ(menu.GroupCheck(i).State(), i != 2);
        }
        for (int i = 0; i < 4; ++i) {
            EXPECT_EQ(menu.LevelCheck(i).State(), i == 3);
        }
        // Queued before the loop shows the menu, handled once it shows.
        for (const char* name : {"pI", "d", "j"}) {
            const Point p = kLargePlaces.at(name);
            s.Screen().Click(p.X + 5, p.Y + 5);
        }
        s.Screen().PressKey(Key::Escape);
        s.App().Run(menu);
        EXPECT_FALSE(menu.Visible());
    }
    EXPECT_EQ(MenuSession::Stored("ilosc"), 4u);
    EXPECT_EQ(MenuSession::Stored("poziom"), 1u);
    EXPECT_EQ(MenuSession::Stored("gloski"), 7u);
    EXPECT_EQ(MenuSession::Stored("scanTime"), 2500u);  // what the menu does not show stays
}

TEST(MainMenu, WithNoSoundGroupStartIsDisabledUntilOneIsChosen) {
    MenuSession s({1280, 1024});
    MenuSession::Store({{"gloski", 0}});
    std::vector<std::string> log;
    WatchedMenu menu(log);
    menu.Show();
    EXPECT_FALSE(menu.StartButton().Enabled());
    EXPECT_EQ(s.At(kLargePlaces.at("start")), ButtonDisabled);

    s.Press(Key::Enter);
    s.Click(kLargePlaces.at("start"));
    EXPECT_EQ(menu.GameForm(), nullptr);
    EXPECT_TRUE(log.empty());

    s.Click(kLargePlaces.at("r"));
    EXPECT_TRUE(menu.StartButton().Enabled());
    s.Press(Key::Enter);
    ASSERT_NE(menu.GameForm(), nullptr);
    EXPECT_EQ(s.App().ActiveForm(), menu.GameForm());
    // The series works on a copy of the record as it was at the start.
    auto* game = dynamic_cast<StandInGameForm*>(menu.GameForm());
    ASSERT_NE(game, nullptr);
    EXPECT_EQ(game->Settings().gloski, 2);
}

TEST(MainMenu, WordsBesideTheSoundsSayWhyStartIsGreyedOut) {
    MenuSession s({1280, 1024});
    TfmMain menu;
    menu.Show();
    EXPECT_TRUE(menu.StartHintPlace().IsEmpty());
    // Where the words will stand, as the page shows it with Start live.
    s.Click(kLargePlaces.at("j"));  // the only sound: now none is chosen
    ASSERT_FALSE(menu.StartButton().Enabled());
    const Rect hint = menu.StartHintPlace();
    ASSERT_FALSE(hint.IsEmpty());
    // Between the sound label and the right edge of the card, clear of every control.
    EXPECT_GE(hint.Top, kLargePlaces.at("gloski").Y + 60);
    EXPECT_LT(hint.Right, kLargePlaces.at("l").X);
    auto inked = [&] {
        int n = 0;
        for (int y = hint.Top; y < hint.Bottom; ++y) {
            for (int x = hint.Left; x < hint.Right; ++x) {
                n += Near(s.At(x, y), Background, 30) ? 0 : 1;
            }
        }
        return n;
    };
    EXPECT_GT(inked(), 100);

    s.Click(kLargePlaces.at("l"));
    EXPECT_TRUE(menu.StartButton().Enabled());
    EXPECT_TRUE(menu.StartHintPlace().IsEmpty());
    // Taken away, the page shows through again.
    for (int y = hint.Top; y < hint.Bottom; y += 3) {
        for (int x = hint.Left; x < hint.Right; x += 3) {
            ASSERT_TRUE(Near(s.At(x, y), Background)) << x << "," << y;
        }
    }
}

TEST(MainMenu, AMenuOpeningWithNoSoundSaysWhyStartIsGreyedOut) {
    MenuSession s({1280, 800});
    MenuSession::Store({{"gloski", 0}});
    TfmMain menu;
    menu.Show();
    EXPECT_FALSE(menu.StartButton().Enabled());
    EXPECT_FALSE(menu.StartHintPlace().IsEmpty());
}

// ---- Series ---------------------------------------------------------------------------------

TEST(MainMenu, ASeriesHidesTheMenuAndItsEndBringsTheMenuBackAndFreesTheGameASecondLater) {
    MenuSession s({1280, 1024});
    s.Dir().Write("Data/Res/Snd/Men/s.snd", sound_fixtures::MakeTuneMs(600000));
    std::vector<std::string> log;
    WatchedMenu menu(log);
    menu.Show();
    EXPECT_TRUE(Sound::IsMidiPlaying());

    const Point start = kLargePlaces.at("start");
    s.Screen().MoveMouse(start.X + 5, start.Y + 5);
    s.App().ProcessMessages();
    EXPECT_EQ(s.At(start), ButtonHover);
    s.Press(Key::Enter);
    ASSERT_NE(menu.GameForm(), nullptr);
    EXPECT_FALSE(Sound::IsMidiPlaying());
    s.Screen().MoveMouse(5, 5);  // leaves the start button while the game is on top
    s.App().ProcessMessages();
    EXPECT_TRUE(menu.Visible());
    s.App().RunFor(1001);
    EXPECT_FALSE(menu.Visible());                    // the game form hides it
    EXPECT_FALSE(Near(s.At(640, 512), Background));  // the game covers the screen
    EXPECT_NE(s.At(kLargePlaces.at("pI")), CheckOn);

    s.Press(Key::Escape);  // ends the series
    EXPECT_TRUE(menu.Visible());
    EXPECT_EQ(s.App().ActiveForm(), &menu);
    EXPECT_TRUE(Sound::IsMidiPlaying());
    EXPECT_EQ(s.At(kLargePlaces.at("pI")), CheckOn);
    EXPECT_EQ(s.At(start), ButtonNormal);  // no stale highlight
    s.App().RunFor(999);
    EXPECT_NE(menu.GameForm(), nullptr);
    EXPECT_TRUE(menu.Visible());  // the ended series no longer hides the menu
    s.App().RunFor(2);
    EXPECT_EQ(menu.GameForm(), nullptr);
    EXPECT_EQ(log, (std::vector<std::string>{"create 1", "free 1"}));
}

TEST(MainMenu, ANewSeriesRightAfterTheLastFreesTheOldGameFirstAndKeepsTheNewOne) {
    MenuSession s({1280, 1024});
    std::vector<std::string> log;
    WatchedMenu menu(log);
    menu.Show();
    s.Press(Key::Enter);
    s.Press(Key::Escape);
    s.App().RunFor(300);
    s.Press(Key::Enter);
    EXPECT_EQ(log, (std::vector<std::string>{"create 1", "free 1", "create 2"}));
    s.App().RunFor(2500);  // the pending removal of the old form must not hit the new one
    EXPECT_NE(menu.GameForm(), nullptr);
    EXPECT_EQ(log.size(), 3u);
}

TEST(MainMenu, AGameFormThatCannotBeBuiltIsShownAndEndsTheProgram) {
    MenuSession s({1280, 1024});
    std::vector<std::string> log;
    WatchedMenu menu(log);
    menu.FailWith = CBlad::ResourceMissing();
    s.Screen().PressKey(Key::Enter);
    s.App().Run(menu);  // returns once the menu closes
    EXPECT_FALSE(menu.Visible());
    EXPECT_EQ(menu.GameForm(), nullptr);
    EXPECT_EQ(MenuSession::Messages(),
              (std::vector<std::string>{"Brak Zasobów\nPrzeinstaluj Vimbaro"}));
}

TEST(MainMenu, ExitButtonEndsTheRun) {
    MenuSession s({1280, 800});
    TfmMain menu;
    const Point exit = kSmallPlaces.at("exit");
    s.Screen().Click(exit.X + 5, exit.Y + 5);
    s.App().Run(menu);
    EXPECT_FALSE(menu.Visible());
    EXPECT_TRUE(MenuSession::Messages().empty());
}

// ---- Other forms ----------------------------------------------------------------------------

TEST(MainMenu, InformationAndOptionsWithoutTheirPicturesSaySoAndTheMenuStaysUsable) {
    MenuSession s({1280, 1024});
    TfmMain menu;
    menu.Show();
    s.Click(kLargePlaces.at("info"));
    s.Click(kLargePlaces.at("options"));
    EXPECT_EQ(MenuSession::Messages(),
              (std::vector<std::string>{"Brak Zasobów\nPrzeinstaluj Vimbaro",
                                        "Brak Zasobów\nPrzeinstaluj Vimbaro"}));
    EXPECT_EQ(s.App().ActiveForm(), &menu);
    s.Click(kLargePlaces.at("d"));
    EXPECT_EQ(menu.Settings().ilosc, 4);
    EXPECT_EQ(s.At(kLargePlaces.at("d")), CheckOn);
}

TEST(MainMenu, TheOptionsFormEditsTheMenusOwnRecord) {
    MenuSession s({1280, 1024});
    const ScopedTempDir& dir = s.Dir();
    dir.Write("Data/Intf/op_b.xji", EncodeJpeg(Bitmap(1280, 960), 90));
    WriteLook(dir, "Data", "opskanowanie_maxi", 250, 40, {1, 1, 1});
    WriteLook(dir, "Data", "czasprzejsc_maxi", 150, 30, {2, 2, 2});
    for (const char* look : {"_A_C", "_A_NC", "_NA_C", "_NA_NC"}) {
        for (const char* name : {"wyl", "wl", "opskwew", "opskzew", "opsk1p", "opsk2p"}) {
            WriteLook(dir, "Data", std::string(name) + "_maxi" + look, 200, 40, {3, 3, 3});
        }
    }
    WriteLook(dir, "Data", "track_maxi_as", 300, 60, {4, 4, 4});
    WriteLook(dir, "Data", "track_maxi_nas", 300, 60, {5, 5, 5});
    WriteLook(dir, "Data", "track_maxi_ap", 20, 30, {6, 6, 6});
    WriteLook(dir, "Data", "track_maxi_nap", 20, 30, {7, 7, 7});
    for (const char* look : {"_a_b", "_d_b", "_c_b", "_na_b"}) {
        WriteLook(dir, "Data", std::string("powrot") + look, 100, 50, {8, 8, 8});
    }
    TfmMain menu;
    menu.Show();
    ASSERT_TRUE(menu.Settings().ScanFlag(ScanOff));

    // Runs inside the options form's modal loop: switches scanning on and closes the form.
    bool sawOptions = false;
    std::optional<uint32_t> storedWhileOpen;
    Timer driver(10);
    driver.OnTimer = [&] {
        auto* options = dynamic_cast<TfmOptions*>(s.App().ActiveForm());
        if (options == nullptr) {
            return;
        }
        driver.SetEnabled(false);
        sawOptions = true;
        const Rect on = options->ScanOnCheck().Bounds();
        s.Screen().Click(on.Left + 3, on.Top + 3);
        s.App().ProcessMessages();
        // On disk at once, while the form is still open.
        storedWhileOpen = MenuSession::Stored("scan");
        s.Screen().PressKey(Key::Escape);
    };
    driver.SetEnabled(true);
    s.Click(kLargePlaces.at("options"));  // returns when the options form has closed

    EXPECT_TRUE(sawOptions);
    EXPECT_FALSE(menu.Settings().ScanFlag(ScanOff));
    EXPECT_EQ(storedWhileOpen, static_cast<uint32_t>(menu.Settings().scan));
    EXPECT_EQ(s.App().ActiveForm(), &menu);
    EXPECT_TRUE(MenuSession::Messages().empty());
}

// ---- Storing the settings --------------------------------------------------------------------

TEST(MainMenu, EveryChoiceIsStoredTheMomentItIsMade) {
    MenuSession s({1280, 1024});
    TfmMain menu;
    menu.Show();
    struct Case {
        const char* check;
        const char* value;
        uint32_t stored;
    };
    const Case cases[] = {{"pIII", "poziom", 4},
                          {"d", "ilosc", 4},
                          {"l", "gloski", 5},
                          {"j", "gloski", 1},
                          {"pI", "poziom", 1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.check);
        s.Click(kLargePlaces.at(c.check));
        // The menu is still open: nothing waits for a clean exit.
        EXPECT_EQ(MenuSession::Stored(c.value), c.stored);
    }
    EXPECT_TRUE(MenuSession::Messages().empty());
}

TEST(MainMenu, SettingsThatCannotBeSavedAreReportedOnceAndTheChoicesStillCount) {
    MenuSession s({1280, 1024});
    // A regular file where the folder should be: nobody, root included, can save there.
    s.Dir().Write("blocked", std::vector<uint8_t>{'x'});
    const std::string home = (s.Dir().Path() / "blocked" / "config").string();
    ScopedEnv config("XDG_CONFIG_HOME", home.c_str());
    TfmMain menu;
    menu.Show();
    s.Click(kLargePlaces.at("pIII"));
    s.Click(kLargePlaces.at("pII"));
    s.Click(kLargePlaces.at("s"));
    EXPECT_EQ(menu.Settings().poziom, 2);
    EXPECT_EQ(menu.Settings().ilosc, 2);
    const std::vector<std::string> messages = MenuSession::Messages();
    ASSERT_EQ(messages.size(), 1u);
    EXPECT_EQ(messages[0], "Nie można zapisać ustawień w folderze:\n" + home + "/vimbaro");
}

// ---- Missing pictures -----------------------------------------------------------------------

TEST(MainMenu, AnyMissingPictureFailsWithTheResourceMessageAndLeavesNothing) {
    MenuSession s({1280, 800});
    const std::filesystem::path data = s.Dir().Path() / "Data";
    const std::filesystem::path aside = s.Dir().Path() / "aside";
    ASSERT_GT(s.Files().size(), 100u);
    for (const std::string& file : s.Files()) {
        // The two pictures of a look go through one loader; one of them will do.
        if (file.ends_with("_B.xbi")) {
            continue;
        }
        SCOPED_TRACE(file);
        std::filesystem::rename(data / file, aside);
        try {
            TfmMain menu;
            ADD_FAILURE() << "the menu was built";
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code(), 1);
            EXPECT_EQ(e.Text(), "Brak Zasobów\nPrzeinstaluj Vimbaro");
        }
        std::filesystem::rename(aside, data / file);
    }
    TfmMain menu;  // and with everything back it builds
    EXPECT_TRUE(MenuSession::Messages().empty());
}
