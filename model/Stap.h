#pragma once
#include "Cvor.h"
#include "Materijal.h"
#include "Presek.h"
#include "TipoviStapa.h"

// A member between two nodes. It refers to its material, section and nodes without owning them;
// the model's lists own those objects and refuse to delete any that a member uses. What the
// analysis computes from a member (its matrices and load vectors) lives with the analysis.
class TStap {
public:
    TStap(int ID, TMaterijal* Materijal, TPresek* Presek, TCvor* PocCvor, TCvor* KrCvor, int Tip)
        : IDStapa(ID),
          MaterijalStapa(Materijal),
          PresekStapa(Presek),
          PocetniCvorStapa(PocCvor),
          KrajnjiCvorStapa(KrCvor),
          TipStapaUKlasi(Tip) {}

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
    // Rotational springs between the node and the member's start and end (0: none, the end is as
    // its type says). Only a rigid end of the type can have one.
    long double OprugaPocetka() const { return opruga[0]; }
    long double OprugaKraja() const { return opruga[1]; }
    long double Opruga(bool naPocetku) const { return opruga[naPocetku ? 0 : 1]; }
    void SetOpruga(bool naPocetku, long double v) { opruga[naPocetku ? 0 : 1] = v; }
    bool ImaOpruge() const { return opruga[0] > 0 || opruga[1] > 0; }

private:
    int IDStapa;
    TMaterijal* MaterijalStapa;
    TPresek* PresekStapa;
    TCvor* PocetniCvorStapa;
    TCvor* KrajnjiCvorStapa;
    int TipStapaUKlasi;
    long double opruga[2] = {0, 0};
};
