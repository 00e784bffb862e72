#pragma once
#include <string>
#include <vector>

#include "FormatiIzvoza.h"

// Writes each matrix to `folder`/<ime>.<ext>, creating the folder when it is missing; returns the
// paths written. Throws TGreska with the path when the folder cannot be made or a file cannot be
// written; a file is written whole to a temporary name first, so a failure leaves no torn file.
std::vector<std::string> IzveziMatrice(const std::vector<TImenovanaMatrica>& matrice, const std::string& folder,
                                       TFormatIzvoza f);

// One matrix to the file `put`, the same way.
void IzveziMatricu(const TImenovanaMatrica& m, const std::string& put, TFormatIzvoza f);
