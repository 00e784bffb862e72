#pragma once
// The free motion of an unstable structure: a null vector of Kss found on its own, from Kss as the
// run formed it, whichever form holds it and whatever rule the factorisation used for its verdict.
#include <optional>
#include <string>
#include <vector>

class TIzvorMatrice;
struct TModel;

// How one node moves in the mode; rotation only where the node has one among the unknowns.
struct TPomeranjeCvoraMehanizma {
    int idCvora = -1;
    double ux = 0, uz = 0, fiy = 0;
};

struct TMehanizam {
    // The mode over the positions of the s list, scaled so that its largest displacement (or,
    // without any, its largest rotation) is 1.
    std::vector<double> oblik;
    // Every node that moves, in list order.
    std::vector<TPomeranjeCvoraMehanizma> cvorovi;
    // "cvor 3 pomeranje X, cvor 4 obrtanje": the directions that take part noticeably.
    std::string opis;
    // The line for the log, the status line and stderr: "labilno: " and the description.
    std::string Linija() const { return "labilno: " + opis; }
};

// A vector y with Kss y = 0 to round-off, by inverse iteration on Kss scaled to a unit diagonal
// and shifted slightly; empty when Kss has no such direction that can be told from round-off
// (a regular but badly conditioned matrix).
std::optional<std::vector<double>> NultiVektor(const TIzvorMatrice& Kss);

// The mode named by nodes and directions; `s` is the run's s list, `y` a null vector over it.
TMehanizam OpisiMehanizam(const TModel& model, const std::vector<int>& s, const std::vector<double>& y,
                          const TIzvorMatrice& Kss);

// Both steps; empty when no free direction can be told.
std::optional<TMehanizam> NadjiMehanizam(const TModel& model, const std::vector<int>& s, const TIzvorMatrice& Kss);
