#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "catalog/resource_names.h"
#include "exercises/exercise_fixture.h"
#include "exercises/pair_columns.h"
#include "game/cwybor.h"
#include "media/cslowo.h"

namespace pair_fixture {

// Every card and tile of the pairing exercises is this size (frames are 80 x 60).
inline constexpr int kPieceWidth = 60;
inline constexpr int kPieceHeight = 40;

// A colour of its own for each digit tile.
inline platform::Color DigitColour(int digit) {
    return {static_cast<uint8_t>(40 + digit * 20), 200, static_cast<uint8_t>(220 - digit * 15)};
}

// A colour of its own for each number picture, none equal to a digit's.
inline platform::Color NumberColour(int number) {
    return {static_cast<uint8_t>(30 + number * 20), 90, static_cast<uint8_t>(210 - number * 15)};
}

inline game::CWybor SettingsFor(std::int16_t level, std::int16_t soundGroups) {
    game::CWybor settings;
    settings.poziom = level;
    settings.gloski = soundGroups;
    return settings;
}

// The pair numbers of the ten pieces: equal numbers are partners.
inline std::vector<std::int32_t> PairIds(const exercises::PairColumns& e) {
    std::vector<std::int32_t> ids;
    for (std::int32_t n = 0; n < exercises::PairColumns::kPieceCount; ++n) {
        ids.push_back(e.PairOf(n));
    }
    return ids;
}

// The partner of piece n: the piece of the other column of the same pair.
inline std::int32_t PartnerOf(const exercises::PairColumns& e, std::int32_t n) {
    const std::int32_t first =
        n < exercises::PairColumns::kColumnCount ? exercises::PairColumns::kColumnCount : 0;
    for (std::int32_t k = first; k < first + exercises::PairColumns::kColumnCount; ++k) {
        if (e.PairOf(k) == e.PairOf(n)) {
            return k;
        }
    }
    ADD_FAILURE() << "piece " << n << " has no partner";
    return -1;
}

// A piece of the other column that is not the partner of piece n.
inline std::int32_t WrongFor(const exercises::PairColumns& e, std::int32_t n) {
    const std::int32_t first =
        n < exercises::PairColumns::kColumnCount ? exercises::PairColumns::kColumnCount : 0;
    return PartnerOf(e, n) == first ? first + 1 : first;
}

// Drives an exercise to its solution through Choose alone: each pair in index order (or its
// second piece first), pairs one after another; returns what every Choose returned.
inline std::vector<bool> SolveByChoosing(game::Exercise& exercise,
                                         const std::vector<std::int32_t>& pairs,
                                         bool secondFirst = false) {
    std::vector<bool> results;
    std::vector<bool> used(pairs.size(), false);
    for (size_t i = 0; i < pairs.size(); ++i) {
        for (size_t j = i + 1; j < pairs.size() && !used[i]; ++j) {
            if (!used[j] && pairs[j] == pairs[i]) {
                used[i] = used[j] = true;
                const auto first = static_cast<std::int32_t>(secondFirst ? j : i);
                const auto second = static_cast<std::int32_t>(secondFirst ? i : j);
                results.push_back(exercise.Choose(first, 0));
                results.push_back(exercise.Choose(second, 0));
            }
        }
    }
    return results;
}

}  // namespace pair_fixture

// The pictures every pairing exercise asks for: the ear, a card for every word of a trained
// sound in both card sets, the ten digit tiles and the ten number pictures.
class PairTest : public ExerciseTest {
  protected:
    explicit PairTest(platform::Point screen = {1280, 960}) : ExerciseTest(screen) {
        WriteInstructionPicture("sluch");
        WriteWordCards("Res/Kar/Nor/", media::FlagAnyTrained, pair_fixture::kPieceWidth,
                       pair_fixture::kPieceHeight);
        WriteSecondCards();
        for (int d = 0; d <= 9; ++d) {
            WriteBmp("Lib/GFX/d" + std::to_string(d) + media::SizeSuffix() + ".xbi",
                     Plain(pair_fixture::kPieceWidth, pair_fixture::kPieceHeight,
                           pair_fixture::DigitColour(d)));
            WriteBmp("Lib/GFX/" +
                         std::string(catalog::SymbolName(catalog::FirstNumberWordCode + d)) +
                         media::SizeSuffix() + ".xbi",
                     Plain(pair_fixture::kPieceWidth, pair_fixture::kPieceHeight,
                           pair_fixture::NumberColour(d)));
        }
    }

    // The colour of a word's second picture: the first one's opposite.
    static platform::Color SecondCardColour(int word) {
        const platform::Color c = WordCardColour(word);
        return {static_cast<uint8_t>(255 - c.R), static_cast<uint8_t>(255 - c.G),
                static_cast<uint8_t>(255 - c.B)};
    }
    // The second card set, for every word of a trained sound.
    void WriteSecondCards() {
        std::set<std::string> written;
        for (int n = 0; n < static_cast<int>(media::WordDatabase().size()); ++n) {
            const media::CSlowo& word = media::WordAt(n);
            if (word.Matches(media::FlagAnyTrained) && written.insert(word.Key).second) {
                WriteJpeg("Res/Kar/Kon/" + word.Key + media::SizeSuffix() + ".xji",
                          Plain(pair_fixture::kPieceWidth, pair_fixture::kPieceHeight,
                                SecondCardColour(n)));
            }
        }
    }

    // An exercise of type T, shown as the game form shows it.
    template <class T>
    std::unique_ptr<T> Shown(const game::CWybor& settings) {
        auto e = std::make_unique<T>(*host_, settings);
        e->Begin();
        return e;
    }
    const platform::Bitmap& Frame() const { return form_.FrameBitmap; }
};
