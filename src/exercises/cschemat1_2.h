#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "exercises/csuper_schemat.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/ckarta.h"
#include "platform/geometry.h"

namespace exercises {

// Picture pairs: two columns of five picture cards show the same five words of the
// selected sounds, the right column in another order. The child picks a card (yellow
// frame), then its partner in the other column: a right pair turns green and the right-hand
// card dissolves to the left of its partner; a wrong second card turns red. Five pairs
// solve the task. Help is available only while a card is picked.
// The Polish names are explained in docs/glossary.md.
class CSchemat1_2 : public CSuperSchemat {
  public:
    static constexpr std::int32_t kCardCount = 10;
    static constexpr std::int32_t kColumnCount = kCardCount / 2;
    static constexpr const char* kCardFolder = "Data//Res//Kar//Nor//";

    // Draws five different words of the selected sounds and lays out both columns. Throws
    // CBlad code 1 when a picture is missing.
    CSchemat1_2(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat1_2() override;

    void Show(bool on) override;
    void Restart() override;
    void Paint() override;
    void Hint() override;
    bool Block(std::int32_t element) override;
    void Unblock(std::int32_t element) override;
    bool Choose(std::int32_t element, std::int32_t extra) override;
    platform::Point VehicleStart() override;
    bool ScanStop() override;

    // Cards 0 ... 4 are the left column top to bottom, 5 ... 9 the right one.
    const pieces::CKarta& Card(std::int32_t n) const { return *Cards.at(static_cast<size_t>(n)); }
    std::int32_t GetSelected() const { return Selected; }
    std::int32_t GetMatchedCount() const { return MatchedCount; }
    platform::Point HomePosition(std::int32_t n) const {
        return HomePositions.at(static_cast<size_t>(n));
    }

  protected:
    std::int32_t ObjectCount() const override { return kCardCount; }
    platform::Rect ObjectRect(std::int32_t n) const override;
    bool ObjectVisible(std::int32_t n) const override;
    bool ObjectSelectable(std::int32_t n) const override;
    void HighlightObject(std::int32_t n, bool on) override;
    void ZoomObject(std::int32_t n) override;
    bool VehicleTouches(const platform::Rect& vehicle, const platform::Rect& object) const override;
    // The cards by index, not by position.
    std::vector<std::int32_t> ObjectScanOrder() const override;

  private:
    // The card of a number the game form passed, or null for a number outside the cards.
    pieces::CKarta* CardAt(std::int32_t n) const;
    void CreateCards();
    // Takes every card's frame away.
    void RemoveFrames();
    // The second card of a pair: the right one joins its partner, any other is an error.
    bool ChooseSecond(std::int32_t a);

    std::int32_t LeftColumnX = 0;
    std::int32_t LeftColumnY = 0;
    std::int32_t RightColumnX = 0;
    std::int32_t RightColumnY = 0;
    std::int32_t MatchedCount = 0;
    std::vector<std::unique_ptr<pieces::CKarta>> Cards;
    std::vector<platform::Point> HomePositions;
    std::int32_t Selected = -1;
    std::string SelectedKey;
    // Cards already joined in a pair: they stay untouchable even when a pending unblock for
    // them comes in after the pair was made.
    std::array<bool, kCardCount> Joined{};
};

}  // namespace exercises
