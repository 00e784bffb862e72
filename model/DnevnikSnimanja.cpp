#include "DnevnikSnimanja.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

#include "DeskriptorFajla.h"
#include "Greska.h"
#include "GreskeSistema.h"
#include "ModelFajl.h"
#include "UcitavanjeFajla.h"

namespace {

constexpr std::string_view Zaglavlje = "VELT dnevnik snimanja 1\n";

// A check of the content, so that a journal cut or damaged on the disk is known as such.
unsigned long long Kontrola(std::string_view s) {
    unsigned long long h = 1469598103934665603ULL;
    for (char ch : s) h = (h ^ static_cast<unsigned char>(ch)) * 1099511628211ULL;
    return h;
}

std::string Oznaka(const struct stat& st) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%llx-%llx", static_cast<unsigned long long>(st.st_dev),
                  static_cast<unsigned long long>(st.st_ino));
    return buf;
}

// Creates the folder and the missing folders above it, private to the user.
bool NapraviFolder(const std::string& folder) {
    for (size_t i = 1; i <= folder.size(); ++i) {
        if (i < folder.size() && folder[i] != '/') continue;
        const std::string deo = folder.substr(0, i);
        if (::mkdir(deo.c_str(), 0700) != 0 && errno != EEXIST) return false;
    }
    return true;
}

void SinhronizujFolder(const std::string& folder) {
    TDeskriptor d(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (d.fd >= 0) ::fsync(d.fd);
}

[[noreturn]] void NijeUpisan(int broj) {
    throw TGreska("Dnevnik snimanja nije moguce upisati: " + OpisGreskeSistema(broj) + "!!!");
}

// The journal's parts, or nothing for a journal that is not whole.
std::optional<TNedovrsenoSnimanje> Rastavi(const std::string& tekst, const std::string& oznaka) {
    if (tekst.compare(0, Zaglavlje.size(), Zaglavlje) != 0) return std::nullopt;
    size_t poz = Zaglavlje.size();
    std::string redovi[4];
    for (std::string& red : redovi) {
        const size_t kraj = tekst.find('\n', poz);
        if (kraj == std::string::npos) return std::nullopt;
        red = tekst.substr(poz, kraj - poz);
        poz = kraj + 1;
    }
    char* kraj = nullptr;
    const unsigned long long duzina = std::strtoull(redovi[2].c_str(), &kraj, 10);
    if (redovi[0] != oznaka || *kraj || duzina != tekst.size() - poz) return std::nullopt;
    TNedovrsenoSnimanje n{{}, redovi[1], tekst.substr(poz)};
    if (std::to_string(Kontrola(n.sadrzaj)) != redovi[3]) return std::nullopt;
    return n;
}

}  // namespace

std::string FolderDnevnika() {
    const char* stanje = std::getenv("XDG_STATE_HOME");
    // A relative XDG path is to be ignored, as if it were not set.
    if (stanje && stanje[0] == '/') return std::string(stanje) + "/velt";
    const char* kuca = std::getenv("HOME");
    if (kuca && kuca[0] == '/') return std::string(kuca) + "/.local/state/velt";
    return {};
}

std::string PutanjaDnevnika(const struct stat& st) {
    const std::string folder = FolderDnevnika();
    return folder.empty() ? folder : folder + "/snimanje-" + Oznaka(st) + ".dnevnik";
}

std::string UpisiDnevnik(const std::string& putanja, const struct stat& st, std::string_view sadrzaj,
                         TFunkcijaUpisa upis) {
    if (!upis) upis = ::write;
    const std::string dnevnik = PutanjaDnevnika(st);
    if (dnevnik.empty()) NijeUpisan(ENOENT);
    const std::string folder = FolderDnevnika();
    if (!NapraviFolder(folder)) NijeUpisan(errno);
    std::string zaglavlje(Zaglavlje);
    zaglavlje += Oznaka(st) + "\n" + putanja + "\n" + std::to_string(sadrzaj.size()) + "\n" +
                 std::to_string(Kontrola(sadrzaj)) + "\n";
    const std::string privremeni = dnevnik + ".tmp";
    TDeskriptor f(::open(privremeni.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOFOLLOW, 0600));
    if (f.fd < 0) NijeUpisan(errno);
    int broj = UpisiSveBajtove(f.fd, zaglavlje, upis);
    if (!broj) broj = UpisiSveBajtove(f.fd, sadrzaj, upis);
    if (!broj && ::fsync(f.fd) != 0) broj = errno;
    if (f.Zatvori() != 0 && !broj) broj = errno;
    if (!broj && ::rename(privremeni.c_str(), dnevnik.c_str()) != 0) broj = errno;
    if (broj) {
        ::unlink(privremeni.c_str());
        NijeUpisan(broj);
    }
    SinhronizujFolder(folder);
    return dnevnik;
}

void UkloniDnevnik(const std::string& putanjaDnevnika) {
    if (putanjaDnevnika.empty()) return;
    ::unlink(putanjaDnevnika.c_str());
    SinhronizujFolder(FolderDnevnika());
}

std::optional<TNedovrsenoSnimanje> NedovrsenoSnimanje(const std::string& putanja) {
    struct stat st {};
    if (putanja.empty() || ::stat(putanja.c_str(), &st) != 0 || !S_ISREG(st.st_mode)) return std::nullopt;
    const std::string dnevnik = PutanjaDnevnika(st);
    if (dnevnik.empty()) return std::nullopt;
    // One that was still being written: the save had not touched the file yet.
    ::unlink((dnevnik + ".tmp").c_str());
    struct stat sd {};
    if (::stat(dnevnik.c_str(), &sd) != 0) return std::nullopt;
    std::optional<TNedovrsenoSnimanje> n;
    try {
        n = Rastavi(ProcitajCeoFajl(dnevnik, NajvecaVelicinaFajla + 65536), Oznaka(st));
        if (n && ProcitajCeoFajl(putanja, NajvecaVelicinaFajla + 1) == n->sadrzaj) n.reset();
    } catch (const TGreska&) {
        // A journal that cannot be read is no save to offer; the file stays as it is.
        return std::nullopt;
    }
    if (!n) {
        UkloniDnevnik(dnevnik);
        return std::nullopt;
    }
    n->putanjaDnevnika = dnevnik;
    // Restored under the name it is opened by: the file may have been moved since.
    n->putanjaFajla = putanja;
    return n;
}

void VratiNedovrsenoSnimanje(const TNedovrsenoSnimanje& n) {
    SnimiFajlBezbedno(n.putanjaFajla, n.sadrzaj);
    UkloniDnevnik(n.putanjaDnevnika);
}

std::string PitanjeNedovrsenogSnimanja(const TNedovrsenoSnimanje& n) {
    return "Snimanje fajla '" + n.putanjaFajla +
           "' je prekinuto pre nego sto je zavrseno, pa fajl mozda nije ispravan.\r\n"
           "Sadrzaj koji je tada sniman je sacuvan. Da li zelite da ga vratite u fajl?";
}

std::string NapomenaNedovrsenogSnimanja(const TNedovrsenoSnimanje& n) {
    return "Upozorenje: snimanje fajla '" + n.putanjaFajla +
           "' je prekinuto pre nego sto je zavrseno; sadrzaj koji je tada sniman je sacuvan u '" + n.putanjaDnevnika +
           "' i moze se vratiti otvaranjem fajla u programu.";
}
