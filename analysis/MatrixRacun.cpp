#include "MatrixRacun.h"

#include <algorithm>
#include <atomic>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <system_error>
#include <thread>
#include <vector>

#include "Matrix.h"

namespace matrica_jezgro {
namespace {

constexpr int NajviseNiti = 64;

std::atomic<int> izabraniKod{static_cast<int>(TKodMatrice::Podrazumevani)};
std::atomic<int> izabraneNiti{0};

bool ProcesorImaAvx2() {
#ifdef VELT_AVX2
    return __builtin_cpu_supports("avx2");
#else
    return false;
#endif
}

TKodMatrice KodIzOkruzenja() {
    const char* v = std::getenv("VELT_MATRICA_KOD");
    if (v && std::strcmp(v, "prenosivi") == 0) return TKodMatrice::Prenosivi;
    if (v && std::strcmp(v, "avx2") == 0) return TKodMatrice::Avx2;
    return TKodMatrice::Podrazumevani;
}

int NitiIzOkruzenja() {
    const char* v = std::getenv("VELT_MATRICA_NITI");
    return v ? std::atoi(v) : 0;
}

}  // namespace

TRacun TrenutniRacun() {
    static const TKodMatrice kodOkruzenja = KodIzOkruzenja();
    static const int nitiOkruzenja = NitiIzOkruzenja();
    static const bool avx2 = ProcesorImaAvx2();
    static const int jezgara = static_cast<int>(std::max(1u, std::thread::hardware_concurrency()));

    const int k = izabraniKod.load();
    const TKodMatrice kod =
        k == static_cast<int>(TKodMatrice::Podrazumevani) ? kodOkruzenja : static_cast<TKodMatrice>(k);
    int niti = izabraneNiti.load();
    if (niti <= 0) niti = nitiOkruzenja;
    if (niti <= 0) niti = jezgara;
    niti = std::clamp(niti, 1, NajviseNiti);
#ifdef VELT_AVX2
    if (avx2 && kod != TKodMatrice::Prenosivi) return {&JezgroAvx2(), niti};
#else
    (void)kod;
#endif
    return {&JezgroPrenosivo(), niti};
}

void Paralelno(int niti, const std::function<void(int)>& posao) {
    std::vector<std::thread> pomocne;
    std::vector<int> bezNiti;
    for (int t = 1; t < niti; ++t) {
        try {
            pomocne.emplace_back(posao, t);
        } catch (const std::system_error&) {
            bezNiti.push_back(t);
        }
    }
    // The calling thread's share may throw (a progress report can); the others are joined first.
    std::exception_ptr greska;
    try {
        posao(0);
        for (int t : bezNiti) posao(t);
    } catch (...) {
        greska = std::current_exception();
    }
    for (auto& n : pomocne) n.join();
    if (greska) std::rethrow_exception(greska);
}

}  // namespace matrica_jezgro

void TMatrix::PodesiRacunanje(TKodMatrice kod, int brojNiti) {
    matrica_jezgro::izabraniKod.store(static_cast<int>(kod));
    matrica_jezgro::izabraneNiti.store(brojNiti);
}

bool TMatrix::PodrzavaAvx2() { return matrica_jezgro::ProcesorImaAvx2(); }
