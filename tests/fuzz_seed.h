#pragma once

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <span>
#include <string>

// Tests that build small valid files also hand them to the fuzzers as seeds: when
// VIMBARO_FUZZ_SEEDS is set, the file is written to $VIMBARO_FUZZ_SEEDS/<target>/<name>.
inline void SaveFuzzSeed(const std::string& target, const std::string& name,
                         std::span<const uint8_t> bytes) {
    const char* root = std::getenv("VIMBARO_FUZZ_SEEDS");
    if (root == nullptr || *root == '\0') {
        return;
    }
    std::filesystem::path dir = std::filesystem::path(root) / target;
    std::filesystem::create_directories(dir);
    std::ofstream out(dir / name, std::ios::binary);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}
