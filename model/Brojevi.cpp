#include "Brojevi.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "DekadneCifre.h"
#include "Greska.h"

namespace {

// Decimal digits and exponent of v rounded to `cifara` significant digits (v != 0, finite).
struct Dekadno {
    bool negativan;
    std::string cifre;  // exactly `cifara` digits, first non-zero
    int eksponent;      // v = 0.d1d2d3... * 10^(eksponent+1)
};

Dekadno Razlozi(long double v, int cifara) {
    if (TDekadneCifre c; DekadneCifre(v, cifara, c)) return {c.negativan, std::move(c.cifre), c.eksponent};
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.*Le", cifara - 1, v);
    Dekadno d{buf[0] == '-', {}, 0};
    const char* p = buf + (d.negativan ? 1 : 0);
    for (; *p && *p != 'e'; ++p)
        if (*p != '.') d.cifre += *p;
    d.eksponent = std::atoi(p + 1);
    return d;
}

bool JeBlanko(char c) { return c == ' ' || c == '\t'; }

std::string_view BezBlanka(std::string_view t) {
    while (!t.empty() && JeBlanko(t.front())) t.remove_prefix(1);
    while (!t.empty() && JeBlanko(t.back())) t.remove_suffix(1);
    return t;
}

// The exactly representable powers of ten: 10^k = 5^k 2^k and 5^27 < 2^64.
constexpr int najveciTacanStepen = 27;

// Each product is an integer below 2^64 times a power of two, so every entry is exact.
constexpr auto TacniStepeni() {
    std::array<long double, najveciTacanStepen + 1> s{};
    s[0] = 1;
    for (int k = 1; k <= najveciTacanStepen; ++k) s[k] = s[k - 1] * 10;
    return s;
}
constexpr auto tacniStepeni = TacniStepeni();

// An exact integer of digits times ten to `eksponent`, in one rounded operation when the power is
// exact; false when it is not.
bool IzCifara(unsigned long long cifre, int eksponent, long double& v) {
    if (cifre == 0) {
        v = 0;
        return true;
    }
    if (eksponent < -najveciTacanStepen || eksponent > najveciTacanStepen) return false;
    const long double stepen = tacniStepeni[static_cast<size_t>(std::abs(eksponent))];
    const long double m = static_cast<long double>(cifre);
    v = eksponent < 0 ? m / stepen : m * stepen;
    return true;
}

// A decimal of at most 19 significant digits whose exponent leaves a power of ten that is exact
// is one exact integer times or over one exact power, so a single rounded operation gives the
// correctly rounded value the library's reading would give. False for anything else.
// `t` has passed the grammar check and carries no sign.
bool BrzoProcitaj(std::string_view t, long double& v) {
    unsigned long long cifre = 0;
    int znacajnih = 0, eksponent = 0;
    size_t i = 0;
    bool posleTacke = false;
    for (; i < t.size() && t[i] != 'e' && t[i] != 'E'; ++i) {
        if (t[i] == '.') {
            posleTacke = true;
            continue;
        }
        if (cifre == 0 && t[i] == '0') {
            if (posleTacke) --eksponent;
            continue;
        }
        if (++znacajnih > 19) return false;
        cifre = cifre * 10 + static_cast<unsigned>(t[i] - '0');
        if (posleTacke) --eksponent;
    }
    if (i < t.size()) {
        int e = 0;
        auto [kraj, ec] = std::from_chars(t.data() + i + 1 + (t[i + 1] == '+' ? 1 : 0), t.data() + t.size(), e);
        if (ec != std::errc() || kraj != t.data() + t.size()) return false;
        eksponent += e;
    }
    return IzCifara(cifre, eksponent, v);
}

bool Cifra(char c) { return c >= '0' && c <= '9'; }

// The form the writer gives every real, "d.ddddddddddddddE+dddd" (the sign already taken off):
// 15 digits and a four-digit exponent, read in one pass into the digits and exponent the general
// reading would find. False for any other form.
bool ProcitajOblikFajla(std::string_view t, long double& v) {
    if (t.size() != 22 || t[1] != '.' || t[16] != 'E' || (t[17] != '+' && t[17] != '-')) return false;
    unsigned long long cifre = 0;
    for (size_t k = 0; k < 16; ++k) {
        if (k == 1) continue;
        if (!Cifra(t[k])) return false;
        cifre = cifre * 10 + static_cast<unsigned>(t[k] - '0');
    }
    int e = 0;
    for (size_t k = 18; k < 22; ++k) {
        if (!Cifra(t[k])) return false;
        e = e * 10 + (t[k] - '0');
    }
    // Only zero itself starts with a zero in the writer's form; other such texts take the
    // general reading.
    if (t[0] == '0' && cifre != 0) return false;
    return IzCifara(cifre, (t[17] == '-' ? -e : e) - 14, v);
}

}  // namespace

std::string FormatBroja(long double v) {
    if (std::isnan(v)) return "NAN";
    if (std::isinf(v)) return v < 0 ? "-INF" : "INF";
    if (v == 0) return "0";
    Dekadno d = Razlozi(v, 15);
    while (d.cifre.size() > 1 && d.cifre.back() == '0') d.cifre.pop_back();
    std::string s = d.negativan ? "-" : "";
    if (d.eksponent < -5 || d.eksponent >= 15) {
        s += d.cifre[0];
        if (d.cifre.size() > 1) s += "." + d.cifre.substr(1);
        s += "E" + std::to_string(d.eksponent);
    } else if (d.eksponent < 0) {
        s += "0." + std::string(-d.eksponent - 1, '0') + d.cifre;
    } else {
        const size_t celih = static_cast<size_t>(d.eksponent) + 1;
        if (d.cifre.size() <= celih) {
            s += d.cifre + std::string(celih - d.cifre.size(), '0');
        } else {
            s += d.cifre.substr(0, celih) + "." + d.cifre.substr(celih);
        }
    }
    return s;
}

std::string FormatFiksno(long double v, int decimala) {
    if (!std::isfinite(v)) return FormatBroja(v);
    char buf[8192];
    std::snprintf(buf, sizeof buf, "%.*Lf", decimala, v);
    std::string s = buf;
    // A value that rounds to zero is shown without a sign.
    if (s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

std::string FormatRealaZaFajl(long double v) {
    // Entities only ever hold finite values; refusing here keeps a stray one out of the file.
    if (!std::isfinite(v)) throw TGreska("Vrednost " + FormatBroja(v) + " nije konacan broj!!!");
    if (v == 0) return " 0.00000000000000E+0000";
    std::string s;
    Dekadno d = Razlozi(v, 15);
    s += d.negativan ? '-' : ' ';
    s += d.cifre[0];
    s += '.';
    s += d.cifre.substr(1);
    char eks[16];
    std::snprintf(eks, sizeof eks, "E%c%04d", d.eksponent < 0 ? '-' : '+', std::abs(d.eksponent));
    return s + eks;
}

std::optional<long double> ParsirajReal(std::string_view tekst) {
    std::string_view t = BezBlanka(tekst);
    bool negativan = false;
    if (!t.empty() && (t[0] == '+' || t[0] == '-')) {
        negativan = t[0] == '-';
        t.remove_prefix(1);
    }
    long double v = 0;
    if (ProcitajOblikFajla(t, v)) return negativan ? -v : v;
    // Check the grammar ourselves: from_chars would also take "inf", "nan" and hex forms.
    size_t i = 0, cifara = 0;
    while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++cifara;
    if (i < t.size() && t[i] == '.') {
        ++i;
        while (i < t.size() && std::isdigit(static_cast<unsigned char>(t[i]))) ++i, ++cifara;
    }
    if (cifara == 0) return std::nullopt;
    if (i < t.size() && (t[i] == 'e' || t[i] == 'E')) {
        size_t j = i + 1;
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) ++j;
        size_t poc = j;
        while (j < t.size() && std::isdigit(static_cast<unsigned char>(t[j]))) ++j;
        if (j == poc) return std::nullopt;
        i = j;
    }
    if (i != t.size()) return std::nullopt;
    if (BrzoProcitaj(t, v)) return negativan ? -v : v;
    auto [kraj, ec] = std::from_chars(t.data(), t.data() + t.size(), v, std::chars_format::general);
    if (ec == std::errc::result_out_of_range) {
        // Out of range either way: the decimal exponent of the first significant digit tells
        // overflow (refused) from underflow (read as zero).
        long long e10 = 0;
        const size_t eks = t.find_first_of("eE");
        if (eks != std::string_view::npos) {
            std::string_view et = t.substr(eks + 1);
            const bool minus = !et.empty() && et[0] == '-';
            if (!et.empty() && (et[0] == '+' || et[0] == '-')) et.remove_prefix(1);
            for (char ch : et) e10 = std::min<long long>(e10 * 10 + (ch - '0'), 1000000000LL);
            if (minus) e10 = -e10;
        }
        const std::string_view mantisa = t.substr(0, eks);
        const size_t tacka = std::min(mantisa.find('.'), mantisa.size());
        const size_t prva = mantisa.find_first_of("123456789");
        e10 += prva < tacka ? static_cast<long long>(tacka - prva) - 1 : -static_cast<long long>(prva - tacka);
        if (e10 > 0) return std::nullopt;
        v = 0;
    } else if (ec != std::errc() || kraj != t.data() + t.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return negativan ? -v : v;
}

std::optional<int> ParsirajCeo(std::string_view tekst) {
    std::string_view t = BezBlanka(tekst);
    if (!t.empty() && t[0] == '+') t.remove_prefix(1);
    if (t.empty()) return std::nullopt;
    int v = 0;
    auto [kraj, ec] = std::from_chars(t.data(), t.data() + t.size(), v);
    if (ec != std::errc() || kraj != t.data() + t.size()) return std::nullopt;
    return v;
}

namespace {
std::string Navodi(std::string_view tekst) {
    // Keep a hostile line from producing a huge message.
    std::string s(tekst.substr(0, 60));
    if (tekst.size() > 60) s += "...";
    return "'" + s + "'";
}
}  // namespace

std::string PorukaNeispravanReal(std::string_view tekst) {
    std::string poruka = Navodi(tekst) + " nije ispravan realan broj!!!";
    // A decimal comma is the usual slip; the number it was meant to be says so.
    std::string saTackom(tekst);
    for (char& c : saTackom)
        if (c == ',') c = '.';
    if (saTackom != tekst && ParsirajReal(saTackom)) poruka += "\r\nZa decimale koristite tacku.";
    return poruka;
}

std::string PorukaNeispravanCeo(std::string_view tekst) { return Navodi(tekst) + " nije ispravan ceo broj!!!"; }

long double TekstUReal(std::string_view tekst) {
    if (auto v = ParsirajReal(tekst)) return *v;
    throw TGreska(PorukaNeispravanReal(tekst));
}

int TekstUCeo(std::string_view tekst) {
    if (auto v = ParsirajCeo(tekst)) return *v;
    throw TGreska(PorukaNeispravanCeo(tekst));
}
