#include "CrtanjeStapa.h"

#include "Brojevi.h"
#include "UredjivanjeCvorova.h"

const TPoljaMaterijala PodrazumevaniMaterijal{"Materijal 1", "30000000.0", "0.2", "2500.0", "0.00001"};
const TPoljaPreseka PodrazumevaniPresek{"Presek 1", "0.003125", "0.15", "0.5", "0.0"};

namespace {

// The list index of the point's node, added when the point names none that exists. The position
// goes through its shortest text, as if typed on the node page.
int CvorTacke(TModel& m, const TTackaStapa& t) {
    if (t.idCvora >= 0)
        if (const int i = IndeksPoID(m.nizCvorova, t.idCvora); i >= 0) return i;
    DodajIliPromeniCvor(m, TRezimIzmene::Dodaj, -1, FormatBroja(static_cast<long double>(t.x)),
                        FormatBroja(static_cast<long double>(t.z)));
    return static_cast<int>(m.nizCvorova.size()) - 1;
}

bool UOpsegu(int i, size_t n) { return i >= 0 && i < static_cast<int>(n); }

}  // namespace

bool NacrtajStap(TModel& m, const TTackaStapa& pocetak, const TTackaStapa& kraj, TIzborStapa izbor) {
    if (m.nizMaterijala.empty()) {
        DodajIliPromeniMaterijal(m, TRezimIzmene::Dodaj, -1, PodrazumevaniMaterijal);
        izbor.materijal = 0;
    }
    if (m.nizPreseka.empty()) {
        DodajIliPromeniPresek(m, TRezimIzmene::Dodaj, -1, PodrazumevaniPresek);
        izbor.presek = 0;
    }
    if (!UOpsegu(izbor.materijal, m.nizMaterijala.size())) izbor.materijal = 0;
    if (!UOpsegu(izbor.presek, m.nizPreseka.size())) izbor.presek = 0;
    if (!OsobineTipa(izbor.tip)) izbor.tip = tsK;
    izbor.pocetniCvor = CvorTacke(m, pocetak);
    const bool isto = kraj.idCvora >= 0 ? kraj.idCvora == pocetak.idCvora
                                        : pocetak.idCvora < 0 && kraj.x == pocetak.x && kraj.z == pocetak.z;
    izbor.krajnjiCvor = isto ? izbor.pocetniCvor : CvorTacke(m, kraj);
    return DodajStap(m, izbor);
}
