#include "UredjivanjeIzbora.h"

#include <algorithm>
#include <cmath>

#include "Brojevi.h"
#include "Greska.h"
#include "PodelaStapa.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeStapova.h"

namespace {

bool Sadrzi(const std::vector<int>& v, int id) { return std::find(v.begin(), v.end(), id) != v.end(); }

bool KoristiCvor(const TStap& s, int idCvora) {
    return (s.PocetniCvor() && s.PocetniCvor()->ID() == idCvora) ||
           (s.KrajnjiCvor() && s.KrajnjiCvor()->ID() == idCvora);
}

bool Bliski(const TModel& m, long double x, long double z, const TCvor& c) {
    const long double d = m.minRastojanjeCvorova;
    return std::fabs(x - c.X()) <= d && std::fabs(z - c.Z()) <= d;
}

[[noreturn]] void CvorPostoji(const TModel& m) {
    throw TGreska("Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi " +
                  FormatBroja(m.minRastojanjeCvorova) + "!!!");
}

}  // namespace

TIzbor IzborUPravougaoniku(const TModel& m, double x1, double z1, double x2, double z2) {
    const double xMin = std::min(x1, x2), xMax = std::max(x1, x2);
    const double zMin = std::min(z1, z2), zMax = std::max(z1, z2);
    auto unutra = [&](const TCvor* c) {
        return c && double(c->X()) >= xMin && double(c->X()) <= xMax && double(c->Z()) >= zMin &&
               double(c->Z()) <= zMax;
    };
    TIzbor iz;
    for (const auto& c : m.nizCvorova)
        if (unutra(c.get())) iz.cvorovi.push_back(c->ID());
    for (const auto& s : m.nizStapova)
        if (unutra(s->PocetniCvor()) && unutra(s->KrajnjiCvor())) iz.stapovi.push_back(s->ID());
    return iz;
}

bool ObrisiIzbor(TModel& m, const TIzbor& izbor) {
    bool promena = false;
    for (size_t i = m.nizStapova.size(); i-- > 0;) {
        const TStap& s = *m.nizStapova[i];
        bool brisi = Sadrzi(izbor.stapovi, s.ID());
        for (int id : izbor.cvorovi) brisi = brisi || KoristiCvor(s, id);
        if (brisi) promena = ObrisiStap(m, int(i)) || promena;
    }
    for (size_t i = m.nizCvorova.size(); i-- > 0;)
        if (Sadrzi(izbor.cvorovi, m.nizCvorova[i]->ID())) promena = ObrisiCvor(m, int(i)) || promena;
    return promena;
}

bool PomeriIzbor(TModel& m, const TIzbor& izbor, long double dx, long double dz) {
    std::vector<TCvor*> pomereni;
    auto dodaj = [&](TCvor* c) {
        if (c && std::find(pomereni.begin(), pomereni.end(), c) == pomereni.end()) pomereni.push_back(c);
    };
    for (int id : izbor.cvorovi) dodaj(NadjiCvor(m, id));
    for (int id : izbor.stapovi)
        if (const TStap* s = NadjiStap(m, id)) dodaj(s->PocetniCvor()), dodaj(s->KrajnjiCvor());
    if (pomereni.empty() || (dx == 0 && dz == 0)) return false;
    // Moved together, the selected nodes keep their distances; only the ones left behind can clash.
    for (const TCvor* p : pomereni)
        for (const auto& c : m.nizCvorova)
            if (std::find(pomereni.begin(), pomereni.end(), c.get()) == pomereni.end() &&
                Bliski(m, p->X() + dx, p->Z() + dz, *c))
                CvorPostoji(m);
    for (TCvor* p : pomereni) p->SetX(p->X() + dx), p->SetZ(p->Z() + dz);
    return true;
}

namespace {

struct TPresecnaTacka {
    long double x, z, tA, tB;
};

// The crossing of the two members' lines with its relative positions on each; false when parallel.
bool Presek(const TStap& a, const TStap& b, TPresecnaTacka& p) {
    const long double ax = a.PocetniCvor()->X(), az = a.PocetniCvor()->Z();
    const long double bx = b.PocetniCvor()->X(), bz = b.PocetniCvor()->Z();
    const long double ux = a.KrajnjiCvor()->X() - ax, uz = a.KrajnjiCvor()->Z() - az;
    const long double vx = b.KrajnjiCvor()->X() - bx, vz = b.KrajnjiCvor()->Z() - bz;
    const long double det = ux * vz - uz * vx;
    if (std::fabs(det) <= 1e-12L * std::hypot(ux, uz) * std::hypot(vx, vz)) return false;
    p.tA = ((bx - ax) * vz - (bz - az) * vx) / det;
    p.tB = ((bx - ax) * uz - (bz - az) * ux) / det;
    p.x = ax + p.tA * ux;
    p.z = az + p.tA * uz;
    return true;
}

// The end node of the member at the point, if one is there.
TCvor* KrajUTacki(const TModel& m, const TStap& s, const TPresecnaTacka& p) {
    if (Bliski(m, p.x, p.z, *s.PocetniCvor())) return s.PocetniCvor();
    if (Bliski(m, p.x, p.z, *s.KrajnjiCvor())) return s.KrajnjiCvor();
    return nullptr;
}

bool NaStapu(const TModel& m, const TStap& s, long double t, const TPresecnaTacka& p) {
    return (t >= 0 && t <= 1) || KrajUTacki(m, s, p);
}

}  // namespace

void PreseciStapove(TModel& m, int idA, int idB, std::vector<TPodelaStapa>* podele) {
    const TStap* a = NadjiStap(m, idA);
    const TStap* b = NadjiStap(m, idB);
    if (!a || !b || a == b) throw TGreska("Izaberite dva stapa koji se seku!!!");
    TPresecnaTacka p{};
    if (!Presek(*a, *b, p) || !NaStapu(m, *a, p.tA, p) || !NaStapu(m, *b, p.tB, p))
        throw TGreska("Izabrani stapovi se ne seku!!!");
    TCvor* krajA = KrajUTacki(m, *a, p);
    TCvor* krajB = KrajUTacki(m, *b, p);
    if (krajA && krajB) throw TGreska("Izabrani stapovi se vec sastaju u cvoru!!!");
    std::vector<TPodelaStapa> ishod;
    TPodelaStapa d;
    TCvor* zajednicki = krajA ? krajA : krajB;
    if (!zajednicki) {
        PodeliStap(m, idA, double(p.tA), &d);
        ishod.push_back(d);
        zajednicki = NadjiCvor(m, d.idCvora);
    }
    // The member without the shared node as an end is split at that node.
    const int drugi = krajA ? idB : (krajB ? idA : idB);
    if (PodeliStapUCvoru(m, drugi, zajednicki, &d)) ishod.push_back(d);
    if (podele) *podele = ishod;
}
