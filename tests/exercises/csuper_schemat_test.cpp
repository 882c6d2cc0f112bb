#include "exercises/csuper_schemat.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "exercises/background_rotation.h"
#include "exercises/exercise_fixture.h"
#include "game/exercise_host.h"
#include "media/cblad.h"
#include "media/picture_fixture.h"

using namespace exercises;
using namespace exercise_fixture;

using platform::Bitmap;
using platform::Color;
using platform::Point;
using platform::Rect;

namespace {

// A type with plain rectangles for objects, which records what the base asks of it.
class BoxesExercise : public CSuperSchemat {
  public:
    BoxesExercise(game::ExerciseHost& host, std::vector<Rect> boxes)
        : CSuperSchemat(host, game::CWybor{}),
          boxes_(std::move(boxes)),
          selectable_(boxes_.size(), true) {
        InstructionName = "S1_2";
        CreateInstructionPicture("mysl");
    }

    void Show(bool on) override { shows.push_back(on); }
    void Restart() override { ++restarts; }
    void Paint() override { ++paints; }
    void Hint() override {}
    bool Choose(std::int32_t element, std::int32_t extra) override {
        chosen.push_back(element);
        EXPECT_EQ(extra, 0);
        return element == solvingElement;
    }
    Point VehicleStart() override { return {100, 100}; }

    void SetSelectable(int n, bool on) { selectable_[static_cast<size_t>(n)] = on; }
    void MarkSolved() { Solved = true; }
    using CSuperSchemat::DissolveMove;

    std::vector<bool> shows;
    int restarts = 0;
    int paints = 0;
    std::vector<std::int32_t> chosen;
    std::int32_t solvingElement = -1;
    std::vector<std::pair<std::int32_t, bool>> highlights;  // (object, on)

  protected:
    std::int32_t ObjectCount() const override { return static_cast<std::int32_t>(boxes_.size()); }
    Rect ObjectRect(std::int32_t n) const override { return boxes_.at(static_cast<size_t>(n)); }
    bool ObjectVisible(std::int32_t) const override { return true; }
    bool ObjectSelectable(std::int32_t n) const override {
        return selectable_.at(static_cast<size_t>(n));
    }
    void HighlightObject(std::int32_t n, bool on) override { highlights.emplace_back(n, on); }

  private:
    std::vector<Rect> boxes_;
    std::vector<bool> selectable_;
};

class ExerciseBaseTest : public ExerciseTest {
  protected:
    using ExerciseTest::ExerciseTest;
    std::unique_ptr<BoxesExercise> Make(std::vector<Rect> boxes = {}) {
        return std::make_unique<BoxesExercise>(*host_, std::move(boxes));
    }
};

class SmallLayoutExerciseTest : public ExerciseBaseTest {
  protected:
    SmallLayoutExerciseTest() : ExerciseBaseTest({1024, 768}) {}
};

}  // namespace

TEST_F(ExerciseBaseTest, WorkRectIsTheLayoutsPlayingArea) {
    EXPECT_EQ(Make()->GetWorkRect(), (Rect{45, 45, 1125, 795}));
}

TEST_F(SmallLayoutExerciseTest, WorkRectIsScaledInTheSmallLayout) {
    EXPECT_EQ(Make()->GetWorkRect(), (Rect{36, 36, 900, 636}));
}

TEST_F(ExerciseBaseTest, BeginLaysTheBackgroundDrawsEverythingAndStartsTiming) {
    auto exercise = Make();
    dirty_.clear();
    const Rect area = exercise->Begin();
    EXPECT_EQ(area, exercise->GetWorkRect());
    const int n = exercise->GetBackgroundNo();
    ASSERT_GE(n, 1);
    ASSERT_LE(n, 3);
    const Color expected = n == 1 ? kBackgroundOne : Color{static_cast<uint8_t>(n * 60), 40, 40};
    for (const Bitmap* b : {&form_.BackgroundBitmap, &form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_TRUE(Near(b->GetPixel(640, 300), expected, 8));
    }
    // The instruction picture became part of the background, bottom-left of the layout.
    const Rect picture = exercise->GetInstructionPicture()->PictureRectOnScreen();
    EXPECT_EQ(picture.Left, 38);
    EXPECT_EQ(picture.Bottom, 960);
    EXPECT_EQ(form_.BackgroundBitmap.GetPixel(picture.Left + 20, picture.Top + 20), kInk);
    EXPECT_EQ(exercise->paints, 1);
    EXPECT_EQ(host_->scoreDraws, 1);
    EXPECT_NE(std::find(dirty_.begin(), dirty_.end(), Rect{0, 0, 1280, 960}), dirty_.end());
    EXPECT_TRUE(exercise->GetStat().Running);
}

TEST_F(ExerciseBaseTest, AMissingBackgroundIsTheReinstallMessage) {
    auto exercise = Make();
    RemoveFile("Res/t" + std::to_string(exercise->GetBackgroundNo()) + media::SizeSuffix() +
               ".xji");
    try {
        exercise->Begin();
        FAIL() << "no error";
    } catch (const media::CBlad& e) {
        EXPECT_EQ(e.Code(), media::CBlad::ResourceMissingCode);
        EXPECT_EQ(e.Text(), media::ResourceMissingText);
    }
}

TEST_F(ExerciseBaseTest, ResumeShowsTheExerciseAsItWasLeft) {
    auto exercise = Make();
    exercise->Begin();
    pieces::CLudek& vehicle = host_->Vehicle();
    vehicle.MoveTo({300, 200});
    exercise->Suspend();
    EXPECT_FALSE(exercise->GetStat().Running);
    EXPECT_EQ(exercise->shows, (std::vector<bool>{false}));
    vehicle.MoveTo({700, 600});
    exercise->Resume();
    EXPECT_EQ(vehicle.Rectangle().Left, 300);
    EXPECT_EQ(vehicle.Rectangle().Top, 200);
    EXPECT_EQ(exercise->shows, (std::vector<bool>{false, true}));
    EXPECT_EQ(exercise->paints, 2);
    EXPECT_TRUE(exercise->GetStat().Running);
    // A solved task is not timed again when it is shown again.
    exercise->MarkSolved();
    exercise->Suspend();
    exercise->Resume();
    EXPECT_FALSE(exercise->GetStat().Running);
}

// Boxes 0 ... 3 with left edges 500, 200, 800, 200: scanned as 1, 3, 0, 2 after the
// instruction picture (among equal left edges, the selection keeps the first found).
TEST_F(ExerciseBaseTest, StandardScanningGoesByLeftEdgeAndSkipsWhatIsNotSelectable) {
    auto exercise = Make(
        {{500, 100, 560, 160}, {200, 100, 260, 160}, {800, 100, 860, 160}, {200, 300, 260, 360}});
    exercise->SetSelectable(0, false);
    std::vector<std::int32_t> positions;
    std::vector<bool> lasts;
    for (int step = 0; step < 5; ++step) {
        lasts.push_back(exercise->ScanNext());
        positions.push_back(exercise->GetScanPos());
    }
    EXPECT_EQ(exercise->GetScanOrder(), (std::vector<std::int32_t>{-1, 1, 3, 0, 2}));
    // Instruction picture, box 1, box 3, (box 0 skipped) box 2, back to the picture.
    EXPECT_EQ(positions, (std::vector<std::int32_t>{0, 1, 2, 4, 0}));
    EXPECT_EQ(lasts, (std::vector<bool>{false, false, false, true, false}));
    EXPECT_TRUE(exercise->GetInstructionPicture()->Highlighted());
    EXPECT_EQ(exercise->highlights,
              (std::vector<std::pair<std::int32_t, bool>>{
                  {1, true}, {1, false}, {3, true}, {3, false}, {2, true}, {2, false}}));
}

TEST_F(ExerciseBaseTest, WithNothingSelectableScanningStaysOnTheInstructionPicture) {
    auto exercise = Make({{500, 100, 560, 160}, {200, 100, 260, 160}});
    exercise->SetSelectable(0, false);
    exercise->SetSelectable(1, false);
    for (int step = 0; step < 3; ++step) {
        EXPECT_FALSE(exercise->ScanNext());
        EXPECT_EQ(exercise->GetScanPos(), 0);
    }
    EXPECT_FALSE(exercise->ScanTargetRect().has_value());
}

TEST_F(ExerciseBaseTest, SelectingChoosesTheHighlightedObjectOrPlaysTheInstruction) {
    auto exercise = Make({{500, 100, 560, 160}, {200, 100, 260, 160}});
    exercise->solvingElement = 0;
    WriteSound("Res/Snd/Pol/S1_2.snd", 300);
    platform::Sound::StartRecording();
    exercise->ScanNext();  // the instruction picture
    EXPECT_FALSE(exercise->ScanTargetRect().has_value());
    EXPECT_FALSE(exercise->ScanSelect());
    ASSERT_EQ(platform::Sound::Recorded().size(), 1u);
    EXPECT_EQ(platform::Sound::Recorded()[0].Path, NativeFile("Res/Snd/Pol/S1_2.snd"));
    exercise->ScanNext();  // box 1, leftmost
    EXPECT_EQ(exercise->ScanTargetRect(), (Rect{200, 100, 260, 160}));
    EXPECT_FALSE(exercise->ScanSelect());
    exercise->ScanNext();  // box 0
    EXPECT_TRUE(exercise->ScanSelect());
    EXPECT_EQ(exercise->chosen, (std::vector<std::int32_t>{1, 0}));
    EXPECT_TRUE(exercise->ScanStop());
    EXPECT_EQ(exercise->GetScanPos(), -1);
    EXPECT_FALSE(exercise->ScanStop());
    EXPECT_FALSE(exercise->ScanSelect());
}

TEST_F(ExerciseBaseTest, HitTestReportsTheFirstObjectTheMovedVehicleTouches) {
    pieces::CLudek& vehicle = host_->Vehicle();
    vehicle.MoveTo({100, 100});
    const Rect v = vehicle.Rectangle();
    auto exercise = Make({{v.Right + 2, v.Top, v.Right + 40, v.Bottom},
                          {v.Left, v.Bottom + 1, v.Right, v.Bottom + 30}});
    struct Case {
        std::int32_t dx, dy;
        game::Hit hit;
    };
    for (const Case& c :
         {Case{0, 0, {}}, Case{2, 0, {}}, Case{3, 0, {0, 1}}, Case{0, 1, {}}, Case{0, 2, {1, 1}}}) {
        SCOPED_TRACE(testing::Message() << c.dx << "," << c.dy);
        EXPECT_EQ(exercise->HitTest(c.dx, c.dy), c.hit);
        EXPECT_EQ(vehicle.Rectangle(), v);
    }
    exercise->SetSelectable(0, false);
    EXPECT_EQ(exercise->HitTest(3, 0), (game::Hit{0, -1}));
}

TEST_F(ExerciseBaseTest, DissolveMoveCarriesThePictureAndLeavesTheBareBackground) {
    auto exercise = Make();
    exercise->Begin();
    const Rect a{200, 200, 260, 240};
    const Rect b{700, 300, 760, 340};
    const Color card{10, 200, 10};
    form_.SceneBitmap.FillRect(a, card);
    form_.FrameBitmap.FillRect(a, card);
    const Color bare = form_.BackgroundBitmap.GetPixel(220, 220);
    const int repaints = form_.Repaints;
    const uint64_t start = NowMs();
    dirty_.clear();
    exercise->DissolveMove(a, b);
    EXPECT_EQ(form_.Repaints - repaints, 40);  // forty frames, each shown
    EXPECT_GE(NowMs() - start, 39u * 20u);     // paced at 20 ms
    for (const Bitmap* target : {&form_.FrameBitmap, &form_.SceneBitmap}) {
        EXPECT_EQ(target->GetPixel(230, 220), bare);
        EXPECT_EQ(target->GetPixel(730, 320), card);
    }
    EXPECT_EQ(form_.BackgroundBitmap.GetPixel(230, 220), bare);
    EXPECT_NE(std::find(dirty_.begin(), dirty_.end(), b), dirty_.end());
    EXPECT_NE(std::find(dirty_.begin(), dirty_.end(), a), dirty_.end());
}
