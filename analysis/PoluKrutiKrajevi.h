#pragma once
// A member whose ends are rigid, hinged or joined to their nodes through rotational springs, as
// one exact condensation of the member rigid at both ends: the rotation of a hinged end and the
// member's own rotation behind a spring are condensed out, so every matrix keeps the rows of the
// member type (a spring end keeps the node's rotation). The springs act in series with the member:
// k -> infinity gives the rigid end back, k -> 0 the hinged one.
#include <array>

#include "Matrix.h"

class TStap;

// Order of the member rigid at both ends: u1, w1, fi1, u2, w2, fi2 (0-based here).
using TMatrica6 = std::array<std::array<long double, 6>, 6>;
using TVektor6 = std::array<long double, 6>;

// The stiffness of the member rigid at both ends with shear parameter fi (0: bending only).
TMatrica6 KrutostUklestenog(const TStap& stap, long double fi);

// The member's local stiffness in its type's order with its hinges and springs condensed out; the
// bending part is built with shear parameter fi. A 1 x 1 zero matrix for an unknown type.
TMatrix KondenzovanaKrutost(const TStap& stap, long double fi);

// The equivalent loads Q6 of the member rigid at both ends carried over to its type and springs,
// condensed with the stiffness of shear parameter fi.
TMatrix KondenzovanoOpterecenje(const TStap& stap, const TVektor6& Q6, long double fi);
