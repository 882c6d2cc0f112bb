#pragma once

#include <functional>
#include <string>

#include "media/draw_context.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/input.h"

namespace app {

// What the menu, the options page and the information page share: a full-screen form that
// shows its frame bitmap, where its controls draw composed over the clean scene bitmap; the
// background picture laid into both; a build whose failure the user hears as the reinstall
// message; Esc closes it.
class PageForm : public platform::Form {
  public:
    void Paint(platform::FormCanvas& canvas) override;
    // Esc closes the page; other keys go to OnPageKey.
    void OnKeyDown(platform::Key key, char32_t ch) override;

    const platform::Bitmap& FrameBitmap() const { return frame_; }

  protected:
    // Full screen, with the program's caption.
    PageForm();

    // Runs build. Whatever it throws becomes CBlad code 1 with ResourceMissingText: the user
    // can only reinstall. What was built frees itself.
    static void BuildOrReportMissing(const std::function<void()>& build);
    // Sizes both bitmaps to the screen, black, and lays the background picture
    // "Data\Intf\" + stem + the size suffix + ".xji" into the layout area of both. Throws
    // what the picture loader throws.
    void LayBackground(const std::string& stem);
    // Where the page's controls draw; no callback, since the page repaints itself whole.
    media::DrawContext Context() { return {frame_, scene_, nullptr, {}}; }

    virtual void OnPageKey(platform::Key, char32_t) {}

    // The controls draw into these, so they belong to the base and go after the controls.
    platform::Bitmap frame_;
    platform::Bitmap scene_;
};

}  // namespace app
