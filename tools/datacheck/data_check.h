#pragma once

#include <filesystem>
#include <string>
#include <vector>

// Checks a Data folder against the resource catalogue: every file there, readable, in the
// format the program expects, pairs of equal size and 24 bits.
struct DataCheckReport {
    std::vector<std::string> Missing;    // catalogue paths with no file
    std::vector<std::string> Malformed;  // "path: what is wrong"
    int FilesChecked = 0;
    int WordKeys = 0;             // distinct word keys with a normal card
    int WordKeysWithPicture = 0;  // of those, cards that are not text cards

    bool Ok() const { return Missing.empty() && Malformed.empty(); }
    double PictureShare() const {
        return WordKeys == 0 ? 0.0 : 100.0 * WordKeysWithPicture / WordKeys;
    }
};

DataCheckReport CheckDataFolder(const std::filesystem::path& dataDir);
