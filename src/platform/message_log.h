#pragma once

#include <mutex>
#include <string>
#include <vector>

namespace platform {

// Lets tests capture message boxes instead of showing them.
class MessageLog {
  public:
    struct Entry {
        std::string Text;
        std::string Caption;
    };
    // Starts capturing (and clears what was captured).
    static void Capture();
    static void StopCapture();
    static std::vector<Entry> Entries();
    // Records the message when capturing; returns whether it did.
    static bool Record(const std::string& text, const std::string& caption);
};

}  // namespace platform
