#pragma once

#include <string>
#include <string_view>

#include "media/midi_device.h"

namespace media {

// The Polish names in this file are explained in docs/glossary.md.

// The main menu's tune, a standard MIDI file despite its extension.
inline constexpr std::string_view MenuTuneFile = "Data\\Res\\Snd\\Men\\s.snd";

// The small MIDI player of the main menu. It remembers whether a tune is open and whether
// a play command succeeded with no stop after it; the end of the tune changes neither.
// Failed commands leave the flags as they were and only make the operation return false.
class CMid {
  public:
    // Closed and not playing, on the system's sequencer.
    CMid();
    // The same on another sequencer (tests record the commands).
    explicit CMid(MidiDevice& device);
    ~CMid();
    CMid(const CMid&) = delete;
    CMid& operator=(const CMid&) = delete;

    // Opens file (a path of the program, e.g. MenuTuneFile), closing an open tune first,
    // then rewinds and plays it. False when the file cannot be opened; it stays closed then.
    bool Load(const std::string& file);
    // Back to the start of the tune; true when nothing is open.
    bool Rewind();
    // Plays the open tune (true and nothing else when nothing is open).
    bool Play();
    // Stops a tune that counts as playing, even one that has ended.
    bool Stop();
    bool Close();

    bool Opened() const { return opened_; }
    bool Playing() const { return playing_; }

  private:
    MidiDevice& device_;
    bool opened_ = false;
    bool playing_ = false;
};

}  // namespace media
