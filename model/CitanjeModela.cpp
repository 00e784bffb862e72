#include <algorithm>
#include <optional>
#include <unordered_map>
#include <unordered_set>

#include "CitacRedova.h"
#include "ModelFajl.h"
#include "PravilaVrednosti.h"
#include "SekcijaStapova.h"
#include "SekcijaOslonaca.h"
#include "UcitavanjeFajla.h"
#include "UredjivanjeOpterecenja.h"

namespace {

// The sections in the order the top-level loop compares a line with their keywords.
enum TOdeljak {
    oMaterijal, oPresek, oCvor, oStap, oOpterecenje, oOstalo, oPrikaz, oAnaliza, oOslonci, oStapovi, BrojOdeljaka
};

const char* ImeOdeljka(int o) {
    static const char* const imena[BrojOdeljaka] = {
        "MATERIJAL",       "PRESEK",          "CVOR",           "STAP", "OPTERECENJE", "OSTALO",
        KljucnaRecPrikaza, KljucnaRecAnalize, KljucnaRecOslonaca, KljucnaRecStapova};
    return imena[o];
}

int OdeljakReda(std::string_view red) {
    for (int o = 0; o < BrojOdeljaka; ++o)
        if (red == ImeOdeljka(o)) return o;
    return -1;
}

// Some editors put the UTF-8 byte-order mark in front of the first line: a marker of the
// encoding, not part of the line, so the first keyword is still seen.
std::string_view BezOznakeRedosledaBajtova(std::string_view tekst) {
    constexpr std::string_view bom = "\xEF\xBB\xBF";
    if (tekst.substr(0, bom.size()) == bom) tekst.remove_prefix(bom.size());
    return tekst;
}

// Bytes of no text in front of a keyword on the first line: the mark of an encoding the reader
// does not know. Skipping that line as an unknown one would lose the first section and refuse the
// file for a reason that is not its fault.
bool KljucnaRecIzaNepoznateOznake(std::string_view tekst) {
    const std::string_view prvi = tekst.substr(0, std::min(tekst.find_first_of("\r\n"), tekst.size()));
    for (int o = 0; o < BrojOdeljaka; ++o) {
        const std::string_view rec = ImeOdeljka(o);
        if (prvi.size() <= rec.size() || prvi.substr(prvi.size() - rec.size()) != rec) continue;
        const std::string_view oznaka = prvi.substr(0, prvi.size() - rec.size());
        return std::all_of(oznaka.begin(), oznaka.end(),
                           [](char ch) { return static_cast<unsigned char>(ch) >= 0x80; });
    }
    return false;
}

// Where a load's values of each kind lie among its 14 reals, in the page's field order (-1: none).
constexpr int VrednostiVrste[BrojVrstaOpterecenja][4] = {{0, 1, -1, -1},   {2, 3, -1, -1},  {4, 5, 6, -1},
                                                         {7, -1, -1, -1},  {8, -1, -1, -1}, {9, 10, -1, -1},
                                                         {11, 12, 13, -1}, {4, 11, 5, 6},   {4, -1, -1, -1}};

// Reads a whole file into new lists, checking every rule a model obeys, and refuses the file at the
// first line that breaks one. The lists are handed over only after the whole file has been read.
class TCitanjeModela {
public:
    TCitanjeModela(std::string_view tekst, TModel& novi, TPodesavanja& podesavanja)
        : tekst(BezOznakeRedosledaBajtova(tekst)),
          c(this->tekst),
          novi(novi),
          podesavanja(podesavanja) {}

    void Citaj();

private:
    // How a section ended: its "--" line, an empty line, or the end of the file.
    enum class TKraj { Crtice, Prazan, Fajl };
    template <class CitajZapis>
    TKraj CitajSekciju(CitajZapis citajZapis);
    template <class CitajRed>
    TKraj CitajRedoveKljuceva(CitajRed citajRed);

    void Materijal(int id);
    void Presek(int id);
    void Cvor(int id);
    void Stap(int id);
    void Opterecenje(int id);
    void Ostalo();
    void Prikaz();
    void Oslonac(std::string_view red, std::unordered_map<int, TCvor*>& bezLinije);
    void NoviID(TOdeljak o, int id);
    int KodniBroj(int idCvora);
    void ProveriDodeleOpterecenja() const;
    [[noreturn]] void NijeModel() const;

    std::string_view tekst;
    TCitacRedova c;
    TModel& novi;
    TPodesavanja& podesavanja;
    std::unordered_set<int> identifikatori[oOpterecenje + 1];
    std::unordered_map<int, int> cvorKodnogBroja;
    std::unordered_map<int, TMaterijal*> materijali;
    std::unordered_map<int, TPresek*> preseci;
    std::unordered_map<int, TCvor*> cvorovi;
    std::unordered_set<long long> spojeniParovi;
    // Loads may come before the members they are assigned to: checked when the file has been read.
    struct TDodela {
        int red, idOpterecenja, idStapa;
    };
    std::vector<TDodela> dodele;
};

template <class CitajZapis>
TCitanjeModela::TKraj TCitanjeModela::CitajSekciju(CitajZapis citajZapis) {
    std::string_view red;
    while (c.Sledeci(red)) {
        if (red == "--") return TKraj::Crtice;
        if (red.empty()) return TKraj::Prazan;
        if (red == "-") continue;
        citajZapis(c.Ceo(red));
    }
    return TKraj::Fajl;
}

// The sections after OSTALO hold "kljuc=vrednost" lines; a line of model data that breaks a rule
// is refused by `citajRed` through the reader, which knows the line's number.
template <class CitajRed>
TCitanjeModela::TKraj TCitanjeModela::CitajRedoveKljuceva(CitajRed citajRed) {
    std::string_view red;
    while (c.Sledeci(red)) {
        if (red == "--") return TKraj::Crtice;
        if (red.empty()) return TKraj::Prazan;
        citajRed(red);
    }
    return TKraj::Fajl;
}

void TCitanjeModela::NoviID(TOdeljak o, int id) {
    if (!identifikatori[o].insert(id).second)
        c.Odbij("identifikator " + std::to_string(id) + " se ponavlja u odeljku " + ImeOdeljka(o) + "!!!");
}

void TCitanjeModela::Materijal(int id) {
    NoviID(oMaterijal, id);
    std::string ime = c.Tekst();
    c.Pravilo(GreskaImenaMaterijala(ime));
    const long double e = c.Real();
    c.Pravilo(GreskaModulaElasticnosti(e));
    const long double ni = c.Real();
    c.Pravilo(GreskaPoasonovogKoeficijenta(ni));
    const long double masa = c.Real();
    c.Pravilo(GreskaZapreminskeMase(masa));
    const long double alfa = c.Real();
    c.Pravilo(GreskaAlfaT(alfa));
    novi.nizMaterijala.push_back(std::make_unique<TMaterijal>(id, std::move(ime), e, ni, masa, alfa));
}

void TCitanjeModela::Presek(int id) {
    NoviID(oPresek, id);
    std::string ime = c.Tekst();
    c.Pravilo(GreskaImenaPreseka(ime));
    const long double i = c.Real();
    c.Pravilo(GreskaMomentaInercije(i));
    const long double a = c.Real();
    c.Pravilo(GreskaPovrsine(a));
    const long double h = c.Real();
    c.Pravilo(GreskaVisine(h));
    const long double k = c.Real();
    c.Pravilo(GreskaKoeficijentaOblika(k));
    novi.nizPreseka.push_back(std::make_unique<TPresek>(id, std::move(ime), i, a, h, k));
}

int TCitanjeModela::KodniBroj(int idCvora) {
    const int kod = c.Ceo();
    auto [it, nov] = cvorKodnogBroja.try_emplace(kod, idCvora);
    if (!nov)
        c.Odbij("kodni broj " + std::to_string(kod) + " se ponavlja (vec ga ima cvor " + std::to_string(it->second) +
                ")!!!");
    return kod;
}

void TCitanjeModela::Cvor(int id) {
    NoviID(oCvor, id);
    const long double x = c.Real(), z = c.Real();
    const bool oslX = c.Logicka(), oslZ = c.Logicka(), ukljY = c.Logicka();
    const long double rx = c.Real(), rz = c.Real(), my = c.Real();
    const long double px = c.Real(), pz = c.Real(), mk = c.Real();
    const int bx = KodniBroj(id), bz = KodniBroj(id), by = KodniBroj(id);
    const long double ux = c.Real(), uz = c.Real(), fi = c.Real();
    const long double zx = c.Real(), zz = c.Real(), zf = c.Real();
    novi.nizCvorova.push_back(std::make_unique<TCvor>(id, x, z, oslX, oslZ, ukljY, rx, rz, my, px, pz, mk, bx, bz, by,
                                                      ux, uz, fi, zx, zz, zf));
}

template <class T>
T* Razresi(const std::unordered_map<int, T*>& mapa, int id, const TCitacRedova& c, int idStapa, const char* sta) {
    auto it = mapa.find(id);
    if (it == mapa.end())
        c.Odbij("stap " + std::to_string(idStapa) + " koristi " + sta + " " + std::to_string(id) +
                " koji ne postoji!!!");
    return it->second;
}

template <class T>
std::unordered_map<int, T*> MapaPoID(const std::vector<std::unique_ptr<T>>& lista) {
    std::unordered_map<int, T*> mapa;
    mapa.reserve(lista.size());
    for (const auto& e : lista) mapa.emplace(e->ID(), e.get());
    return mapa;
}

void TCitanjeModela::Stap(int id) {
    NoviID(oStap, id);
    TMaterijal* m = Razresi(materijali, c.Ceo(), c, id, "materijal");
    TPresek* p = Razresi(preseci, c.Ceo(), c, id, "presek");
    TCvor* poc = Razresi(cvorovi, c.Ceo(), c, id, "cvor");
    TCvor* kr = Razresi(cvorovi, c.Ceo(), c, id, "cvor");
    c.Pravilo(GreskaIstihCvorova(poc->ID(), kr->ID()));
    const long long a = std::min(poc->ID(), kr->ID()), b = std::max(poc->ID(), kr->ID());
    if (!spojeniParovi.insert(a * 4294967296LL + b).second) c.Odbij(PorukaStapPrekoStapa);
    const int tip = c.Ceo();
    c.Pravilo(GreskaTipaStapa(tip));
    novi.nizStapova.push_back(std::make_unique<TStap>(id, m, p, poc, kr, tip));
}

void TCitanjeModela::Opterecenje(int id) {
    NoviID(oOpterecenje, id);
    std::string ime = c.Tekst();
    c.Pravilo(GreskaImenaOpterecenja(ime, false));
    const int tip = c.Ceo();
    c.Pravilo(GreskaTipaOpterecenja(tip));
    const int idStapa = c.Ceo();
    dodele.push_back({c.BrojReda(), id, idStapa});
    long double v[14];
    const int prviRed = c.BrojReda() + 1;
    for (long double& x : v) x = c.Real();
    long double polja[4] = {};
    for (int i = 0; i < 4; ++i)
        if (VrednostiVrste[tip][i] >= 0) polja[i] = v[VrednostiVrste[tip][i]];
    int polje = 0;
    if (const char* g = GreskaPozicijaOpterecenja(tip, polja, &polje))
        TCitacRedova::OdbijRed(prviRed + VrednostiVrste[tip][polje], g);
    novi.nizOpterecenja.push_back(std::make_unique<TOpterecenje>(id, std::move(ime), tip, idStapa, v[0], v[1], v[2],
                                                                 v[3], v[4], v[5], v[6], v[7], v[8], v[9], v[10], v[11],
                                                                 v[12], v[13]));
}

void TCitanjeModela::Ostalo() {
    TPodesavanja& p = podesavanja;
    p.vrednostIspredMatricaKrutosti = std::string(c.Obavezan("faktor ispred matrica"));
    p.mnozilacPomeranja = std::string(c.Obavezan("mnozilac pomeranja"));
    for (bool* b : {&p.mrezaGrafika, &p.deformacijaNosaca, &p.prikaziSimbolStapa, &p.prikaziBrojStapa,
                    &p.prikaziOrjentacijuStapa, &p.prikaziOpterecenjeStapa, &p.prikaziSimbolCvora, &p.prikaziBrojCvora,
                    &p.prikaziOslonceCvora, &p.prikaziOpterecenjeCvora, &p.zoomURealnomVremenu})
        *b = c.Logicka();
    p.zoomSve = c.Ceo();
    if (p.zoomSve < -1 || p.zoomSve >= BrojFaktoraZooma) p.zoomSve = -1;
    p.akcijeMisa = c.Ceo();
    if (p.akcijeMisa < 0 || p.akcijeMisa > 3) p.akcijeMisa = 0;
}

// One node's springs and angle; each node has at most one line, and the node must exist.
void TCitanjeModela::Oslonac(std::string_view red, std::unordered_map<int, TCvor*>& bezLinije) {
    TRedOslonaca r;
    if (const std::string g = ProcitajRedOslonaca(red, r); !g.empty()) c.Odbij(g);
    const auto it = bezLinije.find(r.idCvora);
    if (it == bezLinije.end()) {
        const bool postoji = std::any_of(novi.nizCvorova.begin(), novi.nizCvorova.end(),
                                         [&](const auto& cv) { return cv->ID() == r.idCvora; });
        c.Odbij("cvor " + std::to_string(r.idCvora) +
                (postoji ? " se ponavlja u odeljku OSLONCI!!!" : " iz odeljka OSLONCI ne postoji!!!"));
    }
    TCvor& cv = *it->second;
    c.Pravilo(GreskaElasticnogOslonca(cv.OslX(), cv.OslZ(), cv.UkljY(), r.kx, r.kz, r.kfi, r.ugao));
    cv.SetKx(r.kx);
    cv.SetKz(r.kz);
    cv.SetKfi(r.kfi);
    cv.SetUgao(r.ugao);
    bezLinije.erase(it);
}

void TCitanjeModela::ProveriDodeleOpterecenja() const {
    std::unordered_set<int> stapovi;
    for (const auto& s : novi.nizStapova) stapovi.insert(s->ID());
    for (const TDodela& d : dodele)
        if (d.idStapa != -1 && !stapovi.count(d.idStapa))
            TCitacRedova::OdbijRed(d.red, "opterecenje " + std::to_string(d.idOpterecenja) + " je pridruzeno stapu " +
                                              std::to_string(d.idStapa) + ", a taj stap ne postoji!!!");
}

void TCitanjeModela::NijeModel() const {
    std::string poruka =
        "ovo nije fajl modela - nijedan red nije kljucna rec odeljka (MATERIJAL, PRESEK, CVOR, "
        "STAP, OPTERECENJE, OSTALO)";
    // Keywords hidden by line ends of another system deserve a word on why they were not seen.
    size_t i = 0;
    while (i < tekst.size()) {
        const size_t kraj = std::min(tekst.find_first_of("\r\n", i), tekst.size());
        const bool posleCR =
            kraj < tekst.size() && tekst[kraj] == '\r' && (kraj + 1 == tekst.size() || tekst[kraj + 1] != '\n');
        if (posleCR && OdeljakReda(tekst.substr(i, kraj - i)) >= 0) {
            poruka += "; redovi nisu zavrseni sa CR LF nego samo sa CR (ili sa CR CR LF)";
            break;
        }
        i = kraj + 1;
    }
    TCitacRedova::OdbijRed(1, poruka + "!!!");
}

void TCitanjeModela::Citaj() {
    if (KljucnaRecIzaNepoznateOznake(tekst)) NijeModel();
    bool procitan[BrojOdeljaka] = {};
    bool kraj = false;
    std::string_view red;
    while (!kraj && c.Sledeci(red)) {
        if (red.empty()) {
            // An empty line ends the reading; before the settings it means the rest is missing.
            if (std::find(std::begin(procitan), std::end(procitan), true) == std::end(procitan)) NijeModel();
            if (!procitan[oOstalo]) c.Odbij("prazan red pre odeljka OSTALO - model nije potpun!!!");
            break;
        }
        const int o = OdeljakReda(red);
        if (o < 0) continue;  // lines between sections are skipped
        if (procitan[o]) c.Odbij(std::string("odeljak ") + ImeOdeljka(o) + " se javlja drugi put!!!");
        procitan[o] = true;
        TKraj k = TKraj::Crtice;
        switch (o) {
            case oMaterijal: k = CitajSekciju([&](int id) { Materijal(id); }); break;
            case oPresek: k = CitajSekciju([&](int id) { Presek(id); }); break;
            case oCvor: k = CitajSekciju([&](int id) { Cvor(id); }); break;
            case oStap:
                // Members refer to what was read before them, as the writer orders the sections.
                materijali = MapaPoID(novi.nizMaterijala);
                preseci = MapaPoID(novi.nizPreseka);
                cvorovi = MapaPoID(novi.nizCvorova);
                k = CitajSekciju([&](int id) { Stap(id); });
                break;
            case oOpterecenje: k = CitajSekciju([&](int id) { Opterecenje(id); }); break;
            case oOstalo: Ostalo(); break;
            case oPrikaz:
                podesavanja.prikaz = TPrikaz{};
                k = CitajRedoveKljuceva([&](std::string_view r) { ProcitajRedPrikaza(r, podesavanja.prikaz); });
                kraj = k == TKraj::Prazan;
                break;
            case oAnaliza:
                k = CitajRedoveKljuceva([&](std::string_view r) { ProcitajRedAnalize(r, novi.opcijeAnalize); });
                kraj = k == TKraj::Prazan;
                break;
            case oOslonci: {
                auto bezLinije = MapaPoID(novi.nizCvorova);
                k = CitajRedoveKljuceva([&](std::string_view r) { Oslonac(r, bezLinije); });
                kraj = k == TKraj::Prazan;
                break;
            }
            case oStapovi: {
                TCitanjeStapova stapovi(novi);
                k = CitajRedoveKljuceva([&](std::string_view r) {
                    const std::string g = stapovi.Procitaj(r);
                    if (!g.empty()) c.Odbij(g);
                });
                kraj = k == TKraj::Prazan;
                break;
            }
        }
        if (k == TKraj::Fajl)
            TCitacRedova::OdbijRed(c.BrojReda() + 1, std::string("odeljak ") + ImeOdeljka(o) +
                                                         " nije zavrsen redom \"--\" - fajl je prekinut!!!");
    }
    if (std::find(std::begin(procitan), std::end(procitan), true) == std::end(procitan)) NijeModel();
    if (!procitan[oOstalo])
        TCitacRedova::OdbijRed(c.BrojReda() + 1, "fajl se zavrsio pre odeljka OSTALO - fajl je prekinut!!!");
    ProveriDodeleOpterecenja();
}

}  // namespace

void ProcitajModelIzTeksta(std::string_view sadrzaj, TModel& model, TPodesavanja& podesavanja) {
    TModel novi;
    novi.minRastojanjeCvorova = model.minRastojanjeCvorova;
    TPodesavanja novaPodesavanja = podesavanja;
    novaPodesavanja.prikaz = TPrikaz{};  // a file without PRIKAZ has every further option at its default
    TCitanjeModela(sadrzaj, novi, novaPodesavanja).Citaj();
    model = std::move(novi);
    podesavanja = std::move(novaPodesavanja);
}

void ProcitajModel(const std::string& putanja, TModel& model, TPodesavanja& podesavanja) {
    ProcitajModelIzTeksta(ProcitajCeoFajl(putanja, NajvecaVelicinaFajla), model, podesavanja);
}
