#include <cmath>

#include "Greska.h"
#include "MatriceMetode.h"
#include "PomocIzvoza.h"
#include "PoredjenjeMatrica.h"
#include "FormatiIzvoza.h"
#include "ZapisBroja.h"

namespace {

TImenovanaMatrica Kss(const TRam& ram) { return *NadjiMatricu(SveMatriceMetode(ram.g.m, ram.stanje), "Kss"); }

// The matrix as text, every cell with `cifara` digits, optionally with code-number labels in a
// given order of rows and columns.
std::string Tekst(const TImenovanaMatrica& m, int cifara, char znak, const std::vector<int>& red = {}) {
    std::vector<int> r = red;
    if (r.empty())
        for (int i = 1; i <= m.redova; ++i) r.push_back(i);
    std::string s;
    if (!red.empty()) {
        for (int c : r) s += std::string(1, znak) + std::to_string(m.kodoviKolona[size_t(c - 1)]);
        s += "\n";
    }
    for (int i : r) {
        if (!red.empty()) s += std::to_string(m.kodoviRedova[size_t(i - 1)]) + znak;
        for (size_t j = 0; j < r.size(); ++j)
            s += (j ? std::string(1, znak) : "") + ZapisSaCiframa(m.Element(r[j], i), cifara);
        s += "\n";
    }
    return s;
}

}  // namespace

TEST(PoredjenjeMatrica, FindsExactlyTheCellsChangedInACopy) {
    TRam ram;
    const TImenovanaMatrica m = Kss(ram);
    TUnetaTabela t = ProcitajTabelu(Tekst(m, 17, ','));
    t.redovi[1][2] *= 1.001;     // row 2, column 3
    t.redovi[5][0] = 1;          // row 6, column 1 (0 in K: the free nodes are not joined that way)
    t.redovi[4][4] *= 1 + 1e-8;  // below the tolerance
    const TIshodProvere ishod = ProveriMatricu(m, t, 1e-6);
    ASSERT_TRUE(ishod.velicinaOdgovara);
    ASSERT_EQ(ishod.razlike.size(), 2u);
    EXPECT_EQ(ishod.razlike[0].red, 6);
    EXPECT_EQ(ishod.razlike[0].kolona, 1);
    EXPECT_EQ(ishod.razlike[1].red, 2);
    EXPECT_EQ(ishod.razlike[1].kolona, 3);
    EXPECT_EQ(ishod.razlike[1].kodReda, m.kodoviRedova[1]);
    EXPECT_NEAR(ishod.razlike[1].relativna, 0.001 / 1.001, 1e-12);
    EXPECT_EQ(ishod.poredjeno, 36);
    EXPECT_FALSE(ishod.SveOdgovara());
    const std::string opis = OpisProvere(m, ishod, 1e-6);
    EXPECT_NE(opis.find("Kss: 2 od 36 vrednosti se razlikuje"), std::string::npos) << opis;
}

TEST(PoredjenjeMatrica, HandValuesWithFewDigitsMatchAtALooseTolerance) {
    TRam ram;
    const TImenovanaMatrica m = Kss(ram);
    struct {
        int cifara;
        double tol;
        bool sve;
    } slucajevi[] = {{17, 0, true}, {10, 1e-6, true}, {6, 1e-6, false}, {6, 1e-5, true}, {4, 1e-3, true}};
    for (const auto& s : slucajevi) {
        const TIshodProvere ishod = ProveriMatricu(m, ProcitajTabelu(Tekst(m, s.cifara, '\t')), s.tol);
        EXPECT_EQ(ishod.SveOdgovara(), s.sve) << s.cifara << " " << s.tol << " " << ishod.najvecaRazlika;
    }
}

TEST(PoredjenjeMatrica, LabelsInAnotherOrderAreAligned) {
    TRam ram;
    const TImenovanaMatrica m = Kss(ram);
    const TIshodProvere ishod = ProveriMatricu(m, ProcitajTabelu(Tekst(m, 17, ';', {3, 1, 2, 6, 5, 4})), 1e-12);
    EXPECT_TRUE(ishod.poKodovima);
    EXPECT_TRUE(ishod.SveOdgovara()) << OpisProvere(m, ishod, 1e-12);
}

TEST(PoredjenjeMatrica, DecimalCommaWithTabsAndVectorAsARow) {
    TImenovanaMatrica v;
    v.ime = "Ps";
    v.redova = 3;
    v.kolona = 1;
    TMatrix a = NovaMatrica(1, 3);
    a.SetElem(1, 1, 1.5);
    a.SetElem(1, 2, -2.25);
    a.SetElem(1, 3, 0);
    v.izvor = GustiIzvor(a);
    EXPECT_TRUE(ProveriMatricu(v, ProcitajTabelu("1,5\n-2,25\t\n0\n"), 0).SveOdgovara());
    EXPECT_TRUE(ProveriMatricu(v, ProcitajTabelu("1.5,-2.25,0\n"), 0).SveOdgovara());
}

TEST(PoredjenjeMatrica, WrongSizeAndJunkAreReportedNotCrashed) {
    TRam ram;
    const TImenovanaMatrica m = Kss(ram);
    const TIshodProvere manje = ProveriMatricu(m, ProcitajTabelu("1,2\n3,4\n"), 1e-6);
    EXPECT_FALSE(manje.velicinaOdgovara);
    EXPECT_EQ(manje.poruka, "Uneta tabela ima 2 x 2 vrednosti, a matrica Kss je 6 x 6!!!");
    EXPECT_FALSE(ProveriMatricu(m, ProcitajTabelu(""), 1e-6).velicinaOdgovara);
    try {
        ProcitajTabelu("1,2\n3,abc\n");
        FAIL();
    } catch (const TGreska& e) {
        EXPECT_STREQ(e.what(), "Red 2, kolona 2: \"abc\" nije broj!!!");
    }
    EXPECT_THROW(ProcitajTabelu("1,2\n3,1e999\n"), TGreska);
}
