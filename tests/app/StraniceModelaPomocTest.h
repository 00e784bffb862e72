#pragma once
// The editing pages in a test: a stand-in for the window with scripted boxes, and the fixture
// that builds the pages on it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabWidget>

#include <memory>

#include "Dijalozi.h"
#include "KontekstUredjivanja.h"
#include "StraniceModela.h"
#include "UredjivanjeOpterecenja.h"

// A named namespace: the fixture must be one class in every file that uses it.
namespace stranice_modela_test {

inline QApplication& Aplikacija() {
    static int argc = 1;
    static char ime[] = "velt_app_tests";
    static char* argv[] = {ime, nullptr};
    if (!QApplication::instance()) new QApplication(argc, argv);
    return *static_cast<QApplication*>(QApplication::instance());
}

class TLazniDijalozi : public TDijalozi {
public:
    std::vector<QString> greske, informacije;
    void Greska(QWidget*, const QString& t) override { greske.push_back(t); }
    void Informacija(QWidget*, const QString& t) override { informacije.push_back(t); }
    bool Pitanje(QWidget*, const QString&) override { return true; }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }
};

class TLazniKontekst : public TKontekstUredjivanja {
public:
    TModel model;
    TLazniDijalozi dijalozi;
    int izmena = 0;
    int prozorPreseka = 0;
    TModel& Model() override { return model; }
    TDijalozi& Dijalozi() override { return dijalozi; }
    QWidget* ProzorZaPoruke() override { return nullptr; }
    void PosleIzmeneModela() override { ++izmena; }
    void PrikaziProzorPreseka() override { ++prozorPreseka; }
};

class StraniceModela : public ::testing::Test {
protected:
    void SetUp() override {
        Aplikacija();
        stranice = std::make_unique<TStraniceModela>(kontekst);
    }

    template <class T>
    T* Nadji(const char* ime) {
        for (int i = 0; i < 6; ++i) {
            QWidget* s = stranice->Stranica(i);
            if (s->objectName() == QLatin1String(ime)) return qobject_cast<T*>(s);
            if (T* w = s->findChild<T*>(QLatin1String(ime))) return w;
        }
        ADD_FAILURE() << "no control " << ime;
        return nullptr;
    }
    QLineEdit* Polje(const char* ime) { return Nadji<QLineEdit>(ime); }
    QComboBox* Spisak(const char* ime) { return Nadji<QComboBox>(ime); }
    void Upisi(const char* ime, const char* tekst) { Polje(ime)->setText(QString::fromLatin1(tekst)); }
    void Klik(const char* ime) { Nadji<QPushButton>(ime)->click(); }
    void Izaberi(const char* ime, int indeks) { Spisak(ime)->setCurrentIndex(indeks); }
    QStringList Stavke(const char* ime) {
        QStringList s;
        QComboBox* c = Spisak(ime);
        for (int i = 0; i < c->count(); ++i) s << c->itemText(i);
        return s;
    }
    QStringList Pridruzena() {
        QStringList s;
        auto* l = Nadji<QListWidget>("ListBoxSpisakPridruzenihOpterecenjaStapu");
        for (int i = 0; i < l->count(); ++i) s << l->item(i)->text();
        return s;
    }
    QStringList Greske() {
        QStringList s;
        for (const auto& g : kontekst.dijalozi.greske) s << g;
        kontekst.dijalozi.greske.clear();
        return s;
    }

    void DodajCvor(const char* x, const char* z) {
        Upisi("EditXkoordinataCvora", x);
        Upisi("EditZkoordinataCvora", z);
        Klik("ButtonDodajCvor");
    }
    void DodajStap(int materijal, int presek, int pocetni, int krajnji, int tip) {
        Izaberi("ComboBoxSpisakMaterijalaZaStap", materijal);
        Izaberi("ComboBoxSpisakPoprecnihPresekaZaStap", presek);
        Izaberi("ComboBoxSpisakCvorovaZaPocetniCvorStapa", pocetni);
        Izaberi("ComboBoxSpisakCvorovaZaKrajnjiCvorStapa", krajnji);
        Izaberi("ComboBoxTipStapa", tip);
        Klik("ButtonDodajStap");
    }

    TLazniKontekst kontekst;
    std::unique_ptr<TStraniceModela> stranice;
};

}  // namespace stranice_modela_test

using stranice_modela_test::StraniceModela;
using stranice_modela_test::TLazniKontekst;
