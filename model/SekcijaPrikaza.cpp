#include "SekcijaPrikaza.h"

#include <cctype>

#include "Brojevi.h"

namespace {

const char* const KljucDijagram = "dijagram";
const char* const KljucLinija = "linijaDeformacije";
const char* const KljucMnozilac = "mnozilacDijagrama";
const char* const KljucRazmera = "jednakaRazmera";
const char* const KljucSimboli = "simboli";
const char* const KljucPrilagodi = "prilagodiRazmeru";

std::string_view BezRazmaka(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

void CitajLogicku(std::string_view v, bool& b) {
    std::string malo;
    for (char ch : v) malo += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
    if (malo == "TRUE") b = true;
    else if (malo == "FALSE") b = false;
}

}  // namespace

const char* ImeDijagrama(int dijagram) {
    switch (dijagram) {
        case TPrikaz::N: return "N";
        case TPrikaz::T: return "T";
        case TPrikaz::M: return "M";
        default: return "bez";
    }
}

int DijagramIzImena(std::string_view ime) {
    for (int d = TPrikaz::Bez; d <= TPrikaz::M; ++d)
        if (ime == ImeDijagrama(d)) return d;
    return -1;
}

std::string RedoviPrikaza(const TPrikaz& p, std::string_view krajReda) {
    if (p.Podrazumevan()) return {};
    std::string s;
    auto red = [&](std::string_view a, std::string_view b = {}) {
        s += a;
        if (!b.empty()) {
            s += '=';
            s += b;
        }
        s += krajReda;
    };
    auto logicka = [](bool b) { return b ? "TRUE" : "FALSE"; };
    red(KljucnaRecPrikaza);
    red(KljucDijagram, ImeDijagrama(p.dijagram));
    red(KljucLinija, logicka(p.linijaDeformacije));
    // A multiplier that is not a number is kept out of the file rather than written as an
    // empty or odd line; the reader then falls back to 1.
    if (ParsirajReal(p.mnozilacDijagrama)) red(KljucMnozilac, BezRazmaka(p.mnozilacDijagrama));
    red(KljucRazmera, logicka(p.jednakaRazmera));
    red(KljucSimboli, logicka(p.simboli));
    if (!p.prilagodiRazmeru) red(KljucPrilagodi, logicka(false));
    red("--");
    return s;
}

void ProcitajRedPrikaza(std::string_view red, TPrikaz& p) {
    const size_t jednako = red.find('=');
    if (jednako == std::string_view::npos) return;
    const std::string_view kljuc = BezRazmaka(red.substr(0, jednako));
    const std::string_view vrednost = BezRazmaka(red.substr(jednako + 1));
    if (kljuc == KljucDijagram) {
        if (int d = DijagramIzImena(vrednost); d >= 0) p.dijagram = d;
    } else if (kljuc == KljucLinija) {
        CitajLogicku(vrednost, p.linijaDeformacije);
    } else if (kljuc == KljucMnozilac) {
        if (ParsirajReal(vrednost)) p.mnozilacDijagrama = std::string(vrednost);
    } else if (kljuc == KljucRazmera) {
        CitajLogicku(vrednost, p.jednakaRazmera);
    } else if (kljuc == KljucSimboli) {
        CitajLogicku(vrednost, p.simboli);
    } else if (kljuc == KljucPrilagodi) {
        CitajLogicku(vrednost, p.prilagodiRazmeru);
    }
}
