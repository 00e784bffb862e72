#pragma once
#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "PlotChart.h"
#include "UredjivanjeIzbora.h"

class QPainter;

// "Stap je podeljen cvorom ..." for each split, to tell the user where the loads went.
QString OpisPodela(const std::vector<TPodelaStapa>& podele);

// The selection part of the "Crtanje" mouse action. Dragging from a place with no node draws a
// rectangle that selects the nodes and members inside it; dragging a selected node or member moves
// the whole selection; Delete removes it; Escape clears it. A click without a drag is left to the
// drawing, so drawing a member works as before.
class TIzborMisem {
public:
    using TIzvrsi = std::function<bool(const char* naziv, const std::function<bool(TModel&)>& izmena)>;
    using TZaokruzi = std::function<double(double v, bool osaX)>;
    TIzborMisem(TPlotChart& plot, std::function<TModel&()> model, TIzvrsi izvrsi, TZaokruzi zaokruzi)
        : plot(plot),
          model(std::move(model)),
          izvrsi(std::move(izvrsi)),
          zaokruzi(std::move(zaokruzi)) {}

    // A left press with no member started; `cvor` and `stap` are the list indices under the mouse
    // or -1. True when the press belongs to the selection (a move may follow).
    bool Pritisnut(int px, int py, int cvor, int stap);
    // True while a rectangle or a move is being dragged.
    bool Pomeren(int px, int py);
    // True when the release ended a rectangle or a move.
    bool Pusten(int px, int py);
    bool Taster(int kljuc);
    void Otkazi();
    void CrtajPreko(QPainter& p) const;

    const TIzbor& Izbor() const { return izbor; }
    // Sets the selection without telling naIzmenu (the caller already knows).
    void Postavi(TIzbor iz) { izbor = std::move(iz); }
    bool Izabran(bool cvor, int indeks) const;
    // Ctrl+click: the member at list index `stap` joins the selection or leaves it.
    void PrebaciStap(int stap);
    // Told whenever the mouse or a key changed the selection.
    std::function<void()> naIzmenu;

private:
    enum class TRad { Nista, Cekam, Pravougaonik, CekamPomeranje, Pomeranje };
    void CrtajIzabrane(QPainter& p) const;
    void Izmenjen() const;

    TPlotChart& plot;
    std::function<TModel&()> model;
    TIzvrsi izvrsi;
    TZaokruzi zaokruzi;
    TIzbor izbor;
    TRad rad = TRad::Nista;
    int x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};
