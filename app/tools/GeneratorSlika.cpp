// Draws the program's pictures (splash, help pages, section tables) and saves them as JPEG files.
// Run once after changing a picture; the JPEG files are kept in assets/.
//   velt_generator_slika <folder> [--png]   (--png: PNG copies as well, for looking at them)
#include <QDir>
#include <QGuiApplication>

#include <cstdio>
#include <functional>

#include "CrtanjeSlike.h"
#include "SlikePreseka.h"

namespace {

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
