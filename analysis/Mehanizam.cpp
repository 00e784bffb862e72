#include "Mehanizam.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <algorithm>
#include <cmath>

#include "IzvorMatrice.h"
#include "Model.h"

namespace {

using TRetka = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;
using TLDLT = Eigen::SimplicialLDLT<TRetka, Eigen::Lower, Eigen::AMDOrdering<int>>;

// A direction counts in the description when its share of the mode, weighed by the stiffness
// it has on its own, is at least this part of the largest one.
constexpr double UdeoImenovanog = 0.1;
// The scaled matrix has a unit diagonal and eigenvalues up to the number of entries in a row;
// a mechanism's eigenvalue is round-off, some 1e-16. The shift keeps the factor positive definite
// while leaving the null direction amplified about a billion times more than any stiff one.
constexpr double Pomak = 1e-9;
// The scaled residual below which the vector is taken for a null vector.
constexpr double DozvoljenOstatak = 1e-7;
constexpr int NajviseKoraka = 60;
// A component of the scaled mode below this is round-off.
constexpr double Zanemarljivo = 1e-9;
// More than this many named directions are summed up by their count.
constexpr size_t NajviseImena = 12;

// The column c of Kss through whichever reading the form offers.
template <class F>
void ZaKolonu(const TIzvorMatrice& K, int c, F&& f) {
    if (K.ZaKolonu(c, [&](int r, double v) { f(r, v); })) return;
    for (int r = 1; r <= K.BrojRedova(); ++r) f(r, K.Element(c, r));
}

std::vector<double> Dijagonala(const TIzvorMatrice& K) {
    const int n = K.BrojRedova();
    std::vector<double> d(static_cast<size_t>(n), 0.0);
    for (int c = 1; c <= n; ++c)
        ZaKolonu(K, c, [&](int r, double v) {
            if (r == c) d[static_cast<size_t>(c - 1)] = v;
        });
    return d;
}

// D^-1/2 Kss D^-1/2 + shift, the lower triangle only.
TRetka Skalirana(const TIzvorMatrice& K, const std::vector<double>& koren, double pomak) {
    const int n = K.BrojRedova();
    std::vector<Eigen::Triplet<double, int>> t;
    for (int c = 1; c <= n; ++c)
        ZaKolonu(K, c, [&](int r, double v) {
            if (r < c || v == 0) return;
            t.emplace_back(r - 1, c - 1, v / (koren[size_t(r - 1)] * koren[size_t(c - 1)]) + (r == c ? pomak : 0.0));
        });
    TRetka A(n, n);
    A.setFromTriplets(t.begin(), t.end());
    return A;
}

// The largest |(A y)_i| for the scaled matrix without its shift.
double Ostatak(const TIzvorMatrice& K, const std::vector<double>& koren, const Eigen::VectorXd& y) {
    const int n = K.BrojRedova();
    Eigen::VectorXd Ay = Eigen::VectorXd::Zero(n);
    for (int c = 1; c <= n; ++c)
        ZaKolonu(K, c,
                 [&](int r, double v) { Ay[r - 1] += v / (koren[size_t(r - 1)] * koren[size_t(c - 1)]) * y[c - 1]; });
    return Ay.cwiseAbs().maxCoeff();
}

}  // namespace

std::optional<std::vector<double>> NultiVektor(const TIzvorMatrice& Kss) {
    const int n = Kss.BrojRedova();
    if (n < 1 || Kss.BrojKolona() != n) return std::nullopt;
    const std::vector<double> d = Dijagonala(Kss);
    // A direction that nothing stiffens is a mechanism by itself.
    for (int i = 0; i < n; ++i)
        if (!(d[size_t(i)] > 0)) {
            std::vector<double> e(size_t(n), 0.0);
            e[size_t(i)] = 1;
            return e;
        }
    std::vector<double> koren(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) koren[size_t(i)] = std::sqrt(d[size_t(i)]);
    TLDLT ldlt(Skalirana(Kss, koren, Pomak));
    if (ldlt.info() != Eigen::Success) return std::nullopt;
    // A start that no symmetry of the structure makes orthogonal to its mode.
    Eigen::VectorXd y(n);
    for (int i = 0; i < n; ++i) y[i] = 1.0 + 0.5 * std::sin(1.7 * i + 0.3);
    y.normalize();
    for (int k = 0; k < NajviseKoraka; ++k) {
        y = ldlt.solve(y);
        const double norma = y.norm();
        if (!(norma > 0) || !std::isfinite(norma)) return std::nullopt;
        y /= norma;
        if (k >= 2 && Ostatak(Kss, koren, y) <= DozvoljenOstatak) {
            std::vector<double> x(static_cast<size_t>(n));
            for (int i = 0; i < n; ++i) x[size_t(i)] = y[i] / koren[size_t(i)];
            return x;
        }
    }
    return std::nullopt;
}

namespace {

enum class TPravac { X, Z, Obrtanje };

struct TMesto {
    const TCvor* cvor = nullptr;
    TPravac pravac = TPravac::X;
};

// The first node, in list order, whose code number of some direction is `kod`.
TMesto MestoKoda(const TModel& model, int kod) {
    for (const auto& c : model.nizCvorova) {
        if (c->BrPomeranjaX() == kod) return {c.get(), TPravac::X};
        if (c->BrPomeranjaZ() == kod) return {c.get(), TPravac::Z};
        if (c->BrObrtanjaY() == kod) return {c.get(), TPravac::Obrtanje};
    }
    return {};
}

std::string Ime(const TMesto& m) {
    const std::string cvor = "cvor " + std::to_string(m.cvor->ID());
    switch (m.pravac) {
        case TPravac::X: return cvor + " pomeranje X";
        case TPravac::Z: return cvor + " pomeranje Z";
        default: return cvor + " obrtanje";
    }
}

// The mode scaled to a largest displacement of 1, or a largest rotation of 1 without any.
void Normiraj(std::vector<double>& y, const std::vector<TMesto>& mesta) {
    double pomeranje = 0, obrtanje = 0;
    for (size_t i = 0; i < y.size(); ++i) {
        double& najvece = mesta[i].pravac == TPravac::Obrtanje ? obrtanje : pomeranje;
        najvece = std::max(najvece, std::fabs(y[i]));
    }
    const double m = pomeranje > 0 ? pomeranje : obrtanje;
    if (!(m > 0)) return;
    // What is left of round-off in the directions that stand still is cleared, so that the
    // drawing moves only what the mechanism moves.
    for (double& v : y) {
        v /= m;
        if (std::fabs(v) < Zanemarljivo) v = 0;
    }
}

}  // namespace

TMehanizam OpisiMehanizam(const TModel& model, const std::vector<int>& s, const std::vector<double>& y,
                          const TIzvorMatrice& Kss) {
    TMehanizam m;
    m.oblik = y;
    std::vector<TMesto> mesta;
    for (int kod : s) mesta.push_back(MestoKoda(model, kod));
    Normiraj(m.oblik, mesta);
    // Each direction weighed by its own stiffness, so that metres and radians compare.
    const std::vector<double> d = Dijagonala(Kss);
    std::vector<double> tezina(y.size());
    for (size_t i = 0; i < y.size(); ++i)
        tezina[i] = std::fabs(y[i]) * (i < d.size() && d[i] > 0 ? std::sqrt(d[i]) : 1.0);
    const double najveca = tezina.empty() ? 0 : *std::max_element(tezina.begin(), tezina.end());
    std::vector<std::string> imena;
    for (size_t i = 0; i < y.size(); ++i)
        if (mesta[i].cvor && najveca > 0 && tezina[i] >= UdeoImenovanog * najveca) imena.push_back(Ime(mesta[i]));
    for (size_t i = 0; i < imena.size() && i < NajviseImena; ++i) m.opis += (i ? ", " : "") + imena[i];
    if (imena.size() > NajviseImena) m.opis += " i jos " + std::to_string(imena.size() - NajviseImena);
    for (const auto& c : model.nizCvorova) {
        TPomeranjeCvoraMehanizma p{c->ID()};
        bool pomera = false;
        for (size_t i = 0; i < mesta.size(); ++i) {
            if (mesta[i].cvor != c.get() || m.oblik[i] == 0) continue;
            pomera = true;
            (mesta[i].pravac == TPravac::X ? p.ux : mesta[i].pravac == TPravac::Z ? p.uz : p.fiy) = m.oblik[i];
        }
        if (pomera) m.cvorovi.push_back(p);
    }
    return m;
}

std::optional<TMehanizam> NadjiMehanizam(const TModel& model, const std::vector<int>& s, const TIzvorMatrice& Kss) {
    if (static_cast<int>(s.size()) != Kss.BrojRedova()) return std::nullopt;
    const auto y = NultiVektor(Kss);
    if (!y) return std::nullopt;
    TMehanizam m = OpisiMehanizam(model, s, *y, Kss);
    if (m.opis.empty()) return std::nullopt;
    return m;
}
