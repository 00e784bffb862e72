#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "Greska.h"
#include "ModelFajl.h"
#include "PravilaVrednosti.h"

namespace {

using TZamene = std::vector<std::pair<size_t, std::string>>;

std::string Procitaj(const std::string& putanja) {
    std::ifstream f(putanja, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(f)), {});
}

std::string Ram() { return Procitaj(VELT_EXAMPLES_DIR "/portalni-ram.velt"); }

std::vector<std::string> Redovi(const std::string& t) {
    std::vector<std::string> r;
    for (size_t i = 0; i < t.size();) {
        const size_t k = t.find("\r\n", i);
        r.push_back(t.substr(i, k - i));
        i = k + 2;
    }
    return r;
}

std::string Spoji(const std::vector<std::string>& redovi) {
    std::string s;
    for (const auto& r : redovi) s += r + "\r\n";
    return s;
}

// The portal frame with its line `red` (1-based) replaced.
std::string RamSa(const TZamene& zamene) {
    auto r = Redovi(Ram());
    for (const auto& [red, tekst] : zamene) r.at(red - 1) = tekst;
    return Spoji(r);
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

// Each rule of the editing pages, and each integrity rule, refuses the file at the line that breaks it.
TEST(CitanjeModela, RefusesEveryBrokenRuleAtItsLine) {
    const std::string blizu = "Relativna pozicija ";
    const struct {
        TZamene zamene;
        std::string poruka;
    } slucajevi[] = {
        {{{4, ""}}, "Red 4: Morate upisati ime materijala!!!"},
        {{{5, "-3e7"}}, "Red 5: Modul elasticnosti ne moze biti jednak ili manji od nule!!!"},
        {{{5, "0"}}, "Red 5: Modul elasticnosti ne moze biti jednak ili manji od nule!!!"},
        {{{6, "0.51"}}, "Red 6: Poasonov koeficijent ne moze imati vrednost vecu od 0.5!!!"},
        {{{6, "-0.1"}}, "Red 6: Poasonov koeficijent ne moze biti manji od nule!!!"},
        {{{7, "-1"}}, "Red 7: Zapreminska masa ne moze biti manja od nule!!!"},
        {{{8, "-1e-5"}}, "Red 8: Koeficijent toplotnog sirenja ne moze biti manji od nule!!!"},
        {{{13, ""}}, "Red 13: Morate upisati ime poprecnog preseka!!!"},
        {{{14, "0"}}, "Red 14: Moment inercije ne moze biti jednak ili manji od nule!!!"},
        {{{15, "-0.09"}}, "Red 15: Povrsina poprecnog preseka ne moze biti jednaka ili manja od nule!!!"},
        {{{16, "0"}}, "Red 16: Visina poprecnog preseka ne moze biti jednaka ili manja od nule!!!"},
        {{{17, "-1"}}, "Red 17: Koeficijent oblika ne moze biti manji od nule!!!"},
        {{{19, "0"}}, "Red 19: identifikator 0 se ponavlja u odeljku PRESEK!!!"},
        {{{50, "0"}}, "Red 50: identifikator 0 se ponavlja u odeljku CVOR!!!"},
        {{{63, "1"}}, "Red 63: kodni broj 1 se ponavlja (vec ga ima cvor 0)!!!"},
        {{{41, "1"}}, "Red 41: kodni broj 1 se ponavlja (vec ga ima cvor 0)!!!"},
        {{{59, "1e309"}}, "Red 59: Vrednost '1e309' je izvan opsega brojeva sa kojima radi proracun!!!"},
        {{{110, "-2e308"}}, "Red 110: Vrednost '-2e308' je izvan opsega brojeva sa kojima radi proracun!!!"},
        {{{125, "0"}}, "Red 125: identifikator 0 se ponavlja u odeljku STAP!!!"},
        {{{122, "0"}}, "Red 122: Izmedju dva ista cvora nije moguce dodati stap!!!"},
        {{{135, "2"}, {136, "1"}},
         "Red 136: Izmedju cvorova je vec postoji stap!!!\r\nNije moguce dodati stap \"preko\" stapa!!!"},
        {{{123, "4"}}, "Red 123: Tip stapa mora biti 0 (k), 1 (ig), 2 (gk) ili 3 (prost)!!!"},
        {{{137, "-1"}}, "Red 137: Tip stapa mora biti 0 (k), 1 (ig), 2 (gk) ili 3 (prost)!!!"},
        {{{142, ""}}, "Red 142: Ime opterecenja nije korektno zadato!!!"},
        {{{143, "9"}},
         "Red 143: Vrsta opterecenja mora biti od 0 do 8 (V, M, pn, t, delta t, H, pt, linearno, sopstvena "
         "tezina)!!!"},
        {{{144, "9"}}, "Red 144: opterecenje 0 je pridruzeno stapu 9, a taj stap ne postoji!!!"},
        {{{163, "-2"}}, "Red 163: opterecenje 1 je pridruzeno stapu -2, a taj stap ne postoji!!!"},
        {{{150, "1.5"}},
         "Red 150: " + blizu + "pocetka raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!"},
        {{{151, "-0.1"}}, "Red 151: " + blizu + "kraja raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!"},
        {{{150, "0.6"}, {151, "0.4"}},
         "Red 151: " + blizu +
             "pocetka raspodeljenog opterecenja mora biti manja od relativne pozicije kraja raspodeljenog "
             "opterecenja!!!"},
        {{{165, "1.0001"}}, "Red 165: " + blizu + "koncentrisane sile mora biti izmedju nule i jedinice!!!"},
        {{{4, std::string(NajvecaDuzinaImena + 1, 'a')}}, "Red 4: Ime je predugacko (najvise 16384 znaka)!!!"},
        // Latin-1 doubles in UTF-8; the limit counts characters.
        {{{4, std::string(NajvecaDuzinaImena + 1, '\xe8')}}, "Red 4: Ime je predugacko (najvise 16384 znaka)!!!"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(PorukaCitanja(RamSa(s.zamene)), s.poruka) << s.poruka;
}

// Values at the edge of each rule are what the pages accept, so they read.
TEST(CitanjeModela, AcceptsWhatThePagesAccept) {
    for (const auto& zamene : std::vector<TZamene>{
             {{6, "0.5"}, {7, "0"}, {8, "0"}, {17, "0"}},
             {{144, "-1"}},                 // an unassigned load
             {{150, "0.3"}, {151, "0.3"}},  // start equal to end
             {{165, "0"}},
             {{165, "1"}},
             {{59, "1.7e308"}, {4, std::string(NajvecaDuzinaImena, '\xe8')}},
             {{40, "-7"}, {41, "0"}},  // any distinct code numbers
         })
        EXPECT_EQ(PorukaCitanja(RamSa(zamene)), "");
}

TEST(CitanjeModela, RefusesWhatIsNotAModel) {
    const std::string ram = Ram();
    std::string cr = ram, crcrlf = ram, lf = ram;
    for (size_t i; (i = cr.find("\r\n")) != std::string::npos;) cr.replace(i, 2, "\r");
    for (size_t i = 0; (i = crcrlf.find("\r\n", i)) != std::string::npos; i += 3) crcrlf.replace(i, 2, "\r\r\n");
    const std::string nijeModel =
        "Red 1: ovo nije fajl modela - nijedan red nije kljucna rec odeljka (MATERIJAL, PRESEK, CVOR, STAP, "
        "OPTERECENJE, OSTALO)";
    const std::string skriveno = "; redovi nisu zavrseni sa CR LF nego samo sa CR (ili sa CR CR LF)!!!";
    const size_t ostalo = ram.find("OSTALO");
    const size_t cvor = ram.find("CVOR"), presek = ram.find("PRESEK");
    const struct {
        std::string tekst;
        std::string poruka;
    } slucajevi[] = {
        {"", nijeModel + "!!!"},
        {"# VELT\r\n\r\nVELT is a desktop program\r\n", nijeModel + "!!!"},
        {std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), nijeModel + "!!!"},
        {cr, nijeModel + skriveno},
        {crcrlf, nijeModel + skriveno},
        {ram.substr(0, ostalo), "Red 198: fajl se zavrsio pre odeljka OSTALO - fajl je prekinut!!!"},
        {ram.substr(0, ostalo) + "\r\n" + ram.substr(ostalo),
         "Red 198: prazan red pre odeljka OSTALO - model nije potpun!!!"},
        {ram.substr(0, cvor) + ram.substr(presek, cvor - presek) + ram.substr(cvor),
         "Red 26: odeljak PRESEK se javlja drugi put!!!"},
        {ram + ram.substr(ostalo), "Red 214: odeljak OSTALO se javlja drugi put!!!"},
        {ram.substr(ostalo) + "MATERIJAL\r\n-\r\n0\r\nA\r\n1\r\n0\r\n0\r\n0\r\n",
         "Red 25: odeljak MATERIJAL nije zavrsen redom \"--\" - fajl je prekinut!!!"},
        {ram + "PRIKAZ\r\ndijagram=M\r\n", "Red 216: odeljak PRIKAZ nije zavrsen redom \"--\" - fajl je prekinut!!!"},
        {ram + "PRIKAZ\r\nsimboli=TRUE\r\n--\r\nPRIKAZ\r\n--\r\n", "Red 217: odeljak PRIKAZ se javlja drugi put!!!"},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(PorukaCitanja(s.tekst), s.poruka) << s.poruka;

    // Other encodings and their marks: no line can be a keyword, and the file is no model.
    auto uUtf16 = [](const std::string& t, bool malimKrajem) {
        std::string r = malimKrajem ? "\xFF\xFE" : "\xFE\xFF";
        for (char ch : t) r += malimKrajem ? std::string{ch, '\0'} : std::string{'\0', ch};
        return r;
    };
    for (const std::string& tekst :
         {uUtf16(ram, true), uUtf16(ram, false), std::string("\xEF\xBB\xBF"), std::string("\xEF\xBB\xBF\xEF\xBB\xBF") + ram,
          std::string("\xEF\xBB") + ram, std::string("\x2B\x2F\x76\x38") + ram.substr(ram.find("OSTALO"))})
        EXPECT_EQ(PorukaCitanja(tekst), nijeModel + "!!!") << tekst.substr(0, 12);

    // A file cut after any of its lines but the last is refused, with the line named.
    const auto redovi = Redovi(ram);
    std::string deo;
    for (size_t i = 0; i + 1 < redovi.size(); ++i) {
        deo += redovi[i] + "\r\n";
        const std::string p = PorukaCitanja(deo);
        EXPECT_EQ(p.rfind("Red ", 0), 0u) << "after line " << i + 1 << ": '" << p << "'";
    }
}

// Every example and every file the program writes reads back to the same bytes.
// The UTF-8 byte-order mark some editors write is no line: the file reads as without it, and the
// lines keep their numbers in the messages.
TEST(CitanjeModela, ByteOrderMarkAtTheStartIsSkipped) {
    const std::string bom = "\xEF\xBB\xBF", ram = Ram();
    TModel m, bezOznake;
    TPodesavanja p, pb;
    ASSERT_EQ(PorukaCitanja(bom + ram), "");
    ProcitajModelIzTeksta(bom + ram, m, p);
    ProcitajModelIzTeksta(ram, bezOznake, pb);
    EXPECT_EQ(ModelUTekst(m, p), ModelUTekst(bezOznake, pb));
    EXPECT_EQ(ModelUTekst(m, p), ram);
    const std::string pokvaren = RamSa({{59, "1e309"}});
    EXPECT_EQ(PorukaCitanja(bom + pokvaren), PorukaCitanja(pokvaren));
    EXPECT_EQ(PorukaCitanja(pokvaren).rfind("Red 59: ", 0), 0u);
    // Only at the very start: before a later keyword the mark hides that section as before.
    const size_t presek = ram.find("PRESEK");
    EXPECT_EQ(PorukaCitanja(ram.substr(0, presek) + bom + ram.substr(presek)).rfind("Red ", 0), 0u);
}

TEST(CitanjeModela, ExamplesAndWrittenFilesRoundTripByteForByte) {
    int primera = 0;
    for (const auto& e : std::filesystem::directory_iterator(VELT_EXAMPLES_DIR)) {
        if (e.path().extension() != ".velt") continue;
        ++primera;
        const std::string tekst = Procitaj(e.path().string());
        TModel m;
        TPodesavanja p;
        ASSERT_NO_THROW(ProcitajModelIzTeksta(tekst, m, p)) << e.path();
        EXPECT_EQ(ModelUTekst(m, p), tekst) << e.path();
    }
    EXPECT_GE(primera, 3);

    // The longest names the pages accept, in letters of one to four bytes, and every display option.
    TModel m;
    TPodesavanja p;
    ProcitajModelIzTeksta(Ram(), m, p);
    std::string cetiri;
    for (size_t i = 0; i < NajvecaDuzinaImena; ++i) cetiri += "\xf0\x9f\x98\x80";
    m.nizMaterijala[0]->SetIme(cetiri);
    m.nizPreseka[0]->SetIme(std::string(NajvecaDuzinaImena, 'x'));
    m.nizOpterecenja[0]->SetIme("ime\r\nu dva reda");
    p.prikaz = {TPrikaz::M, true, "2", true, true};
    const std::string tekst = ModelUTekst(m, p);
    TModel procitan;
    TPodesavanja pp;
    ASSERT_EQ(PorukaCitanja(tekst), "");
    ProcitajModelIzTeksta(tekst, procitan, pp);
    EXPECT_EQ(procitan.nizMaterijala[0]->Ime(), cetiri);
    EXPECT_EQ(ModelUTekst(procitan, pp), tekst);

    // One character more is kept out of the file.
    m.nizMaterijala[0]->SetIme(cetiri + "a");
    EXPECT_THROW(ModelUTekst(m, p), TGreska);
}
