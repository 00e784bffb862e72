#include <QDateTime>
#include <QLocale>
#include <QThread>

#include "StranicaAnalizePomocTest.h"

namespace {

// The fixed text of a log line, without its date-time.
// The fixed texts of the log lines; the solve's measures, which carry numbers, are left out.
QStringList Tekstovi(const QStringList& log) {
    QStringList t;
    for (const QString& l : log)
        if (!l.startsWith(QStringLiteral("Provera resenja: "))) t << l.left(l.indexOf(QStringLiteral(" - ")) + 3);
    return t;
}

const QStringList PotpunaAnaliza = {"Pocetak analize - ",
                                    "Priprema za proracun - ",
                                    "Brisem prethodne rezultate - ",
                                    "Odredjivanje kodnih brojeva - ",
                                    "Formiranje K u GKS - ",
                                    "Formiranje Kss - ",
                                    "Formiranje Kso - ",
                                    "Formiranje Kos - ",
                                    "Formiranje Koo - ",
                                    "Formiranje Ss - ",
                                    "Resavanje sistema - ",
                                    "Ispisivanje rezultata analize - ",
                                    "Kraj analize - "};

}  // namespace

TEST(StranicaAnalize, PotpunaAnalizaDajeSveRedoveLogaSaDatumomIVremenom) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.analiza->MemoPorukaTrenutnogStanjaAnalize->setPlainText(QStringLiteral("stari red"));
    const QDateTime pre = QDateTime::currentDateTime();
    o.Pokreni();
    const QDateTime posle = QDateTime::currentDateTime();

    const QStringList log = o.Log();
    ASSERT_GT(log.size(), 11);
    EXPECT_TRUE(log[11].startsWith(QStringLiteral("Provera resenja: uslovljenost Kss oko "))) << log[11].toStdString();
    EXPECT_EQ(Tekstovi(log), PotpunaAnaliza);
    // Each line ends with the locale's short date, a blank and its long time.
    const QLocale lokal;
    QStringList moguca;
    for (QDateTime t = pre.addSecs(-1); t <= posle.addSecs(1); t = t.addSecs(1))
        moguca << lokal.toString(t.date(), QLocale::ShortFormat) + QLatin1Char(' ') +
                      lokal.toString(t.time(), QLocale::LongFormat);
    for (const QString& l : log)
        EXPECT_TRUE(moguca.contains(l.mid(l.indexOf(QStringLiteral(" - ")) + 3))) << l.toStdString();
    EXPECT_TRUE(o.Poruke().isEmpty());
    EXPECT_EQ(o.glavnaStrana, StranaAnalize);
    EXPECT_FALSE(o.analiza->Zauzet());
    EXPECT_FALSE(o.stanje.radimProracun.load());
    EXPECT_EQ(o.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Uspeh);
    // Cleared and redrawn before the checks, redrawn again at the end.
    EXPECT_EQ(o.crtanja, 2);
    // The displacement reached the node through the result page.
    EXPECT_NEAR(static_cast<double>(o.model.nizCvorova[1]->Ux()), 0.0002, 1e-15);
    EXPECT_NEAR(static_cast<double>(o.model.nizCvorova[0]->Rx()), -10.0, 1e-9);
}

TEST(StranicaAnalize, PipelineRunsOffTheWindowThreadAndHooksRunOnIt) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    bool uvekNaGlavnoj = true;
    bool zauzetTokom = false;
    o.analiza->posleLinijeLoga = [&](const QString& l) {
        uvekNaGlavnoj = uvekNaGlavnoj && QThread::currentThread() == qApp->thread();
        if (l.startsWith(QStringLiteral("Formiranje K u GKS - "))) {
            zauzetTokom = o.analiza->Zauzet();
            // A second start while the first is going is refused and changes nothing.
            o.analiza->ButtonPokreniAnalizu->click();
            o.analiza->ButtonFormirajIzvestaj->click();
        }
    };
    bool izvestaj = false;
    o.analiza->naIzvestaj = [&] { izvestaj = true; };
    o.Pokreni();
    EXPECT_TRUE(uvekNaGlavnoj);
    EXPECT_TRUE(zauzetTokom);
    EXPECT_FALSE(izvestaj);
    EXPECT_EQ(o.Poruke(),
              QStringList({"G:Proracun je vec pokrenut!!!", "I:Proracun je u toku!!!\r\nNije dopustena akcija!!!"}));
    EXPECT_EQ(Tekstovi(o.Log()), PotpunaAnaliza);

    // Once the run is over the report is available again.
    o.analiza->ButtonFormirajIzvestaj->click();
    EXPECT_TRUE(izvestaj);
}

TEST(StranicaAnalize, StopTakesEffectAtTheNextStep) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    PokreniIZadrzi(*o.analiza, "Formiranje Kss - ", [&] { o.analiza->ButtonPrekiniAnalizu->click(); });
    const QStringList ocekivano = {"Pocetak analize - ",
                                   "Priprema za proracun - ",
                                   "Brisem prethodne rezultate - ",
                                   "Odredjivanje kodnih brojeva - ",
                                   "Formiranje K u GKS - ",
                                   "Formiranje Kss - ",
                                   "Formiranje Kso - ",
                                   "Formiranje Kos - ",
                                   "Formiranje Koo - ",
                                   "Formiranje Ss - ",
                                   "Resavanje sistema - "};
    EXPECT_EQ(Tekstovi(o.Log()), ocekivano);
    // A stopped run keeps what it had made; the steps after the stop made nothing.
    EXPECT_TRUE(o.stanje.matricaKGKS);
    EXPECT_FALSE(o.stanje.matricaKssGKS);
    EXPECT_FALSE(o.analiza->Zauzet());
    EXPECT_EQ(o.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Prekinut);
    EXPECT_TRUE(o.Poruke().isEmpty());
    EXPECT_EQ(o.Celija("StringGridK", 0, 0), QString());

    // Stop with no run going changes nothing visible.
    const QStringList log = o.Log();
    o.analiza->ButtonPrekiniAnalizu->click();
    EXPECT_EQ(o.Log(), log);
    EXPECT_TRUE(o.Poruke().isEmpty());
}

TEST(StranicaAnalize, RefusedAndFailedRunsGiveTheirBoxAndLastLogLine) {
    struct Slucaj {
        const char* opis;
        std::function<void(TOkruzenjeAnalize&)> model;
        QString poruka;
        QString poslednjiRed;
        TIshodProracuna ishod;
    };
    const std::vector<Slucaj> slucajevi = {
        {"konzola bez oslonca na kraju",
         [](TOkruzenjeAnalize& o) {
             o.MaterijalIPresek(2e8L, 1e-3L);
             TCvor* a = o.Cvor(0, 0, true, true, true);
             o.Stap(a, o.Cvor(4, 0), tsK);
         },
         "G:Oslonci nisu korektno zadati!!!\r\nNije dopusteno!!!", "Greska u ulaznim podacima - ",
         TIshodProracuna::Odbijen},
        {"jedan cvor",
         [](TOkruzenjeAnalize& o) {
             o.MaterijalIPresek(2e8L, 1e-3L);
             o.Cvor(0, 0, true, true, true);
         },
         "G:Sistem nema dovoljan broj cvorova!!!\r\nNije dopusteno!!!", "Greska u ulaznim podacima - ",
         TIshodProracuna::Odbijen},
        // Two collinear bars: the middle node can move across them freely.
        {"mehanizam",
         [](TOkruzenjeAnalize& o) {
             o.MaterijalIPresek(2e8L, 1e-3L);
             TCvor* a = o.Cvor(0, 0, true, true);
             TCvor* b = o.Cvor(2, 0);
             TCvor* c = o.Cvor(4, 0, true, true);
             o.Stap(a, b, tsProst);
             o.Stap(b, c, tsProst);
         },
         "G:Sistem je labilan - matrica Kss je singularna!!!", "Prekid proracuna zbog greske - ",
         TIshodProracuna::Greska},
    };
    for (const Slucaj& s : slucajevi) {
        SCOPED_TRACE(s.opis);
        TOkruzenjeAnalize o;
        s.model(o);
        o.rezultati->OsveziListe();
        o.Pokreni();
        EXPECT_EQ(o.Poruke(), QStringList({s.poruka}));
        ASSERT_FALSE(o.Log().isEmpty());
        EXPECT_TRUE(o.Log().back().startsWith(s.poslednjiRed));
        EXPECT_EQ(o.analiza->PoslednjiRezultat().ishod, s.ishod);
        EXPECT_FALSE(o.analiza->Zauzet());
        EXPECT_EQ(o.Celija("StringGridInvKss", 0, 0), QString());
        EXPECT_EQ(o.Tabela("StringGridK").BrojKolona(), 1);
    }
}

// A run that fails in the solution keeps K and its blocks for inspection until the next clear:
// the grids stay empty after the run, and "Osvezi" fills them up to the missing inverse.
TEST(StranicaAnalize, AFailedRunKeepsWhatItMadeUntilTheNextClear) {
    TOkruzenjeAnalize o;
    o.MaterijalIPresek(2e8L, 1e-3L);
    TCvor* a = o.Cvor(0, 0, true, true);
    TCvor* b = o.Cvor(2, 0);
    TCvor* c = o.Cvor(4, 0, true, true);
    o.Stap(a, b, tsProst);
    o.Stap(b, c, tsProst);
    o.rezultati->OsveziListe();
    o.Pokreni();
    ASSERT_EQ(o.analiza->PoslednjiRezultat().ishod, TIshodProracuna::Greska);
    ASSERT_TRUE(o.stanje.matricaKGKS);
    ASSERT_TRUE(o.stanje.matricaKssGKS);
    EXPECT_FALSE(o.stanje.matricaKssGKSInvertovana);
    EXPECT_EQ(o.Tabela("StringGridK").BrojKolona(), 1);

    o.rezultati->ButtonPreracunajPonovoMatriceSaBrojemIspred->click();
    // Six displacements; the middle node's X stiffness is that of two bars, 2 * EA / L.
    EXPECT_EQ(o.Tabela("StringGridK").BrojKolona(), 6);
    EXPECT_EQ(o.Celija("StringGridK", 0, 0), QStringLiteral("200000"));
    EXPECT_EQ(o.Celija("StringGridInvKss", 0, 0), QString());
}

TEST(StranicaAnalize, RunAfterRunStartsWithAFreshLogAndResults) {
    TOkruzenjeAnalize o;
    o.Stap4Metra();
    o.Pokreni();
    o.model.nizCvorova[1]->SetPx(20);
    o.Pokreni();
    EXPECT_EQ(Tekstovi(o.Log()), PotpunaAnaliza);
    // qs = 20 / 50000.
    EXPECT_EQ(o.Celija("StringGridqsGKSUkupno", 0, 0), QStringLiteral("0.0004"));
}
