#include <gtest/gtest.h>

#include "StraniceModelaPomocTest.h"

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
    ASSERT_EQ(vrste->count(), 9);
    const char* naslovi[] = {"V", "M", "pn", "t", "delta t", "H", "pt", "linearno", "sopstvena tezina"};
    for (int i = 0; i < 9; ++i) EXPECT_EQ(vrste->tabText(i), naslovi[i]);
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
