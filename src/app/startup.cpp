#include "app/startup.h"

#include <cstdio>

#include "app/kom_form.h"
#include "app/main_form.h"
#include "app/program_texts.h"
#include "app/splash_form.h"
#include "catalog/screen_geometry.h"
#include "media/cblad.h"
#include "platform/instance_guard.h"
#include "platform/message_box.h"
#include "platform/sound.h"

using namespace media;
using namespace catalog;

namespace app {

using platform::MessageIcon;

StartupEnvironment DefaultEnvironment() {
    StartupEnvironment env;
    env.MakeBackend = [] { return platform::CreateSdlBackend(); };
    env.InstanceName = texts::kInstanceName;
    return env;
}

namespace {

void ShowCritical() {
    platform::ShowMessageBox(texts::kCriticalError, texts::kErrorCaption, MessageIcon::Error);
}

// Asks the running copy to come to the front; says so when it does not answer.
int HandOverToRunningCopy(const std::string& name) {
    if (!platform::InstanceGuard::AskRunningCopyToActivate(name)) {
        platform::ShowMessageBox(texts::kAlreadyRunning, texts::kTitle, MessageIcon::Error);
    }
    return 0;
}

// The message form needs this run's window system; once the run is over, errors go back to
// the plain message box.
class MessageFormScope {
  public:
    MessageFormScope() { InstallMessageForm(); }
    ~MessageFormScope() { SetMessageFormHandler({}); }
    MessageFormScope(const MessageFormScope&) = delete;
    MessageFormScope& operator=(const MessageFormScope&) = delete;
};

// Steps 8 and 9: the main form's loop; whatever escapes it is shown, and the run ends well.
int RunMainForm(platform::Application& app, const StartupEnvironment& env) {
    try {
        TfmMain mainForm;
        if (env.BeforeLoop) {
            env.BeforeLoop(app);
        }
        app.Run(mainForm);
        fmSplash.reset();
        mainForm.SetBounds({0, 0, 0, 0});
    } catch (const CBlad& e) {
        e.Show();
    } catch (...) {
        ShowCritical();
    }
    fmSplash.reset();
    return 0;
}

}  // namespace

int RunProgram(const StartupEnvironment& env) {
    std::unique_ptr<platform::Application> app;
    // The audio device is closed here, on every way out, before the window system goes: a
    // static destructor would close it after SDL and the audio thread had gone.
    struct SoundShutdown {
        ~SoundShutdown() { platform::Sound::Shutdown(); }
    } soundShutdown;
    try {
        app = std::make_unique<platform::Application>(env.MakeBackend());
    } catch (const std::exception& e) {
        // Without a window system there is nothing to show a message in.
        std::fprintf(stderr, "%s: %s\n%s\n", texts::kErrorCaption, texts::kCriticalError, e.what());
        return 1;
    }
    app->SetTitle(texts::kTitleDuringCheck);
    platform::Point screen = app->ScreenSize();
    SetScreenGeometry(SelectScreenMode(screen.X, screen.Y));
    MessageFormScope messageForm;

    platform::InstanceGuard guard;
    if (guard.Acquire(env.InstanceName) == platform::InstanceState::AnotherRunning) {
        return HandOverToRunningCopy(env.InstanceName);
    }
    platform::Application* appPtr = app.get();
    guard.SetActivateHandler([appPtr] {
        appPtr->Post([appPtr] {
            appPtr->BringToFront();
            if (platform::Form* top = appPtr->ActiveForm()) {
                top->BringToFront();
            }
        });
    });
    app->SetTitle(texts::kTitle);

    try {
        fmSplash = std::make_unique<TfmSplash>();
        fmSplash->Show();
        app->ProcessMessages();
        if (Geometry().ScreenMode == 0) {
            throw CBlad::FromCode(CBlad::ScreenTooSmallCode);
        }
    } catch (const CBlad& e) {
        e.Show();
        fmSplash.reset();
        return -2;
    } catch (...) {
        ShowCritical();
        fmSplash.reset();
        return 0;
    }
    return RunMainForm(*app, env);
}

}  // namespace app
