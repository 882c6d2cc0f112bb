#include "exercises/cschemat17.h"

#include <algorithm>
#include <string>

#include "catalog/resource_names.h"
#include "catalog/word_table.h"
#include "exercises/draws.h"
#include "exercises/placement.h"
#include "media/cblad.h"
#include "media/random.h"

using namespace catalog;
using namespace media;
using namespace pieces;

namespace exercises {

using platform::Point;
using platform::Rect;

namespace {

constexpr std::uint32_t kLowFlags = 0xfff;
constexpr std::uint32_t kHissingGroup = 0xF0000;
// Where the model stands in the bubble: the picture of the same-picture variant, the
// other models; in design pixels from the bubble's corner.
constexpr int kModelCardInset = 15;
constexpr int kModelInset = 16;
// The objects' distance to the play area's right and bottom edges, in design pixels.
constexpr int kPlacementMargin = 100;
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
    : SearchExercise(host, settings) {
    BuildRetryingRepeatedDraws([this] { Build(); }, [this] { FreeObjects(); });
}

CSchemat17::~CSchemat17() {
    // The fade draws the model: it ends before the model goes.
    EndAnimationThread();
}

void CSchemat17::FreeObjects() {
    Cards.clear();
    Tiles.clear();
    HomePositions.clear();
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
    if (Level == 1) {
        BuildSamePicture(ModelPlace(kModelCardInset));
    } else if (Level == 2) {
        int n = 0;
        while (n == 0) {
            n = Random() % 3;
        }
        InstructionName += std::to_string(n);
        if (n == 1) {
            BuildSoundInPicture(ModelPlace(kModelInset));
        } else {
            BuildLetterOfSound(ModelPlace(kModelInset));
        }
    }
    Found = 0;
}

std::unique_ptr<CKarta> CSchemat17::MakeCard(Point at, int word, bool selectable) {
    return std::make_unique<CKarta>(Host.HostForm(), Host.Context(), at, NormalCardFolder,
                                    WordAt(word), selectable, 0, 0);
}

void CSchemat17::BuildSamePicture(Point modelPlace) {
    variant_ = Variant::SamePicture;
    Cards.resize(ObjectTotal);
    const std::uint32_t mask =
        static_cast<std::uint32_t>(SoundMask(SelectedSoundGroups(), FlagAnyTrained));
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
    const int sound = DrawTargetSound(SelectedSoundGroups());
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
    const int groups = SelectedSoundGroups();
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

Point CSchemat17::PlaceObject(int k) const {
    std::vector<Rect> placed{Model()->ObjectRect()};
    for (int i = 0; i < k; ++i) {
        placed.push_back(ObjectRect(i));
    }
    return SearchExercise::PlaceObject(k % 4 + 1, kPlacementMargin, {}, placed);
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

const std::vector<Point>& CSchemat17::GetCardHomes() const {
    static const std::vector<Point> none;
    return Cards.empty() ? none : HomePositions;
}

const std::vector<Point>& CSchemat17::GetTileHomes() const {
    static const std::vector<Point> none;
    return Tiles.empty() ? none : HomePositions;
}

std::int32_t CSchemat17::ModelScanCode() const {
    return ModelCard ? ModelCardCode : ModelLetterCode;
}

std::int32_t CSchemat17::ObjectScanCode(std::int32_t index) const {
    return (Tiles.empty() ? CardCodeBase : TileCodeBase) + index;
}

std::int32_t CSchemat17::ObjectOfScanCode(std::int32_t code) const {
    if (code >= TileCodeBase) {
        return Tiles.empty() ? -1 : code - TileCodeBase;
    }
    if (code >= CardCodeBase) {
        return Cards.empty() ? -1 : code - CardCodeBase;
    }
    return -1;
}

bool CSchemat17::ScanNext() {
    if (ScanOrder.empty()) {
        if (Tiles.empty() && Cards.empty()) {
            throw CBlad::FromCode(CBlad::ScanNoElementsCode);
        }
        if (Model() == nullptr) {
            throw CBlad::FromCode(CBlad::ScanNoModelCode);
        }
    }
    return SearchExercise::ScanNext();
}

}  // namespace exercises
