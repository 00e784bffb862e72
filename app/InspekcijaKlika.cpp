#include "InspekcijaKlika.h"

#include <cmath>
#include <exception>
#include <vector>

#include "Brojevi.h"
#include "OpisOslonca.h"
#include "Dijalozi.h"
#include "ElementStapa.h"
#include "Greska.h"

namespace {

std::string Spoji(const std::vector<std::string>& redovi) {
    std::string t;
    for (size_t i = 0; i < redovi.size(); ++i) {
        if (i) t += "\r\n";
        t += redovi[i];
    }
    return t;
}

std::string DaNe(bool da) { return da ? "DA" : "NE"; }

bool Blizu(long double x, long double z, double mx, double mz, long double tol) {
    // Signed coordinates on purpose: a node mirrored about the axis is not near the click.
    return std::fabs(x - mx) < tol && std::fabs(z - mz) < tol;
}

}  // namespace

long double TolerancijaKlika(const TModel& model) {
    long double tol = 0;
    bool prvi = true;
    for (const auto& s : model.nizStapova) {
        const long double cetvrtina = 0.25L * DuzinaStapa(*s);
        if (prvi || cetvrtina < tol) tol = cetvrtina;
        prvi = false;
    }
    if (tol < 0.2L) tol = 0.2L;
    return tol;
}

std::string TekstCvoraZaKlik(const TCvor& c, const std::string& faktor) {
    std::vector<std::string> r = {
        "PODACI O SELEKTOVANOM CVORU:",
        "Broj cvora = " + std::to_string(c.ID()),
        "X = " + FormatBroja(c.X()),
        "Z = " + FormatBroja(c.Z()),
        "Oslonac X = " + DaNe(c.OslX()),
        "Oslonac Z = " + DaNe(c.OslZ()),
        "Ukljestenje Y = " + DaNe(c.UkljY()),
        "Px = " + FormatBroja(c.Px()),
        "Pz = " + FormatBroja(c.Pz()),
        "My = " + FormatBroja(c.MkoncY()),
        "Broj pomeranja u X pravcu = " + std::to_string(c.BrPomeranjaX()),
        "Broj pomeranja u Z pravcu = " + std::to_string(c.BrPomeranjaZ()),
        "Broj obrtanja oko Y ose = " + std::to_string(c.BrObrtanjaY()),
        "Zadato pomeranje u X pravcu = " + FormatBroja(c.ZadatoUx()),
        "Zadato pomeranje u Z pravcu = " + FormatBroja(c.ZadatoUz()),
        "Zadato obrtanje oko Y ose = " + FormatBroja(c.ZadatoFiy()),
    };
    for (const auto& [naziv, vrednost] : StavkeElasticnogOslonca(c)) r.push_back(naziv + " = " + vrednost);
    if (const auto f = ParsirajReal(faktor); f && *f > 0) {
        r.push_back("Mnozilac pomeranja i obrtanja = " + FormatBroja(*f));
        r.push_back("Ux = " + FormatBroja(c.Ux() * *f));
        r.push_back("Uz = " + FormatBroja(c.Uz() * *f));
        r.push_back("FiY = " + FormatBroja(c.Fiy() * *f));
    }
    if (ImaReakcijuX(c)) r.push_back("Rx = " + FormatBroja(c.Rx()));
    if (ImaReakcijuZ(c)) r.push_back("Rz = " + FormatBroja(c.Rz()));
    if (c.UkljY()) r.push_back("MiY = " + FormatBroja(c.MukljY()));
    for (const auto& [naziv, vrednost] : StavkeSilaOpruga(c)) r.push_back(naziv + " = " + vrednost);
    return Spoji(r);
}

std::string TekstStapaZaKlik(const TModel& model, const TStap& s) {
    std::vector<std::string> r = {
        "PODACI O SELEKTOVANOM STAPU:",
        "Broj stapa = " + std::to_string(s.ID()),
        std::string("Tip stapa = \"") + ImeTipaStapa(s.TipStapa()) + "\"",
        "Materijal stapa = \"" + s.Materijal()->Ime() + " (ID=" + std::to_string(s.Materijal()->ID()) + ")\"",
        "Presek stapa = \"" + s.Presek()->Ime() + " (ID=" + std::to_string(s.Presek()->ID()) + ")\"",
        "Pocetni cvor stapa = " + std::to_string(s.PocetniCvor()->ID()),
        "Krajnji cvor stapa = " + std::to_string(s.KrajnjiCvor()->ID()),
    };
    if (s.OprugaPocetka() > 0) r.push_back("Opruga na pocetku kpi = " + FormatBroja(s.OprugaPocetka()));
    if (s.OprugaKraja() > 0) r.push_back("Opruga na kraju kpk = " + FormatBroja(s.OprugaKraja()));
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == s.ID())
            r.push_back("Ime opterecenja stapa = \"" + o->Ime() + " (ID=" + std::to_string(o->ID()) + ")\"");
    r.push_back("Lstapa = " + FormatBroja(DuzinaStapa(s)));
    r.push_back("SILE I POMERANJA NA KRAJEVIMA STAPA POGLEDAJTE U TABU LEVO!!!");
    return Spoji(r);
}

void PlotChartGrafikClick(const TKlikNaGrafik& klik, double mx, double mz) {
    try {
        const TModel& model = klik.model;
        const long double tol = TolerancijaKlika(model);
        for (const auto& c : model.nizCvorova)
            if (Blizu(c->X(), c->Z(), mx, mz, tol))
                klik.dijalozi.Informacija(klik.roditelj, QString::fromStdString(TekstCvoraZaKlik(*c, klik.faktor)));
        for (size_t i = 0; i < model.nizStapova.size(); ++i) {
            const TStap& s = *model.nizStapova[i];
            const TCvor& a = *s.PocetniCvor();
            const TCvor& b = *s.KrajnjiCvor();
            const long double sx = a.X() + (b.X() - a.X()) / 2;
            const long double sz = a.Z() + (b.Z() - a.Z()) / 2;
            if (!Blizu(sx, sz, mx, mz, tol)) continue;
            const std::string tekst = TekstStapaZaKlik(model, s);
            if (klik.prikaziStap) klik.prikaziStap(static_cast<int>(i));
            klik.dijalozi.Informacija(klik.roditelj, QString::fromStdString(tekst));
        }
    } catch (const TGreska&) {
        // Boxes already shown stay shown; the rest of this click is dropped.
    } catch (const std::exception& e) {
        // Anything else is a fault, and the user sees it.
        klik.dijalozi.Greska(klik.roditelj, QString::fromUtf8(e.what()));
    }
}
