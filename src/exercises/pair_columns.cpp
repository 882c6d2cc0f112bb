#include "exercises/pair_columns.h"

#include <algorithm>
#include <utility>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
#include "exercises/draws.h"
#include "media/random.h"
#include "pieces/clitcyf.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

// Room between a joined piece and its partner.
constexpr double kPairGap = 10;
// Room between two cards of a column.
constexpr double kCardRowGap = 25;

}  // namespace

PairColumns::PairColumns(game::ExerciseHost& host, const game::CWybor& settings,
                         std::string instructionName, double rowGap)
    : PieceExercise(host, settings), RowGap(rowGap) {
    CreateInstructionPicture("sluch");
    Host.EnableHelp(false);
    InstructionName = std::move(instructionName);
    const ScreenGeometry& g = Geometry();
    LeftColumnX = g.MapX(190);
    LeftColumnY = g.MapY(138);
    RightColumnX = g.MapX(950);
    RightColumnY = LeftColumnY;
}

PairColumns::~PairColumns() = default;

PairColumns::PartnerOrder PairColumns::DrawPartnerOrder() {
    PartnerOrder order{};
    std::array<bool, kColumnCount> placed{};
    for (std::int32_t& entry : order) {
        std::int32_t b = 0;
        while (b == 0) {
            b = Random() % (kColumnCount + 1);
        }
        entry = b - 1;
        while (placed[static_cast<size_t>(entry)]) {
            entry = (entry + 1) % kColumnCount;
        }
        placed[static_cast<size_t>(entry)] = true;
    }
    return order;
}

void PairColumns::CreateColumns(const PartnerOrder& order, const MakePiece& make) {
    const std::int32_t gap = Geometry().MapLength(RowGap);
    const auto add = [&](std::int32_t pair, bool right) {
        std::int32_t& y = right ? RightColumnY : LeftColumnY;
        Pieces.push_back(make(pair, right, {right ? RightColumnX : LeftColumnX, y}));
        PairIds.push_back(pair);
        y += Pieces[0]->PictureRect().Height() + gap;
    };
    for (std::int32_t pair = 0; pair < kColumnCount; ++pair) {
        add(pair, false);
    }
    for (const std::int32_t pair : order) {
        add(pair, true);
    }
    for (const auto& piece : Pieces) {
        HomePositions.push_back({piece->ObjectRect().Left, piece->ObjectRect().Top});
    }
}

PictureTile* PairColumns::PieceAt(std::int32_t n) const {
    if (n < 0 || n >= static_cast<std::int32_t>(Pieces.size())) {
        return nullptr;
    }
    return Pieces[static_cast<size_t>(n)].get();
}

void PairColumns::RemoveFrames() {
    for (const auto& piece : Pieces) {
        piece->RemoveFrame();
    }
}

void PairColumns::Show(bool on) {
    for (const auto& piece : Pieces) {
        piece->SetEnabled(on);
    }
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
    Host.EnableHelp(!(on && Selected == -1));
}

void PairColumns::Paint() {
    for (const auto& piece : Pieces) {
        piece->Paint();  // a hidden piece paints nothing
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
}

bool PairColumns::Choose(std::int32_t a, std::int32_t /*extra*/) {
    PictureTile* piece = PieceAt(a);
    // Only the picked piece may be chosen while it is untouchable: choosing it again puts
    // it back. Any other untouchable piece (joined, or blocked after a wrong touch) is not
    // an answer.
    if (piece == nullptr || (a != Selected && !piece->Selectable())) {
        return false;
    }
    if (Selected == -1) {
        Host.EnableHelp(true);
        piece->SetFrame(SelectionFrames::Yellow);
        Selected = a;
        // The frame may have covered part of the vehicle.
        Vehicle.Draw();
        return false;
    }
    if (a == Selected) {
        Host.EnableHelp(false);
        piece->SetSelectable(true);
        RemoveFrames();
        Selected = -1;
        Vehicle.Draw();
        return false;
    }
    return ChooseSecond(a);
}

bool PairColumns::ChooseSecond(std::int32_t a) {
    PictureTile& piece = *Pieces[static_cast<size_t>(a)];
    if (PairOf(a) != PairOf(Selected)) {
        if (Solved) {
            return false;
        }
        PlayFeedback(false);
        ++Stat.Last().Errors;
        piece.SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        return false;
    }
    Host.EnableHelp(false);
    PlayFeedback(true);
    ++Stat.Last().Points;
    RemoveFrames();
    PictureTile& first = *Pieces[static_cast<size_t>(Selected)];
    piece.SetFrame(SelectionFrames::Green);
    first.SetFrame(SelectionFrames::Green);
    // The right-hand piece travels to the left side of its partner.
    PictureTile& left = a < kColumnCount ? piece : first;
    PictureTile& right = a < kColumnCount ? first : piece;
    const Rect& l = left.ObjectRect();
    const Rect from = right.FrameRect();
    right.MoveTo({l.Left - l.Width() - Geometry().MapLength(kPairGap), l.Top});
    DissolveMove(from, right.FrameRect());
    for (const std::int32_t n : {a, Selected}) {
        Pieces[static_cast<size_t>(n)]->SetSelectable(false);
        Joined[static_cast<size_t>(n)] = true;
    }
    Selected = -1;
    Vehicle.Draw();
    MatchedCount += 2;
    if (MatchedCount < kPieceCount) {
        return false;
    }
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void PairColumns::Hint() {
    if (Selected == -1 || Solved) {
        return;
    }
    const std::int32_t first = Selected < kColumnCount ? kColumnCount : 0;
    for (std::int32_t n = first; n < first + kColumnCount; ++n) {
        if (PairOf(n) == PairOf(Selected)) {
            Pieces[static_cast<size_t>(n)]->SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

void PairColumns::Restart() {
    Host.StopAutoNext();
    Host.EnableHelp(false);
    for (std::int32_t n = 0; n < kPieceCount; ++n) {
        PictureTile& piece = *Pieces[static_cast<size_t>(n)];
        piece.SetSelectable(true);
        piece.RemoveFrame();
        piece.Erase();
        piece.MoveTo(HomePositions[static_cast<size_t>(n)]);
    }
    Joined = {};
    MatchedCount = 0;
    Selected = -1;
    Stat.NewAttempt(Solved);
    Solved = false;
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

bool PairColumns::Block(std::int32_t element) {
    PictureTile* piece = PieceAt(element);
    if (piece == nullptr || !piece->Selectable()) {
        return false;
    }
    piece->SetSelectable(false);
    return true;
}

void PairColumns::Unblock(std::int32_t element) {
    // The piece may have been joined while it was blocked; a joined piece stays untouchable.
    if (PictureTile* piece = PieceAt(element);
        piece != nullptr && !Joined[static_cast<size_t>(element)]) {
        piece->SetSelectable(true);
    }
}

Point PairColumns::VehicleStart() {
    const ScreenGeometry& g = Geometry();
    return {LeftColumnX + (RightColumnX - LeftColumnX) / 2, g.LayoutRect.Top + g.DesignHeight / 2};
}

void PairColumns::HighlightObject(std::int32_t n, bool on) {
    if (!on && n == Selected) {
        Pieces.at(static_cast<size_t>(n))->SetFrame(SelectionFrames::Yellow);
    } else {
        PieceExercise::HighlightObject(n, on);
    }
}

bool PairColumns::ScanStop() {
    if (const auto object = ObjectAt(ScanPos); object && *object == Selected) {
        Pieces[static_cast<size_t>(Selected)]->SetFrame(SelectionFrames::Yellow);
        ScanPos = -1;
        return true;
    }
    return PieceExercise::ScanStop();
}

CardPairs::CardPairs(game::ExerciseHost& host, const game::CWybor& settings,
                     std::string instructionName)
    : PairColumns(host, settings, std::move(instructionName), kCardRowGap) {}

std::uint32_t CardPairs::WordMask() const {
    return static_cast<std::uint32_t>(
        SoundMask(Settings.SoundGroups(), SectionMaskL | SectionMaskR | SectionMaskJ));
}

std::array<const CSlowo*, PairColumns::kColumnCount> CardPairs::DrawDifferentWords() const {
    const std::uint32_t mask = WordMask();
    std::array<const CSlowo*, kColumnCount> words{};
    for (auto it = words.begin(); it != words.end(); ++it) {
        while (*it == nullptr) {
            const CSlowo& w = WordAt(Random() % WordCount);
            const bool taken = std::any_of(
                words.begin(), it, [&](const CSlowo* other) { return other->Key == w.Key; });
            if (w.Matches(mask) && !taken) {
                *it = &w;
            }
        }
    }
    return words;
}

std::unique_ptr<PictureTile> CardPairs::MakeCard(const char* folder, const CSlowo& word, Point at,
                                                 std::int32_t tag) {
    return std::make_unique<CKarta>(Host.HostForm(), Host.Context(), at, folder, word, true, 0,
                                    tag);
}

TilePairs::TilePairs(game::ExerciseHost& host, const game::CWybor& settings,
                     std::string instructionName, double rowGap)
    : PairColumns(host, settings, std::move(instructionName), rowGap) {}

TilePairs::Codes TilePairs::DrawDifferentCodes(std::int32_t first) {
    Codes codes{};
    for (auto it = codes.begin(); it != codes.end(); ++it) {
        do {
            std::int32_t a = 0;
            while (a == 0) {
                a = Random() % 11;
            }
            *it = a + first - 1;
        } while (std::find(codes.begin(), it, *it) != it);
    }
    return codes;
}

void TilePairs::CreateTileColumns(const Codes& codes, std::int32_t partnerOffset) {
    const DrawContext context = Host.Context();
    CreateColumns(DrawPartnerOrder(), [&](std::int32_t pair, bool right, Point at) {
        const std::int32_t code = codes[static_cast<size_t>(pair)] + (right ? partnerOffset : 0);
        return std::make_unique<CLitCyf>(Host.HostForm(), context, at,
                                         std::string(SymbolName(code)), true, code, 0);
    });
}

}  // namespace exercises
