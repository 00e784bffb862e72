#pragma once
#include "ResavacKss.h"

// The form of large models: K and its blocks sparse, Kss factored as LDL^T, its inverse read
// column by column on demand.
const TOblikSistema& RetkiOblik();
