#pragma once
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "IzvorMatrice.h"
#include "PresudaSistema.h"

struct TModel;

// Message of the run refused because Kss cannot be inverted.
inline constexpr const char* PorukaLabilanSistem = "Sistem je labilan - matrica Kss je singularna!!!";


// How a factorisation talks to the run: whether to go on, and how far it is (the step's name and
// the per cent of the whole run, -1 when not known).
struct TTokResavanja {
    std::function<bool()> radi = [] { return true; };
    std::function<void(const std::string&, int)> napredak = [](const std::string&, int) {};
};

// Kss factored once, whichever way: solves, inverse columns and what a view shows of it.
// Vectors and right-hand sides are TMatrix columns of n_s rows (the 1-sized zero when n_s is 0).
class TResavacKss {
public:
    virtual ~TResavacKss() = default;

    // n_s, the order of Kss (0 when every displacement is supported).
    virtual int Red() const = 0;
    // Entries the factorisation keeps: those of the formed inverse, or of the factor.
    virtual std::int64_t BrojNenultih() const = 0;
    virtual bool InverzFormiran() const = 0;
    // The verdict that let Kss through (the one both paths give for the same Kss).
    virtual const TPresudaSistema& Presuda() const = 0;

    // X := Kss^-1 B, every column of B with the one factorisation.
    virtual TMatrix Resi(const TMatrix& B) const = 0;
    // Kss^-1 Kso qo, the part of qs due to the support displacements before its sign change. Each
    // form takes the order of products it is exact or cheap in: the formed inverse multiplies
    // Kss^-1 Kso first, as the method writes it; a factor solves once for Kso qo.
    virtual TMatrix ResiOslonce(const TIzvorMatrice& Kso, const TMatrix& qo) const = 0;
    // Column c of Kss^-1.
    virtual std::vector<double> KolonaInverza(int c) const = 0;
    // Kss^-1 as a source: the formed inverse, or its columns solved when read. Null when there is
    // nothing to show.
    virtual std::shared_ptr<const TIzvorMatrice> Inverz() const = 0;
};

// One form of the analysis: how K is held and how Kss is factored. The dense form keeps every
// matrix dense and inverts Kss exactly; the sparse one keeps K and its blocks sparse and factors Kss.
// The form for a path is chosen in one place, OblikSistema (PutanjaResavanja.h).
class TOblikSistema {
public:
    virtual ~TOblikSistema() = default;

    // K over the positions `sve` (the s list, then the o list; n_s of them unknown), both
    // triangles. `napredak` gets the number of members done now and then; false there stops the
    // assembly, which then gives null.
    virtual std::shared_ptr<const TIzvorMatrice> SklopiK(const TModel& model, const std::vector<int>& sve, int n_s,
                                                         const std::function<bool(size_t)>& napredak) const = 0;

    // Kss (of n_s unknowns) factored. Null when `tok.radi` turned false meanwhile. Throws
    // TGreskaLabilnogSistema (PorukaLabilanSistem) when the verdict finds Kss singular, before the
    // costly part of the work.
    virtual std::unique_ptr<TResavacKss> Faktorisi(const std::shared_ptr<const TIzvorMatrice>& Kss, int n_s,
                                                   const TTokResavanja& tok) const = 0;
};
