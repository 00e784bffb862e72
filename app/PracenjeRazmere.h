#pragma once
#include <QObject>
#include <QTimer>

#include <functional>

#include "Podesavanja.h"
#include "PodrucjeDetalja.h"

class TPlotPovrsina;

// Keeps the plot's automatic diagram scale in step with the view ("prilagodi razmeru prikazu"):
// when the view's ranges have changed and then rested for a moment (a run of wheel steps or a zoom
// drag gives one redraw, not one per step), the drawing is made again at the view shown, if it
// holds something whose size follows the view and the view's share of the fit differs from the one
// it was drawn for, or the view has left the region drawn in its detail (see TPodrucjeDetalja).
// A pan within that region costs nothing.
class TPracenjeRazmere : public QObject {
public:
    using TPodesavanjaF = std::function<const TPodesavanja&()>;
    TPracenjeRazmere(TPlotPovrsina& g, TPodesavanjaF podesavanja, std::function<void()> precrtaj,
                     QObject* roditelj = nullptr);

    // After every drawing: the share of the view it was made for, and its region of detail.
    void Nacrtano();
    // Whether the drawing shown was made for a view other than the fitted one.
    bool NacrtanoZaDrugiPrikaz() const { return nacrtanoZa != 1; }
    // Whether the drawing shown serves the view as it stands: made for the share the view has now
    // and with the view inside its region of detail; with `uklopi` (a drawing made now would refit
    // the view) whether it was made for the fitted view.
    bool CrtezVazi(bool uklopi) const;
    // Redraws now if the view asks for it (what the timer does when it fires).
    void Proveri();

    static constexpr int OdlaganjeMs = 150;
    QTimer& Tajmer() { return tajmer; }

private:
    TPlotPovrsina& g;
    TPodesavanjaF podesavanja;
    std::function<void()> precrtaj;
    QTimer tajmer;
    double nacrtanoZa = 1;
    TPodrucjeDetalja podrucje;
};
