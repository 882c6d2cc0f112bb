// The program asks the data folder only for files of the resource catalogue: every loader
// reports its requests to an observer while the tests drive the code that builds names.

#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>
#include <vector>

#include "app/splash_form.h"
#include "catalog/resource_catalog.h"
#include "catalog/resource_names.h"
#include "catalog/word_table.h"
#include "controls/bitmap_control.h"
#include "controls/cbutton.h"
#include "controls/cbutton_check.h"
#include "controls/ctrack_bar.h"
#include "media/cmid.h"
#include "media/load_correct_bitmap.h"
#include "media/picture_fixture.h"
#include "media/picture_library.h"
#include "media/sounds.h"
#include "pieces/cgraf.h"
#include "pieces/ckarta.h"
#include "pieces/clitcyf.h"
#include "pieces/cludek.h"
#include "pieces/cpow.h"

using namespace catalog;
using namespace media;
using namespace pieces;
using namespace controls;
using namespace app;

using pieces::CGraf;
using pieces::CKarta;
using pieces::CLitCyf;
using pieces::CLudek;
using pieces::CPow;
using pieces::PlayFeedback;
using platform::Bitmap;
using platform::Color;

namespace {

// A headless game screen whose data root starts empty; it collects every request. The screen
// is tiny, so that thousands of repaints cost nothing; drawing beyond it is clipped.
class ResourceRequestTest : public PictureTest {
  protected:
    ResourceRequestTest() : PictureTest({32, 24}) {
        SetResourceRequestObserver([this](const std::string& path) { requested_.insert(path); });
    }
    ~ResourceRequestTest() override { SetResourceRequestObserver({}); }

    // Writes a small stand-in for every entry of the group in one layout, so that loaders
    // get past the first half of a pair and objects live long enough to be zoomed.
    void WriteEntries(ResourceGroup group, int layout) {
        for (const ResourceEntry& e : AllResources()) {
            if (e.Group != group || e.Layout != layout) {
                continue;
            }
            switch (e.Format) {
                case ResourceFormat::Jpeg:
                    dir_.Write(e.Path, Jpeg());
                    break;
                case ResourceFormat::Bmp:
                    WriteBmp(e.Path, Plain(6, 5, e.OnWhite ? Color{255, 255, 255} : Color{}));
                    break;
                case ResourceFormat::Wave:
                case ResourceFormat::Midi:
                    break;
            }
        }
    }

    // Requests no catalogue entry answers.
    std::vector<std::string> Uncatalogued() const {
        std::vector<std::string> out;
        for (const std::string& path : requested_) {
            if (FindResource(path) == nullptr) {
                out.push_back(path);
            }
        }
        return out;
    }

    // Entries of the group the program never asked for.
    std::vector<std::string> Unrequested(ResourceGroup group) const {
        std::vector<std::string> out;
        for (const ResourceEntry& e : AllResources()) {
            if (e.Group == group && !requested_.contains(e.Path)) {
                out.push_back(e.Path);
            }
        }
        return out;
    }

    std::unique_ptr<CPow> MakeView() {
        return std::make_unique<CPow>(form_, Context(), [] {});
    }

    std::set<std::string> requested_;

  private:
    const std::vector<uint8_t>& Jpeg() {
        if (jpeg_.empty()) {
            jpeg_ = platform::EncodeJpeg(Plain(8, 6, {90, 140, 60}), 80);
        }
        return jpeg_;
    }
    std::vector<uint8_t> jpeg_;
};

using Strings = std::vector<std::string>;

}  // namespace

TEST_F(ResourceRequestTest, ObserverSeesPathsBelowTheDataRootOnly) {
    std::vector<std::string> seen;
    SetResourceRequestObserver([&](const std::string& path) { seen.push_back(path); });
    NoteResourceRequest(NativePath("Data\\Res\\\\Snd//g7.snd"));
    NoteResourceRequest(dir_.Path() / "Lib" / "GFX" / "." / "l_s.xbi");
    NoteResourceRequest(dir_.Path() / "Res" / ".." / ".." / "outside.xji");
    NoteResourceRequest(dir_.Path().parent_path() / "elsewhere" / "sph.xji");
    NoteResourceRequest(dir_.Path());
    EXPECT_EQ(seen, (Strings{"Res/Snd/g7.snd", "Lib/GFX/l_s.xbi"}));

    SetResourceRequestObserver({});
    NoteResourceRequest(NativePath("Data\\sph.xji"));
    EXPECT_EQ(seen.size(), 2u);
}

// Missing files are requested too: the loader reports before it looks.
TEST_F(ResourceRequestTest, MissingFilesAreReportedAsRequested) {
    EXPECT_FALSE(PlayWord("kot"));
    EXPECT_THROW(LoadJpegPicture(NativePath("Data\\Intf\\T_b.xji")), FileReadError);
    Bitmap picture;
    EXPECT_FALSE(OtworzPowBMP("l_b", picture));
    EXPECT_EQ(requested_,
              (std::set<std::string>{"Res/Snd/kot.snd", "Intf/T_b.xji", "Lib/POW/l_b.xbi"}));
}

// Cards of every word from both card folders, zoomed with their recordings, in both layouts.
TEST_F(ResourceRequestTest, CardsOfEveryWord) {
    for (int layout : Layouts) {
        ScopedScreenMode mode(static_cast<int16_t>(layout));
        WriteFrames(10, 8);
        WriteEntries(ResourceGroup::WordCard, layout);
        WriteEntries(ResourceGroup::WordCardSecondSet, layout);
        WriteEntries(ResourceGroup::EnlargedWordCard, 0);
        auto view = MakeView();
        for (const char* folder : {"Data//Res//Kar//Nor//", "Data//Res//Kar//Kon//"}) {
            for (const WordRecord& w : WordTable()) {
                CKarta card(form_, Context(), {0, 0}, folder,
                            CSlowo(std::string(w.Key), w.Flags, std::string(w.Spelling)), true, 0,
                            0);
                card.Zoom();
            }
        }
    }
    EXPECT_EQ(Uncatalogued(), Strings{});
    for (ResourceGroup g : {ResourceGroup::WordCard, ResourceGroup::WordCardSecondSet,
                            ResourceGroup::EnlargedWordCard, ResourceGroup::WordRecording}) {
        EXPECT_EQ(Unrequested(g), Strings{}) << ResourceGroupName(g);
    }
    EXPECT_TRUE(Messages().empty());
}

// Every tile of the catalogue, zoomed: its enlarged picture and its spoken name.
TEST_F(ResourceRequestTest, TilesTheirEnlargedPicturesAndTheirSounds) {
    for (int layout : Layouts) {
        ScopedScreenMode mode(static_cast<int16_t>(layout));
        WriteFrames(10, 8);
        WriteEntries(ResourceGroup::Tile, layout);
        WriteEntries(ResourceGroup::EnlargedTile, layout);
        auto view = MakeView();
        for (const ResourceEntry& e : AllResources()) {
            if (e.Group == ResourceGroup::Tile && e.Layout == layout) {
                CLitCyf tile(form_, Context(), {0, 0}, e.Name, true, 0, 0);
                tile.Zoom();
            }
        }
    }
    EXPECT_EQ(Uncatalogued(), Strings{});
    for (ResourceGroup g :
         {ResourceGroup::SelectionFrame, ResourceGroup::EnlargedTile, ResourceGroup::SpokenTile}) {
        EXPECT_EQ(Unrequested(g), Strings{}) << ResourceGroupName(g);
    }
    EXPECT_TRUE(Messages().empty());
}

TEST_F(ResourceRequestTest, FramedPicturesAndTheVehicle) {
    for (int layout : Layouts) {
        ScopedScreenMode mode(static_cast<int16_t>(layout));
        for (ResourceGroup g : {ResourceGroup::SelectionFrame, ResourceGroup::FramedPicture,
                                ResourceGroup::FigureFrame, ResourceGroup::FigureMap}) {
            WriteEntries(g, layout);
        }
        for (std::string_view name : FramedPictureNames) {
            CGraf picture(form_, Context());
            picture.Load("Data\\Res\\", std::string(name));
            CGraf::LoadHighlightFrame();
        }
        CLudek vehicle(&form_, Context(), {0, 0}, std::string(FigureName));
    }
    EXPECT_EQ(Uncatalogued(), Strings{});
    for (ResourceGroup g :
         {ResourceGroup::FramedPicture, ResourceGroup::FigureFrame, ResourceGroup::FigureMap}) {
        EXPECT_EQ(Unrequested(g), Strings{}) << ResourceGroupName(g);
    }
}

// The push buttons of every form, the check buttons of the menu, the options and the
// information form, the slider and the label pictures.
TEST_F(ResourceRequestTest, ButtonsSliderAndLabels) {
    for (int layout : Layouts) {
        ScopedScreenMode mode(static_cast<int16_t>(layout));
        WriteEntries(ResourceGroup::ButtonPicture, layout);
        const DrawContext context = Context();
        for (std::string_view name : PushButtonNames) {
            CButton button(form_, context, nullptr, std::string(name), {0, 0});
        }
        for (std::string_view name : FourLookCheckButtonNames) {
            CButtonCheck check(form_, context, nullptr, std::string(name), {0, 0}, {});
        }
        for (std::string_view name : TwoLookCheckButtonNames) {
            CButtonCheck check(form_, context, nullptr, std::string(name), {0, 0},
                               {.FourLooks = false});
        }
        CTrackBar slider(form_, context, nullptr, std::string(SliderName), {0, 0},
                         {.UnitText = " s",
                          .Step = 0.05f,
                          .Length = 200,
                          .KnobCentreLine = 36,
                          .TrackStart = 18});
        for (std::string_view label : LabelNames) {
            LoadButtonLook(std::string(label) + std::string(LayoutSuffixOf(layout)));
        }
    }
    EXPECT_EQ(Uncatalogued(), Strings{});
    EXPECT_EQ(Unrequested(ResourceGroup::ButtonPicture), Strings{});
}

TEST_F(ResourceRequestTest, FeedbackInstructionsAndTheMenuTune) {
    for (int n = 1; n <= PraiseCount; ++n) {
        PlayFeedbackFile(true, n);
    }
    for (int n = 1; n <= RemarkCount; ++n) {
        PlayFeedbackFile(false, n);
    }
    // The random choice stays within the numbered files.
    for (int i = 0; i < 500; ++i) {
        PlayFeedback(i % 2 == 0);
    }
    for (std::string_view name : InstructionNames) {
        PlaySoundFile("Data\\Res\\Snd\\Pol\\" + std::string(name));
    }
    CMid tune;
    tune.Load(std::string(MenuTuneFile));
    EXPECT_EQ(Uncatalogued(), Strings{});
    for (ResourceGroup g : {ResourceGroup::Praise, ResourceGroup::Remark,
                            ResourceGroup::Instruction, ResourceGroup::MenuTune}) {
        EXPECT_EQ(Unrequested(g), Strings{}) << ResourceGroupName(g);
    }
}

TEST_F(ResourceRequestTest, TheSplashPicture) {
    WriteEntries(ResourceGroup::Splash, 0);
    TfmSplash splash;
    EXPECT_EQ(requested_, (std::set<std::string>{"sph.xji"}));
}
