#pragma once
#include <QObject>
#include <QString>

#include <functional>
#include <string>

#include "Dokument.h"
#include "Podesavanja.h"
#include "StanjeAnalize.h"

// What happened to the document, for those who listen to it.
enum class TVrstaIzmene {
    Komanda,    // an editing step was done
    Istorija,   // a step was undone or redone
    NoviModel,  // a model was read or started afresh; the history is new
    Snimanje,   // the model was saved: only the modified flag and the path changed
};

// The document of the main window: the model with its undo history and modified flag, the display
// settings that travel with it, the analysis state and the current file path. Every change is
// announced through `izmenjen`; the window's caption, menu, pages, result grids and plot listen.
class TDokumentModela : public QObject {
    Q_OBJECT
public:
    explicit TDokumentModela(QObject* roditelj = nullptr) : QObject(roditelj) {}

    TModel& Model() { return dokument.Model(); }
    TDokument& Jezgro() { return dokument; }
    const TDokument& Jezgro() const { return dokument; }
    TStanjeAnalize& Stanje() { return stanje; }
    TPodesavanja& Podesavanja() { return podesavanja; }
    QString putanjaDoFajla;

    // One undoable editing step (see TDokument::Izvrsi); announced when the edit reports a change.
    bool Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena);
    bool Ponisti();
    bool Ponovi();
    bool Izmenjen() const { return dokument.Izmenjen(); }
    void Snimljen();
    void NovModel();

Q_SIGNALS:
    void izmenjen(TVrstaIzmene vrsta);

private:
    TDokument dokument;
    TPodesavanja podesavanja;
    TStanjeAnalize stanje;
};
