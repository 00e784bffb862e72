// The node pages of the editing pages: "Cvor", "Oslonac" and the node-load sub-page of
// "Opterecenje".
#include <QScrollArea>
#include <QSignalBlocker>
#include <QTabWidget>

#include "Brojevi.h"
#include "KontekstUredjivanja.h"
#include "ModelSpiska.h"
#include "PravilaVrednosti.h"
#include "StraniceModela.h"
#include "StraniceModelaPomoc.h"
#include "UredjivanjeCvorova.h"
#include "VrsteOslonaca.h"

using namespace stranice_modela;

// ---------------------------------------------------------------------------------------------
// "Cvor"

void TStraniceModela::NapraviStranicuCvor() {
    VELT_STRANICA(TabSheetCvor);
    auto* v = SadrzajSaKlizacem(TabSheetCvor);
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
    spisakCvorova->Popuni(SpisakCvorova(kontekst.Model()));
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
    const char* naziv = rezim == TRezimIzmene::Dodaj ? "Dodaj cvor" : "Promeni cvor";
    if (Izvrsi(naziv, [&](TModel& m) { return ::DodajIliPromeniCvor(m, rezim, izabrani, x, z); }) != TIshod::Uradjeno)
        return;
    OsveziCvorove();
    OsveziStapove();
    PokaziStavku(ComboBoxSpisakCvorova, rezim == TRezimIzmene::Dodaj ? ComboBoxSpisakCvorova->count() - 1 : izabrani);
}

void TStraniceModela::ButtonObrisiCvorClick() {
    if (kontekst.Model().nizCvorova.empty()) return;
    const int izabrani = ComboBoxSpisakCvorova->currentIndex();
    Izvrsi("Obrisi cvor", [&](TModel& m) { return ObrisiCvor(m, izabrani); });
    OsveziCvorove();
}

// ---------------------------------------------------------------------------------------------
// "Oslonac"

void TStraniceModela::NapraviStranicuOslonac() {
    VELT_STRANICA(TabSheetOslonac);
    auto* v = SadrzajSaKlizacem(TabSheetOslonac);
    auto* grupa = new QGroupBox(QStringLiteral("Oslonci cvora"));
    auto* f = Forma(grupa);
    Red(f, "Cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaOslonce));
    Red(f, "Vrsta oslonca", VELT_SPISAK(ComboBoxVrstaOslonca));
    for (const TVrstaOslonca& vrsta : VrsteOslonaca) ComboBoxVrstaOslonca->addItem(QString::fromLatin1(vrsta.ime));
    ComboBoxVrstaOslonca->addItem(QString::fromLatin1(VrstaPoIzboru));
    CheckBoxOslonacX = Imenuj(new QCheckBox(QStringLiteral("Oslonac u X pravcu")), "CheckBoxOslonacX");
    CheckBoxOslonacZ = Imenuj(new QCheckBox(QStringLiteral("Oslonac u Z pravcu")), "CheckBoxOslonacZ");
    CheckBoxUkljestenje = Imenuj(new QCheckBox(QStringLiteral("Ukljestenje")), "CheckBoxUkljestenje");
    f->addRow(CheckBoxOslonacX);
    f->addRow(CheckBoxOslonacZ);
    f->addRow(CheckBoxUkljestenje);
    v->addWidget(grupa);
    // Springs act along the node's axes, turned by the angle counter-clockwise from X and Z; so do
    // the supports ticked above.
    auto* elasticni = new QGroupBox(QStringLiteral("Elasticni i kosi oslonac"));
    auto* fe = Forma(elasticni);
    Red(fe, "Opruga kx", VELT_POLJE(EditOprugaKx, "0.0"));
    Red(fe, "Opruga kz", VELT_POLJE(EditOprugaKz, "0.0"));
    Red(fe, "Opruga kfi", VELT_POLJE(EditOprugaKfi, "0.0"));
    Red(fe, "Ugao oslonca (stepeni)", VELT_POLJE(EditUgaoOslonca, "0.0"));
    v->addWidget(elasticni);
    v->addLayout(RedDugmadi({VELT_DUGME(ButtonPromeniOslonac, "Promeni")}));
    v->addStretch();

    connect(ComboBoxSpisakCvorovaZaOslonce, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakCvorovaZaOslonceChange(); });
    connect(ButtonPromeniOslonac, &QPushButton::clicked, this, [this] { ButtonPromeniOslonacClick(); });
    // Only the user's choice changes the model; the boxes follow it and it follows the boxes.
    connect(ComboBoxVrstaOslonca, &QComboBox::activated, this, [this](int i) { ComboBoxVrstaOsloncaChange(i); });
    for (QCheckBox* k : {CheckBoxOslonacX, CheckBoxOslonacZ, CheckBoxUkljestenje})
        connect(k, &QCheckBox::toggled, this, [this] { PrikaziVrstuOslonca(); });
    for (QLineEdit* e : {EditOprugaKx, EditOprugaKz, EditOprugaKfi, EditUgaoOslonca})
        connect(e, &QLineEdit::textChanged, this, [this] { PrikaziVrstuOslonca(); });
    PrikaziVrstuOslonca();
}

// The named kinds are plain supports: a spring or a turned axis among the fields makes the node's
// support one of its own, whatever the boxes say. A field that is not a number is not plain either.
bool TStraniceModela::PoljaElasticnogOsloncaPrazna() const {
    for (const QLineEdit* e : {EditOprugaKx, EditOprugaKz, EditOprugaKfi, EditUgaoOslonca}) {
        try {
            if (TekstUVrednost(S(e)) != 0) return false;
        } catch (const std::exception&) {
            return false;
        }
    }
    return true;
}

void TStraniceModela::PrikaziVrstuOslonca() {
    const bool imaCvor = Izabrani(kontekst.Model().nizCvorova, ComboBoxSpisakCvorovaZaOslonce->currentIndex());
    const int i = !PoljaElasticnogOsloncaPrazna()
                      ? -1
                      : IndeksVrsteOslonca(CheckBoxOslonacX->isChecked(), CheckBoxOslonacZ->isChecked(),
                                           CheckBoxUkljestenje->isChecked());
    const QSignalBlocker b(ComboBoxVrstaOslonca);
    ComboBoxVrstaOslonca->setCurrentIndex(imaCvor && i >= 0 ? i : static_cast<int>(VrsteOslonaca.size()));
}

void TStraniceModela::ComboBoxVrstaOsloncaChange(int indeks) {
    if (indeks < 0 || indeks >= static_cast<int>(VrsteOslonaca.size())) {
        PrikaziVrstuOslonca();
        return;
    }
    const TVrstaOslonca& v = VrsteOslonaca[static_cast<size_t>(indeks)];
    {
        const QSignalBlocker bx(CheckBoxOslonacX), bz(CheckBoxOslonacZ), by(CheckBoxUkljestenje);
        CheckBoxOslonacX->setChecked(v.oslX);
        CheckBoxOslonacZ->setChecked(v.oslZ);
        CheckBoxUkljestenje->setChecked(v.ukljY);
    }
    // The springs and the angle in the fields go with the kind in the same step; where a spring
    // would act on a direction the kind holds, the step is refused and the boxes show the node again.
    const int izabrani = ComboBoxSpisakCvorovaZaOslonce->currentIndex();
    ButtonPromeniOslonacClick();
    PokaziStavku(ComboBoxSpisakCvorovaZaOslonce, izabrani);
    if (const TCvor* c = Izabrani(kontekst.Model().nizCvorova, izabrani)) {
        const QSignalBlocker bx(CheckBoxOslonacX), bz(CheckBoxOslonacZ), by(CheckBoxUkljestenje);
        CheckBoxOslonacX->setChecked(c->OslX());
        CheckBoxOslonacZ->setChecked(c->OslZ());
        CheckBoxUkljestenje->setChecked(c->UkljY());
    }
    PrikaziVrstuOslonca();
}

void TStraniceModela::PrikaziOslonceCvora() {
    const TCvor* c = Izabrani(kontekst.Model().nizCvorova, ComboBoxSpisakCvorovaZaOslonce->currentIndex());
    if (!c) return;
    CheckBoxOslonacX->setChecked(c->OslX());
    CheckBoxOslonacZ->setChecked(c->OslZ());
    CheckBoxUkljestenje->setChecked(c->UkljY());
    PrikaziVrstuOslonca();
    EditOprugaKx->setText(Q(FormatBroja(c->Kx())));
    EditOprugaKz->setText(Q(FormatBroja(c->Kz())));
    EditOprugaKfi->setText(Q(FormatBroja(c->Kfi())));
    EditUgaoOslonca->setText(Q(FormatBroja(c->Ugao())));
}

void TStraniceModela::ComboBoxSpisakCvorovaZaOslonceChange() { PrikaziOslonceCvora(); }

void TStraniceModela::ButtonPromeniOslonacClick() {
    const int izabrani = ComboBoxSpisakCvorovaZaOslonce->currentIndex();
    const bool x = CheckBoxOslonacX->isChecked(), z = CheckBoxOslonacZ->isChecked(),
               y = CheckBoxUkljestenje->isChecked();
    const TPoljaElasticnogOslonca opruge{S(EditOprugaKx), S(EditOprugaKz), S(EditOprugaKfi), S(EditUgaoOslonca)};
    const TIshod ishod =
        Izvrsi("Promeni oslonac", [&](TModel& m) { return PostaviOslonceIOpruge(m, izabrani, x, z, y, opruge); });
    OsveziCvorove();
    if (ishod != TIshod::Uradjeno) PosleIzmene();
    else PokaziStavku(ComboBoxSpisakCvorovaZaOslonce, izabrani);
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
    auto* v = SadrzajSaKlizacem(TabSheetOpterecenjeCvora);
    auto* grupa = new QGroupBox(QStringLiteral("Opterecenje cvora"));
    auto* f = Forma(grupa);
    Red(f, "Cvor", VELT_SPISAK(ComboBoxSpisakCvorovaZaOpterecenje));
    cvorna.DodajSile(f);
    v->addWidget(grupa);
    QGroupBox* zadato = cvorna.NapraviZadata();
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
    cvorna.Prikazi(*c);
}

void TStraniceModela::ComboBoxSpisakCvorovaZaOpterecenjeChange() { PrikaziOpterecenjeCvora(); }

void TStraniceModela::ButtonPromeniOpterecenjeCvoraClick() {
    const TPoljaOpterecenjaCvora polja = cvorna.Tekstovi();
    const int izabrani = ComboBoxSpisakCvorovaZaOpterecenje->currentIndex();
    Izvrsi("Promeni opterecenje cvora", [&](TModel& m) { return PostaviOpterecenjeCvora(m, izabrani, polja); });
}
