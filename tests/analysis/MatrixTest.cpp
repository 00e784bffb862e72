#include <gtest/gtest.h>

#include <random>

#include "DoslovnaMatrica.h"
#include "Matrix.h"

namespace {

// Builds a matrix from its rows, as written on paper.
TMatrix IzRedova(std::initializer_list<std::initializer_list<double>> redovi) {
    TMatrix m;
    const int nr = static_cast<int>(redovi.size());
    const int nc = static_cast<int>(redovi.begin()->size());
    m.Resize(nc, nr);
    int r = 1;
    for (auto& red : redovi) {
        int c = 1;
        for (double v : red) m.SetElem(c++, r, v);
        ++r;
    }
    return m;
}

void OcekujRedove(const TMatrix& m, std::initializer_list<std::initializer_list<double>> redovi, double tol = 0) {
    ASSERT_EQ(m.NrOfRows(), static_cast<int>(redovi.size()));
    int r = 1;
    for (auto& red : redovi) {
        ASSERT_EQ(m.NrOfColumns(), static_cast<int>(red.size()));
        int c = 1;
        for (double v : red) {
            if (tol == 0) EXPECT_EQ(m.Elem(c, r), v) << "row " << r << " col " << c;
            else EXPECT_NEAR(m.Elem(c, r), v, tol) << "row " << r << " col " << c;
            ++c;
        }
        ++r;
    }
}

}  // namespace

TEST(Matrix, CreateResizeAndOutOfRangeAccess) {
    TMatrix m;
    EXPECT_EQ(m.NrOfColumns(), 1);
    EXPECT_EQ(m.NrOfRows(), 1);
    EXPECT_EQ(m.Elem(1, 1), 0);
    m.Resize(1, 6);
    EXPECT_EQ(m.NrOfRows(), 6);
    for (int r = 1; r <= 6; ++r) EXPECT_EQ(m.Elem(1, r), 0);

    TMatrix a = IzRedova({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    EXPECT_TRUE(a.Resize(2, 4));  // columns first
    OcekujRedove(a, {{1, 2}, {4, 5}, {7, 8}, {0, 0}});

    // A matrix never has fewer than one column and one row.
    TMatrix z = IzRedova({{5, 6}});
    z.Resize(0, -3);
    OcekujRedove(z, {{5}});

    EXPECT_EQ(a.Elem(0, 1), 0);
    EXPECT_EQ(a.Elem(3, 1), 0);
    EXPECT_EQ(a.Elem(1, 5), 0);
    EXPECT_EQ(a.Elem(-1, -1), 0);
    a.SetElem(3, 1, 99);
    a.SetElem(1, 0, 99);
    a.SetElem(1, 5, 99);
    OcekujRedove(a, {{1, 2}, {4, 5}, {7, 8}, {0, 0}});
}

TEST(Matrix, MultiplyChecksEveryConditionFirst) {
    TMatrix a = IzRedova({{1, 2}, {3, 4}, {5, 6}});  // 3 x 2
    TMatrix b = IzRedova({{1, 0, 2}, {0, 1, 3}});    // 2 x 3
    TMatrix r;
    r.Resize(3, 3);
    ASSERT_TRUE(a.Multiply(&b, &r));
    OcekujRedove(r, {{1, 2, 8}, {3, 4, 18}, {5, 6, 28}});

    TMatrix mala;
    mala.SetElem(1, 1, 7);
    EXPECT_FALSE(a.Multiply(&b, &mala));
    EXPECT_EQ(mala.Elem(1, 1), 7);
    EXPECT_FALSE(a.Multiply(&a, &r));  // 2 columns against 3 rows
    EXPECT_FALSE(a.Multiply(nullptr, &r));
    EXPECT_FALSE(a.Multiply(&b, nullptr));
    TMatrix kv = IzRedova({{1, 2}, {3, 4}});
    EXPECT_FALSE(kv.Multiply(&kv, &kv));  // the result must be a third matrix
    OcekujRedove(kv, {{1, 2}, {3, 4}});

    TMatrix k6, v6, r6, r1;
    k6.Resize(6, 6);
    v6.Resize(1, 6);
    r6.Resize(1, 6);
    EXPECT_TRUE(k6.Multiply(&v6, &r6));
    EXPECT_FALSE(k6.Multiply(&v6, &r1));
}

TEST(Matrix, TransposeScaleAndAdd) {
    TMatrix v = IzRedova({{1}, {2}, {3}});
    EXPECT_TRUE(v.Transpose());
    OcekujRedove(v, {{1, 2, 3}});
    TMatrix a = IzRedova({{1, 2, 3}, {4, 5, 6}});
    a.Transpose();
    OcekujRedove(a, {{1, 4}, {2, 5}, {3, 6}});
    a.SMult(-2);
    OcekujRedove(a, {{-2, -8}, {-4, -10}, {-6, -12}});
    TMatrix b = IzRedova({{1, 1}, {1, 1}, {1, 1}});
    EXPECT_TRUE(a.Add(&b));
    OcekujRedove(a, {{-1, -7}, {-3, -9}, {-5, -11}});
    TMatrix c = IzRedova({{1, 1, 1}});
    EXPECT_FALSE(a.Add(&c));
    EXPECT_FALSE(a.Add(nullptr));
    OcekujRedove(a, {{-1, -7}, {-3, -9}, {-5, -11}});
}

TEST(Matrix, InvertWorkedExamplesAndPivotTies) {
    TMatrix a = IzRedova({{4, 3}, {6, 3}});
    ASSERT_TRUE(a.Invert());
    OcekujRedove(a, {{-0.5, 0.5}, {1, -2.0 / 3}}, 1e-15);
    // Both rows have scaled magnitude 1 in column 1: the later row becomes the first pivot.
    TMatrix t = IzRedova({{1, 1}, {2, 1}});
    ASSERT_TRUE(t.Invert());
    OcekujRedove(t, {{-1, 1}, {2, -1}});
    TMatrix i3 = IzRedova({{2, 0, 0}, {0, 4, 0}, {0, 0, 8}});
    ASSERT_TRUE(i3.Invert());
    OcekujRedove(i3, {{0.5, 0, 0}, {0, 0.25, 0}, {0, 0, 0.125}});
    TMatrix jedan = IzRedova({{-4}});
    ASSERT_TRUE(jedan.Invert());
    EXPECT_EQ(jedan.Elem(1, 1), -0.25);
}

TEST(Matrix, InvertFailures) {
    TMatrix nula = IzRedova({{1, 2}, {0, 0}});
    EXPECT_FALSE(nula.Invert());
    OcekujRedove(nula, {{1, 2}, {0, 0}});  // untouched
    TMatrix pravougaona = IzRedova({{1, 2, 3}, {4, 5, 6}});
    EXPECT_FALSE(pravougaona.Invert());
    OcekujRedove(pravougaona, {{1, 2, 3}, {4, 5, 6}});
    // Singular: the matrix is left holding the row-permuted LU factors with the tiny pivot.
    TMatrix sing = IzRedova({{1, 2}, {2, 4}});
    EXPECT_FALSE(sing.Invert());
    OcekujRedove(sing, {{2, 4}, {0.5, 1e-100}});
}

TEST(Matrix, InvertMatchesTheTextbookLoopBitForBit) {
    std::mt19937_64 g(7);
    std::uniform_real_distribution<double> d(-1, 1);
    for (int n : {1, 2, 3, 7, 31, 32, 33, 70}) {
        TRedovi a(n, std::vector<double>(n));
        TMatrix m;
        m.Resize(n, n);
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) {
                a[i][j] = d(g) + (i == j ? (n % 2 ? 0.0 : 3.0) : 0.0);
                if ((i * 7 + j) % 5 == 0) a[i][j] = 0;  // zeros exercise the first non-zero rule
                m.SetElem(j + 1, i + 1, a[i][j]);
            }
        const bool ok = InvertujDoslovno(a);
        ASSERT_EQ(m.Invert(), ok) << n;
        for (int i = 0; i < n; ++i)
            for (int j = 0; j < n; ++j) ASSERT_EQ(m.Elem(j + 1, i + 1), a[i][j]) << n << " " << i << " " << j;
    }
}

TEST(Matrix, OutOfMemoryRaisesTheComponentMessage) {
    TMatrix m;
    try {
        m.Resize(2000000000, 2000000000);
        FAIL();
    } catch (const EMatrixError& e) {
        EXPECT_STREQ(e.what(), "Component \"\": not enough memory on heap");
    }
    EXPECT_EQ(m.NrOfColumns(), 1);  // the old matrix stays
}
