#include "SnimanjeFajla.h"

#include <cerrno>
#include <climits>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <random>
#include <sys/stat.h>
#include <unistd.h>

#include "DeskriptorFajla.h"
#include "DnevnikSnimanja.h"
#include "Greska.h"
#include "GreskeSistema.h"

namespace {

struct TGreskaUpisa {
    int broj;
};

std::string Folder(const std::string& p) {
    const size_t i = p.rfind('/');
    if (i == std::string::npos) return ".";
    return i == 0 ? "/" : p.substr(0, i);
}

std::string Ime(const std::string& p) {
    const size_t i = p.rfind('/');
    return i == std::string::npos ? p : p.substr(i + 1);
}

// The file a path names, symbolic links followed (also a link to a file not yet there).
std::string RazresiVeze(const std::string& putanja) {
    std::string p = putanja;
    for (int i = 0; i < 40; ++i) {
        struct stat st {};
        if (::lstat(p.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return p;
        std::string cilj(PATH_MAX, '\0');
        const ssize_t n = ::readlink(p.c_str(), cilj.data(), cilj.size());
        if (n < 0) throw TGreskaUpisa{errno};
        cilj.resize(static_cast<size_t>(n));
        p = cilj.empty() || cilj[0] == '/' ? cilj : Folder(p) + "/" + cilj;
    }
    throw TGreskaUpisa{ELOOP};
}

void UpisiSve(int fd, std::string_view s, TFunkcijaUpisa upis) {
    if (const int broj = UpisiSveBajtove(fd, s, upis)) throw TGreskaUpisa{broj};
}

std::string ProcitajSve(int fd) {
    std::string s;
    char buf[65536];
    for (off_t pomak = 0;;) {
        const ssize_t n = ::pread(fd, buf, sizeof buf, pomak);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw TGreskaUpisa{errno};
        if (n == 0) return s;
        s.append(buf, static_cast<size_t>(n));
        pomak += n;
    }
}

// Writes `sadrzaj` from the start of an open file and cuts it to that length.
void PrepisiOdPocetka(int fd, std::string_view sadrzaj, TFunkcijaUpisa upis) {
    if (::lseek(fd, 0, SEEK_SET) < 0) throw TGreskaUpisa{errno};
    UpisiSve(fd, sadrzaj, upis);
    if (::ftruncate(fd, static_cast<off_t>(sadrzaj.size())) != 0) throw TGreskaUpisa{errno};
    if (::fsync(fd) != 0) throw TGreskaUpisa{errno};
}

// The folder does not take a new file, or the file has other names: write the file itself. The
// new content goes first into the journal, so a save cut half-way loses nothing; the old content is
// kept at hand to be written back when the write fails.
void UpisiNaMestu(const std::string& putanja, const std::string& cilj, std::string_view sadrzaj, TFunkcijaUpisa upis) {
    TDeskriptor f(::open(cilj.c_str(), O_RDWR | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY));
    if (f.fd < 0) throw TGreskaUpisa{errno};
    struct stat st {};
    if (::fstat(f.fd, &st) != 0) throw TGreskaUpisa{errno};
    if (!S_ISREG(st.st_mode)) throw TGreskaUpisa{EINVAL};
    const std::string stari = ProcitajSve(f.fd);
    std::string dnevnik;
    try {
        dnevnik = UpisiDnevnik(putanja, st, sadrzaj, upis);
    } catch (const TGreska&) {
        // Without a state folder the save goes on as before: the old content in memory only.
    }
    try {
        PrepisiOdPocetka(f.fd, sadrzaj, upis);
    } catch (const TGreskaUpisa& g) {
        std::string poruka = "Fajl '" + putanja + "' nije moguce snimiti: " + OpisGreskeSistema(g.broj);
        try {
            PrepisiOdPocetka(f.fd, stari, ::write);
            UkloniDnevnik(dnevnik);
            poruka += "; prethodni sadrzaj fajla je vracen!!!";
        } catch (const TGreskaUpisa&) {
            // The journal stays: opening the file offers the content this save was writing.
            poruka += "; prethodni sadrzaj fajla nije bilo moguce vratiti, fajl je mozda ostecen!!!";
        }
        throw TGreska(poruka);
    }
    if (f.Zatvori() != 0) throw TGreskaUpisa{errno};
    UkloniDnevnik(dnevnik);
}

// Whether `kandidat` is a name ImePrivremenogFajla gives for the target name `ime`.
bool JePrivremeniZa(const std::string& kandidat, const std::string& ime, size_t najvise) {
    const std::string uzorak = ImePrivremenogFajla(ime, najvise, 0);
    const size_t rep = uzorak.size() - 11;  // "~" + 6 random characters + ".tmp"
    if (kandidat.size() != uzorak.size() || kandidat.compare(0, rep + 1, uzorak, 0, rep + 1) != 0) return false;
    if (kandidat.compare(kandidat.size() - 4, 4, ".tmp") != 0) return false;
    for (size_t i = rep + 1; i < rep + 7; ++i) {
        const char c = kandidat[i];
        if (!((c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'))) return false;
    }
    return true;
}

// Temporary files of earlier saves of this target that were cut off (a crash, a kill): ours by
// name and owner, and old enough that no save still running can own them.
void UkloniZaostalePrivremene(const std::string& folder, const std::string& ime, size_t najvise) {
    DIR* d = ::opendir(folder.c_str());
    if (!d) return;
    const time_t sada = ::time(nullptr);
    while (const dirent* e = ::readdir(d)) {
        const std::string kandidat = e->d_name;
        if (!JePrivremeniZa(kandidat, ime, najvise)) continue;
        const std::string put = folder + "/" + kandidat;
        struct stat st {};
        if (::lstat(put.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (sada - st.st_mtime >= StarostZaostalogPrivremenog) ::unlink(put.c_str());
    }
    ::closedir(d);
}

unsigned Slucajno() {
    static std::mt19937 g{std::random_device{}()};
    return static_cast<unsigned>(g());
}

}  // namespace

std::string ImePrivremenogFajla(const std::string& ime, size_t najvise, unsigned slucajno) {
    static const char znaci[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    std::string rep = "~";
    for (int i = 0; i < 6; ++i, slucajno /= 36) rep += znaci[slucajno % 36];
    rep += ".tmp";
    const size_t mesta = najvise > rep.size() + 2 ? najvise - rep.size() - 1 : 1;
    return "." + ime.substr(0, mesta) + rep;
}

void SnimiFajlBezbedno(const std::string& putanja, std::string_view sadrzaj, TFunkcijaUpisa upis) {
    if (!upis) upis = ::write;
    if (putanja.empty()) throw TGreska("Ime fajla nije korektno zadato!!!");
    const std::string neuspeh = "Fajl '" + putanja + "' nije moguce snimiti: ";
    std::string privremeni;
    try {
        const std::string cilj = RazresiVeze(putanja);
        const std::string folder = Folder(cilj), ime = Ime(cilj);
        if (ime.empty() || ime == "." || ime == "..") throw TGreskaUpisa{EISDIR};
        struct stat st {};
        const bool postoji = ::stat(cilj.c_str(), &st) == 0;
        if (!postoji && errno != ENOENT) throw TGreskaUpisa{errno};
        if (postoji) {
            if (S_ISDIR(st.st_mode)) throw TGreska("'" + putanja + "' je folder - model nije snimljen!!!");
            if (!S_ISREG(st.st_mode))
                throw TGreska("'" + putanja + "' nije obican fajl (uredjaj, cev ili soket) - model nije snimljen!!!");
            // The write bits decide, not only access(): a privileged user could replace any file.
            errno = 0;
            const bool dozvoljeno = (st.st_mode & 0222) != 0 && ::access(cilj.c_str(), W_OK) == 0;
            if (!dozvoljeno && errno == EROFS) throw TGreskaUpisa{EROFS};
            if (!dozvoljeno)
                throw TGreska("Fajl '" + putanja + "' je zasticen od upisa (samo za citanje) - nije snimljen!!!");
        }

        long najvise = ::pathconf(folder.c_str(), _PC_NAME_MAX);
        if (najvise <= 0) najvise = NAME_MAX;
        if (postoji && st.st_nlink > 1) {
            // A new file would leave the other names with the old content: this file keeps its inode.
            UpisiNaMestu(putanja, cilj, sadrzaj, upis);
            return;
        }
        UkloniZaostalePrivremene(folder, ime, static_cast<size_t>(najvise));
        TDeskriptor f;
        const mode_t prava = postoji ? (st.st_mode & 0777) : 0666;
        for (int pokusaj = 0; f.fd < 0 && pokusaj < 100; ++pokusaj) {
            privremeni = folder + "/" + ImePrivremenogFajla(ime, static_cast<size_t>(najvise), Slucajno());
            f.fd = ::open(privremeni.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, prava);
            if (f.fd < 0 && errno != EEXIST) break;
        }
        if (f.fd < 0) {
            const int broj = errno;
            privremeni.clear();  // nothing was created
            if (postoji && (broj == EACCES || broj == EPERM)) {
                UpisiNaMestu(putanja, cilj, sadrzaj, upis);
                return;
            }
            throw TGreskaUpisa{broj};
        }
        if (postoji) {
            // The owner first: changing it may clear the set-id bits that the mode then restores.
            if (::fchown(f.fd, st.st_uid, st.st_gid) != 0 && ::fchown(f.fd, static_cast<uid_t>(-1), st.st_gid) != 0) {
                // Keeping the owner is not always allowed; the file then belongs to whoever saved it.
            }
            if (::fchmod(f.fd, st.st_mode & 07777) != 0) throw TGreskaUpisa{errno};
        }
        UpisiSve(f.fd, sadrzaj, upis);
        if (::fsync(f.fd) != 0) throw TGreskaUpisa{errno};
        if (f.Zatvori() != 0) throw TGreskaUpisa{errno};
        if (::rename(privremeni.c_str(), cilj.c_str()) != 0) throw TGreskaUpisa{errno};
        privremeni.clear();
        TDeskriptor d(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (d.fd >= 0) ::fsync(d.fd);  // some file systems cannot sync a folder; the file is already safe
    } catch (const TGreskaUpisa& g) {
        if (!privremeni.empty()) ::unlink(privremeni.c_str());
        throw TGreska(neuspeh + OpisGreskeSistema(g.broj) + "!!!");
    } catch (...) {
        if (!privremeni.empty()) ::unlink(privremeni.c_str());
        throw;
    }
}
