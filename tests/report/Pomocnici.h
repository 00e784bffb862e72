#pragma once
// Shared by the report tests: a GUI application for fonts and painting, a synthetic report
// text that looks like the program's own, and reading a PDF back as text.

#include <QApplication>
#include <QByteArray>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>

#include <cstdio>

#include <gtest/gtest.h>

inline void OsigurajAplikaciju() {
    static int argc = 1;
    static char ime[] = "velt_report_tests";
    static char* argv[] = {ime, nullptr};
    if (!QCoreApplication::instance()) new QApplication(argc, argv);
}

inline QString ProjekatIzAsseta() { return QStringLiteral(VELT_ASSETS_DIR "/ProjectIzvestajAnalize.vrp"); }

// A report-like text: headings, node blocks, a global stiffness matrix whose rows are far wider
// than a page, vectors. `cvorova` nodes give a 3*cvorova square matrix.
inline QString SintetickiIzvestaj(int cvorova) {
    QString t = QStringLiteral("ULAZNI PODACI\r\n\r\n\r\nULAZNI PODACI - MATERIJALI\r\n\r\n");
    t += QStringLiteral(
        "Ime materijala: beton MB30\r\nBroj materijala: 0\r\nModul elasticnosti: 31500000\r\n"
        "Poasonov koeficijent: 0.2\r\n\r\n\r\n\r\nULAZNI PODACI - CVOROVI\r\n\r\n");
    for (int i = 0; i < cvorova; ++i)
        t += QStringLiteral(
                 "Broj cvora: %1\r\nX: %2\r\nZ: %3\r\nOslonac u X pravcu: NE\r\n"
                 "Broj pomeranja u X pravcu: %4\r\n\r\n")
                 .arg(i)
                 .arg(i * 2.5)
                 .arg(i % 3)
                 .arg(3 * i + 1);
    t += QStringLiteral("IZLAZNI PODACI\r\n\r\nK celog sistema - GKS\r\n----------\r\n");
    const int n = 3 * cvorova;
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            const double v = (r == c) ? 1234567.891234 * r : ((r + c) % 4 == 0 ? -(r * 1000.5 + c) : 0.0);
            char broj[40];
            std::snprintf(broj, sizeof broj, "%.6f", v);
            t += QString::fromLatin1(broj) + QStringLiteral("  ");
        }
        t += QStringLiteral("\r\n----------\r\n");
    }
    t += QStringLiteral("\r\n\r\nqs - GKS - ukupno\r\n");
    for (int r = 1; r <= n; ++r) t += QStringLiteral("Br. nep. pom.: %1   %2\r\n").arg(r).arg(0.00125 * r);
    return t;
}

// Whitespace runs collapsed, ends trimmed: pdftotext keeps the order of the text, not the exact
// spacing.
inline QString Sazmi(const QString& s) { return s.simplified(); }

// The pages of a PDF as pdftotext -layout sees them; empty when the tool is missing.
inline QStringList StranePdf(const QString& pdf, bool* imaAlat = nullptr) {
    QProcess p;
    p.start(QStringLiteral("pdftotext"),
            {QStringLiteral("-layout"), QStringLiteral("-enc"), QStringLiteral("UTF-8"), pdf, QStringLiteral("-")});
    const bool ok = p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    if (imaAlat) *imaAlat = ok;
    if (!ok) return {};
    QStringList strane = QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\f'));
    if (!strane.isEmpty() && strane.back().trimmed().isEmpty()) strane.pop_back();
    return strane;
}

inline QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
