#pragma once
// A small frame run in place, and readers of the exported formats written here from the formats'
// own definitions, so a file is checked by what it says, not by the writer that made it.
#include <gtest/gtest.h>

#include <bit>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <vector>

#include "../analysis/PomocModela.h"
#include "Proracun.h"

inline const long double E = 2e8L, I = 1e-4L, A = 1e-2L;

// A portal frame: two fixed columns of height 4 (node 1 at x = 0, node 4 at x = 6), a beam of
// span 6 loaded at mid-span and a horizontal force at the top left; the right column is inclined
// by leaning its top 1 to the right, so T has a cosine and a sine that are not 0 or 1.
struct TRam {
    TGraditeljModela g{E, 0.3L, 1e-5L, I, A, 0.3L, 0};
    TStanjeAnalize stanje;
    TRam(TPutanjaResavanja putanja = TPutanjaResavanja::Gusta) {
        TCvor* a = g.Cvor(0, 0, true, true, true);
        TCvor* b = g.Cvor(0, -4);
        TCvor* c = g.Cvor(7, -4);
        TCvor* d = g.Cvor(6, 0, true, true, true);
        b->SetPx(10);
        g.Stap(a, b, tsK);
        g.Stap(b, c, tsK);
        g.Stap(c, d, tsK);
        g.Opt(0, 1, 20, 0.5L);  // positions are fractions of the length
        stanje.zahtevanaPutanja = putanja;
        TPosmatracBezEkrana posmatrac(g.m, stanje, "1.0");
        const TRezultatProracuna r = PokreniAnalizu(g.m, stanje, posmatrac);
        EXPECT_EQ(r.ishod, TIshodProracuna::Uspeh) << r.poruka;
    }
};

struct TProcitano {
    int redova = 0, kolona = 0;
    std::vector<double> vrednosti;  // by rows
    double Elem(int c, int r) const { return vrednosti[static_cast<size_t>((r - 1) * kolona + (c - 1))]; }
};

inline std::vector<std::string> Linije(const std::string& s) {
    std::vector<std::string> l;
    std::istringstream in(s);
    for (std::string x; std::getline(in, x);) l.push_back(x);
    return l;
}

inline double Broj(const std::string& t) {
    char* kraj = nullptr;
    const double v = std::strtod(t.c_str(), &kraj);
    EXPECT_EQ(kraj, t.c_str() + t.size()) << "'" << t << "'";
    return v;
}

inline TProcitano CitajCsv(const std::string& s) {
    TProcitano p;
    for (const std::string& l : Linije(s)) {
        ++p.redova;
        int kolona = 0;
        std::istringstream in(l);
        for (std::string x; std::getline(in, x, ',');) p.vrednosti.push_back(Broj(x)), ++kolona;
        p.kolona = kolona;
    }
    return p;
}

inline TProcitano CitajMtx(const std::string& s) {
    TProcitano p;
    const auto l = Linije(s);
    EXPECT_EQ(l.at(0), "%%MatrixMarket matrix coordinate real general");
    size_t i = 1;
    while (i < l.size() && l[i][0] == '%') ++i;
    long long nnz = 0;
    std::istringstream(l.at(i)) >> p.redova >> p.kolona >> nnz;
    p.vrednosti.assign(static_cast<size_t>(p.redova) * static_cast<size_t>(p.kolona), 0.0);
    EXPECT_EQ(static_cast<long long>(l.size() - i - 1), nnz);
    for (++i; i < l.size(); ++i) {
        std::istringstream in(l[i]);
        int r = 0, c = 0;
        std::string v;
        in >> r >> c >> v;
        p.vrednosti[static_cast<size_t>((r - 1) * p.kolona + (c - 1))] = Broj(v);
    }
    return p;
}

// NumPy format 1.0: magic, version, little-endian header length, a dict padded to 64 bytes with
// a newline, then the data in C order.
inline TProcitano CitajNpy(const std::string& s, std::string& tip, bool& jednodimenzionalna) {
    TProcitano p;
    EXPECT_EQ(s.substr(0, 8), std::string("\x93NUMPY\x01\x00", 8));
    const size_t duzina = static_cast<unsigned char>(s[8]) | (static_cast<unsigned char>(s[9]) << 8);
    EXPECT_EQ((10 + duzina) % 64, 0u);
    const std::string h = s.substr(10, duzina);
    EXPECT_EQ(h.back(), '\n');
    EXPECT_NE(h.find("'fortran_order': False"), std::string::npos) << h;
    const size_t d = h.find("'descr': '");
    tip = h.substr(d + 10, 3);
    const size_t o = h.find("'shape': (") + 10;
    const std::string oblik = h.substr(o, h.find(')', o) - o);
    jednodimenzionalna = oblik.find(", ") == std::string::npos;
    p.redova = std::atoi(oblik.c_str());
    p.kolona = jednodimenzionalna ? 1 : std::atoi(oblik.c_str() + oblik.find(", ") + 2);
    const size_t n = static_cast<size_t>(p.redova) * static_cast<size_t>(p.kolona);
    EXPECT_EQ(s.size(), 10 + duzina + 8 * n);
    for (size_t i = 0; i < n; ++i) {
        std::uint64_t b = 0;
        for (int k = 0; k < 8; ++k)
            b |= std::uint64_t(static_cast<unsigned char>(s[10 + duzina + 8 * i + k])) << (8 * k);
        p.vrednosti.push_back(tip == "<i8" ? static_cast<double>(static_cast<std::int64_t>(b))
                                           : std::bit_cast<double>(b));
    }
    return p;
}
