#pragma once

#include <functional>
#include <memory>
#include <string>

#include "platform/application.h"
#include "platform/backend.h"

namespace app {

// What the entry point needs from outside; tests replace the window system and the name.
struct StartupEnvironment {
    std::function<std::unique_ptr<platform::Backend>()> MakeBackend;
    std::string InstanceName;
    // Runs just before the message loop (tests inject their input here).
    std::function<void(platform::Application&)> BeforeLoop;
};

// The real program: SDL window system, the one instance name.
StartupEnvironment DefaultEnvironment();

// Fixes the layout, keeps a single copy running, shows the splash, runs the main form and
// turns every error into the program's message. Returns the process exit code: 0, or -2
// when a CBlad error stopped start-up (1 when no display could be opened at all).
int RunProgram(const StartupEnvironment& env);

}  // namespace app
