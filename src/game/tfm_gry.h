#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

#include "controls/cbutton.h"
#include "game/curriculum_tables.h"
#include "game/cwatek_check_keys.h"
#include "game/cwybor.h"
#include "game/exercise.h"
#include "game/exercise_host.h"
#include "game/menu_link.h"
#include "game/scan_ring.h"
#include "game/series_draw.h"
#include "game/series_parts.h"
#include "pieces/cludek.h"
#include "pieces/cpow.h"
#include "pieces/csynch_loop.h"
#include "platform/action.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/timer.h"

namespace game {

class TfmWynik;

// The Polish names in this file are explained in docs/glossary.md.

// The full-screen form a series runs on. It owns the three bitmaps every exercise draws into,
// the vehicle, the four buttons (next, back, help, stop), the score, the curriculum and the
// exercises of the series, which it keeps until the series ends so that going back shows an
// exercise as it was left. The screen is painted only from the frame bitmap, and only the
// rectangles reported as changed. Switch scanning and the key-polling thread drive the
// current exercise; the stop button (or Esc) shows the results and hands back to the menu.
class TfmGry : public platform::Form, public ExerciseHost {
  public:
    ~TfmGry() override;

    // The number of exercises for a quantity setting: 5, 10 or 15 (5 for a value the
    // settings should never hold, so that a series is never empty).
    static int SeriesLength(int quantity);

    // ---- The form.
    void Paint(platform::FormCanvas& canvas) override;
    // Shows the reported rectangles (the whole screen when none was reported).
    void Repaint() override;
    void OnShow() override;
    void OnKeyDown(platform::Key key, char32_t ch) override;
    void OnMouseMove(platform::MouseEvent& e) override;
    // Releases no button claimed: the two switches while scanning is on.
    void OnMouseUp(platform::MouseEvent& e) override;

    // ---- What the exercises use (ExerciseHost).
    platform::Form& HostForm() override { return *this; }
    media::DrawContext Context() override;
    pieces::CLudek& Vehicle() override { return *vehicle_; }
    const WordGroupTable& WordGroups() const override { return wordGroups_; }
    const PairSetTable& PairSets() const override { return pairSets_; }
    void StartAutoNext() override { TDalej.SetEnabled(true); }
    void StopAutoNext() override { TDalej.SetEnabled(false); }
    void EnableHelp(bool enabled) override;
    void DrawScore() override;

    // Queues a changed rectangle of the frame bitmap; any thread.
    void AddDirtyRect(const platform::Rect& r);

    // ---- Navigation.
    void A_DalejExecute();
    void A_WsteczExecute();
    void A_StopExecute();
    void A_PomocExecute();

    // ---- Switch scanning and key polling.
    void ScanStep();
    void SwitchStep();
    void SwitchSelect();
    void PollKeys();

    // ---- For tests and the results.
    Exercise* CurrentExercise() const { return current_; }
    int CurrentIndex() const { return currentIndex_; }
    const std::vector<std::unique_ptr<Exercise>>& Series() const { return series_; }
    const CWybor& Settings() const { return settings_; }
    const controls::CButton& Button(int i) const { return *buttons_.at(static_cast<size_t>(i)); }
    const platform::Rect& MoveArea() const { return moveArea_; }
    const ScanRing& Scanning() const { return *scanRing_; }
    SeriesScore& Score() { return *score_; }
    const platform::Bitmap& FrameBitmap() const { return frame_; }
    // The results window while it is shown.
    TfmWynik* Results() const { return results_; }
    // True once the series has ended and the menu has been asked to come back.
    bool Ended() const { return ended_; }

    // Button indexes.
    enum { NextButton, BackButton, HelpButton, StopButton };

    platform::Action A_Dalej;
    platform::Action A_Wstecz;
    platform::Action A_Stop;
    platform::Action A_Pomoc;

    platform::Timer Timer;              // 100 ms after an exercise is entered: its animation
    platform::Timer TDalej;             // 5 s after a solution: the next exercise
    platform::Timer TOdblokuj;          // 1 s after a block: the element is touchable again
    platform::Timer TimerScan;          // one-switch scanning steps
    platform::Timer TimerHideMainForm;  // keeps the menu hidden while the series runs
    std::int32_t TOdblokujTag = -1;

  protected:
    // Builds the form, its bitmaps, vehicle, buttons, enlarged view, score and curriculum,
    // and starts the key thread. Throws CBlad code 1 when a picture is missing.
    TfmGry(MenuLink menu, const CWybor& settings, SeriesParts parts);

    // Makes the first exercise and shows it.
    virtual void StartSeries() = 0;

    // Makes an exercise for the next entry (the first of a series one level lower), drawing
    // again when the curriculum gives none. When no exercise of the level can be made at all,
    // the error is shown once and nothing is returned.
    std::unique_ptr<Exercise> CreateExercise(bool first);
    // Makes exercise the current entry and shows it for the first time.
    void Enter(std::unique_ptr<Exercise> exercise);
    // Runs after every exercise shown: scanning starts from the exercise.
    void SetUpScanning();
    // Draws the four buttons and the score again.
    void RedrawControls();
    // Ends the series after an error: the key thread stops and the menu comes back.
    void Abandon();
    // Forgets the current entry of the series (an exercise that failed to show).
    void DropCurrent();

  private:
    void Build();
    void ConfigureActionsAndTimers();
    // Stops the scanning steps, the automatic advance and the timing before the current
    // exercise is left.
    void StopForLeaving();
    // Ends the current exercise's animation thread.
    void EndCurrentAnimation();
    void TOdblokujTimer();
    bool ScanningOn() const { return !settings_.ScanFlag(ScanOff); }
    void ReturnToMenu();
    // The play trace for tools that play from outside (see play_trace.cpp).
    static bool PlayTraceOn();
    void TracePlay();
    std::string lastTrace_;

    MenuLink menu_;
    CWybor settings_;
    SeriesParts parts_;
    SeriesDraw draw_;

    std::mutex dirtyLock_;
    std::vector<platform::Rect> dirtyRects_;

    platform::Bitmap background_;
    platform::Bitmap frame_;
    platform::Bitmap scene_;

    std::unique_ptr<pieces::CLudek> vehicle_;
    std::array<std::unique_ptr<controls::CButton>, 4> buttons_;
    std::unique_ptr<pieces::CPow> pow_;
    WordGroupTable wordGroups_;
    PairSetTable pairSets_;

    platform::Rect moveArea_;
    std::vector<std::unique_ptr<Exercise>> series_;
    int currentIndex_ = 0;
    Exercise* current_ = nullptr;
    std::unique_ptr<SeriesScore> score_;

    // The wrong element the vehicle was last held against, and where it stood: that touch has
    // been counted, and while the key stays held there it is not chosen again (it would count
    // an error at every poll).
    struct Push {
        const Exercise* exercise = nullptr;
        std::int32_t element = -1;
        platform::Rect vehicle;
        friend bool operator==(const Push&, const Push&) = default;
    };
    Push counted_;

    pieces::CSynchLoop paceLoop_{10};
    std::array<std::unique_ptr<ScanButton>, 4> scanButtons_;
    std::unique_ptr<ScanRing> scanRing_;
    TfmWynik* results_ = nullptr;
    bool ended_ = false;

    // Last: the thread's run ends before anything it polls goes.
    std::mutex threadLock_;
    std::unique_ptr<CWatekCheckKeys> keyThread_;
};

// The game form the menu makes: a TfmGry whose series starts when it is shown.
class CGra final : public TfmGry {
  public:
    CGra(MenuLink menu, const CWybor& settings, SeriesParts parts);

  protected:
    void StartSeries() override;
};

}  // namespace game
