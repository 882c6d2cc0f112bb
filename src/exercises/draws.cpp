#include "exercises/draws.h"

#include <algorithm>
#include <stdexcept>

#include "catalog/resource_names.h"
#include "catalog/screen_geometry.h"
#include "game/cgrupa.h"
#include "media/cblad.h"
#include "media/random.h"

using namespace media;

namespace exercises {

namespace {

constexpr int SoundL = catalog::TrainedSoundCodes[0];
constexpr int SoundR = catalog::TrainedSoundCodes[1];
constexpr int SoundJ = catalog::TrainedSoundCodes[2];

// The three trained sounds in the order l, r, j: the selection bit, the section mask of a
// word list and the sound's code.
struct TrainedSound {
    int groupBit;
    std::int32_t sectionMask;
    int code;
};
constexpr TrainedSound TrainedSounds[] = {{game::SoundGroupL, SectionMaskL, SoundL},
                                          {game::SoundGroupR, SectionMaskR, SoundR},
                                          {game::SoundGroupJ, SectionMaskJ, SoundJ}};

bool ValidSelection(int soundGroups) {
    return soundGroups >= 1 && soundGroups <= 7;
}

// A distractor letter, 20 ... 28.
int DrawDistractor() {
    return DrawNonZero(10) - 1 + catalog::FirstDistractorCode;
}

// The selected sounds in the order l, r, j.
std::vector<int> SelectedSounds(int soundGroups) {
    if (!ValidSelection(soundGroups)) {
        throw std::invalid_argument("sound-group selection outside 1 ... 7");
    }
    std::vector<int> sounds;
    for (const TrainedSound& sound : TrainedSounds) {
        if ((soundGroups & sound.groupBit) != 0) {
            sounds.push_back(sound.code);
        }
    }
    return sounds;
}

}  // namespace

int DrawNonZero(int n) {
    for (;;) {
        const int r = Random() % n;
        if (r != 0) {
            return r;
        }
    }
}

std::int32_t SoundMask(int soundGroups, std::int32_t fallback) {
    if (!ValidSelection(soundGroups)) {
        return fallback;
    }
    std::int32_t mask = 0;
    for (const TrainedSound& sound : TrainedSounds) {
        if ((soundGroups & sound.groupBit) != 0) {
            mask |= sound.sectionMask;
        }
    }
    return mask;
}

int DrawTargetSound(int soundGroups) {
    const std::vector<int> sounds = SelectedSounds(soundGroups);
    if (sounds.size() == 1) {
        return sounds[0];
    }
    // Two sounds: mod 3, three sounds: mod 4; 0 is drawn again.
    const int n = static_cast<int>(sounds.size()) + 1;
    return sounds[static_cast<std::size_t>(DrawNonZero(n) - 1)];
}

int DrawSoundOrDistractor(int soundGroups) {
    const std::vector<int> sounds = SelectedSounds(soundGroups);
    if (sounds.size() == 1) {
        // 1 is the sound, 2 ... 10 name the distractors 20 ... 28 directly.
        const int r = DrawNonZero(11);
        return r == 1 ? sounds[0] : r - 2 + catalog::FirstDistractorCode;
    }
    // One more choice than sounds: the last one stands for a distractor, drawn on its own.
    const int n = static_cast<int>(sounds.size()) + 2;
    const int r = DrawNonZero(n);
    if (r == n - 1) {
        return DrawDistractor();
    }
    return sounds[static_cast<std::size_t>(r - 1)];
}

bool ExcludedDistractor(int target, int code) {
    switch (target) {
        case SoundL:
            return code == SoundL || code == SoundJ;
        case SoundR:
            return code >= 1 && code <= 9;
        case SoundJ:
            return code == SoundJ;
        default:
            return false;
    }
}

std::vector<std::int32_t> DrawWords(std::span<const std::int32_t> words, std::int32_t mask,
                                    int sizeL, int sizeR, int sizeJ, int count,
                                    std::int32_t excluded) {
    std::vector<std::int32_t> candidates;
    std::size_t start = 0;
    auto collect = [&](std::int32_t sectionMask, int size) {
        if (size < 0) {
            throw std::out_of_range("DrawWords: negative section size");
        }
        const auto n = static_cast<std::size_t>(size);
        if ((sectionMask & mask) > 0) {
            // Only a section that takes part is read, so only its end must lie in the list.
            const auto section = words.subspan(std::min(start, words.size()));
            if (n > section.size()) {
                throw std::out_of_range("DrawWords: a section reaches past the word list");
            }
            for (std::size_t i = 0; i < n; ++i) {
                if (section[i] != excluded) {
                    candidates.push_back(section[i]);
                }
            }
        }
        start += n;
    };
    collect(SectionMaskL, sizeL);
    collect(SectionMaskR, sizeR);
    collect(SectionMaskJ, sizeJ);

    if (count > static_cast<int>(candidates.size())) {
        throw CBlad::FromCode(CBlad::TooFewWordsCode);
    }
    std::vector<std::int32_t> result(static_cast<std::size_t>(std::max(count, 0)));
    for (int k = count; k >= 1; --k) {
        const auto d =
            static_cast<std::size_t>(Random() % static_cast<std::int32_t>(candidates.size()));
        result[static_cast<std::size_t>(k - 1)] = candidates[d];
        candidates[d] = candidates.back();
        candidates.pop_back();
    }
    return result;
}

platform::Point RandomPointInQuadrant(int quadrant) {
    if (quadrant < 1 || quadrant > 4) {
        return {0, 0};
    }
    const catalog::ScreenGeometry& g = catalog::Geometry();
    const std::int32_t w = g.DesignWidth / 2;
    const std::int32_t h = g.DesignHeight / 2;
    const std::int32_t x = g.LayoutRect.Left + Random() % w;
    const std::int32_t y = g.LayoutRect.Top + Random() % h;
    const bool right = quadrant == 2 || quadrant == 4;
    const bool bottom = quadrant == 3 || quadrant == 4;
    return {right ? x + w : x, bottom ? y + h : y};
}

}  // namespace exercises
