#include "IzvozMatrica.h"

#include <filesystem>
#include <fstream>
#include <system_error>

#include "Greska.h"

namespace fs = std::filesystem;

void IzveziMatricu(const TImenovanaMatrica& m, const std::string& put, TFormatIzvoza f) {
    const std::string sadrzaj = ZapisiMatricu(m, f);
    const std::string privremeni = put + ".tmp";
    {
        std::ofstream izlaz(privremeni, std::ios::binary | std::ios::trunc);
        if (izlaz) izlaz.write(sadrzaj.data(), static_cast<std::streamsize>(sadrzaj.size()));
        izlaz.close();
        if (!izlaz) {
            std::error_code g;
            fs::remove(privremeni, g);
            throw TGreska("Nije moguce snimiti fajl " + put + "!!!");
        }
    }
    std::error_code g;
    fs::rename(privremeni, put, g);
    if (g) {
        fs::remove(privremeni, g);
        throw TGreska("Nije moguce snimiti fajl " + put + "!!!");
    }
}

std::vector<std::string> IzveziMatrice(const std::vector<TImenovanaMatrica>& matrice, const std::string& folder,
                                       TFormatIzvoza f) {
    std::error_code g;
    fs::create_directories(folder, g);
    if (g || !fs::is_directory(folder, g)) throw TGreska("Nije moguce napraviti folder " + folder + "!!!");
    std::vector<std::string> putevi;
    for (const auto& m : matrice) {
        const std::string put = (fs::path(folder) / (m.ime + "." + Ekstenzija(f))).string();
        IzveziMatricu(m, put, f);
        putevi.push_back(put);
    }
    return putevi;
}
