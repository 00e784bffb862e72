#pragma once

struct TModel;
struct TStanjeAnalize;

// The analysis computes in 64-bit reals; a value that is not finite there is no result. These
// checks end a run through the pipeline's error path instead of showing NAN or INF as a success.

// The node loads and prescribed displacements as the analysis will use them, like the member
// matrices: throws TGreska "Podaci cvora broj N daju neodredjene vrednosti u proracunu!!!".
void ProveriPodatkeCvorova(const TModel& model);

// After the solution: the load vectors, the displacements, the reactions and every member's end
// forces. On failure the results are cleared (so nothing that is not a number is shown or saved
// in the nodes) and TGreska names what went wrong.
void ProveriRezultate(TModel& model, TStanjeAnalize& stanje);
