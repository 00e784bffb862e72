#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

#include "Greska.h"
#include "ModelFajl.h"

namespace {

std::string Spoji(std::initializer_list<const char*> redovi, bool zavrsniKraj = true) {
    std::string s;
    size_t i = 0;
    for (const char* r : redovi) {
        s += r;
        if (++i < redovi.size() || zavrsniKraj) s += "\r\n";
    }
    return s;
}

const char* const OSTALO_PODRAZUMEVANO[] = {"OSTALO",
                                            " 1.00000000000000E+0000",
                                            " 1.00000000000000E+0002",
                                            "TRUE",
                                            "FALSE",
                                            "TRUE",
                                            "TRUE",
                                            "TRUE",
                                            "FALSE",
                                            "TRUE",
                                            "TRUE",
                                            "TRUE",
                                            "FALSE",
                                            "TRUE",
                                            "4",
                                            "0"};

std::string Ostalo() {
    std::string s;
    for (const char* r : OSTALO_PODRAZUMEVANO) s += std::string(r) + "\r\n";
    return s;
}

// One of each entity: a material, a section, two nodes, a member between them and a load on it.
std::string MaliModel() {
    return Spoji({"MATERIJAL",
                  "-",
                  "0",
                  "Materijal 1",
                  " 3.00000000000000E+0007",
                  " 2.00000000000000E-0001",
                  " 2.50000000000000E+0003",
                  " 1.00000000000000E-0005",
                  "--",
                  "PRESEK",
                  "-",
                  "0",
                  "Presek 1",
                  " 3.12500000000000E-0003",
                  " 1.50000000000000E-0001",
                  " 5.00000000000000E-0001",
                  " 0.00000000000000E+0000",
                  "--",
                  "CVOR",
                  "-",
                  "0",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "TRUE",
                  "TRUE",
                  "FALSE",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "1",
                  "2",
                  "3",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "-1.00000000000000E-0002",
                  " 0.00000000000000E+0000",
                  "-",
                  "1",
                  " 6.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "FALSE",
                  "TRUE",
                  "FALSE",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 1.00000000000000E+0001",
                  "-2.00000000000000E+0001",
                  " 0.00000000000000E+0000",
                  "4",
                  "5",
                  "6",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "--",
                  "STAP",
                  "-",
                  "0",
                  "0",
                  "0",
                  "0",
                  "1",
                  "3",
                  "--",
                  "OPTERECENJE",
                  "-",
                  "0",
                  "Sila",
                  "0",
                  "0",
                  "-1.00000000000000E+0001",
                  " 5.00000000000000E-0001",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  " 0.00000000000000E+0000",
                  "--"}) +
           Ostalo();
}

std::string PorukaCitanja(const std::string& tekst) {
    TModel m;
    TPodesavanja p;
    try {
        ProcitajModelIzTeksta(tekst, m, p);
    } catch (const TGreska& g) {
        return g.what();
    }
    return "";
}

}  // namespace

TEST(ModelFajl, ReadsEveryFieldAndResolvesReferences) {
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(MaliModel(), m, p);
    ASSERT_EQ(m.nizMaterijala.size(), 1u);
    EXPECT_EQ(m.nizMaterijala[0]->Ime(), "Materijal 1");
    EXPECT_EQ(m.nizMaterijala[0]->E(), 3e7L);
    EXPECT_EQ(m.nizMaterijala[0]->AlfaT(), 1e-5L);
    EXPECT_EQ(m.nizPreseka[0]->I(), 3.125e-3L);
    ASSERT_EQ(m.nizCvorova.size(), 2u);
    const TCvor& b = *m.nizCvorova[1];
    EXPECT_EQ(b.X(), 6);
    EXPECT_FALSE(b.OslX());
    EXPECT_TRUE(b.OslZ());
    EXPECT_EQ(b.Px(), 10);
    EXPECT_EQ(b.Pz(), -20);
    EXPECT_EQ(b.BrPomeranjaX(), 4);
    EXPECT_EQ(b.BrObrtanjaY(), 6);
    EXPECT_EQ(m.nizCvorova[0]->ZadatoUz(), -0.01L);
    ASSERT_EQ(m.nizStapova.size(), 1u);
    EXPECT_EQ(m.nizStapova[0]->Materijal(), m.nizMaterijala[0].get());
    EXPECT_EQ(m.nizStapova[0]->KrajnjiCvor(), m.nizCvorova[1].get());
    EXPECT_EQ(m.nizStapova[0]->TipStapa(), 3);
    EXPECT_EQ(m.nizOpterecenja[0]->KoncentrisanaSila(), -10);
    EXPECT_EQ(m.nizOpterecenja[0]->IDStapa(), 0);
    EXPECT_EQ(p.vrednostIspredMatricaKrutosti, " 1.00000000000000E+0000");  // kept as the text read
    EXPECT_FALSE(p.deformacijaNosaca);
    EXPECT_EQ(p.zoomSve, 4);
}

TEST(ModelFajl, WritesWhatItReadsByteForByte) {
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(MaliModel(), m, p);
    EXPECT_EQ(ModelUTekst(m, p), MaliModel());
}

TEST(ModelFajl, EmptyModelIsOnlyTheSettings) {
    TModel m;
    TPodesavanja p;
    p.vrednostIspredMatricaKrutosti = "1";
    p.mnozilacPomeranja = "100";
    EXPECT_EQ(ModelUTekst(m, p), Ostalo());
    m.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "x", 1, 0, 0, 0));
    TModel procitan;
    const std::string t = ModelUTekst(m, p);
    EXPECT_EQ(t.find("PRESEK"), std::string::npos);
    ProcitajModelIzTeksta(t, procitan, p);
    EXPECT_EQ(procitan.nizMaterijala.size(), 1u);
    EXPECT_TRUE(procitan.nizPreseka.empty());
}

TEST(ModelFajl, WriterReplacesAnInvalidFactorOrMultiplier) {
    TModel m;
    struct {
        const char* faktor;
        const char* mnozilac;
        const char* pisanFaktor;
        const char* pisanMnozilac;
        const char* novFaktor;
        const char* novMnozilac;
    } slucajevi[] = {
        {"0", "-2", " 1.00000000000000E+0000", "-2.00000000000000E+0000", "1.0", "-2"},
        {"-2", "abc", " 1.00000000000000E+0000", " 1.00000000000000E+0000", "1.0", "1.0"},
        {"2.5", "0", " 2.50000000000000E+0000", " 0.00000000000000E+0000", "2.5", "0"},
        {"x", "", " 1.00000000000000E+0000", " 1.00000000000000E+0000", "1.0", "1.0"},
    };
    for (const auto& s : slucajevi) {
        TPodesavanja p;
        p.vrednostIspredMatricaKrutosti = s.faktor;
        p.mnozilacPomeranja = s.mnozilac;
        const std::string t = ModelUTekst(m, p);
        EXPECT_EQ(t.substr(0, 8 + 25 + 25),
                  std::string("OSTALO\r\n") + s.pisanFaktor + "\r\n" + s.pisanMnozilac + "\r\n")
            << s.faktor;
        EXPECT_EQ(p.vrednostIspredMatricaKrutosti, s.novFaktor);
        EXPECT_EQ(p.mnozilacPomeranja, s.novMnozilac);
    }
}

TEST(ModelFajl, ReaderTolerances) {
    const std::string osnova = MaliModel();
    TModel a;
    TPodesavanja pa;
    ProcitajModelIzTeksta(osnova, a, pa);
    const std::string ocekivano = ModelUTekst(a, pa);

    auto isto = [&](const std::string& tekst, const char* opis) {
        TModel m;
        TPodesavanja p;
        ASSERT_NO_THROW(ProcitajModelIzTeksta(tekst, m, p)) << opis;
        EXPECT_EQ(ModelUTekst(m, p), ocekivano) << opis;
    };
    isto(osnova.substr(0, osnova.size() - 2), "last line without CR LF");
    std::string lf = osnova;
    for (size_t i; (i = lf.find("\r\n")) != std::string::npos;) lf.replace(i, 2, "\n");
    isto(lf, "LF line ends");
    // Sections in another order (loads first, then the settings, then the rest) and junk between.
    const size_t opt = osnova.find("OPTERECENJE"), ost = osnova.find("OSTALO");
    isto("smece\r\n" + osnova.substr(opt, ost - opt) + osnova.substr(ost) + "nesto\r\n" + osnova.substr(0, opt),
         "sections in any order");
    std::string blanko = osnova;
    blanko.replace(blanko.find(" 3.00000000000000E+0007"), 23, "   30000000  ");
    isto(blanko, "reals with blanks, no exponent");
    std::string logicke = osnova;
    logicke.replace(logicke.find("TRUE\r\nTRUE\r\nFALSE"), 18, "true\r\n1\r\nfalse");
    isto(logicke, "booleans in any case or as numbers");
}

TEST(ModelFajl, EmptyLineAtTopLevelEndsReadingAndUnknownKeywordsAreSkipped) {
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(Spoji({"MATERIJAL", "-", "0", "A", "1", "0", "0", "0", "--"}) + Ostalo() +
                              Spoji({"", "PRESEK", "-", "0", "P", "1", "1", "1", "0", "--"}),
                          m, p);
    EXPECT_EQ(m.nizMaterijala.size(), 1u);
    EXPECT_TRUE(m.nizPreseka.empty());
    ProcitajModelIzTeksta(Spoji({"materijal", "-", "0", "A", "1", "0", "0", "0", "--", "PRESEK", "-", "0", "P", "1",
                                 "1", "1", "0", "--"}) +
                              Ostalo(),
                          m, p);
    EXPECT_TRUE(m.nizMaterijala.empty());
    EXPECT_EQ(m.nizPreseka.size(), 1u);
}

TEST(ModelFajl, FailuresNameTheLineAndWhatWasExpected) {
    std::string abc = MaliModel();
    abc.replace(abc.find(" 2.00000000000000E-0001"), 23, "abc");
    EXPECT_EQ(PorukaCitanja(abc), "Red 6: ocekivan je realan broj, a procitano je 'abc'!!!");

    std::string stap = MaliModel();
    const std::string uzorak = "STAP\r\n-\r\n0\r\n0\r\n0\r\n0\r\n1";
    stap.replace(stap.find(uzorak), uzorak.size(), "STAP\r\n-\r\n0\r\n0\r\n0\r\n0\r\n9");
    EXPECT_EQ(PorukaCitanja(stap), "Red 71: stap 0 koristi cvor 9 koji ne postoji!!!");

    EXPECT_EQ(PorukaCitanja(Spoji({"MATERIJAL", "-", "0", "A", "1"})),
              "Red 6: ocekivan je realan broj, a fajl se zavrsio!!!");
    EXPECT_EQ(PorukaCitanja(Spoji({"CVOR", "-", "x"})), "Red 3: ocekivan je ceo broj, a procitano je 'x'!!!");
    EXPECT_EQ(PorukaCitanja(Spoji({"OSTALO", "1", "1", "da"})),
              "Red 4: ocekivan je logicka vrednost (TRUE ili FALSE), a procitano je 'da'!!!");
    EXPECT_EQ(PorukaCitanja(Spoji({"STAP", "-", "0", "0"})), "Red 4: stap 0 koristi materijal 0 koji ne postoji!!!");
    EXPECT_EQ(PorukaCitanja(Spoji({"CVOR", "-", "0", "1e99999"})),
              "Red 4: ocekivan je realan broj, a procitano je '1e99999'!!!");
    EXPECT_EQ(PorukaCitanja(std::string("MATERIJAL\r\n-\r\n0\r\n") + std::string(NajvecaDuzinaReda + 1, 'x')),
              "Red 4 je predugacak!!!");
    EXPECT_NE(PorukaCitanja(std::string("\x01\x02MATERIJAL\r\n-\r\n\xff\xfe\x00", 20)), "x");
}

TEST(ModelFajl, FailedReadLeavesTheModelAndSettingsUntouched) {
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(MaliModel(), m, p);
    TCvor* prvi = m.nizCvorova[0].get();
    p.akcijeMisa = 2;
    std::string los = MaliModel();
    los.replace(los.find("Sila\r\n0"), 7, "Sila\r\nq");
    EXPECT_THROW(ProcitajModelIzTeksta(Ostalo() + los, m, p), TGreska);
    EXPECT_EQ(m.nizCvorova.size(), 2u);
    EXPECT_EQ(m.nizCvorova[0].get(), prvi);
    EXPECT_EQ(p.akcijeMisa, 2);
}

TEST(ModelFajl, NamesAreUtf8AndLatin1IsConverted) {
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(Spoji({"MATERIJAL", "-", "0",
                                 "\xc4\x8d"
                                 "elik",
                                 "1", "0", "0", "0", "-", "1",
                                 "\xe8"
                                 "elik",
                                 "1", "0", "0", "0", "--"}) +
                              Ostalo(),
                          m, p);
    EXPECT_EQ(m.nizMaterijala[0]->Ime(),
              "\xc4\x8d"
              "elik");
    EXPECT_EQ(m.nizMaterijala[1]->Ime(),
              "\xc3\xa8"
              "elik");
}

TEST(ModelFajl, SaveReplacesTheFileWholeOrNotAtAll) {
    namespace fs = std::filesystem;
    const fs::path dir = fs::temp_directory_path() / ("velt_fajl_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    const std::string put = (dir / "model.velt").string();
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(MaliModel(), m, p);
    SnimiModel(put, m, p);
    TModel procitan;
    TPodesavanja pp;
    ProcitajModel(put, procitan, pp);
    SnimiModel((dir / "drugi.velt").string(), procitan, pp);
    std::ifstream a(put, std::ios::binary), b(dir / "drugi.velt", std::ios::binary);
    std::string ta((std::istreambuf_iterator<char>(a)), {}), tb((std::istreambuf_iterator<char>(b)), {});
    EXPECT_EQ(ta, MaliModel());
    EXPECT_EQ(ta, tb);

    // A save into a folder that does not exist fails and leaves nothing behind.
    EXPECT_THROW(SnimiModel((dir / "nema" / "x.velt").string(), m, p), TGreska);
    EXPECT_THROW(SnimiModel(dir.string(), m, p), TGreska);
    EXPECT_THROW(ProcitajModel((dir / "nema.velt").string(), procitan, pp), TGreska);
    int fajlova = 0;
    for (auto& e : fs::directory_iterator(dir)) fajlova += e.is_regular_file();
    EXPECT_EQ(fajlova, 2);
    fs::remove_all(dir);
}

TEST(ModelFajl, MouseActionLineAcceptsTheDrawingModeAndNothingBeyond) {
    // 3 is "Crtanje"; an index no item has reads as "Pan".
    const std::pair<const char*, int> slucajevi[] = {{"0", 0}, {"2", 2}, {"3", 3}, {"4", 0}, {"-1", 0}};
    for (const auto& [red, ocekivano] : slucajevi) {
        std::string tekst = Ostalo();
        tekst.replace(tekst.rfind("0\r\n"), 3, std::string(red) + "\r\n");
        TModel m;
        TPodesavanja p;
        p.akcijeMisa = 1;
        ProcitajModelIzTeksta(tekst, m, p);
        EXPECT_EQ(p.akcijeMisa, ocekivano) << red;
        EXPECT_EQ(ModelUTekst(m, p), tekst.substr(0, tekst.rfind(red)) + std::to_string(ocekivano) + "\r\n") << red;
    }
}
