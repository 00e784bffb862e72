#pragma once
#include <memory>
#include <vector>

#include "DijagramiStapa.h"
#include "Model.h"
#include "Podesavanja.h"

// Every member's diagrams of the installed results, kept from one drawing to the next: redrawing
// for the symbols, the view's scale or another diagram kind changes nothing they are made of, and
// on a large model making them costs more than the drawing. The holder calls Odbaci whenever the
// results are installed or cleared or the model changes.
class TSacuvaniDijagrami {
public:
    // What DijagramiZaCrtanje gives, made on the first call that needs it and kept until Odbaci.
    // Nothing is made while the settings draw neither a diagram nor the deflected line; a state
    // that holds no results (cleared behind the holder's back too) drops what was kept.
    const std::vector<TDijagramiStapa>& Za(const TModel& model, const TPodesavanja& p, const TStanjeAnalize* stanje);
    // Drops what is kept; diagrams offered since are kept in its place.
    void Odbaci();
    // Diagrams made beside results about to be installed (by the run that made them), offered
    // around the install: the Odbaci that the install's announcement brings keeps them, as they
    // describe the new results. Ponudi(nullptr) withdraws an offer not taken.
    void Ponudi(std::shared_ptr<const std::vector<TDijagramiStapa>> d) { ponuda = std::move(d); }
    // The kept diagrams; null when none are kept. A holder of the pointer keeps them readable after
    // Odbaci.
    std::shared_ptr<const std::vector<TDijagramiStapa>> Sacuvani() const { return dijagrami; }

private:
    std::shared_ptr<const std::vector<TDijagramiStapa>> dijagrami, ponuda;
    // Kept diagrams that came from an offer take the state and member list of the first drawing
    // that asks for them.
    bool vezani = false;
    // What the kept diagrams were made for: a state or member list that is not the one they
    // describe makes them afresh even if a change went unannounced.
    const TStanjeAnalize* izStanja = nullptr;
    const void* izPomeranja = nullptr;
    size_t stapova = 0;
};
