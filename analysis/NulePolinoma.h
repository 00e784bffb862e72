#pragma once
// Real roots of polynomials inside an interval, for the extremes of the exact member diagrams.
#include <vector>

// Roots of c0 + c1 x + c2 x^2 + c3 x^3 inside (0, h).
std::vector<long double> NuleKubne(const long double c[4], long double h);

// Roots inside (0, h) of a polynomial of any degree (coefficients from the constant term up).
std::vector<long double> NulePolinoma(const std::vector<long double>& c, long double h);
