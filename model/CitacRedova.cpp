#include "CitacRedova.h"

#include <cctype>

#include "Brojevi.h"
#include "ModelFajl.h"
#include "PravilaVrednosti.h"

bool JeIspravanUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n;
        unsigned cp;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c >> 5) == 0x6) n = 1, cp = c & 0x1F;
        else if ((c >> 4) == 0xE) n = 2, cp = c & 0x0F;
        else if ((c >> 3) == 0x1E) n = 3, cp = c & 0x07;
        else return false;
        if (i + n >= s.size()) return false;
        for (size_t k = 1; k <= n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 0x2) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
        static const unsigned najmanji[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < najmanji[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

std::string Latin1UUtf8(std::string_view s) {
    std::string r;
    r.reserve(s.size() * 2);
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            r += ch;
        } else {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

bool TCitacRedova::Sledeci(std::string_view& red) {
    if (pozicija >= tekst.size()) return false;
    size_t kraj = tekst.find('\n', pozicija);
    if (kraj == std::string_view::npos) kraj = tekst.size();
    red = tekst.substr(pozicija, kraj - pozicija);
    if (!red.empty() && red.back() == '\r') red.remove_suffix(1);
    pozicija = kraj + 1;
    ++brojReda;
    if (red.size() > NajvecaDuzinaReda) throw TGreska("Red " + std::to_string(brojReda) + " je predugacak!!!");
    return true;
}

std::string_view TCitacRedova::Obavezan(const char* ocekivano) {
    std::string_view red;
    if (!Sledeci(red)) OdbijRed(brojReda + 1, std::string("ocekivan je ") + ocekivano + ", a fajl se zavrsio!!!");
    return red;
}

void TCitacRedova::OdbijRed(int red, const std::string& poruka) {
    throw TGreska("Red " + std::to_string(red) + ": " + poruka);
}

void TCitacRedova::Pogresno(const char* ocekivano, std::string_view red) const {
    std::string procitano(red.substr(0, 60));
    if (red.size() > 60) procitano += "...";
    Odbij(std::string("ocekivan je ") + ocekivano + ", a procitano je '" + procitano + "'!!!");
}

int TCitacRedova::Ceo(std::string_view red) {
    if (auto v = ParsirajCeo(red)) return *v;
    Pogresno("ceo broj", red);
}

long double TCitacRedova::Real() {
    std::string_view red = Obavezan("realan broj");
    auto v = ParsirajReal(red);
    if (!v) Pogresno("realan broj", red);
    if (!UOpseguProracuna(*v)) Odbij(PorukaIzvanOpsega(red));
    return *v;
}

bool TCitacRedova::Logicka() {
    const char* ocekivano = "logicka vrednost (TRUE ili FALSE)";
    std::string_view red = Obavezan(ocekivano);
    // Blanks anywhere are dropped and case is ignored; a word longer than FALSE is neither.
    char malo[6];
    size_t n = 0;
    for (char ch : red) {
        if (ch == ' ' || ch == '\t') continue;
        if (n == sizeof malo) break;
        malo[n++] = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    }
    const std::string_view rec(malo, n);
    if (rec == "TRUE") return true;
    if (rec == "FALSE") return false;
    if (auto v = ParsirajReal(red)) return *v != 0;
    Pogresno(ocekivano, red);
}

std::string TCitacRedova::Tekst() {
    std::string_view red = Obavezan("tekst");
    return JeIspravanUtf8(red) ? std::string(red) : Latin1UUtf8(red);
}
