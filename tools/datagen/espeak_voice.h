#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A speaking voice from the espeak-ng library. The library has one global synthesiser: only
// one EspeakVoice may exist at a time, and it must be used from one thread.
//
// The synthesiser carries a little state from one text to the next (the phase of its pitch
// wobble and the like), so a text does not always come out sample for sample the same; a
// fixed list of texts spoken in a fixed order by a fresh process always does.
namespace datagen {

struct VoiceSettings {
    std::string Voice = "pl";
    int WordsPerMinute = 140;  // a child follows this comfortably
    int Pitch = 62;            // 0-100, the library's default is 50
    int PitchRange = 60;       // 0-100; a little more melody than the default 50
};

// Mono 16-bit samples.
struct Speech {
    std::vector<int16_t> Samples;
    int SampleRate = 0;
};

class EspeakVoice {
  public:
    // Throws std::runtime_error when the library or the voice cannot be loaded, and
    // std::logic_error while another EspeakVoice is alive.
    explicit EspeakVoice(const VoiceSettings& settings = {});
    ~EspeakVoice();
    EspeakVoice(const EspeakVoice&) = delete;
    EspeakVoice& operator=(const EspeakVoice&) = delete;

    // Speaks UTF-8 text. Phoneme codes in the library's own notation may stand within
    // [[ ]], for sounds that ordinary spelling would read out as letter names.
    Speech Speak(std::string_view text);

    int SampleRate() const { return sampleRate_; }

  private:
    int sampleRate_ = 0;
};

}  // namespace datagen
