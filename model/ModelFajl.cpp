#include "ModelFajl.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <unordered_map>

#include "Brojevi.h"
#include "Greska.h"

namespace {

const char* const KRAJ_REDA = "\r\n";

// ---------- reading ----------

bool JeIspravanUtf8(std::string_view s) {
    size_t i = 0;
    while (i < s.size()) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        size_t n;
        unsigned cp;
        if (c < 0x80) { ++i; continue; }
        if ((c >> 5) == 0x6) n = 1, cp = c & 0x1F;
        else if ((c >> 4) == 0xE) n = 2, cp = c & 0x0F;
        else if ((c >> 3) == 0x1E) n = 3, cp = c & 0x07;
        else return false;
        if (i + n >= s.size()) return false;
        for (size_t k = 1; k <= n; ++k) {
            const unsigned char d = static_cast<unsigned char>(s[i + k]);
            if ((d >> 6) != 0x2) return false;
            cp = (cp << 6) | (d & 0x3F);
        }
        // Overlong forms, surrogates and values past U+10FFFF are not valid UTF-8.
        static const unsigned najmanji[4] = {0, 0x80, 0x800, 0x10000};
        if (cp < najmanji[n] || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) return false;
        i += n + 1;
    }
    return true;
}

std::string Latin1UUtf8(std::string_view s) {
    std::string r;
    r.reserve(s.size() * 2);
    for (char ch : s) {
        const unsigned char c = static_cast<unsigned char>(ch);
        if (c < 0x80) {
            r += ch;
        } else {
            r += static_cast<char>(0xC0 | (c >> 6));
            r += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return r;
}

class Citac {
public:
    explicit Citac(std::string_view s) : tekst(s) {}

    // The next line without its line end; false at the end of the text.
    bool Sledeci(std::string_view& red) {
        if (pozicija >= tekst.size()) return false;
        size_t kraj = tekst.find('\n', pozicija);
        if (kraj == std::string_view::npos) kraj = tekst.size();
        red = tekst.substr(pozicija, kraj - pozicija);
        if (!red.empty() && red.back() == '\r') red.remove_suffix(1);
        pozicija = kraj + 1;
        ++brojReda;
        if (red.size() > NajvecaDuzinaReda)
            throw TGreska("Red " + std::to_string(brojReda) + " je predugacak!!!");
        return true;
    }

    // The next line of a record: the end of the file is an error here.
    std::string_view Obavezan(const char* ocekivano) {
        std::string_view red;
        if (!Sledeci(red))
            throw TGreska("Red " + std::to_string(brojReda + 1) + ": ocekivan je " + ocekivano +
                          ", a fajl se zavrsio!!!");
        return red;
    }

    [[noreturn]] void Pogresno(const char* ocekivano, std::string_view red) const {
        std::string procitano(red.substr(0, 60));
        if (red.size() > 60) procitano += "...";
        throw TGreska("Red " + std::to_string(brojReda) + ": ocekivan je " + ocekivano + ", a procitano je '" +
                      procitano + "'!!!");
    }

    int Ceo(std::string_view red) {
        if (auto v = ParsirajCeo(red)) return *v;
        Pogresno("ceo broj", red);
    }
    int Ceo() { return Ceo(Obavezan("ceo broj")); }

    long double Real() {
        std::string_view red = Obavezan("realan broj");
        if (auto v = ParsirajReal(red)) return *v;
        Pogresno("realan broj", red);
    }

    bool Logicka() {
        const char* ocekivano = "logicka vrednost (TRUE ili FALSE)";
        std::string_view red = Obavezan(ocekivano);
        std::string malo;
        for (char ch : red)
            if (ch != ' ' && ch != '\t') malo += static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
        if (malo == "TRUE") return true;
        if (malo == "FALSE") return false;
        if (auto v = ParsirajReal(red)) return *v != 0;
        Pogresno(ocekivano, red);
    }

    std::string Tekst() {
        std::string_view red = Obavezan("tekst");
        return JeIspravanUtf8(red) ? std::string(red) : Latin1UUtf8(red);
    }

    int BrojReda() const { return brojReda; }

private:
    std::string_view tekst;
    size_t pozicija = 0;
    int brojReda = 0;
};

// Reads the records of one section; returns the line that ended it ("--" or empty).
template <class CitajZapis>
std::string_view CitajSekciju(Citac& c, CitajZapis citajZapis) {
    std::string_view red;
    while (c.Sledeci(red)) {
        if (red == "--" || red.empty()) return red;
        if (red == "-") continue;
        citajZapis(c.Ceo(red));
    }
    return {};
}

template <class T>
std::unordered_map<int, T*> MapaPoID(const std::vector<std::unique_ptr<T>>& lista) {
    std::unordered_map<int, T*> mapa;
    mapa.reserve(lista.size());
    for (const auto& e : lista) mapa.emplace(e->ID(), e.get());  // the first entity with an ID wins
    return mapa;
}

template <class T>
T* Razresi(const std::unordered_map<int, T*>& mapa, int id, const Citac& c, int idStapa, const char* sta) {
    auto it = mapa.find(id);
    if (it == mapa.end())
        throw TGreska("Red " + std::to_string(c.BrojReda()) + ": stap " + std::to_string(idStapa) + " koristi " +
                      sta + " " + std::to_string(id) + " koji ne postoji!!!");
    return it->second;
}

void CitajOstalo(Citac& c, TPodesavanja& p) {
    p.vrednostIspredMatricaKrutosti = std::string(c.Obavezan("faktor ispred matrica"));
    p.mnozilacPomeranja = std::string(c.Obavezan("mnozilac pomeranja"));
    for (bool* b : {&p.mrezaGrafika, &p.deformacijaNosaca, &p.prikaziSimbolStapa, &p.prikaziBrojStapa,
                    &p.prikaziOrjentacijuStapa, &p.prikaziOpterecenjeStapa, &p.prikaziSimbolCvora,
                    &p.prikaziBrojCvora, &p.prikaziOslonceCvora, &p.prikaziOpterecenjeCvora,
                    &p.zoomURealnomVremenu})
        *b = c.Logicka();
    p.zoomSve = c.Ceo();
    if (p.zoomSve < -1 || p.zoomSve >= BrojFaktoraZooma) p.zoomSve = -1;
    p.akcijeMisa = c.Ceo();
    if (p.akcijeMisa < 0 || p.akcijeMisa > 3) p.akcijeMisa = 0;
}

// ---------- writing ----------

class Pisac {
public:
    void Red(std::string_view s) {
        tekst += s;
        tekst += KRAJ_REDA;
    }
    void Ceo(int v) { Red(std::to_string(v)); }
    void Real(long double v) { Red(FormatRealaZaFajl(v)); }
    void Logicka(bool v) { Red(v ? "TRUE" : "FALSE"); }
    void Tekst(const std::string& s) {
        // A line break inside a name would split the record.
        std::string t = s;
        for (char& ch : t)
            if (ch == '\r' || ch == '\n') ch = ' ';
        Red(t);
    }
    std::string tekst;
};

template <class T, class PisiZapis>
void PisiSekciju(Pisac& p, const char* kljucnaRec, const std::vector<std::unique_ptr<T>>& lista, PisiZapis pisi) {
    if (lista.empty()) return;
    p.Red(kljucnaRec);
    p.Red("-");
    for (size_t i = 0; i < lista.size(); ++i) {
        pisi(*lista[i]);
        p.Red(i + 1 < lista.size() ? "-" : "--");
    }
}

// The edit text as a number, or 1 (and the text "1.0") when it is not acceptable.
long double IspravanIliJedan(std::string& tekst, bool samoPozitivan) {
    auto v = ParsirajReal(tekst);
    if (!v || (samoPozitivan && *v <= 0)) {
        tekst = "1.0";
        return 1.0L;
    }
    return *v;
}

}  // namespace

void ProcitajModelIzTeksta(std::string_view sadrzaj, TModel& model, TPodesavanja& podesavanja) {
    TModel novi;
    novi.minRastojanjeCvorova = model.minRastojanjeCvorova;
    TPodesavanja novaPodesavanja = podesavanja;
    Citac c(sadrzaj);

    auto citajMaterijal = [&](int id) {
        std::string ime = c.Tekst();
        long double e = c.Real(), ni = c.Real(), masa = c.Real(), alfa = c.Real();
        novi.nizMaterijala.push_back(std::make_unique<TMaterijal>(id, std::move(ime), e, ni, masa, alfa));
    };
    auto citajPresek = [&](int id) {
        std::string ime = c.Tekst();
        long double i = c.Real(), a = c.Real(), h = c.Real(), k = c.Real();
        novi.nizPreseka.push_back(std::make_unique<TPresek>(id, std::move(ime), i, a, h, k));
    };
    auto citajCvor = [&](int id) {
        long double x = c.Real(), z = c.Real();
        bool oslX = c.Logicka(), oslZ = c.Logicka(), ukljY = c.Logicka();
        long double rx = c.Real(), rz = c.Real(), my = c.Real();
        long double px = c.Real(), pz = c.Real(), mk = c.Real();
        int bx = c.Ceo(), bz = c.Ceo(), by = c.Ceo();
        long double ux = c.Real(), uz = c.Real(), fi = c.Real();
        long double zx = c.Real(), zz = c.Real(), zf = c.Real();
        novi.nizCvorova.push_back(std::make_unique<TCvor>(id, x, z, oslX, oslZ, ukljY, rx, rz, my, px, pz, mk, bx,
                                                          bz, by, ux, uz, fi, zx, zz, zf));
    };
    std::unordered_map<int, TMaterijal*> materijali;
    std::unordered_map<int, TPresek*> preseci;
    std::unordered_map<int, TCvor*> cvorovi;
    auto citajStap = [&](int id) {
        int im = c.Ceo();
        TMaterijal* m = Razresi(materijali, im, c, id, "materijal");
        int ip = c.Ceo();
        TPresek* p = Razresi(preseci, ip, c, id, "presek");
        int ic = c.Ceo();
        TCvor* poc = Razresi(cvorovi, ic, c, id, "cvor");
        int ik = c.Ceo();
        TCvor* kr = Razresi(cvorovi, ik, c, id, "cvor");
        int tip = c.Ceo();
        novi.nizStapova.push_back(std::make_unique<TStap>(id, m, p, poc, kr, tip));
    };
    auto citajOpterecenje = [&](int id) {
        std::string ime = c.Tekst();
        int tip = c.Ceo(), idStapa = c.Ceo();
        long double v[14];
        for (long double& x : v) x = c.Real();
        novi.nizOpterecenja.push_back(std::make_unique<TOpterecenje>(id, std::move(ime), tip, idStapa, v[0], v[1],
                                                                     v[2], v[3], v[4], v[5], v[6], v[7], v[8], v[9],
                                                                     v[10], v[11], v[12], v[13]));
    };

    std::string_view red;
    while (c.Sledeci(red) && !red.empty()) {
        if (red == "MATERIJAL") red = CitajSekciju(c, citajMaterijal);
        if (red == "PRESEK") red = CitajSekciju(c, citajPresek);
        if (red == "CVOR") red = CitajSekciju(c, citajCvor);
        if (red == "STAP") {
            // Members refer to what was read before them, as the writer orders the sections.
            materijali = MapaPoID(novi.nizMaterijala);
            preseci = MapaPoID(novi.nizPreseka);
            cvorovi = MapaPoID(novi.nizCvorova);
            red = CitajSekciju(c, citajStap);
        }
        if (red == "OPTERECENJE") red = CitajSekciju(c, citajOpterecenje);
        if (red == "OSTALO") CitajOstalo(c, novaPodesavanja);
    }

    model = std::move(novi);
    podesavanja = std::move(novaPodesavanja);
}

void ProcitajModel(const std::string& putanja, TModel& model, TPodesavanja& podesavanja) {
    std::ifstream f(putanja, std::ios::binary);
    if (!f) throw TGreska("Fajl '" + putanja + "' nije moguce otvoriti!!!");
    f.seekg(0, std::ios::end);
    const std::streamoff velicina = f.tellg();
    if (velicina < 0) throw TGreska("Fajl '" + putanja + "' nije moguce procitati!!!");
    if (static_cast<size_t>(velicina) > NajvecaVelicinaFajla)
        throw TGreska("Fajl '" + putanja + "' je prevelik!!!");
    f.seekg(0, std::ios::beg);
    std::string sadrzaj(static_cast<size_t>(velicina), '\0');
    if (!f.read(sadrzaj.data(), velicina)) throw TGreska("Fajl '" + putanja + "' nije moguce procitati!!!");
    ProcitajModelIzTeksta(sadrzaj, model, podesavanja);
}

std::string ModelUTekst(const TModel& model, TPodesavanja& podesavanja) {
    Pisac p;
    PisiSekciju(p, "MATERIJAL", model.nizMaterijala, [&](const TMaterijal& m) {
        p.Ceo(m.ID());
        p.Tekst(m.Ime());
        p.Real(m.E());
        p.Real(m.Poasonov());
        p.Real(m.Masa());
        p.Real(m.AlfaT());
    });
    PisiSekciju(p, "PRESEK", model.nizPreseka, [&](const TPresek& s) {
        p.Ceo(s.ID());
        p.Tekst(s.Ime());
        p.Real(s.I());
        p.Real(s.Aaksijalno());
        p.Real(s.h());
        p.Real(s.k());
    });
    PisiSekciju(p, "CVOR", model.nizCvorova, [&](const TCvor& n) {
        p.Ceo(n.ID());
        p.Real(n.X());
        p.Real(n.Z());
        p.Logicka(n.OslX());
        p.Logicka(n.OslZ());
        p.Logicka(n.UkljY());
        for (int i = 0; i < 3; ++i) p.Real(0);  // reactions are results: never saved
        p.Real(n.Px());
        p.Real(n.Pz());
        p.Real(n.MkoncY());
        p.Ceo(n.BrPomeranjaX());
        p.Ceo(n.BrPomeranjaZ());
        p.Ceo(n.BrObrtanjaY());
        for (int i = 0; i < 3; ++i) p.Real(0);  // displacements likewise
        p.Real(n.ZadatoUx());
        p.Real(n.ZadatoUz());
        p.Real(n.ZadatoFiy());
    });
    PisiSekciju(p, "STAP", model.nizStapova, [&](const TStap& s) {
        p.Ceo(s.ID());
        p.Ceo(s.Materijal()->ID());
        p.Ceo(s.Presek()->ID());
        p.Ceo(s.PocetniCvor()->ID());
        p.Ceo(s.KrajnjiCvor()->ID());
        p.Ceo(s.TipStapa());
    });
    PisiSekciju(p, "OPTERECENJE", model.nizOpterecenja, [&](const TOpterecenje& o) {
        p.Ceo(o.ID());
        p.Tekst(o.Ime());
        p.Ceo(o.Tip());
        p.Ceo(o.IDStapa());
        for (long double v : {o.KoncentrisanaSila(), o.PozicijaKoncentrisaneSile(), o.KoncentrisaniMoment(),
                              o.PozicijaKoncentrisanogMomenta(), o.RaspodeljenoOpterecenje(),
                              o.PocetakRaspodeljenog(), o.KrajRaspodeljenog(), o.TemperaturnaPromena(),
                              o.TemperaturnaRazlika(), o.KoncentrisanaSilaUPravcuOse(),
                              o.PozicijaKoncentrisaneSileUPravcuOse(), o.RaspodeljenoOpterecenjeUPravcuOse(),
                              o.PocetakRaspodeljenogUPravcuOse(), o.KrajRaspodeljenogUPravcuOse()})
            p.Real(v);
    });

    p.Red("OSTALO");
    p.Real(IspravanIliJedan(podesavanja.vrednostIspredMatricaKrutosti, true));
    p.Real(IspravanIliJedan(podesavanja.mnozilacPomeranja, false));
    const TPodesavanja& s = podesavanja;
    for (bool b : {s.mrezaGrafika, s.deformacijaNosaca, s.prikaziSimbolStapa, s.prikaziBrojStapa,
                   s.prikaziOrjentacijuStapa, s.prikaziOpterecenjeStapa, s.prikaziSimbolCvora, s.prikaziBrojCvora,
                   s.prikaziOslonceCvora, s.prikaziOpterecenjeCvora, s.zoomURealnomVremenu})
        p.Logicka(b);
    p.Ceo(s.zoomSve);
    p.Ceo(s.akcijeMisa);
    return std::move(p.tekst);
}

void SnimiModel(const std::string& putanja, const TModel& model, TPodesavanja& podesavanja) {
    namespace fs = std::filesystem;
    const std::string sadrzaj = ModelUTekst(model, podesavanja);
    const std::string greska = "Fajl '" + putanja + "' nije moguce snimiti!!!";
    if (putanja.empty() || fs::is_directory(putanja)) throw TGreska(greska);

    std::random_device rd;
    const std::string privremeni = putanja + ".tmp" + std::to_string(rd() % 1000000);
    std::FILE* f = std::fopen(privremeni.c_str(), "wb");
    if (!f) throw TGreska(greska);
    const bool upisano = std::fwrite(sadrzaj.data(), 1, sadrzaj.size(), f) == sadrzaj.size();
    const bool zatvoreno = std::fclose(f) == 0;
    std::error_code ec;
    if (upisano && zatvoreno) fs::rename(privremeni, putanja, ec);
    if (!upisano || !zatvoreno || ec) {
        fs::remove(privremeni, ec);
        throw TGreska(greska);
    }
}
