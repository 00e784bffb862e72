// The result pages in two levels ("Stap" and "Sistem") over the page control, the tab row that
// wraps instead of scrolling, and the column widths of the grids for every digit count.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSplitter>
#include <QTabBar>
#include <QToolButton>

#include <cmath>
#include <set>

#include "CekanjeAnalize.h"
#include "GlavniProzorPomocTest.h"
#include "GeneratorModela.h"
#include "NavigatorRezultata.h"
#include "RasporedUTok.h"
#include "StranicaAnalizePomocTest.h"
#include "StranicaRezultata.h"
#include "TabelaMatrice.h"
#include "ZapisBroja.h"

namespace {

// Where each page belongs, written out here rather than read from the navigator.
const QStringList straneStapa = {"Matrica transformacije", "MK LKS", "MK GKS", "Q", "R - sile", "Dijagrami"};
const QStringList straneSistema = {"K - GKS",
                                   "Kss",
                                   "Kso",
                                   "Kos",
                                   "Koo",
                                   "inv Kss",
                                   "Ss=Ps+Qs",
                                   "qs - GKS - opterecenje",
                                   "qo - GKS",
                                   "qs - GKS - pomeranje oslonaca",
                                   "qs - GKS - ukupno",
                                   "R - reakcije",
                                   "Brojevi pomeranja",
                                   "Matrica transformacije cvora",
                                   "Uticajne linije"};

void Klikni(QWidget* w, QPoint gde) {
    QMouseEvent pritisak(QEvent::MouseButtonPress, gde, w->mapToGlobal(gde), Qt::LeftButton, Qt::LeftButton,
                         Qt::NoModifier);
    QApplication::sendEvent(w, &pritisak);
    QMouseEvent pustanje(QEvent::MouseButtonRelease, gde, w->mapToGlobal(gde), Qt::LeftButton, Qt::NoButton,
                         Qt::NoModifier);
    QApplication::sendEvent(w, &pustanje);
    QApplication::processEvents();
}

// The main window on the portal frame after a run, its result page in front.
struct TRadniSto : TProzor {
    TStranicaRezultata* rez = nullptr;
    QTabBar* grupe = nullptr;
    QWidget* red = nullptr;
    TRadniSto() : TProzor({primer}) {
        Meni("Pokrenianalizu1");
        SacekajAnalizu(*w);
        w->resize(1200, 900);
        w->show();
        w->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaRezultat);
        QApplication::processEvents();
        rez = w->findChild<TStranicaRezultata*>();
        grupe = Kontrola<QTabBar>("TabBarGrupaRezultata");
        red = Kontrola<QWidget>("TabBarStraneGrupe");
    }
    QTabWidget* Strane() const { return rez->PageControlUlazIzlaz; }
    std::vector<QToolButton*> Vidljivi() const {
        std::vector<QToolButton*> v;
        for (QToolButton* b : red->findChildren<QToolButton*>())
            if (b->isVisibleTo(red)) v.push_back(b);
        return v;
    }
    QStringList VidljiviTekstovi() const {
        QStringList t;
        for (QToolButton* b : Vidljivi()) t << b->text();
        return t;
    }
    void KlikniGrupu(const QString& ime) {
        for (int i = 0; i < grupe->count(); ++i)
            if (grupe->tabText(i) == ime) return Klikni(grupe, grupe->tabRect(i).center());
        ADD_FAILURE() << ime.toStdString();
    }
    void KlikniStranu(const QString& ime) {
        for (QToolButton* b : Vidljivi())
            if (b->text() == ime) return Klikni(b, b->rect().center());
        ADD_FAILURE() << "no visible tab " << ime.toStdString();
    }
    int Indeks(const QString& natpis) const {
        for (int i = 0; i < Strane()->count(); ++i)
            if (Strane()->tabText(i) == natpis) return i;
        return -1;
    }
    double Broj(const char* grid, int k, int r) const {
        return rez->Grid(QString::fromLatin1(grid))->Tabela().TacnaCelija(k, r).toDouble();
    }
};

}  // namespace

TEST(NavigatorRezultata, EveryPageIsTwoClicksAwayFromAPageOfTheOtherGroup) {
    TRadniSto p;
    ASSERT_NE(p.grupe, nullptr);
    ASSERT_NE(p.red, nullptr);
    EXPECT_FALSE(p.Strane()->tabBar()->isVisible());  // no strip with scroll arrows any more
    struct {
        QString grupa, strana, odakle;
    } slucajevi[] = {{"Stap", "R - sile", "Kss"},        {"Stap", "Dijagrami", "Uticajne linije"},
                     {"Stap", "MK GKS", "K - GKS"},      {"Sistem", "Kss", "MK LKS"},
                     {"Sistem", "Uticajne linije", "Q"}, {"Sistem", "Matrica transformacije cvora", "Dijagrami"}};
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.strana.toStdString());
        p.Strane()->setCurrentIndex(p.Indeks(s.odakle));
        p.KlikniGrupu(s.grupa);
        p.KlikniStranu(s.strana);
        EXPECT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), s.strana);
        EXPECT_TRUE(p.Strane()->currentWidget()->isVisible());
    }
}

TEST(NavigatorRezultata, APageChosenInCodeBringsUpItsGroupWithOnlyThatGroupsTabs) {
    TRadniSto p;
    ASSERT_EQ(p.Strane()->count(), straneStapa.size() + straneSistema.size());
    EXPECT_EQ(p.Strane()->tabText(TStranicaRezultata::TabSileStapa), "R - sile");
    for (int i = p.Strane()->count() - 1; i >= 0; --i) {
        const QString natpis = p.Strane()->tabText(i);
        SCOPED_TRACE(natpis.toStdString());
        p.Strane()->setCurrentIndex(i);
        QApplication::processEvents();
        const bool stapa = straneStapa.contains(natpis);
        ASSERT_TRUE(stapa || straneSistema.contains(natpis));
        EXPECT_EQ(p.grupe->tabText(p.grupe->currentIndex()), stapa ? "Stap" : "Sistem");
        EXPECT_EQ(p.VidljiviTekstovi(), stapa ? straneStapa : straneSistema);
        int oznacenih = 0;
        for (QToolButton* b : p.Vidljivi())
            if (b->isChecked()) {
                ++oznacenih;
                EXPECT_EQ(b->text(), natpis);
            }
        EXPECT_EQ(oznacenih, 1);
    }
    // Ctrl+Tab on the pages still steps through them all, across the groups.
    p.Strane()->setCurrentIndex(p.Indeks("Q"));
    QKeyEvent dalje(QEvent::KeyPress, Qt::Key_Tab, Qt::ControlModifier);
    QApplication::sendEvent(p.Strane(), &dalje);
    EXPECT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), "K - GKS");
    EXPECT_EQ(p.grupe->currentIndex(), TStranicaRezultata::GrupaSistem);
    // A click on a member in the plot goes to "R - sile", so the member's group comes up.
    p.Strane()->setCurrentIndex(p.Indeks("Kss"));
    p.rez->PrikaziStapSaGrafika(1);
    EXPECT_EQ(p.grupe->currentIndex(), TStranicaRezultata::GrupaStap);
    EXPECT_EQ(p.Strane()->currentIndex(), TStranicaRezultata::TabSileStapa);
}

TEST(NavigatorRezultata, AGroupChosenAgainShowsThePageLastSeenInIt) {
    TRadniSto p;
    p.KlikniGrupu("Sistem");
    EXPECT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), "K - GKS");  // at first its first page
    p.KlikniStranu("inv Kss");
    p.KlikniGrupu("Stap");
    p.KlikniStranu("Q");
    p.KlikniGrupu("Sistem");
    EXPECT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), "inv Kss");
    p.KlikniGrupu("Stap");
    EXPECT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), "Q");
}

TEST(NavigatorRezultata, TheTabsWrapWithinThePanelAndRewrapWhenItWidens) {
    TRadniSto p;
    p.KlikniGrupu("Sistem");
    auto linije = [&] {
        std::set<int> y;
        for (QToolButton* b : p.Vidljivi()) {
            EXPECT_LE(b->geometry().right(), p.red->width() - 1) << b->text().toStdString();
            EXPECT_GE(b->geometry().left(), 0);
            y.insert(b->geometry().top());
        }
        return static_cast<int>(y.size());
    };
    const int uske = linije();
    EXPECT_GT(uske, 1);
    EXPECT_GE(p.red->height(), uske * p.Vidljivi().front()->height());
    auto* delilac = p.Kontrola<QSplitter>("SplitterStranaIGrafika");
    ASSERT_NE(delilac, nullptr);
    delilac->setSizes({385 + 500, delilac->sizes()[1] - 500});
    QApplication::processEvents();
    const int siroke = linije();
    EXPECT_LT(siroke, uske);
    EXPECT_GE(siroke, 1);
}

TEST(NavigatorRezultata, TheMemberListStillFillsTheMemberPages) {
    TRadniSto p;
    p.KlikniGrupu("Stap");
    p.KlikniStranu("MK LKS");
    ASSERT_EQ(p.Strane()->tabText(p.Strane()->currentIndex()), "MK LKS");
    const double c = p.rez->EditVrednostIspredMatricaKrutosti->text().toDouble();
    ASSERT_GT(c, 0);
    // E = 3e7, nu = 0.2 (G = 1.25e7); member 0 a column 4 long (A 0.09, I 6.75e-4), member 1 a beam
    // 6 long (A 0.15, I 3.125e-3), shear factor 1.2, rigid at both ends. With shear,
    // phi = 12 EI / (G A/1.2 L^2): EA/L, 12EI/(L^3 (1+phi)) and EI (4+phi)/(L (1+phi)).
    struct TStap {
        int stap;
        double EA_L, k22, k33;
    };
    auto stap = [](int i, double A, double I, double L) {
        const double EI = 3e7 * I, phi = 12 * EI / (1.25e7 * A / 1.2 * L * L);
        return TStap{i, 3e7 * A / L, 12 * EI / (L * L * L * (1 + phi)), EI * (4 + phi) / (L * (1 + phi))};
    };
    const TStap stapovi[] = {stap(0, 0.09, 6.75e-4, 4), stap(1, 0.15, 3.125e-3, 6)};
    for (const auto& s : stapovi) {
        SCOPED_TRACE(s.stap);
        p.rez->ComboBoxRezultatStap->setCurrentIndex(s.stap);
        QApplication::processEvents();
        EXPECT_NEAR(p.Broj("StringGridMKLKS", 0, 0), s.EA_L / c, 1e-9 * s.EA_L / c);
        EXPECT_NEAR(p.Broj("StringGridMKLKS", 1, 1), s.k22 / c, 1e-9 * s.k22 / c);
        EXPECT_NEAR(p.Broj("StringGridMKLKS", 2, 2), s.k33 / c, 1e-9 * s.k33 / c);
        EXPECT_NEAR(p.Broj("StringGridMKLKS", 3, 0), -s.EA_L / c, 1e-9 * s.EA_L / c);
        EXPECT_NE(p.rez->Celija(QStringLiteral("StringGridR"), 2, 1), QString());
    }
}

// Each column as wide as its widest shown text + 5, for every digit count; the code numbers across
// K, Kss and inv Kss as wide as the columns they stand over.
TEST(NavigatorRezultata, ColumnsFitTheShownDigitsAndCodeNumbersStandOverTheirColumns) {
    TRadniSto p;
    auto* izbor = p.Kontrola<QComboBox>("ComboBoxBrojCifara");
    ASSERT_NE(izbor, nullptr);
    const char* parovi[][2] = {{"StringGridK", "StringGridKKodniBrojeviHorizontala"},
                               {"StringGridKss", "StringGridKssKodniBrojeviHorizontala"},
                               {"StringGridInvKss", "StringGridInvKssKodniBrojeviHorizontala"}};
    for (int i = 0; i < izbor->count(); ++i) {
        izbor->setCurrentIndex(i);
        SCOPED_TRACE(izbor->currentText().toStdString());
        for (const auto& par : parovi) {
            TStringGrid* m = p.rez->Grid(QString::fromLatin1(par[0]));
            TStringGrid* kodovi = p.rez->Grid(QString::fromLatin1(par[1]));
            const QFontMetrics fm(m->font());
            ASSERT_EQ(kodovi->Tabela().BrojKolona(), m->Tabela().BrojKolona());
            for (int k = 0; k < m->Tabela().BrojKolona(); ++k) {
                EXPECT_EQ(kodovi->SirinaKolone(k), m->SirinaKolone(k)) << par[0] << " column " << k;
                for (int r = 0; r < m->Tabela().BrojRedova(); ++r)
                    EXPECT_GE(m->SirinaKolone(k), fm.horizontalAdvance(m->Celija(k, r)) + 5) << par[0];
            }
        }
    }
}

// On the sparse path the inverse's columns are solved only when read: a chosen digit count still
// leaves room for their numbers.
TEST(NavigatorRezultata, UnreadInverseColumnsHaveRoomForEveryChosenDigit) {
    for (int cifara : {4, 6, 10, 15}) {
        SCOPED_TRACE(cifara);
        TOkruzenjeAnalize o;
        o.model = GenerisiRam(4, 4);
        o.rezultati->OsveziListe();
        o.stanje.zahtevanaPutanja = TPutanjaResavanja::Retka;
        o.Pokreni();
        ASSERT_EQ(o.stanje.putanja, TPutanjaResavanja::Retka);
        auto* izbor = o.rezultati->findChild<QComboBox*>(QStringLiteral("ComboBoxBrojCifara"));
        ASSERT_NE(izbor, nullptr);
        izbor->setCurrentIndex(izbor->findData(cifara));
        TStringGrid* inv = o.rezultati->Grid(QStringLiteral("StringGridInvKss"));
        const QFontMetrics fm(inv->font());
        std::vector<int> sirine;
        for (int k = 0; k < inv->Tabela().BrojKolona(); ++k) sirine.push_back(inv->SirinaKolone(k));
        int tesnih = 0;
        for (int k = 0; k < inv->Tabela().BrojKolona(); ++k)
            for (int r = 0; r < inv->Tabela().BrojRedova(); ++r)
                tesnih += sirine[static_cast<size_t>(k)] < fm.horizontalAdvance(inv->Celija(k, r)) + 5;
        EXPECT_EQ(tesnih, 0);
    }
}

TEST(RasporedUTok, ItemsRunLeftToRightAndWrapAtTheEdge) {
    AplikacijaZaTestove();
    QWidget okvir;
    auto* tok = new TRasporedUTok(&okvir);
    std::vector<QWidget*> w;
    for (int i = 0; i < 7; ++i) {
        w.push_back(new QWidget);
        w.back()->setFixedSize(50, 20);
        tok->addWidget(w.back());
    }
    struct {
        int sirina, visina, kolonaPoRedu;
    } slucajevi[] = {{160, 60, 3}, {150, 60, 3}, {149, 80, 2}, {350, 20, 7}, {1000, 20, 7}, {30, 140, 1}};
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.sirina);
        EXPECT_EQ(tok->heightForWidth(s.sirina), s.visina);
        tok->setGeometry(QRect(0, 0, s.sirina, s.visina));
        for (int i = 0; i < 7; ++i)
            EXPECT_EQ(w[size_t(i)]->geometry(), QRect(50 * (i % s.kolonaPoRedu), 20 * (i / s.kolonaPoRedu), 50, 20))
                << i;
    }
    // A hidden item takes no place.
    okvir.show();
    w[1]->hide();
    EXPECT_EQ(tok->heightForWidth(160), 40);
    tok->setGeometry(QRect(0, 0, 160, 40));
    EXPECT_EQ(w[2]->geometry().topLeft(), QPoint(50, 0));
    EXPECT_EQ(w[4]->geometry().topLeft(), QPoint(0, 20));
    EXPECT_EQ(tok->minimumSize(), QSize(50, 20));
}

TEST(NavigatorRezultata, ItsTabsAreTheTabsOfAPageTabList) {
    TRadniSto p;
    QAccessibleInterface* lista = QAccessible::queryAccessibleInterface(p.red);
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->role(), QAccessible::PageTabList);
    p.Strane()->setCurrentIndex(p.Indeks("Kss"));
    for (QToolButton* b : p.Vidljivi()) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(b);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->role(), QAccessible::PageTab);
        EXPECT_EQ(a->text(QAccessible::Name), b->text());
        EXPECT_EQ(a->state().selected, b->text() == "Kss");
    }
}
