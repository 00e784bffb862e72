#include <gtest/gtest.h>

#include "StraniceModelaPomocTest.h"

using namespace stranice_modela_test;

namespace {

// The support page sets the boxes and the spring and angle fields in one step, shows a node's
// values when it is chosen, and refuses what breaks the spring rule with the model untouched.
TEST_F(StraniceModela, SupportPageSetsSpringsAndAngleWithTheBoxes) {
    DodajCvor("0", "0");
    DodajCvor("4", "0");
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 1);
    Nadji<QCheckBox>("CheckBoxOslonacZ")->setChecked(true);
    Upisi("EditOprugaKx", "250");
    Upisi("EditUgaoOslonca", "30");
    Klik("ButtonPromeniOslonac");
    const TCvor& c = *kontekst.model.nizCvorova[1];
    EXPECT_TRUE(c.OslZ());
    EXPECT_EQ(c.Kx(), 250);
    EXPECT_EQ(c.Ugao(), 30);
    EXPECT_EQ(Greske(), QStringList{});

    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 0);
    EXPECT_EQ(Polje("EditOprugaKx")->text(), "0");
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 1);
    EXPECT_EQ(Polje("EditOprugaKx")->text(), "250");
    EXPECT_EQ(Polje("EditUgaoOslonca")->text(), "30");

    // Ticking X while its spring stays is refused; ticking it and clearing the spring together is one
    // good step.
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
    Klik("ButtonPromeniOslonac");
    EXPECT_EQ(Greske(), QStringList{"Opruga ne moze biti zadata u pravcu koji je sprecen osloncem!!!"});
    EXPECT_FALSE(c.OslX());
    EXPECT_EQ(c.Kx(), 250);
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 1);
    Nadji<QCheckBox>("CheckBoxOslonacX")->setChecked(true);
    Upisi("EditOprugaKx", "0");
    Klik("ButtonPromeniOslonac");
    EXPECT_TRUE(c.OslX());
    EXPECT_EQ(c.Kx(), 0);
    EXPECT_EQ(c.Ugao(), 30);

    Upisi("EditOprugaKfi", "-3");
    Klik("ButtonPromeniOslonac");
    EXPECT_EQ(Greske(), QStringList{"Krutost opruge ne moze biti negativna!!!"});
    EXPECT_EQ(c.Kfi(), 0);
}

}  // namespace
