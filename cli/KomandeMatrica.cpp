// velt-cli matrices and check-matrix: every matrix of the method to files, and a hand-made one
// compared with the computed one; the matrices as JSON for analyze --json --matrices.
#include <cmath>
#include <fstream>
#include <iostream>
#include <sstream>

#include "Brojevi.h"
#include "Greska.h"
#include "IzvozMatrica.h"
#include "Komande.h"
#include "Model.h"
#include "PoredjenjeMatrica.h"
#include "StanjeAnalize.h"
#include "ZapisBroja.h"

namespace {

const char* const UpotrebaMatrices =
    "upotreba: velt-cli matrices MODEL -o FOLDER [--format csv|m|npy|mtx|tex] [--solver dense|sparse|auto]\n";
const char* const UpotrebaCheckMatrix =
    "upotreba: velt-cli check-matrix MODEL IME FAJL.csv [--tol T] [--solver dense|sparse|auto]\n";

std::string JsonNiz(const std::vector<int>& v) {
    std::string s = "[";
    for (size_t i = 0; i < v.size(); ++i) s += (i ? "," : "") + std::to_string(v[i]);
    return s + "]";
}

std::string JsonBroj(const TImenovanaMatrica& m, double v) {
    if (!std::isfinite(v)) return "null";
    return m.celobrojna ? std::to_string(static_cast<long long>(v)) : TacanZapis(v);
}

std::string JsonMatrica(const TImenovanaMatrica& m) {
    if (static_cast<std::int64_t>(m.redova) * m.kolona > NajviseGustihElemenata)
        throw TGreska("Matrica " + m.ime + " je prevelika za JSON; izvezite je komandom matrices u formatu mtx!!!");
    std::string s = "\"" + m.ime + "\":{\"rows\":" + std::to_string(m.redova) + ",\"cols\":" + std::to_string(m.kolona);
    if (!m.kodoviRedova.empty()) s += ",\"row_codes\":" + JsonNiz(m.kodoviRedova);
    if (!m.kodoviKolona.empty()) s += ",\"col_codes\":" + JsonNiz(m.kodoviKolona);
    s += ",\"data\":[";
    for (int r = 1; r <= m.redova; ++r) {
        if (m.jednodimenzionalna) {
            s += (r > 1 ? "," : "") + JsonBroj(m, m.Element(1, r));
            continue;
        }
        std::vector<double> red = m.izvor->Red(r);
        red.resize(static_cast<size_t>(m.kolona), 0.0);
        s += r > 1 ? ",[" : "[";
        for (size_t c = 0; c < red.size(); ++c) s += (c ? "," : "") + JsonBroj(m, red[c]);
        s += "]";
    }
    return s + "]}";
}

// Pulls `ime` and its value out of the arguments; false when the name has no value after it.
bool Izvuci(Argumenti& a, const std::string& ime, std::string& vrednost) {
    for (size_t i = 0; i < a.size(); ++i)
        if (a[i] == ime) {
            if (i + 1 >= a.size()) return false;
            vrednost = a[i + 1];
            a.erase(a.begin() + static_cast<long>(i), a.begin() + static_cast<long>(i) + 2);
            return true;
        }
    return true;
}

}  // namespace

std::string JsonMatricaMetode(const TModel& model, const TStanjeAnalize& stanje) {
    std::string s = ",\"matrices\":{";
    bool prva = true;
    for (const auto& m : SveMatriceMetode(model, stanje)) {
        s += (prva ? "" : ",") + JsonMatrica(m);
        prva = false;
    }
    return s + "}";
}

int KomandaMatrices(const Argumenti& ulaz) {
    Argumenti a = ulaz;
    std::string folder, format = "csv";
    if (!Izvuci(a, "-o", folder) || !Izvuci(a, "--format", format) || folder.empty()) {
        std::cerr << UpotrebaMatrices;
        return 64;
    }
    const auto f = ParsirajFormat(format);
    if (!f) {
        std::cerr << "Nepoznat format: " << format << " (csv, m, npy, mtx ili tex)!!!\n";
        return 1;
    }
    TOpcije o;
    if (int k = Parsiraj(a, false, UpotrebaMatrices, o)) return k;
    TModel model;
    TStanjeAnalize stanje;
    if (int status = Analiziraj(o, model, stanje, false)) return status;
    try {
        const auto putevi = IzveziMatrice(SveMatriceMetode(model, stanje), folder, *f);
        std::cout << "snimljeno " << putevi.size() << " fajlova u " << folder << "\n";
    } catch (const TGreska& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}

int KomandaCheckMatrix(const Argumenti& ulaz) {
    Argumenti a = ulaz;
    std::string tolTekst = "1e-6";
    if (!Izvuci(a, "--tol", tolTekst)) {
        std::cerr << UpotrebaCheckMatrix;
        return 64;
    }
    const auto tol = ParsirajReal(tolTekst);
    if (!tol || !(*tol >= 0)) {
        std::cerr << "Tolerancija mora biti broj veci ili jednak nuli: " << tolTekst << "!!!\n";
        return 64;
    }
    // MODEL first, then the matrix's name and the file; the rest goes to the analysis options.
    std::vector<std::string> polozajni;
    Argumenti ostali;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--solver" && i + 1 < a.size()) ostali.push_back(a[i]), ostali.push_back(a[++i]);
        else if (!a[i].empty() && a[i][0] != '-' && polozajni.size() < 3) polozajni.push_back(a[i]);
        else ostali.push_back(a[i]);
    }
    if (polozajni.size() != 3) {
        std::cerr << UpotrebaCheckMatrix;
        return 64;
    }
    ostali.push_back(polozajni[0]);
    TOpcije o;
    if (int k = Parsiraj(ostali, false, UpotrebaCheckMatrix, o)) return k;
    TModel model;
    TStanjeAnalize stanje;
    if (int status = Analiziraj(o, model, stanje, false)) return status;
    const auto m = NadjiMatricu(SveMatriceMetode(model, stanje), polozajni[1]);
    if (!m) {
        std::cerr << "Nepoznata matrica: " << polozajni[1] << "!!!\n";
        return 1;
    }
    std::ifstream fajl(polozajni[2], std::ios::binary);
    std::stringstream sadrzaj;
    sadrzaj << fajl.rdbuf();
    if (!fajl) {
        std::cerr << "Nije moguce procitati fajl " << polozajni[2] << "!!!\n";
        return 1;
    }
    try {
        const double t = static_cast<double>(*tol);
        const TIshodProvere ishod = ProveriMatricu(*m, ProcitajTabelu(sadrzaj.str()), t);
        std::cout << OpisProvere(*m, ishod, t);
        return ishod.SveOdgovara() ? 0 : 4;
    } catch (const TGreska& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
}
