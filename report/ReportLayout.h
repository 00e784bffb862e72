#pragma once
// Laying a report text out in pages. The text is placed on a grid of monospaced character cells,
// so the pagination itself is plain logic over line lengths (LayoutText) and only the choice of
// font size needs font metrics (TReportDocument).

#include <QFont>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <vector>

#include "ReportProject.h"

class QPainter;
class QPrinter;
class QRectF;

struct TLayoutLine {
    QString Text;               // without the continuation marker
    bool Continuation = false;  // the wrapped tail of the previous line
    bool Heading = false;
};

struct TLayoutPage {
    std::vector<TLayoutLine> Lines;
};

// The text's lines: CR LF, LF and lone CR all end a line; a final line end opens no empty line;
// tabs expand to the next multiple of 8 and other control characters become spaces, since none
// of them has a width on the page.
QStringList SplitReportLines(const QString& text);

// Length of a line as it takes room on the page: trailing spaces (every matrix row ends in two)
// never force a wrap.
int VisibleLength(const QString& line);

// A line in capitals, such as "ULAZNI PODACI - CVOROVI": at least two words of three or more
// letters and no lower-case letter.
bool IsHeadingLine(const QString& line);

// Splits a line into pieces: the first holds at most `firstWidth` visible characters, every
// further one at most `nextWidth`. Breaks fall after a run of spaces where one is in reach, so
// numbers of a matrix row stay whole; a word longer than the width is cut. The pieces put back
// together give the line exactly.
QStringList WrapLine(const QString& line, int firstWidth, int nextWidth);

struct TLayoutOptions {
    int CharsPerLine = 80;
    int LinesPerPage = 60;
    int MarkerLength = 2;  // cells the continuation marker takes
    bool Headings = true;  // mark headings and keep them with what follows
};

// Paginates: every line stays whole (its wrapped pieces stay on one page when they fit on a
// page at all), blank lines at the top of a page are dropped, and a heading does not end a page.
// Always gives at least one page.
std::vector<TLayoutPage> LayoutText(const QStringList& lines, const TLayoutOptions& options);

// A report laid out for one page format: knows its pages and paints any of them.
class TReportDocument {
public:
    TReportDocument(const TReportSettings& settings, const QString& text);

    int PageCount() const { return static_cast<int>(pages.size()); }
    const std::vector<TLayoutPage>& Pages() const { return pages; }
    const TReportSettings& Settings() const { return settings; }
    QSizeF PageSizePt() const { return pageSizePt; }
    double BodySizePt() const { return bodyPixels / 10.0; }
    int CharsPerLine() const { return options.CharsPerLine; }
    int LinesPerPage() const { return options.LinesPerPage; }
    int SourceLineCount() const { return sourceLines; }
    QString BandText(const QString& pattern, int pageIndex) const;

    // Paints page `index` (0-based) scaled into `target` (device coordinates), keeping its shape.
    void PaintPage(QPainter& painter, int index, const QRectF& target) const;
    // Paints pages [from, to] (0-based) on a printer that has begun; the paper is filled with the
    // page keeping its aspect. Throws TReportError when the printer cannot be started.
    void Print(QPrinter& printer, int from, int to) const;
    // Writes every page to a PDF file. Throws TReportError.
    void SavePdf(const QString& path) const;

private:
    TReportSettings settings;
    std::vector<TLayoutPage> pages;
    TLayoutOptions options;
    QSizeF pageSizePt;
    // Drawing works in tenths of a point, so integer pixel sizes give fonts in 0.1 pt steps and
    // the same layout on screen, paper and PDF.
    QFont bodyFont, headerFont, footerFont;
    int bodyPixels = 90;
    double charWidth = 0, lineHeight = 0, bodyAscent = 0;
    double pageWidth = 0, pageHeight = 0;  // tenths of a point, as everything below
    double bodyLeft = 0, bodyRight = 0, bodyTop = 0;
    double headerTop = 0, headerHeight = 0, headerRuleY = 0;
    double footerTop = 0, footerHeight = 0, footerRuleY = 0;
    QString madeAt;
    int sourceLines = 0;
};
