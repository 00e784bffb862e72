#pragma once
#include <functional>
#include <string>

#include "Model.h"
#include "Podesavanja.h"
#include "PoslovProracuna.h"
#include "StanjeAnalize.h"
#include "Zauzetost.h"

class TDijalozi;
class QWidget;

// What the "Analiza" and "Ulaz/Izlaz" pages and the click inspection need from the main window.
class TKontekstAnalize {
public:
    virtual ~TKontekstAnalize() = default;
    virtual TModel& Model() = 0;
    virtual TStanjeAnalize& Stanje() = 0;
    virtual TPodesavanja& Podesavanja() = 0;
    virtual TDijalozi& Dijalozi() = 0;
    virtual QWidget* ProzorZaPoruke() = 0;
    // CrtajGrafik on PlotChartGrafik with the current settings.
    virtual void CrtajGrafik() = 0;
    // Shows a page of PageControlGlavniMeni (6 "Analiza", 7 "Ulaz/Izlaz").
    virtual void PrikaziGlavnuStranu(int indeks) = 0;
    // A passing message in the window's status line; an empty one clears it. Nothing without a window.
    virtual void PorukaStatusa(const std::string& /*tekst*/) {}
    // The window's busy state, which a run holds from its start until its outcome is shown. A
    // context without a window keeps one of its own.
    virtual TZauzetost& Zauzetost() { return vlastitaZauzetost; }
    // Installs a finished run's results into the model and state above in one step; false when
    // they no longer describe that model.
    virtual bool PostaviRezultate(TPoslovProracuna& posao) { return posao.PrenesiRezultate(Model(), Stanje()); }
    // One undoable editing step on the model; a context without a window edits it directly.
    virtual bool IzvrsiIzmenu(const std::string& /*naziv*/, const std::function<bool(TModel&)>& izmena) {
        return izmena(Model());
    }

private:
    TZauzetost vlastitaZauzetost;
};

inline constexpr int StranaAnalize = 6;
inline constexpr int StranaRezultata = 7;
