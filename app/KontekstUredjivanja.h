#pragma once
#include <functional>
#include <string>

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
    // After a refused command that must still be followed as if it ran: clear the results
    // (ObrisiRezultate), refresh the result-page selection lists and redraw the plot. A command
    // that ran needs no call: the window follows its document's announcement.
    virtual void PosleIzmeneModela() = 0;
    // The "Preseci" button of the section page: the section-properties window, modally.
    virtual void PrikaziProzorPreseka() = 0;
    // Runs one editing command over the model as one undoable step named `naziv` and returns what
    // the command returned (true: the model changed). Whatever the command throws is passed on with
    // the model as it was. The window records the step in its history and announces it; this
    // stand-in, for a context without a document, follows a change by PosleIzmeneModela.
    virtual bool IzvrsiIzmenu(const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
        (void)naziv;
        const bool uradjeno = izmena(Model());
        if (uradjeno) PosleIzmeneModela();
        return uradjeno;
    }
};
