#pragma once
#include <string>

// Member-load kinds. A linearly varying load ("linearno") keeps p1 in RaspodeljenoOpterecenje, its
// extent in PocetakRaspodeljenog / KrajRaspodeljenog and p2 in RaspodeljenoOpterecenjeUPravcuOse;
// the member's own weight ("sopstvena tezina") keeps its factor in RaspodeljenoOpterecenje.
enum TTipOpterecenja : int {
    toV = 0,
    toM = 1,
    toPn = 2,
    toT = 3,
    toDeltaT = 4,
    toH = 5,
    toPt = 6,
    toLinearno = 7,
    toSopstvenaTezina = 8
};
inline constexpr int BrojVrstaOpterecenja = 9;

// A member load, defined once in the load list and assigned to at most one member through IDStapa
// (-1 when it is not assigned). Only the fields of its current kind are used.
class TOpterecenje {
public:
    TOpterecenje(int ID, std::string ime, int tip, int IDOptStapa, long double koncSila, long double pozicijaKoncSile,
                 long double koncMoment, long double pozicijaKoncMomenta, long double raspodeljenoOpt,
                 long double pocetnaPozicijaRaspodeljenogOpt, long double krajnjaPozicijaRaspodeljenogOpt,
                 long double tempPromenaUOsi, long double tempRazlikaNaStapu, long double tempKoncUPracuOse,
                 long double pozKoncUPracuOse, long double raspodeljenoUPracuOse,
                 long double pocetakRaspodeljenoUPracuOse, long double krajRaspodeljenoUPracuOse)
        : IDOpterecenja(ID),
          imeOpterecenja(std::move(ime)),
          tipOpterecenja(tip),
          IDOpterecenogStapa(IDOptStapa),
          koncentrisanaSilaNaStapu(koncSila),
          pozicijaKoncentrisaneSileNaStapu(pozicijaKoncSile),
          koncentrisaniMomentNaStapu(koncMoment),
          pozicijaKoncentrisanogMomentaNaStapu(pozicijaKoncMomenta),
          raspodeljenoOpterecenjeNaStapu(raspodeljenoOpt),
          pocetnaPozicijaRaspodeljenogOpterecenjaNaStapu(pocetnaPozicijaRaspodeljenogOpt),
          krajnjaPozicijaRaspodeljenogOpterecenjaNaStapu(krajnjaPozicijaRaspodeljenogOpt),
          temperaturnaPromenaUOsiStapa(tempPromenaUOsi),
          temperaturnaRazlikaNaStapu(tempRazlikaNaStapu),
          koncentrisanaSilaNaStapuUPravcuOse(tempKoncUPracuOse),
          pozicijaKoncentrisaneSileNaStapuUPravcuOse(pozKoncUPracuOse),
          raspodeljenoOpterecenjeNaStapuUPravcuOse(raspodeljenoUPracuOse),
          pocetnaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse(pocetakRaspodeljenoUPracuOse),
          krajnjaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse(krajRaspodeljenoUPracuOse) {}

    int ID() const { return IDOpterecenja; }
    void SetID(int v) { IDOpterecenja = v; }
    const std::string& Ime() const { return imeOpterecenja; }
    void SetIme(std::string v) { imeOpterecenja = std::move(v); }
    int Tip() const { return tipOpterecenja; }
    void SetTip(int v) { tipOpterecenja = v; }
    int IDStapa() const { return IDOpterecenogStapa; }
    void SetIDStapa(int v) { IDOpterecenogStapa = v; }
    long double KoncentrisanaSila() const { return koncentrisanaSilaNaStapu; }
    void SetKoncentrisanaSila(long double v) { koncentrisanaSilaNaStapu = v; }
    long double PozicijaKoncentrisaneSile() const { return pozicijaKoncentrisaneSileNaStapu; }
    void SetPozicijaKoncentrisaneSile(long double v) { pozicijaKoncentrisaneSileNaStapu = v; }
    long double KoncentrisaniMoment() const { return koncentrisaniMomentNaStapu; }
    void SetKoncentrisaniMoment(long double v) { koncentrisaniMomentNaStapu = v; }
    long double PozicijaKoncentrisanogMomenta() const { return pozicijaKoncentrisanogMomentaNaStapu; }
    void SetPozicijaKoncentrisanogMomenta(long double v) { pozicijaKoncentrisanogMomentaNaStapu = v; }
    long double RaspodeljenoOpterecenje() const { return raspodeljenoOpterecenjeNaStapu; }
    void SetRaspodeljenoOpterecenje(long double v) { raspodeljenoOpterecenjeNaStapu = v; }
    long double PocetakRaspodeljenog() const { return pocetnaPozicijaRaspodeljenogOpterecenjaNaStapu; }
    void SetPocetakRaspodeljenog(long double v) { pocetnaPozicijaRaspodeljenogOpterecenjaNaStapu = v; }
    long double KrajRaspodeljenog() const { return krajnjaPozicijaRaspodeljenogOpterecenjaNaStapu; }
    void SetKrajRaspodeljenog(long double v) { krajnjaPozicijaRaspodeljenogOpterecenjaNaStapu = v; }
    long double TemperaturnaPromena() const { return temperaturnaPromenaUOsiStapa; }
    void SetTemperaturnaPromena(long double v) { temperaturnaPromenaUOsiStapa = v; }
    long double TemperaturnaRazlika() const { return temperaturnaRazlikaNaStapu; }
    void SetTemperaturnaRazlika(long double v) { temperaturnaRazlikaNaStapu = v; }
    long double KoncentrisanaSilaUPravcuOse() const { return koncentrisanaSilaNaStapuUPravcuOse; }
    void SetKoncentrisanaSilaUPravcuOse(long double v) { koncentrisanaSilaNaStapuUPravcuOse = v; }
    long double PozicijaKoncentrisaneSileUPravcuOse() const { return pozicijaKoncentrisaneSileNaStapuUPravcuOse; }
    void SetPozicijaKoncentrisaneSileUPravcuOse(long double v) { pozicijaKoncentrisaneSileNaStapuUPravcuOse = v; }
    long double RaspodeljenoOpterecenjeUPravcuOse() const { return raspodeljenoOpterecenjeNaStapuUPravcuOse; }
    void SetRaspodeljenoOpterecenjeUPravcuOse(long double v) { raspodeljenoOpterecenjeNaStapuUPravcuOse = v; }
    long double PocetakRaspodeljenogUPravcuOse() const {
        return pocetnaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse;
    }
    void SetPocetakRaspodeljenogUPravcuOse(long double v) {
        pocetnaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse = v;
    }
    long double KrajRaspodeljenogUPravcuOse() const { return krajnjaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse; }
    void SetKrajRaspodeljenogUPravcuOse(long double v) { krajnjaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse = v; }

private:
    int IDOpterecenja;
    std::string imeOpterecenja;
    int tipOpterecenja;
    int IDOpterecenogStapa;
    long double koncentrisanaSilaNaStapu;
    long double pozicijaKoncentrisaneSileNaStapu;
    long double koncentrisaniMomentNaStapu;
    long double pozicijaKoncentrisanogMomentaNaStapu;
    long double raspodeljenoOpterecenjeNaStapu;
    long double pocetnaPozicijaRaspodeljenogOpterecenjaNaStapu;
    long double krajnjaPozicijaRaspodeljenogOpterecenjaNaStapu;
    long double temperaturnaPromenaUOsiStapa;
    long double temperaturnaRazlikaNaStapu;
    long double koncentrisanaSilaNaStapuUPravcuOse;
    long double pozicijaKoncentrisaneSileNaStapuUPravcuOse;
    long double raspodeljenoOpterecenjeNaStapuUPravcuOse;
    long double pocetnaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse;
    long double krajnjaPozicijaRaspodeljenogOpterecenjaNaStapuUPravcuOse;
};
