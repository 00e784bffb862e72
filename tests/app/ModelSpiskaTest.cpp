// The shared texts of the selection lists: every list that shows them follows a refill at once,
// none of their handlers runs during it, and each keeps its own selection between refills.
#include <gtest/gtest.h>

#include <QComboBox>

#include <memory>

#include "ModelSpiska.h"
#include "PomocniProzora.h"

TEST(ModelSpiska, ListsShowingTheTextsFollowEveryRefillQuietly) {
    OsigurajAplikaciju();
    TModelSpiska spisak;
    QComboBox a, b;
    auto c = std::make_unique<QComboBox>();
    int promena = 0;
    for (QComboBox* l : {&a, &b, c.get()}) {
        spisak.Prikazi(l);
        QObject::connect(l, &QComboBox::currentIndexChanged, [&] { ++promena; });
    }
    spisak.Prikazi(&a);  // a second time changes nothing

    struct TSlucaj {
        std::vector<std::string> tekstovi;
        int izabrano;
    };
    for (const TSlucaj& s : {TSlucaj{{"Cvor broj 1", "Cvor broj 2", "Cvor broj 3"}, 0}, TSlucaj{{}, -1},
                             TSlucaj{{"jedan"}, 0}, TSlucaj{{"x", "y"}, 0}}) {
        b.setCurrentIndex(static_cast<int>(s.tekstovi.size()) - 1);  // a selection of its own before
        promena = 0;
        spisak.Popuni(s.tekstovi);
        EXPECT_EQ(promena, 0);
        for (QComboBox* l : {&a, &b, c.get()}) {
            ASSERT_EQ(l->count(), static_cast<int>(s.tekstovi.size()));
            EXPECT_EQ(l->currentIndex(), s.izabrano);
            for (size_t i = 0; i < s.tekstovi.size(); ++i)
                EXPECT_EQ(l->itemText(static_cast<int>(i)), QString::fromStdString(s.tekstovi[i]));
        }
    }
    // Each list selects on its own, and a user's choice runs its handler as before.
    b.setCurrentIndex(1);
    EXPECT_EQ(a.currentIndex(), 0);
    EXPECT_EQ(b.currentText(), QStringLiteral("y"));
    EXPECT_EQ(promena, 1);
    // A list gone before the texts is left out of the next refill.
    c.reset();
    spisak.Popuni({"posle"});
    EXPECT_EQ(a.currentText(), QStringLiteral("posle"));
    EXPECT_EQ(b.currentText(), QStringLiteral("posle"));
}
