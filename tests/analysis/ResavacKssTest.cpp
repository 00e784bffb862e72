// The two factorisations of Kss behind one interface, on systems whose solution is known in
// closed form, and the matrix sources they read and give.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "Greska.h"
#include "PutanjaResavanja.h"
#include "ResavacKss.h"
#include "RetkaMatrica.h"

namespace {

using TRedovi = std::vector<std::vector<double>>;  // row by row, as a matrix is written

TMatrix Matrica(const TRedovi& redovi) {
    TMatrix m = NovaMatrica(static_cast<int>(redovi[0].size()), static_cast<int>(redovi.size()));
    for (size_t r = 0; r < redovi.size(); ++r)
        for (size_t c = 0; c < redovi[r].size(); ++c) m.SetElem(int(c) + 1, int(r) + 1, redovi[r][c]);
    return m;
}

// Kss in the form each path makes it, and in the other one.
std::vector<std::pair<std::string, std::shared_ptr<const TIzvorMatrice>>> Oblici(const TRedovi& redovi) {
    auto gusta = GustiIzvor(Matrica(redovi));
    return {{"dense Kss", gusta}, {"sparse Kss", TRetkaMatrica::Iz(*gusta)}};
}

struct TForma {
    const char* ime;
    TPutanjaResavanja putanja;
};
const TForma Forme[] = {{"dense inverse", TPutanjaResavanja::Gusta}, {"sparse LDLT", TPutanjaResavanja::Retka}};

std::unique_ptr<TResavacKss> Faktorisi(TPutanjaResavanja putanja, const std::shared_ptr<const TIzvorMatrice>& Kss) {
    return OblikSistema(putanja).Faktorisi(Kss, Kss->BrojKolona(), TTokResavanja{});
}

bool Blizu(double a, double b) { return std::fabs(a - b) <= 1e-12 * std::max(std::fabs(a), std::fabs(b)) + 1e-300; }

constexpr double EI = 2e4, L = 4;

struct TSlucaj {
    const char* opis;
    TRedovi Kss;
    TRedovi desne;      // right-hand sides, one per column
    TRedovi ocekivano;  // their solutions, worked out by hand
};

std::vector<TSlucaj> Slucajevi() {
    const double M = 10, P = 12, a = L / 2;
    return {
        // End rotations of a simply supported beam: a moment M at A turns A by ML/3EI and B by -ML/6EI;
        // a moment at B mirrors it.
        {"simply supported beam, end moments",
         {{4 * EI / L, 2 * EI / L}, {2 * EI / L, 4 * EI / L}},
         {{M, 0}, {0, M}},
         {{M * L / (3 * EI), -M * L / (6 * EI)}, {-M * L / (6 * EI), M * L / (3 * EI)}}},
        // Mid-span deflection and rotation of a fixed-fixed beam of span L = 2a: a force P gives
        // PL^3/192EI and no rotation; a moment M gives no deflection and a rotation Ma/8EI.
        {"fixed-fixed beam, mid-span force and moment",
         {{24 * EI / (a * a * a), 0}, {0, 8 * EI / a}},
         {{P, 0}, {0, M}},
         {{P * L * L * L / (192 * EI), 0}, {0, M * a / (8 * EI)}}},
        // Two bars in series, EA/l = 3 and 6: the tip moves F/3 + F/6, the joint F/3.
        {"two bars in series, force at the tip", {{9, -6}, {-6, 6}}, {{0}, {2}}, {{2.0 / 3}, {2.0 / 3 + 1.0 / 3}}},
    };
}

TEST(ResavacKss, BothFormsSolveClosedFormCasesWithSeveralRightHandSides) {
    for (const TSlucaj& s : Slucajevi())
        for (const TForma& f : Forme)
            for (const auto& [ime, Kss] : Oblici(s.Kss)) {
                SCOPED_TRACE(std::string(s.opis) + ", " + f.ime + ", " + ime);
                const auto resavac = Faktorisi(f.putanja, Kss);
                ASSERT_TRUE(resavac);
                EXPECT_EQ(resavac->Red(), static_cast<int>(s.Kss.size()));
                const TMatrix B = Matrica(s.desne);
                const TMatrix X = resavac->Resi(B);
                ASSERT_EQ(X.NrOfColumns(), B.NrOfColumns());
                ASSERT_EQ(X.NrOfRows(), resavac->Red());
                for (int c = 1; c <= X.NrOfColumns(); ++c) {
                    // One factorisation serves every column, with the bits of a solve of that column alone.
                    TMatrix b = NovaMatrica(1, B.NrOfRows());
                    for (int r = 1; r <= B.NrOfRows(); ++r) b.SetElem(1, r, B.Elem(c, r));
                    const TMatrix x = resavac->Resi(b);
                    for (int r = 1; r <= X.NrOfRows(); ++r) {
                        EXPECT_TRUE(Blizu(X.Elem(c, r), s.ocekivano[size_t(r - 1)][size_t(c - 1)])) << c << "," << r;
                        EXPECT_EQ(X.Elem(c, r), x.Elem(1, r));
                    }
                }
            }
}

TEST(ResavacKss, InverseColumnsAreSolvesOfUnitVectors) {
    for (const TSlucaj& s : Slucajevi())
        for (const TForma& f : Forme) {
            SCOPED_TRACE(std::string(s.opis) + ", " + f.ime);
            const auto resavac = Faktorisi(f.putanja, GustiIzvor(Matrica(s.Kss)));
            const auto inverz = resavac->Inverz();
            ASSERT_TRUE(inverz);
            const int n = resavac->Red();
            ASSERT_EQ(inverz->BrojKolona(), n);
            ASSERT_EQ(inverz->BrojRedova(), n);
            for (int c = 1; c <= n; ++c) {
                TMatrix e = NovaMatrica(1, n);
                e.SetElem(1, c, 1.0);
                const TMatrix x = resavac->Resi(e);
                const std::vector<double> kolona = resavac->KolonaInverza(c);
                const std::vector<double> red = inverz->Red(c);
                for (int r = 1; r <= n; ++r) {
                    EXPECT_EQ(kolona[size_t(r - 1)], x.Elem(1, r));
                    EXPECT_EQ(inverz->Element(c, r), x.Elem(1, r));
                    // Kss^-1 is symmetric: a row reads as the column of the same number.
                    EXPECT_TRUE(Blizu(red[size_t(r - 1)], x.Elem(1, r)));
                }
            }
        }
}

TEST(ResavacKss, FactsForTheView) {
    const TRedovi Kss = {{4, 1}, {1, 3}};
    const auto gusti = Faktorisi(TPutanjaResavanja::Gusta, GustiIzvor(Matrica(Kss)));
    EXPECT_TRUE(gusti->InverzFormiran());
    EXPECT_FALSE(gusti->Inverz()->NaZahtev());
    EXPECT_EQ(gusti->BrojNenultih(), 4);
    EXPECT_EQ(gusti->Inverz()->BrojNenultih(), 4);

    const auto retki = Faktorisi(TPutanjaResavanja::Retka, GustiIzvor(Matrica(Kss)));
    EXPECT_FALSE(retki->InverzFormiran());
    EXPECT_TRUE(retki->Inverz()->NaZahtev());
    EXPECT_EQ(retki->Inverz()->BrojNenultih(), -1);  // not known without forming it
    EXPECT_EQ(retki->BrojNenultih(), 3);             // one entry of L below its diagonal, two of D
    const auto dijagonalni = Faktorisi(TPutanjaResavanja::Retka, GustiIzvor(Matrica({{4, 0}, {0, 3}})));
    EXPECT_EQ(dijagonalni->BrojNenultih(), 2);
}

TEST(ResavacKss, SingularAndLostPivotsAreRefusedByBothForms) {
    const std::vector<std::pair<const char*, TRedovi>> mehanizmi = {
        {"free body: two bars joined, nothing holds them", {{1, -1}, {-1, 1}}},
        {"all zero", {{0, 0}, {0, 0}}},
        {"pivot lost in round-off", {{1, 1}, {1, 1 + 1e-15}}},
    };
    for (const auto& [opis, Kss] : mehanizmi)
        for (const TForma& f : Forme)
            for (const auto& [ime, izvor] : Oblici(Kss)) {
                SCOPED_TRACE(std::string(opis) + ", " + f.ime + ", " + ime);
                try {
                    const auto r = Faktorisi(f.putanja, izvor);
                    // A factor that slipped past the pivot rule is caught by the residual of a solve.
                    r->Resi(Matrica({{1}, {0}}));
                    ADD_FAILURE() << "accepted";
                } catch (const TGreska& e) {
                    EXPECT_EQ(std::string(e.what()), PorukaLabilanSistem);
                }
            }
    // Badly scaled is not singular: each pivot is large against its own row.
    for (const TForma& f : Forme) {
        const auto r = Faktorisi(f.putanja, GustiIzvor(Matrica({{1e-6, 0}, {0, 1e6}})));
        const TMatrix x = r->Resi(Matrica({{1}, {1}}));
        EXPECT_TRUE(Blizu(x.Elem(1, 1), 1e6)) << f.ime;
        EXPECT_TRUE(Blizu(x.Elem(1, 2), 1e-6)) << f.ime;
    }
}

TEST(ResavacKss, StopGivesNoFactorisation) {
    const auto Kss = GustiIzvor(Matrica({{4, 1}, {1, 3}}));
    for (const TForma& f : Forme) {
        TTokResavanja tok;
        tok.radi = [] { return false; };
        EXPECT_FALSE(OblikSistema(f.putanja).Faktorisi(Kss, 2, tok)) << f.ime;
    }
}

TEST(ResavacKss, EverythingSupportedLeavesTheOneSizedZero) {
    // n_s = 0: Kss and the vectors are the 1 x 1 stand-ins; nothing is factored.
    const auto Kss = GustiIzvor(TMatrix());
    const auto Kso = GustiIzvor(Matrica({{0, 0, 0}}));
    for (const TForma& f : Forme) {
        SCOPED_TRACE(f.ime);
        const auto r = OblikSistema(f.putanja).Faktorisi(Kss, 0, TTokResavanja{});
        ASSERT_TRUE(r);
        EXPECT_EQ(r->Red(), 0);
        for (const TMatrix& x : {r->Resi(TMatrix()), r->ResiOslonce(*Kso, Matrica({{1}, {2}, {3}}))}) {
            EXPECT_EQ(x.NrOfRows(), 1);
            EXPECT_EQ(x.Elem(1, 1), 0.0);
        }
    }
    // The dense form shows the stand-in as its inverse; the sparse one has none to show.
    EXPECT_TRUE(OblikSistema(TPutanjaResavanja::Gusta).Faktorisi(Kss, 0, {})->Inverz());
    EXPECT_FALSE(OblikSistema(TPutanjaResavanja::Retka).Faktorisi(Kss, 0, {})->Inverz());
}

TEST(ResavacKss, SupportDisplacementPartIsKssInverseTimesKsoQo) {
    // A bar of EA/l = 6 between an unknown joint and a support that settles by qo, and a bar of 3
    // from the joint to a fixed support: Kss = 9, Kso = -6, so the joint moves 6 qo / 9.
    const TMatrix qo = Matrica({{0.03}, {0}});
    for (const TForma& f : Forme)
        for (const auto& [ime, Kss] : Oblici({{9}})) {
            const auto r = Faktorisi(f.putanja, Kss);
            for (const auto& [imeKso, K] : Oblici({{-6, 0}})) {
                const TMatrix q = r->ResiOslonce(*K, qo);
                EXPECT_TRUE(Blizu(q.Elem(1, 1), -6 * 0.03 / 9)) << f.ime << ", " << ime << ", Kso " << imeKso;
            }
        }
}

// The same matrix in both forms reads the same through the source, block, product and row.
TEST(IzvorMatrice, DenseAndSparseFormsReadAlike) {
    const auto gusta = GustiIzvor(Matrica({{1, 0, 2, 0}, {0, 3, 0, -4}, {5, 0, 0, 6}}));
    const auto retka = TRetkaMatrica::Iz(*gusta);
    EXPECT_EQ(retka->BrojNenultih(), gusta->BrojNenultih());
    EXPECT_EQ(retka->BrojNenultih(), 6);
    for (int r = 1; r <= 3; ++r) EXPECT_EQ(retka->Red(r), gusta->Red(r)) << r;

    struct {
        int r0, nr, c0, nc;
    } blokovi[] = {{0, 2, 0, 2}, {1, 2, 2, 2}, {0, 3, 3, 1}};
    for (const auto& b : blokovi) {
        const auto g = gusta->Blok(b.r0, b.nr, b.c0, b.nc), s = retka->Blok(b.r0, b.nr, b.c0, b.nc);
        ASSERT_EQ(g->BrojKolona(), b.nc);
        ASSERT_EQ(s->BrojKolona(), b.nc);
        ASSERT_EQ(g->BrojRedova(), b.nr);
        for (int c = 1; c <= b.nc; ++c)
            for (int r = 1; r <= b.nr; ++r) {
                EXPECT_EQ(g->Element(c, r), gusta->Element(b.c0 + c, b.r0 + r));
                EXPECT_EQ(s->Element(c, r), g->Element(c, r));
            }
    }
    // An empty block: the dense form keeps the 1-sized zero a resized matrix has.
    EXPECT_EQ(gusta->Blok(3, 0, 0, 4)->BrojRedova(), 1);

    const TMatrix x = Matrica({{1}, {-2}, {0.5}, {3}});
    const TMatrix yg = gusta->Puta(x), ys = retka->Puta(x);
    const double ocekivano[] = {1 + 1.0, -6 - 12, 5 + 18};
    for (int r = 1; r <= 3; ++r) {
        EXPECT_EQ(yg.Elem(1, r), ocekivano[r - 1]);
        EXPECT_EQ(ys.Elem(1, r), ocekivano[r - 1]);
    }
    EXPECT_EQ(retka->GustaKopija().Elem(4, 3), 6.0);
}

}  // namespace
