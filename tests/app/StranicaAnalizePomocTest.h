#pragma once
// A headless stand-in for the main window around the analysis and result pages: it owns the
// model and the state, records every box and page switch in one list, and builds small models.
#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QWidget>

#include <atomic>
#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "Dijalozi.h"
#include "KontekstAnalize.h"
#include "StranicaAnalize.h"
#include "StranicaRezultata.h"
#include "TabelaMatrice.h"

inline void AplikacijaZaTestove() {
    if (QApplication::instance()) return;
    static int argc = 1;
    static char ime[] = "velt_app_tests";
    static char* argv[] = {ime, nullptr};
    new QApplication(argc, argv);
}

// Every box, as "G:" (error) or "I:" (information) followed by its text, and every page switch.
class TZapisaniDijalozi : public TDijalozi {
public:
    explicit TZapisaniDijalozi(QStringList& dogadjaji) : dogadjaji(dogadjaji) {}
    void Greska(QWidget*, const QString& t) override { dogadjaji << QStringLiteral("G:") + t; }
    void Informacija(QWidget*, const QString& t) override { dogadjaji << QStringLiteral("I:") + t; }
    bool Pitanje(QWidget*, const QString& t) override {
        dogadjaji << QStringLiteral("P:") + t;
        return true;
    }
    QString OtvoriFajl(QWidget*, const QString&, const QString&) override { return {}; }
    QString SnimiFajl(QWidget*, const QString&, const QString&) override { return {}; }
    bool Stampanje(QWidget*, QPrinter&) override { return false; }

private:
    QStringList& dogadjaji;
};

// Lets the window's thread handle what a run posts until the run's outcome has been shown.
inline void SacekajKraj(const TStranicaAnalize& analiza, int sekundi = 120) {
    QElapsedTimer t;
    t.start();
    while (analiza.Zauzet() && t.elapsed() < sekundi * 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_FALSE(analiza.Zauzet()) << "the run did not end";
    QCoreApplication::processEvents();
}

// Starts a run and, while its worker waits at the start of the step whose log line begins with
// `korak`, runs `akcija` on the window's thread (the lines before it are in the log by then);
// then lets the run go on and waits for its outcome.
inline void PokreniIZadrzi(TStranicaAnalize& analiza, const std::string& korak, const std::function<void()>& akcija) {
    std::atomic<bool> stigao{false}, pusti{false};
    analiza.naRadnikuPreKoraka = [&](const std::string& l) {
        if (l.rfind(korak, 0) != 0) return;
        stigao = true;
        while (!pusti) std::this_thread::sleep_for(std::chrono::milliseconds(1));
    };
    analiza.ButtonPokreniAnalizu->click();
    analiza.naRadnikuPreKoraka = nullptr;
    QElapsedTimer t;
    t.start();
    while (!stigao && analiza.Zauzet() && t.elapsed() < 60000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    QCoreApplication::processEvents();
    EXPECT_TRUE(stigao) << "the run never reached " << korak;
    if (stigao) akcija();
    pusti = true;
    SacekajKraj(analiza);
}

class TOkruzenjeAnalize : public TKontekstAnalize {
public:
    TOkruzenjeAnalize() : dijalozi(dogadjaji) {
        AplikacijaZaTestove();
        prozor = std::make_unique<QWidget>();
        rezultati = new TStranicaRezultata(*this, prozor.get());
        analiza = new TStranicaAnalize(*this, *rezultati, prozor.get());
    }

    TModel& Model() override { return model; }
    TStanjeAnalize& Stanje() override { return stanje; }
    TPodesavanja& Podesavanja() override { return podesavanja; }
    TDijalozi& Dijalozi() override { return dijalozi; }
    QWidget* ProzorZaPoruke() override { return prozor.get(); }
    void CrtajGrafik() override { ++crtanja; }
    void PrikaziGlavnuStranu(int i) override {
        glavnaStrana = i;
        dogadjaji << QStringLiteral("strana ") + QString::number(i);
    }

    // Boxes only, without the page switches.
    QStringList Poruke() const {
        QStringList p;
        for (const QString& d : dogadjaji)
            if (d.startsWith(QStringLiteral("G:")) || d.startsWith(QStringLiteral("I:"))) p << d;
        return p;
    }
    QStringList Log() const;
    QString Celija(const char* grid, int k, int r) const { return rezultati->Celija(QString::fromLatin1(grid), k, r); }
    TTabelaMatrice& Tabela(const char* grid) const { return rezultati->Grid(QString::fromLatin1(grid))->Tabela(); }
    // Starts a run and waits until its outcome has been shown.
    void Pokreni() {
        analiza->ButtonPokreniAnalizu->click();
        SacekajKraj(*analiza);
    }

    // Model building: one material (E, nu) and one section (I, A).
    void MaterijalIPresek(long double E, long double A, long double I = 1e-4L) {
        model.nizMaterijala.push_back(
            std::make_unique<TMaterijal>(NoviID(model.nizMaterijala), "Celik", E, 0.3L, 0, 1e-5L));
        model.nizPreseka.push_back(std::make_unique<TPresek>(NoviID(model.nizPreseka), "Profil", I, A, 0.3L, 0));
    }
    TCvor* Cvor(long double x, long double z, bool oslX = false, bool oslZ = false, bool uklj = false) {
        const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(model);
        model.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(model.nizCvorova), x, z, oslX, oslZ, uklj, 0, 0, 0, 0,
                                                           0, 0, kb.x, kb.z, kb.y, 0, 0, 0, 0, 0, 0));
        return model.nizCvorova.back().get();
    }
    TStap* Stap(TCvor* a, TCvor* b, int tip) {
        model.nizStapova.push_back(std::make_unique<TStap>(NoviID(model.nizStapova), model.nizMaterijala[0].get(),
                                                           model.nizPreseka[0].get(), a, b, tip));
        return model.nizStapova.back().get();
    }
    // A uniform load across the member's axis over its whole length.
    TOpterecenje* Raspodeljeno(const std::string& ime, int idStapa, long double q) {
        model.nizOpterecenja.push_back(std::make_unique<TOpterecenje>(NoviID(model.nizOpterecenja), ime, toPn, idStapa,
                                                                      0, 0, 0, 0, q, 0, 1, 0, 0, 0, 0, 0, 0, 0));
        return model.nizOpterecenja.back().get();
    }

    // The truss bar of most tests: node 0 at (0,0) pinned, node 1 at (4,0) on a roller in Z, one
    // "prost" member, EA = 2e8 * 1e-3 so EA/L = 50000, and Px = 10 at node 1. By hand: qs = Px / (EA/L)
    // = 0.0002, the reaction at node 0 is Rx = -10, and inv Kss = 1/50000 = 0.00002.
    void Stap4Metra() {
        MaterijalIPresek(2e8L, 1e-3L);
        Cvor(0, 0, true, true);
        Cvor(4, 0, false, true)->SetPx(10);
        Stap(model.nizCvorova[0].get(), model.nizCvorova[1].get(), tsProst);
        rezultati->OsveziListe();
    }

    QStringList dogadjaji;
    TModel model;
    TStanjeAnalize stanje;
    TPodesavanja podesavanja;
    TZapisaniDijalozi dijalozi;
    std::unique_ptr<QWidget> prozor;
    TStranicaRezultata* rezultati = nullptr;
    TStranicaAnalize* analiza = nullptr;
    int crtanja = 0;
    int glavnaStrana = -1;
};

inline QStringList TOkruzenjeAnalize::Log() const {
    const QString t = analiza->MemoPorukaTrenutnogStanjaAnalize->toPlainText();
    return t.isEmpty() ? QStringList() : t.split(QChar('\n'));
}
