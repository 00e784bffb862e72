// velt-cli diagrams: N, T, M and the deflected line of every member at equally spaced stations.
#include <charconv>
#include <cmath>
#include <cstdio>
#include <iostream>

#include "Brojevi.h"
#include "DijagramiStapa.h"
#include "Komande.h"
#include "Model.h"

namespace {

const char* const UpotrebaDiagrams = "upotreba: velt-cli diagrams MODEL [--json] [--points N] [--factor F] [--general]\n";
constexpr int NajviseStanica = 100000;

std::string Realan(long double v) {
    if (!std::isfinite(v)) return "null";
    char buf[64];
    const auto kraj = std::to_chars(buf, buf + sizeof buf, static_cast<double>(v), std::chars_format::general, 17);
    return std::string(buf, kraj.ptr);
}

// One quantity of every station, as a JSON array.
template <class F>
void Niz(std::ostream& o, const char* ime, const std::vector<TVrednostiPreseka>& v, F polje) {
    o << ",\"" << ime << "\":[";
    for (size_t i = 0; i < v.size(); ++i) o << (i ? "," : "") << Realan(polje(v[i]));
    o << "]";
}

std::string Ekstrem(const TEkstremiVelicine& e) {
    return "{\"max\":" + Realan(e.max.vrednost) + ",\"x_max\":" + Realan(e.max.x) +
           ",\"min\":" + Realan(e.min.vrednost) + ",\"x_min\":" + Realan(e.min.x) + "}";
}

std::vector<TVrednostiPreseka> NaStanicama(const TDijagramiStapa& d, const std::vector<long double>& x) {
    std::vector<TVrednostiPreseka> v;
    v.reserve(x.size());
    for (long double xi : x) v.push_back(d.NaStanici(xi));
    return v;
}

// The output goes out member by member: a model of many members at many stations never has to
// be held whole in memory.
void IspisiJson(const TModel& m, const std::vector<TDijagramiStapa>& dijagrami, int n) {
    std::ostream& o = std::cout;
    o << "{\"members\":[";
    for (size_t i = 0; i < dijagrami.size(); ++i) {
        const TDijagramiStapa& d = dijagrami[i];
        const auto x = d.Stanice(n);
        const auto v = NaStanicama(d, x);
        o << (i ? "," : "") << "{\"id\":" << m.nizStapova[i]->ID() << ",\"length\":" << Realan(d.L) << ",\"x\":[";
        for (size_t k = 0; k < x.size(); ++k) o << (k ? "," : "") << Realan(x[k]);
        o << "]";
        Niz(o, "N", v, [](const auto& p) { return p.N; });
        Niz(o, "V", v, [](const auto& p) { return p.T; });
        Niz(o, "M", v, [](const auto& p) { return p.M; });
        Niz(o, "u", v, [](const auto& p) { return p.u; });
        Niz(o, "w", v, [](const auto& p) { return p.w; });
        Niz(o, "fi", v, [](const auto& p) { return p.fi; });
        o << ",\"extremes\":{\"N\":" << Ekstrem(d.ekstremN) << ",\"V\":" << Ekstrem(d.ekstremT)
          << ",\"M\":" << Ekstrem(d.ekstremM) << ",\"w\":" << Ekstrem(d.ekstremW) << "}}";
    }
    o << "]}\n";
}

std::string Kolona(const std::string& s) {
    constexpr size_t sirina = 16;
    return s.size() >= sirina ? " " + s : std::string(sirina - s.size(), ' ') + s;
}

void IspisiTabelu(const TModel& m, const std::vector<TDijagramiStapa>& dijagrami, int n) {
    std::ostream& o = std::cout;
    o << "Znaci: " << OpisZnakovaDijagrama << "\n";
    for (size_t i = 0; i < dijagrami.size(); ++i) {
        const TDijagramiStapa& d = dijagrami[i];
        const TStap& s = *m.nizStapova[i];
        o << "\nstap " << s.ID() << " (" << ImeTipaStapa(s.TipStapa()) << "), L = " << FormatBroja(d.L) << "\n";
        for (const char* h : {"x", "N", "T", "M", "u", "w", "fi"}) o << Kolona(h);
        o << "\n";
        for (long double x : d.Stanice(n)) {
            const TVrednostiPreseka v = d.NaStanici(x);
            for (long double b : {x, v.N, v.T, v.M, v.u, v.w, v.fi}) o << Kolona(FormatBroja(b));
            o << "\n";
        }
        const struct {
            const char* ime;
            const TEkstremiVelicine& e;
        } ekstremi[] = {{"N", d.ekstremN}, {"T", d.ekstremT}, {"M", d.ekstremM}, {"w", d.ekstremW}};
        for (const auto& e : ekstremi)
            o << "  " << e.ime << ": max " << FormatBroja(e.e.max.vrednost) << " (x = " << FormatBroja(e.e.max.x)
              << "), min " << FormatBroja(e.e.min.vrednost) << " (x = " << FormatBroja(e.e.min.x) << ")\n";
        for (const TSkok& k : d.skokovi)
            o << "  skok na x = " << FormatBroja(k.x) << ": N " << FormatBroja(k.levo.N) << " / "
              << FormatBroja(k.desno.N) << ", T " << FormatBroja(k.levo.T) << " / " << FormatBroja(k.desno.T) << ", M "
              << FormatBroja(k.levo.M) << " / " << FormatBroja(k.desno.M) << " (levo / desno)\n";
    }
}

}  // namespace

int KomandaDiagrams(const Argumenti& a) {
    Argumenti ostali;
    int n = 20;
    for (size_t i = 0; i < a.size(); ++i) {
        if (a[i] == "--points" && i + 1 < a.size()) {
            const auto v = ParsirajCeo(a[++i]);
            if (!v || *v < 1 || *v > NajviseStanica) {
                std::cerr << "--points: ocekivan je ceo broj od 1 do " << NajviseStanica << "\n" << UpotrebaDiagrams;
                return 64;
            }
            n = *v;
            continue;
        }
        ostali.push_back(a[i]);
    }
    TOpcije o;
    if (int k = Parsiraj(ostali, true, UpotrebaDiagrams, o)) return k;
    TModel model;
    TStanjeAnalize stanje;
    const int status = Analiziraj(o, model, stanje, o.log);
    if (status != 0) return status;
    // The factor only scales what the window shows; the diagrams are the stored results.
    std::vector<TDijagramiStapa> dijagrami;
    try {
        dijagrami = DijagramiSvihStapova(model, stanje);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 3;
    }
    if (o.json) IspisiJson(model, dijagrami, n);
    else IspisiTabelu(model, dijagrami, n);
    // Output that could not be written (a full disk, a closed pipe) is no success.
    if (!std::cout.flush()) {
        std::cerr << "Izlaz nije moguce upisati!!!\n";
        return 1;
    }
    return 0;
}
