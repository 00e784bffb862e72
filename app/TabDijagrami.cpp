#include "TabDijagrami.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QSplitter>
#include <QVBoxLayout>

#include <cmath>
#include <exception>

#include "Brojevi.h"
#include "CrtanjeDijagrama.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "KontekstAnalize.h"
#include "TabelaMatrice.h"

namespace {

QString Broj(long double v) { return QString::fromStdString(FormatBroja(v)); }
QString Kratko(long double v) { return QString::number(double(v), 'g', 4); }

// One band of the small plots.
struct TPojas {
    const char* ime;
    TColor boja;
    int znak;  // +1: positive values up
    long double TVrednostiPreseka::*polje;
    const TEkstremiVelicine* ekstremi;
};

QColor Boja(TColor c, int alfa = 255) { return QColor((c >> 16) & 0xFF, (c >> 8) & 0xFF, c & 0xFF, alfa); }

}  // namespace

TMaliDijagrami::TMaliDijagrami(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(200);
    setBackgroundRole(QPalette::Base);
    setAutoFillBackground(true);
}

void TMaliDijagrami::Postavi(std::optional<TDijagramiStapa> d) {
    dijagrami = std::move(d);
    update();
}

void TMaliDijagrami::paintEvent(QPaintEvent*) {
    QPainter p(this);
    if (!dijagrami || dijagrami->delovi.empty() || !(dijagrami->L > 0)) {
        p.drawText(rect(), Qt::AlignCenter, QStringLiteral("Nema rezultata analize"));
        return;
    }
    const TDijagramiStapa& d = *dijagrami;
    const TPojas pojasevi[] = {{"N", BojaDijagramaN, 1, &TVrednostiPreseka::N, &d.ekstremN},
                               {"T", BojaDijagramaT, 1, &TVrednostiPreseka::T, &d.ekstremT},
                               {"M", BojaDijagramaM, -1, &TVrednostiPreseka::M, &d.ekstremM},
                               {"w", 0x404040, 1, &TVrednostiPreseka::w, &d.ekstremW}};
    const int levo = 28, desno = width() - 8, visina = height() / 4;
    p.setRenderHint(QPainter::Antialiasing, true);
    for (int i = 0; i < 4; ++i) {
        const TPojas& b = pojasevi[i];
        // A line of text on top of each band, the curve below it.
        const int vrh = i * visina, natpis = 14, osa = vrh + natpis + (visina - natpis) / 2;
        const long double najveca = std::max(std::fabs(b.ekstremi->max.vrednost), std::fabs(b.ekstremi->min.vrednost));
        const double razmera = najveca > 0 ? ((visina - natpis) / 2 - 3) / double(najveca) : 0;
        auto tacka = [&](long double x, long double v) {
            return QPointF(levo + double(x / d.L) * (desno - levo), osa - b.znak * double(v) * razmera);
        };
        // The curve from the axis at the start, both sides of every jump, back to the axis at the end.
        QPainterPath put(QPointF(levo, osa));
        for (const TDeoDijagrama& deo : d.delovi)
            for (int k = 0; k <= 24; ++k) {
                const long double x = deo.x0 + (deo.x1 - deo.x0) * k / 24;
                put.lineTo(tacka(x, d.Vrednosti(x, k < 24).*b.polje));
            }
        put.lineTo(QPointF(desno, osa));
        p.setPen(Qt::NoPen);
        p.setBrush(Boja(b.boja, 60));
        p.drawPath(put);
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Boja(b.boja), 1.5));
        p.drawPath(put);
        p.setPen(palette().color(QPalette::Text));
        p.drawLine(levo, osa, desno, osa);
        p.drawText(4, osa + 5, QString::fromLatin1(b.ime));
        p.setPen(Boja(b.boja));
        const QString opis = QStringLiteral("max %1 (x = %2), min %3 (x = %4)")
                                 .arg(Kratko(b.ekstremi->max.vrednost), Kratko(b.ekstremi->max.x),
                                      Kratko(b.ekstremi->min.vrednost), Kratko(b.ekstremi->min.x));
        p.drawText(QRect(levo, vrh, desno - levo, natpis), Qt::AlignRight | Qt::AlignVCenter,
                   p.fontMetrics().elidedText(opis, Qt::ElideLeft, desno - levo));
    }
}

TTabDijagrami::TTabDijagrami(TKontekstAnalize& kontekst, QComboBox& izborStapa, QWidget* parent)
    : QWidget(parent),
      kontekst(kontekst),
      izborStapa(izborStapa) {
    setObjectName(QStringLiteral("TabSheetDijagrami"));
    auto* r = new QVBoxLayout(this);
    auto* gore = new QHBoxLayout;
    auto* labela = new QLabel(QStringLiteral("broj podela"), this);
    SpinEditBrojTacakaDijagrama = new QSpinBox(this);
    SpinEditBrojTacakaDijagrama->setObjectName(QStringLiteral("SpinEditBrojTacakaDijagrama"));
    SpinEditBrojTacakaDijagrama->setRange(1, 1000);
    SpinEditBrojTacakaDijagrama->setValue(20);
    labela->setBuddy(SpinEditBrojTacakaDijagrama);
    gore->addWidget(labela);
    gore->addWidget(SpinEditBrojTacakaDijagrama);
    gore->addStretch(1);
    r->addLayout(gore);

    auto* podela = new QSplitter(Qt::Vertical, this);
    PaintBoxDijagrami = new TMaliDijagrami(podela);
    PaintBoxDijagrami->setObjectName(QStringLiteral("PaintBoxDijagrami"));
    StringGridDijagrami = new TStringGrid(QStringLiteral("StringGridDijagrami"), true, 60, podela);
    MemoEkstremiDijagrama = new QPlainTextEdit(podela);
    MemoEkstremiDijagrama->setObjectName(QStringLiteral("MemoEkstremiDijagrama"));
    MemoEkstremiDijagrama->setReadOnly(true);
    podela->addWidget(PaintBoxDijagrami);
    podela->addWidget(StringGridDijagrami);
    podela->addWidget(MemoEkstremiDijagrama);
    podela->setStretchFactor(0, 3);
    podela->setStretchFactor(1, 3);
    podela->setStretchFactor(2, 1);
    r->addWidget(podela, 1);
    auto* znaci = new QLabel(QString::fromLatin1(OpisZnakovaDijagrama), this);
    znaci->setWordWrap(true);
    r->addWidget(znaci);

    connect(&izborStapa, &QComboBox::currentIndexChanged, this, [this] {
        if (isVisible()) Osvezi();
    });
    connect(SpinEditBrojTacakaDijagrama, &QSpinBox::valueChanged, this, [this] { Osvezi(); });
}

void TTabDijagrami::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    Osvezi();
}

void TTabDijagrami::Osvezi() {
    TTabelaMatrice& t = StringGridDijagrami->Tabela();
    static const char* zaglavlje[] = {"x", "N", "T", "M", "u", "w", "fi"};
    t.PostaviVelicinu(7, 2);
    t.IsprazniRed(1);
    for (int k = 0; k < 7; ++k) t.PostaviTekst(k, 0, QString::fromLatin1(zaglavlje[k]));
    MemoEkstremiDijagrama->clear();
    std::optional<TDijagramiStapa> d;
    const TModel& model = kontekst.Model();
    const int i = izborStapa.currentIndex();
    try {
        // A run works on a copy, so the results shown here are always whole.
        if (i >= 0 && i < int(model.nizStapova.size()) && ImaRezultata(kontekst.Stanje()))
            d = DijagramiStapa(model, kontekst.Stanje(), *model.nizStapova[size_t(i)]);
    } catch (const TGreska&) {
        d.reset();
    } catch (const std::exception& e) {
        // Not the program's own error: a fault the user must see.
        d.reset();
        kontekst.Dijalozi().Greska(kontekst.ProzorZaPoruke(), QString::fromUtf8(e.what()));
    }
    PaintBoxDijagrami->Postavi(d);
    if (!d) return;

    const auto x = d->Stanice(SpinEditBrojTacakaDijagrama->value());
    std::vector<long double> kolone[7];
    for (long double xi : x) {
        const TVrednostiPreseka v = d->NaStanici(xi);
        const long double r[7] = {xi, v.N, v.T, v.M, v.u, v.w, v.fi};
        for (int k = 0; k < 7; ++k) kolone[k].push_back(r[k]);
    }
    t.PostaviVelicinu(7, int(x.size()) + 1);
    for (int k = 0; k < 7; ++k) t.PostaviRealneUKolonu(k, 1, std::move(kolone[k]));
    StringGridDijagrami->PodesiSirine(25);

    QStringList linije;
    const struct {
        const char* ime;
        const TEkstremiVelicine& e;
    } ekstremi[] = {{"N", d->ekstremN}, {"T", d->ekstremT}, {"M", d->ekstremM}, {"w", d->ekstremW}};
    for (const auto& e : ekstremi)
        linije << QStringLiteral("%1: max %2 (x = %3), min %4 (x = %5)")
                      .arg(QString::fromLatin1(e.ime), Broj(e.e.max.vrednost), Broj(e.e.max.x), Broj(e.e.min.vrednost),
                           Broj(e.e.min.x));
    for (const TSkok& s : d->skokovi)
        linije << QStringLiteral("x = %1, levo / desno: N %2 / %3, T %4 / %5, M %6 / %7")
                      .arg(Broj(s.x), Broj(s.levo.N), Broj(s.desno.N), Broj(s.levo.T), Broj(s.desno.T), Broj(s.levo.M),
                           Broj(s.desno.M));
    MemoEkstremiDijagrama->setPlainText(linije.join(QLatin1Char('\n')));
}
