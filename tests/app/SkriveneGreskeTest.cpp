// The result page hides no fault: the program's own errors end a display operation silently, as
// they always have; anything else reaches the user in an error box with its text.
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include <functional>
#include <new>
#include <stdexcept>

#include "Greska.h"
#include "StranicaAnalizePomocTest.h"

namespace {

// The stand-in window whose model, once armed, fails as a display operation reads it.
class TOkruzenjeSaKvarom : public TOkruzenjeAnalize {
public:
    std::function<void()> kvar;
    TModel& Model() override {
        if (kvar) kvar();
        return TOkruzenjeAnalize::Model();
    }
};

}  // namespace

TEST(SkriveneGreske, DisplayFaultsThatAreNotTheProgramsOwnAreShown) {
    struct TSlucaj {
        const char* opis;
        std::function<void()> kvar;
        std::function<void(TOkruzenjeSaKvarom&)> radnja;
        QStringList poruke;
    };
    auto izaberiCvor = [](TOkruzenjeSaKvarom& o) { o.rezultati->ComboBoxRezultatCvor->setCurrentIndex(1); };
    auto izaberiStap = [](TOkruzenjeSaKvarom& o) { o.rezultati->ComboBoxRezultatStap->setCurrentIndex(-1); };
    auto osvezi = [](TOkruzenjeSaKvarom& o) { o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click(); };
    auto greska = [] { throw TGreska("Nema rezultata analize!!!"); };
    auto kvar = [] { throw std::runtime_error("kvar u prikazu"); };
    auto memorija = [] { throw std::bad_alloc(); };
    const std::vector<TSlucaj> slucajevi = {
        {"the program's error, node text", greska, izaberiCvor, {}},
        {"the program's error, member", greska, izaberiStap, {}},
        {"the program's error, refresh", greska, osvezi, {}},
        {"a fault, node text", kvar, izaberiCvor, {"G:kvar u prikazu"}},
        {"a fault, member", kvar, izaberiStap, {"G:kvar u prikazu"}},
        {"out of memory, member", memorija, izaberiStap, {"G:std::bad_alloc"}},
        {"a fault, refresh", kvar, osvezi, {"G:Nije moguce sprovesti proracun!!!\r\nkvar u prikazu"}},
        {"a fault, list refill", kvar, [](TOkruzenjeSaKvarom& o) { o.rezultati->OsveziListe(); }, {"G:kvar u prikazu"}},
    };
    for (const auto& s : slucajevi) {
        TOkruzenjeSaKvarom o;
        o.Stap4Metra();
        o.Pokreni();
        o.dogadjaji.clear();
        o.kvar = s.kvar;
        s.radnja(o);
        o.kvar = nullptr;
        EXPECT_EQ(o.Poruke(), s.poruke) << s.opis;
    }
}

TEST(SkriveneGreske, AbsentResultsAreNothingToShowAndTheFactorMessageStays) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    o.rezultati->ObrisiRezultate();
    o.stanje.ObrisiRezultate(o.model);
    o.dogadjaji.clear();
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    EXPECT_TRUE(o.Poruke().isEmpty());
    EXPECT_EQ(o.Celija("StringGridK", 0, 0), QString());
    EXPECT_EQ(o.Tabela("StringGridR").BrojRedova(), 2);
    // The factor case keeps its own message, once, and the grid of end forces its empty row.
    o.rezultati->EditVrednostIspredMatricaKrutosti->setText(QStringLiteral("0"));
    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    EXPECT_EQ(o.Poruke(), QStringList{"G:Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!"});
    EXPECT_EQ(o.Tabela("StringGridR").BrojRedova(), 2);
}
