#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QToolButton>

#include <memory>

#include "PomocniProzora.h"
#include "SrpskiTekstovi.h"
#include "UnitGlavniProzor.h"

namespace {

QString BezOznake(QString t) { return t.remove(QLatin1Char('&')); }

}  // namespace

// The toolkit's standard buttons speak the program's language, in message boxes, button boxes
// and the file dialog.
TEST(SrpskiTekstovi, StandardButtonsAndFileDialog) {
    OsigurajAplikaciju();
    UgradiSrpskeTekstove(*QCoreApplication::instance());
    UgradiSrpskeTekstove(*QCoreApplication::instance());  // once is enough
    const struct {
        QMessageBox::StandardButton dugme;
        const char* tekst;
    } dugmad[] = {{QMessageBox::Yes, "Da"},        {QMessageBox::No, "Ne"},      {QMessageBox::Ok, "U redu"},
                  {QMessageBox::Cancel, "Otkazi"}, {QMessageBox::Save, "Snimi"}, {QMessageBox::Close, "Zatvori"}};
    QMessageBox kutija(QMessageBox::Question, "Potvrda", "Zatvori program?",
                       QMessageBox::Yes | QMessageBox::No | QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Save |
                           QMessageBox::Close);
    for (const auto& d : dugmad) EXPECT_EQ(BezOznake(kutija.button(d.dugme)->text()), d.tekst);
    QDialogButtonBox kutijaDugmadi(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    EXPECT_EQ(BezOznake(kutijaDugmadi.button(QDialogButtonBox::Ok)->text()), "U redu");
    EXPECT_EQ(BezOznake(kutijaDugmadi.button(QDialogButtonBox::Cancel)->text()), "Otkazi");

    QFileDialog fajl(nullptr, "Snimanje podataka!", QString(), "velt fajl (*.velt)");
    fajl.setOption(QFileDialog::DontUseNativeDialog);
    fajl.setAcceptMode(QFileDialog::AcceptSave);
    QStringList tekstovi;
    for (QAbstractButton* b : fajl.findChildren<QAbstractButton*>()) tekstovi << BezOznake(b->text());
    EXPECT_TRUE(tekstovi.contains("Snimi")) << tekstovi.join('|').toStdString();
    EXPECT_TRUE(tekstovi.contains("Otkazi")) << tekstovi.join('|').toStdString();
    EXPECT_FALSE(tekstovi.contains("Cancel"));
}

// The main window's page buttons are announced as page tabs, named by their captions, selected
// with their page, and pressing one shows its page.
TEST(SrpskiTekstovi, PageButtonsArePageTabs) {
    OsigurajAplikaciju();
    TFormGlavniProzor w({}, std::make_unique<TLazniDijalozi>());
    QWidget* jezicci = w.findChild<QWidget*>("JezicciGlavnogMenija");
    ASSERT_NE(jezicci, nullptr);
    QAccessibleInterface* lista = QAccessible::queryAccessibleInterface(jezicci);
    ASSERT_NE(lista, nullptr);
    EXPECT_EQ(lista->role(), QAccessible::PageTabList);
    const QList<QToolButton*> dugmad = jezicci->findChildren<QToolButton*>();
    ASSERT_EQ(dugmad.size(), w.PageControlGlavniMeni->count());
    for (int i = 0; i < int(dugmad.size()); ++i) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(dugmad[i]);
        ASSERT_NE(a, nullptr);
        const QString naslov = w.PageControlGlavniMeni->tabText(i);
        EXPECT_EQ(a->role(), QAccessible::PageTab) << naslov.toStdString();
        EXPECT_EQ(a->text(QAccessible::Name), naslov);
        ASSERT_NE(a->actionInterface(), nullptr);
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_EQ(w.PageControlGlavniMeni->currentIndex(), i);
        EXPECT_TRUE(a->state().selected) << naslov.toStdString();
        const int druga = (i + 1) % int(dugmad.size());
        EXPECT_FALSE(QAccessible::queryAccessibleInterface(dugmad[druga])->state().selected);
    }
}
