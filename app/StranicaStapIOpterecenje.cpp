// The member page and the member-load sub-page of the editing pages.
#include <QListWidget>
#include <algorithm>
#include <array>
#include <QTabWidget>

#include "Brojevi.h"
#include "KontekstUredjivanja.h"
#include "ModelSpiska.h"
#include "PoljaOpterecenja.h"
#include "StraniceModela.h"
#include "StraniceModelaPomoc.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjeStapova.h"

using namespace stranice_modela;

// ---------------------------------------------------------------------------------------------
// "Stap"

void TStraniceModela::NapraviStranicuStap() {
    VELT_STRANICA(TabSheetStap);
    auto* v = SadrzajSaKlizacem(TabSheetStap);
    auto* grupa = new QGroupBox(QStringLiteral("Stap"));
    auto* f = Forma(grupa);
    Red(f, "Spisak stapova", VELT_SPISAK(ComboBoxSpisakStapova));
    Red(f, "Materijal", VELT_SPISAK(ComboBoxSpisakMaterijalaZaStap));
    Red(f, "Poprecni presek", VELT_SPISAK(ComboBoxSpisakPoprecnihPresekaZaStap));
    Red(f, "Pocetni cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaPocetniCvorStapa));
    Red(f, "Krajnji cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaKrajnjiCvorStapa));
    Red(f, "Tip stapa", VELT_SPISAK(ComboBoxTipStapa));
    for (const TOsobineTipa& tip : TipoviStapa()) ComboBoxTipStapa->addItem(QString::fromLatin1(tip.natpis));
    ComboBoxTipStapa->setCurrentIndex(0);
    v->addWidget(grupa);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajStap, "Dodaj"), VELT_DUGME(ButtonPromeniStap, "Promeni"),
                             VELT_DUGME(ButtonObrisiStap, "Obrisi")}));
    NapraviPoljaOpruga(v);
    v->addStretch();

    connect(ComboBoxSpisakStapova, &QComboBox::currentIndexChanged, this, [this] { ComboBoxSpisakStapovaChange(); });
    connect(ButtonDodajStap, &QPushButton::clicked, this, [this] { ButtonDodajStapClick(); });
    connect(ButtonPromeniStap, &QPushButton::clicked, this, [this] { ButtonPromeniStapClick(); });
    connect(ButtonObrisiStap, &QPushButton::clicked, this, [this] { ButtonObrisiStapClick(); });
}

void TStraniceModela::OsveziStapove() {
    auto tekstovi = SpisakStapova(kontekst.Model());
    ListBoxSpisakPridruzenihOpterecenjaStapu->clear();
    PopuniStapoveZaOpterecenje(tekstovi);
    spisakStapova->Popuni(std::move(tekstovi));
    PrikaziStap();
    PrikaziOpterecenjaStapa();
}

void TStraniceModela::PrikaziStap() {
    const TModel& m = kontekst.Model();
    const TStap* s = Izabrani(m.nizStapova, ComboBoxSpisakStapova->currentIndex());
    if (!s) return;
    const TIzborStapa iz = IzborZaStap(m, *s);
    Izaberi(ComboBoxSpisakMaterijalaZaStap, iz.materijal);
    Izaberi(ComboBoxSpisakPoprecnihPresekaZaStap, iz.presek);
    Izaberi(ComboBoxSpisakCvorovaZaPocetniCvorStapa, iz.pocetniCvor);
    Izaberi(ComboBoxSpisakCvorovaZaKrajnjiCvorStapa, iz.krajnjiCvor);
    Izaberi(ComboBoxTipStapa, iz.tip >= 0 && iz.tip < ComboBoxTipStapa->count() ? iz.tip : -1);
    PrikaziOpruge(*s);
}

void TStraniceModela::ComboBoxSpisakStapovaChange() { PrikaziStap(); }

TIzborStapa TStraniceModela::IzborZaCrtanje() const {
    return {ComboBoxSpisakMaterijalaZaStap->currentIndex(), ComboBoxSpisakPoprecnihPresekaZaStap->currentIndex(), -1,
            -1, ComboBoxTipStapa->currentIndex()};
}

namespace {
TIzborStapa IzborSaStranice(QComboBox* materijal, QComboBox* presek, QComboBox* pocetni, QComboBox* krajnji,
                            QComboBox* tip) {
    return {materijal->currentIndex(), presek->currentIndex(), pocetni->currentIndex(), krajnji->currentIndex(),
            tip->currentIndex()};
}
}  // namespace

void TStraniceModela::ButtonDodajStapClick() {
    const TIzborStapa iz = IzborSaStranice(ComboBoxSpisakMaterijalaZaStap, ComboBoxSpisakPoprecnihPresekaZaStap,
                                           ComboBoxSpisakCvorovaZaPocetniCvorStapa,
                                           ComboBoxSpisakCvorovaZaKrajnjiCvorStapa, ComboBoxTipStapa);
    auto dodaj = [&](TModel& m) {
        ProveriMaterijalIPresekZaStap(m);
        return DodajStap(m, iz);
    };
    if (Izvrsi("Dodaj stap", dodaj) != TIshod::Uradjeno) return;
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakStapova, ComboBoxSpisakStapova->count() - 1);
}

void TStraniceModela::ButtonPromeniStapClick() {
    const TIzborStapa iz = IzborSaStranice(ComboBoxSpisakMaterijalaZaStap, ComboBoxSpisakPoprecnihPresekaZaStap,
                                           ComboBoxSpisakCvorovaZaPocetniCvorStapa,
                                           ComboBoxSpisakCvorovaZaKrajnjiCvorStapa, ComboBoxTipStapa);
    const int izabrani = ComboBoxSpisakStapova->currentIndex();
    if (Izvrsi("Promeni stap", [&](TModel& m) { return PromeniStap(m, izabrani, iz); }) != TIshod::Uradjeno) return;
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakStapova, izabrani);
}

void TStraniceModela::ButtonObrisiStapClick() {
    const int izabrani = ComboBoxSpisakStapova->currentIndex();
    Izvrsi("Obrisi stap", [&](TModel& m) { return ObrisiStap(m, izabrani); });
    OsveziStapove();
}

// ---------------------------------------------------------------------------------------------
// "Opterecenje" / "Stap"

namespace {

void DugmadVrste(QVBoxLayout* v, QPushButton* dodaj, QPushButton* promeni) {
    v->addLayout(RedDugmadi({dodaj, promeni}));
    v->addStretch();
}

}  // namespace

QWidget* TStraniceModela::NapraviStranicuOpterecenjaStapa() {
    VELT_STRANICA(TabSheetOpterecenjeStapa);
    auto* v = new QVBoxLayout(TabSheetOpterecenjeStapa);
    v->setContentsMargins(4, 4, 4, 4);

    auto* definicija = new QGroupBox(QStringLiteral("Opterecenje"));
    auto* f = Forma(definicija);
    Red(f, "Spisak opterecenja", VELT_SPISAK(ComboBoxSpisakOpterecenjaStapova));
    auto* ime = new QHBoxLayout;
    ime->addWidget(VELT_POLJE(EditImeOpterecenjaZaStap, "Opterecenje 1"), 1);
    ime->addWidget(VELT_DUGME(ButtonObrisiOpterecenjeStapa, "Obrisi"));
    auto* oznakaIme = new QLabel(QStringLiteral("Ime opterecenja"));
    oznakaIme->setBuddy(EditImeOpterecenjaZaStap);
    f->addRow(oznakaIme, ime);

    vrste = std::make_unique<TPoljaVrstaOpterecenja>();
    const struct {
        int tip;
        QPushButton** dodaj;
        QPushButton** promeni;
        const char* imeDodaj;
        const char* imePromeni;
    } dugmadVrsta[] = {
        {toV, &ButtonDodajOpterecenjeV, &ButtonPromeniOpterecenjeV, "ButtonDodajOpterecenjeV",
         "ButtonPromeniOpterecenjeV"},
        {toM, &ButtonDodajOpterecenjeM, &ButtonPromeniOpterecenjeM, "ButtonDodajOpterecenjeM",
         "ButtonPromeniOpterecenjeM"},
        {toPn, &ButtonDodajOpterecenjePn, &ButtonPromeniOpterecenjePn, "ButtonDodajOpterecenjePn",
         "ButtonPromeniOpterecenjePn"},
        {toT, &ButtonDodajOpterecenjeT, &ButtonPromeniOpterecenjeT, "ButtonDodajOpterecenjeT",
         "ButtonPromeniOpterecenjeT"},
        {toDeltaT, &ButtonDodajOpterecenjeDeltaT, &ButtonPromeniOpterecenjeDeltaT, "ButtonDodajOpterecenjeDeltaT",
         "ButtonPromeniOpterecenjeDeltaT"},
        {toH, &ButtonDodajOpterecenjeH, &ButtonPromeniOpterecenjeH, "ButtonDodajOpterecenjeH",
         "ButtonPromeniOpterecenjeH"},
        {toPt, &ButtonDodajOpterecenjePt, &ButtonPromeniOpterecenjePt, "ButtonDodajOpterecenjePt",
         "ButtonPromeniOpterecenjePt"},
    };
    for (const auto& d : dugmadVrsta)
        DugmadVrste(vrste->Raspored(d.tip), *d.dodaj = Dugme(d.imeDodaj, "Dodaj"),
                    *d.promeni = Dugme(d.imePromeni, "Promeni"));
    NapraviStraniceDodatnihVrsta();

    f->addRow(vrste->Tabovi());
    v->addWidget(definicija);

    auto* dodela = new QGroupBox(QStringLiteral("Opterecenja stapa"));
    auto* fd = Forma(dodela);
    Red(fd, "Spisak stapova", VELT_SPISAK(ComboBoxSpisakStapovaZaOpterecenje));
    ListBoxSpisakPridruzenihOpterecenjaStapu = Imenuj(new QListWidget, "ListBoxSpisakPridruzenihOpterecenjaStapu");
    ListBoxSpisakPridruzenihOpterecenjaStapu->setMinimumHeight(60);
    auto* oznakaListe = new QLabel(QStringLiteral("Pridruzeno opterecenje"));
    oznakaListe->setBuddy(ListBoxSpisakPridruzenihOpterecenjaStapu);
    fd->addRow(oznakaListe, ListBoxSpisakPridruzenihOpterecenjaStapu);
    fd->addRow(RedDugmadi({VELT_DUGME(ButtonPridruziOpterecenjeStapu, "Pridruzi opterecenje stapu"),
                           VELT_DUGME(ButtonObrisiOpterecenjeSaStapa, "Obrisi opterecenje sa stapa")}));
    // Several members at once: each one gets its own load of the selected definition.
    ListBoxStapoviZaOpterecenje = Imenuj(new QListWidget, "ListBoxStapoviZaOpterecenje");
    ListBoxStapoviZaOpterecenje->setSelectionMode(QAbstractItemView::ExtendedSelection);
    ListBoxStapoviZaOpterecenje->setMinimumHeight(60);
    auto* oznakaIzbora = new QLabel(QStringLiteral("Vise stapova"));
    oznakaIzbora->setBuddy(ListBoxStapoviZaOpterecenje);
    fd->addRow(oznakaIzbora, ListBoxStapoviZaOpterecenje);
    fd->addRow(RedDugmadi({VELT_DUGME(ButtonPridruziIzabranimStapovima, "Pridruzi izabranim stapovima")}));
    v->addWidget(dodela);
    v->addStretch();

    connect(ComboBoxSpisakOpterecenjaStapova, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakOpterecenjaStapovaChange(); });
    connect(ComboBoxSpisakStapovaZaOpterecenje, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakStapovaZaOpterecenjeChange(); });
    connect(ButtonObrisiOpterecenjeStapa, &QPushButton::clicked, this, [this] { ButtonObrisiOpterecenjeStapaClick(); });
    connect(ButtonPridruziOpterecenjeStapu, &QPushButton::clicked, this,
            [this] { ButtonPridruziOpterecenjeStapuClick(); });
    connect(ButtonObrisiOpterecenjeSaStapa, &QPushButton::clicked, this,
            [this] { ButtonObrisiOpterecenjeSaStapaClick(); });
    connect(ButtonPridruziIzabranimStapovima, &QPushButton::clicked, this,
            [this] { ButtonPridruziIzabranimStapovimaClick(); });
    connect(ListBoxStapoviZaOpterecenje, &QListWidget::itemSelectionChanged, this,
            [this] { ListBoxStapoviZaOpterecenjeChange(); });
    const std::pair<QPushButton*, void (TStraniceModela::*)()> dugmad[] = {
        {ButtonDodajOpterecenjeV, &TStraniceModela::ButtonDodajOpterecenjeVClick},
        {ButtonPromeniOpterecenjeV, &TStraniceModela::ButtonPromeniOpterecenjeVClick},
        {ButtonDodajOpterecenjeM, &TStraniceModela::ButtonDodajOpterecenjeMClick},
        {ButtonPromeniOpterecenjeM, &TStraniceModela::ButtonPromeniOpterecenjeMClick},
        {ButtonDodajOpterecenjePn, &TStraniceModela::ButtonDodajOpterecenjePnClick},
        {ButtonPromeniOpterecenjePn, &TStraniceModela::ButtonPromeniOpterecenjePnClick},
        {ButtonDodajOpterecenjeT, &TStraniceModela::ButtonDodajOpterecenjeTClick},
        {ButtonPromeniOpterecenjeT, &TStraniceModela::ButtonPromeniOpterecenjeTClick},
        {ButtonDodajOpterecenjeDeltaT, &TStraniceModela::ButtonDodajOpterecenjeDeltaTClick},
        {ButtonPromeniOpterecenjeDeltaT, &TStraniceModela::ButtonPromeniOpterecenjeDeltaTClick},
        {ButtonDodajOpterecenjeH, &TStraniceModela::ButtonDodajOpterecenjeHClick},
        {ButtonPromeniOpterecenjeH, &TStraniceModela::ButtonPromeniOpterecenjeHClick},
        {ButtonDodajOpterecenjePt, &TStraniceModela::ButtonDodajOpterecenjePtClick},
        {ButtonPromeniOpterecenjePt, &TStraniceModela::ButtonPromeniOpterecenjePtClick},
    };
    for (const auto& [dugme, rukovalac] : dugmad)
        connect(dugme, &QPushButton::clicked, this, [this, r = rukovalac] { (this->*r)(); });
    return TabSheetOpterecenjeStapa;
}

void TStraniceModela::OsveziOpterecenja() {
    spisakOpterecenja->Popuni(SpisakOpterecenja(kontekst.Model()));
    if (kontekst.Model().nizOpterecenja.empty()) {
        ListBoxSpisakPridruzenihOpterecenjaStapu->clear();
        return;
    }
    PrikaziOpterecenje();
    PrikaziOpterecenjaStapa();
}

void TStraniceModela::PrikaziOpterecenje() {
    const TOpterecenje* o = Izabrani(kontekst.Model().nizOpterecenja, ComboBoxSpisakOpterecenjaStapova->currentIndex());
    if (!o) return;
    EditImeOpterecenjaZaStap->setText(Q(o->Ime()));
    vrste->Prikazi(*o);
}

void TStraniceModela::PrikaziOpterecenjaStapa() {
    ListBoxSpisakPridruzenihOpterecenjaStapu->clear();
    for (const auto& ime : SpisakOpterecenjaStapa(kontekst.Model(), ComboBoxSpisakStapovaZaOpterecenje->currentIndex()))
        ListBoxSpisakPridruzenihOpterecenjaStapu->addItem(Q(ime));
}

void TStraniceModela::ComboBoxSpisakOpterecenjaStapovaChange() { PrikaziOpterecenje(); }
void TStraniceModela::ComboBoxSpisakStapovaZaOpterecenjeChange() { PrikaziOpterecenjaStapa(); }

void TStraniceModela::DodajIliPromeniOpterecenje(int tip, TRezimIzmene rezim) {
    const TPoljaOpterecenja tekstovi = vrste->Tekstovi(tip);
    const std::string ime = S(EditImeOpterecenjaZaStap);
    const int izabrano = ComboBoxSpisakOpterecenjaStapova->currentIndex();
    const char* naziv = rezim == TRezimIzmene::Dodaj ? "Dodaj opterecenje" : "Promeni opterecenje";
    const TIshod ishod = Izvrsi(naziv, [&](TModel& m) {
        return rezim == TRezimIzmene::Dodaj ? DodajOpterecenje(m, tip, ime, tekstovi)
                                            : PromeniOpterecenje(m, izabrano, tip, ime, tekstovi);
    });
    if (ishod != TIshod::Uradjeno) return;
    OsveziOpterecenja();
    PokaziStavku(ComboBoxSpisakOpterecenjaStapova,
                 rezim == TRezimIzmene::Dodaj ? ComboBoxSpisakOpterecenjaStapova->count() - 1 : izabrano);
}

void TStraniceModela::ButtonDodajOpterecenjeVClick() { DodajIliPromeniOpterecenje(toV, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjeVClick() { DodajIliPromeniOpterecenje(toV, TRezimIzmene::Promeni); }
void TStraniceModela::ButtonDodajOpterecenjeMClick() { DodajIliPromeniOpterecenje(toM, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjeMClick() { DodajIliPromeniOpterecenje(toM, TRezimIzmene::Promeni); }
void TStraniceModela::ButtonDodajOpterecenjePnClick() { DodajIliPromeniOpterecenje(toPn, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjePnClick() { DodajIliPromeniOpterecenje(toPn, TRezimIzmene::Promeni); }
void TStraniceModela::ButtonDodajOpterecenjeTClick() { DodajIliPromeniOpterecenje(toT, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjeTClick() { DodajIliPromeniOpterecenje(toT, TRezimIzmene::Promeni); }
void TStraniceModela::ButtonDodajOpterecenjeDeltaTClick() { DodajIliPromeniOpterecenje(toDeltaT, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjeDeltaTClick() {
    DodajIliPromeniOpterecenje(toDeltaT, TRezimIzmene::Promeni);
}
void TStraniceModela::ButtonDodajOpterecenjeHClick() { DodajIliPromeniOpterecenje(toH, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjeHClick() { DodajIliPromeniOpterecenje(toH, TRezimIzmene::Promeni); }
void TStraniceModela::ButtonDodajOpterecenjePtClick() { DodajIliPromeniOpterecenje(toPt, TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniOpterecenjePtClick() { DodajIliPromeniOpterecenje(toPt, TRezimIzmene::Promeni); }

void TStraniceModela::ButtonObrisiOpterecenjeStapaClick() {
    const int izabrano = ComboBoxSpisakOpterecenjaStapova->currentIndex();
    if (Izvrsi("Obrisi opterecenje", [&](TModel& m) { return ObrisiOpterecenje(m, izabrano); }) != TIshod::Uradjeno)
        PosleIzmene();
    OsveziOpterecenja();
    OsveziStapove();
}

void TStraniceModela::ButtonPridruziOpterecenjeStapuClick() {
    const TModel& m = kontekst.Model();
    if (m.nizOpterecenja.empty() || m.nizStapova.empty()) return;
    const int opterecenje = ComboBoxSpisakOpterecenjaStapova->currentIndex();
    const int stap = ComboBoxSpisakStapovaZaOpterecenje->currentIndex();
    if (Izvrsi("Pridruzi opterecenje stapu", [&](TModel& m) { return PridruziOpterecenje(m, opterecenje, stap); }) !=
        TIshod::Uradjeno)
        PosleIzmene();
    PosleDodele(opterecenje, stap);
}

void TStraniceModela::ButtonPridruziIzabranimStapovimaClick() {
    const TModel& m = kontekst.Model();
    if (m.nizOpterecenja.empty() || m.nizStapova.empty()) return;
    const int opterecenje = ComboBoxSpisakOpterecenjaStapova->currentIndex();
    std::vector<int> stapovi;
    for (const QModelIndex& i : ListBoxStapoviZaOpterecenje->selectionModel()->selectedRows())
        stapovi.push_back(i.row());
    std::sort(stapovi.begin(), stapovi.end());
    if (stapovi.empty()) return;
    if (Izvrsi("Pridruzi opterecenje stapovima", [&](TModel& m) {
            return PridruziOpterecenjeStapovima(m, opterecenje, stapovi) > 0;
        }) != TIshod::Uradjeno)
        PosleIzmene();
    PosleDodele(opterecenje, stapovi.front());
}

// The page refills its lists after a change; the user stays on the load and the member just edited
// rather than being sent back to the first ones.
void TStraniceModela::PosleDodele(int opterecenje, int stap) {
    OsveziOpterecenja();
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakOpterecenjaStapova, opterecenje);
    PokaziStavku(ComboBoxSpisakStapovaZaOpterecenje, stap);
}

void TStraniceModela::ButtonObrisiOpterecenjeSaStapaClick() {
    const TModel& m = kontekst.Model();
    if (m.nizOpterecenja.empty() || m.nizStapova.empty()) return;
    const int opterecenje = ComboBoxSpisakOpterecenjaStapova->currentIndex();
    const int stap = ComboBoxSpisakStapovaZaOpterecenje->currentIndex();
    if (Izvrsi("Obrisi opterecenje sa stapa",
               [&](TModel& m) { return UkloniOpterecenjeSaStapa(m, opterecenje, stap); }) != TIshod::Uradjeno)
        PosleIzmene();
    PosleDodele(opterecenje, stap);
}
