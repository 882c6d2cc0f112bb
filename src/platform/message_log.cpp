#include "platform/message_log.h"

namespace platform {
namespace {
std::mutex mutex;
bool capturing = false;
std::vector<MessageLog::Entry> entries;
}  // namespace

void MessageLog::Capture() {
    std::lock_guard lock(mutex);
    capturing = true;
    entries.clear();
}

void MessageLog::StopCapture() {
    std::lock_guard lock(mutex);
    capturing = false;
}

std::vector<MessageLog::Entry> MessageLog::Entries() {
    std::lock_guard lock(mutex);
    return entries;
}

bool MessageLog::Record(const std::string& text, const std::string& caption) {
    std::lock_guard lock(mutex);
    if (!capturing) {
        return false;
    }
    entries.push_back({text, caption});
    return true;
}

}  // namespace platform
