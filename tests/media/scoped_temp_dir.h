#pragma once

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <random>
#include <span>
#include <string>
#include <system_error>

#include "catalog/screen_geometry.h"

// A fresh directory removed again with everything in it.
class ScopedTempDir {
  public:
    ScopedTempDir() {
        std::random_device random;
        path_ = std::filesystem::temp_directory_path() /
                ("vimbaro-media-" + std::to_string(random()) + std::to_string(random()));
        std::filesystem::create_directories(path_);
    }
    ~ScopedTempDir() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScopedTempDir(const ScopedTempDir&) = delete;
    ScopedTempDir& operator=(const ScopedTempDir&) = delete;

    const std::filesystem::path& Path() const { return path_; }

    // Writes bytes to a file below the directory, making its folders.
    std::filesystem::path Write(const std::filesystem::path& relative,
                                std::span<const uint8_t> bytes) const {
        std::filesystem::path file = path_ / relative;
        std::filesystem::create_directories(file.parent_path());
        std::ofstream out(file, std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
        return file;
    }

  private:
    std::filesystem::path path_;
};

// Changes the working directory and restores it.
class ScopedCurrentPath {
  public:
    explicit ScopedCurrentPath(const std::filesystem::path& dir)
        : saved_(std::filesystem::current_path()) {
        std::filesystem::current_path(dir);
    }
    ~ScopedCurrentPath() {
        std::error_code ec;
        std::filesystem::current_path(saved_, ec);
    }
    ScopedCurrentPath(const ScopedCurrentPath&) = delete;
    ScopedCurrentPath& operator=(const ScopedCurrentPath&) = delete;

  private:
    std::filesystem::path saved_;
};

// Switches the process-wide layout for one test and restores it.
class ScopedScreenMode {
  public:
    explicit ScopedScreenMode(int16_t mode) : saved_(catalog::Geometry()) {
        catalog::ScreenGeometry g = mode == 4   ? catalog::SelectScreenMode(1280, 960)
                                    : mode == 1 ? catalog::SelectScreenMode(1024, 768)
                                                : catalog::SelectScreenMode(800, 600);
        catalog::SetScreenGeometry(g);
    }
    ~ScopedScreenMode() { catalog::SetScreenGeometry(saved_); }
    ScopedScreenMode(const ScopedScreenMode&) = delete;
    ScopedScreenMode& operator=(const ScopedScreenMode&) = delete;

  private:
    catalog::ScreenGeometry saved_;
};
