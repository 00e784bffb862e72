#include "StranicaRezultata.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Brojevi.h"
#include "Dijalozi.h"
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

const char* TekstTipa(int tip) {
    static const char* tipovi[] = {"k", "ig", "gk", "prost"};
    return tip >= 0 && tip < 4 ? tipovi[tip] : "";
}

template <class W>
W* Imenuj(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    w->setAccessibleDescription(QString::fromLatin1(ime));
    return w;
}

void Spoji(QScrollBar* a, QScrollBar* b) {
    QObject::connect(a, &QScrollBar::valueChanged, b, &QScrollBar::setValue);
    QObject::connect(b, &QScrollBar::valueChanged, a, &QScrollBar::setValue);
}

// A matrix grid with its code numbers down the side and, for the off-diagonal blocks, across the
// top; the side lists scroll with the matrix.
QWidget* MatricaSaKodovima(TStringGrid* matrica, TStringGrid* sa_strane, TStringGrid* gore = nullptr) {
    auto* w = new QWidget;
    auto* l = new QGridLayout(w);
    l->setContentsMargins(2, 2, 2, 2);
    l->setSpacing(2);
    if (sa_strane) {
        sa_strane->setFixedWidth(64);
        sa_strane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        sa_strane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        matrica->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        Spoji(sa_strane->verticalScrollBar(), matrica->verticalScrollBar());
        l->addWidget(sa_strane, 1, 0);
    }
    if (gore) {
        gore->setFixedHeight(24);
        gore->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        gore->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        matrica->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
        Spoji(gore->horizontalScrollBar(), matrica->horizontalScrollBar());
        l->addWidget(gore, 0, 1);
    }
    l->addWidget(matrica, 1, 1);
    l->setColumnStretch(1, 1);
    l->setRowStretch(1, 1);
    return w;
}

// Labelled grids side by side.
QWidget* GridoviSaNatpisima(const std::vector<std::pair<const char*, TStringGrid*>>& gridovi, QWidget* iznad = nullptr) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(2, 2, 2, 2);
    if (iznad)
        v->addWidget(iznad);
    auto* red = new QHBoxLayout;
    for (auto [natpis, grid] : gridovi) {
        auto* kol = new QVBoxLayout;
        if (natpis)
            kol->addWidget(new QLabel(QString::fromLatin1(natpis)));
        kol->addWidget(grid, 1);
        red->addLayout(kol, 1);
    }
    v->addLayout(red, 1);
    return w;
}

QWidget* Sam(TStringGrid* g) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(2, 2, 2, 2);
    v->addWidget(g);
    return w;
}

}  // namespace

TStranicaRezultata::TStranicaRezultata(TKontekstAnalize& kontekst, QWidget* parent)
    : QWidget(parent), kontekst(kontekst) {
    setObjectName(QStringLiteral("StranicaRezultata"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);

    auto* gore = new QGridLayout;
    ComboBoxRezultatCvor = Imenuj(new QComboBox, "ComboBoxRezultatCvor");
    ComboBoxRezultatStap = Imenuj(new QComboBox, "ComboBoxRezultatStap");
    MemoRezultatCvor = Imenuj(new QPlainTextEdit, "MemoRezultatCvor");
    MemoRezultatStap = Imenuj(new QPlainTextEdit, "MemoRezultatStap");
    for (QPlainTextEdit* m : {MemoRezultatCvor, MemoRezultatStap}) {
        m->setReadOnly(true);
        m->setLineWrapMode(QPlainTextEdit::NoWrap);
        m->setMinimumHeight(90);
    }
    gore->addWidget(ComboBoxRezultatCvor, 0, 0);
    gore->addWidget(ComboBoxRezultatStap, 0, 1);
    gore->addWidget(MemoRezultatCvor, 1, 0);
    gore->addWidget(MemoRezultatStap, 1, 1);
    v->addLayout(gore, 2);

    auto* faktor = new QHBoxLayout;
    LabelVrednostIspredMatricaKrutosti =
        Imenuj(new QLabel(QStringLiteral("vrednost ispred matrica krutosti i vektora q")), "LabelVrednostIspredMatricaKrutosti");
    EditVrednostIspredMatricaKrutosti = Imenuj(new QLineEdit(QStringLiteral("1.0")), "EditVrednostIspredMatricaKrutosti");
    EditVrednostIspredMatricaKrutosti->setAlignment(Qt::AlignRight);
    EditVrednostIspredMatricaKrutosti->setMinimumWidth(50);
    EditVrednostIspredMatricaKrutosti->setMaximumWidth(70);
    LabelVrednostIspredMatricaKrutosti->setWordWrap(true);
    LabelVrednostIspredMatricaKrutosti->setBuddy(EditVrednostIspredMatricaKrutosti);
    ButtonPreracunajPonovoMatriceSaBrojemIspred =
        Imenuj(new QPushButton(QStringLiteral("Osvezi")), "ButtonPreracunajPonovoMatriceSaBrojemIspred");
    faktor->addWidget(LabelVrednostIspredMatricaKrutosti, 1);
    faktor->addWidget(EditVrednostIspredMatricaKrutosti);
    faktor->addWidget(ButtonPreracunajPonovoMatriceSaBrojemIspred);
    v->addLayout(faktor);

    v->addWidget(NapraviTabove(), 5);

    connect(ComboBoxRezultatCvor, &QComboBox::currentIndexChanged, this, [this] { ComboBoxRezultatCvorChange(); });
    connect(ComboBoxRezultatStap, &QComboBox::currentIndexChanged, this, [this] { ComboBoxRezultatStapChange(); });
    connect(ComboBoxSpisakOpterecenjaZaQ, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakOpterecenjaZaQChange(); });
    connect(ButtonPreracunajPonovoMatriceSaBrojemIspred, &QPushButton::clicked, this,
            [this] { ButtonPreracunajPonovoMatriceSaBrojemIspredClick(); });
    // The factor travels in the model file; the settings always hold what the field shows.
    connect(EditVrednostIspredMatricaKrutosti, &QLineEdit::textChanged, this,
            [this](const QString& t) { this->kontekst.Podesavanja().vrednostIspredMatricaKrutosti = t.toStdString(); });
    PrimeniPodesavanja();
}

TStringGrid* TStranicaRezultata::NoviGrid(const char* ime, bool fiksniPrviRed, int sirinaKolone) {
    auto* g = new TStringGrid(QString::fromLatin1(ime), fiksniPrviRed, sirinaKolone);
    gridovi[g->objectName()] = g;
    return g;
}

QWidget* TStranicaRezultata::NapraviTabove() {
    PageControlUlazIzlaz = Imenuj(new QTabWidget, "PageControlUlazIzlaz");
    PageControlUlazIzlaz->setUsesScrollButtons(true);
    auto tab = [&](QWidget* w, const char* natpis) { PageControlUlazIzlaz->addTab(w, QString::fromLatin1(natpis)); };

    tab(Sam(NoviGrid("StringGridMT")), "Matrica transformacije");
    tab(Sam(NoviGrid("StringGridMKLKS")), "MK LKS");
    tab(MatricaSaKodovima(NoviGrid("StringGridMKGKS"), NoviGrid("StringGridKodniBrojeviMKGKS")), "MK GKS");

    ComboBoxSpisakOpterecenjaZaQ = Imenuj(new QComboBox, "ComboBoxSpisakOpterecenjaZaQ");
    tab(GridoviSaNatpisima({{"Q-LKS", NoviGrid("StringGridQLKS")}, {"Q-GKS", NoviGrid("StringGridQGKS")}},
                           ComboBoxSpisakOpterecenjaZaQ),
        "Q");

    tab(MatricaSaKodovima(NoviGrid("StringGridK"), NoviGrid("StringGridKKodniBrojevi")), "K - GKS");
    tab(MatricaSaKodovima(NoviGrid("StringGridKss"), NoviGrid("StringGridKssKodniBrojevi")), "Kss");
    tab(MatricaSaKodovima(NoviGrid("StringGridKso"), NoviGrid("StringGridKsoKodniBrojeviVertikala"),
                          NoviGrid("StringGridKsoKodniBrojeviHorizontala")),
        "Kso");
    tab(MatricaSaKodovima(NoviGrid("StringGridKos"), NoviGrid("StringGridKosKodniBrojeviVertikala"),
                          NoviGrid("StringGridKosKodniBrojeviHorizontala")),
        "Kos");
    tab(MatricaSaKodovima(NoviGrid("StringGridKoo"), NoviGrid("StringGridKooKodniBrojeviVertikala")), "Koo");
    {
        // On the sparse path the inverse is not formed; one line above the grid says so.
        auto* w = new QWidget;
        auto* v = new QVBoxLayout(w);
        v->setContentsMargins(0, 0, 0, 0);
        LabelInvKssNaZahtev = Imenuj(new QLabel, "LabelInvKssNaZahtev");
        LabelInvKssNaZahtev->hide();
        v->addWidget(LabelInvKssNaZahtev);
        v->addWidget(MatricaSaKodovima(NoviGrid("StringGridInvKss"), NoviGrid("StringGridInvKssKodniBrojevi")), 1);
        tab(w, "inv Kss");
    }
    tab(GridoviSaNatpisima({{"Ss", NoviGrid("StringGridSs")}, {"Ps", NoviGrid("StringGridPs")}, {"Qs", NoviGrid("StringGridQs")}}),
        "Ss=Ps+Qs");
    tab(Sam(NoviGrid("StringGridqsGKSOpterecenje")), "qs - GKS - opterecenje");
    tab(Sam(NoviGrid("StringGridqoGKS")), "qo - GKS");
    tab(Sam(NoviGrid("StringGridqsGKSPomeranjeOslonaca")), "qs - GKS - pomeranje oslonaca");
    tab(Sam(NoviGrid("StringGridqsGKSUkupno")), "qs - GKS - ukupno");

    TStringGrid* R = NoviGrid("StringGridR", true, 40);
    static const char* zaglavlje[] = {"q - GKS", "Q - GKS", "R - GKS", "q - LKS", "Q - LKS", "R - LKS"};
    R->Tabela().PostaviVelicinu(6, 2);
    for (int k = 0; k < 6; ++k)
        R->Tabela().PostaviTekst(k, 0, QString::fromLatin1(zaglavlje[k]));
    tab(Sam(R), "R - sile");

    tab(GridoviSaNatpisima({{"Qo - GKS", NoviGrid("StringGridQoGKSReakcije")}, {"Ro - GKS", NoviGrid("StringGridRoGKS")}}),
        "R - reakcije");
    tab(GridoviSaNatpisima({{"Sva pomeranja", NoviGrid("StringGridBrojeviSvihPomeranja")},
                            {"Nep pomeranja", NoviGrid("StringGridBrojeviNepoznatihPomeranja")},
                            {"Poz pomeranja", NoviGrid("StringGridBrojeviPoznatihPomeranja")},
                            {"Pomeranja sel cvora", NoviGrid("StringGridBrojeviPomeranjaSelektovanogCvora")}}),
        "Brojevi pomeranja");
    return PageControlUlazIzlaz;
}

const std::vector<const char*>& TStranicaRezultata::ImenaGridovaPoRedu() {
    static const std::vector<const char*> imena = {
        "StringGridMT", "StringGridMKLKS", "StringGridMKGKS", "StringGridQLKS", "StringGridQGKS",
        "StringGridKodniBrojeviMKGKS", "StringGridK", "StringGridKKodniBrojevi", "StringGridKss",
        "StringGridKssKodniBrojevi", "StringGridKso", "StringGridKsoKodniBrojeviVertikala",
        "StringGridKsoKodniBrojeviHorizontala", "StringGridKos", "StringGridKosKodniBrojeviVertikala",
        "StringGridKosKodniBrojeviHorizontala", "StringGridKoo", "StringGridKooKodniBrojeviVertikala",
        "StringGridInvKss", "StringGridInvKssKodniBrojevi", "StringGridSs", "StringGridPs", "StringGridQs",
        "StringGridqsGKSOpterecenje", "StringGridqoGKS", "StringGridqsGKSPomeranjeOslonaca", "StringGridqsGKSUkupno",
        "StringGridR", "StringGridQoGKSReakcije", "StringGridRoGKS", "StringGridBrojeviSvihPomeranja",
        "StringGridBrojeviNepoznatihPomeranja", "StringGridBrojeviPoznatihPomeranja",
        "StringGridBrojeviPomeranjaSelektovanogCvora"};
    return imena;
}

TStringGrid* TStranicaRezultata::Grid(const QString& ime) const {
    auto it = gridovi.find(ime);
    return it == gridovi.end() ? nullptr : it->second;
}

QString TStranicaRezultata::Celija(const QString& grid, int k, int r) const {
    TStringGrid* g = Grid(grid);
    return g ? g->Celija(k, r) : QString();
}

TStringGrid& TStranicaRezultata::G(const char* ime) const { return *gridovi.at(QString::fromLatin1(ime)); }

std::optional<long double> TStranicaRezultata::Faktor() const {
    return ParsirajReal(EditVrednostIspredMatricaKrutosti->text().toStdString());
}

void TStranicaRezultata::PrimeniPodesavanja() {
    const QString t = T(kontekst.Podesavanja().vrednostIspredMatricaKrutosti);
    if (EditVrednostIspredMatricaKrutosti->text() != t)
        EditVrednostIspredMatricaKrutosti->setText(t);
}

void TStranicaRezultata::ObrisiRezultate() {
    static const char* globalni[] = {
        "StringGridK", "StringGridKKodniBrojevi", "StringGridKss", "StringGridKssKodniBrojevi", "StringGridKso",
        "StringGridKsoKodniBrojeviVertikala", "StringGridKsoKodniBrojeviHorizontala", "StringGridKos",
        "StringGridKosKodniBrojeviVertikala", "StringGridKosKodniBrojeviHorizontala", "StringGridKoo",
        "StringGridKooKodniBrojeviVertikala", "StringGridInvKss", "StringGridInvKssKodniBrojevi", "StringGridSs",
        "StringGridQs", "StringGridQoGKSReakcije", "StringGridPs", "StringGridqsGKSOpterecenje", "StringGridqoGKS",
        "StringGridqsGKSPomeranjeOslonaca", "StringGridqsGKSUkupno", "StringGridRoGKS",
        "StringGridBrojeviSvihPomeranja", "StringGridBrojeviNepoznatihPomeranja",
        "StringGridBrojeviPoznatihPomeranja", "StringGridBrojeviPomeranjaSelektovanogCvora"};
    for (const char* ime : globalni)
        G(ime).Tabela().Isprazni();
    G("StringGridR").Tabela().Isprazni();
    LabelInvKssNaZahtev->hide();
}

void TStranicaRezultata::PrikaziNapomenuInverza() {
    const auto inverz = kontekst.Stanje().Izvor(TStanjeAnalize::TGlobalna::InvKss);
    if (!inverz || !inverz->NaZahtev()) {
        LabelInvKssNaZahtev->hide();
        return;
    }
    const QString n = QString::number(inverz->BrojRedova());
    LabelInvKssNaZahtev->setText(QStringLiteral("Nije formirana (") + n + QStringLiteral(" x ") + n +
                                 QStringLiteral("): kolone na zahtev"));
    LabelInvKssNaZahtev->setToolTip(QStringLiteral("Svaka prikazana kolona racuna se jednim resavanjem "
                                                   "sa faktorizovanom matricom Kss."));
    LabelInvKssNaZahtev->show();
}

void TStranicaRezultata::OsveziListe() {
    const TModel& model = kontekst.Model();
    {
        const QSignalBlocker b1(ComboBoxRezultatCvor), b2(ComboBoxRezultatStap), b3(ComboBoxSpisakOpterecenjaZaQ);
        ComboBoxRezultatCvor->clear();
        for (const auto& c : model.nizCvorova)
            ComboBoxRezultatCvor->addItem(QStringLiteral("Cvor broj ") + QString::number(c->ID()));
        ComboBoxSpisakOpterecenjaZaQ->clear();
        for (const auto& o : model.nizOpterecenja)
            ComboBoxSpisakOpterecenjaZaQ->addItem(T(o->Ime()));
        ComboBoxRezultatStap->clear();
        for (const auto& s : model.nizStapova)
            ComboBoxRezultatStap->addItem(QStringLiteral("Stap broj ") + QString::number(s->ID()));
        ComboBoxRezultatCvor->setCurrentIndex(model.nizCvorova.empty() ? -1 : 0);
        ComboBoxSpisakOpterecenjaZaQ->setCurrentIndex(model.nizOpterecenja.empty() ? -1 : 0);
        ComboBoxRezultatStap->setCurrentIndex(model.nizStapova.empty() ? -1 : 0);
    }
    PrikaziRezultatCvora();
    PrikaziRezultatStapa();
}

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
               << QStringLiteral("Tip stapa: ") + QString::fromLatin1(TekstTipa(s.TipStapa()));
        for (const auto& o : model.nizOpterecenja)
            if (o->IDStapa() == s.ID())
                redovi << QStringLiteral("Opterecenje: ") + T(o->Ime());
        MemoRezultatStap->setPlainText(redovi.join(QChar('\n')));

        auto postavi = [&](const char* ime, TMatrix m, TSkaliranje sk) {
            TTabelaMatrice& t = G(ime).Tabela();
            t.Isprazni();
            t.PostaviVelicinu(m.NrOfColumns(), m.NrOfRows());
            t.PostaviSopstvenuMatricu(0, 0, std::move(m), sk, *c);
        };
        postavi("StringGridMT", s.MatricaTransformacije(), TSkaliranje::KaoIzracunato);
        postavi("StringGridMKLKS", s.MatricaKrutostiLKS(), TSkaliranje::Podeljeno);
        postavi("StringGridMKGKS", s.MatricaKrutostiGKS(), TSkaliranje::Podeljeno);

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
                TMatrix QL = s.GetVektorQLKS(o);
                TMatrix QG = s.GetVektorQGKS(o);
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
        MemoRezultatCvor->setPlainText(r.join(QChar('\n')));
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
