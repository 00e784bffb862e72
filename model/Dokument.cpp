#include "Dokument.h"

#include "KopijaModela.h"

void TKomandaIzmene::Ponovi(TModel& model) const { PrepisiModel(*posle, model); }
void TKomandaIzmene::Ponisti(TModel& model) const { PrepisiModel(*pre, model); }
size_t TKomandaIzmene::Velicina() const { return BrojEntiteta(*posle); }

TDokument::TDokument() : trenutno(KopirajModel(model)) {}

std::shared_ptr<const TModel> TDokument::Trenutno() {
    if (!trenutno || !IstiModeli(*trenutno, model)) trenutno = KopirajModel(model);
    return trenutno;
}

bool TDokument::Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena, TIzmena* razlika) {
    const std::shared_ptr<const TModel> pre = Trenutno();
    bool uradjeno = false;
    try {
        uradjeno = izmena(model);
    } catch (...) {
        if (!IstiModeli(*pre, model)) PrepisiModel(*pre, model);
        throw;
    }
    const TIzmena r = RazlikaModela(*pre, model);
    if (razlika) *razlika = r;
    if (r.delovi == 0) return uradjeno;
    std::shared_ptr<const TModel> posle = KopirajModel(model);
    // A new step drops whatever could have been redone; a saved state among those is lost.
    koraci.resize(indeks);
    if (cisto > static_cast<long>(indeks)) cisto = -1;
    koraci.push_back(std::make_unique<TKomandaIzmene>(naziv, pre, posle));
    ++indeks;
    trenutno = std::move(posle);
    Skrati();
    return uradjeno;
}

void TDokument::Skrati() {
    size_t ukupno = BrojEntiteta(*koraci.front()->Pre());
    for (const auto& k : koraci) ukupno += k->Velicina();
    size_t baci = 0;
    // The newest step always stays, however large.
    while (koraci.size() - baci > 1 && (ukupno > najviseEntiteta || koraci.size() - baci > najviseKoraka)) {
        ukupno -= BrojEntiteta(*koraci[baci]->Pre());
        ++baci;
    }
    if (baci == 0) return;
    koraci.erase(koraci.begin(), koraci.begin() + static_cast<long>(baci));
    indeks -= baci;
    cisto = cisto >= static_cast<long>(baci) ? cisto - static_cast<long>(baci) : -1;
}

std::string TDokument::NazivPonistavanja() const { return MozePonisti() ? koraci[indeks - 1]->Naziv() : std::string(); }
std::string TDokument::NazivPonavljanja() const { return MozePonovi() ? koraci[indeks]->Naziv() : std::string(); }

bool TDokument::Ponisti(TIzmena* razlika) {
    if (!MozePonisti()) return false;
    const TKomandaIzmene& k = *koraci[--indeks];
    if (razlika) *razlika = RazlikaModela(*k.Posle(), *k.Pre());
    k.Ponisti(model);
    trenutno = k.Pre();
    return true;
}

bool TDokument::Ponovi(TIzmena* razlika) {
    if (!MozePonovi()) return false;
    const TKomandaIzmene& k = *koraci[indeks++];
    if (razlika) *razlika = RazlikaModela(*k.Pre(), *k.Posle());
    k.Ponovi(model);
    trenutno = k.Posle();
    return true;
}

void TDokument::NovaIstorija() {
    koraci.clear();
    indeks = 0;
    cisto = 0;
    trenutno = KopirajModel(model);
}
