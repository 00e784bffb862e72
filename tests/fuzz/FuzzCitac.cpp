#include <cstdint>
#include <string_view>

#include "Greska.h"
#include "ModelFajl.h"

// Any byte sequence must either read or fail with a message; a successful read must write out.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TModel model;
    TPodesavanja podesavanja;
    try {
        ProcitajModelIzTeksta(std::string_view(reinterpret_cast<const char*>(data), size), model, podesavanja);
        (void)ModelUTekst(model, podesavanja);
    } catch (const TGreska&) {
    }
    return 0;
}
