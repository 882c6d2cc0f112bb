#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "exercises/search_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "pieces/ckarta.h"
#include "pieces/picture_tile.h"

namespace exercises {

// Finding the pictures of one word group: a picture of a themed word group fades into the
// thought bubble; four cards show other words of the same theme and four show words from
// outside it. The child collects the four that belong with the model onto a shelf beside
// the bubble; the last one earns a point of its own. Level II models any word of the theme,
// level III one of its leading words.
// Named "scheme 3_11"; the Polish names are explained in docs/glossary.md.
class CSchemat3_11 : public SearchExercise {
  public:
    static constexpr int CardTotal = 9;

    // Throws CBlad code 9 when the drawn group offers too few words, code 1 for a missing
    // picture.
    CSchemat3_11(game::ExerciseHost& host, const game::CWybor& settings);
    ~CSchemat3_11() override;

    // Card index; null outside 0 ... 8.
    pieces::PictureTile* Object(std::int32_t index) const override;
    // Cards 1 ... 4 while they are still to be found.
    bool Matches(std::int32_t index) const override;

    const std::vector<std::unique_ptr<pieces::CKarta>>& GetCards() const { return Cards; }
    const pieces::CKarta& Card(std::int32_t index) const {
        return *Cards.at(static_cast<size_t>(index));
    }
    // The word group the cards come from.
    int GetGroup() const { return Group; }

  protected:
    std::int32_t ObjectCount() const override;
    pieces::PictureTile* Model() const override;
    bool GreenOnMatch() const override { return true; }
    // Only the cards from outside the theme; the model and the shelved cards are not.
    bool Wrong(std::int32_t index) const override;
    ShelfPlan Shelf() const override;

  private:
    void Build();
    void FreeObjects();
    platform::Point PlaceCard(int i) const;
    void MakeCard(int i, platform::Point at, std::int32_t word, bool selectable);

    std::vector<std::unique_ptr<pieces::CKarta>> Cards;
    int Group = -1;
};

}  // namespace exercises
