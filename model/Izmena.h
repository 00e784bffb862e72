#pragma once

// Why the document changed.
enum class TVrstaIzmene {
    Komanda,      // an editing step was done
    Istorija,     // a step was undone or redone
    NoviModel,    // a model was read or started afresh; the history is new
    Snimanje,     // the model was saved, or its file path changed
    Podesavanja,  // a display setting changed
    Rezultati,    // the analysis results were installed or cleared
};

// The parts of the document one change can concern, as bits of TIzmena::delovi.
enum TDeoDokumenta : unsigned {
    ddMaterijali = 1u << 0,
    ddPreseci = 1u << 1,
    ddCvorovi = 1u << 2,
    ddStapovi = 1u << 3,
    ddOpterecenja = 1u << 4,
    ddListe = ddMaterijali | ddPreseci | ddCvorovi | ddStapovi | ddOpterecenja,
    ddPodesavanja = 1u << 5,
    ddRezultati = 1u << 6,      // installed or cleared: the analysis state tells which
    ddPutanja = 1u << 7,        // the file path or whether the model differs from the saved one
    ddIstorija = 1u << 8,       // the undo history: what "Ponisti" and "Ponovi" would do
    ddOpcijeAnalize = 1u << 9,  // the options of the ANALIZA section
    ddSve = (1u << 10) - 1,
};

// One announced change: why, which parts it concerns and, when it touched one entity of one list,
// that entity's ID, so a listener can refresh exactly what is stale and leave the rest alone.
struct TIzmena {
    TVrstaIzmene vrsta = TVrstaIzmene::Komanda;
    unsigned delovi = 0;
    // With ddPodesavanja: which settings (TDeoPodesavanja bits, Podesavanja.h).
    unsigned podesavanja = 0;
    // The ID of the one entity changed, added or removed; -1 when the change is not one entity.
    int id = -1;

    bool Dotice(unsigned deo) const { return (delovi & deo) != 0; }
    bool DoticePodesavanje(unsigned deo) const { return (podesavanja & deo) != 0; }
};
