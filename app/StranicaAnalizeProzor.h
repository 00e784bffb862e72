#pragma once

class TFormGlavniProzor;
class TStranicaAnalize;
class TStranicaRezultata;

struct TStraniceAnalize {
    TStranicaAnalize* analiza = nullptr;
    TStranicaRezultata* rezultati = nullptr;
};

// Puts the "Analiza" and "Ulaz/Izlaz" pages into the main window's two page widgets and connects
// them: the result page's part of ObrisiRezultate, the refresh of its selection lists, the click
// inspection of the main plot, and the window's busy state and document for the runs.
TStraniceAnalize UgradiStraniceAnalize(TFormGlavniProzor& prozor);
