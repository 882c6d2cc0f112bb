#include "exercises/cschemat10.h"

#include <algorithm>
#include <string>
#include <string_view>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "exercises/placement.h"
#include "exercises/shelf.h"
#include "media/cslowo.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// Room between two places of the shelf, in design pixels.
constexpr double kPlaceGap = 20;
// How far the vehicle keeps from the letters placed before, in vehicle sizes.
constexpr Clearance kTileClearance{1.3, 1.3};

// Whether the practised sound of a spelling is written with one letter: the mark, one
// character, then the comma that ends the grapheme.
bool SoundIsOneLetter(std::string_view spelling) {
    const std::size_t mark = spelling.find('_');
    if (mark == std::string_view::npos) {
        return false;
    }
    const std::vector<std::string> characters = SplitCharacters(spelling.substr(mark));
    return characters.size() > 2 && characters[2] == ",";
}

}  // namespace

CSchemat10::CSchemat10(game::ExerciseHost& host, const game::CWybor& settings)
    : WordPictureExercise(host, settings) {
    InstructionName = "S10";
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreePieces(); });
}

CSchemat10::~CSchemat10() = default;

void CSchemat10::FreePieces() {
    Tiles.clear();
    HomePositions.clear();
    WordCard.reset();
    InstructionPicture.reset();
}

void CSchemat10::Build() {
    const ScreenGeometry& g = Geometry();
    const double s = g.LayoutScale;
    CreateInstructionPicture("sluch");
    const auto mask = static_cast<std::uint32_t>(SoundMask(Settings.SoundGroups(), 0));
    // At level IV short words only: five letters or fewer on the shelf.
    const bool shortWords = Settings.Level() == game::LevelIV;
    DrawWord([&](const CSlowo& w) {
        if (!w.Matches(mask) || w.MarkedIndex() < 0) {
            return false;
        }
        return !shortWords || w.Key.size() <= (SoundIsOneLetter(w.Spelling) ? kMaxKeyOneLetterSound
                                                                            : kMaxKeyLongerSound);
    });
    CreateWordCard();
    // Only a bound for the placement; the shelf sets the places.
    SlotY = static_cast<std::int32_t>(g.LayoutRect.Top + g.DesignHeight -
                                      WordCard->PictureRect().Height() - 10 * s);

    // One tile per character; the practised sound, however written, is one red tile.
    const std::string& spelling = WordCard->Word().Spelling;
    const std::vector<std::string> characters = SplitCharacters(spelling);
    bool marked = false;
    for (std::size_t p = 0; p < characters.size(); ++p) {
        const std::string& c = characters[p];
        if (c == ",") {
            continue;
        }
        if (c == "_") {
            // A second mark is no second red letter: the letters after it are plain.
            if (!marked) {
                marked = true;
                AddTile(std::string(SymbolName(SoundOfName(spelling))) +
                        std::string(RedTileSuffix));
                while (p + 1 < characters.size() && characters[p + 1] != ",") {
                    ++p;
                }
            }
            continue;
        }
        AddTile(LetterFileName(c));
    }

    const auto n = static_cast<double>(Tiles.size());
    const int cardWidth = WordCard->PictureRect().Width();
    // The 20 is in screen pixels, in both layouts.
    RowStartX = static_cast<std::int32_t>(g.LayoutRect.Left + g.DesignWidth / 2 -
                                          n * 0.5 * (cardWidth + 20));
    SlotX = RowStartX;
    NextLetter = 1;
}

void CSchemat10::AddTile(const std::string& name) {
    const Point at = PlaceTile(Tiles.size());
    HomePositions.push_back(at);
    Tiles.push_back(std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at, name, true,
                                              static_cast<std::int32_t>(Tiles.size()) + 1, 0));
    CLitCyf::LoadFrames(2);
    Tiles.back()->SetFrame(SelectionFrames::Green);
}

Point CSchemat10::PlaceTile(std::size_t k) const {
    const ScreenGeometry& g = Geometry();
    const double margin = 100 * g.LayoutScale;
    const Point vehicle{Vehicle.Width(), Vehicle.Height()};
    const Rect& card = WordCard->ObjectRect();
    return DrawPlacement(
        [&] { return RandomPointInQuadrant(static_cast<int>(k % 4) + 1); },
        [&](Point p) {
            if (p.X <= WorkRect.Left || p.X >= WorkRect.Right - margin || p.Y <= WorkRect.Top ||
                p.Y >= WorkRect.Bottom - margin || p.Y >= SlotY - margin) {
                return false;
            }
            // Clear of the word's picture, sized as the letter made last.
            if (k > 0) {
                const Rect& last = Tiles[k - 1]->ObjectRect();
                if (card.Left - last.Width() - 1 < p.X && p.X < card.Right + 1 &&
                    card.Top - last.Height() - 1 < p.Y && p.Y < card.Bottom + 1) {
                    return false;
                }
            }
            return std::all_of(Tiles.begin(), Tiles.begin() + static_cast<long>(k),
                               [&](const auto& t) {
                                   return KeepsClear(p, t->ObjectRect(), vehicle, kTileClearance);
                               });
        });
}

PictureTile* CSchemat10::PieceAt(std::int32_t n) const {
    if (n < 0 || n >= ObjectCount()) {
        return nullptr;
    }
    return Tiles[static_cast<size_t>(n)].get();
}

void CSchemat10::Paint() {
    const double s = Geometry().LayoutScale;
    if (!Solved) {
        // Each place is marked by drawing its letter's green frame there.
        std::int32_t x = RowStartX;
        for (const auto& t : Tiles) {
            const Rect home = t->ObjectRect();
            const std::int16_t style = t->FrameStyle();
            t->MoveTo({x, SlotY});
            t->SetFrame(SelectionFrames::Green);
            t->MoveTo({home.Left, home.Top});
            t->SetFrameStyle(style);
            x = static_cast<std::int32_t>(x + t->PictureRect().Width() + kPlaceGap * s);
        }
    }
    for (const auto& t : Tiles) {
        t->Paint();
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
    WordCard->Paint();
}

void CSchemat10::DrawScenery() {
    const ShelfPlace shelf = DrawShelf(Host.Context(), RowStartX, Tiles.size(), {}, std::nullopt,
                                       /*leftPieces=*/1.5);
    SlotY = static_cast<std::int32_t>(shelf.Top + 15 * Geometry().LayoutScale);
}

void CSchemat10::Hint() {
    if (Solved) {
        return;
    }
    // The expected tile itself may stand on the shelf already, taken for a twin letter
    // earlier; then the twin still about is the one to show.
    const std::string& expected = Tiles[static_cast<size_t>(NextLetter - 1)]->Name();
    const auto it = std::find_if(Tiles.begin(), Tiles.end(), [&](const auto& t) {
        return t->Selectable() && t->Name() == expected;
    });
    if (it != Tiles.end()) {
        (*it)->SetFrame(SelectionFrames::Blue);
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

bool CSchemat10::Choose(std::int32_t element, std::int32_t /*extra*/) {
    PictureTile* piece = PieceAt(element);
    // A letter on the shelf is no answer again (and once solved every letter is there).
    if (piece == nullptr || !piece->Selectable()) {
        return false;
    }
    CLitCyf& chosen = *Tiles[static_cast<size_t>(element)];
    const CLitCyf& expected = *Tiles[static_cast<size_t>(NextLetter - 1)];
    if (chosen.Name() != expected.Name()) {
        PlayFeedback(false);
        ++Stat.Last().Errors;
        chosen.SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        return false;
    }
    PlayFeedback(true);
    ++Stat.Last().Points;
    for (const auto& t : Tiles) {
        if (t->Selectable()) {
            t->RemoveFrame();
        }
    }
    chosen.SetSelectable(false);
    chosen.SetFrame(SelectionFrames::Green);
    const Rect from = chosen.FrameRect();
    chosen.MoveTo({SlotX, SlotY});
    DissolveMove(from, chosen.FrameRect());
    Vehicle.Draw();
    SlotX = static_cast<std::int32_t>(chosen.PictureRect().Width() +
                                      kPlaceGap * Geometry().LayoutScale + SlotX);
    ++NextLetter;
    if (NextLetter <= static_cast<std::int32_t>(Tiles.size())) {
        return false;
    }
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void CSchemat10::Restart() {
    Host.StopAutoNext();
    for (std::size_t i = 0; i < Tiles.size(); ++i) {
        CLitCyf& t = *Tiles[i];
        // A letter on the shelf leaves nothing behind; the shelf is drawn again below.
        t.RemoveFrame();
        t.Erase();
        t.MoveTo(HomePositions[i]);
        t.SetSelectable(true);
    }
    Stat.NewAttempt(Solved);
    Solved = false;
    SlotX = RowStartX;
    NextLetter = 1;
    ShowAgain();
}

Point CSchemat10::VehicleStart() {
    return StartClearOf({});
}

}  // namespace exercises
