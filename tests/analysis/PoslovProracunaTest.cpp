#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

#include "GeneratorModela.h"
#include "IstiDijagrami.h"
#include "KopijaModela.h"
#include "PoslovProracuna.h"
#include "PomocModela.h"

namespace {

// Simply supported beam of span 8 as a hinged-rigid and a rigid-hinged member meeting at mid-span,
// with a downward force at mid-span.
TGraditeljModela ProstaGreda() {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0);
    TCvor* c = g.Cvor(8, 0, false, true);
    b->SetPz(-10);
    g.Stap(a, b, tsGK);
    g.Stap(b, c, tsIG);
    return g;
}

struct TPosao {
    TPoslovProracuna posao;
    TPosmatracBezEkrana posmatrac;
    explicit TPosao(const TModel& m) : posao(m), posmatrac(posao.Model(), posao.Stanje()) {
        posmatrac.datumVreme = "DT";
    }
    TRezultatProracuna Izvrsi() { return posao.Izvrsi(posmatrac); }
};

const std::vector<std::string> DoResavanja = {"Pocetak analize - DT",
                                              "Priprema za proracun - DT",
                                              "Brisem prethodne rezultate - DT",
                                              "Odredjivanje kodnih brojeva - DT",
                                              "Formiranje K u GKS - DT",
                                              "Formiranje Kss - DT",
                                              "Formiranje Kso - DT",
                                              "Formiranje Kos - DT",
                                              "Formiranje Koo - DT",
                                              "Formiranje Ss - DT",
                                              "Resavanje sistema - DT"};

}  // namespace

TEST(PoslovProracuna, RunsOnItsCopyWhileTheModelChangesAndGivesTheSameBitsAsARunInPlace) {
    TGraditeljModela g = ProstaGreda();
    TStanjeAnalize naMestu;
    const std::unique_ptr<TModel> kopija = KopirajModel(g.m);
    TModel& kopijaZaPoredjenje = *kopija;
    TPosmatracBezEkrana p(kopijaZaPoredjenje, naMestu);
    ASSERT_EQ(PokreniAnalizu(kopijaZaPoredjenje, naMestu, p).ishod, TIshodProracuna::Uspeh);

    TPosao t(g.m);
    // Edits after the snapshot do not reach the run.
    g.m.nizCvorova[1]->SetPz(-999);
    g.m.nizStapova.pop_back();
    ASSERT_EQ(t.Izvrsi().ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(t.posao.Ishod().ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(g.m.nizCvorova[1]->Uz(), 0);
    EXPECT_FALSE(t.posao.Stanje().radimProracun);

    const TMatrix& qs = *t.posao.Stanje().vektor_qsGKS;
    ASSERT_EQ(qs.NrOfRows(), naMestu.vektor_qsGKS->NrOfRows());
    for (int i = 1; i <= qs.NrOfRows(); ++i) EXPECT_EQ(qs.Elem(1, i), naMestu.vektor_qsGKS->Elem(1, i)) << i;
    for (size_t i = 0; i < g.m.nizCvorova.size(); ++i) {
        const TCvor& a = *t.posao.Model().nizCvorova[i];
        const TCvor& b = *kopijaZaPoredjenje.nizCvorova[i];
        EXPECT_EQ(a.Uz(), b.Uz()) << i;
        EXPECT_EQ(a.Rz(), b.Rz()) << i;
    }
    // By hand: each support takes half of the force.
    EXPECT_TRUE(Blizu(t.posao.Model().nizCvorova[0]->Rz(), 5));
}

TEST(PoslovProracuna, OutcomeIsDataWithItsMessage) {
    struct Slucaj {
        const char* opis;
        TModel model;
        bool zaustaviPre;
        TIshodProracuna ishod;
        std::string poruka;
        std::string porukaKutije;  // what the observer was asked to show, "" for none
        std::string poslednjiRed;
    };
    TGraditeljModela konzola;
    konzola.Stap(konzola.Cvor(0, 0, true, true, true), konzola.Cvor(4, 0), tsK);
    TGraditeljModela mehanizam;
    {
        TCvor* a = mehanizam.Cvor(0, 0, true, true);
        TCvor* b = mehanizam.Cvor(2, 0);
        TCvor* c = mehanizam.Cvor(4, 0, true, true);
        mehanizam.Stap(a, b, tsProst);
        mehanizam.Stap(b, c, tsProst);
    }
    Slucaj slucajevi[] = {
        {"uspeh", ProstaGreda().m, false, TIshodProracuna::Uspeh, "", "", "Kraj analize - DT"},
        {"odbijen", std::move(konzola.m), false, TIshodProracuna::Odbijen, "Oslonci nisu korektno zadati!!!",
         "Oslonci nisu korektno zadati!!!\r\nNije dopusteno!!!", "Greska u ulaznim podacima - DT"},
        {"greska", std::move(mehanizam.m), false, TIshodProracuna::Greska, PorukaLabilanSistem, PorukaLabilanSistem,
         "Prekid proracuna zbog greske - DT"},
        // A Stop that comes before the run has begun is not undone by the start.
        {"zaustavljen pre pocetka", ProstaGreda().m, true, TIshodProracuna::Prekinut, "", "", "Resavanje sistema - DT"},
    };
    for (Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        TPosao t(s.model);
        if (s.zaustaviPre) t.posao.Zaustavi();
        const TRezultatProracuna r = t.Izvrsi();
        EXPECT_EQ(r.ishod, s.ishod);
        EXPECT_EQ(r.poruka, s.poruka);
        EXPECT_EQ(t.posmatrac.poruke,
                  s.porukaKutije.empty() ? std::vector<std::string>{} : std::vector<std::string>{s.porukaKutije});
        ASSERT_FALSE(t.posmatrac.log.empty());
        EXPECT_EQ(t.posmatrac.log.front(), "Pocetak analize - DT");
        EXPECT_EQ(t.posmatrac.log.back(), s.poslednjiRed);
        EXPECT_FALSE(t.posao.Stanje().radimProracun);
        if (s.zaustaviPre) {
            EXPECT_EQ(t.posmatrac.log, DoResavanja);
            EXPECT_FALSE(t.posao.Stanje().matricaKGKS);
        }
        // Diagrams are made only from the results of a run that succeeded.
        t.posao.PripremiDijagrame();
        ASSERT_EQ(t.posao.Dijagrami() != nullptr, s.ishod == TIshodProracuna::Uspeh);
        if (s.ishod != TIshodProracuna::Uspeh) continue;
        EXPECT_TRUE(IstiDijagrami(*t.posao.Dijagrami(), DijagramiSvihStapova(t.posao.Model(), t.posao.Stanje())));
        // P L / 4 under the load at mid-span, from both halves.
        EXPECT_NEAR(double(t.posao.Dijagrami()->at(0).Vrednosti(4, false).M), 20, 1e-9);
        EXPECT_NEAR(double(t.posao.Dijagrami()->at(1).Vrednosti(0).M), 20, 1e-9);
    }
}

TEST(PoslovProracuna, InstallsOnlyIntoTheModelItWasTakenFrom) {
    TGraditeljModela g = ProstaGreda();
    TStanjeAnalize prikazano;
    prikazano.zahtevanaPutanja = TPutanjaResavanja::Gusta;
    prikazano.brojIspredMatriceKrutosti = 1000;
    TPosao t(g.m);
    ASSERT_EQ(t.Izvrsi().ishod, TIshodProracuna::Uspeh);

    // A model edited since the snapshot gets nothing.
    const std::unique_ptr<TModel> kopija = KopirajModel(g.m);
    TModel& izmenjen = *kopija;
    izmenjen.nizCvorova[2]->SetX(9);
    EXPECT_FALSE(t.posao.OpisujeModel(izmenjen));
    EXPECT_FALSE(t.posao.PrenesiRezultate(izmenjen, prikazano));
    EXPECT_EQ(izmenjen.nizCvorova[0]->Rz(), 0);
    EXPECT_EQ(prikazano.vektor_qsGKS->NrOfRows(), 1);

    const long double uz = t.posao.Model().nizCvorova[1]->Uz();
    ASSERT_NE(uz, 0);
    ASSERT_TRUE(t.posao.PrenesiRezultate(g.m, prikazano));
    EXPECT_EQ(g.m.nizCvorova[1]->Uz(), uz);
    EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 5));
    EXPECT_TRUE(Blizu(g.m.nizCvorova[2]->Rz(), 5));
    ASSERT_TRUE(prikazano.nizKodnihBrojevaNepoznatihPomeranja);
    EXPECT_EQ(prikazano.vektor_qsGKS->NrOfRows(),
              static_cast<int>(prikazano.nizKodnihBrojevaNepoznatihPomeranja->size()));
    EXPECT_EQ(prikazano.putanja, TPutanjaResavanja::Gusta);
    // What the document asked for and showed stays its own; the job holds the replaced state.
    EXPECT_EQ(prikazano.zahtevanaPutanja, TPutanjaResavanja::Gusta);
    EXPECT_EQ(prikazano.brojIspredMatriceKrutosti, 1000);
    EXPECT_EQ(t.posao.Stanje().vektor_qsGKS->NrOfRows(), 1);
}

// A Stop from another thread while a large frame is being solved: the run ends at the next point
// that asks, with nothing solved.
TEST(PoslovProracuna, StopFromAnotherThreadEndsALargeRun) {
    const TModel ram = GenerisiRamSaCvorova(500);
    TPoslovProracuna posao(ram, TPutanjaResavanja::Gusta);
    struct TPrati : TPosmatracBezEkrana {
        using TPosmatracBezEkrana::TPosmatracBezEkrana;
        std::atomic<bool> resava{false};
        void Napredak(const std::string& korak, int) override {
            if (korak.rfind("Resavanje sistema", 0) == 0) resava = true;
        }
    } posmatrac(posao.Model(), posao.Stanje());
    TRezultatProracuna r;
    std::thread radnik([&] { r = posao.Izvrsi(posmatrac); });
    while (!posmatrac.resava) std::this_thread::yield();
    posao.Zaustavi();
    radnik.join();
    EXPECT_EQ(r.ishod, TIshodProracuna::Prekinut);
    EXPECT_FALSE(posao.Stanje().vektor_qsGKS);
    EXPECT_EQ(posmatrac.log.back().rfind("Resavanje sistema - ", 0), 0u);
}
