#include "Proracun.h"

#include <cmath>
#include <cstdio>
#include <ctime>
#include <memory>
#include <unordered_map>

#include "Brojevi.h"
#include "Greska.h"
#include "Mehanizam.h"
#include "Model.h"
#include "OseCvora.h"
#include "ProcenaMemorije.h"
#include "ProveraRezultata.h"
#include "PutanjaResavanja.h"
#include "ResavanjeSistema.h"
#include "Sklapanje.h"
#include "TipoviStapa.h"
#include "Upozorenja.h"

std::string TPosmatracProracuna::DatumVreme() {
    const std::time_t t = std::time(nullptr);
    std::tm lokalno{};
    localtime_r(&t, &lokalno);
    char buf[64];
    std::strftime(buf, sizeof buf, "%d.%m.%Y %H:%M:%S", &lokalno);
    return buf;
}

void TPosmatracBezEkrana::PrikaziRezultate() {
    const auto c = ParsirajReal(faktor);
    if (c && *c > 0) SacuvajPomeranjaCvorova(model, stanje);
}

namespace {

// The step's log line, and the step's name and share of the run to the progress display.
void Loguj(TPosmatracProracuna& posmatrac, const char* tekst, int procenat = -2) {
    posmatrac.Log(std::string(tekst) + posmatrac.DatumVreme());
    if (procenat != -2) {
        std::string korak(tekst);
        if (korak.size() >= 3 && korak.compare(korak.size() - 3, 3, " - ") == 0) korak.resize(korak.size() - 3);
        posmatrac.Napredak(korak, procenat);
    }
}

}  // namespace

bool ProveriCvoroveBezStapova(const TModel& model) {
    if (model.nizCvorova.size() < 2) return false;
    const auto krajevi = KrajeviCvorova(model);
    for (const auto& c : model.nizCvorova)
        if (!krajevi.count(c->ID())) return false;
    return true;
}

bool ProveriOslonce(const TModel& model) {
    if (model.nizCvorova.size() < 2 || model.nizStapova.empty()) return false;
    const auto krajevi = KrajeviCvorova(model);
    for (const auto& c : model.nizCvorova) {
        const TKrajeviCvora k = KrajeviCvora(krajevi, *c);
        if (k.krutih + k.zglobnih != 1) continue;
        if (!c->DrziTranslaciju()) return false;
        const TStap& st = *k.prviStap;
        const bool krut = KrajKrut(st.TipStapa(), st.PocetniCvor()->ID() == c->ID());
        if (krut != c->UkljY()) return false;
    }
    return true;
}

bool ProveriTipoveStapova(const TModel& model) {
    if (model.nizCvorova.size() < 2 || model.nizStapova.empty()) return false;
    const auto krajevi = KrajeviCvorova(model);
    for (const auto& c : model.nizCvorova) {
        const TKrajeviCvora k = KrajeviCvora(krajevi, *c);
        if (k.krutih + k.zglobnih < 2 || k.krutih != 1) continue;
        if (!((c->OslX() || c->OslZ()) && c->UkljY())) return false;
    }
    return true;
}

std::string PrvaGreskaProvere(const TModel& model) {
    if (model.nizCvorova.size() < 2) return "Sistem nema dovoljan broj cvorova!!!";
    if (model.nizStapova.empty()) return "Sistem nema dovoljan broj stapova!!!";
    if (!ProveriCvoroveBezStapova(model)) return "Postoje cvorovi bez stapova!!!";
    if (model.opcijeAnalize.opstaStabilnost) return "";
    if (!ProveriOslonce(model)) return "Oslonci nisu korektno zadati!!!";
    if (!ProveriTipoveStapova(model)) return "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!";
    return "";
}

TRezultatProracuna PokreniAnalizu(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    if (stanje.radimProracun) {
        posmatrac.PorukaGreske("Proracun je vec pokrenut!!!");
        return {TIshodProracuna::VecPokrenut, "Proracun je vec pokrenut!!!", {}};
    }
    stanje.radimProracun = true;
    return ZapocniProracun(model, stanje, posmatrac);
}

TRezultatProracuna ZapocniProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    posmatrac.IsprazniLog();
    Loguj(posmatrac, "Pocetak analize - ");
    return PripremiProracun(model, stanje, posmatrac);
}

TRezultatProracuna PripremiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    TRezultatProracuna rezultat;
    try {
        Loguj(posmatrac, "Priprema za proracun - ");
        Loguj(posmatrac, "Brisem prethodne rezultate - ");
        stanje.ObrisiRezultate(model);
        posmatrac.ObrisiRezultate();
        posmatrac.CrtajGrafik();
        const std::string greska = PrvaGreskaProvere(model);
        if (!greska.empty()) throw TGreska(greska);
        TProracun proracun([&] { rezultat = IzvrsiProracun(model, stanje, posmatrac); });
        proracun.Execute();
    } catch (const std::exception& e) {
        stanje.radimProracun = false;
        Loguj(posmatrac, "Greska u ulaznim podacima - ");
        posmatrac.PorukaGreske(std::string(e.what()) + "\r\n" + "Nije dopusteno!!!");
        return {TIshodProracuna::Odbijen, e.what(), {}};
    }
    return rezultat;
}

namespace {

// What the steps of one run share. A list or matrix a step needs is absent only when an earlier
// step was skipped by Stop, and then this step is skipped too; reading one that is absent anyway
// is an error of the run.
struct TTokProracuna {
    TTokProracuna(TModel& m, TStanjeAnalize& st, TPosmatracProracuna& p)
        : model(m),
          stanje(st),
          posmatrac(p),
          imaSistema(m.nizCvorova.size() >= 2 && !m.nizStapova.empty()) {}

    TModel& model;
    TStanjeAnalize& stanje;
    TPosmatracProracuna& posmatrac;
    bool imaSistema;
    TKrajeviCvorova krajevi;
    const TOblikSistema* oblik = nullptr;         // set once the size is known
    TOpterecenjaPoStapu poStapu;                  // loads of each member in list order, gathered once
    std::shared_ptr<const TMehanizam> mehanizam;  // the free motion, when Kss was found singular

    bool Radi() const { return stanje.radimProracun.load(); }
    static const std::vector<int>& Lista(const TNizKodnihBrojeva& l) {
        if (!l) throw TGreska("Kodni brojevi nisu odredjeni!!!");
        return *l;
    }
    int Ns() const { return static_cast<int>(Lista(stanje.nizKodnihBrojevaNepoznatihPomeranja).size()); }
    int No() const { return static_cast<int>(Lista(stanje.nizKodnihBrojevaPoznatihPomeranja).size()); }
    const TIzvorMatrice& K() const {
        if (!stanje.matricaKGKS) throw TGreska("Matrica krutosti nije formirana!!!");
        return *stanje.matricaKGKS;
    }
};

// The s list, the o list, then both: each guarded on its own.
void OdrediKodneBrojeve(TTokProracuna& t) {
    Loguj(t.posmatrac, "Odredjivanje kodnih brojeva - ", 0);
    auto krutih = [&](const TCvor& c) { return KrajeviCvora(t.krajevi, c).krutih; };
    // By the rules for supports a rigid end alone is clamped; in general it turns with its node.
    const int krutihZaObrtanje = t.model.opcijeAnalize.opstaStabilnost ? 1 : 2;
    if (t.Radi()) {
        std::vector<int> s;
        if (t.imaSistema)
            for (const auto& c : t.model.nizCvorova) {
                if (!c->OslX()) s.push_back(c->BrPomeranjaX());
                if (!c->OslZ()) s.push_back(c->BrPomeranjaZ());
                const bool obrtanje = !c->UkljY() && krutih(*c) >= krutihZaObrtanje;
                if (obrtanje) s.push_back(c->BrObrtanjaY());
                // A rotational spring needs a rotation to act on.
                if (!obrtanje && c->Kfi() > 0)
                    throw TGreska("Opruga kfi cvora broj " + std::to_string(c->ID()) +
                                  " nema na sta da deluje - obrtanje cvora nije nepoznata velicina!!!");
            }
        t.stanje.nizKodnihBrojevaNepoznatihPomeranja = std::move(s);
    }
    if (t.Radi()) {
        std::vector<int> o;
        if (t.imaSistema)
            for (const auto& c : t.model.nizCvorova) {
                if (c->OslX()) o.push_back(c->BrPomeranjaX());
                if (c->OslZ()) o.push_back(c->BrPomeranjaZ());
                if (c->UkljY() && krutih(*c) >= 1) o.push_back(c->BrObrtanjaY());
            }
        t.stanje.nizKodnihBrojevaPoznatihPomeranja = std::move(o);
    }
    if (t.Radi()) {
        std::vector<int> sve = t.stanje.nizKodnihBrojevaNepoznatihPomeranja.value();
        const auto& o = t.stanje.nizKodnihBrojevaPoznatihPomeranja.value();
        sve.insert(sve.end(), o.begin(), o.end());
        t.stanje.nizKodnihBrojeva = std::move(sve);
    }
}

// A warning joins the run's list and its log.
void Upozori(TTokProracuna& t, const std::string& tekst) {
    t.stanje.upozorenja.push_back(tekst);
    t.posmatrac.Log(tekst + " - " + t.posmatrac.DatumVreme());
}

// What the code numbers leave out of the system although the model gives it.
void UpozoriNaObrtanja(TTokProracuna& t) {
    if (!t.Radi() || !t.imaSistema) return;
    for (const std::string& u : UpozorenjaObrtanja(t.model, t.krajevi)) Upozori(t, u);
}

// How far the solution can be trusted: to the log after every solve, and a warning when only a
// few digits may be right.
void OceniResenje(TTokProracuna& t) {
    if (!t.stanje.presuda || !t.stanje.mereResenja) return;
    const double k = t.stanje.presuda->uslovljenost;
    const TMereResenja& m = *t.stanje.mereResenja;
    char buf[160];
    std::snprintf(buf, sizeof buf, "Provera resenja: uslovljenost Kss oko %.1E, neravnoteza %.1E - ", k, m.neravnoteza);
    Loguj(t.posmatrac, buf);
    if (k > UslovljenostUpozorenja || m.neravnoteza > PragUpozorenjaResenja || m.ostatakOpterecenja > PragUpozorenjaResenja)
        Upozori(t, UpozorenjeUslovljenosti(k));
}

// The path is chosen once the size is known; a stop before that leaves the dense one.
void IzaberiOblik(TTokProracuna& t) {
    const auto& s = t.stanje.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& sve = t.stanje.nizKodnihBrojeva;
    if (s && sve)
        t.stanje.putanja =
            IzaberiPutanju(t.stanje.zahtevanaPutanja, static_cast<int>(s->size()), static_cast<int>(sve->size()));
    t.oblik = &OblikSistema(t.stanje.putanja);
}

// K in the path's form. Assembly reports its progress between members and gives up at once on
// Stop, leaving the slot as it was.
void SklopiK(TTokProracuna& t) {
    Loguj(t.posmatrac, "Formiranje K u GKS - ", 5);
    if (!t.Radi()) return;
    const size_t brojStapova = t.model.nizStapova.size();
    auto napredak = [&](size_t gotovih) {
        t.posmatrac.Napredak("Formiranje K u GKS",
                             5 + static_cast<int>(40 * gotovih / std::max<size_t>(brojStapova, 1)));
        return t.Radi();
    };
    const auto& sve = TTokProracuna::Lista(t.stanje.nizKodnihBrojeva);
    if (auto K = t.oblik->SklopiK(t.model, sve, t.Ns(), napredak)) t.stanje.matricaKGKS = std::move(K);
}

// Kss, Kso, Kos and Koo cut out of K.
void FormirajBlokove(TTokProracuna& t) {
    auto blok = [&](TGlobalnaMatrica& slot, int r0, int nr, int c0, int nc) { slot = t.K().Blok(r0, nr, c0, nc); };
    Loguj(t.posmatrac, "Formiranje Kss - ", 46);
    if (t.Radi()) blok(t.stanje.matricaKssGKS, 0, t.Ns(), 0, t.Ns());
    Loguj(t.posmatrac, "Formiranje Kso - ", 48);
    if (t.Radi()) blok(t.stanje.matricaKsoGKS, 0, t.Ns(), t.Ns(), t.No());
    Loguj(t.posmatrac, "Formiranje Kos - ", 49);
    if (t.Radi()) blok(t.stanje.matricaKosGKS, t.Ns(), t.No(), 0, t.Ns());
    Loguj(t.posmatrac, "Formiranje Koo - ", 50);
    if (t.Radi()) blok(t.stanje.matricaKooGKS, t.Ns(), t.No(), t.Ns(), t.No());
}

// Ss = Ps + Qs: member loads first, then node loads.
void FormirajSs(TTokProracuna& t) {
    Loguj(t.posmatrac, "Formiranje Ss - ", 51);
    if (!t.Radi()) return;
    const auto& s = TTokProracuna::Lista(t.stanje.nizKodnihBrojevaNepoznatihPomeranja);
    const int n_s = static_cast<int>(s.size());
    auto Ss = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    auto Ps = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    auto Qs = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
    const TPozicije pozicije(s);
    SaberiOpterecenjaStapova(t.model, pozicije, n_s, t.poStapu, {Ss.get(), Qs.get()});
    for (const auto& c : t.model.nizCvorova) {
        auto dodaj = [&](int kod, long double P) {
            pozicije.ZaSve(kod, [&](int p) {
                Ss->SetElem(1, p, static_cast<double>(Ss->Elem(1, p) + P));
                Ps->SetElem(1, p, static_cast<double>(Ps->Elem(1, p) + P));
            });
        };
        long double px = c->Px(), pz = c->Pz();
        if (c->Ugao() != 0) {
            // The unknowns of a turned node are along its own axes, and so are its loads.
            double xc = 0, zc = 0;
            UOseCvora(OseCvora(*c), static_cast<double>(px), static_cast<double>(pz), xc, zc);
            px = xc, pz = zc;
        }
        dodaj(c->BrPomeranjaX(), px);
        dodaj(c->BrPomeranjaZ(), pz);
        dodaj(c->BrObrtanjaY(), c->MkoncY());
    }
    t.stanje.vektorSsGKS = std::move(Ss);
    t.stanje.vektorPsGKS = std::move(Ps);
    t.stanje.vektorQsGKS = std::move(Qs);
}

// Which way an unstable structure moves, found from Kss as the run formed it.
void NadjiSlobodnoKretanje(TTokProracuna& t) {
    const auto& s = t.stanje.nizKodnihBrojevaNepoznatihPomeranja;
    if (!s || !t.stanje.matricaKssGKS) return;
    if (auto m = NadjiMehanizam(t.model, *s, *t.stanje.matricaKssGKS))
        t.mehanizam = std::make_shared<const TMehanizam>(std::move(*m));
}

// The solution and the reactions, then the results shown; true when the run got to its end.
bool ResiIPrikazi(TTokProracuna& t) {
    Loguj(t.posmatrac, "Resavanje sistema - ", 55);
    const TTokResavanja tok{[&] { return t.Radi(); },
                            [&](const std::string& korak, int procenat) { t.posmatrac.Napredak(korak, procenat); }};
    if (!t.Radi()) return false;
    try {
        if (!ResiSistem(t.model, t.stanje, t.poStapu, *t.oblik, tok)) return false;
        ProveriRezultate(t.model, t.stanje);
        OceniResenje(t);  // a solution that fails its own checks is refused as singular, too
    } catch (const TGreska& e) {
        if (std::string(e.what()) == PorukaLabilanSistem) NadjiSlobodnoKretanje(t);
        throw;
    }
    Loguj(t.posmatrac, "Ispisivanje rezultata analize - ", 95);
    t.posmatrac.PrikaziRezultate();
    t.posmatrac.PrikaziSileStapa();
    t.stanje.radimProracun = false;
    Loguj(t.posmatrac, "Kraj analize - ", 100);
    return true;
}

}  // namespace

TRezultatProracuna IzvrsiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    bool resenoJe = false;
    TTokProracuna t(model, stanje, posmatrac);
    try {
        if (t.imaSistema) t.krajevi = KrajeviCvorova(model);
        ProveriPodatkeCvorova(model);

        OdrediKodneBrojeve(t);
        UpozoriNaObrtanja(t);
        IzaberiOblik(t);
        SklopiK(t);
        FormirajBlokove(t);
        for (const auto& o : model.nizOpterecenja) t.poStapu[o->IDStapa()].push_back(o.get());
        FormirajSs(t);
        resenoJe = ResiIPrikazi(t);

        // Whether or not the solution ran.
        posmatrac.PodesiSirineKolona();
        posmatrac.CrtajGrafik();
    } catch (const std::exception& e) {
        stanje.radimProracun = false;
        if (t.mehanizam) posmatrac.Log(t.mehanizam->Linija() + " - " + posmatrac.DatumVreme());
        Loguj(posmatrac, "Prekid proracuna zbog greske - ");
        posmatrac.PorukaGreske(e.what());
        return {TIshodProracuna::Greska, e.what(), t.mehanizam, stanje.upozorenja};
    }
    if (!resenoJe) return {TIshodProracuna::Prekinut, "", nullptr, stanje.upozorenja};
    return {TIshodProracuna::Uspeh, "", nullptr, stanje.upozorenja};
}
