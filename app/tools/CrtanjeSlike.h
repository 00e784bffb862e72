#pragma once
// The drawing helpers every picture of the generator uses: colours, fonts, arrows, the member
// with its axes, dimension lines, titles and notes.
#include <QDir>
#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QtMath>

#include <cstdio>
#include <functional>

inline const QColor crna(0, 0, 0);
inline const QColor plava(20, 70, 170);
inline const QColor crvena(190, 30, 30);
inline const QColor siva(120, 120, 120);
inline const QColor zelena(20, 120, 60);

inline QFont Font(int tacaka, bool podebljan = false, bool kurziv = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(tacaka);
    f.setBold(podebljan);
    f.setItalic(kurziv);
    return f;
}

inline QPointF Jedinicni(QPointF v) {
    const double d = std::hypot(v.x(), v.y());
    return d > 0 ? v / d : QPointF(1, 0);
}

// A filled arrow head at `vrh`, pointing along `pravac`.
inline void Glava(QPainter& p, QPointF vrh, QPointF pravac, double velicina, const QColor& boja) {
    const QPointF e = Jedinicni(pravac);
    const QPointF n(-e.y(), e.x());
    QPolygonF glava;
    glava << vrh << vrh - e * velicina + n * velicina * 0.38 << vrh - e * velicina - n * velicina * 0.38;
    p.save();
    p.setPen(QPen(boja, 1));
    p.setBrush(boja);
    p.drawPolygon(glava);
    p.restore();
}

inline void Strelica(QPainter& p, QPointF od, QPointF doTacke, const QColor& boja, double debljina = 2,
                     double glava = 12) {
    p.save();
    p.setPen(QPen(boja, debljina, Qt::SolidLine, Qt::FlatCap));
    const QPointF e = Jedinicni(doTacke - od);
    p.drawLine(od, doTacke - e * (glava * 0.8));
    p.restore();
    Glava(p, doTacke, doTacke - od, glava, boja);
}

// A circular arrow about `centar`, turning counter-clockwise on the picture (the positive sense of
// rotations: X toward Z).
inline void KruznaStrelica(QPainter& p, QPointF centar, double r, double odUgla, double raspon, const QColor& boja,
                           double debljina = 2) {
    QRectF okvir(centar.x() - r, centar.y() - r, 2 * r, 2 * r);
    p.save();
    p.setPen(QPen(boja, debljina));
    p.setBrush(Qt::NoBrush);
    p.drawArc(okvir, int(odUgla * 16), int(raspon * 16));
    p.restore();
    const double kraj = qDegreesToRadians(odUgla + raspon);
    // Qt angles grow counter-clockwise with y pointing down, hence the minus on sin.
    const QPointF vrh = centar + QPointF(r * std::cos(kraj), -r * std::sin(kraj));
    const QPointF tangenta(-std::sin(kraj), -std::cos(kraj));
    Glava(p, vrh, tangenta, 13, boja);
}

inline void Tekst(QPainter& p, QPointF gde, const QString& tekst, const QFont& f, const QColor& boja = crna,
                  Qt::Alignment poravnanje = Qt::AlignLeft | Qt::AlignVCenter) {
    p.save();
    p.setFont(f);
    p.setPen(boja);
    QRectF okvir(gde.x(), gde.y() - 40, 1000, 80);
    if (poravnanje & Qt::AlignHCenter) okvir.moveLeft(gde.x() - 500);
    else if (poravnanje & Qt::AlignRight) okvir.moveRight(gde.x());
    p.drawText(okvir, int(poravnanje), tekst);
    p.restore();
}

// The inclined member of the load pictures, from node i to node k, with its local axes.
struct TStapNaSlici {
    QPointF i{110, 300}, k{500, 170};
    QPointF ex() const { return Jedinicni(k - i); }
    // Local y is x turned a quarter turn toward global Z: on a picture with rows growing
    // downwards that is (ex.y, -ex.x).
    QPointF ey() const { return QPointF(ex().y(), -ex().x()); }
    QPointF Tacka(double relativno) const { return i + (k - i) * relativno; }
    double Duzina() const { return QLineF(i, k).length(); }
};

inline void GlobalneOse(QPainter& p, QPointF o, double duzina, const QFont& f) {
    Strelica(p, o, o + QPointF(duzina, 0), crna, 1.5, 10);
    Strelica(p, o, o + QPointF(0, -duzina), crna, 1.5, 10);
    Tekst(p, o + QPointF(duzina + 4, 0), QStringLiteral("X"), f);
    Tekst(p, o + QPointF(0, -duzina - 10), QStringLiteral("Z"), f, crna, Qt::AlignHCenter | Qt::AlignVCenter);
}

inline void CrtajStap(QPainter& p, const TStapNaSlici& s, bool lokalneOse = true) {
    p.save();
    p.setPen(QPen(crna, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(s.i, s.k);
    p.setBrush(Qt::white);
    p.setPen(QPen(crna, 2));
    p.drawEllipse(s.i, 6, 6);
    p.drawEllipse(s.k, 6, 6);
    p.restore();
    const QFont f = Font(15, true, true);
    Tekst(p, s.i + QPointF(-8, 22), QStringLiteral("i"), f, crna, Qt::AlignRight | Qt::AlignVCenter);
    Tekst(p, s.k + QPointF(10, 18), QStringLiteral("k"), f);
    if (lokalneOse) {
        // kept in the free corner above node i, away from the loads and the dimension lines
        const QPointF o(70, 200);
        Strelica(p, o, o + s.ex() * 60, plava, 1.5, 10);
        Strelica(p, o, o + s.ey() * 60, plava, 1.5, 10);
        Tekst(p, o + s.ex() * 72, QStringLiteral("x"), Font(15, false, true), plava,
              Qt::AlignHCenter | Qt::AlignVCenter);
        Tekst(p, o + s.ey() * 72, QStringLiteral("y"), Font(15, false, true), plava,
              Qt::AlignHCenter | Qt::AlignVCenter);
        Tekst(p, o + QPointF(0, 18), QStringLiteral("LKS"), Font(12), plava, Qt::AlignHCenter | Qt::AlignVCenter);
    }
}

// A dimension line along the member, offset to its -y side.
inline void Kota(QPainter& p, const TStapNaSlici& s, double od, double doRel, const QString& tekst, double pomak) {
    const QPointF n = -s.ey() * pomak;
    const QPointF a = s.Tacka(od) + n, b = s.Tacka(doRel) + n;
    p.save();
    p.setPen(QPen(siva, 1));
    p.drawLine(a, b);
    p.drawLine(a - s.ey() * 5, a + s.ey() * 5);
    p.drawLine(b - s.ey() * 5, b + s.ey() * 5);
    p.restore();
    Tekst(p, (a + b) / 2 - s.ey() * 14, tekst, Font(13, false, true), siva, Qt::AlignHCenter | Qt::AlignVCenter);
}

inline void Naslov(QPainter& p, const QString& naslov, const QString& podnaslov) {
    Tekst(p, QPointF(20, 24), naslov, Font(17, true));
    Tekst(p, QPointF(20, 50), podnaslov, Font(13), siva);
}

inline void Napomene(QPainter& p, const QStringList& redovi) {
    double y = 360;
    for (const QString& r : redovi) {
        Tekst(p, QPointF(20, y), r, Font(13));
        y += 19;
    }
}

inline QImage NovaSlika(int w, int h) {
    QImage slika(w, h, QImage::Format_RGB32);
    slika.fill(Qt::white);
    return slika;
}
