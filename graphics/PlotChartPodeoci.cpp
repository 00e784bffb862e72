// Axis ticks of the plot surface, the left margin that their labels need, and the ranges shown.
#include <QCoreApplication>
#include <QFontMetrics>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

#include "PlotChart.h"
#include "PlotChartRaspored.h"

TPlotPovrsina::TPodeoci TPlotPovrsina::Podeoci(double low, double high, int duzinaPx, int razmakPx) {
    TPodeoci r;
    const double raspon = high - low;
    if (!(raspon > 0) || !std::isfinite(raspon) || !std::isfinite(low)) return r;
    const int intervala = std::max(2, duzinaPx / std::max(1, razmakPx));
    int eksp = static_cast<int>(std::floor(std::log10(raspon / intervala)));
    const double f = raspon / intervala / std::pow(10.0, eksp);
    // Round steps 1, 2, 5 times a power of ten; `cifra` is the leading digit of the step.
    int cifra = f < 1.5 ? 1 : f < 3.5 ? 2 : f < 7.5 ? 5 : 10;
    if (cifra == 10) {
        cifra = 1;
        ++eksp;
    }
    for (int pokusaj = 0; pokusaj < 12; ++pokusaj) {
        const double korak = cifra * std::pow(10.0, eksp);
        const double prvi = std::ceil(low / korak - 1e-9), poslednji = std::floor(high / korak + 1e-9);
        if (poslednji - prvi + 1 >= 3 || pokusaj == 11) {
            if (poslednji - prvi > 10000) return r;
            for (double k = prvi; k <= poslednji; k += 1) r.glavni.push_back(k * korak);
            const int deoba = cifra == 2 ? 4 : 5;
            const double sitan = korak / deoba;
            const double sprvi = std::ceil(low / sitan - 1e-9), sposlednji = std::floor(high / sitan + 1e-9);
            if (sposlednji - sprvi <= 50000)
                for (double k = sprvi; k <= sposlednji; k += 1)
                    if (std::fmod(k, deoba) != 0) r.sporedni.push_back(k * sitan);
            r.decimala = std::clamp(-eksp, 0, 16);
            return r;
        }
        // Too few ticks: the next smaller round step.
        if (cifra == 5) cifra = 2;
        else if (cifra == 2) cifra = 1;
        else {
            cifra = 5;
            --eksp;
        }
    }
    return r;
}

int TPlotPovrsina::MarginaZaOpseg(const QFontMetrics& m, double yL, double yH, int w, int h) const {
    const int gore = TRim, dole = h - BRim - Senka();
    int najsira = 0;
    if (dole > gore) {
        const TPodeoci py = Podeoci(yL, yH, dole - gore, RazmakPodeokaY(m));
        for (double v : py.glavni) najsira = std::max(najsira, m.horizontalAdvance(TekstPodeoka(v, py.decimala)));
    }
    return std::clamp(najsira + RazmakDoOse + RazmakDoIvice, LRim, std::max(LRim, w / 3));
}

int TPlotPovrsina::LevaMargina(const QFontMetrics& m, int w, int h) const {
    int levo = MarginaZaOpseg(m, Scale1Y.RangeLow(), Scale1Y.RangeHigh(), w, h);
    // With equal scale the shown Z range depends on the plot's width, and so on this margin:
    // measure again for the range it gives, a step or two until the margin holds still.
    for (int korak = 0; jednakaRazmera && korak < 3; ++korak) {
        const TOpsezi o = Opsezi(levo, w, h);
        const int novo = MarginaZaOpseg(m, o.yL, o.yH, w, h);
        if (novo <= levo) break;
        levo = novo;
    }
    return levo;
}

TPlotPovrsina::TOpsezi TPlotPovrsina::VidljiviOpsezi(int w, int h) const {
    if (w == sirina && h == visina) return Opsezi(Levo(), w, h);
    const int levo = qobject_cast<QGuiApplication*>(QCoreApplication::instance())
                         ? LevaMargina(QFontMetrics(FontPlota(VelicinaFontaOsa)), w, h)
                         : LRim;
    return Opsezi(levo, w, h);
}

int TPlotPovrsina::SirinaTeksta(const QString& txt, int tacaka) {
    if (qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return QFontMetrics(FontPlota(tacaka)).horizontalAdvance(txt);
    // No fonts without a GUI application: a sans-serif letter is about 0.6 em wide at 96 dpi.
    return int(std::ceil(txt.size() * tacaka * 0.6 * 96.0 / 72.0));
}

int TPlotPovrsina::Levo() const {
    // Without a GUI application there are no fonts to measure; only the mapping is used then.
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return LRim;
    const TKljucMargine k{Scale1Y.RangeLow(),
                          Scale1Y.RangeHigh(),
                          sirina,
                          visina,
                          LRim,
                          TRim,
                          BRim,
                          Senka(),
                          jednakaRazmera ? Scale1X.RangeLow() : 0,
                          jednakaRazmera ? Scale1X.RangeHigh() : 0,
                          jednakaRazmera};
    if (!(k == kljucMargine)) {
        levaMargina = LevaMargina(QFontMetrics(FontPlota(VelicinaFontaOsa)), sirina, visina);
        kljucMargine = k;
    }
    return levaMargina;
}

// Ticks of both axes over the plot area [levo, desno] x [gore, dole], as painted.
void TPlotPovrsina::PodeociZaMetriku(const QFontMetrics& mo, int levo, int desno, int gore, int dole, const TOpsezi& v,
                                     TPodeoci& px, TPodeoci& py) const {
    const double xL = v.xL, xH = v.xH;
    // Horizontal axis: widen the spacing until the labels no longer touch.
    for (int razmak = 70; razmak <= 1120; razmak *= 2) {
        px = Podeoci(xL, xH, desno - levo, razmak);
        int najsira = 0;
        for (double v : px.glavni) najsira = std::max(najsira, mo.horizontalAdvance(TekstPodeoka(v, px.decimala)));
        if (px.glavni.size() <= 3 || double(desno - levo) / double(px.glavni.size()) > najsira + 8) break;
    }
    py = Podeoci(v.yL, v.yH, dole - gore, RazmakPodeokaY(mo));
}

void TPlotPovrsina::PodeociOsa(TPodeoci& px, TPodeoci& py) const {
    const QFontMetrics mo(FontPlota(VelicinaFontaOsa));
    const int levo = Levo();
    PodeociZaMetriku(mo, levo, sirina - RRim - Senka(), TRim, visina - BRim - Senka(), Opsezi(levo, sirina, visina), px,
                     py);
}
