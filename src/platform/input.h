#pragma once

#include <cstdint>

namespace platform {

// The keys the program reacts to; letters arrive as Char with their character.
enum class Key : uint8_t {
    Unknown,
    Left,
    Right,
    Up,
    Down,
    Enter,
    Backspace,
    Escape,
    Space,
    Tab,
    PageUp,
    PageDown,
    Home,
    End,
    Char,
    Count
};

enum class MouseButton : uint8_t { None, Left, Right, Middle };

// The pointer's look: the hand tells the user that what lies under it can be clicked.
enum class CursorShape : uint8_t { Arrow, Hand };

struct InputEvent {
    enum class Type : uint8_t {
        None,
        KeyDown,
        KeyUp,
        MouseMove,
        MouseDown,
        MouseUp,
        MouseWheel,  // wheel: turned by `wheel` notches, away from the user positive
        Quit,        // the window system asks the program to end
        Expose       // the window needs a full repaint
    };
    Type type = Type::None;
    Key key = Key::Unknown;
    char32_t ch = 0;  // for Key::Char: the character, lower case
    MouseButton button = MouseButton::None;
    int32_t x = 0;  // screen pixels
    int32_t y = 0;
    int clicks = 1;  // 2 for the second press of a double click
    int wheel = 0;   // for MouseWheel
};

}  // namespace platform
