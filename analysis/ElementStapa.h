#pragma once
// What a member gives the direct stiffness method: its length, shear parameter, transformation and
// stiffness matrices and the equivalent nodal loads of a load it carries. Each is computed afresh
// from the current node, material and section data on every call (a member caches nothing), and
// every returned matrix belongs to the caller. Rows follow the member type's local order.
#include "Matrix.h"

class TStap;
class TOpterecenje;

long double DuzinaStapa(const TStap& stap);
long double Fi(const TStap& stap);
TMatrix MatricaTransformacije(const TStap& stap);
TMatrix MatricaKrutostiLKS(const TStap& stap);
TMatrix MatricaKrutostiGKS(const TStap& stap);
// `smicanje`: the loads take the shear deformation into account as the stiffness does (the model's
// analysis option); otherwise they are computed for bending alone.
TMatrix GetVektorQLKS(const TStap& stap, const TOpterecenje& opterecenje, bool smicanje = false);
TMatrix GetVektorQGKS(const TStap& stap, const TOpterecenje& opterecenje, bool smicanje = false);
