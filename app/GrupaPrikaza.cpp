#include "GrupaPrikaza.h"

#include <QCheckBox>
#include <QGridLayout>

TGrupaPrikaza::TGrupaPrikaza(const TPrikaz& p, TPostavi postavi, QWidget* roditelj)
    : QGroupBox(QStringLiteral("Prikaz"), roditelj),
      prikaz(p),
      postavi(std::move(postavi)) {
    setObjectName(QStringLiteral("GroupBoxPrikaz"));
    // The scale box on a row of its own: beside the other two its caption would not fit the page.
    auto* r = new QGridLayout(this);
    auto prekidac = [&](const char* ime, const char* naslov, bool TPrikaz::*polje, int red, int kolona,
                        int sirina = 1) {
        auto* k = new QCheckBox(QString::fromLatin1(naslov), this);
        k->setObjectName(QString::fromLatin1(ime));
        k->setAccessibleDescription(k->objectName());
        r->addWidget(k, red, kolona, 1, sirina);
        connect(k, &QCheckBox::toggled, this, [this, polje](bool da) {
            if (this->postavi) this->postavi(polje, da);
        });
        return k;
    };
    CheckBoxJednakaRazmera = prekidac("CheckBoxJednakaRazmera", "jednaka razmera", &TPrikaz::jednakaRazmera, 0, 0);
    CheckBoxSimboli = prekidac("CheckBoxSimboli", "simboli", &TPrikaz::simboli, 0, 1);
    CheckBoxPrilagodiRazmeruPrikazu =
        prekidac("CheckBoxPrilagodiRazmeruPrikazu", "prilagodi razmeru prikazu", &TPrikaz::prilagodiRazmeru, 1, 0, 3);
    CheckBoxPrilagodiRazmeruPrikazu->setToolTip(
        QStringLiteral("Razmera dijagrama i linije deformacije prema vidljivom delu grafika"));
    r->setColumnStretch(2, 1);
    IzPodesavanja();
}

void TGrupaPrikaza::IzPodesavanja() {
    CheckBoxJednakaRazmera->setChecked(prikaz.jednakaRazmera);
    CheckBoxSimboli->setChecked(prikaz.simboli);
    CheckBoxPrilagodiRazmeruPrikazu->setChecked(prikaz.prilagodiRazmeru);
}
