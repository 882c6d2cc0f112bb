#include "platform/append_file.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <string>

#include <sys/resource.h>

#include "media/scoped_temp_dir.h"
#include "platform/file_read.h"

namespace fs = std::filesystem;

namespace {

// Lowers the process's file size limit for its lifetime, so that a write stops part-way
// as it would on a full disk; the signal the kernel sends then is ignored meanwhile.
class ScopedFileSizeLimit {
  public:
    explicit ScopedFileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        oldHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit lowered = saved_;
        lowered.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &lowered);
    }
    ~ScopedFileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, oldHandler_);
    }
    ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
    ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;

  private:
    rlimit saved_{};
    void (*oldHandler_)(int) = nullptr;
};

TEST(AppendWhole, AppendsAndCreates) {
    ScopedTempDir dir;
    const fs::path file = dir.Path() / "f.bin";
    EXPECT_FALSE(platform::AppendWhole(file, std::string("ab\0c", 4)));
    EXPECT_FALSE(platform::AppendWhole(file, "de"));
    EXPECT_EQ(platform::ReadWholeTextFile(file), std::string("ab\0cde", 6));
}

TEST(AppendWhole, WriteStoppedPartWayIsCutBackToTheOldLength) {
    ScopedTempDir dir;
    const fs::path file = dir.Path() / "f.bin";
    const std::string old(100, 'o');
    ASSERT_FALSE(platform::AppendWhole(file, old));
    std::error_code error;
    {
        ScopedFileSizeLimit limit(old.size() + 10);
        error = platform::AppendWhole(file, std::string(50, 'n'));
    }
    EXPECT_TRUE(error);
    EXPECT_EQ(platform::ReadWholeTextFile(file), old);
}

TEST(AppendWhole, RefusesWhatCannotBeCutBack) {
    ScopedTempDir dir;
    EXPECT_TRUE(platform::AppendWhole(dir.Path(), "x"));
    EXPECT_TRUE(platform::AppendWhole("/dev/null", "x"));
}

}  // namespace
