#pragma once
#include "Model.h"

class TDijalozi;
class QWidget;

// What the editing pages need from the main window that owns the model.
class TKontekstUredjivanja {
public:
    virtual ~TKontekstUredjivanja() = default;
    virtual TModel& Model() = 0;
    virtual TDijalozi& Dijalozi() = 0;
    virtual QWidget* ProzorZaPoruke() = 0;
    // After every command that changed the model: clear the results (ObrisiRezultate), refresh the
    // result-page selection lists and redraw the plot (CrtajGrafik on the main plot).
    virtual void PosleIzmeneModela() = 0;
    // The "Preseci" button of the section page: the section-properties window, modally.
    virtual void PrikaziProzorPreseka() = 0;
};
