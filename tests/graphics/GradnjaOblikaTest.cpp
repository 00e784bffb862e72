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
    const TGradnjaOblika::TT centri[] = {{0, 0}, {0, 0}, {1.5f, -2}, {0, 0}, {-0.0f, 0}, {1.5f, -2}};
    const float poluprecnici[] = {2.5f, 2.5f, 2.5f, 4, 2.5f, 2.5f};
    for (int k = 0; k < 6; ++k) {
        SCOPED_TRACE(k);
        const TOblik o = g.Krug(centri[k], poluprecnici[k], 0xABCDEF, 1.5f);
        ASSERT_EQ(o.tacke.size(), 20u);
        for (int i = 0; i < 20; ++i) {
            const double u = 2 * M_PI * i / 20;
            EXPECT_EQ(o.tacke[i].a, float(centri[k].a + poluprecnici[k] * std::cos(u)));
            EXPECT_EQ(o.tacke[i].b, float(centri[k].b + poluprecnici[k] * std::sin(u)));
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
