#include "game/tfm_gry.h"

#include <algorithm>
#include <optional>
#include <utility>

#include "catalog/screen_geometry.h"
#include "game/cgrupa.h"
#include "game/steering.h"
#include "game/tfm_wynik.h"
#include "media/cblad.h"
#include "media/product.h"
#include "platform/application.h"

using namespace catalog;
using namespace media;

namespace game {

using platform::Key;
using platform::Rect;

namespace {

// A form button as the scanning ring sees it.
class FormButton final : public ScanButton {
  public:
    explicit FormButton(controls::CButton& button) : button_(button) {}
    bool Enabled() const override { return button_.Enabled(); }
    void HighlightOn() override { button_.HighlightOn(); }
    void HighlightOff() override { button_.HighlightOff(); }
    void Click() override { button_.Click(); }

  private:
    controls::CButton& button_;
};

// The design places of the buttons: next, back, help, stop.
struct ButtonPlace {
    const char* Name;
    int Left;
    int Top;
};
constexpr std::array<ButtonPlace, 4> kButtons{{
    {"dalej", 1170, 79},
    {"wstecz", 1170, 185},
    {"pomoc", 1170, 291},
    {"stop", 1170, 397},
}};

// The turn of the vehicle before a step under the arrow keys: the poll period plus 60 ms.
constexpr std::uint32_t kKeyTurnMs = CWatekCheckKeys::kPeriodMs + 60;

}  // namespace

int TfmGry::SeriesLength(int quantity) {
    switch (quantity) {
        case QuantityMedium:
            return 10;
        case QuantityMany:
            return 15;
        default:
            // QuantityFew, and a value the settings should never hold: never an empty series.
            return 5;
    }
}

TfmGry::TfmGry(MenuLink menu, const CWybor& settings, SeriesParts parts)
    : Timer(100),
      TDalej(5000),
      TOdblokuj(1000),
      TimerScan(settings.scanTime),
      TimerHideMainForm(1000),
      menu_(std::move(menu)),
      settings_(settings),
      parts_(std::move(parts)) {
    SetCaption(ProductTitle);
    SetBounds(Geometry().ScreenRect);
    series_.resize(static_cast<size_t>(SeriesLength(settings_.ilosc)));
    try {
        Build();
    } catch (...) {
        series_.clear();
        throw CBlad::ResourceMissing();
    }
    wordGroups_ = BuildWordGroups();
    pairSets_ = BuildPairSets();
    ConfigureActionsAndTimers();
    keyThread_ = std::make_unique<CWatekCheckKeys>(threadLock_, [this] { PollKeys(); });
    keyThread_->Start();
    AddDirtyRect(Geometry().LayoutRect);
}

TfmGry::~TfmGry() {
    // The thread's polls reach the exercise and the vehicle: it ends first.
    keyThread_.reset();
    for (platform::Timer* t : {&Timer, &TDalej, &TOdblokuj, &TimerScan, &TimerHideMainForm}) {
        t->SetEnabled(false);
    }
    for (auto& exercise : series_) {
        if (exercise) {
            exercise->EndAnimationThread();
        }
    }
}

void TfmGry::Build() {
    const ScreenGeometry& g = Geometry();
    for (platform::Bitmap* b : {&background_, &frame_, &scene_}) {
        b->Reset(g.ScreenRect.Width(), g.ScreenRect.Height(), platform::PixelFormat::Bgr24);
        b->Fill({0, 0, 0});
    }
    vehicle_ = std::make_unique<pieces::CLudek>(
        this, Context(), platform::Point{g.LayoutRect.Left, g.LayoutRect.Top}, "pojazd");
    platform::Action* actions[4] = {&A_Dalej, &A_Wstecz, &A_Pomoc, &A_Stop};
    for (size_t i = 0; i < kButtons.size(); ++i) {
        buttons_[i] = std::make_unique<controls::CButton>(
            *this, Context(), actions[i], kButtons[i].Name,
            platform::Point{g.MapX(kButtons[i].Left), g.MapY(kButtons[i].Top)});
    }
    buttons_[BackButton]->SetEnabled(false);
    buttons_[BackButton]->Redraw();
    pow_ = std::make_unique<pieces::CPow>(*this, Context(), [this] { vehicle_->Draw(); });
    score_ = parts_.CreateScore(*this, settings_, series_);
    score_->StampTime(false);
    for (size_t i = 0; i < buttons_.size(); ++i) {
        scanButtons_[i] = std::make_unique<FormButton>(*buttons_[i]);
    }
    scanRing_ = std::make_unique<ScanRing>(
        std::array<ScanButton*, 4>{scanButtons_[NextButton].get(), scanButtons_[BackButton].get(),
                                   scanButtons_[HelpButton].get(), scanButtons_[StopButton].get()},
        [this] { vehicle_->Draw(); }, [this] { Repaint(); });
}

void TfmGry::ConfigureActionsAndTimers() {
    A_Dalej.OnExecute = [this] { A_DalejExecute(); };
    A_Wstecz.OnExecute = [this] { A_WsteczExecute(); };
    A_Stop.OnExecute = [this] { A_StopExecute(); };
    A_Pomoc.OnExecute = [this] { A_PomocExecute(); };
    Timer.OnTimer = [this] {
        Timer.SetEnabled(false);
        if (current_ != nullptr) {
            current_->StartAnimation();
        }
    };
    TDalej.OnTimer = [this] {
        if (buttons_[NextButton]->Enabled()) {
            buttons_[NextButton]->Click();
        }
    };
    TOdblokuj.OnTimer = [this] { TOdblokujTimer(); };
    TimerScan.OnTimer = [this] { ScanStep(); };
    TimerHideMainForm.OnTimer = [this] {
        if (menu_.HideMenu) {
            menu_.HideMenu();
        }
    };
    TimerHideMainForm.SetEnabled(true);
}

media::DrawContext TfmGry::Context() {
    return {frame_, scene_, &background_, [this](const Rect& r) { AddDirtyRect(r); }};
}

void TfmGry::AddDirtyRect(const Rect& r) {
    std::lock_guard hold(dirtyLock_);
    dirtyRects_.push_back(r);
}

void TfmGry::Paint(platform::FormCanvas& canvas) {
    const Rect clip = canvas.ClipRect();
    canvas.CopyRect(clip, frame_, clip);
}

void TfmGry::Repaint() {
    std::vector<Rect> rects;
    {
        std::lock_guard hold(dirtyLock_);
        rects.swap(dirtyRects_);
    }
    if (rects.empty()) {
        Invalidate();
    }
    for (const Rect& r : rects) {
        Invalidate(r);
    }
    Update();
}

void TfmGry::EnableHelp(bool enabled) {
    buttons_[HelpButton]->SetEnabled(enabled);
    buttons_[HelpButton]->Redraw();
}

void TfmGry::DrawScore() {
    if (score_) {
        score_->DrawScore();
    }
}

void TfmGry::OnShow() {
    StartSeries();
    if (!ended_) {
        TimerHideMainForm.SetEnabled(true);
    }
}

std::unique_ptr<Exercise> TfmGry::CreateExercise(bool first) {
    CWybor used = settings_;
    // The first exercise of a series comes from one level lower.
    if (first && used.poziom != LevelI) {
        used.poziom = static_cast<std::int16_t>(used.poziom / 2);
    }
    const int level = used.poziom;
    std::vector<int> failed;
    std::optional<CBlad> error;
    for (;;) {
        const int r = draw_.Draw(level, [&](int n) {
            return std::find(failed.begin(), failed.end(), n) == failed.end() &&
                   parts_.Available(level, n, settings_.gloski);
        });
        if (r == 0) {
            // Nothing of the level can be made: said once, and the caller ends the series.
            if (error) {
                error->Show();
            }
            return nullptr;
        }
        try {
            if (auto exercise = parts_.CreateExercise(*this, used, level, r)) {
                draw_.Accept(r);
                return exercise;
            }
        } catch (const CBlad& e) {
            if (!error) {
                error = e;
            }
        }
        failed.push_back(r);
    }
}

void TfmGry::Enter(std::unique_ptr<Exercise> exercise) {
    series_[static_cast<size_t>(currentIndex_)] = std::move(exercise);
    current_ = series_[static_cast<size_t>(currentIndex_)].get();
    moveArea_ = current_->Begin();
    vehicle_->MoveTo(current_->VehicleStart());
    vehicle_->Draw();
    Timer.SetEnabled(true);
}

void TfmGry::SetUpScanning() {
    if (!ScanningOn()) {
        return;
    }
    scanRing_->Reset();
    if (settings_.ScanFlag(ScanOneSwitch)) {
        TimerScan.SetInterval(static_cast<std::uint32_t>(settings_.scanTime));
        TimerScan.SetEnabled(true);
    }
}

void TfmGry::RedrawControls() {
    for (auto& button : buttons_) {
        button->Redraw();
    }
    DrawScore();
}

void TfmGry::EndCurrentAnimation() {
    if (current_ != nullptr) {
        current_->EndAnimationThread();
    }
}

void TfmGry::TOdblokujTimer() {
    TOdblokuj.SetEnabled(false);
    if (current_ != nullptr) {
        current_->Unblock(TOdblokujTag);
    }
    TOdblokujTag = -1;
}

void TfmGry::StopForLeaving() {
    TimerScan.SetEnabled(false);
    TDalej.SetEnabled(false);
    current_->SetTiming(false);
    // A pending unblock happens now, on the exercise it belongs to.
    if (TOdblokuj.Enabled()) {
        TOdblokujTimer();
    }
}

void TfmGry::A_DalejExecute() {
    if (current_ == nullptr || ended_ || currentIndex_ + 1 >= static_cast<int>(series_.size())) {
        return;
    }
    StopForLeaving();
    try {
        current_->EndAnimation();
        EndCurrentAnimation();
        current_->Suspend();
        ++currentIndex_;
        auto& entry = series_[static_cast<size_t>(currentIndex_)];
        if (entry) {
            current_ = entry.get();
            moveArea_ = current_->Resume();
            current_->Paint();
            vehicle_->Draw();
            current_->SetTiming(true);
        } else {
            auto exercise = CreateExercise(false);
            if (!exercise) {
                current_ = nullptr;
                Abandon();
                return;
            }
            Enter(std::move(exercise));
        }
        if (currentIndex_ >= static_cast<int>(series_.size()) - 1) {
            buttons_[NextButton]->SetEnabled(false);
            currentIndex_ = static_cast<int>(series_.size()) - 1;
        }
        buttons_[BackButton]->SetEnabled(true);
        RedrawControls();
        SetUpScanning();
        Repaint();
    } catch (const CBlad& e) {
        DropCurrent();
        e.Show();
        Abandon();
    }
}

void TfmGry::A_WsteczExecute() {
    if (current_ == nullptr || ended_ || currentIndex_ < 1) {
        return;
    }
    StopForLeaving();
    // The exercise being left has had its animation.
    if (Timer.Enabled() && Timer.OnTimer) {
        Timer.OnTimer();
    }
    try {
        EndCurrentAnimation();
        current_->Suspend();
        --currentIndex_;
        current_ = series_[static_cast<size_t>(currentIndex_)].get();
        moveArea_ = current_->Resume();
        vehicle_->Draw();
        buttons_[NextButton]->SetEnabled(currentIndex_ + 1 != static_cast<int>(series_.size()));
        if (currentIndex_ < 1) {
            buttons_[BackButton]->SetEnabled(false);
            currentIndex_ = 0;
        }
        RedrawControls();
        current_->SetTiming(true);
        SetUpScanning();
        Repaint();
    } catch (const CBlad& e) {
        e.Show();
        Abandon();
    }
}

void TfmGry::A_StopExecute() {
    if (ended_) {
        return;
    }
    keyThread_->Stop();
    score_->StampTime(true);
    TDalej.SetEnabled(false);
    TimerScan.SetEnabled(false);
    Timer.SetEnabled(false);
    if (current_ != nullptr) {
        current_->SetTiming(false);
        EndCurrentAnimation();
    }
    for (auto& button : buttons_) {
        button->SetEnabled(false);
        button->Redraw();
    }
    Repaint();
    try {
        TfmWynik results(score_->Totals(), [this] { return score_->WriteStatistics(); });
        results_ = &results;
        results.ShowModal();
        results_ = nullptr;
    } catch (const CBlad& e) {
        results_ = nullptr;
        e.Show();
    }
    ReturnToMenu();
}

void TfmGry::A_PomocExecute() {
    if (current_ != nullptr) {
        current_->Hint();
    }
}

void TfmGry::Abandon() {
    keyThread_->Stop();
    for (platform::Timer* t : {&Timer, &TDalej, &TOdblokuj, &TimerScan}) {
        t->SetEnabled(false);
    }
    ReturnToMenu();
}

void TfmGry::DropCurrent() {
    series_[static_cast<size_t>(currentIndex_)].reset();
    current_ = nullptr;
}

void TfmGry::ReturnToMenu() {
    ended_ = true;
    TimerHideMainForm.SetEnabled(false);
    if (menu_.ReturnToMenu) {
        menu_.ReturnToMenu();
    }
}

void TfmGry::OnKeyDown(Key key, char32_t ch) {
    const bool inExercise = scanRing_->GetPosition() <= ScanRing::LeavingExercise;
    switch (key) {
        case Key::Escape:
            A_Stop.Execute();
            return;
        case Key::Enter:
            if (buttons_[NextButton]->Enabled()) {
                A_Dalej.Execute();
            }
            return;
        case Key::Backspace:
            if (buttons_[BackButton]->Enabled()) {
                A_Wstecz.Execute();
            }
            return;
        case Key::Char:
            break;
        default:
            return;
    }
    if (current_ == nullptr || ended_) {
        return;
    }
    switch (ch) {
        case U'p':
            A_Pomoc.Execute();
            break;
        case U'n':
            current_->Restart();
            break;
        case U'z':
            current_->PlayInstruction();
            break;
        case U'o':
            if (ScanningOn() && inExercise && !current_->IsSolved()) {
                current_->ScanZoom();
            }
            break;
        case U'k':
            if (inExercise) {
                SwitchSelect();
            }
            break;
        case U'l':
            if (inExercise) {
                SwitchStep();
            }
            break;
        default:
            break;
    }
}

void TfmGry::OnMouseMove(platform::MouseEvent&) {
    // Moving the mouse cancels a pending automatic advance.
    TDalej.SetEnabled(false);
}

void TfmGry::OnMouseUp(platform::MouseEvent& e) {
    if (!ScanningOn()) {
        return;
    }
    if (e.Button == platform::MouseButton::Left) {
        SwitchSelect();
    } else if (e.Button == platform::MouseButton::Right) {
        SwitchStep();
    }
}

void TfmGry::ScanStep() {
    if (current_ != nullptr && !ended_) {
        scanRing_->Step(*current_, settings_.ScanFlag(ScanExternalCycle));
    }
}

void TfmGry::SwitchStep() {
    if (ScanningOn() && settings_.ScanFlag(ScanTwoSwitches)) {
        ScanStep();
    }
}

void TfmGry::SwitchSelect() {
    if (!ScanningOn() || current_ == nullptr || ended_) {
        return;
    }
    const bool solved = scanRing_->Select(*current_, [this](const Rect& target) {
        DriveToTarget(*vehicle_, target, Geometry().FigureStep, *this, paceLoop_);
    });
    if (solved) {
        TDalej.SetEnabled(true);
    }
}

void TfmGry::PollKeys() {
    if (PlayTraceOn()) {
        TracePlay();
    }
    if (current_ == nullptr || ended_ || ScanningOn()) {
        return;
    }
    platform::Application& app = platform::Application::Instance();
    const HeldArrows keys{app.IsKeyDown(Key::Up), app.IsKeyDown(Key::Down),
                          app.IsKeyDown(Key::Left), app.IsKeyDown(Key::Right)};
    const auto step = SteerByKeys(keys, vehicle_->Rectangle(), moveArea_, Geometry().FigureStep);
    if (!step) {
        counted_ = {};  // a key pressed again is a new touch
        return;
    }
    const Hit hit = current_->HitTest(step->Dx, step->Dy);
    if (hit.Kind == 0) {
        // A change of direction only turns the vehicle; it moves on the next polls.
        if (vehicle_->TurnTo(step->Direction, kKeyTurnMs)) {
            return;
        }
        vehicle_->Step(step->Dx, step->Dy);
        Repaint();
    } else if (hit.Kind == 1) {
        const Push push{current_, hit.Element, vehicle_->Rectangle()};
        if (push == counted_) {
            return;
        }
        counted_ = {};
        if (TOdblokuj.Enabled()) {
            TOdblokujTimer();
        }
        if (current_->Choose(hit.Element, 0)) {
            TDalej.SetEnabled(true);
        } else if (current_->Block(hit.Element)) {
            TOdblokujTag = hit.Element;
            TOdblokuj.SetEnabled(true);
        } else {
            counted_ = push;
        }
        Repaint();
    }
}

CGra::CGra(MenuLink menu, const CWybor& settings, SeriesParts parts)
    : TfmGry(std::move(menu), settings, std::move(parts)) {}

void CGra::StartSeries() {
    try {
        auto exercise = CreateExercise(true);
        if (!exercise) {
            Abandon();
            return;
        }
        Enter(std::move(exercise));
        CurrentExercise()->Paint();
        SetUpScanning();
        RedrawControls();
        Timer.SetEnabled(true);
        Repaint();
    } catch (const media::CBlad& e) {
        DropCurrent();
        e.Show();
        Abandon();
    }
}

}  // namespace game
