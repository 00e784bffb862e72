#include "RetkiSistem.h"

#include <Eigen/OrderingMethods>
#include <Eigen/SparseCholesky>
#include <Eigen/SparseCore>

#include <cmath>
#include <limits>

#include "Greska.h"
#include "PresudaSistema.h"
#include "ResavacKss.h"
#include "Sklapanje.h"

namespace {

using TEigenRetka = Eigen::SparseMatrix<double, Eigen::ColMajor, int>;
using TLDLT = Eigen::SimplicialLDLT<TEigenRetka, Eigen::Lower, Eigen::AMDOrdering<int>>;

// The refined residual of a sound structure is round-off, some 1e-16 of the sizes it is measured
// against; a mechanism that slipped past the pivot rule leaves a residual of the order of its
// huge displacements.
constexpr double PragOstatka = 1e-8;

// The verdict of the factor: its pivots against the diagonal of Kss (the pivots of the
// Jacobi-scaled Kss) and the condition estimate of the scaled Kss from solves with the factor.
TPresudaSistema PresudaFaktora(const TRetkaMatrica& Kss, const TLDLT& ldlt) {
    const int n = Kss.BrojKolona();
    std::vector<double> dijagonala(static_cast<size_t>(n), 0.0), pivoti(static_cast<size_t>(n));
    for (int c = 1; c <= n; ++c) dijagonala[static_cast<size_t>(c - 1)] = Kss.Element(c, c);
    const auto& D = ldlt.vectorD();
    const auto& P = ldlt.permutationP().indices();
    for (int i = 0; i < n; ++i) pivoti[static_cast<size_t>(i)] = D[P[i]];
    double norma = 0;
    for (int c = 1; c <= n; ++c) {
        const double dc = dijagonala[static_cast<size_t>(c - 1)];
        double zbir = 0;
        Kss.ZaKolonu(c, [&](int r, double v) {
            const double dr = dijagonala[static_cast<size_t>(r - 1)];
            if (dc > 0 && dr > 0) zbir += std::fabs(v) / (std::sqrt(dc) * std::sqrt(dr));
        });
        norma = std::max(norma, zbir);
    }
    return Presudi(dijagonala, pivoti, norma, [&](const std::vector<double>& b) {
        const Eigen::Map<const Eigen::VectorXd> bv(b.data(), n);
        const Eigen::VectorXd x = ldlt.solve(bv);
        return std::vector<double>(x.data(), x.data() + n);
    });
}

// The refined residual r of x against the sizes involved: a sound structure leaves round-off.
bool OstatakNijeMali(long double normaKss, const std::vector<double>& b, const Eigen::VectorXd& x,
                     const std::vector<long double>& r) {
    long double normaX = 0, normaB = 0, normaR = 0;
    for (size_t i = 0; i < b.size(); ++i) {
        normaX = std::max(normaX, std::fabs(static_cast<long double>(x[static_cast<Eigen::Index>(i)])));
        normaB = std::max(normaB, std::fabs(static_cast<long double>(b[i])));
        normaR = std::max(normaR, std::fabs(r[i]));
    }
    return !std::isfinite(static_cast<double>(normaX)) || normaR > PragOstatka * (normaKss * normaX + normaB);
}

}  // namespace

struct TRetkiFaktor::TPodaci {
    std::shared_ptr<const TRetkaMatrica> Kss;
    TLDLT ldlt;
    TPresudaSistema presuda;
    long double normaKss = 0;  // largest row sum of magnitudes

    // r := b - Kss x with every sum in extended precision.
    std::vector<long double> Ostatak(const std::vector<double>& b, const Eigen::VectorXd& x) const {
        const auto& p = Kss->Pocetak();
        const auto& red = Kss->Redovi();
        const auto& v = Kss->Vrednosti();
        const size_t n = b.size();
        std::vector<long double> r(b.begin(), b.end());
        for (size_t c = 0; c < n; ++c) {
            const long double xc = x[static_cast<Eigen::Index>(c)];
            for (int i = p[c]; i < p[c + 1]; ++i)
                r[static_cast<size_t>(red[i] - 1)] -= static_cast<long double>(v[i]) * xc;
        }
        return r;
    }
};

TRetkiFaktor::TRetkiFaktor(std::unique_ptr<TPodaci> p) : p(std::move(p)) {}
TRetkiFaktor::~TRetkiFaktor() = default;

int TRetkiFaktor::Red() const { return p->Kss->BrojKolona(); }

std::int64_t TRetkiFaktor::BrojNenultih() const {
    return static_cast<std::int64_t>(p->ldlt.matrixL().nestedExpression().nonZeros()) + Red();
}

std::unique_ptr<TRetkiFaktor> TRetkiFaktor::Faktorisi(std::shared_ptr<const TRetkaMatrica> Kss,
                                                      const std::function<bool()>& radi) {
    try {
        return FaktorisiBezProvereMemorije(std::move(Kss), radi);
    } catch (const std::bad_alloc&) {
        throw TGreska(PorukaNemaMemorijeRetko);
    }
}

std::unique_ptr<TRetkiFaktor> TRetkiFaktor::FaktorisiBezProvereMemorije(std::shared_ptr<const TRetkaMatrica> Kss,
                                                                        const std::function<bool()>& radi) {
    const int n = Kss->BrojKolona();
    auto podaci = std::make_unique<TPodaci>();
    podaci->Kss = Kss;
    // The factor reads the lower triangle only, with 0-based indices.
    TEigenRetka donji(n, n);
    {
        std::vector<Eigen::Triplet<double, int>> t;
        t.reserve(static_cast<size_t>(Kss->BrojUpisanih() / 2 + n));
        for (int c = 1; c <= n; ++c)
            Kss->ZaKolonu(c, [&](int r, double v) {
                if (r >= c) t.emplace_back(r - 1, c - 1, v);
            });
        donji.setFromTriplets(t.begin(), t.end());
    }
    if (!radi()) return nullptr;
    podaci->ldlt.analyzePattern(donji);
    if (!radi()) return nullptr;
    podaci->ldlt.factorize(donji);
    if (podaci->ldlt.info() != Eigen::Success) {
        // An exact zero pivot: no estimate can be made of what has no inverse.
        TPresudaSistema p;
        p.singularna = true;
        p.najmanjiPivot = 0;
        p.uslovljenost = std::numeric_limits<double>::infinity();
        throw TGreskaLabilnogSistema(p);
    }

    for (int c = 1; c <= n; ++c) {
        long double zbir = 0;
        Kss->ZaKolonu(c, [&](int, double v) { zbir += std::fabs(static_cast<long double>(v)); });
        podaci->normaKss = std::max(podaci->normaKss, zbir);  // symmetric: column sums are row sums
    }
    podaci->presuda = PresudaFaktora(*Kss, podaci->ldlt);
    if (!radi()) return nullptr;
    return std::unique_ptr<TRetkiFaktor>(new TRetkiFaktor(std::move(podaci)));
}

const TPresudaSistema& TRetkiFaktor::Presuda() const { return p->presuda; }

TPresudaSistema PresudaZaKss(const TIzvorMatrice& Kss, const TRetkiFaktor* faktor) {
    if (faktor) {
        // The same matrix without the entries that hold an exact 0 orders and factors alike.
        const auto& k = *faktor->p->Kss;
        if (k.BrojUpisanih() == k.BrojNenultih()) return faktor->Presuda();
        // Another ordering changes the pivots, not the conditioning: every scaled pivot of any
        // ordering is at least the smallest eigenvalue, at least 1 / cond_1 of the scaled Kss. A
        // verdict two orders of magnitude clear of both rules is the one any ordering gives.
        const TPresudaSistema& p = faktor->Presuda();
        if (!p.singularna && 100 * p.uslovljenost < UslovljenostSingularna &&
            100 * p.uslovljenost * PragSkaliranogPivota(k.BrojKolona()) < 1)
            return p;
    }
    return TRetkiFaktor::Faktorisi(TRetkaMatrica::Iz(Kss), [] { return true; })->Presuda();
}

std::vector<double> TRetkiFaktor::Resi(const std::vector<double>& b) const {
    const int n = Red();
    const Eigen::Map<const Eigen::VectorXd> bv(b.data(), n);
    Eigen::VectorXd x = p->ldlt.solve(bv);
    std::vector<long double> r = p->Ostatak(b, x);
    Eigen::VectorXd rd(n);
    for (int i = 0; i < n; ++i) rd[i] = static_cast<double>(r[static_cast<size_t>(i)]);
    x += p->ldlt.solve(rd);

    if (OstatakNijeMali(p->normaKss, b, x, p->Ostatak(b, x))) throw TGreska(PorukaLabilanSistem);
    return std::vector<double>(x.data(), x.data() + n);
}

double TInverzNaZahtev::Element(int c, int r) const {
    if (c < 1 || c > BrojKolona() || r < 1 || r > BrojRedova()) return 0.0;
    try {
        return (*Kolona(c))[static_cast<size_t>(r - 1)];
    } catch (const std::exception&) {
        return 0.0;
    }
}

std::vector<double> TInverzNaZahtev::Red(int r) const {
    if (r < 1 || r > BrojRedova()) return std::vector<double>(static_cast<size_t>(BrojKolona()), 0.0);
    try {
        return *Kolona(r);
    } catch (const std::exception&) {
        return std::vector<double>(static_cast<size_t>(BrojKolona()), 0.0);
    }
}

std::shared_ptr<const std::vector<double>> TInverzNaZahtev::Kolona(int c) const {
    {
        std::lock_guard zakljucano(zastita);
        if (auto it = kolone.find(c); it != kolone.end()) {
            redosled.splice(redosled.begin(), redosled, it->second.second);
            return it->second.first;
        }
    }
    std::vector<double> e(static_cast<size_t>(faktor->Red()), 0.0);
    e[static_cast<size_t>(c - 1)] = 1.0;
    auto kolona = std::make_shared<const std::vector<double>>(faktor->Resi(e));
    std::lock_guard zakljucano(zastita);
    if (kolone.find(c) == kolone.end()) {
        redosled.push_front(c);
        kolone[c] = {kolona, redosled.begin()};
        if (kolone.size() > ZadrzanihKolona) {
            kolone.erase(redosled.back());
            redosled.pop_back();
        }
    }
    return kolona;
}
