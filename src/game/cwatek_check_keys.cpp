#include "game/cwatek_check_keys.h"

#include <utility>

namespace game {

CWatekCheckKeys::CWatekCheckKeys(std::mutex& threadLock, std::function<void()> poll)
    : threadLock_(threadLock), poll_(std::move(poll)) {}

CWatekCheckKeys::~CWatekCheckKeys() {
    Stop();
}

void CWatekCheckKeys::Execute() {
    std::lock_guard hold(threadLock_);
    while (!Terminated()) {
        Synchronize([this] {
            if (Enabled && !Terminated()) {
                poll_();
            }
        });
        if (Terminated()) {
            break;
        }
        pacer_.WaitTick();
    }
}

}  // namespace game
