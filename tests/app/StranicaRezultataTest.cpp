#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "Brojevi.h"
#include "ModelFajl.h"
#include "StranicaAnalizePomocTest.h"

namespace {

struct TOcekivanaCelija {
    const char* grid;
    int k, r;
    const char* tekst;
};

void ProveriCelije(const TOkruzenjeAnalize& o, const std::vector<TOcekivanaCelija>& celije) {
    for (const auto& c : celije)
        EXPECT_EQ(o.Celija(c.grid, c.k, c.r), QString::fromLatin1(c.tekst))
            << c.grid << " (" << c.k << ", " << c.r << ")";
}

struct TVelicina {
    const char* grid;
    int kolona, redova;
};

void ProveriVelicine(TOkruzenjeAnalize& o, const std::vector<TVelicina>& velicine) {
    for (const auto& v : velicine) {
        EXPECT_EQ(o.Tabela(v.grid).BrojKolona(), v.kolona) << v.grid;
        EXPECT_EQ(o.Tabela(v.grid).BrojRedova(), v.redova) << v.grid;
    }
}

QStringList Redovi(const QPlainTextEdit* m) { return m->toPlainText().split(QChar('\n')); }

// Every cell of every grid, for comparing two displays.
QStringList SveCelije(const TOkruzenjeAnalize& o) {
    QStringList s;
    for (const char* ime : TStranicaRezultata::ImenaGridovaPoRedu()) {
        const TTabelaMatrice& t = o.rezultati->Grid(QString::fromLatin1(ime))->Tabela();
        s << QString::fromLatin1(ime) + QString::number(t.BrojKolona()) + "x" + QString::number(t.BrojRedova());
        for (int k = 0; k < t.BrojKolona(); ++k)
            for (int r = 0; r < t.BrojRedova(); ++r) s << t.Celija(k, r);
    }
    return s;
}

}  // namespace

// The truss bar (see Stap4Metra): s = {4} (X of node 1), o = {1, 2, 5}; K in positions 4, 1, 2, 5.
TEST(StranicaRezultata, GridsHoldTheResultsInTheirCellsWithTheirCodeNumbers) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    ProveriVelicine(o, {{"StringGridK", 4, 4},
                        {"StringGridKKodniBrojevi", 1, 4},
                        {"StringGridKss", 1, 1},
                        {"StringGridKso", 3, 1},
                        {"StringGridKsoKodniBrojeviVertikala", 1, 1},
                        {"StringGridKsoKodniBrojeviHorizontala", 3, 1},
                        {"StringGridKos", 1, 3},
                        {"StringGridKosKodniBrojeviVertikala", 1, 3},
                        {"StringGridKosKodniBrojeviHorizontala", 1, 1},
                        {"StringGridKoo", 3, 3},
                        {"StringGridKooKodniBrojeviVertikala", 1, 3},
                        {"StringGridInvKss", 1, 1},
                        {"StringGridSs", 2, 1},
                        {"StringGridPs", 1, 1},
                        {"StringGridQs", 1, 1},
                        {"StringGridqsGKSOpterecenje", 2, 1},
                        {"StringGridqoGKS", 2, 3},
                        {"StringGridqsGKSPomeranjeOslonaca", 2, 1},
                        {"StringGridqsGKSUkupno", 2, 1},
                        {"StringGridR", 6, 5},
                        {"StringGridQoGKSReakcije", 2, 3},
                        {"StringGridRoGKS", 2, 3},
                        {"StringGridBrojeviSvihPomeranja", 1, 4},
                        {"StringGridBrojeviNepoznatihPomeranja", 1, 1},
                        {"StringGridBrojeviPoznatihPomeranja", 1, 3},
                        {"StringGridBrojeviPomeranjaSelektovanogCvora", 1, 2},
                        {"StringGridMT", 4, 4},
                        {"StringGridMKLKS", 4, 4},
                        {"StringGridMKGKS", 4, 4},
                        {"StringGridKodniBrojeviMKGKS", 1, 4}});
    ProveriCelije(o, {
                         {"StringGridK", 0, 0, "50000"},
                         {"StringGridK", 1, 0, "-50000"},
                         {"StringGridK", 0, 1, "-50000"},
                         {"StringGridK", 1, 1, "50000"},
                         {"StringGridK", 2, 2, "0"},
                         {"StringGridK", 3, 1, "0"},
                         {"StringGridKKodniBrojevi", 0, 0, "4"},
                         {"StringGridKKodniBrojevi", 0, 1, "1"},
                         {"StringGridKKodniBrojevi", 0, 2, "2"},
                         {"StringGridKKodniBrojevi", 0, 3, "5"},
                         {"StringGridKss", 0, 0, "50000"},
                         {"StringGridKssKodniBrojevi", 0, 0, "4"},
                         {"StringGridKso", 0, 0, "-50000"},
                         {"StringGridKso", 1, 0, "0"},
                         {"StringGridKsoKodniBrojeviVertikala", 0, 0, "4"},
                         {"StringGridKsoKodniBrojeviHorizontala", 0, 0, "1"},
                         {"StringGridKsoKodniBrojeviHorizontala", 1, 0, "2"},
                         {"StringGridKsoKodniBrojeviHorizontala", 2, 0, "5"},
                         {"StringGridKos", 0, 0, "-50000"},
                         {"StringGridKosKodniBrojeviVertikala", 0, 2, "5"},
                         {"StringGridKosKodniBrojeviHorizontala", 0, 0, "4"},
                         {"StringGridKoo", 0, 0, "50000"},
                         {"StringGridKoo", 1, 1, "0"},
                         {"StringGridKooKodniBrojeviVertikala", 0, 1, "2"},
                         {"StringGridInvKss", 0, 0, "0.00002"},
                         {"StringGridInvKssKodniBrojevi", 0, 0, "4"},
                         {"StringGridSs", 0, 0, "10"},
                         {"StringGridSs", 1, 0, "4"},
                         {"StringGridPs", 0, 0, "10"},
                         {"StringGridQs", 0, 0, "0"},
                         {"StringGridqsGKSOpterecenje", 0, 0, "0.0002"},
                         {"StringGridqsGKSOpterecenje", 1, 0, "4"},
                         {"StringGridqoGKS", 0, 2, "0"},
                         {"StringGridqoGKS", 1, 2, "5"},
                         {"StringGridqsGKSPomeranjeOslonaca", 0, 0, "0"},
                         {"StringGridqsGKSUkupno", 0, 0, "0.0002"},
                         {"StringGridqsGKSUkupno", 1, 0, "4"},
                         // End forces of the bar: q at the end node's X, R = K q: -10 at the start, 10 at the end.
                         {"StringGridR", 0, 0, "q - GKS"},
                         {"StringGridR", 5, 0, "R - LKS"},
                         {"StringGridR", 0, 3, "0.0002"},
                         {"StringGridR", 0, 1, "0"},
                         {"StringGridR", 1, 1, "0"},
                         {"StringGridR", 2, 1, "-10"},
                         {"StringGridR", 2, 3, "10"},
                         {"StringGridR", 3, 3, "0.0002"},
                         {"StringGridR", 5, 1, "-10"},
                         {"StringGridQoGKSReakcije", 0, 0, "0"},
                         {"StringGridQoGKSReakcije", 1, 1, "2"},
                         {"StringGridRoGKS", 0, 0, "-10"},
                         {"StringGridRoGKS", 1, 0, "1"},
                         {"StringGridRoGKS", 0, 1, "0"},
                         {"StringGridRoGKS", 1, 2, "5"},
                         {"StringGridBrojeviSvihPomeranja", 0, 0, "4"},
                         {"StringGridBrojeviSvihPomeranja", 0, 3, "5"},
                         {"StringGridBrojeviNepoznatihPomeranja", 0, 0, "4"},
                         {"StringGridBrojeviPoznatihPomeranja", 0, 1, "2"},
                         // Node 0 is selected; its rotation is no degree of freedom, so two rows.
                         {"StringGridBrojeviPomeranjaSelektovanogCvora", 0, 0, "1"},
                         {"StringGridBrojeviPomeranjaSelektovanogCvora", 0, 1, "2"},
                         {"StringGridMT", 0, 0, "1"},
                         {"StringGridMT", 1, 0, "0"},
                         {"StringGridMKLKS", 0, 0, "50000"},
                         {"StringGridMKLKS", 2, 0, "-50000"},
                         {"StringGridMKGKS", 2, 2, "50000"},
                         {"StringGridKodniBrojeviMKGKS", 0, 0, "1"},
                         {"StringGridKodniBrojeviMKGKS", 0, 1, "2"},
                         {"StringGridKodniBrojeviMKGKS", 0, 2, "4"},
                         {"StringGridKodniBrojeviMKGKS", 0, 3, "5"},
                     });
    const QStringList cvor = Redovi(o.rezultati->MemoRezultatCvor);
    ASSERT_EQ(cvor.size(), 22);
    EXPECT_EQ(cvor[0], "Broj cvora: 0");
    EXPECT_EQ(cvor[3], "Oslonac X: DA");
    EXPECT_EQ(cvor[5], "Ukljestenje: NE");
    EXPECT_EQ(cvor[6], "Rx = -10");
    EXPECT_EQ(cvor[18], "Mnozilac pomeranja i obrtanja = 1");
    EXPECT_EQ(Redovi(o.rezultati->MemoRezultatStap),
              QStringList({"Broj stapa: 0", "Pocetni cvor: 0", "Krajnji cvor: 1", "Materijal: Celik", "Presek: Profil",
                           "Tip stapa: prost"}));
}

TEST(StranicaRezultata, FactorDividesStiffnessAndMultipliesDisplacements) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.rezultati->EditVrednostIspredMatricaKrutosti->setText(QStringLiteral("2"));
    EXPECT_EQ(o.podesavanja.vrednostIspredMatricaKrutosti, "2");
    o.Pokreni();
    ProveriCelije(o, {
                         {"StringGridK", 0, 0, "25000"},
                         {"StringGridK", 1, 0, "-25000"},
                         {"StringGridKss", 0, 0, "25000"},
                         {"StringGridKso", 0, 0, "-25000"},
                         {"StringGridKos", 0, 0, "-25000"},
                         {"StringGridKoo", 0, 0, "25000"},
                         {"StringGridInvKss", 0, 0, "0.00004"},
                         {"StringGridqsGKSOpterecenje", 0, 0, "0.0004"},
                         {"StringGridqsGKSUkupno", 0, 0, "0.0004"},
                         {"StringGridqsGKSUkupno", 1, 0, "4"},
                         // Loads, reactions and forces as computed.
                         {"StringGridSs", 0, 0, "10"},
                         {"StringGridPs", 0, 0, "10"},
                         {"StringGridRoGKS", 0, 0, "-10"},
                         {"StringGridR", 0, 3, "0.0004"},
                         {"StringGridR", 3, 3, "0.0004"},
                         {"StringGridR", 2, 1, "-10"},
                     });
    // The member grids follow the member selection and the refresh, not the run.
    EXPECT_EQ(o.Celija("StringGridMKLKS", 0, 0), "50000");
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    ProveriCelije(o, {{"StringGridMKLKS", 0, 0, "25000"},
                      {"StringGridMKGKS", 2, 0, "-25000"},
                      {"StringGridMT", 0, 0, "1"},
                      {"StringGridK", 0, 0, "25000"},
                      {"StringGridR", 0, 3, "0.0004"}});
    EXPECT_EQ(o.stanje.brojIspredMatriceKrutosti, 2.0L);
    // Stored results are never scaled.
    EXPECT_EQ(o.stanje.matricaKGKS->Element(1, 1), 50000.0);
    o.rezultati->ComboBoxRezultatCvor->setCurrentIndex(1);
    const QStringList cvor = Redovi(o.rezultati->MemoRezultatCvor);
    EXPECT_EQ(cvor[18], "Mnozilac pomeranja i obrtanja = 2");
    EXPECT_EQ(cvor[19], "Pomeranje u X pravcu = 0.0004");
    EXPECT_EQ(cvor[12], "Broj pomeranja u X pravcu = 4");
    EXPECT_TRUE(o.Poruke().isEmpty());
}

TEST(StranicaRezultata, FactorThatIsNoPositiveNumberFillsNoGlobalGrid) {
    struct Slucaj {
        const char* faktor;
        QStringList poruke;
    };
    const std::vector<Slucaj> slucajevi = {
        {"0", {"G:Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!"}},
        {"-2", {"G:Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!"}},
        {"abc", {}},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.faktor);
        TOkruzenjeAnalize o;
        o.Stap4Metra();
        o.rezultati->EditVrednostIspredMatricaKrutosti->setText(QString::fromLatin1(s.faktor));
        o.Pokreni();
        EXPECT_TRUE(o.Log().back().startsWith("Kraj analize - "));
        EXPECT_EQ(o.Poruke(), s.poruke);
        for (const char* g :
             {"StringGridK", "StringGridKss", "StringGridInvKss", "StringGridqsGKSUkupno", "StringGridRoGKS"}) {
            EXPECT_EQ(o.Tabela(g).BrojKolona(), 1) << g;
            EXPECT_EQ(o.Celija(g, 0, 0), QString()) << g;
        }
        EXPECT_EQ(o.Tabela("StringGridR").BrojRedova(), 2);
        EXPECT_EQ(o.Celija("StringGridR", 0, 0), "q - GKS");
        EXPECT_EQ(o.Celija("StringGridR", 0, 1), QString());
        // The reactions were computed; the displacements were never stored.
        EXPECT_EQ(o.model.nizCvorova[1]->Ux(), 0.0L);
        EXPECT_NEAR(static_cast<double>(o.model.nizCvorova[0]->Rx()), -10.0, 1e-9);
    }
}

TEST(StranicaRezultata, NodeTextResetsAFactorThatIsNoNumber) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.rezultati->EditVrednostIspredMatricaKrutosti->setText(QStringLiteral("x"));
    o.rezultati->PrikaziRezultatCvora();
    EXPECT_EQ(o.rezultati->EditVrednostIspredMatricaKrutosti->text(), "1.0");
    EXPECT_EQ(o.podesavanja.vrednostIspredMatricaKrutosti, "1.0");
    EXPECT_EQ(Redovi(o.rezultati->MemoRezultatCvor)[18], "Mnozilac pomeranja i obrtanja = 1");
}

TEST(StranicaRezultata, RefreshTwiceGivesTheSameGrids) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    const QStringList prvi = SveCelije(o);
    const QString cvor = o.rezultati->MemoRezultatCvor->toPlainText();
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    EXPECT_EQ(SveCelije(o), prvi);
    EXPECT_EQ(o.rezultati->MemoRezultatCvor->toPlainText(), cvor);
    EXPECT_EQ(o.Celija("StringGridK", 0, 0), "50000");
    EXPECT_TRUE(o.Poruke().isEmpty());
}

TEST(StranicaRezultata, ClearingEmptiesTheGlobalGridsAndKeepsTheMemberGrids) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    o.stanje.ObrisiRezultate(o.model);
    o.rezultati->ObrisiRezultate();
    for (const char* g : TStranicaRezultata::ImenaGridovaPoRedu()) {
        const QString ime = QString::fromLatin1(g);
        const QStringList nedirnuti = {
            "StringGridR",    "StringGridMT",  "StringGridMKLKS", "StringGridMKGKS", "StringGridKodniBrojeviMKGKS",
            "StringGridQLKS", "StringGridQGKS"};
        if (nedirnuti.contains(ime)) continue;
        EXPECT_EQ(o.Tabela(g).BrojKolona(), 1) << g;
        EXPECT_EQ(o.Tabela(g).BrojRedova(), 1) << g;
        EXPECT_EQ(o.Celija(g, 0, 0), QString()) << g;
    }
    ProveriVelicine(o, {{"StringGridR", 6, 2}, {"StringGridMT", 4, 4}, {"StringGridKodniBrojeviMKGKS", 1, 4}});
    EXPECT_EQ(o.Celija("StringGridR", 2, 0), "R - GKS");
    EXPECT_EQ(o.Celija("StringGridR", 2, 1), QString());
    EXPECT_EQ(o.Celija("StringGridMKLKS", 0, 0), "50000");

    // Refreshing with the results gone fills nothing and shows no box.
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    EXPECT_EQ(o.Celija("StringGridK", 0, 0), QString());
    EXPECT_EQ(o.Tabela("StringGridR").BrojRedova(), 2);
    EXPECT_TRUE(o.Poruke().isEmpty());
}

TEST(StranicaRezultata, MemberTypesShowTheirSizesAndCodeNumbers) {
    struct Slucaj {
        int tip;
        std::vector<const char*> kodovi;
        const char* tekstTipa;
    };
    // Start node codes 1, 2, 3; end node codes 4, 5, 6.
    const std::vector<Slucaj> slucajevi = {
        {tsK, {"1", "2", "3", "4", "5", "6"}, "Tip stapa: k"},
        {tsIG, {"1", "2", "3", "4", "5"}, "Tip stapa: ig"},
        {tsGK, {"1", "2", "4", "5", "6"}, "Tip stapa: gk"},
        {tsProst, {"1", "2", "4", "5"}, "Tip stapa: prost"},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.tekstTipa);
        TOkruzenjeAnalize o;
        o.MaterijalIPresek(2e8L, 1e-3L);
        TCvor* a = o.Cvor(0, 0, true, true, true);
        TCvor* b = o.Cvor(3, 4, true, true, true);
        o.Stap(a, b, s.tip);
        o.rezultati->OsveziListe();
        o.rezultati->ComboBoxRezultatStapChange();
        const int m = static_cast<int>(s.kodovi.size());
        ProveriVelicine(o, {{"StringGridMT", m, m},
                            {"StringGridMKLKS", m, m},
                            {"StringGridMKGKS", m, m},
                            {"StringGridKodniBrojeviMKGKS", 1, m},
                            {"StringGridR", 6, m + 1}});
        for (int a = 0; a < m; ++a)
            EXPECT_EQ(o.Celija("StringGridKodniBrojeviMKGKS", 0, a), QString::fromLatin1(s.kodovi[a]));
        EXPECT_EQ(Redovi(o.rezultati->MemoRezultatStap).back(), s.tekstTipa);
        // Member along (3, 4)/5: the direction cosines head the transformation matrix.
        EXPECT_EQ(o.Celija("StringGridMT", 0, 0), "0.6");
        EXPECT_EQ(o.Celija("StringGridMT", 1, 0), "0.8");
    }
}

TEST(StranicaRezultata, LoadPageShowsTheSelectedMemberLoadOrNothing) {
    TOkruzenjeAnalize o;
    o.MaterijalIPresek(2e8L, 1e-3L);
    TCvor* a = o.Cvor(0, 0, true, true, true);
    TCvor* b = o.Cvor(4, 0, true, true, true);
    TCvor* c = o.Cvor(8, 0, true, true, true);
    o.Stap(a, b, tsK);
    o.Stap(b, c, tsK);
    o.Raspodeljeno("q1", 0, -10);
    o.Raspodeljeno("q2", 1, -5);
    o.rezultati->OsveziListe();
    EXPECT_EQ(o.rezultati->ComboBoxSpisakOpterecenjaZaQ->count(), 2);
    EXPECT_EQ(o.rezultati->ComboBoxRezultatStap->itemText(1), "Stap broj 1");
    EXPECT_EQ(o.rezultati->ComboBoxRezultatCvor->itemText(2), "Cvor broj 2");
    ProveriVelicine(o, {{"StringGridQLKS", 1, 6}, {"StringGridQGKS", 2, 6}});
    for (int r = 0; r < 6; ++r) {
        // A horizontal member: its Q in GKS is its Q in LKS.
        EXPECT_EQ(o.Celija("StringGridQGKS", 0, r), o.Celija("StringGridQLKS", 0, r));
        EXPECT_EQ(o.Celija("StringGridQGKS", 1, r), QString::number(r + 1));
    }
    EXPECT_NE(o.Celija("StringGridQLKS", 0, 1), "0");
    EXPECT_EQ(Redovi(o.rezultati->MemoRezultatStap).back(), "Opterecenje: q1");

    // The load of the other member: both grids emptied.
    o.rezultati->ComboBoxSpisakOpterecenjaZaQ->setCurrentIndex(1);
    ProveriVelicine(o, {{"StringGridQLKS", 1, 1}, {"StringGridQGKS", 1, 1}});
    EXPECT_EQ(o.Celija("StringGridQLKS", 0, 0), QString());
}
