#include "ProbaOpsteStabilnosti.h"

#include "Model.h"
#include "PoslovProracuna.h"
#include "Proracun.h"

bool OpstaStabilnostBiPrihvatila(const TModel& model) {
    if (model.opcijeAnalize.opstaStabilnost) return false;
    if (static_cast<int>(model.nizCvorova.size()) > NajviseCvorovaZaProbu) return false;
    const std::string greska = PrvaGreskaProvere(model);
    if (greska != "Oslonci nisu korektno zadati!!!" &&
        greska != "Postoje cvorovi sa vise stapova ciji tipovi nisu korektno zadati!!!")
        return false;
    TPoslovProracuna posao(model);
    posao.Model().opcijeAnalize.opstaStabilnost = true;
    TPosmatracBezEkrana posmatrac(posao.Model(), posao.Stanje(), "0");
    return posao.Izvrsi(posmatrac).ishod == TIshodProracuna::Uspeh;
}
