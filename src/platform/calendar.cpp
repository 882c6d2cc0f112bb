#include "platform/calendar.h"

#include <ctime>

#include <time.h>

namespace platform {

CalendarTime LocalCalendarTime() {
    const std::time_t now = std::time(nullptr);
    // localtime_r: the plain localtime shares one buffer between threads.
    std::tm local{};
    if (::localtime_r(&now, &local) == nullptr) {
        return {};
    }
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min};
}

}  // namespace platform
