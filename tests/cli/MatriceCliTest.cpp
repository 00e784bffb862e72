#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

#include "PokretanjeCli.h"

namespace {

namespace fs = std::filesystem;

const std::string Ram = std::string("'") + VELT_EXAMPLES_DIR + "/portalni-ram.velt'";

fs::path Privremeni(const std::string& ime) {
    return fs::temp_directory_path() / (ime + "_" + std::to_string(getpid()));
}

}  // namespace

TEST(CliMatrice, WritesEveryMatrixInTheAskedFormat) {
    const fs::path folder = Privremeni("matrice");
    fs::remove_all(folder);
    struct {
        const char* format;
        const char* pocetak;
    } formati[] = {{"npy", "\x93NUMPY"}, {"mtx", "%%MatrixMarket"}, {"m", "% kodni brojevi"}, {"tex", "% K\n"}};
    for (const auto& f : formati) {
        auto r = Pokreni("matrices " + Ram + " -o '" + folder.string() + "' --format " + f.format);
        ASSERT_EQ(r.status, 0) << r.tekst;
        // 15 global matrices, vectors and lists, 7 for each of the 3 members.
        EXPECT_NE(r.tekst.find("snimljeno 36 fajlova"), std::string::npos) << r.tekst;
        EXPECT_EQ(Procitaj((folder / (std::string("K.") + f.format)).string()).rfind(f.pocetak, 0), 0u) << f.format;
        EXPECT_TRUE(fs::exists(folder / (std::string("kodovi_2.") + f.format)));
    }
    auto r = Pokreni("matrices " + Ram + " -o '" + folder.string() + "'");
    EXPECT_EQ(r.status, 0) << r.tekst;
    EXPECT_TRUE(fs::exists(folder / "invKss.csv"));
    fs::remove_all(folder);
}

TEST(CliMatrice, BadFormatOrFolderIsAnErrorWithStatus1) {
    const fs::path fajl = Privremeni("nije_folder");
    std::ofstream(fajl) << "x";
    struct {
        std::string argumenti, poruka;
        int status;
    } slucajevi[] = {
        {"matrices " + Ram + " -o /tmp/x --format xls", "Nepoznat format: xls (csv, m, npy, mtx ili tex)!!!", 1},
        {"matrices " + Ram + " -o '" + (fajl / "pod").string() + "'", "Nije moguce napraviti folder", 1},
        {"matrices " + Ram, "upotreba: velt-cli matrices", 64},
        {"matrices /nema/takvog.velt -o /tmp/x", "", 1},
        {"check-matrix " + Ram + " Kxx '" + fajl.string() + "'", "Nepoznata matrica: Kxx!!!", 1},
        {"check-matrix " + Ram + " Kss /nema/takvog.csv", "Nije moguce procitati fajl /nema/takvog.csv!!!", 1},
        {"check-matrix " + Ram + " Kss '" + fajl.string() + "' --tol -1", "Tolerancija mora biti", 64},
        {"analyze " + Ram + " --matrices", "--matrices ide samo uz --json", 64},
    };
    for (const auto& s : slucajevi) {
        auto r = Pokreni(s.argumenti);
        EXPECT_EQ(r.status, s.status) << s.argumenti << "\n" << r.tekst;
        EXPECT_NE(r.tekst.find(s.poruka), std::string::npos) << s.argumenti << "\n" << r.tekst;
    }
    fs::remove(fajl);
}

TEST(CliMatrice, JsonWithMatricesOnlyAddsThemAtTheEnd) {
    const auto bez = Pokreni("analyze " + Ram + " --json");
    const auto sa = Pokreni("analyze " + Ram + " --json --matrices");
    ASSERT_EQ(bez.status, 0);
    ASSERT_EQ(sa.status, 0);
    const std::string telo = bez.tekst.substr(0, bez.tekst.size() - 2);  // without "}\n"
    EXPECT_EQ(sa.tekst.rfind(
                  telo + ",\"matrices\":{\"K\":{\"rows\":11,\"cols\":11,\"row_codes\":[4,5,6,7,8,9,1,2,3,10,11]", 0),
              0u)
        << sa.tekst.substr(0, 400);
    EXPECT_NE(sa.tekst.find("\"s\":{\"rows\":6,\"cols\":1,\"data\":[4,5,6,7,8,9]}"), std::string::npos);
    EXPECT_EQ(sa.tekst.substr(sa.tekst.size() - 3), "}}\n");
}

TEST(CliMatrice, CheckMatrixFindsTheChangedCellAndExitsWith4) {
    const fs::path folder = Privremeni("provera");
    ASSERT_EQ(Pokreni("matrices " + Ram + " -o '" + folder.string() + "'").status, 0);
    const std::string kss = (folder / "Kss.csv").string();
    auto r = Pokreni("check-matrix " + Ram + " Kss '" + kss + "'");
    EXPECT_EQ(r.status, 0) << r.tekst;
    EXPECT_NE(r.tekst.find("Kss: 0 od 36 vrednosti se razlikuje"), std::string::npos) << r.tekst;

    // The first value of the first row doubled: one cell, at code numbers 4 and 4.
    std::string t = Procitaj(kss);
    const size_t zarez = t.find(',');
    t = "1" + t.substr(zarez);
    std::ofstream(kss, std::ios::binary) << t;
    r = Pokreni("check-matrix " + Ram + " Kss '" + kss + "' --tol 1e-3");
    EXPECT_EQ(r.status, 4) << r.tekst;
    EXPECT_EQ(r.tekst.find("red 1 (kod 4), kolona 1 (kod 4): VELT "), 0u) << r.tekst;
    EXPECT_NE(r.tekst.find("uneto 1, relativna razlika 1\n"), std::string::npos) << r.tekst;
    EXPECT_NE(r.tekst.find("Kss: 1 od 36 vrednosti se razlikuje (tolerancija 0.001)"), std::string::npos) << r.tekst;
    fs::remove_all(folder);
}
