#include "exercises/cschemat1_2.h"

#include <numeric>

#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
#include "exercises/draws.h"
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

// Room between two cards of a column, and between a joined card and its partner.
constexpr double kColumnGap = 25;
constexpr double kPairGap = 10;

// With no sound selected every trained-sound word may be drawn.
constexpr std::int32_t kAnySound = SectionMaskL | SectionMaskR | SectionMaskJ;

}  // namespace

CSchemat1_2::CSchemat1_2(game::ExerciseHost& host, const game::CWybor& settings)
    : CSuperSchemat(host, settings) {
    CreateInstructionPicture("sluch");
    Host.EnableHelp(false);
    InstructionName = "S1_2";
    CreateCards();
}

CSchemat1_2::~CSchemat1_2() = default;

void CSchemat1_2::CreateCards() {
    const ScreenGeometry& g = Geometry();
    LeftColumnX = g.MapX(190);
    LeftColumnY = g.MapY(138);
    RightColumnX = g.MapX(950);
    RightColumnY = LeftColumnY;
    const auto mask = static_cast<std::uint32_t>(SoundMask(Settings.SoundGroups(), kAnySound));
    const DrawContext context = Host.Context();
    const auto makeCard = [&](const CSlowo& word, Point at) {
        Cards.push_back(
            std::make_unique<CKarta>(Host.HostForm(), context, at, kCardFolder, word, true, 0, 0));
    };
    // The left column: five words of the selected sounds, no key twice.
    for (std::int32_t j = 0; j < kColumnCount; ++j) {
        const CSlowo* word = nullptr;
        while (word == nullptr) {
            const CSlowo& w = WordAt(Random() % WordCount);
            bool taken = false;
            for (const auto& card : Cards) {
                taken = taken || card->Word().Key == w.Key;
            }
            if (w.Matches(mask) && !taken) {
                word = &w;
            }
        }
        makeCard(*word, {LeftColumnX, LeftColumnY});
        LeftColumnY += Cards[0]->PictureRect().Height() + g.MapLength(kColumnGap);
    }
    // The right column: the same words, each starting from a random one of the left column
    // and taking the next that is not used yet.
    std::array<bool, kColumnCount> used{};
    for (std::int32_t k = kColumnCount; k < kCardCount; ++k) {
        std::int32_t b = 0;
        while (b == 0) {
            b = Random() % (kColumnCount + 1);
        }
        std::int32_t entry = b - 1;
        while (used[static_cast<size_t>(entry)]) {
            entry = (entry + 1) % kColumnCount;
        }
        used[static_cast<size_t>(entry)] = true;
        makeCard(Cards[static_cast<size_t>(entry)]->Word(), {RightColumnX, RightColumnY});
        RightColumnY += Cards[0]->PictureRect().Height() + g.MapLength(kColumnGap);
    }
    for (const auto& card : Cards) {
        HomePositions.push_back({card->CardRect().Left, card->CardRect().Top});
    }
}

CKarta* CSchemat1_2::CardAt(std::int32_t n) const {
    if (n < 0 || n >= static_cast<std::int32_t>(Cards.size())) {
        return nullptr;
    }
    return Cards[static_cast<size_t>(n)].get();
}

void CSchemat1_2::RemoveFrames() {
    for (const auto& card : Cards) {
        card->RemoveFrame();
    }
}

void CSchemat1_2::Show(bool on) {
    for (const auto& card : Cards) {
        card->SetEnabled(on);
    }
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
    Host.EnableHelp(!(on && Selected == -1));
}

void CSchemat1_2::Paint() {
    for (const auto& card : Cards) {
        card->Paint();  // a hidden card paints nothing
    }
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
}

bool CSchemat1_2::Choose(std::int32_t a, std::int32_t /*extra*/) {
    CKarta* card = CardAt(a);
    // Only the picked card may be chosen while it is untouchable: choosing it again puts
    // it back. Any other untouchable card (joined, or blocked after a wrong touch) is not
    // an answer.
    if (card == nullptr || (a != Selected && !card->Selectable())) {
        return false;
    }
    if (Selected == -1) {
        Host.EnableHelp(true);
        card->SetFrame(SelectionFrames::Yellow);
        Selected = a;
        SelectedKey = card->Word().Key;
        // The frame may have covered part of the vehicle.
        Vehicle.Draw();
        return false;
    }
    if (a == Selected) {
        Host.EnableHelp(false);
        card->SetSelectable(true);
        RemoveFrames();
        Selected = -1;
        Vehicle.Draw();
        return false;
    }
    return ChooseSecond(a);
}

bool CSchemat1_2::ChooseSecond(std::int32_t a) {
    CKarta& card = *Cards[static_cast<size_t>(a)];
    if (card.Word().Key != SelectedKey) {
        if (Solved) {
            return false;
        }
        PlayFeedback(false);
        ++Stat.Last().Errors;
        card.SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
        return false;
    }
    Host.EnableHelp(false);
    PlayFeedback(true);
    ++Stat.Last().Points;
    RemoveFrames();
    CKarta& first = *Cards[static_cast<size_t>(Selected)];
    card.SetFrame(SelectionFrames::Green);
    first.SetFrame(SelectionFrames::Green);
    // The right-hand card travels to the left side of its partner.
    CKarta& left = a < kColumnCount ? card : first;
    CKarta& right = a < kColumnCount ? first : card;
    const Rect& l = left.CardRect();
    const Rect from = right.FrameRect();
    right.MoveTo({l.Left - l.Width() - Geometry().MapLength(kPairGap), l.Top});
    DissolveMove(from, right.FrameRect());
    for (const std::int32_t n : {a, Selected}) {
        Cards[static_cast<size_t>(n)]->SetSelectable(false);
        Joined[static_cast<size_t>(n)] = true;
    }
    Selected = -1;
    Vehicle.Draw();
    MatchedCount += 2;
    if (MatchedCount < kCardCount) {
        return false;
    }
    Solved = true;
    Host.DrawScore();
    Vehicle.Celebrate(5);
    return true;
}

void CSchemat1_2::Hint() {
    if (Selected == -1 || Solved) {
        return;
    }
    const std::int32_t first = Selected < kColumnCount ? kColumnCount : 0;
    for (std::int32_t n = first; n < first + kColumnCount; ++n) {
        CKarta& card = *Cards[static_cast<size_t>(n)];
        if (card.Word().Key == SelectedKey) {
            card.SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

void CSchemat1_2::Restart() {
    Host.StopAutoNext();
    Host.EnableHelp(false);
    for (std::int32_t n = 0; n < kCardCount; ++n) {
        CKarta& card = *Cards[static_cast<size_t>(n)];
        card.SetSelectable(true);
        card.RemoveFrame();
        card.Erase();
        card.MoveTo(HomePositions[static_cast<size_t>(n)]);
    }
    Joined = {};
    MatchedCount = 0;
    Selected = -1;
    SelectedKey.clear();
    Stat.NewAttempt(Solved);
    Solved = false;
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

bool CSchemat1_2::Block(std::int32_t element) {
    CKarta* card = CardAt(element);
    if (card == nullptr || !card->Selectable()) {
        return false;
    }
    card->SetSelectable(false);
    return true;
}

void CSchemat1_2::Unblock(std::int32_t element) {
    // The card may have been joined while it was blocked; a joined card stays untouchable.
    if (CKarta* card = CardAt(element); card != nullptr && !Joined[static_cast<size_t>(element)]) {
        card->SetSelectable(true);
    }
}

Point CSchemat1_2::VehicleStart() {
    const ScreenGeometry& g = Geometry();
    return {LeftColumnX + (RightColumnX - LeftColumnX) / 2, g.LayoutRect.Top + g.DesignHeight / 2};
}

Rect CSchemat1_2::ObjectRect(std::int32_t n) const {
    return Cards.at(static_cast<size_t>(n))->CardRect();
}

bool CSchemat1_2::ObjectVisible(std::int32_t n) const {
    return Cards.at(static_cast<size_t>(n))->Visible();
}

bool CSchemat1_2::ObjectSelectable(std::int32_t n) const {
    return Cards.at(static_cast<size_t>(n))->Selectable();
}

void CSchemat1_2::HighlightObject(std::int32_t n, bool on) {
    CKarta& card = *Cards.at(static_cast<size_t>(n));
    if (on) {
        card.SetFrame(SelectionFrames::Orange);
    } else if (n == Selected) {
        card.SetFrame(SelectionFrames::Yellow);
    } else {
        card.RemoveFrame();
    }
}

void CSchemat1_2::ZoomObject(std::int32_t n) {
    Cards.at(static_cast<size_t>(n))->Zoom();
}

bool CSchemat1_2::VehicleTouches(const Rect& vehicle, const Rect& object) const {
    return VehicleMapTouches(vehicle, object);
}

std::vector<std::int32_t> CSchemat1_2::ObjectScanOrder() const {
    std::vector<std::int32_t> order(kCardCount);
    std::iota(order.begin(), order.end(), 0);
    return order;
}

bool CSchemat1_2::ScanStop() {
    if (const auto object = ObjectAt(ScanPos); object && *object == Selected) {
        Cards[static_cast<size_t>(Selected)]->SetFrame(SelectionFrames::Yellow);
        ScanPos = -1;
        return true;
    }
    return CSuperSchemat::ScanStop();
}

}  // namespace exercises
