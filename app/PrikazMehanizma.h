#pragma once
// The free motion of an unstable structure on the plot: its members moved by the mode, dashed,
// swinging slowly to and fro until it is taken away.
#include <QObject>

#include <map>
#include <vector>

#include "PlotChart.h"

class QTimer;
struct TModel;
struct TMehanizam;

class TPrikazMehanizma : public QObject {
    Q_OBJECT
public:
    TPrikazMehanizma(TPlotPovrsina& plot, QObject* parent);

    // Starts swinging `m` over the members of `model` (the model the run was made for).
    void Pokazi(const TModel& model, const TMehanizam& m);
    void Ukloni();
    bool Aktivan() const;

    // The dashed segments at phase `faza` (radians) of the swing; the plot shows these.
    std::vector<TPlotPovrsina::TDuzPreklopa> Duzi(double faza) const;

    static constexpr int KorakMs = 40;
    static constexpr double PeriodS = 2.0;
    // The largest displacement of the mode, against the larger extent of the structure.
    static constexpr double UdeoVelicine = 0.12;

private:
    struct TStapUPokretu {
        double x1, z1, x2, z2;      // the member where it stands
        double ux1, uz1, ux2, uz2;  // its ends' motion in the mode, already scaled
    };
    void Korak();

    TPlotPovrsina& plot;
    QTimer* tajmer;
    std::vector<TStapUPokretu> stapovi;
    double faza = 0;
};
