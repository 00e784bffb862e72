#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>

#include "InspekcijaKlika.h"
#include "StranicaAnalizePomocTest.h"

namespace {

TKlikNaGrafik Klik(TOkruzenjeAnalize& o) {
    return TKlikNaGrafik{o.model, o.dijalozi, o.prozor.get(),
                         o.rezultati->EditVrednostIspredMatricaKrutosti->text().toStdString(),
                         [&o](int i) { o.rezultati->PrikaziStapSaGrafika(i); }};
}

QString Linije(std::initializer_list<const char*> l) {
    QStringList s;
    for (const char* t : l) s << QString::fromLatin1(t);
    return s.join(QStringLiteral("\r\n"));
}

}  // namespace

TEST(InspekcijaKlika, ToleranceIsAQuarterOfTheShortestMemberAndAtLeastPointTwo) {
    struct Slucaj {
        std::vector<double> duzine;
        long double tol;
    };
    const std::vector<Slucaj> slucajevi = {{{}, 0.2L},           {{0.4}, 0.2L},    {{10}, 2.5L},
                                           {{12, 10, 16}, 2.5L}, {{2, 0.8}, 0.2L}, {{4, 1.6}, 0.4L}};
    for (const Slucaj& s : slucajevi) {
        TOkruzenjeAnalize o;
        o.MaterijalIPresek(2e8L, 1e-3L);
        double x = 0;
        TCvor* a = o.Cvor(0, 0);
        for (double d : s.duzine) {
            x += d;
            TCvor* b = o.Cvor(x, 0);
            o.Stap(a, b, tsK);
            a = b;
        }
        EXPECT_NEAR(static_cast<double>(TolerancijaKlika(o.model)), static_cast<double>(s.tol), 1e-12);
    }
}

TEST(InspekcijaKlika, NodeAndMemberTextsLineByLine) {
    TOkruzenjeAnalize o;
    o.MaterijalIPresek(2e8L, 1e-3L);
    TCvor* a = o.Cvor(0, 0, true, true, true);
    TCvor* b = o.Cvor(3, 4);
    b->SetPx(1.5);
    b->SetPz(-2);
    b->SetMkoncY(0.25);
    b->SetZadatoUz(0.01);
    b->SetUx(0.001);
    b->SetUz(-0.002);
    b->SetFiy(0.0005);
    a->SetRx(-1.5);
    a->SetRz(2);
    a->SetMukljY(7.5);
    o.Stap(a, b, tsIG);
    o.Raspodeljeno("sneg", 0, -3);
    o.Raspodeljeno("tudje", 7, -3);
    o.Raspodeljeno("vetar", 0, 1);

    EXPECT_EQ(QString::fromStdString(TekstCvoraZaKlik(*b, "2")), Linije({"PODACI O SELEKTOVANOM CVORU:",
                                                                         "Broj cvora = 1",
                                                                         "X = 3",
                                                                         "Z = 4",
                                                                         "Oslonac X = NE",
                                                                         "Oslonac Z = NE",
                                                                         "Ukljestenje Y = NE",
                                                                         "Px = 1.5",
                                                                         "Pz = -2",
                                                                         "My = 0.25",
                                                                         "Broj pomeranja u X pravcu = 4",
                                                                         "Broj pomeranja u Z pravcu = 5",
                                                                         "Broj obrtanja oko Y ose = 6",
                                                                         "Zadato pomeranje u X pravcu = 0",
                                                                         "Zadato pomeranje u Z pravcu = 0.01",
                                                                         "Zadato obrtanje oko Y ose = 0",
                                                                         "Mnozilac pomeranja i obrtanja = 2",
                                                                         "Ux = 0.002",
                                                                         "Uz = -0.004",
                                                                         "FiY = 0.001"}));
    // A factor that is no positive number leaves out the displacements, not the reactions.
    for (const char* f : {"0", "-1", "x"})
        EXPECT_EQ(
            QString::fromStdString(TekstCvoraZaKlik(*a, f)),
            Linije({"PODACI O SELEKTOVANOM CVORU:", "Broj cvora = 0", "X = 0", "Z = 0", "Oslonac X = DA",
                    "Oslonac Z = DA", "Ukljestenje Y = DA", "Px = 0", "Pz = 0", "My = 0",
                    "Broj pomeranja u X pravcu = 1", "Broj pomeranja u Z pravcu = 2", "Broj obrtanja oko Y ose = 3",
                    "Zadato pomeranje u X pravcu = 0", "Zadato pomeranje u Z pravcu = 0",
                    "Zadato obrtanje oko Y ose = 0", "Rx = -1.5", "Rz = 2", "MiY = 7.5"}))
            << f;
    EXPECT_EQ(QString::fromStdString(TekstStapaZaKlik(o.model, *o.model.nizStapova[0])),
              Linije({"PODACI O SELEKTOVANOM STAPU:", "Broj stapa = 0", "Tip stapa = \"ig\"",
                      "Materijal stapa = \"Celik (ID=0)\"", "Presek stapa = \"Profil (ID=0)\"",
                      "Pocetni cvor stapa = 0", "Krajnji cvor stapa = 1", "Ime opterecenja stapa = \"sneg (ID=0)\"",
                      "Ime opterecenja stapa = \"vetar (ID=2)\"", "Lstapa = 5",
                      "SILE I POMERANJA NA KRAJEVIMA STAPA POGLEDAJTE U TABU LEVO!!!"}));
}

TEST(InspekcijaKlika, ClicksShowNodesFirstThenMembersWithThePageSwitch) {
    TOkruzenjeAnalize o;
    o.MaterijalIPresek(2e8L, 1e-3L);
    // A 0.4 long bar (tolerance raised to 0.2), a second bar, and a node at (-2, 0).
    TCvor* a = o.Cvor(0, 0, true, true);
    TCvor* b = o.Cvor(0.4, 0, false, true);
    TCvor* c = o.Cvor(0.4, 3, true, true);
    TCvor* d = o.Cvor(-2, 0, true, true);
    o.Stap(a, b, tsProst);
    o.Stap(b, c, tsProst);
    o.Stap(d, a, tsProst);
    TCvor* e = o.Cvor(0.5, 0.1);
    o.rezultati->OsveziListe();
    const QString cvorA = "I:" + QString::fromStdString(TekstCvoraZaKlik(*a, "1.0"));
    const QString cvorB = "I:" + QString::fromStdString(TekstCvoraZaKlik(*b, "1.0"));
    const QString cvorE = "I:" + QString::fromStdString(TekstCvoraZaKlik(*e, "1.0"));
    const QString stap0 = "I:" + QString::fromStdString(TekstStapaZaKlik(o.model, *o.model.nizStapova[0]));
    const QString stap1 = "I:" + QString::fromStdString(TekstStapaZaKlik(o.model, *o.model.nizStapova[1]));

    struct Slucaj {
        const char* opis;
        double mx, mz;
        QStringList dogadjaji;
    };
    const std::vector<Slucaj> slucajevi = {
        {"daleko od svega", 10, 10, {}},
        {"cvor", 0.42, -0.12, {cvorB}},
        // The node and the midpoint of the first bar are both within 0.2.
        {"cvor i sredina stapa", 0.1, 0, {cvorA, "strana 7", stap0}},
        {"dva cvora", 0.45, 0.05, {cvorB, cvorE}},
        // Signed coordinates: the node at (-2, 0) is not near (2, 0).
        {"zrcalna tacka", 2, 0, {}},
        {"sredina drugog stapa", 0.45, 1.45, {"strana 7", stap1}},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        o.dogadjaji.clear();
        o.rezultati->PageControlUlazIzlaz->setCurrentIndex(0);
        PlotChartGrafikClick(Klik(o), s.mx, s.mz);
        EXPECT_EQ(o.dogadjaji, s.dogadjaji);
    }
    // The last member picked is selected, its page and tab are in view.
    EXPECT_EQ(o.rezultati->ComboBoxRezultatStap->currentIndex(), 1);
    EXPECT_EQ(o.rezultati->PageControlUlazIzlaz->currentIndex(), 15);
    EXPECT_EQ(o.rezultati->PageControlUlazIzlaz->tabText(15), "R - sile");
    EXPECT_EQ(o.glavnaStrana, StranaRezultata);
}

TEST(InspekcijaKlika, PickedMemberShowsItsEndForcesAfterARun) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    o.Tabela("StringGridR").Isprazni();
    o.dogadjaji.clear();
    PlotChartGrafikClick(Klik(o), 2, 0);
    ASSERT_EQ(o.dogadjaji.size(), 2);
    EXPECT_EQ(o.Tabela("StringGridR").BrojRedova(), 5);
    EXPECT_EQ(o.Celija("StringGridR", 2, 3), "10");
    EXPECT_TRUE(o.dogadjaji[1].endsWith("Lstapa = 4\r\nSILE I POMERANJA NA KRAJEVIMA STAPA POGLEDAJTE U TABU LEVO!!!"));
}
