#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <vector>

#include "Matrix.h"

namespace {

using TRedovi = std::vector<std::vector<double>>;

TMatrix IzRedova(const TRedovi& redovi) {
    TMatrix m;
    const int n = static_cast<int>(redovi.size());
    m.Resize(n, n);
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c) m.SetElem(c + 1, r + 1, redovi[r][c]);
    return m;
}

void OcekujKorak(const TKorakInverzije& k, const TRedovi& redovi, double tol) {
    const int n = static_cast<int>(redovi.size());
    ASSERT_EQ(k.n, n);
    ASSERT_EQ(k.elementi.size(), static_cast<std::size_t>(n * n));
    for (int r = 0; r < n; ++r)
        for (int c = 0; c < n; ++c)
            EXPECT_NEAR(k.elementi[c * n + r], redovi[r][c], tol) << k.opis << " red " << r << " kolona " << c;
}

std::vector<TKorakInverzije> Zapisi(TMatrix& m, bool* uspeh = nullptr) {
    std::vector<TKorakInverzije> koraci;
    const bool u = m.InvertSaKoracima([&](const TKorakInverzije& k) { koraci.push_back(k); });
    if (uspeh) *uspeh = u;
    return koraci;
}

struct TRucniPrimer {
    const char* ime;
    TRedovi a, lu, inverz;
    std::vector<int> pivoti;
};

// Worked by hand: implicit scaling picks the pivot by |a| / largest |a| of its row, so the first
// column of each example pivots on its second row although the first row's entry is not the smaller
// in every case; L and U come out exact in binary.
TEST(KoraciInverzije, SmallExamplesMatchHandComputation) {
    const TRucniPrimer primeri[] = {
        {"2x2", {{1, 2}, {3, 4}}, {{3, 4}, {1.0 / 3, 2.0 / 3}}, {{-2, 1}, {1.5, -0.5}}, {1, 1}},
        {"3x3",
         {{1, 0, 2}, {4, 2, 0}, {0, 1, 1}},
         {{4, 2, 0}, {0, 1, 1}, {0.25, -0.5, 2.5}},
         {{0.2, 0.2, -0.4}, {-0.4, 0.1, 0.8}, {0.4, -0.1, 0.2}},
         {1, 2, 2}},
    };
    for (const auto& p : primeri) {
        SCOPED_TRACE(p.ime);
        TMatrix m = IzRedova(p.a);
        bool uspeh = false;
        const auto koraci = Zapisi(m, &uspeh);
        ASSERT_TRUE(uspeh);
        ASSERT_EQ(koraci.size(), 3u);
        OcekujKorak(koraci[0], p.a, 0.0);
        EXPECT_TRUE(koraci[0].pivoti.empty());
        OcekujKorak(koraci[1], p.lu, 1e-15);
        EXPECT_EQ(koraci[1].pivoti, p.pivoti);
        OcekujKorak(koraci[2], p.inverz, 1e-15);
    }
}

TEST(KoraciInverzije, ObservedRunGivesTheSameBitsAsAPlainOne) {
    std::mt19937 gen(7);
    std::uniform_real_distribution<double> d(-1.0, 1.0);
    for (int n : {1, 5, 12, 40}) {
        SCOPED_TRACE(n);
        TMatrix a;
        a.Resize(n, n);
        for (int c = 1; c <= n; ++c)
            for (int r = 1; r <= n; ++r) a.SetElem(c, r, d(gen) + (c == r ? n : 0));
        TMatrix obican = a, posmatran = a;
        ASSERT_TRUE(obican.Invert());
        const auto koraci = Zapisi(posmatran);
        ASSERT_EQ(koraci.size(), 3u);
        const auto bajtova = sizeof(double) * static_cast<std::size_t>(n * n);
        EXPECT_EQ(std::memcmp(koraci.back().elementi.data(), obican.Kolona(1), bajtova), 0);
        EXPECT_EQ(std::memcmp(posmatran.Kolona(1), obican.Kolona(1), bajtova), 0);
        EXPECT_EQ(std::memcmp(koraci.front().elementi.data(), a.Kolona(1), bajtova), 0);
    }
}

std::vector<TKorakInverzije> ZapisiKolone(TMatrix& m) {
    std::vector<TKorakInverzije> koraci;
    EXPECT_TRUE(m.InvertPoKolonama([&](const TKorakInverzije& k) { koraci.push_back(k); }));
    return koraci;
}

struct TRucnaKolona {
    TRedovi posle;                         // the factor just after the column
    std::vector<double> kandidati, skale;  // on and below the diagonal, before the exchange
    int pivot;
};

// The same examples column by column, by hand. 2x2: scales 1/2 and 1/4; column 1 weighs 1/2 against
// 3/4 and takes row 2, so L21 = 1/3 and the second column is the exchanged (4, 2) until its turn,
// when 2 - 4/3 = 2/3 remains. 3x3: scales 1/2, 1/4, 1; column 1 takes row 2 (1 of 1/2, 1, 0);
// column 2 holds 2, then 0 - 2/4 = -1/2 and 1 - 0 = 1 with scales 1/2 and 1, so row 3 (scaled 1
// against 1/4) comes up and L32 = -1/2; column 3 ends with 2 + 1/2 = 5/2.
TEST(KoraciInverzije, ColumnStagesMatchHandComputation) {
    const struct {
        const char* ime;
        TRedovi a;
        std::vector<TRucnaKolona> kolone;
    } primeri[] = {
        {"2x2",
         {{1, 2}, {3, 4}},
         {{{{3, 4}, {1.0 / 3, 2}}, {1, 3}, {0.5, 0.25}, 1}, {{{3, 4}, {1.0 / 3, 2.0 / 3}}, {2.0 / 3}, {0.5}, 1}}},
        {"3x3",
         {{1, 0, 2}, {4, 2, 0}, {0, 1, 1}},
         {{{{4, 2, 0}, {0.25, 0, 2}, {0, 1, 1}}, {1, 4, 0}, {0.5, 0.25, 1}, 1},
          {{{4, 2, 0}, {0, 1, 1}, {0.25, -0.5, 2}}, {-0.5, 1}, {0.5, 1}, 2},
          {{{4, 2, 0}, {0, 1, 1}, {0.25, -0.5, 2.5}}, {2.5}, {0.5}, 2}}},
    };
    for (const auto& p : primeri) {
        SCOPED_TRACE(p.ime);
        TMatrix m = IzRedova(p.a);
        const auto koraci = ZapisiKolone(m);
        const size_t n = p.a.size();
        ASSERT_EQ(koraci.size(), n + 3);
        OcekujKorak(koraci[0], p.a, 0.0);
        EXPECT_EQ(koraci[0].kolona, -1);
        for (size_t j = 0; j < n; ++j) {
            const TKorakInverzije& k = koraci[j + 1];
            SCOPED_TRACE(k.opis);
            EXPECT_EQ(k.kolona, static_cast<int>(j));
            OcekujKorak(k, p.kolone[j].posle, 1e-15);
            ASSERT_EQ(k.kandidati.size(), n - j);
            for (size_t i = 0; i < n - j; ++i) {
                EXPECT_NEAR(k.kandidati[i], p.kolone[j].kandidati[i], 1e-15);
                EXPECT_EQ(k.skale[i], p.kolone[j].skale[i]);
            }
            ASSERT_EQ(k.pivoti.size(), j + 1);
            EXPECT_EQ(k.pivoti[j], p.kolone[j].pivot);
        }
        EXPECT_EQ(koraci[n + 1].kolona, -1);
        EXPECT_EQ(koraci[n + 1].elementi, koraci[n].elementi);
    }
}

// Only copies: whichever kernel, an inversion watched column by column gives the bits of a plain
// one, and its last column is the whole factor it reports next.
TEST(KoraciInverzije, ColumnObservedRunGivesTheSameBitsOnEveryKernel) {
    std::vector<TKodMatrice> kodovi{TKodMatrice::Prenosivi};
    if (TMatrix::PodrzavaAvx2()) kodovi.push_back(TKodMatrice::Avx2);
    std::mt19937 gen(11);
    std::uniform_real_distribution<double> d(-1.0, 1.0);
    for (TKodMatrice kod : kodovi)
        for (int n : {1, 5, 12, 40}) {
            SCOPED_TRACE(n);
            TMatrix::PodesiRacunanje(kod, 1);
            TMatrix a;
            a.Resize(n, n);
            // Weak diagonals, so the pivots move rows.
            for (int c = 1; c <= n; ++c)
                for (int r = 1; r <= n; ++r) a.SetElem(c, r, d(gen));
            TMatrix obican = a, posmatran = a;
            ASSERT_TRUE(obican.Invert());
            const auto koraci = ZapisiKolone(posmatran);
            ASSERT_EQ(koraci.size(), static_cast<std::size_t>(n) + 3);
            const auto bajtova = sizeof(double) * static_cast<std::size_t>(n * n);
            EXPECT_EQ(std::memcmp(koraci.back().elementi.data(), obican.Kolona(1), bajtova), 0);
            EXPECT_EQ(std::memcmp(posmatran.Kolona(1), obican.Kolona(1), bajtova), 0);
            EXPECT_EQ(std::memcmp(koraci[static_cast<std::size_t>(n)].elementi.data(),
                                  koraci[static_cast<std::size_t>(n) + 1].elementi.data(), bajtova),
                      0);
            EXPECT_EQ(koraci[static_cast<std::size_t>(n)].pivoti, koraci[static_cast<std::size_t>(n) + 1].pivoti);
        }
    TMatrix::PodesiRacunanje(TKodMatrice::Podrazumevani, 0);
}

// Past the one-block size the columns are not in a state to show: the three stages only.
TEST(KoraciInverzije, LargeMatricesKeepTheThreeStages) {
    const int n = TMatrix::NajviseKolonaUKoracima + 1;
    TMatrix a;
    a.Resize(n, n);
    for (int c = 1; c <= n; ++c) a.SetElem(c, c, 2.0);
    EXPECT_EQ(ZapisiKolone(a).size(), 3u);
}

// A failed inversion reports no inverse, so a viewer cannot show one that was never formed.
TEST(KoraciInverzije, FailuresStopTheRecordBeforeTheInverse) {
    const struct {
        const char* ime;
        TRedovi a;
        std::size_t koraka;
    } slucajevi[] = {
        {"red nula", {{1, 2}, {0, 0}}, 1},
        {"singularna", {{1, 2}, {2, 4}}, 1},
    };
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        TMatrix m = IzRedova(s.a);
        bool uspeh = true;
        const auto koraci = Zapisi(m, &uspeh);
        EXPECT_FALSE(uspeh);
        EXPECT_EQ(koraci.size(), s.koraka);
    }
    TMatrix m = IzRedova({{1, 2}, {3, 4}});
    EXPECT_TRUE(m.InvertSaKoracima(TMatrix::TPosmatracInverzije{}));  // no observer: a plain run
}

}  // namespace
