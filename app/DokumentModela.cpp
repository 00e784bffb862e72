#include "DokumentModela.h"

bool TDokumentModela::Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
    const bool uradjeno = dokument.Izvrsi(naziv, izmena);
    if (uradjeno) Q_EMIT izmenjen(TVrstaIzmene::Komanda);
    return uradjeno;
}

bool TDokumentModela::Ponisti() {
    if (!dokument.Ponisti()) return false;
    Q_EMIT izmenjen(TVrstaIzmene::Istorija);
    return true;
}

bool TDokumentModela::Ponovi() {
    if (!dokument.Ponovi()) return false;
    Q_EMIT izmenjen(TVrstaIzmene::Istorija);
    return true;
}

void TDokumentModela::Snimljen() {
    dokument.OznaciSnimljen();
    Q_EMIT izmenjen(TVrstaIzmene::Snimanje);
}

void TDokumentModela::NovModel() {
    dokument.NovaIstorija();
    Q_EMIT izmenjen(TVrstaIzmene::NoviModel);
}
