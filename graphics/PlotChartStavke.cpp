// Painting of the display list into the plot area: only the runs of items that can reach the view
// are looked at, item by item in list order, and the lines of one pen go to the painter together.
#include <QFontMetrics>
#include <QPainter>

#include <cmath>

#include "GlaveStrelica.h"
#include "IndeksStavki.h"
#include "PlotChartRaspored.h"

namespace {

constexpr double UgaoGlaveStrelice = 0.3490658503988659;  // 20 degrees
// Far outside the plot nothing of a mark, a text or an arrow head can show.
constexpr double Rez = 2000;

QColor Boja(TColor c) { return BojaIzTColor(c); }

// Cuts a segment to a rectangle (Liang-Barsky). Works in doubles so that segments whose ends lie
// millions of pixels away after a deep zoom are reduced to what can be seen before Qt gets them.
bool OdseciDuz(double& x1, double& y1, double& x2, double& y2, double xmin, double ymin, double xmax, double ymax) {
    const double dx = x2 - x1, dy = y2 - y1;
    double t0 = 0.0, t1 = 1.0;
    const double p[4] = {-dx, dx, -dy, dy};
    const double q[4] = {x1 - xmin, xmax - x1, y1 - ymin, ymax - y1};
    for (int i = 0; i < 4; ++i) {
        if (p[i] == 0) {
            if (q[i] < 0) return false;
            continue;
        }
        const double r = q[i] / p[i];
        if (p[i] < 0) {
            if (r > t1) return false;
            t0 = std::max(t0, r);
        } else {
            if (r < t0) return false;
            t1 = std::min(t1, r);
        }
    }
    const double nx1 = x1 + t0 * dx, ny1 = y1 + t0 * dy;
    x2 = x1 + t1 * dx;
    y2 = y1 + t1 * dy;
    x1 = nx1;
    y1 = ny1;
    return true;
}

// Lines of one pen, handed to the painter in one call. A line the same as the one just before it
// is left out: with an opaque pen its pixels are already set.
class TPotezi {
public:
    explicit TPotezi(QPainter& p) : p(p) { linije.reserve(NajviseOdjednom); }
    void Dodaj(const QLineF& l) {
        if (!linije.empty() && linije.back() == l) return;
        linije.push_back(l);
        if (linije.size() == NajviseOdjednom) Isprazni();
    }
    void Isprazni() {
        if (linije.empty()) return;
        p.drawLines(linije.data(), int(linije.size()));
        linije.clear();
    }

private:
    static constexpr size_t NajviseOdjednom = 4096;
    QPainter& p;
    std::vector<QLineF> linije;
};

// The runs whose painting can reach the plot area: all of them when the mapping is degenerate.
std::vector<bool> VidljiviBlokovi(QPainter& p, const TRaspored& r, const std::vector<TBlokStavki>& blokovi) {
    std::vector<bool> v(blokovi.size(), true);
    const bool ispravno =
        r.xH - r.xL > 0 && r.yH - r.yL > 0 && std::isfinite(r.xH - r.xL) && std::isfinite(r.yH - r.yL);
    if (!ispravno) return v;
    int tacaka = 1;
    for (const TBlokStavki& b : blokovi) tacaka = std::max(tacaka, b.tacaka);
    const QFontMetrics m(FontPlota(tacaka), p.device());
    // Twice the widest character of the largest font: a bound for every text and label.
    const double znak = 2.0 * std::max(m.maxWidth(), m.height());
    const TPikselOkvir vidljivo{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
    for (size_t i = 0; i < blokovi.size(); ++i) {
        const TBlokStavki& b = blokovi[i];
        v[i] = BlokDoseze(b, r.X(b.xMin), r.X(b.xMax), r.Y(b.yMin), r.Y(b.yMax), znak, vidljivo);
    }
    return v;
}

class TCrtanjeListe {
public:
    TCrtanjeListe(QPainter& p, const TRaspored& r, const std::vector<TChartItem>& stavke,
                  const std::vector<TOblik>& oblici, const std::vector<TBlokStavki>& blokovi)
        : p(p),
          r(r),
          stavke(stavke),
          oblici(oblici),
          blokovi(blokovi),
          vidljiv(VidljiviBlokovi(p, r, blokovi)),
          zauzeto(VelicinaCelije(stavke.size(), Vidljivo(r))),
          potezi(p),
          mt(p.fontMetrics()) {
        zauzeto.SamoUnutar(Vidljivo(r));
    }
    void Stavke();
    void Oznake() {
        if (pratiPrepreke) NacrtajOznake(p, oznake, zauzeto, r);
    }

private:
    static TOkvir Vidljivo(const TRaspored& r) {
        return TOkvir{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
    }
    bool Blizu(int x, int y) const {
        return x > r.levo - Rez && x < r.desno + Rez && y > r.gore - Rez && y < r.dole + Rez;
    }
    void Olovka(TColor c) {
        if (c == bojaOlovke) return;
        potezi.Isprazni();
        p.setPen(QPen(Boja(c), 0));
        bojaOlovke = c;
    }
    void Linija(int x1, int y1, int x2, int y2) {
        double a = x1, b = y1, c = x2, d = y2;
        if (!OdseciDuz(a, b, c, d, r.levo - 2, r.gore - 2, r.desno + 2, r.dole + 2)) return;
        potezi.Dodaj(QLineF(QPointF(std::round(a), std::round(b)), QPointF(std::round(c), std::round(d))));
    }
    // After a run of figures the rest is drawn aliased and without a brush again.
    void ZavrsiOblike() {
        if (!uOblicima) return;
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
        uOblicima = false;
    }
    void Pripremi();
    void Stavka(const TChartItem& s);
    void Tacka(const TChartItem& s);
    void Tekst(const TChartItem& s);
    void Strelica(const TChartItem& s);
    void Oblik(const TChartItem& s);

    QPainter& p;
    const TRaspored& r;
    const std::vector<TChartItem>& stavke;
    const std::vector<TOblik>& oblici;
    const std::vector<TBlokStavki>& blokovi;
    const std::vector<bool> vidljiv;
    TZauzeto zauzeto;
    TPotezi potezi;
    // Labels that place themselves need to know what is already drawn; the specified drawing has
    // none, and pays nothing for them.
    std::vector<const TChartItem*> oznake;
    bool pratiPrepreke = false;
    bool tekstovi = true;
    bool sitniCitljivi[szVrsta] = {true, true, true};
    int olovkaX = 0, olovkaY = 0;
    TColor bojaOlovke = 0xFFFFFFFF;
    int velicinaFonta = -1;
    QFontMetrics mt;
    std::vector<QPointF> kopije;
    bool uOblicima = false;
    TGlaveStrelica glave;
};

// The labels to place and whether the texts are few enough in the view to be read; both look only
// at the runs that reach the view, as nothing of the others is inside it.
void TCrtanjeListe::Pripremi() {
    size_t tekstovaUVidu = 0;
    size_t sitnihUVidu[szVrsta] = {};
    auto uVidu = [&](const TChartItem& s) {
        const int x = r.X(s.x), y = r.Y(s.y);
        return x >= r.levo && x <= r.desno && y >= r.gore && y <= r.dole;
    };
    for (size_t i = 0; i < blokovi.size(); ++i) {
        if (!vidljiv[i]) continue;
        for (size_t k = blokovi[i].od; k < blokovi[i].doStavke; ++k) {
            const TChartItem& s = stavke[k];
            if (s.ItemKind == tkOznaka) oznake.push_back(&s);
            if (s.ItemKind == tkOblik && s.SizeOrAngle >= 0 && size_t(s.SizeOrAngle) < oblici.size()) {
                const unsigned char v = oblici[size_t(s.SizeOrAngle)].sitan;
                if (v > szNijedan && v < szVrsta && uVidu(s)) ++sitnihUVidu[v];
            }
            if (s.ItemKind == tkTextOfs && uVidu(s)) ++tekstovaUVidu;
        }
    }
    if (!oznake.empty() && !OznakeZaCrtanje(oznake, r)) oznake.clear();
    pratiPrepreke = !oznake.empty();
    // Past that crowd the texts would only blacken the drawing; zoomed in they come back. The
    // small marks of every node or member go the same way: each needs the room of a digit.
    tekstovi = OznakeCitljive(tekstovaUVidu, Vidljivo(r));
    for (int v = szNijedan + 1; v < szVrsta; ++v) sitniCitljivi[v] = OznakeCitljive(sitnihUVidu[v], Vidljivo(r));
}

void TCrtanjeListe::Stavke() {
    Pripremi();
    for (size_t i = 0; i < blokovi.size(); ++i) {
        const TBlokStavki& b = blokovi[i];
        if (vidljiv[i]) {
            for (size_t k = b.od; k < b.doStavke; ++k) Stavka(stavke[k]);
        } else if (b.pomeraOlovku) {
            olovkaX = r.X(b.olovkaX);
            olovkaY = r.Y(b.olovkaY);
        }
    }
    potezi.Isprazni();
    ZavrsiOblike();
}

void TCrtanjeListe::Stavka(const TChartItem& s) {
    if (s.ItemKind == tkMoveTo) {
        olovkaX = r.X(s.x);
        olovkaY = r.Y(s.y);
        return;
    }
    if (s.ItemKind != tkOblik) ZavrsiOblike();
    if (s.ItemKind == tkLineto) {
        const int x = r.X(s.x), y = r.Y(s.y);
        Olovka(s.Color);
        Linija(olovkaX, olovkaY, x, y);
        if (pratiPrepreke) zauzeto.Dodaj(TDuz{double(olovkaX), double(olovkaY), double(x), double(y)});
        olovkaX = x;
        olovkaY = y;
        return;
    }
    switch (s.ItemKind) {
        case tkMarkAt: Tacka(s); break;
        case tkTextOfs: Tekst(s); break;
        case tkArrow: Strelica(s); break;
        case tkOblik: Oblik(s); break;
        default: break;
    }
}

void TCrtanjeListe::Tacka(const TChartItem& s) {
    const int x = r.X(s.x), y = r.Y(s.y);
    if (!Blizu(x, y)) return;
    if (pratiPrepreke) zauzeto.Dodaj(TOkvir{x - 3.5, y - 3.5, x + 3.5, y + 3.5});
    potezi.Isprazni();
    if (s.MarkOrAlign == 9) {
        p.fillRect(QRect(x - 3, y - 3, 7, 7), Boja(s.Color));
    } else if (s.MarkOrAlign == 17) {
        Olovka(s.Color);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRect(x - 3, y - 3, 6, 6));
    }
}

void TCrtanjeListe::Tekst(const TChartItem& s) {
    const int x = PikselUOpsegu(r.X(s.x) + s.x2), y = PikselUOpsegu(r.Y(s.y) + s.y2);
    if (!tekstovi || !Blizu(x, y) || s.Text.isEmpty()) return;
    potezi.Isprazni();
    if (s.SizeOrAngle != velicinaFonta) {
        velicinaFonta = s.SizeOrAngle;
        p.setFont(FontPlota(velicinaFonta));
        mt = p.fontMetrics();
    }
    Olovka(s.Color);
    const int sirina = s.MarkOrAlign == taLeftJustify && !pratiPrepreke ? 0 : mt.horizontalAdvance(s.Text);
    int levo = x;
    if (s.MarkOrAlign == taRightJustify) levo = x - sirina;
    else if (s.MarkOrAlign == taCenter) levo = x - sirina / 2;
    p.drawText(levo, y - mt.height() / 2 + mt.ascent(), s.Text);
    if (pratiPrepreke) {
        const int top = y - mt.height() / 2;
        zauzeto.Dodaj(TOkvir{double(levo), double(top), double(levo + sirina), double(top + mt.height())});
    }
}

void TCrtanjeListe::Strelica(const TChartItem& s) {
    const int x1 = r.X(s.x), y1 = r.Y(s.y), x2 = r.X(s.x2), y2 = r.Y(s.y2);
    Olovka(s.Color);
    if (x1 == x2 && y1 == y2) {
        potezi.Isprazni();
        if (Blizu(x1, y1)) p.drawPoint(x1, y1);
        return;
    }
    Linija(x1, y1, x2, y2);
    if (pratiPrepreke) zauzeto.Dodaj(TDuz{double(x1), double(y1), double(x2), double(y2)});
    if (!Blizu(x2, y2)) return;
    potezi.Isprazni();
    const TGlaveStrelica::TUglovi& u = glave.Uglovi(double(x1) - x2, double(y1) - y2, s.SizeOrAngle, UgaoGlaveStrelice);
    const QPoint vrh(x2, y2);
    const QPoint k1(PikselUOpsegu(x2 + u.x1), PikselUOpsegu(y2 + u.y1));
    const QPoint k2(PikselUOpsegu(x2 + u.x2), PikselUOpsegu(y2 + u.y2));
    const QRect povrsina(QPoint(r.levo, r.gore), QPoint(r.desno, r.dole));
    if (glave.Nacrtaj(p, vrh, k1, k2, s.Transp, Boja(s.Color).rgba(), Boja(s.FillColor).rgba(), povrsina)) return;
    if (s.Transp) {
        p.drawLine(vrh, k1);
        p.drawLine(vrh, k2);
    } else {
        p.setBrush(Boja(s.FillColor));
        const QPoint glava[3] = {vrh, k1, k2};
        p.drawPolygon(glava, 3);
        p.setBrush(Qt::NoBrush);
    }
}

void TCrtanjeListe::Oblik(const TChartItem& s) {
    if (s.SizeOrAngle < 0 || size_t(s.SizeOrAngle) >= oblici.size()) return;
    const TOblik& o = oblici[size_t(s.SizeOrAngle)];
    if (o.sitan < szVrsta && !sitniCitljivi[o.sitan]) return;
    potezi.Isprazni();
    const size_t poKopiji = KopijeOblikaU(o, r, kopije);
    if (NacrtajOblik(p, o, kopije, poKopiji, r, uOblicima)) uOblicima = true;
    if (pratiPrepreke) DodajPrepreke(zauzeto, o, kopije, poKopiji, r);
    // The figure sets its own pen and brush.
    bojaOlovke = 0xFFFFFFFF;
}

}  // namespace

void NacrtajListu(QPainter& p, const TRaspored& r, const std::vector<TChartItem>& stavke,
                  const std::vector<TOblik>& oblici, const std::vector<TBlokStavki>& blokovi,
                  const std::function<void()>& preko) {
    TCrtanjeListe c(p, r, stavke, oblici, blokovi);
    c.Stavke();
    preko();
    // Labels last, over everything they keep clear of.
    c.Oznake();
}
