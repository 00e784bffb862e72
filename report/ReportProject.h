#pragma once
// The report engine: a report project file names a data connection and the column it reads and
// sets the page layout; the engine pulls the text through the connection, lays it out in pages
// and previews, prints or saves it as PDF.
//
// Report project file (".vrp"), a small line-oriented UTF-8 text:
//
//   - Blank lines and lines whose first non-blank character is '#' are ignored.
//   - The first other line is the signature "VELT-IZVESTAJ 1" (format version 1); anything else
//     means the file is not a report project.
//   - "[Ime]" opens a section; "Kljuc = vrednost" sets a key of the current section. Keys and
//     section names are matched without regard to case; a value may be written in double quotes
//     to keep leading or trailing spaces. An unknown section or key, a key outside a section, a
//     key given twice or a value that does not parse makes the whole file malformed: a layout
//     guessed from half a file would print a report nobody asked for.
//   - Numbers use '.' as the decimal point; yes/no values are "Da" or "Ne".
//
//   [Podaci]     Konekcija         name of the data connection (required)
//                Kolona            name of its text column holding the report (required)
//   [Strana]     Format            A4, A3, A5, Letter or Legal (default A4)
//                Orijentacija      Uspravno or Polozeno (default Uspravno)
//                MarginaLevo, MarginaDesno, MarginaGore, MarginaDole   in mm, 0..80 (default 15)
//   [Tekst]      Font              family of the body font; it must be monospaced for matrix rows
//                                  to line up; an unavailable or proportional family falls back to
//                                  the system's fixed-pitch font (default "DejaVu Sans Mono")
//                Velicina          body size in points, 4..24 (default 9)
//                NajmanjaVelicina  the floor, in points, the body font may shrink to so that the
//                                  longest line fits; lines still longer wrap (default 6.5)
//                Prored            line spacing factor, 0.8..3 (default 1)
//                OznakaNastavka    text put in front of the wrapped tail of a long line
//                                  (default "» ", must not be empty)
//                NaglasiNaslove    Da: lines in capitals (section headings) are set in bold and
//                                  are not left alone at the foot of a page (default Da)
//   [Zaglavlje]  Levo, Sredina, Desno   header texts at the left, centre and right
//   [Podnozje]   Levo, Sredina, Desno   footer texts
//                Font, Velicina    font of the band's texts (default sans, 9 pt header, 8 pt footer)
//                Linija            Da: a rule separates the band from the body (default Da)
//
// Header and footer texts may hold {N} (page number), {M} (page count), {DATUM} (date and time
// the report was made) and {DATOTEKA} (name of the project file).

#include <QString>
#include <QVariant>
#include <QPageLayout>
#include <QPageSize>

#include <functional>
#include <memory>
#include <vector>

#include "Greska.h"

class QWidget;
class TReportDocument;
class TReportPreview;
class TReportDialogs;

// Every failure of the engine: an unreadable or malformed project, a connection that does not
// deliver what the project reads, a PDF or printer that cannot be written.
class TReportError : public TGreska {
public:
    explicit TReportError(const QString& poruka) : TGreska(poruka.toStdString()) {}
    QString Message() const { return QString::fromUtf8(what()); }
};

struct TReportBand {
    QString Left, Center, Right;
    QString FontFamily;  // empty: the application's sans-serif font
    double FontSizePt = 8;
    bool Rule = true;
    bool Empty() const { return Left.isEmpty() && Center.isEmpty() && Right.isEmpty(); }
};

// The layout a project file describes.
struct TReportSettings {
    QString ConnectionName;
    QString ColumnName;
    QPageSize::PageSizeId PageSize = QPageSize::A4;
    QPageLayout::Orientation Orientation = QPageLayout::Portrait;
    double MarginLeftMm = 15, MarginRightMm = 15, MarginTopMm = 15, MarginBottomMm = 15;
    QString BodyFont = QStringLiteral("DejaVu Sans Mono");
    double BodySizePt = 9;
    double BodyMinSizePt = 6.5;
    double LineSpacing = 1.0;
    QString ContinuationMarker = QStringLiteral("\u00bb ");
    bool BoldHeadings = true;
    TReportBand Header, Footer;
    QString ProjectFileName;  // file name only, for {DATOTEKA}
};

// Parses the text of a project file; `ime` names it in messages. Throws TReportError.
TReportSettings ParseReportProject(const QByteArray& sadrzaj, const QString& ime);
// Reads and parses a project file. Throws TReportError.
TReportSettings ReadReportProject(const QString& putanja);

enum class TFieldType { String, Integer, Float };

struct TReportColumn {
    QString Name;
    TFieldType Type = TFieldType::String;
    int Width = 0;
    QString FullName;
    QString Description;
};

// A data connection the report pulls its rows from through three callbacks: OnGetCols declares
// the columns, OnOpen sets the row count, OnGetRow writes the values of one row.
class TReportConnection {
public:
    explicit TReportConnection(const QString& name = {}) : Name(name) {}

    QString Name;
    std::function<void(TReportConnection&)> OnGetCols;
    std::function<void(TReportConnection&)> OnOpen;
    std::function<void(TReportConnection&, int row)> OnGetRow;

    // For OnGetCols.
    void AddColumn(const QString& name, TFieldType type, int width, const QString& fullName,
                   const QString& description);
    // For OnOpen.
    void SetRowCount(int count) { rowCount = count; }
    // For OnGetRow: the formatted text the report shows and the native value behind it.
    void SetValue(int column, const QString& formatted, const QVariant& native = {});
    void SetValue(const QString& columnName, const QString& formatted, const QVariant& native = {});

    const std::vector<TReportColumn>& Columns() const { return columns; }
    int ColumnIndex(const QString& name) const;  // -1 when absent
    int RowCount() const { return rowCount; }
    QString FormattedValue(int column) const;
    QVariant NativeValue(int column) const;

    // Runs the three callbacks and returns the rows' values of `columnName` joined by CR LF.
    // Throws TReportError when a callback fails or the column is not offered as text.
    QString Pull(const QString& columnName);

private:
    struct Vrednost {
        QString formatted;
        QVariant native;
        bool set = false;
    };
    std::vector<TReportColumn> columns;
    std::vector<Vrednost> values;
    int rowCount = -1;
};

// Runs one report project: reads the project file, pulls the text from the connection the
// project names, lays it out and shows it in the preview, or saves it as PDF.
class TReportProject {
public:
    TReportProject();
    ~TReportProject();
    TReportProject(const TReportProject&) = delete;
    TReportProject& operator=(const TReportProject&) = delete;

    void SetProjectFile(const QString& path) { projectFile = path; }
    const QString& ProjectFile() const { return projectFile; }

    // The project chooses among these by name; they are not owned.
    void AddConnection(TReportConnection* connection);
    // Print and file dialogs of the preview; not owned. Without them the real dialogs are used.
    void SetDialogs(TReportDialogs* dialogs) { this->dialogs = dialogs; }
    // Called with the preview instead of running it modally, so callers' tests do not block.
    void SetPreviewHook(std::function<void(TReportPreview&)> hook) { previewHook = std::move(hook); }

    // Reads the project, pulls the data and lays out the pages. Throws TReportError.
    void Prepare();
    // Prepare(), then the preview. False, with the message in *error, when anything fails.
    bool Execute(QWidget* parent, QString* error = nullptr);
    // Saves the prepared report (Prepare() first). Throws TReportError.
    void SavePdf(const QString& path) const;

    // The prepared document, or null before a successful Prepare().
    const TReportDocument* Document() const { return document.get(); }
    std::shared_ptr<const TReportDocument> SharedDocument() const { return document; }

private:
    QString projectFile;
    std::vector<TReportConnection*> connections;
    TReportDialogs* dialogs = nullptr;
    std::function<void(TReportPreview&)> previewHook;
    std::shared_ptr<TReportDocument> document;
};
