#include "datagen/interface_pictures.h"

#include <cairo.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

#include "catalog/resource_catalog.h"
#include "media/scoped_temp_dir.h"

using namespace catalog;

namespace {

using datagen::BigLayout;
using datagen::ParseButtonPicture;
using datagen::SmallLayout;
using datagen::Surface;

constexpr int Layouts[] = {SmallLayout, BigLayout};

uint32_t Alpha(const Surface& s, int x, int y) {
    cairo_surface_flush(s.Get());
    const unsigned char* row = cairo_image_surface_get_data(s.Get()) +
                               static_cast<ptrdiff_t>(y) * cairo_image_surface_get_stride(s.Get());
    return reinterpret_cast<const uint32_t*>(row)[x] >> 24;
}

bool SamePixels(const Surface& a, const Surface& b) {
    if (a.Width() != b.Width() || a.Height() != b.Height()) {
        return false;
    }
    cairo_surface_flush(a.Get());
    cairo_surface_flush(b.Get());
    const size_t bytes = static_cast<size_t>(cairo_image_surface_get_stride(a.Get())) * a.Height();
    return std::memcmp(cairo_image_surface_get_data(a.Get()), cairo_image_surface_get_data(b.Get()),
                       bytes) == 0;
}

Surface Draw(const std::string& name, int layout) {
    return datagen::DrawButtonPicture(ParseButtonPicture(name, layout), layout);
}

}  // namespace

// The generator must draw every picture the program can ask the button library for.
TEST(InterfacePictures, EveryCatalogueButtonPictureIsOneWeDraw) {
    int count = 0;
    for (const ResourceEntry& entry : AllResources()) {
        if (entry.Group != ResourceGroup::ButtonPicture) {
            continue;
        }
        SCOPED_TRACE(entry.Path);
        ASSERT_NO_THROW(ParseButtonPicture(entry.Name, entry.Layout));
        ++count;
    }
    EXPECT_GT(count, 100);
}

// The program takes a control's size from its picture and blends it over the form: the
// corners must be clear, the face solid, and the size the one the layout was planned with.
TEST(InterfacePictures, ButtonPicturesHaveTheirSizeClearCornersAndSolidFaces) {
    const char* names[] = {"start_d",   "exit_a", "stop_c",      "dalej_na", "m_A_C",
                           "pIV_NA_NC", "l_A_NC", "jakgrac_A_C", "track_ap", "track_nap"};
    for (int layout : Layouts) {
        for (const char* name : names) {
            SCOPED_TRACE(testing::Message() << name << " layout " << layout);
            const auto picture = ParseButtonPicture(name, layout);
            const Surface s = datagen::DrawButtonPicture(picture, layout);
            const auto size = datagen::ButtonPictureSize(picture, layout);
            ASSERT_EQ(s.Width(), size.Width);
            ASSERT_EQ(s.Height(), size.Height);
            EXPECT_EQ(Alpha(s, s.Width() / 2, s.Height() / 2), 255u);
            if (picture.Picture != "track") {  // the knob fills its picture
                EXPECT_EQ(Alpha(s, 0, 0), 0u);
                EXPECT_EQ(Alpha(s, s.Width() - 1, s.Height() - 1), 0u);
            }
        }
    }
}

// The knob slides along the groove: the track must be solid where the knob's centre runs
// and clear above it, whatever the layout.
TEST(InterfacePictures, SliderGrooveRunsAlongTheKnobsPath) {
    for (int layout : Layouts) {
        SCOPED_TRACE(layout);
        const auto g = datagen::SliderArguments(layout);
        for (const char* name : {"track_as", "track_nas"}) {
            const Surface track = Draw(name, layout);
            for (int x : {g.TrackStart, g.TrackStart + g.Length / 2, g.TrackStart + g.Length}) {
                EXPECT_EQ(Alpha(track, x, g.CentreLine), 255u) << name << " at " << x;
                EXPECT_EQ(Alpha(track, x, g.CentreLine - g.CentreLine / 2), 0u) << name;
            }
        }
    }
}

// A state the child cannot tell from another is a fault: every look of a control differs.
TEST(InterfacePictures, EveryStateOfAControlLooksDifferent) {
    const std::vector<std::vector<std::string>> controls = {
        {"start_d", "start_a", "start_c", "start_na"},
        {"pomoc_d", "pomoc_a", "pomoc_c", "pomoc_na"},
        {"l_A_C", "l_A_NC", "l_NA_C", "l_NA_NC"},
        {"opsk2p_A_C", "opsk2p_A_NC", "opsk2p_NA_C", "opsk2p_NA_NC"},
        {"jakgrac_A_C", "jakgrac_A_NC"},
        {"track_as", "track_nas"},
        {"track_ap", "track_nap"},
    };
    for (const auto& looks : controls) {
        std::vector<Surface> drawn;
        for (const std::string& name : looks) {
            drawn.push_back(Draw(name, SmallLayout));
        }
        for (size_t i = 0; i < drawn.size(); ++i) {
            for (size_t j = i + 1; j < drawn.size(); ++j) {
                EXPECT_FALSE(SamePixels(drawn[i], drawn[j])) << looks[i] << " = " << looks[j];
            }
        }
    }
}

TEST(InterfacePictures, BackgroundsAndSplashAreOpaqueAtTheirSize) {
    for (int layout : Layouts) {
        for (const char* form : {"T", "op", "ab", "kom", "wyn"}) {
            SCOPED_TRACE(testing::Message() << form << " layout " << layout);
            const Surface s = datagen::DrawFormBackground(form, layout);
            const auto size = datagen::FormBackgroundSize(form, layout);
            ASSERT_EQ(s.Width(), size.Width);
            ASSERT_EQ(s.Height(), size.Height);
            for (int y : {0, s.Height() / 2, s.Height() - 1}) {
                for (int x : {0, s.Width() / 2, s.Width() - 1}) {
                    EXPECT_EQ(Alpha(s, x, y), 255u) << x << "," << y;
                }
            }
        }
    }
    const Surface splash = datagen::DrawSplash();
    EXPECT_EQ(splash.Width(), datagen::SplashSize().Width);
    EXPECT_EQ(Alpha(splash, 0, 0), 255u);
}

// Pages are text on a clear ground, as wide as the window and at least as tall.
TEST(InterfacePictures, AboutPagesFillTheirWindowAndShowThroughTheToggle) {
    for (int layout : Layouts) {
        const auto g = datagen::AboutPageGeometry(layout);
        for (const char* page : {"abo", "hp"}) {
            SCOPED_TRACE(testing::Message() << page << " layout " << layout);
            const Surface s = datagen::DrawAboutPage(page, layout);
            EXPECT_EQ(s.Width(), g.PageWidth);
            EXPECT_GE(s.Height(), g.WindowHeight);
            EXPECT_EQ(Alpha(s, 0, 0), 0u);
            EXPECT_EQ(Alpha(s, s.Width() - 1, s.Height() - 1), 0u);
        }
        EXPECT_FALSE(SamePixels(datagen::DrawAboutPage("abo", layout),
                                datagen::DrawAboutPage("hp", layout)));
    }
    EXPECT_THROW(datagen::DrawAboutPage("xyz", SmallLayout), std::runtime_error);
}

TEST(InterfacePictures, DrawingIsRepeatable) {
    EXPECT_TRUE(SamePixels(Draw("info_a", BigLayout), Draw("info_a", BigLayout)));
    EXPECT_TRUE(SamePixels(datagen::DrawFormBackground("T", SmallLayout),
                           datagen::DrawFormBackground("T", SmallLayout)));
}

// A name nobody draws stops the generator instead of leaving a hole in the data set.
TEST(InterfacePictures, MakerRefusesNamesItDoesNotKnow) {
    ScopedTempDir dir;
    const datagen::Context context{dir.Path() / "Data", dir.Path(), dir.Path() / "sheets"};
    datagen::Output out(context);
    auto entry = [](const char* path, ResourceGroup group, const char* name, bool pair) {
        ResourceEntry e{path, ResourceFormat::Bmp, group, name, SmallLayout, "", pair};
        if (pair) {
            e.Partner = e.Path + "-other";
        }
        return e;
    };
    const ResourceEntry button =
        entry("Lib/BUTT/bogus_a_s_W.xbi", ResourceGroup::ButtonPicture, "bogus_a", true);
    const ResourceEntry form = entry("Intf/zz_s.xji", ResourceGroup::FormBackground, "zz", false);
    const ResourceEntry tune = entry("Res/Snd/Men/s.snd", ResourceGroup::MenuTune, "s", false);
    for (const ResourceEntry* refused : {&button, &form, &tune}) {
        SCOPED_TRACE(refused->Path);
        EXPECT_THROW(datagen::MakeInterface({refused}, out, context), std::runtime_error);
    }
    EXPECT_EQ(out.FilesWritten(), 0);
}
