#pragma once
#include "Cvor.h"
#include "Materijal.h"
#include "Presek.h"

class TMatrix;
class TOpterecenje;

// Member type codes, the item index of the member-type list.
enum TTipStapa : int { tsK = 0, tsIG = 1, tsGK = 2, tsProst = 3 };

// A member between two nodes. It refers to its material, section and nodes without owning them;
// the model's lists own those objects and refuse to delete any that a member uses.
class TStap {
public:
    TStap(int ID, TMaterijal* Materijal, TPresek* Presek, TCvor* PocCvor, TCvor* KrCvor, int Tip)
        : IDStapa(ID), MaterijalStapa(Materijal), PresekStapa(Presek), PocetniCvorStapa(PocCvor),
          KrajnjiCvorStapa(KrCvor), TipStapaUKlasi(Tip) {}

    int ID() const { return IDStapa; }
    void SetID(int v) { IDStapa = v; }
    TMaterijal* Materijal() const { return MaterijalStapa; }
    void SetMaterijal(TMaterijal* v) { MaterijalStapa = v; }
    TPresek* Presek() const { return PresekStapa; }
    void SetPresek(TPresek* v) { PresekStapa = v; }
    TCvor* PocetniCvor() const { return PocetniCvorStapa; }
    void SetPocetniCvor(TCvor* v) { PocetniCvorStapa = v; }
    TCvor* KrajnjiCvor() const { return KrajnjiCvorStapa; }
    void SetKrajnjiCvor(TCvor* v) { KrajnjiCvorStapa = v; }
    int TipStapa() const { return TipStapaUKlasi; }
    void SetTipStapa(int v) { TipStapaUKlasi = v; }

    // Computed afresh from the current node, material and section data on every call; each
    // returned matrix belongs to the caller. Defined by the analysis library.
    TMatrix MatricaKrutostiLKS() const;
    long double DuzinaStapa() const;
    long double Fi() const;
    TMatrix MatricaTransformacije() const;
    TMatrix MatricaKrutostiGKS() const;
    TMatrix GetVektorQLKS(const TOpterecenje& opterecenje) const;
    TMatrix GetVektorQGKS(const TOpterecenje& opterecenje) const;

private:
    int IDStapa;
    TMaterijal* MaterijalStapa;
    TPresek* PresekStapa;
    TCvor* PocetniCvorStapa;
    TCvor* KrajnjiCvorStapa;
    int TipStapaUKlasi;
};
