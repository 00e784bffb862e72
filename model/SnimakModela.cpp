#include "SnimakModela.h"

#include <algorithm>
#include <unordered_map>

#include "PozicijeEntiteta.h"
#include "KopijaModela.h"

namespace {

// A slot of a piece costs a pointer; this many slots weigh as much as one entity copy.
constexpr size_t slotovaPoEntitetu = 16;

bool Isti(const TZapisStapa& a, const TZapisStapa& b) {
    return a.id == b.id && a.tip == b.tip && a.opruga[0] == b.opruga[0] && a.opruga[1] == b.opruga[1] &&
           a.materijal == b.materijal && a.presek == b.presek && a.pocetni == b.pocetni && a.krajnji == b.krajnji;
}

// Which earlier entity the entity at `i` may be: the lists are matched from the head and from the
// tail, so adding or deleting one entity leaves all others shared.
struct TPoravnanje {
    size_t glava = 0, rep = 0, na = 0, nb = 0;
    size_t Ranije(size_t i) const {
        if (i < glava) return i;
        if (i >= nb - rep) return i - nb + na;
        return i < na ? i : size_t(-1);
    }
};

// `novi(i)` is the current entity at i, `istiKao(i, ranije)` whether it equals an earlier copy.
template <class T, class Novi>
TDeljenaLista<T> Podeli(size_t n, const TDeljenaLista<T>* pre, Novi novi, size_t& novo) {
    TPoravnanje p;
    p.na = pre ? pre->velicina : 0;
    p.nb = n;
    const size_t m = std::min(p.na, p.nb);
    while (p.glava < m && Isti(*(*pre)[p.glava], novi(p.glava))) ++p.glava;
    while (p.rep < m - p.glava && Isti(*(*pre)[p.na - 1 - p.rep], novi(p.nb - 1 - p.rep))) ++p.rep;
    TDeljenaLista<T> lista;
    lista.velicina = n;
    for (size_t pocetak = 0; pocetak < n; pocetak += velicinaKomada) {
        const size_t k = pocetak / velicinaKomada, kraj = std::min(n, pocetak + velicinaKomada);
        // A piece inside the equal head (or, between lists of one length, the equal tail) that the
        // earlier state holds at the same size is that state's piece: nothing to copy or compare.
        const bool uGlavi = kraj <= p.glava, uRepu = p.na == p.nb && pocetak >= p.nb - p.rep;
        if (pre && k < pre->komadi.size() && pre->komadi[k]->size() == kraj - pocetak && (uGlavi || uRepu)) {
            lista.komadi.push_back(pre->komadi[k]);
            continue;
        }
        auto komad = std::make_shared<typename TDeljenaLista<T>::TKomad>();
        komad->reserve(std::min(velicinaKomada, n - pocetak));
        for (size_t i = pocetak; i < n && i < pocetak + velicinaKomada; ++i) {
            const size_t r = p.Ranije(i);
            const T& e = novi(i);
            if (r != size_t(-1) && Isti(*(*pre)[r], e)) {
                komad->push_back((*pre)[r]);
            } else {
                komad->push_back(std::make_shared<const T>(e));
                ++novo;
            }
        }
        if (pre && k < pre->komadi.size() && *pre->komadi[k] == *komad) {
            lista.komadi.push_back(pre->komadi[k]);
        } else {
            novo += (komad->size() + slotovaPoEntitetu - 1) / slotovaPoEntitetu;
            lista.komadi.push_back(std::move(komad));
        }
    }
    return lista;
}

template <class T>
TDeljenaLista<T> PodeliEntitete(const std::vector<std::unique_ptr<T>>& lista, const TDeljenaLista<T>* pre,
                                size_t& novo) {
    return Podeli<T>(
        lista.size(), pre, [&](size_t i) -> const T& { return *lista[i]; }, novo);
}

std::vector<TZapisStapa> ZapisiStapova(const TModel& model) {
    const auto materijali = Pozicije(model.nizMaterijala);
    const auto preseci = Pozicije(model.nizPreseka);
    const auto cvorovi = Pozicije(model.nizCvorova);
    std::vector<TZapisStapa> zapisi;
    zapisi.reserve(model.nizStapova.size());
    for (const auto& s : model.nizStapova) {
        TZapisStapa z;
        z.id = s->ID();
        z.tip = s->TipStapa();
        z.opruga[0] = s->OprugaPocetka();
        z.opruga[1] = s->OprugaKraja();
        z.materijal = Pozicija(materijali, s->Materijal());
        z.presek = Pozicija(preseci, s->Presek());
        z.pocetni = Pozicija(cvorovi, s->PocetniCvor());
        z.krajnji = Pozicija(cvorovi, s->KrajnjiCvor());
        zapisi.push_back(z);
    }
    return zapisi;
}

template <class T>
void Izgradi(const TDeljenaLista<T>& izvor, std::vector<std::unique_ptr<T>>& cilj) {
    cilj.reserve(izvor.velicina);
    for (const auto& komad : izvor.komadi)
        for (const auto& e : *komad) cilj.push_back(std::make_unique<T>(*e));
}

template <class T>
bool Deli(const TDeljenaLista<T>& a, const TDeljenaLista<T>& b) {
    return a.velicina == b.velicina && a.komadi == b.komadi;
}

}  // namespace

std::shared_ptr<const TSnimakModela> SnimiModel(const TModel& model, const TSnimakModela* prethodni) {
    auto s = std::make_shared<TSnimakModela>();
    const bool p = prethodni != nullptr;
    s->materijali = PodeliEntitete(model.nizMaterijala, p ? &prethodni->materijali : nullptr, s->novo);
    s->preseci = PodeliEntitete(model.nizPreseka, p ? &prethodni->preseci : nullptr, s->novo);
    s->cvorovi = PodeliEntitete(model.nizCvorova, p ? &prethodni->cvorovi : nullptr, s->novo);
    const std::vector<TZapisStapa> zapisi = ZapisiStapova(model);
    s->stapovi = Podeli<TZapisStapa>(
        zapisi.size(), p ? &prethodni->stapovi : nullptr, [&](size_t i) -> const TZapisStapa& { return zapisi[i]; },
        s->novo);
    s->opterecenja = PodeliEntitete(model.nizOpterecenja, p ? &prethodni->opterecenja : nullptr, s->novo);
    s->minRastojanjeCvorova = model.minRastojanjeCvorova;
    s->opcijeAnalize = model.opcijeAnalize;
    s->isti = p && Deli(s->materijali, prethodni->materijali) && Deli(s->preseci, prethodni->preseci) &&
              Deli(s->cvorovi, prethodni->cvorovi) && Deli(s->stapovi, prethodni->stapovi) &&
              Deli(s->opterecenja, prethodni->opterecenja) &&
              s->minRastojanjeCvorova == prethodni->minRastojanjeCvorova &&
              s->opcijeAnalize == prethodni->opcijeAnalize;
    return s;
}

std::unique_ptr<TModel> IzgradiModel(const TSnimakModela& snimak) {
    auto m = std::make_unique<TModel>();
    m->minRastojanjeCvorova = snimak.minRastojanjeCvorova;
    m->opcijeAnalize = snimak.opcijeAnalize;
    Izgradi(snimak.materijali, m->nizMaterijala);
    Izgradi(snimak.preseci, m->nizPreseka);
    Izgradi(snimak.cvorovi, m->nizCvorova);
    Izgradi(snimak.opterecenja, m->nizOpterecenja);
    m->nizStapova.reserve(snimak.stapovi.velicina);
    for (const auto& komad : snimak.stapovi.komadi)
        for (const auto& z : *komad) {
            m->nizStapova.push_back(std::make_unique<TStap>(
                z->id, NaPoziciji(m->nizMaterijala, z->materijal), NaPoziciji(m->nizPreseka, z->presek),
                NaPoziciji(m->nizCvorova, z->pocetni), NaPoziciji(m->nizCvorova, z->krajnji), z->tip));
            for (bool naPocetku : {true, false})
                m->nizStapova.back()->SetOpruga(naPocetku, z->opruga[naPocetku ? 0 : 1]);
        }
    return m;
}

size_t VelicinaSnimka(const TSnimakModela& s) {
    const size_t n =
        s.materijali.velicina + s.preseci.velicina + s.cvorovi.velicina + s.stapovi.velicina + s.opterecenja.velicina;
    return n + n / slotovaPoEntitetu;
}
