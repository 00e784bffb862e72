#pragma once

// A node with its supports, loads, prescribed support displacements, code numbers and results.
class TCvor {
public:
    TCvor(int ID, long double Xkor, long double Zkor, bool OslX, bool OslZ, bool UkljY, long double Rx, long double Rz,
          long double MUkljY, long double Px, long double Pz, long double MSpoljY, int BrPomX, int BrPomZ, int BrObrtY,
          long double PomUX, long double PomUZ, long double ObrFiY, long double ZadUX, long double ZadUZ,
          long double ZadFiY)
        : IDCvora(ID),
          XkorCvora(Xkor),
          ZkorCvora(Zkor),
          OslonacX(OslX),
          OslonacZ(OslZ),
          UkljestenjeY(UkljY),
          RxCvora(Rx),
          RzCvora(Rz),
          MyUkljestenjaCvora(MUkljY),
          PxCvora(Px),
          PzCvora(Pz),
          MyKoncentrisaniMomentCvora(MSpoljY),
          BrojPomeranjaX(BrPomX),
          BrojPomeranjaZ(BrPomZ),
          BrojObrtanjaY(BrObrtY),
          PomeranjeUX(PomUX),
          PomeranjaUZ(PomUZ),
          ObrtanjaFiY(ObrFiY),
          ZadatoPomeranjeUX(ZadUX),
          ZadatoPomeranjaUZ(ZadUZ),
          ZadatoObrtanjaFiY(ZadFiY) {}

    int ID() const { return IDCvora; }
    void SetID(int v) { IDCvora = v; }
    long double X() const { return XkorCvora; }
    void SetX(long double v) { XkorCvora = v; }
    long double Z() const { return ZkorCvora; }
    void SetZ(long double v) { ZkorCvora = v; }
    bool OslX() const { return OslonacX; }
    void SetOslX(bool v) { OslonacX = v; }
    bool OslZ() const { return OslonacZ; }
    void SetOslZ(bool v) { OslonacZ = v; }
    bool UkljY() const { return UkljestenjeY; }
    void SetUkljY(bool v) { UkljestenjeY = v; }
    long double Rx() const { return RxCvora; }
    void SetRx(long double v) { RxCvora = v; }
    long double Rz() const { return RzCvora; }
    void SetRz(long double v) { RzCvora = v; }
    long double MukljY() const { return MyUkljestenjaCvora; }
    void SetMukljY(long double v) { MyUkljestenjaCvora = v; }
    long double Px() const { return PxCvora; }
    void SetPx(long double v) { PxCvora = v; }
    long double Pz() const { return PzCvora; }
    void SetPz(long double v) { PzCvora = v; }
    long double MkoncY() const { return MyKoncentrisaniMomentCvora; }
    void SetMkoncY(long double v) { MyKoncentrisaniMomentCvora = v; }
    int BrPomeranjaX() const { return BrojPomeranjaX; }
    void SetBrPomeranjaX(int v) { BrojPomeranjaX = v; }
    int BrPomeranjaZ() const { return BrojPomeranjaZ; }
    void SetBrPomeranjaZ(int v) { BrojPomeranjaZ = v; }
    int BrObrtanjaY() const { return BrojObrtanjaY; }
    void SetBrObrtanjaY(int v) { BrojObrtanjaY = v; }
    long double Ux() const { return PomeranjeUX; }
    void SetUx(long double v) { PomeranjeUX = v; }
    long double Uz() const { return PomeranjaUZ; }
    void SetUz(long double v) { PomeranjaUZ = v; }
    long double Fiy() const { return ObrtanjaFiY; }
    void SetFiy(long double v) { ObrtanjaFiY = v; }
    long double ZadatoUx() const { return ZadatoPomeranjeUX; }
    void SetZadatoUx(long double v) { ZadatoPomeranjeUX = v; }
    long double ZadatoUz() const { return ZadatoPomeranjaUZ; }
    void SetZadatoUz(long double v) { ZadatoPomeranjaUZ = v; }
    long double ZadatoFiy() const { return ZadatoObrtanjaFiY; }
    void SetZadatoFiy(long double v) { ZadatoObrtanjaFiY = v; }

    // Elastic supports: spring stiffnesses along the node's axes and about Y (0 for none), and the
    // angle in degrees by which the node's axes are turned from X and Z, counter-clockwise; the
    // supports OslX and OslZ and the springs act along the turned axes.
    long double Kx() const { return KrutostOprugeX; }
    void SetKx(long double v) { KrutostOprugeX = v; }
    long double Kz() const { return KrutostOprugeZ; }
    void SetKz(long double v) { KrutostOprugeZ = v; }
    long double Kfi() const { return KrutostOprugeFi; }
    void SetKfi(long double v) { KrutostOprugeFi = v; }
    long double Ugao() const { return UgaoOslonca; }
    void SetUgao(long double v) { UgaoOslonca = v; }
    bool ImaOprugu() const { return KrutostOprugeX != 0 || KrutostOprugeZ != 0 || KrutostOprugeFi != 0; }
    // A free member end is held by a support or, elastically, by a translational spring.
    bool DrziTranslaciju() const { return OslonacX || OslonacZ || KrutostOprugeX != 0 || KrutostOprugeZ != 0; }
    bool ImaElasticniIliKosiOslonac() const { return ImaOprugu() || UgaoOslonca != 0; }

    // Results: the forces the springs exert on the node, along the node's axes, and the moment.
    long double SilaOprugeX() const { return SilaOprugeXCvora; }
    long double SilaOprugeZ() const { return SilaOprugeZCvora; }
    long double MomentOpruge() const { return MomentOprugeCvora; }
    void SetSileOpruge(long double fx, long double fz, long double m) {
        SilaOprugeXCvora = fx;
        SilaOprugeZCvora = fz;
        MomentOprugeCvora = m;
    }

private:
    int IDCvora;
    long double XkorCvora;
    long double ZkorCvora;
    bool OslonacX;
    bool OslonacZ;
    bool UkljestenjeY;
    long double RxCvora;
    long double RzCvora;
    long double MyUkljestenjaCvora;
    long double PxCvora;
    long double PzCvora;
    long double MyKoncentrisaniMomentCvora;
    int BrojPomeranjaX;
    int BrojPomeranjaZ;
    int BrojObrtanjaY;
    long double PomeranjeUX;
    long double PomeranjaUZ;
    long double ObrtanjaFiY;
    long double ZadatoPomeranjeUX;
    long double ZadatoPomeranjaUZ;
    long double ZadatoObrtanjaFiY;
    long double KrutostOprugeX = 0;
    long double KrutostOprugeZ = 0;
    long double KrutostOprugeFi = 0;
    long double UgaoOslonca = 0;
    long double SilaOprugeXCvora = 0;
    long double SilaOprugeZCvora = 0;
    long double MomentOprugeCvora = 0;
};
