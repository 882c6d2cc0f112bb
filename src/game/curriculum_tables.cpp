#include "game/curriculum_tables.h"

#include <cstddef>
#include <initializer_list>
#include <vector>

namespace game {

namespace {

struct Sections {
    std::vector<std::int32_t> L;
    std::vector<std::int32_t> R;
    std::vector<std::int32_t> J;
};

struct Usable {
    std::int32_t L;
    std::int32_t R;
    std::int32_t J;
};

void Append(std::vector<std::int32_t>& list, const Sections& sections) {
    for (const std::vector<std::int32_t>* section : {&sections.L, &sections.R, &sections.J}) {
        list.insert(list.end(), section->begin(), section->end());
    }
}

// Section sizes follow from the lists themselves, so a count can never disagree with them.
CGrupa MakeGroup(std::int32_t levels, const Sections& words, Usable usable,
                 const Sections& others) {
    CGrupa group;
    group.CountL = static_cast<std::int32_t>(words.L.size());
    group.CountR = static_cast<std::int32_t>(words.R.size());
    group.CountJ = static_cast<std::int32_t>(words.J.size());
    group.UsableL = usable.L;
    group.UsableR = usable.R;
    group.UsableJ = usable.J;
    group.OtherL = static_cast<std::int32_t>(others.L.size());
    group.OtherR = static_cast<std::int32_t>(others.R.size());
    group.OtherJ = static_cast<std::int32_t>(others.J.size());
    group.Levels = levels;
    Append(group.Words, words);
    Append(group.Others, others);
    return group;
}

struct WordPair {
    std::int32_t A;
    std::int32_t B;
};

std::vector<PairSet> MakeSets(std::initializer_list<std::initializer_list<WordPair>> sets) {
    std::vector<PairSet> result;
    result.reserve(sets.size());
    for (const std::initializer_list<WordPair>& pairs : sets) {
        const auto setNo = static_cast<std::int32_t>(result.size());
        PairSet& set = result.emplace_back();
        for (const WordPair& pair : pairs) {
            set.push_back(CPara{0, pair.A, pair.B, setNo});
        }
    }
    return result;
}

}  // namespace

// Each group: level, the theme words by section ("l", "r", "j"), how many leading words of each
// section a level-III draw may use, and the other words by section. Some lists repeat a word
// (group 14 holds 102 twice, group 13 holds 222 in two sections); that is intended.
WordGroupTable BuildWordGroups() {
    return {
        // 0: animals
        MakeGroup(16,
                  {{161, 165, 114, 155, 201, 241, 258, 319},
                   {261, 256, 393, 395, 14, 342},
                   {98, 99, 101, 362, 388, 225}},
                  {0, 0, 0},
                  {{111, 187, 193, 0, 57},
                   {321, 92, 90, 82, 207},
                   {247, 33, 86, 59, 213, 259, 44, 51, 71}}),
        // 1: forest
        MakeGroup(16, {{163, 146, 65, 165, 161}, {14, 230, 279}, {97, 102, 101, 95, 362, 388}},
                  {0, 0, 0},
                  {{110, 380, 365, 238, 69},
                   {286, 189, 90, 8, 216, 28, 70, 63},
                   {129, 9, 273, 212, 328, 332, 76}}),
        // 2: school
        MakeGroup(16, {{84, 159, 157, 324, 6, 206}, {271, 35, 49, 67, 139}, {}}, {0, 0, 0},
                  {{126, 191, 128, 91, 12, 379, 132, 208}, {287, 321, 90, 207, 33}, {}}),
        // 3: household objects
        MakeGroup(16, {{145, 119, 315, 329, 80, 168}, {260, 371, 3, 195}, {}}, {0, 0, 0},
                  {{199, 220, 276, 24, 365, 238}, {48, 184, 192, 276, 380, 21, 212}, {}}),
        // 4: food
        MakeGroup(16,
                  {{166, 167, 294, 169, 27, 43, 131, 198, 346, 242, 347},
                   {34, 45, 46, 104, 236, 333},
                   {94, 102, 96}},
                  {0, 0, 0},
                  {{293, 48, 380, 378, 208, 238},
                   {288, 286, 197, 90, 28, 122, 182, 18},
                   {249, 185, 186, 48, 72}}),
        // 5: clothing
        MakeGroup(16,
                  {{106, 105, 107, 130, 229, 304, 302}, {290, 309, 311, 239, 138, 54, 322}, {204}},
                  {0, 0, 0}, {{2, 52, 193, 24, 69}, {355, 375, 13, 247, 62, 70, 60}, {}}),
        // 6: vehicles
        MakeGroup(16, {{200, 277, 170, 384}, {262, 268, 31, 28, 334, 337, 359}, {}}, {0, 0, 0},
                  {{111, 10, 0, 23, 238}, {196, 92, 172, 90, 82, 207, 33, 123, 181, 59}, {}}),
        // 7: body
        MakeGroup(16, {{227}, {356, 387}, {317, 103}}, {0, 0, 0},
                  {{278, 275, 280, 367, 365, 69, 57}, {323, 172, 375, 247, 216, 13, 86}, {}}),
        // 8: vegetables
        MakeGroup(
            16, {{22}, {19, 251, 341, 190, 141, 236}, {}}, {0, 0, 0},
            {{127, 199, 380, 360, 367, 132, 238}, {92, 321, 90, 82, 17, 122, 247, 62, 70}, {}}),
        // 9: fruit
        MakeGroup(16, {{320, 218}, {89, 39, 45, 46, 5, 341}, {94, 102, 95, 97}}, {0, 0, 0},
                  {{7, 83, 357, 193, 0, 23, 36, 69},
                   {286, 90, 28, 207, 63, 59, 64},
                   {310, 210, 392, 354, 332, 248, 72, 76}}),
        // 10: professions
        MakeGroup(16, {{173, 154, 188, 206, 164, 133}, {264, 81, 214, 340}, {74}}, {0, 0, 0},
                  {{300, 297, 326, 369, 235, 57},
                   {284, 281, 375, 123, 33, 182},
                   {303, 305, 213, 392, 272, 391, 71}}),
        // 11: toys
        MakeGroup(16, {{118, 149, 170, 143, 277, 301}, {262, 268, 239, 31, 139}, {224, 73}},
                  {0, 0, 0},
                  {{111, 364, 134, 367, 222, 25, 23, 57},
                   {355, 109, 216, 123, 358},
                   {259, 192, 386, 349, 233, 71}}),
        // 12: school
        MakeGroup(
            32, {{206, 324, 6, 84, 117, 245, 246, 159, 157}, {307, 271, 49, 372, 139, 38}, {}},
            {1, 1, 0}, {{2, 365, 85, 208, 23, 57}, {286, 197, 216, 28, 123, 62, 60, 345}, {}}),
        // 13: fruit
        MakeGroup(32, {{}, {89, 222, 39, 45, 46, 5}, {341, 222, 94, 102, 95, 97}}, {0, 1, 1},
                  {{}, {321, 90, 8, 207, 59, 70, 182}, {192, 76, 8, 61, 140, 13}}),
        // 14: forest
        MakeGroup(32, {{146, 161, 65, 319}, {279, 338, 381, 230}, {362, 102, 97, 102, 101}},
                  {1, 1, 1},
                  {{126, 127, 111, 357, 83, 24, 238, 69},
                   {321, 284, 90, 8, 28, 216, 86, 63, 58},
                   {316, 223, 212, 76, 48}}),
        // 15: road traffic
        MakeGroup(32, {{276, 200, 285, 158, 344}, {55, 112, 363, 359, 334, 335}, {}}, {1, 1, 0},
                  {{191, 187, 367, 208, 222}, {355, 375, 207, 13, 58, 60}, {}}),
        // 16: tree and orchard
        MakeGroup(32, {{163, 65}, {56, 282, 89}, {94}}, {0, 1, 0},
                  {{199, 126, 378, 351, 69, 57},
                   {321, 196, 135, 90, 207, 18, 60, 182},
                   {249, 210, 382, 212, 51, 44, 76, 72}}),
        // 17: doctor
        MakeGroup(32, {{154, 313, 152, 336, 243}, {}, {}}, {1, 0, 0},
                  {{72, 382, 219, 318, 232}, {}, {}}),
        // 18: gardening
        MakeGroup(32, {{}, {214, 53, 373, 251, 87}, {}}, {0, 1, 0},
                  {{}, {321, 90, 4, 210, 351, 378}, {}}),
    };
}

PairSetTable BuildPairSets() {
    PairSetTable table(9);
    // Level I has no pair exercise; its entry exists and stays empty.
    // Level II: 21 sets, 25 pairs.
    table[2] = MakeSets({
        {{317, 103}},              // 0
        {{105, 106}},              // 1
        {{145, 119}},              // 2
        {{146, 163}, {161, 165}},  // 3
        {{346, 347}},              // 4
        {{306, 79}},               // 5
        {{164, 162}},              // 6
        {{81, 3}},                 // 7
        {{29, 30}},                // 8
        {{334, 335}, {31, 112}},   // 9
        {{45, 46}, {102, 95}},     // 10
        {{54, 311}},               // 11
        {{214, 87}},               // 12
        {{136, 261}},              // 13
        {{139, 271}, {224, 197}},  // 14
        {{255, 333}},              // 15
        {{256, 361}},              // 16
        {{269, 296}},              // 17
        {{98, 99}},                // 18
        {{101, 100}},              // 19
        {{226, 225}},              // 20
    });
    // Level III: 24 sets, 40 pairs.
    table[4] = MakeSets({
        {{96, 390}},                                                              // 0
        {{20, 306}},                                                              // 1
        {{77, 228}, {155, 77}},                                                   // 2
        {{107, 130}, {105, 304}, {106, 304}, {105, 107}, {106, 107}, {54, 290}},  // 3
        {{143, 118}},                                                             // 4
        {{145, 147}},                                                             // 5
        {{154, 313}},                                                             // 6
        {{156, 244}},                                                             // 7
        {{169, 347}},                                                             // 8
        {{188, 234}},                                                             // 9
        {{277, 174}},                                                             // 10
        {{200, 158}, {200, 344}},                                                 // 11
        {{202, 319}},                                                             // 12
        {{157, 159}, {206, 324}, {160, 117}},                                     // 13
        {{353, 131}},                                                             // 14
        {{384, 383}},                                                             // 15
        {{393, 14}, {362, 388}},                                                  // 16
        {{15, 47}, {15, 41}, {15, 270}, {41, 270}, {41, 47}},                     // 17
        {{19, 190}, {190, 250}, {89, 341}},                                       // 18
        {{49, 372}},                                                              // 19
        {{94, 101}},                                                              // 20
        {{95, 102}},                                                              // 21
        {{204, 317}},                                                             // 22
        {{241, 99}},                                                              // 23
    });
    // Level IV: 23 sets, 37 pairs.
    table[8] = MakeSets({
        {{96, 390}},                                                            // 0
        {{6, 84}},                                                              // 1
        {{43, 198}, {27, 198}},                                                 // 2
        {{114, 133}},                                                           // 3
        {{145, 148}},                                                           // 4
        {{173, 277}, {173, 174}, {149, 277}, {277, 285}, {31, 55}, {31, 363}},  // 5
        {{168, 169}, {169, 167}},                                               // 6
        {{228, 244}},                                                           // 7
        {{200, 170}},                                                           // 8
        {{159, 206}, {206, 157}, {246, 157}, {214, 340}},                       // 9
        {{320, 218}},                                                           // 10
        {{329, 330}},                                                           // 11
        {{353, 377}},                                                           // 12
        {{5, 251}},                                                             // 13
        {{14, 395}, {393, 299}, {362, 388}},                                    // 14
        {{50, 348}},                                                            // 15
        {{88, 289}},                                                            // 16
        {{255, 368}},                                                           // 17
        {{282, 283}},                                                           // 18
        {{296, 338}},                                                           // 19
        {{224, 360}},                                                           // 20
        {{94, 95}, {95, 102}, {97, 56}},                                        // 21
        {{103, 317}},                                                           // 22
    });
    return table;
}

}  // namespace game
