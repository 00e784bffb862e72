// The form of large models: K assembled sparse with the dense assembly's bits, Kss factored by
// TRetkiFaktor, and the inverse of Kss never formed.
#include "RetkiOblik.h"

#include "RetkiSistem.h"
#include "Sklapanje.h"

namespace {

// Column j of B as the factor's right-hand side, the first n entries.
std::vector<double> Kolona(const TMatrix& B, int j, int n) {
    std::vector<double> v(static_cast<size_t>(n));
    for (int i = 1; i <= n; ++i) v[static_cast<size_t>(i - 1)] = B.Elem(j, i);
    return v;
}

class TRetkiResavac final : public TResavacKss {
public:
    // Without a factor (no unknowns) every solve gives the 1-sized zero and there is no inverse.
    explicit TRetkiResavac(std::shared_ptr<const TRetkiFaktor> faktor, TPresudaSistema presuda = {})
        : presuda(std::move(presuda)),
          faktor(std::move(faktor)),
          inverz(this->faktor ? std::make_shared<const TInverzNaZahtev>(this->faktor) : nullptr) {}

    int Red() const override { return faktor ? faktor->Red() : 0; }
    std::int64_t BrojNenultih() const override { return faktor ? faktor->BrojNenultih() : 0; }
    bool InverzFormiran() const override { return false; }
    const TPresudaSistema& Presuda() const override { return presuda; }

    TMatrix Resi(const TMatrix& B) const override {
        const int n = Red();
        TMatrix X = NovaMatrica(B.NrOfColumns(), n);
        if (!faktor) return X;
        for (int j = 1; j <= B.NrOfColumns(); ++j) {
            const std::vector<double> x = faktor->Resi(Kolona(B, j, n));
            for (int i = 1; i <= n; ++i) X.SetElem(j, i, x[static_cast<size_t>(i - 1)]);
        }
        return X;
    }
    TMatrix ResiOslonce(const TIzvorMatrice& Kso, const TMatrix& qo) const override {
        if (!faktor) return NovaMatrica(1, 0);
        return Resi(Kso.Puta(qo));
    }
    std::vector<double> KolonaInverza(int c) const override {
        if (!faktor || c < 1 || c > Red()) return std::vector<double>(static_cast<size_t>(Red()), 0.0);
        return *inverz->Kolona(c);
    }
    std::shared_ptr<const TIzvorMatrice> Inverz() const override { return inverz; }

private:
    TPresudaSistema presuda;
    std::shared_ptr<const TRetkiFaktor> faktor;
    std::shared_ptr<const TInverzNaZahtev> inverz;
};

class TRetkiOblik final : public TOblikSistema {
public:
    std::shared_ptr<const TIzvorMatrice> SklopiK(const TModel& model, const std::vector<int>& sve, int n_s,
                                                 const std::function<bool(size_t)>& napredak) const override {
        (void)n_s;
        return SklopiRetkuK(model, sve, napredak);
    }

    std::unique_ptr<TResavacKss> Faktorisi(const std::shared_ptr<const TIzvorMatrice>& Kss, int n_s,
                                           const TTokResavanja& tok) const override {
        if (n_s == 0) return std::make_unique<TRetkiResavac>(nullptr);
        tok.napredak("Resavanje sistema: faktorizacija Kss", 60);
        auto retka = std::dynamic_pointer_cast<const TRetkaMatrica>(Kss);
        std::shared_ptr<const TRetkiFaktor> faktor =
            TRetkiFaktor::Faktorisi(retka ? retka : TRetkaMatrica::Iz(*Kss), tok.radi);
        if (!faktor || !tok.radi()) return nullptr;
        TPresudaSistema presuda = PresudaZaKss(*Kss, faktor.get());
        if (presuda.singularna) throw TGreskaLabilnogSistema(presuda);
        if (!tok.radi()) return nullptr;
        tok.napredak("Resavanje sistema: zamena unazad", 80);
        return std::make_unique<TRetkiResavac>(std::move(faktor), std::move(presuda));
    }
};

}  // namespace

const TOblikSistema& RetkiOblik() {
    static const TRetkiOblik oblik;
    return oblik;
}
