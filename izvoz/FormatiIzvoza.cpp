#include "FormatiIzvoza.h"

#include <bit>
#include <cstring>
#include <functional>
#include <vector>

#include "Greska.h"
#include "ZapisBroja.h"

namespace {

std::string Vrednost(const TImenovanaMatrica& m, double v) {
    return m.celobrojna ? std::to_string(static_cast<std::int64_t>(v)) : TacanZapis(v);
}

void ProveriVelicinu(const TImenovanaMatrica& m) {
    if (static_cast<std::int64_t>(m.redova) * m.kolona > NajviseGustihElemenata)
        throw TGreska("Matrica " + m.ime + " (" + std::to_string(m.redova) + " x " + std::to_string(m.kolona) +
                      ") je prevelika za pun zapis; izvezite je u formatu mtx!!!");
}

// Calls f(red, vrednosti) for every row, read as cheaply as the source allows.
void ZaRedove(const TImenovanaMatrica& m, const std::function<void(int, const std::vector<double>&)>& f) {
    for (int r = 1; r <= m.redova; ++r) {
        std::vector<double> red = m.izvor->Red(r);
        red.resize(static_cast<size_t>(m.kolona), 0.0);
        f(r, red);
    }
}

std::string Csv(const TImenovanaMatrica& m) {
    std::string s;
    ZaRedove(m, [&](int, const std::vector<double>& red) {
        for (size_t c = 0; c < red.size(); ++c) s += (c ? "," : "") + Vrednost(m, red[c]);
        s += "\n";
    });
    return s;
}

std::string Kodovi(const std::vector<int>& k) {
    std::string s;
    for (size_t i = 0; i < k.size(); ++i) s += (i ? " " : "") + std::to_string(k[i]);
    return s;
}

std::string Matlab(const TImenovanaMatrica& m) {
    std::string s;
    if (!m.kodoviRedova.empty()) s += "% kodni brojevi redova: " + Kodovi(m.kodoviRedova) + "\n";
    if (!m.kodoviKolona.empty()) s += "% kodni brojevi kolona: " + Kodovi(m.kodoviKolona) + "\n";
    s += m.ime + " = [";
    ZaRedove(m, [&](int r, const std::vector<double>& red) {
        s += r > 1 ? ";\n  " : "\n  ";
        for (size_t c = 0; c < red.size(); ++c) s += (c ? " " : "") + Vrednost(m, red[c]);
    });
    if (m.redova == 0) s += "zeros(0, " + std::to_string(m.kolona) + ")";
    return s + "\n];\n";
}

void Dodaj64(std::string& s, std::uint64_t bitovi) {
    for (int i = 0; i < 8; ++i) s += static_cast<char>((bitovi >> (8 * i)) & 0xff);
}

std::string Npy(const TImenovanaMatrica& m) {
    const std::string oblik = m.jednodimenzionalna
                                  ? "(" + std::to_string(m.redova) + ",)"
                                  : "(" + std::to_string(m.redova) + ", " + std::to_string(m.kolona) + ")";
    std::string zaglavlje = std::string("{'descr': '") + (m.celobrojna ? "<i8" : "<f8") +
                            "', 'fortran_order': False, 'shape': " + oblik + ", }";
    // Magic (6), version (2) and length (2), then the header padded so the data starts at a
    // multiple of 64 bytes, ending in a newline.
    const size_t ukupno = (10 + zaglavlje.size() + 1 + 63) / 64 * 64;
    zaglavlje.append(ukupno - 10 - zaglavlje.size() - 1, ' ');
    zaglavlje += '\n';
    std::string s = "\x93NUMPY";
    s += '\x01';
    s += '\x00';
    s += static_cast<char>(zaglavlje.size() & 0xff);
    s += static_cast<char>(zaglavlje.size() >> 8);
    s += zaglavlje;
    ZaRedove(m, [&](int, const std::vector<double>& red) {
        for (double v : red)
            Dodaj64(s, m.celobrojna ? static_cast<std::uint64_t>(static_cast<std::int64_t>(v))
                                    : std::bit_cast<std::uint64_t>(v));
    });
    return s;
}

std::string Mtx(const TImenovanaMatrica& m) {
    std::string telo;
    std::int64_t broj = 0;
    for (int c = 1; c <= m.kolona; ++c) {
        auto jedan = [&](int r, double v) {
            // A negative zero is kept: it is a value of its own bits.
            if (r > m.redova || std::bit_cast<std::uint64_t>(v) == 0) return;
            telo += std::to_string(r) + " " + std::to_string(c) + " " + Vrednost(m, v) + "\n";
            ++broj;
        };
        if (!m.izvor->ZaKolonu(c, jedan))
            for (int r = 1; r <= m.redova; ++r) jedan(r, m.Element(c, r));
    }
    std::string s = "%%MatrixMarket matrix coordinate real general\n";
    if (!m.kodoviRedova.empty()) s += "% kodni brojevi redova: " + Kodovi(m.kodoviRedova) + "\n";
    if (!m.kodoviKolona.empty()) s += "% kodni brojevi kolona: " + Kodovi(m.kodoviKolona) + "\n";
    s += std::to_string(m.redova) + " " + std::to_string(m.kolona) + " " + std::to_string(broj) + "\n";
    return s + telo;
}

// 1.5e-07 becomes 1.5\cdot10^{-7}.
std::string TexBroj(const TImenovanaMatrica& m, double v) {
    std::string t = Vrednost(m, v);
    const size_t e = t.find('e');
    if (e == std::string::npos) return t;
    std::string eksp = t.substr(e + 1);
    if (!eksp.empty() && eksp[0] == '+') eksp.erase(0, 1);
    const bool minus = !eksp.empty() && eksp[0] == '-';
    if (minus) eksp.erase(0, 1);
    while (eksp.size() > 1 && eksp[0] == '0') eksp.erase(0, 1);
    return t.substr(0, e) + "\\cdot10^{" + (minus ? "-" : "") + eksp + "}";
}

std::string Tex(const TImenovanaMatrica& m) {
    // The labels and the matrix share one array, so each code number sits over its own column.
    const bool kolone = !m.kodoviKolona.empty(), redovi = !m.kodoviRedova.empty();
    std::string s = "% " + m.ime + "\n\\[\n" + m.ime + " =\n\\begin{array}{" + (redovi ? "r" : "") + "c}\n";
    if (kolone) {
        s += redovi ? " & " : "";
        s += "\\begin{matrix}";
        for (size_t c = 0; c < m.kodoviKolona.size(); ++c)
            s += (c ? " & " : " ") + std::string("\\scriptstyle ") + std::to_string(m.kodoviKolona[c]);
        s += " \\end{matrix} \\\\\n";
    }
    if (redovi) {
        s += "\\begin{matrix}";
        for (size_t r = 0; r < m.kodoviRedova.size(); ++r)
            s += (r ? " \\\\ " : " ") + std::string("\\scriptstyle ") + std::to_string(m.kodoviRedova[r]);
        s += " \\end{matrix} & ";
    }
    s += "\\begin{bmatrix}\n";
    ZaRedove(m, [&](int, const std::vector<double>& red) {
        for (size_t c = 0; c < red.size(); ++c) s += (c ? " & " : "  ") + TexBroj(m, red[c]);
        s += " \\\\\n";
    });
    return s + "\\end{bmatrix}\n\\end{array}\n\\]\n";
}

}  // namespace

std::optional<TFormatIzvoza> ParsirajFormat(std::string_view ime) {
    if (ime == "csv") return TFormatIzvoza::Csv;
    if (ime == "m") return TFormatIzvoza::M;
    if (ime == "npy") return TFormatIzvoza::Npy;
    if (ime == "mtx") return TFormatIzvoza::Mtx;
    if (ime == "tex") return TFormatIzvoza::Tex;
    return std::nullopt;
}

const char* Ekstenzija(TFormatIzvoza f) {
    switch (f) {
        case TFormatIzvoza::Csv: return "csv";
        case TFormatIzvoza::M: return "m";
        case TFormatIzvoza::Npy: return "npy";
        case TFormatIzvoza::Mtx: return "mtx";
        case TFormatIzvoza::Tex: return "tex";
    }
    return "";
}

std::string ZapisiMatricu(const TImenovanaMatrica& m, TFormatIzvoza f) {
    if (f == TFormatIzvoza::Mtx) return Mtx(m);
    ProveriVelicinu(m);
    switch (f) {
        case TFormatIzvoza::Csv: return Csv(m);
        case TFormatIzvoza::M: return Matlab(m);
        case TFormatIzvoza::Npy: return Npy(m);
        case TFormatIzvoza::Tex: return Tex(m);
        case TFormatIzvoza::Mtx: break;
    }
    return Mtx(m);
}

std::string TekstZaKopiranje(const TImenovanaMatrica& m, int r0, int r1, int c0, int c1) {
    std::string s;
    for (int r = r0; r <= r1; ++r) {
        for (int c = c0; c <= c1; ++c) s += (c > c0 ? "\t" : "") + Vrednost(m, m.Element(c, r));
        s += "\n";
    }
    return s;
}
