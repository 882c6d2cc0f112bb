#include "exercises/placement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <stdexcept>
#include <vector>

#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/random.h"

using namespace exercises;
using namespace media;

namespace {

// The code of the CBlad f raises, 0 when it returns.
template <class F>
int BladCodeOf(F&& f) {
    try {
        f();
    } catch (const CBlad& e) {
        return e.Code();
    }
    return 0;
}

TEST(DrawPlacement, TheThousandthDrawRaisesCodeThreeWhetherOrNotItFits) {
    const int never = -1;
    const struct {
        int fitsOnDraw;
        int code;
    } cases[] = {{1, 0},
                 {2, 0},
                 {999, 0},
                 {1000, CBlad::RepeatedDrawCode},
                 {never, CBlad::RepeatedDrawCode}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "fits on draw " << c.fitsOnDraw);
        int draws = 0;
        std::optional<int> placed;
        const int code = BladCodeOf([&] {
            placed = DrawPlacement([&] { return ++draws; },
                                   [&](int draw) { return draw == c.fitsOnDraw; });
        });
        EXPECT_EQ(code, c.code);
        if (c.code == 0) {
            EXPECT_EQ(placed, c.fitsOnDraw);
            EXPECT_EQ(draws, c.fitsOnDraw);
        } else {
            EXPECT_FALSE(placed.has_value());
            EXPECT_EQ(draws, PlacementDrawCounter::DrawLimit);
        }
    }
}

TEST(DrawPlacement, CounterCarriesTheRepeatedDrawText) {
    PlacementDrawCounter counter;
    for (int i = 1; i < PlacementDrawCounter::DrawLimit; ++i) {
        counter.Count();
    }
    EXPECT_EQ(counter.Draws(), 999);
    try {
        counter.Count();
        FAIL() << "the thousandth draw must raise";
    } catch (const CBlad& e) {
        EXPECT_EQ(e.Code(), CBlad::RepeatedDrawCode);
        EXPECT_EQ(e.Text(), "Powtórzone losowanie obiektów");
    }
}

// Counts the calls of a constructor's build and cleanup; build raises the given codes in
// turn (0 = success, -1 = an error that is not a CBlad), the last one for ever after.
struct Constructor {
    std::vector<int> outcomes;
    int builds = 0;
    int cleanups = 0;

    void Build() {
        const int outcome =
            outcomes[std::min<std::size_t>(static_cast<std::size_t>(builds), outcomes.size() - 1)];
        ++builds;
        if (outcome == -1) {
            throw std::runtime_error("not a CBlad");
        }
        if (outcome != 0) {
            throw CBlad::FromCode(static_cast<int16_t>(outcome));
        }
    }
    void Run() {
        BuildRetryingRepeatedDraws([this] { Build(); }, [this] { ++cleanups; });
    }
};

TEST(BuildRetryingRepeatedDraws, RepeatedDrawsRebuildOtherErrorsPassOnAfterCleanup) {
    const int repeated = CBlad::RepeatedDrawCode;
    const int rebuildsAllowed = MaxPlacementRebuilds;
    const struct {
        std::vector<int> outcomes;
        int code;  // -1: the non-CBlad error passes on
        int builds;
        int cleanups;
    } cases[] = {
        {{0}, 0, 1, 0},
        {{repeated, repeated, 0}, 0, 3, 2},
        {{CBlad::ResourceMissingCode}, CBlad::ResourceMissingCode, 1, 1},
        {{repeated, CBlad::TooFewWordsCode}, CBlad::TooFewWordsCode, 2, 2},
        {{repeated, -1}, -1, 2, 2},
        {{repeated}, repeated, rebuildsAllowed + 1, rebuildsAllowed + 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "first outcome " << c.outcomes[0] << ", "
                                        << c.outcomes.size() << " outcomes");
        Constructor ctor{c.outcomes};
        if (c.code == -1) {
            EXPECT_THROW(ctor.Run(), std::runtime_error);
        } else {
            EXPECT_EQ(BladCodeOf([&] { ctor.Run(); }), c.code);
        }
        EXPECT_EQ(ctor.builds, c.builds);
        EXPECT_EQ(ctor.cleanups, c.cleanups);
    }
}

TEST(BuildRetryingRepeatedDraws, ALayoutWithNoRoomIsBuiltAgainFromScratch) {
    // The first layout places a wide object that leaves no room for the second; the next
    // layout's first object fits and so does the second.
    int layouts = 0;
    std::vector<int> placed;
    BuildRetryingRepeatedDraws(
        [&] {
            ++layouts;
            const int wide = layouts == 1 ? 100 : 10;
            placed.push_back(DrawPlacement([&] { return wide; }, [](int) { return true; }));
            int candidate = 0;
            placed.push_back(DrawPlacement([&] { return ++candidate; },
                                           [&](int x) { return x + placed[0] <= 50; }));
        },
        [&] { placed.clear(); });
    EXPECT_EQ(layouts, 2);
    EXPECT_EQ(placed, (std::vector<int>{10, 1}));
}

}  // namespace

// The large layout for the vehicle's start, put back afterwards.
class RandomVehicleStartTest : public testing::Test {
  protected:
    RandomVehicleStartTest() : saved_(catalog::Geometry()) {
        catalog::SetScreenGeometry(catalog::SelectScreenMode(1280, 960));
        media::SeedRandom(5);
    }
    ~RandomVehicleStartTest() override { catalog::SetScreenGeometry(saved_); }

    static constexpr platform::Point kVehicle{40, 30};
    const platform::Rect work_{45, 45, 1125, 795};

  private:
    catalog::ScreenGeometry saved_;
};

TEST_F(RandomVehicleStartTest, StartsInsideTheAreaWithTheRoomAndClearOfEveryObject) {
    const std::vector<platform::Rect> objects{{100, 100, 400, 300}, {700, 400, 1000, 700}};
    for (const double room : {40.0, 32.0}) {
        for (int n = 0; n < 200; ++n) {
            const platform::Point p =
                RandomVehicleStart(work_, room, room * 0.75, kVehicle, objects);
            EXPECT_GT(p.X, work_.Left);
            EXPECT_LT(p.X, work_.Right - room);
            EXPECT_GT(p.Y, work_.Top);
            EXPECT_LT(p.Y, work_.Bottom - room * 0.75);
            const platform::Rect at = platform::Rect::FromSize(p.X, p.Y, kVehicle.X, kVehicle.Y);
            for (const platform::Rect& r : objects) {
                const platform::Rect grown{r.Left - 1, r.Top - 1, r.Right + 1, r.Bottom + 1};
                EXPECT_TRUE(grown.Intersect(at).IsEmpty());
            }
        }
    }
}

// Random draws hardly ever hit the one free place; the search in order finds it, and an area
// without any ends too.
TEST_F(RandomVehicleStartTest, ACrowdedAreaIsSearchedInOrderInsteadOfDrawnForEver) {
    // Every corner blocked but (600, 300): an object blocks the corners from its own left and
    // top edges less the vehicle's size to its right and bottom edges.
    const std::vector<platform::Rect> around{{0, 0, 599, 960},
                                             {600 + kVehicle.X + 1, 0, 1280, 960},
                                             {0, 0, 1280, 299},
                                             {0, 300 + kVehicle.Y + 1, 1280, 960}};
    const platform::Point p = RandomVehicleStart(work_, kVehicle.X, kVehicle.Y, kVehicle, around);
    EXPECT_EQ(p, (platform::Point{600, 300}));
    const std::vector<platform::Rect> everything{{0, 0, 1280, 960}};
    const platform::Point none =
        RandomVehicleStart(work_, kVehicle.X, kVehicle.Y, kVehicle, everything);
    EXPECT_EQ(none, (platform::Point{work_.Left + 1, work_.Top + 1}));
}
