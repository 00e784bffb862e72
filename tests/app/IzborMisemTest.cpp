// Selecting on the real window's plot: a rectangle picks nodes and members, the selection moves
// and is deleted as one step each, and "Preseci stapove" joins two selected crossing members.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QStatusBar>

#include "ModelFajl.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "ProzorNaEkranu.h"
#include "CrtanjeMisem.h"
#include "UnitGlavniProzor.h"

namespace {

struct TIzborNaProzoru : TProzorNaEkranu {
    TIzborNaProzoru() {
        w->findChild<QRadioButton*>("RadioGroupAkcijeMisa3")->click();
        w->EditKorakCrtanja->setText("1");
        plot->Scale1X.PostaviOpseg(0, 10);
        plot->Scale1Y.PostaviOpseg(0, 10);
    }
    void Vuci(QPoint od, QPoint doTacke) {
        Mis(QEvent::MouseButtonPress, od, Qt::LeftButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, (od + doTacke) / 2, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, doTacke, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseButtonRelease, doTacke, Qt::LeftButton, Qt::NoButton);
    }
    void Taster(int kljuc) {
        QKeyEvent e(QEvent::KeyPress, kljuc, Qt::NoModifier);
        QApplication::sendEvent(plot, &e);
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
    // Two bays: (1,2)-(4,2)-(7,2) and a column (4,2)-(4,6).
    void DvaPolja() {
        Klik(1, 2), Klik(4, 2);
        Klik(4, 2), Klik(7, 2);
        Klik(4, 2), Klik(4, 6);
        Taster(Qt::Key_Escape);
    }
};

using TTacke = std::vector<std::pair<double, double>>;

}  // namespace

TEST(IzborMisem, RectangleSelectsThenTheSelectionMovesAsOneStep) {
    TIzborNaProzoru t;
    t.DvaPolja();
    ASSERT_EQ(t.w->Model().nizStapova.size(), 3u);
    const std::string pre = t.Fajl();
    // From empty space around the column: its two nodes and the column, not the beams.
    t.Vuci(t.Piksel(3.5, 1.5), t.Piksel(4.5, 6.5));
    const auto& iz = t.w->Crtanje()->Izbor().Izbor();
    EXPECT_EQ(iz.cvorovi, std::vector<int>({1, 3}));
    EXPECT_EQ(iz.stapovi, std::vector<int>({2}));
    EXPECT_TRUE(t.w->Model().nizCvorova.size() == 4u);
    // Dragged by the column's middle by (1, 1): both its nodes move, the beams follow node 1.
    t.Vuci(t.Piksel(4, 4), t.Piksel(5, 5));
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 2}, {5, 3}, {7, 2}, {5, 7}}));
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Pomeri izbor");
    // Onto a node left in place: the node page's message, nothing moves.
    const std::string pomereno = t.Fajl();
    t.Vuci(t.Piksel(5, 5), t.Piksel(7, 4));
    EXPECT_EQ(t.d->PoslednjiTekst(),
              "Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi 0.001!!!");
    EXPECT_EQ(t.Fajl(), pomereno);
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.Fajl(), pre);
}

TEST(IzborMisem, DeleteRemovesTheSelectionAsOneStep) {
    TIzborNaProzoru t;
    t.DvaPolja();
    const std::string pre = t.Fajl();
    // Around the middle node only: it goes with the three members that use it.
    t.Vuci(t.Piksel(3.5, 1.5), t.Piksel(4.5, 2.5));
    EXPECT_EQ(t.w->Crtanje()->Izbor().Izbor().cvorovi, std::vector<int>({1}));
    t.Taster(Qt::Key_Delete);
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    EXPECT_TRUE(t.w->Model().nizStapova.empty());
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 2}, {7, 2}, {4, 6}}));
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Obrisi izbor");
    EXPECT_TRUE(t.w->Crtanje()->Izbor().Izbor().Prazan());
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.Fajl(), pre);
    // A click without a drag still draws.
    t.Klik(8, 8), t.Klik(9, 8);
    EXPECT_EQ(t.w->Model().nizStapova.size(), 4u);
}

TEST(IzborMisem, PreseciStapoveJoinsTwoSelectedCrossingMembers) {
    TIzborNaProzoru t;
    t.Klik(1, 2), t.Klik(7, 2);
    t.Klik(4, 1), t.Klik(4, 5);
    t.Taster(Qt::Key_Escape);
    const std::string pre = t.Fajl();
    auto* akcija = t.w->findChild<QAction*>("PreseciStapove1");
    ASSERT_NE(akcija, nullptr);
    akcija->trigger();  // nothing selected
    EXPECT_EQ(t.d->PoslednjiTekst(), "Izaberite dva stapa koji se seku!!!");
    EXPECT_EQ(t.Fajl(), pre);
    t.d->zapisi.clear();
    t.Vuci(t.Piksel(0.5, 0.5), t.Piksel(7.5, 5.5));
    akcija->trigger();
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    EXPECT_EQ(t.Cvorovi(), TTacke({{1, 2}, {7, 2}, {4, 1}, {4, 5}, {4, 2}}));
    EXPECT_EQ(t.w->Model().nizStapova.size(), 4u);
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Preseci stapove");
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.Fajl(), pre);
}
