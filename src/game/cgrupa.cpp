#include "game/cgrupa.h"

#include <cstddef>
#include <stdexcept>

#include "media/cblad.h"
#include "media/cslowo.h"
#include "media/random.h"

using namespace media;

namespace game {

namespace {

std::int32_t SelectedSum(int soundGroups, std::int32_t l, std::int32_t r, std::int32_t j) {
    return ((soundGroups & SoundGroupL) != 0 ? l : 0) + ((soundGroups & SoundGroupR) != 0 ? r : 0) +
           ((soundGroups & SoundGroupJ) != 0 ? j : 0);
}

// Entry of a word list; a table entry outside the list is a broken table, not a draw.
std::int32_t Entry(const std::vector<std::int32_t>& list, std::int32_t pos) {
    return list.at(static_cast<std::size_t>(pos));
}

bool MatchesWord(std::int32_t word, std::uint32_t mask) {
    return WordAt(word).Matches(mask);
}

}  // namespace

bool WordGroupSuitable(const CGrupa& group, int level, int soundGroups) {
    if ((soundGroups & (SoundGroupL | SoundGroupR | SoundGroupJ)) != 0) {
        if (SelectedSum(soundGroups, group.CountL, group.CountR, group.CountJ) <= 4) {
            return false;
        }
        if (level == LevelIII &&
            SelectedSum(soundGroups, group.UsableL, group.UsableR, group.UsableJ) < 1) {
            return false;
        }
    }
    if (level == LevelII && (group.Levels & GroupLevelII) == 0) {
        return false;
    }
    if (level == LevelIII && (group.Levels & GroupLevelIII) == 0) {
        return false;
    }
    return true;
}

int ChooseWordGroup(std::span<const CGrupa> groups, int level, int soundGroups) {
    bool any = false;
    for (const CGrupa& group : groups) {
        any = any || WordGroupSuitable(group, level, soundGroups);
    }
    if (!any) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    const auto range = static_cast<std::int32_t>(groups.size()) + 1;
    for (;;) {
        std::int32_t k = Random() % range - 1;
        if (k >= 0 && WordGroupSuitable(groups[static_cast<std::size_t>(k)], level, soundGroups)) {
            return k;
        }
    }
}

std::int32_t DrawWord(const CGrupa& group, std::uint32_t mask, std::uint32_t sectionMaskL,
                      std::uint32_t sectionMaskR, std::uint32_t sectionMaskJ) {
    std::vector<std::int32_t> collected;
    auto collect = [&](std::uint32_t sectionMask, std::int32_t start, std::int32_t count) {
        if ((sectionMask & mask) == 0) {
            return;
        }
        for (std::int32_t i = 0; i < count; ++i) {
            collected.push_back(Entry(group.Words, start + i));
        }
    };
    collect(sectionMaskL, 0, group.UsableL);
    collect(sectionMaskR, group.CountL, group.UsableR);
    collect(sectionMaskJ, group.CountL + group.CountR, group.UsableJ);
    if (collected.empty()) {
        throw std::out_of_range("DrawWord: the group has no usable word for this mask");
    }
    const auto n = static_cast<std::int32_t>(collected.size());
    return collected[static_cast<std::size_t>(Random() % n)];
}

std::int32_t DrawGroupTarget(const CGrupa& group, int level, std::uint32_t mask) {
    if (level == LevelIII) {
        return DrawWord(group, mask);
    }
    if (level != LevelII) {
        throw std::invalid_argument("DrawGroupTarget: only levels II and III have a target word");
    }
    const std::int32_t total = group.CountL + group.CountR + group.CountJ;
    // m - 1 runs over 0 ... total - 2; without a matching word there the draw would never end.
    bool possible = false;
    for (std::int32_t pos = 0; pos + 1 < total; ++pos) {
        possible = possible || MatchesWord(Entry(group.Words, pos), mask);
    }
    if (!possible) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    for (;;) {
        std::int32_t m = Random() % total;
        if (m != 0 && MatchesWord(Entry(group.Words, m - 1), mask)) {
            return Entry(group.Words, m - 1);
        }
    }
}

}  // namespace game
