#include "GrupaPrikaza.h"

#include <QCheckBox>
#include <QHBoxLayout>

TGrupaPrikaza::TGrupaPrikaza(TPrikaz& p, std::function<void()> c, QWidget* roditelj)
    : QGroupBox(QStringLiteral("Prikaz"), roditelj), prikaz(p), crtaj(std::move(c)) {
    setObjectName(QStringLiteral("GroupBoxPrikaz"));
    auto* r = new QHBoxLayout(this);
    auto prekidac = [&](const char* ime, const char* naslov, bool TPrikaz::*polje) {
        auto* k = new QCheckBox(QString::fromLatin1(naslov), this);
        k->setObjectName(QString::fromLatin1(ime));
        k->setAccessibleDescription(k->objectName());
        r->addWidget(k);
        connect(k, &QCheckBox::clicked, this, [this, polje](bool da) {
            prikaz.*polje = da;
            if (crtaj) crtaj();
        });
        return k;
    };
    CheckBoxJednakaRazmera = prekidac("CheckBoxJednakaRazmera", "jednaka razmera", &TPrikaz::jednakaRazmera);
    CheckBoxSimboli = prekidac("CheckBoxSimboli", "simboli", &TPrikaz::simboli);
    r->addStretch(1);
    IzPodesavanja();
}

void TGrupaPrikaza::IzPodesavanja() {
    CheckBoxJednakaRazmera->setChecked(prikaz.jednakaRazmera);
    CheckBoxSimboli->setChecked(prikaz.simboli);
}
