#include "ReportProject.h"

#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>

#include <map>
#include <set>

#include "ReportLayout.h"
#include "ReportPreview.h"

namespace {

const QString POTPIS = QStringLiteral("VELT-IZVESTAJ 1");
// A project file is a page of settings; anything this large is not one.
const qint64 NAJVECI_PROJEKAT = 256 * 1024;

[[noreturn]] void Neispravan(const QString& ime, int red, const QString& razlog) {
    throw TReportError(
        QStringLiteral("Projekat izvestaja %1 je neispravan (red %2): %3!!!").arg(ime).arg(red).arg(razlog));
}

struct Citac {
    QString ime;
    int red = 0;

    double Broj(const QString& vrednost, double od, double doo) const {
        bool ok = false;
        const double x = vrednost.toDouble(&ok);
        if (!ok || !(x >= od && x <= doo))
            Neispravan(ime, red, QStringLiteral("\"%1\" nije broj od %2 do %3").arg(vrednost).arg(od).arg(doo));
        return x;
    }

    bool DaNe(const QString& vrednost) const {
        if (vrednost.compare(QLatin1String("Da"), Qt::CaseInsensitive) == 0) return true;
        if (vrednost.compare(QLatin1String("Ne"), Qt::CaseInsensitive) == 0) return false;
        Neispravan(ime, red, QStringLiteral("\"%1\" nije Da ili Ne").arg(vrednost));
    }
};

QString Vrednost(QString tekst) {
    tekst = tekst.trimmed();
    if (tekst.size() >= 2 && tekst.startsWith(QLatin1Char('"')) && tekst.endsWith(QLatin1Char('"')))
        tekst = tekst.mid(1, tekst.size() - 2);
    return tekst;
}

void PostaviTraku(TReportBand& traka, const Citac& c, const QString& kljuc, const QString& v) {
    if (kljuc == QLatin1String("levo")) traka.Left = v;
    else if (kljuc == QLatin1String("sredina")) traka.Center = v;
    else if (kljuc == QLatin1String("desno")) traka.Right = v;
    else if (kljuc == QLatin1String("font")) traka.FontFamily = v;
    else if (kljuc == QLatin1String("velicina")) traka.FontSizePt = c.Broj(v, 4, 24);
    else if (kljuc == QLatin1String("linija")) traka.Rule = c.DaNe(v);
    else Neispravan(c.ime, c.red, QStringLiteral("nepoznat kljuc \"%1\"").arg(kljuc));
}

}  // namespace

TReportSettings ParseReportProject(const QByteArray& sadrzaj, const QString& ime) {
    QStringDecoder dekoder(QStringDecoder::Utf8);
    const QString tekst = dekoder.decode(sadrzaj);
    if (dekoder.hasError()) throw TReportError(QStringLiteral("Projekat izvestaja %1 nije UTF-8 tekst!!!").arg(ime));

    TReportSettings s;
    s.Header.FontSizePt = 9;
    Citac c{ime};
    bool potpis = false;
    QString sekcija;
    std::set<QString> vidjeni;
    const QStringList redovi = tekst.split(QLatin1Char('\n'));
    for (const QString& sirov : redovi) {
        ++c.red;
        const QString red = sirov.trimmed();
        if (red.isEmpty() || red.startsWith(QLatin1Char('#'))) continue;
        if (!potpis) {
            if (red != POTPIS) Neispravan(ime, c.red, QStringLiteral("fajl ne pocinje sa \"%1\"").arg(POTPIS));
            potpis = true;
            continue;
        }
        if (red.startsWith(QLatin1Char('['))) {
            if (!red.endsWith(QLatin1Char(']'))) Neispravan(ime, c.red, QStringLiteral("nezatvorena sekcija"));
            sekcija = red.mid(1, red.size() - 2).trimmed().toLower();
            static const std::set<QString> poznate = {QStringLiteral("podaci"), QStringLiteral("strana"),
                                                      QStringLiteral("tekst"), QStringLiteral("zaglavlje"),
                                                      QStringLiteral("podnozje")};
            if (!poznate.count(sekcija))
                Neispravan(ime, c.red, QStringLiteral("nepoznata sekcija \"%1\"").arg(sekcija));
            if (!vidjeni.insert(QLatin1Char('[') + sekcija).second)
                Neispravan(ime, c.red, QStringLiteral("sekcija \"%1\" je ponovljena").arg(sekcija));
            continue;
        }
        const qsizetype jednako = red.indexOf(QLatin1Char('='));
        if (jednako <= 0) Neispravan(ime, c.red, QStringLiteral("ocekuje se Kljuc = vrednost"));
        if (sekcija.isEmpty()) Neispravan(ime, c.red, QStringLiteral("kljuc van sekcije"));
        const QString kljuc = red.left(jednako).trimmed().toLower();
        const QString v = Vrednost(red.mid(jednako + 1));
        if (!vidjeni.insert(sekcija + QLatin1Char('.') + kljuc).second)
            Neispravan(ime, c.red, QStringLiteral("kljuc \"%1\" je ponovljen").arg(kljuc));

        if (sekcija == QLatin1String("podaci")) {
            if (kljuc == QLatin1String("konekcija")) s.ConnectionName = v;
            else if (kljuc == QLatin1String("kolona")) s.ColumnName = v;
            else Neispravan(ime, c.red, QStringLiteral("nepoznat kljuc \"%1\"").arg(kljuc));
        } else if (sekcija == QLatin1String("strana")) {
            if (kljuc == QLatin1String("format")) {
                static const std::map<QString, QPageSize::PageSizeId> formati = {
                    {QStringLiteral("a4"), QPageSize::A4},
                    {QStringLiteral("a3"), QPageSize::A3},
                    {QStringLiteral("a5"), QPageSize::A5},
                    {QStringLiteral("letter"), QPageSize::Letter},
                    {QStringLiteral("legal"), QPageSize::Legal}};
                auto it = formati.find(v.toLower());
                if (it == formati.end()) Neispravan(ime, c.red, QStringLiteral("nepoznat format strane \"%1\"").arg(v));
                s.PageSize = it->second;
            } else if (kljuc == QLatin1String("orijentacija")) {
                if (v.compare(QLatin1String("Uspravno"), Qt::CaseInsensitive) == 0)
                    s.Orientation = QPageLayout::Portrait;
                else if (v.compare(QLatin1String("Polozeno"), Qt::CaseInsensitive) == 0)
                    s.Orientation = QPageLayout::Landscape;
                else Neispravan(ime, c.red, QStringLiteral("orijentacija je Uspravno ili Polozeno"));
            } else if (kljuc == QLatin1String("marginalevo")) s.MarginLeftMm = c.Broj(v, 0, 80);
            else if (kljuc == QLatin1String("marginadesno")) s.MarginRightMm = c.Broj(v, 0, 80);
            else if (kljuc == QLatin1String("marginagore")) s.MarginTopMm = c.Broj(v, 0, 80);
            else if (kljuc == QLatin1String("marginadole")) s.MarginBottomMm = c.Broj(v, 0, 80);
            else Neispravan(ime, c.red, QStringLiteral("nepoznat kljuc \"%1\"").arg(kljuc));
        } else if (sekcija == QLatin1String("tekst")) {
            if (kljuc == QLatin1String("font")) {
                if (v.isEmpty()) Neispravan(ime, c.red, QStringLiteral("font nije naveden"));
                s.BodyFont = v;
            } else if (kljuc == QLatin1String("velicina")) s.BodySizePt = c.Broj(v, 4, 24);
            else if (kljuc == QLatin1String("najmanjavelicina")) s.BodyMinSizePt = c.Broj(v, 4, 24);
            else if (kljuc == QLatin1String("prored")) s.LineSpacing = c.Broj(v, 0.8, 3);
            else if (kljuc == QLatin1String("oznakanastavka")) {
                if (v.isEmpty() || v.size() > 8)
                    Neispravan(ime, c.red, QStringLiteral("oznaka nastavka mora imati 1 do 8 znakova"));
                s.ContinuationMarker = v;
            } else if (kljuc == QLatin1String("naglasinaslove")) s.BoldHeadings = c.DaNe(v);
            else Neispravan(ime, c.red, QStringLiteral("nepoznat kljuc \"%1\"").arg(kljuc));
        } else if (sekcija == QLatin1String("zaglavlje")) {
            PostaviTraku(s.Header, c, kljuc, v);
        } else {
            PostaviTraku(s.Footer, c, kljuc, v);
        }
    }
    if (!potpis) Neispravan(ime, c.red, QStringLiteral("fajl je prazan"));
    if (s.ConnectionName.isEmpty())
        Neispravan(ime, c.red, QStringLiteral("nije navedena konekcija ([Podaci] Konekcija)"));
    if (s.ColumnName.isEmpty()) Neispravan(ime, c.red, QStringLiteral("nije navedena kolona ([Podaci] Kolona)"));
    if (s.BodyMinSizePt > s.BodySizePt)
        Neispravan(ime, c.red, QStringLiteral("najmanja velicina fonta je veca od velicine"));
    return s;
}

TReportSettings ReadReportProject(const QString& putanja) {
    QFile f(putanja);
    const QFileInfo info(putanja);
    if (!info.exists()) throw TReportError(QStringLiteral("Projekat izvestaja %1 ne postoji!!!").arg(putanja));
    if (!info.isFile() || !f.open(QIODevice::ReadOnly))
        throw TReportError(QStringLiteral("Projekat izvestaja %1 nije moguce procitati!!!").arg(putanja));
    if (f.size() > NAJVECI_PROJEKAT)
        throw TReportError(QStringLiteral("Projekat izvestaja %1 je prevelik!!!").arg(putanja));
    const QByteArray sadrzaj = f.read(NAJVECI_PROJEKAT + 1);
    if (f.error() != QFileDevice::NoError)
        throw TReportError(QStringLiteral("Projekat izvestaja %1 nije moguce procitati!!!").arg(putanja));
    TReportSettings s = ParseReportProject(sadrzaj, info.fileName());
    s.ProjectFileName = info.fileName();
    return s;
}

// --- connection -------------------------------------------------------------------------------

void TReportConnection::AddColumn(const QString& name, TFieldType type, int width, const QString& fullName,
                                  const QString& description) {
    columns.push_back({name, type, width, fullName, description});
}

int TReportConnection::ColumnIndex(const QString& name) const {
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].Name.compare(name, Qt::CaseInsensitive) == 0) return static_cast<int>(i);
    return -1;
}

void TReportConnection::SetValue(int column, const QString& formatted, const QVariant& native) {
    if (column < 0 || column >= static_cast<int>(columns.size()))
        throw TReportError(QStringLiteral("Konekcija %1 nema kolonu broj %2!!!").arg(Name).arg(column));
    values.resize(columns.size());
    values[column] = {formatted, native, true};
}

void TReportConnection::SetValue(const QString& columnName, const QString& formatted, const QVariant& native) {
    const int i = ColumnIndex(columnName);
    if (i < 0) throw TReportError(QStringLiteral("Konekcija %1 nema kolonu \"%2\"!!!").arg(Name, columnName));
    SetValue(i, formatted, native);
}

QString TReportConnection::FormattedValue(int column) const {
    return column >= 0 && column < static_cast<int>(values.size()) ? values[column].formatted : QString();
}

QVariant TReportConnection::NativeValue(int column) const {
    return column >= 0 && column < static_cast<int>(values.size()) ? values[column].native : QVariant();
}

QString TReportConnection::Pull(const QString& columnName) {
    // A callback may fail in its own way; the caller only needs to know that the report failed.
    auto pozovi = [this](const char* korak, auto&& f) {
        try {
            f();
        } catch (const TReportError&) {
            throw;
        } catch (const std::exception& e) {
            throw TReportError(QStringLiteral("Konekcija %1 (%2): %3!!!")
                                   .arg(Name, QLatin1String(korak), QString::fromUtf8(e.what())));
        }
    };
    columns.clear();
    values.clear();
    rowCount = -1;
    if (!OnGetCols || !OnOpen || !OnGetRow)
        throw TReportError(QStringLiteral("Konekcija %1 nije povezana sa podacima!!!").arg(Name));
    pozovi("OnGetCols", [this] { OnGetCols(*this); });
    const int kolona = ColumnIndex(columnName);
    if (kolona < 0) throw TReportError(QStringLiteral("Konekcija %1 nema kolonu \"%2\"!!!").arg(Name, columnName));
    if (columns[kolona].Type != TFieldType::String)
        throw TReportError(QStringLiteral("Kolona \"%1\" konekcije %2 nije tekst!!!").arg(columnName, Name));
    pozovi("OnOpen", [this] { OnOpen(*this); });
    if (rowCount < 0) throw TReportError(QStringLiteral("Konekcija %1 nije otvorena!!!").arg(Name));
    QString tekst;
    for (int red = 0; red < rowCount; ++red) {
        values.assign(columns.size(), {});
        pozovi("OnGetRow", [this, red] { OnGetRow(*this, red); });
        if (red > 0) tekst += QLatin1String("\r\n");
        tekst += FormattedValue(kolona);
    }
    return tekst;
}

// --- project ----------------------------------------------------------------------------------

TReportProject::TReportProject() = default;
TReportProject::~TReportProject() = default;

void TReportProject::AddConnection(TReportConnection* connection) {
    if (connection) connections.push_back(connection);
}

void TReportProject::Prepare() {
    document.reset();
    if (projectFile.isEmpty()) throw TReportError(QStringLiteral("Projekat izvestaja nije zadat!!!"));
    const TReportSettings s = ReadReportProject(projectFile);
    TReportConnection* konekcija = nullptr;
    for (TReportConnection* k : connections)
        if (k->Name.compare(s.ConnectionName, Qt::CaseInsensitive) == 0) konekcija = k;
    if (!konekcija)
        throw TReportError(
            QStringLiteral("Konekcija %1 koju projekat izvestaja cita ne postoji!!!").arg(s.ConnectionName));
    const QString tekst = konekcija->Pull(s.ColumnName);
    document = std::make_shared<TReportDocument>(s, tekst);
}

bool TReportProject::Execute(QWidget* parent, QString* error) {
    try {
        Prepare();
        TReportPreview pregled(document, dialogs, parent);
        if (previewHook) previewHook(pregled);
        else pregled.exec();
        return true;
    } catch (const TReportError& e) {
        if (error) *error = e.Message();
    } catch (const std::exception& e) {
        if (error) *error = QString::fromUtf8(e.what());
    } catch (...) {
        if (error) *error = QStringLiteral("Nepoznata greska izvestaja!!!");
    }
    return false;
}

void TReportProject::SavePdf(const QString& path) const {
    if (!document) throw TReportError(QStringLiteral("Izvestaj nije pripremljen!!!"));
    document->SavePdf(path);
}
