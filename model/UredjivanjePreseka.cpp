#include "UredjivanjePreseka.h"

#include "Greska.h"
#include "PravilaVrednosti.h"

bool DodajIliPromeniPresek(TModel& model, TRezimIzmene rezim, int izabrani, const TPoljaPreseka& polja) {
    int noviID = 0;
    TPresek* menjani = nullptr;
    if (rezim == TRezimIzmene::Dodaj) {
        noviID = NoviID(model.nizPreseka);
    } else {
        if (model.nizPreseka.empty())
            throw TGreska("Prvo morate dodati poprecni presek u spisak da bi ga mogli menjati!!!");
        menjani = Izabrani(model.nizPreseka, izabrani);
        if (!menjani) return false;
    }
    Proveri(GreskaImenaPreseka(polja.ime));
    const long double I = TekstUVrednost(polja.I);
    Proveri(GreskaMomentaInercije(I));
    const long double A = TekstUVrednost(polja.Aaksijalno);
    Proveri(GreskaPovrsine(A));
    const long double h = TekstUVrednost(polja.h);
    Proveri(GreskaVisine(h));
    const long double k = TekstUVrednost(polja.k);
    Proveri(GreskaKoeficijentaOblika(k));

    if (menjani) {
        menjani->SetIme(polja.ime);
        menjani->SetI(I);
        menjani->SetAaksijalno(A);
        menjani->Seth(h);
        menjani->Setk(k);
    } else {
        model.nizPreseka.push_back(std::make_unique<TPresek>(noviID, polja.ime, I, A, h, k));
    }
    return true;
}

bool ObrisiPresek(TModel& model, int izabrani) {
    const TPresek* p = Izabrani(model.nizPreseka, izabrani);
    if (!p) return false;
    for (const auto& s : model.nizStapova)
        if (s->Presek() && s->Presek()->ID() == p->ID())
            throw TGreska("Presek je pridruzen stapu. Ne mozete ga obrisati!!!");
    model.nizPreseka.erase(model.nizPreseka.begin() + izabrani);
    return true;
}
