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
    : PieceExercise(host, settings) {
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
    if (std::none_of(WordDatabase().begin(), WordDatabase().end(), fits)) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    do {
        Word = Random() % WordCount;
    } while (!fits(WordAt(Word)));
    const CSlowo& word = WordAt(Word);

    const Rect& ear = InstructionPicture->PictureRectOnScreen();
    WordCard = std::make_unique<CKarta>(Host.HostForm(), Host.Context(), Point{0, 0}, pieces::NormalCardFolder,
                                        word, true, 0, 0);
    WordCard->MoveTo({ear.Left + g.MapLength(16), ear.Top + g.MapLength(16)});
    WordCard->SetOnClick([this](platform::MouseEvent&) { PlayInstruction(); });
    WordCard->SetOnDoubleClick([this](platform::MouseEvent&) { Restart(); });
    WordCard->SetVisible(false);

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

std::vector<std::int32_t> CSchemat9::ObjectScanOrder() const {
    return OrderByLeftEdge(PieceExercise::ObjectScanOrder());
}

void CSchemat9::Show(bool on) {
    for (const auto& c : Candidates) {
        c->SetEnabled(on);
    }
    for (const auto& t : RowTiles) {
        t->SetEnabled(on);
    }
    WordCard->SetEnabled(on);
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
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

void CSchemat9::StartAnimation() {
    EndAnimationThread();
    AnimationThread = WordCard->StartAnimation(Host.Context().Invalidate);
}

void CSchemat9::EndAnimation() {
    WordCard->SetVisible(true);
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
    const Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    // The word's picture stops the vehicle even before it has faded in.
    if (VehicleMapTouches(moved, WordCard->ObjectRect())) {
        return {-1, -1};
    }
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        const CLitCyf& c = *Candidates[static_cast<size_t>(i)];
        if (c.Visible() && VehicleMapTouches(moved, c.ObjectRect())) {
            return {i, c.Selectable() ? 1 : -1};
        }
    }
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
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

Point CSchemat9::VehicleStart() {
    const int vw = Vehicle.Width();
    const int vh = Vehicle.Height();
    std::vector<Rect> objects{WordCard->ObjectRect()};
    for (const auto& c : Candidates) {
        objects.push_back(c->ObjectRect());
    }
    for (const auto& t : RowTiles) {
        objects.push_back(t->ObjectRect());
    }
    const Point before{static_cast<int>(1.1 * vw) + 1, static_cast<int>(1.1 * vh) + 1};
    const Point after{static_cast<int>(0.1 * vw) + 1, static_cast<int>(0.1 * vh) + 1};
    const auto fits = [&](Point p) {
        return WorkRect.Left < p.X && p.X < WorkRect.Right - vw && WorkRect.Top < p.Y &&
               p.Y < WorkRect.Bottom - vh &&
               std::none_of(objects.begin(), objects.end(),
                            [&](const Rect& r) { return InBand(r, p, before, after); });
    };
    return DrawFreePoint(WorkRect, fits);
}

std::optional<std::int32_t> CSchemat9::ObjectUnderVehicle() const {
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        const CLitCyf& c = *Candidates[static_cast<size_t>(i)];
        if (c.Selectable() && c.Visible() && Vehicle.TouchesNear(c.ObjectRect())) {
            return i;
        }
    }
    return std::nullopt;
}

bool CSchemat9::ScanNext() {
    if (ScanOrder.empty()) {
        ScanOrder.push_back(-1);  // the word's picture
        const std::vector<std::int32_t> objects = ObjectScanOrder();
        ScanOrder.insert(ScanOrder.end(), objects.begin(), objects.end());
        ScanPos = -1;
    }
    const auto count = static_cast<std::int32_t>(ScanOrder.size());
    std::int32_t position = std::clamp(ScanPos, -1, count - 1);
    do {
        position = position + 1 >= count ? 0 : position + 1;
    } while (position != 0 && !ObjectSelectable(ScanOrder[static_cast<size_t>(position)]));
    ScanStop();
    ScanPos = position;
    if (position == 0) {
        WordCard->SetFrame(SelectionFrames::Orange);
    } else {
        HighlightObject(ScanOrder[static_cast<size_t>(position)], true);
    }
    return position == count - 1;
}

bool CSchemat9::ScanStop() {
    if (ScanPos < 0 || ScanPos >= static_cast<std::int32_t>(ScanOrder.size())) {
        return false;
    }
    if (ScanPos == 0) {
        WordCard->RemoveFrame();
    } else if (const std::int32_t n = ScanOrder[static_cast<size_t>(ScanPos)];
               ObjectSelectable(n)) {
        HighlightObject(n, false);
    }
    ScanPos = -1;
    return true;
}

bool CSchemat9::ScanZoom() {
    if (ScanPos == 0 && !ScanOrder.empty()) {
        WordCard->Zoom();
        return true;
    }
    return PieceExercise::ScanZoom();
}

bool CSchemat9::ScanSelect() {
    if (ScanPos == 0 && !ScanOrder.empty()) {
        PlayInstruction();
        return false;
    }
    const auto object = ObjectAt(ScanPos);
    return object && ObjectSelectable(*object) && Choose(*object, 0);
}

}  // namespace exercises
