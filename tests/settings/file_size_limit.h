// Makes every write to a file beyond a few bytes fail, for as long as the object lives:
// a write that breaks off half-way, whatever the user's rights (root included).
#pragma once

#include <csignal>
#include <sys/resource.h>

namespace narabe::test {

class FileSizeLimit {
  public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &saved_);
        // Past the limit the system sends SIGXFSZ, which would end the test program.
        savedHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = saved_;
        limit.rlim_cur = bytes;
        active_ = setrlimit(RLIMIT_FSIZE, &limit) == 0;
    }
    ~FileSizeLimit() {
        lift();
        std::signal(SIGXFSZ, savedHandler_);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

    [[nodiscard]] bool active() const { return active_; }
    void lift() {
        if (active_) setrlimit(RLIMIT_FSIZE, &saved_);
        active_ = false;
    }

  private:
    rlimit saved_{};
    void (*savedHandler_)(int) = nullptr;
    bool active_ = false;
};

} // namespace narabe::test
