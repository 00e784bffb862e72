#include "TabUticajneLinije.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Brojevi.h"
#include "CrtanjeDijagrama.h"
#include "CrtanjeKonstrukcije.h"
#include "CrtanjeUticajneLinije.h"
#include "Dijalozi.h"
#include "ElementStapa.h"
#include "Greska.h"
#include "IzvozGrafika.h"
#include "KontekstAnalize.h"
#include "PlotChart.h"

namespace {

constexpr int StanicaPoStapu = 20;

struct TPrimerVoza {
    const char* ime;
    const char* tekst;
};
constexpr TPrimerVoza PrimeriVoza[] = {
    {"Bez voza", ""},
    {"Jedna sila", "1@0"},
    {"Dve sile na rastojanju", "1@0,1@2"},
    {"Raspodeljeno opterecenje", "q1@0:4"},
};

QString Broj(long double v) { return QString::fromStdString(FormatBroja(v)); }

int CeoBroj(const QLineEdit* e, const char* sta) {
    const auto v = ParsirajReal(e->text().trimmed().toStdString());
    if (!v || *v != std::floor(*v))
        throw TGreska(std::string("Neispravan ") + sta + ": " + e->text().toStdString() + "!!!");
    return int(*v);
}

}  // namespace

TTabUticajneLinije::TTabUticajneLinije(TKontekstAnalize& k, QWidget* parent) : QWidget(parent), kontekst(k) {
    auto* l = new QVBoxLayout(this);
    auto* forma = new QFormLayout;
    auto polje = [&](const char* natpis, const char* ime) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(ime));
        forma->addRow(QString::fromLatin1(natpis), e);
        return e;
    };
    ComboBoxUticajVelicina = new QComboBox(this);
    ComboBoxUticajVelicina->setObjectName(QStringLiteral("ComboBoxUticajVelicina"));
    for (const char* v : {"N", "T", "M", "Rx", "Rz", "M0", "Ux", "Uz", "Fi", "Fx", "Fz", "Mfi"})
        ComboBoxUticajVelicina->addItem(QString::fromLatin1(v));
    ComboBoxUticajVelicina->setCurrentIndex(2);
    forma->addRow(QStringLiteral("Velicina"), ComboBoxUticajVelicina);
    EditUticajStap = polje("Stap (N, T, M)", "EditUticajStap");
    EditUticajX = polje("x preseka", "EditUticajX");
    EditUticajCvor = polje("Cvor (R, U, Fi, F)", "EditUticajCvor");
    EditPutOpterecenja = polje("Put opterecenja", "EditPutOpterecenja");
    EditPutOpterecenja->setPlaceholderText(QStringLiteral("svi stapovi"));
    CheckBoxTeretX = new QCheckBox(QStringLiteral("Teret u pravcu -X"), this);
    CheckBoxTeretX->setObjectName(QStringLiteral("CheckBoxTeretX"));
    forma->addRow(CheckBoxTeretX);
    ComboBoxVoz = new QComboBox(this);
    ComboBoxVoz->setObjectName(QStringLiteral("ComboBoxVoz"));
    for (const TPrimerVoza& p : PrimeriVoza) ComboBoxVoz->addItem(QString::fromLatin1(p.ime));
    forma->addRow(QStringLiteral("Voz"), ComboBoxVoz);
    EditVoz = polje("Sile (P@d, qQ@a:b)", "EditVoz");
    l->addLayout(forma);

    auto* dugmad = new QHBoxLayout;
    ButtonPrikaziUticaj = new QPushButton(QStringLiteral("Prikazi"), this);
    ButtonPrikaziUticaj->setObjectName(QStringLiteral("ButtonPrikaziUticaj"));
    ButtonSacuvajUticaj = new QPushButton(QStringLiteral("Sacuvaj grafik..."), this);
    ButtonSacuvajUticaj->setObjectName(QStringLiteral("ButtonSacuvajUticaj"));
    dugmad->addWidget(ButtonPrikaziUticaj);
    dugmad->addWidget(ButtonSacuvajUticaj);
    l->addLayout(dugmad);
    LabelVoz = new QLabel(this);
    LabelVoz->setObjectName(QStringLiteral("LabelVoz"));
    LabelVoz->setWordWrap(true);
    l->addWidget(LabelVoz);
    TabelaUticaja = new QTableWidget(0, 3, this);
    TabelaUticaja->setObjectName(QStringLiteral("TabelaUticaja"));
    TabelaUticaja->setHorizontalHeaderLabels({QStringLiteral("Stap"), QStringLiteral("x"), QStringLiteral("ordinata")});
    TabelaUticaja->verticalHeader()->setVisible(false);
    l->addWidget(TabelaUticaja, 1);

    // The page is as narrow as the other pages; the line gets a window of its own beside the main one.
    prozorGrafika = new QWidget(this, Qt::Window);
    prozorGrafika->setObjectName(QStringLiteral("ProzorUticajneLinije"));
    prozorGrafika->setWindowTitle(QStringLiteral("Uticajne linije"));
    prozorGrafika->resize(900, 560);
    auto* lg = new QVBoxLayout(prozorGrafika);
    PlotChartUticaj = new TPlotChart(prozorGrafika);
    PlotChartUticaj->setObjectName(QStringLiteral("PlotChartUticaj"));
    PlotChartUticaj->setMouseTracking(true);
    PlotChartUticaj->installEventFilter(this);
    LabelUticajPodMisem = new QLabel(prozorGrafika);
    LabelUticajPodMisem->setObjectName(QStringLiteral("LabelUticajPodMisem"));
    lg->addWidget(PlotChartUticaj, 1);
    lg->addWidget(LabelUticajPodMisem);

    connect(ButtonPrikaziUticaj, &QPushButton::clicked, this, [this] { Prikazi(); });
    connect(ButtonSacuvajUticaj, &QPushButton::clicked, this, [this] { SacuvajGrafik(); });
    connect(ComboBoxVoz, &QComboBox::activated, this, [this](int i) { IzaberiVoz(i); });
}

void TTabUticajneLinije::IzaberiVoz(int i) {
    if (i >= 0 && i < int(std::size(PrimeriVoza))) EditVoz->setText(QString::fromLatin1(PrimeriVoza[i].tekst));
}

TZahtevUticaja TTabUticajneLinije::ZahtevIzPolja() const {
    TZahtevUticaja z;
    z.velicina = *ParsirajVelicinu(ComboBoxUticajVelicina->currentText().toStdString());
    if (VelicinaPreseka(z.velicina)) {
        z.idStapa = CeoBroj(EditUticajStap, "ID stapa");
        const auto x = ParsirajReal(EditUticajX->text().trimmed().toStdString());
        if (!x) throw TGreska(PorukaNeispravanReal(EditUticajX->text().toStdString()));
        z.x = *x;
    } else {
        z.idCvora = CeoBroj(EditUticajCvor, "ID cvora");
    }
    for (const QString& id : EditPutOpterecenja->text().split(QLatin1Char(','), Qt::SkipEmptyParts)) {
        const auto v = ParsirajReal(id.trimmed().toStdString());
        if (!v || *v != std::floor(*v)) throw TGreska("Neispravan put opterecenja: " + id.toStdString() + "!!!");
        z.put.push_back(int(*v));
    }
    z.pravac = CheckBoxTeretX->isChecked() ? TPravacTereta::MinusX : TPravacTereta::MinusZ;
    return z;
}

bool TTabUticajneLinije::Prikazi() {
    try {
        const TZahtevUticaja z = ZahtevIzPolja();
        const std::string tekstVoza = EditVoz->text().trimmed().toStdString();
        std::optional<TVoz> voz;
        if (!tekstVoza.empty()) voz = ParsirajVoz(tekstVoza);
        TUticajnaLinija l = UticajnaLinijaModela(kontekst.Model(), z);
        std::optional<TEkstremiVoza> e;
        if (voz) e = EkstremiVoza(l, *voz);
        linija = std::move(l);
        zahtev = z;
        Nacrtaj(voz, e);
        PopuniTabelu();
        if (isVisible()) prozorGrafika->show();
        LabelVoz->setText(e ? QStringLiteral("Voz: max = %1 za polozaj %2, min = %3 za polozaj %4")
                                  .arg(Broj(e->max.vrednost), Broj(e->max.s), Broj(e->min.vrednost), Broj(e->min.s))
                            : QString());
        return true;
    } catch (const TGreska& g) {
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QString::fromStdString(g.what()));
        return false;
    }
}

void TTabUticajneLinije::Nacrtaj(const std::optional<TVoz>& voz, const std::optional<TEkstremiVoza>& e) {
    // The structure alone, with the window's view settings but no result drawings.
    TPodesavanja p = kontekst.Podesavanja();
    p.prikaz.dijagram = TPrikaz::Bez;
    p.deformacijaNosaca = false;
    CrtajGrafik(*PlotChartUticaj, kontekst.Model(), p);
    CrtajUticajnuLiniju(*PlotChartUticaj, kontekst.Model(), p, *linija, zahtev, voz ? &*voz : nullptr,
                        e ? &*e : nullptr);
    PlotChartUticaj->Refresh();
}

void TTabUticajneLinije::PopuniTabelu() {
    TabelaUticaja->setRowCount(0);
    for (const TUticajStapa& u : linija->stapovi)
        for (int k = 0; k <= StanicaPoStapu; ++k) {
            const long double x = k == StanicaPoStapu ? u.L : u.L * k / StanicaPoStapu;
            const int r = TabelaUticaja->rowCount();
            TabelaUticaja->insertRow(r);
            TabelaUticaja->setItem(r, 0, new QTableWidgetItem(QString::number(u.idStapa)));
            TabelaUticaja->setItem(r, 1, new QTableWidgetItem(Broj(x)));
            TabelaUticaja->setItem(r, 2, new QTableWidgetItem(Broj(u.Vrednost(x))));
        }
}

void TTabUticajneLinije::SacuvajGrafik() {
    TDijalozi& d = kontekst.Dijalozi();
    QString put = d.SnimiFajl(kontekst.ProzorZaPoruke(), QStringLiteral("Sacuvaj grafik"),
                              QStringLiteral("PNG slika (*.png);;SVG crtez (*.svg);;PDF dokument (*.pdf)"));
    if (put.isNull()) return;
    if (QFileInfo(put).suffix().isEmpty()) put += QStringLiteral(".png");
    const std::optional<QSize> velicina = d.VelicinaSlike(kontekst.ProzorZaPoruke(), PlotChartUticaj->size());
    if (!velicina) return;
    const QString naslov = QStringLiteral("Uticajna linija ") + ComboBoxUticajVelicina->currentText();
    const QString greska = ::SacuvajGrafik(*PlotChartUticaj, put, velicina->width(), velicina->height(), naslov);
    if (!greska.isEmpty()) d.Greska(kontekst.ProzorZaPoruke(), greska);
}

void TTabUticajneLinije::KlikNaGrafik(int px, int py) {
    const auto t = StapPodTackom(*PlotChartUticaj, kontekst.Model(), px, py);
    if (!t) return;
    EditUticajStap->setText(QString::number(kontekst.Model().nizStapova[t->stap]->ID()));
    EditUticajX->setText(QString::number(double(t->x), 'g', 4));
    if (!VelicinaPreseka(*ParsirajVelicinu(ComboBoxUticajVelicina->currentText().toStdString())))
        ComboBoxUticajVelicina->setCurrentIndex(2);
    Prikazi();
}

void TTabUticajneLinije::MisNaGrafiku(int px, int py) {
    std::optional<std::string> t;
    if (linija) t = OrdinataPodTackom(*PlotChartUticaj, kontekst.Model(), *linija, px, py);
    LabelUticajPodMisem->setText(t ? QString::fromStdString(*t) : QString());
    kontekst.PorukaStatusa(t ? *t : std::string());
}

bool TTabUticajneLinije::eventFilter(QObject* o, QEvent* e) {
    if (o == PlotChartUticaj) {
        if (e->type() == QEvent::MouseMove) {
            const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
            MisNaGrafiku(p.x(), p.y());
        } else if (e->type() == QEvent::MouseButtonRelease &&
                   static_cast<QMouseEvent*>(e)->button() == Qt::LeftButton) {
            const QPoint p = static_cast<QMouseEvent*>(e)->position().toPoint();
            KlikNaGrafik(p.x(), p.y());
        }
    }
    return QWidget::eventFilter(o, e);
}
