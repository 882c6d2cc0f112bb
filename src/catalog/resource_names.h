#pragma once

#include <array>
#include <string>
#include <string_view>

namespace catalog {

// The names the program builds its picture and recording file names from, as plain data.
// Only standard headers: the resource catalogue and the data-set tools compile this file on
// its own, and the program uses the same lists where it builds those names.

// ---- Layouts -------------------------------------------------------------------------------

// The two screen layouts a sized picture exists for: 1 (1024x768) and 4 (1280x960).
inline constexpr std::array<int, 2> Layouts{1, 4};

// "_s" for layout 1, "_b" for layout 4: follows the base name of a sized picture.
std::string_view SizeSuffixOf(int layout);

// "_mini" for layout 1, "_maxi" for layout 4: the check buttons, the slider and the labels
// of the button library put this in place of the size suffix.
std::string_view LayoutSuffixOf(int layout);

// ---- Symbols and tiles ---------------------------------------------------------------------

// Symbol codes of the exercises: trained sounds 1 "l", 2 "r", 9 "j"; distractor letters
// 20-28; number words 40-49; digits 50-59; signs -1 "rowny", -2 "plus", -3 "minus",
// -4 "niewiadoma". Any other code names nothing (empty).
std::string_view SymbolName(int code);

inline constexpr std::array<int, 3> TrainedSoundCodes{1, 2, 9};
inline constexpr int FirstDistractorCode = 20;
inline constexpr int LastDistractorCode = 28;
inline constexpr int FirstNumberWordCode = 40;
inline constexpr int FirstDigitCode = 50;
inline constexpr int LastSignCode = -4;  // the signs run from -1 down to this

// The relation signs of the comparing exercise, beside the signs of SymbolName.
inline constexpr std::array<std::string_view, 2> RelationSignTiles{"wiekszy", "mniejszy"};

// The letters of the alphabet ordering exercise: the Polish letters without diacritics.
inline constexpr std::array<std::string_view, 23> AlphabetLetters{
    "a", "b", "c", "d", "e", "f", "g", "h", "i", "j", "k", "l",
    "m", "n", "o", "p", "r", "s", "t", "u", "w", "y", "z"};

// Appended to a tile name for the red picture of the same symbol ("l_red").
inline constexpr std::string_view RedTileSuffix = "_red";

// The file name of a letter or grapheme of a spelling (UTF-8): a leading "_" mark goes, and
// a Polish letter becomes doubled ASCII ("ą" "aa", "ż" "zz", "ź" "zzz", "dź" "dzzz" ...);
// anything else is kept ("sz" stays "sz").
std::string LetterFileName(std::string_view letter);

// The trained sound a marked spelling or name holds: 2 when it contains "_r", else 9 for
// "_j", else 1 for "_l", else -1.
int SoundOfName(std::string_view name);

// The recording a tile speaks, under Res/Snd/LC: a name holding "_red" loses its last four
// characters; digits speak their number word ("d3" "trzy"); letters written with a helper
// letter speak their twin ("si" "ss", "rz" "zz", "oo" "u" ...).
std::string LetterSoundName(std::string_view tileName);

// ---- Shared pictures -----------------------------------------------------------------------

// Selection frames of the frame library in style order: red (1), green, yellow, blue,
// orange (5).
inline constexpr std::array<std::string_view, 5> SelectionFrameNames{
    "ramka_red", "ramka_green", "ramka_yellow", "ramka_blue", "ramka_orange"};

// Transparent pictures the exercises load from Res: instruction pictures and the question
// box, then the three pieces of the bar under tiles.
inline constexpr std::array<std::string_view, 3> FramedPictureNames{"mysl", "sluch", "niewiadoma"};
inline constexpr std::array<std::string_view, 3> TrackPieceNames{"lewo", "srodek", "prawo"};

// The vehicle and its sixteen direction frames.
inline constexpr std::string_view FigureName = "pojazd";
inline constexpr int FigureFrameCount = 16;

// Exercise backgrounds t1 ... t3.
inline constexpr int ExerciseBackgroundCount = 3;

// ---- Sounds --------------------------------------------------------------------------------

inline constexpr int PraiseCount = 36;  // g1 ... g36
inline constexpr int RemarkCount = 31;  // b1 ... b31

// Spoken instructions under Res/Snd/Pol, one per exercise type and variant.
inline constexpr std::array<std::string_view, 23> InstructionNames{
    "S1a",  "S1b",   "S2a",   "S2b", "S1_2", "S1_6", "S1_8", "S2_1", "S15",  "S5",    "S3",   "S4a",
    "S4_4", "S3_4a", "S3_11", "S6",  "S11",  "S12",  "S9",   "S10",  "S171", "S1721", "S1722"};

// ---- Forms and controls --------------------------------------------------------------------

// Push buttons (name + state + size suffix + pair suffix) and their four looks: hover,
// normal, pressed, disabled.
inline constexpr std::array<std::string_view, 9> PushButtonNames{
    "start", "options", "info", "exit", "powrot", "dalej", "wstecz", "pomoc", "stop"};
inline constexpr std::array<std::string_view, 4> PushButtonLooks{"_a", "_d", "_c", "_na"};

// Check buttons (name + layout suffix + state + pair suffix). Four-look buttons follow
// their enabled state; the two-look ones here are always created enabled.
inline constexpr std::array<std::string_view, 14> FourLookCheckButtonNames{
    "m", "s", "d", "pI",      "pII",     "pIII",   "pIV",
    "l", "r", "j", "opskwew", "opskzew", "opsk1p", "opsk2p"};
inline constexpr std::array<std::string_view, 3> TwoLookCheckButtonNames{"wyl", "wl", "jakgrac"};
inline constexpr std::array<std::string_view, 4> CheckButtonLooks{"_A_C", "_A_NC", "_NA_C",
                                                                  "_NA_NC"};
inline constexpr std::array<std::string_view, 2> EnabledCheckButtonLooks{"_A_C", "_A_NC"};

// Label pictures of the menu and the options form (name + layout suffix + pair suffix).
inline constexpr std::array<std::string_view, 5> LabelNames{"poziom", "ilosc", "gloski",
                                                            "opskanowanie", "czasprzejsc"};

// The options form's slider: track and knob, enabled and disabled.
inline constexpr std::string_view SliderName = "track";
inline constexpr std::array<std::string_view, 4> SliderLooks{"_as", "_nas", "_ap", "_nap"};

}  // namespace catalog
