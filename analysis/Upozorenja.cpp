#include "Upozorenja.h"

#include "Model.h"
#include "PresudaSistema.h"

std::string UpozorenjeUslovljenosti(double uslovljenost) {
    return "Upozorenje: sistem je lose uslovljen (uslovljenost oko " + RedVelicine(uslovljenost) +
           "): rezultati mogu imati svega nekoliko tacnih cifara";
}

std::vector<std::string> UpozorenjaObrtanja(const TModel& model, const TKrajeviCvorova& krajevi) {
    std::vector<std::string> u;
    const std::string razlog = " (u cvoru se sustizu samo zglobni krajevi)";
    for (const auto& c : model.nizCvorova) {
        const TKrajeviCvora k = KrajeviCvora(krajevi, *c);
        if (k.krutih != 0 || k.zglobnih == 0) continue;
        const std::string cvor = std::to_string(c->ID());
        if (c->MkoncY() != 0) u.push_back("Upozorenje: moment u cvoru " + cvor + " se ne prenosi" + razlog);
        if (c->ZadatoFiy() != 0) u.push_back("Upozorenje: zadato obrtanje u cvoru " + cvor + " se ne prenosi" + razlog);
        if (c->UkljY()) u.push_back("Upozorenje: ukljestenje u cvoru " + cvor + " ne daje reakcioni moment" + razlog);
    }
    return u;
}
