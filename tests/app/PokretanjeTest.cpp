#include <gtest/gtest.h>

#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include "PomocniProzora.h"

#ifdef VELT_EXE

// The real program, started the way a user starts it, must come up and draw its window whatever
// the command line names; the screenshot mode ends it once the window is on screen.
TEST(Pokretanje, ProgramStartsWithAnyArgument) {
    OsigurajAplikaciju();
    QTemporaryDir dir;
    const struct {
        const char* slucaj;
        QStringList argumenti;
    } slucajevi[] = {
        {"no argument", {}},
        {"example model", {QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt")}},
        {"missing file", {dir.filePath("nema.velt")}},
        {"not a model", {QStringLiteral(VELT_ASSETS_DIR "/UvodniProzor.jpg")}},
    };
    int i = 0;
    for (const auto& s : slucajevi) {
        const QString snimak = dir.filePath(QStringLiteral("snimak%1.png").arg(i++));
        QProcess proces;
        QProcessEnvironment okruzenje = QProcessEnvironment::systemEnvironment();
        okruzenje.insert("QT_QPA_PLATFORM", "offscreen");
        okruzenje.insert("VELT_BEZ_UVODA", "1");
        okruzenje.insert("VELT_SNIMAK", snimak);
        proces.setProcessEnvironment(okruzenje);
        proces.start(QStringLiteral(VELT_EXE), s.argumenti);
        ASSERT_TRUE(proces.waitForFinished(60000)) << s.slucaj;
        EXPECT_EQ(proces.exitStatus(), QProcess::NormalExit) << s.slucaj;
        EXPECT_EQ(proces.exitCode(), 0) << s.slucaj;
        const QImage slika(snimak);
        ASSERT_FALSE(slika.isNull()) << s.slucaj;
        EXPECT_GE(slika.width(), 385 + 100) << s.slucaj;
    }
}

#endif
