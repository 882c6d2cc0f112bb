#pragma once

#include <memory>

#include "platform/bitmap.h"
#include "platform/form.h"

namespace app {

// The Polish names in this file are explained in docs/glossary.md.

// The start-up picture, centred on the screen while the main menu is built.
class TfmSplash : public platform::Form {
  public:
    // Raises CBlad code 1 when the picture is missing or unreadable.
    TfmSplash();
    void Paint(platform::FormCanvas& canvas) override;

  private:
    platform::Bitmap picture_;
};

// The splash while it exists; the main form destroys it two seconds after it first shows.
extern std::unique_ptr<TfmSplash> fmSplash;

}  // namespace app
