#include "ModelFajl.h"

#include "Brojevi.h"
#include "Greska.h"
#include "PravilaVrednosti.h"
#include "SekcijaStapova.h"
#include "SekcijaOslonaca.h"
#include "SnimanjeFajla.h"

namespace {

const char* const KRAJ_REDA = "\r\n";

class Pisac {
public:
    void Red(std::string_view s) {
        tekst += s;
        tekst += KRAJ_REDA;
    }
    void Ceo(int v) { Red(std::to_string(v)); }
    void Real(long double v) { Red(FormatRealaZaFajl(v)); }
    void Logicka(bool v) { Red(v ? "TRUE" : "FALSE"); }
    void Tekst(const std::string& s) {
        // A name longer than the limit would give a line the reader refuses.
        if (const char* g = GreskaDuzineImena(s)) throw TGreska(g);
        // A line break inside a name would split the record.
        std::string t = s;
        for (char& ch : t)
            if (ch == '\r' || ch == '\n') ch = ' ';
        Red(t);
    }
    std::string tekst;
};

template <class T, class PisiZapis>
void PisiSekciju(Pisac& p, const char* kljucnaRec, const std::vector<std::unique_ptr<T>>& lista, PisiZapis pisi) {
    if (lista.empty()) return;
    p.Red(kljucnaRec);
    p.Red("-");
    for (size_t i = 0; i < lista.size(); ++i) {
        pisi(*lista[i]);
        p.Red(i + 1 < lista.size() ? "-" : "--");
    }
}

// The edit text as a number, or 1 (and the text "1.0") when it is not acceptable.
long double IspravanIliJedan(std::string& tekst, bool samoPozitivan) {
    auto v = ParsirajReal(tekst);
    if (!v || (samoPozitivan && *v <= 0)) {
        tekst = "1.0";
        return 1.0L;
    }
    return *v;
}

}  // namespace

std::string ModelUTekst(const TModel& model, TPodesavanja& podesavanja) {
    Pisac p;
    PisiSekciju(p, "MATERIJAL", model.nizMaterijala, [&](const TMaterijal& m) {
        p.Ceo(m.ID());
        p.Tekst(m.Ime());
        p.Real(m.E());
        p.Real(m.Poasonov());
        p.Real(m.Masa());
        p.Real(m.AlfaT());
    });
    PisiSekciju(p, "PRESEK", model.nizPreseka, [&](const TPresek& s) {
        p.Ceo(s.ID());
        p.Tekst(s.Ime());
        p.Real(s.I());
        p.Real(s.Aaksijalno());
        p.Real(s.h());
        p.Real(s.k());
    });
    PisiSekciju(p, "CVOR", model.nizCvorova, [&](const TCvor& n) {
        p.Ceo(n.ID());
        p.Real(n.X());
        p.Real(n.Z());
        p.Logicka(n.OslX());
        p.Logicka(n.OslZ());
        p.Logicka(n.UkljY());
        for (int i = 0; i < 3; ++i) p.Real(0);  // reactions are results: never saved
        p.Real(n.Px());
        p.Real(n.Pz());
        p.Real(n.MkoncY());
        p.Ceo(n.BrPomeranjaX());
        p.Ceo(n.BrPomeranjaZ());
        p.Ceo(n.BrObrtanjaY());
        for (int i = 0; i < 3; ++i) p.Real(0);  // displacements likewise
        p.Real(n.ZadatoUx());
        p.Real(n.ZadatoUz());
        p.Real(n.ZadatoFiy());
    });
    PisiSekciju(p, "STAP", model.nizStapova, [&](const TStap& s) {
        p.Ceo(s.ID());
        p.Ceo(s.Materijal()->ID());
        p.Ceo(s.Presek()->ID());
        p.Ceo(s.PocetniCvor()->ID());
        p.Ceo(s.KrajnjiCvor()->ID());
        p.Ceo(s.TipStapa());
    });
    PisiSekciju(p, "OPTERECENJE", model.nizOpterecenja, [&](const TOpterecenje& o) {
        p.Ceo(o.ID());
        p.Tekst(o.Ime());
        p.Ceo(o.Tip());
        p.Ceo(o.IDStapa());
        for (long double v :
             {o.KoncentrisanaSila(), o.PozicijaKoncentrisaneSile(), o.KoncentrisaniMoment(),
              o.PozicijaKoncentrisanogMomenta(), o.RaspodeljenoOpterecenje(), o.PocetakRaspodeljenog(),
              o.KrajRaspodeljenog(), o.TemperaturnaPromena(), o.TemperaturnaRazlika(), o.KoncentrisanaSilaUPravcuOse(),
              o.PozicijaKoncentrisaneSileUPravcuOse(), o.RaspodeljenoOpterecenjeUPravcuOse(),
              o.PocetakRaspodeljenogUPravcuOse(), o.KrajRaspodeljenogUPravcuOse()})
            p.Real(v);
    });

    p.Red("OSTALO");
    p.Real(IspravanIliJedan(podesavanja.vrednostIspredMatricaKrutosti, true));
    p.Real(IspravanIliJedan(podesavanja.mnozilacPomeranja, false));
    const TPodesavanja& s = podesavanja;
    for (bool b : {s.mrezaGrafika, s.deformacijaNosaca, s.prikaziSimbolStapa, s.prikaziBrojStapa,
                   s.prikaziOrjentacijuStapa, s.prikaziOpterecenjeStapa, s.prikaziSimbolCvora, s.prikaziBrojCvora,
                   s.prikaziOslonceCvora, s.prikaziOpterecenjeCvora, s.zoomURealnomVremenu})
        p.Logicka(b);
    p.Ceo(s.zoomSve);
    p.Ceo(s.akcijeMisa);
    p.tekst += RedoviPrikaza(s.prikaz, KRAJ_REDA);
    p.tekst += RedoviAnalize(model.opcijeAnalize, KRAJ_REDA);
    p.tekst += RedoviOslonaca(model, KRAJ_REDA);
    p.tekst += RedoviStapova(model, KRAJ_REDA);
    return std::move(p.tekst);
}

void SnimiModel(const std::string& putanja, const TModel& model, TPodesavanja& podesavanja) {
    SnimiFajlBezbedno(putanja, ModelUTekst(model, podesavanja));
}
