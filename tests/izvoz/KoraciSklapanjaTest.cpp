#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdio>
#include <map>

#include "Greska.h"
#include "KoraciSklapanja.h"
#include "OpisKoraka.h"
#include "PomocIzvoza.h"

TEST(KoraciSklapanja, LastStepIsTheRunsKBitForBit) {
    for (auto putanja : {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka}) {
        TRam ram(putanja);
        const auto koraci = KoraciSklapanja(ram.g.m, ram.stanje);
        ASSERT_EQ(koraci.size(), 3u);
        const TIzvorMatrice& K = *ram.stanje.matricaKGKS;
        const TMatrix& poslednja = koraci.back().K;
        ASSERT_EQ(poslednja.NrOfColumns(), K.BrojKolona());
        for (int c = 1; c <= K.BrojKolona(); ++c)
            for (int r = 1; r <= K.BrojRedova(); ++r)
                ASSERT_EQ(std::bit_cast<std::uint64_t>(poslednja.Elem(c, r)),
                          std::bit_cast<std::uint64_t>(K.Element(c, r)))
                    << c << " " << r;
    }
}

TEST(KoraciSklapanja, EachStepAddsItsMemberAtItsCodeNumbersOnly) {
    TRam ram;
    const auto koraci = KoraciSklapanja(ram.g.m, ram.stanje);
    const std::vector<int>& sve = *ram.stanje.nizKodnihBrojeva;
    std::map<int, int> mesto;
    for (size_t i = 0; i < sve.size(); ++i) mesto[sve[i]] = static_cast<int>(i) + 1;
    TMatrix pre = NovaMatrica(static_cast<int>(sve.size()), static_cast<int>(sve.size()));
    for (const TKorakSklapanja& k : koraci) {
        EXPECT_EQ(k.idStapa, ram.g.m.nizStapova[static_cast<size_t>(k.indeksStapa)]->ID());
        ASSERT_EQ(k.kodovi.size(), 6u);
        // A rigid member joins 6 code numbers: 36 places of K.
        EXPECT_EQ(k.celije.size(), 36u);
        std::map<std::pair<int, int>, std::pair<int, int>> lokalno;
        for (int a = 0; a < 6; ++a)
            for (int b = 0; b < 6; ++b)
                lokalno[{mesto[k.kodovi[size_t(b)]], mesto[k.kodovi[size_t(a)]]}] = {b + 1, a + 1};
        for (int c = 1; c <= pre.NrOfColumns(); ++c)
            for (int r = 1; r <= pre.NrOfRows(); ++r) {
                const auto it = lokalno.find({c, r});
                const double dodato = it == lokalno.end() ? 0.0 : k.kGKS.Elem(it->second.first, it->second.second);
                EXPECT_NEAR(k.K.Elem(c, r) - pre.Elem(c, r), dodato, 1e-9 * (1 + std::fabs(dodato)))
                    << k.idStapa << " " << c << " " << r;
                EXPECT_EQ(it != lokalno.end(), std::count(k.celije.begin(), k.celije.end(), std::make_pair(c, r)) == 1);
            }
        pre = k.K;
    }
    // The first member lands alone on an empty K: its own numbers, exactly.
    EXPECT_EQ(koraci[0].K.Elem(mesto[koraci[0].kodovi[0]], mesto[koraci[0].kodovi[0]]), koraci[0].kGKS.Elem(1, 1));
}

TEST(KoraciSklapanja, NoStepsWithoutResultsAndNoneForAHugeModel) {
    TRam ram;
    TStanjeAnalize prazno;
    EXPECT_TRUE(KoraciSklapanja(ram.g.m, prazno).empty());
    std::vector<int> mnogo(NajviseKodovaKoraka + 1);
    for (size_t i = 0; i < mnogo.size(); ++i) mnogo[i] = static_cast<int>(i) + 1;
    ram.stanje.nizKodnihBrojeva = mnogo;
    EXPECT_THROW(KoraciSklapanja(ram.g.m, ram.stanje), TGreska);
}

TEST(KoraciSklapanja, TheWalkEndsInEquilibrium) {
    TRam ram;
    const auto koraci = KoraciMetode(ram.g.m, ram.stanje, KoraciSklapanja(ram.g.m, ram.stanje), 10);
    // 3 members, partition, right-hand side, the solution (Kss, its 6 columns, the inverse), 3
    // end-force steps, equilibrium.
    ASSERT_EQ(koraci.size(), 3u + 2 + 8 + 3 + 1);
    EXPECT_EQ(koraci[0].naslov, "Stap 0: sabiranje u K");
    EXPECT_EQ(koraci[0].korakSklapanja, 0);
    EXPECT_EQ(koraci[14].indeksStapa, 1);
    EXPECT_NE(koraci[12].tekst.find("inv Kss"), std::string::npos);
    // A turned zero (the sine of a horizontal member's angle) is printed as the 0 it is.
    for (const auto& k : koraci) {
        EXPECT_EQ(k.tekst.find(" -0\n"), std::string::npos) << k.tekst;
        EXPECT_EQ(k.tekst.find(" -0 "), std::string::npos) << k.tekst;
    }
    // The loads are 10 across and 20 down; the reactions take both back.
    const std::string& t = koraci.back().tekst;
    EXPECT_NE(t.find("Zbir sila u cvorovima:        X = 10, Z = 0"), std::string::npos) << t;
    const size_t z = t.find("Reakcije + opterecenja:       X = ");
    ASSERT_NE(z, std::string::npos) << t;
    double x = 0, zz = 0;
    ASSERT_EQ(std::sscanf(t.c_str() + z, "Reakcije + opterecenja:       X = %lf, Z = %lf", &x, &zz), 2) << t;
    EXPECT_NEAR(x, 0, 1e-8);
    EXPECT_NEAR(zz, 0, 1e-8);
    EXPECT_NE(TekstKoraka(koraci).find("17. Reakcije i provera ravnoteze"), std::string::npos);
}
