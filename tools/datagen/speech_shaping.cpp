#include "speech_shaping.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <stdexcept>

namespace datagen {

namespace {

bool Loud(int16_t sample, int16_t threshold) {
    return std::abs(static_cast<int>(sample)) > threshold;
}

}  // namespace

std::vector<int16_t> TrimSilence(std::span<const int16_t> samples, int sampleRate, int padMillis,
                                 int16_t threshold) {
    if (sampleRate <= 0 || padMillis < 0) {
        throw std::invalid_argument("TrimSilence: bad sample rate or padding");
    }
    const auto isLoud = [threshold](int16_t s) { return Loud(s, threshold); };
    const auto first = std::find_if(samples.begin(), samples.end(), isLoud);
    if (first == samples.end()) {
        return {};
    }
    const auto last = std::find_if(samples.rbegin(), samples.rend(), isLoud).base();
    const auto pad = static_cast<size_t>(static_cast<long long>(sampleRate) * padMillis / 1000);

    std::vector<int16_t> out;
    out.reserve(pad * 2 + static_cast<size_t>(last - first));
    out.insert(out.end(), pad, 0);
    out.insert(out.end(), first, last);
    out.insert(out.end(), pad, 0);
    return out;
}

void Normalize(std::vector<int16_t>& samples, double peak, double rms) {
    if (!(peak > 0.0 && peak <= 1.0 && rms > 0.0 && rms <= 1.0)) {
        throw std::invalid_argument("Normalize: levels must lie in (0, 1]");
    }
    int loudest = 0;
    double energy = 0.0;
    for (int16_t s : samples) {
        loudest = std::max(loudest, std::abs(static_cast<int>(s)));
        energy += static_cast<double>(s) * s;
    }
    if (loudest == 0) {
        return;
    }
    const double currentRms = std::sqrt(energy / static_cast<double>(samples.size()));
    const double gain = std::min(peak * 32767.0 / loudest, rms * 32767.0 / currentRms);
    for (int16_t& s : samples) {
        const long scaled = std::lround(s * gain);
        s = static_cast<int16_t>(std::clamp(scaled, -32768L, 32767L));
    }
}

}  // namespace datagen
