#include <gtest/gtest.h>

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include "JpegDekoder.h"
#include "PomocniProzora.h"
#include "Slika.h"

namespace {

QByteArray Sadrzaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A JPEG of one colour, encoded by the toolkit, so the decoder meets a file it did not make.
QByteArray JednobojniJpeg(QColor boja, int w, int h) {
    QImage slika(w, h, QImage::Format_RGB32);
    slika.fill(boja);
    QByteArray podaci;
    QBuffer bafer(&podaci);
    bafer.open(QIODevice::WriteOnly);
    slika.save(&bafer, "JPG", 95);
    return podaci;
}

}  // namespace

TEST(JpegDekoder, OurPicturesDecodeAtTheirSizes) {
    OsigurajAplikaciju();
    const struct {
        const char* ime;
        int w, h;
    } slike[] = {{"UvodniProzor.jpg", 638, 395},
                 {"Pomoc1.jpg", 600, 420},
                 {"Pomoc8.jpg", 600, 420},
                 {"Presek1.jpg", 640, 470},
                 {"Presek3.jpg", 640, 280}};
    for (const auto& s : slike) {
        const QImage slika = UcitajJpeg(QStringLiteral(VELT_ASSETS_DIR "/") + QString::fromLatin1(s.ime));
        ASSERT_FALSE(slika.isNull()) << s.ime;
        EXPECT_EQ(slika.width(), s.w) << s.ime;
        EXPECT_EQ(slika.height(), s.h) << s.ime;
    }
}

TEST(JpegDekoder, DecodesColoursFaithfully) {
    OsigurajAplikaciju();
    const QImage slika = DekodirajJpeg(JednobojniJpeg(QColor(200, 40, 90), 33, 17));
    ASSERT_FALSE(slika.isNull());
    EXPECT_EQ(slika.size(), QSize(33, 17));
    for (QPoint p : {QPoint(0, 0), QPoint(16, 8), QPoint(32, 16)}) {
        const QColor c = slika.pixelColor(p);
        EXPECT_NEAR(c.red(), 200, 4);
        EXPECT_NEAR(c.green(), 40, 4);
        EXPECT_NEAR(c.blue(), 90, 4);
    }
}

TEST(JpegDekoder, DamagedInputGivesAnEmptyPictureAndNoAbort) {
    OsigurajAplikaciju();
    const QByteArray dobar = Sadrzaj(QStringLiteral(VELT_ASSETS_DIR "/UvodniProzor.jpg"));
    ASSERT_GT(dobar.size(), 1000);
    QByteArray nasumicni(4096, '\0');
    QRandomGenerator gen(12345);
    for (char& c : nasumicni) c = char(gen.bounded(256));
    QByteArray lazniPocetak = nasumicni;  // a JPEG signature followed by noise
    lazniPocetak[0] = char(0xFF);
    lazniPocetak[1] = char(0xD8);
    lazniPocetak[2] = char(0xFF);
    QByteArray pokvareneTabele = dobar;
    for (int i = 20; i < 600; ++i) pokvareneTabele[i] = char(0xFF);

    const struct {
        const char* slucaj;
        QByteArray podaci;
    } slucajevi[] = {
        {"empty", QByteArray()},
        {"two bytes of signature", dobar.left(2)},
        {"cut after the header", dobar.left(700)},
        {"cut in the middle", dobar.left(dobar.size() / 2)},
        {"random bytes", nasumicni},
        {"signature then noise", lazniPocetak},
        {"overwritten tables", pokvareneTabele},
    };
    for (const auto& s : slucajevi) EXPECT_TRUE(DekodirajJpeg(s.podaci).isNull()) << s.slucaj;

    // The same through files, a missing one and an empty one included.
    QTemporaryDir dir;
    const QString prazan = dir.filePath("prazan.jpg");
    QFile(prazan).open(QIODevice::WriteOnly);
    EXPECT_TRUE(UcitajJpeg(prazan).isNull());
    EXPECT_TRUE(UcitajJpeg(dir.filePath("nema.jpg")).isNull());
    const QString odsecen = dir.filePath("odsecen.jpg");
    {
        QFile f(odsecen);
        f.open(QIODevice::WriteOnly);
        f.write(dobar.left(dobar.size() - 300));
    }
    EXPECT_TRUE(UcitajJpeg(odsecen).isNull());
    // and the decoder still works after all those failures
    EXPECT_FALSE(DekodirajJpeg(dobar).isNull());
}

TEST(JpegDekoder, MissingPictureLeavesAnEmptyAreaOfItsSize) {
    OsigurajAplikaciju();
    TSlika slika(QStringLiteral("nema-takve-slike.jpg"), QSize(321, 123));
    EXPECT_TRUE(slika.Slika().isNull());
    EXPECT_EQ(slika.sizeHint(), QSize(321, 123));
    const QImage izgled = slika.grab().toImage();  // painting an empty area must not fail
    EXPECT_EQ(izgled.pixelColor(10, 10), QColor(Qt::white));
}
