#include "OpisInverzije.h"

#include <cmath>
#include <utility>

#include "IzvorMatrice.h"
#include "ZapisBroja.h"

namespace {

// The code numbers of the rows once the first `zamena` exchanges are made.
std::vector<int> KodoviRedova(std::vector<int> s, const std::vector<int>& pivoti, size_t zamena) {
    for (size_t j = 0; j < zamena && j < pivoti.size(); ++j) std::swap(s[j], s[static_cast<size_t>(pivoti[j])]);
    return s;
}

double Clan(const TKorakInverzije& k, int c, int r) {
    return k.elementi[static_cast<size_t>(c - 1) * static_cast<size_t>(k.n) + static_cast<size_t>(r - 1)];
}

std::string Matrica(const TKorakInverzije& k, const std::vector<int>& kr, const std::vector<int>& kk, int cifara) {
    return TabelaKaoTekst(
        k.n, k.n, [&](int c, int r) { return ZapisSaCiframa(Clan(k, c, r), cifara); }, kr, kk, cifara);
}

// L or U of a column stage: what the columns done so far hold, "." where a later column will.
std::string Trougao(const TKorakInverzije& k, bool donji, const std::vector<int>& kr, const std::vector<int>& kk,
                    int cifara) {
    return TabelaKaoTekst(
        k.n, k.n,
        [&](int c, int r) -> std::string {
            if (donji ? r < c : r > c) return "0";
            if (donji && r == c) return "1";
            return c - 1 <= k.kolona ? ZapisSaCiframa(Clan(k, c, r), cifara) : ".";
        },
        kr, kk, cifara);
}

std::string Polazna(const TKorakInverzije& start, const TKorakInverzije& prva, const std::vector<int>& s, int cifara) {
    std::string t =
        "Kss = P' L U: Crout rastavljanje sa delimicnim pivotiranjem; pivot kolone je clan sa "
        "najvecim s |a|, gde je s skala reda (1 / najveci |a| u redu polazne Kss).\n\nKss:\n" +
        Matrica(start, s, s, cifara) + "\nSkale redova s:\n";
    for (size_t i = 0; i < prva.skale.size(); ++i)
        t += "  " + std::to_string(s[i]) + ": " + ZapisSaCiframa(prva.skale[i], cifara) + "\n";
    return t;
}

std::string Kolona(const TKorakInverzije& k, const std::vector<int>& s, int cifara) {
    const int j = k.kolona, J = j + 1, p = k.pivoti[static_cast<size_t>(j)];
    const std::vector<int> pre = KodoviRedova(s, k.pivoti, static_cast<size_t>(j));
    const std::vector<int> posle = KodoviRedova(s, k.pivoti, static_cast<size_t>(J));
    std::string t = "Kolona " + std::to_string(J) +
                    ": clanovi na i ispod dijagonale, umanjeni za proizvode prethodnih kolona, i njihove "
                    "skalirane vrednosti:\n   red   kod    a / s / s |a|\n";
    for (size_t i = 0; i < k.kandidati.size(); ++i) {
        const double a = k.kandidati[i], sk = k.skale[i];
        const int red = j + static_cast<int>(i);
        t += "  " + std::to_string(red + 1) + "  (" + std::to_string(pre[static_cast<size_t>(red)]) + ")   " +
             ZapisSaCiframa(a, cifara) + " / " + ZapisSaCiframa(sk, cifara) + " / " +
             ZapisSaCiframa(sk * std::fabs(a), cifara) + (red == p ? "   <- pivot" : "") + "\n";
    }
    t += p == j ? "Pivot je vec u redu " + std::to_string(J) + ": bez zamene redova.\n"
                : "Pivot u redu " + std::to_string(p + 1) + ": zamena redova " + std::to_string(J) + " i " +
                      std::to_string(p + 1) + ".\n";
    t += "U(" + std::to_string(J) + "," + std::to_string(J) + ") = " + ZapisSaCiframa(Clan(k, J, J), cifara) +
         "; clanovi L ispod njega su podeljeni njime.\n\nL (\".\" jos nije izracunato):\n" +
         Trougao(k, true, posle, s, cifara) + "\nU:\n" + Trougao(k, false, posle, s, cifara);
    return t;
}

std::string Inverz(const TKorakInverzije& k, const std::vector<int>& s, int cifara) {
    std::string zamene;
    for (size_t j = 0; j < k.pivoti.size(); ++j)
        if (k.pivoti[j] != static_cast<int>(j))
            zamene += (zamene.empty() ? "" : ", ") + std::to_string(j + 1) + "<->" + std::to_string(k.pivoti[j] + 1);
    return "Zamene redova P: " + (zamene.empty() ? std::string("nema") : zamene) +
           "\nZa svaku kolonu k: zamena napred L y = P e_k, zatim nazad U x = y; x je kolona k matrice inv Kss.\n\n"
           "inv Kss:\n" +
           Matrica(k, s, s, cifara) + "\n";
}

}  // namespace

std::vector<TKorakMetode> KoraciCrouta(const std::vector<TKorakInverzije>& koraci, const std::vector<int>& s,
                                       int cifara, const std::string& zatim) {
    std::vector<TKorakMetode> v;
    const size_t n = s.size();
    if (koraci.size() != n + 3 || n == 0) return v;
    v.push_back({"Resenje: Crout, polazna Kss", Polazna(koraci[0], koraci[1], s, cifara)});
    for (size_t j = 1; j <= n; ++j)
        v.push_back({"Resenje: Crout, kolona " + std::to_string(j), Kolona(koraci[j], s, cifara)});
    v.push_back({"Resenje: inverzna matrica", Inverz(koraci.back(), s, cifara) + zatim});
    return v;
}
