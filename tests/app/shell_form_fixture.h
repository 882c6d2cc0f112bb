#pragma once

#include <cstdint>
#include <filesystem>
#include <initializer_list>
#include <string>
#include <vector>

#include "controls/control_fixture.h"
#include "hang_guard.h"
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

    // Shows a window from make modally twice: closed once by Esc and once by a click on its
    // exit button. Each time it must end hidden, with the test form active again.
    template <class Make>
    void ExpectEscAndExitButtonClose(Make&& make) {
        for (bool useKey : {true, false}) {
            SCOPED_TRACE(useKey ? "Esc" : "exit button");
            auto window = make();
            if (useKey) {
                h_.headless->PressKey(platform::Key::Escape);
            } else {
                const platform::Rect exit = window->ExitButton().Bounds();
                h_.headless->Click(window->Bounds().Left + exit.Left + 10,
                                   window->Bounds().Top + exit.Top + 10);
            }
            HangGuard bound("a picture window's modal loop", kHangLimit);
            window->ShowModal();
            EXPECT_FALSE(window->Visible());
            EXPECT_EQ(h_.app->ActiveForm(), static_cast<platform::Form*>(&form_));
        }
    }

    struct DataFault {
        const char* File;
        bool Broken;
    };
    // Runs make with each file away (or broken) in turn: each time it must throw CBlad code 1
    // with ResourceMissingText and leave the test form active.
    template <class Make>
    void ExpectResourceMissingWithout(std::initializer_list<DataFault> faults, Make&& make) {
        for (const DataFault& f : faults) {
            SCOPED_TRACE(testing::Message() << f.File << (f.Broken ? " broken" : " missing"));
            WithoutFile(
                f.File,
                [&] {
                    auto [code, text] = CBladFrom(make);
                    EXPECT_EQ(code, media::CBlad::ResourceMissingCode);
                    EXPECT_EQ(text, media::ResourceMissingText);
                    EXPECT_EQ(h_.app->ActiveForm(), static_cast<platform::Form*>(&form_));
                },
                f.Broken);
        }
    }
};
