#include "ResavanjeSistema.h"

#include <memory>
#include <optional>

#include "Greska.h"
#include "Model.h"
#include "OseCvora.h"
#include "StanjeAnalize.h"

namespace {

template <class T>
const T& Prisutna(const T* m) {
    if (!m) throw TGreska("Matrica krutosti nije formirana!!!");
    return *m;
}

// qo: the prescribed displacements of the supported directions.
TMatrix ZadataPomeranja(const TModel& model, const TPozicije& pozicijeO, int n_o) {
    TMatrix qo = NovaMatrica(1, n_o);
    for (const auto& c : model.nizCvorova) {
        pozicijeO.ZaSve(c->BrPomeranjaX(), [&](int i) { qo.SetElem(1, i, static_cast<double>(c->ZadatoUx())); });
        pozicijeO.ZaSve(c->BrPomeranjaZ(), [&](int i) { qo.SetElem(1, i, static_cast<double>(c->ZadatoUz())); });
        pozicijeO.ZaSve(c->BrObrtanjaY(), [&](int i) { qo.SetElem(1, i, static_cast<double>(c->ZadatoFiy())); });
    }
    return qo;
}

bool ImaZadatih(const TMatrix& qo) {
    for (int i = 1; i <= qo.NrOfRows(); ++i)
        if (qo.Elem(1, i) != 0) return true;
    return false;
}

// What the step leaves in the state, computed before any of it is stored.
struct TResenje {
    std::shared_ptr<const TIzvorMatrice> inverz;
    std::unique_ptr<TMatrix> qsOpt, qsPom, qs, qo, Qo;
    TMatrix D;  // Kos qs + Koo qo - Qo at the known positions
};

// qs due to the loads and due to the support displacements, and their sum. False when stopped.
bool Pomeranja(const TStanjeAnalize& stanje, const TResavacKss& resavac, int n_s, TResenje& r,
               const TTokResavanja& tok) {
    r.qsOpt = std::make_unique<TMatrix>(resavac.Resi(Prisutna(stanje.vektorSsGKS.get())));
    r.qsPom = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    // Without prescribed displacements Kss^-1 Kso qo is a sum of products with +0 (the inverse
    // is finite), so +0, and -0 after the sign change; that is all the costly product would give.
    if (ImaZadatih(*r.qo)) {
        if (!tok.radi()) return false;
        *r.qsPom = resavac.ResiOslonce(Prisutna(stanje.matricaKsoGKS.get()), *r.qo);
    }
    r.qsPom->SMult(-1);
    if (!tok.radi()) return false;
    tok.napredak("Resavanje sistema: reakcije", 90);
    r.qs = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    r.qs->Add(r.qsOpt.get());
    r.qs->Add(r.qsPom.get());
    return true;
}

// Ro + Po = Kos qs + Koo qo - Qo; Qo gathered like Qs over the o list.
void Reakcije(const TModel& model, const TStanjeAnalize& stanje, const TOpterecenjaPoStapu& poStapu,
              const TPozicije& pozicijeO, int n_o, TResenje& r) {
    r.Qo = std::make_unique<TMatrix>(NovaMatrica(1, n_o));
    SaberiOpterecenjaStapova(model, pozicijeO, n_o, poStapu, {r.Qo.get()});
    const TMatrix B = Prisutna(stanje.matricaKosGKS.get()).Puta(*r.qs);
    const TMatrix C = Prisutna(stanje.matricaKooGKS.get()).Puta(*r.qo);
    r.D = NovaMatrica(1, n_o);
    r.D.Add(&B);
    r.D.Add(&C);
    TMatrix minusQo = *r.Qo;
    minusQo.SMult(-1);
    r.D.Add(&minusQo);
}

// The value at the last position of a code number in a list, or nothing when it has none.
std::optional<double> NaPoslednjoPoziciji(const TPozicije& pozicije, int kod, const TMatrix& v) {
    std::optional<double> x;
    pozicije.ZaSve(kod, [&](int i) { x = v.Elem(1, i); });
    return x;
}

// A turned node's reactions come out along its own axes: taken back to X and Z for the user.
void ReakcijeKosogOslonca(TCvor& c, const TPozicije& pozicijeO, const TMatrix& D) {
    const TOseCvora o = OseCvora(c);
    double pxc = 0, pzc = 0;
    UOseCvora(o, static_cast<double>(c.Px()), static_cast<double>(c.Pz()), pxc, pzc);
    const auto dx = NaPoslednjoPoziciji(pozicijeO, c.BrPomeranjaX(), D);
    const auto dz = NaPoslednjoPoziciji(pozicijeO, c.BrPomeranjaZ(), D);
    double rx = 0, rz = 0;
    UGlobalneOse(o, dx ? *dx - pxc : 0.0, dz ? *dz - pzc : 0.0, rx, rz);
    c.SetRx(rx);
    c.SetRz(rz);
    pozicijeO.ZaSve(c.BrObrtanjaY(), [&](int i) { c.SetMukljY(D.Elem(1, i) - c.MkoncY()); });
}

// The forces of the springs on their nodes, -k u along the node's axes.
void SileOpruga(TModel& model, const TNizKodnihBrojeva& s, const TMatrix& qs) {
    const TPozicije pozicijeS(*s);
    for (const auto& c : model.nizCvorova) {
        if (!c->ImaOprugu()) continue;
        auto sila = [&](int kod, long double k) {
            const auto u = NaPoslednjoPoziciji(pozicijeS, kod, qs);
            return k > 0 && u ? -k * *u : 0.0L;
        };
        c->SetSileOpruge(sila(c->BrPomeranjaX(), c->Kx()), sila(c->BrPomeranjaZ(), c->Kz()),
                         sila(c->BrObrtanjaY(), c->Kfi()));
    }
}

void Sacuvaj(TModel& model, TStanjeAnalize& stanje, const TPozicije& pozicijeO, TResenje& r) {
    stanje.matricaKssGKSInvertovana = std::move(r.inverz);
    stanje.vektor_qsGKSOpterecenje = std::move(r.qsOpt);
    stanje.vektor_qoGKS = std::move(r.qo);
    stanje.vektor_qsGKSPomeranjeOslonaca = std::move(r.qsPom);
    if (ImaElasticnihIliKosihOslonaca(model)) SileOpruga(model, stanje.nizKodnihBrojevaNepoznatihPomeranja, *r.qs);
    stanje.vektor_qsGKS = std::move(r.qs);
    stanje.vektorQoGKS = std::move(r.Qo);
    const TMatrix& D = r.D;
    for (const auto& c : model.nizCvorova) {
        if (c->Ugao() != 0) {
            ReakcijeKosogOslonca(*c, pozicijeO, D);
            continue;
        }
        pozicijeO.ZaSve(c->BrPomeranjaX(), [&](int i) { c->SetRx(D.Elem(1, i) - c->Px()); });
        pozicijeO.ZaSve(c->BrPomeranjaZ(), [&](int i) { c->SetRz(D.Elem(1, i) - c->Pz()); });
        pozicijeO.ZaSve(c->BrObrtanjaY(), [&](int i) { c->SetMukljY(D.Elem(1, i) - c->MkoncY()); });
    }
}

}  // namespace

bool ResiSistem(TModel& model, TStanjeAnalize& stanje, const TOpterecenjaPoStapu& poStapu, const TOblikSistema& oblik,
                const TTokResavanja& tok) {
    if (!stanje.nizKodnihBrojevaNepoznatihPomeranja || !stanje.nizKodnihBrojevaPoznatihPomeranja)
        throw TGreska("Kodni brojevi nisu odredjeni!!!");
    const auto& o = *stanje.nizKodnihBrojevaPoznatihPomeranja;
    const int n_s = static_cast<int>(stanje.nizKodnihBrojevaNepoznatihPomeranja->size());
    const int n_o = static_cast<int>(o.size());
    Prisutna(stanje.vektorSsGKS.get());
    Prisutna(stanje.matricaKssGKS.get());
    const TPozicije pozicijeO(o);

    TResenje r;
    r.qo = std::make_unique<TMatrix>(ZadataPomeranja(model, pozicijeO, n_o));
    std::unique_ptr<TResavacKss> resavac;
    try {
        resavac = oblik.Faktorisi(stanje.matricaKssGKS, n_s, tok);
    } catch (const TGreskaLabilnogSistema& e) {
        stanje.presuda = e.Presuda();
        throw;
    }
    if (!resavac) return false;
    if (!Pomeranja(stanje, *resavac, n_s, r, tok)) return false;
    r.inverz = resavac->Inverz();

    Reakcije(model, stanje, poStapu, pozicijeO, n_o, r);
    if (!tok.radi()) return false;
    TPresudaSistema presuda = resavac->Presuda();
    const TMereResenja mere = IzmeriResenje(
        model, {*stanje.nizKodnihBrojevaNepoznatihPomeranja, o, *stanje.matricaKssGKS, stanje.matricaKsoGKS.get(),
                *stanje.vektorSsGKS, *r.qs, *r.qo, *r.Qo, r.D});
    stanje.mereResenja = mere;
    // A solution that misses its own equations or the equilibrium is that of a mechanism (or of
    // a system past solving), whatever the factorisation said: it is refused, never shown.
    // (A solution that is no number at all is left to the finiteness check and its message.)
    if (mere.ostatakOpterecenja > PragOdbijanjaResenja || mere.neravnoteza > PragOdbijanjaResenja) {
        presuda.singularna = true;
        stanje.presuda = presuda;
        throw TGreskaLabilnogSistema(presuda);
    }
    stanje.presuda = presuda;
    Sacuvaj(model, stanje, pozicijeO, r);
    return true;
}
