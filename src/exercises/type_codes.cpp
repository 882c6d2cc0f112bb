#include "exercises/type_codes.h"

namespace exercises {

namespace {

struct TypeCodeEntry {
    std::string_view Name;
    std::uint8_t Code;
};

// Variants of one type (the suffixed names) share its code.
constexpr TypeCodeEntry TypeCodes[] = {
    {"S1", 1},   {"S1a", 1}, {"S1b", 1},    {"S1_2", 2},   {"S1_6", 3},  {"S1_8", 4},  {"S10", 5},
    {"S11", 6},  {"S12", 7}, {"S15", 8},    {"S171", 9},   {"S1721", 9}, {"S1722", 9}, {"S2a", 10},
    {"S2b", 10}, {"S3", 11}, {"S3_11", 12}, {"S3_4a", 13}, {"S4a", 14},  {"S4b", 14},  {"S4_4", 15},
    {"S5", 16},  {"S6", 17}, {"S9", 18},    {"S2_1", 19},
};

}  // namespace

std::uint8_t TypeCode(std::string_view instructionName) {
    for (const TypeCodeEntry& e : TypeCodes) {
        if (e.Name == instructionName) {
            return e.Code;
        }
    }
    return UnknownTypeCode;
}

}  // namespace exercises
