// The section tables of the section-properties window: the shapes with their A, I and k.
#include "SlikePreseka.h"

#include "CrtanjeSlike.h"

namespace {

struct TRedTabele {
    QString ime;
    std::function<void(QPainter&, QPointF)> skica;  // the sketch, centred on the point
    QStringList osobine;                            // A, I, k
};

QImage Tabela(const QString& naslov, const QList<TRedTabele>& redovi) {
    const int sirina = 640, visinaReda = 190, vrh = 70;
    QImage slika = NovaSlika(sirina, vrh + visinaReda * int(redovi.size()) + 20);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    Naslov(p, naslov, QStringLiteral("A - povrsina,  I - moment inercije za osu savijanja,  k - koeficijent smicanja"));
    for (int r = 0; r < redovi.size(); ++r) {
        const double y0 = vrh + r * visinaReda;
        p.setPen(QPen(siva, 1));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(15, y0, sirina - 30, visinaReda - 8));
        p.drawLine(QPointF(235, y0), QPointF(235, y0 + visinaReda - 8));
        Tekst(p, QPointF(250, y0 + 24), redovi[r].ime, Font(16, true));
        double y = y0 + 62;
        for (const QString& o : redovi[r].osobine) {
            Tekst(p, QPointF(260, y), o, Font(16));
            y += 34;
        }
        redovi[r].skica(p, QPointF(125, y0 + (visinaReda - 8) / 2.0));
    }
    return slika;
}

void Popuna(QPainter& p) {
    p.setPen(QPen(crna, 2));
    p.setBrush(QColor(200, 210, 225));
}

void OsaSavijanja(QPainter& p, QPointF c, double pola) {
    p.save();
    p.setPen(QPen(crvena, 1, Qt::DashDotLine));
    p.drawLine(c - QPointF(pola, 0), c + QPointF(pola, 0));
    p.restore();
}

void KotaVodoravna(QPainter& p, QPointF a, QPointF b, const QString& t) {
    p.save();
    p.setPen(QPen(siva, 1));
    p.drawLine(a, b);
    p.drawLine(a + QPointF(0, -4), a + QPointF(0, 4));
    p.drawLine(b + QPointF(0, -4), b + QPointF(0, 4));
    p.restore();
    Tekst(p, (a + b) / 2 + QPointF(0, 12), t, Font(13, false, true), siva, Qt::AlignHCenter | Qt::AlignVCenter);
}

void KotaUspravna(QPainter& p, QPointF a, QPointF b, const QString& t) {
    p.save();
    p.setPen(QPen(siva, 1));
    p.drawLine(a, b);
    p.drawLine(a + QPointF(-4, 0), a + QPointF(4, 0));
    p.drawLine(b + QPointF(-4, 0), b + QPointF(4, 0));
    p.restore();
    Tekst(p, (a + b) / 2 + QPointF(-6, 0), t, Font(13, false, true), siva, Qt::AlignRight | Qt::AlignVCenter);
}

}  // namespace

QImage Preseci1() {
    return Tabela(
        QStringLiteral("Puni preseci"),
        {{QStringLiteral("Pravougaoni pun presek"),
          [](QPainter& p, QPointF c) {
              Popuna(p);
              p.drawRect(QRectF(c.x() - 40, c.y() - 60, 80, 120));
              OsaSavijanja(p, c, 60);
              KotaVodoravna(p, c + QPointF(-40, 72), c + QPointF(40, 72), QStringLiteral("b"));
              KotaUspravna(p, c + QPointF(-58, -60), c + QPointF(-58, 60), QStringLiteral("h"));
          },
          {QStringLiteral("A = b * h"), QStringLiteral("I = b * h^3 / 12"), QStringLiteral("k = 6/5")}},
         {QStringLiteral("Kruzni pun presek"),
          [](QPainter& p, QPointF c) {
              Popuna(p);
              p.drawEllipse(c, 60, 60);
              OsaSavijanja(p, c, 75);
              KotaVodoravna(p, c + QPointF(-60, 74), c + QPointF(60, 74), QStringLiteral("d"));
          },
          {QStringLiteral("A = pi * d^2 / 4"), QStringLiteral("I = pi * d^4 / 64"), QStringLiteral("k = 10/9")}}});
}

QImage Preseci2() {
    return Tabela(QStringLiteral("Tankozidni suplji preseci (t mnogo manje od r, a)"),
                  {{QStringLiteral("Tankozidni suplji kruzni presek"),
                    [](QPainter& p, QPointF c) {
                        p.setPen(QPen(crna, 7));
                        p.setBrush(Qt::NoBrush);
                        p.drawEllipse(c, 58, 58);
                        OsaSavijanja(p, c, 75);
                        p.setPen(QPen(siva, 1));
                        p.drawLine(c, c + QPointF(41, -41));
                        Tekst(p, c + QPointF(14, -30), QStringLiteral("r"), Font(13, false, true), siva);
                        Tekst(p, c + QPointF(46, 56), QStringLiteral("t"), Font(13, false, true), siva);
                    },
                    {QStringLiteral("A = 2 * pi * r * t   (r - srednji poluprecnik)"),
                     QStringLiteral("I = pi * r^3 * t"), QStringLiteral("k = 2")}},
                   {QStringLiteral("Tankozidni suplji kvadratni presek"),
                    [](QPainter& p, QPointF c) {
                        p.setPen(QPen(crna, 7, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
                        p.setBrush(Qt::NoBrush);
                        p.drawRect(QRectF(c.x() - 55, c.y() - 55, 110, 110));
                        OsaSavijanja(p, c, 72);
                        KotaVodoravna(p, c + QPointF(-55, 72), c + QPointF(55, 72), QStringLiteral("a"));
                        Tekst(p, c + QPointF(62, -40), QStringLiteral("t"), Font(13, false, true), siva);
                    },
                    {QStringLiteral("A = 4 * a * t   (a - srednja mera strane)"), QStringLiteral("I = 2/3 * a^3 * t"),
                     QStringLiteral("k = 12/5")}}});
}

QImage Preseci3() {
    return Tabela(QStringLiteral("I presek (savijanje oko jace ose)"),
                  {{QStringLiteral("I presek"),
                    [](QPainter& p, QPointF c) {
                        Popuna(p);
                        QPolygonF i;
                        const double b = 50, h = 70, tf = 12, tw = 7;
                        i << c + QPointF(-b, -h) << c + QPointF(b, -h) << c + QPointF(b, -h + tf)
                          << c + QPointF(tw, -h + tf) << c + QPointF(tw, h - tf) << c + QPointF(b, h - tf)
                          << c + QPointF(b, h) << c + QPointF(-b, h) << c + QPointF(-b, h - tf)
                          << c + QPointF(-tw, h - tf) << c + QPointF(-tw, -h + tf) << c + QPointF(-b, -h + tf);
                        p.drawPolygon(i);
                        OsaSavijanja(p, c, 70);
                        KotaVodoravna(p, c + QPointF(-b, h + 12), c + QPointF(b, h + 12), QStringLiteral("b"));
                        KotaUspravna(p, c + QPointF(-b - 14, -h), c + QPointF(-b - 14, h), QStringLiteral("h"));
                        Tekst(p, c + QPointF(b + 6, -h + 6), QStringLiteral("tf"), Font(13, false, true), siva);
                        Tekst(p, c + QPointF(tw + 4, 18), QStringLiteral("tw"), Font(13, false, true), siva);
                    },
                    {QStringLiteral("A = 2 * b * tf + (h - 2 * tf) * tw"),
                     QStringLiteral("I = [b * h^3 - (b - tw) * (h - 2 * tf)^3] / 12"),
                     QStringLiteral("k = A / Arebra,  Arebra = (h - 2 * tf) * tw")}}});
}
