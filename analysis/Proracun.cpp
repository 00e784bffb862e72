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

// Kss is taken for singular when some pivot of its decomposition is this small against the largest
// original entry of its row. Round-off leaves the pivot of a mechanism some 1e-16..1e-14 of its row
// (whatever the angle of the free motion), while a pivot of a sound structure is, relative to its
// row, about the ratio of the softest to the stiffest stiffness meeting there. The threshold keeps
// three orders of magnitude from either side; a structure whose stiffnesses differ by more than
// about 1e11 in series is indistinguishable from a mechanism in double precision anyway.
static constexpr double PragRelativnogPivota = 1e-12;

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

// Positions (1-based) of the code numbers of a list, with repeated code numbers chained in
// increasing position, so "every position whose code number equals x" is a walk along a chain.
class TPozicije {
public:
    explicit TPozicije(const std::vector<int>& lista) : sledeca(lista.size() + 1, 0) {
        for (int p = static_cast<int>(lista.size()); p >= 1; --p) {
            auto [it, novo] = prva.try_emplace(lista[p - 1], p);
            if (!novo) {
                sledeca[p] = it->second;
                it->second = p;
            }
        }
    }
    template <class F>
    void ZaSve(int kod, F&& f) const {
        auto it = prva.find(kod);
        if (it == prva.end()) return;
        for (int p = it->second; p; p = sledeca[p]) f(p);
    }

private:
    std::unordered_map<int, int> prva;
    std::vector<int> sledeca;
};

TMatrix NovaMatrica(int kolona, int redova) {
    TMatrix m;
    m.Resize(kolona, redova);
    return m;
}

void ProveriKonacnost(const TMatrix& m, const TStap& st) {
    for (int c = 1; c <= m.NrOfColumns(); ++c) {
        const double* k = m.Kolona(c);
        for (int r = 0; r < m.NrOfRows(); ++r)
            if (!std::isfinite(k[r]))
                throw TGreska("Podaci stapa broj " + std::to_string(st.ID()) +
                              " daju neodredjene vrednosti u proracunu!!!");
    }
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

// Member loads gathered into a vector over a list of code numbers: for each member in list order,
// each of its loads in list order, each local degree of freedom whose code number sits at a
// position of the list. Every element gets its additions in the same order as walking the positions
// first, since each Qg is the same whatever position asks for it.
void SaberiOpterecenjaStapova(const TModel& model, const TPozicije& pozicije, int brojPozicija,
                              const std::unordered_map<int, std::vector<const TOpterecenje*>>& poStapu,
                              std::initializer_list<TMatrix*> vektori) {
    for (const auto& st : model.nizStapova) {
        auto it = poStapu.find(st->ID());
        if (it == poStapu.end()) continue;
        const std::vector<int> kodovi = KodniBrojeviStapa(*st);
        for (const TOpterecenje* o : it->second) {
            const TMatrix Qg = st->GetVektorQGKS(*o);
            ProveriKonacnost(Qg, *st);
            for (size_t a = 0; a < kodovi.size(); ++a) {
                const double v = Qg.Elem(1, static_cast<int>(a) + 1);
                pozicije.ZaSve(kodovi[a], [&](int p) {
                    if (p > brojPozicija) return;
                    for (TMatrix* vek : vektori) vek->SetElem(1, p, vek->Elem(1, p) + v);
                });
            }
        }
    }
}

void Loguj(TPosmatracProracuna& posmatrac, const char* tekst) { posmatrac.Log(std::string(tekst) + posmatrac.DatumVreme()); }

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
    posmatrac.IsprazniLog();
    Loguj(posmatrac, "Pocetak analize - ");
    stanje.radimProracun = true;
    return PripremiProracun(model, stanje, posmatrac);
}

TRezultatProracuna PripremiProracun(TModel& model, TStanjeAnalize& stanje, TPosmatracProracuna& posmatrac,
                                    const std::function<void(TProracun&)>& pokreni) {
    TRezultatProracuna rezultat;
    try {
        Loguj(posmatrac, "Priprema za proracun - ");
        Loguj(posmatrac, "Brisem prethodne rezultate - ");
        stanje.ObrisiRezultate(model);
        posmatrac.ObrisiRezultate();
        posmatrac.CrtajGrafik();
        const std::string greska = PrvaGreskaProvere(model);
        if (!greska.empty()) throw TGreska(greska);
        // The result lives as long as the run object's closure: a worker may finish after this
        // function has returned.
        auto ishod = std::make_shared<TRezultatProracuna>();
        TProracun proracun([ishod, &model, &stanje, &posmatrac] { *ishod = IzvrsiProracun(model, stanje, posmatrac); });
        if (pokreni) {
            pokreni(proracun);
        } else {
            proracun.Execute();
            rezultat = *ishod;
        }
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
        Loguj(posmatrac, "Odredjivanje kodnih brojeva - ");
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

        // 2. Assembly of K: diagonal and upper triangle, then the lower one mirrored.
        Loguj(posmatrac, "Formiranje K u GKS - ");
        if (radi()) {
            const auto& sve = lista(stanje.nizKodnihBrojeva);
            const int n = static_cast<int>(sve.size());
            ProveriMemorijuGustogProracuna(sve.size(), lista(stanje.nizKodnihBrojevaNepoznatihPomeranja).size());
            const TPozicije pozicije(sve);
            auto K = std::make_unique<TMatrix>();
            K->Resize(n, n);
            for (const auto& st : model.nizStapova) {
                const TMatrix Kg = st->MatricaKrutostiGKS();
                ProveriKonacnost(Kg, *st);
                const std::vector<int> kod = KodniBrojeviStapa(*st);
                const int m = static_cast<int>(kod.size());
                for (int a = 1; a <= m; ++a) {
                    pozicije.ZaSve(kod[a - 1], [&](int p) {
                        K->SetElem(p, p, K->Elem(p, p) + Kg.Elem(a, a));
                        for (int b = a + 1; b <= m; ++b) {
                            pozicije.ZaSve(kod[b - 1], [&](int q) {
                                const int red = std::min(p, q), kol = std::max(p, q);
                                // Kg's row is the degree of freedom placed at the smaller position.
                                const double v = p <= q ? Kg.Elem(b, a) : Kg.Elem(a, b);
                                K->SetElem(kol, red, K->Elem(kol, red) + v);
                            });
                        }
                    });
                }
            }
            for (int j = 1; j <= n; ++j) {
                double* kol = K->Kolona(j);
                for (int i = j + 1; i <= n; ++i) kol[i - 1] = K->Elem(i, j);
            }
            stanje.matricaKGKS = std::move(K);
        }

        // 3.-6. The four blocks.
        auto ns = [&] { return static_cast<int>(lista(stanje.nizKodnihBrojevaNepoznatihPomeranja).size()); };
        auto no = [&] { return static_cast<int>(lista(stanje.nizKodnihBrojevaPoznatihPomeranja).size()); };
        Loguj(posmatrac, "Formiranje Kss - ");
        if (radi()) stanje.matricaKssGKS = Blok(matrica(stanje.matricaKGKS), 0, ns(), 0, ns());
        Loguj(posmatrac, "Formiranje Kso - ");
        if (radi()) stanje.matricaKsoGKS = Blok(matrica(stanje.matricaKGKS), 0, ns(), ns(), no());
        Loguj(posmatrac, "Formiranje Kos - ");
        if (radi()) stanje.matricaKosGKS = Blok(matrica(stanje.matricaKGKS), ns(), no(), 0, ns());
        Loguj(posmatrac, "Formiranje Koo - ");
        if (radi()) stanje.matricaKooGKS = Blok(matrica(stanje.matricaKGKS), ns(), no(), ns(), no());

        // Loads of each member in list order, gathered once.
        std::unordered_map<int, std::vector<const TOpterecenje*>> poStapu;
        for (const auto& o : model.nizOpterecenja) poStapu[o->IDStapa()].push_back(o.get());

        // 7. Ss = Ps + Qs: member loads first, then node loads.
        Loguj(posmatrac, "Formiranje Ss - ");
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
        Loguj(posmatrac, "Resavanje sistema - ");
        if (radi()) {
            const auto& s = lista(stanje.nizKodnihBrojevaNepoznatihPomeranja);
            const auto& o = lista(stanje.nizKodnihBrojevaPoznatihPomeranja);
            const int n_s = static_cast<int>(s.size());
            const int n_o = static_cast<int>(o.size());
            const TMatrix& Kss = matrica(stanje.matricaKssGKS);

            stanje.matricaKssGKSInvertovana = std::make_unique<TMatrix>(Kss);
            // With every displacement supported there is nothing to invert: the 1 x 1 stand-in of
            // the empty Kss stays as it is and qs is the 1-sized zero.
            if (n_s > 0) {
                double pivot = 0;
                const bool uspeh = stanje.matricaKssGKSInvertovana->InvertSaPivotom(pivot);
                if (!uspeh || !(pivot >= PragRelativnogPivota)) {
                    // What the inversion left is no inverse; showing it would mislead.
                    stanje.matricaKssGKSInvertovana.reset();
                    throw TGreska(PorukaLabilanSistem);
                }
            }
            const TMatrix& invKss = *stanje.matricaKssGKSInvertovana;

            auto qsOpt = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
            invKss.Multiply(&matrica(stanje.vektorSsGKS), qsOpt.get());
            stanje.vektor_qsGKSOpterecenje = std::move(qsOpt);

            auto qo = std::make_unique<TMatrix>(NovaMatrica(1, n_o));
            {
                const TPozicije pozicije(o);
                for (const auto& c : model.nizCvorova) {
                    pozicije.ZaSve(c->BrPomeranjaX(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoUx())); });
                    pozicije.ZaSve(c->BrPomeranjaZ(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoUz())); });
                    pozicije.ZaSve(c->BrObrtanjaY(), [&](int i) { qo->SetElem(1, i, static_cast<double>(c->ZadatoFiy())); });
                }
            }
            stanje.vektor_qoGKS = std::move(qo);

            const TMatrix& Kso = matrica(stanje.matricaKsoGKS);
            const TMatrix& qoV = *stanje.vektor_qoGKS;
            auto qsPom = std::make_unique<TMatrix>(NovaMatrica(1, invKss.NrOfRows()));
            bool imaPomeranja = false;
            for (int i = 1; i <= qoV.NrOfRows(); ++i) imaPomeranja = imaPomeranja || qoV.Elem(1, i) != 0;
            if (imaPomeranja) {
                TMatrix A = NovaMatrica(Kso.NrOfColumns(), invKss.NrOfRows());
                invKss.Multiply(&Kso, &A);
                A.Multiply(&qoV, qsPom.get());
                qsPom->SMult(-1);
            } else {
                // Without prescribed displacements A * qo is a sum of products with +0 (A is finite),
                // so +0, and -0 after the sign change; that is all the costly n_s x n_o product
                // would give.
                qsPom->SMult(-1);
            }
            stanje.vektor_qsGKSPomeranjeOslonaca = std::move(qsPom);

            auto qs = std::make_unique<TMatrix>(NovaMatrica(1, n_s));
            qs->Add(stanje.vektor_qsGKSOpterecenje.get());
            qs->Add(stanje.vektor_qsGKSPomeranjeOslonaca.get());
            stanje.vektor_qsGKS = std::move(qs);

            // Reactions Ro = Kos*qs + Koo*qo - Qo - Po.
            auto Qo = std::make_unique<TMatrix>(NovaMatrica(1, n_o));
            const TPozicije pozicijeO(o);
            SaberiOpterecenjaStapova(model, pozicijeO, n_o, poStapu, {Qo.get()});
            stanje.vektorQoGKS = std::move(Qo);

            const TMatrix& Kos = matrica(stanje.matricaKosGKS);
            const TMatrix& Koo = matrica(stanje.matricaKooGKS);
            TMatrix B = NovaMatrica(1, Kos.NrOfRows());
            Kos.Multiply(stanje.vektor_qsGKS.get(), &B);
            TMatrix C = NovaMatrica(1, Koo.NrOfRows());
            Koo.Multiply(stanje.vektor_qoGKS.get(), &C);
            TMatrix D = NovaMatrica(1, n_o);
            D.Add(&B);
            D.Add(&C);
            TMatrix minusQo = *stanje.vektorQoGKS;
            minusQo.SMult(-1);
            D.Add(&minusQo);
            for (const auto& c : model.nizCvorova) {
                pozicijeO.ZaSve(c->BrPomeranjaX(), [&](int i) { c->SetRx(D.Elem(1, i) - c->Px()); });
                pozicijeO.ZaSve(c->BrPomeranjaZ(), [&](int i) { c->SetRz(D.Elem(1, i) - c->Pz()); });
                pozicijeO.ZaSve(c->BrObrtanjaY(), [&](int i) { c->SetMukljY(D.Elem(1, i) - c->MkoncY()); });
            }

            ProveriRezultate(model, stanje);
            Loguj(posmatrac, "Ispisivanje rezultata analize - ");
            posmatrac.PrikaziRezultate();
            posmatrac.PrikaziSileStapa();
            stanje.radimProracun = false;
            Loguj(posmatrac, "Kraj analize - ");
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
