#include "Dijalozi.h"

#include <QDialog>
#include <QFileDialog>
#include <QMenu>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>

void TPraviDijalozi::Greska(QWidget* roditelj, const QString& tekst) {
    QMessageBox::critical(roditelj, QStringLiteral("Greska"), tekst, QMessageBox::Ok);
}

void TPraviDijalozi::Informacija(QWidget* roditelj, const QString& tekst) {
    QMessageBox::information(roditelj, QStringLiteral("Informacija"), tekst, QMessageBox::Ok);
}

bool TPraviDijalozi::Pitanje(QWidget* roditelj, const QString& tekst) {
    // The question icon is the toolkit's confirmation icon.
    return QMessageBox::question(roditelj, QStringLiteral("Potvrda"), tekst, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::No) == QMessageBox::Yes;
}

TDijalozi::TOdgovor TDijalozi::PitanjeDaNeOtkazi(QWidget*, const QString&) { return TOdgovor::Otkazi; }

QAction* TDijalozi::Meni(QMenu& meni, const QPoint& gde) { return meni.exec(gde); }

int TDijalozi::Dijalog(QDialog& dijalog) { return dijalog.exec(); }

TDijalozi::TOdgovor TPraviDijalozi::PitanjeDaNeOtkazi(QWidget* roditelj, const QString& tekst) {
    QMessageBox kutija(QMessageBox::Question, QStringLiteral("Potvrda"), tekst, QMessageBox::NoButton, roditelj);
    QPushButton* da = kutija.addButton(QStringLiteral("Da"), QMessageBox::YesRole);
    QPushButton* ne = kutija.addButton(QStringLiteral("Ne"), QMessageBox::NoRole);
    QPushButton* otkazi = kutija.addButton(QStringLiteral("Otkazi"), QMessageBox::RejectRole);
    da->setObjectName(QStringLiteral("DugmeDa"));
    ne->setObjectName(QStringLiteral("DugmeNe"));
    otkazi->setObjectName(QStringLiteral("DugmeOtkazi"));
    kutija.setDefaultButton(da);
    kutija.setEscapeButton(otkazi);
    kutija.exec();
    if (kutija.clickedButton() == da) return TOdgovor::Da;
    if (kutija.clickedButton() == ne) return TOdgovor::Ne;
    return TOdgovor::Otkazi;
}

namespace {

QString FajlDijalog(QWidget* roditelj, const QString& naslov, const QString& filter, QFileDialog::AcceptMode rezim) {
    QFileDialog dijalog(roditelj, naslov, QString(), filter);
    dijalog.setAcceptMode(rezim);
    dijalog.setFileMode(rezim == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // A saved name typed without an extension gets the filter's one ("*.velt" gives ".velt"),
    // here already, so that the dialog's overwrite question is about the file really written.
    QString ekstenzija;
    if (rezim == QFileDialog::AcceptSave) {
        const qsizetype i = filter.indexOf(QStringLiteral("*."));
        if (i >= 0) {
            qsizetype k = i + 2;
            while (k < filter.size() && filter.at(k).isLetterOrNumber()) ++k;
            ekstenzija = filter.mid(i + 2, k - i - 2);
        }
    }
    dijalog.setDefaultSuffix(ekstenzija);
    if (dijalog.exec() != QDialog::Accepted) return QString();
    const QStringList izabrani = dijalog.selectedFiles();
    // Confirmed without a name: an empty, not a null, string, so the caller can tell it from a cancel.
    return izabrani.isEmpty() ? QStringLiteral("") : izabrani.first();
}

}  // namespace

QString TPraviDijalozi::OtvoriFajl(QWidget* roditelj, const QString& naslov, const QString& filter) {
    return FajlDijalog(roditelj, naslov, filter, QFileDialog::AcceptOpen);
}

QString TPraviDijalozi::SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) {
    return FajlDijalog(roditelj, naslov, filter, QFileDialog::AcceptSave);
}

bool TPraviDijalozi::Stampanje(QWidget* roditelj, QPrinter& printer) {
    QPrintDialog dijalog(&printer, roditelj);
    return dijalog.exec() == QDialog::Accepted;
}
