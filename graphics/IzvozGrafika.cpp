#include "IzvozGrafika.h"

#include <QDateTime>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include "PlotChartRaspored.h"

TFormatSlike FormatSlike(const QString& putanja) {
    const QString e = QFileInfo(putanja).suffix().toLower();
    if (e == QLatin1String("svg")) return TFormatSlike::Svg;
    if (e == QLatin1String("pdf")) return TFormatSlike::Pdf;
    return TFormatSlike::Png;
}

namespace {

// The plot, then under it a framed strip with the model's name on the left and the date on the
// right.
void NacrtajSaZaglavljem(QPainter& p, const TPlotPovrsina& g, int w, int h, const QString& naslov) {
    g.Nacrtaj(p, QRect(0, 0, w, h));
    const QRect traka(0, h, w, VisinaZaglavlja);
    p.fillRect(traka, Qt::white);
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(traka.adjusted(4, 4, -5, -5));
    p.setFont(FontPlota(9));
    const QRect tekst = traka.adjusted(12, 4, -12, -5);
    p.drawText(tekst, Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("VELT - ") + naslov);
    p.drawText(tekst, Qt::AlignVCenter | Qt::AlignRight,
               QDateTime::currentDateTime().toString(QStringLiteral("dd.MM.yyyy. HH:mm")));
}

constexpr int Dpi = 96;

}  // namespace

QString SacuvajGrafik(const TPlotPovrsina& g, const QString& putanja, int w, int h, const QString& naslov) {
    const QString greska = QStringLiteral("Grafik nije sacuvan u ") + putanja + QStringLiteral("!!!");
    if (w < 1 || h < 1) return greska;
    switch (FormatSlike(putanja)) {
        case TFormatSlike::Png: {
            QImage slika(w, h, QImage::Format_RGB32);
            {
                QPainter p(&slika);
                g.Nacrtaj(p, slika.rect());
            }
            return slika.save(putanja, "PNG") ? QString() : greska;
        }
        case TFormatSlike::Svg: {
            QSvgGenerator svg;
            svg.setFileName(putanja);
            svg.setResolution(Dpi);
            svg.setSize(QSize(w, h + VisinaZaglavlja));
            svg.setViewBox(QRect(0, 0, w, h + VisinaZaglavlja));
            svg.setTitle(naslov);
            svg.setDescription(QStringLiteral("VELT grafik"));
            QPainter p;
            if (!p.begin(&svg)) return greska;
            NacrtajSaZaglavljem(p, g, w, h, naslov);
            return p.end() && QFileInfo(putanja).size() > 0 ? QString() : greska;
        }
        case TFormatSlike::Pdf: {
            QPdfWriter pdf(putanja);
            pdf.setResolution(Dpi);
            pdf.setTitle(naslov);
            pdf.setCreator(QStringLiteral("VELT"));
            // One page exactly the size of the drawing, so nothing is scaled or cut.
            const QSizeF tacke(w * 72.0 / Dpi, (h + VisinaZaglavlja) * 72.0 / Dpi);
            pdf.setPageLayout(QPageLayout(QPageSize(tacke, QPageSize::Point, QString(), QPageSize::ExactMatch),
                                          QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
            QPainter p;
            if (!p.begin(&pdf)) return greska;
            NacrtajSaZaglavljem(p, g, w, h, naslov);
            return p.end() && QFileInfo(putanja).size() > 0 ? QString() : greska;
        }
    }
    return greska;
}
