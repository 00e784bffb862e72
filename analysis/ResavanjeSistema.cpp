#include "ResavanjeSistema.h"

#include <algorithm>
#include <memory>

#include "Greska.h"
#include "Model.h"
#include "Proracun.h"
#include "RetkiSistem.h"

namespace {

TMatrix NovaMatrica(int kolona, int redova) {
    TMatrix m;
    m.Resize(kolona, redova);
    return m;
}

TMatrix UVektor(const std::vector<double>& v) {
    TMatrix m = NovaMatrica(1, static_cast<int>(v.size()));
    for (size_t i = 0; i < v.size(); ++i) m.SetElem(1, static_cast<int>(i) + 1, v[i]);
    return m;
}

std::vector<double> IzVektora(const TMatrix& m, int n) {
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) v[static_cast<size_t>(i - 1)] = m.Elem(1, i);
    return v;
}

const TMatrix& Prisutna(const std::unique_ptr<TMatrix>& m) {
    if (!m) throw TGreska("Matrica krutosti nije formirana!!!");
    return *m;
}

template <class T>
const T& Prisutna(const std::shared_ptr<const T>& m) {
    if (!m) throw TGreska("Matrica krutosti nije formirana!!!");
    return *m;
}

// The exact inversion of Kss, asking between its steps whether to go on, so that Stop is answered
// within a fraction of a second; the step's share of the progress bar follows the inversion.
// True when done, false when stopped.
bool InvertujPrekidivo(TMatrix& inv, bool& uspeh, double& pivot, const std::function<bool()>& radi,
                       TPosmatracProracuna& posmatrac) {
    bool prekinuto = false;
    uspeh = inv.InvertSaPivotom(pivot, [&](double udeo) {
        posmatrac.Napredak("Resavanje sistema", 55 + static_cast<int>(35 * std::clamp(udeo, 0.0, 1.0)));
        if (radi()) return true;
        prekinuto = true;
        return false;
    });
    return !prekinuto;
}

}  // namespace

bool ResiSistem(TModel& model, TStanjeAnalize& stanje, const TOpterecenjaPoStapu& poStapu,
                const std::function<bool()>& radi, TPosmatracProracuna& posmatrac) {
    if (!stanje.nizKodnihBrojevaNepoznatihPomeranja || !stanje.nizKodnihBrojevaPoznatihPomeranja)
        throw TGreska("Kodni brojevi nisu odredjeni!!!");
    const auto& s = *stanje.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = *stanje.nizKodnihBrojevaPoznatihPomeranja;
    const int n_s = static_cast<int>(s.size());
    const int n_o = static_cast<int>(o.size());
    const bool retko = stanje.putanja == TPutanjaResavanja::Retka;
    const TMatrix& Ss = Prisutna(stanje.vektorSsGKS);

    // qo: the prescribed displacements of the supported directions.
    auto qo = std::make_unique<TMatrix>(NovaMatrica(1, n_o));
    const TPozicije pozicijeO(o);
    for (const auto& c : model.nizCvorova) {
        pozicijeO.ZaSve(c->BrPomeranjaX(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoUx())); });
        pozicijeO.ZaSve(c->BrPomeranjaZ(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoUz())); });
        pozicijeO.ZaSve(c->BrObrtanjaY(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoFiy())); });
    }
    bool imaPomeranja = false;
    for (int i = 1; i <= qo->NrOfRows(); ++i) imaPomeranja = imaPomeranja || qo->Elem(1, i) != 0;

    std::unique_ptr<TMatrix> inv;
    std::shared_ptr<const TIzvorMatrice> inverzNaZahtev;
    std::unique_ptr<TMatrix> qsOpt, qsPom;
    if (!retko) {
        posmatrac.Napredak("Resavanje sistema", -1);
        auto kopija = std::make_shared<TMatrix>(Prisutna(stanje.matricaKssGKS));
        // With every displacement supported there is nothing to invert: the 1 x 1 stand-in of the
        // empty Kss stays as it is and qs is the 1-sized zero.
        if (n_s > 0) {
            bool uspeh = false;
            double pivot = 0;
            if (!InvertujPrekidivo(*kopija, uspeh, pivot, radi, posmatrac)) return false;
            // What a failed inversion left is no inverse; showing it would mislead.
            if (!uspeh || !(pivot >= PragRelativnogPivota)) throw TGreska(PorukaLabilanSistem);
        }
        inv = std::make_unique<TMatrix>(std::move(*kopija));
        kopija.reset();

        qsOpt = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
        inv->Multiply(&Ss, qsOpt.get());
        qsPom = std::make_unique<TMatrix>(NovaMatrica(1, inv->NrOfRows()));
        if (imaPomeranja) {
            const TMatrix& Kso = Prisutna(stanje.matricaKsoGKS);
            TMatrix A = NovaMatrica(Kso.NrOfColumns(), inv->NrOfRows());
            inv->Multiply(&Kso, &A);
            A.Multiply(qo.get(), qsPom.get());
        }
        // Without prescribed displacements A * qo is a sum of products with +0 (A is finite), so
        // +0, and -0 after the sign change; that is all the costly n_s x n_o product would give.
        qsPom->SMult(-1);
    } else {
        qsOpt = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
        qsPom = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
        if (n_s > 0) {
            posmatrac.Napredak("Resavanje sistema: faktorizacija Kss", 60);
            std::shared_ptr<const TRetkiFaktor> faktor = TRetkiFaktor::Faktorisi(stanje.retkaKssGKS, radi);
            if (!faktor) return false;
            if (!radi()) return false;
            posmatrac.Napredak("Resavanje sistema: zamena unazad", 80);
            *qsOpt = UVektor(faktor->Resi(IzVektora(Ss, n_s)));
            if (imaPomeranja) {
                if (!radi()) return false;
                const TRetkaMatrica& Kso = Prisutna(stanje.retkaKsoGKS);
                *qsPom = UVektor(faktor->Resi(Kso.Puta(IzVektora(*qo, n_o))));
            }
            inverzNaZahtev = std::make_shared<TInverzNaZahtev>(faktor);
        }
        qsPom->SMult(-1);
    }
    if (!radi()) return false;
    posmatrac.Napredak("Resavanje sistema: reakcije", 90);

    auto qs = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    qs->Add(qsOpt.get());
    qs->Add(qsPom.get());

    // Reactions Ro = Kos*qs + Koo*qo - Qo - Po.
    auto Qo = std::make_unique<TMatrix>(NovaMatrica(1, n_o));
    SaberiOpterecenjaStapova(model, pozicijeO, n_o, poStapu, {Qo.get()});
    TMatrix B, C;
    if (!retko) {
        const TMatrix& Kos = Prisutna(stanje.matricaKosGKS);
        const TMatrix& Koo = Prisutna(stanje.matricaKooGKS);
        B = NovaMatrica(1, Kos.NrOfRows());
        Kos.Multiply(qs.get(), &B);
        C = NovaMatrica(1, Koo.NrOfRows());
        Koo.Multiply(qo.get(), &C);
    } else {
        B = UVektor(Prisutna(stanje.retkaKosGKS).Puta(IzVektora(*qs, n_s)));
        C = UVektor(Prisutna(stanje.retkaKooGKS).Puta(IzVektora(*qo, n_o)));
        if (n_o == 0) B = C = NovaMatrica(1, 1);
    }
    TMatrix D = NovaMatrica(1, n_o);
    D.Add(&B);
    D.Add(&C);
    TMatrix minusQo = *Qo;
    minusQo.SMult(-1);
    D.Add(&minusQo);
    if (!radi()) return false;

    stanje.matricaKssGKSInvertovana = std::move(inv);
    stanje.inverzKssNaZahtev = std::move(inverzNaZahtev);
    stanje.vektor_qsGKSOpterecenje = std::move(qsOpt);
    stanje.vektor_qoGKS = std::move(qo);
    stanje.vektor_qsGKSPomeranjeOslonaca = std::move(qsPom);
    stanje.vektor_qsGKS = std::move(qs);
    stanje.vektorQoGKS = std::move(Qo);
    for (const auto& c : model.nizCvorova) {
        pozicijeO.ZaSve(c->BrPomeranjaX(), [&](int i) { c->SetRx(D.Elem(1, i) - c->Px()); });
        pozicijeO.ZaSve(c->BrPomeranjaZ(), [&](int i) { c->SetRz(D.Elem(1, i) - c->Pz()); });
        pozicijeO.ZaSve(c->BrObrtanjaY(), [&](int i) { c->SetMukljY(D.Elem(1, i) - c->MkoncY()); });
    }
    return true;
}
