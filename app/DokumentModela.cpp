#include "DokumentModela.h"

#include "PoslovProracuna.h"

bool TDokumentModela::Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena) {
    TIzmena razlika;
    const bool uradjeno = dokument.Izvrsi(naziv, izmena, &razlika);
    // A command that reports success is a command that ran, even when it left every value as it
    // was: it still clears the results, as it always has.
    if (uradjeno || razlika.delovi != 0) PosleKoraka(TVrstaIzmene::Komanda, razlika);
    return uradjeno;
}

bool TDokumentModela::Ponisti() {
    TIzmena razlika;
    if (!dokument.Ponisti(&razlika)) return false;
    PosleKoraka(TVrstaIzmene::Istorija, razlika);
    return true;
}

bool TDokumentModela::Ponovi() {
    TIzmena razlika;
    if (!dokument.Ponovi(&razlika)) return false;
    PosleKoraka(TVrstaIzmene::Istorija, razlika);
    return true;
}

void TDokumentModela::PosleKoraka(TVrstaIzmene vrsta, TIzmena razlika) {
    stanje.ObrisiRezultate(dokument.Model());
    razlika.vrsta = vrsta;
    razlika.delovi |= ddRezultati | ddIstorija | ddPutanja;
    Q_EMIT izmenjen(razlika);
}

void TDokumentModela::Snimljen() {
    dokument.OznaciSnimljen();
    Q_EMIT izmenjen({TVrstaIzmene::Snimanje, ddPutanja});
}

void TDokumentModela::NovModel() {
    dokument.NovaIstorija();
    // The results are not the history's: whoever brings the new model clears or starts them.
    Q_EMIT izmenjen({TVrstaIzmene::NoviModel, ddSve & ~ddRezultati, ~0u});
}

void TDokumentModela::PostaviPodesavanja(const TPodesavanja& nova) {
    const unsigned razlika = RazlikaPodesavanja(podesavanja, nova);
    if (razlika == 0) return;
    podesavanja = nova;
    Q_EMIT izmenjen({TVrstaIzmene::Podesavanja, ddPodesavanja, razlika});
}

void TDokumentModela::IzmeniPodesavanja(const std::function<void(TPodesavanja&)>& izmena) {
    TPodesavanja nova = podesavanja;
    izmena(nova);
    PostaviPodesavanja(nova);
}

void TDokumentModela::ObrisiRezultate() {
    stanje.ObrisiRezultate(dokument.Model());
    Q_EMIT izmenjen({TVrstaIzmene::Rezultati, ddRezultati});
}

bool TDokumentModela::PostaviRezultate(TPoslovProracuna& posao) {
    if (!posao.PrenesiRezultate(Model(), stanje)) return false;
    Q_EMIT izmenjen({TVrstaIzmene::Rezultati, ddRezultati});
    return true;
}
