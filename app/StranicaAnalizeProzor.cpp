#include "StranicaAnalizeProzor.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QStatusBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "GrupaDijagrama.h"
#include "InspekcijaKlika.h"
#include "IzvozMatricaProzora.h"
#include "Model.h"
#include "ProzorKoraka.h"
#include "ProzorProvere.h"
#include "KontekstAnalize.h"
#include "PlotChart.h"
#include "DokumentModela.h"
#include "StranicaAnalize.h"
#include "StranicaRezultata.h"
#include "TabDijagrami.h"
#include "TabUticajneLinije.h"
#include "UnitGlavniProzor.h"
#include "UredjivanjeAnalize.h"

namespace {

// The window seen through the pages' interface; lives as long as the window.
class TKontekstProzora : public QObject, public TKontekstAnalize {
public:
    explicit TKontekstProzora(TFormGlavniProzor& p) : QObject(&p), p(p) {}
    TModel& Model() override { return p.Model(); }
    TStanjeAnalize& Stanje() override { return p.Stanje(); }
    TPodesavanja& Podesavanja() override { return p.Podesavanja(); }
    TDijalozi& Dijalozi() override { return p.Dijalozi(); }
    QWidget* ProzorZaPoruke() override { return p.ProzorZaPoruke(); }
    void CrtajGrafik() override { p.CrtajGrafikGlavni(); }
    void PrikaziGlavnuStranu(int indeks) override {
        if (p.PageControlGlavniMeni) p.PageControlGlavniMeni->setCurrentIndex(indeks);
    }
    TZauzetost& Zauzetost() override { return p.Zauzetost(); }
    void PorukaStatusa(const std::string& tekst) override {
        // Clearing never brings up a status line the window does not have yet.
        if (!tekst.empty()) p.statusBar()->showMessage(QString::fromStdString(tekst));
        else if (auto* traka = p.findChild<QStatusBar*>()) traka->clearMessage();
    }
    bool PostaviRezultate(TPoslovProracuna& posao) override { return p.PostaviRezultate(posao); }
    bool IzvrsiIzmenu(const std::string& naziv, const std::function<bool(TModel&)>& izmena) override {
        return p.IzvrsiIzmenu(naziv, izmena);
    }

private:
    TFormGlavniProzor& p;
};

// The matrix items under "Izvestaj..." in the Analiza menu: export, the walk through the method
// (marking each step's member on the plot) and the self-check.
void UgradiMeniMatrica(TFormGlavniProzor& prozor, TKontekstProzora& kontekst) {
    auto* meni = prozor.findChild<QMenu*>(QStringLiteral("Analiza1"));
    if (!meni) return;
    auto stavka = [&](const char* tekst, const char* ime, std::function<void()> f) {
        QAction* a = meni->addAction(QString::fromLatin1(tekst));
        a->setObjectName(QString::fromLatin1(ime));
        QObject::connect(a, &QAction::triggered, &kontekst, std::move(f));
    };
    TFormGlavniProzor* p = &prozor;
    TKontekstAnalize* k = &kontekst;
    stavka("Izvezi &matrice...", "IzveziMatrice1", [k] { IzveziSveMatriceIzProzora(*k); });
    stavka("&Korak po korak...", "KorakPoKorak1", [p, k] {
        OtvoriKorakPoKorak(*k, p, [p](int i) {
            TPlotChart* plot = p->PlotChartGrafik;
            if (!plot) return;
            const auto& stapovi = p->Model().nizStapova;
            if (i < 0 || i >= static_cast<int>(stapovi.size())) return plot->UkloniIsticanje();
            const TStap& s = *stapovi[static_cast<size_t>(i)];
            plot->IstakniTacku(double(s.PocetniCvor()->X() + s.KrajnjiCvor()->X()) / 2,
                               double(s.PocetniCvor()->Z() + s.KrajnjiCvor()->Z()) / 2);
        });
    });
    stavka("Pro&vera...", "Provera1", [p, k] { OtvoriProveru(*k, p); });
}

void Ubaci(QWidget* strana, QWidget* sadrzaj) {
    QLayout* l = strana->layout();
    if (!l) {
        l = new QVBoxLayout(strana);
        l->setContentsMargins(0, 0, 0, 0);
    }
    l->addWidget(sadrzaj);
}

}  // namespace

TStraniceAnalize UgradiStraniceAnalize(TFormGlavniProzor& prozor) {
    auto* kontekst = new TKontekstProzora(prozor);
    TStraniceAnalize s;
    s.rezultati = new TStranicaRezultata(*kontekst, prozor.TabSheetRezultat);
    s.analiza = new TStranicaAnalize(*kontekst, *s.rezultati, prozor.TabSheetParametriAnalize);
    Ubaci(prozor.TabSheetRezultat, s.rezultati);
    Ubaci(prozor.TabSheetParametriAnalize, s.analiza);
    TStranicaAnalize* analiza = s.analiza;
    TFormGlavniProzor* prozorP = &prozor;
    analiza->naOpstuStabilnost = [prozorP](bool da) {
        prozorP->Dokument().Izvrsi("Opsta stabilnost", [da](TModel& m) { return PostaviOpstuStabilnost(m, da); });
    };
    QObject::connect(&prozor.Dokument(), &TDokumentModela::izmenjen, analiza, [analiza, prozorP](const TIzmena& i) {
        if (i.Dotice(ddOpcijeAnalize) || i.vrsta == TVrstaIzmene::NoviModel)
            analiza->PrikaziOpcije(prozorP->Model().opcijeAnalize);
    });

    TStranicaRezultata* rezultati = s.rezultati;
    rezultati->DodajStranu(new TTabDijagrami(*kontekst, *rezultati->ComboBoxRezultatStap), QStringLiteral("Dijagrami"),
                           TStranicaRezultata::GrupaStap);
    // A moving load crosses every member: the influence lines are the system's.
    rezultati->DodajStranu(new TTabUticajneLinije(*kontekst), QStringLiteral("Uticajne linije"),
                           TStranicaRezultata::GrupaSistem);
    prozor.naBrisanjeRezultata = [rezultati] { rezultati->ObrisiRezultate(); };
    prozor.naOsvezavanjeListiRezultata = [rezultati] { rezultati->OsveziListe(); };
    UgradiMeniMatrica(prozor, *kontekst);

    if (TPlotChart* plot = prozor.PlotChartGrafik) {
        PratiDijagramePodMisem(prozor, *plot);
        TFormGlavniProzor* p = &prozor;
        plot->OnClick = [p, plot, rezultati] {
            // Only in the mode "Klik na cvor ili sredinu stapa", and not while a run holds the
            // window on its log page.
            if (p->AkcijaMisa() != 2 || p->Zauzet()) return;
            const TKlikNaGrafik klik{p->Model(), p->Dijalozi(), p->ProzorZaPoruke(),
                                     rezultati->EditVrednostIspredMatricaKrutosti->text().toStdString(),
                                     [rezultati](int i) { rezultati->PrikaziStapSaGrafika(i); }};
            PlotChartGrafikClick(klik, plot->MousePosX(), plot->MousePosY());
        };
    }
    return s;
}
