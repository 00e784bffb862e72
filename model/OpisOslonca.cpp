#include "OpisOslonca.h"

#include "Brojevi.h"
#include "Cvor.h"

TStavke StavkeElasticnogOslonca(const TCvor& c) {
    TStavke s;
    if (c.Kx() != 0) s.emplace_back("Opruga kx", FormatBroja(c.Kx()));
    if (c.Kz() != 0) s.emplace_back("Opruga kz", FormatBroja(c.Kz()));
    if (c.Kfi() != 0) s.emplace_back("Opruga kfi", FormatBroja(c.Kfi()));
    if (c.Ugao() != 0) s.emplace_back("Ugao oslonca (stepeni)", FormatBroja(c.Ugao()));
    return s;
}

TStavke StavkeSilaOpruga(const TCvor& c) {
    TStavke s;
    if (c.Kx() != 0) s.emplace_back("Sila opruge u x pravcu cvora", FormatBroja(c.SilaOprugeX()));
    if (c.Kz() != 0) s.emplace_back("Sila opruge u z pravcu cvora", FormatBroja(c.SilaOprugeZ()));
    if (c.Kfi() != 0) s.emplace_back("Moment opruge oko Y ose", FormatBroja(c.MomentOpruge()));
    return s;
}

bool ImaReakcijuX(const TCvor& c) { return c.OslX() || (c.Ugao() != 0 && c.OslZ()); }
bool ImaReakcijuZ(const TCvor& c) { return c.OslZ() || (c.Ugao() != 0 && c.OslX()); }
