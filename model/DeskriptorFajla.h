#pragma once
#include <cerrno>
#include <string_view>
#include <unistd.h>

#include "SnimanjeFajla.h"

// An open file descriptor, closed when it goes out of scope.
class TDeskriptor {
public:
    explicit TDeskriptor(int fd = -1) : fd(fd) {}
    ~TDeskriptor() { Zatvori(); }
    TDeskriptor(const TDeskriptor&) = delete;
    TDeskriptor& operator=(const TDeskriptor&) = delete;
    int Zatvori() {
        const int r = fd >= 0 ? ::close(fd) : 0;
        fd = -1;
        return r;
    }
    int fd;
};

// Writes all of `s` through `upis` (short writes continued, interruptions repeated). Returns 0, or
// the errno of the failure (ENOSPC for a write that takes nothing).
inline int UpisiSveBajtove(int fd, std::string_view s, TFunkcijaUpisa upis) {
    size_t upisano = 0;
    while (upisano < s.size()) {
        const ssize_t n = upis(fd, s.data() + upisano, s.size() - upisano);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) return errno;
        if (n == 0) return ENOSPC;
        upisano += static_cast<size_t>(n);
    }
    return 0;
}
