#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string_view>

#include "Greska.h"
#include "ModelFajl.h"

namespace {

[[noreturn]] void Pad(const char* sta, const char* poruka = "") {
    std::fprintf(stderr, "%s %s\n", sta, poruka);
    std::abort();
}

size_t Entiteta(const TModel& m) {
    return m.nizMaterijala.size() + m.nizPreseka.size() + m.nizCvorova.size() + m.nizStapova.size() +
           m.nizOpterecenja.size();
}

}  // namespace

// Any byte sequence must either read or fail with a message. What reads must write out, and what is
// written must read back to the same model: written again, the text is the same to the byte.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TModel model;
    TPodesavanja podesavanja;
    try {
        ProcitajModelIzTeksta(std::string_view(reinterpret_cast<const char*>(data), size), model, podesavanja);
    } catch (const TGreska&) {
        return 0;
    }
    std::string napisano;
    try {
        napisano = ModelUTekst(model, podesavanja);
    } catch (const TGreska& g) {
        Pad("a model that was read cannot be written:", g.what());
    }
    TModel procitan;
    TPodesavanja procitana;
    try {
        ProcitajModelIzTeksta(napisano, procitan, procitana);
    } catch (const TGreska& g) {
        Pad("a written model does not read back:", g.what());
    }
    if (Entiteta(procitan) != Entiteta(model)) Pad("the model read back has other entities");
    if (ModelUTekst(procitan, procitana) != napisano) Pad("the model read back writes other text");
    if (!(procitana.prikaz == podesavanja.prikaz)) Pad("the display options read back differ");
    return 0;
}
