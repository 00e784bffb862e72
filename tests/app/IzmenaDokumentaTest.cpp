// One change event: what the document announces, and how the window's parts follow it. Page
// edits, mouse drawing and undo all reach the pages, result lists, plot and caption through it; a
// change refreshes only what it concerns.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <vector>

#include "CekanjeAnalize.h"
#include "DokumentModela.h"
#include "PlotChart.h"
#include "TabelaMatrice.h"
#include "PomocniProzora.h"
#include "ProzorNaEkranu.h"
#include "UnitGlavniProzor.h"
#include "UredjivanjeCvorova.h"

namespace {

// Every announcement of a document, in order.
struct TSlusalac {
    std::vector<TIzmena> izmene;
    explicit TSlusalac(TDokumentModela& d) {
        QObject::connect(&d, &TDokumentModela::izmenjen, [this](const TIzmena& i) { izmene.push_back(i); });
    }
};

struct TProzor : TProzorNaEkranu {
    template <class T>
    T* K(const char* ime) {
        T* k = w->findChild<T*>(QString::fromLatin1(ime));
        EXPECT_NE(k, nullptr) << ime;
        return k;
    }
    QComboBox* Spisak(const char* ime) { return K<QComboBox>(ime); }
    void DodajCvor(const char* x, const char* z) {
        K<QLineEdit>("EditXkoordinataCvora")->setText(QString::fromLatin1(x));
        K<QLineEdit>("EditZkoordinataCvora")->setText(QString::fromLatin1(z));
        K<QPushButton>("ButtonDodajCvor")->click();
    }
    void Crtaj(double x1, double z1, double x2, double z2) {
        K<QRadioButton>("RadioGroupAkcijeMisa3")->click();
        w->EditKorakCrtanja->setText(QStringLiteral("1"));
        Klik(x1, z1);
        Klik(x2, z2);
    }
    size_t Stavki() const { return plot->Stavke().size(); }
};

// Counts how often a list is refilled (a refill adds its items again, or resets the list's texts at
// once).
struct TPunjenja {
    int broj = 0;
    explicit TPunjenja(QComboBox* c) {
        QObject::connect(c->model(), &QAbstractItemModel::rowsInserted, [this] { ++broj; });
        QObject::connect(c->model(), &QAbstractItemModel::modelReset, [this] { ++broj; });
    }
    int Broj() const { return broj; }
};

}  // namespace

TEST(IzmenaDokumenta, EveryChangeIsAnnouncedOnceWithWhatItConcerns) {
    OsigurajAplikaciju();
    TDokumentModela d;
    TSlusalac s(d);
    auto dodajCvor = [](const char* x) {
        return [x](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, x, "0"); };
    };
    const unsigned posleKoraka = ddRezultati | ddIstorija | ddPutanja;
    struct TSlucaj {
        const char* opis;
        std::function<void()> radnja;
        std::vector<TIzmena> ocekivano;  // vrsta, delovi, podesavanja, id
    };
    const std::vector<TSlucaj> slucajevi = {
        {"a step",
         [&] { d.Izvrsi("Dodaj cvor", dodajCvor("0")); },
         {{TVrstaIzmene::Komanda, ddCvorovi | posleKoraka, 0, 0}}},
        {"a second step",
         [&] { d.Izvrsi("Dodaj cvor", dodajCvor("4")); },
         {{TVrstaIzmene::Komanda, ddCvorovi | posleKoraka, 0, 1}}},
        {"a refused step", [&] { EXPECT_ANY_THROW(d.Izvrsi("Dodaj cvor", dodajCvor("4"))); }, {}},
        {"undo", [&] { d.Ponisti(); }, {{TVrstaIzmene::Istorija, ddCvorovi | posleKoraka, 0, 1}}},
        {"redo", [&] { d.Ponovi(); }, {{TVrstaIzmene::Istorija, ddCvorovi | posleKoraka, 0, 1}}},
        {"nothing to redo", [&] { d.Ponovi(); }, {}},
        {"saved", [&] { d.Snimljen(); }, {{TVrstaIzmene::Snimanje, ddPutanja, 0, -1}}},
        {"equal settings", [&] { d.PostaviPodesavanja(d.Podesavanja()); }, {}},
        {"two setting groups",
         [&] {
             d.IzmeniPodesavanja([](TPodesavanja& p) {
                 p.mrezaGrafika = !p.mrezaGrafika;
                 p.prikaziBrojCvora = !p.prikaziBrojCvora;
             });
         },
         {{TVrstaIzmene::Podesavanja, ddPodesavanja, dpMreza | dpCrtez, -1}}},
        {"results cleared", [&] { d.ObrisiRezultate(); }, {{TVrstaIzmene::Rezultati, ddRezultati, 0, -1}}},
        {"a new model", [&] { d.NovModel(); }, {{TVrstaIzmene::NoviModel, ddSve & ~ddRezultati, ~0u, -1}}},
    };
    for (const auto& sl : slucajevi) {
        s.izmene.clear();
        sl.radnja();
        ASSERT_EQ(s.izmene.size(), sl.ocekivano.size()) << sl.opis;
        for (size_t i = 0; i < s.izmene.size(); ++i) {
            EXPECT_EQ(s.izmene[i].vrsta, sl.ocekivano[i].vrsta) << sl.opis;
            EXPECT_EQ(s.izmene[i].delovi, sl.ocekivano[i].delovi) << sl.opis;
            EXPECT_EQ(s.izmene[i].podesavanja, sl.ocekivano[i].podesavanja) << sl.opis;
            EXPECT_EQ(s.izmene[i].id, sl.ocekivano[i].id) << sl.opis;
        }
    }
}

TEST(IzmenaDokumenta, AStepClearsTheResultsBeforeItIsAnnounced) {
    OsigurajAplikaciju();
    TDokumentModela d;
    d.Stanje().Inicijalizuj();
    ASSERT_TRUE(d.Stanje().nizKodnihBrojeva.has_value());
    bool obrisanoPre = false;
    QObject::connect(&d, &TDokumentModela::izmenjen,
                     [&](const TIzmena&) { obrisanoPre = !d.Stanje().nizKodnihBrojeva.has_value(); });
    d.Izvrsi("Dodaj cvor", [](TModel& m) { return DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, "0", "0"); });
    EXPECT_TRUE(obrisanoPre);
}

TEST(IzmenaDokumenta, PageEditDrawingAndUndoReachPagesResultListsPlotAndCaption) {
    TProzor p;
    QAction* ponisti = p.K<QAction>("Ponisti1");
    const size_t prazno = p.Stavki();

    // A page edit.
    p.DodajCvor("1", "1");
    p.DodajCvor("5", "1");
    EXPECT_EQ(p.Spisak("ComboBoxRezultatCvor")->count(), 2);
    EXPECT_EQ(ponisti->text(), QStringLiteral("&Ponisti: Dodaj cvor"));
    EXPECT_TRUE(p.w->windowTitle().endsWith(QLatin1Char('*')));
    const size_t dvaCvora = p.Stavki();
    EXPECT_GT(dvaCvora, prazno);

    // A drawing step: a member from node 0 to a new node, with the default material and section.
    p.Spisak("ComboBoxSpisakCvorova")->setCurrentIndex(1);
    p.Crtaj(1, 1, 3, 4);
    ASSERT_EQ(p.w->Model().nizStapova.size(), 1u);
    EXPECT_EQ(ponisti->text(), QStringLiteral("&Ponisti: Crtaj stap"));
    EXPECT_EQ(p.Spisak("ComboBoxSpisakStapova")->count(), 1);
    EXPECT_EQ(p.Spisak("ComboBoxSpisakImenaMaterijala")->count(), 1);
    EXPECT_EQ(p.Spisak("ComboBoxSpisakCvorova")->count(), 3);
    // The node list keeps the node it showed.
    EXPECT_EQ(p.Spisak("ComboBoxSpisakCvorova")->currentIndex(), 1);
    EXPECT_EQ(p.Spisak("ComboBoxRezultatStap")->count(), 1);
    EXPECT_EQ(p.Spisak("ComboBoxRezultatCvor")->count(), 3);
    EXPECT_GT(p.Stavki(), dvaCvora);

    // Undo of the drawing step.
    ponisti->trigger();
    EXPECT_EQ(p.Spisak("ComboBoxSpisakStapova")->count(), 0);
    EXPECT_EQ(p.Spisak("ComboBoxSpisakImenaMaterijala")->count(), 0);
    EXPECT_EQ(p.Spisak("ComboBoxSpisakCvorova")->count(), 2);
    EXPECT_EQ(p.Spisak("ComboBoxSpisakCvorova")->currentIndex(), 1);
    EXPECT_EQ(p.Spisak("ComboBoxRezultatStap")->count(), 0);
    EXPECT_EQ(p.Spisak("ComboBoxRezultatCvor")->count(), 2);
    EXPECT_EQ(p.Stavki(), dvaCvora);
    EXPECT_EQ(ponisti->text(), QStringLiteral("&Ponisti: Dodaj cvor"));
    // Two undos more reach the saved (empty) state: the caption loses its mark.
    ponisti->trigger();
    ponisti->trigger();
    EXPECT_FALSE(p.w->windowTitle().endsWith(QLatin1Char('*')));
    EXPECT_EQ(p.Stavki(), prazno);
    EXPECT_TRUE(p.d->zapisi.empty());
}

TEST(IzmenaDokumenta, ARefreshTouchesOnlyWhatTheChangeConcerns) {
    TProzor p;
    p.DodajCvor("1", "1");
    p.DodajCvor("5", "1");
    p.Crtaj(1, 1, 5, 1);
    ASSERT_EQ(p.w->Model().nizStapova.size(), 1u);
    TPunjenja materijali(p.Spisak("ComboBoxSpisakImenaMaterijala"));
    TPunjenja cvorovi(p.Spisak("ComboBoxSpisakCvorova"));
    TPunjenja stapovi(p.Spisak("ComboBoxSpisakStapova"));
    TPunjenja rezultatCvorova(p.Spisak("ComboBoxRezultatCvor"));

    // A display setting: the plot is redrawn, no list is refilled, the model is no more modified.
    const QString naslov = p.w->windowTitle();
    const size_t pre = p.Stavki();
    p.w->CheckBoxPrikaziBrojCvora->click();
    EXPECT_FALSE(p.w->Podesavanja().prikaziBrojCvora);
    EXPECT_LT(p.Stavki(), pre);
    EXPECT_EQ(materijali.Broj() + cvorovi.Broj() + stapovi.Broj() + rezultatCvorova.Broj(), 0);
    EXPECT_EQ(p.w->windowTitle(), naslov);

    // A drawing step between the two nodes there are: only the lists it touched are refilled.
    p.Crtaj(5, 1, 5, 4);
    ASSERT_EQ(p.w->Model().nizStapova.size(), 2u);
    EXPECT_EQ(materijali.Broj(), 0);
    EXPECT_GT(cvorovi.Broj(), 0);
    EXPECT_GT(stapovi.Broj(), 0);
}

TEST(IzmenaDokumenta, SettingsChangeThroughTheDocumentNotThroughARedraw) {
    TProzor p;
    TSlusalac s(p.w->Dokument());
    // A check box announces its setting once, and the plot follows it.
    p.w->CheckBoxMrezaGrafika->click();
    ASSERT_EQ(s.izmene.size(), 1u);
    EXPECT_EQ(s.izmene[0].vrsta, TVrstaIzmene::Podesavanja);
    EXPECT_EQ(s.izmene[0].podesavanja, unsigned(dpMreza));
    EXPECT_EQ(p.plot->GridStyle(), gsNone);
    // A redraw changes no setting.
    s.izmene.clear();
    p.w->CrtajGrafikGlavni();
    EXPECT_TRUE(s.izmene.empty());
    // Settings changed elsewhere (a document edit, not the controls) show in the controls.
    p.w->Dokument().IzmeniPodesavanja([](TPodesavanja& n) {
        n.mnozilacPomeranja = "25";
        n.prikaziSimbolStapa = false;
        n.akcijeMisa = 1;
    });
    EXPECT_EQ(p.w->EditMnozilacPomeranja->text(), QStringLiteral("25"));
    EXPECT_FALSE(p.w->CheckBoxPrikaziSimbolStapa->isChecked());
    EXPECT_EQ(p.w->AkcijaMisa(), 1);
    EXPECT_EQ(p.plot->MouseAction(), maZoomDrag);
}

TEST(IzmenaDokumenta, ResultsGoWithAModelChangeAndStayWithASettingsChange) {
    OsigurajAplikaciju();
    auto dijalozi = std::make_unique<TLazniDijalozi>();
    TFormGlavniProzor w(QStringList{QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt")}, std::move(dijalozi));
    w.pokreniNovuInstancu = [] { return false; };
    auto K = [&w](const char* ime) { return w.findChild<QWidget*>(QString::fromLatin1(ime)); };
    auto celija = [&w] {
        auto* r = w.findChild<QWidget*>(QStringLiteral("StringGridK"));
        return r ? static_cast<TStringGrid*>(r)->Celija(0, 0) : QString();
    };
    w.findChild<QAction*>(QStringLiteral("Pokrenianalizu1"))->trigger();
    SacekajAnalizu(w);
    ASSERT_NE(celija(), QString());

    // Settings: the grids keep their results.
    w.CheckBoxDeformacijaNosaca->click();
    EXPECT_NE(celija(), QString());
    ASSERT_TRUE(w.Stanje().nizKodnihBrojeva);

    // A page edit: the document clears the results and the grids follow.
    static_cast<QLineEdit*>(K("EditKoncSilaUCvoruPx"))->setText(QStringLiteral("3"));
    static_cast<QPushButton*>(K("ButtonPromeniOpterecenjeCvora"))->click();
    EXPECT_FALSE(w.Stanje().nizKodnihBrojeva);
    EXPECT_EQ(celija(), QString());
}

TEST(IzmenaDokumenta, TheFactorFieldChangesItsSettingThroughTheDocument) {
    TProzor p;
    TSlusalac s(p.w->Dokument());
    p.K<QLineEdit>("EditVrednostIspredMatricaKrutosti")->setText(QStringLiteral("2"));
    ASSERT_EQ(s.izmene.size(), 1u);
    EXPECT_EQ(s.izmene[0].podesavanja, unsigned(dpFaktor));
    EXPECT_EQ(p.w->Podesavanja().vrednostIspredMatricaKrutosti, "2");
}
