#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace exercises {

// One attempt at an exercise's task. Named "statistics value"; see docs/glossary.md.
struct CStatWart {
    std::int32_t Points = 0;   // correct choices
    std::int32_t Hints = 0;    // hints asked for
    std::int32_t Errors = 0;   // wrong choices
    std::int32_t Seconds = 0;  // whole seconds on the screen

    friend bool operator==(const CStatWart&, const CStatWart&) = default;
};

// Bytes of one attempt's entry in the statistics file.
inline constexpr std::size_t AttemptEntrySize = 17;

// The attempts at one exercise, held by value in the exercise. The exercise types count
// points, hints and errors straight into the last attempt.
class CStat {
  public:
    std::uint32_t StartTick = 0;         // clock tick when timing last started
    bool Running = false;                // timing is running
    std::int32_t AbandonedAttempts = 0;  // attempts left unsolved by a restart
    std::vector<CStatWart> Attempts = std::vector<CStatWart>(1);  // oldest first; never empty

    // The current attempt.
    CStatWart& Last() { return Attempts.back(); }
    const CStatWart& Last() const { return Attempts.back(); }

    // Starts or stops the timing; each switch that changes nothing is ignored, so a second
    // stop adds no time. Stopping adds the whole seconds since the start to the last attempt.
    void SetTiming(bool on);
    // Closes the current attempt (counted as abandoned unless it was solved) and opens a
    // fresh one that is timed from now.
    void NewAttempt(bool solved);
    std::int32_t TotalHints() const;
    // Appends the file entry of every attempt, oldest first, to out.
    void WriteAttempts(std::string& out, std::uint8_t code) const;
};

}  // namespace exercises
