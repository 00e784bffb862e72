#include "DekadneCifre.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>

namespace {

// An unsigned integer of up to Limbova 32-bit limbs, least significant first.
constexpr int Limbova = 20;
struct TVelikiBroj {
    std::uint32_t l[Limbova] = {};
    int n = 0;

    void Pomnozi(std::uint32_t f) {
        std::uint64_t prenos = 0;
        for (int i = 0; i < n; ++i) {
            const std::uint64_t t = std::uint64_t(l[i]) * f + prenos;
            l[i] = std::uint32_t(t);
            prenos = t >> 32;
        }
        if (prenos) l[n++] = std::uint32_t(prenos);
    }
    // Divides in place and returns the remainder.
    std::uint32_t Podeli(std::uint32_t d) {
        std::uint64_t ostatak = 0;
        for (int i = n - 1; i >= 0; --i) {
            const std::uint64_t t = (ostatak << 32) | l[i];
            l[i] = std::uint32_t(t / d);
            ostatak = t % d;
        }
        while (n > 0 && l[n - 1] == 0) --n;
        return std::uint32_t(ostatak);
    }
};

// The exponents of two this covers keep the integer below: 2^64 * 5^160 < 2^436 and
// 2^64 * 2^200 < 2^264, both well inside Limbova limbs.
constexpr int NajmanjiEksponent = -160, NajveciEksponent = 200;

// All decimal digits of m * 2^q as an integer times 10^pomak (pomak = min(q, 0)).
std::string SveCifre(std::uint64_t m, int q) {
    TVelikiBroj b;
    b.l[0] = std::uint32_t(m);
    b.l[1] = std::uint32_t(m >> 32);
    b.n = b.l[1] ? 2 : 1;
    // m * 2^q = m * 5^-q / 10^-q for a negative q.
    for (int k = q < 0 ? -q : q; k > 0;) {
        const int korak = std::min(k, q < 0 ? 13 : 31);
        std::uint32_t f = 1;
        for (int i = 0; i < korak; ++i) f *= q < 0 ? 5 : 2;
        b.Pomnozi(f);
        k -= korak;
    }
    char grupe[Limbova * 10 + 16];
    int duzina = 0;
    while (b.n > 0) {
        std::uint32_t g = b.Podeli(1000000000u);
        for (int i = 0; i < 9; ++i, g /= 10) grupe[duzina++] = char('0' + g % 10);
    }
    while (duzina > 1 && grupe[duzina - 1] == '0') --duzina;
    std::string s(grupe, grupe + duzina);
    return std::string(s.rbegin(), s.rend());
}

// Keeps `cifara` digits of `sve`, rounding to nearest with ties to even; true when the rounding
// carried into a new leading digit.
bool Zaokruzi(std::string& sve, int cifara) {
    if (int(sve.size()) <= cifara) {
        sve.append(size_t(cifara) - sve.size(), '0');
        return false;
    }
    const char prva = sve[size_t(cifara)];
    bool gore = prva > '5';
    if (prva == '5') {
        gore =
            sve.find_first_not_of('0', size_t(cifara) + 1) != std::string::npos || (sve[size_t(cifara) - 1] - '0') % 2;
    }
    sve.resize(size_t(cifara));
    if (!gore) return false;
    for (int i = cifara - 1; i >= 0; --i) {
        if (sve[size_t(i)] != '9') {
            ++sve[size_t(i)];
            return false;
        }
        sve[size_t(i)] = '0';
    }
    sve.insert(sve.begin(), '1');
    sve.pop_back();
    return true;
}

// Powers of ten that a long double holds exactly (5^27 < 2^64).
constexpr int NajvisiTacanStepen = 27;
long double StepenDeset(int k) {
    static const auto stepeni = [] {
        std::array<long double, NajvisiTacanStepen + 1> t{};
        t[0] = 1;
        for (int i = 1; i <= NajvisiTacanStepen; ++i) t[size_t(i)] = t[size_t(i) - 1] * 10;
        return t;
    }();
    return stepeni[size_t(k)];
}

// The usual case in one multiplication: |v| scaled by an exact power of ten to `cifara` integer
// digits is off by at most a quarter of its last bit, so its rounding is settled unless the
// fraction is within that of one half; then, and outside the exact powers, the caller goes exact.
bool BrzeCifre(long double v, int cifara, TDekadneCifre& d) {
    if (cifara > 18) return false;
    int e2 = 0;
    std::frexp(v, &e2);
    int e = int(std::floor((e2 - 1) * 0.30102999566398120));
    for (int pokusaj = 0; pokusaj < 2; ++pokusaj) {
        const int k = cifara - 1 - e;
        if (k > NajvisiTacanStepen || -k > NajvisiTacanStepen) return false;
        const long double y = k >= 0 ? std::fabs(v) * StepenDeset(k) : std::fabs(v) / StepenDeset(-k);
        if (y >= StepenDeset(cifara)) {
            ++e;
            continue;
        }
        if (y < StepenDeset(cifara - 1)) {
            --e;
            continue;
        }
        auto celo = static_cast<std::uint64_t>(y);
        const long double ostatak = y - static_cast<long double>(celo);
        if (std::fabs(ostatak - 0.5L) < 1.0L / 64) return false;
        if (ostatak > 0.5L) ++celo;
        if (celo == static_cast<std::uint64_t>(StepenDeset(cifara))) {
            celo /= 10;
            ++e;
        }
        d.negativan = std::signbit(v);
        d.eksponent = e;
        d.cifre = std::to_string(celo);
        return true;
    }
    return false;
}

}  // namespace

bool DekadneCifre(long double v, int cifara, TDekadneCifre& d) {
    if (!std::isfinite(v) || v == 0 || cifara < 1 || cifara > 40) return false;
    if (BrzeCifre(v, cifara, d)) return true;
    int q = 0;
    const long double f = std::frexp(std::fabs(v), &q);
    // f in [0.5, 1): f * 2^64 is the 64-bit significand, exactly.
    const auto m = static_cast<std::uint64_t>(std::ldexp(f, 64));
    q -= 64;
    if (q < NajmanjiEksponent || q > NajveciEksponent) return false;
    std::string sve = SveCifre(m, q);
    d.negativan = std::signbit(v);
    d.eksponent = int(sve.size()) - 1 + std::min(q, 0);
    if (Zaokruzi(sve, cifara)) ++d.eksponent;
    d.cifre = std::move(sve);
    return true;
}

std::string FormatOpsti(long double v, int cifara) {
    TDekadneCifre d;
    if (!DekadneCifre(v, cifara, d)) {
        char buf[128];
        std::snprintf(buf, sizeof buf, "%.*Lg", std::clamp(cifara, 1, 40), v);
        return buf;
    }
    const std::string& c = d.cifre;
    size_t znacajnih = c.size();  // trailing zeros are not printed
    while (znacajnih > 1 && c[znacajnih - 1] == '0') --znacajnih;
    char buf[128];
    char* p = buf;
    if (d.negativan) *p++ = '-';
    const int x = d.eksponent;
    if (x < cifara && x >= -4) {
        if (x >= 0) {
            const size_t celih = size_t(x) + 1;
            for (size_t i = 0; i < celih; ++i) *p++ = c[i];
            if (znacajnih > celih) {
                *p++ = '.';
                for (size_t i = celih; i < znacajnih; ++i) *p++ = c[i];
            }
        } else {
            *p++ = '0';
            *p++ = '.';
            for (int i = 0; i < -x - 1; ++i) *p++ = '0';
            for (size_t i = 0; i < znacajnih; ++i) *p++ = c[i];
        }
        return std::string(buf, p);
    }
    *p++ = c[0];
    if (znacajnih > 1) {
        *p++ = '.';
        for (size_t i = 1; i < znacajnih; ++i) *p++ = c[i];
    }
    *p++ = 'e';
    *p++ = x < 0 ? '-' : '+';
    const int a = x < 0 ? -x : x;
    if (a >= 100) *p++ = char('0' + a / 100);
    *p++ = char('0' + a / 10 % 10);
    *p++ = char('0' + a % 10);
    return std::string(buf, p);
}
