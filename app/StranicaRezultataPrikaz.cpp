// The display operations of the "Ulaz/Izlaz" page: global results, member matrices and end
// forces, node texts and the column fitting.
#include "StranicaRezultata.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include "Brojevi.h"
#include "Dijalozi.h"
#include "ElementStapa.h"
#include "SileStapa.h"
#include "TabelaMatrice.h"

namespace {

// Raised inside the display operations when a result they need is absent; they end silently.
struct TNemaRezultata {};

const std::vector<int>& Lista(const TNizKodnihBrojeva& l) {
    if (!l)
        throw TNemaRezultata{};
    return *l;
}

const std::unique_ptr<TMatrix>& Matrica(const std::unique_ptr<TMatrix>& m) {
    if (!m)
        throw TNemaRezultata{};
    return m;
}

QString T(const std::string& s) { return QString::fromStdString(s); }
QString Broj(long double v) { return T(FormatBroja(v)); }
QString DaNe(bool da) { return da ? QStringLiteral("DA") : QStringLiteral("NE"); }

}  // namespace

// ---- global results ----

void TStranicaRezultata::PrikaziRezultate() {
    try {
        const auto c = Faktor();
        if (!c || *c <= 0)
            return;
        TStanjeAnalize& st = kontekst.Stanje();
        TModel& model = kontekst.Model();

        // A dense matrix is shown from its slot; a sparse one, or the inverse solved column by
        // column, through its source.
        using TG = TStanjeAnalize::TGlobalna;
        auto matrica = [&](const char* ime, const std::unique_ptr<TMatrix>& m, TG koja, TSkaliranje s) {
            TTabelaMatrice& t = G(ime).Tabela();
            if (m) {
                t.Isprazni();
                t.PostaviVelicinu(m->NrOfColumns(), m->NrOfRows());
                t.PostaviMatricu(0, 0, m, s, *c);
                return;
            }
            const auto izvor = st.Izvor(koja);
            if (!izvor)
                throw TNemaRezultata{};
            t.Isprazni();
            t.PostaviVelicinu(izvor->BrojKolona(), izvor->BrojRedova());
            t.PostaviIzvor(0, 0, izvor, s, *c);
        };
        auto dole = [&](const char* ime, const TNizKodnihBrojeva& l) {
            TTabelaMatrice& t = G(ime).Tabela();
            const auto& v = Lista(l);
            t.Isprazni();
            t.PostaviVelicinu(1, static_cast<int>(v.size()));
            t.PostaviCeleUKolonu(0, 0, v);
        };
        auto preko = [&](const char* ime, const TNizKodnihBrojeva& l) {
            TTabelaMatrice& t = G(ime).Tabela();
            const auto& v = Lista(l);
            t.Isprazni();
            t.PostaviVelicinu(static_cast<int>(v.size()), 1);
            t.PostaviCeleURed(0, 0, v);
        };
        // A vector in column 0 and the code number of each position in column 1.
        auto saKodovima = [&](const char* ime, const std::unique_ptr<TMatrix>& m, const TNizKodnihBrojeva& l,
                              TSkaliranje s) {
            TTabelaMatrice& t = G(ime).Tabela();
            Matrica(m);
            const auto& v = Lista(l);
            t.Isprazni();
            t.PostaviVelicinu(2, static_cast<int>(v.size()));
            if (m->NrOfRows() <= static_cast<int>(v.size()))
                t.PostaviMatricu(0, 0, m, s, *c);
            t.PostaviCeleUKolonu(1, 0, v);
        };
        const auto& S = st.nizKodnihBrojevaNepoznatihPomeranja;
        const auto& O = st.nizKodnihBrojevaPoznatihPomeranja;
        constexpr auto deli = TSkaliranje::Podeljeno;
        constexpr auto mnozi = TSkaliranje::Pomnozeno;
        constexpr auto kao = TSkaliranje::KaoIzracunato;

        matrica("StringGridK", st.matricaKGKS, TG::K, deli);
        dole("StringGridKKodniBrojevi", st.nizKodnihBrojeva);
        matrica("StringGridKss", st.matricaKssGKS, TG::Kss, deli);
        dole("StringGridKssKodniBrojevi", S);
        matrica("StringGridKso", st.matricaKsoGKS, TG::Kso, deli);
        dole("StringGridKsoKodniBrojeviVertikala", S);
        preko("StringGridKsoKodniBrojeviHorizontala", O);
        matrica("StringGridKos", st.matricaKosGKS, TG::Kos, deli);
        dole("StringGridKosKodniBrojeviVertikala", O);
        preko("StringGridKosKodniBrojeviHorizontala", S);
        matrica("StringGridKoo", st.matricaKooGKS, TG::Koo, deli);
        dole("StringGridKooKodniBrojeviVertikala", O);
        matrica("StringGridInvKss", st.matricaKssGKSInvertovana, TG::InvKss, mnozi);
        PrikaziNapomenuInverza();
        dole("StringGridInvKssKodniBrojevi", S);

        saKodovima("StringGridSs", st.vektorSsGKS, S, kao);
        {
            TTabelaMatrice& ps = G("StringGridPs").Tabela();
            TTabelaMatrice& qs = G("StringGridQs").Tabela();
            const int ns = static_cast<int>(Lista(S).size());
            Matrica(st.vektorPsGKS);
            ps.Isprazni();
            ps.PostaviVelicinu(1, ns);
            if (st.vektorPsGKS->NrOfRows() <= ns)
                ps.PostaviMatricu(0, 0, st.vektorPsGKS);
            Matrica(st.vektorQsGKS);
            qs.Isprazni();
            qs.PostaviVelicinu(1, ns);
            if (st.vektorQsGKS->NrOfRows() <= ns)
                qs.PostaviMatricu(0, 0, st.vektorQsGKS);
        }
        saKodovima("StringGridqsGKSOpterecenje", st.vektor_qsGKSOpterecenje, S, mnozi);
        saKodovima("StringGridqoGKS", st.vektor_qoGKS, O, mnozi);
        saKodovima("StringGridqsGKSPomeranjeOslonaca", st.vektor_qsGKSPomeranjeOslonaca, S, mnozi);
        saKodovima("StringGridqsGKSUkupno", st.vektor_qsGKS, S, mnozi);

        SacuvajPomeranjaCvorova(model, st);

        saKodovima("StringGridQoGKSReakcije", st.vektorQoGKS, O, kao);
        {
            const auto& o = Lista(O);
            std::vector<long double> reakcije(o.size(), 0.0L);
            std::vector<bool> nadjena(o.size(), false);
            for (size_t i = 0; i < o.size(); ++i)
                for (const auto& cv : model.nizCvorova) {
                    if (cv->OslX() && cv->BrPomeranjaX() == o[i]) reakcije[i] = cv->Rx(), nadjena[i] = true;
                    if (cv->OslZ() && cv->BrPomeranjaZ() == o[i]) reakcije[i] = cv->Rz(), nadjena[i] = true;
                    if (cv->UkljY() && cv->BrObrtanjaY() == o[i]) reakcije[i] = cv->MukljY(), nadjena[i] = true;
                }
            TTabelaMatrice& t = G("StringGridRoGKS").Tabela();
            t.Isprazni();
            t.PostaviVelicinu(2, static_cast<int>(o.size()));
            t.PostaviRealneUKolonu(0, 0, reakcije);
            // A position no support claims keeps an empty reaction cell, as it was never written.
            for (size_t i = 0; i < o.size(); ++i)
                if (!nadjena[i])
                    t.PostaviTekst(0, static_cast<int>(i), QString());
            t.PostaviCeleUKolonu(1, 0, o);
        }

        dole("StringGridBrojeviSvihPomeranja", st.nizKodnihBrojeva);
        dole("StringGridBrojeviNepoznatihPomeranja", S);
        dole("StringGridBrojeviPoznatihPomeranja", O);

        PrikaziRezultatCvora();
    } catch (...) {
        // Absent results or a grid that cannot be filled: what was filled stays.
    }
}

// ---- end forces of the selected member ----

void TStranicaRezultata::PrikaziSileStapa() {
    TTabelaMatrice& R = G("StringGridR").Tabela();
    auto prazan = [&] {
        R.PostaviVelicinu(6, 2);
        R.IsprazniRed(1);
    };
    const auto c = Faktor();
    if (!c) {
        prazan();
        return;
    }
    if (*c <= 0) {
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(),
                                   QStringLiteral("Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!"));
        prazan();
        return;
    }
    try {
        R.PostaviVelicinu(R.BrojKolona(), 2);
        R.IsprazniRed(1);
        const TModel& model = kontekst.Model();
        const int i = ComboBoxRezultatStap->currentIndex();
        if (i < 0 || i >= static_cast<int>(model.nizStapova.size()))
            throw TNemaRezultata{};
        TSileStapa s = IzracunajSileStapa(model, kontekst.Stanje(), *model.nizStapova[i]);
        const int m = s.qG.NrOfRows();
        R.PostaviVelicinu(6, m + 1);
        R.PostaviSopstvenuMatricu(0, 1, std::move(s.qG), TSkaliranje::Pomnozeno, *c);
        R.PostaviSopstvenuMatricu(1, 1, std::move(s.QG));
        R.PostaviSopstvenuMatricu(4, 1, std::move(s.QL));
        R.PostaviSopstvenuMatricu(3, 1, std::move(s.qL), TSkaliranje::Pomnozeno, *c);
        R.PostaviSopstvenuMatricu(2, 1, std::move(s.RG));
        R.PostaviSopstvenuMatricu(5, 1, std::move(s.RL));
    } catch (...) {
        prazan();
    }
}

// ---- member text and member grids ----

void TStranicaRezultata::PrikaziRezultatStapa() {
    try {
        const auto c = Faktor();
        if (c)
            kontekst.Stanje().brojIspredMatriceKrutosti = *c;
        if (!c || *c <= 0)
            return;
        const TModel& model = kontekst.Model();
        static const char* clanski[] = {"StringGridMT", "StringGridMKLKS", "StringGridMKGKS",
                                        "StringGridKodniBrojeviMKGKS", "StringGridQLKS", "StringGridQGKS"};
        if (model.nizStapova.empty()) {
            MemoRezultatStap->clear();
            for (const char* ime : clanski)
                G(ime).Tabela().Isprazni();
            return;
        }
        const int i = ComboBoxRezultatStap->currentIndex();
        MemoRezultatStap->clear();
        if (i < 0 || i >= static_cast<int>(model.nizStapova.size()))
            return;
        const TStap& s = *model.nizStapova[i];
        QStringList redovi;
        redovi << QStringLiteral("Broj stapa: ") + QString::number(s.ID())
               << QStringLiteral("Pocetni cvor: ") + QString::number(s.PocetniCvor()->ID())
               << QStringLiteral("Krajnji cvor: ") + QString::number(s.KrajnjiCvor()->ID())
               << QStringLiteral("Materijal: ") + T(s.Materijal()->Ime())
               << QStringLiteral("Presek: ") + T(s.Presek()->Ime())
               << QStringLiteral("Tip stapa: ") + QString::fromLatin1(ImeTipaStapa(s.TipStapa()));
        for (const auto& o : model.nizOpterecenja)
            if (o->IDStapa() == s.ID())
                redovi << QStringLiteral("Opterecenje: ") + T(o->Ime());
        MemoRezultatStap->setPlainText(redovi.join(QLatin1Char('\n')));

        auto postavi = [&](const char* ime, TMatrix m, TSkaliranje sk) {
            TTabelaMatrice& t = G(ime).Tabela();
            t.Isprazni();
            t.PostaviVelicinu(m.NrOfColumns(), m.NrOfRows());
            t.PostaviSopstvenuMatricu(0, 0, std::move(m), sk, *c);
        };
        postavi("StringGridMT", MatricaTransformacije(s), TSkaliranje::KaoIzracunato);
        postavi("StringGridMKLKS", MatricaKrutostiLKS(s), TSkaliranje::Podeljeno);
        postavi("StringGridMKGKS", MatricaKrutostiGKS(s), TSkaliranje::Podeljeno);

        const std::vector<int> kodovi = KodniBrojeviStapa(s);
        {
            TTabelaMatrice& t = G("StringGridKodniBrojeviMKGKS").Tabela();
            t.Isprazni();
            t.PostaviVelicinu(1, static_cast<int>(kodovi.size()));
            t.PostaviCeleUKolonu(0, 0, kodovi);
        }
        if (!model.nizOpterecenja.empty()) {
            TTabelaMatrice& ql = G("StringGridQLKS").Tabela();
            TTabelaMatrice& qg = G("StringGridQGKS").Tabela();
            const int j = ComboBoxSpisakOpterecenjaZaQ->currentIndex();
            if (j < 0 || j >= static_cast<int>(model.nizOpterecenja.size()))
                throw TNemaRezultata{};
            const TOpterecenje& o = *model.nizOpterecenja[j];
            ql.Isprazni();
            qg.Isprazni();
            if (o.IDStapa() == s.ID()) {
                TMatrix QL = GetVektorQLKS(s, o);
                TMatrix QG = GetVektorQGKS(s, o);
                ql.PostaviVelicinu(1, QL.NrOfRows());
                ql.PostaviSopstvenuMatricu(0, 0, std::move(QL));
                qg.PostaviVelicinu(2, QG.NrOfRows());
                qg.PostaviSopstvenuMatricu(0, 0, std::move(QG));
                qg.PostaviCeleUKolonu(1, 0, kodovi);
            }
        }
        MemoRezultatStap->moveCursor(QTextCursor::Start);
    } catch (...) {
    }
}

// ---- node text ----

void TStranicaRezultata::PrikaziRezultatCvora() {
    try {
        MemoRezultatCvor->clear();
        const TModel& model = kontekst.Model();
        if (model.nizCvorova.empty())
            return;
        const int i = ComboBoxRezultatCvor->currentIndex();
        if (i < 0 || i >= static_cast<int>(model.nizCvorova.size()))
            return;
        const TCvor& c = *model.nizCvorova[i];
        QStringList r;
        r << QStringLiteral("Broj cvora: ") + QString::number(c.ID()) << QStringLiteral("X = ") + Broj(c.X())
          << QStringLiteral("Z = ") + Broj(c.Z()) << QStringLiteral("Oslonac X: ") + DaNe(c.OslX())
          << QStringLiteral("Oslonac Z: ") + DaNe(c.OslZ()) << QStringLiteral("Ukljestenje: ") + DaNe(c.UkljY())
          << QStringLiteral("Rx = ") + Broj(c.Rx()) << QStringLiteral("Rz = ") + Broj(c.Rz())
          << QStringLiteral("MukljY = ") + Broj(c.MukljY()) << QStringLiteral("Px = ") + Broj(c.Px())
          << QStringLiteral("Pz = ") + Broj(c.Pz()) << QStringLiteral("MkoncY = ") + Broj(c.MkoncY())
          << QStringLiteral("Broj pomeranja u X pravcu = ") + QString::number(c.BrPomeranjaX())
          << QStringLiteral("Broj pomeranja u Z pravcu = ") + QString::number(c.BrPomeranjaZ())
          << QStringLiteral("Broj obrtanja oko Y ose = ") + QString::number(c.BrObrtanjaY())
          << QStringLiteral("Zadato pomeranje u X pravcu = ") + Broj(c.ZadatoUx())
          << QStringLiteral("Zadato pomeranje u Z pravcu = ") + Broj(c.ZadatoUz())
          << QStringLiteral("Zadato obrtanje oko Y ose = ") + Broj(c.ZadatoFiy());
        long double mnozilac = 1.0L;
        if (const auto f = Faktor())
            mnozilac = *f;
        else
            EditVrednostIspredMatricaKrutosti->setText(QStringLiteral("1.0"));
        r << QStringLiteral("Mnozilac pomeranja i obrtanja = ") + Broj(mnozilac)
          << QStringLiteral("Pomeranje u X pravcu = ") + Broj(c.Ux() * mnozilac)
          << QStringLiteral("Pomeranje u Z pravcu = ") + Broj(c.Uz() * mnozilac)
          << QStringLiteral("Obrtanje oko Y ose = ") + Broj(c.Fiy() * mnozilac);
        MemoRezultatCvor->setPlainText(r.join(QLatin1Char('\n')));
        MemoRezultatCvor->moveCursor(QTextCursor::Start);

        const auto& sve = kontekst.Stanje().nizKodnihBrojeva;
        if (sve && !sve->empty()) {
            TTabelaMatrice& t = G("StringGridBrojeviPomeranjaSelektovanogCvora").Tabela();
            t.Isprazni();
            auto ima = [&](int kod) { return std::find(sve->begin(), sve->end(), kod) != sve->end(); };
            if (ima(c.BrPomeranjaX()))
                t.PostaviTekst(0, 0, QString::number(c.BrPomeranjaX()));
            if (ima(c.BrPomeranjaZ())) {
                t.PostaviVelicinu(1, 2);
                t.PostaviTekst(0, 1, QString::number(c.BrPomeranjaZ()));
            }
            if (ima(c.BrObrtanjaY())) {
                t.PostaviVelicinu(1, 3);
                t.PostaviTekst(0, 2, QString::number(c.BrObrtanjaY()));
            }
        }
    } catch (...) {
    }
}

// ---- column widths ----

void TStranicaRezultata::PodesiSirineKolona() {
    try {
        int w = 25;
        // The grids share one font, so one meter serves them all.
        const TMeracSirine merac(G(ImenaGridovaPoRedu().front()).font());
        for (const char* ime : ImenaGridovaPoRedu())
            w = G(ime).PodesiSirine(w, &merac);
    } catch (...) {
    }
}

// ---- handlers ----

void TStranicaRezultata::ComboBoxRezultatCvorChange() { PrikaziRezultatCvora(); }

void TStranicaRezultata::ComboBoxRezultatStapChange() {
    PrikaziRezultatStapa();
    PrikaziSileStapa();
    PodesiSirineKolona();
}

void TStranicaRezultata::ComboBoxSpisakOpterecenjaZaQChange() {
    PrikaziRezultatStapa();
    PodesiSirineKolona();
}

void TStranicaRezultata::ButtonPreracunajPonovoMatriceSaBrojemIspredClick() {
    try {
        PrikaziRezultatStapa();
        PrikaziRezultate();
        PrikaziSileStapa();
        PodesiSirineKolona();
    } catch (...) {
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QStringLiteral("Nije moguce sprovesti proracun!!!"));
    }
}

void TStranicaRezultata::PrikaziStapSaGrafika(int indeksStapa) {
    kontekst.PrikaziGlavnuStranu(StranaRezultata);
    PageControlUlazIzlaz->setCurrentIndex(TabSileStapa);
    {
        const QSignalBlocker b(ComboBoxRezultatStap);
        ComboBoxRezultatStap->setCurrentIndex(indeksStapa);
    }
    ComboBoxRezultatStapChange();
}
