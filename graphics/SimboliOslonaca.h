#pragma once
// Support, hinge and prescribed-displacement figures of the engineering drawing.
#include <vector>

#include "PlotChart.h"

// What a node's three restraints make of it.
enum class TVrstaOslonca {
    Nema,
    Nepokretan,    // X and Z held: pinned
    KliziPoX,      // Z held only: roller running along X
    KliziPoZ,      // X held only: roller running along Z
    Ukljesten,     // all three held: clamp
    VodjenPoX,     // Z and rotation held: guided clamp running along X
    VodjenPoZ,     // X and rotation held: guided clamp running along Z
    SamoObrtanje,  // rotation held only
};
TVrstaOslonca VrstaOslonca(bool oslX, bool oslZ, bool ukljY);

// The figure of a support at world (x, z). (kaX, kaZ) is the unit world direction in which the
// structure leaves the node (the mean of its members; (0, 1) without members): a clamp's bar is
// drawn across it, and the ground of the other supports on the side away from it.
// (cosA, sinA) turns the held directions with the node's axes (counter-clockwise from X and Z): a
// roller on an inclined plane.
std::vector<TOblik> SimbolOslonca(TVrstaOslonca v, double x, double z, double kaX, double kaZ, double cosA = 1,
                                  double sinA = 0);

// Springs at a node: a zig-zag with its ground along the node's x (kx) and z (kz) axes, on the side
// away from the structure, and a coil around the node for a rotational spring (kfi).
std::vector<TOblik> SimboliOpruga(bool kx, bool kz, bool kfi, double x, double z, double kaX, double kaZ, double cosA,
                                  double sinA);

// An open circle with a white fill at a hinged member end (x, z); (kaX, kaZ) points from the end
// into the member.
inline constexpr float PoluprecnikZgloba = 4.5f;
TOblik SimbolZgloba(double x, double z, double kaX, double kaZ);
// The same circle centred on a node where every member is hinged.
TOblik SimbolZglobaUCvoru(double x, double z);
// A small spiral just past the node, toward (kaX, kaZ): the rotational spring of a member end.
TOblik SimbolOpruge(double x, double z, double kaX, double kaZ);

// A small open-headed arrow beside a support for a prescribed displacement along X (smer 0), along
// Z (smer 1) or a rotation (smer 2), pointing the way of the value's sign. Returns the figure and
// sets the label anchor (pixel offset from the node, in the frame of world X).
std::vector<TOblik> SimbolZadatogPomeranja(int smer, long double vrednost, double x, double z, TTackaOblika& sidro);

inline constexpr TColor BojaZadatogPomeranja = 0x007000;
