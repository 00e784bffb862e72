#include "StranicaAnalizeProzor.h"

#include <QLayout>
#include <QLineEdit>
#include <QTabWidget>
#include <QVBoxLayout>

#include "GrupaDijagrama.h"
#include "InspekcijaKlika.h"
#include "KontekstAnalize.h"
#include "PlotChart.h"
#include "DokumentModela.h"
#include "StranicaAnalize.h"
#include "StranicaRezultata.h"
#include "TabDijagrami.h"
#include "UnitGlavniProzor.h"

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
    bool PostaviRezultate(TPoslovProracuna& posao) override { return p.Dokument().PostaviRezultate(posao); }
    bool IzvrsiIzmenu(const std::string& naziv, const std::function<bool(TModel&)>& izmena) override {
        return p.IzvrsiIzmenu(naziv, izmena);
    }

private:
    TFormGlavniProzor& p;
};

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
    QObject::connect(&prozor.Dokument(), &TDokumentModela::izmenjen, analiza,
                     [analiza](const TIzmena&) { analiza->OsveziOpcije(); });

    TStranicaRezultata* rezultati = s.rezultati;
    rezultati->PageControlUlazIzlaz->addTab(new TTabDijagrami(*kontekst, *rezultati->ComboBoxRezultatStap),
                                            QStringLiteral("Dijagrami"));
    prozor.naBrisanjeRezultata = [rezultati] { rezultati->ObrisiRezultate(); };
    prozor.naOsvezavanjeListiRezultata = [rezultati] { rezultati->OsveziListe(); };

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
