#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <utility>

#include "media/cblad.h"
#include "media/picture_fixture.h"
#include "platform/control.h"
#include "platform/geometry.h"
#include "platform/input.h"

// The picture test screen (large layout) with helpers for button-library looks and for
// driving the mouse one message at a time.
class ControlTest : public PictureTest {
  protected:
    using PictureTest::PictureTest;

    // A look pair in the button library: a solid rectangle of colour c with a clear border
    // `border` pixels wide, so a probe inside shows the look and one on the border the scene.
    void WriteLook(const std::string& base, int w, int h, platform::Color c, int border = 2) {
        platform::Bitmap white = Plain(w, h, {255, 255, 255});
        platform::Bitmap black = Plain(w, h, {0, 0, 0});
        const platform::Rect inner{border, border, w - border, h - border};
        white.FillRect(inner, c);
        black.FillRect(inner, c);
        WriteBmp("Lib/BUTT/" + base + "_W.xbi", white);
        WriteBmp("Lib/BUTT/" + base + "_B.xbi", black);
    }

    // One mouse message at screen position (x, y), handled at once.
    void Send(platform::InputEvent::Type type, int x, int y,
              platform::MouseButton button = platform::MouseButton::Left) {
        platform::InputEvent e;
        e.type = type;
        e.button = button;
        e.x = x;
        e.y = y;
        h_.headless->Inject(e);
        h_.app->ProcessMessages();
    }
    void Move(int x, int y) { Send(platform::InputEvent::Type::MouseMove, x, y); }
    void Down(int x, int y) { Send(platform::InputEvent::Type::MouseDown, x, y); }
    void Up(int x, int y) { Send(platform::InputEvent::Type::MouseUp, x, y); }

    platform::Color FrameAt(int x, int y) const { return form_.FrameBitmap.GetPixel(x, y); }
    platform::Color ScreenAt(int x, int y) const { return h_.headless->Screen().GetPixel(x, y); }

    // Runs fn while the button-library picture `name` is away, then puts it back.
    template <class Fn>
    void WithoutLibraryPicture(const std::string& name, Fn&& fn) {
        const std::filesystem::path file = dir_.Path() / ("Lib/BUTT/" + name + ".xbi");
        const std::filesystem::path aside = dir_.Path() / "aside.xbi";
        std::filesystem::rename(file, aside);
        fn();
        std::filesystem::rename(aside, file);
    }

    bool FormHasControls() const { return !form_.Controls().empty(); }
};

// Runs make, which must throw CBlad, and returns the error's code and text.
template <class Make>
std::pair<int16_t, std::string> CBladFrom(Make&& make) {
    try {
        make();
    } catch (const media::CBlad& e) {
        return {e.Code(), e.Text()};
    } catch (...) {
        return {-1, "another error"};
    }
    return {0, "no error"};
}
