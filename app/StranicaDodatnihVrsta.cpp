// The buttons of the linearly varying load and the self-weight, and the member end springs.
#include <QTabWidget>

#include "Brojevi.h"
#include "KontekstUredjivanja.h"
#include "PoljaOpterecenja.h"
#include "StraniceModela.h"
#include "StraniceModelaPomoc.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjeStapova.h"

using namespace stranice_modela;

void TStraniceModela::NapraviStraniceDodatnihVrsta() {
    QVBoxLayout* v = vrste->Raspored(toLinearno);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajOpterecenjeLinearno, "Dodaj"),
                             VELT_DUGME(ButtonPromeniOpterecenjeLinearno, "Promeni")}));
    v->addStretch();
    v = vrste->Raspored(toSopstvenaTezina);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajOpterecenjeSopstvenaTezina, "Dodaj"),
                             VELT_DUGME(ButtonPromeniOpterecenjeSopstvenaTezina, "Promeni")}));
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonSopstvenaTezinaSvimStapovima, "Dodaj sopstvenu tezinu svim stapovima")}));
    v->addStretch();

    const std::pair<QPushButton*, std::pair<int, TRezimIzmene>> dugmad[] = {
        {ButtonDodajOpterecenjeLinearno, {toLinearno, TRezimIzmene::Dodaj}},
        {ButtonPromeniOpterecenjeLinearno, {toLinearno, TRezimIzmene::Promeni}},
        {ButtonDodajOpterecenjeSopstvenaTezina, {toSopstvenaTezina, TRezimIzmene::Dodaj}},
        {ButtonPromeniOpterecenjeSopstvenaTezina, {toSopstvenaTezina, TRezimIzmene::Promeni}},
    };
    for (const auto& [dugme, sta] : dugmad)
        connect(dugme, &QPushButton::clicked, this, [this, s = sta] { DodajIliPromeniOpterecenje(s.first, s.second); });
    connect(ButtonSopstvenaTezinaSvimStapovima, &QPushButton::clicked, this,
            [this] { ButtonSopstvenaTezinaSvimStapovimaClick(); });
}

void TStraniceModela::ButtonSopstvenaTezinaSvimStapovimaClick() {
    const std::string faktor = vrste->Tekstovi(toSopstvenaTezina)[0];
    if (Izvrsi("Dodaj sopstvenu tezinu svim stapovima",
               [&](TModel& m) { return DodajSopstvenuTezinuSvimStapovima(m, faktor); }) != TIshod::Uradjeno)
        return;
    OsveziOpterecenja();
    PokaziStavku(ComboBoxSpisakOpterecenjaStapova, ComboBoxSpisakOpterecenjaStapova->count() - 1);
}

void TStraniceModela::NapraviPoljaOpruga(QVBoxLayout* v) {
    auto* grupa = new QGroupBox(QStringLiteral("Opruge na krajevima (prazno - bez opruge)"));
    auto* f = Forma(grupa);
    Red(f, "kpi", VELT_POLJE(EditOprugaPocetka, ""));
    Red(f, "kpk", VELT_POLJE(EditOprugaKraja, ""));
    f->addRow(RedDugmadi({VELT_DUGME(ButtonPostaviOpruge, "Postavi opruge")}));
    v->addWidget(grupa);
    connect(ButtonPostaviOpruge, &QPushButton::clicked, this, [this] { ButtonPostaviOprugeClick(); });
}

void TStraniceModela::PrikaziOpruge(const TStap& s) {
    EditOprugaPocetka->setText(s.OprugaPocetka() > 0 ? Q(FormatBroja(s.OprugaPocetka())) : QString());
    EditOprugaKraja->setText(s.OprugaKraja() > 0 ? Q(FormatBroja(s.OprugaKraja())) : QString());
}

void TStraniceModela::ButtonPostaviOprugeClick() {
    const int izabrani = ComboBoxSpisakStapova->currentIndex();
    const std::string pocetak = S(EditOprugaPocetka), kraj = S(EditOprugaKraja);
    if (Izvrsi("Opruge stapa", [&](TModel& m) { return PostaviOprugeStapa(m, izabrani, pocetak, kraj); }) !=
        TIshod::Uradjeno)
        return;
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakStapova, izabrani);
}
