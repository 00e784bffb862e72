// The editing pages when a command fails or asks, and their buttons and refresh.
#include <gtest/gtest.h>

#include <QListWidget>

#include "StraniceModelaPomocTest.h"

TEST_F(StraniceModela, FailuresGoToTheErrorBoxAndChangeNothing) {
    Upisi("EditModulElasticnosti", "0");
    Klik("ButtonDodajMaterijal");
    Klik("ButtonPromeniMaterijal");
    Upisi("EditModulElasticnosti", "1e7");
    Upisi("EditPoasonovKoeficijent", "0,2");
    Klik("ButtonDodajMaterijal");
    EXPECT_EQ(Greske(), (QStringList{"Modul elasticnosti ne moze biti jednak ili manji od nule!!!",
                                     "Prvo morate dodati materijal u spisak da bi ga mogli menjati!!!",
                                     "'0,2' nije ispravan realan broj!!!\r\nZa decimale koristite tacku."}));
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

    // Without a material and a section "Dodaj" on the member page says what is missing.
    DodajCvor("1", "0");
    const int izmena = kontekst.izmena;
    DodajStap(-1, -1, 0, 1, 0);
    EXPECT_EQ(Greske(), QStringList{"Prvo morate dodati materijal u spisak da bi mogli dodati stap!!!"});
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

TEST_F(StraniceModela, OneLoadGoesOntoSeveralSelectedMembersInOneStep) {
    Klik("ButtonDodajMaterijal");
    Klik("ButtonDodajPresek");
    for (const char* x : {"0", "4", "8", "12"}) DodajCvor(x, "0");
    for (int i = 0; i < 3; ++i) DodajStap(0, 0, i, i + 1, 0);
    Upisi("EditImeOpterecenjaZaStap", "q");
    Upisi("EditIntenzitetRaspodeljenogOpterecenjaStapa", "-10");
    Klik("ButtonDodajOpterecenjePn");
    auto* lista = Nadji<QListWidget>("ListBoxStapoviZaOpterecenje");
    ASSERT_EQ(lista->count(), 3);
    EXPECT_EQ(lista->item(2)->text(), Stavke("ComboBoxSpisakStapovaZaOpterecenje")[2]);
    Klik("ButtonPridruziIzabranimStapovima");  // nothing selected: nothing happens
    EXPECT_EQ(kontekst.model.nizOpterecenja.size(), 1u);
    for (int i : {2, 0, 1}) lista->item(i)->setSelected(true);
    Klik("ButtonPridruziIzabranimStapovima");
    EXPECT_EQ(Greske(), QStringList{});
    ASSERT_EQ(kontekst.model.nizOpterecenja.size(), 3u);
    for (size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(kontekst.model.nizOpterecenja[i]->IDStapa(), int(i));
        EXPECT_EQ(kontekst.model.nizOpterecenja[i]->RaspodeljenoOpterecenje(), -10);
    }
    EXPECT_EQ(Spisak("ComboBoxSpisakStapovaZaOpterecenje")->currentIndex(), 0);
    EXPECT_EQ(Pridruzena(), QStringList{"q"});
    Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 2);
    EXPECT_EQ(Pridruzena(), QStringList{"q"});
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
    // The refresh keeps the member just edited in view, with its load.
    EXPECT_EQ(Spisak("ComboBoxSpisakStapovaZaOpterecenje")->currentIndex(), 1);
    EXPECT_EQ(Pridruzena(), QStringList{"sneg"});
    Klik("ButtonPridruziOpterecenjeStapu");
    Izaberi("ComboBoxSpisakStapovaZaOpterecenje", 0);
    Klik("ButtonObrisiOpterecenjeSaStapa");
    EXPECT_EQ(Spisak("ComboBoxSpisakStapovaZaOpterecenje")->currentIndex(), 0);
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
