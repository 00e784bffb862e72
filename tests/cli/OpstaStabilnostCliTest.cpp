// The general stability option and the named mechanism through velt-cli, on the bundled beam
// turned into a cantilever and into a beam on two rollers.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

struct TIzlaz {
    int status;
    std::string tekst;
};

TIzlaz Pokreni(const std::string& argumenti, bool saGreskama = true) {
    const std::string komanda = std::string(VELT_CLI) + " " + argumenti + (saGreskama ? " 2>&1" : " 2>/dev/null");
    FILE* p = popen(komanda.c_str(), "r");
    std::string t;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) t.append(buf.data(), n);
    const int s = pclose(p);
    return {WEXITSTATUS(s), t};
}

void Zameni(std::string& tekst, const std::string& sta, const std::string& cime) {
    const size_t gde = tekst.find(sta);
    ASSERT_NE(gde, std::string::npos) << sta;
    tekst.replace(gde, sta.size(), cime);
}

// The bundled simple beam (span 6, E I = 3e7 * 3.125e-3, P = -20 at x = 3) with its supports and
// member types changed, written to a file of its own.
struct TIzmenjenaGreda {
    std::string put;
    explicit TIzmenjenaGreda(const std::string& ime, bool konzola) {
        std::ifstream f(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt", std::ios::binary);
        std::string m((std::istreambuf_iterator<char>(f)), {});
        if (konzola) {
            // Node 0 clamped, node 2 free, both members rigid at both ends.
            Zameni(m, "TRUE\r\nTRUE\r\nFALSE\r\n", "TRUE\r\nTRUE\r\nTRUE\r\n");
            Zameni(m, "FALSE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nFALSE\r\nFALSE\r\n");
            Zameni(m, "0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n", "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n");
            Zameni(m, "1\r\n0\r\n0\r\n1\r\n2\r\n1\r\n", "1\r\n0\r\n0\r\n1\r\n2\r\n0\r\n");
        } else {
            // The pin becomes a roller: nothing holds the beam along X.
            Zameni(m, "TRUE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nTRUE\r\nFALSE\r\n");
        }
        put = (std::filesystem::temp_directory_path() / (ime + std::to_string(getpid()) + ".velt")).string();
        std::ofstream(put, std::ios::binary) << m;
    }
    ~TIzmenjenaGreda() { std::filesystem::remove(put); }
};

// The number after `kljuc` in the first object that starts with `pocetak`.
double Broj(const std::string& json, const std::string& pocetak, const std::string& kljuc) {
    const size_t p = json.find(pocetak);
    if (p == std::string::npos) return NAN;
    const size_t k = json.find(kljuc, p);
    if (k == std::string::npos) return NAN;
    return std::strtod(json.c_str() + k + kljuc.size(), nullptr);
}

const double EI = 3e7 * 3.125e-3, P = -20, a = 3, L = 6;

}  // namespace

TEST(CliOpsta, CantileverIsRefusedByDefaultAndSolvedWithGeneral) {
    TIzmenjenaGreda g("konzola_", true);
    const auto odbijen = Pokreni("analyze '" + g.put + "' --json");
    EXPECT_EQ(odbijen.status, 2);
    EXPECT_EQ(odbijen.tekst.rfind("Oslonci nisu korektno zadati!!!\nNije dopusteno!!!\n", 0), 0u) << odbijen.tekst;

    for (const char* put : {"dense", "sparse"}) {
        const auto r = Pokreni("analyze '" + g.put + "' --json --general --solver " + put, false);
        ASSERT_EQ(r.status, 0) << r.tekst;
        // Under the load Pa^3/3EI; at the tip that plus the slope Pa^2/2EI over the rest.
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":1,", "\"uz\":"), P * a * a * a / (3 * EI), 1e-9 * 0.002);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":2,", "\"uz\":"), P * a * a * (3 * L - a) / (6 * EI), 1e-9 * 0.005);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":2,", "\"fiy\":"), P * a * a / (2 * EI), 1e-9 * 0.001);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":0,", "\"rz\":"), -P, 1e-9 * 20);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":0,", "\"my\":"), -P * a, 1e-9 * 60);
    }
    // The moment runs linearly from Pa at the clamp to 0 under the load, and stays 0 beyond it.
    const auto d = Pokreni("diagrams '" + g.put + "' --json --points 2 --general", false);
    ASSERT_EQ(d.status, 0) << d.tekst;
    const size_t m0 = d.tekst.find("\"M\":[");
    ASSERT_NE(m0, std::string::npos) << d.tekst;
    const double uUklestenju = std::strtod(d.tekst.c_str() + m0 + 5, nullptr);
    EXPECT_NEAR(std::fabs(uUklestenju), std::fabs(P * a), 1e-9 * 60) << d.tekst.substr(m0, 60);
    const size_t m1 = d.tekst.find("\"M\":[", d.tekst.find("{\"id\":1,"));
    ASSERT_NE(m1, std::string::npos);
    EXPECT_NEAR(std::strtod(d.tekst.c_str() + m1 + 5, nullptr), 0, 1e-9 * 60);
}

TEST(CliOpsta, UnstableBeamNamesItsFreeMotionOnASecondLine) {
    TIzmenjenaGreda g("valjci_", false);
    for (const char* opsta : {"", " --general"}) {
        const auto r = Pokreni("analyze '" + g.put + "'" + opsta);
        EXPECT_EQ(r.status, 3) << r.tekst;
        EXPECT_EQ(r.tekst,
                  "Sistem je labilan - matrica Kss je singularna!!!\n"
                  "labilno: cvor 0 pomeranje X, cvor 1 pomeranje X, cvor 2 pomeranje X\n");
    }
}

// The cantilever of the bundled beam on a pin with a rotational spring instead of the clamp: the
// base turns by Pa/kr and carries the whole beam along; the spring holds the moment Pa.
TEST(CliOpsta, CantileverOnARotationalSpringWithGeneral) {
    const double kr = 5e4;
    TIzmenjenaGreda g("opruga_", true);
    std::string m;
    {
        std::ifstream f(g.put, std::ios::binary);
        m.assign((std::istreambuf_iterator<char>(f)), {});
    }
    Zameni(m, "TRUE\r\nTRUE\r\nTRUE\r\n", "TRUE\r\nTRUE\r\nFALSE\r\n");
    m += "OSLONCI\r\ncvor=0 kfi=50000\r\n--\r\n";
    std::ofstream(g.put, std::ios::binary) << m;

    EXPECT_EQ(Pokreni("analyze '" + g.put + "' --json").status, 2);
    const double fi0 = P * a / kr;
    for (const char* put : {"dense", "sparse"}) {
        const auto r = Pokreni("analyze '" + g.put + "' --json --general --solver " + put, false);
        ASSERT_EQ(r.status, 0) << r.tekst;
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":0,", "\"fiy\":"), fi0, 1e-9 * 0.01);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":1,", "\"uz\":"), P * a * a * a / (3 * EI) + fi0 * a, 1e-9 * 0.01);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":2,", "\"uz\":"), P * a * a * (3 * L - a) / (6 * EI) + fi0 * L,
                    1e-9 * 0.01);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":2,", "\"fiy\":"), P * a * a / (2 * EI) + fi0, 1e-9 * 0.01);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":0,", "\"rz\":"), -P, 1e-9 * 20);
        EXPECT_NEAR(Broj(r.tekst, "{\"id\":0,", "\"my\":"), 0, 1e-9 * 60);
        const size_t opruga = r.tekst.find("\"spring\":[", r.tekst.find("{\"id\":0,"));
        ASSERT_NE(opruga, std::string::npos) << r.tekst;
        const size_t treci = r.tekst.find(',', r.tekst.find(',', opruga) + 1) + 1;
        EXPECT_NEAR(std::fabs(std::strtod(r.tekst.c_str() + treci, nullptr)), std::fabs(P * a), 1e-9 * 60);
    }
}

// The report names the general rule when the run used it, and the bundled beam, which both rules
// accept, gives the same results either way.
TEST(CliOpsta, ReportNamesTheGeneralRuleOnlyWhenOn) {
    const std::string model = std::string("'") + VELT_EXAMPLES_DIR + "/prosta-greda.velt'";
    const auto obicno = Pokreni("report " + model + " --full", false);
    const auto opsta = Pokreni("report " + model + " --full --general", false);
    ASSERT_EQ(obicno.status, 0) << obicno.tekst;
    ASSERT_EQ(opsta.status, 0) << opsta.tekst;
    EXPECT_EQ(obicno.tekst.find("Opsta stabilnost"), std::string::npos);
    const std::string red = "ULAZNI PODACI - ANALIZA\r\n\r\nOpsta stabilnost: DA\r\n";
    ASSERT_NE(opsta.tekst.find(red), std::string::npos) << opsta.tekst.substr(0, 400);
    std::string bez = opsta.tekst;
    bez.erase(bez.find("\r\n\r\n" + red), red.size() + 4);
    EXPECT_EQ(bez, obicno.tekst);
}
