#include "SileStapa.h"

#include <algorithm>

#include "ElementStapa.h"
#include "Greska.h"
#include "Model.h"

namespace {

TMatrix Vektor(int n) {
    TMatrix v;
    v.Resize(1, n);
    return v;
}

// R := K * q - Q.
TMatrix Sile(const TMatrix& K, const TMatrix& q, const TMatrix& Q) {
    TMatrix Kq = Vektor(K.NrOfRows());
    K.Multiply(&q, &Kq);
    TMatrix R = Vektor(K.NrOfRows());
    for (int i = 1; i <= R.NrOfRows(); ++i) R.SetElem(1, i, Kq.Elem(1, i) - Q.Elem(1, i));
    return R;
}

}  // namespace

namespace {

const std::vector<int>& IliPrazna(const TNizKodnihBrojeva& l) {
    static const std::vector<int> prazna;
    return l ? *l : prazna;
}

}  // namespace

TIndeksSila::TIndeksSila(const TModel& model, const TStanjeAnalize& stanje)
    : s(IliPrazna(stanje.nizKodnihBrojevaNepoznatihPomeranja)),
      o(IliPrazna(stanje.nizKodnihBrojevaPoznatihPomeranja)),
      smicanje(model.opcijeAnalize.smicanjeUOpterecenju) {
    for (const auto& opt : model.nizOpterecenja) poStapu[opt->IDStapa()].push_back(opt.get());
}

TSileStapa IzracunajSileStapa(const TModel& model, const TStanjeAnalize& stanje, const TStap& stap,
                              bool odsutnoKaoNula) {
    return IzracunajSileStapa(model, stanje, stap, odsutnoKaoNula, TIndeksSila(model, stanje));
}

TSileStapa IzracunajSileStapa(const TModel& /*model: the index holds its loads*/, const TStanjeAnalize& stanje,
                              const TStap& stap, bool odsutnoKaoNula, const TIndeksSila& indeks) {
    const bool odsutno = !stanje.nizKodnihBrojevaNepoznatihPomeranja || !stanje.nizKodnihBrojevaPoznatihPomeranja ||
                         !stanje.vektor_qsGKS || !stanje.vektor_qoGKS;
    if (odsutno && !odsutnoKaoNula) throw TGreska("Nema rezultata analize!!!");
    // Absent results read as no displacement at all.
    static const std::optional<std::vector<int>> bezKodova = std::vector<int>{};
    const auto& s = odsutno ? bezKodova : stanje.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = odsutno ? bezKodova : stanje.nizKodnihBrojevaPoznatihPomeranja;

    TSileStapa r;
    r.kodniBrojevi = KodniBrojeviStapa(stap);
    const int m = std::max(1, BrojStepeniSlobode(stap.TipStapa()));

    r.qG = Vektor(m);
    // Positions in increasing order: the last s position wins, every o position adds.
    for (size_t a = 0; a < r.kodniBrojevi.size(); ++a) {
        const int red = static_cast<int>(a) + 1;
        if (odsutno) break;
        indeks.s.ZaSve(r.kodniBrojevi[a], [&](int p) {
            if (p <= static_cast<int>(s->size())) r.qG.SetElem(1, red, stanje.vektor_qsGKS->Elem(1, p));
        });
        indeks.o.ZaSve(r.kodniBrojevi[a], [&](int i) {
            if (i <= static_cast<int>(o->size()))
                r.qG.SetElem(1, red, r.qG.Elem(1, red) + stanje.vektor_qoGKS->Elem(1, i));
        });
    }

    static const std::vector<const TOpterecenje*> bezOpterecenja;
    const auto svoja = indeks.poStapu.find(stap.ID());
    TSileStapa sile =
        SileIzPomeranja(stap, std::move(r.qG), svoja != indeks.poStapu.end() ? svoja->second : bezOpterecenja,
                        indeks.smicanje);
    sile.kodniBrojevi = std::move(r.kodniBrojevi);
    return sile;
}

TSileStapa SileIzPomeranja(const TStap& stap, TMatrix qG, const std::vector<const TOpterecenje*>& opterecenja,
                           bool smicanje) {
    TSileStapa r;
    const int m = std::max(1, BrojStepeniSlobode(stap.TipStapa()));
    r.qG = std::move(qG);
    r.QG = Vektor(m);
    r.QL = Vektor(m);
    for (const TOpterecenje* opt : opterecenja) {
        const TMatrix qg = GetVektorQGKS(stap, *opt, smicanje);
        const TMatrix ql = GetVektorQLKS(stap, *opt, smicanje);
        r.QG.Add(&qg);
        r.QL.Add(&ql);
    }

    r.T = MatricaTransformacije(stap);
    r.KL = MatricaKrutostiLKS(stap);
    r.KG = MatricaKrutostiGKS(stap);
    r.qL = Vektor(m);
    r.T.Multiply(&r.qG, &r.qL);
    r.RG = Sile(r.KG, r.qG, r.QG);
    r.RL = Sile(r.KL, r.qL, r.QL);
    return r;
}
