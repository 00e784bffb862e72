#include "OseCvora.h"

#include <cmath>
#include <numbers>

#include "IzvorMatrice.h"
#include "Model.h"

TOseCvora OseCvora(const TCvor& cvor) {
    if (cvor.Ugao() == 0) return {};
    const long double a = cvor.Ugao() * std::numbers::pi_v<long double> / 180;
    return {static_cast<double>(std::cos(a)), static_cast<double>(std::sin(a))};
}

void UOseCvora(const TOseCvora& o, double x, double z, double& xc, double& zc) {
    xc = o.c * x + o.s * z;
    zc = -o.s * x + o.c * z;
}

void UGlobalneOse(const TOseCvora& o, double xc, double zc, double& x, double& z) {
    x = o.c * xc - o.s * zc;
    z = o.s * xc + o.c * zc;
}

TMatrix MatricaTransformacijeCvora(const TCvor& cvor) {
    const TOseCvora o = OseCvora(cvor);
    TMatrix T = NovaMatrica(3, 3);
    T.SetElem(1, 1, o.c);
    T.SetElem(2, 1, o.s);
    T.SetElem(1, 2, -o.s);
    T.SetElem(2, 2, o.c);
    T.SetElem(3, 3, 1.0);
    return T;
}

bool ImaElasticnihIliKosihOslonaca(const TModel& model) {
    for (const auto& c : model.nizCvorova)
        if (c->ImaElasticniIliKosiOslonac()) return true;
    return false;
}

TReakcijaCvora ReakcijaUOsamaCvora(const TCvor& cvor) {
    if (cvor.Ugao() == 0) return {cvor.Rx(), cvor.Rz()};
    double x = 0, z = 0;
    UOseCvora(OseCvora(cvor), static_cast<double>(cvor.Rx()), static_cast<double>(cvor.Rz()), x, z);
    return {x, z};
}
