#pragma once
#include <memory>
#include <vector>

#include "Proracun.h"
#include "PutanjaResavanja.h"
#include "StanjeAnalize.h"

struct TModel;
class TDijagramiStapa;

// One run of the analysis as a job of its own: it owns a copy of the model, taken when the job is
// made, and an analysis state of its own. The run reads and writes nothing else, so it may go on
// any thread while the model it was taken from is edited; its results enter a model only when
// the owner installs them (PrenesiRezultate), and only into the model they were computed for.
class TPoslovProracuna {
public:
    // Copies `model` now, on the caller's thread; the run asks for `zahtevanaPutanja`.
    explicit TPoslovProracuna(const TModel& model, TPutanjaResavanja zahtevanaPutanja = TPutanjaResavanja::Automatska);
    ~TPoslovProracuna();
    TPoslovProracuna(const TPoslovProracuna&) = delete;
    TPoslovProracuna& operator=(const TPoslovProracuna&) = delete;

    // The start command after its page switch and busy check, on the copy: log, clear, checks and
    // the pipeline. The observer is called on the thread that calls this. The outcome is also
    // kept for Ishod().
    TRezultatProracuna Izvrsi(TPosmatracProracuna& posmatrac);

    // Stop: from any thread, at any time (also before Izvrsi); the run skips the steps that have
    // not begun and leaves the ones that ask between their parts.
    void Zaustavi();

    const TRezultatProracuna& Ishod() const { return ishod; }
    // The copy the run works on, with the node results it wrote, and the run's state.
    TModel& Model() { return *kopija; }
    TStanjeAnalize& Stanje() { return *stanje; }

    // After a run that succeeded, on the run's thread: every member's diagrams from its results,
    // so that showing one later costs the window nothing. Made before the results are installed;
    // a failure to make them leaves none (whoever draws makes them then, and meets the failure).
    void PripremiDijagrame();
    // The diagrams PripremiDijagrame made; null when it made none.
    std::shared_ptr<const std::vector<TDijagramiStapa>> Dijagrami() const { return dijagrami; }

    // True when `model` holds the same input as the copy: the results describe it.
    bool OpisujeModel(const TModel& model) const;

    // Installs what the run made into a model that OpisujeModel: Rx, Rz, MukljY, Ux, Uz and Fiy of
    // every node are copied, and the lists and matrices are exchanged with those of `stanjeModela`
    // (the job keeps the ones it replaced). Whether a failed or stopped run is installed is the
    // owner's choice. Into any other model nothing is installed and the answer is false.
    bool PrenesiRezultate(TModel& model, TStanjeAnalize& stanjeModela);

private:
    std::unique_ptr<TModel> kopija;
    std::unique_ptr<TStanjeAnalize> stanje;
    TRezultatProracuna ishod{TIshodProracuna::Prekinut, "", {}};
    std::shared_ptr<const std::vector<TDijagramiStapa>> dijagrami;
};
