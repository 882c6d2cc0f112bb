#pragma once

namespace platform {

// A moment of the local calendar, to the minute.
struct CalendarTime {
    int Year = 0;
    int Month = 0;  // 1 ... 12
    int Day = 0;    // 1 ... 31
    int Hour = 0;   // 0 ... 23
    int Minute = 0;
};

// The local date and time now.
CalendarTime LocalCalendarTime();

}  // namespace platform
