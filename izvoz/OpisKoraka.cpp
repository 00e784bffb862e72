#include "OpisKoraka.h"

#include <cmath>
#include <utility>

#include "KoraciInverzije.h"
#include "MatriceMetode.h"
#include "Model.h"
#include "OpisInverzije.h"
#include "StanjeAnalize.h"
#include "ZapisBroja.h"

namespace {

std::string Poravnaj(const std::string& s, size_t w) { return std::string(w > s.size() ? w - s.size() : 0, ' ') + s; }

std::string Lista(const std::vector<int>& l) {
    std::string s;
    for (size_t i = 0; i < l.size(); ++i) s += (i ? " " : "") + std::to_string(l[i]);
    return s;
}

struct TPisac {
    const std::vector<TImenovanaMatrica>& sve;
    int cifara;
    std::string Matrica(const std::string& ime, const std::string& natpis) const {
        const auto m = NadjiMatricu(sve, ime);
        if (!m) return "";
        return natpis + ":\n" +
               MatricaKaoTekst(*m->izvor, m->redova, m->kolona, m->kodoviRedova, m->kodoviKolona, cifara) + "\n";
    }
};

TKorakMetode KorakStapa(const TKorakSklapanja& k, size_t i, const std::vector<int>& sve, const TPisac& p) {
    const std::string id = std::to_string(k.idStapa);
    TKorakMetode s;
    s.naslov = "Stap " + id + ": sabiranje u K";
    s.indeksStapa = k.indeksStapa;
    s.korakSklapanja = static_cast<int>(i);
    s.tekst = "Kodni brojevi stapa " + id + ": " + Lista(k.kodovi) + "\n\n" + p.Matrica("T_" + id, "T") +
              p.Matrica("kLKS_" + id, "k LKS") + p.Matrica("kGKS_" + id, "k GKS = T' k LKS T") +
              p.Matrica("QGKS_" + id, "Q GKS (u vektor opterecenja na svojim kodnim brojevima)") + "K posle stapa " +
              id + ":\n" + MatricaKaoTekst(TGustiIzvor(k.K), k.K.NrOfRows(), k.K.NrOfColumns(), sve, sve, p.cifara);
    return s;
}

std::string Resenje(const TStanjeAnalize& st, const TPisac& p) {
    const auto& inv = st.matricaKssGKSInvertovana;
    const size_t ns = st.nizKodnihBrojevaNepoznatihPomeranja->size();
    std::string t;
    if (inv && !inv->NaZahtev() && ns <= 12) {
        t += p.Matrica("invKss", "inv Kss (Crout, delimicno pivotiranje)");
    } else if (st.matricaKssGKS) {
        const auto nnz = st.matricaKssGKS->BrojNenultih();
        t += "Kss je " + std::to_string(ns) + " x " + std::to_string(ns) +
             (nnz >= 0 ? ", nenultih " + std::to_string(nnz) : std::string()) +
             (st.putanja == TPutanjaResavanja::Retka ? "; retka LDL' faktorizacija" : "; puna inverzija") + "\n\n";
    }
    return t + p.Matrica("qs", "qs = inv Kss (Ss - Kso qo)") + p.Matrica("qo", "qo");
}

// Sums over the code numbers of one direction of every node.
std::string Ravnoteza(const TModel& model, const std::vector<TImenovanaMatrica>& sve, int cifara) {
    long double px = 0, pz = 0, rx = 0, rz = 0;
    for (const auto& c : model.nizCvorova) px += c->Px(), pz += c->Pz();
    const auto Ro = NadjiMatricu(sve, "Ro"), o = NadjiMatricu(sve, "o");
    for (int i = 1; Ro && o && i <= Ro->redova; ++i)
        for (const auto& c : model.nizCvorova) {
            const int kod = static_cast<int>(o->Element(1, i));
            if (c->OslX() && c->BrPomeranjaX() == kod) rx += Ro->Element(1, i);
            if (c->OslZ() && c->BrPomeranjaZ() == kod) rz += Ro->Element(1, i);
        }
    long double qx = 0, qz = 0;
    for (const auto& s : model.nizStapova) {
        const std::string id = std::to_string(s->ID());
        const auto Q = NadjiMatricu(sve, "QGKS_" + id), k = NadjiMatricu(sve, "kodovi_" + id);
        for (int a = 1; Q && k && a <= Q->redova; ++a) {
            const int kod = static_cast<int>(k->Element(1, a));
            for (const TCvor* c : {s->PocetniCvor(), s->KrajnjiCvor()}) {
                if (c->BrPomeranjaX() == kod) qx += Q->Element(1, a);
                if (c->BrPomeranjaZ() == kod) qz += Q->Element(1, a);
            }
        }
    }
    auto b = [&](long double v) { return ZapisSaCiframa(static_cast<double>(v), cifara); };
    return "Zbir sila u cvorovima:        X = " + b(px) + ", Z = " + b(pz) +
           "\nZbir ekvivalentnih sila Q:    X = " + b(qx) + ", Z = " + b(qz) +
           "\nZbir reakcija:                X = " + b(rx) + ", Z = " + b(rz) +
           "\nReakcije + opterecenja:       X = " + b(rx + px + qx) + ", Z = " + b(rz + pz + qz) + "\n";
}

}  // namespace

std::string TabelaKaoTekst(int redova, int kolona, const std::function<std::string(int, int)>& celija,
                           const std::vector<int>& kr, const std::vector<int>& kk, int cifara) {
    const size_t w = static_cast<size_t>(cifara) + 8;
    std::string s;
    if (!kk.empty()) {
        s += kr.empty() ? "" : std::string(6, ' ');
        for (int c = 1; c <= kolona; ++c) s += Poravnaj(std::to_string(kk[size_t(c - 1)]), w);
        s += "\n";
    }
    for (int r = 1; r <= redova; ++r) {
        if (!kr.empty()) s += Poravnaj(std::to_string(kr[size_t(r - 1)]), 4) + " |";
        for (int c = 1; c <= kolona; ++c) s += Poravnaj(celija(c, r), w);
        s += "\n";
    }
    return s;
}

std::string MatricaKaoTekst(const TIzvorMatrice& m, int redova, int kolona, const std::vector<int>& kr,
                            const std::vector<int>& kk, int cifara) {
    // + 0.0 shows a negative zero (the sine of a zero angle, turned) as the 0 a student writes.
    return TabelaKaoTekst(
        redova, kolona, [&](int c, int r) { return ZapisSaCiframa(m.Element(c, r) + 0.0, cifara); }, kr, kk, cifara);
}

std::vector<TKorakMetode> KoraciMetode(const TModel& model, const TStanjeAnalize& st,
                                       const std::vector<TKorakSklapanja>& sklapanje, int cifara) {
    std::vector<TKorakMetode> v;
    const std::vector<TImenovanaMatrica> sve = SveMatriceMetode(model, st);
    if (sve.empty()) return v;
    const TPisac p{sve, cifara};
    for (size_t i = 0; i < sklapanje.size(); ++i) v.push_back(KorakStapa(sklapanje[i], i, *st.nizKodnihBrojeva, p));
    v.push_back({"Podela K na Kss, Kso, Kos, Koo",
                 "s (nepoznata pomeranja): " + Lista(*st.nizKodnihBrojevaNepoznatihPomeranja) +
                     "\no (poznata pomeranja):   " + Lista(*st.nizKodnihBrojevaPoznatihPomeranja) + "\n\n" +
                     p.Matrica("Kss", "Kss") + p.Matrica("Kso", "Kso") + p.Matrica("Kos", "Kos") +
                     p.Matrica("Koo", "Koo")});
    v.push_back({"Desna strana: Ss = Ps + Qs i Kso qo",
                 p.Matrica("Ps", "Ps") + p.Matrica("Qs", "Qs") + p.Matrica("Ss", "Ss") + p.Matrica("qo", "qo")});
    // The inversion step by step where the run's own stages can be shown, else its facts at once.
    const std::string resenje = p.Matrica("qs", "qs = inv Kss (Ss - Kso qo)") + p.Matrica("qo", "qo");
    std::vector<TKorakMetode> crout =
        KoraciCrouta(KoraciInverzijeKss(st), *st.nizKodnihBrojevaNepoznatihPomeranja, cifara, resenje);
    if (crout.empty()) v.push_back({"Resenje sistema", Resenje(st, p)});
    for (TKorakMetode& k : crout) v.push_back(std::move(k));
    for (size_t i = 0; i < model.nizStapova.size(); ++i) {
        const std::string id = std::to_string(model.nizStapova[i]->ID());
        TKorakMetode k{"Stap " + id + ": sile na krajevima",
                       p.Matrica("QLKS_" + id, "Q LKS") + p.Matrica("R_" + id, "R LKS = k LKS q LKS - Q LKS")};
        k.indeksStapa = static_cast<int>(i);
        v.push_back(std::move(k));
    }
    v.push_back({"Reakcije i provera ravnoteze",
                 p.Matrica("Qo", "Qo") + p.Matrica("Ro", "Ro") + Ravnoteza(model, sve, cifara)});
    return v;
}

std::string TekstKoraka(const std::vector<TKorakMetode>& koraci) {
    std::string s;
    for (size_t i = 0; i < koraci.size(); ++i)
        s += std::to_string(i + 1) + ". " + koraci[i].naslov + "\n\n" + koraci[i].tekst + "\n";
    return s;
}
