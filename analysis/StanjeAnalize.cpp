#include "StanjeAnalize.h"

#include <unordered_map>
#include <utility>

#include "Model.h"

std::vector<std::unique_ptr<TMatrix>*> TStanjeAnalize::SveMatrice() {
    return {&matricaKGKS,
            &matricaKssGKS,
            &matricaKsoGKS,
            &matricaKosGKS,
            &matricaKooGKS,
            &matricaKssGKSInvertovana,
            &vektorPsGKS,
            &vektorQsGKS,
            &vektorSsGKS,
            &vektorQoGKS,
            &vektor_qsGKSOpterecenje,
            &vektor_qoGKS,
            &vektor_qsGKSPomeranjeOslonaca,
            &vektor_qsGKS};
}

void TStanjeAnalize::Inicijalizuj() {
    nizKodnihBrojevaNepoznatihPomeranja.emplace();
    nizKodnihBrojevaPoznatihPomeranja.emplace();
    nizKodnihBrojeva.emplace();
    for (auto* m : SveMatrice()) *m = std::make_unique<TMatrix>();
    ObrisiRetke();
}

void TStanjeAnalize::ObrisiRetke() {
    retkaKGKS.reset();
    retkaKssGKS.reset();
    retkaKsoGKS.reset();
    retkaKosGKS.reset();
    retkaKooGKS.reset();
    inverzKssNaZahtev.reset();
}

std::shared_ptr<const TIzvorMatrice> TStanjeAnalize::Izvor(TGlobalna koja) const {
    const std::unique_ptr<TMatrix>* gusta = nullptr;
    std::shared_ptr<const TIzvorMatrice> retka;
    switch (koja) {
        case TGlobalna::K: gusta = &matricaKGKS, retka = retkaKGKS; break;
        case TGlobalna::Kss: gusta = &matricaKssGKS, retka = retkaKssGKS; break;
        case TGlobalna::Kso: gusta = &matricaKsoGKS, retka = retkaKsoGKS; break;
        case TGlobalna::Kos: gusta = &matricaKosGKS, retka = retkaKosGKS; break;
        case TGlobalna::Koo: gusta = &matricaKooGKS, retka = retkaKooGKS; break;
        case TGlobalna::InvKss: gusta = &matricaKssGKSInvertovana, retka = inverzKssNaZahtev; break;
    }
    if (gusta && *gusta) return std::make_shared<TGustiIzvor>(**gusta);
    return retka;
}

void TStanjeAnalize::ObrisiRezultate(TModel& model) {
    nizKodnihBrojevaNepoznatihPomeranja.reset();
    nizKodnihBrojevaPoznatihPomeranja.reset();
    nizKodnihBrojeva.reset();
    for (auto* m : SveMatrice()) m->reset();
    ObrisiRetke();
    for (auto& c : model.nizCvorova) {
        c->SetRx(0);
        c->SetRz(0);
        c->SetMukljY(0);
        c->SetUx(0);
        c->SetUz(0);
        c->SetFiy(0);
    }
}

void TStanjeAnalize::ZameniRezultate(TStanjeAnalize& drugo) {
    std::swap(nizKodnihBrojevaNepoznatihPomeranja, drugo.nizKodnihBrojevaNepoznatihPomeranja);
    std::swap(nizKodnihBrojevaPoznatihPomeranja, drugo.nizKodnihBrojevaPoznatihPomeranja);
    std::swap(nizKodnihBrojeva, drugo.nizKodnihBrojeva);
    const auto moje = SveMatrice();
    const auto njene = drugo.SveMatrice();
    for (size_t i = 0; i < moje.size(); ++i) moje[i]->swap(*njene[i]);
    std::swap(retkaKGKS, drugo.retkaKGKS);
    std::swap(retkaKssGKS, drugo.retkaKssGKS);
    std::swap(retkaKsoGKS, drugo.retkaKsoGKS);
    std::swap(retkaKosGKS, drugo.retkaKosGKS);
    std::swap(retkaKooGKS, drugo.retkaKooGKS);
    std::swap(inverzKssNaZahtev, drugo.inverzKssNaZahtev);
    std::swap(putanja, drugo.putanja);
}

int BrojStepeniSlobode(int tipStapa) {
    switch (tipStapa) {
        case tsK: return 6;
        case tsIG:
        case tsGK: return 5;
        case tsProst: return 4;
        default: return 0;
    }
}

std::vector<int> KodniBrojeviStapa(const TStap& stap) {
    const TCvor& i = *stap.PocetniCvor();
    const TCvor& k = *stap.KrajnjiCvor();
    switch (stap.TipStapa()) {
        case tsK:
            return {i.BrPomeranjaX(), i.BrPomeranjaZ(), i.BrObrtanjaY(),
                    k.BrPomeranjaX(), k.BrPomeranjaZ(), k.BrObrtanjaY()};
        case tsIG: return {i.BrPomeranjaX(), i.BrPomeranjaZ(), i.BrObrtanjaY(), k.BrPomeranjaX(), k.BrPomeranjaZ()};
        case tsGK: return {i.BrPomeranjaX(), i.BrPomeranjaZ(), k.BrPomeranjaX(), k.BrPomeranjaZ(), k.BrObrtanjaY()};
        case tsProst: return {i.BrPomeranjaX(), i.BrPomeranjaZ(), k.BrPomeranjaX(), k.BrPomeranjaZ()};
        default: return {};
    }
}

void SacuvajPomeranjaCvorova(TModel& model, const TStanjeAnalize& stanje) {
    const auto& s = stanje.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = stanje.nizKodnihBrojevaPoznatihPomeranja;
    if (!s || !o || !stanje.vektor_qsGKS || !stanje.vektor_qoGKS) return;
    // Each node sets the fields whose code number sits at a position; walking the nodes once per
    // list with a map gives the same values as searching every position, and the later position
    // still wins when a code number repeats.
    auto upisi = [&](const std::vector<int>& lista, const TMatrix& q) {
        std::unordered_map<int, int> poslednja;  // code number -> its last position (1-based)
        for (size_t p = 0; p < lista.size(); ++p) poslednja[lista[p]] = static_cast<int>(p) + 1;
        for (auto& c : model.nizCvorova) {
            if (auto it = poslednja.find(c->BrPomeranjaX()); it != poslednja.end()) c->SetUx(q.Elem(1, it->second));
            if (auto it = poslednja.find(c->BrPomeranjaZ()); it != poslednja.end()) c->SetUz(q.Elem(1, it->second));
            if (auto it = poslednja.find(c->BrObrtanjaY()); it != poslednja.end()) c->SetFiy(q.Elem(1, it->second));
        }
    };
    upisi(*s, *stanje.vektor_qsGKS);
    upisi(*o, *stanje.vektor_qoGKS);
}
