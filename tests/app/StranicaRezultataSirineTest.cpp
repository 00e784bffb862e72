// Column widths of the result grids: one running width over every cell.
#include <QComboBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>

#include "Brojevi.h"
#include "ModelFajl.h"
#include "StranicaAnalizePomocTest.h"

// The running width starts at 25, never shrinks, and each column is its running width + 5, where
// the running width takes in the widest text of every cell of the column.
TEST(StranicaRezultata, ColumnWidthsFollowTheRunningWidthOverEveryCell) {
    for (const char* faktor : {"1.0", "3"}) {
        SCOPED_TRACE(faktor);
        TOkruzenjeAnalize o;
        ProcitajModel(VELT_EXAMPLES_DIR "/portalni-ram.velt", o.model, o.podesavanja);
        o.rezultati->OsveziListe();
        o.rezultati->EditVrednostIspredMatricaKrutosti->setText(QString::fromLatin1(faktor));
        o.Pokreni();
        ASSERT_TRUE(o.Log().back().startsWith("Kraj analize - "));
        int w = 25;
        int prethodna = 0;
        for (const char* ime : TStranicaRezultata::ImenaGridovaPoRedu()) {
            TStringGrid* g = o.rezultati->Grid(QString::fromLatin1(ime));
            const QFontMetrics fm(g->font());
            for (int k = 0; k < g->Tabela().BrojKolona(); ++k) {
                for (int r = 0; r < g->Tabela().BrojRedova(); ++r)
                    w = std::max(w, fm.horizontalAdvance(g->Celija(k, r)));
                ASSERT_EQ(g->SirinaKolone(k), w + 5) << ime << " column " << k;
                EXPECT_GE(g->SirinaKolone(k), prethodna);
                prethodna = g->SirinaKolone(k);
            }
        }
        EXPECT_GT(w, 25);
    }
}

TEST(StranicaRezultata, WidthBoundNeverUnderestimatesAFormattedNumber) {
    AplikacijaZaTestove();
    QFont f;
    const TMeracSirine merac(f);
    const QFontMetrics fm(f);
    const double vrednosti[] = {0.0,
                                1.0,
                                -1.0,
                                0.1,
                                -0.123456789012345,
                                1.0 / 3,
                                -2.0 / 3 * 1e-5,
                                9.99999999999999e-6,
                                -1.000000000000001e-5,
                                123456789012345.6,
                                -999999999999999.9,
                                1e15,
                                -1e300,
                                4e-320,
                                -5e-324,
                                1e-100 / 3,
                                6.02214076e23,
                                -0.000099999999999999991,
                                12345.678901234567};
    for (double v : vrednosti) {
        for (double s : {1.0, 1.0000000000000002, 0.9999999999999999}) {
            const double x = v * s;
            const int tacno = fm.horizontalAdvance(QString::fromStdString(FormatBroja(x)));
            EXPECT_GE(merac.GornjaGranicaReala(x), tacno) << x;
        }
    }
    for (int v : {0, 7, -7, 10, 99999, -2147483647 - 1, 2147483647})
        EXPECT_GE(merac.GornjaGranicaCelog(v), fm.horizontalAdvance(QString::number(v))) << v;
}
