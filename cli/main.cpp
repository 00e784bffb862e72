#include <cstring>
#include <iostream>
#include <map>

#include "Komande.h"

int KomandaAnalyze(const Argumenti& a);
int KomandaReport(const Argumenti& a);
int KomandaDiagrams(const Argumenti& a);
int KomandaMatrices(const Argumenti& a);
int KomandaCheckMatrix(const Argumenti& a);
int KomandaInfluence(const Argumenti& a);

#ifdef VELT_RENDER
int KomandaRender(const Argumenti& a);
#define POMOC_RENDER                                                                                 \
    "  render MODEL -o SLIKA.png|.svg|.pdf [--width W] [--height H] [--deformed] [--multiplier M]\n" \
    "         [--factor-index I] [--equal-scale] [--symbols] [--diagram none|N|T|M] [--deflected]\n" \
    "         [--general]\n" \
    "                        nacrta model kao glavni grafik u PNG sliku, SVG ili PDF crtez; kad\n"   \
    "                        analiza za pomeranja ili dijagrame ne uspe, slika je bez njih,\n"       \
    "                        razlog na stderr, status 1\n"
#else
#define POMOC_RENDER ""
#endif

#ifdef VELT_PDF
#define POMOC_PDF " [--pdf IZVESTAJ.pdf]"
#define POMOC_PDF_OPIS "                        --pdf: stranice izvestaja u PDF fajl, kao u programu\n"
#else
#define POMOC_PDF ""
#define POMOC_PDF_OPIS ""
#endif

namespace {

const char* const POMOC =
    "VELT - analiza ravnih nosaca metodom deformacija\n"
    "\n"
    "upotreba: velt-cli KOMANDA [ARGUMENTI]\n"
    "\n"
    "  check MODEL           procita model i ispise broj entiteta i podesavanja\n"
    "  resave ULAZ IZLAZ     procita model i ponovo ga snimi\n"
    "  analyze MODEL [--factor F] [--solver dense|sparse|auto] [--general] [--json [--matrices]]\n"
    "                        [--log]\n"
    "                        analiza: pomeranja, reakcije i sile na krajevima stapova;\n"
    "                        za odbijen model i cvor koji ne prolazi proveru (stderr)\n"
    "                        --solver: tacno resavanje punim matricama (dense), retkim\n"
    "                        matricama za velike modele (sparse) ili izbor po velicini (auto)\n"
    "                        --general: opsta stabilnost (prihvata svaki sistem cija je\n"
    "                        matrica Kss regularna, i konzole)\n"
    "                        --matrices: u JSON-u i sve matrice metode\n"
    "  diagrams MODEL [--json] [--points N] [--factor F] [--general]\n"
    "                        N, T, M, u, w i fi duz svakog stapa u N + 1 tacaka (20) i ekstremi\n"
    "  influence MODEL --quantity N|T|M --member ID --x X | --quantity Rx|Rz|M0|Ux|Uz|Fi --node ID\n"
    "         [--path ID,ID,...] [--points N] [--load-x] [--train \"P1@0,P2@d2,...\"] [--general] [--json]\n"
    "                        uticajna linija velicine za jedinicni teret nadole (--load-x: u -X)\n"
    "                        u N + 1 tacaka (20) po stapu puta; --train: polozaji i vrednosti\n"
    "                        ekstrema voza sila (qQ@a:b raspodeljeni teret od a do b)\n"
    "  report MODEL [--factor F] [--solver dense|sparse|auto] [--general] [--full]" POMOC_PDF
    "\n"
    "                        izvestaj analize (ulazni i izlazni podaci, CR LF)\n"
    "                        --full: i matrice preko granice velicine izvestaja, cele\n" POMOC_PDF_OPIS POMOC_RENDER
    "  matrices MODEL -o FOLDER [--format csv|m|npy|mtx|tex] [--solver dense|sparse|auto]\n"
    "                        sve matrice i vektori metode i matrice svakog stapa, svaka u\n"
    "                        svoj fajl IME.ekstenzija (csv ako format nije dat)\n"
    "  check-matrix MODEL IME FAJL.csv [--tol T] [--solver dense|sparse|auto]\n"
    "                        uporedi matricu iz fajla sa izracunatom (relativna tolerancija\n"
    "                        1e-6) i ispise svaku vrednost koja se razlikuje\n"
    "  --shear-loads         (analyze, diagrams, report) ekvivalentna opterecenja sa uticajem\n"
    "                        smicanja, kao u matricama krutosti (Smicanje u opterecenju)\n"
    "  --help                ova poruka\n"
    "  --version             verzija programa\n"
    "\n"
    "Izlazni status: 0 uspeh, 1 fajl nije moguce procitati ili snimiti,\n"
    "2 model nije prosao provere, 3 greska u proracunu (i labilan sistem),\n"
    "4 check-matrix: neke vrednosti se razlikuju.\n";

}  // namespace

int main(int argc, char** argv) {
    const std::map<std::string, int (*)(const Argumenti&)> komande = {
        {"check", KomandaCheck},
        {"resave", KomandaResave},
        {"analyze", KomandaAnalyze},
        {"report", KomandaReport},
        {"diagrams", KomandaDiagrams},
        {"matrices", KomandaMatrices},
        {"check-matrix", KomandaCheckMatrix},
        {"influence", KomandaInfluence},
#ifdef VELT_RENDER
        {"render", KomandaRender},
#endif
    };
    if (argc < 2 || !std::strcmp(argv[1], "--help") || !std::strcmp(argv[1], "-h")) {
        std::cout << POMOC;
        return argc < 2 ? 64 : 0;
    }
    if (!std::strcmp(argv[1], "--version")) {
        std::cout << "velt-cli " << VELT_VERZIJA << "\n";
        return 0;
    }
    auto it = komande.find(argv[1]);
    if (it == komande.end()) {
        std::cerr << "nepoznata komanda: " << argv[1] << "\n" << POMOC;
        return 64;
    }
    return it->second(Argumenti(argv + 2, argv + argc));
}
