#include "IzvestajAnalize.h"

#include "Brojevi.h"
#include "ElementStapa.h"
#include "Model.h"
#include "OpisOslonca.h"
#include "OseCvora.h"
#include "SileStapa.h"
#include "TipoviStapa.h"

namespace {

const char* const RL = "\r\n";

std::string Stavke(const TStavke& stavke) {
    std::string t;
    for (const auto& [naziv, vrednost] : stavke) t += naziv + ": " + vrednost + RL;
    return t;
}

std::string Da(bool b) { return b ? "DA" : "NE"; }

std::string Spojeno(const std::vector<int>& kodovi) {
    std::string s;
    for (size_t i = 0; i < kodovi.size(); ++i) s += (i ? "--" : "") + std::to_string(kodovi[i]);
    return s;
}

// The load kinds and member springs beyond the original ones, in the wording of the others.
std::string OpisDodatnihVrsta(const TOpterecenje& o) {
    switch (o.Tip()) {
        case toLinearno:
            return std::string("Tip opterecenja: linearno promenljivo opt. upravno na osu stapa") + RL +
                   "Intenzitet na pocetku (p1): " + FormatBroja(o.RaspodeljenoOpterecenje()) + RL +
                   "Intenzitet na kraju (p2): " + FormatBroja(o.RaspodeljenoOpterecenjeUPravcuOse()) + RL +
                   "Pozicija pocetka opterecenja: " + FormatBroja(o.PocetakRaspodeljenog()) + RL +
                   "Pozicija kraja opterecenja: " + FormatBroja(o.KrajRaspodeljenog()) + RL;
        case toSopstvenaTezina:
            return std::string("Tip opterecenja: sopstvena tezina") + RL +
                   "Faktor zapreminske mase: " + FormatBroja(o.RaspodeljenoOpterecenje()) + RL;
        default: return {};
    }
}

std::string OprugeStapa(const TStap& s) {
    std::string t;
    if (s.OprugaPocetka() > 0) t += "Opruga na pocetku (kpi): " + FormatBroja(s.OprugaPocetka()) + RL;
    if (s.OprugaKraja() > 0) t += "Opruga na kraju (kpk): " + FormatBroja(s.OprugaKraja()) + RL;
    return t;
}

// Every matrix of the report: ten hyphens, then each row as its elements followed by two blanks,
// and ten hyphens after every row.
template <class F>
void Matrica(std::string& t, const TMatrix& m, F&& element) {
    t += "----------";
    t += RL;
    for (int r = 1; r <= m.NrOfRows(); ++r) {
        for (int c = 1; c <= m.NrOfColumns(); ++c) t += element(m.Elem(c, r)) + "  ";
        t += RL;
        t += "----------";
        t += RL;
    }
}

// The same layout read through a matrix source, a row at a time.
template <class F>
void Matrica(std::string& t, const TIzvorMatrice& m, F&& element) {
    t += "----------";
    t += RL;
    for (int r = 1; r <= m.BrojRedova(); ++r) {
        for (double v : m.Red(r)) t += element(v) + "  ";
        t += RL;
        t += "----------";
        t += RL;
    }
}

// In place of the rows of a matrix too large for the report.
void VelicinaMatrice(std::string& t, const TIzvorMatrice& m) {
    const long long nenultih = m.BrojNenultih();
    t += "Dimenzije: " + std::to_string(m.BrojRedova()) + " x " + std::to_string(m.BrojKolona()) +
         ", nenultih elemenata: " +
         (nenultih >= 0 ? std::to_string(nenultih) : std::string("nije poznato (matrica nije formirana)")) + RL;
    t += "Matrica ima vise od " + std::to_string(NajviseElemenataUIzvestaju) + " elemenata i nije ispisana." + RL;
}

}  // namespace

std::string izvestajAnalizeUlaz(const TModel& model) {
    std::string t = "ULAZNI PODACI";
    t += RL;
    if (!model.nizMaterijala.empty()) {
        t += std::string(RL) + RL + "ULAZNI PODACI - MATERIJALI" + RL + RL;
        for (const auto& m : model.nizMaterijala)
            t += "Ime materijala: " + m->Ime() + RL + "Broj materijala: " + std::to_string(m->ID()) + RL +
                 "Modul elasticnosti: " + FormatBroja(m->E()) + RL +
                 "Poasonov koeficijent: " + FormatBroja(m->Poasonov()) + RL +
                 "Zapreminska masa: " + FormatBroja(m->Masa()) + RL +
                 "Koeficijent toplotnog sirenja: " + FormatBroja(m->AlfaT()) + RL + RL;
    }
    if (!model.nizPreseka.empty()) {
        t += std::string(RL) + RL + "ULAZNI PODACI - PRESECI" + RL + RL;
        for (const auto& p : model.nizPreseka)
            t += "Ime preseka: " + p->Ime() + RL + "Broj preseka: " + std::to_string(p->ID()) + RL +
                 "Aksijalni moment inercije: " + FormatBroja(p->I()) + RL +
                 "Aksijalna povrsina poprecnog preseka: " + FormatBroja(p->Aaksijalno()) + RL +
                 "Visina poprecnog preseka: " + FormatBroja(p->h()) + RL +
                 "Koeficijent oblika poprecnog preseka: " + FormatBroja(p->k()) + RL + RL;
    }
    if (!model.nizCvorova.empty()) {
        t += std::string(RL) + RL + "ULAZNI PODACI - CVOROVI" + RL + RL;
        for (const auto& c : model.nizCvorova)
            t += "Broj cvora: " + std::to_string(c->ID()) + RL + "X: " + FormatBroja(c->X()) + RL +
                 "Z: " + FormatBroja(c->Z()) + RL + "Oslonac u X pravcu: " + Da(c->OslX()) + RL +
                 "Oslonac u Z pravcu: " + Da(c->OslZ()) + RL + "Ukljestenje oko Y ose: " + Da(c->UkljY()) + RL +
                 "Px: " + FormatBroja(c->Px()) + RL + "Pz: " + FormatBroja(c->Pz()) + RL +
                 "My: " + FormatBroja(c->MkoncY()) + RL +
                 "Broj pomeranja u X pravcu: " + std::to_string(c->BrPomeranjaX()) + RL +
                 "Broj pomeranja u Z pravcu: " + std::to_string(c->BrPomeranjaZ()) + RL +
                 "Broj obrtanja oko Y ose: " + std::to_string(c->BrObrtanjaY()) + RL +
                 "Zadato pomeranje u X pravcu: " + FormatBroja(c->ZadatoUx()) + RL +
                 "Zadato pomeranje u Z pravcu: " + FormatBroja(c->ZadatoUz()) + RL +
                 "Zadato obrtanje oko Y ose: " + FormatBroja(c->ZadatoFiy()) + RL +
                 Stavke(StavkeElasticnogOslonca(*c)) + RL;
    }
    if (!model.nizStapova.empty()) {
        t += std::string(RL) + RL + "ULAZNI PODACI - STAPOVI" + RL + RL;
        for (const auto& s : model.nizStapova) {
            t += "Broj stapa: " + std::to_string(s->ID()) + RL + "Materijal stapa: " + s->Materijal()->Ime() +
                 "(ID=" + std::to_string(s->Materijal()->ID()) + ")" + RL + "Presek stapa: " + s->Presek()->Ime() +
                 "(ID=" + std::to_string(s->Presek()->ID()) + ")" + RL +
                 "Broj pocetnog cvora stapa: " + std::to_string(s->PocetniCvor()->ID()) + RL +
                 "Broj krajnjeg cvora stapa: " + std::to_string(s->KrajnjiCvor()->ID()) + RL;
            if (const TOsobineTipa* tip = OsobineTipa(s->TipStapa())) t += std::string("Tip stapa: ") + tip->ime + RL;
            t += OprugeStapa(*s);
            t += "Duzina: " + FormatBroja(DuzinaStapa(*s)) + RL + "Kodni brojevi: " + Spojeno(KodniBrojeviStapa(*s)) +
                 RL + RL;
        }
    }
    if (!model.nizOpterecenja.empty()) {
        t += std::string(RL) + RL + "ULAZNI PODACI - OPTERECENJA" + RL + RL;
        if (model.opcijeAnalize.smicanjeUOpterecenju)
            t += std::string("Smicanje u opterecenju: ekvivalentna opterecenja sa uticajem smicanja") + RL + RL;
        for (const auto& o : model.nizOpterecenja) {
            t += "Broj opterecenja: " + std::to_string(o->ID()) + RL + "Ime opterecenja: " + o->Ime() + RL;
            switch (o->Tip()) {
                case toV:
                    t += std::string("Tip opterecenja: koncentrisana sila upravno na osu stapa") + RL +
                         "Intenzitet koncetrisane sile: " + FormatBroja(o->KoncentrisanaSila()) + RL +
                         "Pozicija koncetrisane sile: " + FormatBroja(o->PozicijaKoncentrisaneSile()) + RL;
                    break;
                case toM:
                    t += std::string("Tip opterecenja: koncentrisani moment") + RL +
                         "Intenzitet koncetrisanog momenta: " + FormatBroja(o->KoncentrisaniMoment()) + RL +
                         "Pozicija koncetrisanog momenta: " + FormatBroja(o->PozicijaKoncentrisanogMomenta()) + RL;
                    break;
                case toPn:
                    t += std::string("Tip opterecenja: raspodeljeno opt. upravno na osu stapa") + RL +
                         "Intenzitet opterecenja: " + FormatBroja(o->RaspodeljenoOpterecenje()) + RL +
                         "Pozicija pocetka opterecenja: " + FormatBroja(o->PocetakRaspodeljenog()) + RL +
                         "Pozicija kraja opterecenja: " + FormatBroja(o->KrajRaspodeljenog()) + RL;
                    break;
                case toT:
                    t += std::string("Tip opterecenja: temperaturna promena") + RL +
                         "Intenzitet t: " + FormatBroja(o->TemperaturnaPromena()) + RL;
                    break;
                case toDeltaT:
                    t += std::string("Tip opterecenja: temperaturna razlika") + RL +
                         "Intenzitet deltaT: " + FormatBroja(o->TemperaturnaRazlika()) + RL;
                    break;
                case toH:
                    t += std::string("Tip opterecenja: koncentrisana sila u pravcu ose stapa") + RL +
                         "Intenzitet koncetrisane sile: " + FormatBroja(o->KoncentrisanaSilaUPravcuOse()) + RL +
                         "Pozicija koncetrisane sile: " + FormatBroja(o->PozicijaKoncentrisaneSileUPravcuOse()) + RL;
                    break;
                case toPt:
                    t += std::string("Tip opterecenja: raspodeljeno opt. u pravcu ose stapa") + RL +
                         "Intenzitet opterecenja: " + FormatBroja(o->RaspodeljenoOpterecenjeUPravcuOse()) + RL +
                         "Pozicija pocetka opterecenja: " + FormatBroja(o->PocetakRaspodeljenogUPravcuOse()) + RL +
                         "Pozicija kraja opterecenja: " + FormatBroja(o->KrajRaspodeljenogUPravcuOse()) + RL;
                    break;
                default: t += OpisDodatnihVrsta(*o); break;
            }
            t += "Pridruzeno stapu broj: " + std::to_string(o->IDStapa()) + RL + RL + RL;
        }
    }
    // A reader must know the results were found under the general rule for supports; with the
    // option off the text stays as it always was.
    if (model.opcijeAnalize.opstaStabilnost)
        t += std::string(RL) + RL + "ULAZNI PODACI - ANALIZA" + RL + RL + "Opsta stabilnost: DA" + RL;
    return t;
}

namespace {

// Absent results (after a clear) read as empty lists, and their blocks are left out.
const std::vector<int>& Lista(const TNizKodnihBrojeva& l) {
    static const std::vector<int> prazna;
    return l ? *l : prazna;
}

void Izlaz(std::string& t, const TModel& model, const TStanjeAnalize& st, long double f, bool ceo) {
    auto kodovi = [&](const TNizKodnihBrojeva& l, const char* naslov) {
        if (Lista(l).empty()) return;
        t += std::string(RL) + RL + naslov + "--";
        for (int k : Lista(l)) t += std::to_string(k) + "--";
    };
    kodovi(st.nizKodnihBrojeva, "Kodni brojevi: ");
    kodovi(st.nizKodnihBrojevaNepoznatihPomeranja, "Kodni brojevi uz nepoznata pomeranja: ");
    kodovi(st.nizKodnihBrojevaPoznatihPomeranja, "Kodni brojevi uz poznata pomeranja: ");
    t += std::string(RL) + RL + "Broj ispred matrica krutosti i vektora pomeranja: " + FormatBroja(f);

    auto krutost = [&](double v) { return FormatFiksno(v / f, 6); };
    auto blok = [&](const std::string& otvaranje, const TGlobalnaMatrica& m, auto&& element) {
        if (!m || m->BrojRedova() < 1) return;
        t += otvaranje;
        const long long elemenata = static_cast<long long>(m->BrojRedova()) * m->BrojKolona();
        if (!ceo && elemenata > NajviseElemenataUIzvestaju) VelicinaMatrice(t, *m);
        else Matrica(t, *m, element);
    };
    const std::string rl = RL, rl2 = std::string(RL) + RL;
    blok(rl2 + "K celog sistema - GKS" + rl, st.matricaKGKS, krutost);
    blok(rl2 + "Kss - GKS" + rl, st.matricaKssGKS, krutost);
    blok(rl + "Kss^-1 - GKS" + rl, st.matricaKssGKSInvertovana, [&](double v) { return FormatFiksno(v * f, 12); });
    blok(rl2 + "Kso - GKS" + rl, st.matricaKsoGKS, krutost);
    blok(rl2 + "Kos - GKS" + rl, st.matricaKosGKS, krutost);
    blok(rl2 + "Koo - GKS" + rl, st.matricaKooGKS, krutost);

    auto vektor = [&](const std::string& otvaranje, const std::unique_ptr<TMatrix>& v, const char* oznaka,
                      const TNizKodnihBrojeva& lista, bool pomeranje) {
        if (!v || v->NrOfRows() < 1) return;
        const TMatrix& V = *v;
        const std::vector<int>& l = Lista(lista);
        t += otvaranje;
        for (int i = 1; i <= V.NrOfRows(); ++i) {
            // A 1 x 1 stand-in has no code number behind it.
            const std::string kod = i <= static_cast<int>(l.size()) ? std::to_string(l[i - 1]) : "";
            const long double x = pomeranje ? V.Elem(1, i) * f : V.Elem(1, i);
            t += oznaka + kod + "   " + FormatBroja(x) + RL;
        }
    };
    const auto& s = st.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& o = st.nizKodnihBrojevaPoznatihPomeranja;
    vektor(rl + "Qs - GKS" + rl, st.vektorQsGKS, "Br. nep. pom.: ", s, false);
    vektor(rl + "Qo - GKS" + rl, st.vektorQoGKS, "Br. poz. pom.: ", o, false);
    vektor(rl2 + "Ps - GKS" + rl, st.vektorPsGKS, "Br. nep. pom.: ", s, false);
    vektor(rl2 + "Ss - GKS" + rl, st.vektorSsGKS, "Br. nep. pom.: ", s, false);
    vektor(rl2 + "qs - GKS - od opterecenja" + rl, st.vektor_qsGKSOpterecenje, "Br. nep. pom.: ", s, true);
    vektor(rl2 + "qo - GKS" + rl, st.vektor_qoGKS, "Br. poz. pom.: ", o, true);
    vektor(rl2 + "qs - GKS - od pomeranja oslonaca" + rl, st.vektor_qsGKSPomeranjeOslonaca, "Br. nep. pom.: ", s, true);
    vektor(rl2 + "qs - GKS - ukupno" + rl, st.vektor_qsGKS, "Br. nep. pom.: ", s, true);

    t += rl2 + "Ro - GKS - ukupno" + rl;
    for (int c : Lista(o))
        for (const auto& n : model.nizCvorova) {
            // The o list's reactions are along the node's axes, as its displacements are.
            const TReakcijaCvora r = ReakcijaUOsamaCvora(*n);
            if (n->OslX() && n->BrPomeranjaX() == c)
                t += "Br. poz. pom.: " + std::to_string(c) + "   Rx = " + FormatBroja(r.x) + rl;
            if (n->OslZ() && n->BrPomeranjaZ() == c)
                t += "Br. poz. pom.: " + std::to_string(c) + "   Rz = " + FormatBroja(r.z) + rl;
            if (n->UkljY() && n->BrObrtanjaY() == c)
                t += "Br. poz. pom.: " + std::to_string(c) + "   My = " + FormatBroja(n->MukljY()) + rl;
        }

    if (!model.nizCvorova.empty()) {
        t += rl2 + "IZLAZNI PODACI - CVOROVI" + rl2;
        for (const auto& n : model.nizCvorova) {
            const std::string x = std::to_string(n->BrPomeranjaX()), z = std::to_string(n->BrPomeranjaZ()),
                              y = std::to_string(n->BrObrtanjaY());
            t += "Broj cvora: " + std::to_string(n->ID()) + rl;
            t += "Br. pom.: " + x + "   Ux: " + FormatBroja(n->Ux()) + rl;
            t += "Br. pom.: " + z + "   Uz: " + FormatBroja(n->Uz()) + rl;
            t += "Br. obrta.: " + y + "   FiY: " + FormatBroja(n->Fiy()) + rl;
            if (ImaReakcijuX(*n)) t += "Br. pom.: " + x + "   Rx: " + FormatBroja(n->Rx()) + rl;
            if (ImaReakcijuZ(*n)) t += "Br. pom.: " + z + "   Rz: " + FormatBroja(n->Rz()) + rl;
            if (n->UkljY()) t += "Br. obrta.: " + y + "   My: " + FormatBroja(n->MukljY()) + rl;
            t += Stavke(StavkeSilaOpruga(*n));
            t += rl;
        }
    }

    if (!model.nizStapova.empty()) {
        t += rl2 + "IZLAZNI PODACI - STAPOVI" + rl2;
        auto stavke = [&](const char* naslov, const TMatrix& v, long double puta) {
            t += std::string(naslov) + rl;
            for (int i = 1; i <= v.NrOfRows(); ++i) t += FormatBroja(v.Elem(1, i) * puta) + rl;
        };
        const TIndeksSila indeks(model, st);
        for (const auto& s : model.nizStapova) {
            const TSileStapa r = IzracunajSileStapa(model, st, *s, true, indeks);
            t += "IZLAZNI PODACI ZA STAP: " + std::to_string(s->ID()) + rl2;
            t += "Kodni brojevi: " + Spojeno(r.kodniBrojevi) + rl2;
            t += "Matrica transformacije" + rl;
            Matrica(t, r.T, [](double v) { return FormatFiksno(v, 6); });
            t += rl;
            stavke("Q-LKS", r.QL, 1);
            t += rl;
            stavke("Q-GKS", r.QG, 1);
            t += rl;
            stavke("q-LKS", r.qL, f);
            t += rl;
            stavke("q-GKS", r.qG, f);
            t += rl + "Matrica krutosti - LKS" + rl;
            Matrica(t, r.KL, krutost);
            t += rl + "Matrica krutosti - GKS" + rl;
            Matrica(t, r.KG, krutost);
            t += rl;
            stavke("R-LKS", r.RL, 1);
            t += rl2;
            stavke("R-GKS", r.RG, 1);
            t += rl;
        }
    }
}

}  // namespace

std::string izvestajAnalizeIzlaz(const TModel& model, const TStanjeAnalize& stanje, long double faktor, bool ceo) {
    std::string t = "IZLAZNI PODACI";
    try {
        Izlaz(t, model, stanje, faktor, ceo);
    } catch (const std::exception&) {
        // Results that are absent or no longer fit the model: the text ends here.
    }
    // What the run warned of closes the results it concerns; a run without warnings adds nothing.
    if (!stanje.upozorenja.empty()) {
        t += std::string(RL) + RL + "UPOZORENJA" + RL;
        for (const std::string& u : stanje.upozorenja) t += u + RL;
    }
    return t;
}
