#pragma once
#include <functional>
#include <string>

#include "Greska.h"
#include "ModelFajl.h"

// The message a command fails with, or "" when it succeeds.
inline std::string Poruka(const std::function<void()>& komanda) {
    try {
        komanda();
    } catch (const TGreska& g) {
        return g.what();
    }
    return "";
}

// The whole model as file text: equal texts mean the command left the model as it was.
inline std::string Snimak(const TModel& m) {
    TPodesavanja p;
    return ModelUTekst(m, p);
}
