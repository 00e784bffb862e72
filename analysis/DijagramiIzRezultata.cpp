// Every member's diagrams from the results of a run: the displacements gathered by code number,
// each member's end forces from them, and the diagrams of those (DijagramiStapa.cpp).
#include <algorithm>
#include <exception>
#include <unordered_map>

#include "DijagramiStapa.h"
#include "ElementStapa.h"
#include "Greska.h"
#include "Matrix.h"
#include "MatrixRacun.h"
#include "Model.h"
#include "SileStapa.h"

bool ImaRezultata(const TStanjeAnalize& st) {
    const auto& s = st.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = st.nizKodnihBrojevaPoznatihPomeranja;
    if (!s || !o || !st.vektor_qsGKS || !st.vektor_qoGKS) return false;
    if (s->empty() && o->empty()) return false;  // the start-up state
    return (s->empty() || st.vektor_qsGKS->NrOfRows() == int(s->size())) &&
           (o->empty() || st.vektor_qoGKS->NrOfRows() == int(o->size()));
}

namespace {

// Code number -> displacement, gathered as the end forces gather it: the last position of the s list
// that holds the number, plus every position of the o list that does.
std::unordered_map<int, double> PomeranjaPoKodu(const TStanjeAnalize& st) {
    std::unordered_map<int, double> v;
    const auto& s = *st.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = *st.nizKodnihBrojevaPoznatihPomeranja;
    v.reserve(s.size() + o.size());
    for (size_t p = 0; p < s.size(); ++p) v[s[p]] = st.vektor_qsGKS->Elem(1, int(p) + 1);
    for (size_t i = 0; i < o.size(); ++i) v[o[i]] = v[o[i]] + st.vektor_qoGKS->Elem(1, int(i) + 1);
    return v;
}

TDijagramiStapa Dijagrami(const TStap& stap, const std::unordered_map<int, double>& pomeranja,
                          const std::vector<const TOpterecenje*>& opterecenja, bool smicanje) {
    const std::vector<int> kodovi = KodniBrojeviStapa(stap);
    TMatrix qG;
    qG.Resize(1, std::max<int>(1, int(kodovi.size())));
    for (size_t a = 0; a < kodovi.size(); ++a) {
        auto it = pomeranja.find(kodovi[a]);
        if (it != pomeranja.end()) qG.SetElem(1, int(a) + 1, it->second);
    }
    const TSileStapa r = SileIzPomeranja(stap, std::move(qG), opterecenja, smicanje);
    return IzracunajDijagrameStapa(stap, r.RL, r.qL, opterecenja);
}

}  // namespace

std::vector<TDijagramiStapa> DijagramiSvihStapova(const TModel& model, const TStanjeAnalize& stanje) {
    // Below this many members per thread a thread costs more than it saves.
    constexpr size_t stapovaPoNiti = 2000;
    const size_t najvise = std::max<size_t>(1, model.nizStapova.size() / stapovaPoNiti);
    const int niti = int(std::min<size_t>(size_t(matrica_jezgro::TrenutniRacun().niti), najvise));
    return DijagramiSvihStapova(model, stanje, niti);
}

std::vector<TDijagramiStapa> DijagramiSvihStapova(const TModel& model, const TStanjeAnalize& stanje, int niti) {
    if (!ImaRezultata(stanje)) throw TGreska("Nema rezultata analize!!!");
    const auto pomeranja = PomeranjaPoKodu(stanje);
    std::unordered_map<int, std::vector<const TOpterecenje*>> poStapu;
    for (const auto& o : model.nizOpterecenja) poStapu[o->IDStapa()].push_back(o.get());
    static const std::vector<const TOpterecenje*> nijedno;
    const size_t n = model.nizStapova.size();
    std::vector<TDijagramiStapa> r(n);
    niti = int(std::clamp<size_t>(size_t(std::max(1, niti)), 1, std::max<size_t>(1, n)));
    // Each thread fills a contiguous share of the list; the first failure in member order is the
    // one reported, as when the members are done one after another.
    std::vector<std::exception_ptr> greske(static_cast<size_t>(niti));
    matrica_jezgro::Paralelno(niti, [&](int t) {
        try {
            for (size_t i = n * size_t(t) / size_t(niti), k = n * size_t(t + 1) / size_t(niti); i < k; ++i) {
                const TStap& s = *model.nizStapova[i];
                auto it = poStapu.find(s.ID());
                r[i] = Dijagrami(s, pomeranja, it == poStapu.end() ? nijedno : it->second,
                                 model.opcijeAnalize.smicanjeUOpterecenju);
            }
        } catch (...) {
            greske[size_t(t)] = std::current_exception();
        }
    });
    for (const auto& g : greske)
        if (g) std::rethrow_exception(g);
    return r;
}

TDijagramiStapa DijagramiStapa(const TModel& model, const TStanjeAnalize& stanje, const TStap& stap) {
    if (!ImaRezultata(stanje)) throw TGreska("Nema rezultata analize!!!");
    std::vector<const TOpterecenje*> svoja;
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == stap.ID()) svoja.push_back(o.get());
    return Dijagrami(stap, PomeranjaPoKodu(stanje), svoja, model.opcijeAnalize.smicanjeUOpterecenju);
}
