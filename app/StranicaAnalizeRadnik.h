#pragma once
#include <QString>

#include <deque>
#include <functional>
#include <mutex>
#include <string>

#include "Proracun.h"

class QObject;
class TPoslovProracuna;

// Carries calls from the worker to the page's thread, in the order they were sent. They wait in a
// queue under a mutex of ours and one queued call of `metod` on `primalac` (with no arguments)
// tells that thread to take them. A call handed whole to Qt's event queue would cross the threads
// through Qt's internal lock, which ThreadSanitizer cannot see in a Qt not built for it.
class TPostaRadnika {
public:
    TPostaRadnika(QObject* primalac, const char* metod) : primalac(primalac), metod(metod) {}
    // From any thread.
    void Posalji(std::function<void()> poziv);
    // On the receiver's thread: runs the waiting calls one by one, also those that come meanwhile.
    void Isporuci();

private:
    QObject* primalac;
    const char* metod;
    std::mutex mutex;
    std::deque<std::function<void()>> red;
};

// What the "Analiza" page does, on its own thread, with what a run sends it.
struct TPrijemRada {
    std::function<void(const QString& linija)> linija;
    std::function<void()> isprazniLog;
    // The clear of the shown results that "Brisem prethodne rezultate - " announces, with its redraw.
    std::function<void()> obrisiRezultate;
    std::function<void(const QString& korak, int procenat)> napredak;
};

// The pipeline's observer on the worker thread. It never waits for the window: each log line, the
// clear and the progress are handed to the page's mailbox (`posalji`), which carries them to the
// page's thread in the order the run makes them. What belongs after the results are installed is
// kept instead: the lines logged after the result display (in `log`) and the message boxes the run
// asked for (in `poruke`); the page shows them when the outcome arrives. Like the result page it
// stores the node displacements, here into the job's copy, when the factor taken at the start is
// a number greater than 0.
class TPosmatracRadnika : public TPosmatracBezEkrana {
public:
    using TPosta = std::function<void(std::function<void()>)>;
    // `preKoraka` (may be empty) is called on the worker with each line, after it is handed on and
    // before the step it names begins.
    TPosmatracRadnika(TPoslovProracuna& posao, std::string faktor, TPosta posalji, TPrijemRada prijem,
                      std::function<void(const std::string&)> preKoraka);

    std::string DatumVreme() override;
    void Log(const std::string& linija) override;
    void IsprazniLog() override;
    void ObrisiRezultate() override;
    void PrikaziRezultate() override;
    // The page draws and fills its grids itself once the results are installed.
    void CrtajGrafik() override {}
    void Napredak(const std::string& korak, int procenat) override;

private:
    TPosta posalji;
    TPrijemRada prijem;
    std::function<void(const std::string&)> preKoraka;
    bool posleIspisa = false;
    // The last progress posted: the steps report far more often than the bar can change.
    std::string poslatKorak;
    int poslatProcenat = -2;
};
