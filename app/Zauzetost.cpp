#include "Zauzetost.h"

void TZauzetost::Postavi(bool da) {
    if (da == aktivna) return;
    aktivna = da;
    Q_EMIT promenjena(da);
}
