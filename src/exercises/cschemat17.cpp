#include "exercises/cschemat17.h"

#include <algorithm>
#include <string>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "catalog/word_table.h"
#include "exercises/draws.h"
#include "exercises/placement.h"
#include "media/cblad.h"
#include "media/ctransbitmap.h"
#include "media/data_paths.h"
#include "media/random.h"
#include "pieces/selection_frames.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

constexpr const char* kCardFolder = "Data//Res//Kar//Nor//";
constexpr std::uint32_t kLowFlags = 0xfff;
constexpr std::uint32_t kHissingGroup = 0xF0000;
// Past this many random draws VehicleStart looks for a free place in order, so that a play
// area without room cannot hang the game.
constexpr int kVehicleStartDraws = 100000;

// The settings' sound groups; a selection of none counts as all three, so that every draw
// has words to come from.
int SoundGroupsOf(const game::CWybor& settings) {
    const int groups = settings.SoundGroups();
    return groups >= 1 && groups <= 7 ? groups : 7;
}

// A random word number accepted by accept: random mod the table size, drawn again until
// accepted. CBlad code 9 when no word of the table is accepted, so the draw always ends.
template <class Accept>
int DrawWordWhere(Accept&& accept) {
    const auto& words = WordDatabase();
    if (std::none_of(words.begin(), words.end(), accept)) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    for (;;) {
        const int index = Random() % WordCount;
        if (accept(WordAt(index))) {
            return index;
        }
    }
}

// True when some row with this key holds the sound bit: the picture then shows a word with
// that sound, whatever group the drawn row belongs to.
bool KeyHoldsSound(const std::string& key, std::uint32_t bit) {
    const auto& words = WordDatabase();
    return std::any_of(words.begin(), words.end(),
                       [&](const CSlowo& w) { return w.Key == key && (w.Flags & bit) != 0; });
}

// Whether the vehicle (size v) with its corner at p keeps clear of r: room for it on every
// side, measured with r's own size for the object still to come.
bool KeepsClear(Point p, const Rect& r, Point v) {
    const bool insideX = r.Left - v.X - r.Width() - 1 < p.X && p.X < r.Right + v.X + 1;
    const bool insideY = r.Top - v.Y - r.Height() - 1 < p.Y && p.Y < r.Bottom + v.Y + 1;
    return !(insideX && insideY);
}

CTransBitmap LoadShelfPiece(const std::string& name) {
    const std::string base = "Data\\Res\\" + name + SizeSuffix();
    CTransBitmap piece;
    try {
        piece.LoadPair(NativePath(base + PairSuffix(false) + ".xbi"),
                       NativePath(base + PairSuffix(true) + ".xbi"));
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
    return piece;
}

}  // namespace

std::uint32_t SoundBit(int code) {
    switch (code) {
        case 1:
            return SectionMaskL;
        case 2:
            return SectionMaskR;
        case 9:
            return SectionMaskJ;
        default:
            return 0;
    }
}

CSchemat17::CSchemat17(game::ExerciseHost& host, const game::CWybor& settings)
    : CSuperSchemat(host, settings) {
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreeObjects(); });
}

CSchemat17::~CSchemat17() {
    // The fade draws the model: it ends before the model goes.
    EndAnimationThread();
}

void CSchemat17::FreeObjects() {
    Cards.clear();
    CardHomes.clear();
    Tiles.clear();
    TileHomes.clear();
    ModelCard.reset();
    ModelLetter.reset();
    InstructionPicture.reset();
    variant_ = Variant::None;
}

void CSchemat17::Build() {
    FirstScenery = true;
    CreateInstructionPicture("mysl");
    Level = Settings.Level();
    InstructionName = "S17" + std::to_string(Level);
    const Rect bubble = InstructionPicture->PictureRectOnScreen();
    const ScreenGeometry& g = Geometry();
    const auto modelPlace = [&](int d) {
        return Point{bubble.Left + g.MapLength(d), bubble.Top + g.MapLength(d)};
    };
    if (Level == 1) {
        BuildSamePicture(modelPlace(15));
    } else if (Level == 2) {
        int n = 0;
        while (n == 0) {
            n = Random() % 3;
        }
        InstructionName += std::to_string(n);
        if (n == 1) {
            BuildSoundInPicture(modelPlace(16));
        } else {
            BuildLetterOfSound(modelPlace(16));
        }
    }
    Found = 0;
}

void CSchemat17::SetUpModel(PictureTile& model) {
    model.SetVisible(false);
    model.SetOnClick([this](platform::MouseEvent&) { PlayInstruction(); });
    model.SetOnDoubleClick([this](platform::MouseEvent&) { Restart(); });
}

std::unique_ptr<CKarta> CSchemat17::MakeCard(Point at, int word, bool selectable) {
    return std::make_unique<CKarta>(Host.HostForm(), Host.Context(), at, kCardFolder, WordAt(word),
                                    selectable, 0, 0);
}

void CSchemat17::BuildSamePicture(Point modelPlace) {
    variant_ = Variant::SamePicture;
    Cards.resize(ObjectTotal);
    CardHomes.resize(ObjectTotal);
    const std::uint32_t mask =
        static_cast<std::uint32_t>(SoundMask(SoundGroupsOf(Settings), FlagAnyTrained));
    const int model = DrawWordWhere([&](const CSlowo& w) { return w.Matches(mask); });
    ModelCard = MakeCard(modelPlace, model, false);
    SetUpModel(*ModelCard);
    const std::string& modelKey = WordAt(model).Key;
    for (int j = 0; j < MatchingTotal; ++j) {
        const Point at = PlaceObject(j);
        // The model's own picture under another row of the table would be a fifth copy.
        const int word = DrawWordWhere([&](const CSlowo& w) {
            return (w.Flags & FlagAnyTrained) == 0 && w.Key != modelKey &&
                   std::none_of(Cards.begin(), Cards.begin() + j,
                                [&](const auto& c) { return c->Word().Key == w.Key; });
        });
        Cards[static_cast<size_t>(j)] = MakeCard(at, word, true);
    }
    for (int j = MatchingTotal; j < ObjectTotal; ++j) {
        const Point at = PlaceObject(j);
        Cards[static_cast<size_t>(j)] = MakeCard(at, model, true);
    }
    RecordHomes();
}

void CSchemat17::BuildSoundInPicture(Point modelPlace) {
    variant_ = Variant::SoundInPicture;
    Cards.resize(ObjectTotal);
    CardHomes.resize(ObjectTotal);
    const int sound = DrawTargetSound(SoundGroupsOf(Settings));
    const std::uint32_t bit = SoundBit(sound);
    ModelLetter = std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), modelPlace,
                                            std::string(SymbolName(sound)) + RedTileSuffix.data(),
                                            false, sound, 0);
    SetUpModel(*ModelLetter);
    const auto keyUsed = [&](const std::string& key, int from, int to) {
        return std::any_of(Cards.begin() + from, Cards.begin() + to,
                           [&](const auto& c) { return c->Word().Key == key; });
    };
    for (int j = 0; j < MatchingTotal; ++j) {
        const Point at = PlaceObject(j);
        // A picture that shows the sound under another row must not be a wrong answer.
        const int word = DrawWordWhere([&](const CSlowo& w) {
            return (w.Flags & kHissingGroup) != 0 && !keyUsed(w.Key, 0, j) &&
                   !KeyHoldsSound(w.Key, bit);
        });
        Cards[static_cast<size_t>(j)] = MakeCard(at, word, true);
    }
    for (int j = MatchingTotal; j < ObjectTotal; ++j) {
        const Point at = PlaceObject(j);
        const int word = DrawWordWhere([&](const CSlowo& w) {
            return (w.Flags & bit) != 0 && !keyUsed(w.Key, MatchingTotal, j);
        });
        Cards[static_cast<size_t>(j)] = MakeCard(at, word, true);
    }
    RecordHomes();
}

void CSchemat17::BuildLetterOfSound(Point modelPlace) {
    variant_ = Variant::LetterOfSound;
    Tiles.resize(ObjectTotal);
    TileHomes.resize(ObjectTotal);
    const int groups = SoundGroupsOf(Settings);
    const std::uint32_t mask = static_cast<std::uint32_t>(SoundMask(groups, FlagAnyTrained));
    const int model = DrawWordWhere([&](const CSlowo& w) { return w.Matches(mask); });
    ModelCard = MakeCard(modelPlace, model, false);
    SetUpModel(*ModelCard);
    const std::uint32_t modelSound = WordAt(model).Flags & kLowFlags;
    const auto makeTile = [&](Point at, int code) {
        return std::make_unique<CLitCyf>(Host.HostForm(), Host.Context(), at,
                                         std::string(SymbolName(code)), true, code, 0);
    };
    for (int j = 0; j < MatchingTotal; ++j) {
        const Point at = PlaceObject(j);
        // Every selection includes distractor letters, so this ends.
        int code = 0;
        do {
            code = DrawSoundOrDistractor(groups);
        } while (SoundBit(code) == modelSound);
        Tiles[static_cast<size_t>(j)] = makeTile(at, code);
    }
    const int sound = SoundOfName(WordAt(model).Spelling);
    for (int j = MatchingTotal; j < ObjectTotal; ++j) {
        const Point at = PlaceObject(j);
        Tiles[static_cast<size_t>(j)] = makeTile(at, sound);
    }
    RecordHomes();
}

void CSchemat17::RecordHomes() {
    for (size_t i = 0; i < Cards.size(); ++i) {
        CardHomes[i] = {Cards[i]->ObjectRect().Left, Cards[i]->ObjectRect().Top};
    }
    for (size_t i = 0; i < Tiles.size(); ++i) {
        TileHomes[i] = {Tiles[i]->ObjectRect().Left, Tiles[i]->ObjectRect().Top};
    }
}

Point CSchemat17::PlaceObject(int k) const {
    const ScreenGeometry& g = Geometry();
    const Point v{Vehicle.Width(), Vehicle.Height()};
    const int margin = g.MapLength(100);
    const Rect model = Model()->ObjectRect();
    return DrawPlacement([k] { return RandomPointInQuadrant(k % 4 + 1); },
                         [&](const Point& p) {
                             if (p.X <= WorkRect.Left || p.X >= WorkRect.Right - margin ||
                                 p.Y <= WorkRect.Top || p.Y >= WorkRect.Bottom - margin ||
                                 !KeepsClear(p, model, v)) {
                                 return false;
                             }
                             for (int i = 0; i < k; ++i) {
                                 if (!KeepsClear(p, ObjectRect(i), v)) {
                                     return false;
                                 }
                             }
                             return true;
                         });
}

PictureTile* CSchemat17::Model() const {
    if (ModelCard) {
        return ModelCard.get();
    }
    return ModelLetter.get();
}

PictureTile* CSchemat17::Object(std::int32_t index) const {
    if (index < 0) {
        return nullptr;
    }
    const auto i = static_cast<size_t>(index);
    if (!Cards.empty()) {
        return i < Cards.size() ? Cards[i].get() : nullptr;
    }
    return i < Tiles.size() ? Tiles[i].get() : nullptr;
}

std::int32_t CSchemat17::ObjectCount() const {
    return static_cast<std::int32_t>(Cards.empty() ? Tiles.size() : Cards.size());
}

Rect CSchemat17::ObjectRect(std::int32_t n) const {
    const PictureTile* object = Object(n);
    return object != nullptr ? object->ObjectRect() : Rect{};
}

bool CSchemat17::ObjectVisible(std::int32_t n) const {
    const PictureTile* object = Object(n);
    return object != nullptr && object->Visible();
}

bool CSchemat17::ObjectSelectable(std::int32_t n) const {
    const PictureTile* object = Object(n);
    return object != nullptr && object->Selectable();
}

bool CSchemat17::Matches(std::int32_t index) const {
    const PictureTile* object = Object(index);
    if (object == nullptr || !object->Selectable()) {
        return false;
    }
    const auto i = static_cast<size_t>(index);
    switch (variant_) {
        case Variant::SamePicture:
            return Cards[i]->Word().Key == ModelCard->Word().Key;
        case Variant::LetterOfSound:
            return (ModelCard->Word().Flags & kLowFlags) == SoundBit(Tiles[i]->Number());
        case Variant::SoundInPicture:
            return (Cards[i]->Word().Flags & kLowFlags) == SoundBit(ModelLetter->Number());
        case Variant::None:
            break;
    }
    return false;
}

void CSchemat17::Show(bool on) {
    for (const auto& card : Cards) {
        card->SetEnabled(on);
    }
    for (const auto& tile : Tiles) {
        tile->SetEnabled(on);
    }
    for (platform::Control* c : {static_cast<platform::Control*>(InstructionPicture.get()),
                                 static_cast<platform::Control*>(ModelCard.get()),
                                 static_cast<platform::Control*>(ModelLetter.get())}) {
        if (c != nullptr) {
            c->SetEnabled(on);
        }
    }
}

void CSchemat17::Paint() {
    if (InstructionPicture) {
        InstructionPicture->Paint();
    }
    for (const auto& card : Cards) {
        card->Paint();
    }
    for (const auto& tile : Tiles) {
        tile->Paint();
    }
    if (ModelCard) {
        ModelCard->Paint();
    }
    if (ModelLetter) {
        ModelLetter->Paint();
    }
}

void CSchemat17::DrawScenery() {
    const ScreenGeometry& g = Geometry();
    const DrawContext context = Host.Context();
    int x = 0;
    int y = 0;
    const auto draw = [&](CTransBitmap& piece) {
        for (platform::Bitmap* target : {&context.Frame, &context.Scene}) {
            piece.Draw(*target, x, y, 255);
        }
        context.Queue(Rect::FromSize(x, y, piece.Width(), piece.Height()));
        x += piece.Width();
    };
    CTransBitmap left = LoadShelfPiece("lewo");
    x = g.MapX(375);
    y = g.MapY(g.DesignHeight) - left.Height();
    draw(left);
    if (FirstScenery) {
        SlotX = x + g.MapLength(5);
        SlotY = y + g.MapLength(15);
        FirstScenery = false;
    }
    CTransBitmap middle = LoadShelfPiece("srodek");
    const size_t pieces = Cards.size() / 2 + Tiles.size() / 2;
    for (size_t i = 0; i < pieces; ++i) {
        draw(middle);
    }
    CTransBitmap right = LoadShelfPiece("prawo");
    draw(right);
}

void CSchemat17::StartAnimation() {
    EndAnimationThread();
    if (PictureTile* model = Model()) {
        AnimationThread = model->StartAnimation(Host.Context().Invalidate);
    }
}

void CSchemat17::EndAnimation() {
    if (ModelLetter) {
        ModelLetter->SetVisible(true);
    }
    if (ModelCard) {
        ModelCard->SetVisible(true);
    }
}

void CSchemat17::Hint() {
    if (Solved) {
        return;
    }
    for (std::int32_t i = MatchingTotal; i < ObjectCount(); ++i) {
        if (Matches(i)) {
            Object(i)->SetFrame(SelectionFrames::Blue);
            break;
        }
    }
    ++Stat.Last().Hints;
    Host.HostForm().Repaint();
}

game::Hit CSchemat17::Touched() const {
    for (size_t i = 0; i < Cards.size(); ++i) {
        if (Cards[i]->Visible() && Vehicle.Touches(Cards[i]->ObjectRect())) {
            return {static_cast<std::int32_t>(i), Cards[i]->Selectable() ? 1 : -1};
        }
    }
    for (size_t i = 0; i < Tiles.size(); ++i) {
        if (Tiles[i]->Visible() && Vehicle.Touches(Tiles[i]->ObjectRect())) {
            return {static_cast<std::int32_t>(i), Tiles[i]->Selectable() ? 1 : -1};
        }
    }
    return {};
}

game::Hit CSchemat17::HitTest(std::int32_t dx, std::int32_t dy) {
    Vehicle.Offset(dx, dy);
    const game::Hit hit = Touched();
    Vehicle.Offset(-dx, -dy);
    return hit;
}

std::optional<std::int32_t> CSchemat17::ObjectUnderVehicle() const {
    for (size_t i = 0; i < Cards.size(); ++i) {
        if (Cards[i]->Selectable() && Vehicle.TouchesNear(Cards[i]->ObjectRect())) {
            return static_cast<std::int32_t>(i);
        }
    }
    for (size_t i = 0; i < Tiles.size(); ++i) {
        if (Tiles[i]->Selectable() && Vehicle.TouchesNear(Tiles[i]->ObjectRect())) {
            return static_cast<std::int32_t>(i);
        }
    }
    return std::nullopt;
}

bool CSchemat17::Choose(std::int32_t element, std::int32_t /*extra*/) {
    PictureTile* object = Object(element);
    if (object == nullptr) {
        return false;
    }
    if (Matches(element)) {
        PlayFeedback(true);
        ++Stat.Last().Points;
        if (variant_ != Variant::SamePicture) {
            object->SetFrame(SelectionFrames::Green);
        }
        Vehicle.Draw();
        object->RemoveFrame();
        const Rect from = object->ObjectRect();
        const Rect to = object->MoveTo({SlotX, SlotY});
        DissolveMove(from, to);
        Vehicle.Draw();
        object->SetSelectable(false);
        SlotX += to.Width() + Geometry().MapLength(25);
        ++Found;
    } else if (!Solved) {
        PlayFeedback(false);
        ++Stat.Last().Errors;
        object->SetFrame(SelectionFrames::Red);
        Vehicle.Draw();
    }
    if (!Solved && Found >= MatchingTotal) {
        Solved = true;
        Host.DrawScore();
        Vehicle.Celebrate(5);
        return true;
    }
    return false;
}

Point CSchemat17::VehicleStart() {
    const ScreenGeometry& g = Geometry();
    const int vw = Vehicle.Width();
    const int vh = Vehicle.Height();
    std::vector<Rect> objects;
    for (std::int32_t i = 0; i < ObjectCount(); ++i) {
        objects.push_back(ObjectRect(i));
    }
    if (const PictureTile* model = Model()) {
        objects.push_back(model->ObjectRect());
    }
    const auto fits = [&](Point p) {
        if (!(WorkRect.Left < p.X && p.X < WorkRect.Right - vw && WorkRect.Top < p.Y &&
              p.Y < WorkRect.Bottom - vh)) {
            return false;
        }
        return std::none_of(objects.begin(), objects.end(), [&](const Rect& r) {
            return r.Left - vw <= p.X && p.X <= r.Right && r.Top - vh <= p.Y && p.Y <= r.Bottom;
        });
    };
    for (int draw = 0; draw < kVehicleStartDraws; ++draw) {
        const Point p{g.LayoutRect.Left + Random() % g.DesignWidth,
                      g.LayoutRect.Top + Random() % g.DesignHeight};
        if (fits(p)) {
            return p;
        }
    }
    for (int y = WorkRect.Top + 1; y < WorkRect.Bottom - vh; ++y) {
        for (int x = WorkRect.Left + 1; x < WorkRect.Right - vw; ++x) {
            if (fits({x, y})) {
                return {x, y};
            }
        }
    }
    return {WorkRect.Left + 1, WorkRect.Top + 1};
}

void CSchemat17::Restart() {
    Host.StopAutoNext();
    const auto reset = [](auto& objects, const std::vector<Point>& homes) {
        for (size_t i = 0; i < objects.size(); ++i) {
            objects[i]->SetSelectable(true);
            objects[i]->RemoveFrame();
            objects[i]->Erase();
            objects[i]->MoveTo(homes[i]);
        }
    };
    reset(Tiles, TileHomes);
    reset(Cards, CardHomes);
    Found = 0;
    Stat.NewAttempt(Solved);
    Solved = false;
    FirstScenery = true;
    DrawScenery();
    Paint();
    Vehicle.Erase();
    Vehicle.MoveTo(VehicleStart());
    Vehicle.Draw();
    Host.HostForm().Repaint();
}

// ---- Scanning: the model at position 0, then the objects by their left edge.

PictureTile* CSchemat17::Element(std::int32_t code) const {
    if (code == ModelLetterCode) {
        return ModelLetter.get();
    }
    if (code == ModelCardCode) {
        return ModelCard.get();
    }
    const auto inList = [](const auto& list, std::int32_t i) -> PictureTile* {
        return i >= 0 && static_cast<size_t>(i) < list.size() ? list[static_cast<size_t>(i)].get()
                                                              : nullptr;
    };
    if (code >= TileCodeBase) {
        return inList(Tiles, code - TileCodeBase);
    }
    if (code >= CardCodeBase) {
        return inList(Cards, code - CardCodeBase);
    }
    return nullptr;
}

bool CSchemat17::PositionInOrder(std::int32_t position) const {
    return position >= 0 && position < static_cast<std::int32_t>(ScanOrder.size());
}

bool CSchemat17::SelectableAt(std::int32_t position) const {
    if (position < 1 || !PositionInOrder(position)) {
        return false;
    }
    const PictureTile* e = Element(ScanOrder[static_cast<size_t>(position)]);
    return e != nullptr && e->Selectable();
}

bool CSchemat17::ScanNext() {
    if (ScanOrder.empty()) {
        std::int32_t base = 0;
        if (!Tiles.empty()) {
            base = TileCodeBase;
        } else if (!Cards.empty()) {
            base = CardCodeBase;
        } else {
            throw CBlad::FromCode(CBlad::ScanNoElementsCode);
        }
        if (ModelCard) {
            ScanOrder.push_back(ModelCardCode);
        } else if (ModelLetter) {
            ScanOrder.push_back(ModelLetterCode);
        } else {
            throw CBlad::FromCode(CBlad::ScanNoModelCode);
        }
        for (const std::int32_t i : ObjectScanOrder()) {
            ScanOrder.push_back(base + i);
        }
    }
    const auto count = static_cast<std::int32_t>(ScanOrder.size());
    const std::int32_t old = PositionInOrder(ScanPos) ? ScanPos : -1;
    std::int32_t position = old;
    do {
        position = position + 1 >= count ? 0 : position + 1;
    } while (position != 0 && !SelectableAt(position));
    if (old == 0 || SelectableAt(old)) {
        Element(ScanOrder[static_cast<size_t>(old)])->RemoveFrame();
    }
    ScanPos = position;
    if (PictureTile* e = Element(ScanOrder[static_cast<size_t>(position)])) {
        e->SetFrame(SelectionFrames::Orange);
    }
    return position == count - 1;
}

bool CSchemat17::ScanStop() {
    if (!PositionInOrder(ScanPos)) {
        return false;
    }
    if (ScanPos == 0 || SelectableAt(ScanPos)) {
        if (PictureTile* e = Element(ScanOrder[static_cast<size_t>(ScanPos)])) {
            e->RemoveFrame();
        }
    }
    ScanPos = -1;
    return true;
}

bool CSchemat17::ScanZoom() {
    if (!PositionInOrder(ScanPos)) {
        return false;
    }
    if (PictureTile* e = Element(ScanOrder[static_cast<size_t>(ScanPos)])) {
        e->Zoom();
    }
    return true;
}

bool CSchemat17::ScanSelect() {
    if (SelectableAt(ScanPos)) {
        const std::int32_t code = ScanOrder[static_cast<size_t>(ScanPos)];
        return Choose(code - (code >= TileCodeBase ? TileCodeBase : CardCodeBase), 0);
    }
    if (ScanPos == 0 && !ScanOrder.empty()) {
        PlayInstruction();
    }
    return false;
}

std::optional<Rect> CSchemat17::ScanTargetRect() {
    if (!SelectableAt(ScanPos)) {
        return std::nullopt;
    }
    const Rect& r = Element(ScanOrder[static_cast<size_t>(ScanPos)])->ObjectRect();
    return Rect{r.Left, r.Top, r.Left + r.Width(), r.Top + r.Height()};
}

}  // namespace exercises
