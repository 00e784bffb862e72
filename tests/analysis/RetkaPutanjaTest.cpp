// The sparse path against closed-form mechanics and against the exact dense path.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "IzvestajAnalize.h"
#include "PomocModela.h"
#include "Proracun.h"
#include "PutanjaResavanja.h"
#include "RetkaMatrica.h"

namespace {

constexpr long double EI = 2e8L * 1e-4L;
constexpr long double EA = 2e8L * 1e-2L;
constexpr long double PI = 3.14159265358979323846264338327950288L;

TRezultatProracuna Pokreni(TModel& m, TStanjeAnalize& st, TPutanjaResavanja putanja) {
    st.zahtevanaPutanja = putanja;
    TPosmatracBezEkrana p(m, st);
    return PokreniAnalizu(m, st, p);
}

using TPutanje = std::vector<TPutanjaResavanja>;
const TPutanje ObePutanje = {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka};

struct TSlucaj {
    const char* opis;
    std::function<TGraditeljModela()> model;
    std::function<void(const TModel&)> proveri;
};

std::vector<TSlucaj> ZatvoreniOblici() {
    return {
        {"simply supported beam, uniform load: 5qL^4/384EI, qL/2",
         [] {
             TGraditeljModela g;
             TCvor* a = g.Cvor(0, 0, true, true);
             TCvor* b = g.Cvor(4, 0);
             TCvor* c = g.Cvor(8, 0, false, true);
             g.Opt(2, g.Stap(a, b, tsGK)->ID(), -3);
             g.Opt(2, g.Stap(b, c, tsIG)->ID(), -3);
             return g;
         },
         [](const TModel& m) {
             EXPECT_TRUE(Blizu(m.nizCvorova[1]->Uz(), -5 * 3 * 4096 / (384 * EI)));
             EXPECT_TRUE(Blizu(m.nizCvorova[0]->Rz(), 12));
             EXPECT_TRUE(Blizu(m.nizCvorova[2]->Rz(), 12));
         }},
        {"fixed-fixed beam, uniform load: qL^4/384EI, qL^2/12",
         [] {
             TGraditeljModela g;
             TCvor* a = g.Cvor(0, 0, true, true, true);
             TCvor* b = g.Cvor(3, 0);
             TCvor* c = g.Cvor(6, 0, true, true, true);
             g.Opt(2, g.Stap(a, b, tsK)->ID(), -3);
             g.Opt(2, g.Stap(b, c, tsK)->ID(), -3);
             return g;
         },
         [](const TModel& m) {
             EXPECT_TRUE(Blizu(m.nizCvorova[1]->Uz(), -3 * 1296 / (384 * EI)));
             EXPECT_TRUE(Blizu(m.nizCvorova[0]->MukljY(), 9));
             EXPECT_TRUE(Blizu(m.nizCvorova[2]->MukljY(), -9));
         }},
        {"fixed-fixed beam, end settlement d: 12EId/L^3, 6EId/L^2",
         [] {
             TGraditeljModela g;
             TCvor* a = g.Cvor(0, 0, true, true, true);
             TCvor* b = g.Cvor(3, 0);
             TCvor* c = g.Cvor(6, 0, true, true, true);
             c->SetZadatoUz(-0.01L);
             g.Stap(a, b, tsK);
             g.Stap(b, c, tsK);
             return g;
         },
         [](const TModel& m) {
             // The mid-span node goes down by half the settlement, by symmetry of the deflection.
             EXPECT_TRUE(Blizu(m.nizCvorova[1]->Uz(), -0.005L));
             EXPECT_TRUE(Blizu(std::fabs(m.nizCvorova[0]->Rz()), 12 * EI * 0.01L / 216));
             EXPECT_TRUE(Blizu(m.nizCvorova[0]->Rz() + m.nizCvorova[2]->Rz(), 0, 1e-9L, 1e-9L));
             EXPECT_TRUE(Blizu(std::fabs(m.nizCvorova[0]->MukljY()), 6 * EI * 0.01L / 36));
         }},
        {"symmetric two-bar truss: bar force P / (2 sin a), drop PL / (2 EA sin^2 a)",
         [] {
             TGraditeljModela g;
             TCvor* a = g.Cvor(0, 0, true, true);
             TCvor* b = g.Cvor(3, -4);
             TCvor* c = g.Cvor(6, 0, true, true);
             g.Stap(a, b, tsProst);
             g.Stap(c, b, tsProst);
             b->SetPz(-10);
             return g;
         },
         [](const TModel& m) {
             const long double sinA = 0.8L, L = 5;
             EXPECT_TRUE(Blizu(m.nizCvorova[1]->Uz(), -10 * L / (2 * EA * sinA * sinA)));
             EXPECT_TRUE(Blizu(m.nizCvorova[1]->Ux(), 0));
             EXPECT_TRUE(Blizu(m.nizCvorova[0]->Rz(), 5));
             EXPECT_TRUE(Blizu(std::hypot(m.nizCvorova[0]->Rx(), m.nizCvorova[0]->Rz()), 10 / (2 * sinA)));
         }},
    };
}

TEST(RetkaPutanja, ClosedFormCasesOnBothPaths) {
    for (const TSlucaj& s : ZatvoreniOblici())
        for (TPutanjaResavanja putanja : ObePutanje) {
            SCOPED_TRACE(std::string(s.opis) + (putanja == TPutanjaResavanja::Retka ? " (sparse)" : " (dense)"));
            TGraditeljModela g = s.model();
            TStanjeAnalize st;
            const TRezultatProracuna r = Pokreni(g.m, st, putanja);
            ASSERT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
            EXPECT_EQ(st.putanja, putanja);
            s.proveri(g.m);
        }
}

// A regular rigid frame of about `cvorova` nodes (3 unknowns per free node), clamped at the ground,
// with storey forces, uniform loads on the beams and, when asked, a settling support.
TModel Ram(int cvorova, bool sleganje = false) {
    const int strana = static_cast<int>(std::lround(std::sqrt(static_cast<double>(cvorova))));
    TGraditeljModela g(30e6L, 0.2L, 1e-5L, 0.003125L, 0.15L, 0.5L, 0);
    TPresek* greda = g.Presek(0.0054L, 0.18L, 0.6L, 1.2L);
    std::vector<TCvor*> c;
    for (int s = 0; s < strana; ++s)
        for (int i = 0; i < strana; ++i) {
            c.push_back(g.Cvor(6.0L * i, 3.5L * s, s == 0, s == 0, s == 0));
            if (i == 0 && s > 0) c.back()->SetPx(10);
        }
    if (sleganje) c[1]->SetZadatoUz(-0.02L);
    for (int s = 1; s < strana; ++s) {
        for (int i = 0; i < strana; ++i) g.Stap(c[(s - 1) * strana + i], c[s * strana + i], tsK);
        for (int i = 0; i + 1 < strana; ++i)
            g.Opt(2, g.Stap(c[s * strana + i], c[s * strana + i + 1], tsK, nullptr, greda)->ID(), -25);
    }
    return std::move(g.m);
}

// Largest difference of two vectors of one quantity against the largest magnitude of the first.
long double RelativnaRazlika(const std::vector<long double>& a, const std::vector<long double>& b) {
    long double najveca = 0, razlika = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        najveca = std::max(najveca, std::fabs(a[i]));
        razlika = std::max(razlika, std::fabs(a[i] - b[i]));
    }
    return najveca > 0 ? razlika / najveca : razlika;
}

std::vector<std::vector<long double>> Kolicine(const TModel& m, const TStanjeAnalize& st) {
    std::vector<std::vector<long double>> k(8);
    for (const auto& c : m.nizCvorova) {
        k[0].push_back(c->Ux()), k[1].push_back(c->Uz()), k[2].push_back(c->Fiy());
        k[3].push_back(c->Rx()), k[4].push_back(c->Rz()), k[5].push_back(c->MukljY());
    }
    for (int i = 1; i <= st.vektor_qsGKSPomeranjeOslonaca->NrOfRows(); ++i)
        k[6].push_back(st.vektor_qsGKSPomeranjeOslonaca->Elem(1, i));
    for (int i = 1; i <= st.vektorQoGKS->NrOfRows(); ++i) k[7].push_back(st.vektorQoGKS->Elem(1, i));
    return k;
}

TEST(RetkaPutanja, GeneratedFramesAgreeWithTheDensePath) {
    for (auto [cvorova, sleganje] : {std::pair{100, false}, std::pair{300, true}, std::pair{700, false}}) {
        SCOPED_TRACE(cvorova);
        TModel gusti = Ram(cvorova, sleganje), retki = Ram(cvorova, sleganje);
        TStanjeAnalize stG, stR;
        ASSERT_EQ(Pokreni(gusti, stG, TPutanjaResavanja::Gusta).ishod, TIshodProracuna::Uspeh);
        ASSERT_EQ(Pokreni(retki, stR, TPutanjaResavanja::Retka).ishod, TIshodProracuna::Uspeh);
        ASSERT_EQ(stR.putanja, TPutanjaResavanja::Retka);
        ASSERT_TRUE(stR.matricaKGKS && stR.matricaKssGKSInvertovana);
        EXPECT_TRUE(dynamic_cast<const TRetkaMatrica*>(stR.matricaKGKS.get()));  // held sparse
        EXPECT_TRUE(stR.matricaKssGKSInvertovana->NaZahtev());

        const auto a = Kolicine(gusti, stG), b = Kolicine(retki, stR);
        for (size_t q = 0; q < a.size(); ++q) EXPECT_LE(RelativnaRazlika(a[q], b[q]), 1e-9L) << "quantity " << q;

        // The sparse K holds the dense K's bits, entry for entry, and so do its blocks.
        const auto gusteMatrice = stG.SveMatrice(), retkeMatrice = stR.SveMatrice();
        for (size_t koja = 0; koja < 5; ++koja) {  // K and its blocks; the inverse is checked below
            const auto &d = *gusteMatrice[koja], &s = *retkeMatrice[koja];
            ASSERT_TRUE(d && s);
            ASSERT_EQ(d->BrojKolona(), s->BrojKolona());
            ASSERT_EQ(d->BrojRedova(), s->BrojRedova());
            int razlicitih = 0;
            for (int c = 1; c <= d->BrojKolona(); c += 7)
                for (int r = 1; r <= d->BrojRedova(); ++r) razlicitih += d->Element(c, r) != s->Element(c, r);
            EXPECT_EQ(razlicitih, 0) << koja;
        }
        // Equilibrium: the storey forces and the beam loads come back through the supports.
        long double rx = 0, rz = 0, px = 0;
        const int strana = static_cast<int>(std::lround(std::sqrt(static_cast<double>(cvorova))));
        for (const auto& c : retki.nizCvorova) rx += c->Rx(), rz += c->Rz(), px += c->Px();
        EXPECT_TRUE(Blizu(rx, -px, 1e-9L, 1e-9L));
        EXPECT_TRUE(Blizu(rz, 25.0L * 6 * (strana - 1) * (strana - 1), 1e-9L, 1e-9L));
    }
}

TEST(RetkaPutanja, InverseColumnsOnDemandMatchTheDenseInverse) {
    TModel gusti = Ram(64), retki = Ram(64);
    TStanjeAnalize stG, stR;
    ASSERT_EQ(Pokreni(gusti, stG, TPutanjaResavanja::Gusta).ishod, TIshodProracuna::Uspeh);
    ASSERT_EQ(Pokreni(retki, stR, TPutanjaResavanja::Retka).ishod, TIshodProracuna::Uspeh);
    const auto inv = stR.matricaKssGKSInvertovana;
    ASSERT_TRUE(inv);
    EXPECT_TRUE(inv->NaZahtev());
    EXPECT_EQ(inv->BrojNenultih(), -1);
    const TMatrix D = stG.matricaKssGKSInvertovana->GustaKopija();
    ASSERT_EQ(inv->BrojKolona(), D.NrOfColumns());
    double najveci = 0, razlika = 0;
    for (int c = 1; c <= D.NrOfColumns(); ++c)
        for (int r = 1; r <= D.NrOfRows(); ++r) {
            najveci = std::max(najveci, std::fabs(D.Elem(c, r)));
            razlika = std::max(razlika, std::fabs(D.Elem(c, r) - inv->Element(c, r)));
        }
    EXPECT_LE(razlika, 1e-9 * najveci);
    EXPECT_EQ(inv->Element(0, 1), 0.0);
    EXPECT_EQ(inv->Element(1, D.NrOfRows() + 1), 0.0);
}

TEST(RetkaPutanja, UnstableStructuresAreRefusedOnTheSparsePath) {
    for (long double stepeni : {0.0L, 30.0L, 61.3L, 133.7L}) {
        const long double u = stepeni * PI / 180;
        auto cvor = [&](TGraditeljModela& g, long double x, long double z, bool ox = false, bool oz = false,
                        bool uk = false) {
            return g.Cvor(x * std::cos(u) - z * std::sin(u), x * std::sin(u) + z * std::cos(u), ox, oz, uk);
        };
        std::vector<std::pair<const char*, TGraditeljModela>> mehanizmi;
        {
            TGraditeljModela g;  // four truss bars round a square, no diagonal
            TCvor *a = cvor(g, 0, 0, true, true), *b = cvor(g, 4, 0, false, true), *c = cvor(g, 4, 4),
                  *d = cvor(g, 0, 4);
            g.Stap(a, b, tsProst), g.Stap(b, c, tsProst), g.Stap(c, d, tsProst), g.Stap(d, a, tsProst);
            c->SetPx(1);
            mehanizmi.emplace_back("square truss", std::move(g));
        }
        {
            TGraditeljModela g;  // portal hinged at its four corners
            TCvor *a = cvor(g, 0, 0, true, true), *b = cvor(g, 0, 3), *c = cvor(g, 5, 3),
                  *d = cvor(g, 5, 0, true, true);
            g.Stap(a, b, tsProst), g.Stap(b, c, tsProst), g.Stap(d, c, tsProst);
            b->SetPx(1);
            mehanizmi.emplace_back("hinged portal", std::move(g));
        }
        {
            TGraditeljModela g;  // beam clamped against rotation on two rollers: slides along itself
            TCvor *a = cvor(g, 0, 0, false, true, true), *b = cvor(g, 6, 0, false, true, true);
            g.Opt(0, g.Stap(a, b, tsK)->ID(), -10, 0.3L);
            mehanizmi.emplace_back("beam on rollers", std::move(g));
        }
        for (auto& [opis, g] : mehanizmi) {
            SCOPED_TRACE(std::string(opis) + " at " + std::to_string(static_cast<double>(stepeni)));
            TStanjeAnalize st;
            const TRezultatProracuna r = Pokreni(g.m, st, TPutanjaResavanja::Retka);
            EXPECT_EQ(r.ishod, TIshodProracuna::Greska);
            EXPECT_EQ(r.poruka, PorukaLabilanSistem);
            EXPECT_FALSE(st.vektor_qsGKS);
            EXPECT_FALSE(st.matricaKssGKSInvertovana);
            EXPECT_TRUE(st.matricaKssGKS);  // what was made before the solution stays
        }
    }
    // A large frame that nothing holds horizontally.
    TModel m = Ram(150);
    for (const auto& c : m.nizCvorova) c->SetOslX(false);
    TStanjeAnalize st;
    EXPECT_EQ(Pokreni(m, st, TPutanjaResavanja::Retka).poruka, PorukaLabilanSistem);
}

// An observer that presses Stop as the solution step reports its start.
class TStopUResavanju : public TPosmatracBezEkrana {
public:
    TStopUResavanju(TModel& m, TStanjeAnalize& st) : TPosmatracBezEkrana(m, st), st(st) {}
    void Napredak(const std::string& korak, int) override {
        if (korak.rfind("Resavanje sistema", 0) == 0) st.radimProracun = false;
    }
    TStanjeAnalize& st;
};

TEST(RetkaPutanja, StopInsideTheSolutionLeavesNoPartOfIt) {
    for (TPutanjaResavanja putanja : ObePutanje) {
        TModel m = Ram(400, true);
        TStanjeAnalize st;
        st.zahtevanaPutanja = putanja;
        TStopUResavanju p(m, st);
        const TRezultatProracuna r = PokreniAnalizu(m, st, p);
        EXPECT_EQ(r.ishod, TIshodProracuna::Prekinut);
        for (auto* v : {&st.vektor_qsGKS, &st.vektor_qsGKSOpterecenje, &st.vektor_qsGKSPomeranjeOslonaca,
                        &st.vektor_qoGKS, &st.vektorQoGKS})
            EXPECT_FALSE(*v);
        EXPECT_FALSE(st.matricaKssGKSInvertovana);
        EXPECT_TRUE(st.matricaKssGKS);
        for (const auto& c : m.nizCvorova) EXPECT_EQ(c->Rx(), 0);
        EXPECT_EQ(p.log.back().rfind("Resavanje sistema - ", 0), 0u);
    }
}

TEST(RetkaPutanja, PathIsChosenBySizeAndMemory) {
    using P = TPutanjaResavanja;
    struct {
        P zahtev;
        int ns, n;
        P ocekivano;
    } slucajevi[] = {
        {P::Automatska, 10, 20, P::Gusta},
        {P::Automatska, NajviseNepoznatihGustePutanje, NajviseNepoznatihGustePutanje + 300, P::Gusta},
        {P::Automatska, NajviseNepoznatihGustePutanje + 1, NajviseNepoznatihGustePutanje + 300, P::Retka},
        {P::Automatska, 100, 2000000000, P::Retka},  // the dense matrices would not fit
        {P::Gusta, 50000, 50000, P::Gusta},
        {P::Retka, 2, 5, P::Retka},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(IzaberiPutanju(s.zahtev, s.ns, s.n), s.ocekivano) << s.ns << " " << s.n;
    EXPECT_EQ(ParsirajPutanju("dense"), P::Gusta);
    EXPECT_EQ(ParsirajPutanju("sparse"), P::Retka);
    EXPECT_EQ(ParsirajPutanju("auto"), P::Automatska);
    EXPECT_FALSE(ParsirajPutanju("Dense"));
}

size_t Broj(const std::string& t, const std::string& sta) {
    size_t n = 0;
    for (size_t i = t.find(sta); i != std::string::npos; i = t.find(sta, i + 1)) ++n;
    return n;
}

TEST(RetkaPutanja, ReportGivesTheSizeOfAMatrixOverTheLimit) {
    // 49 nodes: 42 free nodes with three unknowns each (126), 21 known; K is 147 x 147 = 21609
    // entries, under the limit; a 100-node frame's K (300 x 300) is over it.
    for (TPutanjaResavanja putanja : ObePutanje) {
        TModel mali = Ram(49), veliki = Ram(100);
        TStanjeAnalize stM, stV;
        ASSERT_EQ(Pokreni(mali, stM, putanja).ishod, TIshodProracuna::Uspeh);
        ASSERT_EQ(Pokreni(veliki, stV, putanja).ishod, TIshodProracuna::Uspeh);
        const std::string m = izvestajAnalizeIzlaz(mali, stM, 1);
        EXPECT_EQ(Broj(m, "nije ispisana"), 0u);

        const std::string v = izvestajAnalizeIzlaz(veliki, stV, 1);
        // K (300 x 300), Kss (270 x 270) and its inverse are over the limit; Kso (270 x 30) is not.
        EXPECT_EQ(Broj(v, "Matrica ima vise od 40000 elemenata i nije ispisana.\r\n"), 3u);
        // In GKS a horizontal or vertical member couples no axial with a transverse displacement:
        // of each 3 x 3 block between its ends 5 entries are nonzero, 10 for both triangles
        // (171 members: 1710). A node's own block has its 3 diagonal entries, and the rotation
        // coupled with X by a column, with Z by a beam, unless two equal members on opposite
        // sides cancel it: ground 5 (10 nodes), inner storeys 5 at the edges and 3 inside
        // (8 rows of 2 + 8), top storey 7 at the edges and 5 inside: 50 + 272 + 54 = 376.
        EXPECT_NE(v.find("\r\nK celog sistema - GKS\r\nDimenzije: 300 x 300, nenultih elemenata: 2086\r\n"),
                  std::string::npos);
        if (putanja == TPutanjaResavanja::Retka) {
            EXPECT_NE(v.find("Kss^-1 - GKS\r\nDimenzije: 270 x 270, nenultih elemenata: nije poznato"),
                      std::string::npos);
        }
        EXPECT_LT(v.size(), 2u << 20);

        // --full writes every row: K alone has 300 rows, each followed by ten hyphens.
        const std::string ceo = izvestajAnalizeIzlaz(veliki, stV, 1, true);
        EXPECT_EQ(Broj(ceo, "nije ispisana"), 0u);
        EXPECT_GT(Broj(ceo, "\r\n----------\r\n"), 300u + 270u + 270u);
    }
}

}  // namespace
