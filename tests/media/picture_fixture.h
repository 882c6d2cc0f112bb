#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "catalog/screen_geometry.h"
#include "media/data_paths.h"
#include "media/draw_context.h"
#include "media/scoped_temp_dir.h"
#include "platform/application.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/headless_app.h"
#include "platform/image_codec.h"
#include "platform/message_log.h"
#include "platform/sound.h"
#include "platform/sound_fixtures.h"

// A stand-in for the game form: full screen, with the three bitmaps the objects draw into.
// It shows the frame bitmap and counts its repaints.
class PictureTestForm : public platform::Form {
  public:
    explicit PictureTestForm(platform::Point screen) {
        SetBounds({0, 0, screen.X, screen.Y});
        FrameBitmap.Reset(screen.X, screen.Y, platform::PixelFormat::Bgr24);
        BackgroundBitmap.Reset(screen.X, screen.Y, platform::PixelFormat::Bgr24);
        SceneBitmap.Reset(screen.X, screen.Y, platform::PixelFormat::Bgr24);
    }
    void Paint(platform::FormCanvas& canvas) override {
        canvas.CopyRect(FrameBitmap.Bounds(), FrameBitmap, FrameBitmap.Bounds());
    }
    // Releases that no control claimed (the game's switches).
    void OnMouseUp(platform::MouseEvent& e) override { FormReleases.push_back(e.Button); }
    std::vector<platform::MouseButton> FormReleases;
    void Repaint() override {
        ++Repaints;
        if (OnRepaint) {
            OnRepaint();
        }
        Form::Repaint();
    }

    platform::Bitmap FrameBitmap;
    platform::Bitmap BackgroundBitmap;
    platform::Bitmap SceneBitmap;
    int Repaints = 0;
    std::function<void()> OnRepaint;
};

// Pixels that differ from place to place, so a copy from the wrong spot shows.
inline platform::Color PatternAt(int x, int y) {
    return {static_cast<uint8_t>(x % 251), static_cast<uint8_t>(y % 241),
            static_cast<uint8_t>((x + y) % 239)};
}

// JPEG keeps a plain colour within a few levels.
inline bool Near(platform::Color a, platform::Color b, int tolerance = 6) {
    return std::abs(a.R - b.R) <= tolerance && std::abs(a.G - b.G) <= tolerance &&
           std::abs(a.B - b.B) <= tolerance;
}

// A headless screen, the large layout (unless told otherwise), a temporary data root, the
// silent sound player and a shown test form whose background is a pattern.
class PictureTest : public ::testing::Test {
  protected:
    explicit PictureTest(platform::Point screen = {1280, 1024})
        : h_(screen), savedGeometry_(catalog::Geometry()), form_(screen) {
        catalog::SetScreenGeometry(catalog::SelectScreenMode(screen.X, screen.Y));
        media::SetDataRootForTesting(dir_.Path());
        platform::Sound::UseSilentDriverForTesting();
        platform::Sound::StartRecording();
        platform::MessageLog::Capture();
        for (int y = 0; y < screen.Y; ++y) {
            for (int x = 0; x < screen.X; ++x) {
                form_.BackgroundBitmap.SetPixel(x, y, PatternAt(x, y));
            }
        }
        form_.FrameBitmap = form_.BackgroundBitmap;
        form_.SceneBitmap = form_.BackgroundBitmap;
        form_.Show();
    }
    ~PictureTest() override {
        platform::MessageLog::StopCapture();
        platform::Sound::StopRecording();
        platform::Sound::UseSilentDriverForTesting();
        media::SetDataRootForTesting({});
        catalog::SetScreenGeometry(savedGeometry_);
    }

    // The invalidation callback the objects get; it records what they queue.
    media::AddDirtyRectFn Recorder() {
        return [this](const platform::Rect& r) { dirty_.push_back(r); };
    }
    // The drawing context the objects get: the form's three bitmaps and the recorder.
    media::DrawContext Context() {
        return {form_.FrameBitmap, form_.SceneBitmap, &form_.BackgroundBitmap, Recorder()};
    }

    // A plain-coloured picture file.
    static platform::Bitmap Plain(int w, int h, platform::Color c) {
        platform::Bitmap b(w, h, platform::PixelFormat::Bgr24);
        b.Fill(c);
        return b;
    }
    void WriteJpeg(const std::string& relative, const platform::Bitmap& b) {
        dir_.Write(relative, platform::EncodeJpeg(b, 95));
    }
    void WriteBmp(const std::string& relative, const platform::Bitmap& b) {
        dir_.Write(relative, platform::EncodeBmp(b));
    }
    // A frame picture: a ring `thickness` wide of colour c, white (left out) inside.
    static platform::Bitmap Ring(int w, int h, platform::Color c, int thickness = 3) {
        platform::Bitmap b = Plain(w, h, {255, 255, 255});
        b.FillRect({0, 0, w, thickness}, c);
        b.FillRect({0, h - thickness, w, h}, c);
        b.FillRect({0, 0, thickness, h}, c);
        b.FillRect({w - thickness, 0, w, h}, c);
        return b;
    }
    // The five frames of the given size in the frame library, for the current layout.
    void WriteFrames(int w, int h) {
        const std::string s = media::SizeSuffix();
        WriteBmp("Lib/GFX/ramka_red" + s + ".xbi", Ring(w, h, {220, 0, 0}));
        WriteBmp("Lib/GFX/ramka_green" + s + ".xbi", Ring(w, h, {0, 200, 0}));
        WriteBmp("Lib/GFX/ramka_yellow" + s + ".xbi", Ring(w, h, {230, 230, 0}));
        WriteBmp("Lib/GFX/ramka_blue" + s + ".xbi", Ring(w, h, {0, 0, 210}));
        WriteBmp("Lib/GFX/ramka_orange" + s + ".xbi", Ring(w, h, {250, 140, 0}));
    }
    void RemoveFile(const std::string& relative) {
        std::filesystem::remove(dir_.Path() / relative);
    }
    // A recording of the given length.
    void WriteSound(const std::string& relative, uint32_t ms) {
        dir_.Write(relative, sound_fixtures::MakeWaveMs(ms));
    }
    std::string NativeFile(const std::string& relative) const {
        return (dir_.Path() / relative).generic_string();
    }
    uint64_t NowMs() { return (*h_.clock).Counter() / 1000; }

    // Messages the user was shown.
    static std::vector<std::string> Messages() {
        std::vector<std::string> texts;
        for (const auto& e : platform::MessageLog::Entries()) {
            texts.push_back(e.Text);
        }
        return texts;
    }

    HeadlessApp h_;
    catalog::ScreenGeometry savedGeometry_;
    ScopedTempDir dir_;
    PictureTestForm form_;
    std::vector<platform::Rect> dirty_;
};
