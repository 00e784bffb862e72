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

// A named kind is a plain support: with a spring or an angle in the fields the drop-down shows
// "po izboru". Choosing a kind then keeps the springs where they still act and refuses the whole
// step where one would act on a direction the kind holds, and the boxes show the node again.
TEST_F(StraniceModela, SupportKindWithSpringsKeepsOrRefusesThemInOneStep) {
    DodajCvor("0", "0");
    DodajCvor("4", "0");
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 1);
    QComboBox* vrsta = Spisak("ComboBoxVrstaOslonca");
    auto* x = Nadji<QCheckBox>("CheckBoxOslonacX");
    auto* z = Nadji<QCheckBox>("CheckBoxOslonacZ");
    auto* y = Nadji<QCheckBox>("CheckBoxUkljestenje");
    z->setChecked(true);
    EXPECT_EQ(vrsta->currentText(), "pokretni oslonac X");
    Upisi("EditOprugaKx", "250");
    EXPECT_EQ(vrsta->currentText(), "po izboru");
    Klik("ButtonPromeniOslonac");
    const TCvor& c = *kontekst.model.nizCvorova[1];
    ASSERT_EQ(c.Kx(), 250);
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 0);
    EXPECT_EQ(vrsta->currentText(), "slobodan");
    Izaberi("ComboBoxSpisakCvorovaZaOslonce", 1);
    EXPECT_EQ(vrsta->currentText(), "po izboru");

    struct {
        const char* ime;
        bool prihvacen, x, z, y;
    } slucajevi[] = {
        {"pokretni oslonac Z", false, false, true, false},  // holds X, where the spring acts
        {"ukljestenje", false, false, true, false},
        {"klizno ukljestenje X", true, false, true, true},  // X stays free: the spring stays
        {"samo obrtanje", true, false, false, true},
    };
    for (const auto& s : slucajevi) {
        SCOPED_TRACE(s.ime);
        Q_EMIT vrsta->activated(vrsta->findText(QString::fromLatin1(s.ime)));
        EXPECT_EQ(Greske().size(), s.prihvacen ? 0 : 1);
        EXPECT_EQ(c.OslX(), s.x);
        EXPECT_EQ(c.OslZ(), s.z);
        EXPECT_EQ(c.UkljY(), s.y);
        EXPECT_EQ(c.Kx(), 250);
        EXPECT_EQ(x->isChecked(), s.x);
        EXPECT_EQ(z->isChecked(), s.z);
        EXPECT_EQ(y->isChecked(), s.y);
        EXPECT_EQ(vrsta->currentText(), "po izboru");
    }
    // With the spring cleared the boxes name their kind again; an angle alone is no plain support.
    Upisi("EditOprugaKx", "0");
    EXPECT_EQ(vrsta->currentText(), "samo obrtanje");
    Upisi("EditUgaoOslonca", "15");
    EXPECT_EQ(vrsta->currentText(), "po izboru");
    Upisi("EditUgaoOslonca", "nije broj");
    EXPECT_EQ(vrsta->currentText(), "po izboru");
    Upisi("EditUgaoOslonca", "0");
    EXPECT_EQ(vrsta->currentText(), "samo obrtanje");
}

}  // namespace
