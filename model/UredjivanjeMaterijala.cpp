#include "UredjivanjeMaterijala.h"

#include "Brojevi.h"
#include "Greska.h"

bool DodajIliPromeniMaterijal(TModel& model, TRezimIzmene rezim, int izabrani, const TPoljaMaterijala& polja) {
    int noviID = 0;
    TMaterijal* menjani = nullptr;
    if (rezim == TRezimIzmene::Dodaj) {
        noviID = NoviID(model.nizMaterijala);
    } else {
        if (model.nizMaterijala.empty())
            throw TGreska("Prvo morate dodati materijal u spisak da bi ga mogli menjati!!!");
        menjani = Izabrani(model.nizMaterijala, izabrani);
        if (!menjani) return false;
    }
    if (polja.ime.empty()) throw TGreska("Morate upisati ime materijala!!!");
    // Each field is converted just before its own check, so the first faulty field is reported.
    const long double E = TekstUReal(polja.modulElasticnosti);
    if (E <= 0) throw TGreska("Modul elasticnosti ne moze biti jednak ili manji od nule!!!");
    const long double ni = TekstUReal(polja.poasonovKoeficijent);
    if (ni < 0) throw TGreska("Poasonov koeficijent ne moze biti manji od nule!!!");
    if (ni > 0.5L) throw TGreska("Poasonov koeficijent ne moze imati vrednost vecu od 0.5!!!");
    const long double masa = TekstUReal(polja.zapreminskaMasa);
    if (masa < 0) throw TGreska("Zapreminska masa ne moze biti manja od nule!!!");
    const long double alfaT = TekstUReal(polja.alfaT);
    if (alfaT < 0) throw TGreska("Koeficijent toplotnog sirenja ne moze biti manji od nule!!!");

    if (menjani) {
        menjani->SetIme(polja.ime);
        menjani->SetE(E);
        menjani->SetPoasonov(ni);
        menjani->SetMasa(masa);
        menjani->SetAlfaT(alfaT);
    } else {
        model.nizMaterijala.push_back(std::make_unique<TMaterijal>(noviID, polja.ime, E, ni, masa, alfaT));
    }
    return true;
}

bool ObrisiMaterijal(TModel& model, int izabrani) {
    const TMaterijal* m = Izabrani(model.nizMaterijala, izabrani);
    if (!m) return false;
    for (const auto& s : model.nizStapova)
        if (s->Materijal() && s->Materijal()->ID() == m->ID())
            throw TGreska("Materijal je pridruzen stapu. Ne mozete ga obrisati!!!");
    model.nizMaterijala.erase(model.nizMaterijala.begin() + izabrani);
    return true;
}
