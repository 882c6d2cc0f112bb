#include "datagen/espeak_voice.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace {

TEST(EspeakVoiceTest, SpeaksPolishText) {
    datagen::EspeakVoice voice;
    const datagen::Speech word = voice.Speak("Żółw");
    EXPECT_GT(word.SampleRate, 0);
    EXPECT_EQ(word.SampleRate, voice.SampleRate());
    // A word lasts a good part of a second, not a click; a sentence lasts longer still.
    EXPECT_GT(word.Samples.size(), static_cast<size_t>(word.SampleRate / 4));
    const datagen::Speech sentence = voice.Speak("Brawo, udało się! Szukaj dalej.");
    EXPECT_GT(sentence.Samples.size(), 3 * word.Samples.size());
}

TEST(EspeakVoiceTest, PhonemeCodesAreSpokenAsSounds) {
    datagen::EspeakVoice voice;
    // Written as a letter, "s" is read as its name "es"; as a phoneme held five times it is
    // a long hiss, and no vowel comes first.
    const datagen::Speech letter = voice.Speak("s");
    const datagen::Speech hiss = voice.Speak("[[sssss]]");
    EXPECT_NE(letter.Samples, hiss.Samples);
    EXPECT_GT(hiss.Samples.size(), static_cast<size_t>(hiss.SampleRate / 3));
}

TEST(EspeakVoiceTest, OnlyOneVoiceAtATime) {
    {
        datagen::EspeakVoice voice;
        EXPECT_THROW(datagen::EspeakVoice second, std::logic_error);
    }
    // Once the first is gone the library starts again.
    datagen::EspeakVoice next;
    EXPECT_FALSE(next.Speak("tak").Samples.empty());
}

TEST(EspeakVoiceTest, AnUnknownVoiceIsAnError) {
    datagen::VoiceSettings settings;
    settings.Voice = "no-such-voice";
    EXPECT_THROW(datagen::EspeakVoice voice(settings), std::runtime_error);
    // The failed start leaves the library free for the next voice.
    datagen::EspeakVoice voice;
    EXPECT_FALSE(voice.Speak("tak").Samples.empty());
}

}  // namespace
