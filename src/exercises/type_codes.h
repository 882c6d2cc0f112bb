#pragma once

#include <cstdint>
#include <string_view>

namespace exercises {

// The code under which the statistics file records an exercise type, found by the whole
// instruction name ("S2b" gives 10); 99 for a name the table does not hold.
std::uint8_t TypeCode(std::string_view instructionName);

inline constexpr std::uint8_t UnknownTypeCode = 99;

}  // namespace exercises
