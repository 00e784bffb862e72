#include "Sklapanje.h"

#include <algorithm>
#include <cmath>
#include <new>
#include <string>

#include "ElementStapa.h"
#include "Greska.h"
#include "Matrix.h"
#include "Model.h"
#include "StanjeAnalize.h"

void ProveriKonacnost(const TMatrix& m, const TStap& st) {
    for (int c = 1; c <= m.NrOfColumns(); ++c) {
        const double* k = m.Kolona(c);
        for (int r = 0; r < m.NrOfRows(); ++r)
            if (!std::isfinite(k[r]))
                throw TGreska("Podaci stapa broj " + std::to_string(st.ID()) +
                              " daju neodredjene vrednosti u proracunu!!!");
    }
}

bool ZaDoprinoseK(const TModel& model, const TPozicije& pozicije, const std::function<void(int, int, double)>& dodaj,
                  const std::function<bool(size_t)>& napredak, size_t svakihStapova) {
    size_t gotovih = 0;
    for (const auto& st : model.nizStapova) {
        if (napredak && svakihStapova && gotovih % svakihStapova == 0 && !napredak(gotovih)) return false;
        ++gotovih;
        const TMatrix Kg = MatricaKrutostiGKS(*st);
        ProveriKonacnost(Kg, *st);
        const std::vector<int> kod = KodniBrojeviStapa(*st);
        const int m = static_cast<int>(kod.size());
        for (int a = 1; a <= m; ++a) {
            pozicije.ZaSve(kod[a - 1], [&](int p) {
                dodaj(p, p, Kg.Elem(a, a));
                for (int b = a + 1; b <= m; ++b) {
                    pozicije.ZaSve(kod[b - 1], [&](int q) {
                        // Kg's row is the degree of freedom placed at the smaller position.
                        const double v = p <= q ? Kg.Elem(b, a) : Kg.Elem(a, b);
                        dodaj(std::max(p, q), std::min(p, q), v);
                    });
                }
            });
        }
    }
    // A spring adds its stiffness to its node's own unknown; a spring on a held direction is
    // refused before the assembly, so its code number sits in the s list.
    for (const auto& c : model.nizCvorova) {
        if (!c->ImaOprugu()) continue;
        const std::pair<int, long double> opruge[] = {
            {c->BrPomeranjaX(), c->Kx()}, {c->BrPomeranjaZ(), c->Kz()}, {c->BrObrtanjaY(), c->Kfi()}};
        for (const auto& [kod, k] : opruge)
            if (k > 0) pozicije.ZaSve(kod, [&](int p) { dodaj(p, p, static_cast<double>(k)); });
    }
    return true;
}

namespace {
std::shared_ptr<TRetkaMatrica> Sklopi(const TModel& model, const std::vector<int>& sve,
                                      const std::function<bool(size_t)>& napredak);
}  // namespace

std::shared_ptr<TRetkaMatrica> SklopiRetkuK(const TModel& model, const std::vector<int>& sve,
                                            const std::function<bool(size_t)>& napredak) {
    try {
        return Sklopi(model, sve, napredak);
    } catch (const std::bad_alloc&) {
        throw TGreska(PorukaNemaMemorijeRetko);
    }
}

namespace {

// One entry of the upper triangle (red <= kolona) with a value.
struct TMesto {
    int kolona, red;
    double v;
};

// The additions summed per place, each place's in assembly order: a stable sort keeps that order
// among equal places.
std::vector<TMesto> SaberiPoMestima(std::vector<TMesto> doprinosi) {
    std::stable_sort(doprinosi.begin(), doprinosi.end(), [](const TMesto& a, const TMesto& b) {
        return a.kolona != b.kolona ? a.kolona < b.kolona : a.red < b.red;
    });
    std::vector<TMesto> gornji;
    for (size_t i = 0; i < doprinosi.size();) {
        double zbir = 0.0;
        size_t j = i;
        for (;
             j < doprinosi.size() && doprinosi[j].kolona == doprinosi[i].kolona && doprinosi[j].red == doprinosi[i].red;
             ++j)
            zbir = zbir + doprinosi[j].v;
        gornji.push_back({doprinosi[i].kolona, doprinosi[i].red, zbir});
        i = j;
    }
    return gornji;
}

// Both triangles of n columns laid out from the summed upper one, given in (column, row) order.
std::shared_ptr<TRetkaMatrica> ObaTrougla(const std::vector<TMesto>& gornji, int n) {
    std::vector<int> broj(static_cast<size_t>(n) + 1, 0);
    for (const TMesto& m : gornji) {
        ++broj[static_cast<size_t>(m.kolona)];
        if (m.red != m.kolona) ++broj[static_cast<size_t>(m.red)];
    }
    std::vector<int> pocetak(static_cast<size_t>(n) + 1, 0);
    for (int c = 1; c <= n; ++c)
        pocetak[static_cast<size_t>(c)] = pocetak[static_cast<size_t>(c - 1)] + broj[static_cast<size_t>(c)];
    std::vector<int> redovi(static_cast<size_t>(pocetak[static_cast<size_t>(n)]));
    std::vector<double> vrednosti(redovi.size());
    std::vector<int> upisano(pocetak.begin(), pocetak.end() - 1);
    // Column c gets its lower entries (mirrored from the upper rows of later columns) after its
    // upper ones; walking the upper entries in (column, row) order fills every column's rows in
    // increasing order: first rows <= c from column c itself, then rows > c as their columns come.
    for (const TMesto& m : gornji) {
        int& u = upisano[static_cast<size_t>(m.kolona - 1)];
        redovi[static_cast<size_t>(u)] = m.red;
        vrednosti[static_cast<size_t>(u++)] = m.v;
        if (m.red != m.kolona) {
            int& l = upisano[static_cast<size_t>(m.red - 1)];
            redovi[static_cast<size_t>(l)] = m.kolona;
            vrednosti[static_cast<size_t>(l++)] = m.v;
        }
    }
    return std::make_shared<TRetkaMatrica>(n, n, std::move(pocetak), std::move(redovi), std::move(vrednosti));
}

std::shared_ptr<TRetkaMatrica> Sklopi(const TModel& model, const std::vector<int>& sve,
                                      const std::function<bool(size_t)>& napredak) {
    std::vector<TMesto> doprinosi;
    doprinosi.reserve(model.nizStapova.size() * 21);
    const TPozicije pozicije(sve);
    if (!ZaDoprinoseK(
            model, pozicije,
            [&](int k, int r, double v) {
                doprinosi.push_back({k, r, v});
            },
            napredak))
        return nullptr;
    const std::vector<TMesto> gornji = SaberiPoMestima(std::move(doprinosi));
    return ObaTrougla(gornji, static_cast<int>(sve.size()));
}

}  // namespace

void SaberiOpterecenjaStapova(const TModel& model, const TPozicije& pozicije, int brojPozicija,
                              const TOpterecenjaPoStapu& poStapu, std::initializer_list<TMatrix*> vektori) {
    for (const auto& st : model.nizStapova) {
        auto it = poStapu.find(st->ID());
        if (it == poStapu.end()) continue;
        const std::vector<int> kodovi = KodniBrojeviStapa(*st);
        for (const TOpterecenje* o : it->second) {
            const TMatrix Qg = GetVektorQGKS(*st, *o, model.opcijeAnalize.smicanjeUOpterecenju);
            ProveriKonacnost(Qg, *st);
            for (size_t a = 0; a < kodovi.size(); ++a) {
                const double v = Qg.Elem(1, static_cast<int>(a) + 1);
                pozicije.ZaSve(kodovi[a], [&](int p) {
                    if (p > brojPozicija) return;
                    for (TMatrix* vek : vektori) vek->SetElem(1, p, vek->Elem(1, p) + v);
                });
            }
        }
    }
}
