#include "SekcijaOslonaca.h"

#include <cmath>

#include "Brojevi.h"
#include "PravilaVrednosti.h"

namespace {

bool Konacan(long double v) { return std::isfinite(static_cast<double>(v)); }

bool Prazno(char ch) { return ch == ' ' || ch == '\t'; }

// The "kljuc=vrednost" pairs of a line, blanks allowed around "=": the file's reals start with a
// blank where a sign would be. f(kljuc, vrednost, ispravan) for each, ispravan false for a word
// without "=".
template <class F>
void ZaParove(std::string_view red, F f) {
    size_t i = 0;
    auto preskoci = [&] {
        while (i < red.size() && Prazno(red[i])) ++i;
    };
    auto rec = [&](bool doJednako) {
        const size_t p = i;
        while (i < red.size() && !Prazno(red[i]) && !(doJednako && red[i] == '=')) ++i;
        return red.substr(p, i - p);
    };
    for (preskoci(); i < red.size(); preskoci()) {
        const std::string_view kljuc = rec(true);
        preskoci();
        if (i >= red.size() || red[i] != '=') {
            f(kljuc, std::string_view(), false);
            continue;
        }
        ++i;
        preskoci();
        f(kljuc, rec(false), true);
    }
}

}  // namespace

const char* GreskaElasticnogOslonca(bool oslX, bool oslZ, bool ukljY, long double kx, long double kz, long double kfi,
                                    long double ugao) {
    for (long double v : {kx, kz, kfi, ugao})
        if (!Konacan(v)) return "Krutost opruge i ugao oslonca moraju biti konacni brojevi!!!";
    if (kx < 0 || kz < 0 || kfi < 0) return "Krutost opruge ne moze biti negativna!!!";
    if ((oslX && kx > 0) || (oslZ && kz > 0) || (ukljY && kfi > 0))
        return "Opruga ne moze biti zadata u pravcu koji je sprecen osloncem!!!";
    return nullptr;
}

std::string RedoviOslonaca(const TModel& model, std::string_view krajReda) {
    std::string s;
    for (const auto& c : model.nizCvorova) {
        if (!c->ImaElasticniIliKosiOslonac()) continue;
        if (s.empty()) {
            s += KljucnaRecOslonaca;
            s += krajReda;
        }
        s += "cvor=" + std::to_string(c->ID());
        const std::pair<const char*, long double> vrednosti[] = {
            {"kx", c->Kx()}, {"kz", c->Kz()}, {"kfi", c->Kfi()}, {"ugao", c->Ugao()}};
        for (const auto& [kljuc, v] : vrednosti)
            if (v != 0) s += std::string(" ") + kljuc + "=" + FormatRealaZaFajl(v);
        s += krajReda;
    }
    if (!s.empty()) {
        s += "--";
        s += krajReda;
    }
    return s;
}

std::string ProcitajRedOslonaca(std::string_view red, TRedOslonaca& r) {
    std::string greska;
    bool imaCvor = false;
    ZaParove(red, [&](std::string_view kljuc, std::string_view vrednost, bool ispravan) {
        if (!greska.empty()) return;
        if (!ispravan) {
            greska = "u odeljku OSLONCI se ocekuje kljuc=vrednost, a ne \"" + std::string(kljuc) + "\"!!!";
            return;
        }
        if (kljuc == "cvor") {
            const auto id = ParsirajCeo(vrednost);
            if (!id) greska = "cvor u odeljku OSLONCI mora biti ceo broj!!!";
            else r.idCvora = *id, imaCvor = true;
            return;
        }
        long double* cilj = kljuc == "kx"     ? &r.kx
                            : kljuc == "kz"   ? &r.kz
                            : kljuc == "kfi"  ? &r.kfi
                            : kljuc == "ugao" ? &r.ugao
                                              : nullptr;
        if (!cilj) return;  // a key a newer program wrote
        const auto v = ParsirajReal(vrednost);
        if (!v || !UOpseguProracuna(*v))
            greska = std::string(kljuc) + " u odeljku OSLONCI mora biti konacan realan broj!!!";
        else *cilj = *v;
    });
    if (greska.empty() && !imaCvor) greska = "red odeljka OSLONCI ne navodi cvor (cvor=ID)!!!";
    return greska;
}
