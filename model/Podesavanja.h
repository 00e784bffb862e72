#pragma once
#include <string>

#include "SekcijaPrikaza.h"

// The display settings that travel in the model file's OSTALO section, in file-line order, and
// the further display options of its PRIKAZ section.
// The two edit texts are kept exactly as read; the writer replaces invalid ones (see ModelFajl).
struct TPodesavanja {
    std::string vrednostIspredMatricaKrutosti = "1.0";  // EditVrednostIspredMatricaKrutosti
    std::string mnozilacPomeranja = "100";              // EditMnozilacPomeranja
    bool mrezaGrafika = true;                           // "mreza"
    bool deformacijaNosaca = false;                     // "pomeranja"
    bool prikaziSimbolStapa = true;
    bool prikaziBrojStapa = true;
    bool prikaziOrjentacijuStapa = true;
    bool prikaziOpterecenjeStapa = false;
    bool prikaziSimbolCvora = true;
    bool prikaziBrojCvora = true;
    bool prikaziOslonceCvora = true;
    bool prikaziOpterecenjeCvora = false;
    bool zoomURealnomVremenu = true;
    int zoomSve = 4;  // index into the zoom-factor list, -1 = nothing selected
    // 0 "Pan", 1 "Zoom", 2 "Klik na cvor ili sredinu stapa", 3 "Crtanje". A reader that knows only
    // the first three reads 3 as "Pan", so the file stays readable everywhere.
    int akcijeMisa = 0;
    TPrikaz prikaz;  // the PRIKAZ section; not one of the fifteen OSTALO lines

    bool operator==(const TPodesavanja&) const = default;
};

// The zoom-factor list of the "Grafik" page; item i has the factor FaktoriZooma[i].
inline constexpr int BrojFaktoraZooma = 14;
inline constexpr const char* TekstoviFaktoraZooma[BrojFaktoraZooma] = {
    "0.2", "0.4", "0.6", "0.8", "1.0", "1.2", "1.4", "1.6", "1.8", "2.0", "3.0", "4.0", "5.0", "10.0"};
inline constexpr double FaktoriZooma[BrojFaktoraZooma] = {0.2, 0.4, 0.6, 0.8, 1.0, 1.2, 1.4,
                                                          1.6, 1.8, 2.0, 3.0, 4.0, 5.0, 10.0};

// Groups of settings that their listeners treat alike, as bits of TIzmena::podesavanja.
enum TDeoPodesavanja : unsigned {
    dpFaktor = 1u << 0,      // the factor in front of the matrices
    dpMnozilac = 1u << 1,    // the displacement and diagram multipliers, applied on demand
    dpMreza = 1u << 2,       // the plot grid
    dpCrtez = 1u << 3,       // what the plot draws: symbols, numbers, loads, deformation, PRIKAZ
    dpZoom = 1u << 4,        // the zoom factor and "zoom u realnom vremenu"
    dpAkcijaMisa = 1u << 5,  // the mouse action
    // "prilagodi razmeru prikazu": the drawing made again for the view shown, which stays
    dpRazmeraPrikaza = 1u << 6,
};

// Which groups differ between two settings; 0 when they are equal.
inline unsigned RazlikaPodesavanja(const TPodesavanja& a, const TPodesavanja& b) {
    unsigned d = 0;
    if (a.vrednostIspredMatricaKrutosti != b.vrednostIspredMatricaKrutosti) d |= dpFaktor;
    if (a.mnozilacPomeranja != b.mnozilacPomeranja || a.prikaz.mnozilacDijagrama != b.prikaz.mnozilacDijagrama)
        d |= dpMnozilac;
    TPrikaz prikazB = b.prikaz;
    prikazB.mnozilacDijagrama = a.prikaz.mnozilacDijagrama;
    if (a.prikaz.prilagodiRazmeru != b.prikaz.prilagodiRazmeru) d |= dpRazmeraPrikaza;
    prikazB.prilagodiRazmeru = a.prikaz.prilagodiRazmeru;
    if (a.mrezaGrafika != b.mrezaGrafika) d |= dpMreza;
    if (a.deformacijaNosaca != b.deformacijaNosaca || a.prikaziSimbolStapa != b.prikaziSimbolStapa ||
        a.prikaziBrojStapa != b.prikaziBrojStapa || a.prikaziOrjentacijuStapa != b.prikaziOrjentacijuStapa ||
        a.prikaziOpterecenjeStapa != b.prikaziOpterecenjeStapa || a.prikaziSimbolCvora != b.prikaziSimbolCvora ||
        a.prikaziBrojCvora != b.prikaziBrojCvora || a.prikaziOslonceCvora != b.prikaziOslonceCvora ||
        a.prikaziOpterecenjeCvora != b.prikaziOpterecenjeCvora || !(a.prikaz == prikazB))
        d |= dpCrtez;
    if (a.zoomURealnomVremenu != b.zoomURealnomVremenu || a.zoomSve != b.zoomSve) d |= dpZoom;
    if (a.akcijeMisa != b.akcijeMisa) d |= dpAkcijaMisa;
    return d;
}
