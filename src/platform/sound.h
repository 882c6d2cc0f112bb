#pragma once

#include <string>
#include <vector>

namespace platform {

// What became of one request to play a WAVE file.
enum class WaveOutcome {
    Played,       // the sound started (and, when synchronous, has ended)
    Dropped,      // another sound was playing, so this one was not played
    Missing,      // there is no such file
    Undecodable,  // the file is not a WAVE file the player can use; skipped silently
};

struct WaveRequest {
    std::string Path;
    bool Synchronous = false;
    WaveOutcome Outcome = WaveOutcome::Played;
};

// The program's one sound player: short WAVE recordings, one at a time, and one MIDI tune
// that plays beside them. Audio starts on first use. Without a usable sound device it falls
// back to SDL's dummy device and then to a silent player that keeps the same timing, so
// the game goes on. Meant for the GUI thread.
class Sound {
  public:
    // Plays a RIFF WAVE file. While another of our WAVE sounds plays the request is dropped
    // (not queued) and the call still returns true. Synchronous play blocks until the sound
    // has ended. Returns false only when the file does not exist.
    static bool PlayWave(const std::string& path, bool synchronous);
    // True while a WAVE sound started by PlayWave is still playing.
    static bool IsWavePlaying();

    // Opens a standard MIDI file whatever its extension, replacing an open tune, at its
    // start and stopped. False for a missing or malformed file or when MIDI cannot play.
    static bool MidiOpen(const std::string& path);
    // Goes back to the start of the tune and stops there. False when no tune is open.
    static bool MidiRewind();
    // Plays on from where the tune stands, once to its end (at the end it plays nothing).
    static bool MidiPlay();
    // Stops where the tune stands; Play continues from there.
    static bool MidiStop();
    static bool MidiClose();
    // True while the open tune is audibly playing (started and neither stopped nor ended).
    static bool IsMidiPlaying();

    // The player in use: "sdl", "sdl-dummy" or "silent" (choosing one if none is yet).
    static std::string DriverName();
    // Whether the player holds an audio device open now (false before any sound was asked
    // for). The device is let go a little after the last sound has ended, so an idle program
    // does not keep waking for audio.
    static bool DeviceOpen();

    // Installs a fresh silent player (nothing playing, no tune open), whose timing follows
    // the process-wide clock, so tests need no sound device and cost no real time.
    static void UseSilentDriverForTesting();
    // Closes the player in use and its audio device, waiting for the audio thread; the
    // program calls it before it ends. A later call chooses a player again as at start-up.
    static void Shutdown();
    // Whether a player is chosen: a sound was asked for and Shutdown has not run since.
    static bool Started();

    // Starts recording every WAVE request (clearing earlier records); for tests.
    static void StartRecording();
    static void StopRecording();
    static std::vector<WaveRequest> Recorded();
};

}  // namespace platform
