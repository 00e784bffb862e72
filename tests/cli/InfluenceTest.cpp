// velt-cli influence on the bundled simple beam and on that beam made continuous over its middle.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <utility>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct TIzlaz {
    int status;
    std::string tekst;
};

TIzlaz Pokreni(const std::string& argumenti) {
    const std::string komanda = std::string(VELT_CLI) + " " + argumenti + " 2>&1";
    FILE* p = popen(komanda.c_str(), "r");
    std::string t;
    std::array<char, 4096> buf;
    size_t n;
    while ((n = fread(buf.data(), 1, buf.size(), p)) > 0) t.append(buf.data(), n);
    return {WEXITSTATUS(pclose(p)), t};
}

// The numbers of the JSON array that follows `kljuc` from position `od` on; `od` moves past it.
std::vector<double> Niz(const std::string& json, const std::string& kljuc, size_t& od) {
    std::vector<double> v;
    size_t i = json.find("\"" + kljuc + "\":[", od);
    if (i == std::string::npos) return v;
    i = json.find('[', i) + 1;
    const size_t kraj = json.find(']', i);
    while (i < kraj) {
        size_t k = json.find_first_of(",]", i);
        v.push_back(std::stod(json.substr(i, k - i)));
        i = k + 1;
    }
    od = kraj;
    return v;
}

double Broj(const std::string& json, const std::string& kljuc) {
    const size_t i = json.find("\"" + kljuc + "\":");
    return i == std::string::npos ? NAN : std::stod(json.substr(i + kljuc.size() + 3));
}

const std::string Greda = std::string("'") + VELT_EXAMPLES_DIR + "/prosta-greda.velt'";

// Every station of both members (each 3 long, the second from 3 to 6) against f(t).
void Proveri(const std::string& argumenti, const std::function<double(double)>& f) {
    const TIzlaz r = Pokreni("influence " + argumenti + " --json --points 12");
    ASSERT_EQ(r.status, 0) << r.tekst;
    size_t od = 0;
    for (double pocetak : {0.0, 3.0}) {
        const std::vector<double> x = Niz(r.tekst, "x", od), v = Niz(r.tekst, "value", od);
        ASSERT_EQ(x.size(), 13u) << r.tekst;
        ASSERT_EQ(v.size(), 13u) << r.tekst;
        for (size_t k = 0; k < x.size(); ++k) {
            const double ocekivano = f(pocetak + x[k]);
            if (std::isnan(ocekivano)) continue;
            EXPECT_NEAR(v[k], ocekivano, 1e-9) << argumenti << " t = " << pocetak + x[k];
        }
    }
}

TEST(CliInfluence, SimpleBeamLinesAgreeWithStatics) {
    const double L = 6;
    Proveri(Greda + " --quantity M --member 0 --x 2", [&](double t) { return t <= 2 ? t * 4 / L : 2 * (L - t) / L; });
    Proveri(Greda + " --quantity T --member 1 --x 1.5", [&](double t) {
        return t == 4.5 ? NAN : t < 4.5 ? -t / L : (L - t) / L;
    });
    Proveri(Greda + " --quantity Rz --node 2", [&](double t) { return t / L; });
    // Maxwell: the mid-span deflection under a load at t, EI = 93750 (the bundled beam's).
    Proveri(Greda + " --quantity Uz --node 1", [&](double t) {
        const double a = std::min(t, L - t);
        return -a * 3 * (L * L - a * a - 9) / (6 * L * 93750);
    });
}

TEST(CliInfluence, TwoSpanBeamAgreesWithTheThreeMomentEquation) {
    // The bundled beam with its middle node supported: two equal spans of 3.
    std::ifstream ulaz(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt", std::ios::binary);
    std::string t((std::istreambuf_iterator<char>(ulaz)), {});
    const std::string cvor1 = " 3.00000000000000E+0000\r\n 0.00000000000000E+0000\r\nFALSE\r\nFALSE";
    const size_t i = t.find(cvor1);
    ASSERT_NE(i, std::string::npos);
    t.replace(i, cvor1.size(), " 3.00000000000000E+0000\r\n 0.00000000000000E+0000\r\nFALSE\r\nTRUE");
    const std::string put =
        (std::filesystem::temp_directory_path() / ("dva_polja_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << t;
    const double L = 3;
    auto u = [&](double t) { return t <= L ? t : 2 * L - t; };
    Proveri(put + " --quantity Rz --node 1",
            [&](double t) { return u(t) * (3 * L * L - u(t) * u(t)) / (2 * L * L * L); });
    Proveri(put + " --quantity M --member 0 --x 3",
            [&](double t) { return -u(t) * (L * L - u(t) * u(t)) / (4 * L * L); });
    std::filesystem::remove(put);
}

// The bundled beam rebuilt: each pair replaces the first occurrence of its text, in order.
std::string Preradjena(const std::string& ime, std::initializer_list<std::pair<std::string, std::string>> zamene) {
    std::ifstream ulaz(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt", std::ios::binary);
    std::string t((std::istreambuf_iterator<char>(ulaz)), {});
    for (const auto& [sta, cime] : zamene) {
        const size_t i = t.find(sta);
        EXPECT_NE(i, std::string::npos) << sta;
        if (i != std::string::npos) t.replace(i, sta.size(), cime);
    }
    const std::string put =
        (std::filesystem::temp_directory_path() / (ime + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << t;
    return put;
}

TEST(CliInfluence, CantileverAndOverhangWithGeneralStability) {
    const std::string konzola =
        Preradjena("konzola_uticaj_", {{"TRUE\r\nTRUE\r\nFALSE\r\n", "TRUE\r\nTRUE\r\nTRUE\r\n"},
                                       {"FALSE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nFALSE\r\nFALSE\r\n"},
                                       {"0\r\n0\r\n0\r\n0\r\n1\r\n2\r\n", "0\r\n0\r\n0\r\n0\r\n1\r\n0\r\n"},
                                       {"1\r\n0\r\n0\r\n1\r\n2\r\n1\r\n", "1\r\n0\r\n0\r\n1\r\n2\r\n0\r\n"}});
    EXPECT_EQ(Pokreni("influence " + konzola + " --quantity M0 --node 0 --json").status, 2);
    // A unit load at u from the clamp: R = 1, the clamp holds u, the section there hogs by u.
    Proveri(konzola + " --general --quantity Rz --node 0", [](double) { return 1.0; });
    Proveri(konzola + " --general --quantity M0 --node 0", [](double u) { return u; });
    Proveri(konzola + " --general --quantity M --member 0 --x 0", [](double u) { return -u; });
    Proveri(konzola + " --general --quantity M --member 1 --x 1", [](double u) { return u <= 4 ? 0 : -(u - 4); });
    std::filesystem::remove(konzola);

    // The pin at 0, the roller moved to 3, the end at 6 free: the reactions run straight past 3.
    const std::string prepust =
        Preradjena("prepust_uticaj_", {{"FALSE\r\nTRUE\r\nFALSE\r\n", "FALSE\r\nFALSE\r\nFALSE\r\n"},
                                       {" 3.00000000000000E+0000\r\n 0.00000000000000E+0000\r\nFALSE\r\nFALSE",
                                        " 3.00000000000000E+0000\r\n 0.00000000000000E+0000\r\nFALSE\r\nTRUE"},
                                       {"1\r\n0\r\n0\r\n1\r\n2\r\n1\r\n", "1\r\n0\r\n0\r\n1\r\n2\r\n0\r\n"}});
    const double L = 3;
    Proveri(prepust + " --general --quantity Rz --node 0", [&](double u) { return (L - u) / L; });
    Proveri(prepust + " --general --quantity Rz --node 1", [&](double u) { return u / L; });
    Proveri(prepust + " --general --quantity M --member 0 --x 1",
            [&](double u) { return u <= 1 ? u * (L - 1) / L : (L - u) / L; });
    Proveri(prepust + " --general --quantity M --member 1 --x 1", [](double u) { return u <= 4 ? 0 : -(u - 4); });
    std::filesystem::remove(prepust);
}

TEST(CliInfluence, TrainExtremesOnTheSimpleBeam) {
    // Two equal forces 2 apart: the largest moment is under a force at L/2 - d/4 = 2.5: 25/12.
    const TIzlaz r = Pokreni("influence " + Greda + " --quantity M --member 0 --x 2.5 --json --train 1@0,1@2");
    ASSERT_EQ(r.status, 0) << r.tekst;
    const size_t i = r.tekst.find("\"train\":{\"max\":");
    ASSERT_NE(i, std::string::npos) << r.tekst;
    EXPECT_NEAR(Broj(r.tekst.substr(i), "value"), 25.0 / 12, 1e-12);
    EXPECT_NEAR(Broj(r.tekst.substr(i), "position"), 2.5, 1e-12);
    const TIzlaz tekst = Pokreni("influence " + Greda + " --quantity M --member 0 --x 2.5 --train 1@0,1@2");
    EXPECT_NE(tekst.tekst.find("max = 2.08333333333333"), std::string::npos) << tekst.tekst;
}

TEST(CliInfluence, BadRequestsGetTheirStatusAndMessage) {
    const struct {
        std::string argumenti;
        int status;
        const char* poruka;
    } slucajevi[] = {
        {" --quantity Q --member 0 --x 1", 64, "upotreba: velt-cli influence"},
        {" --quantity M --node 1", 64, "upotreba"},
        {" --quantity Rz", 64, "upotreba"},
        {" --quantity M --member 0 --x 1 --points 0", 64, "upotreba"},
        {" --quantity M --member 4 --x 1", 3, "Ne postoji stap sa ID 4!!!"},
        {" --quantity M --member 0 --x 9", 3, "Presek mora biti na stapu: 0 <= x <= 3!!!"},
        {" --quantity Rx --node 2", 3, "Cvor 2 nema oslonac u pravcu X!!!"},
        {" --quantity M --member 0 --x 1 --train 1@a", 3, "Neispravan teret \"1@a\""},
        {" --quantity M --member 0 --x 1 --path 0,7", 3, "Ne postoji stap sa ID 7!!!"},
    };
    for (const auto& s : slucajevi) {
        const TIzlaz r = Pokreni("influence " + Greda + s.argumenti);
        EXPECT_EQ(r.status, s.status) << s.argumenti << "\n" << r.tekst;
        EXPECT_NE(r.tekst.find(s.poruka), std::string::npos) << s.argumenti << "\n" << r.tekst;
    }
    // A model the checks refuse: the analysis's message and status.
    std::ifstream ulaz(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt", std::ios::binary);
    std::string t((std::istreambuf_iterator<char>(ulaz)), {});
    t.replace(t.find("TRUE\r\nTRUE\r\nFALSE"), 18, "FALSE\r\nFALSE\r\nFALSE");
    const std::string put =
        (std::filesystem::temp_directory_path() / ("bez_oslonca_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << t;
    const TIzlaz r = Pokreni("influence " + put + " --quantity Rz --node 2 --json");
    EXPECT_EQ(r.status, 2) << r.tekst;
    EXPECT_NE(r.tekst.find("Oslonci nisu korektno zadati!!!"), std::string::npos) << r.tekst;
    std::filesystem::remove(put);
}

}  // namespace
