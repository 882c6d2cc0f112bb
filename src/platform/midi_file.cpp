#include "platform/midi_file.h"

#include <algorithm>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace platform {
namespace {

constexpr uint32_t kDefaultTempo = 500'000;  // microseconds per quarter note
constexpr uint8_t kMetaTempo = 0x51;
constexpr uint8_t kMetaEndOfTrack = 0x2F;

[[noreturn]] void Fail(const std::string& why) {
    throw MidiFormatError("MIDI: " + why);
}

uint16_t Be16(std::span<const uint8_t> b, std::size_t at) {
    return static_cast<uint16_t>((b[at] << 8) | b[at + 1]);
}

uint32_t Be32(std::span<const uint8_t> b, std::size_t at) {
    return (static_cast<uint32_t>(b[at]) << 24) | (static_cast<uint32_t>(b[at + 1]) << 16) |
           (static_cast<uint32_t>(b[at + 2]) << 8) | static_cast<uint32_t>(b[at + 3]);
}

struct TempoChange {
    uint64_t Tick;
    uint32_t MicrosPerQuarter;
};

struct TrackScan {
    uint64_t EndTick = 0;
    std::vector<TempoChange> Tempos;
};

// A cursor over one track that refuses to step past its end.
class TrackReader {
  public:
    explicit TrackReader(std::span<const uint8_t> track) : track_(track) {}

    bool AtEnd() const { return at_ >= track_.size(); }

    uint8_t Byte() {
        if (AtEnd()) {
            Fail("event runs past the end of its track");
        }
        return track_[at_++];
    }

    uint8_t Peek() const { return track_[at_]; }

    // A variable-length quantity: at most four bytes of seven bits each.
    uint32_t Vlq() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) {
            uint8_t b = Byte();
            value = (value << 7) | (b & 0x7Fu);
            if ((b & 0x80u) == 0) {
                return value;
            }
        }
        Fail("variable-length number longer than four bytes");
    }

    std::span<const uint8_t> Take(uint32_t length) {
        if (length > track_.size() - at_) {
            Fail("event length exceeds its track");
        }
        std::span<const uint8_t> data = track_.subspan(at_, length);
        at_ += length;
        return data;
    }

  private:
    std::span<const uint8_t> track_;
    std::size_t at_ = 0;
};

TrackScan ScanTrack(std::span<const uint8_t> track) {
    TrackScan scan;
    TrackReader reader(track);
    uint8_t running = 0;
    uint64_t tick = 0;
    while (!reader.AtEnd()) {
        tick += reader.Vlq();
        if (reader.AtEnd()) {
            Fail("delta time without an event");
        }
        uint8_t status = reader.Peek();
        if ((status & 0x80u) != 0) {
            reader.Byte();
        } else if (running == 0) {
            Fail("data byte without a status");
        } else {
            status = running;  // running status: the previous channel message repeats
        }

        if (status < 0xF0) {
            running = status;
            uint8_t kind = status & 0xF0;
            int dataBytes = (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
            for (int i = 0; i < dataBytes; ++i) {
                if ((reader.Byte() & 0x80u) != 0) {
                    Fail("status byte where a data byte belongs");
                }
            }
        } else if (status == 0xFF) {
            uint8_t type = reader.Byte();
            if ((type & 0x80u) != 0) {
                Fail("bad meta event type");
            }
            std::span<const uint8_t> data = reader.Take(reader.Vlq());
            if (type == kMetaTempo) {
                if (data.size() != 3) {
                    Fail("tempo event of the wrong length");
                }
                uint32_t tempo = (uint32_t{data[0]} << 16) | (uint32_t{data[1]} << 8) | data[2];
                if (tempo == 0) {
                    Fail("zero tempo");
                }
                scan.Tempos.push_back({tick, tempo});
            } else if (type == kMetaEndOfTrack) {
                break;  // whatever follows the end of the track is not played
            }
        } else if (status == 0xF0 || status == 0xF7) {
            reader.Take(reader.Vlq());  // system exclusive data
        } else {
            Fail("real-time or common message in a file");
        }
    }
    scan.EndTick = tick;
    return scan;
}

uint64_t CheckedTicksToMicros(uint64_t ticks, uint64_t numerator, uint64_t denominator) {
    if (numerator != 0 && ticks > std::numeric_limits<uint64_t>::max() / numerator) {
        Fail("tune too long");
    }
    return ticks * numerator / denominator;
}

uint64_t AddChecked(uint64_t total, uint64_t part) {
    if (part > MaxMidiDurationMicros || total > MaxMidiDurationMicros - part) {
        Fail("tune too long");
    }
    return total + part;
}

// Plays tracks side by side: the tempo changes of every track apply to all of them.
uint64_t DurationOf(std::vector<TempoChange> tempos, uint64_t endTick, uint16_t division) {
    if ((division & 0x8000u) != 0) {
        // SMPTE timing: frames per second times ticks per frame, tempo events do not apply.
        int fps = -static_cast<int8_t>(division >> 8);
        uint64_t ticksPerFrame = division & 0xFFu;
        if (fps == 29) {
            // 29.97 frames per second (30000/1001).
            return AddChecked(
                0, CheckedTicksToMicros(endTick, 1'000'000ull * 1001, 30'000 * ticksPerFrame));
        }
        return AddChecked(0, CheckedTicksToMicros(endTick, 1'000'000,
                                                  static_cast<uint64_t>(fps) * ticksPerFrame));
    }
    std::stable_sort(tempos.begin(), tempos.end(),
                     [](const TempoChange& a, const TempoChange& b) { return a.Tick < b.Tick; });
    uint64_t total = 0;
    uint64_t lastTick = 0;
    uint32_t tempo = kDefaultTempo;
    for (const TempoChange& change : tempos) {
        if (change.Tick > endTick) {
            break;
        }
        total = AddChecked(total, CheckedTicksToMicros(change.Tick - lastTick, tempo, division));
        lastTick = change.Tick;
        tempo = change.MicrosPerQuarter;
    }
    return AddChecked(total, CheckedTicksToMicros(endTick - lastTick, tempo, division));
}

void CheckDivision(uint16_t division) {
    if ((division & 0x8000u) != 0) {
        int fps = -static_cast<int8_t>(division >> 8);
        if ((fps != 24 && fps != 25 && fps != 29 && fps != 30) || (division & 0xFFu) == 0) {
            Fail("bad SMPTE timing");
        }
    } else if (division == 0) {
        Fail("zero ticks per quarter note");
    }
}

}  // namespace

MidiInfo ParseMidi(std::span<const uint8_t> bytes) {
    if (bytes.size() > MaxMidiFileBytes) {
        Fail("file too large");
    }
    if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) {
        Fail("no MThd header");
    }
    uint32_t headerSize = Be32(bytes, 4);
    if (headerSize < 6 || headerSize > bytes.size() - 8) {
        Fail("bad header length");
    }
    MidiInfo info;
    info.Format = Be16(bytes, 8);
    info.Tracks = Be16(bytes, 10);
    info.Division = Be16(bytes, 12);
    if (info.Format > 2) {
        Fail("unknown format");
    }
    if (info.Tracks == 0 || (info.Format == 0 && info.Tracks != 1)) {
        Fail("bad track count");
    }
    CheckDivision(info.Division);

    std::vector<TempoChange> tempos;
    uint64_t longest = 0;
    uint64_t sequential = 0;
    uint64_t sequentialTicks = 0;
    std::size_t at = 8 + std::size_t{headerSize};
    int found = 0;
    while (found < info.Tracks) {
        if (bytes.size() - at < 8) {
            Fail("fewer tracks than the header names");
        }
        uint32_t size = Be32(bytes, at + 4);
        std::size_t body = at + 8;
        if (size > bytes.size() - body) {
            Fail("chunk size exceeds the file");
        }
        // Chunks of other kinds are skipped, as the file format asks of readers.
        if (std::memcmp(bytes.data() + at, "MTrk", 4) == 0) {
            TrackScan scan = ScanTrack(bytes.subspan(body, size));
            if (info.Format == 2) {
                // Format 2 holds independent patterns that play one after another.
                sequential =
                    AddChecked(sequential, DurationOf(scan.Tempos, scan.EndTick, info.Division));
                sequentialTicks += scan.EndTick;
            } else {
                longest = std::max(longest, scan.EndTick);
                tempos.insert(tempos.end(), scan.Tempos.begin(), scan.Tempos.end());
            }
            ++found;
        }
        at = body + size;
    }
    if (info.Format == 2) {
        info.EndTick = sequentialTicks;
        info.DurationMicros = sequential;
    } else {
        info.EndTick = longest;
        info.DurationMicros = DurationOf(std::move(tempos), longest, info.Division);
    }
    return info;
}

}  // namespace platform
