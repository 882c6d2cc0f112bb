#include "exercises/cstat.h"

#include "exercises/little_endian.h"
#include "platform/clock.h"

namespace exercises {

void CStat::SetTiming(bool on) {
    if (on == Running) {
        return;
    }
    const std::uint32_t now = platform::GetClock().TickCount();
    if (on) {
        StartTick = now;
    } else {
        // Unsigned difference: a tick counter that wrapped meanwhile still gives the time.
        Last().Seconds += static_cast<std::int32_t>((now - StartTick) / 1000u);
    }
    Running = on;
}

void CStat::NewAttempt(bool solved) {
    if (!solved) {
        ++AbandonedAttempts;
    }
    SetTiming(false);
    Attempts.emplace_back();
    SetTiming(true);
}

std::int32_t CStat::TotalHints() const {
    std::int32_t sum = 0;
    for (const CStatWart& a : Attempts) {
        sum += a.Hints;
    }
    return sum;
}

void CStat::WriteAttempts(std::string& out, std::uint8_t code) const {
    for (const CStatWart& a : Attempts) {
        PutLittleEndian(out, code);
        PutLittleEndian(out, a.Errors);
        PutLittleEndian(out, a.Points);
        PutLittleEndian(out, a.Hints);
        PutLittleEndian(out, a.Seconds);
    }
}

}  // namespace exercises
