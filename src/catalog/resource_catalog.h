#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace catalog {

// Every file the program can ask the data folder for, in both layouts. The program builds its
// resource names from the functions here; the data-set generator walks the table to make each
// file and the checker walks it to report what a data folder lacks.

enum class ResourceFormat {
    Jpeg,  // ".xji": baseline JPEG
    Bmp,   // ".xbi": Windows BMP, 24 bits (every picture the program blends is 24 bits)
    Wave,  // ".snd": RIFF WAVE
    Midi,  // the menu tune: a standard MIDI file under a ".snd" name
};

// What a resource is for: the generator picks the maker, the checker groups its report.
enum class ResourceGroup {
    Splash,              // the start-up picture
    FormBackground,      // message, menu, options, about and results form backgrounds
    AboutPage,           // the information form's two page pictures (pairs)
    ExerciseBackground,  // t1..t3
    FramedPicture,       // "sluch", "mysl", "niewiadoma" (pairs)
    TrackPiece,          // "lewo", "srodek", "prawo" (pairs)
    ScoreDigit,          // 0..9 (pairs)
    WordCard,            // normal card set
    WordCardSecondSet,   // the "Kon" card set
    EnlargedWordCard,    // Pow pictures of either set
    FigureFrame,         // the vehicle's 16 directions (pairs)
    FigureMap,           // the vehicle's collision map
    SelectionFrame,      // picture library GFX: "ramka_<colour>"
    Tile,                // picture library GFX: letter, digit and sign tiles
    EnlargedTile,        // picture library POW
    ButtonPicture,       // picture library BUTT: buttons, check buttons, slider, labels (pairs)
    WordRecording,       // Res/Snd/<key>
    Praise,              // g1..g36
    Remark,              // b1..b31
    SpokenTile,          // Res/Snd/LC: letters, sounds, digits, number words
    Instruction,         // Res/Snd/Pol: spoken instructions
    MenuTune,            // Res/Snd/Men/s
};

struct ResourceEntry {
    // Relative to the data folder, '/' separated, exact letter case: "Res/Kar/Nor/zolw_s.xji",
    // "Lib/BUTT/start_a_s_W.xbi".
    std::string Path;
    ResourceFormat Format;
    ResourceGroup Group;
    // What the file shows or says, without size and pair suffixes: the word key, tile name
    // ("l_red" included), button picture with its state infix ("start_a", "pI_A_C",
    // "track_as"), instruction name, digit, vehicle frame ("pojazd_7") ...
    std::string Name;
    // 1 for the 1024x768 layout ("_s", or "_mini" for check buttons, the slider and labels),
    // 4 for the 1280x960 one ("_b", "_maxi"), 0 for files used by both layouts (sounds, the
    // splash, enlarged cards).
    int Layout;
    // For one half of an on-white/on-black pair: the other half's Path; empty otherwise.
    std::string Partner;
    // For a pair half: true for the rendering on white.
    bool OnWhite = false;
};

// The whole table, built once, in a fixed order; paths are unique.
const std::vector<ResourceEntry>& AllResources();

// The entry with that relative path, or nullptr.
const ResourceEntry* FindResource(std::string_view path);

// A short English name of the group, for the checker's report.
std::string_view ResourceGroupName(ResourceGroup group);

}  // namespace catalog
