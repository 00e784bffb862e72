#include <gtest/gtest.h>

#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabWidget>

#include "PomocniProzora.h"
#include "UnitPomoc.h"
#include "UnitUvodniProzor.h"

TEST(UvodniProzor, CentringTruncatesTowardZero) {
    const struct {
        int ekran, prozor, polozaj;
    } slucajevi[] = {
        {1920, 638, 641}, {1080, 395, 342}, {1001, 638, 181}, {1000, 395, 302},
        {638, 638, 0},    {600, 638, -19},  {601, 638, -18},  // -18.5 goes to -18, not -19
    };
    for (const auto& s : slucajevi)
        EXPECT_EQ(PolozajZaCentriranje(s.ekran, s.prozor), s.polozaj) << s.ekran << " " << s.prozor;
}

TEST(UvodniProzor, BorderlessOnTopWithItsPicture) {
    OsigurajAplikaciju();
    TFormUvodniProzor u;
    EXPECT_EQ(u.windowTitle(), "Program VELT");
    EXPECT_EQ(u.size(), QSize(638, 395));
    EXPECT_TRUE(u.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(u.windowFlags() & Qt::WindowStaysOnTopHint);
    u.show();
    u.Centriraj();
    const QImage izgled = u.grab().toImage();
    // the picture's dark blue top, not an empty white area
    const QColor vrh = izgled.pixelColor(300, 5);
    EXPECT_LT(vrh.red(), 80);
    EXPECT_GT(vrh.blue(), 80);
}

TEST(PomocniProzori, HelpAndSectionPages) {
    OsigurajAplikaciju();
    TFormPomoc pomoc;
    EXPECT_EQ(pomoc.windowTitle(), "Pomoc");
    const QStringList naslovi = {"Koordinatni sistem", "V", "M", "pn", "t", "delta T", "H", "pt"};
    ASSERT_EQ(pomoc.PageControlPomoc->count(), naslovi.size());
    for (int i = 0; i < naslovi.size(); ++i) EXPECT_EQ(pomoc.PageControlPomoc->tabText(i), naslovi[i]);
    EXPECT_EQ(pomoc.PageControlPomoc->currentIndex(), 0);
    EXPECT_EQ(pomoc.ButtonZatvori->text(), "Zatvori");
    pomoc.show();
    pomoc.ButtonZatvori->click();
    EXPECT_FALSE(pomoc.isVisible());

    TFormFormGeometrijskeKarakteristikePreseka preseci;
    EXPECT_EQ(preseci.windowTitle(), "Geometrijske karakteristike poprecnih preseka");
    ASSERT_EQ(preseci.PageControlPreseci->count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(preseci.PageControlPreseci->tabText(i), QString::number(i + 1));
}

// Every picture page shows its picture whole: no scroll bar is needed on any page.
TEST(PomocniProzori, WindowsAreSizedToShowTheirPicturesWhole) {
    OsigurajAplikaciju();
    TFormPomoc pomoc;
    TFormFormGeometrijskeKarakteristikePreseka preseci;
    for (QTabWidget* strane : {pomoc.PageControlPomoc, preseci.PageControlPreseci}) {
        QWidget* prozor = strane->window();
        prozor->show();
        for (int i = 0; i < strane->count(); ++i) {
            strane->setCurrentIndex(i);
            QApplication::processEvents();
            auto* skrol = qobject_cast<QScrollArea*>(strane->widget(i));
            ASSERT_NE(skrol, nullptr);
            const QSize slika = skrol->widget()->sizeHint();
            EXPECT_GE(skrol->viewport()->width(), slika.width()) << prozor->objectName().toStdString() << " " << i;
            EXPECT_GE(skrol->viewport()->height(), slika.height()) << prozor->objectName().toStdString() << " " << i;
            EXPECT_FALSE(skrol->horizontalScrollBar()->isVisible());
            EXPECT_FALSE(skrol->verticalScrollBar()->isVisible());
        }
        prozor->hide();
    }
}
