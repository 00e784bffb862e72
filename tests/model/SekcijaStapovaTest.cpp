// Rotational springs of member ends in the file, linear loads and self-weight in the file and on
// the pages.
#include <gtest/gtest.h>

#include "Greska.h"
#include "KopijaModela.h"
#include "ModelFajl.h"
#include "PomocUredjivanja.h"
#include "UredjivanjeOpterecenja.h"
#include "UredjivanjeStapova.h"

namespace {

// Three members: k, ig and gk, and one linear load on the first.
TModel Ram() {
    TModel m;
    m.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "beton", 3e7L, 0.2L, 2500, 1e-5L));
    m.nizPreseka.push_back(std::make_unique<TPresek>(0, "p", 1e-3L, 0.1L, 0.4L, 1.2L));
    for (int i = 0; i < 4; ++i)
        m.nizCvorova.push_back(std::make_unique<TCvor>(i, i * 2.0L, 0, i == 0, true, i == 0, 0, 0, 0, 0, 0, 0,
                                                       3 * i + 1, 3 * i + 2, 3 * i + 3, 0, 0, 0, 0, 0, 0));
    for (int i = 0; i < 3; ++i)
        m.nizStapova.push_back(std::make_unique<TStap>(i, m.nizMaterijala[0].get(), m.nizPreseka[0].get(),
                                                       m.nizCvorova[size_t(i)].get(), m.nizCvorova[size_t(i) + 1].get(),
                                                       i));
    return m;
}

std::string Tekst(const TModel& m) { return Snimak(m); }

std::string PorukaCitanja(const std::string& tekst) {
    return Poruka([&] {
        TModel m;
        TPodesavanja p;
        ProcitajModelIzTeksta(tekst, m, p);
    });
}

TEST(SekcijaStapova, WrittenOnlyWithSpringsAndReadBack) {
    TModel m = Ram();
    const std::string bez = Tekst(m);
    EXPECT_EQ(bez.find("STAPOVI"), std::string::npos);
    ASSERT_TRUE(PostaviOprugeStapa(m, 0, "1234.5", "6e5"));
    ASSERT_TRUE(PostaviOprugeStapa(m, 1, "7.25", ""));
    ASSERT_TRUE(PostaviOprugeStapa(m, 2, "", "3"));
    const std::string sa = Tekst(m);
    EXPECT_EQ(sa.substr(0, bez.size()), bez);  // the section only follows what was there
    EXPECT_NE(sa.find("STAPOVI\r\nstap=0 kpi=1.23450000000000E+0003 kpk=6.00000000000000E+0005\r\nstap=1 kpi="),
              std::string::npos)
        << sa.substr(bez.size());
    TModel procitan;
    TPodesavanja p;
    ProcitajModelIzTeksta(sa, procitan, p);
    EXPECT_EQ(procitan.nizStapova[0]->OprugaPocetka(), 1234.5L);
    EXPECT_EQ(procitan.nizStapova[0]->OprugaKraja(), 6e5L);
    EXPECT_EQ(procitan.nizStapova[1]->OprugaPocetka(), 7.25L);
    EXPECT_EQ(procitan.nizStapova[1]->OprugaKraja(), 0);
    EXPECT_EQ(procitan.nizStapova[2]->OprugaKraja(), 3);
    EXPECT_EQ(Tekst(procitan), sa);
    EXPECT_TRUE(IstiModeli(*KopirajModel(procitan), procitan));
    EXPECT_FALSE(IstiModeli(Ram(), procitan));
}

TEST(SekcijaStapova, BadLinesRefuseTheFileWithTheirNumber) {
    const std::string osnova = Tekst(Ram());
    const int red = int(std::count(osnova.begin(), osnova.end(), '\n')) + 2;  // the first line after the keyword
    const std::string R = "Red " + std::to_string(red) + ": ";
    const struct {
        const char* red;
        std::string poruka;
    } slucajevi[] = {
        {"stap=9 kpi=1", R + "stap 9 iz odeljka STAPOVI ne postoji!!!"},
        {"stap=1 kpk=5", R + "stap 1 ima zglob na kraju - opruga tu nije moguca!!!"},
        {"stap=2 kpi=5", R + "stap 2 ima zglob na pocetku - opruga tu nije moguca!!!"},
        {"stap=0 kpi=0", R + "Krutost opruge na kraju stapa mora biti veca od nule!!!"},
        {"stap=0 kpk=-3", R + "Krutost opruge na kraju stapa mora biti veca od nule!!!"},
        {"stap=0 kpk=nan", R + "Krutost opruge na kraju stapa mora biti veca od nule!!!"},
        {"stap=0 kpk=1e400", R + "Krutost opruge na kraju stapa mora biti veca od nule!!!"},
        {"kpi=4", R + "red odeljka STAPOVI mora imati stap=ID!!!"},
        {"stap=x kpi=4", R + "'x' nije ID stapa!!!"},
    };
    for (const auto& s : slucajevi)
        EXPECT_EQ(PorukaCitanja(osnova + "STAPOVI\r\n" + s.red + "\r\n--\r\n"), s.poruka) << s.red;
    EXPECT_EQ(PorukaCitanja(osnova + "STAPOVI\r\nstap=0 kpi=1\r\nstap=0 kpk=2\r\n--\r\n"),
              "Red " + std::to_string(red + 1) + ": stap 0 se ponavlja u odeljku STAPOVI!!!");
    // An unknown key is ignored.
    EXPECT_EQ(PorukaCitanja(osnova + "STAPOVI\r\nstap=0 kpi=1 buduci=7\r\n--\r\n"), "");
}

TEST(SekcijaStapova, SpringCommandChecksAndTypeChangeDropsTheSpring) {
    TModel m = Ram();
    EXPECT_EQ(Poruka([&] { PostaviOprugeStapa(m, 1, "", "5"); }), PorukaOprugeNaZglobu);
    EXPECT_EQ(Poruka([&] { PostaviOprugeStapa(m, 0, "0", ""); }),
              "Krutost opruge na kraju stapa mora biti veca od nule!!!");
    EXPECT_NE(Poruka([&] { PostaviOprugeStapa(m, 0, "abc", ""); }), "");
    EXPECT_FALSE(m.nizStapova[0]->ImaOpruge());  // a refused command changes nothing
    ASSERT_TRUE(PostaviOprugeStapa(m, 0, "10", "20"));
    ASSERT_TRUE(PromeniStap(m, 0, {0, 0, 0, 1, tsIG}));
    EXPECT_EQ(m.nizStapova[0]->OprugaPocetka(), 10);
    EXPECT_EQ(m.nizStapova[0]->OprugaKraja(), 0);  // the end is hinged now
    EXPECT_FALSE(PostaviOprugeStapa(m, 7, "1", "1"));
}

TEST(NoveVrsteOpterecenjaUModelu, LinearLoadFieldsChecksAndFile) {
    TModel m = Ram();
    ASSERT_TRUE(DodajOpterecenje(m, toLinearno, "zemlja", {"-2", "-8", "0.25", "0.75"}));
    const TOpterecenje& o = *m.nizOpterecenja[0];
    EXPECT_EQ(o.RaspodeljenoOpterecenje(), -2);
    EXPECT_EQ(o.RaspodeljenoOpterecenjeUPravcuOse(), -8);
    EXPECT_EQ(o.PocetakRaspodeljenog(), 0.25L);
    EXPECT_EQ(o.KrajRaspodeljenog(), 0.75L);
    EXPECT_EQ(VrednostiOpterecenja(o), (std::vector<long double>{-2, -8, 0.25L, 0.75L}));
    const std::string blizu = "Relativna pozicija ";
    EXPECT_EQ(Poruka([&] {
                  DodajOpterecenje(m, toLinearno, "x", {"1", "2", "1.5", "1"});
              }),
              blizu + "pocetka raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!");
    EXPECT_EQ(Poruka([&] {
                  DodajOpterecenje(m, toLinearno, "x", {"1", "2", "0.5", "0.2"});
              }),
              blizu +
                  "pocetka raspodeljenog opterecenja mora biti manja od relativne pozicije kraja raspodeljenog "
                  "opterecenja!!!");
    EXPECT_EQ(m.nizOpterecenja.size(), 1u);
    m.nizOpterecenja[0]->SetIDStapa(0);
    // The file refuses a bad end on the line of KrajRaspodeljenog and reads a good one back.
    std::string tekst = Tekst(m);
    TModel procitan;
    TPodesavanja p;
    ProcitajModelIzTeksta(tekst, procitan, p);
    EXPECT_EQ(Tekst(procitan), tekst);
    const size_t kraj = tekst.find(" 7.50000000000000E-0001");
    ASSERT_NE(kraj, std::string::npos);
    const int red = int(std::count(tekst.begin(), tekst.begin() + long(kraj), '\n')) + 1;
    tekst.replace(kraj, 23, " 1.50000000000000E+0000");
    EXPECT_EQ(PorukaCitanja(tekst), "Red " + std::to_string(red) + ": " + blizu +
                                        "kraja raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!");
}

TEST(NoveVrsteOpterecenjaUModelu, SelfWeightOnEveryMemberInOneStep) {
    TModel m = Ram();
    EXPECT_NE(Poruka([&] { DodajSopstvenuTezinuSvimStapovima(m, "x"); }), "");
    EXPECT_TRUE(m.nizOpterecenja.empty());
    ASSERT_TRUE(DodajSopstvenuTezinuSvimStapovima(m, "0.00981"));
    ASSERT_EQ(m.nizOpterecenja.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const TOpterecenje& o = *m.nizOpterecenja[size_t(i)];
        EXPECT_EQ(o.Tip(), toSopstvenaTezina);
        EXPECT_EQ(o.IDStapa(), i);
        EXPECT_EQ(o.ID(), i);
        EXPECT_EQ(o.RaspodeljenoOpterecenje(), 0.00981L);
        EXPECT_EQ(o.Ime(), "sopstvena tezina " + std::to_string(i));
    }
    TModel prazan;
    EXPECT_FALSE(DodajSopstvenuTezinuSvimStapovima(prazan, "1"));
}

}  // namespace
