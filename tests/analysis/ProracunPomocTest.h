#pragma once
// The pipeline run in place with a screenless observer, and the small models several tests share.
#include <string>

#include "PomocModela.h"
#include "Proracun.h"

namespace {

const long double E = 2e8L, I = 1e-4L, A = 1e-2L, EI = E * I, EA = E * A;

struct TPokretanje {
    TStanjeAnalize stanje;
    TPosmatracBezEkrana posmatrac;
    TRezultatProracuna rezultat;
    TPokretanje(TModel& m, std::string faktor = "1.0") : posmatrac(m, stanje, std::move(faktor)) {
        posmatrac.datumVreme = "DT";
        rezultat = PokreniAnalizu(m, stanje, posmatrac);
    }
};

// Simply supported beam of span 8 as a hinged-rigid and a rigid-hinged member meeting at mid-span.
[[maybe_unused]] TGraditeljModela ProstaGreda() {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0);
    TCvor* c = g.Cvor(8, 0, false, true);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    return g;
}

}  // namespace
