// velt-cli influence: the influence line of one quantity at equally spaced stations of every
// member of the load's path, and the extreme positions of a load train.
#include <cmath>
#include <cstdio>
#include <iostream>
#include <sstream>

#include "Brojevi.h"
#include "Greska.h"
#include "Komande.h"
#include "Model.h"
#include "PokretniTeret.h"
#include "StanjeAnalize.h"
#include "UticajneLinije.h"

namespace {

const char* const UpotrebaInfluence =
    "upotreba: velt-cli influence MODEL --quantity N|T|M --member ID --x X [--points N] [--json]\n"
    "          velt-cli influence MODEL --quantity Rx|Rz|M0|Ux|Uz|Fi|Fx|Fz|Mfi --node ID [--points N] [--json]\n"
    "          (Fx, Fz, Mfi: sila opruge cvora u njegovim osama)\n"
    "          [--path ID,ID,...] [--load-x] [--train \"P1@0,P2@d2,...\"] [--general] [--solver dense|sparse|auto]\n";
constexpr int NajviseStanica = 100000;

std::string Realan(long double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.17g", static_cast<double>(v));
    return buf;
}

struct TArgumentiUticaja {
    TZahtevUticaja zahtev;
    int tacaka = 20;
    std::string voz;
    bool imaVoza = false, imaVelicine = false, imaStapa = false, imaX = false, imaCvora = false;
};

bool Ceo(const std::string& t, int& v) {
    const auto r = ParsirajReal(t);
    if (!r || *r != std::floor(*r) || std::fabs(*r) > 1e9) return false;
    v = static_cast<int>(*r);
    return true;
}

bool Put(const std::string& t, std::vector<int>& put) {
    std::stringstream s(t);
    std::string id;
    while (std::getline(s, id, ',')) {
        int v;
        if (!Ceo(id, v)) return false;
        put.push_back(v);
    }
    return !put.empty();
}

// One option of the command; false when it is not one, or its value is unusable.
bool Opcija(const Argumenti& a, size_t& i, TArgumentiUticaja& u, Argumenti& ostali) {
    const std::string& k = a[i];
    const bool imaVrednost = i + 1 < a.size();
    if (k == "--load-x") return u.zahtev.pravac = TPravacTereta::MinusX, true;
    if (!imaVrednost || (k != "--quantity" && k != "--member" && k != "--x" && k != "--node" && k != "--points" &&
                         k != "--path" && k != "--train")) {
        ostali.push_back(k);
        return true;
    }
    const std::string& v = a[++i];
    if (k == "--quantity") {
        const auto q = ParsirajVelicinu(v);
        if (q) u.zahtev.velicina = *q;
        return u.imaVelicine = q.has_value();
    }
    if (k == "--member") return u.imaStapa = Ceo(v, u.zahtev.idStapa);
    if (k == "--node") return u.imaCvora = Ceo(v, u.zahtev.idCvora);
    if (k == "--points") return Ceo(v, u.tacaka) && u.tacaka >= 1 && u.tacaka <= NajviseStanica;
    if (k == "--path") return Put(v, u.zahtev.put);
    if (k == "--train") return u.voz = v, u.imaVoza = true;
    const auto x = ParsirajReal(v);
    if (x) u.zahtev.x = *x;
    return u.imaX = x.has_value();
}

void IspisiJson(const TUticajnaLinija& l, int n, const TEkstremiVoza* e) {
    std::ostringstream o;
    o << "{\"quantity\":\"" << ImeVelicine(l.velicina) << "\",\"members\":[";
    for (size_t i = 0; i < l.stapovi.size(); ++i) {
        const TUticajStapa& s = l.stapovi[i];
        std::string xs = "[", vs = "[";
        for (int k = 0; k <= n; ++k) {
            const long double x = k == n ? s.L : s.L * k / n;
            xs += (k ? "," : "") + Realan(x);
            vs += (k ? "," : "") + Realan(s.Vrednost(x));
        }
        o << (i ? "," : "") << "{\"id\":" << s.idStapa << ",\"length\":" << Realan(s.L) << ",\"x\":" << xs
          << "],\"value\":" << vs << "]}";
    }
    o << "]";
    if (e)
        o << ",\"train\":{\"max\":{\"position\":" << Realan(e->max.s) << ",\"value\":" << Realan(e->max.vrednost)
          << "},\"min\":{\"position\":" << Realan(e->min.s) << ",\"value\":" << Realan(e->min.vrednost) << "}}";
    o << "}\n";
    std::cout << o.str();
}

void IspisiTekst(const TUticajnaLinija& l, int n, const TEkstremiVoza* e) {
    std::cout << "UTICAJNA LINIJA " << ImeVelicine(l.velicina) << " (jedinicni teret)\n";
    for (const TUticajStapa& s : l.stapovi) {
        std::cout << "stap " << s.idStapa << " (L = " << FormatBroja(s.L) << "):\n";
        for (int k = 0; k <= n; ++k) {
            const long double x = k == n ? s.L : s.L * k / n;
            std::cout << "  x = " << FormatBroja(x) << ": " << FormatBroja(s.Vrednost(x)) << "\n";
        }
    }
    if (e)
        std::cout << "VOZ\nmax = " << FormatBroja(e->max.vrednost) << " za polozaj " << FormatBroja(e->max.s)
                  << "\nmin = " << FormatBroja(e->min.vrednost) << " za polozaj " << FormatBroja(e->min.s) << "\n";
}

}  // namespace

int KomandaInfluence(const Argumenti& a) {
    TArgumentiUticaja u;
    Argumenti ostali;
    bool opsta = false;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--general") {
            opsta = true;
            continue;
        }
        if (!Opcija(a, i, u, ostali)) {
            std::cerr << UpotrebaInfluence;
            return 64;
        }
    }
    TOpcije o;
    if (int k = Parsiraj(ostali, true, UpotrebaInfluence, o)) return k;
    o.opsta = opsta;
    const bool presek = VelicinaPreseka(u.zahtev.velicina);
    if (!u.imaVelicine || (presek ? !(u.imaStapa && u.imaX) : !u.imaCvora)) {
        std::cerr << UpotrebaInfluence;
        return 64;
    }
    TModel model;
    TStanjeAnalize stanje;
    const int status = Analiziraj(o, model, stanje, o.log);
    if (status != 0) return status;
    try {
        const TUticajnaLinija l = IzracunajUticajnuLiniju(model, stanje, u.zahtev);
        TEkstremiVoza e;
        if (u.imaVoza) e = EkstremiVoza(l, ParsirajVoz(u.voz));
        if (o.json) IspisiJson(l, u.tacaka, u.imaVoza ? &e : nullptr);
        else IspisiTekst(l, u.tacaka, u.imaVoza ? &e : nullptr);
    } catch (const TGreska& g) {
        std::cerr << g.what() << "\n";
        return 3;
    }
    return 0;
}
