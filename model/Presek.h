#pragma once
#include <string>

// A cross-section: second moment of area, area, height and shear shape coefficient.
class TPresek {
public:
    TPresek(int ID, std::string ime, long double I, long double Aaksijalno, long double h, long double k)
        : IDPreseka(ID),
          imePreseka(std::move(ime)),
          aksijalniMomentInercijePreseka(I),
          povrsinaPoprecnogPreseka(Aaksijalno),
          visinaPreseka(h),
          koeficijentOblikaPreseka(k) {}

    int ID() const { return IDPreseka; }
    void SetID(int v) { IDPreseka = v; }
    const std::string& Ime() const { return imePreseka; }
    void SetIme(std::string v) { imePreseka = std::move(v); }
    long double I() const { return aksijalniMomentInercijePreseka; }
    void SetI(long double v) { aksijalniMomentInercijePreseka = v; }
    long double Aaksijalno() const { return povrsinaPoprecnogPreseka; }
    void SetAaksijalno(long double v) { povrsinaPoprecnogPreseka = v; }
    long double h() const { return visinaPreseka; }
    void Seth(long double v) { visinaPreseka = v; }
    long double k() const { return koeficijentOblikaPreseka; }
    void Setk(long double v) { koeficijentOblikaPreseka = v; }

private:
    int IDPreseka;
    std::string imePreseka;
    long double aksijalniMomentInercijePreseka;
    long double povrsinaPoprecnogPreseka;
    long double visinaPreseka;
    long double koeficijentOblikaPreseka;
};
