#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "exercises/csuper_schemat.h"
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
class CSchemat17 : public CSuperSchemat {
  public:
    enum class Variant { None, SamePicture, SoundInPicture, LetterOfSound };

    // Element codes of the scanning order.
    static constexpr std::int32_t ModelLetterCode = 1;
    static constexpr std::int32_t ModelCardCode = 2;
    static constexpr std::int32_t CardCodeBase = 1000;
    static constexpr std::int32_t TileCodeBase = 2000;
    // The objects to choose from, and how many of them match.
    static constexpr int ObjectTotal = 8;
    static constexpr int MatchingTotal = 4;

    // Builds the variant of the settings' level (other levels build no objects). A layout
    // that leaves no room is built again with new draws. Throws CBlad code 1 for a missing
    // picture.
    CSchemat17(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat17() override;

    void Show(bool on) override;
    void Restart() override;
    void Paint() override;
    // The shelf under the found objects.
    void DrawScenery() override;
    // The model stands first in the order, then the objects by their left edge; the last
    // entry of the order ends a round even when it is no longer selectable.
    bool ScanNext() override;
    bool ScanStop() override;
    bool ScanZoom() override;
    bool ScanSelect() override;
    std::optional<platform::Rect> ScanTargetRect() override;
    // Fades the model in.
    void StartAnimation() override;
    void EndAnimation() override;
    void Hint() override;
    // Cards before tiles; the model and the instruction picture do not stop the vehicle.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;
    // The first selectable object the vehicle is near, if any.
    std::optional<std::int32_t> ObjectUnderVehicle() const;
    // Object index of the filled list; true when this choice solved the task. An index
    // outside the list is ignored.
    bool Choose(std::int32_t element, std::int32_t extra) override;
    platform::Point VehicleStart() override;

    Variant GetVariant() const { return variant_; }
    std::int32_t GetLevel() const { return Level; }
    std::int32_t GetFound() const { return Found; }
    platform::Point GetSlot() const { return {SlotX, SlotY}; }
    const pieces::CKarta* GetModelCard() const { return ModelCard.get(); }
    const pieces::CLitCyf* GetModelLetter() const { return ModelLetter.get(); }
    const std::vector<std::unique_ptr<pieces::CKarta>>& GetCards() const { return Cards; }
    const std::vector<std::unique_ptr<pieces::CLitCyf>>& GetTiles() const { return Tiles; }
    const std::vector<platform::Point>& GetCardHomes() const { return CardHomes; }
    const std::vector<platform::Point>& GetTileHomes() const { return TileHomes; }
    // The object index of the filled list (cards or tiles); null outside it.
    pieces::PictureTile* Object(std::int32_t index) const;
    // Whether the object would be accepted now: selectable and matching the model.
    bool Matches(std::int32_t index) const;

  protected:
    std::int32_t ObjectCount() const override;
    platform::Rect ObjectRect(std::int32_t n) const override;
    bool ObjectVisible(std::int32_t n) const override;
    bool ObjectSelectable(std::int32_t n) const override;

  private:
    void Build();
    void FreeObjects();
    void BuildSamePicture(platform::Point modelPlace);
    void BuildSoundInPicture(platform::Point modelPlace);
    void BuildLetterOfSound(platform::Point modelPlace);
    // A random top-left corner for object k that keeps the vehicle's room around the model
    // and the objects before it. CBlad code 3 on the thousandth draw.
    platform::Point PlaceObject(int k) const;
    // Gives a model its hidden start and the instruction's clicks.
    void SetUpModel(pieces::PictureTile& model);
    std::unique_ptr<pieces::CKarta> MakeCard(platform::Point at, int word, bool selectable);
    void RecordHomes();
    // The model, card or letter, whichever exists.
    pieces::PictureTile* Model() const;
    // The piece of the scanning order's code; null for an unknown code.
    pieces::PictureTile* Element(std::int32_t code) const;
    bool PositionInOrder(std::int32_t position) const;
    bool SelectableAt(std::int32_t position) const;
    game::Hit Touched() const;

    std::int32_t Level = 0;
    std::int32_t SlotX = 0;
    std::int32_t SlotY = 0;
    bool FirstScenery = true;
    std::int16_t Found = 0;
    std::unique_ptr<pieces::CLitCyf> ModelLetter;
    std::unique_ptr<pieces::CKarta> ModelCard;
    std::vector<std::unique_ptr<pieces::CKarta>> Cards;
    std::vector<platform::Point> CardHomes;
    std::vector<std::unique_ptr<pieces::CLitCyf>> Tiles;
    std::vector<platform::Point> TileHomes;
    Variant variant_ = Variant::None;
};

}  // namespace exercises
