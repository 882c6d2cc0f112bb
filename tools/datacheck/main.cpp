// vimbaro-datacheck DATA_DIR: lists every resource the game may ask for that the folder lacks or
// holds in a form the game cannot use, and how many words have a real picture.

#include <cstdio>

#include "data_check.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: vimbaro-datacheck DATA_DIR\n");
        return 2;
    }
    const DataCheckReport report = CheckDataFolder(argv[1]);
    for (const auto& path : report.Missing) {
        std::printf("missing: %s\n", path.c_str());
    }
    for (const auto& problem : report.Malformed) {
        std::printf("malformed: %s\n", problem.c_str());
    }
    std::printf("word pictures: %d of %d word keys have a real picture (%.1f%%)\n",
                report.WordKeysWithPicture, report.WordKeys, report.PictureShare());
    std::printf("%d files checked, %zu missing, %zu malformed\n", report.FilesChecked,
                report.Missing.size(), report.Malformed.size());
    return report.Ok() ? 0 : 1;
}
