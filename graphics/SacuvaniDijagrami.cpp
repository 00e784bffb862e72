#include "SacuvaniDijagrami.h"

#include "CrtanjeDijagrama.h"

const std::vector<TDijagramiStapa>& TSacuvaniDijagrami::Za(const TModel& model, const TPodesavanja& p,
                                                           const TStanjeAnalize* stanje) {
    static const std::vector<TDijagramiStapa> nijedan;
    if (!stanje || !ImaRezultata(*stanje)) {
        dijagrami.reset();
        return nijedan;
    }
    const bool treba = p.prikaz.dijagram != TPrikaz::Bez || p.prikaz.linijaDeformacije;
    if (!treba) return nijedan;
    const void* pomeranja = stanje->vektor_qsGKS.get();
    if (dijagrami && !vezani) {
        vezani = true;
        izStanja = stanje;
        izPomeranja = pomeranja;
        stapova = dijagrami->size();
    }
    if (dijagrami && (izStanja != stanje || izPomeranja != pomeranja || stapova != model.nizStapova.size()))
        dijagrami.reset();
    if (!dijagrami) {
        dijagrami = std::make_shared<const std::vector<TDijagramiStapa>>(DijagramiZaCrtanje(model, p, stanje));
        izStanja = stanje;
        izPomeranja = pomeranja;
        stapova = model.nizStapova.size();
        vezani = true;
    }
    return *dijagrami;
}

void TSacuvaniDijagrami::Odbaci() {
    dijagrami = std::move(ponuda);
    ponuda.reset();
    vezani = false;
}
