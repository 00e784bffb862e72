#pragma once
#include <functional>
#include <string>

#include "Model.h"

class QWidget;
class TDijalozi;

// Click inspection of the main plot: the nodes and member midpoints near the clicked point.

// A quarter of the shortest member, at least 0.2 (0.2 with no members).
long double TolerancijaKlika(const TModel& model);

// The text of a picked node, lines joined by CR LF. `faktor` is the text of the factor in front of
// the matrices: the displacement lines appear only when it is a number greater than 0.
std::string TekstCvoraZaKlik(const TCvor& cvor, const std::string& faktor);
std::string TekstStapaZaKlik(const TModel& model, const TStap& stap);

struct TKlikNaGrafik {
    const TModel& model;
    TDijalozi& dijalozi;
    QWidget* roditelj;
    std::string faktor;
    // Page "Ulaz/Izlaz", tab "R - sile", the member selected and its results shown.
    std::function<void(int indeksStapa)> prikaziStap;
};

// PlotChartGrafikClick in the mode "Klik na cvor ili sredinu stapa": one information box per picked
// node, then per picked member, in list order. Any failure ends the click silently.
void PlotChartGrafikClick(const TKlikNaGrafik& klik, double mx, double mz);
