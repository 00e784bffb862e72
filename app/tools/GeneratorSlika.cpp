// Draws the program's pictures (splash, help pages, section tables) and saves them as JPEG files.
// Run once after changing a picture; the JPEG files are kept in assets/.
//   velt_generator_slika <folder> [--png]   (--png: PNG copies as well, for looking at them)
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

namespace {

const QColor crna(0, 0, 0);
const QColor plava(20, 70, 170);
const QColor crvena(190, 30, 30);
const QColor siva(120, 120, 120);
const QColor zelena(20, 120, 60);

QFont Font(int tacaka, bool podebljan = false, bool kurziv = false) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(tacaka);
    f.setBold(podebljan);
    f.setItalic(kurziv);
    return f;
}

QPointF Jedinicni(QPointF v) {
    const double d = std::hypot(v.x(), v.y());
    return d > 0 ? v / d : QPointF(1, 0);
}

// A filled arrow head at `vrh`, pointing along `pravac`.
void Glava(QPainter& p, QPointF vrh, QPointF pravac, double velicina, const QColor& boja) {
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

void Strelica(QPainter& p, QPointF od, QPointF doTacke, const QColor& boja, double debljina = 2, double glava = 12) {
    p.save();
    p.setPen(QPen(boja, debljina, Qt::SolidLine, Qt::FlatCap));
    const QPointF e = Jedinicni(doTacke - od);
    p.drawLine(od, doTacke - e * (glava * 0.8));
    p.restore();
    Glava(p, doTacke, doTacke - od, glava, boja);
}

// A circular arrow about `centar`, turning counter-clockwise on the picture (the positive sense of
// rotations: X toward Z).
void KruznaStrelica(QPainter& p, QPointF centar, double r, double odUgla, double raspon, const QColor& boja,
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

void Tekst(QPainter& p, QPointF gde, const QString& tekst, const QFont& f, const QColor& boja = crna,
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

void GlobalneOse(QPainter& p, QPointF o, double duzina, const QFont& f) {
    Strelica(p, o, o + QPointF(duzina, 0), crna, 1.5, 10);
    Strelica(p, o, o + QPointF(0, -duzina), crna, 1.5, 10);
    Tekst(p, o + QPointF(duzina + 4, 0), QStringLiteral("X"), f);
    Tekst(p, o + QPointF(0, -duzina - 10), QStringLiteral("Z"), f, crna, Qt::AlignHCenter | Qt::AlignVCenter);
}

void CrtajStap(QPainter& p, const TStapNaSlici& s, bool lokalneOse = true) {
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
void Kota(QPainter& p, const TStapNaSlici& s, double od, double doRel, const QString& tekst, double pomak) {
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

void Naslov(QPainter& p, const QString& naslov, const QString& podnaslov) {
    Tekst(p, QPointF(20, 24), naslov, Font(17, true));
    Tekst(p, QPointF(20, 50), podnaslov, Font(13), siva);
}

void Napomene(QPainter& p, const QStringList& redovi) {
    double y = 360;
    for (const QString& r : redovi) {
        Tekst(p, QPointF(20, y), r, Font(13));
        y += 19;
    }
}

QImage NovaSlika(int w, int h) {
    QImage slika(w, h, QImage::Format_RGB32);
    slika.fill(Qt::white);
    return slika;
}

// ---- the pictures ----

QImage Uvod() {
    QImage slika(638, 395, QImage::Format_RGB32);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, 395);
    g.setColorAt(0, QColor(28, 58, 110));
    g.setColorAt(1, QColor(70, 120, 180));
    p.fillRect(slika.rect(), g);
    // a portal frame with its supports and a load, in light lines
    p.setPen(QPen(QColor(230, 236, 245), 5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF a(360, 330), b(360, 170), c(560, 170), d(560, 330);
    p.drawPolyline(QPolygonF() << a << b << c << d);
    p.setPen(QPen(QColor(230, 236, 245), 2));
    for (QPointF o : {a, d}) {
        QPolygonF t;
        t << o << o + QPointF(-16, 24) << o + QPointF(16, 24);
        p.drawPolygon(t);
        p.drawLine(o + QPointF(-24, 30), o + QPointF(24, 30));
    }
    for (int x = 380; x <= 540; x += 32) Strelica(p, QPointF(x, 120), QPointF(x, 166), QColor(255, 200, 90), 2, 11);
    p.setPen(QPen(QColor(255, 200, 90), 2));
    p.drawLine(QPointF(380, 120), QPointF(540, 120));
    Strelica(p, QPointF(290, 170), QPointF(354, 170), QColor(255, 200, 90), 3, 14);
    // the deformed shape, dashed
    p.setPen(QPen(QColor(160, 200, 240), 2, Qt::DashLine));
    QPainterPath def;
    def.moveTo(a);
    def.cubicTo(QPointF(362, 260), QPointF(372, 200), QPointF(380, 178));
    def.cubicTo(QPointF(450, 200), QPointF(500, 200), QPointF(580, 178));
    def.cubicTo(QPointF(576, 230), QPointF(566, 290), d);
    p.drawPath(def);

    Tekst(p, QPointF(40, 110), QStringLiteral("VELT"), Font(82, true), Qt::white);
    Tekst(p, QPointF(44, 185), QStringLiteral("Staticki proracun nosaca u ravni"), Font(19), Qt::white);
    Tekst(p, QPointF(44, 212), QStringLiteral("metodom deformacija"), Font(19), Qt::white);
    Tekst(p, QPointF(44, 330), QStringLiteral("Verzija 1.0.0.0"), Font(14), QColor(220, 230, 245));
    Tekst(p, QPointF(44, 354), QStringLiteral("Ucitavanje..."), Font(14, false, true), QColor(220, 230, 245));
    p.setPen(QPen(QColor(255, 255, 255, 90), 1));
    p.drawRect(QRectF(0.5, 0.5, 637, 394));
    return slika;
}

QImage KoordinatniSistem() {
    QImage slika = NovaSlika(600, 420);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    Naslov(p, QStringLiteral("Koordinatni sistem"),
           QStringLiteral("Globalni (GKS) i lokalni koordinatni sistem stapa (LKS)"));
    const QPointF o(90, 300);
    Strelica(p, o, o + QPointF(170, 0), crna, 2.5, 14);
    Strelica(p, o, o + QPointF(0, -170), crna, 2.5, 14);
    Tekst(p, o + QPointF(178, 0), QStringLiteral("X"), Font(20, true));
    Tekst(p, o + QPointF(0, -190), QStringLiteral("Z"), Font(20, true), crna, Qt::AlignHCenter | Qt::AlignVCenter);
    KruznaStrelica(p, o, 55, 5, 80, crvena, 2.5);
    Tekst(p, o + QPointF(52, -62), QStringLiteral("fi (oko Y)"), Font(15, false, true), crvena);
    Tekst(p, o + QPointF(-6, 18), QStringLiteral("0"), Font(14), crna, Qt::AlignRight | Qt::AlignVCenter);

    TStapNaSlici s;
    s.i = QPointF(330, 290);
    s.k = QPointF(560, 160);
    CrtajStap(p, s, false);
    const QPointF lo = s.Tacka(0.45) - s.ey() * 28;
    Strelica(p, lo, lo + s.ex() * 75, plava, 2, 12);
    Strelica(p, lo, lo + s.ey() * 75, plava, 2, 12);
    Tekst(p, lo + s.ex() * 90, QStringLiteral("x"), Font(17, false, true), plava, Qt::AlignHCenter | Qt::AlignVCenter);
    Tekst(p, lo + s.ey() * 90, QStringLiteral("y"), Font(17, false, true), plava, Qt::AlignHCenter | Qt::AlignVCenter);

    Napomene(p, {QStringLiteral("X udesno, Z navise; pozitivna rotacija okrece X ka Z (suprotno od kazaljke na satu)."),
                 QStringLiteral("Lokalna osa x ide od pocetnog cvora i ka krajnjem cvoru k."),
                 QStringLiteral("Lokalna osa y je osa x okrenuta za cetvrt kruga ka Z.")});
    return slika;
}

// The common frame of the seven load pictures.
QImage SlikaOpterecenja(const QString& naslov, const QString& podnaslov, const QStringList& napomene,
                        const std::function<void(QPainter&, const TStapNaSlici&)>& crtaj) {
    QImage slika = NovaSlika(600, 420);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    Naslov(p, naslov, podnaslov);
    GlobalneOse(p, QPointF(520, 330), 45, Font(13, true));
    TStapNaSlici s;
    crtaj(p, s);
    CrtajStap(p, s);
    Napomene(p, napomene);
    return slika;
}

QImage OpterecenjeV() {
    return SlikaOpterecenja(
        QStringLiteral("V - koncentrisana sila upravno na osu stapa"),
        QStringLiteral("pozitivna u smeru lokalne ose y"),
        {QStringLiteral("V: KoncentrisanaSila,  a = PozicijaKoncentrisaneSile * L  (0 do 1, od cvora i)")},
        [](QPainter& p, const TStapNaSlici& s) {
            const QPointF t = s.Tacka(0.55);
            Strelica(p, t, t + s.ey() * 90, crvena, 3, 16);
            Tekst(p, t + s.ey() * 100 + s.ex() * 10, QStringLiteral("V"), Font(18, true), crvena);
            Kota(p, s, 0, 0.55, QStringLiteral("a"), 18);
            Kota(p, s, 0.55, 1, QStringLiteral("b = L - a"), 18);
        });
}

QImage OpterecenjeM() {
    return SlikaOpterecenja(
        QStringLiteral("M - koncentrisani moment"), QStringLiteral("pozitivan kada okrece osu x ka osi y"),
        {QStringLiteral("M: KoncentrisaniMoment,  a = PozicijaKoncentrisanogMomenta * L  (0 do 1, od cvora i)")},
        [](QPainter& p, const TStapNaSlici& s) {
            const QPointF t = s.Tacka(0.55);
            KruznaStrelica(p, t, 42, 40, 250, crvena, 3);
            Tekst(p, t + s.ey() * 62, QStringLiteral("M"), Font(18, true), crvena);
            Kota(p, s, 0, 0.55, QStringLiteral("a"), 18);
            Kota(p, s, 0.55, 1, QStringLiteral("b = L - a"), 18);
        });
}

QImage OpterecenjePn() {
    return SlikaOpterecenja(QStringLiteral("pn - jednako raspodeljeno opterecenje upravno na osu"),
                            QStringLiteral("pozitivno u smeru lokalne ose y, na delu stapa"),
                            {QStringLiteral("q: RaspodeljenoOpterecenje,  s = PocetakRaspodeljenog * L,"),
                             QStringLiteral("r = L - KrajRaspodeljenog * L,  c = L - s - r")},
                            [](QPainter& p, const TStapNaSlici& s) {
                                const double od = 0.25, doRel = 0.8;
                                for (int j = 0; j <= 6; ++j) {
                                    const QPointF t = s.Tacka(od + (doRel - od) * j / 6);
                                    Strelica(p, t, t + s.ey() * 70, crvena, 2, 11);
                                }
                                p.save();
                                p.setPen(QPen(crvena, 2));
                                p.drawLine(s.Tacka(od) + s.ey() * 70, s.Tacka(doRel) + s.ey() * 70);
                                p.restore();
                                Tekst(p, s.Tacka((od + doRel) / 2) + s.ey() * 88, QStringLiteral("q"), Font(18, true),
                                      crvena, Qt::AlignHCenter | Qt::AlignVCenter);
                                Kota(p, s, 0, od, QStringLiteral("s"), 18);
                                Kota(p, s, od, doRel, QStringLiteral("c"), 18);
                                Kota(p, s, doRel, 1, QStringLiteral("r"), 18);
                            });
}

QImage OpterecenjeT() {
    return SlikaOpterecenja(QStringLiteral("t - ravnomerna promena temperature ose stapa"),
                            QStringLiteral("pozitivna kada se stap zagreva (izduzuje)"),
                            {QStringLiteral("t: TemperaturnaPromena (ista po celom preseku)"),
                             QStringLiteral("slobodan stap bi se izduzio za alfaT * t * L")},
                            [](QPainter& p, const TStapNaSlici& s) {
                                p.save();
                                p.setPen(QPen(QColor(240, 150, 120), 18, Qt::SolidLine, Qt::FlatCap));
                                p.drawLine(s.Tacka(0.04), s.Tacka(0.96));
                                p.restore();
                                Strelica(p, s.Tacka(0.97), s.Tacka(0.97) + s.ex() * 45, crvena, 2.5, 12);
                                Strelica(p, s.Tacka(0.03), s.Tacka(0.03) - s.ex() * 45, crvena, 2.5, 12);
                                Tekst(p, s.Tacka(0.5) + s.ey() * 40, QStringLiteral("+t"), Font(20, true), crvena,
                                      Qt::AlignHCenter | Qt::AlignVCenter);
                            });
}

QImage OpterecenjeDeltaT() {
    return SlikaOpterecenja(QStringLiteral("delta T - razlika temperatura strana preseka"),
                            QStringLiteral("pozitivna kada je strana na +y toplija"),
                            {QStringLiteral("delta T: TemperaturnaRazlika = t(strana +y) - t(strana -y),"),
                             QStringLiteral("h: visina preseka; stap se krivi ka hladnijoj strani")},
                            [](QPainter& p, const TStapNaSlici& s) {
                                p.save();
                                p.setPen(QPen(QColor(235, 110, 90), 9, Qt::SolidLine, Qt::FlatCap));
                                p.drawLine(s.Tacka(0.04) + s.ey() * 9, s.Tacka(0.96) + s.ey() * 9);
                                p.setPen(QPen(QColor(100, 150, 230), 9, Qt::SolidLine, Qt::FlatCap));
                                p.drawLine(s.Tacka(0.04) - s.ey() * 9, s.Tacka(0.96) - s.ey() * 9);
                                p.restore();
                                Tekst(p, s.Tacka(0.5) + s.ey() * 40, QStringLiteral("toplije (+y)"), Font(15, true),
                                      crvena, Qt::AlignHCenter | Qt::AlignVCenter);
                                Tekst(p, s.Tacka(0.62) - s.ey() * 38, QStringLiteral("hladnije"), Font(15, true), plava,
                                      Qt::AlignHCenter | Qt::AlignVCenter);
                            });
}

QImage OpterecenjeH() {
    return SlikaOpterecenja(QStringLiteral("H - koncentrisana sila u pravcu ose stapa"),
                            QStringLiteral("pozitivna u smeru lokalne ose x (od i ka k)"),
                            {QStringLiteral("H: KoncentrisanaSilaUPravcuOse,"),
                             QStringLiteral("a = PozicijaKoncentrisaneSileUPravcuOse * L  (0 do 1, od cvora i)")},
                            [](QPainter& p, const TStapNaSlici& s) {
                                const QPointF t = s.Tacka(0.5) + s.ey() * 16;
                                Strelica(p, t, t + s.ex() * 95, crvena, 3, 16);
                                p.save();
                                p.setPen(QPen(crvena, 1.5, Qt::DotLine));
                                p.drawLine(s.Tacka(0.5), t);
                                p.restore();
                                Tekst(p, t + s.ex() * 50 + s.ey() * 22, QStringLiteral("H"), Font(18, true), crvena,
                                      Qt::AlignHCenter | Qt::AlignVCenter);
                                Kota(p, s, 0, 0.5, QStringLiteral("a"), 18);
                                Kota(p, s, 0.5, 1, QStringLiteral("b = L - a"), 18);
                            });
}

QImage OpterecenjePt() {
    return SlikaOpterecenja(
        QStringLiteral("pt - jednako raspodeljeno opterecenje u pravcu ose"),
        QStringLiteral("pozitivno u smeru lokalne ose x, na delu stapa"),
        {QStringLiteral("p: RaspodeljenoOpterecenjeUPravcuOse,  s = PocetakRaspodeljenogUPravcuOse * L,"),
         QStringLiteral("r = L - KrajRaspodeljenogUPravcuOse * L,  c = L - s - r")},
        [](QPainter& p, const TStapNaSlici& s) {
            const double od = 0.25, doRel = 0.8;
            for (int j = 0; j < 5; ++j) {
                const QPointF t = s.Tacka(od + (doRel - od) * j / 5) + s.ey() * 16;
                Strelica(p, t, t + s.ex() * (s.Duzina() * (doRel - od) / 5 - 4), crvena, 2, 11);
            }
            Tekst(p, s.Tacka((od + doRel) / 2) + s.ey() * 40, QStringLiteral("p"), Font(18, true), crvena,
                  Qt::AlignHCenter | Qt::AlignVCenter);
            Kota(p, s, 0, od, QStringLiteral("s"), 18);
            Kota(p, s, od, doRel, QStringLiteral("c"), 18);
            Kota(p, s, doRel, 1, QStringLiteral("r"), 18);
        });
}

// ---- the section tables ----

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

}  // namespace

int main(int argc, char** argv) {
    // No window is shown, so no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "upotreba: %s <folder>\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    const QList<QPair<QString, QImage>> slike = {
        {QStringLiteral("UvodniProzor.jpg"), Uvod()},        {QStringLiteral("Pomoc1.jpg"), KoordinatniSistem()},
        {QStringLiteral("Pomoc2.jpg"), OpterecenjeV()},      {QStringLiteral("Pomoc3.jpg"), OpterecenjeM()},
        {QStringLiteral("Pomoc4.jpg"), OpterecenjePn()},     {QStringLiteral("Pomoc5.jpg"), OpterecenjeT()},
        {QStringLiteral("Pomoc6.jpg"), OpterecenjeDeltaT()}, {QStringLiteral("Pomoc7.jpg"), OpterecenjeH()},
        {QStringLiteral("Pomoc8.jpg"), OpterecenjePt()},     {QStringLiteral("Presek1.jpg"), Preseci1()},
        {QStringLiteral("Presek2.jpg"), Preseci2()},         {QStringLiteral("Presek3.jpg"), Preseci3()},
    };
    const bool png = argc > 2 && QByteArray(argv[2]) == "--png";
    int greske = 0;
    for (const auto& [ime, slika] : slike) {
        if (png)
            slika.save(folder.filePath(QString(ime).replace(QStringLiteral(".jpg"), QStringLiteral(".png"))), "PNG");
        if (!slika.save(folder.filePath(ime), "JPG", 92)) {
            std::fprintf(stderr, "nije snimljeno: %s\n", qPrintable(ime));
            ++greske;
        }
    }
    return greske ? 1 : 0;
}
