#include "exercises/csuper_schemat.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <utility>

#include "catalog/screen_geometry.h"
#include "exercises/background_rotation.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "media/sounds.h"
#include "pieces/csynch_loop.h"

using namespace catalog;
using namespace media;

namespace exercises {

using platform::Bitmap;
using platform::Rect;

namespace {

constexpr int kDissolveFrames = 40;
constexpr uint32_t kDissolvePeriodMs = 20;
constexpr int kDissolveStep = 4;

// Every byte of every row of from moves toward the byte at the same place in to by at most
// kDissolveStep; a smaller difference is closed exactly.
void StepToward(Bitmap& from, const Bitmap& to) {
    const int rowBytes = std::min(from.Stride(), to.Stride());
    for (int y = 0; y < from.Height(); ++y) {
        uint8_t* a = from.Row(y);
        const uint8_t* b = to.Row(y);
        for (int i = 0; i < rowBytes; ++i) {
            const int d = b[i] - a[i];
            a[i] = static_cast<uint8_t>(std::abs(d) < kDissolveStep ? b[i]
                                        : d > 0                     ? a[i] + kDissolveStep
                                                                    : a[i] - kDissolveStep);
        }
    }
}

// The picture at r and one pixel beyond its right and bottom edges.
Rect Grown(const Rect& r) {
    return Rect::FromSize(r.Left, r.Top, r.Width() + 1, r.Height() + 1);
}

Bitmap Grab(const Bitmap& source, const Rect& r) {
    const Rect area = Grown(r);
    Bitmap copy(area.Width(), area.Height(), source.Format());
    copy.CopyRect(copy.Bounds(), source, area);
    return copy;
}

}  // namespace

CSuperSchemat::CSuperSchemat(game::ExerciseHost& host, const game::CWybor& settings)
    : Vehicle(host.Vehicle()), Settings(settings), Host(host) {
    const ScreenGeometry& g = Geometry();
    WorkRect = {g.MapX(45), g.MapY(45), g.MapX(1125), g.MapY(795)};
    Stat.SetTiming(true);
    BackgroundNo = NextBackgroundNo();
}

CSuperSchemat::~CSuperSchemat() {
    EndAnimationThread();
}

void CSuperSchemat::CreateInstructionPicture(const std::string& name) {
    const ScreenGeometry& g = Geometry();
    InstructionPicture = std::make_unique<pieces::CGraf>(Host.HostForm(), Host.Context());
    InstructionPicture->Load("Data\\Res\\", name);
    pieces::CGraf::LoadHighlightFrame();
    const int bottom = g.LayoutRect.Top + g.DesignHeight;
    InstructionPicture->MoveTo({g.MapX(38), bottom - InstructionPicture->PictureRect().Height()});
    InstructionPicture->SetOnClick([this](platform::MouseEvent&) { PlayInstruction(); });
    InstructionPicture->SetOnDoubleClick([this](platform::MouseEvent&) { Restart(); });
}

void CSuperSchemat::LayOut(bool first) {
    const ScreenGeometry& g = Geometry();
    const DrawContext context = Host.Context();
    try {
        const Bitmap picture = LoadJpegPicture(
            NativePath("Data\\Res\\t" + std::to_string(BackgroundNo) + SizeSuffix() + ".xji"));
        Bitmap& background = *context.Background;
        background.CopyRect(g.LayoutRect, picture, g.DesignRect);
        if (!first) {
            Vehicle.MoveTo({SavedVehicleRect.Left, SavedVehicleRect.Top});
        }
        DrawInstructionPicture();
        for (Bitmap* target : {&context.Frame, &context.Scene}) {
            if (target->Width() != background.Width() || target->Height() != background.Height()) {
                target->Reset(background.Width(), background.Height(), background.Format());
            }
            target->CopyRect(g.ScreenRect, background, g.ScreenRect);
        }
        if (!first) {
            Show(true);
        }
        DrawScenery();
        Paint();
        Host.DrawScore();
        context.Queue(g.ScreenRect);
    } catch (...) {
        // Whatever failed to load or draw, the user can only reinstall.
        throw CBlad::ResourceMissing();
    }
}

Rect CSuperSchemat::Begin() {
    LayOut(true);
    Stat.SetTiming(true);
    return WorkRect;
}

void CSuperSchemat::Suspend() {
    Stat.SetTiming(false);
    SavedVehicleRect = Vehicle.Rectangle();
    Show(false);
}

Rect CSuperSchemat::Resume() {
    LayOut(false);
    // A solved task is not timed again.
    if (!Solved) {
        Stat.SetTiming(true);
    }
    return WorkRect;
}

void CSuperSchemat::PlayInstruction() {
    PlaySoundFile("Data\\Res\\Snd\\Pol\\" + InstructionName);
}

void CSuperSchemat::EndAnimationThread() {
    if (AnimationThread) {
        AnimationThread->Terminate();
        AnimationThread->WaitFor();
        AnimationThread.reset();
    }
}

void CSuperSchemat::DrawInstructionPicture() {
    if (InstructionPicture) {
        InstructionPicture->PaintIntoBackground();
    }
}

void CSuperSchemat::DissolveMove(Rect a, Rect b) {
    const DrawContext context = Host.Context();
    const Bitmap bareA = Grab(*context.Background, a);  // P1
    const Bitmap heldA = Grab(context.Scene, a);        // P2
    Bitmap fadingA = Grab(context.Scene, a);            // W3
    Bitmap fadingB = Grab(context.Scene, b);            // W4
    pieces::CSynchLoop pacer(kDissolvePeriodMs);
    for (int frame = 0; frame < kDissolveFrames; ++frame) {
        StepToward(fadingA, bareA);
        StepToward(fadingB, heldA);
        context.Frame.CopyRect(Grown(b), fadingB, fadingB.Bounds());
        context.Frame.CopyRect(Grown(a), fadingA, fadingA.Bounds());
        context.Queue(b);
        context.Queue(a);
        Vehicle.Draw();
        Host.HostForm().Repaint();
        pacer.WaitTick();
    }
    for (Bitmap* target : {&context.Frame, &context.Scene}) {
        target->CopyRect(Grown(b), heldA, heldA.Bounds());
        target->CopyRect(Grown(a), bareA, bareA.Bounds());
    }
    context.Queue(b);
    context.Queue(a);
    Vehicle.Draw();
}

bool CSuperSchemat::VehicleTouches(const Rect& vehicle, const Rect& object) const {
    return !vehicle.Intersect(object).IsEmpty();
}

bool CSuperSchemat::VehicleMapTouches(const Rect& vehicle, const Rect& object) const {
    // The vehicle's collision map stays where the vehicle is; moving the object the other way
    // tests the same contact.
    const Rect& at = Vehicle.Rectangle();
    return Vehicle.Touches(object.Offset(at.Left - vehicle.Left, at.Top - vehicle.Top));
}

game::Hit CSuperSchemat::HitTest(std::int32_t dx, std::int32_t dy) {
    const Rect moved = Vehicle.Rectangle().Offset(dx, dy);
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        if (ObjectVisible(n) && VehicleTouches(moved, ObjectRect(n))) {
            return {n, ObjectSelectable(n) ? 1 : -1};
        }
    }
    return {};
}

std::vector<game::Choosable> CSuperSchemat::ChoosableElements() const {
    std::vector<game::Choosable> objects;
    for (std::int32_t n = 0; n < ObjectCount(); ++n) {
        if (ObjectVisible(n) && ObjectSelectable(n)) {
            objects.push_back({n, ObjectRect(n)});
        }
    }
    return objects;
}

std::vector<std::int32_t> CSuperSchemat::ObjectScanOrder() const {
    std::vector<std::int32_t> work(static_cast<size_t>(ObjectCount()));
    std::iota(work.begin(), work.end(), 0);
    return OrderByLeftEdge(std::move(work));
}

std::vector<std::int32_t> CSuperSchemat::OrderByLeftEdge(std::vector<std::int32_t> work) const {
    // Repeatedly takes the leftmost remaining object (the first found among equals) and
    // fills its place with the last one, so that equal left edges keep this selection's order.
    std::vector<std::int32_t> order;
    while (work.size() > 1) {
        size_t best = 0;
        for (size_t i = 1; i < work.size(); ++i) {
            if (ObjectRect(work[i]).Left < ObjectRect(work[best]).Left) {
                best = i;
            }
        }
        order.push_back(work[best]);
        work[best] = work.back();
        work.pop_back();
    }
    order.insert(order.end(), work.begin(), work.end());
    return order;
}

std::optional<std::int32_t> CSuperSchemat::ObjectAt(std::int32_t position) const {
    if (position < 1 || position >= static_cast<std::int32_t>(ScanOrder.size())) {
        return std::nullopt;
    }
    return ScanOrder[static_cast<size_t>(position)];
}

void CSuperSchemat::Unhighlight(std::int32_t position) {
    if (position == 0 && !ScanOrder.empty()) {
        if (InstructionPicture) {
            InstructionPicture->Unhighlight();
        }
    } else if (const auto object = ObjectAt(position); object && ObjectSelectable(*object)) {
        HighlightObject(*object, false);
    }
}

bool CSuperSchemat::ScanNext() {
    if (ScanOrder.empty()) {
        ScanOrder.push_back(-1);  // the instruction picture
        const std::vector<std::int32_t> objects = ObjectScanOrder();
        ScanOrder.insert(ScanOrder.end(), objects.begin(), objects.end());
    }
    const auto count = static_cast<std::int32_t>(ScanOrder.size());
    const std::int32_t old = ScanPos;
    std::int32_t position = std::clamp(ScanPos, -1, count - 1);
    do {
        position = position + 1 >= count ? 0 : position + 1;
    } while (position != 0 && !ObjectSelectable(ScanOrder[static_cast<size_t>(position)]));
    Unhighlight(old);
    ScanPos = position;
    if (position == 0) {
        if (InstructionPicture) {
            InstructionPicture->Highlight();
        }
    } else {
        HighlightObject(ScanOrder[static_cast<size_t>(position)], true);
    }
    return LastSelectablePosition(position);
}

bool CSuperSchemat::LastSelectablePosition(std::int32_t position) const {
    for (auto p = static_cast<std::int32_t>(ScanOrder.size()) - 1; p >= 1; --p) {
        if (ObjectSelectable(ScanOrder[static_cast<size_t>(p)])) {
            return position == p;
        }
    }
    return false;
}

bool CSuperSchemat::ScanStop() {
    const bool highlighted = ScanPos >= 0 && ScanPos < static_cast<std::int32_t>(ScanOrder.size());
    Unhighlight(ScanPos);
    ScanPos = -1;
    return highlighted;
}

bool CSuperSchemat::ScanZoom() {
    if (const auto object = ObjectAt(ScanPos)) {
        ZoomObject(*object);
        return true;
    }
    return false;
}

bool CSuperSchemat::ScanSelect() {
    if (const auto object = ObjectAt(ScanPos)) {
        return Choose(*object, 0);
    }
    if (ScanPos == 0 && !ScanOrder.empty()) {
        PlayInstruction();
    }
    return false;
}

std::optional<Rect> CSuperSchemat::ScanTargetRect() {
    if (const auto object = ObjectAt(ScanPos); object && ObjectSelectable(*object)) {
        return ObjectRect(*object);
    }
    return std::nullopt;
}

}  // namespace exercises
