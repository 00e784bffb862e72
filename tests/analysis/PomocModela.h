#pragma once
// Small models built in code for the analysis tests.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "Matrix.h"
#include "Model.h"

struct TGraditeljModela {
    TModel m;

    explicit TGraditeljModela(long double E = 2e8L, long double nu = 0.3L, long double alfa = 1e-5L,
                              long double I = 1e-4L, long double A = 1e-2L, long double h = 0.3L, long double k = 0) {
        Materijal(E, nu, alfa);
        Presek(I, A, h, k);
    }
    TMaterijal* Materijal(long double E, long double nu, long double alfa) {
        m.nizMaterijala.push_back(std::make_unique<TMaterijal>(NoviID(m.nizMaterijala), "mat", E, nu, 0, alfa));
        return m.nizMaterijala.back().get();
    }
    TPresek* Presek(long double I, long double A, long double h, long double k) {
        m.nizPreseka.push_back(std::make_unique<TPresek>(NoviID(m.nizPreseka), "pres", I, A, h, k));
        return m.nizPreseka.back().get();
    }
    TCvor* Cvor(long double x, long double z, bool oslX = false, bool oslZ = false, bool uklj = false) {
        const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(m);
        m.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(m.nizCvorova), x, z, oslX, oslZ, uklj, 0, 0, 0, 0, 0, 0,
                                                       kb.x, kb.z, kb.y, 0, 0, 0, 0, 0, 0));
        return m.nizCvorova.back().get();
    }
    TStap* Stap(TCvor* a, TCvor* b, int tip, TMaterijal* mat = nullptr, TPresek* p = nullptr) {
        m.nizStapova.push_back(std::make_unique<TStap>(NoviID(m.nizStapova), mat ? mat : m.nizMaterijala[0].get(),
                                                       p ? p : m.nizPreseka[0].get(), a, b, tip));
        return m.nizStapova.back().get();
    }
    // A load of the given kind; `v` is its value, `p1`/`p2` its position or start/end.
    TOpterecenje* Opt(int tip, int idStapa, long double v, long double p1 = 0, long double p2 = 1) {
        long double f[14] = {};
        switch (tip) {
            case 0: f[0] = v, f[1] = p1; break;
            case 1: f[2] = v, f[3] = p1; break;
            case 2: f[4] = v, f[5] = p1, f[6] = p2; break;
            case 3: f[7] = v; break;
            case 4: f[8] = v; break;
            case 5: f[9] = v, f[10] = p1; break;
            case 6: f[11] = v, f[12] = p1, f[13] = p2; break;
            default: break;
        }
        m.nizOpterecenja.push_back(std::make_unique<TOpterecenje>(NoviID(m.nizOpterecenja), "opt", tip, idStapa, f[0],
                                                                  f[1], f[2], f[3], f[4], f[5], f[6], f[7], f[8], f[9],
                                                                  f[10], f[11], f[12], f[13]));
        return m.nizOpterecenja.back().get();
    }
};

// Relative comparison with an absolute floor for values that should be 0.
inline ::testing::AssertionResult Blizu(long double stvarno, long double ocekivano, long double rel = 1e-9L,
                                        long double apsolutno = 1e-12L) {
    const long double d = std::fabs(stvarno - ocekivano);
    if (d <= rel * std::fabs(ocekivano) || d <= apsolutno) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "got " << static_cast<double>(stvarno) << ", expected "
                                         << static_cast<double>(ocekivano);
}
