#include "DokumentModela.h"

#include "PoslovProracuna.h"

bool TDokumentModela::Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
    const bool uradjeno = dokument.Izvrsi(naziv, izmena);
    if (uradjeno) emit izmenjen(TVrstaIzmene::Komanda);
    return uradjeno;
}

bool TDokumentModela::Ponisti() {
    if (!dokument.Ponisti()) return false;
    emit izmenjen(TVrstaIzmene::Istorija);
    return true;
}

bool TDokumentModela::Ponovi() {
    if (!dokument.Ponovi()) return false;
    emit izmenjen(TVrstaIzmene::Istorija);
    return true;
}

void TDokumentModela::Snimljen() {
    dokument.OznaciSnimljen();
    emit izmenjen(TVrstaIzmene::Snimanje);
}

void TDokumentModela::NovModel() {
    dokument.NovaIstorija();
    emit izmenjen(TVrstaIzmene::NoviModel);
}

bool TDokumentModela::PostaviRezultate(TPoslovProracuna& posao) {
    if (!posao.PrenesiRezultate(Model(), stanje)) return false;
    emit izmenjen(TVrstaIzmene::Rezultati);
    return true;
}
