#include <gtest/gtest.h>

#include "IzvestajAnalize.h"
#include "PomocModela.h"
#include "Proracun.h"

namespace {

std::string SaCRLF(const std::string& s) {
    std::string r;
    for (char c : s) r += c == '\n' ? std::string("\r\n") : std::string(1, c);
    return r;
}

// One truss bar of length 2 with EA/L = 50 on a pin and a roller, pulled by 10 at the roller; a
// load that belongs to no member. Worked out by hand: ux = 10 / 50 = 0.2, Rx = -10, bar force 10.
TGraditeljModela MaliModel() {
    TGraditeljModela g(100, 0.3L, 0.000012L, 1, 1, 0.5L, 0);
    g.m.nizMaterijala[0]->SetIme("Celik");
    g.m.nizMaterijala[0]->SetMasa(7850);
    g.m.nizPreseka[0]->SetIme("Pravougaoni");
    TCvor* a = g.Cvor(0, 0, true, true);
    TCvor* b = g.Cvor(2, 0, false, true);
    b->SetPx(10);
    g.Stap(a, b, tsProst);
    g.Opt(0, -1, 5, 0.5L)->SetIme("sila");
    return g;
}

const char* const ULAZ = R"(ULAZNI PODACI


ULAZNI PODACI - MATERIJALI

Ime materijala: Celik
Broj materijala: 0
Modul elasticnosti: 100
Poasonov koeficijent: 0.3
Zapreminska masa: 7850
Koeficijent toplotnog sirenja: 0.000012



ULAZNI PODACI - PRESECI

Ime preseka: Pravougaoni
Broj preseka: 0
Aksijalni moment inercije: 1
Aksijalna povrsina poprecnog preseka: 1
Visina poprecnog preseka: 0.5
Koeficijent oblika poprecnog preseka: 0



ULAZNI PODACI - CVOROVI

Broj cvora: 0
X: 0
Z: 0
Oslonac u X pravcu: DA
Oslonac u Z pravcu: DA
Ukljestenje oko Y ose: NE
Px: 0
Pz: 0
My: 0
Broj pomeranja u X pravcu: 1
Broj pomeranja u Z pravcu: 2
Broj obrtanja oko Y ose: 3
Zadato pomeranje u X pravcu: 0
Zadato pomeranje u Z pravcu: 0
Zadato obrtanje oko Y ose: 0

Broj cvora: 1
X: 2
Z: 0
Oslonac u X pravcu: NE
Oslonac u Z pravcu: DA
Ukljestenje oko Y ose: NE
Px: 10
Pz: 0
My: 0
Broj pomeranja u X pravcu: 4
Broj pomeranja u Z pravcu: 5
Broj obrtanja oko Y ose: 6
Zadato pomeranje u X pravcu: 0
Zadato pomeranje u Z pravcu: 0
Zadato obrtanje oko Y ose: 0



ULAZNI PODACI - STAPOVI

Broj stapa: 0
Materijal stapa: Celik(ID=0)
Presek stapa: Pravougaoni(ID=0)
Broj pocetnog cvora stapa: 0
Broj krajnjeg cvora stapa: 1
Tip stapa: prost
Duzina: 2
Kodni brojevi: 1--2--4--5



ULAZNI PODACI - OPTERECENJA

Broj opterecenja: 0
Ime opterecenja: sila
Tip opterecenja: koncentrisana sila upravno na osu stapa
Intenzitet koncetrisane sile: 5
Pozicija koncetrisane sile: 0.5
Pridruzeno stapu broj: -1


)";

// With the factor 10: stiffness shown divided by 10, displacements multiplied by 10.
const char* const IZLAZ = R"(IZLAZNI PODACI

Kodni brojevi: --4--1--2--5--

Kodni brojevi uz nepoznata pomeranja: --4--

Kodni brojevi uz poznata pomeranja: --1--2--5--

Broj ispred matrica krutosti i vektora pomeranja: 10

K celog sistema - GKS
----------
5.000000  -5.000000  0.000000  0.000000  
----------
-5.000000  5.000000  0.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------


Kss - GKS
----------
5.000000  
----------

Kss^-1 - GKS
----------
0.200000000000  
----------


Kso - GKS
----------
-5.000000  0.000000  0.000000  
----------


Kos - GKS
----------
-5.000000  
----------
0.000000  
----------
0.000000  
----------


Koo - GKS
----------
5.000000  0.000000  0.000000  
----------
0.000000  0.000000  0.000000  
----------
0.000000  0.000000  0.000000  
----------

Qs - GKS
Br. nep. pom.: 4   0

Qo - GKS
Br. poz. pom.: 1   0
Br. poz. pom.: 2   0
Br. poz. pom.: 5   0


Ps - GKS
Br. nep. pom.: 4   10


Ss - GKS
Br. nep. pom.: 4   10


qs - GKS - od opterecenja
Br. nep. pom.: 4   2


qo - GKS
Br. poz. pom.: 1   0
Br. poz. pom.: 2   0
Br. poz. pom.: 5   0


qs - GKS - od pomeranja oslonaca
Br. nep. pom.: 4   0


qs - GKS - ukupno
Br. nep. pom.: 4   2


Ro - GKS - ukupno
Br. poz. pom.: 1   Rx = -10
Br. poz. pom.: 2   Rz = 0
Br. poz. pom.: 5   Rz = 0


IZLAZNI PODACI - CVOROVI

Broj cvora: 0
Br. pom.: 1   Ux: 0
Br. pom.: 2   Uz: 0
Br. obrta.: 3   FiY: 0
Br. pom.: 1   Rx: -10
Br. pom.: 2   Rz: 0

Broj cvora: 1
Br. pom.: 4   Ux: 0.2
Br. pom.: 5   Uz: 0
Br. obrta.: 6   FiY: 0
Br. pom.: 5   Rz: 0



IZLAZNI PODACI - STAPOVI

IZLAZNI PODACI ZA STAP: 0

Kodni brojevi: 1--2--4--5

Matrica transformacije
----------
1.000000  0.000000  0.000000  0.000000  
----------
0.000000  1.000000  0.000000  0.000000  
----------
0.000000  0.000000  1.000000  0.000000  
----------
0.000000  0.000000  0.000000  1.000000  
----------

Q-LKS
0
0
0
0

Q-GKS
0
0
0
0

q-LKS
0
0
2
0

q-GKS
0
0
2
0

Matrica krutosti - LKS
----------
5.000000  0.000000  -5.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------
-5.000000  0.000000  5.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------

Matrica krutosti - GKS
----------
5.000000  0.000000  -5.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------
-5.000000  0.000000  5.000000  0.000000  
----------
0.000000  0.000000  0.000000  0.000000  
----------

R-LKS
-10
0
10
0


R-GKS
-10
0
10
0

)";

TEST(IzvestajAnalize, InputAndOutputOfASmallModel) {
    TGraditeljModela g = MaliModel();
    EXPECT_EQ(izvestajAnalizeUlaz(g.m), SaCRLF(ULAZ));
    TStanjeAnalize st;
    TPosmatracBezEkrana p(g.m, st);
    ASSERT_EQ(PokreniAnalizu(g.m, st, p).ishod, TIshodProracuna::Uspeh);
    EXPECT_EQ(izvestajAnalizeIzlaz(g.m, st, 10), SaCRLF(IZLAZ));
}

TEST(IzvestajAnalize, ClearedOrInitialResultsGiveTheNodeAndMemberParts) {
    TGraditeljModela g = MaliModel();
    TStanjeAnalize st;
    st.ObrisiRezultate(g.m);
    // After a clear nothing is left to show but the always-present parts, with zero displacements.
    const std::string obrisano = izvestajAnalizeIzlaz(g.m, st, 1);
    EXPECT_EQ(obrisano.rfind("IZLAZNI PODACI\r\n\r\nBroj ispred matrica krutosti i vektora pomeranja: 1\r\n\r\n"
                             "Ro - GKS - ukupno\r\n\r\n\r\nIZLAZNI PODACI - CVOROVI",
                             0),
              0u)
        << obrisano;
    EXPECT_NE(obrisano.find("IZLAZNI PODACI - STAPOVI"), std::string::npos);
    EXPECT_EQ(obrisano.find("K celog sistema"), std::string::npos);
    // Before any run: the member results have q = 0 and R = -Q.
    TStanjeAnalize pocetno;
    g.Opt(5, 0, 8, 0.25L);
    const std::string t = izvestajAnalizeIzlaz(g.m, pocetno, 1);
    EXPECT_NE(t.find("Ro - GKS - ukupno\r\n\r\n\r\nIZLAZNI PODACI - CVOROVI"), std::string::npos);
    EXPECT_NE(t.find("Q-LKS\r\n6\r\n0\r\n2\r\n0\r\n"), std::string::npos);
    EXPECT_NE(t.find("R-LKS\r\n-6\r\n0\r\n-2\r\n0\r\n"), std::string::npos);
}

// A run's warnings close the output part; the exact text of a run without them keeps no trace.
TEST(IzvestajAnalize, TheRunsWarningsCloseTheOutput) {
    TGraditeljModela g = MaliModel();
    g.m.nizCvorova[1]->SetZadatoFiy(0.5L);
    TStanjeAnalize st;
    TPosmatracBezEkrana p(g.m, st);
    ASSERT_EQ(PokreniAnalizu(g.m, st, p).ishod, TIshodProracuna::Uspeh);
    const std::string u = "Upozorenje: zadato obrtanje u cvoru 1 se ne prenosi (u cvoru se sustizu samo zglobni krajevi)";
    ASSERT_EQ(st.upozorenja, std::vector<std::string>{u});
    const std::string t = izvestajAnalizeIzlaz(g.m, st, 10);
    const std::string kraj = "\r\n\r\nUPOZORENJA\r\n" + u + "\r\n";
    ASSERT_GT(t.size(), kraj.size());
    EXPECT_EQ(t.substr(t.size() - kraj.size()), kraj);
    st.upozorenja.clear();
    EXPECT_EQ(izvestajAnalizeIzlaz(g.m, st, 10).find("UPOZORENJA"), std::string::npos);
}

// The general rule for supports is named at the end of the input part when on, and only then.
TEST(IzvestajAnalize, GeneralStabilityIsNamedOnlyWhenOn) {
    TGraditeljModela g = MaliModel();
    const std::string obicno = izvestajAnalizeUlaz(g.m);
    EXPECT_EQ(obicno, SaCRLF(ULAZ));
    g.m.opcijeAnalize.opstaStabilnost = true;
    const std::string opsta = izvestajAnalizeUlaz(g.m);
    const std::string kraj = "\r\n\r\nULAZNI PODACI - ANALIZA\r\n\r\nOpsta stabilnost: DA\r\n";
    EXPECT_EQ(opsta, obicno + kraj);
}

}  // namespace
