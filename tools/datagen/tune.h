#pragma once

#include <cstdint>
#include <vector>

namespace datagen {

// The main menu's tune as a standard MIDI file (format 1): a cheerful sixteen-bar tune in
// C major for flute, glockenspiel, nylon guitar, bass and light drums, 32 seconds long. It
// ends on a bar line with every note released, so it can be played over and over.
std::vector<uint8_t> ComposeMenuTune();

}  // namespace datagen
