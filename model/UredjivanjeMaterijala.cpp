#include "UredjivanjeMaterijala.h"

#include "Greska.h"
#include "PravilaVrednosti.h"

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
    Proveri(GreskaImenaMaterijala(polja.ime));
    // Each field is converted just before its own check, so the first faulty field is reported.
    const long double E = TekstUVrednost(polja.modulElasticnosti);
    Proveri(GreskaModulaElasticnosti(E));
    const long double ni = TekstUVrednost(polja.poasonovKoeficijent);
    Proveri(GreskaPoasonovogKoeficijenta(ni));
    const long double masa = TekstUVrednost(polja.zapreminskaMasa);
    Proveri(GreskaZapreminskeMase(masa));
    const long double alfaT = TekstUVrednost(polja.alfaT);
    Proveri(GreskaAlfaT(alfaT));

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
