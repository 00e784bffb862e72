#include "StanjeAnalize.h"

#include <unordered_map>
#include <utility>

#include "Model.h"
#include "OseCvora.h"
#include "TipoviStapa.h"

std::vector<TGlobalnaMatrica*> TStanjeAnalize::SveMatrice() {
    return {&matricaKGKS, &matricaKssGKS, &matricaKsoGKS, &matricaKosGKS, &matricaKooGKS, &matricaKssGKSInvertovana};
}

std::vector<std::unique_ptr<TMatrix>*> TStanjeAnalize::SviVektori() {
    return {&vektorPsGKS,
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
    for (auto* m : SveMatrice()) *m = GustiIzvor(TMatrix());
    for (auto* v : SviVektori()) *v = std::make_unique<TMatrix>();
}

void TStanjeAnalize::ObrisiRezultate(TModel& model) {
    nizKodnihBrojevaNepoznatihPomeranja.reset();
    nizKodnihBrojevaPoznatihPomeranja.reset();
    nizKodnihBrojeva.reset();
    for (auto* m : SveMatrice()) m->reset();
    for (auto* v : SviVektori()) v->reset();
    presuda.reset();
    mereResenja.reset();
    upozorenja.clear();
    for (auto& c : model.nizCvorova) {
        c->SetRx(0);
        c->SetRz(0);
        c->SetMukljY(0);
        c->SetUx(0);
        c->SetUz(0);
        c->SetFiy(0);
        c->SetSileOpruge(0, 0, 0);
    }
}

void TStanjeAnalize::ZameniRezultate(TStanjeAnalize& drugo) {
    std::swap(nizKodnihBrojevaNepoznatihPomeranja, drugo.nizKodnihBrojevaNepoznatihPomeranja);
    std::swap(nizKodnihBrojevaPoznatihPomeranja, drugo.nizKodnihBrojevaPoznatihPomeranja);
    std::swap(nizKodnihBrojeva, drugo.nizKodnihBrojeva);
    const auto moje = SveMatrice();
    const auto njene = drugo.SveMatrice();
    for (size_t i = 0; i < moje.size(); ++i) moje[i]->swap(*njene[i]);
    const auto mojiV = SviVektori();
    const auto njeniV = drugo.SviVektori();
    for (size_t i = 0; i < mojiV.size(); ++i) mojiV[i]->swap(*njeniV[i]);
    std::swap(presuda, drugo.presuda);
    std::swap(mereResenja, drugo.mereResenja);
    std::swap(upozorenja, drugo.upozorenja);
    std::swap(putanja, drugo.putanja);
}

int BrojStepeniSlobode(int tipStapa) {
    const TOsobineTipa* t = OsobineTipa(tipStapa);
    return t ? t->brojStepeni : 0;
}

std::vector<int> KodniBrojeviStapa(const TStap& stap) {
    const TOsobineTipa* t = OsobineTipa(stap.TipStapa());
    if (!t) return {};
    std::vector<int> kodovi;
    kodovi.reserve(static_cast<size_t>(t->brojStepeni));
    for (int a = 0; a < t->brojStepeni; ++a) {
        const TStepenSlobode& d = t->stepeni[static_cast<size_t>(a)];
        kodovi.push_back(KodniBroj(d.naPocetku ? *stap.PocetniCvor() : *stap.KrajnjiCvor(), d.pravac));
    }
    return kodovi;
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
    // The solution of a turned node is along its own axes; the node shows X and Z.
    for (auto& c : model.nizCvorova) {
        if (c->Ugao() == 0) continue;
        double ux = 0, uz = 0;
        UGlobalneOse(OseCvora(*c), static_cast<double>(c->Ux()), static_cast<double>(c->Uz()), ux, uz);
        c->SetUx(ux);
        c->SetUz(uz);
    }
}
