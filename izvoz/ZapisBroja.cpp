#include "ZapisBroja.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstdlib>

std::string TacanZapis(double v) { return ZapisSaCiframa(v, 17); }

std::string ZapisSaCiframa(double v, int cifara) {
    if (std::isnan(v)) return "nan";
    if (std::isinf(v)) return v < 0 ? "-inf" : "inf";
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*g", cifara, v);
    return buf;
}

std::optional<double> ProcitajBroj(std::string_view tekst, bool zarezJeTacka) {
    size_t a = 0, b = tekst.size();
    while (a < b && (tekst[a] == ' ' || tekst[a] == '\t' || tekst[a] == '\r' || tekst[a] == '"')) ++a;
    while (b > a && (tekst[b - 1] == ' ' || tekst[b - 1] == '\t' || tekst[b - 1] == '\r' || tekst[b - 1] == '"')) --b;
    if (a == b || b - a > 64) return std::nullopt;
    std::string t(tekst.substr(a, b - a));
    if (zarezJeTacka)
        for (char& c : t)
            if (c == ',') c = '.';
    // strtod follows the C locale, which the program never changes: '.' is the decimal point.
    errno = 0;
    char* kraj = nullptr;
    const double v = std::strtod(t.c_str(), &kraj);
    if (kraj != t.c_str() + t.size()) return std::nullopt;
    if (errno == ERANGE && std::isinf(v)) return std::nullopt;
    return v;
}
