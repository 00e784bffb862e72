#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>

#include "KontekstAnalize.h"
#include "Proracun.h"

class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class TStranicaRezultata;

// The "Analiza" page: start, stop, report and the time-stamped log of the run.
//
// The pipeline runs on a worker thread so that a long analysis never freezes the window and Stop
// can be pressed; the start command waits for it in a local event loop. Every log line, grid, memo,
// message and plot update that the pipeline asks for is carried out on the window's thread while
// the worker waits, so the pipeline never runs ahead of what it is showing.
class TStranicaAnalize : public QWidget {
    Q_OBJECT
public:
    TStranicaAnalize(TKontekstAnalize& kontekst, TStranicaRezultata& rezultati, QWidget* parent = nullptr);
    ~TStranicaAnalize() override;

    QPushButton* ButtonPokreniAnalizu = nullptr;
    QPushButton* ButtonPrekiniAnalizu = nullptr;
    QPushButton* ButtonFormirajIzvestaj = nullptr;
    QPlainTextEdit* MemoPorukaTrenutnogStanjaAnalize = nullptr;
    // How far the run is, with the name of the step it is in; busy (no per cent) while a step of
    // unknown length runs.
    QProgressBar* ProgressBarAnalize = nullptr;

    // The report command; set by whoever builds the report.
    std::function<void()> naIzvestaj;
    // Called with the outcome whenever "Pokreni analizu" has run (refused runs included).
    std::function<void(const TRezultatProracuna&)> posleProracuna;
    // Called on the window's thread after every log line is written (tests press Stop from here).
    std::function<void(const QString&)> posleLinijeLoga;

    // True while a run is going, and also after Stop until the worker has left its current step:
    // until then the pipeline still reads the model.
    bool Zauzet() const;

    void ButtonPokreniAnalizuClick();
    void ButtonPrekiniAnalizuClick();
    void ButtonFormirajIzvestajClick();

    const TRezultatProracuna& PoslednjiRezultat() const { return rezultat; }

    // Runs `f` on the window's thread, waiting for it when called from the worker. An exception
    // thrown by `f` reaches the caller.
    void NaGlavnojNiti(const std::function<void()>& f);

    // Shows the progress of the run; may be called from the worker, never waits.
    void PrikaziNapredak(const std::string& korak, int procenat);

private:
    void PokreniNaRadniku(TProracun& proracun);

    TKontekstAnalize& kontekst;
    TStranicaRezultata& rezultati;
    std::unique_ptr<TPosmatracProracuna> posmatrac;
    TRezultatProracuna rezultat;
    bool radnikAktivan = false;
};
