// The figure builders: a circle kept from the last call must be the circle worked out afresh.
#include <gtest/gtest.h>

#include <cmath>

#include "GradnjaOblika.h"

TEST(GradnjaOblika, CirclesOfAnyCentreAndRadiusInAnyOrder) {
    TGradnjaOblika g;
    g.x = 3.5;
    g.y = -2;
    g.smerX = 0.6;
    g.smerY = 0.8;
    g.boja = 0x123456;
    // Repeats, alternations and more sizes than are kept.
    std::vector<std::pair<TGradnjaOblika::TT, float>> krugovi = {
        {{0, 0}, 2.5f}, {{0, 0}, 2.5f}, {{1.5f, -2}, 2.5f}, {{0, 0}, 4}, {{-0.0f, 0}, 2.5f}, {{1.5f, -2}, 2.5f}};
    for (int krug = 0; krug < 2; ++krug)
        for (int i = 0; i < 11; ++i) krugovi.push_back({{float(i), 0}, 1 + i * 0.5f});
    for (size_t k = 0; k < krugovi.size(); ++k) {
        SCOPED_TRACE(k);
        const auto [centar, r] = krugovi[k];
        const TOblik o = g.Krug(centar, r, 0xABCDEF, 1.5f);
        ASSERT_EQ(o.tacke.size(), 20u);
        for (int i = 0; i < 20; ++i) {
            const double u = 2 * M_PI * i / 20;
            EXPECT_EQ(o.tacke[i].a, float(centar.a + r * std::cos(u)));
            EXPECT_EQ(o.tacke[i].b, float(centar.b + r * std::sin(u)));
            EXPECT_EQ(o.tacke[i].x, 3.5);
            EXPECT_EQ(o.tacke[i].y, -2);
        }
        EXPECT_TRUE(o.zatvoren && o.ispunjen);
        EXPECT_EQ(o.ispuna, 0xABCDEFu);
        EXPECT_EQ(o.boja, 0x123456u);
        EXPECT_EQ(o.debljina, 1.5f);
        EXPECT_EQ(o.smerX, 0.6);
    }
    // The list forms give the same figure.
    const TOblik a = g.Linija({{1, 2}, {3, 4}}, 2), b = g.Linija(std::vector<TGradnjaOblika::TT>{{1, 2}, {3, 4}}, 2);
    ASSERT_EQ(a.tacke.size(), 2u);
    EXPECT_EQ(b.tacke.size(), 2u);
    EXPECT_EQ(a.tacke[1].a, 3);
    EXPECT_EQ(b.tacke[1].b, 4);
}
