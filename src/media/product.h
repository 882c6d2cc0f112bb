#pragma once

namespace media {

// The product's title: every full-screen form and window carries it as its caption.
inline constexpr const char* ProductTitle = "Vimbaro Cz.II";

}  // namespace media
