#include "MeracSirine.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

#include "Brojevi.h"

namespace {
constexpr int NajmanjiEksponent = -330;
constexpr int NajveciEksponent = 310;
constexpr double Log10Od2 = 0.30102999566398119521;
constexpr double BlizuStepena = 1e-13;

const std::vector<double>& StepeniDeset() {
    static const std::vector<double> p = [] {
        std::vector<double> v;
        for (int e = NajmanjiEksponent; e <= NajveciEksponent; ++e)
            v.push_back(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
        return v;
    }();
    return p;
}
}  // namespace

TMeracSirine::TMeracSirine(const QFont& f) : metrika(f), kljucFonta(f.key()) {
    const QFontMetrics& fm = metrika;
    nula = fm.horizontalAdvance(QStringLiteral("0"));
    QChar najsira = QLatin1Char('0');
    int cifra = -1;
    for (char d = '0'; d <= '9'; ++d)
        if (fm.horizontalAdvance(QLatin1Char(d)) > cifra) {
            cifra = fm.horizontalAdvance(QLatin1Char(d));
            najsira = QLatin1Char(d);
        }
    siroka = najsira;
    // Shapes stand for texts only when the digits are of one width and no pair of them is kerned:
    // every pair measured whole as wide as "00" (advances may be fractional, so not 2 * "0").
    const int dveNule = fm.horizontalAdvance(QStringLiteral("00"));
    jednakeCifre = true;
    for (char a = '0'; a <= '9' && jednakeCifre; ++a)
        for (char b = '0'; b <= '9' && jednakeCifre; ++b)
            jednakeCifre = fm.horizontalAdvance(QString(QLatin1Char(a)) + QLatin1Char(b)) == dveNule;
    // Nor a digit kerned against the other characters of a number.
    for (QChar z : {QLatin1Char('.'), QLatin1Char('-'), QLatin1Char('E'), QLatin1Char('+')})
        for (char d = '0'; d <= '9' && jednakeCifre; ++d)
            jednakeCifre =
                fm.horizontalAdvance(QString(QLatin1Char(d)) + z) == fm.horizontalAdvance(QStringLiteral("0") + z) &&
                fm.horizontalAdvance(QString(z) + QLatin1Char(d)) ==
                    fm.horizontalAdvance(QString(z) + QLatin1Char('0'));
    // The widest text FormatBroja gives for a decimal exponent e: the fixed characters as they
    // are, every significant digit the widest digit. Measured whole, as a cell is measured.
    auto tekst = [&](int e, bool negativan) {
        QString t = negativan ? QStringLiteral("-") : QString();
        const QString cifre(15, najsira);
        if (e < -5 || e >= 15) {
            t += cifre.left(1) + QLatin1Char('.') + cifre.mid(1) + QLatin1Char('E');
            if (e < 0) t += QLatin1Char('-');
            t += QString(static_cast<int>(std::to_string(std::abs(e)).size()), najsira);
        } else if (e < 0) {
            t += QStringLiteral("0.") + QString(-e - 1, QLatin1Char('0')) + cifre;
        } else {
            t += cifre.left(e + 1) + QLatin1Char('.') + cifre.mid(e + 1);
        }
        return t;
    };
    for (int znak = 0; znak < 2; ++znak) {
        auto& g = granicaPoEksponentu[znak];
        for (int e = NajmanjiEksponent; e <= NajveciEksponent; ++e)
            g.push_back(fm.horizontalAdvance(tekst(e, znak == 1)));
    }
}

int TMeracSirine::Sirina(const QString& t) const {
    if (!jednakeCifre) return metrika.horizontalAdvance(t);
    // With digits of one width a number's text is as wide as its shape with every digit a 0;
    // a grid of thousands of numbers has only a few shapes, each measured once.
    QString oblik = t;
    for (QChar& z : oblik)
        if (z.isDigit()) z = QLatin1Char('0');
    auto it = poOblicima.find(oblik);
    if (it == poOblicima.end()) it = poOblicima.insert(oblik, metrika.horizontalAdvance(oblik));
    return it.value();
}

int TMeracSirine::GornjaGranicaReala(double v) const {
    if (v == 0) return nula;
    const int E = EksponentBita(v);
    if (E == 2047) return 1 << 30;  // inf and nan: always measured
    const auto& g = granicaPoEksponentu[std::signbit(v) ? 1 : 0];
    auto granica = [&](int e) { return g[std::clamp(e, NajmanjiEksponent, NajveciEksponent) - NajmanjiEksponent]; };
    if (E == 0) return std::max(granica(-310), granica(-320));  // subnormals: the exponent form
    // The decimal exponent from the binary one, then corrected against the powers of ten.
    const std::vector<double>& p = StepeniDeset();
    auto stepen = [&](int e) { return p[std::clamp(e, NajmanjiEksponent, NajveciEksponent) - NajmanjiEksponent]; };
    const double a = std::fabs(v);
    int e = static_cast<int>(std::floor((E - 1023) * Log10Od2));
    while (e < NajveciEksponent && a >= stepen(e + 1)) ++e;
    while (e > NajmanjiEksponent && a < stepen(e)) --e;
    int najvise = granica(e);
    // Close to a power of ten the shown value, rounded or scaled in extended precision, may sit
    // on the other side of it.
    if (a < stepen(e) * (1 + BlizuStepena)) najvise = std::max(najvise, granica(e - 1));
    if (a > stepen(e + 1) * (1 - BlizuStepena)) najvise = std::max(najvise, granica(e + 1));
    return najvise;
}

int TMeracSirine::GornjaGranicaCelog(int v) const {
    int cifara = 1;
    for (long long a = std::llabs(static_cast<long long>(v)); a >= 10; a /= 10) ++cifara;
    // Measured once per sign and digit count: a list of thousands of code numbers asks often.
    int& granica = granicaCelog[v < 0 ? 1 : 0][cifara];
    if (granica < 0) granica = Sirina((v < 0 ? QStringLiteral("-") : QString()) + QString(cifara, siroka));
    return granica;
}
