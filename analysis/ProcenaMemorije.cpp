#include "ProcenaMemorije.h"

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/resource.h>

#include "Greska.h"

namespace {

std::string Procitaj(const std::string& putanja) {
    std::ifstream f(putanja);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

std::optional<std::uint64_t> Umanjeno(std::optional<std::uint64_t> granica, std::optional<std::uint64_t> zauzeto) {
    if (!granica) return std::nullopt;
    const std::uint64_t z = zauzeto.value_or(0);
    return *granica > z ? *granica - z : 0;
}

void Najmanje(std::optional<std::uint64_t>& r, std::optional<std::uint64_t> v) {
    if (v) r = r ? std::min(*r, *v) : *v;
}

// The limit left to the process's control group.
std::optional<std::uint64_t> GranicaGrupe() {
    std::istringstream grupe(Procitaj("/proc/self/cgroup"));
    std::optional<std::uint64_t> r;
    for (std::string red; std::getline(grupe, red);) {
        // "0::/put" (v2) or "N:memory:/put" / "N:cpu,memory:/put" (v1).
        const size_t a = red.find(':'), b = red.find(':', a + 1);
        if (a == std::string::npos || b == std::string::npos) continue;
        const std::string kontroleri = red.substr(a + 1, b - a - 1), put = red.substr(b + 1);
        if (kontroleri.empty()) {
            const std::string f = "/sys/fs/cgroup" + (put == "/" ? std::string() : put);
            Najmanje(r, Umanjeno(GranicaIzTeksta(Procitaj(f + "/memory.max")),
                                 GranicaIzTeksta(Procitaj(f + "/memory.current"))));
        } else if (("," + kontroleri + ",").find(",memory,") != std::string::npos) {
            const std::string f = "/sys/fs/cgroup/memory" + (put == "/" ? std::string() : put);
            auto granica = GranicaIzTeksta(Procitaj(f + "/memory.limit_in_bytes"));
            // v1 writes "no limit" as a huge page-aligned number.
            if (granica && *granica >= (std::uint64_t(1) << 60)) granica.reset();
            Najmanje(r, Umanjeno(granica, GranicaIzTeksta(Procitaj(f + "/memory.usage_in_bytes"))));
        }
    }
    return r;
}

std::optional<std::uint64_t> GranicaAdresnogProstora() {
    rlimit g{};
    if (::getrlimit(RLIMIT_AS, &g) != 0 || g.rlim_cur == RLIM_INFINITY) return std::nullopt;
    std::istringstream status(Procitaj("/proc/self/status"));
    std::optional<std::uint64_t> uUpotrebi;
    for (std::string red; std::getline(status, red);)
        if (red.rfind("VmSize:", 0) == 0) uUpotrebi = std::stoull(red.substr(7)) * 1024;
    return Umanjeno(static_cast<std::uint64_t>(g.rlim_cur), uUpotrebi);
}

std::string Megabajta(std::uint64_t b) { return std::to_string((b + (1u << 20) - 1) >> 20) + " MB"; }

}  // namespace

std::uint64_t MemorijaGustogProracuna(std::uint64_t n, std::uint64_t n_s) {
    n_s = std::min(n_s, n);
    const long double elemenata =
        2.0L * n * n + 3.0L * n_s * n_s + static_cast<long double>(n_s) * (n - n_s) + 16.0L * n;
    const long double bajtova = elemenata * sizeof(double);
    return bajtova >= 1.8e19L ? UINT64_MAX : static_cast<std::uint64_t>(bajtova);
}

std::optional<std::uint64_t> MemAvailableIzTeksta(std::string_view meminfo) {
    const size_t i = meminfo.find("MemAvailable:");
    if (i == std::string_view::npos) return std::nullopt;
    auto v = GranicaIzTeksta(meminfo.substr(i + 13, meminfo.find('\n', i) - i - 13));
    if (!v) return std::nullopt;
    return *v * 1024;  // the file gives kB
}

std::optional<std::uint64_t> GranicaIzTeksta(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    std::uint64_t v = 0;
    size_t i = 0;
    for (; i < t.size() && t[i] >= '0' && t[i] <= '9'; ++i) {
        if (v > (UINT64_MAX - 9) / 10) return std::nullopt;
        v = v * 10 + static_cast<std::uint64_t>(t[i] - '0');
    }
    if (i == 0) return std::nullopt;
    return v;
}

std::optional<std::uint64_t> RaspolozivaMemorija() {
    std::optional<std::uint64_t> r = MemAvailableIzTeksta(Procitaj("/proc/meminfo"));
    Najmanje(r, GranicaGrupe());
    Najmanje(r, GranicaAdresnogProstora());
    return r;
}

bool GustProracunStaje(std::uint64_t n, std::uint64_t n_s, std::optional<std::uint64_t> raspolozivo) {
    if (!raspolozivo) return true;
    // A tenth stays for the rest of the program and whatever shows the results.
    return MemorijaGustogProracuna(n, n_s) <= *raspolozivo / 10 * 9;
}

void ProveriMemorijuGustogProracuna(std::uint64_t n, std::uint64_t n_s, std::optional<std::uint64_t> raspolozivo) {
    if (GustProracunStaje(n, n_s, raspolozivo)) return;
    throw TGreska("Model je prevelik za raspolozivu memoriju: proracun sa " + std::to_string(n) +
                  " pomeranja trazi oko " + Megabajta(MemorijaGustogProracuna(n, n_s)) + ", a na raspolaganju je oko " +
                  Megabajta(*raspolozivo) + "!!!");
}
