#pragma once
#include <QString>

#include <functional>
#include <optional>
#include <string>

#include "IzborMisem.h"
#include "PlotChart.h"
#include "UredjivanjeStapova.h"

// What drawing with the mouse needs from the window.
struct TKontekstCrtanja {
    std::function<TModel&()> model;
    // Runs one editing command as one undoable step; throws the command's TGreska.
    std::function<bool(const std::string& naziv, const std::function<bool(TModel&)>& izmena)> izvrsi;
    std::function<void(const std::string& poruka)> greska;
    // The material, section and type selected on the "Stap" page.
    std::function<TIzborStapa()> izborStapa;
    // The snap step typed next to the mode; nullopt for the grid of the plot's ticks.
    std::function<std::optional<double>()> korak;
    std::function<void(const QString& tekst)> status;
    // A double click: show the node (true) or member at this list index on its page.
    std::function<void(bool cvor, int indeks)> otvori;
    // A right click on the selection: the context menu at these control pixels.
    std::function<void(int px, int py)> meni;
};

// The "Crtanje" mouse action: a click picks the nearest node within a few pixels, else a point on
// the nearest member, else the nearest snap point; two clicks add a member with the nodes it
// needs, as one step, splitting a member an end lies on. Right click
// deletes a node or member (on the selection it opens the context menu instead), dragging a node
// moves it, a double click opens its page, Escape cancels; a rectangle dragged from empty space
// selects, Ctrl+click adds a member to the selection or takes it out, and a selection can be moved
// and deleted.
// Every change goes through the editing commands, with their checks and messages.
class TCrtanjeMisem : public TAlatGrafika {
public:
    TCrtanjeMisem(TPlotChart& plot, TKontekstCrtanja kontekst);

    // Pick distances in pixels.
    static constexpr int TolerancijaCvora = 6;
    static constexpr int TolerancijaStapa = 5;

    void Pritisnut(int px, int py, Qt::MouseButton dugme) override;
    void Pomeren(int px, int py, Qt::MouseButtons dugmad) override;
    void Pusten(int px, int py, Qt::MouseButton dugme) override;
    void DvostrukiKlik(int px, int py) override;
    bool Taster(int kljuc) override;
    void CrtajPreko(QPainter& p) const override;
    void Napusten() override;

    // Forgets a started member or drag.
    void Otkazi();
    bool ImaPocetak() const { return pocetak.has_value(); }
    // The nodes and members selected by a rectangle (see TIzborMisem).
    TIzborMisem& Izbor() { return izbor; }

    // A point picked on the plot: an existing node (its list index) or a snapped position.
    struct TTacka {
        int cvor = -1;  // list index when picked
        int id = -1;    // and the node's ID, which survives changes of the list in between
        double x = 0, z = 0;
        int stap = -1;  // the ID of the member the point lies on, away from its nodes
    };
    TTacka Uhvati(int px, int py) const;
    // The list index of the node or member within pick distance of the pixel, or -1.
    int CvorNa(int px, int py) const;
    int StapNa(int px, int py) const;
    // The snapped world value of one axis.
    double Zaokruzi(double v, bool osaX) const;
    // The point on the member at list index `stap` the pixel picks: its middle when near it, a
    // snap point that lies on the member, or else the foot of the perpendicular.
    TTacka NaStapu(int stap, int px, int py) const;
    // "L = ...   ugao = ..." of the member being drawn to `kraj`.
    QString DuzinaIUgao(const TTacka& kraj) const;

private:
    void DodajStapDo(const TTacka& kraj);
    void PomeriCvor(int indeks, const TTacka& cilj);
    void Obrisi(int px, int py);
    void DesniKlik(int px, int py);
    // The node or member under the pixel belongs to the selection.
    bool NaIzboru(int px, int py) const;
    bool Izvrsi(const char* naziv, const std::function<bool(TModel&)>& izmena);
    void PrikaziPoziciju(const TTacka& t);

    TPlotChart& plot;
    TKontekstCrtanja k;
    std::optional<TTacka> pocetak;
    std::optional<TTacka> mis;
    // A press on a node: it moves once the mouse has left the press point by a few pixels.
    int pritisnutCvor = -1;
    int pritisakX = 0, pritisakY = 0;
    bool vucem = false;
    bool levoPritisnuto = false;
    TIzborMisem izbor;
};
