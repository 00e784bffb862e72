#include "PresudaSistema.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <limits>
#include <numeric>

#include "ResavacKss.h"

namespace {

double Norma1(const std::vector<double>& v) {
    double s = 0;
    for (double x : v) s += std::fabs(x);
    return s;
}

std::vector<double> Znaci(const std::vector<double>& v) {
    std::vector<double> z(v.size());
    for (size_t i = 0; i < v.size(); ++i) z[i] = v[i] >= 0 ? 1.0 : -1.0;
    return z;
}

size_t NajveciPoModulu(const std::vector<double>& v) {
    size_t j = 0;
    for (size_t i = 1; i < v.size(); ++i)
        if (std::fabs(v[i]) > std::fabs(v[j])) j = i;
    return j;
}

// Higham's second guess: a vector of alternating signs and growing size, which catches the
// matrices that fool the gradient steps.
double ProcenaNaizmenicnim(int n, const TResavanjeZaProcenu& resi) {
    std::vector<double> b(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i)
        b[static_cast<size_t>(i)] = (i % 2 ? -1.0 : 1.0) * (1.0 + (n > 1 ? static_cast<double>(i) / (n - 1) : 0.0));
    return 2.0 * Norma1(resi(b)) / (3.0 * n);
}

// The equations whose scaled pivot is lost, the smallest first.
std::vector<int> IzgubljeniPivoti(const std::vector<double>& skalirani, double prag) {
    std::vector<int> j;
    for (size_t i = 0; i < skalirani.size(); ++i)
        if (!(skalirani[i] > prag)) j.push_back(static_cast<int>(i) + 1);
    std::stable_sort(j.begin(), j.end(), [&](int a, int b) {
        return skalirani[static_cast<size_t>(a - 1)] < skalirani[static_cast<size_t>(b - 1)];
    });
    return j;
}

}  // namespace

double PragSkaliranogPivota(int n) {
    return 8.0 * std::sqrt(static_cast<double>(std::max(n, 1))) * std::numeric_limits<double>::epsilon();
}

TGreskaLabilnogSistema::TGreskaLabilnogSistema(TPresudaSistema p)
    : TGreska(PorukaLabilanSistem),
      presuda(std::move(p)) {}

double ProceniNormuInverza(int n, const TResavanjeZaProcenu& resi) {
    if (n <= 0) return 0;
    std::vector<double> x(static_cast<size_t>(n), 1.0 / n);
    std::vector<double> y = resi(x);
    double procena = Norma1(y);
    std::vector<double> znak = Znaci(y);
    for (int korak = 0; korak < 5 && std::isfinite(procena); ++korak) {
        const std::vector<double> z = resi(znak);  // symmetric: A^-T = A^-1
        const size_t j = NajveciPoModulu(z);
        if (korak > 0 && std::fabs(z[j]) <= std::inner_product(z.begin(), z.end(), x.begin(), 0.0)) break;
        std::fill(x.begin(), x.end(), 0.0);
        x[j] = 1.0;
        y = resi(x);
        const double nova = Norma1(y);
        const std::vector<double> noviZnak = Znaci(y);
        if (nova <= procena || noviZnak == znak) {
            procena = std::max(procena, nova);
            break;
        }
        procena = nova;
        znak = noviZnak;
    }
    return std::max(procena, ProcenaNaizmenicnim(n, resi));
}

TPresudaSistema Presudi(const std::vector<double>& dijagonala, const std::vector<double>& pivoti, double normaSkalirane,
                        const TResavanjeZaProcenu& resi) {
    const int n = static_cast<int>(dijagonala.size());
    TPresudaSistema p;
    std::vector<double> skalirani(static_cast<size_t>(n));
    std::vector<double> koren(static_cast<size_t>(n));
    bool bezKrutosti = false;
    for (size_t i = 0; i < skalirani.size(); ++i) {
        // A displacement without stiffness of its own cannot be scaled: it is free.
        bezKrutosti = bezKrutosti || !(dijagonala[i] > 0);
        koren[i] = dijagonala[i] > 0 ? std::sqrt(dijagonala[i]) : 0.0;
        skalirani[i] = dijagonala[i] > 0 ? pivoti[i] / dijagonala[i] : 0.0;
    }
    p.jednacine = IzgubljeniPivoti(skalirani, PragSkaliranogPivota(n));
    if (n > 0) p.najmanjiPivot = *std::min_element(skalirani.begin(), skalirani.end());
    if (!bezKrutosti) {
        // The scaled inverse D^1/2 Kss^-1 D^1/2, from the unscaled factor.
        auto resiSkalirano = [&](const std::vector<double>& b) {
            std::vector<double> s(b.size());
            for (size_t i = 0; i < b.size(); ++i) s[i] = b[i] * koren[i];
            std::vector<double> x = resi(s);
            for (size_t i = 0; i < x.size(); ++i) x[i] *= koren[i];
            return x;
        };
        p.uslovljenost = normaSkalirane * ProceniNormuInverza(n, resiSkalirano);
    }
    if (p.najmanjiPivot > 0) p.uslovljenost = std::max(p.uslovljenost, 1.0 / p.najmanjiPivot);
    if (bezKrutosti || !(p.najmanjiPivot > 0) || !std::isfinite(p.uslovljenost))
        p.uslovljenost = std::numeric_limits<double>::infinity();
    p.singularna = !p.jednacine.empty() || !(p.uslovljenost < UslovljenostSingularna);
    if (p.singularna && p.jednacine.empty() && n > 0) {
        // Lost to the estimate rather than to a single pivot: the weakest equation is named.
        p.jednacine.push_back(
            static_cast<int>(std::min_element(skalirani.begin(), skalirani.end()) - skalirani.begin()) + 1);
    }
    return p;
}

std::string RedVelicine(double v) {
    if (!(v > 0) || !std::isfinite(v)) return "1E+99";
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.0E", std::pow(10.0, std::floor(std::log10(v))));
    return buf;
}
