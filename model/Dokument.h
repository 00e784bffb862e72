#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Izmena.h"
#include "Komanda.h"
#include "Model.h"

// The model being edited with its undo history and whether it differs from what was last saved
// or read. Every change of the model goes through Izvrsi, Ponisti or Ponovi.
class TDokument {
public:
    TDokument();

    TModel& Model() { return model; }
    const TModel& Model() const { return model; }

    // Runs `izmena` over the model as one step named `naziv` and returns what it returned. A step
    // is recorded only when the model really changed. An exception leaves the model exactly as it
    // was before the call (an edit of several parts that fails half-way is rolled back) and is
    // passed on. `razlika`, when given, receives which lists the step changed (see RazlikaModela).
    bool Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena, TIzmena* razlika = nullptr);

    bool MozePonisti() const { return indeks > 0; }
    bool MozePonovi() const { return indeks < koraci.size(); }
    // Names of the steps the next Ponisti and Ponovi would take; empty when there is none.
    std::string NazivPonistavanja() const;
    std::string NazivPonavljanja() const;
    // `razlika`, when given, receives which lists the step taken back or again touched.
    bool Ponisti(TIzmena* razlika = nullptr);
    bool Ponovi(TIzmena* razlika = nullptr);

    // Whether the model differs from the saved state (going back to it by undo clears the flag).
    bool Izmenjen() const { return cisto != static_cast<long>(indeks); }
    // The current state is now the saved one.
    void OznaciSnimljen() { cisto = static_cast<long>(indeks); }
    // A model was read or started afresh: an empty history, and the model counts as saved.
    void NovaIstorija();

    size_t BrojKoraka() const { return koraci.size(); }
    // The history drops its oldest steps when the copies it keeps exceed this many entities (the
    // states share unchanged entities, so a small step counts little).
    size_t najviseEntiteta = 400000;
    size_t najviseKoraka = 500;

private:
    // The last recorded state; re-copied when the model was changed behind the history's back.
    std::shared_ptr<const TSnimakModela> Trenutno();
    void Skrati();
    // Puts `stanje` into the model; `razlika`, when given, receives what that changed.
    void Vrati(const TSnimakModela& stanje, TIzmena* razlika);

    TModel model;
    std::vector<std::unique_ptr<TKomandaIzmene>> koraci;
    size_t indeks = 0;  // steps applied
    long cisto = 0;     // steps applied in the saved state; -1 when no longer reachable
    std::shared_ptr<const TSnimakModela> trenutno;
};
