#include "IndeksStavki.h"

#include <algorithm>
#include <cmath>

namespace {

// A label's candidate boxes lie within its gap, the outer ring and the box's frame and air.
constexpr double DosegOznake = 30;
constexpr double DosegOznakeTacke = 4;  // a mark is 7 x 7 pixels
constexpr double Rezerva = 4;           // the clip keeps 2 pixels past the area

class TGradnja {
public:
    explicit TGradnja(TBlokStavki& b) : b(b) {}
    void Tacka(double x, double y) {
        if (!std::isfinite(x) || !std::isfinite(y)) {
            b.uvek = true;
            return;
        }
        if (prazan) {
            b.xMin = b.xMax = x;
            b.yMin = b.yMax = y;
            prazan = false;
            return;
        }
        b.xMin = std::min(b.xMin, x);
        b.xMax = std::max(b.xMax, x);
        b.yMin = std::min(b.yMin, y);
        b.yMax = std::max(b.yMax, y);
    }
    void Pomak(double px) {
        if (!std::isfinite(px)) b.uvek = true;
        else b.pomak = std::max(b.pomak, px);
    }
    void Tekst(const QString& t, int tacaka) {
        b.znakova = std::max(b.znakova, int(t.size()));
        b.tacaka = std::max(b.tacaka, tacaka);
    }
    void Oblik(const TOblik& o) {
        const double dx = o.tacke.front().x, dy = o.tacke.front().y;
        const bool red = o.korak > 0;
        for (const TTackaOblika& t : o.tacke) {
            Tacka(t.x, t.y);
            if (red) Tacka(t.x + (o.doX - dx), t.y + (o.doY - dy));
            Pomak(std::fabs(double(t.a)) + std::fabs(double(t.b)) + o.debljina + Rezerva);
        }
    }

private:
    TBlokStavki& b;
    bool prazan = true;
};

void DodajStavku(TGradnja& g, TBlokStavki& b, const TChartItem& s, const std::vector<TOblik>& oblici) {
    switch (s.ItemKind) {
        case tkMoveTo:
        case tkLineto:
            g.Tacka(s.x, s.y);
            b.pomeraOlovku = true;
            b.olovkaX = s.x;
            b.olovkaY = s.y;
            break;
        case tkMarkAt:
            g.Tacka(s.x, s.y);
            g.Pomak(DosegOznakeTacke);
            break;
        case tkTextOfs:
            g.Tacka(s.x, s.y);
            g.Pomak(std::fabs(s.x2) + std::fabs(s.y2));
            g.Tekst(s.Text, s.SizeOrAngle);
            break;
        case tkArrow:
            g.Tacka(s.x, s.y);
            g.Tacka(s.x2, s.y2);
            g.Pomak(std::abs(double(s.SizeOrAngle)));
            break;
        case tkOblik:
            if (s.SizeOrAngle >= 0 && size_t(s.SizeOrAngle) < oblici.size()) g.Oblik(oblici[size_t(s.SizeOrAngle)]);
            break;
        case tkOznaka:
            g.Tacka(s.x, s.y);
            g.Pomak(std::fabs(double(s.PomakA)) + std::fabs(double(s.PomakB)) + DosegOznake);
            g.Tekst(s.Text, s.SizeOrAngle);
            b.imaOznaka = true;
            break;
        case tkNone: break;
    }
}

}  // namespace

std::vector<TBlokStavki> IndeksStavki(const std::vector<TChartItem>& stavke, const std::vector<TOblik>& oblici,
                                      size_t uBloku) {
    uBloku = std::max<size_t>(1, uBloku);
    std::vector<TBlokStavki> blokovi;
    blokovi.reserve(stavke.size() / uBloku + 1);
    bool olovka = false;
    double olovkaX = 0, olovkaY = 0;
    for (size_t od = 0; od < stavke.size(); od += uBloku) {
        TBlokStavki b;
        b.od = od;
        b.doStavke = std::min(stavke.size(), od + uBloku);
        TGradnja g(b);
        // A line at the start of the run is drawn from where the run before it left the pen.
        if (olovka) g.Tacka(olovkaX, olovkaY);
        for (size_t i = od; i < b.doStavke; ++i) DodajStavku(g, b, stavke[i], oblici);
        if (b.pomeraOlovku) {
            olovka = true;
            olovkaX = b.olovkaX;
            olovkaY = b.olovkaY;
        }
        blokovi.push_back(b);
    }
    return blokovi;
}

bool BlokDoseze(const TBlokStavki& b, double px1, double px2, double py1, double py2, double znak,
                const TPikselOkvir& vidljivo) {
    if (b.uvek) return true;
    double doseg = b.pomak + Rezerva;
    if (b.znakova > 0 || b.imaOznaka) doseg += (b.znakova + 2) * znak;
    return std::max(px1, px2) + doseg >= vidljivo.levo && std::min(px1, px2) - doseg <= vidljivo.desno &&
           std::max(py1, py2) + doseg >= vidljivo.gore && std::min(py1, py2) - doseg <= vidljivo.dole;
}
