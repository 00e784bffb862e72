#include "ReportLayout.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

constexpr double JEDINICA_PO_MM = 7200.0 / 254.0;  // tenths of a point per millimetre
constexpr double RAZMAK_TRAKE = 25;                // from a band's text to its rule
constexpr double RAZMAK_TELA = 80;                 // from a rule to the body

bool Razmak(QChar c) { return c == QLatin1Char(' '); }

QFont Monospaced(const QString& familija) {
    QFont f(familija);
    f.setStyleHint(QFont::TypeWriter, QFont::PreferOutline);
    f.setFixedPitch(true);
    f.setKerning(false);
    f.setHintingPreference(QFont::PreferNoHinting);
    // The matrix rows only line up in a fixed-pitch face; never take a proportional substitute.
    if (!QFontInfo(f).fixedPitch()) {
        f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        f.setKerning(false);
        f.setHintingPreference(QFont::PreferNoHinting);
    }
    return f;
}

QFont FontTrake(const TReportBand& traka) {
    QFont f = traka.FontFamily.isEmpty() ? QFont() : QFont(traka.FontFamily);
    if (traka.FontFamily.isEmpty()) f.setStyleHint(QFont::SansSerif);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setPixelSize(std::max(1, static_cast<int>(std::lround(traka.FontSizePt * 10))));
    return f;
}

double SirinaZnaka(const QFont& f) {
    const QFontMetricsF m(f);
    return std::max({m.horizontalAdvance(QLatin1Char('0')), m.horizontalAdvance(QLatin1Char('M')),
                     m.horizontalAdvance(QLatin1Char('W')), m.horizontalAdvance(QLatin1Char('-'))});
}

}  // namespace

QStringList SplitReportLines(const QString& text) {
    QStringList redovi;
    QString red;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) ++i;
            redovi.push_back(red);
            red.clear();
        } else if (c == QLatin1Char('\t')) {
            red += QString(8 - red.size() % 8, QLatin1Char(' '));
        } else if (c.category() == QChar::Other_Control) {
            red += QLatin1Char(' ');
        } else {
            red += c;
        }
    }
    if (!red.isEmpty() || redovi.isEmpty()) redovi.push_back(red);
    return redovi;
}

int VisibleLength(const QString& line) {
    qsizetype n = line.size();
    while (n > 0 && Razmak(line[n - 1])) --n;
    return static_cast<int>(n);
}

bool IsHeadingLine(const QString& line) {
    int reci = 0, slova = 0;
    for (QChar c : line) {
        if (c.isLower()) return false;
        if (c.isLetter()) {
            ++slova;
        } else {
            if (slova >= 3) ++reci;
            slova = 0;
        }
    }
    if (slova >= 3) ++reci;
    return reci >= 2;
}

QStringList WrapLine(const QString& line, int firstWidth, int nextWidth) {
    QStringList delovi;
    const qsizetype vidljivo = VisibleLength(line);
    qsizetype pos = 0;
    int sirina = std::max(1, firstWidth);
    while (vidljivo - pos > sirina) {
        qsizetype prvi = pos;  // a break before the first non-space would give a blank piece
        while (Razmak(line[prvi])) ++prvi;
        if (vidljivo - prvi <= sirina) break;  // only the indentation is too wide
        qsizetype prekid = -1;
        if (pos + sirina > prvi && Razmak(line[pos + sirina])) {  // the piece ends in the spaces after a word
            prekid = pos + sirina;
            while (Razmak(line[prekid])) ++prekid;
        }
        for (qsizetype j = pos + sirina; prekid < 0 && j > prvi; --j)
            if (!Razmak(line[j]) && Razmak(line[j - 1])) {
                prekid = j;
                break;
            }
        if (prekid < 0) prekid = prvi < pos + sirina ? pos + sirina : prvi + sirina;
        delovi.push_back(line.mid(pos, prekid - pos));
        pos = prekid;
        sirina = std::max(1, nextWidth);
    }
    delovi.push_back(line.mid(pos));
    return delovi;
}

std::vector<TLayoutPage> LayoutText(const QStringList& lines, const TLayoutOptions& o) {
    const int naStrani = std::max(1, o.LinesPerPage);
    const int uRedu = std::max(1, o.CharsPerLine);
    std::vector<TLayoutPage> strane(1);
    auto novaStrana = [&] {
        if (!strane.back().Lines.empty()) strane.emplace_back();
    };
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString& red = lines[i];
        const bool naslov = o.Headings && IsHeadingLine(red);
        const QStringList delovi =
            VisibleLength(red) <= uRedu ? QStringList{red} : WrapLine(red, uRedu, uRedu - o.MarkerLength);
        const int n = static_cast<int>(delovi.size());
        auto& strana = strane.back().Lines;
        const int preostalo = naStrani - static_cast<int>(strana.size());
        const bool naVrhu = (strana.empty() && strane.size() > 1) || preostalo <= 0;
        if (naVrhu && VisibleLength(red) == 0) continue;
        if (!strana.empty()) {
            int zajedno = n;  // a heading travels with the next line that has text
            if (naslov) {
                for (qsizetype k = i + 1; k < lines.size() && k <= i + 3; ++k) {
                    ++zajedno;
                    if (VisibleLength(lines[k]) > 0) break;
                }
            }
            if (zajedno > preostalo && zajedno <= naStrani) novaStrana();
        }
        for (int k = 0; k < n; ++k) {
            if (static_cast<int>(strane.back().Lines.size()) >= naStrani) novaStrana();
            strane.back().Lines.push_back({delovi[k], k > 0, naslov});
        }
    }
    return strane;
}

// --- document ---------------------------------------------------------------------------------

TReportDocument::TReportDocument(const TReportSettings& s, const QString& text) : settings(s) {
    QSizeF velicina = QPageSize(s.PageSize).size(QPageSize::Point);
    if (s.Orientation == QPageLayout::Landscape) velicina.transpose();
    pageSizePt = velicina;
    pageWidth = velicina.width() * 10;
    pageHeight = velicina.height() * 10;

    bodyLeft = s.MarginLeftMm * JEDINICA_PO_MM;
    bodyRight = pageWidth - s.MarginRightMm * JEDINICA_PO_MM;
    double vrh = s.MarginTopMm * JEDINICA_PO_MM;
    double dno = pageHeight - s.MarginBottomMm * JEDINICA_PO_MM;
    headerFont = FontTrake(s.Header);
    footerFont = FontTrake(s.Footer);
    headerTop = headerRuleY = vrh;
    if (!s.Header.Empty()) {
        headerHeight = QFontMetricsF(headerFont).height();
        headerRuleY = vrh + headerHeight + RAZMAK_TRAKE;
        vrh = headerRuleY + RAZMAK_TELA;
    }
    footerTop = footerRuleY = dno;
    if (!s.Footer.Empty()) {
        footerHeight = QFontMetricsF(footerFont).height();
        footerTop = dno - footerHeight;
        footerRuleY = footerTop - RAZMAK_TRAKE;
        dno = footerRuleY - RAZMAK_TELA;
    }
    bodyTop = vrh;
    const double sirinaTela = bodyRight - bodyLeft;

    const QStringList redovi = SplitReportLines(text);
    sourceLines = static_cast<int>(redovi.size());
    int najduzi = 0;
    for (const QString& r : redovi) najduzi = std::max(najduzi, VisibleLength(r));

    // Shrink the font, not below the floor, until the longest line fits; what still does not
    // fit wraps.
    bodyFont = Monospaced(s.BodyFont);
    const int najvise = static_cast<int>(std::lround(s.BodySizePt * 10));
    const int najmanje = std::min(najvise, static_cast<int>(std::lround(s.BodyMinSizePt * 10)));
    auto znakovaURedu = [&](int piksela) {
        bodyFont.setPixelSize(piksela);
        return static_cast<int>(std::floor(sirinaTela / SirinaZnaka(bodyFont) + 1e-9));
    };
    bodyPixels = najvise;
    if (najduzi > 0) {
        bodyFont.setPixelSize(1000);
        const double odnos = SirinaZnaka(bodyFont) / 1000;
        const int potrebno = static_cast<int>(std::floor(sirinaTela / (najduzi * odnos)));
        bodyPixels = std::clamp(potrebno + 1, najmanje, najvise);
        while (bodyPixels > najmanje && znakovaURedu(bodyPixels) < najduzi) --bodyPixels;
    }
    options.CharsPerLine = znakovaURedu(bodyPixels);
    const QFontMetricsF m(bodyFont);
    charWidth = SirinaZnaka(bodyFont);
    lineHeight = m.lineSpacing() * s.LineSpacing;
    bodyAscent = m.ascent();
    options.LinesPerPage = static_cast<int>(std::floor((dno - vrh - m.height()) / lineHeight + 1e-9)) + 1;
    options.MarkerLength = static_cast<int>(s.ContinuationMarker.size());
    options.Headings = s.BoldHeadings;
    if (options.CharsPerLine < options.MarkerLength + 20 || options.LinesPerPage < 5)
        throw TReportError(QStringLiteral("Na strani nema mesta za tekst izvestaja (margine su prevelike)!!!"));

    madeAt = QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat);
    pages = LayoutText(redovi, options);
}

QString TReportDocument::BandText(const QString& pattern, int pageIndex) const {
    QString t = pattern;
    t.replace(QLatin1String("{N}"), QString::number(pageIndex + 1));
    t.replace(QLatin1String("{M}"), QString::number(PageCount()));
    t.replace(QLatin1String("{DATUM}"), madeAt);
    t.replace(QLatin1String("{DATOTEKA}"), settings.ProjectFileName);
    return t;
}

void TReportDocument::PaintPage(QPainter& p, int index, const QRectF& target) const {
    if (index < 0 || index >= PageCount()) return;
    const double mera = std::min(target.width() / pageWidth, target.height() / pageHeight);
    p.save();
    p.translate(target.x() + (target.width() - pageWidth * mera) / 2,
                target.y() + (target.height() - pageHeight * mera) / 2);
    p.scale(mera, mera);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);

    const QPen tekst(Qt::black);
    const QPen linija(QColor(80, 80, 80), 5);
    const double sirina = bodyRight - bodyLeft;
    auto traka = [&](const TReportBand& b, const QFont& f, double vrh, double visina, double rule) {
        if (b.Empty()) return;
        p.setFont(f);
        p.setPen(tekst);
        const QRectF r(bodyLeft, vrh, sirina, visina);
        p.drawText(r, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, BandText(b.Left, index));
        p.drawText(r, Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextSingleLine, BandText(b.Center, index));
        p.drawText(r, Qt::AlignRight | Qt::AlignVCenter | Qt::TextSingleLine, BandText(b.Right, index));
        if (b.Rule) {
            p.setPen(linija);
            p.drawLine(QPointF(bodyLeft, rule), QPointF(bodyRight, rule));
        }
    };
    traka(settings.Header, headerFont, headerTop, headerHeight, headerRuleY);
    traka(settings.Footer, footerFont, footerTop, footerHeight, footerRuleY);

    QFont podebljan = bodyFont;
    podebljan.setBold(true);
    const QPen oznaka(QColor(110, 110, 110));
    const double uvlaka = charWidth * options.MarkerLength;
    double y = bodyTop + bodyAscent;
    for (const TLayoutLine& red : pages[index].Lines) {
        double x = bodyLeft;
        if (red.Continuation) {
            p.setFont(bodyFont);
            p.setPen(oznaka);
            p.drawText(QPointF(x, y), settings.ContinuationMarker);
            x += uvlaka;
        }
        p.setFont(red.Heading ? podebljan : bodyFont);
        p.setPen(tekst);
        p.drawText(QPointF(x, y), red.Text);
        y += lineHeight;
    }
    p.restore();
}

void TReportDocument::Print(QPrinter& printer, int from, int to) const {
    from = std::max(0, from);
    to = std::min(PageCount() - 1, to);
    QPainter p;
    if (!p.begin(&printer)) throw TReportError(QStringLiteral("Izvestaj nije moguce odstampati!!!"));
    const QRectF papir(QPointF(0, 0), (printer.fullPage() ? printer.paperRect(QPrinter::DevicePixel)
                                                          : printer.pageRect(QPrinter::DevicePixel))
                                          .size());
    for (int i = from; i <= to; ++i) {
        if (i > from && !printer.newPage()) {
            p.end();
            throw TReportError(QStringLiteral("Izvestaj nije moguce odstampati!!!"));
        }
        PaintPage(p, i, papir);
    }
    if (!p.end()) throw TReportError(QStringLiteral("Izvestaj nije moguce odstampati!!!"));
}

void TReportDocument::SavePdf(const QString& path) const {
    const QString greska = QStringLiteral("Izvestaj nije moguce snimiti u %1!!!").arg(path);
    if (path.isEmpty() || QFileInfo(path).isDir()) throw TReportError(greska);
    // Written beside the target and renamed over it, so a failed save leaves no half a PDF.
    const QString privremeni = path + QStringLiteral(".part");
    {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(privremeni);
        printer.setPageLayout(QPageLayout(QPageSize(settings.PageSize), settings.Orientation, QMarginsF(0, 0, 0, 0)));
        printer.setFullPage(true);
        printer.setCreator(QStringLiteral("VELT"));
        printer.setDocName(BandText(settings.Header.Left, 0));
        try {
            Print(printer, 0, PageCount() - 1);
        } catch (const TReportError&) {
            QFile::remove(privremeni);
            throw TReportError(greska);
        }
    }
    if (QFileInfo(privremeni).size() <= 0 || (QFile::exists(path) && !QFile::remove(path)) ||
        !QFile::rename(privremeni, path)) {
        QFile::remove(privremeni);
        throw TReportError(greska);
    }
}
