#pragma once
#include <string>

// A material: elastic constants, volume mass and thermal expansion coefficient.
class TMaterijal {
public:
    TMaterijal(int ID, std::string ime, long double modulElasticnosti, long double poasonovKoeficijent,
               long double zapreminskaMasa, long double alft)
        : IDMaterijala(ID),
          imeMaterijala(std::move(ime)),
          modulElasticnostiMaterijala(modulElasticnosti),
          poasonovKoeficijentMaterijala(poasonovKoeficijent),
          zapreminskaMasaMaterijala(zapreminskaMasa),
          alfaTUklasi(alft) {}

    int ID() const { return IDMaterijala; }
    void SetID(int v) { IDMaterijala = v; }
    const std::string& Ime() const { return imeMaterijala; }
    void SetIme(std::string v) { imeMaterijala = std::move(v); }
    long double E() const { return modulElasticnostiMaterijala; }
    void SetE(long double v) { modulElasticnostiMaterijala = v; }
    long double Poasonov() const { return poasonovKoeficijentMaterijala; }
    void SetPoasonov(long double v) { poasonovKoeficijentMaterijala = v; }
    long double Masa() const { return zapreminskaMasaMaterijala; }
    void SetMasa(long double v) { zapreminskaMasaMaterijala = v; }
    // Shear modulus, derived on every read so it always follows E and nu.
    long double G() const { return modulElasticnostiMaterijala / ((poasonovKoeficijentMaterijala + 1) * 2); }
    long double AlfaT() const { return alfaTUklasi; }
    void SetAlfaT(long double v) { alfaTUklasi = v; }

private:
    int IDMaterijala;
    std::string imeMaterijala;
    long double modulElasticnostiMaterijala;
    long double poasonovKoeficijentMaterijala;
    long double zapreminskaMasaMaterijala;
    long double alfaTUklasi;
};
