#include "PlotChart.h"

#include <algorithm>
#include <cmath>

void TScaleProps::SetRangeLow(double v) {
    if (std::abs(rangeHigh - v) < minRange) {
        rangeLow = v;
        rangeHigh = v + minRange;
    } else {
        rangeLow = v;
    }
    Promenjeno();
}

void TScaleProps::SetRangeHigh(double v) {
    if (std::abs(v - rangeLow) < minRange) {
        rangeHigh = v;
        rangeLow = v - minRange;
    } else {
        rangeHigh = v;
    }
    Promenjeno();
}

bool TScaleProps::PostaviOpseg(double low, double high) {
    // Written so that a NaN width is refused too.
    if (!(high - low >= minRange) || !std::isfinite(low) || !std::isfinite(high)) return false;
    rangeLow = low;
    rangeHigh = high;
    Promenjeno();
    return true;
}

TPlotPovrsina::TPlotPovrsina() {
    Scale1X.naPromenu = [this] { Refresh(); };
    Scale1Y.naPromenu = [this] { Refresh(); };
}

void TPlotPovrsina::SetGridStyle(TGridStyle g) {
    gridStyle = g;
    Refresh();
}

void TPlotPovrsina::SetMouseAction(TMouseActMode m) {
    mouseAction = m;
    uPovlacenju = false;
}

void TPlotPovrsina::PodesiZaStampu() {
    ShadowWidth = 0;
    NatpisOseY.clear();
    WindColor = clWhite;
    GridColor = clBlack;
    SetMouseAction(maNone);
}

void TPlotPovrsina::PostaviVelicinu(int w, int h) {
    sirina = w;
    visina = h;
}

TChartItem& TPlotPovrsina::Dodaj(TItemKind vrsta, double x, double y, TColor boja) {
    // The first block holds a small drawing; past it the list doubles, so a diagram of a million
    // items is copied some twenty times rather than once per block.
    if (stavke.size() == stavke.capacity()) stavke.reserve(std::max(stavke.size() * 2, size_t(AllocSize)));
    indeks.reset();
    ++izmenaListe;
    // Made in place: a diagram adds hundreds of thousands of items, and a temporary moved in costs
    // as much again as the item.
    TChartItem& s = stavke.emplace_back();
    s.ItemKind = vrsta;
    s.x = x;
    s.y = y;
    s.Color = boja;
    return s;
}

void TPlotPovrsina::Rezervisi(size_t jos) {
    if (stavke.capacity() - stavke.size() >= jos) return;
    // Half as much again for what is drawn after it: a list filled to the brim would be copied
    // whole by the next few items.
    stavke.reserve(std::max(stavke.size() + jos + jos / 2, stavke.size() * 2));
}

TPlotPovrsina::TStanjeCrteza TPlotPovrsina::StanjeCrteza(int w, int h) const {
    TStanjeCrteza s;
    s.w = w;
    s.h = h;
    s.izmenaListe = izmenaListe;
    s.lRim = LRim, s.rRim = RRim, s.tRim = TRim, s.bRim = BRim, s.senka = ShadowWidth;
    s.chart = ChartColor, s.wind = WindColor, s.grid = GridColor, s.shadow = ShadowColor;
    s.natpis = NatpisOseY;
    s.mreza = gridStyle;
    s.jednaka = jednakaRazmera;
    s.xL = Scale1X.RangeLow(), s.xH = Scale1X.RangeHigh(), s.yL = Scale1Y.RangeLow(), s.yH = Scale1Y.RangeHigh();
    s.minTicksX = Scale1X.MinTicks, s.minTicksY = Scale1Y.MinTicks;
    s.istaknuta = istaknuta;
    if (istaknuta) s.istaknutaX = istaknutaX, s.istaknutaY = istaknutaY;
    s.preklop.reserve(preklop.size() * 4);
    for (const TDuzPreklopa& d : preklop) s.preklop.insert(s.preklop.end(), {d.x1, d.y1, d.x2, d.y2});
    return s;
}

void TPlotPovrsina::IstakniTacku(double x, double y) {
    istaknuta = true;
    istaknutaX = x;
    istaknutaY = y;
    Refresh();
}

void TPlotPovrsina::UkloniIsticanje() {
    if (!istaknuta) return;
    istaknuta = false;
    Refresh();
}

void TPlotPovrsina::PostaviPreklop(std::vector<TDuzPreklopa> duzi) {
    preklop = std::move(duzi);
    Refresh();
}

void TPlotPovrsina::UkloniPreklop() {
    if (preklop.empty()) return;
    preklop.clear();
    Refresh();
}

void TPlotPovrsina::ClearGraf() {
    // The capacity stays: the next redraw of the same model needs it again.
    stavke.clear();
    oblici.clear();
    indeks.reset();
    ++izmenaListe;
    Refresh();
}

void TPlotPovrsina::MoveTo(double x, double y) { Dodaj(tkMoveTo, x, y, DataColor); }

void TPlotPovrsina::DrawTo(double x, double y) { Dodaj(tkLineto, x, y, DataColor); }

void TPlotPovrsina::MarkAt(double x, double y, int mk) { Dodaj(tkMarkAt, x, y, DataColor).MarkOrAlign = mk; }

void TPlotPovrsina::Text(double x, double y, int size, const QString& txt, int dx, int dy, TAlignment Alignment) {
    TChartItem& s = Dodaj(tkTextOfs, x, y, DataColor);
    s.x2 = dx;
    s.y2 = dy;
    s.SizeOrAngle = size;
    s.MarkOrAlign = Alignment;
    int n = std::min<int>(txt.size(), NajduziTekstStavke);
    // Never keep half of a surrogate pair.
    if (n < txt.size() && n > 0 && txt.at(n - 1).isHighSurrogate()) --n;
    s.Text = n < txt.size() ? txt.left(n) : txt;
}

void TPlotPovrsina::Arrow(double x1, double y1, double x2, double y2, int HeadSize) {
    TChartItem& s = Dodaj(tkArrow, x1, y1, DataColor);
    s.x2 = x2;
    s.y2 = y2;
    s.FillColor = FillColor;
    s.Transp = false;
    s.SizeOrAngle = HeadSize;
}

void TPlotPovrsina::Oblik(TOblik o) {
    if (o.tacke.empty()) return;
    Dodaj(tkOblik, o.tacke.front().x, o.tacke.front().y, o.boja).SizeOrAngle = int(oblici.size());
    oblici.push_back(std::move(o));
}

void TPlotPovrsina::Oznaka(double x, double y, const QString& txt, TVrstaOznake vrsta, int size) {
    TChartItem& s = Dodaj(tkOznaka, x, y, DataColor);
    s.SizeOrAngle = size;
    s.MarkOrAlign = vrsta;
    s.Text = txt;
    s.x2 = 1;
}

void TPlotPovrsina::Oznaka(const TTackaOblika& sidro, double smerX, double smerY, const QString& txt,
                           TVrstaOznake vrsta, int size) {
    Oznaka(sidro.x, sidro.y, txt, vrsta, size);
    TChartItem& s = stavke.back();
    s.x2 = smerX;
    s.y2 = smerY;
    s.PomakA = sidro.a;
    s.PomakB = sidro.b;
}

void TPlotPovrsina::SetJednakaRazmera(bool d) {
    if (d == jednakaRazmera) return;
    jednakaRazmera = d;
    uPovlacenju = false;
    Refresh();
}

TPlotPovrsina::TOpsezi TPlotPovrsina::Opsezi(int levo, int w, int h) const {
    TOpsezi o{Scale1X.RangeLow(), Scale1X.RangeHigh(), Scale1Y.RangeLow(), Scale1Y.RangeHigh()};
    if (!jednakaRazmera) return o;
    const double pw = w - levo - RRim - Senka(), ph = h - TRim - BRim - Senka();
    const double sx = o.xH - o.xL, sy = o.yH - o.yL;
    if (!(pw > 0 && ph > 0 && sx > 0 && sy > 0) || !std::isfinite(sx) || !std::isfinite(sy)) return o;
    // Units per pixel must be the same on both axes: the axis that shows fewer is widened.
    if (sx / pw > sy / ph) {
        const double c = o.yL + sy / 2, pola = sx / pw * ph / 2;
        o.yL = c - pola;
        o.yH = c + pola;
    } else {
        const double c = o.xL + sx / 2, pola = sy / ph * pw / 2;
        o.xL = c - pola;
        o.xH = c + pola;
    }
    return o;
}

int TPlotPovrsina::XUPiksel(double x) const {
    const TOpsezi o = VidljiviOpsezi(sirina, visina);
    return Mapiraj(x, o.xL, o.xH, Levo(), sirina - Levo() - RRim - Senka());
}

int TPlotPovrsina::YUPiksel(double y) const {
    const TOpsezi o = VidljiviOpsezi(sirina, visina);
    return Mapiraj(y, o.yL, o.yH, visina - BRim - Senka(), -(visina - TRim - BRim - Senka()));
}

double TPlotPovrsina::PikselUX(double px) const {
    const TOpsezi o = VidljiviOpsezi(sirina, visina);
    return o.xL + (px - Levo()) * (o.xH - o.xL) / (sirina - Levo() - RRim - Senka());
}

double TPlotPovrsina::PikselUY(double py) const {
    const TOpsezi o = VidljiviOpsezi(sirina, visina);
    return o.yL + ((visina - BRim - Senka()) - py) * (o.yH - o.yL) / (visina - TRim - BRim - Senka());
}

void TPlotPovrsina::MisPomeren(int px, int py, bool levoDugme) {
    const bool unutra = UPovrsini(px, py);
    if (unutra) {
        mousePosX = PikselUX(px);
        mousePosY = PikselUY(py);
    }
    if (!levoDugme) {
        uPovlacenju = false;
        return;
    }
    if (mouseAction != maPan && mouseAction != maZoomDrag) return;
    if (!uPovlacenju) {
        uPovlacenju = true;
        sidroX = px;
        sidroY = py;
        xL0 = Scale1X.RangeLow();
        xH0 = Scale1X.RangeHigh();
        yL0 = Scale1Y.RangeLow();
        yH0 = Scale1Y.RangeHigh();
        const TOpsezi v = VidljiviOpsezi(sirina, visina);
        sirina0X = v.xH - v.xL;
        sirina0Y = v.yH - v.yL;
        return;
    }
    if (!unutra) return;
    if (mouseAction == maPan) {
        // Moved by what the pointer moved over on screen, so the drawing follows the pointer also
        // when equal scale shows more than an axis range.
        const double dx = sirina0X * (px - sidroX) / (sirina - Levo() - RRim - Senka());
        const double dy = sirina0Y * (py - sidroY) / (visina - TRim - BRim - Senka());
        Scale1X.PostaviOpseg(xL0 - dx, xH0 - dx);
        Scale1Y.PostaviOpseg(yL0 + dy, yH0 + dy);
    } else {
        double gx = 1.0 - double(px - sidroX) / sirina;
        double gy = 1.0 + double(py - sidroY) / visina;
        // With equal scale both axes take one factor: dragging right or up zooms in, left or
        // down zooms out.
        if (jednakaRazmera) gx = gy = gx * gy;
        const double cx = (xL0 + xH0) / 2, cy = (yL0 + yH0) / 2;
        const double polaX = (xH0 - xL0) * gx / 2, polaY = (yH0 - yL0) * gy / 2;
        Scale1X.PostaviOpseg(cx - polaX, cx + polaX);
        Scale1Y.PostaviOpseg(cy - polaY, cy + polaY);
    }
    Refresh();
}

// A press or a release always ends the drag, so pressing again starts a new one from wherever
// the pointer then is, with the ranges current at that moment.
void TPlotPovrsina::MisPritisnut() { uPovlacenju = false; }
void TPlotPovrsina::MisPusten() { uPovlacenju = false; }

void TPlotPovrsina::TockicMisa(int px, int py, double koraci) {
    if (!UPovrsini(px, py) || !std::isfinite(koraci) || koraci == 0) return;
    const double f = std::pow(FaktorKoraka, koraci);
    const double x = PikselUX(px), y = PikselUY(py);
    const double xL = x + (Scale1X.RangeLow() - x) * f, xH = x + (Scale1X.RangeHigh() - x) * f;
    const double yL = y + (Scale1Y.RangeLow() - y) * f, yH = y + (Scale1Y.RangeHigh() - y) * f;
    // Both axes or neither, so the shape of the drawing never changes under the wheel.
    auto moze = [](const TScaleProps& s, double low, double high) {
        return high - low >= s.MinRange() && high - low <= NajveciOpseg && std::isfinite(low) && std::isfinite(high);
    };
    if (!moze(Scale1X, xL, xH) || !moze(Scale1Y, yL, yH)) return;
    Scale1X.PostaviOpseg(xL, xH);
    Scale1Y.PostaviOpseg(yL, yH);
    Refresh();
}

TKursor TPlotPovrsina::KursorNa(int px, int py) const {
    if (!UPovrsini(px, py)) return TKursor::Strelica;
    switch (mouseAction) {
        case maPan: return TKursor::Ruka;
        case maZoomDrag: return TKursor::Zoom;
        default: return TKursor::Krst;
    }
}
