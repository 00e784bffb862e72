// The editing pages of the linearly varying load, the self-weight and the member end springs.
#include <QTabWidget>

#include "Brojevi.h"
#include "KontekstUredjivanja.h"
#include "StraniceModela.h"
#include "StraniceModelaPomoc.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjeStapova.h"

using namespace stranice_modela;

namespace {

QVBoxLayout* NovaStranica(QWidget*& clan, const char* ime, const char* naslov) {
    clan = Imenuj(new QWidget, ime);
    auto* v = new QVBoxLayout(clan);
    auto* l = new QLabel(QString::fromLatin1(naslov));
    l->setWordWrap(true);
    v->addWidget(l);
    return v;
}

QFormLayout* Polja(QVBoxLayout* v) {
    auto* f = new QFormLayout;
    f->setRowWrapPolicy(QFormLayout::WrapLongRows);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    v->addLayout(f);
    return f;
}

}  // namespace

void TStraniceModela::NapraviStraniceDodatnihVrsta() {
    QVBoxLayout* v =
        NovaStranica(TabSheetLinearno, "TabSheetLinearno",
                     "Linearno promenljivo opterecenje - lokalni koordinatni sistem, upravno na osu stapa");
    QFormLayout* f = Polja(v);
    Red(f, "p1", VELT_POLJE(EditLinearnoP1, "0.0"));
    Red(f, "p2", VELT_POLJE(EditLinearnoP2, "0.0"));
    Red(f, "a", VELT_POLJE(EditLinearnoPocetak, "0.0"));
    Red(f, "b", VELT_POLJE(EditLinearnoKraj, "1.0"));
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajOpterecenjeLinearno, "Dodaj"),
                             VELT_DUGME(ButtonPromeniOpterecenjeLinearno, "Promeni")}));
    v->addStretch();
    PageControlOpterecenjeStapa->addTab(TabSheetLinearno, QStringLiteral("linearno"));

    v = NovaStranica(TabSheetSopstvenaTezina, "TabSheetSopstvenaTezina",
                     "Sopstvena tezina - globalno -Z; faktor x zapreminska masa materijala x povrsina preseka");
    Red(Polja(v), "faktor", VELT_POLJE(EditFaktorSopstveneTezine, "0.00981"));
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajOpterecenjeSopstvenaTezina, "Dodaj"),
                             VELT_DUGME(ButtonPromeniOpterecenjeSopstvenaTezina, "Promeni")}));
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonSopstvenaTezinaSvimStapovima, "Dodaj sopstvenu tezinu svim stapovima")}));
    v->addStretch();
    PageControlOpterecenjeStapa->addTab(TabSheetSopstvenaTezina, QStringLiteral("sopstvena tezina"));
    // Nine kinds no longer fit the pane's width side by side: the bar scrolls instead of widening it.
    PageControlOpterecenjeStapa->setUsesScrollButtons(true);

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
    const std::string faktor = S(EditFaktorSopstveneTezine);
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
