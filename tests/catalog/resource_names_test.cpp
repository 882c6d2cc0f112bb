#include "catalog/resource_names.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

using namespace catalog;

namespace {

struct NameCase {
    std::string_view In;
    std::string_view Out;
};

}  // namespace

TEST(ResourceNames, SymbolNamesFollowTheCodeTable) {
    struct Case {
        int Code;
        std::string_view Name;
    };
    constexpr Case kCases[] = {
        {1, "l"},      {2, "r"},     {9, "j"},         {20, "p"},          {24, "o"},  {28, "e"},
        {40, "zero"},  {45, "piec"}, {49, "dziewiec"}, {50, "d0"},         {57, "d7"}, {59, "d9"},
        {-1, "rowny"}, {-2, "plus"}, {-3, "minus"},    {-4, "niewiadoma"}, {0, ""},    {3, ""},
        {19, ""},      {29, ""},     {30, ""},         {39, ""},           {60, ""},   {-5, ""},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(SymbolName(c.Code), c.Name) << "code " << c.Code;
    }
}

TEST(ResourceNames, LetterFileNamesDropTheMarkAndSpellPolishLettersInAscii) {
    constexpr NameCase kCases[] = {
        {"_dź", "dzzz"},
        {"ż", "zz"},
        {"ź", "zzz"},
        {"dż", "dzz"},
        {"ą", "aa"},
        {"ć", "cc"},
        {"ę", "ee"},
        {"ł", "ll"},
        {"ń", "nn"},
        {"ś", "ss"},
        {"ó", "oo"},
        {"_l", "l"},
        {"sz", "sz"},
        {"rz", "rz"},
        {"_ci", "ci"},
        {"a", "a"},
        // Only a whole Polish letter is replaced.
        {"żż", "żż"},
    };
    for (const NameCase& c : kCases) {
        EXPECT_EQ(LetterFileName(c.In), c.Out) << c.In;
    }
}

TEST(ResourceNames, SoundOfNamePrefersRThenJThenL) {
    struct Case {
        std::string_view Name;
        int Sound;
    };
    constexpr Case kCases[] = {
        {"a,d,_r,e,s,", 2},   {"_j,e,ż,", 9}, {"_l,_i,s,", 1}, {"ż,y,_r,a,n,d,o,_l,", 2},
        {"b,u,_c,_i,k,", -1}, {"k,o,t,", -1}, {"", -1},
    };
    for (const Case& c : kCases) {
        EXPECT_EQ(SoundOfName(c.Name), c.Sound) << c.Name;
    }
}

TEST(ResourceNames, TilesSpeakTheirSoundName) {
    constexpr NameCase kCases[] = {
        {"d3_red", "trzy"},
        {"d0", "zero"},
        {"d9", "dziewiec"},
        {"rz", "zz"},
        {"zz", "zz"},
        {"si_red", "ss"},
        {"s", "s"},
        {"ci", "cc"},
        {"zi", "zzz"},
        {"dzi", "dzzz"},
        {"oo", "u"},
        {"l_red", "l"},
        {"zero", "zero"},
        {"plus", "plus"},
        {"niewiadoma", "niewiadoma"},
        // The last four characters go wherever "_red" stands.
        {"a_redxy", "a_r"},
    };
    for (const NameCase& c : kCases) {
        EXPECT_EQ(LetterSoundName(c.In), c.Out) << c.In;
    }
}
