#pragma once
#include <QString>

#include <string>

class TKontekstAnalize;

// The window's export of the method's matrices. The file dialog picks a name; its extension picks
// the format (csv, m, npy, mtx, tex). "All" writes every matrix as <ime>.<ext> into the folder of
// that name. Failures (no results, an unknown extension, an unwritable place) are error boxes;
// success says what was written.
void IzveziSveMatriceIzProzora(TKontekstAnalize& kontekst);
void IzveziMatricuIzProzora(TKontekstAnalize& kontekst, const std::string& ime);

// The name a result grid's matrix is exported by; member grids take the member selected at index
// `indeksStapa` of the list. Empty for grids that hold no matrix of their own.
std::string ImeMatriceGrida(const QString& grid, TKontekstAnalize& kontekst, int indeksStapa);
