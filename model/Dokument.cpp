#include "Dokument.h"

#include "KopijaModela.h"

namespace {

// Replaces the content of `cilj` by that of `izvor`, members first, so no reference outlives its
// target even for a moment.
void Premesti(TModel& izvor, TModel& cilj) {
    cilj.Isprazni();
    cilj.nizMaterijala = std::move(izvor.nizMaterijala);
    cilj.nizPreseka = std::move(izvor.nizPreseka);
    cilj.nizCvorova = std::move(izvor.nizCvorova);
    cilj.nizStapova = std::move(izvor.nizStapova);
    cilj.nizOpterecenja = std::move(izvor.nizOpterecenja);
    cilj.minRastojanjeCvorova = izvor.minRastojanjeCvorova;
    cilj.opcijeAnalize = izvor.opcijeAnalize;
}

}  // namespace

void TKomandaIzmene::Ponovi(TModel& model) const {
    auto m = IzgradiModel(*posle);
    Premesti(*m, model);
}
void TKomandaIzmene::Ponisti(TModel& model) const {
    auto m = IzgradiModel(*pre);
    Premesti(*m, model);
}
size_t TKomandaIzmene::Velicina() const { return posle->novo; }

TDokument::TDokument() : trenutno(SnimiModel(model, nullptr)) {}

std::shared_ptr<const TSnimakModela> TDokument::Trenutno() {
    auto s = SnimiModel(model, trenutno.get());
    if (!s->isti) trenutno = std::move(s);
    return trenutno;
}

bool TDokument::Izvrsi(const std::string& naziv, const std::function<bool(TModel&)>& izmena, TIzmena* razlika) {
    const std::shared_ptr<const TSnimakModela> pre = Trenutno();
    const std::unique_ptr<TModel> kopija = KopirajModel(model);
    bool uradjeno = false;
    try {
        uradjeno = izmena(model);
    } catch (...) {
        if (!IstiModeli(*kopija, model)) Premesti(*kopija, model);
        throw;
    }
    const TIzmena r = RazlikaModela(*kopija, model);
    if (razlika) *razlika = r;
    if (r.delovi == 0) return uradjeno;
    std::shared_ptr<const TSnimakModela> posle = SnimiModel(model, pre.get());
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
    // The oldest state counts whole; every later one adds what it does not share.
    size_t ukupno = VelicinaSnimka(*koraci.front()->Pre());
    for (const auto& k : koraci) ukupno += k->Velicina();
    size_t baci = 0;
    // The newest step always stays, however large.
    while (koraci.size() - baci > 1 && (ukupno > najviseEntiteta || koraci.size() - baci > najviseKoraka)) {
        const TKomandaIzmene& k = *koraci[baci];
        ukupno = ukupno + VelicinaSnimka(*k.Posle()) - VelicinaSnimka(*k.Pre()) - k.Velicina();
        ++baci;
    }
    if (baci == 0) return;
    koraci.erase(koraci.begin(), koraci.begin() + static_cast<long>(baci));
    indeks -= baci;
    cisto = cisto >= static_cast<long>(baci) ? cisto - static_cast<long>(baci) : -1;
}

std::string TDokument::NazivPonistavanja() const { return MozePonisti() ? koraci[indeks - 1]->Naziv() : std::string(); }
std::string TDokument::NazivPonavljanja() const { return MozePonovi() ? koraci[indeks]->Naziv() : std::string(); }

void TDokument::Vrati(const TSnimakModela& stanje, TIzmena* razlika) {
    auto m = IzgradiModel(stanje);
    if (razlika) *razlika = RazlikaModela(model, *m);
    Premesti(*m, model);
}

bool TDokument::Ponisti(TIzmena* razlika) {
    if (!MozePonisti()) return false;
    const TKomandaIzmene& k = *koraci[--indeks];
    Vrati(*k.Pre(), razlika);
    trenutno = k.Pre();
    return true;
}

bool TDokument::Ponovi(TIzmena* razlika) {
    if (!MozePonovi()) return false;
    const TKomandaIzmene& k = *koraci[indeks++];
    Vrati(*k.Posle(), razlika);
    trenutno = k.Posle();
    return true;
}

void TDokument::NovaIstorija() {
    koraci.clear();
    indeks = 0;
    cisto = 0;
    // The state shares what it can with the last one: announcing a model just read again costs
    // a comparison, not a second copy.
    trenutno = SnimiModel(model, trenutno.get());
}
