#pragma once

#include <concepts>
#include <string>
#include <type_traits>

namespace exercises {

// Appends value to out as little-endian two's complement, whatever the host's byte order.
template <std::integral T>
void PutLittleEndian(std::string& out, T value) {
    auto bits = static_cast<std::make_unsigned_t<T>>(value);
    for (std::size_t i = 0; i < sizeof(T); ++i) {
        out.push_back(static_cast<char>(bits & 0xFFu));
        bits = static_cast<std::make_unsigned_t<T>>(bits >> 8);
    }
}

}  // namespace exercises
