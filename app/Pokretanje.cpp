#include "Pokretanje.h"

#include <QApplication>
#include <QEventLoop>
#include <QPixmap>
#include <QProcess>
#include <QTimer>

#include "SrpskiTekstovi.h"
#include "UnitGlavniProzor.h"
#include "UnitPomoc.h"
#include "UnitUvodniProzor.h"

int PokreniVELT(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("VELT"));
    UgradiSrpskeTekstove(app);

    auto* uvod = new TFormUvodniProzor;
    uvod->show();
    uvod->Centriraj();
    uvod->repaint();
    QApplication::processEvents();

    QStringList argumenti = QApplication::arguments();
    argumenti.removeFirst();
    TFormGlavniProzor glavni(argumenti);
    glavni.pokreniNovuInstancu = [] {
        return QProcess::startDetached(QCoreApplication::applicationFilePath(), QStringList());
    };
    TFormPomoc pomoc(&glavni);
    TFormFormGeometrijskeKarakteristikePreseka preseci(&glavni);
    glavni.PostaviPomocneProzore(&pomoc, &preseci);

    // The splash stays up for two seconds; the event loop keeps running so it stays painted.
    if (qEnvironmentVariableIntValue("VELT_BEZ_UVODA") == 0) {
        QEventLoop cekanje;
        QTimer::singleShot(2000, &cekanje, &QEventLoop::quit);
        cekanje.exec();
    }
    delete uvod;

    glavni.show();
    const QString snimak = qEnvironmentVariable("VELT_SNIMAK");
    if (!snimak.isEmpty()) {
        bool imaStranu = false;
        const int strana = qEnvironmentVariableIntValue("VELT_SNIMAK_STRANA", &imaStranu);
        if (imaStranu) glavni.PageControlGlavniMeni->setCurrentIndex(strana);
        QTimer::singleShot(1500, &glavni, [&] {
            glavni.grab().save(snimak, "PNG");
            QApplication::exit(0);
        });
    }
    return app.exec();
}
