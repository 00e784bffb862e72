// The workbench of the result grids: the splitter, code numbers across K, Kss and inv Kss, the
// full value in the tooltip, Ctrl+C of a selection, and "Izvezi matrice...".
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QKeyEvent>
#include <QSplitter>
#include <QTemporaryDir>

#include "CekanjeAnalize.h"
#include "GlavniProzorPomocTest.h"
#include "StanjeAnalize.h"
#include "TabelaMatrice.h"
#include "ZapisBroja.h"

namespace {

struct TProzorSaRezultatima : TProzor {
    TProzorSaRezultatima() : TProzor({primer}) {
        Meni("Pokrenianalizu1");
        SacekajAnalizu(*w);
    }
    TStringGrid* Grid(const char* ime) { return Kontrola<TStringGrid>(ime); }
};

QString Tacno(double v) { return QString::fromStdString(TacanZapis(v)); }

}  // namespace

TEST(IzvozMatricaProzora, SplitterStartsAtThePagesWidthAndWidensThem) {
    TProzor p;
    p.w->show();
    QApplication::processEvents();
    auto* delilac = p.Kontrola<QSplitter>("SplitterStranaIGrafika");
    ASSERT_NE(delilac, nullptr);
    EXPECT_EQ(p.w->PageControlGlavniMeni->width(), 385);
    const int grafik = p.w->PlotChartGrafik->width();
    delilac->setSizes({385 + 300, delilac->sizes()[1] - 300});
    QApplication::processEvents();
    EXPECT_EQ(p.w->PageControlGlavniMeni->width(), 385 + 300);
    EXPECT_EQ(p.w->PlotChartGrafik->width(), grafik - 300);
    // Not below the specified width.
    delilac->setSizes({100, delilac->sizes()[1] + 585});
    QApplication::processEvents();
    EXPECT_EQ(p.w->PageControlGlavniMeni->width(), 385);
}

TEST(IzvozMatricaProzora, KKssAndInverseCarryCodeNumbersOnBothAxes) {
    TProzorSaRezultatima p;
    const auto& st = p.w->Stanje();
    struct {
        const char* gore;
        const char* matrica;
        const std::vector<int>& kodovi;
    } gridovi[] = {
        {"StringGridKKodniBrojeviHorizontala", "StringGridK", *st.nizKodnihBrojeva},
        {"StringGridKssKodniBrojeviHorizontala", "StringGridKss", *st.nizKodnihBrojevaNepoznatihPomeranja},
        {"StringGridInvKssKodniBrojeviHorizontala", "StringGridInvKss", *st.nizKodnihBrojevaNepoznatihPomeranja}};
    for (const auto& g : gridovi) {
        TStringGrid* grid = p.Grid(g.gore);
        ASSERT_NE(grid, nullptr) << g.gore;
        ASSERT_EQ(grid->Tabela().BrojKolona(), static_cast<int>(g.kodovi.size())) << g.gore;
        for (size_t i = 0; i < g.kodovi.size(); ++i)
            EXPECT_EQ(grid->Celija(static_cast<int>(i), 0), QString::number(g.kodovi[i])) << g.gore;
        // Each label stands over its column: the column fitting gives both the same widths.
        EXPECT_EQ(grid->SirinaKolone(0), p.Grid(g.matrica)->SirinaKolone(0)) << g.gore;
    }
    p.w->ObrisiRezultate();
    EXPECT_EQ(p.Grid("StringGridKKodniBrojeviHorizontala")->Celija(0, 0), "");
}

TEST(IzvozMatricaProzora, CtrlCCopiesTheSelectionTabSeparatedInFullAndTheTooltipShowsIt) {
    TProzorSaRezultatima p;
    TStringGrid* K = p.Grid("StringGridK");
    const TIzvorMatrice& k = *p.w->Stanje().matricaKGKS;
    K->setSelectionMode(QAbstractItemView::ExtendedSelection);
    K->selectionModel()->select(QItemSelection(K->model()->index(0, 1), K->model()->index(1, 2)),
                                QItemSelectionModel::Select);
    QApplication::clipboard()->clear();
    QKeyEvent c(QEvent::KeyPress, Qt::Key_C, Qt::ControlModifier);
    QApplication::sendEvent(K, &c);
    // Rows 1-2, columns 2-3 of K (the factor in front is 1).
    const QString ocekivano = Tacno(k.Element(2, 1)) + "\t" + Tacno(k.Element(3, 1)) + "\n" + Tacno(k.Element(2, 2)) +
                              "\t" + Tacno(k.Element(3, 2)) + "\n";
    EXPECT_EQ(QApplication::clipboard()->text(), ocekivano);
    EXPECT_EQ(K->TekstIzbora(), ocekivano);
    EXPECT_EQ(K->model()->index(0, 0).data(Qt::ToolTipRole).toString(), Tacno(k.Element(1, 1)));
    // The shown text is the specified short form; the tooltip is longer for a value like this.
    EXPECT_NE(K->Celija(0, 0), Tacno(k.Element(1, 1)));
}

TEST(IzvozMatricaProzora, MenuExportWritesEveryMatrixIntoTheChosenFolder) {
    TProzorSaRezultatima p;
    QTemporaryDir dir;
    p.d->imenaFajlova.push_back(dir.filePath("matrice.npy"));
    p.Meni("IzveziMatrice1");
    ASSERT_FALSE(p.d->zapisi.empty());
    EXPECT_EQ(p.d->zapisi.back().vrsta, "informacija") << p.d->zapisi.back().tekst.toStdString();
    EXPECT_EQ(p.d->zapisi.back().tekst, "Snimljeno je 36 fajlova u " + dir.path() + ".");
    EXPECT_EQ(Procitaj(dir.filePath("K.npy")).left(6), QByteArray("\x93NUMPY"));
    EXPECT_TRUE(QFile::exists(dir.filePath("kodovi_2.npy")));

    p.d->imenaFajlova.push_back(dir.filePath("matrice.xls"));
    p.Meni("IzveziMatrice1");
    EXPECT_EQ(p.d->zapisi.back().vrsta, "greska");
    EXPECT_EQ(p.d->zapisi.back().tekst, "Nepoznat format: xls (csv, m, npy, mtx ili tex)!!!");

    const size_t pre = p.d->zapisi.size();
    p.d->imenaFajlova.push_back(QString());  // cancelled: nothing written, nothing said
    p.Meni("IzveziMatrice1");
    EXPECT_EQ(p.d->zapisi.size(), pre + 1);
    EXPECT_EQ(p.d->zapisi.back().vrsta, "snimi");
}

TEST(IzvozMatricaProzora, NothingToExportBeforeARun) {
    TProzor p({primer});
    p.Meni("IzveziMatrice1");
    ASSERT_EQ(p.d->zapisi.size(), 1u);
    EXPECT_EQ(p.d->zapisi[0].vrsta, "greska");
    EXPECT_EQ(p.d->zapisi[0].tekst, "Nema matrica za izvoz: prvo pokrenite analizu!!!");
}

TEST(IzvozMatricaProzora, DigitsChoiceChangesWhatTheGridsShowAndTheirWidths) {
    TProzorSaRezultatima p;
    auto* izbor = p.Kontrola<QComboBox>("ComboBoxBrojCifara");
    ASSERT_NE(izbor, nullptr);
    TStringGrid* K = p.Grid("StringGridK");
    const double k11 = p.w->Stanje().matricaKGKS->Element(1, 1);
    const QString obicno = K->Celija(0, 0);
    struct {
        int indeks;
        QString tekst;
    } slucajevi[] = {{1, QString::fromStdString(ZapisSaCiframa(k11, 4))},
                     {4, QString::fromStdString(ZapisSaCiframa(k11, 15))},
                     {0, obicno}};
    int uska = 0;
    for (const auto& s : slucajevi) {
        izbor->setCurrentIndex(s.indeks);
        EXPECT_EQ(K->Celija(0, 0), s.tekst) << s.indeks;
        if (s.indeks == 1) uska = K->SirinaKolone(0);
        if (s.indeks == 4) {
            EXPECT_GT(K->SirinaKolone(0), uska);
        }
    }
    EXPECT_EQ(K->model()->index(0, 0).data(Qt::ToolTipRole).toString(), Tacno(k11));
}
