#include "media/clitcyf.h"

#include <array>
#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/picture_library.h"
#include "media/random.h"
#include "media/sounds.h"

namespace {

struct SoundAlias {
    const char* Tile;
    const char* Sound;
};

// Digits speak their number word; letters written with a helper letter speak their sound.
constexpr std::array<SoundAlias, 16> kSoundAliases{{
    {"d0", "zero"},
    {"d1", "jeden"},
    {"d2", "dwa"},
    {"d3", "trzy"},
    {"d4", "cztery"},
    {"d5", "piec"},
    {"d6", "szesc"},
    {"d7", "siedem"},
    {"d8", "osiem"},
    {"d9", "dziewiec"},
    {"si", "ss"},
    {"ci", "cc"},
    {"zi", "zzz"},
    {"oo", "u"},
    {"dzi", "dzzz"},
    {"rz", "zz"},
}};

constexpr int kPraiseCount = 36;
constexpr int kRemarkCount = 31;

}  // namespace

SelectionFrames& CLitCyf::SharedFrames() {
    static SelectionFrames frames;
    return frames;
}

void CLitCyf::LoadFrames(int which) {
    SharedFrames().Load(which);
}

CLitCyf::CLitCyf(int32_t left, int32_t top, platform::Form& owner, std::string name,
                 bool selectable, int32_t number, uint8_t extra, AddDirtyRectFn invalidate,
                 platform::Bitmap& frameCanvas, platform::Bitmap& backgroundCanvas,
                 platform::Bitmap& sceneCanvas)
    : CPictureTile(owner, SharedFrames(), selectable, std::move(invalidate), frameCanvas,
                   backgroundCanvas, sceneCanvas),
      number_(number),
      extra_(extra),
      name_(std::move(name)) {
    ReportingResourceErrors([&] {
        platform::Bitmap picture;
        if (!OtworzBMP(name_ + SizeSuffix(), picture)) {
            throw CBlad::ResourceMissing();
        }
        picture.ConvertTo(platform::PixelFormat::Bgr24);
        Place(std::move(picture), left, top);
    });
}

CLitCyf::~CLitCyf() = default;

std::string CLitCyf::SoundNameOf(const std::string& tileName) {
    std::string sound = tileName;
    // The red variant speaks like the plain one. The last four characters go whatever
    // they are, so "_red" is expected at the end.
    if (sound.find("_red") != std::string::npos) {
        sound.erase(sound.size() - 4);
    }
    for (const SoundAlias& alias : kSoundAliases) {
        if (sound == alias.Tile) {
            return alias.Sound;
        }
    }
    return sound;
}

void CLitCyf::Zoom() {
    // No "//" in the name: the view asks the enlargement library.
    ShowEnlarged(name_ + SizeSuffix(), [this] { PlayLetter(); });
}

bool CLitCyf::PlayLetter() const {
    return ::PlayLetter(SoundNameOf(name_));
}

bool PlayFeedback(bool right) {
    const int range = (right ? kPraiseCount : kRemarkCount) + 1;
    int n = 0;
    while (n == 0) {
        n = Random() % range;
    }
    return PlayFeedbackFile(right, n);
}
