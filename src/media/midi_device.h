#pragma once

#include <string>

namespace media {

// The MIDI sequencer the menu music talks to: one open tune at a time. Every command
// reports whether it succeeded; a failure is never shown to the user.
class MidiDevice {
  public:
    virtual ~MidiDevice() = default;
    // Opens a standard MIDI file (whatever its extension), stopped at its start.
    virtual bool Open(const std::string& nativePath) = 0;
    virtual bool SeekToStart() = 0;
    // Plays on from where the tune stands, once to its end.
    virtual bool Play() = 0;
    virtual bool Stop() = 0;
    virtual bool Close() = 0;
};

// The system's sequencer: the platform sound player's MIDI tune.
MidiDevice& SystemMidiDevice();

}  // namespace media
