#include "PutanjaResavanja.h"

#include <unistd.h>

#include "GustiOblik.h"
#include "RetkiOblik.h"

namespace {

double FizickaMemorija() {
    const long strane = sysconf(_SC_PHYS_PAGES), velicina = sysconf(_SC_PAGE_SIZE);
    return strane > 0 && velicina > 0 ? static_cast<double>(strane) * static_cast<double>(velicina) : 0.0;
}

}  // namespace

TPutanjaResavanja IzaberiPutanju(TPutanjaResavanja zahtev, int n_s, int n) {
    if (zahtev != TPutanjaResavanja::Automatska) return zahtev;
    if (n_s > NajviseNepoznatihGustePutanje) return TPutanjaResavanja::Retka;
    const double gusteMatrice = 3.0 * static_cast<double>(n) * static_cast<double>(n) * sizeof(double);
    const double memorija = FizickaMemorija();
    if (memorija > 0 && gusteMatrice > memorija / 2) return TPutanjaResavanja::Retka;
    return TPutanjaResavanja::Gusta;
}

const TOblikSistema& OblikSistema(TPutanjaResavanja putanja) {
    return putanja == TPutanjaResavanja::Retka ? RetkiOblik() : GustiOblik();
}

std::optional<TPutanjaResavanja> ParsirajPutanju(const std::string& ime) {
    if (ime == "dense") return TPutanjaResavanja::Gusta;
    if (ime == "sparse") return TPutanjaResavanja::Retka;
    if (ime == "auto") return TPutanjaResavanja::Automatska;
    return std::nullopt;
}
