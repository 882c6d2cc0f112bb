#include "pieces/cludek.h"

#include <gtest/gtest.h>

#include <climits>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "pieces/cludek_fixture.h"
#include "platform/clock.h"
#include "platform/headless_app.h"

using namespace media;
using namespace pieces;

using platform::Bitmap;
using platform::Color;
using platform::GetClock;
using platform::Point;
using platform::Rect;
using namespace pieces;

namespace {

constexpr int kScreenW = 64;
constexpr int kScreenH = 48;

// A headless screen, a stand-in game form and the figure's pictures in a temporary data root.
struct FigureFixture {
    HeadlessApp h{{kScreenW, kScreenH}};
    ScopedScreenMode mode{1};
    ScopedTempDir dir;
    std::filesystem::path data = dir.Path() / "Data";
    ScopedDataRoot root{data};
    FigureFiles files;
    FigureTestForm form{kScreenW, kScreenH};
    std::unique_ptr<CLudek> figure;
    std::vector<int> shown;  // the frame the screen showed at each repaint

    std::unique_ptr<CLudek> Make(int left, int top) {
        DrawContext context{form.FrameBitmap, form.SceneBitmap, &form.BackgroundBitmap,
                            [this](const Rect& r) { form.AddDirtyRect(r); }};
        return std::make_unique<CLudek>(&form, context, Point{left, top}, files.name);
    }
    // Writes the pictures, builds the figure at (left, top) and records what each repaint
    // brought to the screen at the middle of its body.
    CLudek& Build(int left = 20, int top = 16) {
        files.Write(dir, data);
        figure = Make(left, top);
        form.AfterRepaint = [this] {
            const Bitmap& screen = h.headless->Screen();
            const Point probe{figure->Rectangle().Left + 5, figure->Rectangle().Top + 5};
            shown.push_back(screen.Bounds().Contains(probe.X, probe.Y)
                                ? FigureFiles::FrameOf(screen.GetPixel(probe.X, probe.Y))
                                : -1);
        };
        return *figure;
    }
    void ClearRecords() {
        shown.clear();
        form.Dirty.clear();
    }
    // The scene with frame n's body at the figure's place: all a clean frame bitmap holds.
    Bitmap SceneWithFigure(int n) const {
        Bitmap expected = form.SceneBitmap;
        Rect body = files.body.Offset(figure->Rectangle().Left, figure->Rectangle().Top);
        expected.FillRect(body, FigureFiles::FrameColour(n));
        return expected;
    }
};

}  // namespace

TEST(CLudek, LoadsSixteenFramesFacingDownAndDrawsNothing) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    EXPECT_EQ(fig.Name(), "pojazd");
    EXPECT_EQ(fig.Direction(), 8);
    EXPECT_EQ(&fig.CurrentFrame(), &fig.Frame(8));
    EXPECT_EQ(fig.Width(), 12);
    EXPECT_EQ(fig.Height(), 10);
    EXPECT_EQ(fig.FrameRect(), (Rect{0, 0, 12, 10}));
    EXPECT_EQ(fig.Rectangle(), (Rect{20, 16, 32, 26}));
    EXPECT_EQ(fig.StartPosition(), (Point{20, 16}));
    EXPECT_EQ(fig.Context().Background, &f.form.BackgroundBitmap);
    for (int n = 0; n < CLudek::kFrameCount; ++n) {
        ASSERT_TRUE(fig.Frame(n).IsUsable()) << n;
        EXPECT_EQ(fig.Frame(n).Colour()->GetPixel(5, 5), FigureFiles::FrameColour(n)) << n;
        EXPECT_EQ(fig.Frame(n).Mask()->GetPixel(0, 0), (Color{0, 0, 0})) << n;  // clear border
    }
    EXPECT_EQ(fig.CollisionMap().Width(), 12);
    EXPECT_TRUE(f.form.FrameBitmap == f.form.SceneBitmap);
    EXPECT_TRUE(f.form.Dirty.empty());
}

TEST(CLudek, DrawBlendsOverTheTargetAndEraseRestoresTheScene) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    // Something already drawn into the frame under the figure's clear border.
    const Color marker{250, 0, 0};
    f.form.FrameBitmap.SetPixel(20, 16, marker);
    fig.Draw();
    EXPECT_EQ(f.form.FrameBitmap.GetPixel(20, 16), marker);
    EXPECT_EQ(f.form.FrameBitmap.GetPixel(25, 21), FigureFiles::FrameColour(8));
    EXPECT_EQ(f.form.FrameBitmap.GetPixel(21, 17), f.form.SceneBitmap.GetPixel(21, 17));
    EXPECT_EQ(f.form.Dirty, (std::vector<Rect>{fig.Rectangle()}));

    fig.Erase();
    EXPECT_TRUE(f.form.FrameBitmap == f.form.SceneBitmap);
    EXPECT_EQ(f.form.Dirty, (std::vector<Rect>{fig.Rectangle(), fig.Rectangle()}));
}

TEST(CLudek, OffsetAndMoveToOnlyMoveTheRectangle) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    fig.Offset(3, -4);
    EXPECT_EQ(fig.Rectangle(), (Rect{23, 12, 35, 22}));
    fig.MoveTo({-5, 40});
    EXPECT_EQ(fig.Rectangle(), (Rect{-5, 40, 7, 50}));
    EXPECT_TRUE(f.form.FrameBitmap == f.form.SceneBitmap);
    EXPECT_TRUE(f.form.Dirty.empty());
}

TEST(CLudek, StepsWithoutLeavingATrace) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    fig.Draw();
    struct Move {
        int dx, dy;
    };
    // Eight ways, then over the left and top edges of the frame and back.
    const Move moves[] = {{2, 0},  {2, 2},   {0, 2},   {-2, 2},  {-2, 0}, {-2, -2}, {0, -2},
                          {2, -2}, {-24, 0}, {0, -20}, {-2, -2}, {60, 0}, {0, 40},  {-40, -30}};
    for (const Move& m : moves) {
        const Rect before = fig.Rectangle();
        f.form.Dirty.clear();
        fig.Step(m.dx, m.dy);
        f.form.Repaint();
        const Rect after = fig.Rectangle();
        EXPECT_EQ(after, before.Offset(m.dx, m.dy));
        EXPECT_EQ(f.form.Dirty, (std::vector<Rect>{before, after}));
        Bitmap expected = f.SceneWithFigure(8);
        ASSERT_TRUE(f.form.FrameBitmap == expected) << "after step " << m.dx << ", " << m.dy;
        // The screen shows the same: scene where the figure was, the figure where it is.
        const Bitmap& screen = f.h.headless->Screen();
        for (Rect r : {before, after}) {
            Rect seen = r.Intersect(screen.Bounds());
            for (int y = seen.Top; y < seen.Bottom; ++y) {
                for (int x = seen.Left; x < seen.Right; ++x) {
                    ASSERT_EQ(screen.GetPixel(x, y), expected.GetPixel(x, y)) << x << "," << y;
                }
            }
        }
    }
}

TEST(CLudek, TurnsFrameByFrameTheShorterWay) {
    struct Case {
        uint8_t from, to;
        uint32_t intervalMs;
        std::vector<int> frames;
    };
    const Case cases[] = {
        {8, 12, 70, {9, 10, 11, 12}},
        {8, 4, 70, {7, 6, 5, 4}},
        {8, 0, 90, {7, 6, 5, 4, 3, 2, 1, 0}},  // the half turn goes downward
        {15, 1, 70, {0, 1}},                   // wraps upward past 15
        {1, 15, 70, {0, 15}},                  // wraps downward past 0
        {8, 9, 70, {9}},
        {2, 10, 30, {1, 0, 15, 14, 13, 12, 11, 10}},
        {3, 10, 70, {4, 5, 6, 7, 8, 9, 10}},  // seven ahead still goes upward
        {3, 12, 70, {2, 1, 0, 15, 14, 13, 12}},
    };
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    fig.Draw();
    for (const Case& c : cases) {
        if (fig.Direction() != c.from) {
            ASSERT_TRUE(fig.TurnTo(c.from, 1));
        }
        f.ClearRecords();
        const uint32_t start = GetClock().TickCount();
        EXPECT_TRUE(fig.TurnTo(c.to, c.intervalMs));
        EXPECT_EQ(f.shown, c.frames) << int{c.from} << " -> " << int{c.to};
        // One tick per frame after the first, which returns at once.
        EXPECT_EQ(GetClock().TickCount() - start, c.frames.size() * c.intervalMs);
        EXPECT_EQ(fig.Direction(), c.to);
        EXPECT_EQ(&fig.CurrentFrame(), &fig.Frame(c.to));
        EXPECT_EQ(f.form.Dirty.size(), 2 * c.frames.size());  // an erase and a draw each
        EXPECT_TRUE(f.form.FrameBitmap == f.SceneWithFigure(c.to));
    }
}

TEST(CLudek, TurningToTheCurrentOrAnUnknownDirectionDoesNothing) {
    FigureFixture f;
    CLudek& fig = f.Build();
    const uint32_t start = GetClock().TickCount();
    for (uint8_t direction : {uint8_t{8}, uint8_t{16}, uint8_t{255}}) {
        EXPECT_FALSE(fig.TurnTo(direction, 70)) << int{direction};
    }
    EXPECT_EQ(GetClock().TickCount(), start);
    EXPECT_EQ(fig.Direction(), 8);
    EXPECT_TRUE(f.shown.empty());
    EXPECT_TRUE(f.form.Dirty.empty());
}

TEST(CLudek, CelebrateSpinsFullTurnsAndEndsFacingDown) {
    FigureFixture f;
    CLudek& fig = f.Build();
    fig.Draw();
    f.ClearRecords();
    const uint32_t start = GetClock().TickCount();
    fig.Celebrate(2);
    std::vector<int> oneTurn = {7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8};
    std::vector<int> expected = oneTurn;
    expected.insert(expected.end(), oneTurn.begin(), oneTurn.end());
    EXPECT_EQ(f.shown, expected);
    EXPECT_EQ(GetClock().TickCount() - start, 2u * 16u * CLudek::kCelebrateIntervalMs);
    EXPECT_EQ(fig.Direction(), 8);

    // From another direction it still ends facing down.
    ASSERT_TRUE(fig.TurnTo(4, 1));
    f.ClearRecords();
    fig.Celebrate(1);
    EXPECT_EQ(f.shown, (std::vector<int>{3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8}));
    fig.Celebrate(0);
    EXPECT_EQ(f.shown.size(), 12u);
}

TEST(CLudek, TouchesWhereTheOutlineMeetsTheCollisionMap) {
    // The figure sits at (20, 16); its map is black in columns 3...8 and rows 3...6.
    struct Case {
        const char* what;
        Rect local;  // relative to the figure's top-left corner
        bool touches;
    };
    const Case cases[] = {
        {"outline through white only, around the shape", {1, 1, 10, 8}, false},
        {"inside the shape", {4, 4, 5, 5}, true},
        {"right edge on the first column", {-5, 4, 3, 5}, true},
        {"right edge one short", {-5, 4, 2, 5}, false},
        {"bottom edge on the first row", {4, -5, 5, 3}, true},
        {"bottom edge one short", {4, -5, 5, 2}, false},
        {"left edge on the last column", {8, 4, 20, 5}, true},
        {"left edge one past", {9, 4, 20, 5}, false},
        {"top edge on the last row", {4, 6, 5, 30}, true},
        {"top edge one past", {4, 7, 5, 30}, false},
        {"a line across the shape", {-10, 5, 30, 5}, true},
        {"outside the figure's rectangle", {-10, -10, -1, -1}, false},
    };
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    for (const Case& c : cases) {
        EXPECT_EQ(fig.Touches(c.local.Offset(20, 16)), c.touches) << c.what;
    }
    // The map does not turn with the frames, and it moves with the figure.
    ASSERT_TRUE(fig.TurnTo(12, 1));
    EXPECT_TRUE(fig.Touches(Rect{4, 4, 5, 5}.Offset(20, 16)));
    EXPECT_FALSE(fig.Touches(Rect{1, 1, 10, 8}.Offset(20, 16)));
    fig.Step(10, 0);
    EXPECT_FALSE(fig.Touches(Rect{-5, 4, 3, 5}.Offset(20, 16)));
    EXPECT_TRUE(fig.Touches(Rect{-5, 4, 3, 5}.Offset(30, 16)));
}

TEST(CLudek, HugeRectanglesAreTestedOnlyWhereTheyCrossTheFigure) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    EXPECT_FALSE(fig.Touches({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_FALSE(fig.TouchesNear({INT32_MIN, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_TRUE(fig.Touches({24, INT32_MIN, INT32_MAX, INT32_MAX}));  // left edge at column 4
    EXPECT_TRUE(fig.TouchesNear({29, INT32_MIN, INT32_MAX, INT32_MAX}));
    EXPECT_TRUE(fig.Touches({INT32_MIN, 20, INT32_MAX, 20}));  // a line through row 4
}

TEST(CLudek, TouchesNearReachesFivePixelsFurther) {
    FigureFixture f;
    CLudek& fig = f.Build(20, 16);
    // The shape's last column is x = 28, its first row y = 19.
    struct Case {
        const char* what;
        Rect card;
        bool touches, near;
    };
    const Case cases[] = {
        {"five to the right", {33, 18, 50, 24}, false, true},
        {"six to the right", {34, 18, 50, 24}, false, false},
        {"five above", {22, 0, 26, 14}, false, true},
        {"six above", {22, 0, 26, 13}, false, false},
        {"overlapping", {22, 18, 26, 24}, true, false},  // the grown outline passes the shape
    };
    for (const Case& c : cases) {
        EXPECT_EQ(fig.Touches(c.card), c.touches) << c.what;
        EXPECT_EQ(fig.TouchesNear(c.card), c.near) << c.what;
    }
}

TEST(CLudek, AMapSmallerThanTheFramesLeavesTheRestEmpty) {
    FigureFixture f;
    f.files.mapWidth = 6;
    f.files.mapHeight = 5;
    f.files.shape = {0, 0, 6, 5};
    CLudek& fig = f.Build(20, 16);
    EXPECT_TRUE(fig.Touches({25, 20, 25, 20}));   // the map's last pixel
    EXPECT_FALSE(fig.Touches({26, 20, 26, 20}));  // in the figure, beyond the map
    EXPECT_FALSE(fig.Touches({28, 24, 28, 24}));
}

TEST(CLudek, AnchorPointIsTheCentreThreeQuartersDown) {
    FigureFixture f;
    f.files.width = f.files.mapWidth = 61;
    f.files.height = f.files.mapHeight = 81;
    f.files.body = {2, 2, 59, 79};
    CLudek& fig = f.Build(100, 200);
    EXPECT_EQ(fig.Rectangle(), (Rect{100, 200, 161, 281}));
    EXPECT_EQ(fig.AnchorPoint(), (Point{130, 260}));
    fig.Offset(-150, -250);
    EXPECT_EQ(fig.AnchorPoint(), (Point{-20, 10}));
}

TEST(CLudek, ReadsThePicturesOfTheCurrentLayoutAndName) {
    FigureFixture f;
    ScopedScreenMode big(4);
    f.files.name = "auto";
    f.files.sizeSuffix = "_b";
    CLudek& fig = f.Build(0, 0);
    EXPECT_EQ(fig.Name(), "auto");
    EXPECT_EQ(fig.Frame(3).Colour()->GetPixel(5, 5), FigureFiles::FrameColour(3));

    // The small pictures alone do not serve the large layout.
    f.files.sizeSuffix = "_s";
    f.files.name = "pojazd";
    f.files.Write(f.dir, f.data);
    EXPECT_THROW(f.Make(0, 0), CBlad);
}

TEST(CLudek, AMissingOrBrokenPictureRaisesResourceMissing) {
    struct Case {
        const char* what;
        std::function<void(const FigureFiles&, const std::filesystem::path&)> spoil;
    };
    auto write = [](const std::filesystem::path& file, const Bitmap& b) {
        std::vector<uint8_t> bytes = platform::EncodeBmp(b);
        std::ofstream(file, std::ios::binary)
            .write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
    };
    const Case cases[] = {
        {"no collision map",
         [](const FigureFiles& fs, const auto& d) { std::filesystem::remove(d / fs.MapFile()); }},
        {"a collision map that is no picture",
         [](const FigureFiles& fs, const auto& d) {
             std::ofstream(d / fs.MapFile(), std::ios::binary) << "not a bitmap";
         }},
        {"no frame 0 on black",
         [](const FigureFiles& fs, const auto& d) {
             std::filesystem::remove(d / fs.FrameFile(0, false));
         }},
        {"no frame 15 on white",
         [](const FigureFiles& fs, const auto& d) {
             std::filesystem::remove(d / fs.FrameFile(15, true));
         }},
        {"frame 7 in 8 bits",
         [write](const FigureFiles& fs, const auto& d) {
             write(d / fs.FrameFile(7, true), Bitmap(12, 10, platform::PixelFormat::Grey8));
         }},
        {"frame 9 renderings of two sizes",
         [write](const FigureFiles& fs, const auto& d) {
             write(d / fs.FrameFile(9, false), Bitmap(11, 10));
         }},
        {"no data folder",
         [](const FigureFiles&, const auto& d) { std::filesystem::remove_all(d); }},
    };
    for (const Case& c : cases) {
        FigureFixture f;
        f.files.Write(f.dir, f.data);
        c.spoil(f.files, f.data);
        try {
            f.Make(0, 0);
            ADD_FAILURE() << c.what << ": no error";
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode) << c.what;
            EXPECT_EQ(e.Text(), ResourceMissingText) << c.what;
        }
    }
}
