#pragma once

#include <string>
#include <string_view>

#include "catalog/resource_catalog.h"
#include "catalog/resource_names.h"

// What every recording of the data set says, in Polish, addressed to a child. Texts are UTF-8
// for the speech synthesiser; letter sounds are written as phoneme codes within [[ ]], because
// a single letter in plain text would be read out as its alphabet name ("el", "er").
namespace datagen {

// Praise after a right answer, n = 1 ... PraiseCount.
std::string_view PraiseText(int n);
// A gentle remark after a wrong answer, n = 1 ... RemarkCount.
std::string_view RemarkText(int n);

// The word of a word key, spelled as the word table spells it ("losss" says "łoś").
std::string WordText(std::string_view key);

// What a letter recording says: the sound of a letter, a number word, a sign. Takes the
// name of the recording and also the name of a tile that speaks through another recording
// ("d7", "rz", "l_red"), by the game's own rule. Throws std::invalid_argument for a name it
// cannot voice.
std::string TileText(std::string_view name);

// The spoken instruction of an exercise type, by its instruction name ("S1a", "S3_11").
// Throws std::invalid_argument for an unknown name.
std::string_view InstructionText(std::string_view name);

// The text of any recording of the catalogue (by group and name). Throws
// std::invalid_argument for an entry that is not a recording or whose name is unknown.
std::string SpokenText(const catalog::ResourceEntry& entry);

}  // namespace datagen
