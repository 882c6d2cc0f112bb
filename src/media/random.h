#pragma once

#include <cstdint>
#include <vector>

namespace media {

// The program's one pseudo-random generator. Every draw of the game goes through it, so a
// test that seeds it sees the same series of draws on every run and every machine.

// Next value, 0 ... 2^31 - 1. Safe to call from any thread.
std::int32_t Random();

// Restarts the generator; the program calls it once with the current time.
void SeedRandom(std::uint32_t seed);

// While alive, Random() hands out the given values in order (each must be 0 ... 2^31 - 1);
// once they are used up it goes back to the generator. Lets a test steer a draw exactly.
class ScopedRandomScript {
  public:
    explicit ScopedRandomScript(std::vector<std::int32_t> values);
    ~ScopedRandomScript();
    ScopedRandomScript(const ScopedRandomScript&) = delete;
    ScopedRandomScript& operator=(const ScopedRandomScript&) = delete;

    // Scripted values not handed out yet.
    std::size_t Remaining() const;
};

}  // namespace media
