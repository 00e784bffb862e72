#pragma once
#include <QAction>
#include <QApplication>
#include <QString>
#include <QStringList>

#include <QDialog>
#include <QMenu>

#include <deque>
#include <functional>
#include <vector>

#include "Dijalozi.h"

// One application object for the whole test program, whichever test needs it first.
inline void OsigurajAplikaciju() {
    if (!QCoreApplication::instance()) {
        static int argc = 1;
        static char ime[] = "velt_app_tests";
        static char* argv[] = {ime, nullptr};
        new QApplication(argc, argv);
    }
}

// Records every box and dialog and answers them from a script, so nothing modal ever blocks.
class TLazniDijalozi : public TDijalozi {
public:
    struct TZapis {
        QString vrsta;  // "greska", "informacija", "pitanje", "otvori", "snimi", "stampa"
        QString tekst;  // message text, or the dialog title
        QString filter;
    };
    std::vector<TZapis> zapisi;
    std::deque<QString> imenaFajlova;  // answers of the file dialogs; QString() = cancel
    std::deque<bool> odgovori;         // answers of the questions; none left = No
    std::deque<TOdgovor> odgovori3;    // answers of the Da/Ne/Otkazi questions; none left = Otkazi
    QString akcijaMenija;              // object name of the menu action chosen; none = menu closed
    std::function<void(QDialog&)> uDijalogu;  // the user in a dialog of the program; none = closed

    void Greska(QWidget*, const QString& t) override { zapisi.push_back({"greska", t, {}}); }
    void Informacija(QWidget*, const QString& t) override { zapisi.push_back({"informacija", t, {}}); }
    bool Pitanje(QWidget*, const QString& t) override {
        zapisi.push_back({"pitanje", t, {}});
        if (odgovori.empty()) return false;
        const bool da = odgovori.front();
        odgovori.pop_front();
        return da;
    }
    TOdgovor PitanjeDaNeOtkazi(QWidget*, const QString& t) override {
        zapisi.push_back({"pitanje3", t, {}});
        if (odgovori3.empty()) return TOdgovor::Otkazi;
        const TOdgovor o = odgovori3.front();
        odgovori3.pop_front();
        return o;
    }
    QString OtvoriFajl(QWidget*, const QString& naslov, const QString& filter) override {
        zapisi.push_back({"otvori", naslov, filter});
        return SledeceIme();
    }
    QString SnimiFajl(QWidget*, const QString& naslov, const QString& filter) override {
        zapisi.push_back({"snimi", naslov, filter});
        return SledeceIme();
    }
    QAction* Meni(QMenu& meni, const QPoint&) override {
        QStringList tekstovi;
        for (QAction* a : meni.actions()) tekstovi << a->text();
        zapisi.push_back({"meni", tekstovi.join(u'|'), {}});
        return akcijaMenija.isEmpty() ? nullptr : meni.findChild<QAction*>(akcijaMenija);
    }
    int Dijalog(QDialog& d) override {
        zapisi.push_back({"dijalog", d.windowTitle(), {}});
        if (uDijalogu) uDijalogu(d);
        return d.result();
    }
    bool Stampanje(QWidget*, QPrinter&) override {
        zapisi.push_back({"stampa", {}, {}});
        return false;
    }

    QStringList Vrste() const {
        QStringList v;
        for (const auto& z : zapisi) v << z.vrsta;
        return v;
    }
    QString PoslednjiTekst() const { return zapisi.empty() ? QString() : zapisi.back().tekst; }

private:
    QString SledeceIme() {
        if (imenaFajlova.empty()) return QString();
        QString ime = imenaFajlova.front();
        imenaFajlova.pop_front();
        return ime;
    }
};
