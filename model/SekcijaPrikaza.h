#pragma once
#include <string>
#include <string_view>

// Display options beyond the fifteen lines of OSTALO: force diagrams, the deflected line, equal
// scale, engineering symbols and the diagram scale that follows the view. They travel in the section PRIKAZ, written
// after OSTALO and only when some option differs from its default, so files that never used them stay byte for byte as
// before. Each line is "kljuc=vrednost" and the section ends with "--": a reader that does not know
// the section skips these lines as unknown lines between sections.
struct TPrikaz {
    enum Dijagram { Bez = 0, N = 1, T = 2, M = 3 };
    int dijagram = Bez;                   // "Dijagrami": bez / N / T / M
    bool linijaDeformacije = false;       // "linija deformacije": exact deflected line
    std::string mnozilacDijagrama = "1";  // multiplier of the automatic diagram scale, as typed
    bool jednakaRazmera = false;          // "jednaka razmera"
    bool simboli = false;                 // "simboli"
    // "prilagodi razmeru prikazu": the automatic scale of diagrams and of the deflected line is set
    // for the visible part of the view, so a zoomed member's diagram stays legible.
    bool prilagodiRazmeru = true;

    bool Podrazumevan() const { return *this == TPrikaz{}; }
    bool operator==(const TPrikaz&) const = default;
};

inline constexpr const char* KljucnaRecPrikaza = "PRIKAZ";

// The section's lines without line ends, the keyword first and "--" last; empty for the defaults.
// The scale that follows the view is on by default and written only when it is off, so a file
// saved before the option existed and saved again is the same file.
std::string RedoviPrikaza(const TPrikaz& p, std::string_view krajReda);

// Takes one "kljuc=vrednost" line of the section into `p`. Unknown keys and values that do not
// parse are ignored (the option keeps its value): display options never make a model unreadable.
void ProcitajRedPrikaza(std::string_view red, TPrikaz& p);

// "bez", "N", "T", "M" and back; -1 for a text that is none of them.
const char* ImeDijagrama(int dijagram);
int DijagramIzImena(std::string_view ime);
