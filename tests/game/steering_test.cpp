#include "game/steering.h"

#include <gtest/gtest.h>

#include <optional>

#include "hang_guard.h"
#include "media/picture_fixture.h"
#include "pieces/cludek_fixture.h"

using namespace game;

using platform::Point;
using platform::Rect;

namespace {

TEST(Steering, EachStepFacesItsOwnFrame) {
    struct Case {
        std::int32_t dx, dy;
        std::uint8_t frame;
    };
    for (const Case& c : {Case{0, -2, 0}, Case{-2, -2, 2}, Case{-2, 0, 4}, Case{-2, 2, 6},
                          Case{0, 2, 8}, Case{2, 2, 10}, Case{2, 0, 12}, Case{2, -2, 14}}) {
        EXPECT_EQ(DirectionOf(c.dx, c.dy), c.frame) << c.dx << "," << c.dy;
    }
}

TEST(Steering, HeldArrowsStepWhereThereIsRoomDiagonalsFirst) {
    const Rect area{100, 100, 500, 500};
    const Rect middle{200, 200, 240, 230};
    const Rect atTop{200, 100, 240, 130};
    const Rect atRight{460, 200, 500, 230};
    struct Case {
        const char* what;
        HeldArrows keys;
        Rect vehicle;
        std::optional<VehicleStep> step;
    };
    const Case cases[] = {
        {"nothing held", {}, middle, std::nullopt},
        {"up", {.Up = true}, middle, VehicleStep{0, -2, 0}},
        {"up and right", {.Up = true, .Right = true}, middle, VehicleStep{2, -2, 14}},
        {"down and right", {.Down = true, .Right = true}, middle, VehicleStep{2, 2, 10}},
        {"left and up", {.Up = true, .Left = true}, middle, VehicleStep{-2, -2, 2}},
        {"left and down", {.Down = true, .Left = true}, middle, VehicleStep{-2, 2, 6}},
        {"up and right at the top edge go right only",
         {.Up = true, .Right = true},
         atTop,
         VehicleStep{2, 0, 12}},
        {"right at the right edge", {.Right = true}, atRight, std::nullopt},
        {"up and down: up wins", {.Up = true, .Down = true}, middle, VehicleStep{0, -2, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(SteerByKeys(c.keys, c.vehicle, area, 2), c.step);
    }
}

// The vehicle on the picture test's screen, facing down, its top-left corner at (100, 100).
class DriveTest : public PictureTest {
  protected:
    DriveTest() {
        FigureFiles figure;
        figure.sizeSuffix = media::SizeSuffix();
        figure.Write(dir_, dir_.Path());
        vehicle_.emplace(&form_, Context(), Point{100, 100}, "pojazd");
        vehicle_->Draw();
    }
    std::optional<pieces::CLudek> vehicle_;
    pieces::CSynchLoop pacer_{10};
};

TEST_F(DriveTest, TheVehicleDrivesUntilItsAnchorIsOnTheTarget) {
    HangGuard bound("a drive to a card", kHangLimit);
    const Rect target{300, 100, 380, 160};
    DriveToTarget(*vehicle_, target, 2, form_, pacer_);
    const Point p = vehicle_->AnchorPoint();
    EXPECT_GE(p.X, target.Left);
    EXPECT_LE(p.X, target.Right);
    EXPECT_GE(p.Y, target.Top);
    EXPECT_LE(p.Y, target.Bottom);
    EXPECT_EQ(vehicle_->Direction(), 12);  // it drove right
}

TEST_F(DriveTest, ATargetNarrowerThanAStepStillEndsTheDrive) {
    HangGuard bound("a drive to a one-pixel target", kHangLimit);
    const Point start = vehicle_->AnchorPoint();
    // No step of 2 from the anchor lands on x = start + 41, and the anchor's row is
    // never inside a target one row below it... the drive must end all the same.
    const Rect target{start.X + 41, start.Y + 31, start.X + 41, start.Y + 31};
    const uint64_t before = NowMs();
    DriveToTarget(*vehicle_, target, 2, form_, pacer_);
    const Point p = vehicle_->AnchorPoint();
    EXPECT_LE(std::abs(p.X - target.Left), 2);
    EXPECT_LE(std::abs(p.Y - target.Top), 2);
    EXPECT_LT(NowMs() - before, 10u * 200u);  // about 20 steps, not thousands
}

}  // namespace
