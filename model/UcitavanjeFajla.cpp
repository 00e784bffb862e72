#include "UcitavanjeFajla.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "Greska.h"
#include "GreskeSistema.h"

namespace {

[[noreturn]] void Odbij(const std::string& putanja, const std::string& razlog) {
    throw TGreska("Fajl '" + putanja + "' nije moguce procitati: " + razlog + "!!!");
}

void ProveriVrstu(const std::string& putanja, const struct stat& st) {
    if (S_ISDIR(st.st_mode)) throw TGreska("'" + putanja + "' je folder, a ne fajl modela!!!");
    if (!S_ISREG(st.st_mode))
        throw TGreska("'" + putanja + "' nije obican fajl (uredjaj, cev ili soket), a ne fajl modela!!!");
}

class TDeskriptor {
public:
    explicit TDeskriptor(int fd) : fd(fd) {}
    ~TDeskriptor() {
        if (fd >= 0) ::close(fd);
    }
    TDeskriptor(const TDeskriptor&) = delete;
    TDeskriptor& operator=(const TDeskriptor&) = delete;
    int fd;
};

}  // namespace

std::string ProcitajCeoFajl(const std::string& putanja, size_t najvise) {
    if (putanja.empty()) throw TGreska("Ime fajla nije korektno zadato!!!");
    struct stat st {};
    if (::stat(putanja.c_str(), &st) != 0) {
        if (errno == ENOENT) throw TGreska("Fajl '" + putanja + "' ne postoji!!!");
        Odbij(putanja, OpisGreskeSistema(errno));
    }
    ProveriVrstu(putanja, st);
    // Non-blocking, so that a FIFO put in place of the file after the check cannot hang the open.
    TDeskriptor f(::open(putanja.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY));
    if (f.fd < 0) Odbij(putanja, OpisGreskeSistema(errno));
    if (::fstat(f.fd, &st) != 0) Odbij(putanja, OpisGreskeSistema(errno));
    ProveriVrstu(putanja, st);
    if (static_cast<unsigned long long>(st.st_size) > najvise)
        throw TGreska("Fajl '" + putanja + "' je prevelik za fajl modela!!!");
    std::string sadrzaj;
    sadrzaj.reserve(static_cast<size_t>(st.st_size));
    char buf[65536];
    for (;;) {
        const ssize_t n = ::read(f.fd, buf, sizeof buf);
        if (n < 0) {
            if (errno == EINTR) continue;
            Odbij(putanja, OpisGreskeSistema(errno));
        }
        if (n == 0) break;
        sadrzaj.append(buf, static_cast<size_t>(n));
        // The file may grow while it is read.
        if (sadrzaj.size() > najvise) throw TGreska("Fajl '" + putanja + "' je prevelik za fajl modela!!!");
    }
    return sadrzaj;
}
