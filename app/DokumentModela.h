#pragma once
#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "Dokument.h"
#include "Izmena.h"
#include "Podesavanja.h"
#include "StanjeAnalize.h"

class TPoslovProracuna;

// The document of the main window: the model with its undo history and modified flag, the display
// settings that travel with it, the analysis state and the current file path. Every change is
// announced once through `izmenjen`, saying what it concerns; the window's caption, menu, pages,
// result grids and plot listen and refresh only what is stale.
class TDokumentModela : public QObject {
    Q_OBJECT
public:
    explicit TDokumentModela(QObject* roditelj = nullptr) : QObject(roditelj) {}

    TModel& Model() { return dokument.Model(); }
    TDokument& Jezgro() { return dokument; }
    const TDokument& Jezgro() const { return dokument; }
    TStanjeAnalize& Stanje() { return stanje; }
    // Writable for the readers of a model file and the pages that keep a setting nobody listens to
    // (the factor); every other change goes through PostaviPodesavanja.
    TPodesavanja& Podesavanja() { return podesavanja; }
    const TPodesavanja& Podesavanja() const { return podesavanja; }
    QString putanjaDoFajla;

    // One undoable editing step (see TDokument::Izvrsi). When the edit reports a change or the model
    // differs afterwards, the results are cleared (they would describe another model) and the
    // change is announced with the lists it touched.
    bool Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena);
    bool Ponisti();
    bool Ponovi();
    bool Izmenjen() const { return dokument.Izmenjen(); }
    void Snimljen();
    // A model was read or started afresh: a new history, and everything but the results (which
    // the caller clears or starts) announced as changed.
    void NovModel();
    // Takes the new settings and announces the groups that differ; nothing when they are equal.
    void PostaviPodesavanja(const TPodesavanja& nova);
    void IzmeniPodesavanja(const std::function<void(TPodesavanja&)>& izmena);
    // Clears the analysis state and the node results.
    void ObrisiRezultate();
    // A finished run's results, in one step: node results into the model, the lists and
    // matrices into the analysis state. False, with nothing changed, when the model is no longer
    // the one the run copied.
    bool PostaviRezultate(TPoslovProracuna& posao);

Q_SIGNALS:
    void izmenjen(const TIzmena& izmena);

private:
    // After a step of the history: the results go, the menu, caption and touched lists follow.
    void PosleKoraka(TVrstaIzmene vrsta, TIzmena razlika);

    TDokument dokument;
    TPodesavanja podesavanja;
    TStanjeAnalize stanje;
};
