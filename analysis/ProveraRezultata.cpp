#include "ProveraRezultata.h"

#include <cmath>
#include <string>

#include "Greska.h"
#include "Model.h"
#include "SekcijaOslonaca.h"
#include "SileStapa.h"
#include "StanjeAnalize.h"

namespace {

bool Konacan(long double v) { return std::isfinite(static_cast<double>(v)); }

bool Konacna(const TMatrix* m) {
    if (!m) return true;
    for (int c = 1; c <= m->NrOfColumns(); ++c) {
        const double* k = m->Kolona(c);
        for (int r = 0; r < m->NrOfRows(); ++r)
            if (!std::isfinite(k[r])) return false;
    }
    return true;
}

// The first problem of the solution, or "" when everything is finite.
std::string PrviProblem(const TModel& model, const TStanjeAnalize& stanje) {
    const char* const kraj = " nisu konacni brojevi - sistem je verovatno labilan ili su podaci neodgovarajuci!!!";
    if (!Konacna(stanje.vektorSsGKS.get()) || !Konacna(stanje.vektorQoGKS.get()))
        return std::string("Vektori opterecenja") + kraj;
    for (const auto* m :
         {stanje.vektor_qsGKSOpterecenje.get(), stanje.vektor_qsGKSPomeranjeOslonaca.get(), stanje.vektor_qsGKS.get()})
        if (!Konacna(m)) return std::string("Pomeranja cvorova") + kraj;
    for (const auto& c : model.nizCvorova)
        if (!Konacan(c->Rx()) || !Konacan(c->Rz()) || !Konacan(c->MukljY()))
            return "Reakcije cvora broj " + std::to_string(c->ID()) + kraj;
    const TIndeksSila indeks(model, stanje);  // one lookup table for all members, not a search each
    for (const auto& s : model.nizStapova) {
        const TSileStapa sile = IzracunajSileStapa(model, stanje, *s, false, indeks);
        if (!Konacna(&sile.RG) || !Konacna(&sile.RL))
            return "Sile na krajevima stapa broj " + std::to_string(s->ID()) + kraj;
    }
    return "";
}

}  // namespace

void ProveriPodatkeCvorova(const TModel& model) {
    for (const auto& c : model.nizCvorova)
        for (long double v : {c->Px(), c->Pz(), c->MkoncY(), c->ZadatoUx(), c->ZadatoUz(), c->ZadatoFiy()})
            if (!Konacan(v))
                throw TGreska("Podaci cvora broj " + std::to_string(c->ID()) +
                              " daju neodredjene vrednosti u proracunu!!!");
    // Springs and angles set in code obey the rule of the page and the file as well.
    for (const auto& c : model.nizCvorova)
        if (const char* g = GreskaElasticnogOslonca(c->OslX(), c->OslZ(), c->UkljY(), c->Kx(), c->Kz(), c->Kfi(),
                                                    c->Ugao()))
            throw TGreska("Cvor broj " + std::to_string(c->ID()) + ": " + g);
}

void ProveriRezultate(TModel& model, TStanjeAnalize& stanje) {
    const std::string problem = PrviProblem(model, stanje);
    if (problem.empty()) return;
    stanje.ObrisiRezultate(model);
    throw TGreska(problem);
}
