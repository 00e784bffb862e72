#pragma once
#include <string>

#include "SekcijaPrikaza.h"

// The display settings that travel in the model file's OSTALO section, in file-line order, and
// the further display options of its PRIKAZ section.
// The two edit texts are kept exactly as read; the writer replaces invalid ones (see ModelFajl).
struct TPodesavanja {
    std::string vrednostIspredMatricaKrutosti = "1.0";  // EditVrednostIspredMatricaKrutosti
    std::string mnozilacPomeranja = "100";               // EditMnozilacPomeranja
    bool mrezaGrafika = true;                            // "mreza"
    bool deformacijaNosaca = false;                      // "pomeranja"
    bool prikaziSimbolStapa = true;
    bool prikaziBrojStapa = true;
    bool prikaziOrjentacijuStapa = true;
    bool prikaziOpterecenjeStapa = false;
    bool prikaziSimbolCvora = true;
    bool prikaziBrojCvora = true;
    bool prikaziOslonceCvora = true;
    bool prikaziOpterecenjeCvora = false;
    bool zoomURealnomVremenu = true;
    int zoomSve = 4;      // index into the zoom-factor list, -1 = nothing selected
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
