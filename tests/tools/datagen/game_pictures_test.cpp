#include <cairo.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <map>
#include <stdexcept>
#include <string>
#include <tuple>

#include "catalog/resource_catalog.h"
#include "catalog/resource_names.h"
#include "datagen/game_faces.h"
#include "datagen/game_pictures.h"

using namespace catalog;

namespace {

using datagen::Surface;
using datagen::game::FaceKind;
using datagen::game::FaceOfTile;
using datagen::game::TileFace;

struct FaceCase {
    const char* Name;
    FaceKind Kind;
    const char* Text;
    int Count;
    bool Red;
};

TEST(TileFaceTest, NamesShowTheirSymbol) {
    const FaceCase cases[] = {
        {"l", FaceKind::Letter, "l", 0, false},
        {"l_red", FaceKind::Letter, "l", 0, true},
        {"zz", FaceKind::Letter, "ż", 0, false},
        {"zzz", FaceKind::Letter, "ź", 0, false},
        {"dzz_red", FaceKind::Letter, "dż", 0, true},
        {"dzzz", FaceKind::Letter, "dź", 0, false},
        {"ll", FaceKind::Letter, "ł", 0, false},
        {"oo", FaceKind::Letter, "ó", 0, false},
        {"sz", FaceKind::Letter, "sz", 0, false},
        {"dzi", FaceKind::Letter, "dzi", 0, false},
        {"d0", FaceKind::Digit, "0", 0, false},
        {"d7_red", FaceKind::Digit, "7", 0, true},
        {"zero", FaceKind::Quantity, "", 0, false},
        {"siedem", FaceKind::Quantity, "", 7, false},
        {"dziewiec", FaceKind::Quantity, "", 9, false},
        {"minus", FaceKind::Sign, "\u2212", 0, false},
        {"wiekszy", FaceKind::Sign, ">", 0, false},
        {"mniejszy", FaceKind::Sign, "<", 0, false},
        {"niewiadoma", FaceKind::Sign, "?", 0, false},
    };
    for (const FaceCase& c : cases) {
        SCOPED_TRACE(c.Name);
        const TileFace face = FaceOfTile(c.Name);
        EXPECT_EQ(face.Kind, c.Kind);
        EXPECT_EQ(face.Text, c.Text);
        EXPECT_EQ(face.Count, c.Count);
        EXPECT_EQ(face.Red, c.Red);
    }
}

TEST(TileFaceTest, UnknownNamesAreRefused) {
    for (const char* name : {"", "_red", "red", "foo", "d10", "L", "ramka_red", "l_red_red"}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(FaceOfTile(name), std::runtime_error);
    }
}

TEST(TileFaceTest, PolishLettersComeBackFromTheProgramsFileNames) {
    for (const char* letter : {"ą", "ć", "ę", "ł", "ń", "ś", "ó", "ż", "ź", "dż", "dź"}) {
        SCOPED_TRACE(letter);
        EXPECT_EQ(datagen::game::PolishLetterOf(LetterFileName(letter)), letter);
    }
    EXPECT_FALSE(datagen::game::PolishLetterOf("sz").has_value());
}

// Two tile names that drew the same picture would make an exercise unsolvable by sight.
TEST(TileFaceTest, EveryCatalogueTileHasAFaceOfItsOwn) {
    std::map<std::tuple<FaceKind, std::string, int, bool>, std::string> seen;
    for (const ResourceEntry& entry : AllResources()) {
        if (entry.Group != ResourceGroup::Tile || entry.Layout != 4) {
            continue;
        }
        SCOPED_TRACE(entry.Name);
        TileFace face;
        ASSERT_NO_THROW(face = FaceOfTile(entry.Name));
        const auto [it, added] =
            seen.emplace(std::tuple(face.Kind, face.Text, face.Count, face.Red), entry.Name);
        EXPECT_TRUE(added) << "looks like " << it->second;
    }
    EXPECT_GT(seen.size(), 60u);
}

struct Heading {
    int Frame;
    double X, Y;  // where the nose points on the screen (y down)
};

TEST(VehicleTest, FramesTurnCounterClockwiseFromUp) {
    const double d = std::sqrt(0.5);
    const Heading headings[] = {{0, 0, -1}, {2, -d, -d}, {4, -1, 0}, {6, -d, d},
                                {8, 0, 1},  {10, d, d},  {12, 1, 0}, {14, d, -d}};
    for (const Heading& h : headings) {
        SCOPED_TRACE(h.Frame);
        cairo_matrix_t turn;
        cairo_matrix_init_rotate(&turn, datagen::game::VehicleFrameRotation(h.Frame));
        double x = 0.0, y = -1.0;  // the car is drawn facing up
        cairo_matrix_transform_distance(&turn, &x, &y);
        EXPECT_NEAR(x, h.X, 1e-9);
        EXPECT_NEAR(y, h.Y, 1e-9);
    }
    EXPECT_THROW(datagen::game::VehicleFrameRotation(16), std::runtime_error);
}

uint32_t Pixel(const Surface& s, int x, int y) {
    cairo_surface_flush(s.Get());
    const unsigned char* row = cairo_image_surface_get_data(s.Get()) +
                               static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(s.Get());
    return reinterpret_cast<const uint32_t*>(row)[x];
}

uint32_t Alpha(uint32_t argb) {
    return argb >> 24;
}

// The map does not turn with the car: whatever way the car faces, every solid pixel of it
// must lie on the map, and nothing may be cut off at the frame's edge.
TEST(VehicleTest, CollisionMapCoversTheCarInEveryDirection) {
    for (int layout : Layouts) {
        const Surface map = datagen::game::DrawVehicleMap(layout);
        for (int n = 0; n < FigureFrameCount; ++n) {
            SCOPED_TRACE(testing::Message() << "layout " << layout << " frame " << n);
            const Surface frame = datagen::game::DrawVehicleFrame(n, layout);
            ASSERT_EQ(frame.Width(), map.Width());
            ASSERT_EQ(frame.Height(), map.Height());
            int uncovered = 0;
            int onEdge = 0;
            for (int y = 0; y < frame.Height(); ++y) {
                for (int x = 0; x < frame.Width(); ++x) {
                    const uint32_t a = Alpha(Pixel(frame, x, y));
                    if (a > 160 && Alpha(Pixel(map, x, y)) != 255) {
                        ++uncovered;
                    }
                    const bool edge =
                        x == 0 || y == 0 || x == frame.Width() - 1 || y == frame.Height() - 1;
                    if (edge && a > 0) {
                        ++onEdge;
                    }
                }
            }
            EXPECT_EQ(uncovered, 0);
            EXPECT_EQ(onEdge, 0);
        }
    }
}

// Frames are drawn with pure white as the transparent colour: a half-covered pixel would
// show as a pale fringe around the card.
TEST(SelectionFrameTest, EveryPixelIsClearOrSolid) {
    for (int layout : Layouts) {
        for (std::string_view name : SelectionFrameNames) {
            const std::string_view colour = name.substr(name.find('_') + 1);
            SCOPED_TRACE(testing::Message() << "layout " << layout << " " << colour);
            const Surface frame = datagen::game::DrawSelectionFrame(colour, layout);
            int solid = 0;
            for (int y = 0; y < frame.Height(); ++y) {
                for (int x = 0; x < frame.Width(); ++x) {
                    const uint32_t pixel = Pixel(frame, x, y);
                    ASSERT_TRUE(Alpha(pixel) == 0 || Alpha(pixel) == 255) << x << "," << y;
                    if (Alpha(pixel) == 255) {
                        ++solid;
                        ASSERT_NE(pixel, 0xFFFFFFFFu) << x << "," << y;
                    }
                }
            }
            // A ring: solid at the edge, clear in the middle where the card shows.
            EXPECT_EQ(Alpha(Pixel(frame, frame.Width() / 2, 2)), 255u);
            EXPECT_EQ(Alpha(Pixel(frame, frame.Width() / 2, frame.Height() / 2)), 0u);
            EXPECT_LT(solid, frame.Width() * frame.Height() / 2);
        }
    }
}

}  // namespace
