#include "espeak_voice.h"

#include <espeak-ng/speak_lib.h>

#include <mutex>
#include <stdexcept>

namespace datagen {

namespace {

// The library is started once and stays loaded until the process ends: after
// espeak_Terminate, starting it again works but it then hangs when ended a second time.
// A voice only claims the started library for as long as it lives.
std::mutex libraryMutex;
int librarySampleRate = 0;  // 0 until the library has started
bool voiceAlive = false;

// The library hands every block of samples to this callback; the buffer to fill travels
// with each call as the user data given to espeak_Synth.
int CollectSamples(short* wave, int count, espeak_EVENT* events) {
    if (wave == nullptr || count <= 0 || events == nullptr || events->user_data == nullptr) {
        return 0;
    }
    auto& samples = *static_cast<std::vector<int16_t>*>(events->user_data);
    samples.insert(samples.end(), wave, wave + count);
    return 0;  // go on
}

void StartLibrary() {
    if (librarySampleRate > 0) {
        return;
    }
    // Without this flag the library ends the whole process when its data is missing.
    const int rate =
        espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, espeakINITIALIZE_DONT_EXIT);
    if (rate <= 0) {
        throw std::runtime_error("espeak-ng cannot start (is espeak-ng-data installed?)");
    }
    espeak_SetSynthCallback(CollectSamples);
    librarySampleRate = rate;
}

void SetParameter(espeak_PARAMETER parameter, int value, const char* name) {
    if (espeak_SetParameter(parameter, value, 0) != EE_OK) {
        throw std::runtime_error(std::string("espeak-ng: cannot set ") + name);
    }
}

}  // namespace

EspeakVoice::EspeakVoice(const VoiceSettings& settings) {
    std::lock_guard lock(libraryMutex);
    if (voiceAlive) {
        throw std::logic_error("espeak-ng: only one voice may exist at a time");
    }
    StartLibrary();
    if (espeak_SetVoiceByName(settings.Voice.c_str()) != EE_OK) {
        throw std::runtime_error("espeak-ng: no voice \"" + settings.Voice + "\"");
    }
    SetParameter(espeakRATE, settings.WordsPerMinute, "the rate");
    SetParameter(espeakPITCH, settings.Pitch, "the pitch");
    SetParameter(espeakRANGE, settings.PitchRange, "the pitch range");
    sampleRate_ = librarySampleRate;
    voiceAlive = true;
}

EspeakVoice::~EspeakVoice() {
    std::lock_guard lock(libraryMutex);
    voiceAlive = false;
}

Speech EspeakVoice::Speak(std::string_view text) {
    const std::string terminated(text);
    Speech speech;
    speech.SampleRate = sampleRate_;
    const espeak_ERROR result =
        espeak_Synth(terminated.c_str(), terminated.size() + 1, 0, POS_CHARACTER, 0,
                     espeakCHARS_UTF8 | espeakPHONEMES, nullptr, &speech.Samples);
    if (result != EE_OK) {
        throw std::runtime_error("espeak-ng cannot say \"" + terminated + "\"");
    }
    return speech;
}

}  // namespace datagen
