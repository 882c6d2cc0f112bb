#pragma once

#include <functional>

namespace platform {

// A named command a control or key is bound to; running it calls the handler.
class Action {
  public:
    std::function<void()> OnExecute;
    // Runs the handler; returns whether there was one to run.
    bool Execute() {
        if (!OnExecute) {
            return false;
        }
        OnExecute();
        return true;
    }
};

}  // namespace platform
