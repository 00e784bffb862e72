// "Sacuvaj grafik...": the main plot as it is shown now, into a PNG, SVG or PDF file.
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QSpinBox>

#include <algorithm>

#include "IzvozGrafika.h"
#include "PlotChart.h"
#include "UnitGlavniProzor.h"

std::optional<QSize> TDijalozi::VelicinaSlike(QWidget*, QSize pocetna) { return pocetna; }

std::optional<QSize> TPraviDijalozi::VelicinaSlike(QWidget* roditelj, QSize pocetna) {
    QDialog d(roditelj);
    d.setWindowTitle(QStringLiteral("Velicina grafika"));
    auto* r = new QFormLayout(&d);
    auto polje = [&](int v) {
        auto* s = new QSpinBox(&d);
        s->setRange(100, 20000);
        s->setValue(std::clamp(v, 100, 20000));
        s->setSuffix(QStringLiteral(" px"));
        return s;
    };
    QSpinBox* sirina = polje(pocetna.width());
    QSpinBox* visina = polje(pocetna.height());
    sirina->setObjectName(QStringLiteral("SpinEditSirinaGrafika"));
    visina->setObjectName(QStringLiteral("SpinEditVisinaGrafika"));
    r->addRow(QStringLiteral("sirina"), sirina);
    r->addRow(QStringLiteral("visina"), visina);
    auto* dugmad = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    QObject::connect(dugmad, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    QObject::connect(dugmad, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    r->addRow(dugmad);
    if (d.exec() != QDialog::Accepted) return std::nullopt;
    return QSize(sirina->value(), visina->value());
}

void TFormGlavniProzor::Sacuvajgrafik1Click() {
    if (!PlotChartGrafik) return;
    QString put = dijalozi->SnimiFajl(this, QStringLiteral("Sacuvaj grafik"),
                                      QStringLiteral("PNG slika (*.png);;SVG crtez (*.svg);;PDF dokument (*.pdf)"));
    if (put.isNull()) return;
    if (QFileInfo(put).suffix().isEmpty()) put += QStringLiteral(".png");
    const std::optional<QSize> velicina = dijalozi->VelicinaSlike(this, PlotChartGrafik->size());
    if (!velicina) return;
    const QString ime = putanjaDoFajla.isEmpty() ? QStringLiteral("bez imena") : QFileInfo(putanjaDoFajla).fileName();
    const QString greska = SacuvajGrafik(*PlotChartGrafik, put, velicina->width(), velicina->height(), ime);
    if (!greska.isEmpty()) dijalozi->Greska(this, greska);
}
