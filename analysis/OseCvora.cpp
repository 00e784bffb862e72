#include "OseCvora.h"

#include <cmath>
#include <numbers>

#include "IzvorMatrice.h"
#include "Model.h"

TOseCvora OseCvora(const TCvor& cvor) {
    if (cvor.Ugao() == 0) return {};
    // A quarter turn has exact axes: the cosine of a rounded right angle is a tiny number, not 0,
    // and would leave a stiffness of round-off size along a direction nothing holds, so that a
    // mechanism passed the pivot rule and was solved with displacements beyond any meaning.
    const long double cetvrtine = cvor.Ugao() / 90;
    if (cetvrtine == std::round(cetvrtine) && std::fabs(cetvrtine) < 1e9L) {
        static constexpr double c[4] = {1, 0, -1, 0};
        const long long k = static_cast<long long>(cetvrtine);
        const int i = static_cast<int>(((k % 4) + 4) % 4);
        return {c[i], c[(i + 3) % 4]};
    }
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
