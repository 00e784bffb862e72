#include "PoslovProracuna.h"

#include "DijagramiStapa.h"
#include "KopijaModela.h"
#include "Model.h"

TPoslovProracuna::TPoslovProracuna(const TModel& model, TPutanjaResavanja zahtevanaPutanja)
    : kopija(KopirajModel(model)),
      stanje(std::make_unique<TStanjeAnalize>()) {
    stanje->zahtevanaPutanja = zahtevanaPutanja;
    // Set before the run starts, so a Stop that comes first is not undone by the start.
    stanje->radimProracun = true;
}

TPoslovProracuna::~TPoslovProracuna() = default;

TRezultatProracuna TPoslovProracuna::Izvrsi(TPosmatracProracuna& posmatrac) {
    ishod = ZapocniProracun(*kopija, *stanje, posmatrac);
    return ishod;
}

void TPoslovProracuna::PripremiDijagrame() {
    dijagrami.reset();
    if (ishod.ishod != TIshodProracuna::Uspeh || kopija->nizStapova.empty() || !ImaRezultata(*stanje)) return;
    try {
        dijagrami = std::make_shared<const std::vector<TDijagramiStapa>>(DijagramiSvihStapova(*kopija, *stanje));
    } catch (const std::exception&) {
    }
}

void TPoslovProracuna::Zaustavi() { stanje->radimProracun = false; }

bool TPoslovProracuna::OpisujeModel(const TModel& model) const { return IstiModeli(*kopija, model); }

bool TPoslovProracuna::PrenesiRezultate(TModel& model, TStanjeAnalize& stanjeModela) {
    if (!OpisujeModel(model)) return false;
    // The copy keeps the order of the nodes, so a node's results are at its own position.
    for (size_t i = 0; i < model.nizCvorova.size(); ++i) {
        const TCvor& iz = *kopija->nizCvorova[i];
        TCvor& u = *model.nizCvorova[i];
        u.SetRx(iz.Rx());
        u.SetRz(iz.Rz());
        u.SetMukljY(iz.MukljY());
        u.SetUx(iz.Ux());
        u.SetUz(iz.Uz());
        u.SetFiy(iz.Fiy());
        u.SetSileOpruge(iz.SilaOprugeX(), iz.SilaOprugeZ(), iz.MomentOpruge());
    }
    stanjeModela.ZameniRezultate(*stanje);
    return true;
}
