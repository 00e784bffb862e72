// Drawing with the mouse on the real window's plot: members by two clicks, snapping, deleting,
// moving, opening a page, and the page checks' messages.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>
#include <QStatusBar>
#include <QTabWidget>
#include <QTemporaryDir>

#include <cmath>
#include <memory>

#include "ModelFajl.h"
#include "PlotChart.h"
#include "ProzorNaEkranu.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

struct TCrtanje : TProzorNaEkranu {
    TCrtanje() {
        w->findChild<QRadioButton*>("RadioGroupAkcijeMisa3")->click();
        w->EditKorakCrtanja->setText("1");
    }
    void Vuci(QPoint od, QPoint doTacke) {
        Mis(QEvent::MouseButtonPress, od, Qt::LeftButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, (od + doTacke) / 2, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, doTacke, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseButtonRelease, doTacke, Qt::LeftButton, Qt::NoButton);
    }
    std::string Fajl() {
        TPodesavanja p;
        return ModelUTekst(w->Model(), p);
    }
    std::vector<std::pair<double, double>> Cvorovi() const {
        std::vector<std::pair<double, double>> r;
        for (const auto& c : w->Model().nizCvorova) r.push_back({double(c->X()), double(c->Z())});
        return r;
    }
};

using TTacke = std::vector<std::pair<double, double>>;

}  // namespace

TEST(CrtanjeMisem, TwoClicksDrawAMemberWithItsNodesAsOneStep) {
    TCrtanje t;
    const std::string prazan = t.Fajl();
    // Clicks near grid points snap to them; the status bar shows the snapped position.
    t.Klik(1.2, 0.9);
    EXPECT_EQ(t.w->statusBar()->currentMessage(), "X = 1   Z = 1");
    EXPECT_TRUE(t.w->Model().Prazan());
    t.Klik(4.1, 1.3);
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    const TModel& m = t.w->Model();
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 1}, {4, 1}}));
    ASSERT_EQ(m.nizStapova.size(), 1u);
    EXPECT_EQ(m.nizStapova[0]->PocetniCvor(), m.nizCvorova[0].get());
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor(), m.nizCvorova[1].get());
    // No material or section yet: the pages' defaults come in the same step.
    ASSERT_EQ(m.nizMaterijala.size(), 1u);
    EXPECT_EQ(m.nizMaterijala[0]->Ime(), "Materijal 1");
    EXPECT_EQ(m.nizMaterijala[0]->E(), 30000000.0L);
    ASSERT_EQ(m.nizPreseka.size(), 1u);
    EXPECT_EQ(m.nizPreseka[0]->Ime(), "Presek 1");
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Crtaj stap");
    EXPECT_TRUE(t.w->windowTitle().endsWith("*"));
    // The pages list what was drawn.
    EXPECT_EQ(t.w->findChild<QComboBox*>("ComboBoxSpisakStapova")->count(), 1);
    const std::string nacrtano = t.Fajl();
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.Fajl(), prazan);
    t.w->Ponovi1->trigger();
    EXPECT_EQ(t.Fajl(), nacrtano);

    // A click on an existing node (a few pixels off) uses it; the type and material come from the
    // "Stap" page.
    t.w->findChild<QComboBox*>("ComboBoxTipStapa")->setCurrentIndex(3);
    t.Klik(t.Piksel(4, 1) + QPoint(3, -2));
    t.Klik(4, 5);
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 1}, {4, 1}, {4, 5}}));
    ASSERT_EQ(m.nizStapova.size(), 2u);
    EXPECT_EQ(m.nizStapova[1]->PocetniCvor(), m.nizCvorova[1].get());
    EXPECT_EQ(m.nizStapova[1]->TipStapa(), 3);
    EXPECT_EQ(m.nizMaterijala.size(), 1u);

    // Escape forgets the first click.
    t.Klik(7, 7);
    QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(t.plot, &esc);
    t.Klik(8, 8);
    EXPECT_EQ(m.nizCvorova.size(), 3u);
    QKeyEvent esc2(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
    QApplication::sendEvent(t.plot, &esc2);
    EXPECT_TRUE(t.d->zapisi.empty());
}

TEST(CrtanjeMisem, DrawingGoesThroughThePageChecks) {
    TCrtanje t;
    t.Klik(1, 1);
    t.Klik(4, 1);
    const std::string pre = t.Fajl();
    struct TSlucaj {
        std::pair<double, double> a, b;
        const char* poruka;
    } slucajevi[] = {
        {{4, 1}, {1, 1}, "Izmedju cvorova je vec postoji stap!!!\r\nNije moguce dodati stap \"preko\" stapa!!!"},
        {{6, 6}, {6, 6}, "Izmedju dva ista cvora nije moguce dodati stap!!!"},
        {{1, 1}, {1, 1}, "Izmedju dva ista cvora nije moguce dodati stap!!!"},
    };
    for (const auto& s : slucajevi) {
        t.d->zapisi.clear();
        t.Klik(s.a.first, s.a.second);
        t.Klik(s.b.first, s.b.second);
        ASSERT_EQ(t.d->Vrste(), QStringList({"greska"})) << s.poruka;
        EXPECT_EQ(t.d->PoslednjiTekst(), s.poruka);
        EXPECT_EQ(t.Fajl(), pre) << s.poruka;
        EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Crtaj stap");
    }
}

TEST(CrtanjeMisem, RightClickDeletesDragMovesDoubleClickOpens) {
    TCrtanje t;
    t.Klik(1, 1);
    t.Klik(4, 1);
    t.Klik(5, 5);
    t.Klik(8, 5);
    ASSERT_EQ(t.w->Model().nizStapova.size(), 2u);

    // A node a member uses is refused with the page's message.
    t.Klik(t.Piksel(1, 1), Qt::RightButton);
    EXPECT_EQ(t.d->PoslednjiTekst(), "Cvor je pridruzen stapu. Ne mozete ga obrisati!!!");
    EXPECT_EQ(t.w->Model().nizCvorova.size(), 4u);
    // A right click on a member deletes it, then its node can go.
    t.d->zapisi.clear();
    t.Klik(t.Piksel(2.5, 1), Qt::RightButton);
    EXPECT_EQ(t.w->Model().nizStapova.size(), 1u);
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Obrisi stap");
    t.Klik(t.Piksel(1, 1), Qt::RightButton);
    EXPECT_EQ(t.Cvorovi(), TTacke({{4, 1}, {5, 5}, {8, 5}}));
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Obrisi cvor");
    EXPECT_TRUE(t.d->zapisi.empty());

    // Dragging a node moves it to the snapped point; the member follows.
    t.Vuci(t.Piksel(5, 5), t.Piksel(6.2, 3.9));
    EXPECT_EQ(t.Cvorovi(), TTacke({{4, 1}, {6, 4}, {8, 5}}));
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Pomeri cvor");
    EXPECT_EQ(double(t.w->Model().nizStapova[0]->PocetniCvor()->X()), 6.0);
    // ... but not onto another node.
    t.Vuci(t.Piksel(6, 4), t.Piksel(8, 5) + QPoint(3, 0));
    EXPECT_EQ(t.d->PoslednjiTekst(),
              "Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi 0.001!!!");
    EXPECT_EQ(t.Cvorovi(), TTacke({{4, 1}, {6, 4}, {8, 5}}));

    // A double click opens the node's or the member's page with it selected.
    auto dvostruko = [&](QPoint p) {
        t.Mis(QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton);
        t.Mis(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
        t.Mis(QEvent::MouseButtonDblClick, p, Qt::LeftButton, Qt::LeftButton);
        t.Mis(QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton);
    };
    dvostruko(t.Piksel(8, 5));
    EXPECT_EQ(t.w->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaCvor);
    EXPECT_EQ(t.w->findChild<QComboBox*>("ComboBoxSpisakCvorova")->currentIndex(), 2);
    EXPECT_EQ(t.w->findChild<QLineEdit*>("EditXkoordinataCvora")->text(), "8");
    dvostruko(t.Piksel(7, 4.5));
    EXPECT_EQ(t.w->PageControlGlavniMeni->currentIndex(), TFormGlavniProzor::StranaStap);
    EXPECT_EQ(t.w->findChild<QComboBox*>("ComboBoxSpisakStapova")->currentIndex(), 0);
    // The first click of a double click started nothing.
    t.Klik(2, 8);
    EXPECT_EQ(t.w->Model().nizCvorova.size(), 3u);
}

TEST(CrtanjeMisem, SnapsToThePlotGridAndTheModeTravelsInTheFile) {
    TCrtanje t;
    t.w->EditKorakCrtanja->clear();
    TPlotPovrsina::TPodeoci x, z;
    t.plot->PodeociOsa(x, z);
    ASSERT_GE(x.glavni.size(), 2u);
    ASSERT_GE(z.glavni.size(), 2u);
    const double kx = x.glavni[1] - x.glavni[0], kz = z.glavni[1] - z.glavni[0];
    t.Klik(t.Piksel(3 * kx, 2 * kz) + QPoint(4, -3));
    t.Klik(t.Piksel(5 * kx, 2 * kz) + QPoint(-4, 3));
    ASSERT_EQ(t.w->Model().nizCvorova.size(), 2u);
    for (const auto& [cx, cz] : t.Cvorovi()) {
        EXPECT_NEAR(std::remainder(cx, kx), 0, 1e-12) << cx;
        EXPECT_NEAR(std::remainder(cz, kz), 0, 1e-12) << cz;
    }
    EXPECT_NEAR(t.Cvorovi()[0].first, 3 * kx, 1e-12);

    // "Crtanje" is saved as mouse action 3 and read back as such.
    QTemporaryDir dir;
    const QString ime = dir.filePath("crtanje.velt");
    t.d->imenaFajlova = {ime};
    t.w->findChild<QAction*>("Snimi1")->trigger();
    TModel m;
    TPodesavanja p;
    ProcitajModel(ime.toStdString(), m, p);
    EXPECT_EQ(p.akcijeMisa, 3);
    t.w->findChild<QAction*>("Nov1")->trigger();
    EXPECT_EQ(t.w->AkcijaMisa(), 0);
    t.d->imenaFajlova = {ime};
    t.w->findChild<QAction*>("Otvori1")->trigger();
    EXPECT_EQ(t.w->AkcijaMisa(), 3);
    EXPECT_EQ(t.plot->Alat() != nullptr, true);
}

// A member drawn from the middle of another splits it there: one step, undone at once; the
// status bar says so. The view stays where the user put it, real-time zoom or not.
TEST(CrtanjeMisem, AMemberDrawnOntoAMemberSplitsIt) {
    TCrtanje t;
    t.w->CheckBoxZoomURealnomVremenu->setChecked(true);
    t.plot->Scale1X.PostaviOpseg(0, 10);
    t.plot->Scale1Y.PostaviOpseg(0, 10);
    t.Klik(1, 2);
    t.Klik(7, 2);
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    EXPECT_EQ(t.plot->Scale1X.RangeLow(), 0);
    EXPECT_EQ(t.plot->Scale1X.RangeHigh(), 10);
    const std::string jedanStap = t.Fajl();
    // From a point on the member (away from the grid, so the foot of the perpendicular) up.
    t.Mis(QEvent::MouseMove, t.Piksel(4, 2.05), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(t.w->statusBar()->currentMessage().endsWith("(na stapu broj 0)"))
        << t.w->statusBar()->currentMessage().toStdString();
    // Started there, the rubber line shows its length and angle.
    t.Klik(4, 2.05);
    t.Mis(QEvent::MouseMove, t.Piksel(4, 6), Qt::NoButton, Qt::NoButton);
    EXPECT_TRUE(t.w->statusBar()->currentMessage().endsWith("L = 4.000   ugao = 90.0"))
        << t.w->statusBar()->currentMessage().toStdString();
    t.Klik(4, 6);
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    const TModel& m = t.w->Model();
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 2}, {7, 2}, {4, 2}, {4, 6}}));
    ASSERT_EQ(m.nizStapova.size(), 3u);
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor(), m.nizCvorova[2].get());
    EXPECT_EQ(m.nizStapova[1]->PocetniCvor(), m.nizCvorova[2].get());
    EXPECT_EQ(m.nizStapova[2]->PocetniCvor(), m.nizCvorova[2].get());
    EXPECT_EQ(t.w->statusBar()->currentMessage(),
              "Stap je podeljen cvorom 2 (novi stap 1, premestenih opterecenja 0, podeljenih 0).");
    EXPECT_EQ(t.plot->Scale1X.RangeHigh(), 10);
    EXPECT_EQ(t.plot->Scale1Y.RangeHigh(), 10);
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.Fajl(), jedanStap);
}

// The middle button drags the view while drawing, and drawing goes on afterwards.
TEST(CrtanjeMisem, MiddleButtonPansInEveryMode) {
    TCrtanje t;
    const QPoint a = t.Piksel(5, 5), b = t.Piksel(6, 5);
    t.Mis(QEvent::MouseButtonPress, a, Qt::MiddleButton, Qt::MiddleButton);
    t.Mis(QEvent::MouseMove, b, Qt::NoButton, Qt::MiddleButton);
    t.Mis(QEvent::MouseButtonRelease, b, Qt::MiddleButton, Qt::NoButton);
    EXPECT_NEAR(t.plot->Scale1X.RangeLow(), -1, 0.05);
    EXPECT_NEAR(t.plot->Scale1X.RangeHigh(), 9, 0.05);
    EXPECT_TRUE(t.w->Model().Prazan());
    t.Klik(1, 1);
    t.Klik(3, 1);
    EXPECT_EQ(t.w->Model().nizStapova.size(), 1u);
}
