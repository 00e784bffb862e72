// A sweep of random small models through both paths, against an independent singularity check:
// the eigenvalues of the Jacobi-scaled Kss. Prints the counts; run by hand:
//   provera_presude [models] [seed]
#include <Eigen/Dense>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>

#include "KopijaModela.h"
#include "Model.h"
#include "Proracun.h"
#include "TipoviStapa.h"

namespace {

struct TGenerator {
    std::mt19937_64 g;
    double R(double a, double b) { return std::uniform_real_distribution<double>(a, b)(g); }
    int I(int a, int b) { return std::uniform_int_distribution<int>(a, b)(g); }
    bool B(double p) { return R(0, 1) < p; }
};

void DodajCvor(TModel& m, long double x, long double z) {
    const TKodniBrojeviCvora kb = KodniBrojeviNovogCvora(m);
    m.nizCvorova.push_back(std::make_unique<TCvor>(NoviID(m.nizCvorova), x, z, false, false, false, 0, 0, 0, 0, 0, 0,
                                                   kb.x, kb.z, kb.y, 0, 0, 0, 0, 0, 0));
}

// Supports made to satisfy the model checks: a free end is held, a lone rigid end clamped.
void PopraviOslonce(TModel& m) {
    const auto krajevi = KrajeviCvorova(m);
    for (auto& c : m.nizCvorova) {
        const TKrajeviCvora k = KrajeviCvora(krajevi, *c);
        if (k.krutih + k.zglobnih == 1) {
            if (!c->OslX() && !c->OslZ()) c->SetOslZ(true);
            const TStap& s = *k.prviStap;
            c->SetUkljY(KrajKrut(s.TipStapa(), s.PocetniCvor()->ID() == c->ID()));
        } else if (k.krutih == 1) {
            if (!c->OslX() && !c->OslZ()) c->SetOslZ(true);
            c->SetUkljY(true);
        }
    }
}

// A random frame or truss on a jittered grid, turned, moved and in random units.
TModel SlucajanModel(TGenerator& r) {
    TModel m;
    const double jedinicaE = std::pow(10.0, r.I(-3, 6)), jedinicaL = std::pow(10.0, r.I(-2, 2));
    const bool resetka = r.B(0.4);
    m.nizMaterijala.push_back(std::make_unique<TMaterijal>(0, "m", 2e8L * jedinicaE, 0.3L, 0, 1e-5L));
    const double I = r.B(0.2) ? std::pow(10.0, r.R(-12, 2)) : 1e-4;
    const double A = r.B(0.2) ? std::pow(10.0, r.R(-8, 2)) : 1e-2;
    m.nizPreseka.push_back(
        std::make_unique<TPresek>(0, "p", I * std::pow(jedinicaL, 4), A * jedinicaL * jedinicaL, 0.3L * jedinicaL, 0));
    const int nx = r.I(2, 5), nz = r.I(1, 3);
    const double ugao = r.B(0.5) ? r.R(0, 6.2832) : (r.B(0.5) ? 222.0 : 0.0007);
    const double x0 = r.B(0.5) ? r.R(1e4, 5e5) : 0.0, z0 = r.B(0.5) ? r.R(-1e4, 1e4) : 0.0;
    for (int j = 0; j <= nz; ++j)
        for (int i = 0; i <= nx; ++i) {
            const double x = (4.0 * i + r.R(-0.3, 0.3)) * jedinicaL, z = (3.0 * j + r.R(-0.3, 0.3)) * jedinicaL;
            DodajCvor(m, x0 + x * std::cos(ugao) - z * std::sin(ugao), z0 + x * std::sin(ugao) + z * std::cos(ugao));
        }
    auto cvor = [&](int i, int j) { return m.nizCvorova[static_cast<size_t>(j * (nx + 1) + i)].get(); };
    auto stap = [&](TCvor* a, TCvor* b) {
        const int tip = resetka ? tsProst : (r.B(0.7) ? tsK : r.I(0, 3));
        m.nizStapova.push_back(
            std::make_unique<TStap>(NoviID(m.nizStapova), m.nizMaterijala[0].get(), m.nizPreseka[0].get(), a, b, tip));
    };
    for (int j = 0; j <= nz; ++j)
        for (int i = 0; i <= nx; ++i) {
            if (i < nx && (j == 0 ? r.B(0.5) : true)) stap(cvor(i, j), cvor(i + 1, j));
            if (j < nz && (resetka || r.B(0.9))) stap(cvor(i, j), cvor(i, j + 1));
            if (resetka && i < nx && j < nz && r.B(0.8)) stap(cvor(i, j), cvor(i + 1, j + 1));
        }
    for (int i = 0; i <= nx; ++i) {
        TCvor* c = cvor(i, 0);
        if (r.B(0.5)) c->SetOslX(r.B(0.6));
        if (r.B(0.6)) c->SetOslZ(true);
        if (!resetka && r.B(0.3)) c->SetUkljY(true);
    }
    PopraviOslonce(m);
    for (auto& c : m.nizCvorova)
        if (r.B(0.3)) c->SetPx(r.R(-10, 10)), c->SetPz(r.R(-10, 10));
    m.nizCvorova.back()->SetPx(5);
    return m;
}

// The independent check: the smallest eigenvalue of the Jacobi-scaled Kss against the largest.
double OdnosSopstvenih(const TStanjeAnalize& st) {
    if (!st.matricaKssGKS) return -1;
    const TMatrix K = st.matricaKssGKS->GustaKopija();
    const int n = K.NrOfRows();
    Eigen::MatrixXd A(n, n);
    for (int i = 1; i <= n; ++i)
        for (int j = 1; j <= n; ++j) A(i - 1, j - 1) = K.Elem(j, i);
    Eigen::VectorXd d = A.diagonal();
    for (int i = 0; i < n; ++i) {
        if (!(d[i] > 0)) return 0;
        d[i] = 1 / std::sqrt(d[i]);
    }
    A = d.asDiagonal() * A * d.asDiagonal();
    const Eigen::VectorXd l = Eigen::SelfAdjointEigenSolver<Eigen::MatrixXd>(A, Eigen::EigenvaluesOnly).eigenvalues();
    return l[0] / l[n - 1];
}

struct TIshod {
    bool odbijen = false;
    double uslovljenost = 0, neravnoteza = 0;
};

TIshod Pokreni(const TModel& model, TPutanjaResavanja put, TStanjeAnalize& st) {
    auto kopija = KopirajModel(model);
    st.zahtevanaPutanja = put;
    TPosmatracBezEkrana p(*kopija, st);
    const TRezultatProracuna r = PokreniAnalizu(*kopija, st, p);
    TIshod i;
    i.odbijen = r.ishod != TIshodProracuna::Uspeh;
    if (st.presuda) i.uslovljenost = st.presuda->uslovljenost;
    if (st.mereResenja) i.neravnoteza = st.mereResenja->neravnoteza;
    return i;
}

}  // namespace

int main(int argc, char** argv) {
    const int broj = argc > 1 ? std::atoi(argv[1]) : 3000;
    TGenerator r{std::mt19937_64(argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1)};
    // Classes by the independent check: singular (ratio below 1e-15), ill-conditioned, sound.
    int modela = 0, proveraOdbila = 0, klasa[3] = {}, gusta[3] = {}, retka[3] = {}, razlike = 0;
    for (int k = 0; k < broj; ++k) {
        TModel m = SlucajanModel(r);
        if (!PrvaGreskaProvere(m).empty()) {
            ++proveraOdbila;
            continue;
        }
        ++modela;
        TStanjeAnalize sg, sr;
        const TIshod g = Pokreni(m, TPutanjaResavanja::Gusta, sg);
        const TIshod s = Pokreni(m, TPutanjaResavanja::Retka, sr);
        const double odnos = OdnosSopstvenih(sg);
        const int c = odnos < 1e-15 ? 0 : odnos < 1e-10 ? 1 : 2;
        ++klasa[c];
        gusta[c] += g.odbijen;
        retka[c] += s.odbijen;
        if (g.odbijen != s.odbijen) ++razlike;
        if (std::getenv("VELT_DETALJI") && (g.odbijen != s.odbijen || (c == 0) != g.odbijen))
            std::printf("model %d: odnos %.2e, gusta %d (k %.2e, r %.2e), retka %d (k %.2e, r %.2e)\n", k, odnos,
                        g.odbijen, g.uslovljenost, g.neravnoteza, s.odbijen, s.uslovljenost, s.neravnoteza);
    }
    std::printf("modela: %d (odbijeno proverom modela: %d)\n", modela, proveraOdbila);
    const char* ime[3] = {"singularnih (odnos < 1e-15)", "lose uslovljenih (1e-15 .. 1e-10)", "zdravih (> 1e-10)"};
    for (int c = 0; c < 3; ++c)
        std::printf("%s: %d, odbila gusta %d, odbila retka %d\n", ime[c], klasa[c], gusta[c], retka[c]);
    std::printf("razlike gusta/retka: %d\n", razlike);
    return 0;
}
