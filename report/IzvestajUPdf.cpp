#include "IzvestajUPdf.h"

#include <QGuiApplication>

#include <memory>

#include "ReportProject.h"

bool IzvestajUPdf(const QString& projekat, const QString& tekst, const QString& pdf, QString* greska) {
    // Fonts and the PDF painter need a GUI application; a command line has none and maybe no
    // display either.
    std::unique_ptr<QGuiApplication> aplikacija;
    static int argc = 3;
    static char ime[] = "velt-cli", opcija[] = "-platform", platforma[] = "offscreen";
    static char* argv[] = {ime, opcija, platforma, nullptr};
    if (!QCoreApplication::instance()) aplikacija = std::make_unique<QGuiApplication>(argc, argv);
    else if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        if (greska) *greska = QStringLiteral("Izvestaj nije moguce formirati bez graficke aplikacije!!!");
        return false;
    }

    TReportConnection konekcija(QStringLiteral("ReportConnection1"));
    konekcija.OnGetCols = [](TReportConnection& k) {
        k.AddColumn(QStringLiteral("Podaci"), TFieldType::String, 100, QStringLiteral("Podaci"), QString());
    };
    konekcija.OnOpen = [](TReportConnection& k) { k.SetRowCount(1); };
    konekcija.OnGetRow = [&tekst](TReportConnection& k, int) { k.SetValue(0, tekst); };

    TReportProject projekatIzvestaja;
    projekatIzvestaja.SetProjectFile(projekat);
    projekatIzvestaja.AddConnection(&konekcija);
    try {
        projekatIzvestaja.Prepare();
        projekatIzvestaja.SavePdf(pdf);
        return true;
    } catch (const std::exception& e) {
        if (greska) *greska = QString::fromUtf8(e.what());
    }
    return false;
}
