// The whole pipeline of a regular frame, as a user meets it: read the model file, analyse it on a
// chosen path, and work out the results (node displacements and every member's end forces). Each
// case runs in a child process of its own, so its peak memory (ru_maxrss) is its own.
//
//   bench_cevovod [--dense-do N] [CVOROVA ...]
// The dense path runs up to N nodes (default 2000; it grows as n^3 in time and n^2 in memory).
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "GeneratorModela.h"
#include "ModelFajl.h"
#include "Proracun.h"
#include "SileStapa.h"

namespace {

struct TIshod {
    double sekundi = 0;
    int nepoznatih = 0;
    int uspeh = 0;
};

TIshod Izvrsi(const std::string& fajl, TPutanjaResavanja putanja) {
    const auto t0 = std::chrono::steady_clock::now();
    TModel model;
    TPodesavanja podesavanja;
    ProcitajModel(fajl, model, podesavanja);
    TStanjeAnalize stanje;
    stanje.zahtevanaPutanja = putanja;
    TPosmatracBezEkrana posmatrac(model, stanje);
    const TRezultatProracuna r = PokreniAnalizu(model, stanje, posmatrac);
    double zbir = 0;
    if (r.ishod == TIshodProracuna::Uspeh) {
        const TIndeksSila indeks(model, stanje);
        for (const auto& s : model.nizStapova)
            zbir += IzracunajSileStapa(model, stanje, *s, false, indeks).RL.Elem(1, 1);
    }
    TIshod i;
    i.sekundi = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
    i.nepoznatih = static_cast<int>(stanje.nizKodnihBrojevaNepoznatihPomeranja->size());
    i.uspeh = r.ishod == TIshodProracuna::Uspeh && zbir == zbir;
    return i;
}

// Runs one case in a child; false when the child failed.
// The machine may be shared, so the child's processor time (user + system) is given beside the
// wall time: it is what the case costs whatever else runs.
bool Slucaj(const std::string& fajl, TPutanjaResavanja putanja, TIshod& ishod, long& vrhKB, double& procesor) {
    int cev[2];
    if (pipe(cev) != 0) return false;
    const pid_t dete = fork();
    if (dete == 0) {
        close(cev[0]);
        TIshod i;
        try {
            i = Izvrsi(fajl, putanja);
        } catch (...) {
        }
        [[maybe_unused]] const auto upisano = write(cev[1], &i, sizeof i);
        _exit(0);
    }
    close(cev[1]);
    const bool procitano = read(cev[0], &ishod, sizeof ishod) == static_cast<ssize_t>(sizeof ishod);
    close(cev[0]);
    int status = 0;
    rusage r{};
    wait4(dete, &status, 0, &r);
    vrhKB = r.ru_maxrss;
    procesor = static_cast<double>(r.ru_utime.tv_sec + r.ru_stime.tv_sec) +
               static_cast<double>(r.ru_utime.tv_usec + r.ru_stime.tv_usec) * 1e-6;
    return procitano && ishod.uspeh;
}

}  // namespace

int main(int argc, char** argv) {
    int denseDo = 2000;
    std::vector<int> velicine;
    for (int i = 1; i < argc; ++i) {
        if (std::string(argv[i]) == "--dense-do" && i + 1 < argc) denseDo = std::atoi(argv[++i]);
        else velicine.push_back(std::atoi(argv[i]));
    }
    if (velicine.empty()) velicine = {500, 1000, 2000, 5000, 10000, 30000};
    const std::filesystem::path dir = std::filesystem::temp_directory_path();
    std::printf(
        "| cvorova | nepoznatih | putanja | vreme [s] | procesor [s] | vrh memorije [MB] "
        "|\n|---|---|---|---|---|---|\n");
    for (int n : velicine) {
        const std::string fajl = (dir / ("bench_cevovod_" + std::to_string(n) + ".velt")).string();
        {
            TModel m = GenerisiRamSaCvorova(n);
            TPodesavanja p;
            SnimiModel(fajl, m, p);
        }
        for (auto [putanja, ime] :
             {std::pair{TPutanjaResavanja::Gusta, "dense"}, std::pair{TPutanjaResavanja::Retka, "sparse"}}) {
            if (putanja == TPutanjaResavanja::Gusta && n > denseDo) {
                std::printf("| %d | | %s | (preskoceno) | | |\n", n, ime);
                continue;
            }
            TIshod i;
            long kb = 0;
            double procesor = 0;
            if (Slucaj(fajl, putanja, i, kb, procesor))
                std::printf("| %d | %d | %s | %.2f | %.2f | %.0f |\n", n, i.nepoznatih, ime, i.sekundi, procesor,
                            kb / 1024.0);
            else std::printf("| %d | | %s | greska | | |\n", n, ime);
            std::fflush(stdout);
        }
        std::filesystem::remove(fajl);
    }
    return 0;
}
