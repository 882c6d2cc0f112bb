#pragma once

#include <string_view>

// The JPEG comment of a word card that shows the written word because no fitting picture was
// found. The checker counts cards without it as real pictures; a deployer's own picture under
// the same name carries no such comment and counts too.
inline constexpr std::string_view TextCardComment = "vimbaro: text card";
