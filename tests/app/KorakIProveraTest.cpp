// "Korak po korak" and "Provera" from the Analiza menu, driven by their controls.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTemporaryDir>

#include <bit>

#include "CekanjeAnalize.h"
#include "GlavniProzorPomocTest.h"
#include "ProzorKoraka.h"
#include "ProzorProvere.h"
#include "StanjeAnalize.h"
#include "ZapisBroja.h"

namespace {

struct TProzorSaRezultatima : TProzor {
    TProzorSaRezultatima() : TProzor({primer}) {
        Meni("Pokrenianalizu1");
        SacekajAnalizu(*w);
    }
};

}  // namespace

TEST(KorakPoKorak, WalksForwardAndBackAndMarksTheMemberOnThePlot) {
    TProzorSaRezultatima p;
    p.Meni("KorakPoKorak1");
    auto* k = p.w->findChild<TProzorKoraka*>("ProzorKorakPoKorak");
    ASSERT_NE(k, nullptr);
    // 3 members, partition, right-hand side, the solution (Kss, its 6 columns, the inverse), 3 end
    // forces, equilibrium.
    ASSERT_EQ(k->BrojKoraka(), 17);
    EXPECT_EQ(k->ListaKoraka->item(0)->text(), "1. Stap 0: sabiranje u K");
    EXPECT_FALSE(k->ButtonNazad->isEnabled());
    EXPECT_TRUE(p.w->PlotChartGrafik->ImaIsticanje());
    // The first member alone: K holds its 36 lit cells, the rest are 0.
    int obojenih = 0;
    for (int r = 0; r < k->TabelaKorakaK->rowCount(); ++r)
        for (int c = 0; c < k->TabelaKorakaK->columnCount(); ++c)
            obojenih += k->TabelaKorakaK->item(r, c)->background().style() != Qt::NoBrush;
    EXPECT_EQ(obojenih, 36);
    // Its wind load lands on its six code numbers of Q, lit in the same colour.
    ASSERT_EQ(k->TabelaKorakaQ->rowCount(), k->TabelaKorakaK->rowCount());
    int obojenihQ = 0;
    for (int r = 0; r < k->TabelaKorakaQ->rowCount(); ++r) {
        const QTableWidgetItem* q = k->TabelaKorakaQ->item(r, 0);
        if (q->background().style() == Qt::NoBrush) continue;
        ++obojenihQ;
        EXPECT_EQ(q->background().color(), k->TabelaKorakaK->item(r, r)->background().color());
    }
    EXPECT_EQ(obojenihQ, 6);
    k->ButtonNapred->click();
    k->ButtonNapred->click();
    EXPECT_EQ(k->TrenutniKorak(), 2);
    // After the last member K is the run's K, cell for cell in full.
    const TIzvorMatrice& K = *p.w->Stanje().matricaKGKS;
    for (int r = 0; r < K.BrojRedova(); ++r)
        for (int c = 0; c < K.BrojKolona(); ++c)
            ASSERT_EQ(k->TabelaKorakaK->item(r, c)->toolTip(),
                      QString::fromStdString(TacanZapis(K.Element(c + 1, r + 1))));
    EXPECT_EQ(k->TabelaKorakaK->horizontalHeaderItem(0)->text(), QString::number((*p.w->Stanje().nizKodnihBrojeva)[0]));
    k->ButtonNazad->click();
    EXPECT_EQ(k->TrenutniKorak(), 1);
    k->ListaKoraka->setCurrentRow(16);
    EXPECT_FALSE(k->ButtonNapred->isEnabled());
    EXPECT_TRUE(k->TabelaKorakaK->isHidden());
    EXPECT_TRUE(k->TabelaKorakaQ->isHidden());
    EXPECT_NE(k->MemoKoraka->toPlainText().indexOf("Reakcije + opterecenja"), -1);
    EXPECT_FALSE(p.w->PlotChartGrafik->ImaIsticanje());

    QTemporaryDir dir;
    p.d->imenaFajlova.push_back(dir.filePath("koraci.pdf"));
    k->ButtonStampajKorake->click();
    EXPECT_EQ(Procitaj(dir.filePath("koraci.pdf")).left(5), QByteArray("%PDF-"));
    k->close();
    EXPECT_FALSE(p.w->PlotChartGrafik->ImaIsticanje());
}

TEST(KorakPoKorak, WithoutResultsSaysSo) {
    TProzor p({primer});
    p.Meni("KorakPoKorak1");
    p.Meni("Provera1");
    ASSERT_EQ(p.d->zapisi.size(), 2u);
    EXPECT_EQ(p.d->zapisi[0].tekst, "Nema rezultata: prvo pokrenite analizu!!!");
    EXPECT_EQ(p.d->zapisi[1].tekst, "Nema rezultata: prvo pokrenite analizu!!!");
}

TEST(Provera, PastedKssWithTwoWrongCellsMarksExactlyThose) {
    TProzorSaRezultatima p;
    p.Meni("Provera1");
    auto* v = p.w->findChild<TProzorProvere*>("ProzorProvera");
    ASSERT_NE(v, nullptr);
    v->ComboBoxProveraMatrica->setCurrentText("Kss");
    const TIzvorMatrice& Kss = *p.w->Stanje().matricaKssGKS;
    QString tekst;
    for (int r = 1; r <= Kss.BrojRedova(); ++r) {
        for (int c = 1; c <= Kss.BrojKolona(); ++c) {
            double x = Kss.Element(c, r);
            if ((r == 1 && c == 1) || (r == 3 && c == 2)) x = x * 2 + 1;
            tekst += (c > 1 ? "\t" : "") + QString::fromStdString(ZapisSaCiframa(x, 8)).replace('.', ',');
        }
        tekst += "\n";
    }
    v->MemoProvera->setPlainText(tekst);
    v->ButtonUporedi->click();
    EXPECT_TRUE(v->LabelProvera->text().startsWith("2 od 36 vrednosti se razlikuje;"))
        << v->LabelProvera->text().toStdString();
    int obojenih = 0;
    for (int r = 0; r < 6; ++r)
        for (int c = 0; c < 6; ++c)
            if (v->TabelaProvera->item(r, c)->background().style() != Qt::NoBrush) {
                ++obojenih;
                EXPECT_TRUE((r == 0 && c == 0) || (r == 2 && c == 1)) << r << " " << c;
            }
    EXPECT_EQ(obojenih, 2);

    v->EditTolerancija->setText("x");
    v->ButtonUporedi->click();
    EXPECT_EQ(p.d->zapisi.back().tekst, "Tolerancija mora biti broj veci ili jednak nuli!!!");
    v->EditTolerancija->setText("1e-6");
    v->MemoProvera->setPlainText("1\tabc\n");
    v->ButtonUporedi->click();
    EXPECT_EQ(p.d->zapisi.back().tekst, "Red 1, kolona 2: \"abc\" nije broj!!!");
}

TEST(Provera, ACsvFileOfTheExportMatchesAllCells) {
    TProzorSaRezultatima p;
    QTemporaryDir dir;
    p.d->imenaFajlova.push_back(dir.filePath("m.csv"));
    p.Meni("IzveziMatrice1");
    p.Meni("Provera1");
    auto* v = p.w->findChild<TProzorProvere*>("ProzorProvera");
    ASSERT_NE(v, nullptr);
    v->ComboBoxProveraMatrica->setCurrentText("K");
    p.d->imenaFajlova.push_back(dir.filePath("K.csv"));
    v->ButtonIzFajla->click();
    EXPECT_TRUE(v->LabelProvera->text().startsWith("0 od 121 vrednosti se razlikuje;"))
        << v->LabelProvera->text().toStdString();
}
