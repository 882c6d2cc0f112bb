#include "pieces/clitcyf.h"

#include <gtest/gtest.h>

#include <memory>

#include "media/cblad.h"
#include "media/picture_fixture.h"
#include "media/random.h"
#include "media/sounds.h"
#include "pieces/ckarta.h"
#include "pieces/cpow.h"

using namespace media;
using namespace pieces;

using platform::Bitmap;
using platform::Color;
using platform::MouseButton;
using platform::Rect;
using platform::Sound;
using platform::WaveOutcome;
using namespace pieces;

namespace {

constexpr Color kTileColour{200, 60, 160};

// Tiles of 64 x 80 with 84 x 100 frames, in the large layout.
class CLitCyfTest : public PictureTest {
  protected:
    CLitCyfTest() {
        WriteFrames(84, 100);
        for (const char* name : {"l_b", "d3_red_b", "rz_b"}) {
            WriteBmp(std::string("Lib/GFX/") + name + ".xbi", Plain(64, 80, kTileColour));
        }
    }
    std::unique_ptr<CLitCyf> MakeTile(const std::string& name = "l", int left = 400,
                                      int top = 300) {
        return std::make_unique<CLitCyf>(form_, Context(), platform::Point{left, top}, name, true,
                                         1, 0);
    }
};

}  // namespace

TEST_F(CLitCyfTest, ConstructionFetchesTheLibraryPictureWithoutPainting) {
    auto tile = MakeTile("d3_red");
    EXPECT_EQ(tile->TileRect(), (Rect{400, 300, 464, 380}));
    EXPECT_EQ(tile->PictureRect(), (Rect{0, 0, 64, 80}));
    EXPECT_EQ(tile->Name(), "d3_red");
    EXPECT_EQ(tile->Number(), 1);
    EXPECT_EQ(tile->Picture().GetPixel(0, 0), kTileColour);
    EXPECT_TRUE(dirty_.empty());
    EXPECT_TRUE(form_.FrameBitmap == form_.BackgroundBitmap);
}

TEST_F(CLitCyfTest, DrawsFramesMovesAndErasesLikeACard) {
    auto tile = MakeTile();
    tile->Paint();
    const Bitmap painted = form_.FrameBitmap;
    EXPECT_EQ(form_.FrameBitmap.GetPixel(463, 379), kTileColour);
    tile->SetFrame(SelectionFrames::Blue);
    EXPECT_EQ(tile->FrameRect(), (Rect{390, 290, 474, 390}));
    EXPECT_EQ(form_.FrameBitmap.GetPixel(390, 290), (Color{0, 0, 210}));
    tile->RemoveFrame();
    EXPECT_TRUE(form_.FrameBitmap == painted);

    tile->Erase();
    tile->MoveTo({10, 20});
    tile->Paint();
    EXPECT_EQ(form_.FrameBitmap.GetPixel(400, 300), PatternAt(400, 300));
    EXPECT_EQ(form_.SceneBitmap.GetPixel(10, 20), kTileColour);
}

TEST_F(CLitCyfTest, TilesKeepTheirOwnFrames) {
    auto tile = MakeTile();
    EXPECT_EQ(CLitCyf::Frames().LiveCount(), 1);
    EXPECT_TRUE(CLitCyf::Frames().AnyLoaded());
    EXPECT_FALSE(CKarta::Frames().AnyLoaded());
    tile.reset();
    EXPECT_FALSE(CLitCyf::Frames().AnyLoaded());
}

TEST_F(CLitCyfTest, MissingTileOrFrameRaisesResourceMissingAndLeavesNothing) {
    for (const char* missing : {"", "Lib/GFX/ramka_orange_b.xbi"}) {
        if (*missing != '\0') {
            RemoveFile(missing);
        }
        try {
            MakeTile(*missing != '\0' ? "l" : "x");
            FAIL() << "no error for " << missing;
        } catch (const CBlad& e) {
            EXPECT_EQ(e.Code(), CBlad::ResourceMissingCode);
            EXPECT_EQ(e.Text(), ResourceMissingText);
        }
        EXPECT_EQ(CLitCyf::Frames().LiveCount(), 0);
        EXPECT_FALSE(CLitCyf::Frames().AnyLoaded());
        EXPECT_TRUE(form_.Controls().empty());
    }
}

TEST_F(CLitCyfTest, PlayLetterSpeaksTheDerivedRecording) {
    WriteSound("Res/Snd/LC/trzy.snd", 250);
    auto tile = MakeTile("d3_red");
    auto missing = MakeTile("rz");
    uint64_t start = NowMs();
    EXPECT_TRUE(tile->PlayLetter());
    EXPECT_EQ(NowMs() - start, 250u);
    EXPECT_FALSE(missing->PlayLetter());
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Path, NativeFile("Res/Snd/LC/trzy.snd"));
    EXPECT_TRUE(Sound::Recorded()[0].Synchronous);
}

TEST_F(CLitCyfTest, RightClickShowsTheEnlargedTileWhileItIsSpoken) {
    WriteBmp("Lib/POW/rz_b.xbi", Plain(200, 200, {30, 30, 230}));
    WriteSound("Res/Snd/LC/zz.snd", 500);
    CPow view(form_, Context(), {});
    auto tile = MakeTile("rz");
    tile->Paint();
    const Bitmap before = form_.FrameBitmap;
    std::vector<Color> seen;
    form_.OnRepaint = [&] { seen.push_back(form_.FrameBitmap.GetPixel(640, 512)); };

    uint64_t start = NowMs();
    h_.headless->Click(410, 310, MouseButton::Right);
    h_.app->ProcessMessages();
    EXPECT_EQ(NowMs() - start, 500u + 400u);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (Color{30, 30, 230}));
    EXPECT_EQ(seen[1], PatternAt(640, 512));
    EXPECT_TRUE(form_.FrameBitmap == before);
    EXPECT_EQ(view.SourceRect(), tile->TileRect());
    ASSERT_EQ(Sound::Recorded().size(), 1u);
    EXPECT_EQ(Sound::Recorded()[0].Path, NativeFile("Res/Snd/LC/zz.snd"));
}

TEST_F(CLitCyfTest, ZoomWithoutEnlargedPictureStillSpeaks) {
    WriteSound("Res/Snd/LC/l.snd", 100);
    CPow view(form_, Context(), {});
    auto tile = MakeTile("l");
    uint64_t start = NowMs();
    tile->Zoom();
    EXPECT_EQ(NowMs() - start, 100u + 400u);
    EXPECT_EQ(Messages(), (std::vector<std::string>{std::string(ResourceMissingText)}));
    EXPECT_EQ(Sound::Recorded().size(), 1u);
}

TEST_F(CLitCyfTest, FadeInEndsOnTheTile) {
    auto tile = MakeTile();
    tile->SetVisible(false);
    auto fade = tile->StartAnimation(Recorder());
    fade->WaitFor();
    EXPECT_TRUE(tile->Visible());
    EXPECT_EQ(form_.FrameBitmap.GetPixel(400, 300), kTileColour);
    EXPECT_EQ(form_.FrameBitmap.GetPixel(463, 379), kTileColour);
}

TEST_F(CLitCyfTest, FeedbackDrawsUntilNonZeroWithinItsRange) {
    for (int n = 1; n <= 36; ++n) {
        WriteSound("Res/Snd/g" + std::to_string(n) + ".snd", 10);
    }
    for (int n = 1; n <= 31; ++n) {
        WriteSound("Res/Snd/b" + std::to_string(n) + ".snd", 10);
    }
    const struct {
        bool right;
        std::vector<int32_t> draws;
        const char* file;
    } cases[] = {
        {true, {0, 37, 74, 5}, "Res/Snd/g5.snd"},
        {true, {36}, "Res/Snd/g36.snd"},
        {true, {37 * 1000 + 1}, "Res/Snd/g1.snd"},
        {false, {0, 32, 31}, "Res/Snd/b31.snd"},
        {false, {33}, "Res/Snd/b1.snd"},
        {false, {2147483647}, "Res/Snd/b31.snd"},  // the largest draw
    };
    for (const auto& c : cases) {
        (*h_.clock).Advance(1000);  // the previous one has ended
        Sound::StartRecording();
        ScopedRandomScript script(c.draws);
        EXPECT_TRUE(PlayFeedback(c.right));
        EXPECT_EQ(script.Remaining(), 0u);
        ASSERT_EQ(Sound::Recorded().size(), 1u);
        EXPECT_EQ(Sound::Recorded()[0].Path, NativeFile(c.file));
        EXPECT_FALSE(Sound::Recorded()[0].Synchronous);
    }
}

TEST_F(CLitCyfTest, FeedbackIsNotPlayedOverAnotherSoundAndMissingFilesAreSkipped) {
    WriteSound("Res/Snd/Pol/S5.snd", 2000);
    WriteSound("Res/Snd/g1.snd", 100);
    ASSERT_TRUE(PlaySoundFile("Data\\Res\\Snd\\Pol\\S5"));
    {
        ScopedRandomScript script({1});
        EXPECT_TRUE(PlayFeedback(true));
    }
    ASSERT_EQ(Sound::Recorded().size(), 2u);
    EXPECT_EQ(Sound::Recorded()[1].Outcome, WaveOutcome::Dropped);

    ScopedRandomScript script({2});
    EXPECT_FALSE(PlayFeedback(false));
    EXPECT_EQ(Sound::Recorded().size(), 2u);
}
