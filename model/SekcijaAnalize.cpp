#include "SekcijaAnalize.h"

namespace {

const char* const KljucOpstaStabilnost = "opsta_stabilnost";
const char* const KljucSmicanje = "smicanje_u_opterecenju";

std::string_view BezRazmaka(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t')) s.remove_suffix(1);
    return s;
}

void CitajPrekidac(std::string_view v, bool& b) {
    if (v == "1") b = true;
    else if (v == "0") b = false;
}

}  // namespace

bool RazdvojiKljucIVrednost(std::string_view red, std::string_view& kljuc, std::string_view& vrednost) {
    const size_t jednako = red.find('=');
    if (jednako == std::string_view::npos) return false;
    kljuc = BezRazmaka(red.substr(0, jednako));
    vrednost = BezRazmaka(red.substr(jednako + 1));
    return true;
}

std::string RedoviAnalize(const TOpcijeAnalize& o, std::string_view krajReda) {
    if (o.Podrazumevane()) return {};
    std::string s;
    auto red = [&](std::string_view tekst) {
        s += tekst;
        s += krajReda;
    };
    red(KljucnaRecAnalize);
    // Only the options that differ are written: a reader fills in the rest with the defaults.
    if (o.opstaStabilnost) red(std::string(KljucOpstaStabilnost) + "=1");
    if (o.smicanjeUOpterecenju) red(std::string(KljucSmicanje) + "=1");
    red("--");
    return s;
}

void ProcitajRedAnalize(std::string_view red, TOpcijeAnalize& o) {
    std::string_view kljuc, vrednost;
    if (!RazdvojiKljucIVrednost(red, kljuc, vrednost)) return;
    if (kljuc == KljucOpstaStabilnost) CitajPrekidac(vrednost, o.opstaStabilnost);
    else if (kljuc == KljucSmicanje) CitajPrekidac(vrednost, o.smicanjeUOpterecenju);
}
