#include "exercises/cschemat9.h"

#include <algorithm>
#include <string>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
#include "exercises/cschemat17.h"
#include "exercises/draws.h"
#include "exercises/placement.h"
#include "exercises/shelf.h"
#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// Whether (x, y) lies strictly inside the band around r: before.X / before.Y to the left and
// above, after.X / after.Y to the right and below.
bool InBand(const Rect& r, Point p, Point before, Point after) {
    return r.Left - before.X < p.X && p.X < r.Right + after.X && r.Top - before.Y < p.Y &&
           p.Y < r.Bottom + after.Y;
}

}  // namespace

CSchemat9::CSchemat9(game::ExerciseHost& host, const game::CWybor& settings)
    : WordPictureExercise(host, settings) {
    InstructionName = "S9";
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreePieces(); });
}

CSchemat9::~CSchemat9() = default;

void CSchemat9::FreePieces() {
    ReplacedAnswer.reset();
    RowTiles.clear();
    Candidates.clear();
    HomePositions.clear();
    WordCard.reset();
    InstructionPicture.reset();
    GapIndex = -1;
}

void CSchemat9::Build() {
    const ScreenGeometry& g = Geometry();
    const Rect& layout = g.LayoutRect;
    CreateInstructionPicture("sluch");
    const std::size_t count = Settings.Level() == game::LevelIV ? 5 : 3;
    Candidates.resize(count);
    HomePositions.assign(count, {});

    const int groups = Settings.SoundGroups() >= 1 && Settings.SoundGroups() <= 7
                           ? Settings.SoundGroups()
                           : game::SoundGroupL | game::SoundGroupR | game::SoundGroupJ;
    const auto mask = static_cast<std::uint32_t>(SoundMask(groups, 0));
    // Only a word with a marked letter has a letter to miss.
    const auto fits = [&](const CSlowo& w) {
        return w.Matches(mask) && w.Key.size() <= kMaxKeyLength && w.MarkedIndex() >= 0;
    };
    DrawWord(fits);
    const CSlowo& word = WordAt(Word);
    CreateWordCard();

    const int cardWidth = WordCard->PictureRect().Width();
    const auto keyLength = static_cast<std::int32_t>(word.Key.size());
    RowX = g.MapLength(512) - (keyLength - 1) / 2 * cardWidth;
    RowY = g.DesignHeight - WordCard->PictureRect().Height() - g.MapLength(10);
    const std::int32_t rowStart = RowX;
    const auto tile = [&](const std::string& name, std::int32_t number, bool selectable, Point at) {
        return std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at, name, selectable,
                                         number, 0);
    };
    for (const Grapheme& grapheme : word.Graphemes()) {
        const std::string name = LetterFileName(grapheme.Text);
        const Point at{layout.Left + RowX, layout.Top + RowY};
        if (!grapheme.Marked || GapIndex >= 0) {
            RowTiles.push_back(tile(name, -1, false, at));
            CLitCyf::LoadFrames(0);
            RowTiles.back()->SetFrameStyle(SelectionFrames::Green);
        } else {
            GapX = at.X;
            GapY = at.Y;
            Candidates[0] = tile(name, Word, true, at);
            CLitCyf::LoadFrames(2);
            GapIndex = static_cast<std::int32_t>(RowTiles.size());
            RowTiles.push_back(tile(name, Word, true, at));
            RowTiles.back()->SetVisible(false);
        }
        RowX += RowTiles[0]->PictureRect().Width() + g.MapLength(13);
    }

    HomePositions[0] = PlaceCandidate(0);
    Candidates[0]->MoveTo(HomePositions[0]);
    for (std::size_t i = 1; i < count; ++i) {
        int code = 0;
        do {
            code = DrawSoundOrDistractor(groups);
            // A trained sound of the word would be a second right letter.
        } while ((word.Flags & SoundBit(code)) != 0 ||
                 std::any_of(Candidates.begin() + 1, Candidates.begin() + static_cast<long>(i),
                             [&](const auto& c) { return c->Number() == code; }));
        HomePositions[i] = PlaceCandidate(i);
        Candidates[i] = tile(std::string(SymbolName(code)), code, true, HomePositions[i]);
        CLitCyf::LoadFrames(0);
    }
    ShelfX = rowStart - cardWidth / 2;
}

Point CSchemat9::PlaceCandidate(std::size_t i) const {
    const ScreenGeometry& g = Geometry();
    const int margin = g.MapLength(100);
    const Point vehicle{Vehicle.Width(), Vehicle.Height()};
    const Rect& card = WordCard->ObjectRect();
    const auto clearOf = [&](const Rect& t, Point p) {
        return !InBand(t, p, {t.Width() + vehicle.X + 1, t.Height() + vehicle.Y + 1},
                       {vehicle.X + 1, vehicle.Y + 1});
    };
    return DrawPlacement(
        [&] { return RandomPointInQuadrant(static_cast<int>(i % 4) + 1); },
        [&](Point p) {
            if (p.X <= WorkRect.Left || p.X >= WorkRect.Right - margin || p.Y <= WorkRect.Top ||
                p.Y >= WorkRect.Bottom - margin || p.Y - margin >= g.LayoutRect.Top + RowY) {
                return false;
            }
            if (InBand(card, p, {2 * card.Width() + 1, 2 * card.Height() + 1},
                       {card.Width() + 1, card.Height() + 1})) {
                return false;
            }
            for (std::size_t j = 0; j < i; ++j) {
                if (!clearOf(Candidates[j]->ObjectRect(), p)) {
                    return false;
                }
            }
            return std::all_of(RowTiles.begin(), RowTiles.end(),
                               [&](const auto& t) { return clearOf(t->ObjectRect(), p); });
        });
}

PictureTile* CSchemat9::PieceAt(std::int32_t n) const {
    if (n < 0 || n >= ObjectCount()) {
        return nullptr;
    }
    return Candidates[static_cast<size_t>(n)].get();
}

void CSchemat9::Show(bool on) {
    WordPictureExercise::Show(on);
    for (const auto& t : RowTiles) {
        t->SetEnabled(on);
    }
}

void CSchemat9::Paint() {
    for (const auto& c : Candidates) {
        c->Paint();
    }
    for (const auto& t : RowTiles) {
        if (t->Visible()) {
            t->Paint();
        } else {
            t->SetFrame(SelectionFrames::Yellow);
        }
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
    WordCard->Paint();
}

void CSchemat9::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    const double s = g.LayoutScale;
    DrawShelf(Host.Context(), g.LayoutRect.Left + ShelfX, RowTiles.size(),
              [&](std::size_t k, int x, int top) {
                  const Point at{static_cast<std::int32_t>(x + 15 * s),
                                 static_cast<std::int32_t>(top + 15 * s)};
                  RowTiles[k]->MoveTo(at);
                  if (static_cast<std::int32_t>(k) == GapIndex) {
                      GapX = at.X;
                      GapY = at.Y;
                  }
              });
}

void CSchemat9::Hint() {
    if (Solved) {
        return;
    }
    Candidates[0]->SetFrame(SelectionFrames::Blue);
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

game::Hit CSchemat9::HitTest(std::int32_t dx, std::int32_t dy) {
    if (const game::Hit hit = WordPictureExercise::HitTest(dx, dy); hit != game::Hit{}) {
        return hit;
    }
    const Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    for (std::size_t k = 0; k < RowTiles.size(); ++k) {
        if (RowTiles[k]->Visible() && VehicleMapTouches(moved, RowTiles[k]->ObjectRect())) {
            return {static_cast<std::int32_t>(k), -1};
        }
    }
    return {};
}

bool CSchemat9::Choose(std::int32_t element, std::int32_t /*extra*/) {
    PictureTile* piece = PieceAt(element);
    // A letter already in the slot is no answer again.
    if (piece == nullptr || !piece->Selectable()) {
        return false;
    }
    if (element != 0) {
        if (Solved) {
            return false;
        }
        PlayFeedback(false);
        ++Stat.Last().Errors;
        piece->SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        return false;
    }
    ReplacedAnswer = std::move(Candidates[0]);
    PlayFeedback(true);
    ++Stat.Last().Points;
    const Rect& home = ReplacedAnswer->ObjectRect();
    Candidates[0] = std::make_unique<CLitCyf>(
        Host.HostForm(), Host.Context(), Point{home.Left, home.Top},
        ReplacedAnswer->Name() + std::string(RedTileSuffix), true, ReplacedAnswer->Number(), 0);
    CLitCyf& red = *Candidates[0];
    CLitCyf::LoadFrames(2);
    red.Paint();
    red.SetFrame(SelectionFrames::Green);
    red.SetSelectable(false);
    const Rect from = red.FrameRect();
    red.MoveTo({GapX, GapY});
    DissolveMove(from, red.FrameRect());
    Vehicle.Draw();
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void CSchemat9::Restart() {
    Host.StopAutoNext();
    if (ReplacedAnswer) {
        Candidates[0] = std::move(ReplacedAnswer);
        Candidates[0]->SetVisible(true);
    }
    for (std::size_t i = 0; i < Candidates.size(); ++i) {
        CLitCyf& c = *Candidates[i];
        c.MoveTo(HomePositions[i]);
        c.SetSelectable(true);
        c.RemoveFrame();
    }
    Stat.NewAttempt(Solved);
    Solved = false;
    ShowAgain();
}

Point CSchemat9::VehicleStart() {
    std::vector<Rect> row;
    for (const auto& t : RowTiles) {
        row.push_back(t->ObjectRect());
    }
    return StartClearOf(std::move(row));
}

}  // namespace exercises
