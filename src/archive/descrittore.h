#pragma once

#include <unistd.h>

namespace zocal {

// A file descriptor closed on every way out.
class Descrittore {
  public:
    explicit Descrittore(int fd = -1) : fd_(fd) {}
    ~Descrittore() {
        if (fd_ >= 0) {
            ::close(fd_);
        }
    }
    Descrittore(const Descrittore&) = delete;
    Descrittore& operator=(const Descrittore&) = delete;
    int get() const { return fd_; }
    // Closes and reports the outcome: some file systems report write
    // faults only here.
    int chiudi() {
        const int r = ::close(fd_);
        fd_ = -1;
        return r;
    }

  private:
    int fd_;
};

} // namespace zocal
