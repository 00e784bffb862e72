#pragma once
// A train of loads moving along the path of an influence line, and its extreme positions.
#include <string>
#include <vector>

#include "UticajneLinije.h"

// Loads acting in the line's direction of the unit load; offsets are path distances from the
// train's reference point (its position).
struct TSilaVoza {
    long double P = 0, d = 0;
};
struct TRaspodeljenoVoza {
    long double q = 0, od = 0, duzina = 0;
};
struct TVoz {
    std::vector<TSilaVoza> sile;
    std::vector<TRaspodeljenoVoza> raspodeljena;
};

// "P1@d1,P2@d2,..." with "qQ@a:b" for a uniform load Q from offset a to offset b. Throws TGreska
// naming the bad item.
TVoz ParsirajVoz(const std::string& tekst);

// The quantity with the train's reference point at path coordinate s; loads beyond the path's ends
// do not act. `desno` takes the side of a jump the loads stand on.
long double VrednostVoza(const TUticajnaLinija& linija, const TVoz& voz, long double s, bool desno = true);

struct TPolozajVoza {
    long double s = 0, vrednost = 0;
};
struct TEkstremiVoza {
    TPolozajVoza max, min;
};

// The largest and the smallest value over every position with a load on the path: the value is
// piecewise polynomial in s, so the candidates are the positions where a load (or an end of a
// uniform load) stands over a kink or jump of the line, and the stationary points between them.
TEkstremiVoza EkstremiVoza(const TUticajnaLinija& linija, const TVoz& voz);
