#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "exercises/draws.h"
#include "exercises/piece_exercise.h"
#include "game/cwybor.h"
#include "game/exercise_host.h"
#include "media/cslowo.h"
#include "pieces/ckarta.h"
#include "pieces/clitcyf.h"
#include "pieces/picture_tile.h"
#include "platform/geometry.h"

namespace exercises {

// What the pairing exercises share: two columns of five pieces (picture cards or tiles), the
// right column holding the partners of the left one in another order. The child picks a piece
// (yellow frame), then its partner in the other column: a right pair turns green and the
// right-hand piece dissolves to the left of its partner; a wrong second piece turns red and
// counts an error. Five pairs solve the task. Help is available only while a piece is picked,
// and frames the partner blue. The instruction picture is the ear.
// A type draws what its pieces show and makes them; everything else is here.
class PairColumns : public PieceExercise {
  public:
    static constexpr std::int32_t kPieceCount = 10;
    static constexpr std::int32_t kColumnCount = kPieceCount / 2;

    ~PairColumns() override;

    void Show(bool on) override;
    void Restart() override;
    void Paint() override;
    void Hint() override;
    bool Block(std::int32_t element) override;
    void Unblock(std::int32_t element) override;
    bool Choose(std::int32_t element, std::int32_t extra) override;
    platform::Point VehicleStart() override;
    bool ScanStop() override;

    // Pieces 0 ... 4 are the left column top to bottom, 5 ... 9 the right one.
    const pieces::PictureTile& Piece(std::int32_t n) const {
        return *Pieces.at(static_cast<size_t>(n));
    }
    // The pair piece n belongs to: two pieces are partners when these are equal.
    std::int32_t PairOf(std::int32_t n) const { return PairIds.at(static_cast<size_t>(n)); }
    std::int32_t GetSelected() const { return Selected; }
    std::int32_t GetMatchedCount() const { return MatchedCount; }
    platform::Point HomePosition(std::int32_t n) const {
        return HomePositions.at(static_cast<size_t>(n));
    }

  protected:
    // For the right column: the left piece whose partner takes each of its places, top to
    // bottom.
    using PartnerOrder = std::array<std::int32_t, kColumnCount>;
    // Makes the piece of a pair (0 ... 4) for the left or the right column at a place.
    using MakePiece = std::function<std::unique_ptr<pieces::PictureTile>(
        std::int32_t pair, bool right, platform::Point at)>;

    // Creates the ear, turns help off and names the instruction; rowGap is the room between
    // two rows of a column, in design pixels.
    PairColumns(game::ExerciseHost& host, const game::CWybor& settings, std::string instructionName,
                double rowGap);

    // Each right place starts at a random left piece and takes the next one, wrapping round,
    // whose partner is not placed yet.
    static PartnerOrder DrawPartnerOrder();
    // Makes the left column (pairs 0 ... 4) top to bottom, then the right column in order;
    // the pitch of a column is the first piece's height and the row gap. Keeps every piece's
    // place as its home.
    void CreateColumns(const PartnerOrder& order, const MakePiece& make);

    std::int32_t ObjectCount() const override { return kPieceCount; }
    pieces::PictureTile* PieceAt(std::int32_t n) const override;
    // Leaving the picked piece gives it its yellow frame back.
    void HighlightObject(std::int32_t n, bool on) override;

  private:
    // Takes every piece's frame away.
    void RemoveFrames();
    // The second piece of a pair: the partner joins the picked piece, any other is an error.
    bool ChooseSecond(std::int32_t a);

    double RowGap;
    std::int32_t LeftColumnX = 0;
    std::int32_t LeftColumnY = 0;
    std::int32_t RightColumnX = 0;
    std::int32_t RightColumnY = 0;
    std::int32_t MatchedCount = 0;
    std::vector<std::unique_ptr<pieces::PictureTile>> Pieces;
    std::vector<std::int32_t> PairIds;
    std::vector<platform::Point> HomePositions;
    std::int32_t Selected = -1;
    // Pieces already joined in a pair: they stay untouchable even when a pending unblock for
    // them comes in after the pair was made.
    std::array<bool, kPieceCount> Joined{};
};

// The pairing exercises with picture cards: rows 25 design pixels apart, the words those of
// the selected sounds.
class CardPairs : public PairColumns {
  public:
    static constexpr const char* kCardFolder = pieces::NormalCardFolder;

    const pieces::CKarta& Card(std::int32_t n) const {
        return static_cast<const pieces::CKarta&>(Piece(n));
    }

  protected:
    CardPairs(game::ExerciseHost& host, const game::CWybor& settings, std::string instructionName);

    // The flag bits of the selected sounds; with none selected, those of every trained sound.
    std::uint32_t WordMask() const;
    // Five words of the selected sounds, no key twice.
    std::array<const media::CSlowo*, kColumnCount> DrawDifferentWords() const;
    // A selectable card of a word from a card folder.
    std::unique_ptr<pieces::PictureTile> MakeCard(const char* folder, const media::CSlowo& word,
                                                  platform::Point at, std::int32_t tag = 0);
};

// The pairing exercises with letter-and-digit tiles. A tile's number is its symbol code; a
// left tile shows the code of its pair, its partner that code and an offset.
class TilePairs : public PairColumns {
  public:
    const pieces::CLitCyf& Tile(std::int32_t n) const {
        return static_cast<const pieces::CLitCyf&>(Piece(n));
    }

  protected:
    using Codes = std::array<std::int32_t, kColumnCount>;

    TilePairs(game::ExerciseHost& host, const game::CWybor& settings, std::string instructionName,
              double rowGap);

    // Five different codes of the ten from first on; a code already drawn is drawn again.
    static Codes DrawDifferentCodes(std::int32_t first);
    // Lays out both columns: the left tiles show the codes, their partners the codes plus
    // partnerOffset. Throws CBlad code 1 when a tile picture is missing.
    void CreateTileColumns(const Codes& codes, std::int32_t partnerOffset);
};

}  // namespace exercises
