#include "CitanjeUnapred.h"

#include "DnevnikSnimanja.h"
#include "ModelFajl.h"

TCitanjeUnapred::TCitanjeUnapred(const std::string& p, const TPodesavanja& podesavanja, long double min)
    : putanja(p),
      pocetna(podesavanja),
      minRastojanje(min) {
    // A journal means a question to the user first, whose answer may change the file.
    if (NedovrsenoSnimanje(putanja)) return;
    citanje = std::async(std::launch::async, [this] {
        TProcitano r;
        r.model.minRastojanjeCvorova = minRastojanje;
        r.podesavanja = pocetna;
        ProcitajModel(putanja, r.model, r.podesavanja);
        return r;
    });
}

TCitanjeUnapred::~TCitanjeUnapred() {
    if (citanje.valid()) citanje.wait();
}

bool TCitanjeUnapred::Preuzmi(const std::string& p, TModel& model, TPodesavanja& podesavanja) {
    if (!citanje.valid()) return false;
    auto c = std::move(citanje);
    if (p != putanja || !(podesavanja == pocetna) || model.minRastojanjeCvorova != minRastojanje ||
        NedovrsenoSnimanje(putanja)) {
        c.wait();
        return false;
    }
    TProcitano r = c.get();
    model = std::move(r.model);
    podesavanja = std::move(r.podesavanja);
    return true;
}
