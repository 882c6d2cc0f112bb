#pragma once

#include <string>

namespace platform {

enum class MessageIcon { None, Error, Information };

// A plain system message box with one OK button (SDL's message box on a display, standard
// error without one). Blocks until it is dismissed. Never throws.
void ShowMessageBox(const std::string& text, const std::string& caption, MessageIcon icon);

}  // namespace platform
