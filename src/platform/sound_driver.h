#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/midi_file.h"
#include "platform/sound.h"
#include "platform/wave_file.h"

namespace platform {

// One way of making sound: through SDL_mixer or silently. Files arrive read and checked.
// Every operation may be called from any thread; drivers keep their own state consistent.
class SoundDriver {
  public:
    virtual ~SoundDriver() = default;
    virtual std::string Name() const = 0;

    // Starts the recording unless one is playing: Played, Dropped or Undecodable.
    virtual WaveOutcome StartWave(const std::vector<uint8_t>& bytes, const WaveInfo& info) = 0;
    // Blocks until the recording started last has ended.
    virtual void WaitForWave() = 0;
    virtual bool WavePlaying() = 0;

    // Replaces the open tune (if any) by this one, at its start and stopped.
    virtual bool OpenMidi(std::vector<uint8_t> bytes, const MidiInfo& info) = 0;
    virtual bool MidiIsOpen() = 0;
    virtual void CloseMidi() = 0;
    virtual bool RewindMidi() = 0;
    virtual bool PlayMidi() = 0;
    virtual bool StopMidi() = 0;
    virtual bool MidiPlaying() = 0;

    // Whether an audio device is open now (while one is, the audio thread keeps waking).
    virtual bool DeviceOpen() { return false; }
};

// A player that makes no sound but keeps the timing of each sound on the process-wide clock.
std::unique_ptr<SoundDriver> CreateSilentSoundDriver();

// SDL_mixer on the default audio device, else on SDL's dummy device; nullptr when neither
// opens. MIDI goes through FluidSynth with a General MIDI sound font.
std::unique_ptr<SoundDriver> CreateSdlSoundDriver();

// Converts microseconds to counts of a counter running at frequency counts per second.
uint64_t MicrosToCounts(uint64_t micros, uint64_t frequency);

}  // namespace platform
