#pragma once
// Equivalent nodal loads of every load kind on the member rigid at both ends, from the exact
// deflected lines of its unit end displacements (the reciprocal theorem): a force works on the
// line's deflection, a couple on its section rotation, a distributed load on the deflection
// integrated over its extent. With shear parameter fi = 0 these are the bending-only lines; with
// the member's own fi they are those of the beam with shear deformation, consistent with the
// stiffness. The member's type and springs are applied afterwards by condensation.
#include <optional>

#include "PoluKrutiKrajevi.h"

class TOpterecenje;

// The load along the member's local axes that its own weight gives: qy across, px along, per unit
// of member length.
struct TSopstvenaTezina {
    long double qy, px;
};
TSopstvenaTezina KomponenteTezine(const TStap& stap, const TOpterecenje& opterecenje);

// Q in the order u1, w1, fi1, u2, w2, fi2; none for an unknown kind.
std::optional<TVektor6> OpterecenjeUklestenog(const TStap& stap, const TOpterecenje& opterecenje, long double fi);
