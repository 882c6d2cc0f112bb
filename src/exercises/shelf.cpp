#include "exercises/shelf.h"

#include <string>

#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "media/ctransbitmap.h"
#include "media/data_paths.h"

using namespace catalog;
using namespace media;

namespace exercises {

namespace {

CTransBitmap LoadShelfPiece(const std::string& name) {
    const std::string base = "Data\\Res\\" + name + SizeSuffix();
    CTransBitmap piece;
    try {
        piece.LoadPair(NativePath(base + PairSuffix(false) + ".xbi"),
                       NativePath(base + PairSuffix(true) + ".xbi"));
    } catch (...) {
        throw CBlad::ResourceMissing();
    }
    return piece;
}

}  // namespace

ShelfPlace DrawShelf(const DrawContext& context, int left, std::size_t middles,
                     const std::function<void(std::size_t, int, int)>& atMiddle,
                     std::optional<int> shelfTop, double leftPieces) {
    const ScreenGeometry& g = Geometry();
    CTransBitmap leftPiece = LoadShelfPiece("lewo");
    CTransBitmap middle = LoadShelfPiece("srodek");
    CTransBitmap rightPiece = LoadShelfPiece("prawo");
    // By default on the layout's bottom edge (the design height is already in screen pixels).
    const int top = shelfTop.value_or(g.LayoutRect.Top + g.DesignHeight - leftPiece.Height());
    int x = static_cast<int>(left - leftPieces * leftPiece.Width());
    const auto draw = [&](CTransBitmap& piece) {
        for (platform::Bitmap* target : {&context.Frame, &context.Scene}) {
            piece.Draw(*target, x, top, 255);
        }
        context.Queue(platform::Rect::FromSize(x, top, piece.Width(), piece.Height()));
        x += piece.Width();
    };
    draw(leftPiece);
    const ShelfPlace place{top, x};
    for (std::size_t k = 0; k < middles; ++k) {
        if (atMiddle) {
            atMiddle(k, x, top);
        }
        draw(middle);
    }
    draw(rightPiece);
    return place;
}

}  // namespace exercises
