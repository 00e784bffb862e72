#include <iostream>

#include "Brojevi.h"
#include "DnevnikSnimanja.h"
#include "Greska.h"
#include "Komande.h"
#include "ModelFajl.h"

void ProcitajModelKomande(const std::string& putanja, TModel& model, TPodesavanja& podesavanja) {
    if (const auto n = NedovrsenoSnimanje(putanja)) std::cerr << NapomenaNedovrsenogSnimanja(*n) << "\n";
    ProcitajModel(putanja, model, podesavanja);
}

namespace {

bool Procitaj(const std::string& putanja, TModel& model, TPodesavanja& podesavanja) {
    try {
        ProcitajModelKomande(putanja, model, podesavanja);
        return true;
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return false;
    }
}

}  // namespace

int KomandaCheck(const Argumenti& a) {
    if (a.size() != 1) {
        std::cerr << "upotreba: velt-cli check MODEL\n";
        return 64;
    }
    TModel model;
    TPodesavanja p;
    if (!Procitaj(a[0], model, p)) return 1;
    std::cout << "materijali: " << model.nizMaterijala.size() << "\n"
              << "preseci: " << model.nizPreseka.size() << "\n"
              << "cvorovi: " << model.nizCvorova.size() << "\n"
              << "stapovi: " << model.nizStapova.size() << "\n"
              << "opterecenja: " << model.nizOpterecenja.size() << "\n";
    auto da = [](bool b) { return b ? "TRUE" : "FALSE"; };
    std::cout << "EditVrednostIspredMatricaKrutosti: " << p.vrednostIspredMatricaKrutosti << "\n"
              << "EditMnozilacPomeranja: " << p.mnozilacPomeranja << "\n"
              << "CheckBoxMrezaGrafika: " << da(p.mrezaGrafika) << "\n"
              << "CheckBoxDeformacijaNosaca: " << da(p.deformacijaNosaca) << "\n"
              << "CheckBoxPrikaziSimbolStapa: " << da(p.prikaziSimbolStapa) << "\n"
              << "CheckBoxPrikaziBrojStapa: " << da(p.prikaziBrojStapa) << "\n"
              << "CheckBoxPrikaziOrjentacijuStapa: " << da(p.prikaziOrjentacijuStapa) << "\n"
              << "CheckBoxPrikaziOpterecenjeStapa: " << da(p.prikaziOpterecenjeStapa) << "\n"
              << "CheckBoxPrikaziSimbolCvora: " << da(p.prikaziSimbolCvora) << "\n"
              << "CheckBoxPrikaziBrojCvora: " << da(p.prikaziBrojCvora) << "\n"
              << "CheckBoxPrikaziOslonceCvora: " << da(p.prikaziOslonceCvora) << "\n"
              << "CheckBoxPrikaziOpterecenjeCvora: " << da(p.prikaziOpterecenjeCvora) << "\n"
              << "CheckBoxZoomURealnomVremenu: " << da(p.zoomURealnomVremenu) << "\n"
              << "ComboBoxZoomSve: " << p.zoomSve << "\n"
              << "RadioGroupAkcijeMisa: " << p.akcijeMisa << "\n";
    return 0;
}

int KomandaResave(const Argumenti& a) {
    if (a.size() != 2) {
        std::cerr << "upotreba: velt-cli resave ULAZ IZLAZ\n";
        return 64;
    }
    TModel model;
    TPodesavanja p;
    if (!Procitaj(a[0], model, p)) return 1;
    try {
        SnimiModel(a[1], model, p);
    } catch (const std::exception& e) {
        std::cerr << e.what() << "\n";
        return 1;
    }
    return 0;
}
