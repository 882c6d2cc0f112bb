#include "datagen/speech_shaping.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>
#include <vector>

namespace {

int Loudest(const std::vector<int16_t>& samples) {
    int loudest = 0;
    for (int16_t s : samples) {
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    }
    return loudest;
}

TEST(SpeechShapingTest, TrimKeepsTheVoiceBetweenItsFirstAndLastLoudSample) {
    // 1000 samples a second, so 2 ms of padding is 2 samples. The quiet samples inside the
    // voice stay; the quiet ones outside it go, as does a loud one's sign.
    const std::vector<int16_t> samples{0, 10, -64, 500, 3, 0, -800, 64, 0};
    const std::vector<int16_t> expected{0, 0, 500, 3, 0, -800, 0, 0};
    EXPECT_EQ(datagen::TrimSilence(samples, 1000, 2, 64), expected);
}

TEST(SpeechShapingTest, TrimOfSilenceIsEmpty) {
    const std::vector<int16_t> quiet{0, 12, -30, 64, -64, 0};
    EXPECT_TRUE(datagen::TrimSilence(quiet, 22050, 50, 64).empty());
    EXPECT_TRUE(datagen::TrimSilence({}, 22050, 50, 64).empty());
    EXPECT_THROW(datagen::TrimSilence(quiet, 0, 50, 64), std::invalid_argument);
}

TEST(SpeechShapingTest, TrimPadsWithTheGivenTime) {
    const std::vector<int16_t> samples(100, 1000);
    const std::vector<int16_t> out = datagen::TrimSilence(samples, 22050, 50, 64);
    ASSERT_EQ(out.size(), 100u + 2 * 1102u);  // 50 ms at 22050 Hz, rounded down
    EXPECT_EQ(out.front(), 0);
    EXPECT_EQ(out[1102], 1000);
    EXPECT_EQ(out.back(), 0);
}

TEST(SpeechShapingTest, ShortSoundsAreRaisedToThePeakLevel) {
    // One click in silence: the RMS is tiny, so the peak decides.
    std::vector<int16_t> samples(1000, 0);
    samples[10] = -1000;
    samples[20] = 500;
    datagen::Normalize(samples, 0.5, 0.2);
    EXPECT_EQ(samples[10], -16384);  // 0.5 of full scale
    EXPECT_EQ(samples[20], 8192);
    EXPECT_EQ(samples[0], 0);
}

TEST(SpeechShapingTest, HeldSoundsAreKeptAtTheRmsLevel) {
    // A steady tone is as loud on average as at its peak: the RMS limit decides.
    std::vector<int16_t> samples;
    for (int i = 0; i < 2000; ++i) {
        samples.push_back(static_cast<int16_t>(std::lround(1000 * std::sin(i * 0.1))));
    }
    datagen::Normalize(samples, 0.9, 0.1);
    double energy = 0;
    for (int16_t s : samples) {
        energy += static_cast<double>(s) * s;
    }
    EXPECT_NEAR(std::sqrt(energy / samples.size()) / 32767.0, 0.1, 0.001);
    EXPECT_LT(Loudest(samples), static_cast<int>(0.9 * 32767));
}

TEST(SpeechShapingTest, NormalizeLeavesSilenceAndRefusesBadLevels) {
    std::vector<int16_t> silence(10, 0);
    datagen::Normalize(silence);
    EXPECT_EQ(silence, std::vector<int16_t>(10, 0));

    std::vector<int16_t> extremes{-32768, 32767};
    datagen::Normalize(extremes, 1.0, 1.0);
    EXPECT_EQ(Loudest(extremes), 32767);

    EXPECT_THROW(datagen::Normalize(silence, 0.0, 0.1), std::invalid_argument);
    EXPECT_THROW(datagen::Normalize(silence, 0.5, 1.5), std::invalid_argument);
}

}  // namespace
