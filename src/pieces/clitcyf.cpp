#include "pieces/clitcyf.h"

#include <utility>

#include "catalog/resource_names.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/picture_library.h"
#include "media/random.h"
#include "media/sounds.h"

using namespace media;
using namespace catalog;

namespace pieces {

SelectionFrames& CLitCyf::SharedFrames() {
    static SelectionFrames frames;
    return frames;
}

void CLitCyf::LoadFrames(int which) {
    SharedFrames().Load(which);
}

CLitCyf::CLitCyf(platform::Form& owner, const DrawContext& context, platform::Point position,
                 std::string name, bool selectable, int32_t number, uint8_t extra)
    : PictureTile(owner, context, SharedFrames(), selectable),
      number_(number),
      extra_(extra),
      name_(std::move(name)) {
    ReportingResourceErrors([&] {
        platform::Bitmap picture;
        if (!OtworzBMP(name_ + SizeSuffix(), picture)) {
            throw CBlad::ResourceMissing();
        }
        picture.ConvertTo(platform::PixelFormat::Bgr24);
        Place(std::move(picture), position);
    });
}

CLitCyf::~CLitCyf() = default;

void CLitCyf::Zoom() {
    // No "//" in the name: the view asks the enlargement library.
    ShowEnlarged(name_ + SizeSuffix(), [this] { PlayLetter(); });
}

bool CLitCyf::PlayLetter() const {
    return ::PlayLetter(LetterSoundName(name_));
}

bool PlayFeedback(bool right) {
    const int range = (right ? PraiseCount : RemarkCount) + 1;
    int n = 0;
    while (n == 0) {
        n = Random() % range;
    }
    return PlayFeedbackFile(right, n);
}

}  // namespace pieces
