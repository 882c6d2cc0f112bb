// Every recording of the data set: word recordings, praise, remarks, letter sounds and
// instructions, spoken by espeak-ng's Polish voice.

#include <stdexcept>
#include <string>

#include "datagen.h"
#include "espeak_voice.h"
#include "speech_shaping.h"
#include "spoken_texts.h"

using namespace catalog;

namespace datagen {

namespace {

// Quiet lead-in and tail, so that no player cuts off the first or the last sound.
constexpr int PadMillis = 50;

}  // namespace

void MakeSpeech(const std::vector<const ResourceEntry*>& entries, Output& out, const Context&) {
    if (entries.empty()) {
        return;
    }
    // One voice for all recordings, in catalogue order: the library is not thread safe, it
    // speaks the several hundred short texts in about a second, and it carries a little state
    // from one text to the next, so a fixed order is what makes the bytes the same each run.
    EspeakVoice voice;
    for (const ResourceEntry* entry : entries) {
        if (entry->Format != ResourceFormat::Wave) {
            throw std::runtime_error("\"" + entry->Path + "\" is not a WAVE recording");
        }
        const std::string text = SpokenText(*entry);
        const Speech speech = voice.Speak(text);
        std::vector<int16_t> samples = TrimSilence(speech.Samples, speech.SampleRate, PadMillis);
        if (samples.empty()) {
            throw std::runtime_error("\"" + entry->Path + "\": the voice said nothing for \"" +
                                     text + "\"");
        }
        Normalize(samples);
        out.Wave(*entry, samples, speech.SampleRate);
    }
}

}  // namespace datagen
