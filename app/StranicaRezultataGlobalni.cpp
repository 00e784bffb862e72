// The global results of the "Ulaz/Izlaz" page: the matrices and vectors of the method with their
// code numbers, the reactions and the code-number lists.
#include "StranicaRezultata.h"

#include <QLabel>

#include "OseCvora.h"
#include "Greska.h"
#include "TabelaMatrice.h"

namespace {

constexpr auto deli = TSkaliranje::Podeljeno;
constexpr auto mnozi = TSkaliranje::Pomnozeno;
constexpr auto kao = TSkaliranje::KaoIzracunato;

// Fills one grid after another from the analysis state. A result that is absent (after a clear, or
// a run that ended with an error) is nothing to show: the step says false and the filling stops
// there, the grids filled so far keeping what they got.
class TGlobalniPrikaz {
public:
    TGlobalniPrikaz(const std::function<TTabelaMatrice&(const char*)>& grid, const TStanjeAnalize& st, long double c)
        : grid(grid),
          st(st),
          c(c) {}

    // A global matrix through its source, whichever form holds it.
    bool Matrica(const char* ime, const TGlobalnaMatrica& m, TSkaliranje s) const {
        if (!m) return false;
        TTabelaMatrice& t = grid(ime);
        t.Isprazni();
        t.PostaviVelicinu(m->BrojKolona(), m->BrojRedova());
        t.PostaviIzvor(0, 0, m, s, c);
        return true;
    }

    bool Dole(const char* ime, const TNizKodnihBrojeva& l) const {
        if (!l) return false;
        TTabelaMatrice& t = grid(ime);
        t.Isprazni();
        t.PostaviVelicinu(1, static_cast<int>(l->size()));
        t.PostaviCeleUKolonu(0, 0, *l);
        return true;
    }

    bool Preko(const char* ime, const TNizKodnihBrojeva& l) const {
        if (!l) return false;
        TTabelaMatrice& t = grid(ime);
        t.Isprazni();
        t.PostaviVelicinu(static_cast<int>(l->size()), 1);
        t.PostaviCeleURed(0, 0, *l);
        return true;
    }

    // A vector in column 0 and the code number of each position in column 1.
    bool SaKodovima(const char* ime, const std::unique_ptr<TMatrix>& m, const TNizKodnihBrojeva& l,
                    TSkaliranje s) const {
        if (!m || !l) return false;
        TTabelaMatrice& t = grid(ime);
        t.Isprazni();
        t.PostaviVelicinu(2, static_cast<int>(l->size()));
        if (m->NrOfRows() <= static_cast<int>(l->size())) t.PostaviMatricu(0, 0, m, s, c);
        t.PostaviCeleUKolonu(1, 0, *l);
        return true;
    }

    // A vector alone, in as many rows as the list `l` has.
    bool Vektor(const char* ime, const std::unique_ptr<TMatrix>& m, const TNizKodnihBrojeva& l) const {
        if (!m || !l) return false;
        TTabelaMatrice& t = grid(ime);
        const int n = static_cast<int>(l->size());
        t.Isprazni();
        t.PostaviVelicinu(1, n);
        if (m->NrOfRows() <= n) t.PostaviMatricu(0, 0, m);
        return true;
    }

    // Each position of the o list gets the reaction of the support that claims it; a position no
    // support claims keeps an empty cell, as it was never written.
    bool Reakcije(const TModel& model) const {
        const auto& o = st.nizKodnihBrojevaPoznatihPomeranja;
        if (!o) return false;
        std::vector<long double> reakcije(o->size(), 0.0L);
        std::vector<bool> nadjena(o->size(), false);
        for (size_t i = 0; i < o->size(); ++i)
            for (const auto& cv : model.nizCvorova) {
                const int kod = (*o)[i];
                // Along the node's own axes, as the o list's displacements are.
                const TReakcijaCvora r = ReakcijaUOsamaCvora(*cv);
                if (cv->OslX() && cv->BrPomeranjaX() == kod) reakcije[i] = r.x, nadjena[i] = true;
                if (cv->OslZ() && cv->BrPomeranjaZ() == kod) reakcije[i] = r.z, nadjena[i] = true;
                if (cv->UkljY() && cv->BrObrtanjaY() == kod) reakcije[i] = cv->MukljY(), nadjena[i] = true;
            }
        TTabelaMatrice& t = grid("StringGridRoGKS");
        t.Isprazni();
        t.PostaviVelicinu(2, static_cast<int>(o->size()));
        t.PostaviRealneUKolonu(0, 0, reakcije);
        for (size_t i = 0; i < o->size(); ++i)
            if (!nadjena[i]) t.PostaviTekst(0, static_cast<int>(i), QString());
        t.PostaviCeleUKolonu(1, 0, *o);
        return true;
    }

private:
    const std::function<TTabelaMatrice&(const char*)>& grid;
    const TStanjeAnalize& st;
    long double c;
};

}  // namespace

void TStranicaRezultata::PrikaziRezultate() {
    const auto c = Faktor();
    if (!c || *c <= 0) return;
    try {
        if (PrikaziGlobalneRezultate(*c)) PrikaziRezultatCvora();
    } catch (const TGreska&) {
        // The program's own error ends the filling; what was filled stays.
    }
}

bool TStranicaRezultata::PrikaziGlobalneRezultate(long double c) {
    TStanjeAnalize& st = kontekst.Stanje();
    const std::function<TTabelaMatrice&(const char*)> grid = [this](const char* ime) -> TTabelaMatrice& {
        return G(ime).Tabela();
    };
    const TGlobalniPrikaz p(grid, st, c);
    const auto& S = st.nizKodnihBrojevaNepoznatihPomeranja;
    const auto& O = st.nizKodnihBrojevaPoznatihPomeranja;

    const bool matrice =
        p.Matrica("StringGridK", st.matricaKGKS, deli) && p.Dole("StringGridKKodniBrojevi", st.nizKodnihBrojeva) &&
        p.Preko("StringGridKKodniBrojeviHorizontala", st.nizKodnihBrojeva) &&
        p.Matrica("StringGridKss", st.matricaKssGKS, deli) && p.Dole("StringGridKssKodniBrojevi", S) &&
        p.Preko("StringGridKssKodniBrojeviHorizontala", S) && p.Matrica("StringGridKso", st.matricaKsoGKS, deli) &&
        p.Dole("StringGridKsoKodniBrojeviVertikala", S) && p.Preko("StringGridKsoKodniBrojeviHorizontala", O) &&
        p.Matrica("StringGridKos", st.matricaKosGKS, deli) && p.Dole("StringGridKosKodniBrojeviVertikala", O) &&
        p.Preko("StringGridKosKodniBrojeviHorizontala", S) && p.Matrica("StringGridKoo", st.matricaKooGKS, deli) &&
        p.Dole("StringGridKooKodniBrojeviVertikala", O) &&
        p.Matrica("StringGridInvKss", st.matricaKssGKSInvertovana, mnozi);
    if (!matrice) return false;
    PrikaziNapomenuInverza();
    const bool vektori = p.Dole("StringGridInvKssKodniBrojevi", S) &&
                         p.Preko("StringGridInvKssKodniBrojeviHorizontala", S) &&
                         p.SaKodovima("StringGridSs", st.vektorSsGKS, S, kao) &&
                         p.Vektor("StringGridPs", st.vektorPsGKS, S) && p.Vektor("StringGridQs", st.vektorQsGKS, S) &&
                         p.SaKodovima("StringGridqsGKSOpterecenje", st.vektor_qsGKSOpterecenje, S, mnozi) &&
                         p.SaKodovima("StringGridqoGKS", st.vektor_qoGKS, O, mnozi) &&
                         p.SaKodovima("StringGridqsGKSPomeranjeOslonaca", st.vektor_qsGKSPomeranjeOslonaca, S, mnozi) &&
                         p.SaKodovima("StringGridqsGKSUkupno", st.vektor_qsGKS, S, mnozi);
    if (!vektori) return false;
    SacuvajPomeranjaCvorova(kontekst.Model(), st);
    return p.SaKodovima("StringGridQoGKSReakcije", st.vektorQoGKS, O, kao) && p.Reakcije(kontekst.Model()) &&
           p.Dole("StringGridBrojeviSvihPomeranja", st.nizKodnihBrojeva) &&
           p.Dole("StringGridBrojeviNepoznatihPomeranja", S) && p.Dole("StringGridBrojeviPoznatihPomeranja", O);
}

void TStranicaRezultata::ObrisiRezultate() {
    static const char* globalni[] = {"StringGridK",
                                     "StringGridKKodniBrojevi",
                                     "StringGridKKodniBrojeviHorizontala",
                                     "StringGridKss",
                                     "StringGridKssKodniBrojevi",
                                     "StringGridKssKodniBrojeviHorizontala",
                                     "StringGridKso",
                                     "StringGridKsoKodniBrojeviVertikala",
                                     "StringGridKsoKodniBrojeviHorizontala",
                                     "StringGridKos",
                                     "StringGridKosKodniBrojeviVertikala",
                                     "StringGridKosKodniBrojeviHorizontala",
                                     "StringGridKoo",
                                     "StringGridKooKodniBrojeviVertikala",
                                     "StringGridInvKss",
                                     "StringGridInvKssKodniBrojevi",
                                     "StringGridInvKssKodniBrojeviHorizontala",
                                     "StringGridSs",
                                     "StringGridQs",
                                     "StringGridQoGKSReakcije",
                                     "StringGridPs",
                                     "StringGridqsGKSOpterecenje",
                                     "StringGridqoGKS",
                                     "StringGridqsGKSPomeranjeOslonaca",
                                     "StringGridqsGKSUkupno",
                                     "StringGridRoGKS",
                                     "StringGridBrojeviSvihPomeranja",
                                     "StringGridBrojeviNepoznatihPomeranja",
                                     "StringGridBrojeviPoznatihPomeranja",
                                     "StringGridBrojeviPomeranjaSelektovanogCvora"};
    for (const char* ime : globalni) G(ime).Tabela().Isprazni();
    G("StringGridR").Tabela().Isprazni();
    LabelInvKssNaZahtev->hide();
}

void TStranicaRezultata::PrikaziNapomenuInverza() {
    const auto& inverz = kontekst.Stanje().matricaKssGKSInvertovana;
    if (!inverz || !inverz->NaZahtev()) {
        LabelInvKssNaZahtev->hide();
        return;
    }
    const QString n = QString::number(inverz->BrojRedova());
    LabelInvKssNaZahtev->setText(QStringLiteral("Nije formirana (") + n + QStringLiteral(" x ") + n +
                                 QStringLiteral("): kolone na zahtev"));
    LabelInvKssNaZahtev->setToolTip(
        QStringLiteral("Svaka prikazana kolona racuna se jednim resavanjem "
                       "sa faktorizovanom matricom Kss."));
    LabelInvKssNaZahtev->show();
}
