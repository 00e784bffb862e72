#pragma once
// Placing labels so that they stay clear of each other and of what is already drawn. Plain logic
// in pixel coordinates (rows grow downwards), so the plot, an export and a test all share it.
#include <cstddef>
#include <cstdint>
#include <unordered_map>
#include <vector>

struct TOkvir {
    double levo = 0, gore = 0, desno = 0, dole = 0;
    double Sirina() const { return desno - levo; }
    double Visina() const { return dole - gore; }
};

// Boxes that only touch along an edge do not overlap.
bool Preklapaju(const TOkvir& a, const TOkvir& b);

struct TDuz {
    double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// True when some part of the segment lies strictly inside the box.
bool DuzSeceOkvir(const TDuz& d, const TOkvir& o);

// What is already on the drawing: boxes (symbols, marks, placed labels) and segments (lines,
// arrows). Kept in a grid of square cells so a check looks only at its own neighbourhood.
class TZauzeto {
public:
    explicit TZauzeto(double velicinaCelije = 32.0);
    // Only what can touch a box inside `o` is kept from then on: labels are placed inside the
    // visible area, so what lies wholly outside it can never stand in their way.
    void SamoUnutar(const TOkvir& o) {
        podrucje = o;
        ograniceno = true;
    }
    void Dodaj(const TOkvir& o);
    void Dodaj(const TDuz& d);
    bool Slobodno(const TOkvir& o) const;
    size_t BrojOkvira() const { return okviri.size(); }

private:
    std::int64_t Kljuc(long ix, long iy) const { return (std::int64_t(ix) << 32) ^ std::uint32_t(iy); }
    long Celija(double v) const;
    bool Izvan(double levo, double gore, double desno, double dole) const {
        return ograniceno &&
               (desno < podrucje.levo || levo > podrucje.desno || dole < podrucje.gore || gore > podrucje.dole);
    }
    void UCelije(const TOkvir& o, std::uint32_t oznaka);

    double celija;
    TOkvir podrucje;
    bool ograniceno = false;
    std::vector<TOkvir> okviri;
    std::vector<TDuz> duzi;
    // Cell -> entries; an entry with the top bit set is a segment.
    std::unordered_map<std::int64_t, std::vector<std::uint32_t>> celije;
    mutable std::vector<std::uint32_t> vidjeno;
    mutable std::uint32_t prolaz = 0;
};

// The side of the cells for a drawing of `stavki` items over `povrsina`: the usual 32 pixels, down
// to 8 where the drawing is so dense that a cell would hold hundreds of segments for every check.
double VelicinaCelije(size_t stavki, const TOkvir& povrsina);

// Whether `oznaka` labels anchored inside `povrsina` can still be read: not when there are so many
// that even the smallest label each could not have its own spot, and the area would be one blot.
inline constexpr double NajmanjaPovrsOznake = 150;  // square pixels: one digit with its air
bool OznakeCitljive(size_t oznaka, const TOkvir& povrsina);

// One label to place: its anchor (the point it names), the size of its box, and the gap kept
// between the anchor and the box.
struct TOznakaZaRaspored {
    double x = 0, y = 0;
    double sirina = 0, visina = 0;
    double razmak = 4;
};

struct TPostavljenaOznaka {
    size_t indeks = 0;  // position in the list given to RasporediOznake
    TOkvir okvir;
};

// The box of candidate `k` (0 .. BrojPolozaja - 1) around the anchor: right above first, as a
// label beside a point is usually read, then left above, right below, left below, above, below,
// right, left; then the same eight once more a little further out, past a symbol that crowds the
// anchor.
inline constexpr int BrojPolozaja = 16;
inline constexpr double DaljiPrsten = 10;  // pixels added to the gap for the outer eight
TOkvir PolozajOznake(const TOznakaZaRaspored& o, int k);

// Whether some candidate of the label can lie inside `granice`; false for an anchor that is not
// finite. The wider the label, the more anchors pass.
bool MozeUGranice(const TOznakaZaRaspored& o, const TOkvir& granice);

// Places the labels in list order (earlier ones win a contested spot): each takes the first
// candidate that lies inside `granice` and is free in `zauzeto`; a label without one is left out.
// Every placed box is added to `zauzeto`, so no two returned boxes overlap.
std::vector<TPostavljenaOznaka> RasporediOznake(const std::vector<TOznakaZaRaspored>& oznake, TZauzeto& zauzeto,
                                                const TOkvir& granice);
