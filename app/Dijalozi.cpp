#include "Dijalozi.h"

#include <QFileDialog>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>

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

namespace {

QString FajlDijalog(QWidget* roditelj, const QString& naslov, const QString& filter, QFileDialog::AcceptMode rezim) {
    QFileDialog dijalog(roditelj, naslov, QString(), filter);
    dijalog.setAcceptMode(rezim);
    dijalog.setFileMode(rezim == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
    // The name is used exactly as chosen: no extension is added.
    dijalog.setDefaultSuffix(QString());
    if (dijalog.exec() != QDialog::Accepted)
        return QString();
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
