#include "Proracun.h"

#include <cmath>
#include <ctime>
#include <memory>
#include <unordered_map>

#include "Brojevi.h"
#include "Greska.h"
#include "Model.h"
#include "ProcenaMemorije.h"
#include "ProveraRezultata.h"
#include "ResavanjeSistema.h"
#include "Sklapanje.h"

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

bool PocetakKrut(int tip) { return tip == tsK || tip == tsIG; }
bool KrajKrut(int tip) { return tip == tsK || tip == tsGK; }

// Per node ID: how many member ends meet there, rigid and hinged, and the first member (in list
// order) with an end there.
struct TKrajeviCvora {
    int krutih = 0;
    int zglobnih = 0;
    const TStap* prviStap = nullptr;
};

std::unordered_map<int, TKrajeviCvora> KrajeviCvorova(const TModel& model) {
    std::unordered_map<int, TKrajeviCvora> krajevi;
    for (const auto& st : model.nizStapova) {
        const int tip = st->TipStapa();
        TKrajeviCvora& i = krajevi[st->PocetniCvor()->ID()];
        (PocetakKrut(tip) ? i.krutih : i.zglobnih)++;
        if (!i.prviStap) i.prviStap = st.get();
        TKrajeviCvora& k = krajevi[st->KrajnjiCvor()->ID()];
        (KrajKrut(tip) ? k.krutih : k.zglobnih)++;
        if (!k.prviStap) k.prviStap = st.get();
    }
    return krajevi;
}

TKrajeviCvora KrajeviCvora(const std::unordered_map<int, TKrajeviCvora>& krajevi, const TCvor& c) {
    auto it = krajevi.find(c.ID());
    return it == krajevi.end() ? TKrajeviCvora{} : it->second;
}

TMatrix NovaMatrica(int kolona, int redova) {
    TMatrix m;
    m.Resize(kolona, redova);
    return m;
}

// Block of K: rows r0+1 .. r0+nr, columns c0+1 .. c0+nc (an empty range leaves the 1-sized zero).
std::unique_ptr<TMatrix> Blok(const TMatrix& K, int r0, int nr, int c0, int nc) {
    auto b = std::make_unique<TMatrix>();
    b->Resize(nc, nr);
    for (int c = 1; c <= nc; ++c) {
        const double* iz = K.Kolona(c0 + c) + r0;
        double* u = b->Kolona(c);
        for (int r = 0; r < nr; ++r) u[r] = iz[r];
    }
    return b;
}

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
        if (!c->OslX() && !c->OslZ()) return false;
        const TStap& st = *k.prviStap;
        const bool krut = st.PocetniCvor()->ID() == c->ID() ? PocetakKrut(st.TipStapa()) : KrajKrut(st.TipStapa());
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
    if (!ProveriOslonce(model)) return "Oslonci nisu korektno zadati!!!";
    if (!ProveriTipoveStapova(model)) return "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!";
    return "";
}

TRezultatProracuna PokreniAnalizu(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    if (stanje.radimProracun) {
        posmatrac.PorukaGreske("Proracun je vec pokrenut!!!");
        return {TIshodProracuna::VecPokrenut, "Proracun je vec pokrenut!!!"};
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
        return {TIshodProracuna::Odbijen, e.what()};
    }
    return rezultat;
}

TRezultatProracuna IzvrsiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac) {
    auto radi = [&] { return stanje.radimProracun.load(); };
    bool resenoJe = false;
    try {
        const bool imaSistema = model.nizCvorova.size() >= 2 && !model.nizStapova.empty();
        std::unordered_map<int, TKrajeviCvora> krajevi;
        if (imaSistema) krajevi = KrajeviCvorova(model);
        ProveriPodatkeCvorova(model);

        // 1. Code numbers.
        Loguj(posmatrac, "Odredjivanje kodnih brojeva - ", 0);
        if (radi()) {
            std::vector<int> s;
            if (imaSistema)
                for (const auto& c : model.nizCvorova) {
                    if (!c->OslX()) s.push_back(c->BrPomeranjaX());
                    if (!c->OslZ()) s.push_back(c->BrPomeranjaZ());
                    if (!c->UkljY() && KrajeviCvora(krajevi, *c).krutih >= 2) s.push_back(c->BrObrtanjaY());
                }
            stanje.nizKodnihBrojevaNepoznatihPomeranja = std::move(s);
        }
        if (radi()) {
            std::vector<int> o;
            if (imaSistema)
                for (const auto& c : model.nizCvorova) {
                    if (c->OslX()) o.push_back(c->BrPomeranjaX());
                    if (c->OslZ()) o.push_back(c->BrPomeranjaZ());
                    if (c->UkljY() && KrajeviCvora(krajevi, *c).krutih >= 1) o.push_back(c->BrObrtanjaY());
                }
            stanje.nizKodnihBrojevaPoznatihPomeranja = std::move(o);
        }
        if (radi()) {
            std::vector<int> sve = stanje.nizKodnihBrojevaNepoznatihPomeranja.value();
            const auto& o = stanje.nizKodnihBrojevaPoznatihPomeranja.value();
            sve.insert(sve.end(), o.begin(), o.end());
            stanje.nizKodnihBrojeva = std::move(sve);
        }

        // Later steps need the lists; a stop before they exist skips those steps anyway.
        auto lista = [](const TNizKodnihBrojeva& l) -> const std::vector<int>& {
            if (!l) throw TGreska("Kodni brojevi nisu odredjeni!!!");
            return *l;
        };
        auto matrica = [](const std::unique_ptr<TMatrix>& m) -> TMatrix& {
            if (!m) throw TGreska("Matrica krutosti nije formirana!!!");
            return *m;
        };

        // The path is chosen once the size is known; a stop before that leaves the dense one.
        if (stanje.nizKodnihBrojevaNepoznatihPomeranja && stanje.nizKodnihBrojeva)
            stanje.putanja = IzaberiPutanju(stanje.zahtevanaPutanja,
                                            static_cast<int>(stanje.nizKodnihBrojevaNepoznatihPomeranja->size()),
                                            static_cast<int>(stanje.nizKodnihBrojeva->size()));
        const bool retko = stanje.putanja == TPutanjaResavanja::Retka;
        const size_t brojStapova = model.nizStapova.size();
        // Assembly reports its progress between members and gives up at once on Stop.
        auto napredakSklapanja = [&](size_t gotovih) {
            posmatrac.Napredak("Formiranje K u GKS", 5 + static_cast<int>(40 * gotovih / std::max<size_t>(brojStapova, 1)));
            return radi();
        };

        // 2. Assembly of K: diagonal and upper triangle, then the lower one mirrored.
        Loguj(posmatrac, "Formiranje K u GKS - ", 5);
        if (radi()) {
            const auto& sve = lista(stanje.nizKodnihBrojeva);
            // Each matrix is held in one form only: the other one (a stand-in) is dropped.
            if (retko) {
                stanje.matricaKGKS.reset();
                stanje.retkaKGKS = SklopiRetkuK(model, sve, napredakSklapanja);
            } else {
                stanje.retkaKGKS.reset();
                ProveriMemorijuGustogProracuna(sve.size(), lista(stanje.nizKodnihBrojevaNepoznatihPomeranja).size());
                const int n = static_cast<int>(sve.size());
                const TPozicije pozicije(sve);
                auto K = std::make_unique<TMatrix>();
                K->Resize(n, n);
                const bool ceo = ZaDoprinoseK(
                    model, pozicije, [&](int kol, int red, double v) { K->SetElem(kol, red, K->Elem(kol, red) + v); },
                    napredakSklapanja);
                if (ceo) {
                    for (int j = 1; j <= n; ++j) {
                        double* kol = K->Kolona(j);
                        for (int i = j + 1; i <= n; ++i) kol[i - 1] = K->Elem(i, j);
                    }
                    stanje.matricaKGKS = std::move(K);
                }
            }
        }

        // 3.-6. The four blocks.
        auto ns = [&] { return static_cast<int>(lista(stanje.nizKodnihBrojevaNepoznatihPomeranja).size()); };
        auto no = [&] { return static_cast<int>(lista(stanje.nizKodnihBrojevaPoznatihPomeranja).size()); };
        auto retkaK = [&]() -> const TRetkaMatrica& {
            if (!stanje.retkaKGKS) throw TGreska("Matrica krutosti nije formirana!!!");
            return *stanje.retkaKGKS;
        };
        auto blok = [&](std::unique_ptr<TMatrix>& gusta, std::shared_ptr<const TRetkaMatrica>& retka, int r0, int nr,
                        int c0, int nc) {
            if (retko) {
                gusta.reset();
                retka = std::make_shared<TRetkaMatrica>(retkaK().Blok(r0, nr, c0, nc));
            } else {
                retka.reset();
                gusta = Blok(matrica(stanje.matricaKGKS), r0, nr, c0, nc);
            }
        };
        Loguj(posmatrac, "Formiranje Kss - ", 46);
        if (radi()) blok(stanje.matricaKssGKS, stanje.retkaKssGKS, 0, ns(), 0, ns());
        Loguj(posmatrac, "Formiranje Kso - ", 48);
        if (radi()) blok(stanje.matricaKsoGKS, stanje.retkaKsoGKS, 0, ns(), ns(), no());
        Loguj(posmatrac, "Formiranje Kos - ", 49);
        if (radi()) blok(stanje.matricaKosGKS, stanje.retkaKosGKS, ns(), no(), 0, ns());
        Loguj(posmatrac, "Formiranje Koo - ", 50);
        if (radi()) blok(stanje.matricaKooGKS, stanje.retkaKooGKS, ns(), no(), ns(), no());

        // Loads of each member in list order, gathered once.
        TOpterecenjaPoStapu poStapu;
        for (const auto& o : model.nizOpterecenja) poStapu[o->IDStapa()].push_back(o.get());

        // 7. Ss = Ps + Qs: member loads first, then node loads.
        Loguj(posmatrac, "Formiranje Ss - ", 51);
        if (radi()) {
            const auto& s = lista(stanje.nizKodnihBrojevaNepoznatihPomeranja);
            const int n_s = static_cast<int>(s.size());
            auto Ss = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
            auto Ps = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
            auto Qs = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
            const TPozicije pozicije(s);
            SaberiOpterecenjaStapova(model, pozicije, n_s, poStapu, {Ss.get(), Qs.get()});
            for (const auto& c : model.nizCvorova) {
                auto dodaj = [&](int kod, long double P) {
                    pozicije.ZaSve(kod, [&](int p) {
                        Ss->SetElem(1, p, static_cast<double>(Ss->Elem(1, p) + P));
                        Ps->SetElem(1, p, static_cast<double>(Ps->Elem(1, p) + P));
                    });
                };
                dodaj(c->BrPomeranjaX(), c->Px());
                dodaj(c->BrPomeranjaZ(), c->Pz());
                dodaj(c->BrObrtanjaY(), c->MkoncY());
            }
            stanje.vektorSsGKS = std::move(Ss);
            stanje.vektorPsGKS = std::move(Ps);
            stanje.vektorQsGKS = std::move(Qs);
        }

        // 8. Solution and reactions.
        Loguj(posmatrac, "Resavanje sistema - ", 55);
        if (radi() && ResiSistem(model, stanje, poStapu, radi, posmatrac)) {
            ProveriRezultate(model, stanje);
            Loguj(posmatrac, "Ispisivanje rezultata analize - ", 95);
            posmatrac.PrikaziRezultate();
            posmatrac.PrikaziSileStapa();
            stanje.radimProracun = false;
            Loguj(posmatrac, "Kraj analize - ", 100);
            resenoJe = true;
        }

        // 9. Whether or not the solution ran.
        posmatrac.PodesiSirineKolona();
        posmatrac.CrtajGrafik();
    } catch (const std::exception& e) {
        stanje.radimProracun = false;
        Loguj(posmatrac, "Prekid proracuna zbog greske - ");
        posmatrac.PorukaGreske(e.what());
        return {TIshodProracuna::Greska, e.what()};
    }
    if (!resenoJe) return {TIshodProracuna::Prekinut, ""};
    return {};
}
