#pragma once
#include "Model.h"

// A regular rigid frame of `raspona` bays and `spratova` storeys (bay 6, storey 3.5), clamped at
// the ground, with a uniform load on every beam and a horizontal force at each storey on the left.
// It has (raspona + 1) * (spratova + 1) nodes.
TModel GenerisiRam(int raspona, int spratova);

// The frame with about `cvorova` nodes: a near-square grid of bays and storeys.
TModel GenerisiRamSaCvorova(int cvorova);
