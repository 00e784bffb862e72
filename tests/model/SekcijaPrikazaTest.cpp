#include <gtest/gtest.h>

#include "ModelFajl.h"

namespace {

const char* const Kljucne[] = {"MATERIJAL", "PRESEK", "CVOR", "STAP", "OPTERECENJE", "OSTALO"};

TEST(SekcijaPrikaza, PodrazumevanaPodesavanjaNePisuSekciju) {
    TModel m;
    TPodesavanja p;
    const std::string tekst = ModelUTekst(m, p);
    EXPECT_EQ(tekst.find("PRIKAZ"), std::string::npos);
    EXPECT_EQ(tekst.substr(tekst.size() - 3), "0\r\n");  // still ends with OSTALO's last line
}

TEST(SekcijaPrikaza, PovratnoCitanjeSvakeOpcije) {
    TModel m;
    for (int dijagram : {TPrikaz::Bez, TPrikaz::N, TPrikaz::T, TPrikaz::M}) {
        TPodesavanja p;
        p.prikaz = {dijagram, dijagram % 2 == 0, "2.5", dijagram != TPrikaz::N, dijagram == TPrikaz::T};
        if (p.prikaz.Podrazumevan()) p.prikaz.simboli = true;
        const std::string tekst = ModelUTekst(m, p);
        TModel procitan;
        TPodesavanja procitana;
        ProcitajModelIzTeksta(tekst, procitan, procitana);
        EXPECT_EQ(procitana.prikaz, p.prikaz);
        TPodesavanja opet = procitana;
        EXPECT_EQ(ModelUTekst(procitan, opet), tekst);
    }
}

// A reader that only knows the six sections skips every line that is not a keyword and stops at an
// empty line; the section must give it neither.
TEST(SekcijaPrikaza, StarijiCitacPreskaceSekciju) {
    TModel m;
    TPodesavanja p;
    p.prikaz = {TPrikaz::M, true, "3", true, true};
    const std::string tekst = ModelUTekst(m, p);
    const size_t pocetak = tekst.find("PRIKAZ\r\n");
    ASSERT_NE(pocetak, std::string::npos);
    size_t i = pocetak;
    while (i < tekst.size()) {
        const size_t kraj = tekst.find("\r\n", i);
        const std::string red = tekst.substr(i, kraj - i);
        EXPECT_FALSE(red.empty());
        for (const char* k : Kljucne) EXPECT_NE(red, k);
        i = kraj + 2;
    }
    EXPECT_EQ(tekst.substr(tekst.size() - 4), "--\r\n");
}

TEST(SekcijaPrikaza, NepoznatoIPogresnoSeZanemaruje) {
    TModel m;
    TPodesavanja p;
    std::string tekst = ModelUTekst(m, p);
    tekst +=
        "PRIKAZ\r\nnesto=1\r\ndijagram=X\r\nsimboli=mozda\r\nmnozilacDijagrama=abc\r\njednakaRazmera=true\r\n--\r\n";
    TPodesavanja procitana;
    ProcitajModelIzTeksta(tekst, m, procitana);
    TPrikaz ocekivano;
    ocekivano.jednakaRazmera = true;
    EXPECT_EQ(procitana.prikaz, ocekivano);
}

TEST(SekcijaPrikaza, FajlBezSekcijeVracaPodrazumevano) {
    TModel m;
    TPodesavanja bez;
    const std::string tekst = ModelUTekst(m, bez);
    TPodesavanja otvorena;
    otvorena.prikaz = {TPrikaz::T, true, "4", true, true};
    ProcitajModelIzTeksta(tekst, m, otvorena);
    EXPECT_TRUE(otvorena.prikaz.Podrazumevan());
}

}  // namespace

namespace {

// The scale that follows the view is on unless a file says otherwise; only "off" is written.
TEST(SekcijaPrikaza, RazmeraPremaPrikazuPiseSeSamoKadJeIskljucena) {
    TModel m;
    struct {
        bool simboli, prilagodi;
        bool imaSekciju, imaKljuc;
    } slucajevi[] = {{false, true, false, false}, {true, true, true, false}, {false, false, true, true},
                     {true, false, true, true}};
    for (const auto& s : slucajevi) {
        TPodesavanja p;
        p.prikaz.simboli = s.simboli;
        p.prikaz.prilagodiRazmeru = s.prilagodi;
        const std::string tekst = ModelUTekst(m, p);
        EXPECT_EQ(tekst.find("PRIKAZ\r\n") != std::string::npos, s.imaSekciju);
        EXPECT_EQ(tekst.find("prilagodiRazmeru=FALSE\r\n") != std::string::npos, s.imaKljuc);
        // Read into settings that hold the opposite: the file decides.
        TModel procitan;
        TPodesavanja procitana;
        procitana.prikaz.prilagodiRazmeru = !s.prilagodi;
        ProcitajModelIzTeksta(tekst, procitan, procitana);
        EXPECT_EQ(procitana.prikaz, p.prikaz);
        TPodesavanja opet = procitana;
        EXPECT_EQ(ModelUTekst(procitan, opet), tekst);
    }
}

TEST(SekcijaPrikaza, SekcijaBezKljucaRazmereCitaSeKaoUkljucena) {
    TModel m;
    TPodesavanja p;
    std::string tekst = ModelUTekst(m, p);
    tekst += "PRIKAZ\r\ndijagram=M\r\nsimboli=TRUE\r\n--\r\n";
    TPodesavanja procitana;
    procitana.prikaz.prilagodiRazmeru = false;
    ProcitajModelIzTeksta(tekst, m, procitana);
    EXPECT_TRUE(procitana.prikaz.prilagodiRazmeru);
    EXPECT_EQ(procitana.prikaz.dijagram, TPrikaz::M);
    // A value that is not TRUE or FALSE keeps the option as it is: on.
    tekst = ModelUTekst(m, p) + "PRIKAZ\r\nprilagodiRazmeru=0\r\n--\r\n";
    ProcitajModelIzTeksta(tekst, m, procitana);
    EXPECT_TRUE(procitana.prikaz.prilagodiRazmeru);
}

}  // namespace
