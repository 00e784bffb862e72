#pragma once
// How the large dense operations run on this machine: which table of inner loops and how many
// threads. The choice never changes a result, only the time it takes.
#include <functional>

#include "MatrixJezgro.h"

namespace matrica_jezgro {

struct TRacun {
    const TJezgro* jezgro;
    int niti;  // at least 1
};

// The current choice: the one set through TMatrix::PodesiRacunanje, else the environment
// (VELT_MATRICA_KOD = prenosivi | avx2, VELT_MATRICA_NITI = a count), else the fastest the
// processor allows on all its cores.
TRacun TrenutniRacun();

// Runs posao(t) for t = 0 .. niti-1, t = 0 on the calling thread, and returns when all are done.
// A thread that cannot be started leaves its share to the calling thread, so the work is always
// complete; the shares must not depend on running at the same time. Only the calling thread's
// share may throw; its exception comes out after the other threads have ended.
void Paralelno(int niti, const std::function<void(int)>& posao);

}  // namespace matrica_jezgro
