#include "media/picture_library.h"

#include <utility>

#include "media/cblad.h"
#include "media/data_paths.h"
#include "media/load_correct_bitmap.h"

namespace media {

std::filesystem::path LibraryFolder(Library library) {
    const char* folder = "GFX";
    switch (library) {
        case Library::Gfx:
            folder = "GFX";
            break;
        case Library::Butt:
            folder = "BUTT";
            break;
        case Library::Pow:
            folder = "POW";
            break;
    }
    return DataRoot() / "Lib" / folder;
}

bool IsValidPictureName(const std::string& name) {
    return !name.empty() && name.find_first_of(std::string("/\\\0", 3)) == std::string::npos &&
           name.find("..") == std::string::npos;
}

bool OpenLibraryBMP(Library library, const std::string& name, platform::Bitmap& out) {
    if (!IsValidPictureName(name)) {
        return false;
    }
    try {
        const std::filesystem::path file = LibraryFolder(library) / (name + ".xbi");
        NoteResourceRequest(file);
        if (!FileExists(file)) {
            return false;
        }
        platform::Bitmap picture;
        LoadCorrectBitmap(picture, file.string());
        out = std::move(picture);
        return true;
    } catch (...) {
        // A damaged picture counts as one the library does not hold.
        return false;
    }
}

bool OtworzBMP(const std::string& name, platform::Bitmap& out) {
    return OpenLibraryBMP(Library::Gfx, name, out);
}

bool BOtworzBMP(const std::string& name, platform::Bitmap& out) {
    return OpenLibraryBMP(Library::Butt, name, out);
}

bool OtworzPowBMP(const std::string& name, platform::Bitmap& out) {
    return OpenLibraryBMP(Library::Pow, name, out);
}

platform::Bitmap LoadLibraryPicture(Library library, const std::string& name) {
    platform::Bitmap picture;
    if (!OpenLibraryBMP(library, name, picture)) {
        // A damaged picture was named by the loader already.
        const std::filesystem::path file = LibraryFolder(library) / (name + ".xbi");
        if (!FileExists(file)) {
            ReportResourceProblem(file.string(), "no such file");
        }
        throw CBlad::FromCode(library == Library::Butt ? CBlad::LibraryBitmapMissingCode
                                                       : CBlad::ResourceMissingCode);
    }
    return picture;
}

}  // namespace media
