#pragma once

#include <functional>

namespace game {

// What the game form needs of the menu that started it, handed down so that the game never
// includes the menu: keep the menu hidden while the series runs, and hand back to it when
// the series ends.
struct MenuLink {
    std::function<void()> HideMenu;
    std::function<void()> ReturnToMenu;
};

}  // namespace game
