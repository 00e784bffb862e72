#include "UnitGrafik.h"

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <QPalette>
#include <QPrinter>
#include <QStyle>

#include <algorithm>

#include "CrtanjeKonstrukcije.h"
#include "Dijalozi.h"

TFormGrafikStampa::TFormGrafikStampa(TDijalozi& dijalozi, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint),
      dijalozi(dijalozi) {
    setObjectName(QStringLiteral("FormGrafikStampa"));
    setWindowTitle(QStringLiteral("Grafik"));
    setAutoFillBackground(true);
    QPalette paleta = palette();
    paleta.setColor(QPalette::Window, Qt::white);
    setPalette(paleta);
    resize(DizajnSirina, DizajnVisina);

    PlotChartGrafikZaStampu = new TPlotChart(this);
    PlotChartGrafikZaStampu->setObjectName(QStringLiteral("PlotChartGrafikZaStampu"));
    PlotChartGrafikZaStampu->setAccessibleDescription(QStringLiteral("PlotChartGrafikZaStampu"));
    PlotChartGrafikZaStampu->PodesiZaStampu();
    PlotChartGrafikZaStampu->LRim = 50;
    PlotChartGrafikZaStampu->RRim = 20;
    PlotChartGrafikZaStampu->TRim = 20;
    PlotChartGrafikZaStampu->BRim = 40;
    RasporediGrafik();
}

void TFormGrafikStampa::resizeEvent(QResizeEvent* e) {
    QDialog::resizeEvent(e);
    RasporediGrafik();
}

void TFormGrafikStampa::RasporediGrafik() {
    const int w = std::max(0, width() - GrafikLevo - GrafikDesno);
    const int h = std::max(0, height() - GrafikGore - GrafikDole);
    PlotChartGrafikZaStampu->setGeometry(GrafikLevo, GrafikGore, w, h);
    PlotChartGrafikZaStampu->PostaviVelicinu(w, h);
}

QSize TFormGrafikStampa::Okvir() const {
    // A window that has been on screen knows its frame; a hidden one gets the style's dialog
    // border and caption.
    const QRect spolja = frameGeometry(), unutra = geometry();
    if (spolja.size() != unutra.size()) return spolja.size() - unutra.size();
    const QStyle* s = style();
    const int rub = std::max(1, s->pixelMetric(QStyle::PM_MdiSubWindowFrameWidth, nullptr, this));
    const int naslov = std::max(18, s->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this));
    return {2 * rub, naslov + 2 * rub};
}

bool TFormGrafikStampa::Stampaj(int sirina, int visina) {
    QPrinter stampac(QPrinter::HighResolution);
    stampac.setDocName(QStringLiteral("VELT - Grafik"));
    if (!dijalozi.Stampanje(parentWidget() ? parentWidget() : this, stampac)) return false;

    const QSize okvir = Okvir();
    resize(std::max(1, sirina - okvir.width()), std::max(1, visina - okvir.height()));
    RasporediGrafik();

    TPlotChart& g = *PlotChartGrafikZaStampu;
    if (izvor) {
        TIzvor i = izvor();
        if (i.model) {
            CrtajGrafik(g, *i.model, i.podesavanja, i.stanje);
            // Whatever the main plot shows, the page shows the whole structure.
            PodesiKrajnjeGraniceGrafika(g, *i.model, i.podesavanja);
        }
        g.SetGridStyle(i.mreza);
    }
    if (!StampajSliku(stampac)) {
        dijalozi.Greska(parentWidget() ? parentWidget() : this, QStringLiteral("Grafik nije moguce stampati!!!"));
        return false;
    }
    return true;
}

bool TFormGrafikStampa::StampajSliku(QPrinter& stampac) {
    // The window's image at screen resolution, as the user would see it.
    QImage slika(size(), QImage::Format_RGB32);
    slika.fill(Qt::white);
    {
        QPainter p(&slika);
        render(&p);
    }

    QPainter p;
    if (!p.begin(&stampac)) return false;
    const double ekran = logicalDpiX() > 0 ? logicalDpiX() : 96.0;
    const double ekranY = logicalDpiY() > 0 ? logicalDpiY() : 96.0;
    const double sx = stampac.logicalDpiX() / ekran, sy = stampac.logicalDpiY() / ekranY;
    // Each screen pixel becomes a sharp block: smoothing would blur the one-pixel lines and the
    // grid dots into grey.
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    // Line art: JPEG would smear every line and dot of the plot.
    p.setRenderHint(QPainter::LosslessImageRendering, true);
    p.drawImage(QRectF(0, 0, slika.width() * sx, slika.height() * sy), slika);
    return p.end();
}
