#include <gtest/gtest.h>

#include <string>

#include "Greska.h"
#include "KopijaModela.h"
#include "ModelFajl.h"
#include "UredjivanjeCvorova.h"

namespace {

std::string Primer() { return std::string(VELT_EXAMPLES_DIR) + "/prosta-greda.velt"; }

struct TUcitan {
    TModel m;
    TPodesavanja p;
};

void Ucitaj(const std::string& tekst, TUcitan& u) { ProcitajModelIzTeksta(tekst, u.m, u.p); }

std::string Tekst(TUcitan& u) { return ModelUTekst(u.m, u.p); }

// The example's nodes: 0 pinned (X, Z), 1 free, 2 on a roller (Z).
std::string PrimerBezOslonaca() {
    TUcitan u;
    ProcitajModel(Primer(), u.m, u.p);
    return Tekst(u);
}

TEST(SekcijaOslonaca, BezOprugaIUglovaFajlOstajeIsti) {
    const std::string tekst = PrimerBezOslonaca();
    EXPECT_EQ(tekst.find("OSLONCI"), std::string::npos);
    TUcitan u;
    Ucitaj(tekst, u);
    EXPECT_EQ(Tekst(u), tekst);
}

TEST(SekcijaOslonaca, PovratnoCitanjeCuvaSvakuVrednost) {
    TUcitan u;
    Ucitaj(PrimerBezOslonaca(), u);
    TCvor& slobodan = *u.m.nizCvorova[1];
    TCvor& valjak = *u.m.nizCvorova[2];
    slobodan.SetKx(1234.5L);
    slobodan.SetKz(2.5e-3L);
    slobodan.SetKfi(7e9L);
    valjak.SetUgao(-30);
    const std::string tekst = Tekst(u);
    const size_t ostalo = tekst.find("OSTALO\r\n"), oslonci = tekst.find("OSLONCI\r\n");
    ASSERT_NE(oslonci, std::string::npos);
    EXPECT_LT(ostalo, oslonci);
    // One line per node that has any, zero keys left out, the file's own real format.
    EXPECT_NE(tekst.find("cvor=1 kx= 1.23450000000000E+0003 kz= 2.50000000000000E-0003 kfi= 7.00000000000000E+0009"),
              std::string::npos)
        << tekst.substr(oslonci);
    EXPECT_NE(tekst.find("cvor=2 ugao=-3.00000000000000E+0001\r\n--\r\n"), std::string::npos);
    EXPECT_EQ(tekst.find("cvor=0"), std::string::npos);
    TUcitan procitan;
    Ucitaj(tekst, procitan);
    EXPECT_TRUE(IstiModeli(procitan.m, u.m));
    EXPECT_EQ(Tekst(procitan), tekst);
}

TEST(SekcijaOslonaca, CitaObicneDecimalneINepoznateKljuceve) {
    TUcitan u;
    Ucitaj(PrimerBezOslonaca() + "OSLONCI\r\n  cvor=1   kz=250.5 buduci=3 kfi = 12\r\ncvor=2 ugao=15\r\n--\r\n", u);
    EXPECT_EQ(u.m.nizCvorova[1]->Kz(), 250.5L);
    EXPECT_EQ(u.m.nizCvorova[1]->Kfi(), 12);
    EXPECT_EQ(u.m.nizCvorova[1]->Kx(), 0);
    EXPECT_EQ(u.m.nizCvorova[2]->Ugao(), 15);
}

TEST(SekcijaOslonaca, NeispravanRedOdbijaFajlSaBrojemReda) {
    const std::string osnova = PrimerBezOslonaca();
    int redova = 0;
    for (char ch : osnova) redova += ch == '\n';
    const int prvi = redova + 2;  // the line after the keyword
    struct TSlucaj {
        const char* redovi;
        int red;
        const char* deo;
    };
    const TSlucaj slucajevi[] = {
        {"cvor=9 kz=1\r\n", prvi, "cvor 9 iz odeljka OSLONCI ne postoji"},
        {"cvor=1 kz=-5\r\n", prvi, "ne moze biti negativna"},
        {"cvor=1 kz=1\r\ncvor=0 kx=3\r\n", prvi + 1, "sprecen osloncem"},
        {"cvor=2 kz=3\r\n", prvi, "sprecen osloncem"},
        {"cvor=1 kx=nan\r\n", prvi, "kx u odeljku OSLONCI mora biti konacan"},
        {"cvor=1 ugao=1e999\r\n", prvi, "ugao u odeljku OSLONCI mora biti konacan"},
        {"cvor=1 kx=1\r\ncvor=1 kz=2\r\n", prvi + 1, "cvor 1 se ponavlja"},
        {"kx=1\r\n", prvi, "ne navodi cvor"},
        {"cvor=x\r\n", prvi, "mora biti ceo broj"},
        {"cvor=1 kx\r\n", prvi, "ocekuje kljuc=vrednost"},
    };
    for (const TSlucaj& s : slucajevi) {
        SCOPED_TRACE(s.redovi);
        TUcitan u;
        Ucitaj(osnova, u);
        const std::string pre = Tekst(u);
        try {
            Ucitaj(osnova + "OSLONCI\r\n" + s.redovi + "--\r\n", u);
            FAIL() << "prihvacen";
        } catch (const TGreska& g) {
            const std::string poruka = g.what();
            EXPECT_EQ(poruka.rfind("Red " + std::to_string(s.red) + ": ", 0), 0u) << poruka;
            EXPECT_NE(poruka.find(s.deo), std::string::npos) << poruka;
        }
        EXPECT_EQ(Tekst(u), pre);  // a refused file leaves the model as it was
    }
}

TEST(SekcijaOslonaca, StranicaOslonacaIPraviloOpruge) {
    TUcitan u;
    Ucitaj(PrimerBezOslonaca(), u);
    TModel& m = u.m;
    EXPECT_TRUE(PostaviElasticniOslonac(m, 1, {"100", "2.5", "0", "10"}));
    EXPECT_EQ(m.nizCvorova[1]->Kx(), 100);
    EXPECT_EQ(m.nizCvorova[1]->Ugao(), 10);
    EXPECT_FALSE(PostaviElasticniOslonac(m, 1, {"100", "2.5", "0", "10"}));  // nothing changes
    EXPECT_FALSE(PostaviElasticniOslonac(m, -1, {"1", "1", "1", "1"}));
    const std::string pre = ModelUTekst(m, u.p);
    auto odbijeno = [&](const TPoljaElasticnogOslonca& polja, const char* deo) {
        try {
            PostaviElasticniOslonac(m, 0, polja);
            ADD_FAILURE() << "prihvaceno: " << deo;
        } catch (const TGreska& g) {
            EXPECT_NE(std::string(g.what()).find(deo), std::string::npos) << g.what();
        }
    };
    odbijeno({"5", "0", "0", "0"}, "sprecen osloncem");  // node 0 is pinned in X and Z
    odbijeno({"0", "0", "-1", "0"}, "negativna");
    odbijeno({"abc", "0", "0", "0"}, "abc");
    // Holding a direction that has a spring is refused too, not a silent loss of the spring.
    try {
        PostaviOslonce(m, 1, true, false, false);
        ADD_FAILURE() << "oslonac preko opruge prihvacen";
    } catch (const TGreska& g) {
        EXPECT_NE(std::string(g.what()).find("sprecen osloncem"), std::string::npos);
    }
    EXPECT_EQ(ModelUTekst(m, u.p), pre);
    EXPECT_TRUE(PostaviOslonce(m, 1, false, false, true));  // rotation held, kfi is 0: fine
}

TEST(SekcijaOslonaca, OprugaIUgaoRazlikujuModele) {
    TUcitan a, b;
    Ucitaj(PrimerBezOslonaca(), a);
    Ucitaj(PrimerBezOslonaca(), b);
    EXPECT_TRUE(IstiModeli(a.m, b.m));
    b.m.nizCvorova[1]->SetKfi(1);
    EXPECT_FALSE(IstiModeli(a.m, b.m));
    EXPECT_EQ(RazlikaModela(a.m, b.m).id, b.m.nizCvorova[1]->ID());
    b.m.nizCvorova[1]->SetKfi(0);
    b.m.nizCvorova[2]->SetUgao(5);
    EXPECT_FALSE(IstiModeli(a.m, b.m));
    const auto kopija = KopirajModel(b.m);
    EXPECT_EQ(kopija->nizCvorova[2]->Ugao(), 5);
}

}  // namespace
