#include <algorithm>
#include <bit>
#include <cmath>
#include <cstring>

#include "KoraciInverzije.h"
#include "KoraciSklapanja.h"
#include "OpisInverzije.h"
#include "OpisKoraka.h"
#include "PomocIzvoza.h"

namespace {

bool IsteBitove(const std::vector<double>& a, const TMatrix& b) {
    return a.size() == static_cast<size_t>(b.NrOfColumns()) * static_cast<size_t>(b.NrOfRows()) &&
           std::memcmp(a.data(), b.Kolona(1), a.size() * sizeof(double)) == 0;
}

}  // namespace

// The walk's stages are the run's: its inverse is the run's bit for bit, and the factor it shows
// is the one a plain observed inversion of the run's Kss reports.
TEST(KoraciResenja, CroutStagesAreTheRunsInversion) {
    TRam ram;
    const auto koraci = KoraciInverzijeKss(ram.stanje);
    const size_t ns = ram.stanje.nizKodnihBrojevaNepoznatihPomeranja->size();
    ASSERT_EQ(ns, 6u);
    ASSERT_EQ(koraci.size(), ns + 3);
    EXPECT_TRUE(IsteBitove(koraci.back().elementi, ram.stanje.matricaKssGKSInvertovana->GustaKopija()));
    EXPECT_TRUE(IsteBitove(koraci.front().elementi, ram.stanje.matricaKssGKS->GustaKopija()));
    TMatrix kss = ram.stanje.matricaKssGKS->GustaKopija();
    std::vector<TKorakInverzije> tri;
    ASSERT_TRUE(kss.InvertSaKoracima([&](const TKorakInverzije& k) { tri.push_back(k); }));
    ASSERT_EQ(tri.size(), 3u);
    EXPECT_EQ(std::memcmp(tri[1].elementi.data(), koraci[ns].elementi.data(), ns * ns * sizeof(double)), 0);
    EXPECT_EQ(tri[1].pivoti, koraci[ns].pivoti);
}

TEST(KoraciResenja, WalkNamesThePivotOfEveryColumn) {
    TRam ram;
    const auto koraci = KoraciMetode(ram.g.m, ram.stanje, KoraciSklapanja(ram.g.m, ram.stanje), 6);
    int kolona = 0;
    for (const TKorakMetode& k : koraci) {
        if (k.naslov.rfind("Resenje: Crout, kolona ", 0) != 0) continue;
        ++kolona;
        SCOPED_TRACE(k.naslov);
        EXPECT_EQ(k.naslov, "Resenje: Crout, kolona " + std::to_string(kolona));
        size_t pivota = 0;
        for (size_t p = 0; (p = k.tekst.find("<- pivot", p)) != std::string::npos; ++p) ++pivota;
        EXPECT_EQ(pivota, 1u) << k.tekst;
        const std::string u = "U(" + std::to_string(kolona) + "," + std::to_string(kolona) + ") = ";
        EXPECT_NE(k.tekst.find(u), std::string::npos) << k.tekst;
    }
    EXPECT_EQ(kolona, 6);
}

// The sparse path forms no inverse: nothing to walk through, the factor's facts as before.
TEST(KoraciResenja, SparsePathShowsTheFactorsFacts) {
    TRam ram(TPutanjaResavanja::Retka);
    EXPECT_TRUE(KoraciInverzijeKss(ram.stanje).empty());
    const auto koraci = KoraciMetode(ram.g.m, ram.stanje, KoraciSklapanja(ram.g.m, ram.stanje), 6);
    ASSERT_EQ(koraci.size(), 3u + 3 + 3 + 1);
    EXPECT_EQ(koraci[5].naslov, "Resenje sistema");
    EXPECT_NE(koraci[5].tekst.find("retka LDL' faktorizacija"), std::string::npos);
}

// The beam (member 1, span 7) carries 20 at mid-span: its Q lands on its own six code numbers,
// P/2 = 10 across the beam at each end and P L / 8 = 17.5 at each rigid end, nothing along it.
TEST(KoraciResenja, LoadedMemberLightsItsCodeNumbersInQ) {
    TRam ram;
    const auto koraci = KoraciSklapanja(ram.g.m, ram.stanje);
    ASSERT_EQ(koraci.size(), 3u);
    const std::vector<int>& sve = *ram.stanje.nizKodnihBrojeva;
    EXPECT_TRUE(koraci[0].celijeQ.empty());
    EXPECT_TRUE(koraci[2].celijeQ.empty());
    const TKorakSklapanja& greda = koraci[1];
    std::vector<int> mesta;
    for (size_t p = 0; p < sve.size(); ++p)
        for (int kod : greda.kodovi)
            if (sve[p] == kod) mesta.push_back(static_cast<int>(p) + 1);
    std::sort(mesta.begin(), mesta.end());
    EXPECT_EQ(greda.celijeQ, mesta);
    ASSERT_EQ(greda.kodovi.size(), 6u);
    const double ocekivano[] = {0, 10, 17.5, 0, 10, 17.5};
    for (size_t a = 0; a < 6; ++a) {
        int mesto = 0;
        for (size_t p = 0; p < sve.size(); ++p)
            if (sve[p] == greda.kodovi[a]) mesto = static_cast<int>(p) + 1;
        EXPECT_NEAR(std::fabs(greda.Q.Elem(1, mesto)), ocekivano[a], 1e-12) << a;
    }
    // Only the loaded beam adds: the vector is the same before and after the unloaded columns,
    // and its first n_s entries are the run's Qs bit for bit.
    const TMatrix& Qs = *ram.stanje.vektorQsGKS;
    for (int p = 1; p <= static_cast<int>(sve.size()); ++p) {
        EXPECT_EQ(koraci[0].Q.Elem(1, p), 0.0);
        EXPECT_EQ(std::bit_cast<std::uint64_t>(koraci[2].Q.Elem(1, p)),
                  std::bit_cast<std::uint64_t>(greda.Q.Elem(1, p)));
        if (p <= Qs.NrOfRows()) {
            EXPECT_EQ(std::bit_cast<std::uint64_t>(koraci[2].Q.Elem(1, p)), std::bit_cast<std::uint64_t>(Qs.Elem(1, p)))
                << p;
        }
    }
}

// The 3x3 worked by hand (scales 1/2, 1/4, 1): column 1 takes row 2, column 2 row 3, so the rows
// of L and U carry the code numbers in the order the exchanges leave them.
TEST(KoraciResenja, RowExchangesMoveTheCodeNumbersOfTheRows) {
    TMatrix a = NovaMatrica(3, 3);
    const double redovi[3][3] = {{1, 0, 2}, {4, 2, 0}, {0, 1, 1}};
    for (int r = 0; r < 3; ++r)
        for (int c = 0; c < 3; ++c) a.SetElem(c + 1, r + 1, redovi[r][c]);
    std::vector<TKorakInverzije> stadijumi;
    ASSERT_TRUE(a.InvertPoKolonama([&](const TKorakInverzije& k) { stadijumi.push_back(k); }));
    const auto koraci = KoraciCrouta(stadijumi, {7, 8, 9}, 6, "");
    ASSERT_EQ(koraci.size(), 5u);
    EXPECT_NE(koraci[1].tekst.find("Pivot u redu 2: zamena redova 1 i 2."), std::string::npos) << koraci[1].tekst;
    EXPECT_NE(koraci[2].tekst.find("Pivot u redu 3: zamena redova 2 i 3."), std::string::npos) << koraci[2].tekst;
    EXPECT_NE(koraci[3].tekst.find("Pivot je vec u redu 3: bez zamene redova."), std::string::npos);
    // Column 2's candidates sit in rows 2 and 3, holding the equations of code numbers 7 and 9.
    EXPECT_NE(koraci[2].tekst.find("  2  (7)   -0.5 / 0.5 / 0.25\n"), std::string::npos) << koraci[2].tekst;
    EXPECT_NE(koraci[2].tekst.find("  3  (9)   1 / 1 / 1   <- pivot\n"), std::string::npos) << koraci[2].tekst;
    // After both exchanges L's rows are 8, 9, 7; its last column is still to come.
    const std::string& t = koraci[2].tekst;
    const size_t l = t.find("L (");
    ASSERT_NE(l, std::string::npos);
    const auto linije = Linije(t.substr(l));
    ASSERT_GE(linije.size(), 5u);
    EXPECT_EQ(linije[2].substr(0, 6), "   8 |");
    EXPECT_EQ(linije[3].substr(0, 6), "   9 |");
    EXPECT_EQ(linije[4].substr(0, 6), "   7 |");
    EXPECT_NE(linije[4].find("-0.5"), std::string::npos) << linije[4];
    EXPECT_EQ(linije[4].back(), '1');
    EXPECT_NE(koraci[4].tekst.find("Zamene redova P: 1<->2, 2<->3"), std::string::npos) << koraci[4].tekst;
}
