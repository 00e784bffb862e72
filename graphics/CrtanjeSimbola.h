#pragma once
#include "Model.h"
#include "PlotChart.h"
#include "Podesavanja.h"

// The structure as an engineering drawing: support and hinge symbols, load arrows with their
// values, and node and member numbers placed clear of each other. Takes the place of the node and
// member drawing of CrtajGrafik when "simboli" is on; the same check boxes choose what is shown.
void CrtajKonstrukcijuSaSimbolima(TPlotPovrsina& g, const TModel& model, const TPodesavanja& p);

inline constexpr int VelicinaBroja = 9;      // points, node and member numbers
inline constexpr int VelicinaVrednosti = 8;  // points, load values
