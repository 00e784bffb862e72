// Painting of the plot surface through QPainter, onto the screen, an image or a printer page.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

#include "IndeksStavki.h"
#include "PlotChart.h"
#include "PlotChartRaspored.h"

namespace {

QColor Boja(TColor c) { return BojaIzTColor(c); }

const QString& ImeFonta() {
    static const QString ime = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))        ? QStringLiteral("Tahoma")
                               : QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                                                         : QStringLiteral("Sans Serif");
    return ime;
}

QFont Font(int tacaka) { return FontPlota(tacaka); }

// The label in at most `sirina` pixels: its usual form, or fewer significant digits when even the
// widest margin cannot hold it. A label is shortened, never cut.
QString TekstKojiStaje(double v, int decimala, const QFontMetrics& m, int sirina) {
    QString t = TekstPodeoka(v, decimala);
    for (int cifara = 6; cifara >= 1 && m.horizontalAdvance(t) > sirina; --cifara) t = QString::number(v, 'g', cifara);
    return t;
}

}  // namespace

QColor BojaIzTColor(TColor c) { return QColor::fromRgb((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF); }

QString TekstPodeoka(double v, int decimala) {
    if (v == 0) return QStringLiteral("0");
    if (std::abs(v) >= 1e9) return QString::number(v, 'g', 6);
    return QString::number(v, 'f', decimala);
}

QFont FontPlota(int tacaka, bool podebljan) {
    QFont f(ImeFonta());
    f.setPointSize(std::max(1, tacaka));
    f.setStyleHint(QFont::SansSerif);
    if (podebljan) f.setBold(true);
    return f;
}

void TPlotPovrsina::Nacrtaj(QPainter& p, const QRect& okvir) const {
    p.save();
    p.translate(okvir.topLeft());
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, true);
    const int W = okvir.width(), H = okvir.height(), S = Senka();
    const QFont fontOsa = Font(VelicinaFontaOsa);
    p.setFont(fontOsa);
    const QFontMetrics mo = p.fontMetrics();
    const int levo = LevaMargina(mo, W, H);
    const TOpsezi v = Opsezi(levo, W, H);
    const TRaspored r{levo, W - RRim - S, TRim, H - BRim - S, v.xL, v.xH, v.yL, v.yH};
    const QRect povrsina(QPoint(r.levo, r.gore), QPoint(r.desno, r.dole));

    // 1. Surround, plot area, shadow, axes with their ticks and labels, caption; the frame follows
    //    the grid.
    p.fillRect(QRect(0, 0, W, H), Boja(WindColor));
    if (povrsina.width() <= 0 || povrsina.height() <= 0) {
        p.restore();
        return;
    }
    if (S > 0) {
        p.fillRect(QRect(r.desno + 1, r.gore + S, S, r.dole - r.gore + 1), Boja(ShadowColor));
        p.fillRect(QRect(r.levo + S, r.dole + 1, r.desno - r.levo + 1, S), Boja(ShadowColor));
    }
    p.fillRect(povrsina, Boja(ChartColor));
    p.setPen(QPen(Boja(clBlack), 0));

    TPodeoci px, py;
    PodeociZaMetriku(mo, r.levo, r.desno, r.gore, r.dole, v, px, py);

    for (double v : px.sporedni) {
        const int x = r.X(v);
        if (x >= r.levo && x <= r.desno) p.drawLine(x, r.dole + S + 1, x, r.dole + S + 3);
    }
    int krajNatpisa = std::numeric_limits<int>::min();
    for (double v : px.glavni) {
        const int x = r.X(v);
        if (x < r.levo || x > r.desno) continue;
        p.drawLine(x, r.dole + S + 1, x, r.dole + S + 6);
        const QString t = TekstPodeoka(v, px.decimala);
        // Centred under its tick, but moved in rather than cut at the control's edges; one that
        // would then run into its neighbour keeps only its tick.
        const int sirinaTeksta = mo.horizontalAdvance(t);
        const int levo = std::clamp(x - sirinaTeksta / 2, 0, std::max(0, W - sirinaTeksta));
        if (levo < krajNatpisa + 4) continue;
        p.drawText(levo, r.dole + S + 8 + mo.ascent(), t);
        krajNatpisa = levo + sirinaTeksta;
    }
    for (double v : py.sporedni) {
        const int y = r.Y(v);
        if (y >= r.gore && y <= r.dole) p.drawLine(r.levo - 3, y, r.levo - 1, y);
    }
    for (double v : py.glavni) {
        const int y = r.Y(v);
        if (y < r.gore || y > r.dole) continue;
        p.drawLine(r.levo - 6, y, r.levo - 1, y);
        const QString t = TekstKojiStaje(v, py.decimala, mo, r.levo - RazmakDoOse - RazmakDoIvice);
        p.drawText(r.levo - RazmakDoOse - mo.horizontalAdvance(t), y - mo.height() / 2 + mo.ascent(), t);
    }
    if (!NatpisOseY.isEmpty()) {
        // 16 pixels above the area, but lowered as far as needed to keep the caption whole.
        const int vrh = std::max(0, r.gore - 16 - mo.height() / 2);
        p.drawText(r.levo - mo.horizontalAdvance(NatpisOseY) / 2, vrh + mo.ascent(), NatpisOseY);
    }

    // 2. Dotted grid: every other pixel along each tick line.
    if (gridStyle == gsDotLines) {
        p.setPen(QPen(Boja(GridColor), 0));
        QPolygon tacke;
        for (double v : px.glavni) {
            const int x = r.X(v);
            if (x < r.levo || x > r.desno) continue;
            for (int y = r.gore; y <= r.dole; y += 2) tacke << QPoint(x, y);
        }
        for (double v : py.glavni) {
            const int y = r.Y(v);
            if (y < r.gore || y > r.dole) continue;
            for (int x = r.levo; x <= r.desno; x += 2) tacke << QPoint(x, y);
        }
        p.drawPoints(tacke);
    }
    // The frame goes over the grid, so a tick that falls on the border leaves it solid.
    p.setPen(QPen(Boja(clBlack), 0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(r.levo, r.gore, r.desno - r.levo, r.dole - r.gore));

    // 3. The display list, in order, clipped to the plot area; the highlight and the overlay go
    //    over it, the labels over everything.
    p.setClipRect(povrsina);
    NacrtajListu(p, r, stavke, oblici, Indeks(), [&] { NacrtajPreko(p, r); });
    p.restore();
}

void TPlotPovrsina::NacrtajPreko(QPainter& p, const TRaspored& r) const {
    if (istaknuta) {
        const int x = r.X(istaknutaX), y = r.Y(istaknutaY);
        // Far outside the plot nothing of the ring can show.
        constexpr double rez = 2000;
        if (x > r.levo - rez && x < r.desno + rez && y > r.gore - rez && y < r.dole + rez) {
            p.setRenderHint(QPainter::Antialiasing, true);
            p.setPen(QPen(Boja(BojaIsticanja), 2));
            p.setBrush(Qt::NoBrush);
            p.drawEllipse(QPoint(x, y), PoluprecnikIsticanja, PoluprecnikIsticanja);
        }
    }
    if (!preklop.empty()) {
        p.setRenderHint(QPainter::Antialiasing, true);
        p.setPen(QPen(Boja(BojaPreklopa), 2, Qt::DashLine));
        for (const TDuzPreklopa& d : preklop) p.drawLine(QPoint(r.X(d.x1), r.Y(d.y1)), QPoint(r.X(d.x2), r.Y(d.y2)));
    }
}

const std::vector<TBlokStavki>& TPlotPovrsina::Indeks() const {
    if (!indeks) indeks = std::make_shared<std::vector<TBlokStavki>>(IndeksStavki(stavke, oblici));
    return *indeks;
}
