#pragma once
#include <QString>
#include <QWidget>

#include <functional>
#include <memory>
#include <string>
#include <thread>

#include "KontekstAnalize.h"
#include "Proracun.h"
#include "StranicaAnalizeRadnik.h"

class QCheckBox;
class QPlainTextEdit;
struct TOpcijeAnalize;
class QProgressBar;
class QPushButton;
class QCheckBox;
class TPoslovProracuna;
class TStranicaRezultata;

// The "Analiza" page: start, stop, report and the time-stamped log of the run.
//
// "Pokreni analizu" copies the model into a job (TPoslovProracuna) and hands it to a worker
// thread, then returns: the window stays live while the run goes. The worker touches nothing but
// its copy; the log lines, the clear at the start, the progress and, last, the outcome come back
// through the page's mailbox. Only then, on the window's thread, does a successful run enter the
// document in one step, followed by the grids and the plot; a failed or stopped run leaves
// nothing behind.
class TStranicaAnalize : public QWidget {
    Q_OBJECT
public:
    TStranicaAnalize(TKontekstAnalize& kontekst, TStranicaRezultata& rezultati, QWidget* parent = nullptr);
    // Stops a run that is still going and waits for its worker.
    ~TStranicaAnalize() override;

    QPushButton* ButtonPokreniAnalizu = nullptr;
    QPushButton* ButtonPrekiniAnalizu = nullptr;
    QPushButton* ButtonFormirajIzvestaj = nullptr;
    // "Opsta stabilnost": the model's option; a click asks naOpstuStabilnost for the edit.
    QCheckBox* CheckBoxOpstaStabilnost = nullptr;
    QCheckBox* CheckBoxSmicanjeUOpterecenju = nullptr;
    QPlainTextEdit* MemoPorukaTrenutnogStanjaAnalize = nullptr;
    // How far the run is, with the name of the step it is in.
    QProgressBar* ProgressBarAnalize = nullptr;

    // The edit of the option, one undoable step; set by the window.
    std::function<void(bool)> naOpstuStabilnost;
    // Shows the model's options without asking for an edit.
    void PrikaziOpcije(const TOpcijeAnalize& opcije);

    // The report command; set by whoever builds the report.
    std::function<void()> naIzvestaj;
    // Called with the outcome once a run's outcome has been shown (refused runs included).
    std::function<void(const TRezultatProracuna&)> posleProracuna;
    // Called on the window's thread after every log line is written.
    std::function<void(const QString&)> posleLinijeLoga;
    // Called on the worker with every log line, before the step it names begins (tests hold a run
    // there). Taken when a run starts.
    std::function<void(const std::string&)> naRadnikuPreKoraka;

    // True from the start of a run until its outcome has been shown.
    bool Zauzet() const { return posao != nullptr; }

    void ButtonPokreniAnalizuClick();
    void ButtonPrekiniAnalizuClick();
    void ButtonFormirajIzvestajClick();

    const TRezultatProracuna& PoslednjiRezultat() const { return rezultat; }

    // Runs what the worker has sent (called through the mailbox's queued wake-up).
    Q_INVOKABLE void IsporuciPostu() { posta.Isporuci(); }

private:
    void PokreniRadnika(std::string faktor);
    void PosleProracuna(TRezultatProracuna r);
    // Installs a successful run and shows it; false when the model changed under it.
    bool PrikaziUspeh();
    void DodajRedLoga(const QString& linija);
    void ObrisiPrikazaneRezultate();
    void PrikaziNapredak(const QString& korak, int procenat);

    TKontekstAnalize& kontekst;
    TStranicaRezultata& rezultati;
    TRezultatProracuna rezultat;
    std::unique_ptr<TPoslovProracuna> posao;
    std::unique_ptr<TPosmatracRadnika> posmatrac;
    std::thread radnik;
    TPostaRadnika posta{this, "IsporuciPostu"};
};
