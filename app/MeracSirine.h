#pragma once
#include <QFontMetrics>
#include <QHash>
#include <QString>

#include <bit>
#include <cstdint>
#include <vector>

// Raw binary exponent field of a double: 0 for zero and subnormals, 2047 for inf and nan.
inline int EksponentBita(double v) { return static_cast<int>((std::bit_cast<std::uint64_t>(v) >> 52) & 0x7FF); }

// Text widths in one font, with the bounds that let the column fitting skip cells that cannot
// widen a column: every number text is made of digits, a sign, a point and an exponent.
class TMeracSirine {
public:
    explicit TMeracSirine(const QFont& font);
    int Sirina(const QString& t) const;
    const QString& KljucFonta() const { return kljucFonta; }
    // The widest text that FormatBroja can give for a value of v's sign and decimal exponent.
    int GornjaGranicaReala(double v) const;
    int GornjaGranicaCelog(int v) const;

private:
    QFontMetrics metrika;
    QString kljucFonta;
    int nula = 0;                             // width of "0"
    QChar siroka;                             // the widest digit
    bool jednakeCifre = false;                // every digit as wide as "0", no pair kerned
    mutable QHash<QString, int> poOblicima;   // width of a text shape (digits as 0)
    std::vector<int> granicaPoEksponentu[2];  // [negative][decimal exponent - the smallest one]
    mutable int granicaCelog[2][12] = {{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1},
                                       {-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}};  // [negative][digits]
};
