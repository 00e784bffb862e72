#include "PodelaStapa.h"

#include <algorithm>
#include <cmath>

#include "Brojevi.h"
#include "TipoviStapa.h"
#include "UredjivanjeCvorova.h"
#include "UredjivanjeZajednicko.h"

namespace {

// A copy of a load for the second half, with an ID of its own.
TOpterecenje& KopijaZaDrugu(TModel& m, const TOpterecenje& o, int idDruge) {
    auto k = std::make_unique<TOpterecenje>(o);
    k->SetID(NoviID(m.nizOpterecenja));
    k->SetIDStapa(idDruge);
    m.nizOpterecenja.push_back(std::move(k));
    return *m.nizOpterecenja.back();
}

struct TPreracun {
    long double t;
    long double Na1(long double p) const { return p / t; }
    long double Na2(long double p) const { return (p - t) / (1 - t); }
};

// A load at one point: to the half it stands on; one exactly on the split point ends the first.
template <class Daj, class Postavi>
void Tacka(const TPreracun& r, TOpterecenje& o, int idDruge, TPodelaStapa& ishod, Daj daj, Postavi postavi) {
    const long double p = (o.*daj)();
    if (p <= r.t) {
        (o.*postavi)(std::min<long double>(1, r.Na1(p)));
        return;
    }
    o.SetIDStapa(idDruge);
    (o.*postavi)(std::clamp<long double>(r.Na2(p), 0, 1));
    ++ishod.premestenih;
}

struct TRasponPolja {
    long double (TOpterecenje::*pocetak)() const;
    long double (TOpterecenje::*kraj)() const;
    void (TOpterecenje::*postaviPocetak)(long double);
    void (TOpterecenje::*postaviKraj)(long double);
};

void Raspon(TModel& m, const TPreracun& r, TOpterecenje& o, int idDruge, TPodelaStapa& ishod, const TRasponPolja& p) {
    const long double a = (o.*p.pocetak)(), b = (o.*p.kraj)();
    if (b <= r.t) {
        (o.*p.postaviPocetak)(r.Na1(a));
        (o.*p.postaviKraj)(std::min<long double>(1, r.Na1(b)));
    } else if (a >= r.t) {
        o.SetIDStapa(idDruge);
        (o.*p.postaviPocetak)(std::max<long double>(0, r.Na2(a)));
        (o.*p.postaviKraj)(std::min<long double>(1, r.Na2(b)));
        ++ishod.premestenih;
    } else {
        TOpterecenje& druga = KopijaZaDrugu(m, o, idDruge);
        (druga.*p.postaviPocetak)(0);
        (druga.*p.postaviKraj)(std::min<long double>(1, r.Na2(b)));
        (o.*p.postaviPocetak)(r.Na1(a));
        (o.*p.postaviKraj)(1);
        ++ishod.podeljenih;
    }
}

void RasporediOpterecenja(TModel& m, int idPrve, int idDruge, long double t, TPodelaStapa& ishod) {
    const TPreracun r{t};
    const size_t n = m.nizOpterecenja.size();  // copies appended below are already placed
    for (size_t i = 0; i < n; ++i) {
        TOpterecenje& o = *m.nizOpterecenja[i];
        if (o.IDStapa() != idPrve) continue;
        switch (o.Tip()) {
            case toV:
                Tacka(r, o, idDruge, ishod, &TOpterecenje::PozicijaKoncentrisaneSile,
                      &TOpterecenje::SetPozicijaKoncentrisaneSile);
                break;
            case toM:
                Tacka(r, o, idDruge, ishod, &TOpterecenje::PozicijaKoncentrisanogMomenta,
                      &TOpterecenje::SetPozicijaKoncentrisanogMomenta);
                break;
            case toH:
                Tacka(r, o, idDruge, ishod, &TOpterecenje::PozicijaKoncentrisaneSileUPravcuOse,
                      &TOpterecenje::SetPozicijaKoncentrisaneSileUPravcuOse);
                break;
            case toPn:
                Raspon(m, r, o, idDruge, ishod,
                       {&TOpterecenje::PocetakRaspodeljenog, &TOpterecenje::KrajRaspodeljenog,
                        &TOpterecenje::SetPocetakRaspodeljenog, &TOpterecenje::SetKrajRaspodeljenog});
                break;
            case toPt:
                Raspon(
                    m, r, o, idDruge, ishod,
                    {&TOpterecenje::PocetakRaspodeljenogUPravcuOse, &TOpterecenje::KrajRaspodeljenogUPravcuOse,
                     &TOpterecenje::SetPocetakRaspodeljenogUPravcuOse, &TOpterecenje::SetKrajRaspodeljenogUPravcuOse});
                break;
            default:  // temperature acts along the whole member: on both halves
                KopijaZaDrugu(m, o, idDruge);
                ++ishod.podeljenih;
                break;
        }
    }
}

}  // namespace

bool PodeliStap(TModel& m, int idStapa, double t, TPodelaStapa* ishod) {
    const int i = IndeksPoID(m.nizStapova, idStapa);
    if (i < 0 || !(t > 0 && t < 1)) return false;
    const TStap& s = *m.nizStapova[size_t(i)];
    const TCvor& a = *s.PocetniCvor();
    const TCvor& b = *s.KrajnjiCvor();
    const long double x = a.X() + t * (b.X() - a.X()), z = a.Z() + t * (b.Z() - a.Z());
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, FormatBroja(x), FormatBroja(z));
    return PodeliStapUCvoru(m, idStapa, m.nizCvorova.back().get(), ishod);
}

bool PodeliStapUCvoru(TModel& m, int idStapa, TCvor* c, TPodelaStapa* ishod) {
    const int i = IndeksPoID(m.nizStapova, idStapa);
    if (i < 0 || !c) return false;
    TStap& s = *m.nizStapova[size_t(i)];
    const TCvor& a = *s.PocetniCvor();
    const TCvor& b = *s.KrajnjiCvor();
    if (c == &a || c == &b) return false;
    const int tip = s.TipStapa();
    const int idDruge = NoviID(m.nizStapova);
    m.nizStapova.push_back(std::make_unique<TStap>(idDruge, s.Materijal(), s.Presek(), c, s.KrajnjiCvor(),
                                                   TipSaKrajevima(true, KrajKrut(tip, false)).tip));
    TStap& prva = *m.nizStapova[size_t(i)];
    prva.SetKrajnjiCvor(c);
    prva.SetTipStapa(TipSaKrajevima(KrajKrut(tip, true), true).tip);
    TPodelaStapa rezultat;
    rezultat.idCvora = c->ID();
    rezultat.idNovogStapa = idDruge;
    // The node may sit a rounding away from the exact point; the loads follow where it is.
    const long double la = std::hypot(c->X() - a.X(), c->Z() - a.Z());
    const long double lb = std::hypot(b.X() - a.X(), b.Z() - a.Z());
    RasporediOpterecenja(m, idStapa, idDruge, la / lb, rezultat);
    if (ishod) *ishod = rezultat;
    return true;
}

TPolozajNaStapu NajblizaTackaStapa(const TStap& s, double x, double z) {
    const double ax = double(s.PocetniCvor()->X()), az = double(s.PocetniCvor()->Z());
    const double dx = double(s.KrajnjiCvor()->X()) - ax, dz = double(s.KrajnjiCvor()->Z()) - az;
    const double l2 = dx * dx + dz * dz;
    const double t = l2 > 0 ? std::clamp(((x - ax) * dx + (z - az) * dz) / l2, 0.0, 1.0) : 0.0;
    return {t, std::hypot(ax + t * dx - x, az + t * dz - z)};
}
