// The file commands of the main window ("Nov...", "Otvori...", "Snimi...", "Snimi kao...",
// "Izlaz") and its closing.
#include <QCloseEvent>
#include <QFileInfo>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTextEdit>

#include <exception>

#include "CitanjeUnapred.h"
#include "CrtanjeKonstrukcije.h"
#include "Dijalozi.h"
#include "DnevnikSnimanja.h"
#include "GlavniProzorPomoc.h"
#include "Greska.h"
#include "ModelFajl.h"
#include "PlotChart.h"
#include "StraniceModela.h"
#include "UnitGlavniProzor.h"

using namespace glavni_prozor;

// ---- file commands ----

namespace {

// A name typed without an extension gets ".velt", so that the open dialog's filter shows the
// file afterwards; a name with an extension of its own is kept as typed.
QString SaEkstenzijom(const QString& ime) {
    if (ime.isEmpty()) return ime;
    const QFileInfo fajl(ime);
    if (fajl.fileName().isEmpty() || fajl.fileName().startsWith(QLatin1Char('.')) || !fajl.suffix().isEmpty())
        return ime;
    return ime.endsWith(QLatin1Char('.')) ? ime + QStringLiteral("velt") : ime + QStringLiteral(".velt");
}

}  // namespace

void TFormGlavniProzor::UcitajModel() {
    const std::string putanja = UPutanju(putanjaDoFajla);
    // A save in place that was cut off left its content in a journal: the user decides.
    if (const auto nedovrseno = NedovrsenoSnimanje(putanja))
        if (dijalozi->Pitanje(this, QString::fromStdString(PitanjeNedovrsenogSnimanja(*nedovrseno))))
            VratiNedovrsenoSnimanje(*nedovrseno);
    // The reader replaces the model and the settings only when the whole file was read.
    const bool unapred = citanjeUnapred && citanjeUnapred->Preuzmi(putanja, model, podesavanja);
    citanjeUnapred.reset();
    if (!unapred) ProcitajModel(putanja, model, podesavanja);
    ObrisiRezultate();
    // The announcement brings the controls, pages, lists and plot up to the new model.
    dokument->NovModel();
    PodesiKrajnjeGraniceGrafika(*PlotChartGrafik, model, podesavanja);
}

void TFormGlavniProzor::SnimiModelUFajl() {
    SnimiModel(UPutanju(putanjaDoFajla), model, podesavanja);
    // The writer puts "1.0" in place of a factor or multiplier that it could not use.
    if (QLineEdit* faktor = EditVrednostIspredMatrica())
        faktor->setText(QString::fromStdString(podesavanja.vrednostIspredMatricaKrutosti));
    EditMnozilacPomeranja->setText(QString::fromStdString(podesavanja.mnozilacPomeranja));
}

void TFormGlavniProzor::Otvori1Click() {
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    if (!SacuvajIzmene()) return;
    const QString ime = dijalozi->OtvoriFajl(this, QStringLiteral("Ucitavanje podataka!"), Tekst(FilterFajla));
    if (!ime.isNull()) {
        // A failed open keeps the model and the current file it had, so a later "Snimi..." cannot
        // write over the file that failed or over the previous one with something half read.
        const QString prethodna = putanjaDoFajla;
        try {
            putanjaDoFajla = ime;
            if (ime.isEmpty()) throw TGreska("Ime fajla nije korektno zadato!!!");
            UcitajModel();
        } catch (const std::exception& e) {
            putanjaDoFajla = prethodna;
            dijalozi->Greska(this,
                             QString::fromStdString(e.what()) + QStringLiteral("\r\nGreska pri ucitavanju fajla!!!"));
        }
    }
    OsveziNaslov();
}

bool TFormGlavniProzor::Snimi(bool uvekPitaj) {
    if (Zauzet()) {
        PorukaZauzet();
        return false;
    }
    const QString zapamcena = putanjaDoFajla;
    bool snimljeno = false;
    try {
        if (!uvekPitaj && !putanjaDoFajla.isEmpty()) {
            SnimiModelUFajl();
            snimljeno = true;
        } else {
            const QString ime =
                SaEkstenzijom(dijalozi->SnimiFajl(this, QStringLiteral("Snimanje podataka!"), Tekst(FilterFajla)));
            if (!ime.isNull()) {
                putanjaDoFajla = ime;
                if (ime.isEmpty()) throw TGreska("Ime fajla nije korektno zadato!!!");
                SnimiModelUFajl();
                snimljeno = true;
            }
        }
    } catch (const std::exception& e) {
        putanjaDoFajla = zapamcena;
        dijalozi->Greska(this, QString::fromStdString(e.what()) + QStringLiteral("\r\nGreska pri snimanju fajla!!!"));
    }
    if (snimljeno) dokument->Snimljen();
    OsveziNaslov();
    return snimljeno;
}

bool TFormGlavniProzor::SacuvajIzmene() {
    if (!dokument->Izmenjen()) return true;
    switch (dijalozi->PitanjeDaNeOtkazi(this, Tekst(PitanjeIzmena))) {
        case TDijalozi::TOdgovor::Da: return Snimi(false);
        case TDijalozi::TOdgovor::Ne: return true;
        case TDijalozi::TOdgovor::Otkazi: break;
    }
    return false;
}

void TFormGlavniProzor::Snimi1Click() { Snimi(false); }

void TFormGlavniProzor::Snimikao1Click() { Snimi(true); }

namespace {

// A model begun with "Nov..." shows what the user enters: loads and supports with their
// symbols, at equal scale. The other settings stay as they were.
void UkljuciCrtezNovogModela(TPodesavanja& p) {
    p.prikaziOpterecenjeStapa = p.prikaziOpterecenjeCvora = p.prikaziOslonceCvora = true;
    p.prikaz.simboli = p.prikaz.jednakaRazmera = true;
}

}  // namespace

void TFormGlavniProzor::Nov1Click() {
    // Starting over under a running analysis would pull the model from under it.
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    if (!SacuvajIzmene()) return;
    if (pokrenutSaFajlom && pokreniNovuInstancu && pokreniNovuInstancu()) {
        // The fresh instance takes over; this one ends without the closing question.
        zatvaranjeBezPitanja = true;
        close();
        return;
    }
    auto korak = [](auto&& f) {
        try {
            f();
        } catch (const std::exception&) {
        }
    };
    korak([&] { putanjaDoFajla.clear(); });
    korak([&] { OsveziNaslov(); });
    korak([&] {
        if (!TabSheetParametriAnalize) return;
        if (auto* log = TabSheetParametriAnalize->findChild<QPlainTextEdit*>(
                QStringLiteral("MemoPorukaTrenutnogStanjaAnalize")))
            log->clear();
        else if (auto* log2 = TabSheetParametriAnalize->findChild<QTextEdit*>(
                     QStringLiteral("MemoPorukaTrenutnogStanjaAnalize")))
            log2->clear();
    });
    korak([&] { ObrisiRezultate(); });
    korak([&] { Inicijalizuj(); });
    korak([&] { dokument->IzmeniPodesavanja(UkljuciCrtezNovogModela); });
    // The announcement refreshes the plot, pages and lists.
    korak([&] { dokument->NovModel(); });
    korak([&] { OsveziNaslov(); });
}

void TFormGlavniProzor::Stampajgrafik1Click() {
    if (naStampanjeGrafika) naStampanjeGrafika(750, 600);
}

void TFormGlavniProzor::Izlaz1Click() {
    if (Zauzet()) {
        PorukaZauzet();
        return;
    }
    close();
}

// ---- closing ----

void TFormGlavniProzor::closeEvent(QCloseEvent* e) {
    if (zatvaranjeBezPitanja) {
        e->accept();
        return;
    }
    if (Zauzet()) {
        e->ignore();
        return;
    }
    // Unsaved changes get their own question, which also confirms the closing.
    if (dokument->Izmenjen() ? !SacuvajIzmene() : !dijalozi->Pitanje(this, Tekst(PitanjeZatvaranja))) {
        e->ignore();
        return;
    }
    stanje.ObrisiRezultate(model);
    model.Isprazni();
    if (stranice) stranice->OsveziSve();
    e->accept();
}
