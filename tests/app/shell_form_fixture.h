#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "controls/control_fixture.h"
#include "media/data_paths.h"
#include "platform/geometry.h"

// A headless screen of the given size (its layout chosen from it), a temporary data root
// and the looks of the exit button (the message form) and the back button (the pages opened
// from the menu).
class ShellFormTest : public ControlTest {
  protected:
    static constexpr platform::Color kExitNormal{20, 120, 20};
    static constexpr platform::Color kExitHover{20, 200, 20};
    static constexpr int kExitWidth = 60;
    static constexpr int kExitHeight = 40;

    explicit ShellFormTest(platform::Point screen) : ControlTest(screen) {
        const std::string s = media::SizeSuffix();
        for (const std::string name : {"exit", "powrot"}) {
            WriteLook(name + "_d" + s, kExitWidth, kExitHeight, kExitNormal);
            WriteLook(name + "_a" + s, kExitWidth, kExitHeight, kExitHover);
            WriteLook(name + "_c" + s, kExitWidth, kExitHeight, {20, 60, 20});
            WriteLook(name + "_na" + s, kExitWidth, kExitHeight, {90, 90, 90});
        }
    }

    // Lets the loop run input that was injected and paints.
    void Pump() { h_.app->ProcessMessages(); }

    // Runs fn while the data file `relative` is away (or, when broken, replaced by a few
    // bytes that no decoder reads), then puts it back.
    template <class Fn>
    void WithoutFile(const std::string& relative, Fn&& fn, bool broken = false) {
        const std::filesystem::path file = dir_.Path() / relative;
        const std::filesystem::path aside = dir_.Path() / "aside";
        std::filesystem::rename(file, aside);
        if (broken) {
            dir_.Write(relative, std::vector<uint8_t>{'B', 'M', 0xFF, 0xD8, 0x00});
        }
        fn();
        std::filesystem::remove(file);
        std::filesystem::rename(aside, file);
    }
};
