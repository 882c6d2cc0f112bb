#pragma once

#include "media/product.h"

namespace app {

// Captions and messages of the program shell, exactly as the user sees them.
namespace texts {
inline constexpr const char* kInstanceName = "AppQUBOR-VB2XX";
inline constexpr const char* kTitleDuringCheck = "S-Vimbaro Cz.II";
inline constexpr const char* kTitle = media::ProductTitle;
inline constexpr const char* kErrorCaption = "Vimbaro Cz.II - Błąd";
inline constexpr const char* kCriticalError = "Wystąpił błąd krytyczny aplikacji!";
inline constexpr const char* kAlreadyRunning =
    "Aplikacja jest aktualnie uruchomiona.\n\nZamknij proces aplikajcji lub uruchom ponownie "
    "komputer.";
inline constexpr const char* kSettingsNotSaved = "Nie można zapisać ustawień w folderze:";
// Beside the sound choices while none is ticked, in two lines.
inline constexpr const char* kStartHint[] = {"Zaznacz co najmniej", "jedną głoskę"};
inline constexpr const char* kSplashPicture = "Data\\sph.xji";
}  // namespace texts

}  // namespace app
