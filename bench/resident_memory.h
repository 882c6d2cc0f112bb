#pragma once

#include <fstream>
#include <string>

// The resident memory of this process, from /proc/self/status, in MiB.

// One field of the status file ("VmHWM", "VmRSS"), in MiB; 0 when it cannot be read.
inline double StatusMiB(const std::string& field) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.starts_with(field + ":")) {
            return std::stod(line.substr(field.size() + 1)) / 1024.0;  // given in kB
        }
    }
    return 0;
}

// The peak resident memory (VmHWM) since the process started or the peak was last reset.
inline double PeakResidentMiB() {
    return StatusMiB("VmHWM");
}

// Lowers the peak to what is resident now, so that a benchmark measures its own peak and not
// one an earlier benchmark of the same program reached. False when the kernel refused.
inline bool ResetPeakResident() {
    std::ofstream clear("/proc/self/clear_refs");
    clear << "5";
    clear.flush();
    return static_cast<bool>(clear);
}
