#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

struct Izlaz {
    int status;
    std::string tekst;
};

Izlaz Pokreni(const std::string& argumenti) {
    const std::string komanda = std::string(VELT_CLI) + " " + argumenti + " 2>&1";
    FILE* p = popen(komanda.c_str(), "r");
    std::string t;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) t.append(buf.data(), n);
    const int s = pclose(p);
    return {WEXITSTATUS(s), t};
}

std::string Procitaj(const std::string& put) {
    std::ifstream f(put, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}

}  // namespace

TEST(Cli, ResaveOfEveryExampleReproducesItByteForByte) {
    namespace fs = std::filesystem;
    int primera = 0;
    for (auto& e : fs::directory_iterator(VELT_EXAMPLES_DIR)) {
        if (e.path().extension() != ".velt") continue;
        ++primera;
        const std::string izlaz = (fs::temp_directory_path() / ("resave_" + std::to_string(getpid()) + ".velt")).string();
        auto r = Pokreni("resave '" + e.path().string() + "' '" + izlaz + "'");
        EXPECT_EQ(r.status, 0) << r.tekst;
        EXPECT_EQ(Procitaj(izlaz), Procitaj(e.path().string())) << e.path();
        fs::remove(izlaz);
    }
    EXPECT_GE(primera, 3);
}

TEST(Cli, CheckCountsAndReadFailures) {
    auto r = Pokreni(std::string("check '") + VELT_EXAMPLES_DIR + "/prosta-greda.velt'");
    EXPECT_EQ(r.status, 0) << r.tekst;
    EXPECT_NE(r.tekst.find("cvorovi: 3\n"), std::string::npos) << r.tekst;
    EXPECT_NE(r.tekst.find("RadioGroupAkcijeMisa: 0\n"), std::string::npos) << r.tekst;

    const std::string los = (std::filesystem::temp_directory_path() / ("los_" + std::to_string(getpid()))).string();
    struct {
        std::string sadrzaj;
        const char* poruka;
    } slucajevi[] = {
        {"CVOR\r\n-\r\n0\r\nabc\r\n", "Red 4: ocekivan je realan broj"},
        {std::string("\0\xff\xfe", 3) + "OSTALO\r\n", ""},
        {"OSTALO\r\n1\r\n", "fajl se zavrsio"},
        {"MATERIJAL\r\n-\r\n" + std::string(5 << 20, '7') + "\r\n", "predugacak"},
    };
    for (const auto& s : slucajevi) {
        std::ofstream(los, std::ios::binary) << s.sadrzaj;
        auto rr = Pokreni("check '" + los + "'");
        if (*s.poruka) {
            EXPECT_EQ(rr.status, 1) << rr.tekst;
            EXPECT_NE(rr.tekst.find(s.poruka), std::string::npos) << rr.tekst;
        } else {
            EXPECT_LE(rr.status, 1) << rr.tekst;  // junk is skipped or refused, never a crash
        }
    }
    std::filesystem::remove(los);
    EXPECT_EQ(Pokreni("check /nema/takvog.velt").status, 1);
    EXPECT_EQ(Pokreni("--version").status, 0);
    EXPECT_EQ(Pokreni("--help").status, 0);
}

namespace {

// Every number in a text, in order.
std::vector<double> Brojevi(const std::string& t) {
    std::vector<double> v;
    const char* p = t.c_str();
    while (*p) {
        char* kraj = nullptr;
        if ((*p >= '0' && *p <= '9') || *p == '-') {
            const double x = std::strtod(p, &kraj);
            if (kraj != p) {
                v.push_back(x);
                p = kraj;
                continue;
            }
        }
        ++p;
    }
    return v;
}

}  // namespace

TEST(Cli, SolverOptionChoosesThePathAndBothAgree) {
    for (const char* primer : {"prosta-greda.velt", "portalni-ram.velt", "resetka.velt"}) {
        const std::string m = std::string("'") + VELT_EXAMPLES_DIR + "/" + primer + "'";
        const auto podrazumevano = Pokreni("analyze " + m + " --json");
        const auto gusto = Pokreni("analyze " + m + " --json --solver dense");
        const auto retko = Pokreni("analyze " + m + " --json --solver sparse");
        ASSERT_EQ(gusto.status, 0) << gusto.tekst;
        ASSERT_EQ(retko.status, 0) << retko.tekst;
        EXPECT_EQ(podrazumevano.tekst, gusto.tekst) << primer;  // small models take the dense path
        const auto a = Brojevi(gusto.tekst), b = Brojevi(retko.tekst);
        ASSERT_EQ(a.size(), b.size()) << primer;
        double najveci = 0;
        for (double x : a) najveci = std::max(najveci, std::fabs(x));
        for (size_t i = 0; i < a.size(); ++i) EXPECT_NEAR(a[i], b[i], 1e-9 * najveci) << primer << " #" << i;
        // Nothing of a small model reaches the report's size limit.
        EXPECT_EQ(Pokreni("report " + m + " --full").tekst, Pokreni("report " + m).tekst) << primer;
    }
    const auto los = Pokreni(std::string("analyze '") + VELT_EXAMPLES_DIR + "/prosta-greda.velt' --solver brzo");
    EXPECT_EQ(los.status, 64);
    EXPECT_NE(los.tekst.find("Nepoznat nacin resavanja: brzo (dense, sparse ili auto)!!!"), std::string::npos) << los.tekst;
}
