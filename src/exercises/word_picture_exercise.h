#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include "exercises/piece_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "media/cslowo.h"
#include "pieces/ckarta.h"
#include "platform/geometry.h"

namespace exercises {

// The spelling exercises: a word's picture fades in on the ear and letter tiles lie about
// the play area. The picture stands first in the scanning order in place of the ear (a
// click on it, or selecting it, says the instruction); the picture stops the vehicle even
// before it has faded in; the vehicle starts clear of every piece.
class WordPictureExercise : public PieceExercise {
  public:
    // Enables or disables every piece, the word's picture and the ear.
    void Show(bool on) override;
    void StartAnimation() override;
    void EndAnimation() override;
    // The word's picture stops the vehicle; then the pieces as the base tests them.
    game::Hit HitTest(std::int32_t dx, std::int32_t dy) override;
    // The first selectable, visible piece near the vehicle.
    std::optional<std::int32_t> ObjectUnderVehicle() const;

    // The order is the picture, then the pieces by their left edge.
    bool ScanNext() override;
    bool ScanStop() override;
    bool ScanZoom() override;
    bool ScanSelect() override;

    const pieces::CKarta& GetWordCard() const { return *WordCard; }
    std::int32_t GetWord() const { return Word; }

  protected:
    WordPictureExercise(game::ExerciseHost& host, const game::CWybor& settings)
        : PieceExercise(host, settings) {}

    // Draws Word until fits accepts it; CBlad code 9 when no word of the database fits.
    void DrawWord(const std::function<bool(const media::CSlowo&)>& fits);
    // The hidden picture of Word, 16 design pixels into the ear; needs the ear.
    void CreateWordCard();
    // After a restart: the scenery and every piece drawn again, the vehicle at its start.
    void ShowAgain();
    // A random start inside the play area clear of the picture, every piece and others.
    platform::Point StartClearOf(std::vector<platform::Rect> others) const;

    std::vector<std::int32_t> ObjectScanOrder() const override;

    std::unique_ptr<pieces::CKarta> WordCard;
    std::int32_t Word = -1;
};

}  // namespace exercises
