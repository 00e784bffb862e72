#include "PravilaVrednosti.h"

#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "Brojevi.h"
#include "Greska.h"
#include "Opterecenje.h"
#include "Stap.h"

size_t BrojZnakovaUtf8(std::string_view s) {
    size_t n = 0;
    for (char ch : s)
        if ((static_cast<unsigned char>(ch) & 0xC0) != 0x80) ++n;
    return n;
}

const char* GreskaDuzineImena(std::string_view ime) {
    if (BrojZnakovaUtf8(ime) > NajvecaDuzinaImena) return "Ime je predugacko (najvise 16384 znaka)!!!";
    return nullptr;
}

bool UOpseguProracuna(long double v) {
    // The file keeps 15 significant digits: just below the largest 64-bit real they round up past
    // it, and that file could not be read again. Only such values are worth the formatting; the
    // usual value is settled by this one comparison (false for a NaN, which goes on to be refused).
    if (std::fabs(v) < 1.7976931348623e308L) return true;
    if (!std::isfinite(v) || std::fabs(v) > DBL_MAX) return false;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14Le", v);
    return std::fabs(std::strtold(buf, nullptr)) <= DBL_MAX;
}

std::string PorukaIzvanOpsega(std::string_view tekst) {
    std::string s(tekst.substr(0, 60));
    if (tekst.size() > 60) s += "...";
    return "Vrednost '" + s + "' je izvan opsega brojeva sa kojima radi proracun!!!";
}

long double TekstUVrednost(std::string_view tekst) {
    const long double v = TekstUReal(tekst);
    if (!UOpseguProracuna(v)) throw TGreska(PorukaIzvanOpsega(tekst));
    return v;
}

namespace {
const char* Ime(std::string_view ime, const char* prazno) {
    if (ime.empty()) return prazno;
    return GreskaDuzineImena(ime);
}
bool IzmedjuNuleIJedinice(long double p) { return p >= 0 && p <= 1; }
}  // namespace

const char* GreskaImenaMaterijala(std::string_view ime) { return Ime(ime, "Morate upisati ime materijala!!!"); }

const char* GreskaModulaElasticnosti(long double E) {
    return E > 0 ? nullptr : "Modul elasticnosti ne moze biti jednak ili manji od nule!!!";
}

const char* GreskaPoasonovogKoeficijenta(long double ni) {
    if (ni < 0) return "Poasonov koeficijent ne moze biti manji od nule!!!";
    if (ni > 0.5L) return "Poasonov koeficijent ne moze imati vrednost vecu od 0.5!!!";
    return nullptr;
}

const char* GreskaZapreminskeMase(long double masa) {
    return masa < 0 ? "Zapreminska masa ne moze biti manja od nule!!!" : nullptr;
}

const char* GreskaAlfaT(long double alfaT) {
    return alfaT < 0 ? "Koeficijent toplotnog sirenja ne moze biti manji od nule!!!" : nullptr;
}

const char* GreskaImenaPreseka(std::string_view ime) { return Ime(ime, "Morate upisati ime poprecnog preseka!!!"); }

const char* GreskaMomentaInercije(long double I) {
    return I > 0 ? nullptr : "Moment inercije ne moze biti jednak ili manji od nule!!!";
}

const char* GreskaPovrsine(long double A) {
    return A > 0 ? nullptr : "Povrsina poprecnog preseka ne moze biti jednaka ili manja od nule!!!";
}

const char* GreskaVisine(long double h) {
    return h > 0 ? nullptr : "Visina poprecnog preseka ne moze biti jednaka ili manja od nule!!!";
}

const char* GreskaKoeficijentaOblika(long double k) {
    return k < 0 ? "Koeficijent oblika ne moze biti manji od nule!!!" : nullptr;
}

const char* GreskaOpruge(long double k) {
    return std::isfinite(k) && k > 0 ? nullptr : "Krutost opruge na kraju stapa mora biti veca od nule!!!";
}

const char* GreskaTipaStapa(int tip) { return OsobineTipa(tip) ? nullptr : PorukaNepoznatogTipaStapa(); }

const char* GreskaIstihCvorova(int idPocetnog, int idKrajnjeg) {
    return idPocetnog == idKrajnjeg ? "Izmedju dva ista cvora nije moguce dodati stap!!!" : nullptr;
}

const char* const PorukaStapPrekoStapa =
    "Izmedju cvorova je vec postoji stap!!!\r\nNije moguce dodati stap \"preko\" stapa!!!";

const char* GreskaImenaOpterecenja(std::string_view ime, bool dodavanje) {
    return Ime(ime, dodavanje ? "Ime opterecenja nije korektno zadano!!!" : "Ime opterecenja nije korektno zadato!!!");
}

const char* GreskaTipaOpterecenja(int tip) {
    return tip >= toV && tip < BrojVrstaOpterecenja
               ? nullptr
               : "Vrsta opterecenja mora biti od 0 do 8 (V, M, pn, t, delta t, H, pt, linearno, sopstvena tezina)!!!";
}

const char* GreskaPozicijaOpterecenja(int tip, const long double* v, int* polje) {
    auto greska = [&](int i, const char* poruka) {
        if (polje) *polje = i;
        return poruka;
    };
    switch (tip) {
        case toV:
        case toH:
            if (!IzmedjuNuleIJedinice(v[1]))
                return greska(1, "Relativna pozicija koncentrisane sile mora biti izmedju nule i jedinice!!!");
            break;
        case toM:
            if (!IzmedjuNuleIJedinice(v[1]))
                return greska(1, "Relativna pozicija koncentrisanog momenta mora biti izmedju nule i jedinice!!!");
            break;
        case toLinearno: {
            // p1 and p2 come first, then the extent checked as for pn.
            int i = 0;
            const char* g = GreskaPozicijaOpterecenja(toPn, v + 1, &i);
            return g ? greska(i + 1, g) : nullptr;
        }
        case toPn:
        case toPt:
            if (!IzmedjuNuleIJedinice(v[1]))
                return greska(
                    1, "Relativna pozicija pocetka raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!");
            if (!IzmedjuNuleIJedinice(v[2]))
                return greska(
                    2, "Relativna pozicija kraja raspodeljenog opterecenja mora biti izmedju nule i jedinice!!!");
            if (v[2] < v[1])
                return greska(2,
                              "Relativna pozicija pocetka raspodeljenog opterecenja mora biti manja od relativne "
                              "pozicije kraja raspodeljenog opterecenja!!!");
            break;
        default: break;
    }
    return nullptr;
}
