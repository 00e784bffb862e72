#include "KoraciInverzije.h"

#include <cstring>

#include "StanjeAnalize.h"

namespace {

bool IstiBitovi(const TKorakInverzije& k, const TIzvorMatrice& inv) {
    if (inv.BrojKolona() != k.n || inv.BrojRedova() != k.n) return false;
    for (int c = 1; c <= k.n; ++c)
        for (int r = 1; r <= k.n; ++r) {
            const double a = k.elementi[static_cast<size_t>(c - 1) * static_cast<size_t>(k.n) + (r - 1)];
            const double b = inv.Element(c, r);
            if (std::memcmp(&a, &b, sizeof a) != 0) return false;
        }
    return true;
}

}  // namespace

std::vector<TKorakInverzije> KoraciInverzijeKss(const TStanjeAnalize& st) {
    std::vector<TKorakInverzije> koraci;
    const auto& inv = st.matricaKssGKSInvertovana;
    if (!inv || inv->NaZahtev() || !st.matricaKssGKS || !st.nizKodnihBrojevaNepoznatihPomeranja) return koraci;
    const int ns = static_cast<int>(st.nizKodnihBrojevaNepoznatihPomeranja->size());
    if (ns == 0 || ns > NajviseNepoznatihZaCrout || st.matricaKssGKS->BrojKolona() != ns) return koraci;
    TMatrix kss = st.matricaKssGKS->GustaKopija();
    const bool uspeh = kss.InvertPoKolonama([&](const TKorakInverzije& k) { koraci.push_back(k); });
    if (!uspeh || koraci.size() != static_cast<size_t>(ns) + 3 || !IstiBitovi(koraci.back(), *inv)) koraci.clear();
    return koraci;
}
