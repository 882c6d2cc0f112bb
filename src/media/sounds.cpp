#include "media/sounds.h"

#include "media/data_paths.h"
#include "platform/sound.h"

namespace media {

namespace {

bool PlayRecording(const std::string& path, bool synchronous) {
    std::string native = NativePath(path);
    NoteResourceRequest(native);
    if (!FileExists(native)) {
        return false;
    }
    platform::Sound::PlayWave(native, synchronous);
    return true;
}

}  // namespace

bool PlaySoundFile(const std::string& pathWithoutExtension) {
    return PlayRecording(pathWithoutExtension + ".snd", false);
}

bool PlayWord(const std::string& key) {
    return PlayRecording("Data\\Res\\Snd\\" + key + ".snd", true);
}

bool PlayLetter(const std::string& name) {
    return PlayRecording("Data\\Res\\Snd\\LC\\" + name + ".snd", true);
}

bool PlayFeedbackFile(bool praise, int n) {
    return PlayRecording(
        std::string("Data\\Res\\Snd\\") + (praise ? "g" : "b") + std::to_string(n) + ".snd", false);
}

}  // namespace media
