#include "media/cmid.h"

#include "media/data_paths.h"

namespace media {

CMid::CMid() : CMid(SystemMidiDevice()) {}

CMid::CMid(MidiDevice& device) : device_(device) {}

CMid::~CMid() {
    Close();
}

bool CMid::Load(const std::string& file) {
    if (opened_) {
        // Whatever the device says, the old tune is gone for us.
        device_.Stop();
        device_.Close();
        opened_ = false;
        playing_ = false;
    }
    if (!device_.Open(NativePath(file))) {
        return false;
    }
    opened_ = true;
    playing_ = false;
    Rewind();
    Play();
    return true;
}

bool CMid::Rewind() {
    if (!opened_) {
        return true;
    }
    return device_.SeekToStart();
}

bool CMid::Play() {
    if (!opened_) {
        return true;
    }
    if (playing_ && device_.Stop()) {
        playing_ = false;
    }
    if (!device_.Play()) {
        return false;
    }
    playing_ = true;
    return true;
}

bool CMid::Stop() {
    if (opened_ && playing_) {
        if (!device_.Stop()) {
            return false;
        }
        playing_ = false;
    }
    return true;
}

bool CMid::Close() {
    if (!opened_) {
        return true;
    }
    if (playing_ && device_.Stop()) {
        playing_ = false;
    }
    if (!device_.Close()) {
        return false;
    }
    opened_ = false;
    return true;
}

}  // namespace media
