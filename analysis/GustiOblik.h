#pragma once
#include "ResavacKss.h"

// The exact dense form: every matrix a TMatrix, Kss inverted exactly and the inverse kept.
const TOblikSistema& GustiOblik();
