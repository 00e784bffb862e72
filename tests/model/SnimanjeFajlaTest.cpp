#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

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

std::string Poruka(const std::function<void()>& f) {
    try {
        f();
    } catch (const TGreska& g) {
        return g.what();
    }
    return "";
}

// A fresh folder per test, removed with everything in it.
class SnimanjeFajla : public ::testing::Test {
protected:
    void SetUp() override {
        dir = fs::temp_directory_path() / ("velt_snimanje_" + std::to_string(::getpid()) + "_" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    // The names in the folder: a failed or finished save leaves no temporary file.
    std::vector<std::string> Imena() const {
        std::vector<std::string> r;
        for (const auto& e : fs::directory_iterator(dir)) r.push_back(e.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    }
    fs::path dir;
};

// Writes a part of the content, then reports a full disk.
ssize_t PunDisk(int fd, const void* p, size_t n) {
    static thread_local size_t upisano = 0;
    if (upisano >= 10) {
        upisano = 0;
        errno = ENOSPC;
        return -1;
    }
    const ssize_t r = ::write(fd, p, std::min<size_t>(n, 10));
    if (r > 0) upisano += static_cast<size_t>(r);
    return r;
}

}  // namespace

TEST_F(SnimanjeFajla, ThroughALinkTheTargetChangesAndTheLinkStays) {
    fs::create_directories(dir / "pravi");
    Upisi(dir / "pravi" / "model.velt", "staro");
    fs::permissions(dir / "pravi" / "model.velt", fs::perms(0640));
    fs::create_symlink("pravi/model.velt", dir / "veza.velt");
    SnimiFajlBezbedno((dir / "veza.velt").string(), "novo");
    EXPECT_TRUE(fs::is_symlink(dir / "veza.velt"));
    EXPECT_EQ(fs::read_symlink(dir / "veza.velt"), "pravi/model.velt");
    EXPECT_EQ(Sadrzaj(dir / "pravi" / "model.velt"), "novo");
    EXPECT_EQ(fs::status(dir / "pravi" / "model.velt").permissions(), fs::perms(0640));
    EXPECT_EQ(Imena(), (std::vector<std::string>{"pravi", "veza.velt"}));
    // A link to a file not yet there creates the file it names.
    fs::create_symlink("novi.velt", dir / "buduci.velt");
    SnimiFajlBezbedno((dir / "buduci.velt").string(), "x");
    EXPECT_TRUE(fs::is_symlink(dir / "buduci.velt"));
    EXPECT_EQ(Sadrzaj(dir / "novi.velt"), "x");
}

TEST_F(SnimanjeFajla, PermissionsAndOwnerAreKept) {
    const fs::path f = dir / "m.velt";
    for (unsigned mod : {0600u, 0604u, 0664u, 0620u}) {
        Upisi(f, "staro");
        fs::permissions(f, fs::perms(mod));
        SnimiFajlBezbedno(f.string(), "novo");
        EXPECT_EQ(static_cast<unsigned>(fs::status(f).permissions()), mod);
        EXPECT_EQ(Sadrzaj(f), "novo");
    }
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(f.c_str(), 65534, 65534), 0);
        SnimiFajlBezbedno(f.string(), "opet");
        struct stat st {};
        ASSERT_EQ(::stat(f.c_str(), &st), 0);
        EXPECT_EQ(st.st_uid, 65534u);
        EXPECT_EQ(st.st_gid, 65534u);
    }
}

TEST_F(SnimanjeFajla, ReadOnlyFileIsRefusedAndLeftAsItWas) {
    const fs::path f = dir / "zasticen.velt";
    Upisi(f, "staro");
    fs::permissions(f, fs::perms(0444));
    EXPECT_EQ(Poruka([&] { SnimiFajlBezbedno(f.string(), "novo"); }),
              "Fajl '" + f.string() + "' je zasticen od upisa (samo za citanje) - nije snimljen!!!");
    EXPECT_EQ(Sadrzaj(f), "staro");
    EXPECT_EQ(static_cast<unsigned>(fs::status(f).permissions()), 0444u);
    EXPECT_EQ(Imena(), std::vector<std::string>{"zasticen.velt"});
}

// A failed write, injected, and a really full disk when a small file system can be mounted.
TEST_F(SnimanjeFajla, FullDiskKeepsTheOldFileAndLeavesNoTemporary) {
    const fs::path f = dir / "m.velt";
    Upisi(f, "staro");
    const std::string veliko(100000, 'x');
    EXPECT_EQ(Poruka([&] { SnimiFajlBezbedno(f.string(), veliko, PunDisk); }),
              "Fajl '" + f.string() + "' nije moguce snimiti: na disku nema dovoljno mesta!!!");
    EXPECT_EQ(Sadrzaj(f), "staro");
    EXPECT_EQ(Imena(), std::vector<std::string>{"m.velt"});

    const fs::path disk = dir / "disk";
    fs::create_directories(disk);
    if (::mount("tmpfs", disk.c_str(), "tmpfs", 0, "size=64k") != 0)
        GTEST_SKIP() << "a small file system cannot be mounted here";
    Upisi(disk / "m.velt", "staro");
    const std::string poruka = Poruka([&] { SnimiFajlBezbedno((disk / "m.velt").string(), std::string(200000, 'y')); });
    EXPECT_EQ(poruka, "Fajl '" + (disk / "m.velt").string() + "' nije moguce snimiti: na disku nema dovoljno mesta!!!");
    EXPECT_EQ(Sadrzaj(disk / "m.velt"), "staro");
    size_t fajlova = 0;
    for (const auto& e : fs::directory_iterator(disk)) fajlova += e.exists();
    EXPECT_EQ(fajlova, 1u);
    // The same file system made read-only.
    if (::mount("tmpfs", disk.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, "size=64k") == 0) {
        EXPECT_EQ(Poruka([&] { SnimiFajlBezbedno((disk / "m.velt").string(), "novo"); }),
                  "Fajl '" + (disk / "m.velt").string() + "' nije moguce snimiti: fajl sistem je samo za citanje!!!");
        EXPECT_EQ(Sadrzaj(disk / "m.velt"), "staro");
    }
    ::umount(disk.c_str());
}

TEST_F(SnimanjeFajla, TemporaryNameFitsTheNameLimit) {
    for (size_t duzina : {1u, 200u, 243u, 244u, 255u})
        for (size_t najvise : {14u, 255u}) {
            const std::string ime = ImePrivremenogFajla(std::string(duzina, 'a'), najvise, 123456789u);
            EXPECT_LE(ime.size(), najvise) << duzina;
            EXPECT_EQ(ime[0], '.');
        }
    const std::string dugo(255 - 5, 'd');
    const fs::path f = dir / (dugo + ".velt");
    Upisi(f, "staro");
    SnimiFajlBezbedno(f.string(), "novo");
    EXPECT_EQ(Sadrzaj(f), "novo");
    EXPECT_EQ(Imena(), std::vector<std::string>{dugo + ".velt"});
}

// A folder that takes no new file: the writable file is written in place. A privileged user may
// create files anyway, so the save then runs as an unprivileged one.
TEST_F(SnimanjeFajla, ReadOnlyFolderWithAWritableFileIsWrittenInPlace) {
    const fs::path f = dir / "m.velt";
    Upisi(f, "staro, duze od novog");
    fs::permissions(f, fs::perms(0666));
    fs::permissions(dir, fs::perms(0555));
    if (::geteuid() != 0) {
        SnimiFajlBezbedno(f.string(), "novo");
    } else {
        const pid_t dete = ::fork();
        ASSERT_GE(dete, 0);
        if (dete == 0) {
            if (::setgid(65534) != 0 || ::setuid(65534) != 0) ::_exit(2);
            try {
                SnimiFajlBezbedno(f.string(), "novo");
            } catch (...) {
                ::_exit(1);
            }
            ::_exit(0);
        }
        int status = 0;
        ::waitpid(dete, &status, 0);
        ASSERT_TRUE(WIFEXITED(status));
        if (WEXITSTATUS(status) == 2) GTEST_SKIP() << "no unprivileged user";
        EXPECT_EQ(WEXITSTATUS(status), 0);
    }
    EXPECT_EQ(Sadrzaj(f), "novo");
    EXPECT_EQ(Imena(), std::vector<std::string>{"m.velt"});
}

TEST_F(SnimanjeFajla, FolderFifoAndDeviceAreRefusedAtOnce) {
    const fs::path cev = dir / "cev.velt";
    ASSERT_EQ(::mkfifo(cev.c_str(), 0666), 0);
    TModel m;
    TPodesavanja p;
    const struct {
        std::string put;
        std::string citanje, snimanje;
    } slucajevi[] = {
        {dir.string(), "'" + dir.string() + "' je folder, a ne fajl modela!!!",
         "'" + dir.string() + "' je folder - model nije snimljen!!!"},
        {cev.string(), "'" + cev.string() + "' nije obican fajl (uredjaj, cev ili soket), a ne fajl modela!!!",
         "'" + cev.string() + "' nije obican fajl (uredjaj, cev ili soket) - model nije snimljen!!!"},
        {"/dev/null", "'/dev/null' nije obican fajl (uredjaj, cev ili soket), a ne fajl modela!!!",
         "'/dev/null' nije obican fajl (uredjaj, cev ili soket) - model nije snimljen!!!"},
        {(dir / "nema.velt").string(), "Fajl '" + (dir / "nema.velt").string() + "' ne postoji!!!", ""},
        {(dir / "nema" / "x.velt").string(), "Fajl '" + (dir / "nema" / "x.velt").string() + "' ne postoji!!!",
         "Fajl '" + (dir / "nema" / "x.velt").string() + "' nije moguce snimiti: fajl ili folder ne postoji!!!"},
        {"", "Ime fajla nije korektno zadato!!!", "Ime fajla nije korektno zadato!!!"},
    };
    for (const auto& s : slucajevi) {
        EXPECT_EQ(Poruka([&] { ProcitajModel(s.put, m, p); }), s.citanje);
        if (!s.snimanje.empty()) {
            EXPECT_EQ(Poruka([&] { SnimiModel(s.put, m, p); }), s.snimanje);
        }
    }
    fs::remove(dir / "nema.velt");
    EXPECT_EQ(Imena(), std::vector<std::string>{"cev.velt"});
}
