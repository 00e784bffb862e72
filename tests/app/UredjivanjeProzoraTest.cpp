// Undo and redo of every page command, the modified flag and caption, the unsaved-changes question
// and the wheel over closed lists, all through the real window.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QWheelEvent>

#include <memory>

#include "ModelFajl.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

using TOdgovor = TDijalozi::TOdgovor;
const QString primer = QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt");

struct TProzor {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    explicit TProzor(const QStringList& argumenti = {}) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(argumenti, std::move(dijalozi));
    }
    template <class T>
    T* K(const char* ime) {
        T* k = w->findChild<T*>(QString::fromLatin1(ime));
        EXPECT_NE(k, nullptr) << ime;
        return k;
    }
    void Meni(const char* ime) { K<QAction>(ime)->trigger(); }
    void Klik(const char* ime) { K<QPushButton>(ime)->click(); }
    void Upisi(const char* ime, const char* t) { K<QLineEdit>(ime)->setText(QString::fromLatin1(t)); }
    void Izaberi(const char* ime, int i) { K<QComboBox>(ime)->setCurrentIndex(i); }
    // The model as the model writer puts it in a file.
    std::string Fajl() {
        TPodesavanja p;
        return ModelUTekst(w->Model(), p);
    }
    void DodajCvor(const char* x, const char* z) {
        Upisi("EditXkoordinataCvora", x);
        Upisi("EditZkoordinataCvora", z);
        Klik("ButtonDodajCvor");
    }
};

struct TKorakStranice {
    const char* naziv;  // the command's name in the "Uredi" menu
    std::function<void(TProzor&)> uradi;
};

}  // namespace

TEST(UredjivanjeProzora, UndoAndRedoOfEveryPageCommandRestoreTheModelFile) {
    TProzor p;
    const std::vector<TKorakStranice> koraci = {
        {"Dodaj materijal", [](TProzor& p) { p.Klik("ButtonDodajMaterijal"); }},
        {"Promeni materijal",
         [](TProzor& p) {
             p.Upisi("EditImeMaterijala", "Beton");
             p.Klik("ButtonPromeniMaterijal");
         }},
        {"Dodaj materijal",
         [](TProzor& p) {
             p.Upisi("EditImeMaterijala", "Celik");
             p.Klik("ButtonDodajMaterijal");
         }},
        {"Obrisi materijal", [](TProzor& p) { p.Klik("ButtonObrisiMaterijal"); }},
        {"Dodaj presek", [](TProzor& p) { p.Klik("ButtonDodajPresek"); }},
        {"Promeni presek",
         [](TProzor& p) {
             p.Upisi("EditAksijalniMomentInercije", "0.004");
             p.Klik("ButtonPromeniPresek");
         }},
        {"Dodaj cvor", [](TProzor& p) { p.DodajCvor("0", "0"); }},
        {"Dodaj cvor", [](TProzor& p) { p.DodajCvor("5", "0"); }},
        {"Dodaj cvor", [](TProzor& p) { p.DodajCvor("5", "3"); }},
        {"Promeni cvor",
         [](TProzor& p) {
             p.Upisi("EditXkoordinataCvora", "6");
             p.Klik("ButtonPromeniCvor");
         }},
        {"Dodaj cvor", [](TProzor& p) { p.DodajCvor("9", "9"); }},
        {"Obrisi cvor", [](TProzor& p) { p.Klik("ButtonObrisiCvor"); }},
        {"Dodaj stap",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakCvorovaZaPocetniCvorStapa", 0);
             p.Izaberi("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa", 1);
             p.Klik("ButtonDodajStap");
         }},
        {"Dodaj stap",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakCvorovaZaPocetniCvorStapa", 1);
             p.Izaberi("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa", 2);
             p.Klik("ButtonDodajStap");
         }},
        {"Promeni stap",
         [](TProzor& p) {
             p.Izaberi("ComboBoxTipStapa", 3);
             p.Klik("ButtonPromeniStap");
         }},
        {"Promeni oslonac",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakCvorovaZaOslonce", 0);
             p.K<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
             p.K<QCheckBox>("CheckBoxUkljestenje")->setChecked(true);
             p.Klik("ButtonPromeniOslonac");
         }},
        {"Promeni opterecenje cvora",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakCvorovaZaOpterecenje", 2);
             p.Upisi("EditKoncSilaUCvoruPx", "10");
             p.Klik("ButtonPromeniOpterecenjeCvora");
         }},
        {"Dodaj opterecenje",
         [](TProzor& p) {
             p.Upisi("EditImeOpterecenjaZaStap", "q");
             p.Upisi("EditIntenzitetRaspodeljenogOpterecenjaStapa", "-10");
             p.Klik("ButtonDodajOpterecenjePn");
         }},
        {"Dodaj opterecenje",
         [](TProzor& p) {
             p.Upisi("EditImeOpterecenjaZaStap", "F");
             p.Klik("ButtonDodajOpterecenjeV");
         }},
        {"Promeni opterecenje",
         [](TProzor& p) {
             p.Upisi("EditVrednostKoncSileNaStapu", "7");
             p.Klik("ButtonPromeniOpterecenjeV");
         }},
        {"Pridruzi opterecenje stapu",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakOpterecenjaStapova", 0);
             p.Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 1);
             p.Klik("ButtonPridruziOpterecenjeStapu");
         }},
        {"Obrisi opterecenje sa stapa",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakOpterecenjaStapova", 0);
             p.Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 1);
             p.Klik("ButtonObrisiOpterecenjeSaStapa");
         }},
        {"Pridruzi opterecenje stapu",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakOpterecenjaStapova", 1);
             p.Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 0);
             p.Klik("ButtonPridruziOpterecenjeStapu");
         }},
        {"Pridruzi opterecenje stapovima",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakOpterecenjaStapova", 0);
             auto* lista = p.K<QListWidget>("ListBoxStapoviZaOpterecenje");
             for (int i = 0; i < lista->count(); ++i) lista->item(i)->setSelected(true);
             p.Klik("ButtonPridruziIzabranimStapovima");
         }},
        {"Obrisi stap",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakStapova", 0);
             p.Klik("ButtonObrisiStap");
         }},
        {"Obrisi opterecenje",
         [](TProzor& p) {
             p.Izaberi("ComboBoxSpisakOpterecenjaStapova", 0);
             p.Klik("ButtonObrisiOpterecenjeStapa");
         }},
    };
    std::vector<std::string> stanja{p.Fajl()};
    EXPECT_FALSE(p.w->Ponisti1->isEnabled());
    for (const auto& k : koraci) {
        k.uradi(p);
        ASSERT_TRUE(p.d->zapisi.empty()) << k.naziv << ": " << p.d->PoslednjiTekst().toStdString();
        ASSERT_NE(p.Fajl(), stanja.back()) << k.naziv;
        stanja.push_back(p.Fajl());
        EXPECT_EQ(p.w->Ponisti1->text().remove(u'&'), QStringLiteral("Ponisti: ") + k.naziv);
        EXPECT_FALSE(p.w->Ponovi1->isEnabled());
    }
    for (size_t i = koraci.size(); i > 0; --i) {
        ASSERT_TRUE(p.w->Ponisti1->isEnabled());
        EXPECT_EQ(p.w->Ponisti1->text().remove(u'&'), QStringLiteral("Ponisti: ") + koraci[i - 1].naziv);
        p.Meni("Ponisti1");
        EXPECT_EQ(p.Fajl(), stanja[i - 1]) << "undo " << koraci[i - 1].naziv;
        EXPECT_EQ(p.w->Ponovi1->text().remove(u'&'), QStringLiteral("Ponovi: ") + koraci[i - 1].naziv);
        // The pages show the model they now hold.
        EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakCvorova")->count(), static_cast<int>(p.w->Model().nizCvorova.size()));
        EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakStapova")->count(), static_cast<int>(p.w->Model().nizStapova.size()));
    }
    EXPECT_FALSE(p.w->Ponisti1->isEnabled());
    EXPECT_EQ(p.w->Ponisti1->text().remove(u'&'), "Ponisti");
    for (size_t i = 1; i <= koraci.size(); ++i) {
        p.Meni("Ponovi1");
        EXPECT_EQ(p.Fajl(), stanja[i]) << "redo " << koraci[i - 1].naziv;
    }
    EXPECT_FALSE(p.w->Ponovi1->isEnabled());
    EXPECT_TRUE(p.d->zapisi.empty());
}

TEST(UredjivanjeProzora, UndoClearsResultsAndTheListsShowWhatWasAddedOrChanged) {
    TProzor p;
    p.DodajCvor("0", "0");
    p.DodajCvor("5", "0");
    p.DodajCvor("5", "3");
    // The list shows the node just added, not the first one.
    EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakCvorova")->currentIndex(), 2);
    EXPECT_EQ(p.K<QLineEdit>("EditXkoordinataCvora")->text(), "5");
    p.Izaberi("ComboBoxSpisakCvorova", 1);
    p.Upisi("EditZkoordinataCvora", "1");
    p.Klik("ButtonPromeniCvor");
    EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakCvorova")->currentIndex(), 1);
    EXPECT_EQ(p.K<QLineEdit>("EditZkoordinataCvora")->text(), "1");
    p.Upisi("EditImeMaterijala", "A");
    p.Klik("ButtonDodajMaterijal");
    p.Upisi("EditImeMaterijala", "B");
    p.Klik("ButtonDodajMaterijal");
    EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakImenaMaterijala")->currentText(), "B");

    // An undo keeps the selection where it still exists and clears the results.
    p.w->Stanje().matricaKGKS = GustiIzvor(TMatrix());
    p.Meni("Ponisti1");
    EXPECT_FALSE(p.w->Stanje().matricaKGKS);
    EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakImenaMaterijala")->currentText(), "A");
    EXPECT_EQ(p.K<QComboBox>("ComboBoxSpisakCvorova")->currentIndex(), 1);
}

TEST(UredjivanjeProzora, ModifiedFlagAndCaptionThroughEditSaveAndUndo) {
    QTemporaryDir dir;
    const QString a = dir.filePath("a.velt");
    TProzor p;
    EXPECT_EQ(p.w->windowTitle(), "VELT");
    p.DodajCvor("0", "0");
    EXPECT_EQ(p.w->windowTitle(), "VELT - *");
    p.d->imenaFajlova = {a};
    p.Meni("Snimi1");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a);
    p.DodajCvor("1", "0");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a + "*");
    p.Meni("Ponisti1");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a);
    p.Meni("Ponisti1");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a + "*");
    p.Meni("Ponovi1");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a);
    // A refused command is no change.
    p.DodajCvor("0", "0");
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a);
    // Display settings are not model changes.
    p.K<QCheckBox>("CheckBoxPrikaziBrojCvora")->click();
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + a);
    EXPECT_EQ(p.w->Ponisti1->text().remove(u'&'), "Ponisti: Dodaj cvor");
    // Opening starts a fresh history.
    p.d->imenaFajlova = {primer};
    p.Meni("Otvori1");
    EXPECT_FALSE(p.w->Ponisti1->isEnabled());
    EXPECT_EQ(p.w->windowTitle(), "VELT - " + primer);
}

TEST(UredjivanjeProzora, UnsavedChangesQuestionForNewOpenAndClose) {
    const QString pitanje = "Model je izmenjen. Da li zelite da sacuvate izmene?";
    enum TKomanda { Nov, Otvori, Zatvori };
    struct TSlucaj {
        TKomanda komanda;
        TOdgovor odgovor;
        bool imeZaSnimanje;  // the save dialog gets a name (else it is cancelled)
        bool nastavlja;      // the command went on
        bool snimljeno;
    };
    const TSlucaj slucajevi[] = {
        {Nov, TOdgovor::Da, true, true, true},       {Nov, TOdgovor::Da, false, false, false},
        {Nov, TOdgovor::Ne, false, true, false},     {Nov, TOdgovor::Otkazi, false, false, false},
        {Otvori, TOdgovor::Da, true, true, true},    {Otvori, TOdgovor::Da, false, false, false},
        {Otvori, TOdgovor::Ne, false, true, false},  {Otvori, TOdgovor::Otkazi, false, false, false},
        {Zatvori, TOdgovor::Da, true, true, true},   {Zatvori, TOdgovor::Da, false, false, false},
        {Zatvori, TOdgovor::Ne, false, true, false}, {Zatvori, TOdgovor::Otkazi, false, false, false},
    };
    for (const TSlucaj& s : slucajevi) {
        QTemporaryDir dir;
        const QString ime = dir.filePath("izmene.velt");
        TProzor p;
        p.w->show();
        p.DodajCvor("0", "0");
        p.d->odgovori3 = {s.odgovor};
        if (s.odgovor == TOdgovor::Da) p.d->imenaFajlova.push_back(s.imeZaSnimanje ? ime : QString());
        if (s.komanda == Otvori) p.d->imenaFajlova.push_back(primer);
        switch (s.komanda) {
            case Nov: p.Meni("Nov1"); break;
            case Otvori: p.Meni("Otvori1"); break;
            case Zatvori: p.w->close(); break;
        }
        const std::string slucaj = std::to_string(int(s.komanda)) + "/" + std::to_string(int(s.odgovor)) + "/" +
                                   std::to_string(s.imeZaSnimanje);
        ASSERT_FALSE(p.d->zapisi.empty()) << slucaj;
        EXPECT_EQ(p.d->zapisi.front().vrsta, "pitanje3") << slucaj;
        EXPECT_EQ(p.d->zapisi.front().tekst, pitanje) << slucaj;
        EXPECT_EQ(QFile::exists(ime), s.snimljeno) << slucaj;
        // Closing with unsaved changes asks only this question.
        EXPECT_FALSE(p.d->Vrste().contains("pitanje")) << slucaj;
        if (s.komanda == Zatvori) {
            EXPECT_EQ(p.w->isVisible(), !s.nastavlja) << slucaj;
        } else if (s.komanda == Nov) {
            EXPECT_EQ(p.w->Model().Prazan(), s.nastavlja) << slucaj;
        } else {
            EXPECT_EQ(p.w->Model().nizCvorova.size() > 1, s.nastavlja) << slucaj;
            EXPECT_EQ(p.w->PutanjaDoFajla() == primer, s.nastavlja) << slucaj;
        }
        if (!s.nastavlja) {
            EXPECT_EQ(p.w->Model().nizCvorova.size(), 1u) << slucaj;
            EXPECT_TRUE(p.w->windowTitle().endsWith("*")) << slucaj;
        }
    }

    // Without unsaved changes everything is as before: no question for "Nov...", "Zatvori program?"
    // on closing.
    TProzor c;
    c.w->show();
    c.Meni("Nov1");
    EXPECT_TRUE(c.d->zapisi.empty());
    c.w->close();
    EXPECT_EQ(c.d->Vrste(), QStringList({"pitanje"}));
    EXPECT_EQ(c.d->zapisi.back().tekst, "Zatvori program?");

    // Started with a file, "Nov..." asks before starting a fresh instance.
    for (TOdgovor o : {TOdgovor::Otkazi, TOdgovor::Ne}) {
        TProzor s({primer});
        int pokrenuto = 0;
        s.w->pokreniNovuInstancu = [&] { return ++pokrenuto, true; };
        s.w->show();
        s.K<QPushButton>("ButtonDodajMaterijal")->click();
        s.d->odgovori3 = {o};
        s.Meni("Nov1");
        EXPECT_EQ(s.d->Vrste(), QStringList({"pitanje3"}));
        EXPECT_EQ(pokrenuto, o == TOdgovor::Ne ? 1 : 0);
        EXPECT_EQ(s.w->isVisible(), o == TOdgovor::Otkazi);
    }
}

TEST(UredjivanjeProzora, WheelOverAClosedListWithoutFocusChangesNothing) {
    TProzor p;
    p.w->show();
    p.DodajCvor("0", "0");
    p.DodajCvor("1", "0");
    p.DodajCvor("2", "0");
    p.w->PageControlGlavniMeni->setCurrentIndex(TFormGlavniProzor::StranaCvor);
    auto* spin = new QSpinBox(p.K<QLineEdit>("EditXkoordinataCvora")->parentWidget());
    spin->setValue(5);
    spin->show();
    QApplication::processEvents();
    auto tocak = [](QWidget* w, int smer) {
        QWheelEvent e(QPointF(5, 5), w->mapToGlobal(QPointF(5, 5)), QPoint(), QPoint(0, 120 * smer), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(w, &e);
    };
    QComboBox* lista = p.K<QComboBox>("ComboBoxSpisakCvorova");
    lista->setCurrentIndex(1);
    const std::string pre = p.Fajl();
    tocak(lista, -1);
    tocak(spin, 1);
    EXPECT_EQ(lista->currentIndex(), 1);
    EXPECT_EQ(spin->value(), 5);
    EXPECT_EQ(p.K<QLineEdit>("EditXkoordinataCvora")->text(), "1");
    EXPECT_EQ(p.Fajl(), pre);
    // With the keyboard focus the wheel works as usual.
    QApplication::setActiveWindow(p.w.get());
    lista->setFocus();
    QApplication::processEvents();
    if (lista->hasFocus()) {
        tocak(lista, -1);
        EXPECT_EQ(lista->currentIndex(), 2);
    }
}
