#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "exercises/search_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/ckarta.h"
#include "pieces/clitcyf.h"
#include "pieces/picture_tile.h"
#include "platform/geometry.h"

namespace exercises {

// The flag bit of a word that holds trained sound code: 1 ("l") 256, 2 ("r") 16, 9 ("j") 1;
// any other code 0.
std::uint32_t SoundBit(int code);

// The search exercise: a model fades in inside the thought bubble, eight objects lie
// scattered over the play area and the child collects the four that match the model onto a
// shelf. Level I shows a picture and its copies; level II either a red letter and the
// pictures that hold its sound, or a picture and the tiles of the letter of its sound.
// Named "scheme 17"; the Polish names are explained in docs/glossary.md.
class CSchemat17 : public SearchExercise {
  public:
    enum class Variant { None, SamePicture, SoundInPicture, LetterOfSound };

    // Element codes of the scanning order.
    static constexpr std::int32_t ModelLetterCode = 1;
    static constexpr std::int32_t ModelCardCode = 2;
    static constexpr std::int32_t CardCodeBase = 1000;
    static constexpr std::int32_t TileCodeBase = 2000;
    // The objects to choose from.
    static constexpr int ObjectTotal = 8;

    // Builds the variant of the settings' level (other levels build no objects). A layout
    // that leaves no room is built again with new draws. Throws CBlad code 1 for a missing
    // picture.
    CSchemat17(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat17() override;

    // The order needs objects and a model: CBlad code 101 or 102 without them.
    bool ScanNext() override;

    Variant GetVariant() const { return variant_; }
    std::int32_t GetLevel() const { return Level; }
    const pieces::CKarta* GetModelCard() const { return ModelCard.get(); }
    const pieces::CLitCyf* GetModelLetter() const { return ModelLetter.get(); }
    const std::vector<std::unique_ptr<pieces::CKarta>>& GetCards() const { return Cards; }
    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    // The start places of the cards, or of the tiles; empty for the list not filled.
    const std::vector<platform::Point>& GetCardHomes() const;
    const std::vector<platform::Point>& GetTileHomes() const;
    // The object index of the filled list (cards or tiles); null outside it.
    pieces::PictureTile* Object(std::int32_t index) const override;
    bool Matches(std::int32_t index) const override;

  protected:
    std::int32_t ObjectCount() const override;
    pieces::PictureTile* Model() const override;
    // The sound variants show a found object green before it travels.
    bool GreenOnMatch() const override { return variant_ != Variant::SamePicture; }
    std::int32_t ModelScanCode() const override;
    std::int32_t ObjectScanCode(std::int32_t index) const override;
    std::int32_t ObjectOfScanCode(std::int32_t code) const override;

  private:
    void Build();
    void FreeObjects();
    void BuildSamePicture(platform::Point modelPlace);
    void BuildSoundInPicture(platform::Point modelPlace);
    void BuildLetterOfSound(platform::Point modelPlace);
    // A random top-left corner for object k that keeps the vehicle's room around the model
    // and the objects before it. CBlad code 3 on the thousandth draw.
    platform::Point PlaceObject(int k) const;
    std::unique_ptr<pieces::CKarta> MakeCard(platform::Point at, int word, bool selectable);

    std::int32_t Level = 0;
    std::unique_ptr<pieces::CLitCyf> ModelLetter;
    std::unique_ptr<pieces::CKarta> ModelCard;
    std::vector<std::unique_ptr<pieces::CKarta>> Cards;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    Variant variant_ = Variant::None;
};

}  // namespace exercises
