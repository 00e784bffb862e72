#include "UredjivanjePreseka.h"

#include "Brojevi.h"
#include "Greska.h"

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
    if (polja.ime.empty()) throw TGreska("Morate upisati ime poprecnog preseka!!!");
    const long double I = TekstUReal(polja.I);
    if (I <= 0) throw TGreska("Moment inercije ne moze biti jednak ili manji od nule!!!");
    const long double A = TekstUReal(polja.Aaksijalno);
    if (A <= 0) throw TGreska("Povrsina poprecnog preseka ne moze biti jednaka ili manja od nule!!!");
    const long double h = TekstUReal(polja.h);
    if (h <= 0) throw TGreska("Visina poprecnog preseka ne moze biti jednaka ili manja od nule!!!");
    const long double k = TekstUReal(polja.k);
    if (k < 0) throw TGreska("Koeficijent oblika ne moze biti manji od nule!!!");

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
