#include "platform/message_box.h"

#include <SDL.h>

#include <cstdio>

#include "platform/message_log.h"

namespace platform {

void ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon) {
    if (MessageLog::Record(text, caption)) {
        return;  // a test is capturing message boxes
    }
    Uint32 flags = icon == MessageIcon::Error ? SDL_MESSAGEBOX_ERROR : SDL_MESSAGEBOX_INFORMATION;
    // SDL's box needs a display; without one the message goes to standard error.
    if (SDL_ShowSimpleMessageBox(flags, caption.c_str(), text.c_str(), nullptr) != 0) {
        std::fprintf(stderr, "%s: %s\n", caption.c_str(), text.c_str());
    }
}

}  // namespace platform
