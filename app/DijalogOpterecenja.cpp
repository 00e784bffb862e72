#include "DijalogOpterecenja.h"

#include <QTabWidget>

#include "StraniceModelaPomoc.h"

using namespace stranice_modela;

TDijalogOpterecenja::TDijalogOpterecenja(QWidget* roditelj, const QString& opis) : QDialog(roditelj) {
    setObjectName(QStringLiteral("DijalogOpterecenja"));
    setWindowTitle(QStringLiteral("Dodaj opterecenje"));
    auto* v = new QVBoxLayout(this);
    auto* natpis = Imenuj(new QLabel(opis), "LabelOpisOpterecenja");
    natpis->setWordWrap(true);
    v->addWidget(natpis);
    sadrzaj = new QVBoxLayout;
    v->addLayout(sadrzaj);
    auto* ok = Dugme("ButtonOKOpterecenja", "OK");
    auto* otkazi = Dugme("ButtonOtkaziOpterecenja", "Otkazi");
    ok->setDefault(true);
    auto* dugmad = RedDugmadi({ok, otkazi});
    dugmad->insertStretch(0);
    v->addLayout(dugmad);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(otkazi, &QPushButton::clicked, this, &QDialog::reject);
}

TDijalogOpterecenja::~TDijalogOpterecenja() = default;

void TDijalogOpterecenja::ZaStap(const QString& tekst, int vrsta) {
    auto* f = new QFormLayout;
    ime = Polje("EditImeOpterecenjaZaStap", "");
    ime->setText(tekst);
    Red(f, "Ime opterecenja", ime);
    sadrzaj->addLayout(f);
    vrste = std::make_unique<TPoljaVrstaOpterecenja>();
    for (int tip = 0; tip < BrojVrstaOpterecenja; ++tip) vrste->Raspored(tip)->addStretch();
    vrste->Tabovi()->setCurrentIndex(vrsta >= 0 && vrsta < BrojVrstaOpterecenja ? vrsta : toV);
    sadrzaj->addWidget(vrste->Tabovi());
}

void TDijalogOpterecenja::ZaCvor(TCvor& cvor) {
    cvorna = std::make_unique<TPoljaCvornogOpterecenja>();
    auto* grupa = new QGroupBox(QStringLiteral("Opterecenje cvora"));
    cvorna->DodajSile(Forma(grupa));
    sadrzaj->addWidget(grupa);
    sadrzaj->addWidget(cvorna->NapraviZadata());
    cvorna->Prikazi(cvor);
}

void TDijalogOpterecenja::accept() {
    if (primeni && !primeni()) return;
    QDialog::accept();
}
