#pragma once

#include <memory>

#include "platform/application.h"
#include "platform/clock.h"
#include "platform/headless/headless_backend.h"

// An application on the headless backend with a manual clock, for scripted sessions.
struct HeadlessApp {
    explicit HeadlessApp(platform::Point screen = {1280, 1024}) {
        auto backend = std::make_unique<platform::HeadlessBackend>(screen);
        headless = backend.get();
        app = std::make_unique<platform::Application>(std::move(backend));
    }
    platform::ScopedManualClock clock;
    platform::HeadlessBackend* headless = nullptr;
    std::unique_ptr<platform::Application> app;
};
