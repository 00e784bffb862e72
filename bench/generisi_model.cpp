// Writes the regular frame of about N nodes to a model file, for timing the whole pipeline
// (reading included) from the command line.
#include <cstdlib>
#include <iostream>

#include "GeneratorModela.h"
#include "ModelFajl.h"

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "upotreba: generisi_model BROJ_CVOROVA IZLAZ.velt\n";
        return 64;
    }
    TModel model = GenerisiRamSaCvorova(std::atoi(argv[1]));
    TPodesavanja podesavanja;
    try {
        SnimiModel(argv[2], model, podesavanja);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
