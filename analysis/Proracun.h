#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ResavacKss.h"
#include "StanjeAnalize.h"

struct TModel;

// What the pipeline needs from whoever shows it: the log, the message box and the result pages.
// The pipeline itself touches no widget; a window that runs it on a worker thread (on a copy of
// the model, see TPoslovProracuna) hands these calls on to its own thread without waiting.
class TPosmatracProracuna {
public:
    virtual ~TPosmatracProracuna() = default;

    // The date-time text that ends every log line (local short date, a blank, long time).
    virtual std::string DatumVreme();
    // Appends one finished log line: the fixed text (ending in " - ") followed by DatumVreme().
    virtual void Log(const std::string& linija) { (void)linija; }
    // Empties the log at the start of a run.
    virtual void IsprazniLog() {}
    // An error box with this text.
    virtual void PorukaGreske(const std::string& tekst) { (void)tekst; }
    // The grid part of ObrisiRezultate (the state part is TStanjeAnalize::ObrisiRezultate).
    virtual void ObrisiRezultate() {}
    virtual void CrtajGrafik() {}
    // Fills the global result grids and, when the factor is a number > 0, stores the node
    // displacements through SacuvajPomeranjaCvorova.
    virtual void PrikaziRezultate() {}
    virtual void PrikaziSileStapa() {}
    virtual void PodesiSirineKolona() {}
    // How far the run is: the step's name (its log text without " - ") and the per cent done of
    // the run, or -1 for a step whose length is not known (the share stays where it was). May be
    // called often and from a worker; it must not block.
    virtual void Napredak(const std::string& korak, int procenat) {
        (void)korak;
        (void)procenat;
    }
};

// An observer without a screen, for the command line and tests: collects the log lines and the
// messages, and stores the displacements when the factor text is a number greater than 0.
class TPosmatracBezEkrana : public TPosmatracProracuna {
public:
    TPosmatracBezEkrana(TModel& model, TStanjeAnalize& stanje, std::string faktor = "1.0")
        : model(model),
          stanje(stanje),
          faktor(std::move(faktor)) {}
    std::string DatumVreme() override { return datumVreme.empty() ? TPosmatracProracuna::DatumVreme() : datumVreme; }
    void Log(const std::string& linija) override { log.push_back(linija); }
    void IsprazniLog() override { log.clear(); }
    void PorukaGreske(const std::string& tekst) override { poruke.push_back(tekst); }
    void PrikaziRezultate() override;

    std::vector<std::string> log;
    std::vector<std::string> poruke;
    std::string datumVreme;  // when set, used instead of the clock (reproducible logs)

private:
    TModel& model;
    TStanjeAnalize& stanje;
    std::string faktor;
};

// The run object: holds the closure that runs the pipeline; Execute calls it and nothing else.
class TProracun {
public:
    explicit TProracun(std::function<void()> tRefProcedure) : referencaProcedure(std::move(tRefProcedure)) {}
    void Execute() {
        if (referencaProcedure) referencaProcedure();
    }

private:
    std::function<void()> referencaProcedure;
};

// How a run ended.
enum class TIshodProracuna {
    Uspeh,       // every step ran
    Odbijen,     // a model check refused the model (or an error before the pipeline)
    Greska,      // an error inside the pipeline, an unstable structure included
    Prekinut,    // the Stop command cleared radimProracun before the solution
    VecPokrenut  // a run was already going
};

struct TMehanizam;

struct TRezultatProracuna {
    TRezultatProracuna() = default;
    TRezultatProracuna(TIshodProracuna ishod, std::string poruka, std::shared_ptr<const TMehanizam> mehanizam = nullptr,
                       std::vector<std::string> upozorenja = {})
        : ishod(ishod),
          poruka(std::move(poruka)),
          mehanizam(std::move(mehanizam)),
          upozorenja(std::move(upozorenja)) {}

    TIshodProracuna ishod = TIshodProracuna::Uspeh;
    std::string poruka;  // the error's own message (without "Nije dopusteno!!!")
    // For an unstable structure, its free motion when one could be told; null otherwise.
    std::shared_ptr<const TMehanizam> mehanizam;
    std::vector<std::string> upozorenja;  // the run's warnings (TStanjeAnalize::upozorenja)
};

// The model checks; each is true when no node breaks its rule.
bool ProveriCvoroveBezStapova(const TModel& model);
bool ProveriOslonce(const TModel& model);
bool ProveriTipoveStapova(const TModel& model);

// The message of the first check that refuses the model, or "" when all pass (in check order).
// With the model's general stability on, the rules for supports and member types give way to the
// regularity of Kss, which only the run itself can tell.
std::string PrvaGreskaProvere(const TModel& model);

// The start command without its page switch: refuses with "Proracun je vec pokrenut!!!" while a
// run is going; otherwise sets radimProracun and goes on as ZapocniProracun.
TRezultatProracuna PokreniAnalizu(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac);

// The run once radimProracun is set: empties the log, logs the start and prepares. A Stop that
// clears the flag before this is called is honoured by every step.
TRezultatProracuna ZapocniProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac);

// Log, clear, checks; then, when they pass, the run object runs the pipeline on the caller's thread.
TRezultatProracuna PripremiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac);

// The pipeline: code numbers, K, its blocks, the load vectors, the solution, the reactions.
TRezultatProracuna IzvrsiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac);
