// The "Grafik" page of the main window: its controls and the settings they save.
#include <gtest/gtest.h>

#include "GlavniProzorPomocTest.h"

TEST(GlavniProzor, GrafikSettingsTravelThroughTheFile) {
    QTemporaryDir dir;
    const QString fajl = dir.filePath("podesavanja.velt");
    TProzor p;
    struct {
        QCheckBox* c;
        bool stanje;
    } prekidaci[] = {
        {p.w->CheckBoxMrezaGrafika, false},
        {p.w->CheckBoxDeformacijaNosaca, true},
        {p.w->CheckBoxPrikaziSimbolStapa, false},
        {p.w->CheckBoxPrikaziBrojStapa, true},
        {p.w->CheckBoxPrikaziOrjentacijuStapa, false},
        {p.w->CheckBoxPrikaziOpterecenjeStapa, true},
        {p.w->CheckBoxPrikaziSimbolCvora, true},
        {p.w->CheckBoxPrikaziBrojCvora, false},
        {p.w->CheckBoxPrikaziOslonceCvora, false},
        {p.w->CheckBoxPrikaziOpterecenjeCvora, true},
        {p.w->CheckBoxZoomURealnomVremenu, false},
    };
    for (auto& k : prekidaci)
        if (k.c->isChecked() != k.stanje) k.c->click();
    p.w->EditMnozilacPomeranja->setText("250");
    p.w->ComboBoxZoomSve->setCurrentIndex(7);
    p.w->findChild<QRadioButton*>("RadioGroupAkcijeMisa1")->click();
    EXPECT_EQ(p.w->PlotChartGrafik->MouseAction(), maZoomDrag);
    EXPECT_EQ(p.w->PlotChartGrafik->GridStyle(), gsNone);

    p.d->imenaFajlova = {fajl};
    p.Meni("Snimikao1");
    // The OSTALO lines as the file keeps them: the factor (no result page here, so its default)
    // and the multiplier as reals, then the check boxes in file order, zoom and mouse indices.
    const QByteArray ocekivano =
        "OSTALO\r\n 1.00000000000000E+0000\r\n 2.50000000000000E+0002\r\nFALSE\r\nTRUE\r\nFALSE\r\nTRUE\r\n"
        "FALSE\r\nTRUE\r\nTRUE\r\nFALSE\r\nFALSE\r\nTRUE\r\nFALSE\r\n7\r\n1\r\n";
    EXPECT_EQ(Procitaj(fajl), ocekivano);

    TProzor q;
    q.d->imenaFajlova = {fajl};
    q.Meni("Otvori1");
    for (const auto& k : prekidaci) {
        auto* c = q.w->findChild<QCheckBox*>(k.c->objectName());
        EXPECT_EQ(c->isChecked(), k.stanje) << k.c->objectName().toStdString();
    }
    // The multiplier text is shown exactly as the file holds it.
    EXPECT_EQ(q.w->EditMnozilacPomeranja->text(), " 2.50000000000000E+0002");
    EXPECT_EQ(q.w->ComboBoxZoomSve->currentIndex(), 7);
    EXPECT_EQ(q.w->AkcijaMisa(), 1);
    EXPECT_EQ(q.w->PlotChartGrafik->MouseAction(), maZoomDrag);
    EXPECT_EQ(q.w->PlotChartGrafik->GridStyle(), gsNone);

    // Saved again unchanged.
    const QString drugi = dir.filePath("drugi.velt");
    q.d->imenaFajlova = {drugi};
    q.Meni("Snimikao1");
    EXPECT_EQ(Procitaj(drugi), ocekivano);
}

TEST(GlavniProzor, InvalidMultiplierIsSavedAsOne) {
    QTemporaryDir dir;
    TProzor p;
    p.w->EditMnozilacPomeranja->setText("abc");
    p.d->imenaFajlova = {dir.filePath("m.velt")};
    p.Meni("Snimikao1");
    EXPECT_EQ(p.w->EditMnozilacPomeranja->text(), "1.0");
    EXPECT_TRUE(Procitaj(dir.filePath("m.velt"))
                    .startsWith("OSTALO\r\n 1.00000000000000E+0000\r\n 1.00000000000000E+0000\r\n"));
}

TEST(GlavniProzor, GrafikPageControls) {
    QTemporaryDir dir;
    const QString fajl = dir.filePath("tri.velt");
    // Real-time fitting off, so only "Zoom" fits the view.
    QByteArray ostalo = podrazumevanoOstalo;
    ostalo.replace("FALSE\r\nTRUE\r\n4\r\n0\r\n", "FALSE\r\nFALSE\r\n4\r\n0\r\n");
    Zapisi(fajl, TriCvora(ostalo));
    TProzor p;
    p.d->imenaFajlova = {fajl};
    p.Meni("Otvori1");
    ASSERT_EQ(p.w->Model().nizCvorova.size(), 3u);
    ASSERT_FALSE(p.w->CheckBoxZoomURealnomVremenu->isChecked());
    TPlotChart& g = *p.w->PlotChartGrafik;
    // Opening fits the view: extent plus 20 % on each side.
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), -2);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeHigh(), 12);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeLow(), -1);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeHigh(), 6);

    // A redraw by a display check box keeps the user's view.
    g.Scale1X.PostaviOpseg(100, 200);
    p.w->CheckBoxPrikaziBrojCvora->click();
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), 100);

    // "Zoom" fits with the selected factor: 2.0 gives X [-9, 19], Z [-4.5, 9.5].
    p.w->ComboBoxZoomSve->setCurrentIndex(9);
    p.w->ButtonZumSve->click();
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeLow(), -9);
    EXPECT_DOUBLE_EQ(g.Scale1X.RangeHigh(), 19);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeLow(), -4.5);
    EXPECT_DOUBLE_EQ(g.Scale1Y.RangeHigh(), 9.5);

    // Grid and mouse action go straight to the plot.
    p.w->CheckBoxMrezaGrafika->click();
    EXPECT_EQ(g.GridStyle(), p.w->CheckBoxMrezaGrafika->isChecked() ? gsDotLines : gsNone);
    p.w->CheckBoxMrezaGrafika->click();
    EXPECT_EQ(g.GridStyle(), p.w->CheckBoxMrezaGrafika->isChecked() ? gsDotLines : gsNone);
    const TMouseActMode akcije[] = {maPan, maZoomDrag, maNone};
    for (int i : {2, 0, 1}) {
        p.w->findChild<QRadioButton*>(QStringLiteral("RadioGroupAkcijeMisa%1").arg(i))->click();
        EXPECT_EQ(g.MouseAction(), akcije[i]) << i;
    }

    // "Prikazi" with a multiplier that is not a number draws with 100 and says so in the field.
    p.w->CheckBoxDeformacijaNosaca->setChecked(true);
    p.w->EditMnozilacPomeranja->setText("abc");
    p.w->ButtonOsveziPomeranja->click();
    EXPECT_EQ(p.w->EditMnozilacPomeranja->text(), "100.0");
    EXPECT_FALSE(g.Stavke().empty());
}

TEST(GlavniProzor, NamedControlsAreAccessible) {
    TProzor p;
    const char* imena[] = {"PageControlGlavniMeni",
                           "PlotChartGrafik",
                           "CheckBoxPrikaziSimbolCvora",
                           "CheckBoxPrikaziBrojCvora",
                           "CheckBoxPrikaziOslonceCvora",
                           "CheckBoxPrikaziOpterecenjeCvora",
                           "CheckBoxPrikaziSimbolStapa",
                           "CheckBoxPrikaziBrojStapa",
                           "CheckBoxPrikaziOrjentacijuStapa",
                           "CheckBoxPrikaziOpterecenjeStapa",
                           "CheckBoxMrezaGrafika",
                           "CheckBoxDeformacijaNosaca",
                           "EditMnozilacPomeranja",
                           "ButtonOsveziPomeranja",
                           "RadioGroupAkcijeMisa",
                           "CheckBoxZoomURealnomVremenu",
                           "ComboBoxZoomSve",
                           "ButtonZumSve"};
    for (const char* ime : imena) {
        QWidget* w = p.w->findChild<QWidget*>(QString::fromLatin1(ime));
        ASSERT_NE(w, nullptr) << ime;
        EXPECT_EQ(w->accessibleDescription(), ime);
    }
    // Every edit field of the "Grafik" page has its label as buddy.
    for (QLineEdit* e : p.w->TabSheetGrafik->findChildren<QLineEdit*>()) {
        if (e->parent() && qobject_cast<QComboBox*>(e->parent())) continue;
        bool imaLabelu = false;
        for (QLabel* l : p.w->TabSheetGrafik->findChildren<QLabel*>()) imaLabelu = imaLabelu || l->buddy() == e;
        EXPECT_TRUE(imaLabelu) << e->objectName().toStdString();
    }
    // Start-up state of the page.
    EXPECT_EQ(p.w->EditMnozilacPomeranja->text(), "100");
    EXPECT_EQ(p.w->ComboBoxZoomSve->count(), 14);
    EXPECT_EQ(p.w->ComboBoxZoomSve->currentText(), "1.0");
    EXPECT_EQ(p.w->AkcijaMisa(), 0);
    EXPECT_TRUE(p.w->CheckBoxZoomURealnomVremenu->isChecked());
    EXPECT_FALSE(p.w->CheckBoxPrikaziOpterecenjeStapa->isChecked());
}
