#pragma once
#include <string>
#include <string_view>

// Options that change how the model is analysed, not how it is shown: they belong to the model and
// travel with it into a run. They are stored in the section ANALIZA, written after OSTALO and
// PRIKAZ only when some option differs from its default, so files that never used them stay byte
// for byte as they were. Each line is "kljuc=vrednost", the section ends with "--".
struct TOpcijeAnalize {
    // The structure is accepted when its stiffness matrix is regular, instead of by the rules for
    // supports and member types; free ends and cantilevers then have their own unknowns.
    bool opstaStabilnost = false;
    // The equivalent loads take the shear deformation into account as the stiffness does.
    bool smicanjeUOpterecenju = false;

    bool Podrazumevane() const { return *this == TOpcijeAnalize{}; }
    bool operator==(const TOpcijeAnalize&) const = default;
};

inline constexpr const char* KljucnaRecAnalize = "ANALIZA";

// The section's lines without line ends, the keyword first and "--" last; empty for the defaults.
std::string RedoviAnalize(const TOpcijeAnalize& o, std::string_view krajReda);

// Takes one "kljuc=vrednost" line into `o`. Unknown keys and values other than 0 and 1 are ignored
// (the option keeps its value): an option a newer program wrote never makes a model unreadable.
void ProcitajRedAnalize(std::string_view red, TOpcijeAnalize& o);

// Splits "kljuc=vrednost" around the first '=', trimming blanks; false when there is no '='.
bool RazdvojiKljucIVrednost(std::string_view red, std::string_view& kljuc, std::string_view& vrednost);
