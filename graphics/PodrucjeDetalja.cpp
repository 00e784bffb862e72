#include "PodrucjeDetalja.h"

#include "CrtanjeDijagrama.h"
#include "PlotChart.h"

TPodrucjeDetalja PodrucjeDetalja(const TPlotPovrsina& g, double udeo) {
    if (!(udeo < 1)) return {};
    const TPlotPovrsina::TOpsezi v = g.VidljiviOpsezi(g.Sirina(), g.Visina());
    const double sx = v.xH - v.xL, sz = v.yH - v.yL;
    if (!(sx > 0) || !(sz > 0) || !std::isfinite(sx) || !std::isfinite(sz)) return {};
    return {false, v.xL - sx, v.xH + sx, v.yL - sz, v.yH + sz};
}

TPodrucjeDetalja PodrucjeZaCrtanje(const TPlotPovrsina& g, const TPodesavanja& p) {
    return p.zoomURealnomVremenu ? TPodrucjeDetalja{} : PodrucjeDetalja(g, UdeoPrikaza(g, p));
}

bool PrikazUPodrucju(const TPlotPovrsina& g, const TPodrucjeDetalja& p) {
    if (p.svuda) return true;
    const TPlotPovrsina::TOpsezi v = g.VidljiviOpsezi(g.Sirina(), g.Visina());
    return v.xL >= p.xL && v.xH <= p.xH && v.yL >= p.zL && v.yH <= p.zH;
}
