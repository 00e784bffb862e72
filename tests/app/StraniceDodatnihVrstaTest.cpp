// The pages of the linearly varying load and the self-weight, and the member end springs.
#include <gtest/gtest.h>

#include "StraniceModelaPomocTest.h"

TEST_F(StraniceModela, LinearLoadSelfWeightAndSpringsThroughThePages) {
    Klik("ButtonDodajMaterijal");
    Klik("ButtonDodajPresek");
    DodajCvor("0", "0");
    DodajCvor("4", "0");
    DodajCvor("4", "3");
    DodajStap(0, 0, 0, 1, tsK);
    DodajStap(0, 0, 1, 2, tsIG);
    ASSERT_EQ(Greske(), QStringList{});
    ASSERT_EQ(kontekst.model.nizStapova.size(), 2u);

    Upisi("EditImeOpterecenjaZaStap", "zemlja");
    Upisi("EditLinearnoP1", "-2");
    Upisi("EditLinearnoP2", "-8");
    Upisi("EditLinearnoPocetak", "0.25");
    Upisi("EditLinearnoKraj", "0.75");
    Klik("ButtonDodajOpterecenjeLinearno");
    Upisi("EditImeOpterecenjaZaStap", "tezina");
    Upisi("EditFaktorSopstveneTezine", "0.01");
    Klik("ButtonDodajOpterecenjeSopstvenaTezina");
    ASSERT_EQ(Greske(), QStringList{});
    ASSERT_EQ(kontekst.model.nizOpterecenja.size(), 2u);
    EXPECT_EQ(kontekst.model.nizOpterecenja[0]->Tip(), toLinearno);
    EXPECT_EQ(VrednostiOpterecenja(*kontekst.model.nizOpterecenja[0]),
              (std::vector<long double>{-2, -8, 0.25L, 0.75L}));
    EXPECT_EQ(kontekst.model.nizOpterecenja[1]->Tip(), toSopstvenaTezina);
    EXPECT_EQ(kontekst.model.nizOpterecenja[1]->RaspodeljenoOpterecenje(), 0.01L);
    // A wrong extent is refused with the pn wording and adds nothing.
    Upisi("EditLinearnoKraj", "0.1");
    Klik("ButtonDodajOpterecenjeLinearno");
    EXPECT_EQ(Greske().size(), 1);
    EXPECT_EQ(kontekst.model.nizOpterecenja.size(), 2u);
    // Selecting the linear load shows its page and its four values.
    Izaberi("ComboBoxSpisakOpterecenjaStapova", 0);
    EXPECT_EQ(Nadji<QTabWidget>("PageControlOpterecenjeStapa")->currentIndex(), int(toLinearno));
    EXPECT_EQ(Polje("EditLinearnoP2")->text(), "-8");
    EXPECT_EQ(Polje("EditLinearnoKraj")->text(), "0.75");

    Klik("ButtonSopstvenaTezinaSvimStapovima");
    ASSERT_EQ(kontekst.model.nizOpterecenja.size(), 4u);
    EXPECT_EQ(kontekst.model.nizOpterecenja[3]->IDStapa(), 1);

    Izaberi("ComboBoxSpisakStapova", 1);
    Upisi("EditOprugaPocetka", "2500");
    Upisi("EditOprugaKraja", "10");
    Klik("ButtonPostaviOpruge");  // the end of an "ig" member is hinged
    EXPECT_EQ(Greske(), QStringList{QString::fromLatin1(PorukaOprugeNaZglobu)});
    EXPECT_FALSE(kontekst.model.nizStapova[1]->ImaOpruge());
    Upisi("EditOprugaKraja", "");
    Klik("ButtonPostaviOpruge");
    EXPECT_EQ(Greske(), QStringList{});
    EXPECT_EQ(kontekst.model.nizStapova[1]->OprugaPocetka(), 2500);
    Izaberi("ComboBoxSpisakStapova", 0);
    EXPECT_EQ(Polje("EditOprugaPocetka")->text(), "");
    Izaberi("ComboBoxSpisakStapova", 1);
    EXPECT_EQ(Polje("EditOprugaPocetka")->text(), "2500");
}
