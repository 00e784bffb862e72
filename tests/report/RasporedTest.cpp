#include <gtest/gtest.h>

#include "ReportLayout.h"

namespace {

TEST(RasporedIzvestaja, LinesSplitOnEveryLineEndAndTabsExpand) {
    struct Slucaj {
        QString tekst;
        QStringList redovi;
    };
    const Slucaj slucajevi[] = {
        {"", {""}},
        {"a\r\nb", {"a", "b"}},
        {"a\r\nb\r\n", {"a", "b"}},
        {"a\r\n\r\n\r\nb", {"a", "", "", "b"}},
        {"a\nb\rc", {"a", "b", "c"}},
        {"\r\n", {""}},
        {"\tx", {"        x"}},
        {"ab\tc", {"ab      c"}},
        {QString("a") + QChar(7) + "b", {"a b"}},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(SplitReportLines(s.tekst), s.redovi) << s.tekst.toStdString();
}

TEST(RasporedIzvestaja, HeadingsAreLinesInCapitals) {
    struct Slucaj {
        const char* red;
        bool naslov;
    };
    const Slucaj slucajevi[] = {
        {"ULAZNI PODACI", true},
        {"ULAZNI PODACI - MATERIJALI", true},
        {"IZLAZNI PODACI ZA STAP: 3", true},
        {"K celog sistema - GKS", false},
        {"Q-LKS", false},
        {"R-GKS", false},
        {"----------", false},
        {"1234.000000  0.000000  ", false},
        {"", false},
    };
    for (const auto& s : slucajevi) EXPECT_EQ(IsHeadingLine(s.red), s.naslov) << s.red;
}

TEST(RasporedIzvestaja, WrappedPiecesFitAndGiveTheLineBack) {
    struct Slucaj {
        QString red;
        int prva, ostale;
        QStringList delovi;
    };
    const Slucaj slucajevi[] = {
        // Breaks come after the spaces, so each number stays whole.
        {"11.5  22.5  33.5  ", 12, 10, {"11.5  22.5  ", "33.5  "}},
        {"11.5  22.5  33.5  ", 5, 5, {"11.5  ", "22.5  ", "33.5  "}},
        // Fits once the trailing spaces are not counted.
        {"11.5  22.5  ", 10, 10, {"11.5  22.5  "}},
        // A word wider than the line is cut.
        {"abcdefghij", 4, 3, {"abcd", "efg", "hij"}},
        // Leading spaces never make a blank piece.
        {"      abcdef", 4, 4, {"      abcd", "ef"}},
        {"aa bbbbbbbb", 5, 5, {"aa ", "bbbbb", "bbb"}},
    };
    for (const auto& s : slucajevi) {
        const QStringList d = WrapLine(s.red, s.prva, s.ostale);
        EXPECT_EQ(d, s.delovi) << s.red.toStdString();
        EXPECT_EQ(d.join(QString()), s.red);
    }
}

TEST(RasporedIzvestaja, LongMatrixRowsWrapWithoutLoss) {
    QString red;
    for (int i = 0; i < 200; ++i) red += QString::number(i * 1001.25, 'f', 6) + "  ";
    for (int sirina : {30, 57, 90, 131}) {
        const QStringList d = WrapLine(red, sirina, sirina - 2);
        ASSERT_GT(d.size(), 1);
        EXPECT_EQ(d.join(QString()), red);
        for (qsizetype i = 0; i < d.size(); ++i) {
            EXPECT_LE(VisibleLength(d[i]), i == 0 ? sirina : sirina - 2);
            EXPECT_FALSE(d[i].startsWith(' '));
            EXPECT_TRUE(i + 1 == d.size() || d[i].endsWith(' ')) << "number cut at piece " << i;
        }
    }
}

TLayoutOptions Opcije(int uRedu, int naStrani) {
    TLayoutOptions o;
    o.CharsPerLine = uRedu;
    o.LinesPerPage = naStrani;
    o.MarkerLength = 2;
    return o;
}

QStringList Redovi(int n, const QString& prefiks = "red ") {
    QStringList r;
    for (int i = 0; i < n; ++i) r << prefiks + QString::number(i);
    return r;
}

TEST(RasporedIzvestaja, PagesFillUpInOrder) {
    const auto strane = LayoutText(Redovi(130), Opcije(40, 60));
    ASSERT_EQ(strane.size(), 3u);
    EXPECT_EQ(strane[0].Lines.size(), 60u);
    EXPECT_EQ(strane[1].Lines.size(), 60u);
    EXPECT_EQ(strane[2].Lines.size(), 10u);
    EXPECT_EQ(strane[1].Lines.front().Text, "red 60");
    EXPECT_EQ(strane[2].Lines.back().Text, "red 129");
    EXPECT_EQ(LayoutText({}, Opcije(40, 60)).size(), 1u);
}

TEST(RasporedIzvestaja, WrappedLineStaysOnOnePage) {
    QStringList redovi = Redovi(8);
    redovi << QString("x ").repeated(25);  // 50 visible cells at 20 a line: 3 pieces
    const auto strane = LayoutText(redovi, Opcije(20, 10));
    ASSERT_EQ(strane.size(), 2u);
    EXPECT_EQ(strane[0].Lines.size(), 8u);
    ASSERT_EQ(strane[1].Lines.size(), 3u);
    EXPECT_FALSE(strane[1].Lines[0].Continuation);
    EXPECT_TRUE(strane[1].Lines[1].Continuation);
    EXPECT_TRUE(strane[1].Lines[2].Continuation);
    for (const auto& l : strane[1].Lines) EXPECT_LE(VisibleLength(l.Text), l.Continuation ? 18 : 20);
}

TEST(RasporedIzvestaja, LineLongerThanAPageFlowsOn) {
    const auto strane = LayoutText({"a", QString("y ").repeated(100)}, Opcije(20, 5));
    // 200 cells: 20 on the first line, 18 on each further one: 11 pieces after "a".
    size_t ukupno = 0;
    for (const auto& s : strane) ukupno += s.Lines.size();
    EXPECT_EQ(ukupno, 12u);
    EXPECT_EQ(strane.size(), 3u);
}

TEST(RasporedIzvestaja, HeadingDoesNotEndAPageAndBlankLinesDoNotStartOne) {
    QStringList redovi = Redovi(8);
    redovi << "ULAZNI PODACI - CVOROVI"
           << ""
           << "Broj cvora: 0"
           << ""
           << ""
           << "Broj cvora: 1";
    const auto strane = LayoutText(redovi, Opcije(40, 10));
    ASSERT_EQ(strane.size(), 2u);
    ASSERT_EQ(strane[0].Lines.size(), 8u);
    EXPECT_EQ(strane[1].Lines[0].Text, "ULAZNI PODACI - CVOROVI");
    EXPECT_TRUE(strane[1].Lines[0].Heading);
    EXPECT_FALSE(strane[1].Lines[2].Heading);

    // A blank line that falls at the top of a page takes no room there.
    QStringList prazni = Redovi(10);
    prazni << ""
           << ""
           << "posle";
    const auto s2 = LayoutText(prazni, Opcije(40, 10));
    ASSERT_EQ(s2.size(), 2u);
    ASSERT_EQ(s2[1].Lines.size(), 1u);
    EXPECT_EQ(s2[1].Lines[0].Text, "posle");
}

}  // namespace
