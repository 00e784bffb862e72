// The display operations of the "Ulaz/Izlaz" page: member matrices and end forces, node texts and
// the column fitting, and the handlers that run them.
//
// A display operation swallows the program's own errors (TGreska), as the page always has; any
// other failure is a fault, and the handler that ran the operation shows it in an error box.
#include "StranicaRezultata.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalBlocker>
#include <QTabWidget>

#include <exception>
#include <functional>

#include "OpisOslonca.h"
#include "OseCvora.h"
#include "Brojevi.h"
#include "Dijalozi.h"
#include "ElementStapa.h"
#include "Greska.h"
#include "SileStapa.h"
#include "TabelaMatrice.h"

namespace {

QString T(const std::string& s) { return QString::fromStdString(s); }
QString Broj(long double v) { return T(FormatBroja(v)); }
QString DaNe(bool da) { return da ? QStringLiteral("DA") : QStringLiteral("NE"); }

}  // namespace

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
        kontekst.Dijalozi().Greska(
            kontekst.ProzorZaPoruke(),
            QStringLiteral("Nije moguce izvuci ispred matrica broja manji ili jednak sa nulom!!!"));
        prazan();
        return;
    }
    try {
        R.PostaviVelicinu(R.BrojKolona(), 2);
        R.IsprazniRed(1);
        const TModel& model = kontekst.Model();
        const int i = ComboBoxRezultatStap->currentIndex();
        if (i < 0 || i >= static_cast<int>(model.nizStapova.size())) {
            prazan();
            return;
        }
        // Absent results come back as the analysis's own error: nothing to show.
        TSileStapa s = IzracunajSileStapa(model, kontekst.Stanje(), *model.nizStapova[i]);
        const int m = s.qG.NrOfRows();
        R.PostaviVelicinu(6, m + 1);
        R.PostaviSopstvenuMatricu(0, 1, std::move(s.qG), TSkaliranje::Pomnozeno, *c);
        R.PostaviSopstvenuMatricu(1, 1, std::move(s.QG));
        R.PostaviSopstvenuMatricu(4, 1, std::move(s.QL));
        R.PostaviSopstvenuMatricu(3, 1, std::move(s.qL), TSkaliranje::Pomnozeno, *c);
        R.PostaviSopstvenuMatricu(2, 1, std::move(s.RG));
        R.PostaviSopstvenuMatricu(5, 1, std::move(s.RL));
    } catch (const TGreska&) {
        prazan();
    }
}

// ---- member text and member grids ----

void TStranicaRezultata::PrikaziRezultatStapa() {
    const auto c = Faktor();
    if (c) kontekst.Stanje().brojIspredMatriceKrutosti = *c;
    if (!c || *c <= 0) return;
    try {
        PrikaziIzabraniStap(*c);
    } catch (const TGreska&) {
    }
}

void TStranicaRezultata::PrikaziIzabraniStap(long double c) {
    const TModel& model = kontekst.Model();
    static const char* clanski[] = {"StringGridMT",    "StringGridMKLKS",
                                    "StringGridMKGKS", "StringGridKodniBrojeviMKGKS",
                                    "StringGridQLKS",  "StringGridQGKS"};
    if (model.nizStapova.empty()) {
        MemoRezultatStap->clear();
        for (const char* ime : clanski) G(ime).Tabela().Isprazni();
        return;
    }
    const int i = ComboBoxRezultatStap->currentIndex();
    MemoRezultatStap->clear();
    if (i < 0 || i >= static_cast<int>(model.nizStapova.size())) return;
    const TStap& s = *model.nizStapova[i];
    QStringList redovi;
    redovi << QStringLiteral("Broj stapa: ") + QString::number(s.ID())
           << QStringLiteral("Pocetni cvor: ") + QString::number(s.PocetniCvor()->ID())
           << QStringLiteral("Krajnji cvor: ") + QString::number(s.KrajnjiCvor()->ID())
           << QStringLiteral("Materijal: ") + T(s.Materijal()->Ime())
           << QStringLiteral("Presek: ") + T(s.Presek()->Ime())
           << QStringLiteral("Tip stapa: ") + QString::fromLatin1(ImeTipaStapa(s.TipStapa()));
    for (const auto& o : model.nizOpterecenja)
        if (o->IDStapa() == s.ID()) redovi << QStringLiteral("Opterecenje: ") + T(o->Ime());
    MemoRezultatStap->setPlainText(redovi.join(QLatin1Char('\n')));

    auto postavi = [&](const char* ime, TMatrix m, TSkaliranje sk) {
        TTabelaMatrice& t = G(ime).Tabela();
        t.Isprazni();
        t.PostaviVelicinu(m.NrOfColumns(), m.NrOfRows());
        t.PostaviSopstvenuMatricu(0, 0, std::move(m), sk, c);
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
    // Without member loads both Q grids keep what they showed; with no load selected the showing
    // ends there.
    if (!model.nizOpterecenja.empty() && !PrikaziQStapa(s, kodovi)) return;
    MemoRezultatStap->moveCursor(QTextCursor::Start);
}

bool TStranicaRezultata::PrikaziQStapa(const TStap& s, const std::vector<int>& kodovi) {
    const TModel& model = kontekst.Model();
    const int j = ComboBoxSpisakOpterecenjaZaQ->currentIndex();
    if (j < 0 || j >= static_cast<int>(model.nizOpterecenja.size())) return false;
    TTabelaMatrice& ql = G("StringGridQLKS").Tabela();
    TTabelaMatrice& qg = G("StringGridQGKS").Tabela();
    const TOpterecenje& o = *model.nizOpterecenja[j];
    ql.Isprazni();
    qg.Isprazni();
    if (o.IDStapa() == s.ID()) {
        const bool smicanje = model.opcijeAnalize.smicanjeUOpterecenju;
        TMatrix QL = GetVektorQLKS(s, o, smicanje);
        TMatrix QG = GetVektorQGKS(s, o, smicanje);
        ql.PostaviVelicinu(1, QL.NrOfRows());
        ql.PostaviSopstvenuMatricu(0, 0, std::move(QL));
        qg.PostaviVelicinu(2, QG.NrOfRows());
        qg.PostaviSopstvenuMatricu(0, 0, std::move(QG));
        qg.PostaviCeleUKolonu(1, 0, kodovi);
    }
    return true;
}

// ---- node text ----

void TStranicaRezultata::PrikaziRezultatCvora() {
    try {
        PrikaziIzabraniCvor();
    } catch (const TGreska&) {
    }
}

void TStranicaRezultata::PrikaziIzabraniCvor() {
    MemoRezultatCvor->clear();
    const TModel& model = kontekst.Model();
    if (model.nizCvorova.empty()) return;
    const int i = ComboBoxRezultatCvor->currentIndex();
    if (i < 0 || i >= static_cast<int>(model.nizCvorova.size())) return;
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
    auto stavke = [&](const TStavke& st) {
        for (const auto& [naziv, vrednost] : st) r << QString::fromStdString(naziv + " = " + vrednost);
    };
    stavke(StavkeElasticnogOslonca(c));
    long double mnozilac = 1.0L;
    if (const auto f = Faktor()) mnozilac = *f;
    else EditVrednostIspredMatricaKrutosti->setText(QStringLiteral("1.0"));
    r << QStringLiteral("Mnozilac pomeranja i obrtanja = ") + Broj(mnozilac)
      << QStringLiteral("Pomeranje u X pravcu = ") + Broj(c.Ux() * mnozilac)
      << QStringLiteral("Pomeranje u Z pravcu = ") + Broj(c.Uz() * mnozilac)
      << QStringLiteral("Obrtanje oko Y ose = ") + Broj(c.Fiy() * mnozilac);
    stavke(StavkeSilaOpruga(c));
    MemoRezultatCvor->setPlainText(r.join(QLatin1Char('\n')));
    MemoRezultatCvor->moveCursor(QTextCursor::Start);

    {
        TTabelaMatrice& t = G("StringGridMTCvora").Tabela();
        t.Isprazni();
        if (c.Ugao() != 0) {
            t.PostaviVelicinu(3, 3);
            t.PostaviSopstvenuMatricu(0, 0, MatricaTransformacijeCvora(c));
        }
    }

    const auto& sve = kontekst.Stanje().nizKodnihBrojeva;
    if (sve && !sve->empty()) {
        TTabelaMatrice& t = G("StringGridBrojeviPomeranjaSelektovanogCvora").Tabela();
        t.Isprazni();
        auto ima = [&](int kod) { return std::find(sve->begin(), sve->end(), kod) != sve->end(); };
        if (ima(c.BrPomeranjaX())) t.PostaviTekst(0, 0, QString::number(c.BrPomeranjaX()));
        if (ima(c.BrPomeranjaZ())) {
            t.PostaviVelicinu(1, 2);
            t.PostaviTekst(0, 1, QString::number(c.BrPomeranjaZ()));
        }
        if (ima(c.BrObrtanjaY())) {
            t.PostaviVelicinu(1, 3);
            t.PostaviTekst(0, 2, QString::number(c.BrObrtanjaY()));
        }
    }
}

// ---- column widths ----

void TStranicaRezultata::PodesiSirineKolona() {
    int w = 25;
    // The grids share one font, so one meter serves them all.
    const TMeracSirine merac(G(ImenaGridovaPoRedu().front()).font());
    for (const char* ime : ImenaGridovaPoRedu()) w = G(ime).PodesiSirine(w, &merac);
    // The code numbers across K, Kss and inv Kss stand over their columns, which the running width
    // may have made of different widths.
    static const std::pair<const char*, const char*> preko[] = {
        {"StringGridKKodniBrojeviHorizontala", "StringGridK"},
        {"StringGridKssKodniBrojeviHorizontala", "StringGridKss"},
        {"StringGridInvKssKodniBrojeviHorizontala", "StringGridInvKss"}};
    for (auto [kodovi, matrica] : preko) G(kodovi).PreuzmiSirine(G(matrica));
}

// ---- handlers ----

void TStranicaRezultata::Rukuj(const std::function<void()>& operacije, const QString& poruka) {
    try {
        operacije();
    } catch (const std::exception& e) {
        const QString tekst = QString::fromUtf8(e.what());
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), poruka.isEmpty() ? tekst
                                                              : tekst.isEmpty()
                                                                  ? poruka
                                                                  : poruka + QStringLiteral("\r\n") + tekst);
    }
}

void TStranicaRezultata::ComboBoxRezultatCvorChange() {
    Rukuj([this] { PrikaziRezultatCvora(); });
}

void TStranicaRezultata::ComboBoxRezultatStapChange() {
    Rukuj([this] {
        PrikaziRezultatStapa();
        PrikaziSileStapa();
        PodesiSirineKolona();
    });
}

void TStranicaRezultata::ComboBoxSpisakOpterecenjaZaQChange() {
    Rukuj([this] {
        PrikaziRezultatStapa();
        PodesiSirineKolona();
    });
}

void TStranicaRezultata::ButtonPreracunajPonovoMatriceSaBrojemIspredClick() {
    Rukuj(
        [this] {
            PrikaziRezultatStapa();
            PrikaziRezultate();
            PrikaziSileStapa();
            PodesiSirineKolona();
        },
        QStringLiteral("Nije moguce sprovesti proracun!!!"));
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
