#include "UticajneLinije.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>

#include "Brojevi.h"
#include "DijagramiStapa.h"
#include "ElementStapa.h"
#include "Greska.h"
#include "Model.h"
#include "PoslovProracuna.h"
#include "PozicijeKodova.h"
#include "PutanjaResavanja.h"
#include "SileStapa.h"
#include "StanjeAnalize.h"
#include "TipoviStapa.h"

namespace {

using LD = long double;

struct TImeVelicine {
    TVelicinaUticaja v;
    const char* ime;
};
constexpr TImeVelicine Imena[] = {
    {TVelicinaUticaja::N, "N"},   {TVelicinaUticaja::T, "T"},   {TVelicinaUticaja::M, "M"},
    {TVelicinaUticaja::Rx, "Rx"}, {TVelicinaUticaja::Rz, "Rz"}, {TVelicinaUticaja::M0, "M0"},
    {TVelicinaUticaja::Ux, "Ux"}, {TVelicinaUticaja::Uz, "Uz"}, {TVelicinaUticaja::Fi, "Fi"},
    {TVelicinaUticaja::Fx, "Fx"}, {TVelicinaUticaja::Fz, "Fz"}, {TVelicinaUticaja::Mfi, "Mfi"},
};

// The sign that turns the work of the unit load on the conjugate shape into the quantity. With the
// far face of a section slipped or turned by +1 in the member's local axes, the virtual work of the
// section forces on the jump is -N, +T and -M; a support moved by +1 in its direction takes the
// reaction's work +R; a unit node force gives the displacement itself.
LD Znak(TVelicinaUticaja v) {
    switch (v) {
        case TVelicinaUticaja::T:
        case TVelicinaUticaja::Rx:
        case TVelicinaUticaja::Rz:
        case TVelicinaUticaja::M0: return -1;
        default: return 1;
    }
}

// The load's share of the member's local displacements: ordinate = au * u + aw * w.
struct TKomponenta {
    LD au, aw;
};
TKomponenta Komponenta(const TStap& s, TPravacTereta p) {
    const LD L = DuzinaStapa(s);
    const LD c = (s.KrajnjiCvor()->X() - s.PocetniCvor()->X()) / L;
    const LD sn = (s.KrajnjiCvor()->Z() - s.PocetniCvor()->Z()) / L;
    // Local x is (c, sn), local y (-sn, c) in global (X, Z).
    if (p == TPravacTereta::MinusZ) return {-sn, -c};
    return {-c, sn};
}

// The conjugate jump at a section: the part of the member beyond it slips by (du, dw) and turns by
// fi about the section, in local axes.
struct TSkokPreseka {
    LD du = 0, dw = 0, fi = 0;
};
TSkokPreseka SkokPreseka(TVelicinaUticaja v) {
    if (v == TVelicinaUticaja::N) return {1, 0, 0};
    if (v == TVelicinaUticaja::T) return {0, 1, 0};
    return {0, 0, 1};
}

// What the conjugate action is made of: unit node forces at code numbers of the s list, unit
// displacements of code numbers of the o list, and the jump at one member's section.
struct TDejstvo {
    int kodSile = -1;
    int kodOslonca = -1;
    const TStap* presecen = nullptr;
    LD x = 0;
    TSkokPreseka skok;
};

// The far end's share of the jump, in the member's local order (GKS): the end node would have to
// move so to follow the jump with the member unstrained.
TMatrix PomakKraja(const TStap& s, const TDejstvo& d) {
    const TOsobineTipa& tip = *OsobineTipa(s.TipStapa());
    TMatrix v = NovaMatrica(1, tip.brojStepeni);
    const LD L = DuzinaStapa(s);
    const LD c = (s.KrajnjiCvor()->X() - s.PocetniCvor()->X()) / L;
    const LD sn = (s.KrajnjiCvor()->Z() - s.PocetniCvor()->Z()) / L;
    const LD w2 = d.skok.dw + d.skok.fi * (L - d.x);
    auto postavi = [&](TPravacCvora p, LD vrednost) {
        if (int a = tip.Mesto(false, p)) v.SetElem(1, a, static_cast<double>(vrednost));
    };
    postavi(TPravacCvora::X, d.skok.du * c - w2 * sn);
    postavi(TPravacCvora::Z, d.skok.du * sn + w2 * c);
    postavi(TPravacCvora::Obrtanje, d.skok.fi);
    return v;
}

struct TSistem {
    const std::vector<int>& s;
    const std::vector<int>& o;
    TPozicije pozS;
};

// The right-hand side: the unit node force, minus K of every member times what the action
// prescribes at its ends (a support moved, the far end of a cut member).
TMatrix DesnaStrana(const TModel& model, const TSistem& sis, const TDejstvo& d) {
    const int n_s = static_cast<int>(sis.s.size());
    TMatrix f = NovaMatrica(1, n_s);
    auto dodaj = [&](int kod, LD v) {
        sis.pozS.ZaSve(kod, [&](int p) { f.SetElem(1, p, static_cast<double>(f.Elem(1, p) + v)); });
    };
    if (d.kodSile >= 0) dodaj(d.kodSile, 1);
    for (const auto& st : model.nizStapova) {
        const std::vector<int> kodovi = KodniBrojeviStapa(*st);
        TMatrix zadato = NovaMatrica(1, int(kodovi.size()));
        bool ima = false;
        if (st.get() == d.presecen) {
            zadato = PomakKraja(*st, d);
            zadato.SMult(-1);
            ima = true;
        }
        for (size_t a = 0; a < kodovi.size(); ++a)
            if (d.kodOslonca >= 0 && kodovi[a] == d.kodOslonca) {
                zadato.SetElem(1, int(a) + 1, zadato.Elem(1, int(a) + 1) + 1);
                ima = true;
            }
        if (!ima) continue;
        const TMatrix K = MatricaKrutostiGKS(*st);
        TMatrix Kd = NovaMatrica(1, int(kodovi.size()));
        K.Multiply(&zadato, &Kd);
        for (size_t a = 0; a < kodovi.size(); ++a) dodaj(kodovi[a], -LD(Kd.Elem(1, int(a) + 1)));
    }
    return f;
}

// Code number -> displacement of the conjugate state, read as the results read it: the last
// position of the s list, plus every prescribed one of the o list.
std::unordered_map<int, double> Pomeranja(const TSistem& sis, const TMatrix& z, const TDejstvo& d) {
    std::unordered_map<int, double> v;
    for (size_t p = 0; p < sis.s.size(); ++p) v[sis.s[p]] = z.Elem(1, int(p) + 1);
    for (int k : sis.o)
        if (k == d.kodOslonca) v[k] = v[k] + 1;
    return v;
}

// The member's exact unloaded line from its end displacements, as ordinates of the load.
TDeoUticaja LinijaStapa(const TStap& st, const TMatrix& qG, TPravacTereta pravac, LD znak) {
    const TSileStapa r = SileIzPomeranja(st, qG, {});
    const TDijagramiStapa d = IzracunajDijagrameStapa(st, r.RL, r.qL, {});
    const TDeoDijagrama& g = d.delovi.front();
    const TKomponenta k = Komponenta(st, pravac);
    TDeoUticaja u;
    u.x1 = d.L;
    for (int i = 0; i < 4; ++i) u.c[i] = znak * (k.au * (i < 3 ? g.u[i] : 0) + k.aw * g.w[i]);
    return u;
}

std::vector<TDeoUticaja> DeloviStapa(const TStap& st, const std::unordered_map<int, double>& pom, const TDejstvo& d,
                                     TPravacTereta pravac, LD znak) {
    const std::vector<int> kodovi = KodniBrojeviStapa(st);
    TMatrix qG = NovaMatrica(1, int(kodovi.size()));
    for (size_t a = 0; a < kodovi.size(); ++a) {
        auto it = pom.find(kodovi[a]);
        if (it != pom.end()) qG.SetElem(1, int(a) + 1, it->second);
    }
    if (&st != d.presecen) return {LinijaStapa(st, qG, pravac, znak)};
    // The cut member: its elastic part follows the end displacements less the far end's share of
    // the jump, and beyond the section the jump itself is added.
    TMatrix kraj = PomakKraja(st, d);
    kraj.SMult(-1);
    qG.Add(&kraj);
    const TDeoUticaja osnova = LinijaStapa(st, qG, pravac, znak);
    TDeoUticaja iza = osnova;
    const TKomponenta k = Komponenta(st, pravac);
    iza.c[0] += znak * (k.au * d.skok.du + k.aw * (d.skok.dw - d.skok.fi * d.x));
    iza.c[1] += znak * k.aw * d.skok.fi;
    if (d.x <= 0) return {iza};
    if (d.x >= osnova.x1) return {osnova};
    TDeoUticaja pre = osnova;
    pre.x1 = iza.x0 = d.x;
    return {pre, iza};
}

const TStap& StapPoId(const TModel& model, int id) {
    if (const TStap* s = NadjiStap(model, id)) return *s;
    throw TGreska("Ne postoji stap sa ID " + std::to_string(id) + "!!!");
}

const TCvor& CvorPoId(const TModel& model, int id) {
    if (const TCvor* c = NadjiCvor(model, id)) return *c;
    throw TGreska("Ne postoji cvor sa ID " + std::to_string(id) + "!!!");
}

bool UListi(const std::vector<int>& l, int kod) { return std::find(l.begin(), l.end(), kod) != l.end(); }

// The stiffness of the spring whose force is the quantity; 0 for every other quantity.
LD OprugaVelicine(const TCvor& c, TVelicinaUticaja v) {
    return v == TVelicinaUticaja::Fx    ? c.Kx()
           : v == TVelicinaUticaja::Fz  ? c.Kz()
           : v == TVelicinaUticaja::Mfi ? c.Kfi()
                                        : 0;
}

TDejstvo DejstvoCvora(const TModel& model, const TSistem& sis, const TZahtevUticaja& z) {
    const TCvor& c = CvorPoId(model, z.idCvora);
    using V = TVelicinaUticaja;
    const V v = z.velicina;
    const int kod = v == V::Rx || v == V::Ux || v == V::Fx   ? c.BrPomeranjaX()
                    : v == V::Rz || v == V::Uz || v == V::Fz ? c.BrPomeranjaZ()
                                                             : c.BrObrtanjaY();
    TDejstvo d;
    const std::string cvor = "Cvor " + std::to_string(c.ID());
    if (OprugaVelicine(c, v) == 0 && (v == V::Fx || v == V::Fz || v == V::Mfi)) {
        const char* pravac = v == V::Fx ? "X" : v == V::Fz ? "Z" : "obrtanja";
        throw TGreska(cvor + " nema oprugu u pravcu " + pravac + "!!!");
    }
    if (v == V::Rx || v == V::Rz || v == V::M0) {
        if (!UListi(sis.o, kod)) {
            const char* pravac = v == V::Rx ? "X" : v == V::Rz ? "Z" : "obrtanja (uklestenje)";
            throw TGreska(cvor + " nema oslonac u pravcu " + pravac + "!!!");
        }
        d.kodOslonca = kod;
    } else if (UListi(sis.s, kod)) {
        d.kodSile = kod;
    } else if (!UListi(sis.o, kod)) {
        // Only a node whose member ends are all hinged lacks its rotation in both lists.
        throw TGreska(cvor + " nema obrtanje: svi krajevi stapova u njemu su zglobni!!!");
    }
    return d;
}

TDejstvo DejstvoPreseka(const TModel& model, const TZahtevUticaja& z) {
    const TStap& st = StapPoId(model, z.idStapa);
    const LD L = DuzinaStapa(st);
    if (!(z.x >= 0 && z.x <= L)) throw TGreska("Presek mora biti na stapu: 0 <= x <= " + FormatBroja(L) + "!!!");
    TDejstvo d;
    d.presecen = &st;
    d.x = z.x;
    d.skok = SkokPreseka(z.velicina);
    return d;
}

// The members of the path in order, each entered from the node the previous one left.
std::vector<TUticajStapa> Put(const TModel& model, const std::vector<int>& ids) {
    std::vector<const TStap*> stapovi;
    if (ids.empty())
        for (const auto& s : model.nizStapova) stapovi.push_back(s.get());
    for (int id : ids) stapovi.push_back(&StapPoId(model, id));
    std::vector<TUticajStapa> put;
    const TCvor* izlaz = nullptr;
    LD t = 0;
    for (size_t i = 0; i < stapovi.size(); ++i) {
        const TStap& s = *stapovi[i];
        TUticajStapa u;
        u.idStapa = s.ID();
        u.L = DuzinaStapa(s);
        if (izlaz) u.obrnut = s.KrajnjiCvor() == izlaz && s.PocetniCvor() != izlaz;
        else if (i + 1 < stapovi.size()) {
            const TStap& n = *stapovi[i + 1];
            auto deli = [&](const TCvor* c) { return c == n.PocetniCvor() || c == n.KrajnjiCvor(); };
            u.obrnut = deli(s.PocetniCvor()) && !deli(s.KrajnjiCvor());
        }
        izlaz = u.obrnut ? s.PocetniCvor() : s.KrajnjiCvor();
        u.pocetak = t;
        t += u.L;
        put.push_back(std::move(u));
    }
    return put;
}

}  // namespace

std::optional<TVelicinaUticaja> ParsirajVelicinu(const std::string& ime) {
    for (const TImeVelicine& i : Imena)
        if (ime == i.ime) return i.v;
    return std::nullopt;
}

const char* ImeVelicine(TVelicinaUticaja v) {
    for (const TImeVelicine& i : Imena)
        if (i.v == v) return i.ime;
    return "";
}

bool VelicinaPreseka(TVelicinaUticaja v) {
    return v == TVelicinaUticaja::N || v == TVelicinaUticaja::T || v == TVelicinaUticaja::M;
}

TUticajnaLinija IzracunajUticajnuLiniju(const TModel& model, const TStanjeAnalize& stanje, const TZahtevUticaja& z) {
    if (!ImaRezultata(stanje) || !stanje.matricaKssGKS) throw TGreska("Nema rezultata analize!!!");
    const TSistem sis{*stanje.nizKodnihBrojevaNepoznatihPomeranja, *stanje.nizKodnihBrojevaPoznatihPomeranja,
                      TPozicije(*stanje.nizKodnihBrojevaNepoznatihPomeranja)};
    const TDejstvo d = VelicinaPreseka(z.velicina) ? DejstvoPreseka(model, z) : DejstvoCvora(model, sis, z);
    TUticajnaLinija linija;
    linija.velicina = z.velicina;
    linija.stapovi = Put(model, z.put);

    const int n_s = static_cast<int>(sis.s.size());
    TMatrix resenje = NovaMatrica(1, n_s);
    const bool imaDejstva = d.presecen || d.kodSile >= 0 || d.kodOslonca >= 0;
    if (n_s > 0 && imaDejstva) {
        const auto resavac = OblikSistema(stanje.putanja).Faktorisi(stanje.matricaKssGKS, n_s, TTokResavanja{});
        resenje = resavac->Resi(DesnaStrana(model, sis, d));
    }
    const auto pom = Pomeranja(sis, resenje, d);
    std::unordered_map<int, const TStap*> poId;
    for (const auto& s : model.nizStapova) poId.emplace(s->ID(), s.get());
    // A spring's force is its stiffness times the node's displacement, against it.
    const LD opruga = VelicinaPreseka(z.velicina) ? 0 : OprugaVelicine(CvorPoId(model, z.idCvora), z.velicina);
    const LD znak = opruga != 0 ? -opruga : Znak(z.velicina);
    for (TUticajStapa& u : linija.stapovi) u.delovi = DeloviStapa(*poId.at(u.idStapa), pom, d, z.pravac, znak);
    return linija;
}

TUticajnaLinija UticajnaLinijaModela(const TModel& model, const TZahtevUticaja& z) {
    TPoslovProracuna posao(model);
    TPosmatracProracuna posmatrac;
    const TRezultatProracuna r = posao.Izvrsi(posmatrac);
    if (r.ishod != TIshodProracuna::Uspeh) throw TGreska(r.poruka.empty() ? "Proracun nije zavrsen!!!" : r.poruka);
    return IzracunajUticajnuLiniju(posao.Model(), posao.Stanje(), z);
}
