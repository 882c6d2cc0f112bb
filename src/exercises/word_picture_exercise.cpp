#include "exercises/word_picture_exercise.h"

#include <algorithm>

#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
#include "exercises/placement.h"
#include "media/cblad.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

void WordPictureExercise::DrawWord(const std::function<bool(const CSlowo&)>& fits) {
    if (std::none_of(WordDatabase().begin(), WordDatabase().end(), fits)) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    do {
        Word = Random() % WordCount;
    } while (!fits(WordAt(Word)));
}

void WordPictureExercise::CreateWordCard() {
    const ScreenGeometry& g = Geometry();
    const Rect& ear = InstructionPicture->PictureRectOnScreen();
    WordCard = std::make_unique<CKarta>(Host.HostForm(), Host.Context(), Point{0, 0},
                                        pieces::NormalCardFolder, WordAt(Word), true, 0, 0);
    WordCard->MoveTo({ear.Left + g.MapLength(16), ear.Top + g.MapLength(16)});
    WordCard->SetOnClick([this](platform::MouseEvent&) { PlayInstruction(); });
    WordCard->SetOnDoubleClick([this](platform::MouseEvent&) { Restart(); });
    WordCard->SetVisible(false);
}

void WordPictureExercise::Show(bool on) {
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        PieceAt(n)->SetEnabled(on);
    }
    WordCard->SetEnabled(on);
    if (InstructionPicture) {
        InstructionPicture->SetEnabled(on);
    }
}

void WordPictureExercise::ShowAgain() {
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

void WordPictureExercise::StartAnimation() {
    EndAnimationThread();
    AnimationThread = WordCard->StartAnimation(Host.Context().Invalidate);
}

void WordPictureExercise::EndAnimation() {
    WordCard->SetVisible(true);
}

game::Hit WordPictureExercise::HitTest(std::int32_t dx, std::int32_t dy) {
    // The word's picture stops the vehicle even before it has faded in.
    if (VehicleMapTouches(Vehicle.Rectangle().Offset(dx, dy), WordCard->ObjectRect())) {
        return {-1, -1};
    }
    return PieceExercise::HitTest(dx, dy);
}

std::optional<std::int32_t> WordPictureExercise::ObjectUnderVehicle() const {
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        if (ObjectSelectable(n) && ObjectVisible(n) && Vehicle.TouchesNear(ObjectRect(n))) {
            return n;
        }
    }
    return std::nullopt;
}

Point WordPictureExercise::StartClearOf(std::vector<Rect> others) const {
    const int vw = Vehicle.Width();
    const int vh = Vehicle.Height();
    others.push_back(WordCard->ObjectRect());
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        others.push_back(ObjectRect(n));
    }
    // Clear of an object: not within 1.1 vehicle sizes before it or 0.1 after it.
    const auto near = [&](const Rect& r, Point p) {
        return r.Left - 1.1 * vw - 1 < p.X && p.X < r.Right + 0.1 * vw + 1 &&
               r.Top - 1.1 * vh - 1 < p.Y && p.Y < r.Bottom + 0.1 * vh + 1;
    };
    const auto fits = [&](Point p) {
        return WorkRect.Left < p.X && p.X < WorkRect.Right - vw && WorkRect.Top < p.Y &&
               p.Y < WorkRect.Bottom - vh &&
               std::none_of(others.begin(), others.end(),
                            [&](const Rect& r) { return near(r, p); });
    };
    return DrawFreePoint(WorkRect, fits);
}

std::vector<std::int32_t> WordPictureExercise::ObjectScanOrder() const {
    return OrderByLeftEdge(PieceExercise::ObjectScanOrder());
}

bool WordPictureExercise::ScanNext() {
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
    // The last piece still to choose ends the round; with none left it never ends there.
    return LastSelectablePosition(position);
}

bool WordPictureExercise::ScanStop() {
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

bool WordPictureExercise::ScanZoom() {
    if (ScanPos == 0 && !ScanOrder.empty()) {
        WordCard->Zoom();
        return true;
    }
    return PieceExercise::ScanZoom();
}

bool WordPictureExercise::ScanSelect() {
    if (ScanPos == 0 && !ScanOrder.empty()) {
        PlayInstruction();
        return false;
    }
    const auto object = ObjectAt(ScanPos);
    return object && ObjectSelectable(*object) && Choose(*object, 0);
}

}  // namespace exercises
