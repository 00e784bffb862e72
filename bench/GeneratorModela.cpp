#include "GeneratorModela.h"

#include <cmath>

TModel GenerisiRam(int raspona, int spratova) {
    TModel m;
    m.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "Beton", 30e6L, 0.2L, 2500, 1e-5L));
    m.nizPreseka.push_back(std::make_unique<TPresek>(0, "Stub 30/50", 0.003125L, 0.15L, 0.5L, 0));
    m.nizPreseka.push_back(std::make_unique<TPresek>(1, "Greda 30/60", 0.0054L, 0.18L, 0.6L, 1.2L));
    auto cvor = [&](int i, int s) { return m.nizCvorova[static_cast<size_t>(s) * (raspona + 1) + i].get(); };
    for (int s = 0; s <= spratova; ++s)
        for (int i = 0; i <= raspona; ++i) {
            const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(m);
            const bool tlo = s == 0;
            m.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(m.nizCvorova), 6.0L * i, 3.5L * s, tlo, tlo, tlo, 0,
                                                           0, 0, (i == 0 && s > 0) ? 10.0L : 0.0L, 0, 0, kb.x, kb.z,
                                                           kb.y, 0, 0, 0, 0, 0, 0));
        }
    auto stap = [&](TCvor* a, TCvor* b, TPresek* p) {
        m.nizStapova.push_back(std::make_unique<TStap>(NoviID(m.nizStapova), m.nizMaterijala[0].get(), p, a, b, 0));
        return m.nizStapova.back()->ID();
    };
    for (int s = 1; s <= spratova; ++s) {
        for (int i = 0; i <= raspona; ++i) stap(cvor(i, s - 1), cvor(i, s), m.nizPreseka[0].get());
        for (int i = 0; i < raspona; ++i) {
            const int id = stap(cvor(i, s), cvor(i + 1, s), m.nizPreseka[1].get());
            m.nizOpterecenja.push_back(std::make_unique<TOpterecenje>(NoviID(m.nizOpterecenja), "q", 2, id, 0, 0, 0, 0,
                                                                      -25.0L, 0, 1, 0, 0, 0, 0, 0, 0, 0));
        }
    }
    return m;
}

TModel GenerisiRamSaCvorova(int cvorova) {
    const int strana = std::max(2, static_cast<int>(std::lround(std::sqrt(static_cast<double>(cvorova)))));
    const int spratova = std::max(1, cvorova / strana - 1);
    return GenerisiRam(strana - 1, spratova);
}
