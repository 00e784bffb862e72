#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

#include "PokretanjeCli.h"
#include "DnevnikSnimanja.h"

TEST(Cli, ResaveOfEveryExampleReproducesItByteForByte) {
    namespace fs = std::filesystem;
    int primera = 0;
    for (auto& e : fs::directory_iterator(VELT_EXAMPLES_DIR)) {
        if (e.path().extension() != ".velt") continue;
        ++primera;
        const std::string izlaz =
            (fs::temp_directory_path() / ("resave_" + std::to_string(getpid()) + ".velt")).string();
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

// The bundled beam: span 6 on a pin and a roller, 20 down at mid-span, EI = 93750, as two members.
TEST(Cli, DiagramsOfTheBundledBeam) {
    const std::string model = std::string("'") + VELT_EXAMPLES_DIR + "/prosta-greda.velt'";
    auto r = Pokreni("diagrams " + model + " --json --points 2 --factor 2");
    ASSERT_EQ(r.status, 0) << r.tekst;
    EXPECT_EQ(
        r.tekst.rfind(
            "{\"members\":[{\"id\":0,\"length\":3,\"x\":[0,1.5,3],\"N\":[0,0,0],\"V\":[10,10,10],\"M\":[0,15,30],", 0),
        0u)
        << r.tekst;
    // PL^3/(48EI) under the load, unscaled by the factor; PL/4 the largest moment at the joint.
    EXPECT_NE(r.tekst.find("\"w\":[0,-0.00066,-0.00096000000000000002]"), std::string::npos) << r.tekst;
    EXPECT_NE(r.tekst.find("\"M\":{\"max\":30,\"x_max\":3,"), std::string::npos) << r.tekst;

    r = Pokreni("diagrams " + model + " --points 4");
    EXPECT_EQ(r.status, 0);
    EXPECT_NE(r.tekst.find("stap 1 (ig), L = 3\n"), std::string::npos) << r.tekst;
    EXPECT_NE(r.tekst.find("  M: max 30 (x = 0), min 0 (x = 3)\n"), std::string::npos) << r.tekst;

    EXPECT_EQ(Pokreni("diagrams " + model + " --points 0").status, 64);
    EXPECT_EQ(Pokreni("diagrams " + model + " --factor 0").status, 64);
    EXPECT_EQ(Pokreni("diagrams /nema/takvog.velt").status, 1);
}

// A refused model: the specified message and "Nije dopusteno!!!", then one line naming the node
// and what would satisfy the check.
TEST(Cli, AnalyzeOfARefusedModelNamesTheNodeAfterTheMessage) {
    std::string model = Procitaj(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt");
    // The first member, from the pinned node 0, made rigid at both ends.
    const std::string stap = "STAP\r\n-\r\n0\r\n0\r\n0\r\n0\r\n1\r\n";
    const size_t gde = model.find(stap + "2\r\n");
    ASSERT_NE(gde, std::string::npos);
    model.replace(gde, stap.size() + 3, stap + "0\r\n");
    const std::string put =
        (std::filesystem::temp_directory_path() / ("odbijen_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << model;
    const auto r = Pokreni("analyze '" + put + "'");
    std::filesystem::remove(put);
    EXPECT_EQ(r.status, 2);
    EXPECT_EQ(r.tekst.rfind("Oslonci nisu korektno zadati!!!\nNije dopusteno!!!\nCvor 0: ", 0), 0u) << r.tekst;
    EXPECT_NE(r.tekst.find("tip \"gk\""), std::string::npos) << r.tekst;
}

// What is not a model, or cannot be analysed in 64-bit reals, ends with a message and a failure
// status; no run reports NAN or INF as a success. A save through a link keeps the link, and a
// read-only file stays as it was.
TEST(Cli, HostileInputsFailWithAMessage) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velt_cli_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    std::string ram = Procitaj(VELT_EXAMPLES_DIR "/portalni-ram.velt");
    // E almost 0 and a huge horizontal load at the top: the displacements overflow.
    std::string prevelik = ram;
    prevelik.replace(prevelik.find(" 3.00000000000000E+0007"), 23, "1e-10");
    prevelik.replace(prevelik.find(" 1.50000000000000E+0001"), 23, "1e300");
    std::ofstream(dir / "prevelik.velt", std::ios::binary) << prevelik;
    for (const char* opcija : {"", "--json "}) {
        const auto r = Pokreni(std::string("analyze ") + opcija + "'" + (dir / "prevelik.velt").string() + "'");
        EXPECT_EQ(r.status, 3) << r.tekst;
        EXPECT_NE(r.tekst.find("nisu konacni brojevi"), std::string::npos) << r.tekst;
        for (const char* los : {"NAN", "INF", "nan", "inf", "null"})
            EXPECT_EQ(r.tekst.find(los), std::string::npos) << r.tekst;
    }

    ASSERT_EQ(mkfifo((dir / "cev.velt").c_str(), 0666), 0);
    for (const fs::path& p : {dir, dir / "cev.velt"}) {
        const auto r = Pokreni("check '" + p.string() + "'");
        EXPECT_EQ(r.status, 1) << r.tekst;
        EXPECT_NE(r.tekst.find(p.string()), std::string::npos) << r.tekst;
    }

    std::ofstream(dir / "cilj.velt", std::ios::binary) << "staro";
    fs::permissions(dir / "cilj.velt", fs::perms(0640));
    fs::create_symlink("cilj.velt", dir / "veza.velt");
    const std::string primer = std::string("'") + VELT_EXAMPLES_DIR + "/prosta-greda.velt' '";
    EXPECT_EQ(Pokreni("resave " + primer + (dir / "veza.velt").string() + "'").status, 0);
    EXPECT_TRUE(fs::is_symlink(dir / "veza.velt"));
    EXPECT_EQ(Procitaj((dir / "cilj.velt").string()), Procitaj(VELT_EXAMPLES_DIR "/prosta-greda.velt"));
    EXPECT_EQ(fs::status(dir / "cilj.velt").permissions(), fs::perms(0640));

    std::ofstream(dir / "zasticen.velt", std::ios::binary) << "staro";
    fs::permissions(dir / "zasticen.velt", fs::perms(0444));
    const auto r = Pokreni("resave " + primer + (dir / "zasticen.velt").string() + "'");
    EXPECT_EQ(r.status, 1);
    EXPECT_NE(r.tekst.find("zasticen od upisa"), std::string::npos) << r.tekst;
    EXPECT_EQ(Procitaj((dir / "zasticen.velt").string()), "staro");
    fs::remove_all(dir);
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
    EXPECT_NE(los.tekst.find("Nepoznat nacin resavanja: brzo (dense, sparse ili auto)!!!"), std::string::npos)
        << los.tekst;
}

// A moment put on a truss joint is not carried: the run still succeeds, and says so on stderr.
TEST(Cli, AnalyzeWarnsOfAMomentAtAHingedJointAndStillSucceeds) {
    std::string model = Procitaj(std::string(VELT_EXAMPLES_DIR) + "/resetka.velt");
    const size_t cvor = model.find("CVOR\r\n-\r\n");
    ASSERT_NE(cvor, std::string::npos);
    size_t red = cvor + 9;  // the first node's ID
    const std::string id = model.substr(red, model.find("\r\n", red) - red);
    for (int i = 0; i < 11; ++i) red = model.find("\r\n", red) + 2;  // to its MkoncY line
    model.replace(red, model.find("\r\n", red) - red, " 5.00000000000000E+0000");
    const std::string put =
        (std::filesystem::temp_directory_path() / ("moment_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << model;
    const auto r = Pokreni("analyze '" + put + "'");
    const auto bez = Pokreni(std::string("analyze '") + VELT_EXAMPLES_DIR + "/resetka.velt'");
    std::filesystem::remove(put);
    EXPECT_EQ(r.status, 0);
    const std::string upozorenje =
        "Upozorenje: moment u cvoru " + id + " se ne prenosi (u cvoru se sustizu samo zglobni krajevi)\n";
    EXPECT_NE(r.tekst.find(upozorenje), std::string::npos) << r.tekst;
    EXPECT_EQ(bez.tekst.find("Upozorenje"), std::string::npos) << bez.tekst;
}

namespace {

// The bundled simply supported beam (two members of 3 joined at mid-span, 20 at the joint) with a
// triangular load growing from 0 to q over the whole span, and `dodatak` after OSTALO.
std::string GredaSaTrouglom(double q, const std::string& dodatak) {
    std::string t = Procitaj(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt");
    auto realan = [](double v) {
        char b[32];
        std::snprintf(b, sizeof b, "% .14E", v);
        std::string s = b;  // "-1.50000000000000E+01": four exponent digits in the file
        const size_t e = s.find('E');
        const std::string eksponent = s.substr(e + 2);
        return s.substr(0, e + 2) + std::string(4 - eksponent.size(), '0') + eksponent;
    };
    auto opterecenje = [&](int id, int stap, double p1, double p2) {
        std::string r = std::to_string(id) + "\r\ntrougao\r\n7\r\n" + std::to_string(stap) + "\r\n";
        for (int i = 0; i < 14; ++i) r += realan(i == 4 ? p1 : i == 6 ? 1.0 : i == 11 ? p2 : 0.0) + "\r\n";
        return r;
    };
    const std::string sekcija =
        "OPTERECENJE\r\n-\r\n" + opterecenje(0, 0, 0, -q / 2) + "-\r\n" + opterecenje(1, 1, -q / 2, -q) + "--\r\n";
    t.insert(t.find("OSTALO\r\n"), sekcija);
    return t + dodatak;
}

double Broj(const std::string& tekst, const std::string& iza, size_t od = 0) {
    const size_t p = tekst.find(iza, od);
    return p == std::string::npos ? NAN : std::strtod(tekst.c_str() + p + iza.size(), nullptr);
}

}  // namespace

// Reactions qL/6 and qL/3 of the triangle (plus half the joint's 20 each), the largest moment
// qL^2/(9 sqrt 3) at L/sqrt 3; springs at the mid-span joint leave the reactions of a statically
// determinate beam alone, and without shear the option changes no bit.
TEST(Cli, TriangularLoadSpringsAndShearLoadsThroughTheCommandLine) {
    namespace fs = std::filesystem;
    const double q = 12, L = 6;
    const std::string put = (fs::temp_directory_path() / ("trougao_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << GredaSaTrouglom(q, "");
    auto r = Pokreni("analyze --json '" + put + "'");
    ASSERT_EQ(r.status, 0) << r.tekst;
    EXPECT_NEAR(Broj(r.tekst, "\"rz\":"), 10 + q * L / 6, 1e-9) << r.tekst;
    EXPECT_NEAR(Broj(r.tekst, "\"rz\":", r.tekst.find("\"id\":2")), 10 + q * L / 3, 1e-9) << r.tekst;
    EXPECT_EQ(Pokreni("analyze --json --shear-loads '" + put + "'").tekst, r.tekst);

    auto d = Pokreni("diagrams --json --points 2 '" + put + "'");
    ASSERT_EQ(d.status, 0) << d.tekst;
    // Member 1 runs from x = 3 to 6: M = R1 x - q x^3/(6L) - 20 (x - 3), largest at the joint (the
    // shear vanishes nowhere inside either member).
    const double R1 = 10 + q * L / 6;
    auto M = [&](double x) { return R1 * x - q * x * x * x / (6 * L) - 20 * (x - 3); };
    const size_t drugi = d.tekst.find("{\"id\":1");
    const size_t niz = d.tekst.find("\"M\":[", drugi);
    EXPECT_NEAR(Broj(d.tekst, "\"M\":[", drugi), M(3), 1e-9) << d.tekst;
    EXPECT_NEAR(Broj(d.tekst, ",", niz), M(4.5), 1e-9) << d.tekst;
    EXPECT_NEAR(Broj(d.tekst, "\"M\":{\"max\":", drugi), M(3), 1e-9) << d.tekst;

    std::ofstream(put, std::ios::binary) << GredaSaTrouglom(q, "STAPOVI\r\nstap=0 kpk=500\r\nstap=1 kpi=800\r\n--\r\n");
    auto s = Pokreni("analyze --json '" + put + "'");
    ASSERT_EQ(s.status, 0) << s.tekst;
    EXPECT_NEAR(Broj(s.tekst, "\"rz\":"), 10 + q * L / 6, 1e-9) << s.tekst;
    EXPECT_NEAR(Broj(s.tekst, "\"rz\":", s.tekst.find("\"id\":2")), 10 + q * L / 3, 1e-9) << s.tekst;
    EXPECT_NE(s.tekst, r.tekst);  // the joint turns: the displacements differ

    std::ofstream(put, std::ios::binary) << GredaSaTrouglom(q, "STAPOVI\r\nstap=1 kpk=800\r\n--\r\n");
    auto odbijen = Pokreni("analyze '" + put + "'");
    EXPECT_EQ(odbijen.status, 1);
    EXPECT_NE(odbijen.tekst.find("stap 1 ima zglob na kraju - opruga tu nije moguca!!!"), std::string::npos)
        << odbijen.tekst;
    fs::remove(put);
}

// A spring and a turned roller on the bundled beam (20 at mid-span of 6): only those nodes carry
// the support keys; reactions are in X and Z, the spring's force along the node's axes.
TEST(Cli, AnalyzeJsonOfElasticAndInclinedSupports) {
    std::string model = Procitaj(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt");
    model += "OSLONCI\r\ncvor=1 kz=1000\r\ncvor=2 ugao=30\r\n--\r\n";
    const std::string put =
        (std::filesystem::temp_directory_path() / ("oslonci_" + std::to_string(getpid()) + ".velt")).string();
    std::ofstream(put, std::ios::binary) << model;
    const auto r = Pokreni("analyze --json '" + put + "'");
    std::filesystem::remove(put);
    ASSERT_EQ(r.status, 0) << r.tekst;
    EXPECT_EQ(r.tekst.find("\"id\":0,\"x\":0,\"z\":0,\"ux\":0,\"uz\":0,\"fiy\":0,\"rx\""), r.tekst.find("\"id\":0"));
    const size_t c0 = r.tekst.find("{\"id\":0,"), c1 = r.tekst.find("{\"id\":1,"), c2 = r.tekst.find("{\"id\":2,");
    ASSERT_LT(c0, c1);
    EXPECT_EQ(r.tekst.substr(c0, c1 - c0).find("\"kx\""), std::string::npos);
    const std::string cvor1 = r.tekst.substr(c1, c2 - c1);
    EXPECT_NE(cvor1.find("\"kx\":0,\"kz\":1000,\"kfi\":0,\"ugao\":0,\"spring\":["), std::string::npos) << cvor1;
    EXPECT_NE(r.tekst.substr(c2).find("\"ugao\":30,\"spring\":[0,0,0]"), std::string::npos) << r.tekst;
    // The spring takes part of the load, so the node's force is that of -kz uz: uz is negative.
    const size_t uz = cvor1.find("\"uz\":") + 5, sila = cvor1.find("\"spring\":[") + 10;
    const double w = std::stod(cvor1.substr(uz)), fz = std::stod(cvor1.substr(cvor1.find(',', sila) + 1));
    EXPECT_LT(w, 0);
    EXPECT_NEAR(fz, -1000 * w, 1e-9 * std::fabs(fz));
}

// A journal of a cut-off save in place: the command line names it on stderr, goes on with the
// file as it is, and leaves the journal for the window to restore.
TEST(Cli, UnfinishedSaveIsNamedOnStderr) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velt_cli_dnevnik_" + std::to_string(getpid()));
    fs::remove_all(dir);
    fs::create_directories(dir);
    const fs::path model = dir / "m.velt";
    fs::copy_file(std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt", model);
    const std::string drugo = Procitaj(model.string()) + "\r\n";
    struct stat st {};
    ASSERT_EQ(::stat(model.c_str(), &st), 0);
    ::setenv("XDG_STATE_HOME", (dir / "stanje").c_str(), 1);
    const std::string dnevnik = UpisiDnevnik(model.string(), st, drugo, nullptr);
    auto r = Pokreni("check '" + model.string() + "'");
    ::unsetenv("XDG_STATE_HOME");
    EXPECT_EQ(r.status, 0);
    EXPECT_EQ(r.tekst.rfind("Upozorenje: snimanje fajla '" + model.string() +
                                "' je prekinuto pre nego sto je zavrseno; sadrzaj koji je tada sniman je sacuvan u '" +
                                dnevnik + "' i moze se vratiti otvaranjem fajla u programu.\n",
                            0),
              0u)
        << r.tekst;
    EXPECT_TRUE(fs::exists(dnevnik));
    r = Pokreni("check '" + model.string() + "'");  // another state folder: nothing to say
    EXPECT_EQ(r.tekst.find("Upozorenje"), std::string::npos);
    fs::remove_all(dir);
}

// Output that cannot be written is a failure, not a success with nothing in it.
TEST(Cli, DiagramsThatCannotBeWrittenFail) {
    if (!std::filesystem::exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    const std::string model = std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt";
    for (const char* oblik : {"", " --json"})
        EXPECT_EQ(Pokreni("diagrams '" + model + "'" + oblik + " --points 1000 >/dev/full").status, 1) << oblik;
}
