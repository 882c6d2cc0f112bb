#pragma once

#include <cstdint>
#include <span>
#include <vector>

// Puts synthesised speech into the shape the game plays it in: no dead air before or after the
// voice, a short clean lead-in and tail, and the same loudness for every recording.
namespace datagen {

// Samples quieter than this (about -54 dBFS) count as silence at either end.
inline constexpr int16_t SilenceThreshold = 64;
// Level of a finished recording: its loudest sample reaches TargetPeak of full scale, unless
// that would make its average level (RMS) louder than TargetRms, as it would for a held
// "mmm" whose level never drops. Speech then plays at one loudness throughout.
inline constexpr double TargetPeak = 0.7;
inline constexpr double TargetRms = 0.12;

// The samples between the first and the last one louder than `threshold`, with `padMillis` of
// digital silence added on both sides. All silence gives an empty result.
std::vector<int16_t> TrimSilence(std::span<const int16_t> samples, int sampleRate, int padMillis,
                                 int16_t threshold = SilenceThreshold);

// Scales the samples up or down to the greatest level at which neither the loudest sample
// exceeds `peak` nor the RMS exceeds `rms` (both fractions of full scale). Silence stays
// silence.
void Normalize(std::vector<int16_t>& samples, double peak = TargetPeak, double rms = TargetRms);

}  // namespace datagen
