// Loads from the plot: the context menu on a node or member opens the load fields of the pages,
// "OK" adds the load as one step (onto every selected member when the click was on the
// selection), a bad value gives the page's message and adds nothing; and the members picked on
// the plot and in "Vise stapova" of the member-load page stay the same.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "CrtanjeMisem.h"
#include "Opterecenje.h"
#include "ProzorNaEkranu.h"

namespace {

struct TOpterecenjeNaProzoru : TProzorNaEkranu {
    // Two bays drawn in "Crtanje": beams 1 (1,2)-(4,2) and 2 (4,2)-(7,2), column 3 (4,2)-(4,6).
    TOpterecenjeNaProzoru() {
        Akcija(3);
        w->EditKorakCrtanja->setText("1");
        plot->Scale1X.PostaviOpseg(0, 10);
        plot->Scale1Y.PostaviOpseg(0, 10);
        Klik(1, 2), Klik(4, 2);
        Klik(4, 2), Klik(7, 2);
        Klik(4, 2), Klik(4, 6);
        Taster(Qt::Key_Escape);
        d->zapisi.clear();
    }
    void Akcija(int i) { w->findChild<QRadioButton*>(QStringLiteral("RadioGroupAkcijeMisa%1").arg(i))->click(); }
    void Taster(int kljuc) {
        QKeyEvent e(QEvent::KeyPress, kljuc, Qt::NoModifier);
        QApplication::sendEvent(plot, &e);
    }
    void Vuci(QPoint od, QPoint doTacke) {
        Mis(QEvent::MouseButtonPress, od, Qt::LeftButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, (od + doTacke) / 2, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseMove, doTacke, Qt::NoButton, Qt::LeftButton);
        Mis(QEvent::MouseButtonRelease, doTacke, Qt::LeftButton, Qt::NoButton);
    }
    void CtrlKlik(double x, double z) {
        const QPoint t = Piksel(x, z);
        for (auto [tip, dugme, dugmad] : {std::tuple{QEvent::MouseButtonPress, Qt::LeftButton, Qt::LeftButton},
                                          std::tuple{QEvent::MouseButtonRelease, Qt::LeftButton, Qt::NoButton}}) {
            QMouseEvent e(tip, QPointF(t), plot->mapToGlobal(QPointF(t)), dugme, dugmad, Qt::ControlModifier);
            QApplication::sendEvent(plot, &e);
        }
    }
    // A right click at the world point with the menu's "Dodaj opterecenje..." chosen and the
    // dialog played by `korisnik`.
    void DesniKlik(double x, double z, std::function<void(QDialog&)> korisnik) {
        d->akcijaMenija = QStringLiteral("AkcijaDodajOpterecenje");
        d->uDijalogu = std::move(korisnik);
        Klik(Piksel(x, z), Qt::RightButton);
    }
    QStringList Izabrani() const {
        QStringList r;
        auto* lista = w->findChild<QListWidget*>(QStringLiteral("ListBoxStapoviZaOpterecenje"));
        for (int i = 0; i < lista->count(); ++i)
            if (lista->item(i)->isSelected()) r << lista->item(i)->text();
        return r;
    }
    const TStap& Stap(int i) const { return *w->Model().nizStapova[size_t(i)]; }
};

template <class W>
W* U(QWidget& roditelj, const char* ime) {
    W* w = roditelj.findChild<W*>(QString::fromLatin1(ime));
    EXPECT_NE(w, nullptr) << ime;
    return w;
}

// The user types `vrednosti` into the fields named so on the kind tab `vrsta` and presses "OK";
// a refused "OK" leaves the dialog open, and the user then cancels.
std::function<void(QDialog&)> Upisi(int vrsta, std::vector<std::pair<const char*, QString>> vrednosti,
                                    QString* opis = nullptr) {
    return [=](QDialog& dlg) {
        if (opis) *opis = U<QLabel>(dlg, "LabelOpisOpterecenja")->text();
        if (vrsta >= 0) U<QTabWidget>(dlg, "PageControlOpterecenjeStapa")->setCurrentIndex(vrsta);
        for (const auto& [ime, tekst] : vrednosti) U<QLineEdit>(dlg, ime)->setText(tekst);
        U<QPushButton>(dlg, "ButtonOKOpterecenja")->click();
        if (dlg.result() != QDialog::Accepted) U<QPushButton>(dlg, "ButtonOtkaziOpterecenja")->click();
    };
}

}  // namespace

TEST(OpterecenjeSaGrafika, RightClickOnAMemberAddsItsLoadInOneStep) {
    TOpterecenjeNaProzoru t;
    t.Akcija(2);  // "Klik na cvor ili sredinu stapa": the right button is free
    QString opis;
    t.DesniKlik(6, 2,
                Upisi(toPn,
                      {{"EditIntenzitetRaspodeljenogOpterecenjaStapa", "-12.5"},
                       {"EditRelPozPocetkaRaspodeljenogOpterecenja", "0.25"}},
                      &opis));
    ASSERT_EQ(t.d->Vrste(), QStringList({"meni", "dijalog"})) << t.d->PoslednjiTekst().toStdString();
    EXPECT_EQ(t.d->zapisi[0].tekst, "Dodaj opterecenje...");
    EXPECT_EQ(opis, QStringLiteral("Stap broj %1").arg(t.Stap(1).ID()));
    const auto& o = t.w->Model().nizOpterecenja;
    ASSERT_EQ(o.size(), 1u);
    EXPECT_EQ(o[0]->Tip(), toPn);
    EXPECT_EQ(o[0]->Ime(), "Opterecenje 1");
    EXPECT_EQ(o[0]->IDStapa(), t.Stap(1).ID());
    EXPECT_EQ(o[0]->RaspodeljenoOpterecenje(), -12.5L);
    EXPECT_EQ(o[0]->PocetakRaspodeljenog(), 0.25L);
    EXPECT_EQ(o[0]->KrajRaspodeljenog(), 1.0L);  // the page's default
    EXPECT_EQ(t.w->Ponisti1->text().remove(u'&'), "Ponisti: Dodaj opterecenje");
    // A second one gets a name of its own; the menu away from everything does not open.
    t.DesniKlik(4, 4, Upisi(toV, {{"EditVrednostKoncSileNaStapu", "5"}}));
    t.DesniKlik(9, 9, Upisi(toV, {{"EditVrednostKoncSileNaStapu", "5"}}));
    ASSERT_EQ(o.size(), 2u);
    EXPECT_EQ(o[1]->Ime(), "Opterecenje 2");
    EXPECT_EQ(o[1]->IDStapa(), t.Stap(2).ID());
    EXPECT_EQ(o[1]->KoncentrisanaSila(), 5.0L);
}

TEST(OpterecenjeSaGrafika, RightClickOnANodeSetsItsLoad) {
    TOpterecenjeNaProzoru t;
    for (int akcija : {0, 1}) {  // pan and zoom leave the right button free too
        t.Akcija(akcija);
        t.DesniKlik(
            4, 6, Upisi(-1, {{"EditKoncSilaUCvoruPz", QString::number(-10 - akcija)}, {"EditKoncMomentUCvoru", "3"}}));
        const TCvor& c = *t.w->Model().nizCvorova[3];
        EXPECT_EQ(c.Pz(), -10.0L - akcija) << akcija;
        EXPECT_EQ(c.MkoncY(), 3.0L);
        EXPECT_EQ(c.Px(), 0.0L);
    }
    EXPECT_TRUE(t.w->Model().nizOpterecenja.empty());
    t.w->Ponisti1->trigger();
    EXPECT_EQ(t.w->Model().nizCvorova[3]->Pz(), -10.0L);
}

TEST(OpterecenjeSaGrafika, ABoxSelectionGetsTheLoadOnEveryMemberAndOneUndoTakesItBack) {
    TOpterecenjeNaProzoru t;
    t.Vuci(t.Piksel(0.5, 1.5), t.Piksel(7.5, 6.5));
    ASSERT_EQ(t.w->Crtanje()->Izbor().Izbor().stapovi.size(), 3u);
    EXPECT_EQ(t.Izabrani().size(), 3);  // the page's list follows the plot
    const size_t koraka = t.w->Dokument().Jezgro().BrojKoraka();
    QString opis;
    // In "Crtanje" a right click on the selection opens the menu rather than deleting.
    t.DesniKlik(2.5, 2, Upisi(toPn, {{"EditIntenzitetRaspodeljenogOpterecenjaStapa", "-8"}}, &opis));
    EXPECT_EQ(opis.toStdString(), "Izabranih stapova: 3 - svaki dobija svoje opterecenje");
    const auto& o = t.w->Model().nizOpterecenja;
    ASSERT_EQ(o.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(o[size_t(i)]->IDStapa(), t.Stap(i).ID());
        EXPECT_EQ(o[size_t(i)]->RaspodeljenoOpterecenje(), -8.0L);
    }
    EXPECT_EQ(t.w->Dokument().Jezgro().BrojKoraka(), koraka + 1);
    EXPECT_EQ(t.Izabrani().size(), 3);  // the refreshed list keeps the pick
    t.w->Ponisti1->trigger();
    EXPECT_TRUE(o.empty());
    EXPECT_EQ(t.w->Model().nizStapova.size(), 3u);
    // Off the selection the right button still deletes in "Crtanje".
    t.Taster(Qt::Key_Escape);
    EXPECT_TRUE(t.Izabrani().isEmpty());
    t.DesniKlik(4, 5, {});
    EXPECT_EQ(t.w->Model().nizStapova.size(), 2u);
}

TEST(OpterecenjeSaGrafika, ABadValueGivesThePagesMessageAndAddsNothing) {
    struct TSlucaj {
        int vrsta;
        const char* polje;
        const char* ime;  // the page's "Dodaj" of this kind
        QString tekst;
    };
    const TSlucaj slucajevi[] = {
        {toPn, "EditIntenzitetRaspodeljenogOpterecenjaStapa", "ButtonDodajOpterecenjePn", "abc"},
        {toPn, "EditRelPozKrajaRaspodeljenogOpterecenja", "ButtonDodajOpterecenjePn", "1.5"},
        {toV, "EditRelPozKoncSileUOdnosuNaPocetakStapa", "ButtonDodajOpterecenjeV", "-0.1"},
        {toM, "EditKoncMomentNaStapu", "ButtonDodajOpterecenjeM", "2,5"},
    };
    for (const TSlucaj& s : slucajevi) {
        TOpterecenjeNaProzoru t;
        // What the page itself says for the same text.
        auto* polje = t.w->findChild<QLineEdit*>(QString::fromLatin1(s.polje));
        const QString bilo = polje->text();
        polje->setText(s.tekst);
        t.w->findChild<QPushButton*>(QString::fromLatin1(s.ime))->click();
        ASSERT_EQ(t.d->Vrste(), QStringList({"greska"})) << s.polje;
        const QString poruka = t.d->PoslednjiTekst();
        polje->setText(bilo);
        t.d->zapisi.clear();
        const size_t koraka = t.w->Dokument().Jezgro().BrojKoraka();
        t.Akcija(2);
        t.DesniKlik(2, 2, Upisi(s.vrsta, {{s.polje, s.tekst}}));
        EXPECT_EQ(t.d->Vrste(), QStringList({"meni", "dijalog", "greska"})) << s.polje;
        EXPECT_EQ(t.d->PoslednjiTekst(), poruka) << s.polje;
        EXPECT_TRUE(t.w->Model().nizOpterecenja.empty()) << s.polje;
        EXPECT_EQ(t.w->Dokument().Jezgro().BrojKoraka(), koraka) << s.polje;
    }
}

TEST(OpterecenjeSaGrafika, CtrlClickAndTheListPickTheSameMembers) {
    TOpterecenjeNaProzoru t;
    t.CtrlKlik(2.5, 2);
    t.CtrlKlik(4, 5);
    EXPECT_EQ(t.w->Model().nizStapova.size(), 3u);  // no member drawn
    EXPECT_EQ(t.w->Crtanje()->Izbor().Izbor().stapovi, std::vector<int>({t.Stap(0).ID(), t.Stap(2).ID()}));
    EXPECT_EQ(t.Izabrani().size(), 2);
    t.CtrlKlik(2.5, 2);  // out again
    EXPECT_EQ(t.w->Crtanje()->Izbor().Izbor().stapovi, std::vector<int>({t.Stap(2).ID()}));
    EXPECT_EQ(t.Izabrani().size(), 1);
    // The list leads the plot as well, and "Pridruzi izabranim stapovima" takes its pick.
    auto* lista = t.w->findChild<QListWidget*>(QStringLiteral("ListBoxStapoviZaOpterecenje"));
    lista->item(1)->setSelected(true);
    EXPECT_EQ(t.w->Crtanje()->Izbor().Izbor().stapovi, std::vector<int>({t.Stap(1).ID(), t.Stap(2).ID()}));
    t.w->findChild<QPushButton*>(QStringLiteral("ButtonDodajOpterecenjeV"))->click();
    t.w->findChild<QPushButton*>(QStringLiteral("ButtonPridruziIzabranimStapovima"))->click();
    ASSERT_TRUE(t.d->zapisi.empty()) << t.d->PoslednjiTekst().toStdString();
    const auto& o = t.w->Model().nizOpterecenja;
    ASSERT_EQ(o.size(), 2u);
    EXPECT_EQ(o[0]->IDStapa(), t.Stap(1).ID());
    EXPECT_EQ(o[1]->IDStapa(), t.Stap(2).ID());
}

TEST(OpterecenjeSaGrafika, ANewModelStartsWithNothingSelected) {
    TOpterecenjeNaProzoru t;
    t.Vuci(t.Piksel(0.5, 1.5), t.Piksel(7.5, 6.5));
    ASSERT_FALSE(t.w->Crtanje()->Izbor().Izbor().Prazan());
    t.d->odgovori3.push_back(TDijalozi::TOdgovor::Ne);
    t.w->Nov1Click();
    EXPECT_TRUE(t.w->Model().nizStapova.empty());
    EXPECT_TRUE(t.w->Crtanje()->Izbor().Izbor().Prazan());
    // Members drawn anew under the old IDs are not picked by the old selection.
    t.Akcija(3);
    t.Klik(1, 2), t.Klik(4, 2);
    EXPECT_TRUE(t.Izabrani().isEmpty());
}
