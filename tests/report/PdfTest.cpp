#include <QDir>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include "IzvestajUPdf.h"
#include "Pomocnici.h"
#include "ReportLayout.h"
#include "ReportProject.h"

namespace {

const QString ZAGLAVLJE = QStringLiteral("VELT - Izvestaj analize ravnog nosaca");

// The body of every page with wrapped pieces joined again, beside the page numbers the footers
// show. Fails the test on a page without the header or the footer.
struct ProcitanPdf {
    QStringList redovi;
    std::vector<std::pair<int, int>> brojevi;  // (N, M) of "Strana N od M"
};

ProcitanPdf Procitaj(const QStringList& strane) {
    ProcitanPdf r;
    const QRegularExpression podnozje(QStringLiteral("Strana (\\d+) od (\\d+)\\s*$"));
    const QString oznaka = QString::fromUtf8("»");
    for (const QString& strana : strane) {
        QStringList l = strana.split('\n');
        while (!l.isEmpty() && l.front().trimmed().isEmpty()) l.pop_front();
        while (!l.isEmpty() && l.back().trimmed().isEmpty()) l.pop_back();
        if (l.size() < 2) {
            ADD_FAILURE() << "page without header and footer";
            continue;
        }
        EXPECT_TRUE(l.front().contains(ZAGLAVLJE)) << l.front().toStdString();
        const auto m = podnozje.match(l.back());
        EXPECT_TRUE(m.hasMatch()) << l.back().toStdString();
        if (m.hasMatch()) r.brojevi.push_back({m.captured(1).toInt(), m.captured(2).toInt()});
        for (qsizetype i = 1; i + 1 < l.size(); ++i) {
            const QString red = Sazmi(l[i]);
            if (red.isEmpty()) continue;
            if (red.startsWith(oznaka) && !r.redovi.isEmpty())
                r.redovi.back() += ' ' + red.mid(oznaka.size()).trimmed();
            else r.redovi.push_back(red);
        }
    }
    return r;
}

QStringList NepraznaSazeta(const QString& tekst) {
    QStringList r;
    for (const QString& red : SplitReportLines(tekst))
        if (!Sazmi(red).isEmpty()) r << Sazmi(red);
    return r;
}

// The command line has no application object; the function brings its own for the call.
TEST(IzvestajUPdfBezAplikacije, WorksWithoutARunningApplication) {
    if (QCoreApplication::instance()) GTEST_SKIP() << "an earlier test of this process made one";
    QTemporaryDir dir;
    const QString pdf = dir.filePath("cli.pdf");
    QString greska;
    ASSERT_TRUE(IzvestajUPdf(ProjekatIzAsseta(), SintetickiIzvestaj(2), pdf, &greska)) << greska.toStdString();
    EXPECT_EQ(QCoreApplication::instance(), nullptr);
    EXPECT_TRUE(::Procitaj(pdf).startsWith("%PDF"));
}

class PdfIzvestaja : public ::testing::Test {
protected:
    void SetUp() override {
        OsigurajAplikaciju();
        ASSERT_TRUE(dir.isValid());
    }
    QTemporaryDir dir;
};

TEST_F(PdfIzvestaja, EveryLineComesBackInOrderPageAfterPage) {
    const QString tekst = SintetickiIzvestaj(8);  // 24 x 24 matrix, rows of ~240 characters
    const QString pdf = dir.filePath("izvestaj.pdf");
    QString greska;
    ASSERT_TRUE(IzvestajUPdf(ProjekatIzAsseta(), tekst, pdf, &greska)) << greska.toStdString();
    bool alat = false;
    const QStringList strane = StranePdf(pdf, &alat);
    if (!alat) GTEST_SKIP() << "pdftotext missing";
    ASSERT_GT(strane.size(), 2);

    const ProcitanPdf procitan = Procitaj(strane);
    const QStringList ocekivano = NepraznaSazeta(tekst);
    ASSERT_EQ(procitan.redovi.size(), ocekivano.size());
    for (qsizetype i = 0; i < ocekivano.size(); ++i) ASSERT_EQ(procitan.redovi[i], ocekivano[i]) << "line " << i;
    for (size_t i = 0; i < procitan.brojevi.size(); ++i)
        EXPECT_EQ(procitan.brojevi[i], std::make_pair(int(i) + 1, int(strane.size())));
    EXPECT_FALSE(QFile::exists(pdf + ".part"));
}

TEST_F(PdfIzvestaja, LongTextGivesManyNumberedPages) {
    QString tekst;
    for (int i = 1; i <= 1000; ++i) tekst += QStringLiteral("Broj cvora: %1\r\n").arg(i);
    const QString pdf = dir.filePath("dug.pdf");
    QString greska;
    ASSERT_TRUE(IzvestajUPdf(ProjekatIzAsseta(), tekst, pdf, &greska)) << greska.toStdString();
    bool alat = false;
    const QStringList strane = StranePdf(pdf, &alat);
    if (!alat) GTEST_SKIP() << "pdftotext missing";
    // A4 less 24 mm of margins and the two bands holds between 60 and 110 lines of 9 pt.
    EXPECT_GE(strane.size(), 10);
    EXPECT_LE(strane.size(), 17);
    const ProcitanPdf procitan = Procitaj(strane);
    ASSERT_EQ(procitan.brojevi.size(), size_t(strane.size()));
    EXPECT_EQ(procitan.brojevi.back(), std::make_pair(int(strane.size()), int(strane.size())));
    ASSERT_EQ(procitan.redovi.size(), 1000);
    EXPECT_EQ(procitan.redovi.back(), "Broj cvora: 1000");
}

TEST_F(PdfIzvestaja, CommandLineFunctionReportsFailures) {
    const QString pdf = dir.filePath("x.pdf");
    struct Slucaj {
        QString projekat, izlaz;
        const char* deo;
    };
    QFile los(dir.filePath("los.vrp"));
    ASSERT_TRUE(los.open(QIODevice::WriteOnly));
    los.write("VELT-IZVESTAJ 1\n[Podaci]\nKonekcija = ReportConnection1\n");
    los.close();
    const Slucaj slucajevi[] = {
        {dir.filePath("nema.vrp"), pdf, "ne postoji"},
        {dir.filePath("los.vrp"), pdf, "nije navedena kolona"},
        {ProjekatIzAsseta(), dir.filePath("nema/folder/x.pdf"), "nije moguce snimiti"},
        {ProjekatIzAsseta(), dir.path(), "nije moguce snimiti"},
    };
    for (const auto& s : slucajevi) {
        QString greska;
        EXPECT_FALSE(IzvestajUPdf(s.projekat, "ULAZNI PODACI", s.izlaz, &greska));
        EXPECT_TRUE(greska.contains(s.deo)) << greska.toStdString();
    }
    EXPECT_FALSE(QFile::exists(pdf));

    // A failed save leaves an existing file as it was.
    QFile star(pdf);
    ASSERT_TRUE(star.open(QIODevice::WriteOnly));
    star.write("stari");
    star.close();
    EXPECT_FALSE(IzvestajUPdf(dir.filePath("los.vrp"), "x", pdf, nullptr));
    EXPECT_EQ(::Procitaj(pdf), "stari");
    // A successful one replaces it.
    EXPECT_TRUE(IzvestajUPdf(ProjekatIzAsseta(), "x", pdf, nullptr));
    EXPECT_TRUE(::Procitaj(pdf).startsWith("%PDF"));
}

// The font shrinks so that a line a little too wide still fits, but not below the floor; then
// lines wrap.
TEST_F(PdfIzvestaja, FontShrinksToTheFloorThenLinesWrap) {
    const TReportSettings s = ReadReportProject(ProjekatIzAsseta());
    struct Slucaj {
        int sirina;  // characters of the longest line
        bool manji, naDnu, prelom;
    };
    const Slucaj slucajevi[] = {{40, false, false, false}, {100, true, false, false}, {400, true, true, true}};
    for (const auto& sl : slucajevi) {
        const QString red = QString("0.000000  ").repeated(sl.sirina / 10);
        const TReportDocument d(s, "ULAZNI PODACI\r\n" + red + "\r\n");
        EXPECT_EQ(d.BodySizePt() < s.BodySizePt, sl.manji) << sl.sirina;
        EXPECT_EQ(std::abs(d.BodySizePt() - s.BodyMinSizePt) < 1e-9, sl.naDnu) << sl.sirina;
        EXPECT_EQ(d.Pages()[0].Lines.size() > 2, sl.prelom) << sl.sirina;
        if (!sl.prelom) {
            EXPECT_GE(d.CharsPerLine(), sl.sirina - 2);
        }
    }
}

// Painted, no text crosses the right margin and nothing is drawn outside the page's bands.
TEST_F(PdfIzvestaja, PaintedTextStaysInsideTheMargins) {
    const TReportSettings s = ReadReportProject(ProjekatIzAsseta());
    const TReportDocument d(s, SintetickiIzvestaj(6));
    const double dpi = 150;
    const QSizeF velicina = d.PageSizePt() * dpi / 72;
    QImage slika(velicina.toSize(), QImage::Format_RGB32);
    for (int strana : {0, d.PageCount() - 2}) {
        slika.fill(Qt::white);
        {
            QPainter p(&slika);
            d.PaintPage(p, strana, QRectF(QPointF(0, 0), velicina));
        }
        const int desno = int((d.PageSizePt().width() - s.MarginRightMm * 72 / 25.4) * dpi / 72) + 2;
        const int levo = int(s.MarginLeftMm * 72 / 25.4 * dpi / 72) - 2;
        int tamnihDesno = 0, tamnihLevo = 0, tamnihUnutra = 0;
        for (int y = 0; y < slika.height(); ++y)
            for (int x = 0; x < slika.width(); ++x) {
                if (qGray(slika.pixel(x, y)) > 160) continue;
                if (x > desno) ++tamnihDesno;
                else if (x < levo) ++tamnihLevo;
                else ++tamnihUnutra;
            }
        EXPECT_EQ(tamnihDesno, 0) << "page " << strana;
        EXPECT_EQ(tamnihLevo, 0) << "page " << strana;
        EXPECT_GT(tamnihUnutra, 2000) << "page " << strana;
    }
}

}  // namespace
