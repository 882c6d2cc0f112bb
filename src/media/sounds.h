#pragma once

#include <string>

namespace media {

// The game's recordings. Each takes a path of the program ("Data\\Res\\Snd\\..."), returns
// false without a sound when the file is missing, and otherwise plays it and returns true,
// even when the player drops it because another recording is still playing.

// Appends ".snd" and plays in the background (the exercises' spoken instructions).
bool PlaySoundFile(const std::string& pathWithoutExtension);

// Speaks a word of the word database and returns when it has been said.
bool PlayWord(const std::string& key);

// Speaks a letter or digit and returns when it has been said.
bool PlayLetter(const std::string& name);

// Plays praise number n ("g<n>.snd") or remark number n ("b<n>.snd") in the background.
bool PlayFeedbackFile(bool praise, int n);

}  // namespace media
