#include "PlotChart.h"

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

void TPlotPovrsina::Dodaj(TChartItem&& s) {
    // The list grows in fixed blocks rather than by doubling, so a large model does not reserve
    // up to twice the room it needs.
    if (stavke.size() == stavke.capacity()) stavke.reserve(stavke.size() + AllocSize);
    stavke.push_back(std::move(s));
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

void TPlotPovrsina::ClearGraf() {
    // The capacity stays: the next redraw of the same model needs it again.
    stavke.clear();
    Refresh();
}

void TPlotPovrsina::MoveTo(double x, double y) {
    TChartItem s;
    s.ItemKind = tkMoveTo;
    s.x = x;
    s.y = y;
    s.Color = DataColor;
    Dodaj(std::move(s));
}

void TPlotPovrsina::DrawTo(double x, double y) {
    TChartItem s;
    s.ItemKind = tkLineto;
    s.x = x;
    s.y = y;
    s.Color = DataColor;
    Dodaj(std::move(s));
}

void TPlotPovrsina::MarkAt(double x, double y, int mk) {
    TChartItem s;
    s.ItemKind = tkMarkAt;
    s.x = x;
    s.y = y;
    s.Color = DataColor;
    s.MarkOrAlign = mk;
    Dodaj(std::move(s));
}

void TPlotPovrsina::Text(double x, double y, int size, const QString& txt, int dx, int dy, TAlignment Alignment) {
    TChartItem s;
    s.ItemKind = tkTextOfs;
    s.x = x;
    s.y = y;
    s.x2 = dx;
    s.y2 = dy;
    s.Color = DataColor;
    s.SizeOrAngle = size;
    s.MarkOrAlign = Alignment;
    int n = std::min<int>(txt.size(), NajduziTekstStavke);
    // Never keep half of a surrogate pair.
    if (n < txt.size() && n > 0 && txt.at(n - 1).isHighSurrogate()) --n;
    s.Text = txt.left(n);
    Dodaj(std::move(s));
}

void TPlotPovrsina::Arrow(double x1, double y1, double x2, double y2, int HeadSize) {
    TChartItem s;
    s.ItemKind = tkArrow;
    s.x = x1;
    s.y = y1;
    s.x2 = x2;
    s.y2 = y2;
    s.Color = DataColor;
    s.FillColor = FillColor;
    s.Transp = false;
    s.SizeOrAngle = HeadSize;
    Dodaj(std::move(s));
}

namespace {

int ZaokruziIOgranici(double v) {
    constexpr double granica = 2147483647.0;
    // A NaN (a degenerate range) lands far outside the plot rather than on its corner.
    if (std::isnan(v)) return -2147483647;
    if (v >= granica) return 2147483647;
    if (v <= -granica) return -2147483647;
    return static_cast<int>(std::round(v));
}

}  // namespace

int TPlotPovrsina::Mapiraj(double v, double low, double high, int pocetak, int duzina) {
    return ZaokruziIOgranici(pocetak + (v - low) * duzina / (high - low));
}

int TPlotPovrsina::XUPiksel(double x) const {
    return Mapiraj(x, Scale1X.RangeLow(), Scale1X.RangeHigh(), Levo(), sirina - Levo() - RRim - Senka());
}

int TPlotPovrsina::YUPiksel(double y) const {
    return Mapiraj(y, Scale1Y.RangeLow(), Scale1Y.RangeHigh(), visina - BRim - Senka(),
                   -(visina - TRim - BRim - Senka()));
}

double TPlotPovrsina::PikselUX(double px) const {
    const double xL = Scale1X.RangeLow(), xH = Scale1X.RangeHigh();
    return xL + (px - Levo()) * (xH - xL) / (sirina - Levo() - RRim - Senka());
}

double TPlotPovrsina::PikselUY(double py) const {
    const double yL = Scale1Y.RangeLow(), yH = Scale1Y.RangeHigh();
    return yL + ((visina - BRim - Senka()) - py) * (yH - yL) / (visina - TRim - BRim - Senka());
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
        return;
    }
    if (!unutra) return;
    if (mouseAction == maPan) {
        const double dx = (xH0 - xL0) * (px - sidroX) / (sirina - Levo() - RRim - Senka());
        const double dy = (yH0 - yL0) * (py - sidroY) / (visina - TRim - BRim - Senka());
        Scale1X.PostaviOpseg(xL0 - dx, xH0 - dx);
        Scale1Y.PostaviOpseg(yL0 + dy, yH0 + dy);
    } else {
        const double gx = 1.0 - double(px - sidroX) / sirina;
        const double gy = 1.0 + double(py - sidroY) / visina;
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

TKursor TPlotPovrsina::KursorNa(int px, int py) const {
    if (!UPovrsini(px, py)) return TKursor::Strelica;
    switch (mouseAction) {
        case maPan: return TKursor::Ruka;
        case maZoomDrag: return TKursor::Zoom;
        default: return TKursor::Krst;
    }
}
