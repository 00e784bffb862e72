// The run itself: the checks and their messages, the code-number lists, the log of a whole and of a
// stopped run, the factor and the clear.
#include <gtest/gtest.h>

#include "PomocModela.h"
#include "ProracunPomocTest.h"
#include "Proracun.h"
#include "SileStapa.h"

namespace {

TEST(Proracun, ChecksRefuseWithTheirMessages) {
    struct Slucaj {
        const char* opis;
        std::function<void(TGraditeljModela&)> gradi;
        const char* poruka;  // nullptr: accepted
    };
    const Slucaj slucajevi[] = {
        {"one node", [](TGraditeljModela& g) { g.Cvor(0, 0, true, true, true); },
         "Sistem nema dovoljan broj cvorova!!!"},
        {"no member",
         [](TGraditeljModela& g) {
             g.Cvor(0, 0, true, true, true);
             g.Cvor(1, 0, true, true, true);
         },
         "Sistem nema dovoljan broj stapova!!!"},
        {"lonely node",
         [](TGraditeljModela& g) {
             g.Stap(g.Cvor(0, 0, true, true, true), g.Cvor(1, 0, true, true, true), tsK);
             g.Cvor(5, 5, true, true, true);
         },
         "Postoje cvorovi bez stapova!!!"},
        {"cantilever", [](TGraditeljModela& g) { g.Stap(g.Cvor(0, 0, true, true, true), g.Cvor(4, 0), tsK); },
         "Oslonci nisu korektno zadati!!!"},
        {"rigid end on a roller",
         [](TGraditeljModela& g) { g.Stap(g.Cvor(0, 0, true, true, true), g.Cvor(4, 0, false, true), tsK); },
         "Oslonci nisu korektno zadati!!!"},
        {"hinged end clamped",
         [](TGraditeljModela& g) { g.Stap(g.Cvor(0, 0, true, true), g.Cvor(4, 0, false, true, true), tsProst); },
         "Oslonci nisu korektno zadati!!!"},
        {"one rigid and one hinged end, free node",
         [](TGraditeljModela& g) {
             TCvor* m = g.Cvor(4, 0);
             g.Stap(g.Cvor(0, 0, true, true, true), m, tsK);
             g.Stap(m, g.Cvor(8, 0, true, true), tsProst);
         },
         "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!"},
        {"one rigid and one hinged end, clamped node",
         [](TGraditeljModela& g) {
             TCvor* m = g.Cvor(4, 0, false, true, true);
             g.Stap(g.Cvor(0, 0, true, true, true), m, tsK);
             g.Stap(m, g.Cvor(8, 0, true, true), tsProst);
         },
         nullptr},
        {"truss bar on pin and roller",
         [](TGraditeljModela& g) { g.Stap(g.Cvor(0, 0, true, true), g.Cvor(4, 0, false, true), tsProst); }, nullptr},
    };
    for (const auto& sl : slucajevi) {
        TGraditeljModela g;
        sl.gradi(g);
        EXPECT_EQ(PrvaGreskaProvere(g.m), sl.poruka ? sl.poruka : "") << sl.opis;
        TPokretanje p(g.m);
        if (sl.poruka) {
            EXPECT_EQ(p.rezultat.ishod, TIshodProracuna::Odbijen) << sl.opis;
            ASSERT_EQ(p.posmatrac.poruke.size(), 1u) << sl.opis;
            EXPECT_EQ(p.posmatrac.poruke[0], std::string(sl.poruka) + "\r\nNije dopusteno!!!");
            EXPECT_EQ(p.posmatrac.log.back(), "Greska u ulaznim podacima - DT");
            EXPECT_FALSE(p.stanje.radimProracun);
            EXPECT_FALSE(p.stanje.matricaKGKS);  // the clear before the checks stays
        } else {
            EXPECT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh) << sl.opis << ": " << p.rezultat.poruka;
        }
    }
}

TEST(Proracun, CodeNumberListsAndRotationsOfHingedNodes) {
    TGraditeljModela g;
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(4, 0, false, true);
    g.Stap(a, b, tsProst);
    TPokretanje p(g.m);
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(*p.stanje.nizKodnihBrojevaNepoznatihPomeranja, std::vector<int>{4});
    EXPECT_EQ(*p.stanje.nizKodnihBrojevaPoznatihPomeranja, (std::vector<int>{1, 2, 5}));
    EXPECT_EQ(*p.stanje.nizKodnihBrojeva, (std::vector<int>{4, 1, 2, 5}));

    // Two rigid ends at a free node: its rotation is unknown. A clamp where only hinged ends meet
    // gives no degree of freedom and no moment.
    TGraditeljModela r;
    TCvor* n0 = r.Cvor(0, 0, true, true, true);
    TCvor* n1 = r.Cvor(3, 0);
    TCvor* n2 = r.Cvor(6, 0, true, true, true);
    TCvor* n3 = r.Cvor(3, -3, true, true, true);  // clamped, but only truss bars reach it
    r.Stap(n0, n1, tsK);
    r.Stap(n1, n2, tsK);
    r.Stap(n1, n3, tsProst);
    r.Stap(n0, n3, tsProst);
    n1->SetMkoncY(5);
    TPokretanje q(r.m);
    ASSERT_EQ(q.rezultat.ishod, TIshodProracuna::Uspeh) << q.rezultat.poruka;
    EXPECT_EQ(*q.stanje.nizKodnihBrojevaNepoznatihPomeranja, (std::vector<int>{4, 5, 6}));
    EXPECT_EQ(*q.stanje.nizKodnihBrojevaPoznatihPomeranja, (std::vector<int>{1, 2, 3, 7, 8, 9, 10, 11}));
    // Two clamped spans of 3 meeting the moment: rotation M / (2 * 4EI/3).
    EXPECT_TRUE(Blizu(n1->Fiy(), 5 / (8 * EI / 3)));
    EXPECT_EQ(n3->MukljY(), 0);
}

TEST(Proracun, LogOfACompleteRunAndOfAStoppedOne) {
    TGraditeljModela g = ProstaGreda();
    TPokretanje p(g.m);
    const std::vector<std::string> ocekivano = {"Pocetak analize - DT",
                                                "Priprema za proracun - DT",
                                                "Brisem prethodne rezultate - DT",
                                                "Odredjivanje kodnih brojeva - DT",
                                                "Formiranje K u GKS - DT",
                                                "Formiranje Kss - DT",
                                                "Formiranje Kso - DT",
                                                "Formiranje Kos - DT",
                                                "Formiranje Koo - DT",
                                                "Formiranje Ss - DT",
                                                "Resavanje sistema - DT",
                                                "Ispisivanje rezultata analize - DT",
                                                "Kraj analize - DT"};
    // After the solve, its measures: the line carries numbers of its own.
    std::vector<std::string> log = p.posmatrac.log;
    ASSERT_GT(log.size(), 12u);
    EXPECT_EQ(log[11].rfind("Provera resenja: uslovljenost Kss oko ", 0), 0u) << log[11];
    EXPECT_NE(log[11].find(", neravnoteza "), std::string::npos) << log[11];
    log.erase(log.begin() + 11);
    EXPECT_EQ(log, ocekivano);
    EXPECT_FALSE(p.stanje.radimProracun);

    // Stop pressed while K is being formed: the later computations are skipped, the log goes on,
    // the widths and the plot are still refreshed.
    struct TStop : TPosmatracBezEkrana {
        using TPosmatracBezEkrana::TPosmatracBezEkrana;
        TStanjeAnalize* st = nullptr;
        int sirine = 0, crtanja = 0;
        void Log(const std::string& l) override {
            TPosmatracBezEkrana::Log(l);
            if (l.rfind("Formiranje Kso", 0) == 0) st->radimProracun = false;
        }
        void PodesiSirineKolona() override { ++sirine; }
        void CrtajGrafik() override { ++crtanja; }
    };
    TGraditeljModela g2 = ProstaGreda();
    TStanjeAnalize st;
    TStop stop(g2.m, st);
    stop.st = &st;
    stop.datumVreme = "DT";
    const TRezultatProracuna r = PokreniAnalizu(g2.m, st, stop);
    EXPECT_EQ(r.ishod, TIshodProracuna::Prekinut);
    EXPECT_TRUE(st.matricaKssGKS);
    EXPECT_FALSE(st.matricaKsoGKS);
    EXPECT_FALSE(st.vektor_qsGKS);
    EXPECT_EQ(stop.log.back(), "Resavanje sistema - DT");
    EXPECT_EQ(stop.sirine, 1);
    EXPECT_EQ(stop.crtanja, 2);  // after the clear and at the end

    // A second start while one is running is refused.
    st.radimProracun = true;
    EXPECT_EQ(PokreniAnalizu(g2.m, st, stop).ishod, TIshodProracuna::VecPokrenut);
    EXPECT_EQ(stop.poruke.back(), "Proracun je vec pokrenut!!!");
}

TEST(Proracun, InvalidFactorStoresNoDisplacementsButReactions) {
    TGraditeljModela g = ProstaGreda();
    g.m.nizCvorova[1]->SetPz(-10);
    TPokretanje p(g.m, "0");
    ASSERT_EQ(p.rezultat.ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(g.m.nizCvorova[1]->Uz(), 0);
    EXPECT_TRUE(Blizu(g.m.nizCvorova[0]->Rz(), 5));
    SacuvajPomeranjaCvorova(g.m, p.stanje);
    EXPECT_TRUE(Blizu(g.m.nizCvorova[1]->Uz(), -10 * 512 / (48 * EI)));
}

TEST(Proracun, ClearingFreesTheStateAndZeroesNodeResults) {
    TGraditeljModela g = ProstaGreda();
    g.m.nizCvorova[1]->SetPz(-10);
    TPokretanje p(g.m);
    p.stanje.ObrisiRezultate(g.m);
    for (auto* m : p.stanje.SveMatrice()) EXPECT_FALSE(*m);
    for (auto* v : p.stanje.SviVektori()) EXPECT_FALSE(*v);
    EXPECT_FALSE(p.stanje.nizKodnihBrojeva);
    EXPECT_EQ(g.m.nizCvorova[1]->Uz(), 0);
    EXPECT_EQ(g.m.nizCvorova[0]->Rz(), 0);
    EXPECT_THROW(IzracunajSileStapa(g.m, p.stanje, *g.m.nizStapova[0]), std::exception);
    // The initial state: empty lists, 1 x 1 zeros; the member forces are then -Q.
    TStanjeAnalize novo;
    g.Opt(2, 0, -3);
    const TSileStapa s = IzracunajSileStapa(g.m, novo, *g.m.nizStapova[0]);
    for (int i = 1; i <= s.RL.NrOfRows(); ++i) EXPECT_EQ(s.RL.Elem(1, i), -s.QL.Elem(1, i));
}

}  // namespace
