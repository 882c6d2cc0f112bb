#pragma once

#include "catalog/switch_lamps.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"

namespace app {

// Lights the options page's two painted switches while their switches are held: the select
// switch (left mouse button or K) and the step switch (right mouse button or L), the same
// inputs a series takes. A switch counts as held while any of its inputs is down.
class SwitchTester {
  public:
    enum class Switch { Select, Step };
    enum Input : unsigned { Mouse = 1, Key = 2 };

    // Draws into frame over the page in scene; both belong to form and outlive the tester.
    SwitchTester(platform::Form& form, platform::Bitmap& frame, const platform::Bitmap& scene);

    void Press(Switch which, Input input);
    void Release(Switch which, Input input);
    bool Lit(Switch which) const { return held_[Index(which)] != 0; }
    // Where the lamp of a switch stands on the screen, glow included.
    platform::Rect LampPlace(Switch which) const;

  private:
    static int Index(Switch which) { return which == Switch::Select ? 0 : 1; }
    void Draw(Switch which);

    platform::Form& form_;
    platform::Bitmap& frame_;
    const platform::Bitmap& scene_;
    unsigned held_[2] = {0, 0};
};

}  // namespace app
