// Every way the large operations can run (portable or AVX2 inner loops, one or two threads) must
// give the bits of the textbook loops.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <random>
#include <stdexcept>
#include <string>

#include "DoslovnaMatrica.h"
#include "Matrix.h"

namespace {

struct TPut {
    TKodMatrice kod;
    int niti;
    std::string ime;
};

void PrintTo(const TPut& p, std::ostream* os) { *os << p.ime; }

std::vector<TPut> Putevi() {
    std::vector<TPut> p{{TKodMatrice::Prenosivi, 1, "Prenosivi1"}, {TKodMatrice::Prenosivi, 2, "Prenosivi2"}};
    if (TMatrix::PodrzavaAvx2()) {
        p.push_back({TKodMatrice::Avx2, 1, "Avx2_1"});
        p.push_back({TKodMatrice::Avx2, 2, "Avx2_2"});
    }
    return p;
}

TMatrix UMatricu(const TRedovi& a) {
    TMatrix m;
    m.Resize(static_cast<int>(a[0].size()), static_cast<int>(a.size()));
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < a[0].size(); ++j) m.SetElem(static_cast<int>(j + 1), static_cast<int>(i + 1), a[i][j]);
    return m;
}

// Same bits, element by element; NaNs only where the loops made NaNs (their payload is the
// processor's business).
void OcekujIsteBitove(const TMatrix& m, const TRedovi& a, const std::string& gde) {
    ASSERT_EQ(m.NrOfRows(), static_cast<int>(a.size())) << gde;
    ASSERT_EQ(m.NrOfColumns(), static_cast<int>(a[0].size())) << gde;
    for (size_t i = 0; i < a.size(); ++i)
        for (size_t j = 0; j < a[0].size(); ++j) {
            const double x = m.Elem(static_cast<int>(j + 1), static_cast<int>(i + 1)), y = a[i][j];
            if (std::isnan(x) && std::isnan(y)) continue;
            ASSERT_EQ(std::memcmp(&x, &y, sizeof x), 0)
                << gde << " row " << i << " col " << j << ": " << x << " vs " << y;
        }
}

// With razmene the diagonal is small, so most steps exchange rows; without, the matrix is
// diagonally dominant and no row moves. Scattered zeros exercise the first non-zero rule, and the
// magnitudes of the rows differ so the scaling matters.
TRedovi Slucajna(int n, bool razmene, unsigned seme) {
    std::mt19937_64 g(seme);
    std::uniform_real_distribution<double> d(-1, 1);
    TRedovi a(n, std::vector<double>(n));
    for (int i = 0; i < n; ++i) {
        const double red = std::ldexp(1.0, (i * 7) % 11 - 5);
        for (int j = 0; j < n; ++j) {
            double v = d(g);
            if ((i * 7 + j * 3) % 5 == 0) v = 0;
            if (i == j) v = razmene ? 1e-3 * (0.5 + std::fabs(v)) : 2.0 * n;
            a[i][j] = v * red;
        }
    }
    return a;
}

class MatrixPut : public ::testing::TestWithParam<TPut> {
protected:
    void SetUp() override { TMatrix::PodesiRacunanje(GetParam().kod, GetParam().niti); }
    void TearDown() override { TMatrix::PodesiRacunanje(TKodMatrice::Podrazumevani, 0); }
};

TEST_P(MatrixPut, InvertAndItsPivotMatchTheTextbookLoops) {
    for (int n : {1, 2, 7, 33, 65, 301})
        for (bool razmene : {false, true}) {
            const std::string gde = "n=" + std::to_string(n) + (razmene ? " with exchanges" : " without exchanges");
            TRedovi a = Slucajna(n, razmene, 100u + n);
            TMatrix m = UMatricu(a), mp = m;
            double pivot = -1, pivotDoslovno = -1;
            bool bilo = false;
            const bool ok = InvertujDoslovno(a, &pivotDoslovno, &bilo);
            ASSERT_TRUE(ok) << gde;
            if (n > 1) {
                ASSERT_EQ(bilo, razmene) << gde;
            }
            ASSERT_TRUE(m.Invert()) << gde;
            OcekujIsteBitove(m, a, gde);
            ASSERT_TRUE(mp.InvertSaPivotom(pivot)) << gde;
            OcekujIsteBitove(mp, a, gde + " (with pivot)");
            EXPECT_EQ(std::memcmp(&pivot, &pivotDoslovno, sizeof pivot), 0)
                << gde << ": " << pivot << " vs " << pivotDoslovno;
        }
}

TEST_P(MatrixPut, FailuresLeaveWhatTheTextbookLoopsLeave) {
    double pivot = -1, pivotDoslovno = -1;
    for (int n : {7, 65, 301})
        for (bool kolona : {false, true}) {
            // Singular: a repeated row collapses the last pivot to an exact 0; a zero column does it
            // half-way, and the decomposition goes on past the 1e-100 put in its place. The matrix
            // keeps the row-permuted factors.
            TRedovi a = Slucajna(n, true, 7u + n);
            if (kolona)
                for (int i = 0; i < n; ++i) a[i][n / 2] = 0;
            else a[n - 1] = a[1];
            const std::string gde = (kolona ? "zero column n=" : "repeated row n=") + std::to_string(n);
            TMatrix m = UMatricu(a);
            ASSERT_FALSE(InvertujDoslovno(a, &pivotDoslovno)) << gde;
            ASSERT_FALSE(m.InvertSaPivotom(pivot)) << gde;
            OcekujIsteBitove(m, a, gde);
            EXPECT_EQ(std::memcmp(&pivot, &pivotDoslovno, sizeof pivot), 0) << gde;
        }
    for (int n : {7, 65, 301}) {
        // An all-zero row: false, pivot 0, nothing touched.
        TRedovi z = Slucajna(n, false, 3u);
        z[n / 2].assign(n, 0.0);
        TMatrix mz = UMatricu(z);
        ASSERT_FALSE(mz.InvertSaPivotom(pivot));
        EXPECT_EQ(pivot, 0.0);
        OcekujIsteBitove(mz, z, "zero row n=" + std::to_string(n));
    }
    TMatrix pravougaona;
    pravougaona.Resize(40, 41);
    pravougaona.SetElem(3, 4, 5);
    EXPECT_FALSE(pravougaona.Invert());
    EXPECT_EQ(pravougaona.Elem(3, 4), 5);
    EXPECT_EQ(pravougaona.NrOfColumns(), 40);
}

// Rows whose magnitudes differ by more than the range of a double: the first pivot is the tiny
// row, its multipliers overflow, and infinities and NaNs must land where the loops put them.
TEST_P(MatrixPut, OverflowingMultipliersGiveWhatTheLoopsGive) {
    const int n = 70;
    TRedovi a = Slucajna(n, false, 11u);
    for (int j = 0; j < n; ++j) a[0][j] *= 1e-310;
    a[0][0] = 1e-300;
    for (int i = 1; i < n; ++i) {
        for (int j = 1; j < n; ++j) a[i][j] *= 1e20;
        a[i][0] = 1e10;
    }
    TMatrix m = UMatricu(a);
    ASSERT_EQ(m.Invert(), InvertujDoslovno(a));
    OcekujIsteBitove(m, a, "overflowing multipliers");
}

TEST_P(MatrixPut, MultiplyMatchesTheTextbookLoop) {
    std::mt19937_64 g(5);
    std::uniform_real_distribution<double> d(-1, 1);
    struct TOblik {
        int m, k, n;
    };
    // Square, the pipeline's matrix times vector, fewer columns than a tile, ragged edges, and a
    // product with a few columns large enough to be shared by threads.
    for (TOblik o : {TOblik{1, 1, 1},
                     {7, 7, 7},
                     {65, 65, 65},
                     {301, 301, 301},
                     {301, 301, 1},
                     {300, 200, 5},
                     {97, 301, 33},
                     {33, 600, 65},
                     {1000, 70, 1},
                     {2053, 2050, 2}}) {
        TRedovi a(o.m, std::vector<double>(o.k)), b(o.k, std::vector<double>(o.n));
        for (auto& red : a)
            for (double& v : red) v = d(g) * 1e3;
        for (auto& red : b)
            for (double& v : red) v = (d(g) > 0.6) ? -0.0 : d(g);  // signed zeros must come out as the loop makes them
        TMatrix ma = UMatricu(a), mb = UMatricu(b), r;
        r.Resize(o.n, o.m);
        ASSERT_TRUE(ma.Multiply(&mb, &r));
        OcekujIsteBitove(r, PomnoziDoslovno(a, b),
                         std::to_string(o.m) + "x" + std::to_string(o.k) + "x" + std::to_string(o.n));
    }
}

TEST_P(MatrixPut, ProgressIsReportedAndStopEndsTheInversion) {
    const TRedovi a = Slucajna(301, true, 9u);
    TRedovi doslovno = a;
    ASSERT_TRUE(InvertujDoslovno(doslovno));
    TMatrix m = UMatricu(a);
    std::vector<double> udeli;
    double pivot = 0;
    ASSERT_TRUE(m.InvertSaPivotom(pivot, [&](double u) {
        udeli.push_back(u);
        return true;
    }));
    OcekujIsteBitove(m, doslovno, "with progress");
    ASSERT_FALSE(udeli.empty());
    for (size_t i = 1; i < udeli.size(); ++i) EXPECT_LE(udeli[i - 1], udeli[i]);
    EXPECT_GT(udeli.front(), 0.0);
    EXPECT_EQ(udeli.back(), 1.0);

    // A stop asked at any report ends the inversion there; which reports the substitution makes
    // depends on how the threads share it, so a run may end before the asked one. A stop at the
    // final report finds the work done.
    for (size_t stop : {size_t{0}, size_t{2}, udeli.size() - 2, udeli.size() - 1}) {
        TMatrix s = UMatricu(a);
        size_t poziva = 0;
        const bool ok = s.InvertSaPivotom(pivot, [&](double) { return poziva++ < stop; });
        if (stop == 0) {
            EXPECT_FALSE(ok);
        }
        if (ok) {
            EXPECT_LE(poziva, stop + 1);
            OcekujIsteBitove(s, doslovno, "not stopped");
        } else {
            EXPECT_EQ(poziva, stop + 1);
        }
    }
    // A report that throws ends the inversion with its exception, in the decomposition and in
    // the substitution alike, whatever threads are running.
    for (double prag : {0.0, 0.34}) {
        TMatrix s = UMatricu(a);
        EXPECT_THROW(s.InvertSaPivotom(pivot,
                                       [&](double u) {
                                           if (u > prag) throw std::runtime_error("stop");
                                           return true;
                                       }),
                     std::runtime_error);
    }
}

INSTANTIATE_TEST_SUITE_P(SviPutevi, MatrixPut, ::testing::ValuesIn(Putevi()),
                         [](const ::testing::TestParamInfo<TPut>& i) { return i.param.ime; });

}  // namespace
