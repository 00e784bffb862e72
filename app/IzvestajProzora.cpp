// The main window's report command and the wiring of the plot's print window.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <exception>

#include "IzvestajAnalize.h"
#include "ReportPreview.h"
#include "StranicaAnalize.h"
#include "UnitGlavniProzor.h"
#include "UnitGrafik.h"

namespace {

const QString PorukaIzvestaja = QStringLiteral("Izvestaj nije moguce formirati!!!");
const QString ImeProjekta = QStringLiteral("ProjectIzvestajAnalize.vrp");

}  // namespace

void TFormGlavniProzor::UgradiIzvestajIStampu() {
    ReportConnection1.OnGetCols = [this](TReportConnection& k) { ReportConnection1GetCols(k); };
    ReportConnection1.OnOpen = [this](TReportConnection& k) { ReportConnection1Open(k); };
    ReportConnection1.OnGetRow = [this](TReportConnection& k, int red) { ReportConnection1GetRow(k, red); };
    dijaloziIzvestaja = std::make_unique<TReportDialogsOf<TDijalozi>>(*dijalozi);

    if (TabSheetParametriAnalize) {
        // The page refuses the command itself while an analysis runs.
        if (auto* analiza = TabSheetParametriAnalize->findChild<TStranicaAnalize*>())
            analiza->naIzvestaj = [this] { ButtonFormirajIzvestajClick(); };
    }

    FormGrafikStampa = new TFormGrafikStampa(*dijalozi, this);
    FormGrafikStampa->izvor = [this] {
        TFormGrafikStampa::TIzvor i;
        i.model = &model;
        i.podesavanja = podesavanja;
        i.mreza = PlotChartGrafik ? PlotChartGrafik->GridStyle() : gsNone;
        i.stanje = &stanje;
        return i;
    };
    naStampanjeGrafika = [this](int sirina, int visina) {
        // The deformed shape reads the node results a running analysis is writing.
        if (Zauzet()) {
            dijalozi->Informacija(this, QString::fromLatin1(PorukaProracunUToku));
            return;
        }
        FormGrafikStampa->Stampaj(sirina, visina);
    };
}

void TFormGlavniProzor::ReportConnection1GetCols(TReportConnection& k) {
    k.AddColumn(QStringLiteral("Podaci"), TFieldType::String, 100, QStringLiteral("Podaci"), QString());
}

void TFormGlavniProzor::ReportConnection1Open(TReportConnection& k) { k.SetRowCount(1); }

void TFormGlavniProzor::ReportConnection1GetRow(TReportConnection& k, int) {
    k.SetValue(0, izvestajAnalizeUlaz + izvestajAnalizeIzlaz, QVariant());
}

void TFormGlavniProzor::ButtonFormirajIzvestajClick() {
    izvestajAnalizeUlaz.clear();
    izvestajAnalizeIzlaz.clear();
    try {
        QString folder = folderPrograma.isEmpty() ? QCoreApplication::applicationDirPath() : folderPrograma;
        // Installed, the report project lies in share/velt beside bin/.
        if (const QString deljeno = folder + QStringLiteral("/../share/velt");
            !QFileInfo::exists(QDir(folder).filePath(ImeProjekta)) && QFileInfo::exists(QDir(deljeno).filePath(ImeProjekta)))
            folder = QDir(deljeno).canonicalPath();
        QDir::setCurrent(folder);
        const QString putanja = QDir(folder).filePath(ImeProjekta);

        izvestajAnalizeUlaz = QString::fromStdString(::izvestajAnalizeUlaz(model));
        // The output part never throws: it ends where the results stop fitting the model.
        izvestajAnalizeIzlaz =
            QString::fromStdString(::izvestajAnalizeIzlaz(model, stanje, stanje.brojIspredMatriceKrutosti));

        projekatIzvestaja.reset();
        projekatIzvestaja = std::make_unique<TReportProject>();
        projekatIzvestaja->SetProjectFile(putanja);
        projekatIzvestaja->AddConnection(&ReportConnection1);
        projekatIzvestaja->SetDialogs(dijaloziIzvestaja.get());
        if (naPregledIzvestaja) projekatIzvestaja->SetPreviewHook(naPregledIzvestaja);
        if (!projekatIzvestaja->Execute(this)) dijalozi->Greska(this, PorukaIzvestaja);
    } catch (const std::exception&) {
        dijalozi->Greska(this, PorukaIzvestaja);
    }
}
