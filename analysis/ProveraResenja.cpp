#include "ProveraResenja.h"

#include <algorithm>
#include <cmath>

#include "Model.h"
#include "OseCvora.h"
#include "PozicijeKodova.h"

namespace {

using LD = long double;

bool ImaZadatih(const TMatrix& qo) {
    for (int i = 1; i <= qo.NrOfRows(); ++i)
        if (qo.Elem(1, i) != 0) return true;
    return false;
}

void Ostaci(const TResenjeZaProveru& r, TMereResenja& m) {
    const int n = static_cast<int>(r.s.size());
    if (n == 0) return;
    std::vector<LD> desna(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) desna[static_cast<size_t>(i - 1)] = r.Ss.Elem(1, i);
    if (r.Kso && ImaZadatih(r.qo)) {
        const TMatrix kq = r.Kso->Puta(r.qo);
        for (int i = 1; i <= n; ++i) desna[static_cast<size_t>(i - 1)] -= kq.Elem(1, i);
    }
    std::vector<LD> ostatak = desna;
    LD normaK = 0, normaQ = 0, normaD = 0, normaR = 0;
    std::vector<LD> redovi(static_cast<size_t>(n), 0.0L);
    for (int c = 1; c <= n; ++c) {
        const LD qc = r.qs.Elem(1, c);
        normaQ = std::max(normaQ, std::fabs(qc));
        r.Kss.ZaKolonu(c, [&](int red, double v) {
            ostatak[static_cast<size_t>(red - 1)] -= static_cast<LD>(v) * qc;
            redovi[static_cast<size_t>(red - 1)] += std::fabs(static_cast<LD>(v));
        });
    }
    for (int i = 0; i < n; ++i) {
        normaK = std::max(normaK, redovi[static_cast<size_t>(i)]);
        normaD = std::max(normaD, std::fabs(desna[static_cast<size_t>(i)]));
        normaR = std::max(normaR, std::fabs(ostatak[static_cast<size_t>(i)]));
    }
    if (!std::isfinite(static_cast<double>(normaR)) || !std::isfinite(static_cast<double>(normaQ))) {
        // Not a number at all: the finiteness check of the results gives that its own message.
        m.ostatak = m.ostatakOpterecenja = NAN;
        return;
    }
    const LD merilo = normaK * normaQ + normaD;
    m.ostatak = merilo > 0 ? static_cast<double>(normaR / merilo) : 0.0;
    m.ostatakOpterecenja = normaD > 0 ? static_cast<double>(normaR / normaD) : m.ostatak;
}

// A node's loads and reactions in X, Z and the rotation.
struct TSileCvora {
    LD x = 0, z = 0, m = 0;
};

void Ravnoteza(const TModel& model, const TResenjeZaProveru& r, TMereResenja& mere) {
    const TPozicije ps(r.s), po(r.o);
    LD cx = 0, cz = 0;
    for (const auto& c : model.nizCvorova) cx += c->X(), cz += c->Z();
    const LD broj = std::max<LD>(1, static_cast<LD>(model.nizCvorova.size()));
    cx /= broj, cz /= broj;
    LD fx = 0, fz = 0, mom = 0, najvecaSila = 0, najveciMoment = 0, najvecaReakcija = 0, najvecaReakcijaMomenta = 0,
       najveciKrak = 0;
    for (const auto& c : model.nizCvorova) {
        TSileCvora opt, rea;
        // Along the node's own axes, where a spring holds an unknown as a support holds a known one.
        auto uzmi = [&](int kod, long double P, long double opruga, LD TSileCvora::*smer) {
            ps.ZaSve(kod, [&](int p) {
                opt.*smer += r.Ss.Elem(1, p);
                rea.*smer -= opruga * static_cast<LD>(r.qs.Elem(1, p));
            });
            po.ZaSve(kod, [&](int i) {
                opt.*smer += P + static_cast<LD>(r.Qo.Elem(1, i));
                rea.*smer += static_cast<LD>(r.D.Elem(1, i)) - P;
            });
        };
        uzmi(c->BrPomeranjaX(), c->Px(), c->Kx(), &TSileCvora::x);
        uzmi(c->BrPomeranjaZ(), c->Pz(), c->Kz(), &TSileCvora::z);
        uzmi(c->BrObrtanjaY(), c->MkoncY(), c->Kfi(), &TSileCvora::m);
        if (c->Ugao() != 0) {
            const TOseCvora ose = OseCvora(*c);
            for (TSileCvora* f : {&opt, &rea}) {
                double x, z;
                UGlobalneOse(ose, static_cast<double>(f->x), static_cast<double>(f->z), x, z);
                f->x = x, f->z = z;
            }
        }
        const LD dx = c->X() - cx, dz = c->Z() - cz;
        const LD x = opt.x + rea.x, z = opt.z + rea.z;
        fx += x, fz += z;
        mom += dx * z - dz * x + opt.m + rea.m;
        najvecaSila = std::max(najvecaSila, std::hypot(opt.x, opt.z));
        najveciMoment = std::max(najveciMoment, std::fabs(opt.m));
        najvecaReakcija = std::max(najvecaReakcija, std::hypot(rea.x, rea.z));
        najvecaReakcijaMomenta = std::max(najvecaReakcijaMomenta, std::fabs(rea.m));
        najveciKrak = std::max(najveciKrak, std::hypot(dx, dz));
    }
    if (najvecaSila == 0 && najveciMoment == 0) najvecaSila = najvecaReakcija, najveciMoment = najvecaReakcijaMomenta;
    // A force and a moment are compared through the extent of the structure.
    const LD meriloSile = std::max(najvecaSila, najveciKrak > 0 ? najveciMoment / najveciKrak : 0);
    const LD meriloMomenta = std::max(najvecaSila * najveciKrak + najveciMoment, meriloSile * najveciKrak);
    const LD sila = std::hypot(fx, fz), moment = std::fabs(mom);
    LD n = 0;
    if (sila > 0) n = meriloSile > 0 ? sila / meriloSile : HUGE_VALL;
    if (moment > 0) n = std::max(n, meriloMomenta > 0 ? moment / meriloMomenta : HUGE_VALL);
    mere.neravnoteza = std::isfinite(static_cast<double>(fx + fz + mom)) ? static_cast<double>(n) : NAN;
}

}  // namespace

TMereResenja IzmeriResenje(const TModel& model, const TResenjeZaProveru& r) {
    TMereResenja m;
    Ostaci(r, m);
    Ravnoteza(model, r, m);
    return m;
}
