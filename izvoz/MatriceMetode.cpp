#include "MatriceMetode.h"

#include "Greska.h"
#include "Model.h"
#include "SileStapa.h"
#include "StanjeAnalize.h"

namespace {

TMatrix IzListe(const std::vector<int>& l) {
    TMatrix m = NovaMatrica(1, static_cast<int>(l.size()));
    for (size_t i = 0; i < l.size(); ++i) m.SetElem(1, static_cast<int>(i) + 1, l[i]);
    return m;
}

// A global matrix sized by its code-number lists: an empty list gives an empty matrix even where
// the state keeps the 1 x 1 zero of an empty range.
void DodajMatricu(std::vector<TImenovanaMatrica>& v, const char* ime, const TGlobalnaMatrica& m,
                  const std::vector<int>& redovi, const std::vector<int>& kolone) {
    if (!m) return;
    TImenovanaMatrica im;
    im.ime = ime;
    im.redova = static_cast<int>(redovi.size());
    im.kolona = static_cast<int>(kolone.size());
    im.izvor = m;
    im.kodoviRedova = redovi;
    im.kodoviKolona = kolone;
    v.push_back(std::move(im));
}

TImenovanaMatrica Vektor(const std::string& ime, TMatrix m, const std::vector<int>& kodovi, bool celobrojna) {
    TImenovanaMatrica im;
    im.ime = ime;
    im.redova = static_cast<int>(kodovi.size());
    im.kolona = 1;
    im.izvor = GustiIzvor(std::move(m));
    im.celobrojna = celobrojna;
    im.jednodimenzionalna = true;
    if (!celobrojna) im.kodoviRedova = kodovi;
    return im;
}

void DodajVektor(std::vector<TImenovanaMatrica>& v, const char* ime, const std::unique_ptr<TMatrix>& m,
                 const std::vector<int>& kodovi) {
    if (m) v.push_back(Vektor(ime, *m, kodovi, false));
}

// Each position of the o list gets the reaction of the support that claims it (0 where none does).
TMatrix Reakcije(const TModel& model, const std::vector<int>& o) {
    TMatrix r = NovaMatrica(1, static_cast<int>(o.size()));
    for (size_t i = 0; i < o.size(); ++i)
        for (const auto& cv : model.nizCvorova) {
            const int p = static_cast<int>(i) + 1, kod = o[i];
            if (cv->OslX() && cv->BrPomeranjaX() == kod) r.SetElem(1, p, static_cast<double>(cv->Rx()));
            if (cv->OslZ() && cv->BrPomeranjaZ() == kod) r.SetElem(1, p, static_cast<double>(cv->Rz()));
            if (cv->UkljY() && cv->BrObrtanjaY() == kod) r.SetElem(1, p, static_cast<double>(cv->MukljY()));
        }
    return r;
}

TImenovanaMatrica Kvadratna(const std::string& ime, TMatrix m, const std::vector<int>& kodovi) {
    TImenovanaMatrica im;
    im.ime = ime;
    im.redova = m.NrOfRows();
    im.kolona = m.NrOfColumns();
    im.izvor = GustiIzvor(std::move(m));
    im.kodoviRedova = kodovi;
    im.kodoviKolona = kodovi;
    return im;
}

}  // namespace

std::vector<TImenovanaMatrica> GlobalneMatrice(const TModel& model, const TStanjeAnalize& st) {
    std::vector<TImenovanaMatrica> v;
    // Absent lists (after a clear) and empty ones (at start-up, on New) both mean no run to show.
    if (!st.nizKodnihBrojeva || st.nizKodnihBrojeva->empty() || !st.nizKodnihBrojevaNepoznatihPomeranja ||
        !st.nizKodnihBrojevaPoznatihPomeranja)
        return v;
    const std::vector<int>&sve = *st.nizKodnihBrojeva, &s = *st.nizKodnihBrojevaNepoznatihPomeranja,
          &o = *st.nizKodnihBrojevaPoznatihPomeranja;
    DodajMatricu(v, "K", st.matricaKGKS, sve, sve);
    DodajMatricu(v, "Kss", st.matricaKssGKS, s, s);
    DodajMatricu(v, "Kso", st.matricaKsoGKS, s, o);
    DodajMatricu(v, "Kos", st.matricaKosGKS, o, s);
    DodajMatricu(v, "Koo", st.matricaKooGKS, o, o);
    if (st.matricaKssGKSInvertovana && !st.matricaKssGKSInvertovana->NaZahtev())
        DodajMatricu(v, "invKss", st.matricaKssGKSInvertovana, s, s);
    DodajVektor(v, "Ps", st.vektorPsGKS, s);
    DodajVektor(v, "Qs", st.vektorQsGKS, s);
    DodajVektor(v, "Ss", st.vektorSsGKS, s);
    DodajVektor(v, "Qo", st.vektorQoGKS, o);
    DodajVektor(v, "qs", st.vektor_qsGKS, s);
    DodajVektor(v, "qo", st.vektor_qoGKS, o);
    if (st.vektor_qoGKS) v.push_back(Vektor("Ro", Reakcije(model, o), o, false));
    v.push_back(Vektor("s", IzListe(s), s, true));
    v.push_back(Vektor("o", IzListe(o), o, true));
    return v;
}

std::vector<TImenovanaMatrica> MatriceStapova(const TModel& model, const TStanjeAnalize& st) {
    std::vector<TImenovanaMatrica> v;
    if (!st.nizKodnihBrojeva || st.nizKodnihBrojeva->empty() || !st.vektor_qsGKS || !st.vektor_qoGKS) return v;
    try {
        const TIndeksSila indeks(model, st);
        for (const auto& stap : model.nizStapova) {
            TSileStapa r = IzracunajSileStapa(model, st, *stap, false, indeks);
            const std::string id = std::to_string(stap->ID());
            const std::vector<int>& kod = r.kodniBrojevi;
            v.push_back(Kvadratna("T_" + id, std::move(r.T), {}));
            v.push_back(Kvadratna("kLKS_" + id, std::move(r.KL), {}));
            v.push_back(Kvadratna("kGKS_" + id, std::move(r.KG), kod));
            v.push_back(Vektor("QLKS_" + id, std::move(r.QL), kod, false));
            v.push_back(Vektor("QGKS_" + id, std::move(r.QG), kod, false));
            v.push_back(Vektor("R_" + id, std::move(r.RL), kod, false));
            v.push_back(Vektor("kodovi_" + id, IzListe(kod), kod, true));
        }
    } catch (const TGreska&) {
        // Results the member forces cannot be made from: no member matrices, as after a clear.
        v.clear();
    }
    return v;
}

std::vector<TImenovanaMatrica> SveMatriceMetode(const TModel& model, const TStanjeAnalize& stanje) {
    std::vector<TImenovanaMatrica> v = GlobalneMatrice(model, stanje);
    std::vector<TImenovanaMatrica> s = MatriceStapova(model, stanje);
    v.insert(v.end(), std::make_move_iterator(s.begin()), std::make_move_iterator(s.end()));
    return v;
}

std::optional<TImenovanaMatrica> NadjiMatricu(const std::vector<TImenovanaMatrica>& sve, const std::string& ime) {
    for (const auto& m : sve)
        if (m.ime == ime) return m;
    return std::nullopt;
}
