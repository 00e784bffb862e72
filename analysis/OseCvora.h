#pragma once
// A node's own axes: turned by its support angle counter-clockwise from X and Z. The unknowns of
// such a node, its part of K and of the load vectors are in those axes; what the user reads about
// the node (displacements, reactions) is turned back to X and Z.
#include "Matrix.h"

class TCvor;
struct TModel;

// cos and sin of the node's angle; exactly (1, 0) for a node without one.
struct TOseCvora {
    double c = 1.0, s = 0.0;
};
TOseCvora OseCvora(const TCvor& cvor);

// Components along X and Z turned into the node's axes, and back.
void UOseCvora(const TOseCvora& o, double x, double z, double& xc, double& zc);
void UGlobalneOse(const TOseCvora& o, double xc, double zc, double& x, double& z);

// The node's 3 x 3 transformation, rows the node's axes (x, z, rotation), columns X, Z, rotation.
TMatrix MatricaTransformacijeCvora(const TCvor& cvor);

// Whether some node of the model has a spring or a turned support.
bool ImaElasticnihIliKosihOslonaca(const TModel& model);

// The node's reactions along its own axes: Rx and Rz as they are for a node without an angle.
struct TReakcijaCvora {
    long double x, z;
};
TReakcijaCvora ReakcijaUOsamaCvora(const TCvor& cvor);
