// The result page and the analysis page with a model on the sparse path.
#include <QLabel>
#include <QProgressBar>

#include <cmath>

#include "GeneratorModela.h"
#include "RetkaMatrica.h"
#include "StranicaAnalizePomocTest.h"

namespace {

// A 5 x 5 frame (20 free nodes, 60 unknowns) analysed on the asked path.
void Analiziraj(TOkruzenjeAnalize& o, TPutanjaResavanja putanja) {
    o.model = GenerisiRam(4, 4);
    o.rezultati->OsveziListe();
    o.stanje.zahtevanaPutanja = putanja;
    o.Pokreni();
    ASSERT_EQ(o.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Uspeh);
    ASSERT_EQ(o.stanje.putanja, putanja);
}

TEST(RetkiPrikaz, GridsReadSparseMatricesAndInverseColumnsOnDemand) {
    TOkruzenjeAnalize gusto, retko;
    Analiziraj(gusto, TPutanjaResavanja::Gusta);
    Analiziraj(retko, TPutanjaResavanja::Retka);
    ASSERT_TRUE(retko.stanje.matricaKGKS);
    EXPECT_TRUE(dynamic_cast<const TRetkaMatrica*>(retko.stanje.matricaKGKS.get()));  // held sparse

    // K and its blocks hold the same bits on both paths, so every cell reads the same, zeros
    // the sparse form does not store included.
    for (const char* ime : {"StringGridK", "StringGridKss", "StringGridKso", "StringGridKos", "StringGridKoo"}) {
        const TTabelaMatrice& d = gusto.Tabela(ime);
        const TTabelaMatrice& s = retko.Tabela(ime);
        ASSERT_EQ(d.BrojKolona(), s.BrojKolona()) << ime;
        ASSERT_EQ(d.BrojRedova(), s.BrojRedova()) << ime;
        int razlicitih = 0;
        for (int k = 0; k < d.BrojKolona(); ++k)
            for (int r = 0; r < d.BrojRedova(); ++r) razlicitih += d.Celija(k, r) != s.Celija(k, r);
        EXPECT_EQ(razlicitih, 0) << ime;
    }
    EXPECT_EQ(retko.Celija("StringGridK", 0, 40), QStringLiteral("0"));

    // The inverse: each column solved when read, to 1e-9 of the largest entry.
    const TTabelaMatrice& d = gusto.Tabela("StringGridInvKss");
    const TTabelaMatrice& s = retko.Tabela("StringGridInvKss");
    ASSERT_EQ(s.BrojKolona(), 60);
    ASSERT_EQ(s.BrojRedova(), 60);
    double najveci = 0, razlika = 0;
    for (int k = 0; k < 60; ++k)
        for (int r = 0; r < 60; ++r) {
            const double a = d.Celija(k, r).toDouble(), b = s.Celija(k, r).toDouble();
            najveci = std::max(najveci, std::fabs(a));
            razlika = std::max(razlika, std::fabs(a - b));
        }
    EXPECT_GT(najveci, 0);
    EXPECT_LE(razlika, 1e-9 * najveci);

    // One line over the inverse says it is not formed; the dense path shows none.
    EXPECT_FALSE(retko.rezultati->LabelInvKssNaZahtev->isHidden());
    EXPECT_EQ(retko.rezultati->LabelInvKssNaZahtev->text(),
              QStringLiteral("Nije formirana (60 x 60): kolone na zahtev"));
    EXPECT_TRUE(gusto.rezultati->LabelInvKssNaZahtev->isHidden());

    // Column widths up to the inverse come from the same texts on both paths.
    gusto.rezultati->PodesiSirineKolona();
    retko.rezultati->PodesiSirineKolona();
    for (const char* ime : {"StringGridK", "StringGridKss", "StringGridKso", "StringGridKos", "StringGridKoo"})
        for (int k = 0; k < gusto.Tabela(ime).BrojKolona(); ++k)
            EXPECT_EQ(gusto.rezultati->Grid(QString::fromLatin1(ime))->SirinaKolone(k),
                      retko.rezultati->Grid(QString::fromLatin1(ime))->SirinaKolone(k))
                << ime << " " << k;

    // A clear drops the grids and the line.
    retko.rezultati->ObrisiRezultate();
    EXPECT_TRUE(retko.rezultati->LabelInvKssNaZahtev->isHidden());
    EXPECT_EQ(retko.Tabela("StringGridK").BrojKolona(), 1);
}

TEST(RetkiPrikaz, ProgressBarNamesTheStepAndEndsFull) {
    TOkruzenjeAnalize o;
    QStringList koraci;
    o.analiza->posleLinijeLoga = [&](const QString&) { koraci << o.analiza->ProgressBarAnalize->text(); };
    Analiziraj(o, TPutanjaResavanja::Retka);
    QApplication::processEvents();
    EXPECT_EQ(o.analiza->ProgressBarAnalize->value(), 100);
    EXPECT_EQ(o.analiza->ProgressBarAnalize->text(), QStringLiteral("100% - Kraj analize"));
    // While the run went, the bar showed the steps by name.
    EXPECT_TRUE(koraci.contains(QStringLiteral("5% - Formiranje K u GKS")))
        << koraci.join(QStringLiteral(" | ")).toStdString();
}

TEST(RetkiPrikaz, StopInsideTheSolveLeavesNoResultsAndAnEmptyBar) {
    TOkruzenjeAnalize o;
    o.model = GenerisiRam(4, 4);
    o.rezultati->OsveziListe();
    PokreniIZadrzi(*o.analiza, "Resavanje sistema - ", [&] { o.analiza->ButtonPrekiniAnalizu->click(); });
    QApplication::processEvents();
    EXPECT_EQ(o.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Prekinut);
    EXPECT_FALSE(o.stanje.vektor_qsGKS);
    EXPECT_EQ(o.Tabela("StringGridqsGKSUkupno").BrojKolona(), 1);
    EXPECT_EQ(o.analiza->ProgressBarAnalize->text(), QString());
}

}  // namespace
