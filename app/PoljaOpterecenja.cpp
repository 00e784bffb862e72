#include "PoljaOpterecenja.h"

#include <QTabWidget>

#include "Brojevi.h"
#include "Cvor.h"
#include "Opterecenje.h"
#include "StraniceModelaPomoc.h"

using namespace stranice_modela;

TPoljaVrstaOpterecenja::TPoljaVrstaOpterecenja() {
    tabovi = Imenuj(new QTabWidget, "PageControlOpterecenjeStapa");
    NapraviOsnovne();
    NapraviDodatne();
    // Nine kinds no longer fit the pane's width side by side: the bar scrolls instead of widening it.
    tabovi->setUsesScrollButtons(true);
}

QFormLayout* TPoljaVrstaOpterecenja::NovaVrsta(int tip, const char* ime, const char* natpis,
                                               std::initializer_list<const char*> naslovi) {
    QWidget* s = Imenuj(new QWidget, ime);
    auto* v = new QVBoxLayout(s);
    for (const char* n : naslovi) {
        auto* l = new QLabel(QString::fromLatin1(n));
        l->setWordWrap(true);
        v->addWidget(l);
    }
    auto* f = new QFormLayout;
    f->setRowWrapPolicy(QFormLayout::WrapLongRows);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    v->addLayout(f);
    stranice[static_cast<size_t>(tip)] = s;
    tabovi->addTab(s, QString::fromLatin1(natpis));
    return f;
}

namespace {

// A field named `ime` with its default, labelled `oznaka`, as the next value of its kind.
QLineEdit* Vrednost(QFormLayout* f, std::array<QLineEdit*, 4>& polja, int i, const char* oznaka, const char* ime,
                    const char* tekst) {
    auto* e = Polje(ime, tekst);
    Red(f, oznaka, e);
    polja[static_cast<size_t>(i)] = e;
    return e;
}

constexpr const char* Pozicija = "Relativna pozicija u odnosu na pocetak stapa";

}  // namespace

void TPoljaVrstaOpterecenja::NapraviOsnovne() {
    auto& p = polja;
    QFormLayout* f = NovaVrsta(toV, "TabSheetV", "V", {"Lokalni koordinatni sistem - upravno na osu stapa"});
    Vrednost(f, p[toV], 0, "V", "EditVrednostKoncSileNaStapu", "0.0");
    Vrednost(f, p[toV], 1, Pozicija, "EditRelPozKoncSileUOdnosuNaPocetakStapa", "0.5");

    f = NovaVrsta(toM, "TabSheetM", "M", {});
    Vrednost(f, p[toM], 0, "M", "EditKoncMomentNaStapu", "0.0");
    Vrednost(f, p[toM], 1, Pozicija, "EditRelPozKoncMomentaUOdnosuNaPocetakStapa", "0.5");

    f = NovaVrsta(toPn, "TabSheetPn", "pn",
                  {"Jednako podeljeno opterecenje - lokalni koordinatni sistem", "Upravno na osu stapa"});
    Vrednost(f, p[toPn], 0, "pn", "EditIntenzitetRaspodeljenogOpterecenjaStapa", "0.0");
    Vrednost(f, p[toPn], 1, "Relativna pozicija pocetka", "EditRelPozPocetkaRaspodeljenogOpterecenja", "0.0");
    Vrednost(f, p[toPn], 2, "Relativna pozicija kraja", "EditRelPozKrajaRaspodeljenogOpterecenja", "1.0");

    Vrednost(NovaVrsta(toT, "TabSheetT", "t", {}), p[toT], 0, "t", "EditTNaStapu", "0.0");
    Vrednost(NovaVrsta(toDeltaT, "TabSheetDeltaT", "delta t", {}), p[toDeltaT], 0, "delta t", "EditDeltaTNaStapu",
             "0.0");

    f = NovaVrsta(toH, "TabSheetH", "H", {"Lokalni koordinatni sistem - u pravcu ose stapa"});
    Vrednost(f, p[toH], 0, "H", "EditVrednostKoncSileNaStapuUPravcuOse", "0.0");
    Vrednost(f, p[toH], 1, Pozicija, "EditRelPozKoncSileUPravcuOseUOdnosuNaPocetakStapa", "0.5");

    f = NovaVrsta(toPt, "TabSheetPt", "pt",
                  {"Jednako podeljeno opterecenje - lokalni koordinatni sistem", "U pravcu ose stapa"});
    Vrednost(f, p[toPt], 0, "pt", "EditIntenzitetRaspodeljenogOpterecenjaStapaUPravcuOse", "0.0");
    Vrednost(f, p[toPt], 1, "Relativna pozicija pocetka", "EditRelPozPocetkaRaspodeljenogOpterecenjaUPravcuOse", "0.0");
    Vrednost(f, p[toPt], 2, "Relativna pozicija kraja", "EditRelPozKrajaRaspodeljenogOpterecenjaUPravcuOse", "1.0");
}

void TPoljaVrstaOpterecenja::NapraviDodatne() {
    auto& p = polja[toLinearno];
    QFormLayout* f = NovaVrsta(toLinearno, "TabSheetLinearno", "linearno",
                               {"Linearno promenljivo opterecenje - lokalni koordinatni sistem, upravno na osu stapa"});
    Vrednost(f, p, 0, "p1", "EditLinearnoP1", "0.0");
    Vrednost(f, p, 1, "p2", "EditLinearnoP2", "0.0");
    Vrednost(f, p, 2, "a", "EditLinearnoPocetak", "0.0");
    Vrednost(f, p, 3, "b", "EditLinearnoKraj", "1.0");
    f = NovaVrsta(toSopstvenaTezina, "TabSheetSopstvenaTezina", "sopstvena tezina",
                  {"Sopstvena tezina - globalno -Z; faktor x zapreminska masa materijala x povrsina preseka"});
    Vrednost(f, polja[toSopstvenaTezina], 0, "faktor", "EditFaktorSopstveneTezine", "0.00981");
}

QVBoxLayout* TPoljaVrstaOpterecenja::Raspored(int tip) const {
    if (tip < toV || tip >= BrojVrstaOpterecenja) return nullptr;
    return static_cast<QVBoxLayout*>(stranice[static_cast<size_t>(tip)]->layout());
}

std::array<QLineEdit*, 4> TPoljaVrstaOpterecenja::PoljaVrste(int tip) const {
    if (tip < toV || tip >= BrojVrstaOpterecenja) return {};
    return polja[static_cast<size_t>(tip)];
}

TPoljaOpterecenja TPoljaVrstaOpterecenja::Tekstovi(int tip) const {
    TPoljaOpterecenja t;
    const auto p = PoljaVrste(tip);
    for (size_t i = 0; i < p.size(); ++i)
        if (p[i]) t[i] = S(p[i]);
    return t;
}

int TPoljaVrstaOpterecenja::Vrsta() const { return tabovi->currentIndex(); }

void TPoljaVrstaOpterecenja::Prikazi(const TOpterecenje& o) const {
    if (o.Tip() < toV || o.Tip() >= BrojVrstaOpterecenja) return;
    const auto p = PoljaVrste(o.Tip());
    tabovi->setCurrentIndex(o.Tip());
    const auto vrednosti = VrednostiOpterecenja(o);
    for (size_t i = 0; i < vrednosti.size() && i < p.size(); ++i)
        if (QLineEdit* e = p[i]) e->setText(Q(FormatBroja(vrednosti[i])));
}

// ---------------------------------------------------------------------------------------------

void TPoljaCvornogOpterecenja::DodajSile(QFormLayout* f) {
    Red(f, "Px", px = Polje("EditKoncSilaUCvoruPx", "0.0"));
    Red(f, "Pz", pz = Polje("EditKoncSilaUCvoruPz", "0.0"));
    Red(f, "My", my = Polje("EditKoncMomentUCvoru", "0.0"));
}

QGroupBox* TPoljaCvornogOpterecenja::NapraviZadata() {
    auto* zadato = new QGroupBox(QStringLiteral("Zadata pomeranja oslonaca"));
    auto* f = Forma(zadato);
    f->setRowWrapPolicy(QFormLayout::WrapAllRows);
    Red(f, "Zadato pomeranje u X pravcu", ux = Polje("EditZadatoPomeranjeUXpravcu", "0.0"));
    Red(f, "Zadato pomeranje u Z pravcu", uz = Polje("EditZadatoPomeranjeUZpravcu", "0.0"));
    Red(f, "Zadato obrtanje ukljestenja oko Y ose", fiy = Polje("EditZadatoObrtanjeUkljestenjaOkoYose", "0.0"));
    for (QLineEdit* e : {ux, uz, fiy}) e->setEnabled(false);
    return zadato;
}

void TPoljaCvornogOpterecenja::Prikazi(TCvor& c) const {
    px->setText(Q(FormatBroja(c.Px())));
    pz->setText(Q(FormatBroja(c.Pz())));
    my->setText(Q(FormatBroja(c.MkoncY())));
    const TZadataPomeranja z = ZadataPomeranjaZaPrikaz(c);
    ux->setEnabled(z.x);
    ux->setText(Q(FormatBroja(z.ux)));
    uz->setEnabled(z.z);
    uz->setText(Q(FormatBroja(z.uz)));
    fiy->setEnabled(z.y);
    fiy->setText(Q(FormatBroja(z.fiy)));
}

TPoljaOpterecenjaCvora TPoljaCvornogOpterecenja::Tekstovi() const {
    return {S(px), S(pz), S(my), S(ux), S(uz), S(fiy)};
}
