#include "StraniceModela.h"

#include <QScopedValueRollback>
#include <QScrollArea>
#include <QTabWidget>

#include <algorithm>
#include <iterator>

#include "Brojevi.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "KontekstUredjivanja.h"
#include "ModelSpiska.h"
#include "StraniceModelaPomoc.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeMaterijala.h"
#include "UredjivanjePreseka.h"

using namespace stranice_modela;

TStraniceModela::TStraniceModela(TKontekstUredjivanja& k, QObject* roditelj) : QObject(roditelj), kontekst(k) {
    NapraviStranicuMaterijal();
    NapraviStranicuPresek();
    NapraviStranicuCvor();
    NapraviStranicuStap();
    NapraviStranicuOslonac();
    NapraviStranicuOpterecenje();
    QWidget* s[] = {TabSheetMaterijal, TabSheetPresek,  TabSheetCvor,
                    TabSheetStap,      TabSheetOslonac, TabSheetOpterecenje};
    for (int i = 0; i < 6; ++i) stranice[i] = s[i];
    NapraviSpiskove();
    OsveziSve();
}

TStraniceModela::~TStraniceModela() {
    for (auto& s : stranice)
        if (s && !s->parent()) delete s.data();
}

void TStraniceModela::NapraviSpiskove() {
    auto spisak = [this](std::initializer_list<QComboBox*> liste) {
        auto* m = new TModelSpiska(this);
        for (QComboBox* l : liste) m->Prikazi(l);
        return m;
    };
    spisakMaterijala = spisak({ComboBoxSpisakImenaMaterijala, ComboBoxSpisakMaterijalaZaStap});
    spisakPreseka = spisak({ComboBoxSpisakImenaPreseka, ComboBoxSpisakPoprecnihPresekaZaStap});
    spisakCvorova =
        spisak({ComboBoxSpisakCvorova, ComboBoxSpisakCvorovaZaPocetniCvorStapa, ComboBoxSpisakCvorovaZaKrajnjiCvorStapa,
                ComboBoxSpisakCvorovaZaOslonce, ComboBoxSpisakCvorovaZaOpterecenje});
    spisakStapova = spisak({ComboBoxSpisakStapova, ComboBoxSpisakStapovaZaOpterecenje});
    spisakOpterecenja = spisak({ComboBoxSpisakOpterecenjaStapova});
}

QWidget* TStraniceModela::Stranica(int indeks) {
    if (indeks < 0 || indeks >= 6) return nullptr;
    return stranice[indeks];
}

void TStraniceModela::OsveziSve() {
    OsveziMaterijale();
    OsveziPreseke();
    OsveziCvorove();
    OsveziStapove();
    OsveziOpterecenja();
}

void TStraniceModela::OsveziZadrziIzbor(unsigned liste) {
    QComboBox* const spiskovi[] = {ComboBoxSpisakImenaMaterijala,
                                   ComboBoxSpisakImenaPreseka,
                                   ComboBoxSpisakCvorova,
                                   ComboBoxSpisakStapova,
                                   ComboBoxSpisakCvorovaZaOslonce,
                                   ComboBoxSpisakCvorovaZaOpterecenje,
                                   ComboBoxSpisakOpterecenjaStapova,
                                   ComboBoxSpisakStapovaZaOpterecenje};
    int indeksi[std::size(spiskovi)];
    for (size_t i = 0; i < std::size(spiskovi); ++i) indeksi[i] = spiskovi[i]->currentIndex();
    if (liste & ddMaterijali) OsveziMaterijale();
    if (liste & ddPreseci) OsveziPreseke();
    if (liste & ddCvorovi) OsveziCvorove();
    if (liste & ddStapovi) OsveziStapove();
    if (liste & ddOpterecenja) OsveziOpterecenja();
    for (size_t i = 0; i < std::size(spiskovi); ++i)
        PokaziStavku(spiskovi[i], std::min(indeksi[i], spiskovi[i]->count() - 1));
}

void TStraniceModela::NaIzmenu(const TIzmena& izmena) {
    if (izmena.vrsta == TVrstaIzmene::NoviModel) {
        stapoviZaOpterecenje.clear();
        OsveziSve();
        return;
    }
    if (izvrsavam) return;
    if (izmena.vrsta != TVrstaIzmene::Komanda && izmena.vrsta != TVrstaIzmene::Istorija) return;
    if (izmena.Dotice(ddListe)) OsveziZadrziIzbor(izmena.delovi & ddListe);
}

void TStraniceModela::IzaberiCvor(int indeks) { PokaziStavku(ComboBoxSpisakCvorova, indeks); }
void TStraniceModela::IzaberiStap(int indeks) { PokaziStavku(ComboBoxSpisakStapova, indeks); }

TStraniceModela::TIshod TStraniceModela::Izvrsi(const char* naziv, const std::function<bool(TModel&)>& komanda) {
    try {
        const QScopedValueRollback<bool> vratiPosle(izvrsavam, true);
        return kontekst.IzvrsiIzmenu(naziv, komanda) ? TIshod::Uradjeno : TIshod::Nista;
    } catch (const TGreska& g) {
        PrikaziGresku(g.what());
    } catch (const std::exception& g) {
        // Nothing but TGreska is expected here; an exception must not escape into the event loop.
        PrikaziGresku(g.what());
    }
    return TIshod::Greska;
}

void TStraniceModela::PrikaziGresku(const std::string& poruka) {
    kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), Q(poruka));
}

void TStraniceModela::PosleIzmene() { kontekst.PosleIzmeneModela(); }

// ---------------------------------------------------------------------------------------------
// "Materijal"

void TStraniceModela::NapraviStranicuMaterijal() {
    VELT_STRANICA(TabSheetMaterijal);
    auto* v = SadrzajSaKlizacem(TabSheetMaterijal);
    auto* grupa = new QGroupBox(QStringLiteral("Materijal"));
    auto* f = Forma(grupa);
    Red(f, "Spisak materijala", VELT_SPISAK(ComboBoxSpisakImenaMaterijala));
    Red(f, "ID", VELT_POLJE(EditIDMaterijala, ""));
    EditIDMaterijala->setReadOnly(true);
    Red(f, "Ime materijala", VELT_POLJE(EditImeMaterijala, "Materijal 1"));
    Red(f, "Modul elasticnosti E", VELT_POLJE(EditModulElasticnosti, "30000000.0"));
    Red(f, "Poasonov koeficijent", VELT_POLJE(EditPoasonovKoeficijent, "0.2"));
    Red(f, "Zapreminska masa", VELT_POLJE(EditZapreminskaMasa, "2500.0"));
    Red(f, "Koeficijent toplotnog sirenja alfaT", VELT_POLJE(EditAlfaT, "0.00001"));
    v->addWidget(grupa);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajMaterijal, "Dodaj"), VELT_DUGME(ButtonPromeniMaterijal, "Promeni"),
                             VELT_DUGME(ButtonObrisiMaterijal, "Obrisi")}));
    v->addStretch();

    connect(ComboBoxSpisakImenaMaterijala, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakImenaMaterijalaChange(); });
    connect(ButtonDodajMaterijal, &QPushButton::clicked, this, [this] { ButtonDodajMaterijalClick(); });
    connect(ButtonPromeniMaterijal, &QPushButton::clicked, this, [this] { ButtonPromeniMaterijalClick(); });
    connect(ButtonObrisiMaterijal, &QPushButton::clicked, this, [this] { ButtonObrisiMaterijalClick(); });
}

void TStraniceModela::OsveziMaterijale() {
    spisakMaterijala->Popuni(SpisakMaterijala(kontekst.Model()));
    PrikaziMaterijal();
    // The member page's material list was just reset; show the selected member's own again.
    PrikaziStap();
}

void TStraniceModela::PrikaziMaterijal() {
    const TMaterijal* m = Izabrani(kontekst.Model().nizMaterijala, ComboBoxSpisakImenaMaterijala->currentIndex());
    if (!m) return;
    EditIDMaterijala->setText(QString::number(m->ID()));
    EditImeMaterijala->setText(Q(m->Ime()));
    EditModulElasticnosti->setText(Q(FormatBroja(m->E())));
    EditPoasonovKoeficijent->setText(Q(FormatBroja(m->Poasonov())));
    EditZapreminskaMasa->setText(Q(FormatBroja(m->Masa())));
    EditAlfaT->setText(Q(FormatBroja(m->AlfaT())));
}

void TStraniceModela::ComboBoxSpisakImenaMaterijalaChange() { PrikaziMaterijal(); }
void TStraniceModela::ButtonDodajMaterijalClick() { DodajIliPromeniMaterijal(TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniMaterijalClick() { DodajIliPromeniMaterijal(TRezimIzmene::Promeni); }

void TStraniceModela::DodajIliPromeniMaterijal(TRezimIzmene rezim) {
    const TPoljaMaterijala polja{S(EditImeMaterijala), S(EditModulElasticnosti), S(EditPoasonovKoeficijent),
                                 S(EditZapreminskaMasa), S(EditAlfaT)};
    const int izabrani = ComboBoxSpisakImenaMaterijala->currentIndex();
    const char* naziv = rezim == TRezimIzmene::Dodaj ? "Dodaj materijal" : "Promeni materijal";
    if (Izvrsi(naziv, [&](TModel& m) { return ::DodajIliPromeniMaterijal(m, rezim, izabrani, polja); }) !=
        TIshod::Uradjeno)
        return;
    OsveziMaterijale();
    OsveziStapove();
    // The list shows what was just added or changed.
    PokaziStavku(ComboBoxSpisakImenaMaterijala,
                 rezim == TRezimIzmene::Dodaj ? ComboBoxSpisakImenaMaterijala->count() - 1 : izabrani);
}

void TStraniceModela::ButtonObrisiMaterijalClick() {
    const int izabrani = ComboBoxSpisakImenaMaterijala->currentIndex();
    if (Izvrsi("Obrisi materijal", [&](TModel& m) { return ObrisiMaterijal(m, izabrani); }) != TIshod::Uradjeno) return;
    OsveziMaterijale();
}

// ---------------------------------------------------------------------------------------------
// "Presek"

void TStraniceModela::NapraviStranicuPresek() {
    VELT_STRANICA(TabSheetPresek);
    auto* v = SadrzajSaKlizacem(TabSheetPresek);
    auto* grupa = new QGroupBox(QStringLiteral("Poprecni presek"));
    auto* f = Forma(grupa);
    Red(f, "Spisak preseka", VELT_SPISAK(ComboBoxSpisakImenaPreseka));
    Red(f, "ID", VELT_POLJE(EditIDPreseka, ""));
    EditIDPreseka->setReadOnly(true);
    Red(f, "Ime preseka", VELT_POLJE(EditImePoprecnogPreseka, "Presek 1"));
    Red(f, "Moment inercije I", VELT_POLJE(EditAksijalniMomentInercije, "0.003125"));
    Red(f, "Povrsina A", VELT_POLJE(EditAksijalnaPovrsinaPoprecnogPreseka, "0.15"));
    Red(f, "Visina h", VELT_POLJE(EditVisinaPoprecnogPreseka, "0.5"));
    auto* k = new QHBoxLayout;
    k->addWidget(VELT_POLJE(EditKoeficijentOblikaPoprecnogPreseka, "0.0"), 1);
    k->addWidget(VELT_DUGME(ButtonKoeficijentKZaPresekPomoc, "pomoc"));
    auto* oznakaK = new QLabel(QStringLiteral("Koeficijent oblika k"));
    oznakaK->setBuddy(EditKoeficijentOblikaPoprecnogPreseka);
    f->addRow(oznakaK, k);
    v->addWidget(grupa);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajPresek, "Dodaj"), VELT_DUGME(ButtonPromeniPresek, "Promeni"),
                             VELT_DUGME(ButtonObrisiPresek, "Obrisi")}));
    auto* preseci = new QHBoxLayout;
    preseci->addStretch();
    preseci->addWidget(VELT_DUGME(ButtonPreseci, "Preseci"));
    v->addLayout(preseci);
    v->addStretch();

    connect(ComboBoxSpisakImenaPreseka, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakImenaPresekaChange(); });
    connect(ButtonDodajPresek, &QPushButton::clicked, this, [this] { ButtonDodajPresekClick(); });
    connect(ButtonPromeniPresek, &QPushButton::clicked, this, [this] { ButtonPromeniPresekClick(); });
    connect(ButtonObrisiPresek, &QPushButton::clicked, this, [this] { ButtonObrisiPresekClick(); });
    connect(ButtonKoeficijentKZaPresekPomoc, &QPushButton::clicked, this,
            [this] { ButtonKoeficijentKZaPresekPomocClick(); });
    connect(ButtonPreseci, &QPushButton::clicked, this, [this] { ButtonPreseciClick(); });
}

void TStraniceModela::OsveziPreseke() {
    spisakPreseka->Popuni(SpisakPreseka(kontekst.Model()));
    PrikaziPresek();
    PrikaziStap();
}

void TStraniceModela::PrikaziPresek() {
    const TPresek* p = Izabrani(kontekst.Model().nizPreseka, ComboBoxSpisakImenaPreseka->currentIndex());
    if (!p) return;
    EditIDPreseka->setText(QString::number(p->ID()));
    EditImePoprecnogPreseka->setText(Q(p->Ime()));
    EditAksijalniMomentInercije->setText(Q(FormatBroja(p->I())));
    EditAksijalnaPovrsinaPoprecnogPreseka->setText(Q(FormatBroja(p->Aaksijalno())));
    EditVisinaPoprecnogPreseka->setText(Q(FormatBroja(p->h())));
    EditKoeficijentOblikaPoprecnogPreseka->setText(Q(FormatBroja(p->k())));
}

void TStraniceModela::ComboBoxSpisakImenaPresekaChange() { PrikaziPresek(); }
void TStraniceModela::ButtonDodajPresekClick() { DodajIliPromeniPresek(TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniPresekClick() { DodajIliPromeniPresek(TRezimIzmene::Promeni); }

void TStraniceModela::DodajIliPromeniPresek(TRezimIzmene rezim) {
    const TPoljaPreseka polja{S(EditImePoprecnogPreseka), S(EditAksijalniMomentInercije),
                              S(EditAksijalnaPovrsinaPoprecnogPreseka), S(EditVisinaPoprecnogPreseka),
                              S(EditKoeficijentOblikaPoprecnogPreseka)};
    const int izabrani = ComboBoxSpisakImenaPreseka->currentIndex();
    const char* naziv = rezim == TRezimIzmene::Dodaj ? "Dodaj presek" : "Promeni presek";
    if (Izvrsi(naziv, [&](TModel& m) { return ::DodajIliPromeniPresek(m, rezim, izabrani, polja); }) !=
        TIshod::Uradjeno)
        return;
    OsveziPreseke();
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakImenaPreseka,
                 rezim == TRezimIzmene::Dodaj ? ComboBoxSpisakImenaPreseka->count() - 1 : izabrani);
}

void TStraniceModela::ButtonObrisiPresekClick() {
    const int izabrani = ComboBoxSpisakImenaPreseka->currentIndex();
    if (Izvrsi("Obrisi presek", [&](TModel& m) { return ObrisiPresek(m, izabrani); }) != TIshod::Uradjeno) return;
    OsveziPreseke();
}

void TStraniceModela::ButtonKoeficijentKZaPresekPomocClick() {
    kontekst.Dijalozi().Informacija(kontekst.ProzorZaPoruke(),
                                    QStringLiteral("NAPOMENA:\r\n"
                                                   "Uticaj smicanja se uvodi samo u matrici krutosti stapa!!!\r\n"
                                                   "Vektor ekvivalentnog cvornog opterecenja se odredjuje bez "
                                                   "uticaja smicanja!!!\r\n"
                                                   "\r\n"
                                                   "Keficijent k:\r\n"
                                                   "pravougaoni pun presek: 6/5\r\n"
                                                   "kruzni pun presek: 10/9\r\n"
                                                   "tankozidni suplji kruzni presek: 2\r\n"
                                                   "tankozidni suplji kvadratni presek: 12/5\r\n"));
}

void TStraniceModela::ButtonPreseciClick() { kontekst.PrikaziProzorPreseka(); }
