#include "PoredjenjeMatrica.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>
#include <optional>

#include "Greska.h"
#include "ZapisBroja.h"

namespace {

constexpr double NaN = std::numeric_limits<double>::quiet_NaN();

std::vector<std::string> Podeli(const std::string& red, char znak) {
    std::vector<std::string> delovi(1);
    for (char c : red) {
        if (c == znak) delovi.emplace_back();
        else if (c != '\r') delovi.back() += c;
    }
    return delovi;
}

bool Prazan(const std::string& s) { return s.find_first_not_of(" \t\r") == std::string::npos; }

// The labels of one axis as positions in the matrix's order; nullopt unless they are the matrix's
// code numbers, each once.
std::optional<std::vector<int>> Mesta(const std::vector<double>& oznake, const std::vector<int>& kodovi) {
    if (kodovi.empty() || oznake.size() != kodovi.size()) return std::nullopt;
    std::map<int, int> mesto;
    for (size_t i = 0; i < kodovi.size(); ++i)
        if (!mesto.emplace(kodovi[i], static_cast<int>(i) + 1).second) return std::nullopt;
    std::vector<int> v;
    std::vector<bool> uzeto(kodovi.size() + 1, false);
    for (double o : oznake) {
        if (!(o == std::floor(o)) || std::fabs(o) > 1e9) return std::nullopt;
        auto it = mesto.find(static_cast<int>(o));
        if (it == mesto.end() || uzeto[static_cast<size_t>(it->second)]) return std::nullopt;
        uzeto[static_cast<size_t>(it->second)] = true;
        v.push_back(it->second);
    }
    return v;
}

// Cell (red, kolona) of the matrix holds table cell (t.red, t.kolona) after alignment.
struct TRaspored {
    std::vector<int> redTabele, kolonaTabele;  // by matrix row / column, 0-based into the table
    bool poKodovima = false;
};

std::optional<TRaspored> PoOznakama(const TImenovanaMatrica& m, const TUnetaTabela& t) {
    if (static_cast<int>(t.redovi.size()) != m.redova + 1) return std::nullopt;
    for (const auto& r : t.redovi)
        if (static_cast<int>(r.size()) != m.kolona + 1) return std::nullopt;
    std::vector<double> gore(t.redovi[0].begin() + 1, t.redovi[0].end()), levo;
    for (size_t r = 1; r < t.redovi.size(); ++r) levo.push_back(t.redovi[r][0]);
    const auto kolone = Mesta(gore, m.kodoviKolona), redovi = Mesta(levo, m.kodoviRedova);
    if (!kolone || !redovi) return std::nullopt;
    TRaspored p;
    p.poKodovima = true;
    p.redTabele.assign(static_cast<size_t>(m.redova), 0);
    p.kolonaTabele.assign(static_cast<size_t>(m.kolona), 0);
    for (size_t i = 0; i < redovi->size(); ++i) p.redTabele[static_cast<size_t>((*redovi)[i] - 1)] = int(i) + 1;
    for (size_t i = 0; i < kolone->size(); ++i) p.kolonaTabele[static_cast<size_t>((*kolone)[i] - 1)] = int(i) + 1;
    return p;
}

std::optional<TRaspored> Raspored(const TImenovanaMatrica& m, const TUnetaTabela& t) {
    if (auto p = PoOznakama(m, t)) return p;
    TRaspored p;
    const int redova = static_cast<int>(t.redovi.size());
    const bool istaVelicina = redova == m.redova && std::all_of(t.redovi.begin(), t.redovi.end(), [&](const auto& r) {
                                  return static_cast<int>(r.size()) == m.kolona;
                              });
    if (istaVelicina) {
        for (int r = 0; r < m.redova; ++r) p.redTabele.push_back(r);
        for (int c = 0; c < m.kolona; ++c) p.kolonaTabele.push_back(c);
        return p;
    }
    return std::nullopt;
}

// A vector typed as one row becomes a column.
TUnetaTabela Uspravno(const TUnetaTabela& t) {
    TUnetaTabela u;
    for (double v : t.redovi[0]) u.redovi.push_back({v});
    return u;
}

}  // namespace

TUnetaTabela ProcitajTabelu(const std::string& tekst) {
    const char znak = tekst.find('\t') != std::string::npos ? '\t' : tekst.find(';') != std::string::npos ? ';' : ',';
    const bool zarez = znak != ',';
    TUnetaTabela t;
    int brojReda = 0;
    for (const std::string& linija : Podeli(tekst, '\n')) {
        ++brojReda;
        if (Prazan(linija)) continue;
        std::vector<std::string> celije = Podeli(linija, znak);
        // A spreadsheet may end a row with empty cells.
        while (celije.size() > 1 && Prazan(celije.back())) celije.pop_back();
        std::vector<double> vrednosti;
        for (size_t c = 0; c < celije.size(); ++c) {
            const auto v = ProcitajBroj(celije[c], zarez);
            // Only the top-left cell may be a label; everything else must be a number.
            if (!v && !(t.redovi.empty() && c == 0))
                throw TGreska("Red " + std::to_string(brojReda) + ", kolona " + std::to_string(c + 1) + ": \"" +
                              celije[c] + "\" nije broj!!!");
            vrednosti.push_back(v ? *v : NaN);
        }
        t.redovi.push_back(std::move(vrednosti));
        t.tekst.push_back(std::move(celije));
    }
    return t;
}

TIshodProvere ProveriMatricu(const TImenovanaMatrica& m, const TUnetaTabela& ulaz, double tol) {
    TIshodProvere ishod;
    const bool red = m.kolona == 1 && ulaz.redovi.size() == 1 && m.redova > 1;
    const TUnetaTabela t = red ? Uspravno(ulaz) : ulaz;
    const auto p = Raspored(m, t);
    if (!p || (!p->poKodovima && !t.redovi.empty() && std::isnan(t.redovi[0][0]))) {
        size_t kolona = 0;
        for (const auto& r : t.redovi) kolona = std::max(kolona, r.size());
        ishod.poruka = "Uneta tabela ima " + std::to_string(t.redovi.size()) + " x " + std::to_string(kolona) +
                       " vrednosti, a matrica " + m.ime + " je " + std::to_string(m.redova) + " x " +
                       std::to_string(m.kolona) + "!!!";
        return ishod;
    }
    ishod.velicinaOdgovara = true;
    ishod.poKodovima = p->poKodovima;
    double najveca = 0;
    for (int c = 1; c <= m.kolona; ++c)
        for (int r = 1; r <= m.redova; ++r) najveca = std::max(najveca, std::fabs(m.Element(c, r)));
    const double nula = 1e-12 * najveca;
    for (int c = 1; c <= m.kolona; ++c)
        for (int r = 1; r <= m.redova; ++r) {
            const double a = m.Element(c, r);
            const double b = t.redovi[static_cast<size_t>(p->redTabele[static_cast<size_t>(r - 1)])]
                                     [static_cast<size_t>(p->kolonaTabele[static_cast<size_t>(c - 1)])];
            ++ishod.poredjeno;
            const double d = std::fabs(a - b);
            double rel = d <= nula ? 0.0 : d / std::max(std::fabs(a), std::fabs(b));
            if (std::isnan(rel)) rel = std::numeric_limits<double>::infinity();
            ishod.najvecaRazlika = std::max(ishod.najvecaRazlika, rel);
            if (rel > tol) {
                TRazlika x{r, c, 0, 0, a, b, rel};
                if (!m.kodoviRedova.empty()) x.kodReda = m.kodoviRedova[static_cast<size_t>(r - 1)];
                if (!m.kodoviKolona.empty()) x.kodKolone = m.kodoviKolona[static_cast<size_t>(c - 1)];
                ishod.razlike.push_back(x);
            }
        }
    return ishod;
}

std::string OpisProvere(const TImenovanaMatrica& m, const TIshodProvere& ishod, double tol) {
    if (!ishod.velicinaOdgovara) return ishod.poruka + "\n";
    std::string s;
    for (const TRazlika& x : ishod.razlike) {
        s += "red " + std::to_string(x.red);
        if (x.kodReda) s += " (kod " + std::to_string(x.kodReda) + ")";
        s += ", kolona " + std::to_string(x.kolona);
        if (x.kodKolone) s += " (kod " + std::to_string(x.kodKolone) + ")";
        s += ": VELT " + TacanZapis(x.izracunato) + ", uneto " + TacanZapis(x.uneto) + ", relativna razlika " +
             ZapisSaCiframa(x.relativna, 3) + "\n";
    }
    s += m.ime + ": " + std::to_string(ishod.razlike.size()) + " od " + std::to_string(ishod.poredjeno) +
         " vrednosti se razlikuje (tolerancija " + ZapisSaCiframa(tol, 3) + "), najveca relativna razlika " +
         ZapisSaCiframa(ishod.najvecaRazlika, 3) + "\n";
    return s;
}
