#include "app/main_form.h"

#include <ctime>
#include <filesystem>
#include <string>

#include "app/about_form.h"
#include "app/options_form.h"
#include "app/program_texts.h"
#include "app/splash_form.h"
#include "catalog/screen_geometry.h"
#include "controls/bitmap_control.h"
#include "exercises/series_setup.h"
#include "game/tfm_gry.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/random.h"
#include "platform/settings_store.h"

using namespace game;
using namespace controls;
using namespace media;
using namespace catalog;

namespace app {

using platform::Point;

namespace {

// The check buttons and the labels sit this many design units below their stored rows.
constexpr double kRowShift = 100;

// A menu item in design coordinates (large-layout pixels).
struct ItemPlace {
    const char* Name;
    int32_t Left;
    int32_t Top;
};

// A check button with the settings value it stands for.
struct CheckPlace {
    const char* Name;
    int32_t Left;
    int32_t Top;
    int16_t Value;
};

constexpr ItemPlace kStart{"start", 1151, 374};
constexpr ItemPlace kOptions{"options", 1151, 494};
constexpr ItemPlace kInfo{"info", 1151, 614};
constexpr ItemPlace kExit{"exit", 1151, 729};

// Drawn in this order, each over the background only.
constexpr std::array<ItemPlace, 3> kLabels{{
    {"gloski", 150, 480},
    {"poziom", 76, 83},
    {"ilosc", 91, 248},
}};

constexpr std::array<CheckPlace, 3> kQuantity{{
    {"m", 460, 250, QuantityFew},
    {"s", 460, 315, QuantityMedium},
    {"d", 460, 380, QuantityMany},
}};
constexpr std::array<CheckPlace, 4> kLevel{{
    {"pI", 430, 85, 1},
    {"pII", 600, 85, 2},
    {"pIII", 430, 158, 4},
    {"pIV", 600, 158, 8},
}};
constexpr std::array<CheckPlace, 3> kGroups{{
    {"l", 510, 480, 1},
    {"r", 510, 545, 2},
    {"j", 510, 615, 4},
}};

// Screen place of a design point; a lowered row adds the shift scaled on its own, so the
// sum truncates exactly as the layout prescribes.
Point Place(int32_t left, int32_t top, bool lowered) {
    const ScreenGeometry& g = Geometry();
    const double scale = g.LayoutScale;
    double y = g.LayoutRect.Top + scale * top;
    if (lowered) {
        y += scale * kRowShift;
    }
    return {g.MapX(left), static_cast<int32_t>(y)};
}

// Where the line that says why Start is greyed out stands (design pixels), and its look.
constexpr double kStartHintCentre = 290.0;
constexpr double kStartHintTop = 690.0;
constexpr double kStartHintCell = 30.0;
constexpr platform::Color kStartHintInk{0xC6, 0x28, 0x28};

}  // namespace

TfmMain::TfmMain() : TimerHideGraForm(1000), timerHideSplash_(2000) {
    BindActions();
    SeedRandom(static_cast<uint32_t>(std::time(nullptr)));
    {
        platform::SettingsStore store = platform::SettingsStore::Open();
        settings_.Load(store);
    }
    BuildOrReportMissing([this] { Build(); });
    TimerHideGraForm.SetEnabled(true);
}

TfmMain::~TfmMain() {
    platform::SettingsStore store = platform::SettingsStore::Open();
    settings_.Store(store);
    // The game form refers to the menu, so it goes first.
    platform::ScopedLock hold(lock_);
    gameForm_.reset();
}

void TfmMain::BindActions() {
    A_Start.OnExecute = [this] { A_StartExecute(); };
    A_Stop.OnExecute = [this] { A_StopExecute(); };
    A_Info.OnExecute = [this] { A_InfoExecute(); };
    A_Options.OnExecute = [this] { A_OptionsExecute(); };
    // A choice is stored the moment it is made: a crash or a power cut later loses nothing.
    auto storing = [this](void (TfmMain::*choose)(int), int index) {
        return [this, choose, index] {
            const CWybor before = settings_;
            (this->*choose)(index);
            if (settings_ != before) {
                StoreSettings();
            }
        };
    };
    A_malo.OnExecute = storing(&TfmMain::ChooseQuantity, 0);
    A_srednio.OnExecute = storing(&TfmMain::ChooseQuantity, 1);
    A_duzo.OnExecute = storing(&TfmMain::ChooseQuantity, 2);
    A_pI.OnExecute = storing(&TfmMain::ChooseLevel, 0);
    A_pII.OnExecute = storing(&TfmMain::ChooseLevel, 1);
    A_pIII.OnExecute = storing(&TfmMain::ChooseLevel, 2);
    A_pIV.OnExecute = storing(&TfmMain::ChooseLevel, 3);
    A_glI.OnExecute = storing(&TfmMain::ToggleGroup, 0);
    A_glII.OnExecute = storing(&TfmMain::ToggleGroup, 1);
    A_glIII.OnExecute = storing(&TfmMain::ToggleGroup, 2);
    TimerHideGraForm.OnTimer = [this] { TimerHideGraFormTimer(); };
    timerHideSplash_.OnTimer = [this] { TimerHideSplashTimer(); };
}

void TfmMain::Build() {
    LayBackground("T");

    auto makeButton = [this](const ItemPlace& item, platform::Action* action) {
        const Point at = Place(item.Left, item.Top, false);
        return std::make_unique<CButton>(*this, Context(), action, item.Name, at);
    };
    startButton_ = makeButton(kStart, &A_Start);
    optionsButton_ = makeButton(kOptions, &A_Options);
    infoButton_ = makeButton(kInfo, &A_Info);
    exitButton_ = makeButton(kExit, &A_Stop);
    if (settings_.gloski == 0) {
        EnableStart(false);
    }

    for (const ItemPlace& label : kLabels) {
        DrawLabel(label.Name, label.Left, label.Top);
    }

    auto makeCheck = [this](const CheckPlace& item, platform::Action* action) {
        const Point at = Place(item.Left, item.Top, true);
        return std::make_unique<CButtonCheck>(*this, Context(), action, item.Name, at,
                                              CButtonCheck::Setup{});
    };
    const std::array<platform::Action*, 3> quantityActions{&A_malo, &A_srednio, &A_duzo};
    const std::array<platform::Action*, 4> levelActions{&A_pI, &A_pII, &A_pIII, &A_pIV};
    const std::array<platform::Action*, 3> groupActions{&A_glI, &A_glII, &A_glIII};
    for (size_t i = 0; i < quantity_.size(); ++i) {
        quantity_[i] = makeCheck(kQuantity[i], quantityActions[i]);
    }
    for (size_t i = 0; i < level_.size(); ++i) {
        level_[i] = makeCheck(kLevel[i], levelActions[i]);
    }
    for (size_t i = 0; i < groups_.size(); ++i) {
        groups_[i] = makeCheck(kGroups[i], groupActions[i]);
    }

    // A value outside the known ones (an edited options file) turns nothing on.
    for (size_t i = 0; i < quantity_.size(); ++i) {
        if (settings_.ilosc == kQuantity[i].Value) {
            quantity_[i]->SetState(true);
        }
    }
    for (size_t i = 0; i < level_.size(); ++i) {
        if (settings_.poziom == kLevel[i].Value) {
            level_[i]->SetState(true);
        }
    }
    for (size_t i = 0; i < groups_.size(); ++i) {
        if ((settings_.gloski & kGroups[i].Value) != 0) {
            groups_[i]->SetState(true);
        }
    }
}

void TfmMain::DrawLabel(const char* name, int32_t left, int32_t top) {
    const CTransBitmap look = LoadButtonLook(name + LayoutSuffix());
    const Point at = Place(left, top, true);
    DrawLook(look, frame_, scene_, at.X, at.Y);
}

void TfmMain::OnShow() {
    if (!music_.Opened()) {
        music_.Load(std::string(MenuTuneFile));
    } else if (!music_.Playing()) {
        music_.Play();
    }
    if (fmSplash) {
        if (!timerHideSplash_.Enabled()) {
            timerHideSplash_.SetEnabled(true);
        }
        fmSplash->BringToFront();  // the splash stays on top until it goes
    }
}

void TfmMain::OnActivate() {
    if (music_.Opened() && !music_.Playing()) {
        music_.Play();
    }
    // A button under the pointer when another form came up kept its highlight, since it
    // ignores the mouse while the menu is not active.
    if (startButton_) {
        for (CButton* button :
             {startButton_.get(), optionsButton_.get(), infoButton_.get(), exitButton_.get()}) {
            button->Redraw();
        }
        Repaint();
    }
}

void TfmMain::OnPageKey(platform::Key key, char32_t) {
    if (key == platform::Key::Enter && startButton_->Enabled()) {
        A_Start.Execute();
    }
}

void TfmMain::ChooseQuantity(int index) {
    for (size_t i = 0; i < quantity_.size(); ++i) {
        quantity_[i]->SetState(static_cast<int>(i) == index);
    }
    settings_.ilosc = kQuantity[index].Value;
    Repaint();
}

void TfmMain::ChooseLevel(int index) {
    for (size_t i = 0; i < level_.size(); ++i) {
        level_[i]->SetState(static_cast<int>(i) == index);
    }
    settings_.poziom = kLevel[index].Value;
    Repaint();
}

void TfmMain::ToggleGroup(int index) {
    const int16_t bit = kGroups[index].Value;
    // Bit operations rather than sums, so a record out of step with the buttons can
    // never count a group twice.
    if (groups_[index]->Toggle()) {
        settings_.gloski = static_cast<int16_t>(settings_.gloski & ~bit);
        if (settings_.gloski == 0) {
            EnableStart(false);
        }
    } else {
        settings_.gloski = static_cast<int16_t>(settings_.gloski | bit);
        EnableStart(true);
    }
    Repaint();
}

void TfmMain::StoreSettings() {
    platform::SettingsStore store = platform::SettingsStore::Open();
    if (settings_.Store(store) || settingsFailureShown_) {
        return;
    }
    // Said once: the user can go on playing, and a message at every click would only annoy.
    settingsFailureShown_ = true;
    const std::filesystem::path folder = store.Path().parent_path();
    CBlad(CBlad::SettingsNotSavedCode,
          std::string(texts::kSettingsNotSaved) + (folder.empty() ? "" : "\n" + folder.string()))
        .Show();
}

void TfmMain::EnableStart(bool enabled) {
    startButton_->SetEnabled(enabled);
    startButton_->Redraw();
    ShowStartHint(!enabled);
}

void TfmMain::ShowStartHint(bool shown) {
    if (!startHint_.IsEmpty()) {
        RestoreScene(frame_, scene_, startHint_);
        Invalidate(startHint_);
        startHint_ = {};
    }
    if (!shown) {
        return;
    }
    // Below the sound label, left of the lower sound choices: the only reason Start is
    // ever greyed out is that no sound is chosen.
    const ScreenGeometry& g = Geometry();
    const int32_t cell = g.MapLength(kStartHintCell);
    int32_t top = g.MapY(kStartHintTop);
    for (const char* line : texts::kStartHint) {
        const platform::Rect drawn =
            DrawTextLine(frame_, scene_, line, cell, kStartHintInk, g.MapX(kStartHintCentre), top);
        startHint_ = startHint_.Union(drawn);
        top += cell + cell / 4;
    }
    Invalidate(startHint_);
}

game::MenuLink TfmMain::MenuLinkForGame() {
    return {[this] { Hide(); }, [this] { ReturnFromGame(); }};
}

std::unique_ptr<platform::Form> TfmMain::CreateGameForm(const CWybor& settings) {
    return std::make_unique<game::CGra>(MenuLinkForGame(), settings, exercises::MakeSeriesParts());
}

void TfmMain::A_StartExecute() {
    music_.Stop();
    try {
        platform::ScopedLock hold(lock_);
        TimerHideGraForm.SetEnabled(false);
        gameForm_.reset();
        gameForm_ = CreateGameForm(settings_);
        gameForm_->Show();
    } catch (const CBlad& e) {
        e.Show();
        Close();
    }
}

void TfmMain::A_StopExecute() {
    Close();
}

void TfmMain::A_InfoExecute() {
    try {
        TfmAbout about(this);
        about.ShowModal();
    } catch (const CBlad& e) {
        e.Show();
    }
}

void TfmMain::A_OptionsExecute() {
    try {
        TfmOptions options(this, &settings_);
        options.OnSettingsChanged = [this] { StoreSettings(); };
        options.ShowModal();
    } catch (const CBlad& e) {
        e.Show();
    }
}

void TfmMain::ReturnFromGame() {
    try {
        Show();
        if (music_.Opened() && !music_.Playing()) {
            music_.Play();
        }
        TimerHideGraForm.SetEnabled(true);
    } catch (const CBlad& e) {
        e.Show();
        Close();
    }
}

void TfmMain::TimerHideGraFormTimer() {
    TimerHideGraForm.SetEnabled(false);
    platform::ScopedLock hold(lock_);
    gameForm_.reset();
}

void TfmMain::TimerHideSplashTimer() {
    timerHideSplash_.SetEnabled(false);
    fmSplash.reset();
}

}  // namespace app
