#include "media/midi_device.h"

#include "media/data_paths.h"
#include "platform/sound.h"

namespace media {

namespace {

class SystemSequencer final : public MidiDevice {
  public:
    bool Open(const std::string& nativePath) override {
        NoteResourceRequest(nativePath);
        return platform::Sound::MidiOpen(nativePath);
    }
    bool SeekToStart() override { return platform::Sound::MidiRewind(); }
    bool Play() override { return platform::Sound::MidiPlay(); }
    bool Stop() override { return platform::Sound::MidiStop(); }
    bool Close() override { return platform::Sound::MidiClose(); }
};

}  // namespace

MidiDevice& SystemMidiDevice() {
    static SystemSequencer sequencer;
    return sequencer;
}

}  // namespace media
