#include "GrupaPrikaza.h"

#include <QCheckBox>
#include <QHBoxLayout>

TGrupaPrikaza::TGrupaPrikaza(const TPrikaz& p, TPostavi postavi, QWidget* roditelj)
    : QGroupBox(QStringLiteral("Prikaz"), roditelj),
      prikaz(p),
      postavi(std::move(postavi)) {
    setObjectName(QStringLiteral("GroupBoxPrikaz"));
    auto* r = new QHBoxLayout(this);
    auto prekidac = [&](const char* ime, const char* naslov, bool TPrikaz::*polje) {
        auto* k = new QCheckBox(QString::fromLatin1(naslov), this);
        k->setObjectName(QString::fromLatin1(ime));
        k->setAccessibleDescription(k->objectName());
        r->addWidget(k);
        connect(k, &QCheckBox::toggled, this, [this, polje](bool da) {
            if (this->postavi) this->postavi(polje, da);
        });
        return k;
    };
    CheckBoxJednakaRazmera = prekidac("CheckBoxJednakaRazmera", "jednaka razmera", &TPrikaz::jednakaRazmera);
    CheckBoxSimboli = prekidac("CheckBoxSimboli", "simboli", &TPrikaz::simboli);
    CheckBoxPrilagodiRazmeruPrikazu =
        prekidac("CheckBoxPrilagodiRazmeruPrikazu", "prilagodi razmeru prikazu", &TPrikaz::prilagodiRazmeru);
    CheckBoxPrilagodiRazmeruPrikazu->setToolTip(
        QStringLiteral("Razmera dijagrama i linije deformacije prema vidljivom delu grafika"));
    r->addStretch(1);
    IzPodesavanja();
}

void TGrupaPrikaza::IzPodesavanja() {
    CheckBoxJednakaRazmera->setChecked(prikaz.jednakaRazmera);
    CheckBoxSimboli->setChecked(prikaz.simboli);
    CheckBoxPrilagodiRazmeruPrikazu->setChecked(prikaz.prilagodiRazmeru);
}
