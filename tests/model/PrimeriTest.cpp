// The bundled examples: what a new user opens first shows the engineering drawing, and the models
// are the ones the tests' own copies hold.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "ModelFajl.h"

namespace {

std::string Sadrzaj(const std::string& putanja) {
    std::ifstream f(putanja, std::ios::binary);
    std::ostringstream s;
    s << f.rdbuf();
    return s.str();
}

TEST(Primeri, SavedWithTheEngineeringDrawingOnAndTheSameModels) {
    for (const char* ime : {"portalni-ram.velt", "prosta-greda.velt", "kontinualna-greda.velt", "resetka.velt"}) {
        SCOPED_TRACE(ime);
        TModel primer, kopija;
        TPodesavanja p, pk;
        ASSERT_NO_THROW(ProcitajModel(std::string(VELT_PRIMERI_DIR "/") + ime, primer, p));
        ASSERT_NO_THROW(ProcitajModel(std::string(VELT_EXAMPLES_DIR "/") + ime, kopija, pk));
        EXPECT_TRUE(p.prikaziOpterecenjeStapa && p.prikaziOpterecenjeCvora && p.prikaziOslonceCvora);
        EXPECT_TRUE(p.prikaz.simboli);
        EXPECT_TRUE(p.prikaz.jednakaRazmera);
        EXPECT_TRUE(p.prikaz.prilagodiRazmeru);
        EXPECT_EQ(p.prikaz.dijagram, TPrikaz::Bez);
        // The same model whatever the display settings: written with one set of them, byte for byte.
        TPodesavanja a = pk, b = pk;
        EXPECT_EQ(ModelUTekst(primer, a), ModelUTekst(kopija, b));
        // Saved as the program saves them.
        TPodesavanja opet = p;
        EXPECT_EQ(ModelUTekst(primer, opet), Sadrzaj(std::string(VELT_PRIMERI_DIR "/") + ime));
    }
}

}  // namespace
