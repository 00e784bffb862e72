#include <gtest/gtest.h>

#include "Greska.h"
#include "KopijaModela.h"
#include "ModelFajl.h"

namespace {

std::string SaOpcijama(bool opsta, bool smicanje) {
    TModel m;
    m.opcijeAnalize = {opsta, smicanje};
    TPodesavanja p;
    p.prikaz.simboli = true;  // ANALIZA follows PRIKAZ when both are written
    return ModelUTekst(m, p);
}

TEST(SekcijaAnalize, PodrazumevaneOpcijeNePisuSekciju) {
    const std::string tekst = SaOpcijama(false, false);
    EXPECT_EQ(tekst.find("ANALIZA"), std::string::npos);
}

TEST(SekcijaAnalize, PovratnoCitanjePisePosleOpcijePrikaza) {
    for (auto [opsta, smicanje] : {std::pair{true, false}, {false, true}, {true, true}}) {
        const std::string tekst = SaOpcijama(opsta, smicanje);
        const size_t prikaz = tekst.find("PRIKAZ\r\n"), analiza = tekst.find("ANALIZA\r\n");
        ASSERT_NE(analiza, std::string::npos);
        EXPECT_LT(prikaz, analiza);
        EXPECT_EQ(tekst.find("opsta_stabilnost=1") != std::string::npos, opsta);
        EXPECT_EQ(tekst.find("smicanje_u_opterecenju=1") != std::string::npos, smicanje);
        EXPECT_EQ(tekst.substr(tekst.size() - 4), "--\r\n");
        TModel procitan;
        TPodesavanja podesavanja;
        ProcitajModelIzTeksta(tekst, procitan, podesavanja);
        EXPECT_EQ(procitan.opcijeAnalize, (TOpcijeAnalize{opsta, smicanje}));
        EXPECT_EQ(ModelUTekst(procitan, podesavanja), tekst);
    }
}

TEST(SekcijaAnalize, NepoznatKljucIPogresnaVrednostSeZanemaruju) {
    std::string tekst = SaOpcijama(false, false);
    tekst += "ANALIZA\r\nbuduca_opcija=7\r\nopsta_stabilnost = 1\r\nsmicanje_u_opterecenju=da\r\nbez jednako\r\n--\r\n";
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(tekst, m, p);
    EXPECT_TRUE(m.opcijeAnalize.opstaStabilnost);
    EXPECT_FALSE(m.opcijeAnalize.smicanjeUOpterecenju);
}

TEST(SekcijaAnalize, NezavrsenaSekcijaOdbijaFajlSaBrojemReda) {
    std::string tekst = SaOpcijama(false, false) + "ANALIZA\r\nopsta_stabilnost=1\r\n";
    TModel m;
    TPodesavanja p;
    try {
        ProcitajModelIzTeksta(tekst, m, p);
        FAIL() << "fajl bez \"--\" na kraju odeljka je prihvacen";
    } catch (const TGreska& g) {
        EXPECT_NE(std::string(g.what()).find("ANALIZA nije zavrsen"), std::string::npos) << g.what();
    }
    EXPECT_FALSE(m.opcijeAnalize.opstaStabilnost);  // the model is untouched by a refused file
}

TEST(SekcijaAnalize, OpcijePutujuKopijomIIzmenaIhVidi) {
    TModel m;
    m.opcijeAnalize.opstaStabilnost = true;
    const auto kopija = KopirajModel(m);
    EXPECT_EQ(kopija->opcijeAnalize, m.opcijeAnalize);
    EXPECT_TRUE(IstiModeli(*kopija, m));
    TModel drugi;
    EXPECT_FALSE(IstiModeli(drugi, m));
    EXPECT_TRUE(RazlikaModela(drugi, m).Dotice(ddOpcijeAnalize));
    PrepisiModel(drugi, m);
    EXPECT_FALSE(m.opcijeAnalize.opstaStabilnost);
}

}  // namespace
