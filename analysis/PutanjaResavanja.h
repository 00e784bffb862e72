#pragma once
#include <optional>
#include <string>

// Which form the analysis takes: the exact dense path (every matrix dense, Kss inverted), or the
// sparse path of large models (K and its blocks sparse, Kss factored, its inverse not formed).
enum class TPutanjaResavanja { Gusta, Retka, Automatska };

// Up to this many unknowns the automatic choice keeps the exact dense path: its matrices are what a
// person inspects, and it still runs in a few seconds.
inline constexpr int NajviseNepoznatihGustePutanje = 3000;

// The one place where the path is chosen. Gusta and Retka are taken as asked; Automatska takes the
// dense path while n_s is at most NajviseNepoznatihGustePutanje and the dense matrices (K, its
// blocks and the inverse: about three n x n) fit in half of the machine's memory, else the sparse.
TPutanjaResavanja IzaberiPutanju(TPutanjaResavanja zahtev, int n_s, int n);

class TOblikSistema;

// The form that carries out a path that IzaberiPutanju gave (Automatska is not one: it takes the
// dense form).
const TOblikSistema& OblikSistema(TPutanjaResavanja putanja);

// "dense", "sparse", "auto" (the command-line names); nullopt for anything else.
std::optional<TPutanjaResavanja> ParsirajPutanju(const std::string& ime);
