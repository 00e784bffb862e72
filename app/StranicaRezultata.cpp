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

#include <algorithm>

#include "Brojevi.h"
#include "Dijalozi.h"
#include "IzvozMatricaProzora.h"
#include "ModelSpiska.h"
#include "NavigatorRezultata.h"
#include "SileStapa.h"
#include "TabelaMatrice.h"

namespace {

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
QWidget* GridoviSaNatpisima(const std::vector<std::pair<const char*, TStringGrid*>>& gridovi,
                            QWidget* iznad = nullptr) {
    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(2, 2, 2, 2);
    if (iznad) v->addWidget(iznad);
    auto* red = new QHBoxLayout;
    for (auto [natpis, grid] : gridovi) {
        auto* kol = new QVBoxLayout;
        if (natpis) kol->addWidget(new QLabel(QString::fromLatin1(natpis)));
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
    : QWidget(parent),
      kontekst(kontekst) {
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
        Imenuj(new QLabel(QStringLiteral("vrednost ispred matrica krutosti i vektora q")),
               "LabelVrednostIspredMatricaKrutosti");
    EditVrednostIspredMatricaKrutosti =
        Imenuj(new QLineEdit(QStringLiteral("1.0")), "EditVrednostIspredMatricaKrutosti");
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
    faktor->addWidget(NapraviBrojCifara());
    v->addLayout(faktor);

    v->addWidget(NapraviTabove(), 5);
    for (auto [spisak, lista] :
         {std::pair{&spisakCvorova, ComboBoxRezultatCvor}, std::pair{&spisakStapova, ComboBoxRezultatStap},
          std::pair{&spisakOpterecenja, ComboBoxSpisakOpterecenjaZaQ}}) {
        *spisak = new TModelSpiska(this);
        (*spisak)->Prikazi(lista);
        // Sized as the editing pages' lists are: a width measured over every text would cost the
        // first showing of the page a text layout per node of a large model.
        lista->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        lista->setMinimumContentsLength(12);
        lista->setIconSize({0, 0});
    }

    connect(ComboBoxRezultatCvor, &QComboBox::currentIndexChanged, this, [this] { ComboBoxRezultatCvorChange(); });
    connect(ComboBoxRezultatStap, &QComboBox::currentIndexChanged, this, [this] { ComboBoxRezultatStapChange(); });
    connect(ComboBoxSpisakOpterecenjaZaQ, &QComboBox::currentIndexChanged, this,
            [this] { ComboBoxSpisakOpterecenjaZaQChange(); });
    connect(ButtonPreracunajPonovoMatriceSaBrojemIspred, &QPushButton::clicked, this,
            [this] { ButtonPreracunajPonovoMatriceSaBrojemIspredClick(); });
    // The factor travels in the model file; the settings always hold what the field shows.
    connect(EditVrednostIspredMatricaKrutosti, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (naPromenuFaktora) naPromenuFaktora(t.toStdString());
        else this->kontekst.Podesavanja().vrednostIspredMatricaKrutosti = t.toStdString();
    });
    PrimeniPodesavanja();
}

// "Broj cifara": how many significant digits the grids show; the usual form until one is chosen.
// The full value stays in each cell's tooltip and in every copy and export.
QWidget* TStranicaRezultata::NapraviBrojCifara() {
    auto* w = new QWidget;
    auto* l = new QHBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(2);
    auto* izbor = Imenuj(new QComboBox, "ComboBoxBrojCifara");
    izbor->addItem(QStringLiteral("-"), 0);
    for (int c : {4, 6, 10, 15}) izbor->addItem(QString::number(c), c);
    izbor->setToolTip(QStringLiteral("Broj cifara u tabelama"));
    auto* natpis = new QLabel(QStringLiteral("Broj cifara"));
    natpis->setBuddy(izbor);
    l->addWidget(natpis);
    l->addWidget(izbor);
    connect(izbor, &QComboBox::currentIndexChanged, this, [this, izbor] {
        Rukuj([this, izbor] {
            for (auto& [ime, g] : gridovi) g->Tabela().PostaviBrojCifara(izbor->currentData().toInt());
            PodesiSirineKolona();
        });
    });
    return w;
}

TStringGrid* TStranicaRezultata::NoviGrid(const char* ime, bool fiksniPrviRed, int sirinaKolone) {
    auto* g = new TStringGrid(QString::fromLatin1(ime), fiksniPrviRed, sirinaKolone);
    gridovi[g->objectName()] = g;
    g->izvozSvih = [this] { IzveziSveMatriceIzProzora(kontekst); };
    g->izvozMatrice = [this, g] {
        const std::string m = ImeMatriceGrida(g->objectName(), kontekst, ComboBoxRezultatStap->currentIndex());
        if (!m.empty()) IzveziMatricuIzProzora(kontekst, m);
    };
    return g;
}

QWidget* TStranicaRezultata::NapraviTabove() {
    PageControlUlazIzlaz = Imenuj(new QTabWidget, "PageControlUlazIzlaz");
    auto tab = [&](QWidget* w, const char* natpis) { PageControlUlazIzlaz->addTab(w, QString::fromLatin1(natpis)); };

    tab(Sam(NoviGrid("StringGridMT")), "Matrica transformacije");
    tab(Sam(NoviGrid("StringGridMKLKS")), "MK LKS");
    tab(MatricaSaKodovima(NoviGrid("StringGridMKGKS"), NoviGrid("StringGridKodniBrojeviMKGKS")), "MK GKS");

    ComboBoxSpisakOpterecenjaZaQ = Imenuj(new QComboBox, "ComboBoxSpisakOpterecenjaZaQ");
    tab(GridoviSaNatpisima({{"Q-LKS", NoviGrid("StringGridQLKS")}, {"Q-GKS", NoviGrid("StringGridQGKS")}},
                           ComboBoxSpisakOpterecenjaZaQ),
        "Q");

    tab(MatricaSaKodovima(NoviGrid("StringGridK"), NoviGrid("StringGridKKodniBrojevi"),
                          NoviGrid("StringGridKKodniBrojeviHorizontala")),
        "K - GKS");
    tab(MatricaSaKodovima(NoviGrid("StringGridKss"), NoviGrid("StringGridKssKodniBrojevi"),
                          NoviGrid("StringGridKssKodniBrojeviHorizontala")),
        "Kss");
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
        v->addWidget(MatricaSaKodovima(NoviGrid("StringGridInvKss"), NoviGrid("StringGridInvKssKodniBrojevi"),
                                       NoviGrid("StringGridInvKssKodniBrojeviHorizontala")),
                     1);
        tab(w, "inv Kss");
    }
    tab(GridoviSaNatpisima(
            {{"Ss", NoviGrid("StringGridSs")}, {"Ps", NoviGrid("StringGridPs")}, {"Qs", NoviGrid("StringGridQs")}}),
        "Ss=Ps+Qs");
    tab(Sam(NoviGrid("StringGridqsGKSOpterecenje")), "qs - GKS - opterecenje");
    tab(Sam(NoviGrid("StringGridqoGKS")), "qo - GKS");
    tab(Sam(NoviGrid("StringGridqsGKSPomeranjeOslonaca")), "qs - GKS - pomeranje oslonaca");
    tab(Sam(NoviGrid("StringGridqsGKSUkupno")), "qs - GKS - ukupno");

    TStringGrid* R = NoviGrid("StringGridR", true, 40);
    static const char* zaglavlje[] = {"q - GKS", "Q - GKS", "R - GKS", "q - LKS", "Q - LKS", "R - LKS"};
    R->Tabela().PostaviVelicinu(6, 2);
    for (int k = 0; k < 6; ++k) R->Tabela().PostaviTekst(k, 0, QString::fromLatin1(zaglavlje[k]));
    tab(Sam(R), "R - sile");

    tab(GridoviSaNatpisima(
            {{"Qo - GKS", NoviGrid("StringGridQoGKSReakcije")}, {"Ro - GKS", NoviGrid("StringGridRoGKS")}}),
        "R - reakcije");
    tab(GridoviSaNatpisima({{"Sva pomeranja", NoviGrid("StringGridBrojeviSvihPomeranja")},
                            {"Nep pomeranja", NoviGrid("StringGridBrojeviNepoznatihPomeranja")},
                            {"Poz pomeranja", NoviGrid("StringGridBrojeviPoznatihPomeranja")},
                            {"Pomeranja sel cvora", NoviGrid("StringGridBrojeviPomeranjaSelektovanogCvora")}}),
        "Brojevi pomeranja");
    // A turned support's node: its displacements, its part of K and of the loads are in its axes.
    tab(Sam(NoviGrid("StringGridMTCvora")), "Matrica transformacije cvora");

    auto* w = new QWidget;
    auto* v = new QVBoxLayout(w);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    NavigatorRezultata =
        new TNavigatorRezultata(PageControlUlazIzlaz, {QStringLiteral("Stap"), QStringLiteral("Sistem")});
    v->addWidget(NavigatorRezultata);
    v->addWidget(PageControlUlazIzlaz, 1);
    // The selected member's own pages (its code numbers stand beside MK GKS); the rest concern the
    // whole system.
    const int straneStapa[] = {0, 1, 2, 3, TabSileStapa};
    for (int i = 0; i < PageControlUlazIzlaz->count(); ++i)
        NavigatorRezultata->DodajStranu(i, std::ranges::count(straneStapa, i) ? GrupaStap : GrupaSistem);
    return w;
}

void TStranicaRezultata::DodajStranu(QWidget* strana, const QString& natpis, int grupa) {
    NavigatorRezultata->DodajStranu(PageControlUlazIzlaz->addTab(strana, natpis), grupa);
}

const std::vector<const char*>& TStranicaRezultata::ImenaGridovaPoRedu() {
    static const std::vector<const char*> imena = {"StringGridMT",
                                                   "StringGridMKLKS",
                                                   "StringGridMKGKS",
                                                   "StringGridQLKS",
                                                   "StringGridQGKS",
                                                   "StringGridKodniBrojeviMKGKS",
                                                   "StringGridK",
                                                   "StringGridKKodniBrojevi",
                                                   "StringGridKss",
                                                   "StringGridKssKodniBrojevi",
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
                                                   "StringGridSs",
                                                   "StringGridPs",
                                                   "StringGridQs",
                                                   "StringGridqsGKSOpterecenje",
                                                   "StringGridqoGKS",
                                                   "StringGridqsGKSPomeranjeOslonaca",
                                                   "StringGridqsGKSUkupno",
                                                   "StringGridR",
                                                   "StringGridQoGKSReakcije",
                                                   "StringGridRoGKS",
                                                   "StringGridBrojeviSvihPomeranja",
                                                   "StringGridBrojeviNepoznatihPomeranja",
                                                   "StringGridBrojeviPoznatihPomeranja",
                                                   "StringGridBrojeviPomeranjaSelektovanogCvora",
                                                   "StringGridMTCvora"};
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
    const QString t = QString::fromStdString(kontekst.Podesavanja().vrednostIspredMatricaKrutosti);
    if (EditVrednostIspredMatricaKrutosti->text() != t) EditVrednostIspredMatricaKrutosti->setText(t);
}

void TStranicaRezultata::OsveziListe() {
    Rukuj([this] {
        PopuniListe();
        PrikaziRezultatCvora();
        PrikaziRezultatStapa();
    });
}

void TStranicaRezultata::PopuniListe() {
    const TModel& model = kontekst.Model();
    auto tekstovi = [](const auto& niz, auto&& tekst) {
        std::vector<std::string> t;
        t.reserve(niz.size());
        for (const auto& e : niz) t.push_back(tekst(*e));
        return t;
    };
    spisakCvorova->Popuni(
        tekstovi(model.nizCvorova, [](const TCvor& c) { return "Cvor broj " + std::to_string(c.ID()); }));
    spisakOpterecenja->Popuni(tekstovi(model.nizOpterecenja, [](const TOpterecenje& o) { return o.Ime(); }));
    spisakStapova->Popuni(
        tekstovi(model.nizStapova, [](const TStap& s) { return "Stap broj " + std::to_string(s.ID()); }));
}
