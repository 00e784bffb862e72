#include <cmath>
#include <map>

#include "ElementStapa.h"
#include "FormatiIzvoza.h"
#include "Greska.h"
#include "MatriceMetode.h"
#include "PomocIzvoza.h"
#include "ZapisBroja.h"

namespace {

std::map<std::string, TImenovanaMatrica> PoImenu(const std::vector<TImenovanaMatrica>& v) {
    std::map<std::string, TImenovanaMatrica> m;
    for (const auto& x : v) m.emplace(x.ime, x);
    return m;
}

// Every cell of the file holds the bits of the computed value.
void OcekujIsteBitove(const TImenovanaMatrica& m, const TProcitano& p, const char* format) {
    ASSERT_EQ(p.redova, m.redova) << m.ime << " " << format;
    ASSERT_EQ(p.kolona, m.kolona) << m.ime << " " << format;
    for (int r = 1; r <= m.redova; ++r)
        for (int c = 1; c <= m.kolona; ++c)
            ASSERT_EQ(std::bit_cast<std::uint64_t>(p.Elem(c, r)), std::bit_cast<std::uint64_t>(m.Element(c, r)))
                << m.ime << " " << format << " (" << r << ", " << c << ")";
}

}  // namespace

TEST(IzvozMatrica, EveryMatrixOfTheMethodIsThereUnderItsName) {
    TRam ram;
    const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
    for (const char* ime :
         {"K", "Kss", "Kso", "Kos", "Koo", "invKss", "Ps", "Qs", "Ss", "Qo", "qs", "qo", "Ro", "s", "o"})
        EXPECT_TRUE(sve.count(ime)) << ime;
    for (const auto& s : ram.g.m.nizStapova)
        for (const char* p : {"T_", "kLKS_", "kGKS_", "QLKS_", "QGKS_", "R_", "kodovi_"})
            EXPECT_TRUE(sve.count(p + std::to_string(s->ID()))) << p << s->ID();
    // Two free nodes of three unknowns each; the fixed ends give six known displacements.
    EXPECT_EQ(sve.at("Kss").redova, 6);
    EXPECT_EQ(sve.at("Kso").redova, 6);
    EXPECT_EQ(sve.at("Kso").kolona, 6);
    EXPECT_EQ(sve.at("K").kodoviKolona, *ram.stanje.nizKodnihBrojeva);
    EXPECT_TRUE(sve.at("s").celobrojna);
}

TEST(IzvozMatrica, MemberMatricesMatchTheClosedForms) {
    TRam ram;
    const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
    struct {
        int id;
        long double L, cos, sin;
    } stapovi[] = {{0, 4, 0, -1}, {1, 7, 1, 0}, {2, std::sqrt(17.0L), -1 / std::sqrt(17.0L), 4 / std::sqrt(17.0L)}};
    for (const auto& s : stapovi) {
        const auto& k = sve.at("kLKS_" + std::to_string(s.id));
        const auto& T = sve.at("T_" + std::to_string(s.id));
        const long double L = s.L;
        EXPECT_TRUE(Blizu(k.Element(1, 1), E * A / L)) << s.id;
        EXPECT_TRUE(Blizu(k.Element(4, 1), -E * A / L)) << s.id;
        EXPECT_TRUE(Blizu(k.Element(2, 2), 12 * E * I / (L * L * L))) << s.id;
        EXPECT_TRUE(Blizu(k.Element(3, 3), 4 * E * I / L)) << s.id;
        EXPECT_TRUE(Blizu(std::fabs(k.Element(6, 3)), 2 * E * I / L)) << s.id;
        EXPECT_TRUE(Blizu(T.Element(1, 1), s.cos)) << s.id;
        EXPECT_TRUE(Blizu(std::fabs(T.Element(2, 1)), std::fabs(s.sin))) << s.id;
        EXPECT_TRUE(Blizu(T.Element(3, 3), 1)) << s.id;
    }
    // A point load P in the middle of the beam: P / 2 at each end, P L / 8 at each end as moment.
    const auto& Q = sve.at("QLKS_1");
    EXPECT_TRUE(Blizu(std::fabs(Q.Element(1, 2)), 10));
    EXPECT_TRUE(Blizu(std::fabs(Q.Element(1, 5)), 10));
    EXPECT_TRUE(Blizu(std::fabs(Q.Element(1, 3)), 20 * 7.0L / 8));
    EXPECT_TRUE(Blizu(std::fabs(Q.Element(1, 6)), 20 * 7.0L / 8));
}

TEST(IzvozMatrica, FilesReadBackBitEqualInEveryFormat) {
    for (auto putanja : {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka}) {
        TRam ram(putanja);
        for (const auto& m : SveMatriceMetode(ram.g.m, ram.stanje)) {
            OcekujIsteBitove(m, CitajCsv(ZapisiMatricu(m, TFormatIzvoza::Csv)), "csv");
            OcekujIsteBitove(m, CitajMtx(ZapisiMatricu(m, TFormatIzvoza::Mtx)), "mtx");
            std::string tip;
            bool jedno = false;
            OcekujIsteBitove(m, CitajNpy(ZapisiMatricu(m, TFormatIzvoza::Npy), tip, jedno), "npy");
            EXPECT_EQ(tip, m.celobrojna ? "<i8" : "<f8") << m.ime;
            EXPECT_EQ(jedno, m.jednodimenzionalna) << m.ime;
        }
    }
}

TEST(IzvozMatrica, MatlabAndLatexHoldEveryValueWithItsCodeNumbers) {
    TRam ram;
    const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
    const auto& K = sve.at("Kss");
    const std::string m = ZapisiMatricu(K, TFormatIzvoza::M);
    EXPECT_EQ(m.rfind("% kodni brojevi redova: 4 5 6 7 8 9\n", 0), 0u) << m;
    // The values between the brackets, rows ended by ';', read back bit-equal.
    const size_t a = m.find("Kss = [") + 7, b = m.rfind("];");
    std::string telo = m.substr(a, b - a);
    for (char& c : telo)
        if (c == ';') c = '\n';
    TProcitano p;
    for (const std::string& l : Linije(telo)) {
        std::istringstream in(l);
        int n = 0;
        for (std::string x; in >> x;) p.vrednosti.push_back(Broj(x)), ++n;
        if (n) ++p.redova, p.kolona = n;
    }
    OcekujIsteBitove(K, p, "m");

    const std::string t = ZapisiMatricu(K, TFormatIzvoza::Tex);
    EXPECT_NE(t.find("\\begin{bmatrix}"), std::string::npos);
    EXPECT_NE(t.find("\\scriptstyle 4 & \\scriptstyle 5"), std::string::npos) << t;
    EXPECT_EQ(t.find('e'), t.find("\\begin") + 2) << "no raw exponent before the first environment";
}

TEST(IzvozMatrica, KAssembledFromTheExportedMemberMatricesIsTheExportedK) {
    for (auto putanja : {TPutanjaResavanja::Gusta, TPutanjaResavanja::Retka}) {
        TRam ram(putanja);
        const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
        const TProcitano K = CitajCsv(ZapisiMatricu(sve.at("K"), TFormatIzvoza::Csv));
        const std::vector<int> kodoviK = sve.at("K").kodoviKolona;
        std::map<int, int> mesto;
        for (size_t i = 0; i < kodoviK.size(); ++i) mesto[kodoviK[i]] = static_cast<int>(i);
        // K is symmetric and kept from its upper triangle: each place sums, member by member from
        // 0, the entry whose row is the degree of freedom at the smaller place.
        std::vector<double> zbir(kodoviK.size() * kodoviK.size(), 0.0);
        for (const auto& s : ram.g.m.nizStapova) {
            const std::string id = std::to_string(s->ID());
            const TProcitano k = CitajCsv(ZapisiMatricu(sve.at("kGKS_" + id), TFormatIzvoza::Csv));
            const TProcitano kod = CitajCsv(ZapisiMatricu(sve.at("kodovi_" + id), TFormatIzvoza::Csv));
            for (int a = 1; a <= kod.redova; ++a)
                for (int b = 1; b <= kod.redova; ++b) {
                    const int p = mesto.at(static_cast<int>(kod.Elem(1, a)));
                    const int q = mesto.at(static_cast<int>(kod.Elem(1, b)));
                    if (p > q) continue;
                    zbir[static_cast<size_t>(p) * kodoviK.size() + static_cast<size_t>(q)] += k.Elem(b, a);
                }
        }
        for (size_t p = 0; p < kodoviK.size(); ++p)
            for (size_t q = p; q < kodoviK.size(); ++q) {
                const double v = zbir[p * kodoviK.size() + q];
                EXPECT_EQ(K.Elem(int(q) + 1, int(p) + 1), v) << p << " " << q;
                EXPECT_EQ(K.Elem(int(p) + 1, int(q) + 1), v) << p << " " << q;
            }
    }
}

TEST(IzvozMatrica, KssTimesItsExportedInverseIsTheIdentity) {
    TRam ram;
    const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
    std::string tip;
    bool jedno;
    const TProcitano K = CitajNpy(ZapisiMatricu(sve.at("Kss"), TFormatIzvoza::Npy), tip, jedno);
    const TProcitano Ki = CitajNpy(ZapisiMatricu(sve.at("invKss"), TFormatIzvoza::Npy), tip, jedno);
    for (int r = 1; r <= K.redova; ++r)
        for (int c = 1; c <= K.redova; ++c) {
            long double s = 0;
            for (int k = 1; k <= K.redova; ++k) s += static_cast<long double>(K.Elem(k, r)) * Ki.Elem(c, k);
            EXPECT_NEAR(static_cast<double>(s), r == c ? 1.0 : 0.0, 1e-9) << r << " " << c;
        }
    // The large-model path forms no inverse: there is nothing to export under its name.
    TRam retko(TPutanjaResavanja::Retka);
    EXPECT_FALSE(PoImenu(SveMatriceMetode(retko.g.m, retko.stanje)).count("invKss"));
}

TEST(IzvozMatrica, ReactionsAndSolutionSatisfyEquilibrium) {
    TRam ram;
    const auto sve = PoImenu(SveMatriceMetode(ram.g.m, ram.stanje));
    // Sum of horizontal reactions balances the 10 kN push; the vertical ones carry the 20 kN load.
    const auto& Ro = sve.at("Ro");
    const auto& o = sve.at("o");
    double rx = 0, rz = 0;
    for (int i = 1; i <= Ro.redova; ++i) {
        const int kod = static_cast<int>(o.Element(1, i));
        for (const auto& cv : ram.g.m.nizCvorova) {
            if (cv->OslX() && cv->BrPomeranjaX() == kod) rx += Ro.Element(1, i);
            if (cv->OslZ() && cv->BrPomeranjaZ() == kod) rz += Ro.Element(1, i);
        }
    }
    EXPECT_NEAR(std::fabs(rx), 10, 1e-9);
    EXPECT_NEAR(std::fabs(rz), 20, 1e-9);
}

TEST(IzvozMatrica, TooLargeForADenseFormatIsRefusedButMatrixMarketWritesIt) {
    TImenovanaMatrica m;
    m.ime = "K";
    m.redova = m.kolona = 6000;  // 36 million entries
    m.izvor = GustiIzvor(NovaMatrica(1, 1));
    for (auto f : {TFormatIzvoza::Csv, TFormatIzvoza::M, TFormatIzvoza::Npy, TFormatIzvoza::Tex})
        EXPECT_THROW(ZapisiMatricu(m, f), TGreska);
    m.redova = m.kolona = 3;
    EXPECT_EQ(ZapisiMatricu(m, TFormatIzvoza::Mtx), "%%MatrixMarket matrix coordinate real general\n3 3 0\n");
}

TEST(IzvozMatrica, ClipboardTextIsTabSeparatedWithFullPrecision) {
    TMatrix a = NovaMatrica(3, 2);
    a.SetElem(1, 1, 0.1);
    a.SetElem(2, 1, 1.0 / 3);
    a.SetElem(3, 1, -2e-300);
    a.SetElem(2, 2, 12345678.9);
    TImenovanaMatrica m;
    m.ime = "K";
    m.redova = 2;
    m.kolona = 3;
    m.izvor = GustiIzvor(a);
    EXPECT_EQ(TekstZaKopiranje(m, 1, 2, 2, 3), "0.33333333333333331\t-2.0000000000000001e-300\n12345678.9\t0\n");
    EXPECT_EQ(Broj("0.33333333333333331"), 1.0 / 3);
    EXPECT_EQ(TacanZapis(0.1), "0.10000000000000001");
}

TEST(IzvozMatrica, NothingBeforeARunOrAfterAClear) {
    TRam ram;
    TStanjeAnalize prazno;  // the start-up state: empty lists, 1 x 1 zero matrices
    EXPECT_TRUE(SveMatriceMetode(ram.g.m, prazno).empty());
    ram.stanje.ObrisiRezultate(ram.g.m);
    EXPECT_TRUE(SveMatriceMetode(ram.g.m, ram.stanje).empty());
}
