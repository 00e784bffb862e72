// The "Uticajne linije" tab: the line of the fields, the table, a train, a click, saving, refusals.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTableWidget>
#include <QTemporaryDir>

#include "CrtanjeUticajneLinije.h"
#include "PlotChart.h"
#include "PomocniProzora.h"
#include "TabUticajneLinije.h"
#include "UnitGlavniProzor.h"

namespace {

struct TProzor {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    TTabUticajneLinije* tab;
    TProzor() {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(QStringList{QStringLiteral(VELT_EXAMPLES_DIR "/prosta-greda.velt")},
                                                std::move(dijalozi));
        tab = w->findChild<TTabUticajneLinije*>();
    }
    void Presek(const char* velicina, const char* stap, const char* x) {
        tab->ComboBoxUticajVelicina->setCurrentText(QString::fromLatin1(velicina));
        tab->EditUticajStap->setText(QString::fromLatin1(stap));
        tab->EditUticajX->setText(QString::fromLatin1(x));
    }
    size_t StavkiUBoji(TColor boja) const {
        size_t n = 0;
        for (const auto& s : tab->PlotChartUticaj->Stavke()) n += s.Color == boja;
        return n;
    }
    double Ordinata(int red) const { return tab->TabelaUticaja->item(red, 2)->text().toDouble(); }
};

TEST(UticajneLinijeProzora, TheLineOfTheFieldsIsDrawnAndTabulated) {
    TProzor p;
    ASSERT_NE(p.tab, nullptr);
    p.Presek("M", "0", "2");
    ASSERT_TRUE(p.tab->Prikazi()) << p.d->PoslednjiTekst().toStdString();
    // Two members of 3, 21 stations each; the simple beam's line x(L - a)/L, a(L - x)/L with a = 2.
    ASSERT_EQ(p.tab->TabelaUticaja->rowCount(), 42);
    for (int k = 0; k <= 20; ++k) {
        const double t = 3.0 * k / 20;
        EXPECT_NEAR(p.Ordinata(k), t <= 2 ? t * 4 / 6 : 2 * (6 - t) / 6, 1e-12) << k;
        EXPECT_NEAR(p.Ordinata(21 + k), 2 * (6 - (3 + t)) / 6, 1e-12) << k;
    }
    EXPECT_GT(p.StavkiUBoji(BojaUticajaPlus), 0u);
    EXPECT_GT(p.StavkiUBoji(SrafuraUticajaPlus), 0u);
    EXPECT_EQ(p.StavkiUBoji(BojaUticajaMinus), 0u);
    // Shear has a negative part in its own tint.
    p.Presek("T", "0", "2");
    ASSERT_TRUE(p.tab->Prikazi());
    EXPECT_GT(p.StavkiUBoji(BojaUticajaMinus), 0u);
    EXPECT_GT(p.StavkiUBoji(SrafuraUticajaMinus), 0u);
}

TEST(UticajneLinijeProzora, ATrainShowsItsExtremeAndANamedOneFillsTheField) {
    TProzor p;
    p.Presek("M", "0", "2.5");
    p.tab->ComboBoxVoz->setCurrentIndex(2);
    Q_EMIT p.tab->ComboBoxVoz->activated(2);
    EXPECT_EQ(p.tab->EditVoz->text(), QStringLiteral("1@0,1@2"));
    ASSERT_TRUE(p.tab->Prikazi());
    // Two equal forces 2 apart: (L - d/2)^2 / 2L = 25/12 with the leading force over the section.
    EXPECT_TRUE(p.tab->LabelVoz->text().startsWith(QStringLiteral("Voz: max = 2.08333333333333")))
        << p.tab->LabelVoz->text().toStdString();
    EXPECT_GT(p.StavkiUBoji(BojaVoza), 0u);
}

TEST(UticajneLinijeProzora, AClickOnAMemberTakesTheSectionAndTheMouseReadsTheOrdinate) {
    TProzor p;
    p.w->resize(1400, 900);
    p.w->show();
    p.tab->ComboBoxUticajVelicina->setCurrentText(QStringLiteral("Rz"));
    p.tab->EditUticajCvor->setText(QStringLiteral("0"));
    ASSERT_TRUE(p.tab->Prikazi());
    TPlotChart& g = *p.tab->PlotChartUticaj;
    g.PostaviVelicinu(800, 500);
    const int px = int(std::lround(g.XUPiksel(1.5))), py = int(std::lround(g.YUPiksel(0)));
    p.tab->MisNaGrafiku(px, py);
    // Rz of the left support with the load at x of 6: (6 - x)/6, both as shown to four digits.
    const QString t = p.tab->LabelUticajPodMisem->text();
    const QRegularExpressionMatch m =
        QRegularExpression(QStringLiteral("^Stap 0, x = ([0-9.]+): Rz = ([0-9.]+)$")).match(t);
    ASSERT_TRUE(m.hasMatch()) << t.toStdString();
    EXPECT_NEAR(m.captured(1).toDouble(), 1.5, 0.05);
    EXPECT_NEAR(m.captured(2).toDouble(), (6 - m.captured(1).toDouble()) / 6, 1e-3);
    p.tab->KlikNaGrafik(px, py);
    EXPECT_EQ(p.tab->ComboBoxUticajVelicina->currentText(), QStringLiteral("M"));
    EXPECT_EQ(p.tab->EditUticajStap->text(), QStringLiteral("0"));
    EXPECT_NEAR(p.tab->EditUticajX->text().toDouble(), 1.5, 0.05);
}

TEST(UticajneLinijeProzora, RefusalsAreShownAndSavingWritesThePicture) {
    TProzor p;
    const struct {
        const char* velicina;
        const char* stap;
        const char* x;
        const char* voz;
        const char* poruka;
    } slucajevi[] = {
        {"M", "9", "1", "", "Ne postoji stap sa ID 9!!!"},
        {"M", "a", "1", "", "Neispravan ID stapa: a!!!"},
        {"M", "0", "5", "", "Presek mora biti na stapu: 0 <= x <= 3!!!"},
        {"M", "0", "1", "1@", "Neispravan teret \"1@\""},
    };
    for (const auto& s : slucajevi) {
        p.Presek(s.velicina, s.stap, s.x);
        p.tab->EditVoz->setText(QString::fromLatin1(s.voz));
        EXPECT_FALSE(p.tab->Prikazi());
        EXPECT_TRUE(p.d->PoslednjiTekst().startsWith(QString::fromLatin1(s.poruka)))
            << p.d->PoslednjiTekst().toStdString();
    }
    p.Presek("M", "0", "1");
    p.tab->EditVoz->clear();
    ASSERT_TRUE(p.tab->Prikazi());
    QTemporaryDir dir;
    const QString put = dir.filePath(QStringLiteral("uticaj"));
    p.d->imenaFajlova.push_back(put);
    p.tab->SacuvajGrafik();
    EXPECT_TRUE(QFileInfo::exists(put + QStringLiteral(".png")));
}

}  // namespace
