#include "pieces/ckarta.h"

#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"
#include "media/sounds.h"

using namespace media;

namespace pieces {

SelectionFrames& CKarta::SharedFrames() {
    static SelectionFrames frames;
    return frames;
}

void CKarta::LoadFrames(int which) {
    SharedFrames().Load(which);
}

CKarta::CKarta(platform::Form& owner, const DrawContext& context, platform::Point position,
               std::string folder, CSlowo word, bool selectable, uint8_t extra, int32_t tag)
    : PictureTile(owner, context, SharedFrames(), selectable),
      extra_(extra),
      tag_(tag),
      folder_(std::move(folder)),
      word_(std::move(word)) {
    ReportingResourceErrors([&] {
        Place(LoadJpegPicture(NativePath(folder_ + word_.Key + SizeSuffix() + ".xji")), position);
    });
}

CKarta::~CKarta() = default;

void CKarta::Zoom() {
    // The enlarged cards exist in the large size only.
    ShowEnlarged(folder_ + "Pow//" + word_.Key + "_b.xji", [this] { PlayWord(); });
}

bool CKarta::PlayWord() const {
    return ::PlayWord(word_.Key);
}

}  // namespace pieces
