// Opening a model whose last save in place was cut off: the window offers the journaled content.
#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <cstdlib>
#include <sys/stat.h>

#include "DnevnikSnimanja.h"
#include "GlavniProzorPomocTest.h"

namespace {

// The state folder of the journals inside a temporary folder for the test's duration.
struct TStanje {
    QTemporaryDir dir;
    std::string staro;
    bool bilo = false;
    TStanje() {
        if (const char* s = std::getenv("XDG_STATE_HOME")) bilo = true, staro = s;
        ::setenv("XDG_STATE_HOME", dir.filePath(QStringLiteral("stanje")).toStdString().c_str(), 1);
    }
    ~TStanje() { bilo ? (void)::setenv("XDG_STATE_HOME", staro.c_str(), 1) : (void)::unsetenv("XDG_STATE_HOME"); }
};

}  // namespace

TEST(NedovrsenoSnimanje, OpeningOffersTheJournaledContentAndRestoresItOnYes) {
    TStanje stanje;
    const QByteArray ceo = Procitaj(primer);
    const QString put = stanje.dir.filePath(QStringLiteral("m.velt"));
    for (bool da : {false, true}) {
        SCOPED_TRACE(da);
        // The file as a save cut half-way leaves it, the whole new content in the journal.
        Zapisi(put, ceo.left(ceo.size() / 2));
        struct stat st {};
        ASSERT_EQ(::stat(put.toStdString().c_str(), &st), 0);
        const std::string dnevnik = UpisiDnevnik(put.toStdString(), st, ceo.toStdString(), nullptr);
        TProzor p;
        p.d->imenaFajlova = {put};
        p.d->odgovori = {da};
        p.Meni("Otvori1");
        ASSERT_GE(p.d->zapisi.size(), 2u);
        EXPECT_EQ(p.d->zapisi[1].vrsta, "pitanje");
        EXPECT_EQ(p.d->zapisi[1].tekst,
                  "Snimanje fajla '" + put +
                      "' je prekinuto pre nego sto je zavrseno, pa fajl mozda nije ispravan.\r\n"
                      "Sadrzaj koji je tada sniman je sacuvan. Da li zelite da ga vratite u fajl?");
        if (da) {
            EXPECT_EQ(p.d->Vrste(), QStringList({"otvori", "pitanje"}));
            EXPECT_EQ(Procitaj(put), ceo);
            EXPECT_EQ(p.w->PutanjaDoFajla(), put);
            EXPECT_FALSE(p.w->Model().nizStapova.empty());
            EXPECT_FALSE(QFile::exists(QString::fromStdString(dnevnik)));
        } else {
            // No: the file is read as it is (and refused), the journal is kept for a later open.
            EXPECT_EQ(p.d->Vrste(), QStringList({"otvori", "pitanje", "greska"}));
            EXPECT_TRUE(p.d->PoslednjiTekst().endsWith(QStringLiteral("\r\nGreska pri ucitavanju fajla!!!")));
            EXPECT_TRUE(QFile::exists(QString::fromStdString(dnevnik)));
            EXPECT_TRUE(p.w->PutanjaDoFajla().isEmpty());
        }
    }
    // Without a journal nothing is asked.
    TProzor p;
    p.d->imenaFajlova = {put};
    p.Meni("Otvori1");
    EXPECT_EQ(p.d->Vrste(), QStringList({"otvori"}));
}
