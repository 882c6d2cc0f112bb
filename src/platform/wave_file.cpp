#include "platform/wave_file.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace platform {
namespace {

constexpr uint16_t kFormatPcm = 1;
constexpr uint16_t kFormatExtensible = 0xFFFE;
constexpr std::size_t kChunkHeader = 8;
constexpr uint32_t kMinSampleRate = 1000;
constexpr uint32_t kMaxSampleRate = 384000;
constexpr uint16_t kMaxChannels = 8;

// The tail shared by every standard sub-format GUID; the first two bytes carry the format tag.
constexpr std::array<uint8_t, 14> kGuidTail = {0x00, 0x00, 0x00, 0x00, 0x10, 0x00, 0x80,
                                               0x00, 0x00, 0xAA, 0x00, 0x38, 0x9B, 0x71};

uint16_t Le16(std::span<const uint8_t> b, std::size_t at) {
    return static_cast<uint16_t>(b[at] | (b[at + 1] << 8));
}

uint32_t Le32(std::span<const uint8_t> b, std::size_t at) {
    return static_cast<uint32_t>(b[at]) | (static_cast<uint32_t>(b[at + 1]) << 8) |
           (static_cast<uint32_t>(b[at + 2]) << 16) | (static_cast<uint32_t>(b[at + 3]) << 24);
}

bool HasTag(std::span<const uint8_t> b, std::size_t at, const char* tag) {
    return std::memcmp(b.data() + at, tag, 4) == 0;
}

[[noreturn]] void Fail(const std::string& why) {
    throw WaveFormatError("WAVE: " + why);
}

struct Format {
    uint16_t Channels = 0;
    uint32_t SampleRate = 0;
    uint16_t BitsPerSample = 0;
    uint16_t BlockAlign = 0;
};

Format ReadFormat(std::span<const uint8_t> body) {
    if (body.size() < 16) {
        Fail("fmt chunk too short");
    }
    Format f;
    uint16_t tag = Le16(body, 0);
    f.Channels = Le16(body, 2);
    f.SampleRate = Le32(body, 4);
    f.BlockAlign = Le16(body, 12);
    f.BitsPerSample = Le16(body, 14);
    if (tag == kFormatExtensible) {
        // cbSize, valid bits, channel mask, then the sub-format GUID.
        if (body.size() < 40 || Le16(body, 16) < 22) {
            Fail("extensible fmt chunk too short");
        }
        if (Le16(body, 24) != kFormatPcm ||
            !std::equal(kGuidTail.begin(), kGuidTail.end(), body.begin() + 26)) {
            Fail("unsupported sub-format");
        }
    } else if (tag != kFormatPcm) {
        Fail("not uncompressed PCM");
    }
    if (f.BitsPerSample != 8 && f.BitsPerSample != 16) {
        Fail("only 8- and 16-bit samples are supported");
    }
    if (f.Channels == 0 || f.Channels > kMaxChannels) {
        Fail("bad channel count");
    }
    if (f.SampleRate < kMinSampleRate || f.SampleRate > kMaxSampleRate) {
        Fail("bad sample rate");
    }
    if (f.BlockAlign != f.Channels * (f.BitsPerSample / 8)) {
        Fail("block size does not match the sample format");
    }
    return f;
}

}  // namespace

WaveInfo ParseWave(std::span<const uint8_t> bytes) {
    if (bytes.size() > MaxWaveFileBytes) {
        Fail("file too large");
    }
    if (bytes.size() < 12 || !HasTag(bytes, 0, "RIFF") || !HasTag(bytes, 8, "WAVE")) {
        Fail("not a RIFF WAVE file");
    }
    uint32_t riffSize = Le32(bytes, 4);
    if (riffSize < 4 || riffSize > bytes.size() - 8) {
        Fail("RIFF size exceeds the file");
    }
    // Chunks live inside the RIFF body; bytes after it are not ours to read.
    std::span<const uint8_t> riff = bytes.subspan(0, std::size_t{riffSize} + 8);

    bool haveFormat = false;
    Format format;
    std::size_t at = 12;
    while (riff.size() - at >= kChunkHeader) {
        uint32_t size = Le32(riff, at + 4);
        std::size_t body = at + kChunkHeader;
        if (size > riff.size() - body) {
            Fail("chunk size exceeds the file");
        }
        std::span<const uint8_t> content = riff.subspan(body, size);
        if (HasTag(riff, at, "fmt ")) {
            if (haveFormat) {
                Fail("second fmt chunk");
            }
            format = ReadFormat(content);
            haveFormat = true;
        } else if (HasTag(riff, at, "data")) {
            if (!haveFormat) {
                Fail("data chunk before fmt chunk");
            }
            WaveInfo info;
            info.Channels = format.Channels;
            info.SampleRate = format.SampleRate;
            info.BitsPerSample = format.BitsPerSample;
            info.DataOffset = body;
            info.Frames = size / format.BlockAlign;
            info.DataSize = static_cast<std::size_t>(info.Frames) * format.BlockAlign;
            info.DurationMicros = info.Frames * 1'000'000 / format.SampleRate;
            return info;
        }
        // Chunks are padded to an even size; a missing final pad byte is tolerated.
        std::size_t next = body + size + (size & 1u);
        if (next >= riff.size()) {
            break;
        }
        at = next;
    }
    Fail(haveFormat ? "no data chunk" : "no fmt chunk");
}

}  // namespace platform
