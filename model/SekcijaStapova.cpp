#include "SekcijaStapova.h"

#include <optional>
#include <vector>

#include "Brojevi.h"
#include "Model.h"
#include "PravilaVrednosti.h"
#include "SekcijaAnalize.h"

namespace {

const char* const KljucStapa = "stap";
const char* const KljucPocetka = "kpi";
const char* const KljucKraja = "kpk";

std::string Real(long double v) {
    std::string s = FormatRealaZaFajl(v);
    return s.front() == ' ' ? s.substr(1) : s;
}

std::vector<std::string_view> Reci(std::string_view red) {
    std::vector<std::string_view> r;
    size_t i = 0;
    while (i < red.size()) {
        while (i < red.size() && (red[i] == ' ' || red[i] == '\t')) ++i;
        size_t j = i;
        while (j < red.size() && red[j] != ' ' && red[j] != '\t') ++j;
        if (j > i) r.push_back(red.substr(i, j - i));
        i = j;
    }
    return r;
}

}  // namespace

std::string RedoviStapova(const TModel& model, std::string_view krajReda) {
    std::string s;
    for (const auto& st : model.nizStapova) {
        if (!st->ImaOpruge()) continue;
        if (s.empty()) (s += KljucnaRecStapova) += krajReda;
        s += std::string(KljucStapa) + "=" + std::to_string(st->ID());
        if (st->OprugaPocetka() > 0) s += std::string(" ") + KljucPocetka + "=" + Real(st->OprugaPocetka());
        if (st->OprugaKraja() > 0) s += std::string(" ") + KljucKraja + "=" + Real(st->OprugaKraja());
        s += krajReda;
    }
    if (!s.empty()) (s += "--") += krajReda;
    return s;
}

TCitanjeStapova::TCitanjeStapova(const TModel& model) {
    for (const auto& s : model.nizStapova) stapovi.emplace(s->ID(), s.get());
}

std::string TCitanjeStapova::Procitaj(std::string_view red) {
    std::optional<int> id;
    std::optional<long double> opruga[2];
    for (std::string_view rec : Reci(red)) {
        std::string_view kljuc, vrednost;
        if (!RazdvojiKljucIVrednost(rec, kljuc, vrednost)) continue;
        if (kljuc == KljucStapa) {
            id = ParsirajCeo(vrednost);
            if (!id) return "'" + std::string(vrednost) + "' nije ID stapa!!!";
        } else if (kljuc == KljucPocetka || kljuc == KljucKraja) {
            const auto v = ParsirajReal(vrednost);
            if (!v || !UOpseguProracuna(*v) || GreskaOpruge(*v)) return GreskaOpruge(0);
            opruga[kljuc == KljucPocetka ? 0 : 1] = *v;
        }
    }
    if (!id) return "red odeljka STAPOVI mora imati stap=ID!!!";
    const auto it = stapovi.find(*id);
    if (it == stapovi.end()) return "stap " + std::to_string(*id) + " iz odeljka STAPOVI ne postoji!!!";
    if (!procitani.insert(*id).second) return "stap " + std::to_string(*id) + " se ponavlja u odeljku STAPOVI!!!";
    TStap& s = *it->second;
    for (bool naPocetku : {true, false}) {
        const auto& v = opruga[naPocetku ? 0 : 1];
        if (!v) continue;
        if (!KrajKrut(s.TipStapa(), naPocetku))
            return "stap " + std::to_string(*id) + " ima zglob na " + (naPocetku ? "pocetku" : "kraju") +
                   " - opruga tu nije moguca!!!";
        s.SetOpruga(naPocetku, *v);
    }
    return {};
}
