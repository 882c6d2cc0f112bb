#include "exercises/cschemat2_1.h"

#include "catalog/screen_geometry.h"
#include "exercises/draws.h"
#include "game/cgrupa.h"
#include "media/cslowo.h"
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

// Room between two cards of the row or the column, and between the column and the vehicle.
constexpr double kCardGap = 10;
constexpr double kVehicleGap = 20;

}  // namespace

CSchemat2_1::CSchemat2_1(game::ExerciseHost& host, const game::CWybor& settings)
    : PieceExercise(host, settings) {
    InstructionName = "S2_1";
    Cards.resize(kCardCount);
    const int level = Settings.Level();
    const int soundGroups = Settings.SoundGroups();
    const auto mask = SoundMask(soundGroups, SectionMaskL | SectionMaskR | SectionMaskJ);
    CreateInstructionPicture("mysl");
    const game::WordGroupTable& groups = Host.WordGroups();
    Group = game::ChooseWordGroup(groups, level, soundGroups);
    const game::CGrupa& g = groups[static_cast<size_t>(Group)];
    const std::int32_t answer = game::DrawGroupTarget(g, level, static_cast<std::uint32_t>(mask));
    std::int32_t t = 0;
    while (t == 0) {
        t = Random() % 6;
    }
    AnswerIndex = static_cast<std::int16_t>(t + 3);
    const auto make = [&](std::int32_t word, Point at, bool selectable) {
        return std::make_unique<CKarta>(Host.HostForm(), Host.Context(), at, pieces::NormalCardFolder,
                                        WordAt(word), selectable, 0, 0);
    };
    Cards[static_cast<size_t>(AnswerIndex)] = make(answer, {0, 0}, true);
    Answer().SetVisible(true);

    const ScreenGeometry& geometry = Geometry();
    const double s = geometry.LayoutScale;
    const Rect& layout = geometry.LayoutRect;
    const std::vector<std::int32_t> row =
        DrawWords(g.Words, mask, g.CountL, g.CountR, g.CountJ, kRowCount, answer);
    double x = static_cast<std::int32_t>(layout.Left + 63 * s);
    const auto rowY = static_cast<std::int32_t>(layout.Top + 376 * s);
    for (std::int32_t k = 0; k < kRowCount; ++k) {
        auto& card = Cards[static_cast<size_t>(k)];
        card = make(row[static_cast<size_t>(k)], {static_cast<std::int32_t>(x), rowY}, false);
        CKarta::LoadFrames(2);
        x = static_cast<std::int32_t>(x + card->PictureRect().Width() + kCardGap * s);
    }
    SlotX = static_cast<std::int32_t>(x);
    SlotY = rowY;

    const std::vector<std::int32_t> others =
        DrawWords(g.Others, mask, g.OtherL, g.OtherR, g.OtherJ, kCardCount - kRowCount - 1, -1);
    auto other = others.begin();
    const auto columnX = static_cast<std::int32_t>(layout.Left + 813 * s);
    double y = static_cast<std::int32_t>(layout.Top + 125 * s);
    for (std::int32_t k = kRowCount; k < kCardCount; ++k) {
        auto& card = Cards[static_cast<size_t>(k)];
        const Point at{columnX, static_cast<std::int32_t>(y)};
        if (k == AnswerIndex) {
            AnswerHomeX = at.X;
            AnswerHomeY = at.Y;
            card->MoveTo(at);
        } else {
            card = make(*other++, at, true);
            CKarta::LoadFrames(0);
        }
        y = static_cast<std::int32_t>(y + card->PictureRect().Height() + kCardGap * s);
    }
}

CSchemat2_1::~CSchemat2_1() = default;

CKarta* CSchemat2_1::CardAt(std::int32_t n) const {
    if (n < 0 || n >= kCardCount) {
        return nullptr;
    }
    return Cards[static_cast<size_t>(n)].get();
}

void CSchemat2_1::Show(bool on) {
    for (const auto& card : Cards) {
        card->SetEnabled(on);
    }
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
}

void CSchemat2_1::Paint() {
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
    // The answer card lends its frame to the empty place; the frame stays drawn there while
    // the card forgets it, so painting the card does not draw it again.
    CKarta& answer = Answer();
    const Point home{answer.ObjectRect().Left, answer.ObjectRect().Top};
    answer.MoveTo({SlotX, SlotY});
    answer.SetFrame(SelectionFrames::Yellow);
    answer.MoveTo(home);
    answer.SetFrameStyle(SelectionFrames::None);
    for (const auto& card : Cards) {
        card->Paint();
    }
}

bool CSchemat2_1::Choose(std::int32_t element, std::int32_t /*extra*/) {
    CKarta* card = CardAt(element);
    // The row, a placed answer and numbers outside the cards are no answer.
    if (card == nullptr || !card->Selectable()) {
        return false;
    }
    if (element != AnswerIndex) {
        if (Solved) {
            return false;
        }
        PlayFeedback(false);
        ++Stat.Last().Errors;
        card->SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        return false;
    }
    PlayFeedback(true);
    ++Stat.Last().Points;
    card->SetFrame(SelectionFrames::Green);
    card->SetSelectable(false);
    const Rect from = card->FrameRect();
    card->MoveTo({SlotX, SlotY});
    DissolveMove(from, card->FrameRect());
    Vehicle.Draw();
    // Completing the row counts a second point; the second praise is not heard over the first.
    PlayFeedback(true);
    ++Stat.Last().Points;
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void CSchemat2_1::Hint() {
    if (Solved) {
        return;
    }
    Answer().SetFrame(SelectionFrames::Blue);
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

void CSchemat2_1::Restart() {
    for (const auto& card : Cards) {
        card->RemoveFrame();
    }
    Host.StopAutoNext();
    CKarta& answer = Answer();
    const DrawContext context = Host.Context();
    context.RestoreBackground(answer.FrameRect());
    context.Queue(answer.FrameRect());
    answer.MoveTo({AnswerHomeX, AnswerHomeY});
    answer.SetSelectable(true);
    Stat.NewAttempt(Solved);
    Solved = false;
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

Point CSchemat2_1::VehicleStart() {
    const Rect& lowest = Cards[kCardCount - 1]->ObjectRect();
    return {static_cast<std::int32_t>(lowest.Right + kVehicleGap * Geometry().LayoutScale),
            lowest.Top};
}

std::optional<std::int32_t> CSchemat2_1::ObjectUnderVehicle() const {
    for (std::int32_t n = 0; n < kCardCount; ++n) {
        const CKarta& card = Card(n);
        if (card.Selectable() && card.Visible() && Vehicle.TouchesNear(card.ObjectRect())) {
            return n;
        }
    }
    return std::nullopt;
}

}  // namespace exercises
