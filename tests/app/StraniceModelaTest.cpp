#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "Dijalozi.h"
#include "KontekstUredjivanja.h"
#include "StraniceModela.h"
#include "UredjivanjeOpterecenja.h"

namespace {

QApplication& Aplikacija() {
    static int argc = 1;
    static char ime[] = "velt_app_tests";
    static char* argv[] = {ime, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    return *static_cast<QApplication*>(QApplication::instance());
}

class TLazniDijalozi : public TDijalozi {
public:
    std::vector<QString> greske, informacije;
    void Greska(QWidget*, const QString& t) override { greske.push_back(t); }
    void Informacija(QWidget*, const QString& t) override { informacije.push_back(t); }
    bool Pitanje(QWidget*, const QString&) override { return true; }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }
};

class TLazniKontekst : public TKontekstUredjivanja {
public:
    TModel model;
    TLazniDijalozi dijalozi;
    int izmena = 0;
    int prozorPreseka = 0;
    TModel& Model() override { return model; }
    TDijalozi& Dijalozi() override { return dijalozi; }
    QWidget* ProzorZaPoruke() override { return nullptr; }
    void PosleIzmeneModela() override { ++izmena; }
    void PrikaziProzorPreseka() override { ++prozorPreseka; }
};

class StraniceModela : public ::testing::Test {
protected:
    void SetUp() override {
        Aplikacija();
        stranice = std::make_unique<TStraniceModela>(kontekst);
    }

    template <class T>
    T* Nadji(const char* ime) {
        for (int i = 0; i < 6; ++i) {
            QWidget* s = stranice->Stranica(i);
            if (s->objectName() == QLatin1String(ime)) return qobject_cast<T*>(s);
            if (T* w = s->findChild<T*>(QLatin1String(ime))) return w;
        }
        ADD_FAILURE() << "no control " << ime;
        return nullptr;
    }
    QLineEdit* Polje(const char* ime) { return Nadji<QLineEdit>(ime); }
    QComboBox* Spisak(const char* ime) { return Nadji<QComboBox>(ime); }
    void Upisi(const char* ime, const char* tekst) { Polje(ime)->setText(QString::fromLatin1(tekst)); }
    void Klik(const char* ime) { Nadji<QPushButton>(ime)->click(); }
    void Izaberi(const char* ime, int indeks) { Spisak(ime)->setCurrentIndex(indeks); }
    QStringList Stavke(const char* ime) {
        QStringList s;
        QComboBox* c = Spisak(ime);
        for (int i = 0; i < c->count(); ++i) s << c->itemText(i);
        return s;
    }
    QStringList Pridruzena() {
        QStringList s;
        auto* l = Nadji<QListWidget>("ListBoxSpisakPridruzenihOpterecenjaStapu");
        for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
        return s;
    }
    QStringList Greske() {
        QStringList s;
        for (const auto& g : kontekst.dijalozi.greske) s << g;
        kontekst.dijalozi.greske.clear();
        return s;
    }

    void DodajCvor(const char* x, const char* z) {
        Upisi("EditXkoordinataCvora", x);
        Upisi("EditZkoordinataCvora", z);
        Klik("ButtonDodajCvor");
    }
    void DodajStap(int materijal, int presek, int pocetni, int krajnji, int tip) {
        Izaberi("ComboBoxSpisakMaterijalaZaStap", materijal);
        Izaberi("ComboBoxSpisakPoprecnihPresekaZaStap", presek);
        Izaberi("ComboBoxSpisakCvorovaZaPocetniCvorStapa", pocetni);
        Izaberi("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa", krajnji);
        Izaberi("ComboBoxTipStapa", tip);
        Klik("ButtonDodajStap");
    }

    TLazniKontekst kontekst;
    std::unique_ptr<TStraniceModela> stranice;
};

}  // namespace

TEST_F(StraniceModela, NamedControlsCarryNameDefaultTextAndLabel) {
    const std::vector<std::pair<const char*, const char*>> polja = {
        {"EditImeMaterijala", "Materijal 1"},
        {"EditModulElasticnosti", "30000000.0"},
        {"EditPoasonovKoeficijent", "0.2"},
        {"EditZapreminskaMasa", "2500.0"},
        {"EditAlfaT", "0.00001"},
        {"EditIDMaterijala", ""},
        {"EditIDPreseka", ""},
        {"EditImePoprecnogPreseka", "Presek 1"},
        {"EditAksijalniMomentInercije", "0.003125"},
        {"EditAksijalnaPovrsinaPoprecnogPreseka", "0.15"},
        {"EditVisinaPoprecnogPreseka", "0.5"},
        {"EditKoeficijentOblikaPoprecnogPreseka", "0.0"},
        {"EditXkoordinataCvora", "0.0"},
        {"EditZkoordinataCvora", "0.0"},
        {"EditKoncSilaUCvoruPx", "0.0"},
        {"EditKoncSilaUCvoruPz", "0.0"},
        {"EditKoncMomentUCvoru", "0.0"},
        {"EditZadatoPomeranjeUXpravcu", "0.0"},
        {"EditZadatoPomeranjeUZpravcu", "0.0"},
        {"EditZadatoObrtanjeUkljestenjaOkoYose", "0.0"},
        {"EditImeOpterecenjaZaStap", "Opterecenje 1"},
        {"EditVrednostKoncSileNaStapu", "0.0"},
        {"EditRelPozKoncSileUOdnosuNaPocetakStapa", "0.5"},
        {"EditKoncMomentNaStapu", "0.0"},
        {"EditRelPozKoncMomentaUOdnosuNaPocetakStapa", "0.5"},
        {"EditIntenzitetRaspodeljenogOpterecenjaStapa", "0.0"},
        {"EditRelPozPocetkaRaspodeljenogOpterecenja", "0.0"},
        {"EditRelPozKrajaRaspodeljenogOpterecenja", "1.0"},
        {"EditTNaStapu", "0.0"},
        {"EditDeltaTNaStapu", "0.0"},
        {"EditVrednostKoncSileNaStapuUPravcuOse", "0.0"},
        {"EditRelPozKoncSileUPravcuOseUOdnosuNaPocetakStapa", "0.5"},
        {"EditIntenzitetRaspodeljenogOpterecenjaStapaUPravcuOse", "0.0"},
        {"EditRelPozPocetkaRaspodeljenogOpterecenjaUPravcuOse", "0.0"},
        {"EditRelPozKrajaRaspodeljenogOpterecenjaUPravcuOse", "1.0"},
    };
    QList<QLabel*> oznake;
    for (int i = 0; i < 6; ++i) oznake += stranice->Stranica(i)->findChildren<QLabel*>();
    auto imaOznaku = [&](QWidget* w) {
        for (QLabel* l : oznake)
            if (l->buddy() == w && !l->text().isEmpty()) return true;
        return false;
    };
    for (const auto& [ime, tekst] : polja) {
        QLineEdit* e = Polje(ime);
        ASSERT_TRUE(e) << ime;
        EXPECT_EQ(e->text(), QString::fromLatin1(tekst)) << ime;
        EXPECT_EQ(e->accessibleDescription(), QString::fromLatin1(ime));
        EXPECT_TRUE(imaOznaku(e)) << ime;
    }
    for (const char* ime :
         {"ComboBoxSpisakImenaMaterijala", "ComboBoxSpisakImenaPreseka", "ComboBoxSpisakCvorova",
          "ComboBoxSpisakStapova", "ComboBoxSpisakMaterijalaZaStap", "ComboBoxSpisakPoprecnihPresekaZaStap",
          "ComboBoxSpisakCvorovaZaPocetniCvorStapa", "ComboBoxSpisakCvorovaZaKrajnjiCvorStapa", "ComboBoxTipStapa",
          "ComboBoxSpisakCvorovaZaOslonce", "ComboBoxSpisakCvorovaZaOpterecenje", "ComboBoxSpisakOpterecenjaStapova",
          "ComboBoxSpisakStapovaZaOpterecenje"}) {
        QComboBox* c = Spisak(ime);
        ASSERT_TRUE(c) << ime;
        EXPECT_FALSE(c->isEditable());
        EXPECT_EQ(c->accessibleDescription(), QString::fromLatin1(ime));
    }
    EXPECT_EQ(Stavke("ComboBoxTipStapa"), (QStringList{"Stap tipa k", "Stap tipa ig", "Stap tipa gk", "Prost stap"}));
    EXPECT_EQ(Spisak("ComboBoxTipStapa")->currentIndex(), 0);
    EXPECT_TRUE(Polje("EditIDMaterijala")->isReadOnly());
    EXPECT_FALSE(Polje("EditZadatoPomeranjeUXpravcu")->isEnabled());
    EXPECT_EQ(Nadji<QCheckBox>("CheckBoxOslonacX")->text(), "Oslonac u X pravcu");
    EXPECT_EQ(Nadji<QCheckBox>("CheckBoxOslonacZ")->text(), "Oslonac u Z pravcu");
    EXPECT_EQ(Nadji<QCheckBox>("CheckBoxUkljestenje")->text(), "Ukljestenje");
    EXPECT_EQ(Nadji<QPushButton>("ButtonKoeficijentKZaPresekPomoc")->text(), "pomoc");
    EXPECT_EQ(Nadji<QPushButton>("ButtonPreseci")->text(), "Preseci");
    EXPECT_EQ(Nadji<QPushButton>("ButtonPridruziOpterecenjeStapu")->text(), "Pridruzi opterecenje stapu");
    EXPECT_EQ(Nadji<QPushButton>("ButtonObrisiOpterecenjeSaStapa")->text(), "Obrisi opterecenje sa stapa");
    const char* stranicaImena[] = {"TabSheetMaterijal", "TabSheetPresek",  "TabSheetCvor",
                                   "TabSheetStap",      "TabSheetOslonac", "TabSheetOpterecenje"};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(stranice->Stranica(i)->objectName(), stranicaImena[i]);
    auto* vrste = Nadji<QTabWidget>("PageControlOpterecenjeStapa");
    ASSERT_EQ(vrste->count(), 7);
    const char* naslovi[] = {"V", "M", "pn", "t", "delta t", "H", "pt"};
    for (int i = 0; i < 7; ++i) EXPECT_EQ(vrste->tabText(i), naslovi[i]);
}

TEST_F(StraniceModela, BuildsAWholeModelThroughThePages) {
    // Materials and sections.
    Klik("ButtonDodajMaterijal");
    Upisi("EditImeMaterijala", "Celik");
    Upisi("EditModulElasticnosti", "2.1e8");
    Upisi("EditPoasonovKoeficijent", "0.3");
    Upisi("EditZapreminskaMasa", "7850");
    Upisi("EditAlfaT", "1.2e-5");
    Klik("ButtonDodajMaterijal");
    Klik("ButtonDodajPresek");
    Upisi("EditImePoprecnogPreseka", "Cev");
    Upisi("EditKoeficijentOblikaPoprecnogPreseka", "2");
    Klik("ButtonDodajPresek");
    EXPECT_EQ(Stavke("ComboBoxSpisakImenaMaterijala"), (QStringList{"Materijal 1", "Celik"}));
    EXPECT_EQ(Stavke("ComboBoxSpisakPoprecnihPresekaZaStap"), (QStringList{"Presek 1", "Cev"}));
    ASSERT_EQ(kontekst.model.nizMaterijala.size(), 2u);
    EXPECT_EQ(kontekst.model.nizMaterijala[1]->E(), 2.1e8L);
    EXPECT_EQ(kontekst.model.nizPreseka[1]->k(), 2);
    // The list shows the entry just added, and the first one on request.
    EXPECT_EQ(Polje("EditIDMaterijala")->text(), "1");
    EXPECT_EQ(Polje("EditAlfaT")->text(), "0.000012");
    Izaberi("ComboBoxSpisakImenaMaterijala", 0);
    EXPECT_EQ(Polje("EditIDMaterijala")->text(), "0");
    EXPECT_EQ(Polje("EditModulElasticnosti")->text(), "30000000");

    // Nodes of a portal frame: 0 (0,0), 1 (0,4), 2 (6,4), 3 (6,0), and 4 (3,6) above it.
    DodajCvor("0", "0");
    DodajCvor("0", "4");
    DodajCvor("6", "4");
    DodajCvor("6", "0");
    DodajCvor("3", "6");
    EXPECT_EQ(Stavke("ComboBoxSpisakCvorovaZaOpterecenje"),
              (QStringList{"Cvor broj 0", "Cvor broj 1", "Cvor broj 2", "Cvor broj 3", "Cvor broj 4"}));
    EXPECT_EQ(kontekst.model.nizCvorova[4]->BrObrtanjaY(), 15);

    // Supports: 0 clamped, 3 pinned.
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 0);
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
    Nadji<QCheckBox>("CheckBoxOslonacZ")->setChecked(true);
    Nadji<QCheckBox>("CheckBoxUkljestenje")->setChecked(true);
    Klik("ButtonPromeniOslonac");
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 3);
    EXPECT_FALSE(Nadji<QCheckBox>("CheckBoxOslonacX")->isChecked());  // shows node 3's own supports
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
    Nadji<QCheckBox>("CheckBoxOslonacZ")->setChecked(true);
    Klik("ButtonPromeniOslonac");
    EXPECT_TRUE(kontekst.model.nizCvorova[0]->UkljY());
    EXPECT_TRUE(kontekst.model.nizCvorova[3]->OslX() && kontekst.model.nizCvorova[3]->OslZ());
    EXPECT_FALSE(kontekst.model.nizCvorova[3]->UkljY());

    // Node loads: a horizontal force on node 1, a settlement of node 3.
    Izaberi("ComboBoxSpisakCvorovaZaOpterecenje", 1);
    EXPECT_FALSE(Polje("EditZadatoPomeranjeUZpravcu")->isEnabled());
    Upisi("EditKoncSilaUCvoruPx", "15");
    Upisi("EditKoncMomentUCvoru", "-2.5");
    Klik("ButtonPromeniOpterecenjeCvora");
    Izaberi("ComboBoxSpisakCvorovaZaOpterecenje", 3);
    EXPECT_TRUE(Polje("EditZadatoPomeranjeUXpravcu")->isEnabled());
    EXPECT_TRUE(Polje("EditZadatoPomeranjeUZpravcu")->isEnabled());
    EXPECT_FALSE(Polje("EditZadatoObrtanjeUkljestenjaOkoYose")->isEnabled());
    EXPECT_EQ(Polje("EditKoncSilaUCvoruPx")->text(), "0");
    Upisi("EditZadatoPomeranjeUZpravcu", "-0.01");
    Klik("ButtonPromeniOpterecenjeCvora");
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorovaZaOpterecenje")->currentIndex(), 3);  // the selection stays
    EXPECT_EQ(kontekst.model.nizCvorova[1]->Px(), 15);
    EXPECT_EQ(kontekst.model.nizCvorova[1]->MkoncY(), -2.5L);
    EXPECT_EQ(kontekst.model.nizCvorova[3]->ZadatoUz(), -0.01L);

    // Members of all four types.
    DodajStap(0, 0, 0, 1, 0);
    DodajStap(1, 1, 1, 2, 1);
    DodajStap(0, 1, 2, 3, 2);
    DodajStap(1, 0, 1, 4, 3);
    DodajStap(1, 0, 4, 2, 3);
    EXPECT_EQ(Greske(), QStringList{});
    ASSERT_EQ(kontekst.model.nizStapova.size(), 5u);
    const int tipovi[] = {0, 1, 2, 3, 3};
    const int krajevi[][2] = {{0, 1}, {1, 2}, {2, 3}, {1, 4}, {4, 2}};
    for (size_t i = 0; i < 5; ++i) {
        const TStap& s = *kontekst.model.nizStapova[i];
        EXPECT_EQ(s.TipStapa(), tipovi[i]);
        EXPECT_EQ(s.PocetniCvor()->ID(), krajevi[i][0]);
        EXPECT_EQ(s.KrajnjiCvor()->ID(), krajevi[i][1]);
    }
    EXPECT_EQ(kontekst.model.nizStapova[1]->Materijal()->Ime(), "Celik");
    EXPECT_EQ(kontekst.model.nizStapova[1]->Presek()->Ime(), "Cev");
    EXPECT_EQ(Stavke("ComboBoxSpisakStapovaZaOpterecenje"),
              (QStringList{"Stap broj 0", "Stap broj 1", "Stap broj 2", "Stap broj 3", "Stap broj 4"}));
    // Selecting a member shows its material, section, nodes and type.
    Izaberi("ComboBoxSpisakStapova", 2);
    EXPECT_EQ(Spisak("ComboBoxSpisakMaterijalaZaStap")->currentIndex(), 0);
    EXPECT_EQ(Spisak("ComboBoxSpisakPoprecnihPresekaZaStap")->currentIndex(), 1);
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorovaZaPocetniCvorStapa")->currentIndex(), 2);
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa")->currentIndex(), 3);
    EXPECT_EQ(Spisak("ComboBoxTipStapa")->currentIndex(), 2);

    // Loads of all seven kinds, each added on its own page.
    struct Vrsta {
        const char* ime;
        const char* dugme;
        std::vector<std::pair<const char*, const char*>> polja;
    };
    const Vrsta vrste[] = {
        {"V1",
         "ButtonDodajOpterecenjeV",
         {{"EditVrednostKoncSileNaStapu", "-10"}, {"EditRelPozKoncSileUOdnosuNaPocetakStapa", "0.25"}}},
        {"M1",
         "ButtonDodajOpterecenjeM",
         {{"EditKoncMomentNaStapu", "4"}, {"EditRelPozKoncMomentaUOdnosuNaPocetakStapa", "1"}}},
        {"pn1",
         "ButtonDodajOpterecenjePn",
         {{"EditIntenzitetRaspodeljenogOpterecenjaStapa", "-3"},
          {"EditRelPozPocetkaRaspodeljenogOpterecenja", "0.2"},
          {"EditRelPozKrajaRaspodeljenogOpterecenja", "0.8"}}},
        {"t1", "ButtonDodajOpterecenjeT", {{"EditTNaStapu", "25"}}},
        {"dt1", "ButtonDodajOpterecenjeDeltaT", {{"EditDeltaTNaStapu", "-12"}}},
        {"H1",
         "ButtonDodajOpterecenjeH",
         {{"EditVrednostKoncSileNaStapuUPravcuOse", "7"}, {"EditRelPozKoncSileUPravcuOseUOdnosuNaPocetakStapa", "0"}}},
        {"pt1",
         "ButtonDodajOpterecenjePt",
         {{"EditIntenzitetRaspodeljenogOpterecenjaStapaUPravcuOse", "1.5"},
          {"EditRelPozPocetkaRaspodeljenogOpterecenjaUPravcuOse", "0"},
          {"EditRelPozKrajaRaspodeljenogOpterecenjaUPravcuOse", "0.5"}}},
    };
    for (const auto& v : vrste) {
        Upisi("EditImeOpterecenjaZaStap", v.ime);
        for (const auto& [polje, tekst] : v.polja) Upisi(polje, tekst);
        Klik(v.dugme);
    }
    EXPECT_EQ(Greske(), QStringList{});
    EXPECT_EQ(Stavke("ComboBoxSpisakOpterecenjaStapova"), (QStringList{"V1", "M1", "pn1", "t1", "dt1", "H1", "pt1"}));
    const std::vector<std::vector<long double>> ocekivano = {{-10, 0.25L}, {4, 1}, {-3, 0.2L, 0.8L}, {25},
                                                             {-12},        {7, 0}, {1.5L, 0, 0.5L}};
    for (int tip = 0; tip < 7; ++tip) {
        const TOpterecenje& o = *kontekst.model.nizOpterecenja[size_t(tip)];
        EXPECT_EQ(o.Tip(), tip);
        EXPECT_EQ(o.IDStapa(), -1);
        EXPECT_EQ(VrednostiOpterecenja(o), ocekivano[size_t(tip)]) << tip;
    }
    EXPECT_EQ(kontekst.model.nizOpterecenja[6]->RaspodeljenoOpterecenjeUPravcuOse(), 1.5L);

    // Assign: load i to member i % 5.
    for (int i = 0; i < 7; ++i) {
        Izaberi("ComboBoxSpisakOpterecenjaStapova", i);
        Izaberi("ComboBoxSpisakStapovaZaOpterecenje", i % 5);
        Klik("ButtonPridruziOpterecenjeStapu");
    }
    EXPECT_EQ(Greske(), QStringList{});
    for (int i = 0; i < 7; ++i) EXPECT_EQ(kontekst.model.nizOpterecenja[size_t(i)]->IDStapa(), i % 5);
    Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 1);
    EXPECT_EQ(Pridruzena(), (QStringList{"M1", "pt1"}));

    // Selecting an H load shows the "H" page with its values.
    Izaberi("ComboBoxSpisakOpterecenjaStapova", 5);
    EXPECT_EQ(Nadji<QTabWidget>("PageControlOpterecenjeStapa")->currentIndex(), 5);
    EXPECT_EQ(Polje("EditImeOpterecenjaZaStap")->text(), "H1");
    EXPECT_EQ(Polje("EditVrednostKoncSileNaStapuUPravcuOse")->text(), "7");
    EXPECT_EQ(Polje("EditRelPozKoncSileUPravcuOseUOdnosuNaPocetakStapa")->text(), "0");
    Izaberi("ComboBoxSpisakOpterecenjaStapova", 6);
    EXPECT_EQ(Nadji<QTabWidget>("PageControlOpterecenjeStapa")->currentIndex(), 6);
    EXPECT_EQ(Polje("EditRelPozKrajaRaspodeljenogOpterecenjaUPravcuOse")->text(), "0.5");
}

TEST_F(StraniceModela, FailuresGoToTheErrorBoxAndChangeNothing) {
    Upisi("EditModulElasticnosti", "0");
    Klik("ButtonDodajMaterijal");
    Klik("ButtonPromeniMaterijal");
    Upisi("EditModulElasticnosti", "1e7");
    Upisi("EditPoasonovKoeficijent", "0,2");
    Klik("ButtonDodajMaterijal");
    EXPECT_EQ(Greske(), (QStringList{"Modul elasticnosti ne moze biti jednak ili manji od nule!!!",
                                     "Prvo morate dodati materijal u spisak da bi ga mogli menjati!!!",
                                     "'0,2' nije ispravan realan broj!!!"}));
    EXPECT_TRUE(kontekst.model.nizMaterijala.empty());
    EXPECT_EQ(kontekst.izmena, 0);

    DodajCvor("0", "0");
    DodajCvor("0.001", "0.001");
    EXPECT_EQ(Greske(), QStringList{"Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova "
                                    "iznosi 0.001!!!"});
    Klik("ButtonPromeniCvor");  // unchanged coordinates collide with the node itself
    EXPECT_EQ(Greske().size(), 1);
    EXPECT_EQ(kontekst.model.nizCvorova.size(), 1u);
    EXPECT_EQ(kontekst.izmena, 1);

    // Without a material and a section "Dodaj" on the member page does nothing at all.
    DodajCvor("1", "0");
    const int izmena = kontekst.izmena;
    DodajStap(-1, -1, 0, 1, 0);
    EXPECT_EQ(Greske(), QStringList{});
    EXPECT_EQ(kontekst.izmena, izmena);
    EXPECT_TRUE(kontekst.model.nizStapova.empty());

    Upisi("EditPoasonovKoeficijent", "0.2");
    Klik("ButtonDodajMaterijal");
    Klik("ButtonDodajPresek");
    DodajStap(0, 0, 1, 1, 0);
    DodajStap(0, 0, 0, 1, 0);
    DodajStap(0, 0, 1, 0, 0);
    Klik("ButtonObrisiCvor");
    Klik("ButtonObrisiMaterijal");
    Klik("ButtonObrisiPresek");
    EXPECT_EQ(Greske(),
              (QStringList{"Izmedju dva ista cvora nije moguce dodati stap!!!",
                           "Izmedju cvorova je vec postoji stap!!!\r\nNije moguce dodati stap \"preko\" stapa!!!",
                           "Cvor je pridruzen stapu. Ne mozete ga obrisati!!!",
                           "Materijal je pridruzen stapu. Ne mozete ga obrisati!!!",
                           "Presek je pridruzen stapu. Ne mozete ga obrisati!!!"}));
    EXPECT_EQ(kontekst.model.nizStapova.size(), 1u);
    EXPECT_EQ(kontekst.model.nizCvorova.size(), 2u);

    Upisi("EditImeOpterecenjaZaStap", "");
    Klik("ButtonDodajOpterecenjeV");
    Upisi("EditImeOpterecenjaZaStap", "pn");
    Upisi("EditRelPozPocetkaRaspodeljenogOpterecenja", "0.6");
    Upisi("EditRelPozKrajaRaspodeljenogOpterecenja", "0.4");
    Klik("ButtonDodajOpterecenjePn");
    EXPECT_EQ(Greske(), (QStringList{"Ime opterecenja nije korektno zadano!!!",
                                     "Relativna pozicija pocetka raspodeljenog opterecenja mora biti manja od "
                                     "relativne pozicije kraja raspodeljenog opterecenja!!!"}));
    EXPECT_TRUE(kontekst.model.nizOpterecenja.empty());
}

TEST_F(StraniceModela, AssigningAndUnassigningReportThroughTheDialogs) {
    Klik("ButtonDodajMaterijal");
    Klik("ButtonDodajPresek");
    DodajCvor("0", "0");
    DodajCvor("5", "0");
    DodajCvor("5", "5");
    DodajStap(0, 0, 0, 1, 0);
    DodajStap(0, 0, 1, 2, 0);
    Upisi("EditImeOpterecenjaZaStap", "sneg");
    Klik("ButtonDodajOpterecenjePn");
    Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 1);
    Klik("ButtonPridruziOpterecenjeStapu");
    // The refresh brings member 0 back into view; the load is on member 1.
    EXPECT_EQ(Spisak("ComboBoxSpisakStapovaZaOpterecenje")->currentIndex(), 0);
    EXPECT_EQ(Pridruzena(), QStringList{});
    Klik("ButtonPridruziOpterecenjeStapu");
    Klik("ButtonObrisiOpterecenjeSaStapa");
    EXPECT_EQ(Greske(), (QStringList{"Selektovano opterecenje je pridruzeno stapu ID=1!!!\r\nPrvo se mora "
                                     "obrisati sa drugog stapa!!!",
                                     "Selektovano opterecenje nije pridruzeno selektovanom stapu!!!"}));
    Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 1);
    EXPECT_EQ(Pridruzena(), QStringList{"sneg"});
    // Deleting the member leaves the load, unassigned.
    Izaberi("ComboBoxSpisakStapova", 1);
    Klik("ButtonObrisiStap");
    EXPECT_EQ(kontekst.model.nizOpterecenja[0]->IDStapa(), -1);
    EXPECT_EQ(Stavke("ComboBoxSpisakStapova"), QStringList{"Stap broj 0"});
    // Turning the load into a "t" load keeps it; deleting it empties the lists.
    Upisi("EditTNaStapu", "30");
    Klik("ButtonPromeniOpterecenjeT");
    EXPECT_EQ(kontekst.model.nizOpterecenja[0]->Tip(), 3);
    EXPECT_EQ(kontekst.model.nizOpterecenja[0]->TemperaturnaPromena(), 30);
    EXPECT_EQ(Nadji<QTabWidget>("PageControlOpterecenjeStapa")->currentIndex(), 3);
    Klik("ButtonObrisiOpterecenjeStapa");
    EXPECT_TRUE(kontekst.model.nizOpterecenja.empty());
    EXPECT_EQ(Stavke("ComboBoxSpisakOpterecenjaStapova"), QStringList{});
    EXPECT_EQ(Greske(), QStringList{});
}

TEST_F(StraniceModela, ClearingASupportDisablesItsPrescribedValue) {
    DodajCvor("0", "0");
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
    Klik("ButtonPromeniOslonac");
    Upisi("EditZadatoPomeranjeUXpravcu", "0.02");
    Klik("ButtonPromeniOpterecenjeCvora");
    EXPECT_EQ(kontekst.model.nizCvorova[0]->ZadatoUx(), 0.02L);
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(false);
    Klik("ButtonPromeniOslonac");
    EXPECT_EQ(kontekst.model.nizCvorova[0]->ZadatoUx(), 0);
    EXPECT_FALSE(Polje("EditZadatoPomeranjeUXpravcu")->isEnabled());
    EXPECT_EQ(Polje("EditZadatoPomeranjeUXpravcu")->text(), "0");

    TLazniKontekst prazan;
    TStraniceModela s(prazan);
    s.Stranica(4)->findChild<QPushButton*>("ButtonPromeniOslonac")->click();
    s.Stranica(5)->findChild<QPushButton*>("ButtonPromeniOpterecenjeCvora")->click();
    ASSERT_EQ(prazan.dijalozi.greske.size(), 2u);
    EXPECT_EQ(prazan.dijalozi.greske[0], "Morate dodati cvorove u listu da bi mogli da im zadajete oslonce!!!");
    EXPECT_EQ(prazan.dijalozi.greske[1], "Morate dodati cvorove u listu da bi mogli da im zadajete opterecenje!!!");
}

TEST_F(StraniceModela, SectionHelpAndPicturesButtons) {
    Klik("ButtonKoeficijentKZaPresekPomoc");
    ASSERT_EQ(kontekst.dijalozi.informacije.size(), 1u);
    EXPECT_EQ(kontekst.dijalozi.informacije[0],
              "NAPOMENA:\r\nUticaj smicanja se uvodi samo u matrici krutosti stapa!!!\r\nVektor ekvivalentnog "
              "cvornog opterecenja se odredjuje bez uticaja smicanja!!!\r\n\r\nKeficijent k:\r\npravougaoni pun "
              "presek: 6/5\r\nkruzni pun presek: 10/9\r\ntankozidni suplji kruzni presek: 2\r\ntankozidni suplji "
              "kvadratni presek: 12/5\r\n");
    Klik("ButtonPreseci");
    EXPECT_EQ(kontekst.prozorPreseka, 1);
}

TEST_F(StraniceModela, RefreshAllShowsALoadedModel) {
    TModel& m = kontekst.model;
    m.nizMaterijala.push_back(std::make_unique<TMaterijal>(7, "Drvo", 1e7L, 0.25L, 600, 5e-6L));
    m.nizPreseka.push_back(std::make_unique<TPresek>(3, "Greda", 2e-4L, 0.02L, 0.2L, 1.2L));
    for (int i = 0; i < 2; ++i)
        m.nizCvorova.push_back(std::make_unique<TCvor>(10 + i, 2.5L * i, 0, i == 0, true, false, 0, 0, 0, 0, 0, 0,
                                                       3 * i + 1, 3 * i + 2, 3 * i + 3, 0, 0, 0, 0, -0.5L, 0));
    m.nizStapova.push_back(std::make_unique<TStap>(4, m.nizMaterijala[0].get(), m.nizPreseka[0].get(),
                                                   m.nizCvorova[1].get(), m.nizCvorova[0].get(), 1));
    m.nizOpterecenja.push_back(
        std::make_unique<TOpterecenje>(0, "vetar", 2, 4, 0, 0, 0, 0, -1.25L, 0, 1, 0, 0, 0, 0, 0, 0, 0));
    stranice->OsveziSve();
    EXPECT_EQ(Stavke("ComboBoxSpisakImenaMaterijala"), QStringList{"Drvo"});
    EXPECT_EQ(Polje("EditIDMaterijala")->text(), "7");
    EXPECT_EQ(Polje("EditAlfaT")->text(), "5E-6");  // below 0.00001 the form is scientific
    EXPECT_EQ(Polje("EditIDPreseka")->text(), "3");
    EXPECT_EQ(Polje("EditAksijalniMomentInercije")->text(), "0.0002");
    EXPECT_EQ(Stavke("ComboBoxSpisakCvorova"), (QStringList{"Cvor broj 10", "Cvor broj 11"}));
    EXPECT_TRUE(Nadji<QCheckBox>("CheckBoxOslonacX")->isChecked());
    EXPECT_EQ(Polje("EditZadatoPomeranjeUZpravcu")->text(), "-0.5");
    EXPECT_TRUE(Polje("EditZadatoPomeranjeUZpravcu")->isEnabled());
    EXPECT_EQ(Stavke("ComboBoxSpisakStapova"), QStringList{"Stap broj 4"});
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorovaZaPocetniCvorStapa")->currentIndex(), 1);
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa")->currentIndex(), 0);
    EXPECT_EQ(Spisak("ComboBoxTipStapa")->currentIndex(), 1);
    EXPECT_EQ(Pridruzena(), QStringList{"vetar"});
    EXPECT_EQ(Nadji<QTabWidget>("PageControlOpterecenjeStapa")->currentIndex(), 2);
    EXPECT_EQ(Polje("EditIntenzitetRaspodeljenogOpterecenjaStapa")->text(), "-1.25");
    EXPECT_EQ(kontekst.izmena, 0);  // showing a model is not a change

    m.Isprazni();
    stranice->OsveziSve();
    EXPECT_EQ(Stavke("ComboBoxSpisakStapova"), QStringList{});
    EXPECT_EQ(Pridruzena(), QStringList{});
    EXPECT_EQ(Spisak("ComboBoxSpisakCvorova")->currentIndex(), -1);
}
