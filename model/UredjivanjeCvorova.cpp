#include "UredjivanjeCvorova.h"

#include <cmath>

#include "Brojevi.h"
#include "Greska.h"
#include "PravilaVrednosti.h"
#include "SekcijaOslonaca.h"

bool DodajIliPromeniCvor(TModel& model, TRezimIzmene rezim, int izabrani, const std::string& xTekst,
                         const std::string& zTekst) {
    int noviID = 0;
    TKodniBrojeviCvora kodni{};
    TCvor* menjani = nullptr;
    if (rezim == TRezimIzmene::Dodaj) {
        noviID = NoviID(model.nizCvorova);
        kodni = KodniBrojeviNovogCvora(model);
    } else {
        if (model.nizCvorova.empty()) throw TGreska("Prvo morate dodati cvor u spisak da bi ga mogli menjati!!!");
        menjani = Izabrani(model.nizCvorova, izabrani);
        if (!menjani) return false;
    }
    const long double x = TekstUVrednost(xTekst);
    const long double z = TekstUVrednost(zTekst);
    const long double d = model.minRastojanjeCvorova;
    for (const auto& c : model.nizCvorova)
        if (std::fabs(x - c->X()) <= d && std::fabs(z - c->Z()) <= d)
            throw TGreska("Cvor na toj poziciji vec postoji!!!\r\nMinimalno rastojanje izmedju cvorova iznosi " +
                          FormatBroja(d) + "!!!");

    if (menjani) {
        menjani->SetX(x);
        menjani->SetZ(z);
    } else {
        model.nizCvorova.push_back(std::make_unique<TCvor>(noviID, x, z, false, false, false, 0, 0, 0, 0, 0, 0, kodni.x,
                                                           kodni.z, kodni.y, 0, 0, 0, 0, 0, 0));
    }
    return true;
}

bool ObrisiCvor(TModel& model, int izabrani) {
    const TCvor* c = Izabrani(model.nizCvorova, izabrani);
    if (!c) return false;
    for (const auto& s : model.nizStapova)
        if ((s->PocetniCvor() && s->PocetniCvor()->ID() == c->ID()) ||
            (s->KrajnjiCvor() && s->KrajnjiCvor()->ID() == c->ID()))
            throw TGreska("Cvor je pridruzen stapu. Ne mozete ga obrisati!!!");
    model.nizCvorova.erase(model.nizCvorova.begin() + izabrani);
    return true;
}

namespace {

void UpisiOslonce(TModel& model, TCvor& c, bool oslonacX, bool oslonacZ, bool ukljestenje) {
    c.SetOslX(oslonacX);
    c.SetOslZ(oslonacZ);
    c.SetUkljY(ukljestenje);
    for (const auto& n : model.nizCvorova) {
        if (!n->OslX()) n->SetZadatoUx(0);
        if (!n->OslZ()) n->SetZadatoUz(0);
        if (!n->UkljY()) n->SetZadatoFiy(0);
    }
}

TRedOslonaca ElasticniOslonac(const TPoljaElasticnogOslonca& polja) {
    TRedOslonaca o;
    o.kx = TekstUVrednost(polja.kx);
    o.kz = TekstUVrednost(polja.kz);
    o.kfi = TekstUVrednost(polja.kfi);
    o.ugao = TekstUVrednost(polja.ugao);
    return o;
}

void UpisiOpruge(TCvor& c, const TRedOslonaca& o) {
    c.SetKx(o.kx);
    c.SetKz(o.kz);
    c.SetKfi(o.kfi);
    c.SetUgao(o.ugao);
}

}  // namespace

bool PostaviOslonce(TModel& model, int izabrani, bool oslonacX, bool oslonacZ, bool ukljestenje) {
    if (model.nizCvorova.empty()) throw TGreska("Morate dodati cvorove u listu da bi mogli da im zadajete oslonce!!!");
    TCvor* c = Izabrani(model.nizCvorova, izabrani);
    if (!c) return false;
    // A spring stays only along a direction that is not held; holding it is refused, not dropped.
    Proveri(GreskaElasticnogOslonca(oslonacX, oslonacZ, ukljestenje, c->Kx(), c->Kz(), c->Kfi(), c->Ugao()));
    UpisiOslonce(model, *c, oslonacX, oslonacZ, ukljestenje);
    return true;
}

bool PostaviOslonceIOpruge(TModel& model, int izabrani, bool oslonacX, bool oslonacZ, bool ukljestenje,
                           const TPoljaElasticnogOslonca& polja) {
    if (model.nizCvorova.empty()) throw TGreska("Morate dodati cvorove u listu da bi mogli da im zadajete oslonce!!!");
    TCvor* c = Izabrani(model.nizCvorova, izabrani);
    if (!c) return false;
    const TRedOslonaca o = ElasticniOslonac(polja);
    Proveri(GreskaElasticnogOslonca(oslonacX, oslonacZ, ukljestenje, o.kx, o.kz, o.kfi, o.ugao));
    UpisiOslonce(model, *c, oslonacX, oslonacZ, ukljestenje);
    UpisiOpruge(*c, o);
    return true;
}

bool PostaviElasticniOslonac(TModel& model, int izabrani, const TPoljaElasticnogOslonca& polja) {
    if (model.nizCvorova.empty()) throw TGreska("Morate dodati cvorove u listu da bi mogli da im zadajete oslonce!!!");
    TCvor* c = Izabrani(model.nizCvorova, izabrani);
    if (!c) return false;
    const TRedOslonaca o = ElasticniOslonac(polja);
    Proveri(GreskaElasticnogOslonca(c->OslX(), c->OslZ(), c->UkljY(), o.kx, o.kz, o.kfi, o.ugao));
    if (c->Kx() == o.kx && c->Kz() == o.kz && c->Kfi() == o.kfi && c->Ugao() == o.ugao) return false;
    UpisiOpruge(*c, o);
    return true;
}

bool PostaviOpterecenjeCvora(TModel& model, int izabrani, const TPoljaOpterecenjaCvora& polja) {
    if (model.nizCvorova.empty())
        throw TGreska("Morate dodati cvorove u listu da bi mogli da im zadajete opterecenje!!!");
    TCvor* c = Izabrani(model.nizCvorova, izabrani);
    if (!c) return false;
    const long double px = TekstUVrednost(polja.Px);
    const long double pz = TekstUVrednost(polja.Pz);
    const long double my = TekstUVrednost(polja.My);
    const long double ux = TekstUVrednost(polja.zadatoUx);
    const long double uz = TekstUVrednost(polja.zadatoUz);
    const long double fiy = TekstUVrednost(polja.zadatoFiy);
    c->SetPx(px);
    c->SetPz(pz);
    c->SetMkoncY(my);
    // A prescribed displacement means nothing without its support; keeping it 0 there keeps the
    // node consistent even when a caller passes a value for a direction that is free.
    c->SetZadatoUx(c->OslX() ? ux : 0);
    c->SetZadatoUz(c->OslZ() ? uz : 0);
    c->SetZadatoFiy(c->UkljY() ? fiy : 0);
    return true;
}

TZadataPomeranja ZadataPomeranjaZaPrikaz(TCvor& c) {
    if (!c.OslX()) c.SetZadatoUx(0);
    if (!c.OslZ()) c.SetZadatoUz(0);
    if (!c.UkljY()) c.SetZadatoFiy(0);
    return {c.OslX(), c.OslZ(), c.UkljY(), c.ZadatoUx(), c.ZadatoUz(), c.ZadatoFiy()};
}
