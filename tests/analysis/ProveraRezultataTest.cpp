#include <gtest/gtest.h>

#include "PutanjaResavanja.h"

#include <cmath>
#include <limits>

#include "Greska.h"
#include "PomocModela.h"
#include "ProcenaMemorije.h"
#include "Proracun.h"

namespace {

// A bar of length 2 fixed at node 0 and hinged on a roller at node 1, free to move along its axis.
TGraditeljModela Konzola(long double E = 2e8L) {
    TGraditeljModela g(E);
    TCvor* a = g.Cvor(0, 0, true, true, true);
    TCvor* b = g.Cvor(2, 0, false, true);
    g.Stap(a, b, tsIG);
    return g;
}

TRezultatProracuna Pokreni(TModel& m, TStanjeAnalize& stanje) {
    TPosmatracBezEkrana posmatrac(m, stanje);
    return PokreniAnalizu(m, stanje, posmatrac);
}

}  // namespace

// A model whose numbers overflow ends as an error, and no NAN or INF is left behind as a result.
TEST(ProveraRezultata, NonFiniteResultsEndTheRunAsAnError) {
    const long double inf = std::numeric_limits<long double>::infinity();
    const long double nan = std::numeric_limits<long double>::quiet_NaN();
    const struct {
        const char* opis;
        std::function<void(TGraditeljModela&)> pripremi;
        std::string poruka;
    } slucajevi[] = {
        // Axial displacement P L / (E A) = 1e300 * 2 / (1e-10 * 1e-2): far past the range.
        {"deflection overflows", [](TGraditeljModela& g) { g.m.nizCvorova[1]->SetPx(1e300L); },
         "Pomeranja cvorova nisu konacni brojevi - sistem je verovatno labilan ili su podaci neodgovarajuci!!!"},
        {"infinite node load", [&](TGraditeljModela& g) { g.m.nizCvorova[1]->SetPx(inf); },
         "Podaci cvora broj 1 daju neodredjene vrednosti u proracunu!!!"},
        {"prescribed displacement not a number", [&](TGraditeljModela& g) { g.m.nizCvorova[0]->SetZadatoUz(nan); },
         "Podaci cvora broj 0 daju neodredjene vrednosti u proracunu!!!"},
        {"load past the 64-bit range", [](TGraditeljModela& g) { g.m.nizCvorova[1]->SetMkoncY(1e400L); },
         "Podaci cvora broj 1 daju neodredjene vrednosti u proracunu!!!"},
    };
    for (const auto& s : slucajevi) {
        TGraditeljModela g = Konzola(s.opis == std::string("deflection overflows") ? 1e-10L : 2e8L);
        s.pripremi(g);
        TStanjeAnalize stanje;
        const TRezultatProracuna r = Pokreni(g.m, stanje);
        EXPECT_EQ(r.ishod, TIshodProracuna::Greska) << s.opis;
        EXPECT_EQ(r.poruka, s.poruka) << s.opis;
        EXPECT_FALSE(stanje.radimProracun);
        EXPECT_FALSE(stanje.vektor_qsGKS && stanje.vektor_qsGKS->NrOfRows() > 1) << s.opis;
        for (const auto& c : g.m.nizCvorova)
            for (long double v : {c->Rx(), c->Rz(), c->MukljY(), c->Ux(), c->Uz(), c->Fiy()})
                EXPECT_TRUE(std::isfinite(v)) << s.opis;
    }
}

// The same bar with ordinary numbers still gives the closed-form answer.
TEST(ProveraRezultata, FiniteResultsPass) {
    TGraditeljModela g = Konzola();
    g.m.nizCvorova[1]->SetPx(10);
    TStanjeAnalize stanje;
    ASSERT_EQ(Pokreni(g.m, stanje).ishod, TIshodProracuna::Uspeh);
    EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Ux(), 10.0L * 2 / (2e8L * 1e-2L)));
    EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rx(), -10, 1e-9L, 1e-9L));
}

TEST(ProcenaMemorije, EstimateAndRefusal) {
    // K and its blocks 2 n^2, the inverse and two work arrays 3 n_s^2, its product with Kso
    // n_s (n - n_s), vectors 16 n.
    EXPECT_EQ(MemorijaGustogProracuna(10, 6), 8u * (200 + 108 + 24 + 160));
    EXPECT_EQ(MemorijaGustogProracuna(0, 0), 0u);
    EXPECT_TRUE(GustProracunStaje(10, 6, 4400));   // 3936 bytes within nine tenths of 4400
    EXPECT_FALSE(GustProracunStaje(10, 6, 4300));  // but not within nine tenths of 4300
    EXPECT_TRUE(GustProracunStaje(1000000, 1000000, std::nullopt));
    EXPECT_NO_THROW(ProveriMemorijuGustogProracuna(10, 6, 4400));
    try {
        ProveriMemorijuGustogProracuna(300000, 300000, std::uint64_t(1) << 30);
        ADD_FAILURE() << "not refused";
    } catch (const TGreska& g) {
        EXPECT_STREQ(g.what(),
                     "Model je prevelik za raspolozivu memoriju: proracun sa 300000 pomeranja trazi oko "
                     "3433265 MB, a na raspolaganju je oko 1024 MB!!!");
    }
}

TEST(ProcenaMemorije, ReadsTheSystemsFigures) {
    EXPECT_EQ(MemAvailableIzTeksta("MemTotal:  8000 kB\nMemFree: 10 kB\nMemAvailable:    2048 kB\nBuffers: 1 kB\n"),
              2048u * 1024);
    EXPECT_EQ(MemAvailableIzTeksta("MemTotal: 8000 kB\n"), std::nullopt);
    EXPECT_EQ(GranicaIzTeksta("max\n"), std::nullopt);
    EXPECT_EQ(GranicaIzTeksta("4294967296\n"), 4294967296u);
    EXPECT_EQ(GranicaIzTeksta(""), std::nullopt);
    const auto r = RaspolozivaMemorija();
    if (r) {
        EXPECT_GT(*r, 0u);
    }
}

// A frame far too large for any machine is refused before its stiffness matrix is allocated.
TEST(ProcenaMemorije, HugeModelIsRefusedBeforeAllocating) {
    TGraditeljModela g;
    TCvor* pret = g.Cvor(0, 0, true, true, true);
    for (int i = 1; i <= 100000; ++i) {
        // Held up every 50 m: a continuous beam of 100 km on two clamps alone would be a system
        // of condition 1e20, past solving.
        TCvor* c = g.Cvor(i, 0, i == 100000, i == 100000 || i % 50 == 0, i == 100000);
        g.Stap(pret, c, tsK);
        pret = c;
    }
    // Asked for the dense path, the run is refused before K exists.
    TStanjeAnalize stanje;
    stanje.zahtevanaPutanja = TPutanjaResavanja::Gusta;
    const TRezultatProracuna r = Pokreni(g.m, stanje);
    EXPECT_EQ(r.ishod, TIshodProracuna::Greska);
    EXPECT_EQ(r.poruka.rfind("Model je prevelik za raspolozivu memoriju: proracun sa 300003 pomeranja", 0), 0u)
        << r.poruka;
    EXPECT_FALSE(stanje.matricaKGKS);

    // The automatic choice takes the sparse path, which needs memory in proportion to the model.
    TStanjeAnalize automatski;
    EXPECT_EQ(Pokreni(g.m, automatski).ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(automatski.putanja, TPutanjaResavanja::Retka);
}
