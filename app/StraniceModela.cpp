#include "StraniceModela.h"

#include <QScrollArea>
#include <QTabWidget>

#include "Brojevi.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "KontekstUredjivanja.h"
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
    QWidget* s[] = {TabSheetMaterijal, TabSheetPresek, TabSheetCvor, TabSheetStap, TabSheetOslonac, TabSheetOpterecenje};
    for (int i = 0; i < 6; ++i) stranice[i] = s[i];
    OsveziSve();
}

TStraniceModela::~TStraniceModela() {
    for (auto& s : stranice)
        if (s && !s->parent()) delete s.data();
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

TStraniceModela::TIshod TStraniceModela::Izvrsi(const std::function<bool()>& komanda) {
    try {
        return komanda() ? TIshod::Uradjeno : TIshod::Nista;
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
    auto* v = new QVBoxLayout(TabSheetMaterijal);
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
    const auto imena = SpisakMaterijala(kontekst.Model());
    Popuni(ComboBoxSpisakImenaMaterijala, imena);
    Popuni(ComboBoxSpisakMaterijalaZaStap, imena);
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
    if (Izvrsi([&] { return ::DodajIliPromeniMaterijal(kontekst.Model(), rezim, izabrani, polja); }) !=
        TIshod::Uradjeno)
        return;
    OsveziMaterijale();
    OsveziStapove();
    PosleIzmene();
}

void TStraniceModela::ButtonObrisiMaterijalClick() {
    const int izabrani = ComboBoxSpisakImenaMaterijala->currentIndex();
    if (Izvrsi([&] { return ObrisiMaterijal(kontekst.Model(), izabrani); }) != TIshod::Uradjeno) return;
    OsveziMaterijale();
    PosleIzmene();
}

// ---------------------------------------------------------------------------------------------
// "Presek"

void TStraniceModela::NapraviStranicuPresek() {
    VELT_STRANICA(TabSheetPresek);
    auto* v = new QVBoxLayout(TabSheetPresek);
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
    const auto imena = SpisakPreseka(kontekst.Model());
    Popuni(ComboBoxSpisakImenaPreseka, imena);
    Popuni(ComboBoxSpisakPoprecnihPresekaZaStap, imena);
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
    if (Izvrsi([&] { return ::DodajIliPromeniPresek(kontekst.Model(), rezim, izabrani, polja); }) !=
        TIshod::Uradjeno)
        return;
    OsveziPreseke();
    OsveziStapove();
    PosleIzmene();
}

void TStraniceModela::ButtonObrisiPresekClick() {
    const int izabrani = ComboBoxSpisakImenaPreseka->currentIndex();
    if (Izvrsi([&] { return ObrisiPresek(kontekst.Model(), izabrani); }) != TIshod::Uradjeno) return;
    OsveziPreseke();
    PosleIzmene();
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

// ---------------------------------------------------------------------------------------------
// "Cvor"

void TStraniceModela::NapraviStranicuCvor() {
    VELT_STRANICA(TabSheetCvor);
    auto* v = new QVBoxLayout(TabSheetCvor);
    auto* grupa = new QGroupBox(QStringLiteral("Cvor"));
    auto* f = Forma(grupa);
    Red(f, "Spisak cvorova", VELT_SPISAK(ComboBoxSpisakCvorova));
    Red(f, "X koordinata", VELT_POLJE(EditXkoordinataCvora, "0.0"));
    Red(f, "Z koordinata", VELT_POLJE(EditZkoordinataCvora, "0.0"));
    v->addWidget(grupa);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonDodajCvor, "Dodaj"), VELT_DUGME(ButtonPromeniCvor, "Promeni"),
                             VELT_DUGME(ButtonObrisiCvor, "Obrisi")}));
    v->addStretch();

    connect(ComboBoxSpisakCvorova, &QComboBox::currentIndexChanged, this, [this] { ComboBoxSpisakCvorovaChange(); });
    connect(ButtonDodajCvor, &QPushButton::clicked, this, [this] { ButtonDodajCvorClick(); });
    connect(ButtonPromeniCvor, &QPushButton::clicked, this, [this] { ButtonPromeniCvorClick(); });
    connect(ButtonObrisiCvor, &QPushButton::clicked, this, [this] { ButtonObrisiCvorClick(); });
}

void TStraniceModela::OsveziCvorove() {
    const auto tekstovi = SpisakCvorova(kontekst.Model());
    for (QComboBox* c : {ComboBoxSpisakCvorova, ComboBoxSpisakCvorovaZaPocetniCvorStapa,
                         ComboBoxSpisakCvorovaZaKrajnjiCvorStapa, ComboBoxSpisakCvorovaZaOslonce,
                         ComboBoxSpisakCvorovaZaOpterecenje})
        Popuni(c, tekstovi);
    PrikaziOslonceCvora();
    PrikaziCvor();
    PrikaziOpterecenjeCvora();
    PrikaziStap();
}

void TStraniceModela::PrikaziCvor() {
    const TCvor* c = Izabrani(kontekst.Model().nizCvorova, ComboBoxSpisakCvorova->currentIndex());
    if (!c) return;
    EditXkoordinataCvora->setText(Q(FormatBroja(c->X())));
    EditZkoordinataCvora->setText(Q(FormatBroja(c->Z())));
}

void TStraniceModela::ComboBoxSpisakCvorovaChange() { PrikaziCvor(); }
void TStraniceModela::ButtonDodajCvorClick() { DodajIliPromeniCvor(TRezimIzmene::Dodaj); }
void TStraniceModela::ButtonPromeniCvorClick() { DodajIliPromeniCvor(TRezimIzmene::Promeni); }

void TStraniceModela::DodajIliPromeniCvor(TRezimIzmene rezim) {
    const std::string x = S(EditXkoordinataCvora), z = S(EditZkoordinataCvora);
    const int izabrani = ComboBoxSpisakCvorova->currentIndex();
    if (Izvrsi([&] { return ::DodajIliPromeniCvor(kontekst.Model(), rezim, izabrani, x, z); }) != TIshod::Uradjeno)
        return;
    OsveziCvorove();
    OsveziStapove();
    PosleIzmene();
}

void TStraniceModela::ButtonObrisiCvorClick() {
    if (kontekst.Model().nizCvorova.empty()) return;
    const int izabrani = ComboBoxSpisakCvorova->currentIndex();
    const TIshod ishod = Izvrsi([&] { return ObrisiCvor(kontekst.Model(), izabrani); });
    OsveziCvorove();
    if (ishod == TIshod::Uradjeno) PosleIzmene();
}

// ---------------------------------------------------------------------------------------------
// "Oslonac"

void TStraniceModela::NapraviStranicuOslonac() {
    VELT_STRANICA(TabSheetOslonac);
    auto* v = new QVBoxLayout(TabSheetOslonac);
    auto* grupa = new QGroupBox(QStringLiteral("Oslonci cvora"));
    auto* f = Forma(grupa);
    Red(f, "Cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaOslonce));
    CheckBoxOslonacX = Imenuj(new QCheckBox(QStringLiteral("Oslonac u X pravcu")), "CheckBoxOslonacX");
    CheckBoxOslonacZ = Imenuj(new QCheckBox(QStringLiteral("Oslonac u Z pravcu")), "CheckBoxOslonacZ");
    CheckBoxUkljestenje = Imenuj(new QCheckBox(QStringLiteral("Ukljestenje")), "CheckBoxUkljestenje");
    f->addRow(CheckBoxOslonacX);
    f->addRow(CheckBoxOslonacZ);
    f->addRow(CheckBoxUkljestenje);
    v->addWidget(grupa);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonPromeniOslonac, "Promeni")}));
    v->addStretch();

    connect(ComboBoxSpisakCvorovaZaOslonce, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakCvorovaZaOslonceChange(); });
    connect(ButtonPromeniOslonac, &QPushButton::clicked, this, [this] { ButtonPromeniOslonacClick(); });
}

void TStraniceModela::PrikaziOslonceCvora() {
    const TCvor* c = Izabrani(kontekst.Model().nizCvorova, ComboBoxSpisakCvorovaZaOslonce->currentIndex());
    if (!c) return;
    CheckBoxOslonacX->setChecked(c->OslX());
    CheckBoxOslonacZ->setChecked(c->OslZ());
    CheckBoxUkljestenje->setChecked(c->UkljY());
}

void TStraniceModela::ComboBoxSpisakCvorovaZaOslonceChange() { PrikaziOslonceCvora(); }

void TStraniceModela::ButtonPromeniOslonacClick() {
    const int izabrani = ComboBoxSpisakCvorovaZaOslonce->currentIndex();
    const bool x = CheckBoxOslonacX->isChecked(), z = CheckBoxOslonacZ->isChecked(),
               y = CheckBoxUkljestenje->isChecked();
    Izvrsi([&] { return PostaviOslonce(kontekst.Model(), izabrani, x, z, y); });
    OsveziCvorove();
    PosleIzmene();
}

// ---------------------------------------------------------------------------------------------
// "Opterecenje"

void TStraniceModela::NapraviStranicuOpterecenje() {
    VELT_STRANICA(TabSheetOpterecenje);
    auto* v = new QVBoxLayout(TabSheetOpterecenje);
    v->setContentsMargins(2, 2, 2, 2);
    PageControlOpterecenje = Imenuj(new QTabWidget, "PageControlOpterecenje");
    PageControlOpterecenje->addTab(NapraviStranicuOpterecenjaCvora(), QStringLiteral("Cvor"));
    // The member-load page holds the most; on a short window it scrolls rather than squeezing its fields.
    auto* skrol = new QScrollArea;
    skrol->setWidgetResizable(true);
    skrol->setFrameShape(QFrame::NoFrame);
    skrol->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    skrol->setWidget(NapraviStranicuOpterecenjaStapa());
    PageControlOpterecenje->addTab(skrol, QStringLiteral("Stap"));
    v->addWidget(PageControlOpterecenje);
}

QWidget* TStraniceModela::NapraviStranicuOpterecenjaCvora() {
    VELT_STRANICA(TabSheetOpterecenjeCvora);
    auto* v = new QVBoxLayout(TabSheetOpterecenjeCvora);
    auto* grupa = new QGroupBox(QStringLiteral("Opterecenje cvora"));
    auto* f = Forma(grupa);
    Red(f, "Cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaOpterecenje));
    Red(f, "Px", VELT_POLJE(EditKoncSilaUCvoruPx, "0.0"));
    Red(f, "Pz", VELT_POLJE(EditKoncSilaUCvoruPz, "0.0"));
    Red(f, "My", VELT_POLJE(EditKoncMomentUCvoru, "0.0"));
    v->addWidget(grupa);
    auto* zadato = new QGroupBox(QStringLiteral("Zadata pomeranja oslonaca"));
    auto* fz = Forma(zadato);
    fz->setRowWrapPolicy(QFormLayout::WrapAllRows);
    Red(fz, "Zadato pomeranje u X pravcu", VELT_POLJE(EditZadatoPomeranjeUXpravcu, "0.0"));
    Red(fz, "Zadato pomeranje u Z pravcu", VELT_POLJE(EditZadatoPomeranjeUZpravcu, "0.0"));
    Red(fz, "Zadato obrtanje ukljestenja oko Y ose", VELT_POLJE(EditZadatoObrtanjeUkljestenjaOkoYose, "0.0"));
    for (QLineEdit* e : {EditZadatoPomeranjeUXpravcu, EditZadatoPomeranjeUZpravcu, EditZadatoObrtanjeUkljestenjaOkoYose})
        e->setEnabled(false);
    v->addWidget(zadato);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonPromeniOpterecenjeCvora, "Promeni")}));
    v->addStretch();

    connect(ComboBoxSpisakCvorovaZaOpterecenje, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakCvorovaZaOpterecenjeChange(); });
    connect(ButtonPromeniOpterecenjeCvora, &QPushButton::clicked, this,
            [this] { ButtonPromeniOpterecenjeCvoraClick(); });
    return TabSheetOpterecenjeCvora;
}

void TStraniceModela::PrikaziOpterecenjeCvora() {
    TCvor* c = Izabrani(kontekst.Model().nizCvorova, ComboBoxSpisakCvorovaZaOpterecenje->currentIndex());
    if (!c) return;
    EditKoncSilaUCvoruPx->setText(Q(FormatBroja(c->Px())));
    EditKoncSilaUCvoruPz->setText(Q(FormatBroja(c->Pz())));
    EditKoncMomentUCvoru->setText(Q(FormatBroja(c->MkoncY())));
    const TZadataPomeranja z = ZadataPomeranjaZaPrikaz(*c);
    EditZadatoPomeranjeUXpravcu->setEnabled(z.x);
    EditZadatoPomeranjeUXpravcu->setText(Q(FormatBroja(z.ux)));
    EditZadatoPomeranjeUZpravcu->setEnabled(z.z);
    EditZadatoPomeranjeUZpravcu->setText(Q(FormatBroja(z.uz)));
    EditZadatoObrtanjeUkljestenjaOkoYose->setEnabled(z.y);
    EditZadatoObrtanjeUkljestenjaOkoYose->setText(Q(FormatBroja(z.fiy)));
}

void TStraniceModela::ComboBoxSpisakCvorovaZaOpterecenjeChange() { PrikaziOpterecenjeCvora(); }

void TStraniceModela::ButtonPromeniOpterecenjeCvoraClick() {
    const TPoljaOpterecenjaCvora polja{S(EditKoncSilaUCvoruPx),        S(EditKoncSilaUCvoruPz),
                                       S(EditKoncMomentUCvoru),        S(EditZadatoPomeranjeUXpravcu),
                                       S(EditZadatoPomeranjeUZpravcu), S(EditZadatoObrtanjeUkljestenjaOkoYose)};
    const int izabrani = ComboBoxSpisakCvorovaZaOpterecenje->currentIndex();
    if (Izvrsi([&] { return PostaviOpterecenjeCvora(kontekst.Model(), izabrani, polja); }) == TIshod::Uradjeno)
        PosleIzmene();
}
