// Painting of the plot surface through QPainter, onto the screen, an image or a printer page.
#include <QFontDatabase>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPolygon>

#include <algorithm>
#include <cmath>
#include <limits>

#include "PlotChart.h"
#include "PlotChartRaspored.h"

namespace {

constexpr double UgaoGlaveStrelice = 0.3490658503988659;  // 20 degrees

QColor Boja(TColor c) { return BojaIzTColor(c); }

const QString& ImeFonta() {
    static const QString ime = QFontDatabase::hasFamily(QStringLiteral("Tahoma"))        ? QStringLiteral("Tahoma")
                               : QFontDatabase::hasFamily(QStringLiteral("DejaVu Sans")) ? QStringLiteral("DejaVu Sans")
                                                                                         : QStringLiteral("Sans Serif");
    return ime;
}

QFont Font(int tacaka) { return FontPlota(tacaka); }

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

// The label in at most `sirina` pixels: its usual form, or fewer significant digits when even the
// widest margin cannot hold it. A label is shortened, never cut.
QString TekstKojiStaje(double v, int decimala, const QFontMetrics& m, int sirina) {
    QString t = TekstPodeoka(v, decimala);
    for (int cifara = 6; cifara >= 1 && m.horizontalAdvance(t) > sirina; --cifara) t = QString::number(v, 'g', cifara);
    return t;
}

// Whether the text items anchored in the plot area are few enough to be read at all.
bool TekstoviCitljivi(const std::vector<TChartItem>& stavke, const TRaspored& r) {
    size_t uVidu = 0;
    for (const TChartItem& s : stavke) {
        if (s.ItemKind != tkTextOfs) continue;
        const int x = r.X(s.x), y = r.Y(s.y);
        if (x >= r.levo && x <= r.desno && y >= r.gore && y <= r.dole) ++uVidu;
    }
    return OznakeCitljive(uVidu, TOkvir{double(r.levo), double(r.gore), double(r.desno), double(r.dole)});
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

    // 3. The display list, in order, clipped to the plot area.
    p.setClipRect(povrsina);
    // Far outside the plot nothing of a mark, a text or an arrow head can show.
    const double rez = 2000;
    auto blizu = [&](int x, int y) {
        return x > r.levo - rez && x < r.desno + rez && y > r.gore - rez && y < r.dole + rez;
    };
    int olovkaX = 0, olovkaY = 0;
    TColor bojaOlovke = 0xFFFFFFFF;
    int velicinaFonta = -1;
    QFontMetrics mt = mo;
    auto olovka = [&](TColor c) {
        if (c != bojaOlovke) {
            p.setPen(QPen(Boja(c), 0));
            bojaOlovke = c;
        }
    };
    auto linija = [&](int x1, int y1, int x2, int y2) {
        double a = x1, b = y1, c = x2, d = y2;
        if (!OdseciDuz(a, b, c, d, r.levo - 2, r.gore - 2, r.desno + 2, r.dole + 2)) return;
        p.drawLine(QPointF(std::round(a), std::round(b)), QPointF(std::round(c), std::round(d)));
    };
    // Labels that place themselves need to know what is already drawn; the specified drawing has
    // none, and pays nothing for them.
    std::vector<const TChartItem*> oznake;
    for (const TChartItem& s : stavke)
        if (s.ItemKind == tkOznaka) oznake.push_back(&s);
    if (!oznake.empty() && !OznakeZaCrtanje(oznake, r)) oznake.clear();
    const TOkvir vidljivo{double(r.levo), double(r.gore), double(r.desno), double(r.dole)};
    TZauzeto zauzeto(VelicinaCelije(stavke.size(), vidljivo));
    zauzeto.SamoUnutar(vidljivo);
    const bool pratiPrepreke = !oznake.empty();
    // Past that crowd the texts would only blacken the drawing; zoomed in they come back.
    const bool tekstovi = TekstoviCitljivi(stavke, r);
    for (const TChartItem& s : stavke) {
        switch (s.ItemKind) {
            case tkMoveTo:
                olovkaX = r.X(s.x);
                olovkaY = r.Y(s.y);
                break;
            case tkLineto: {
                const int x = r.X(s.x), y = r.Y(s.y);
                olovka(s.Color);
                linija(olovkaX, olovkaY, x, y);
                if (pratiPrepreke) zauzeto.Dodaj(TDuz{double(olovkaX), double(olovkaY), double(x), double(y)});
                olovkaX = x;
                olovkaY = y;
                break;
            }
            case tkMarkAt: {
                const int x = r.X(s.x), y = r.Y(s.y);
                if (!blizu(x, y)) break;
                if (pratiPrepreke) zauzeto.Dodaj(TOkvir{x - 3.5, y - 3.5, x + 3.5, y + 3.5});
                if (s.MarkOrAlign == 9) {
                    p.fillRect(QRect(x - 3, y - 3, 7, 7), Boja(s.Color));
                } else if (s.MarkOrAlign == 17) {
                    olovka(s.Color);
                    p.setBrush(Qt::NoBrush);
                    p.drawEllipse(QRect(x - 3, y - 3, 6, 6));
                }
                break;
            }
            case tkTextOfs: {
                const int x = PikselUOpsegu(r.X(s.x) + s.x2), y = PikselUOpsegu(r.Y(s.y) + s.y2);
                if (!tekstovi || !blizu(x, y) || s.Text.isEmpty()) break;
                if (s.SizeOrAngle != velicinaFonta) {
                    velicinaFonta = s.SizeOrAngle;
                    p.setFont(Font(velicinaFonta));
                    mt = p.fontMetrics();
                }
                olovka(s.Color);
                int levo = x;
                if (s.MarkOrAlign == taRightJustify) levo = x - mt.horizontalAdvance(s.Text);
                else if (s.MarkOrAlign == taCenter) levo = x - mt.horizontalAdvance(s.Text) / 2;
                p.drawText(levo, y - mt.height() / 2 + mt.ascent(), s.Text);
                if (pratiPrepreke) {
                    const int top = y - mt.height() / 2;
                    zauzeto.Dodaj(TOkvir{double(levo), double(top), double(levo + mt.horizontalAdvance(s.Text)),
                                         double(top + mt.height())});
                }
                break;
            }
            case tkArrow: {
                const int x1 = r.X(s.x), y1 = r.Y(s.y), x2 = r.X(s.x2), y2 = r.Y(s.y2);
                olovka(s.Color);
                if (x1 == x2 && y1 == y2) {
                    if (blizu(x1, y1)) p.drawPoint(x1, y1);
                    break;
                }
                linija(x1, y1, x2, y2);
                if (pratiPrepreke) zauzeto.Dodaj(TDuz{double(x1), double(y1), double(x2), double(y2)});
                if (!blizu(x2, y2)) break;
                const double ugao = std::atan2(double(y1) - y2, double(x1) - x2);
                const double d = s.SizeOrAngle;
                const QPoint vrh(x2, y2);
                const QPoint k1(PikselUOpsegu(x2 + d * std::cos(ugao + UgaoGlaveStrelice)),
                                PikselUOpsegu(y2 + d * std::sin(ugao + UgaoGlaveStrelice)));
                const QPoint k2(PikselUOpsegu(x2 + d * std::cos(ugao - UgaoGlaveStrelice)),
                                PikselUOpsegu(y2 + d * std::sin(ugao - UgaoGlaveStrelice)));
                if (s.Transp) {
                    p.drawLine(vrh, k1);
                    p.drawLine(vrh, k2);
                } else {
                    p.setBrush(Boja(s.FillColor));
                    const QPoint glava[3] = {vrh, k1, k2};
                    p.drawPolygon(glava, 3);
                    p.setBrush(Qt::NoBrush);
                }
                break;
            }
            case tkOblik:
                if (s.SizeOrAngle < 0 || size_t(s.SizeOrAngle) >= oblici.size()) break;
                NacrtajOblik(p, oblici[size_t(s.SizeOrAngle)], r);
                if (pratiPrepreke) DodajPrepreke(zauzeto, oblici[size_t(s.SizeOrAngle)], r);
                // The figure sets its own pen and brush.
                bojaOlovke = 0xFFFFFFFF;
                break;
            case tkOznaka:
            case tkNone: break;
        }
    }
    if (istaknuta) {
        const int x = r.X(istaknutaX), y = r.Y(istaknutaY);
        if (blizu(x, y)) {
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
    // Labels last, over everything they keep clear of.
    if (pratiPrepreke) NacrtajOznake(p, oznake, zauzeto, r);
    p.restore();
}
