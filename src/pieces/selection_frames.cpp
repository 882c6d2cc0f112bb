#include "pieces/selection_frames.h"

#include <string>
#include <string_view>

#include "catalog/resource_names.h"
#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/picture_library.h"

using namespace media;
using namespace catalog;

namespace pieces {

namespace {

// Empty for a style without a picture.
std::string_view FrameBaseName(int16_t style) {
    if (style < SelectionFrames::Red || style > SelectionFrames::Orange) {
        return {};
    }
    return SelectionFrameNames[static_cast<size_t>(style - SelectionFrames::Red)];
}

}  // namespace

void SelectionFrames::Load(int which) {
    if (which == 0 || which == 2) {
        LoadStyle(Red);
        LoadStyle(Green);
        LoadStyle(Orange);
    }
    if (which == 1 || which == 2) {
        LoadStyle(Yellow);
        LoadStyle(Blue);
    }
}

void SelectionFrames::LoadStyle(int16_t style) {
    const std::string_view base = FrameBaseName(style);
    if (base.empty()) {
        throw CBlad::ResourceMissing();
    }
    auto& slot = pictures_[static_cast<size_t>(style)];
    if (slot) {
        return;
    }
    auto picture = std::make_unique<platform::Bitmap>();
    if (!OtworzBMP(std::string(base) + SizeSuffix(), *picture)) {
        throw CBlad::ResourceMissing();
    }
    slot = std::move(picture);
}

const platform::Bitmap* SelectionFrames::Picture(int16_t style) const {
    if (style <= None || style > Orange) {
        return nullptr;
    }
    return pictures_[static_cast<size_t>(style)].get();
}

std::optional<platform::Point> SelectionFrames::Size() const {
    for (int16_t style : {Green, Yellow, Red, Blue, Orange}) {
        if (const platform::Bitmap* p = Picture(style)) {
            return platform::Point{p->Width(), p->Height()};
        }
    }
    return std::nullopt;
}

void SelectionFrames::Free() {
    for (auto& p : pictures_) {
        p.reset();
    }
}

SelectionFrames::User::User(SelectionFrames& set, bool loadAll) : set_(set) {
    if (set_.live_ == 0 && loadAll) {
        try {
            set_.Load(2);
        } catch (...) {
            // Nobody uses the set: do not keep half of it.
            set_.Free();
            throw;
        }
    }
    ++set_.live_;
}

SelectionFrames::User::~User() {
    if (--set_.live_ == 0) {
        set_.Free();
    }
}

}  // namespace pieces
