// The exact dense form: K assembled into a TMatrix, Kss inverted by the matrix's own kernel and the
// inverse kept, every product done by TMatrix::Multiply.
#include "GustiOblik.h"

#include <algorithm>

#include "Greska.h"
#include "ProcenaMemorije.h"
#include "RetkiSistem.h"
#include "Sklapanje.h"

namespace {

// The dense kernels work on a TMatrix; a source of another form is expanded first.
const TMatrix& KaoGusta(const TIzvorMatrice& m, TMatrix& rezerva) {
    if (auto* g = dynamic_cast<const TGustiIzvor*>(&m)) return g->Matrica();
    rezerva = m.GustaKopija();
    return rezerva;
}

class TGustiResavac final : public TResavacKss {
public:
    TGustiResavac(TMatrix inverz, int n_s, TPresudaSistema presuda)
        : inverz(std::make_shared<const TGustiIzvor>(std::move(inverz))),
          red(n_s),
          presuda(std::move(presuda)) {}

    int Red() const override { return red; }
    std::int64_t BrojNenultih() const override { return inverz->BrojNenultih(); }
    bool InverzFormiran() const override { return true; }
    const TPresudaSistema& Presuda() const override { return presuda; }

    TMatrix Resi(const TMatrix& B) const override {
        const TMatrix& inv = inverz->Matrica();
        TMatrix X = NovaMatrica(B.NrOfColumns(), inv.NrOfRows());
        inv.Multiply(&B, &X);
        return X;
    }
    TMatrix ResiOslonce(const TIzvorMatrice& Kso, const TMatrix& qo) const override {
        const TMatrix& inv = inverz->Matrica();
        TMatrix rezerva;
        const TMatrix& K = KaoGusta(Kso, rezerva);
        TMatrix A = NovaMatrica(K.NrOfColumns(), inv.NrOfRows());
        inv.Multiply(&K, &A);
        TMatrix q = NovaMatrica(1, inv.NrOfRows());
        A.Multiply(&qo, &q);
        return q;
    }
    std::vector<double> KolonaInverza(int c) const override {
        const TMatrix& inv = inverz->Matrica();
        std::vector<double> k(static_cast<size_t>(red), 0.0);
        for (int r = 1; r <= red; ++r) k[static_cast<size_t>(r - 1)] = inv.Elem(c, r);
        return k;
    }
    std::shared_ptr<const TIzvorMatrice> Inverz() const override { return inverz; }

private:
    std::shared_ptr<const TGustiIzvor> inverz;
    int red;
    TPresudaSistema presuda;
};

class TGustiOblik final : public TOblikSistema {
public:
    std::shared_ptr<const TIzvorMatrice> SklopiK(const TModel& model, const std::vector<int>& sve, int n_s,
                                                 const std::function<bool(size_t)>& napredak) const override {
        ProveriMemorijuGustogProracuna(sve.size(), static_cast<std::uint64_t>(n_s));
        const int n = static_cast<int>(sve.size());
        const TPozicije pozicije(sve);
        TMatrix K = NovaMatrica(n, n);
        // Diagonal and upper triangle, then the lower one mirrored.
        if (!ZaDoprinoseK(
                model, pozicije, [&](int kol, int red, double v) { K.SetElem(kol, red, K.Elem(kol, red) + v); },
                napredak))
            return nullptr;
        for (int j = 1; j <= n; ++j) {
            double* kol = K.Kolona(j);
            for (int i = j + 1; i <= n; ++i) kol[i - 1] = K.Elem(i, j);
        }
        return GustiIzvor(std::move(K));
    }

    std::unique_ptr<TResavacKss> Faktorisi(const std::shared_ptr<const TIzvorMatrice>& Kss, int n_s,
                                           const TTokResavanja& tok) const override {
        tok.napredak("Resavanje sistema", -1);
        // The verdict is made beside the exact inversion, on a factor of its own, so the inverse
        // keeps its specified arithmetic and a singular Kss is refused before the costly part.
        TPresudaSistema presuda;
        if (n_s > 0) {
            presuda = PresudaZaKss(*Kss, nullptr);
            if (presuda.singularna) throw TGreskaLabilnogSistema(presuda);
            if (!tok.radi()) return nullptr;
        }
        TMatrix inv = Kss->GustaKopija();
        // With every displacement supported there is nothing to invert: the 1 x 1 stand-in of the
        // empty Kss stays as it is.
        if (n_s > 0) {
            // Stop is answered between the inversion's steps, within a fraction of a second; the
            // step's share of the progress bar follows the inversion.
            bool prekinuto = false;
            double pivot = 0;
            const bool uspeh = inv.InvertSaPivotom(pivot, [&](double udeo) {
                tok.napredak("Resavanje sistema", 55 + static_cast<int>(35 * std::clamp(udeo, 0.0, 1.0)));
                if (tok.radi()) return true;
                prekinuto = true;
                return false;
            });
            if (prekinuto) return nullptr;
            // What a failed inversion left is no inverse; showing it would mislead.
            if (!uspeh) {
                presuda.singularna = true;
                throw TGreskaLabilnogSistema(presuda);
            }
        }
        return std::make_unique<TGustiResavac>(std::move(inv), n_s, std::move(presuda));
    }
};

}  // namespace

const TOblikSistema& GustiOblik() {
    static const TGustiOblik oblik;
    return oblik;
}
