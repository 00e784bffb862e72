#include "ProzorProvere.h"

#include <QComboBox>
#include <QFile>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Brojevi.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "KontekstAnalize.h"
#include "PoredjenjeMatrica.h"
#include "ZapisBroja.h"

namespace {

const QColor BojaRazlike(255, 150, 150);

template <class W>
W* Imenuj(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    return w;
}

}  // namespace

TProzorProvere::TProzorProvere(TKontekstAnalize& kontekst, QWidget* parent) : QDialog(parent), kontekst(kontekst) {
    setObjectName(QStringLiteral("ProzorProvera"));
    setWindowTitle(QStringLiteral("Provera"));
    matrice = SveMatriceMetode(kontekst.Model(), kontekst.Stanje());
    if (matrice.empty()) throw TGreska("Nema rezultata: prvo pokrenite analizu!!!");

    ComboBoxProveraMatrica = Imenuj(new QComboBox, "ComboBoxProveraMatrica");
    for (const auto& m : matrice) ComboBoxProveraMatrica->addItem(QString::fromStdString(m.ime));
    MemoProvera = Imenuj(new QPlainTextEdit, "MemoProvera");
    MemoProvera->setPlaceholderText(QStringLiteral("Nalepite ili upisite matricu (kolone odvojene tabom, ; ili ,)"));
    EditTolerancija = Imenuj(new QLineEdit(QStringLiteral("1e-6")), "EditTolerancija");
    ButtonUporedi = Imenuj(new QPushButton(QStringLiteral("Uporedi")), "ButtonUporedi");
    ButtonIzFajla = Imenuj(new QPushButton(QStringLiteral("Iz fajla...")), "ButtonIzFajla");
    LabelProvera = Imenuj(new QLabel, "LabelProvera");
    LabelProvera->setWordWrap(true);
    TabelaProvera = Imenuj(new QTableWidget, "TabelaProvera");
    TabelaProvera->setEditTriggers(QAbstractItemView::NoEditTriggers);

    auto* forma = new QFormLayout;
    forma->addRow(QStringLiteral("Matrica"), ComboBoxProveraMatrica);
    forma->addRow(QStringLiteral("Relativna tolerancija"), EditTolerancija);
    auto* dugmad = new QHBoxLayout;
    dugmad->addWidget(ButtonIzFajla);
    dugmad->addStretch(1);
    dugmad->addWidget(ButtonUporedi);
    auto* v = new QVBoxLayout(this);
    v->addLayout(forma);
    v->addWidget(MemoProvera, 1);
    v->addLayout(dugmad);
    v->addWidget(LabelProvera);
    v->addWidget(TabelaProvera, 2);
    resize(900, 700);

    connect(ButtonUporedi, &QPushButton::clicked, this, [this] { Uporedi(); });
    connect(ButtonIzFajla, &QPushButton::clicked, this, [this] { UcitajFajl(); });
    connect(ComboBoxProveraMatrica, &QComboBox::currentIndexChanged, this, [this](int i) {
        if (i >= 0) PrikaziMatricu(matrice[static_cast<size_t>(i)]);
        LabelProvera->clear();
    });
    PrikaziMatricu(matrice.front());
}

void TProzorProvere::PrikaziMatricu(const TImenovanaMatrica& m) {
    TabelaProvera->clear();
    TabelaProvera->setRowCount(m.redova);
    TabelaProvera->setColumnCount(m.kolona);
    auto oznake = [](const std::vector<int>& k) {
        QStringList l;
        for (int x : k) l << QString::number(x);
        return l;
    };
    if (!m.kodoviKolona.empty()) TabelaProvera->setHorizontalHeaderLabels(oznake(m.kodoviKolona));
    if (!m.kodoviRedova.empty()) TabelaProvera->setVerticalHeaderLabels(oznake(m.kodoviRedova));
    for (int r = 1; r <= m.redova; ++r)
        for (int c = 1; c <= m.kolona; ++c) {
            auto* s = new QTableWidgetItem(QString::fromStdString(ZapisSaCiframa(m.Element(c, r), 6)));
            s->setToolTip(QString::fromStdString(TacanZapis(m.Element(c, r))));
            TabelaProvera->setItem(r - 1, c - 1, s);
        }
}

void TProzorProvere::Uporedi() {
    const int i = ComboBoxProveraMatrica->currentIndex();
    if (i < 0) return;
    const TImenovanaMatrica& m = matrice[static_cast<size_t>(i)];
    const auto tol = ParsirajReal(EditTolerancija->text().toStdString());
    if (!tol || !(*tol >= 0)) {
        kontekst.Dijalozi().Greska(this, QStringLiteral("Tolerancija mora biti broj veci ili jednak nuli!!!"));
        return;
    }
    try {
        const TIshodProvere ishod =
            ProveriMatricu(m, ProcitajTabelu(MemoProvera->toPlainText().toStdString()), static_cast<double>(*tol));
        PrikaziMatricu(m);
        if (!ishod.velicinaOdgovara) {
            LabelProvera->setText(QString::fromStdString(ishod.poruka));
            return;
        }
        for (const TRazlika& x : ishod.razlike)
            if (QTableWidgetItem* s = TabelaProvera->item(x.red - 1, x.kolona - 1)) {
                s->setBackground(BojaRazlike);
                s->setToolTip(QStringLiteral("VELT ") + QString::fromStdString(TacanZapis(x.izracunato)) +
                              QStringLiteral(", uneto ") + QString::fromStdString(TacanZapis(x.uneto)));
            }
        LabelProvera->setText(QString::number(ishod.razlike.size()) + QStringLiteral(" od ") +
                              QString::number(ishod.poredjeno) + QStringLiteral(" vrednosti se razlikuje") +
                              (ishod.poKodovima ? QStringLiteral(" (poravnato po kodnim brojevima)") : QString()) +
                              QStringLiteral("; najveca relativna razlika ") +
                              QString::fromStdString(ZapisSaCiframa(ishod.najvecaRazlika, 3)) + QStringLiteral("."));
    } catch (const TGreska& e) {
        kontekst.Dijalozi().Greska(this, QString::fromUtf8(e.what()));
    }
}

void TProzorProvere::UcitajFajl() {
    const QString put = kontekst.Dijalozi().OtvoriFajl(this, QStringLiteral("Provera: matrica iz fajla"),
                                                       QStringLiteral("CSV (*.csv *.txt)"));
    if (put.isNull()) return;
    QFile f(put);
    if (!f.open(QIODevice::ReadOnly)) {
        kontekst.Dijalozi().Greska(this, QStringLiteral("Nije moguce procitati fajl ") + put + QStringLiteral("!!!"));
        return;
    }
    MemoProvera->setPlainText(QString::fromUtf8(f.readAll()));
    Uporedi();
}

void OtvoriProveru(TKontekstAnalize& kontekst, QWidget* roditelj) {
    try {
        auto* p = new TProzorProvere(kontekst, roditelj);
        p->setAttribute(Qt::WA_DeleteOnClose);
        p->show();
    } catch (const TGreska& e) {
        kontekst.Dijalozi().Greska(roditelj, QString::fromUtf8(e.what()));
    }
}
