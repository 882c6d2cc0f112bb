#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "fuzz_seed.h"
#include "media/data_paths.h"
#include "media/scoped_temp_dir.h"
#include "platform/bitmap.h"
#include "platform/form.h"
#include "platform/geometry.h"
#include "platform/image_codec.h"

// Figure pictures made on the spot: each frame is an opaque block in a colour of its own
// (so a probe tells which frame is shown) inside a clear border; the collision map is
// white with a black block.
struct FigureFiles {
    std::string name = "pojazd";
    std::string sizeSuffix = "_s";
    int width = 12;
    int height = 10;
    platform::Rect body{2, 2, 10, 8};  // the opaque part of every frame
    int mapWidth = 12;
    int mapHeight = 10;
    platform::Rect shape{3, 3, 9, 7};  // the non-white part of the collision map

    // The colour of frame n's body.
    static platform::Color FrameColour(int n) {
        return {static_cast<uint8_t>(40 + 12 * n), 90, 200};
    }
    // The frame whose body has colour c, or -1.
    static int FrameOf(platform::Color c) {
        for (int n = 0; n < 16; ++n) {
            if (FrameColour(n) == c) {
                return n;
            }
        }
        return -1;
    }

    std::string Base() const { return name + sizeSuffix; }
    std::filesystem::path MapFile() const { return Base() + "_obszar.xbi"; }
    std::filesystem::path FrameFile(int n, bool onWhite) const {
        return Base() + (onWhite ? "_w_" : "_b_") + std::to_string(n) + ".xbi";
    }

    // Writes the map and the sixteen pairs into the folder dataRoot.
    void Write(const ScopedTempDir& dir, const std::filesystem::path& dataRoot) const {
        platform::Bitmap map(mapWidth, mapHeight);
        map.Fill({255, 255, 255});
        map.FillRect(shape, {0, 0, 0});
        std::vector<uint8_t> mapBytes = platform::EncodeBmp(map);
        SaveFuzzSeed("fuzz_bmp", "figure_map.bmp", mapBytes);
        dir.Write(dataRoot / MapFile(), mapBytes);
        for (int n = 0; n < 16; ++n) {
            for (bool onWhite : {false, true}) {
                platform::Bitmap frame(width, height);
                frame.Fill(onWhite ? platform::Color{255, 255, 255} : platform::Color{0, 0, 0});
                frame.FillRect(body, FrameColour(n));
                dir.Write(dataRoot / FrameFile(n, onWhite), platform::EncodeBmp(frame));
            }
        }
    }
};

// Points the data root at a folder and restores the normal rule.
class ScopedDataRoot {
  public:
    explicit ScopedDataRoot(const std::filesystem::path& root) {
        media::SetDataRootForTesting(root);
    }
    ~ScopedDataRoot() { media::SetDataRootForTesting({}); }
    ScopedDataRoot(const ScopedDataRoot&) = delete;
    ScopedDataRoot& operator=(const ScopedDataRoot&) = delete;
};

// Stands in for the game form: full screen, the three bitmaps, a dirty list drained by
// the repaint, and a hook that runs after every repaint reached the screen.
class FigureTestForm : public platform::Form {
  public:
    FigureTestForm(int width, int height, platform::Color sceneOrigin = {30, 60, 90})
        : BackgroundBitmap(width, height), SceneBitmap(width, height), FrameBitmap(width, height) {
        SetBounds({0, 0, width, height});
        // A scene where every pixel differs from its neighbours, so a trace shows.
        for (int y = 0; y < height; ++y) {
            for (int x = 0; x < width; ++x) {
                SceneBitmap.SetPixel(x, y,
                                     {static_cast<uint8_t>(sceneOrigin.R + 3 * x),
                                      static_cast<uint8_t>(sceneOrigin.G + 5 * y),
                                      static_cast<uint8_t>(sceneOrigin.B + x + y)});
            }
        }
        BackgroundBitmap = SceneBitmap;
        FrameBitmap = SceneBitmap;
        Show();
    }

    void AddDirtyRect(const platform::Rect& r) {
        Dirty.push_back(r);
        pending_.push_back(r);
    }
    void Repaint() override {
        for (const platform::Rect& r : pending_) {
            Invalidate(r);
        }
        pending_.clear();
        Update();
        if (AfterRepaint) {
            AfterRepaint();
        }
    }
    void Paint(platform::FormCanvas& canvas) override {
        platform::Rect clip = canvas.ClipRect();
        canvas.CopyRect(clip, FrameBitmap, clip);
    }

    platform::Bitmap BackgroundBitmap;
    platform::Bitmap SceneBitmap;
    platform::Bitmap FrameBitmap;
    std::vector<platform::Rect> Dirty;  // every rectangle reported, in order
    std::function<void()> AfterRepaint;

  private:
    std::vector<platform::Rect> pending_;
};
