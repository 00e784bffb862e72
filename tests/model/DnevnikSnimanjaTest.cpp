#include <gtest/gtest.h>

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utime.h>

#include "DnevnikSnimanja.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "SnimanjeFajla.h"

namespace fs = std::filesystem;

namespace {

std::string Sadrzaj(const fs::path& p) {
    std::ifstream f(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}

void Upisi(const fs::path& p, const std::string& s) { std::ofstream(p, std::ios::binary) << s; }

// A model text of a few kilobytes whose first material's name is `ime`.
std::string Model(const std::string& ime) {
    const std::string t = Sadrzaj(VELT_EXAMPLES_DIR "/portalni-ram.velt"), pre = "MATERIJAL\r\n-\r\n0\r\n";
    const size_t i = t.find(pre) + pre.size();
    return t.substr(0, i) + ime + t.substr(t.find("\r\n", i));
}

bool JeModel(const std::string& tekst) {
    TModel m;
    TPodesavanja p;
    try {
        ProcitajModelIzTeksta(tekst, m, p);
    } catch (const TGreska&) {
        return false;
    }
    return true;
}

// The write of a child that is killed: each call writes at most 251 bytes; the call numbered
// `smrt` writes half of that and the process dies on the spot, as under kill -9.
long smrt = -1, pozivi = 0;
ssize_t UmiruciUpis(int fd, const void* p, size_t n) {
    n = std::min<size_t>(n, 251);
    if (pozivi++ == smrt) {
        if (::write(fd, p, n / 2) < 0) ::_exit(3);
        ::raise(SIGKILL);
    }
    return ::write(fd, p, n);
}

// Saves `novo` over `put` in a child killed at write number `k`; true when it was killed.
bool SnimiIUmri(const fs::path& put, const std::string& novo, long k) {
    const pid_t dete = ::fork();
    if (dete == 0) {
        smrt = k;
        try {
            SnimiFajlBezbedno(put.string(), novo, UmiruciUpis);
        } catch (...) {
            ::_exit(1);
        }
        ::_exit(0);
    }
    int status = 0;
    ::waitpid(dete, &status, 0);
    if (WIFSIGNALED(status)) return WTERMSIG(status) == SIGKILL;
    EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "k = " << k;
    return false;
}

class DnevnikSnimanja : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("velt_dnevnik_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "modeli");
        const char* staro = std::getenv("XDG_STATE_HOME");
        if (staro) stanje = staro;
        ::setenv("XDG_STATE_HOME", (dir / "stanje").c_str(), 1);
    }
    void TearDown() override {
        if (stanje) ::setenv("XDG_STATE_HOME", stanje->c_str(), 1);
        else ::unsetenv("XDG_STATE_HOME");
        std::error_code ec;
        fs::remove_all(dir, ec);
    }
    size_t Dnevnika() const {
        if (!fs::exists(dir / "stanje" / "velt")) return 0;
        size_t n = 0;
        for (const auto& e : fs::directory_iterator(dir / "stanje" / "velt")) n += e.path().extension() == ".dnevnik";
        return n;
    }
    fs::path dir;
    std::optional<std::string> stanje;
};

}  // namespace

// A file with two names is written in place, so both keep showing one file. Killed at any write of
// that save (the journal's or the file's), the file holds the old or the new model, or opening it
// finds the journal with the whole new model, which restores it. The model is never lost.
TEST_F(DnevnikSnimanja, KilledAtAnyPointOfAnInPlaceSaveLosesNothing) {
    const fs::path f = dir / "modeli" / "m.velt", druga = dir / "modeli" / "drugo-ime.velt";
    const std::string staro = Model("staro ime, nesto duze od novog"), novo = Model("novo");
    int vracenih = 0, ubijenih = 0;
    for (long k = 0;; ++k) {
        Upisi(f, staro);
        if (!fs::exists(druga)) fs::create_hard_link(f, druga);
        if (!SnimiIUmri(f, novo, k)) break;
        ++ubijenih;
        const std::string posle = Sadrzaj(f);
        const auto n = NedovrsenoSnimanje(f.string());
        if (n) {
            EXPECT_EQ(n->sadrzaj, novo) << k;
            VratiNedovrsenoSnimanje(*n);
            ++vracenih;
            EXPECT_EQ(Sadrzaj(f), novo) << k;
        } else {
            EXPECT_TRUE(posle == staro || posle == novo) << k;
        }
        EXPECT_TRUE(JeModel(Sadrzaj(f))) << k;
        EXPECT_EQ(Sadrzaj(druga), Sadrzaj(f)) << k;
        EXPECT_EQ(Dnevnika(), 0u) << k;
    }
    EXPECT_GT(ubijenih, 2 * static_cast<int>(novo.size() / 251));
    EXPECT_GT(vracenih, static_cast<int>(novo.size() / 251) / 2);
    // The save that was not killed: both names, one inode, the new content, no journal left.
    EXPECT_EQ(Sadrzaj(f), novo);
    EXPECT_EQ(fs::hard_link_count(f), 2u);
    EXPECT_EQ(Sadrzaj(druga), novo);
    EXPECT_EQ(Dnevnika(), 0u);
}

// The atomic save killed anywhere leaves the old or the new file; the temporary file it leaves is
// removed by the next save of that model once it is old enough, and no other file is touched.
TEST_F(DnevnikSnimanja, KilledAtomicSaveLeavesAWholeFileAndItsTemporaryGoesAtTheNextSave) {
    const fs::path f = dir / "modeli" / "m.velt";
    const std::string staro = Model("staro"), novo = Model("novo");
    Upisi(f, staro);
    for (long k : {0L, 3L, 8L}) {
        ASSERT_TRUE(SnimiIUmri(f, novo, k));
        EXPECT_EQ(Sadrzaj(f), staro);
    }
    const std::vector<std::string> tudji = {".m.velt~ABCDEF.tmp", "m.velt~abcdef.tmp", ".drugi.velt~abcdef.tmp",
                                            ".m.velt~abcde.tmp", ".m.velt~abcdefg.tmp"};
    for (const auto& ime : tudji) Upisi(dir / "modeli" / ime, "tudje");
    Upisi(dir / "modeli" / ".m.velt~svez12.tmp", "u toku");  // a save still running
    const time_t davno = ::time(nullptr) - StarostZaostalogPrivremenog - 5;
    size_t zaostalih = 0;
    for (const auto& e : fs::directory_iterator(dir / "modeli")) {
        const std::string ime = e.path().filename().string();
        if (ime == "m.velt" || ime == ".m.velt~svez12.tmp") continue;
        const utimbuf t{davno, davno};
        ::utime(e.path().c_str(), &t);
        zaostalih += ime.rfind(".m.velt~", 0) == 0 && ime.size() == 18;
    }
    EXPECT_EQ(zaostalih, 4u);  // three left by the kills, and one of the foreign names matches neither
    SnimiFajlBezbedno(f.string(), novo);
    EXPECT_EQ(Sadrzaj(f), novo);
    std::vector<std::string> ostalo;
    for (const auto& e : fs::directory_iterator(dir / "modeli")) ostalo.push_back(e.path().filename().string());
    std::sort(ostalo.begin(), ostalo.end());
    std::vector<std::string> ocekivano = tudji;
    ocekivano.push_back("m.velt");
    ocekivano.push_back(".m.velt~svez12.tmp");
    std::sort(ocekivano.begin(), ocekivano.end());
    EXPECT_EQ(ostalo, ocekivano);
}

// Journals that hold no unfinished save: cut (the save died before the file was touched), damaged,
// or with the content the file already has. They are removed without a question.
TEST_F(DnevnikSnimanja, JournalsOfNoUnfinishedSaveAreRemovedQuietly) {
    const fs::path f = dir / "modeli" / "m.velt";
    const std::string staro = Model("staro"), novo = Model("novo");
    Upisi(f, staro);
    struct stat st {};
    ASSERT_EQ(::stat(f.c_str(), &st), 0);
    const std::string istiKaoFajl = Sadrzaj(UpisiDnevnik(f.string(), st, staro, nullptr));
    const std::string dnevnik = UpisiDnevnik(f.string(), st, novo, nullptr);
    const std::string ceo = Sadrzaj(dnevnik);
    const struct {
        const char* opis;
        std::string tekst;
        bool nudi;
    } slucajevi[] = {
        {"whole", ceo, true},
        {"cut", ceo.substr(0, ceo.size() - 10), false},
        {"header only", ceo.substr(0, 30), false},
        {"damaged", ceo.substr(0, ceo.size() - 1) + "X", false},
        {"empty", "", false},
        {"the file's own content", istiKaoFajl, false},
        {"another file's", istiKaoFajl.substr(0, 24) + "1-2" + istiKaoFajl.substr(istiKaoFajl.find('\n', 24)), false},
    };
    for (const auto& s : slucajevi) {
        Upisi(dnevnik, s.tekst);
        const auto n = NedovrsenoSnimanje(f.string());
        EXPECT_EQ(n.has_value(), s.nudi) << s.opis;
        EXPECT_EQ(fs::exists(dnevnik), s.nudi) << s.opis;
        EXPECT_EQ(Sadrzaj(f), staro) << s.opis;
    }
    // Another file has a journal of its own.
    const fs::path g = dir / "modeli" / "g.velt";
    Upisi(g, staro);
    Upisi(dnevnik, ceo);
    EXPECT_FALSE(NedovrsenoSnimanje(g.string()).has_value());
    EXPECT_TRUE(fs::exists(dnevnik));
}

// Where the journal lives: the XDG state folder when it is an absolute path, else under HOME.
TEST_F(DnevnikSnimanja, StateFolderFollowsTheEnvironment) {
    const std::string kuca = std::getenv("HOME") ? std::getenv("HOME") : "";
    const struct {
        const char* xdg;
        const char* home;
        std::string folder;
    } slucajevi[] = {
        {"/var/stanje", "/home/a", "/var/stanje/velt"},
        {"relativno", "/home/a", "/home/a/.local/state/velt"},
        {nullptr, "/home/a", "/home/a/.local/state/velt"},
        {nullptr, nullptr, ""},
    };
    for (const auto& s : slucajevi) {
        s.xdg ? ::setenv("XDG_STATE_HOME", s.xdg, 1) : ::unsetenv("XDG_STATE_HOME");
        s.home ? ::setenv("HOME", s.home, 1) : ::unsetenv("HOME");
        EXPECT_EQ(FolderDnevnika(), s.folder);
    }
    ::setenv("HOME", kuca.c_str(), 1);
}
