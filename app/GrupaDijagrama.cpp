#include "GrupaDijagrama.h"

#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QToolTip>

#include <exception>

#include "CrtanjeDijagrama.h"
#include "Dijalozi.h"
#include "Greska.h"
#include "PlotChart.h"
#include "UnitGlavniProzor.h"

namespace {

template <class W>
W* Imenovan(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    w->setAccessibleDescription(QString::fromLatin1(ime));
    return w;
}

// Watches the mouse over the plot; lives as long as the plot.
class TPracenjeMisa : public QObject {
public:
    TPracenjeMisa(TFormGlavniProzor& prozor, TPlotChart& plot) : QObject(&plot), prozor(prozor), plot(plot) {}

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() == QEvent::MouseMove) Pokazi(static_cast<QMouseEvent*>(e));
        return QObject::eventFilter(o, e);
    }

private:
    void Pokazi(QMouseEvent* e) {
        const TPodesavanja& p = prozor.Podesavanja();
        const bool prikazano = p.prikaz.dijagram != TPrikaz::Bez || (p.deformacijaNosaca && p.prikaz.linijaDeformacije);
        // The run writes the results the text would read.
        if (!prikazano || e->buttons() != Qt::NoButton || prozor.Zauzet() || !ImaRezultata(prozor.Stanje())) {
            if (!tekst.isEmpty()) QToolTip::hideText(), tekst.clear();
            return;
        }
        const QPoint t = e->position().toPoint();
        const TModel& model = prozor.Model();
        const auto naStapu = StapPodTackom(plot, model, t.x(), t.y());
        if (!naStapu) {
            if (!tekst.isEmpty()) QToolTip::hideText(), tekst.clear();
            return;
        }
        try {
            const TDijagramiStapa d = DijagramiStapa(model, prozor.Stanje(), *model.nizStapova[naStapu->stap]);
            tekst = QString::fromStdString(OpisTackeNaStapu(model, *naStapu, d));
            QToolTip::showText(e->globalPosition().toPoint(), tekst, &plot);
        } catch (const TGreska&) {
            tekst.clear();
        } catch (const std::exception& e) {
            tekst.clear();
            prozor.Dijalozi().Greska(prozor.ProzorZaPoruke(), QString::fromUtf8(e.what()));
        }
    }

    TFormGlavniProzor& prozor;
    TPlotChart& plot;
    QString tekst;
};

}  // namespace

TGrupaDijagrama::TGrupaDijagrama(TFormGlavniProzor& prozor, QWidget* parent)
    : QGroupBox(QStringLiteral("Dijagrami"), parent),
      prozor(prozor) {
    setObjectName(QStringLiteral("GroupBoxDijagrami"));
    setToolTip(QString::fromLatin1(OpisZnakovaDijagrama));
    auto* r = new QGridLayout(this);
    ComboBoxDijagrami = Imenovan(new QComboBox(this), "ComboBoxDijagrami");
    for (int d : {TPrikaz::Bez, TPrikaz::N, TPrikaz::T, TPrikaz::M})
        ComboBoxDijagrami->addItem(QString::fromLatin1(ImeDijagrama(d)));
    CheckBoxLinijaDeformacije =
        Imenovan(new QCheckBox(QStringLiteral("linija deformacije"), this), "CheckBoxLinijaDeformacije");
    auto* labela = new QLabel(QStringLiteral("mnozilac dijagrama"), this);
    EditMnozilacDijagrama = Imenovan(new QLineEdit(this), "EditMnozilacDijagrama");
    labela->setBuddy(EditMnozilacDijagrama);
    EditMnozilacDijagrama->setAccessibleName(labela->text());
    r->addWidget(ComboBoxDijagrami, 0, 0);
    r->addWidget(CheckBoxLinijaDeformacije, 0, 1);
    r->addWidget(labela, 1, 0);
    r->addWidget(EditMnozilacDijagrama, 1, 1);
    PrikazUKontrole(prozor.Podesavanja().prikaz);

    connect(ComboBoxDijagrami, &QComboBox::currentIndexChanged, this, [this] { Promena(); });
    connect(CheckBoxLinijaDeformacije, &QCheckBox::toggled, this, [this] { Promena(); });
    // The multiplier is kept as typed and applied on Enter.
    connect(EditMnozilacDijagrama, &QLineEdit::textChanged, this, [this](const QString& t) {
        if (!punim)
            this->prozor.Dokument().IzmeniPodesavanja(
                [&](TPodesavanja& p) { p.prikaz.mnozilacDijagrama = t.toStdString(); });
    });
    connect(EditMnozilacDijagrama, &QLineEdit::returnPressed, this, [this] {
        Promena();
        this->prozor.CrtajGrafikGlavni();
    });
}

void TGrupaDijagrama::PrikazUKontrole(const TPrikaz& p) {
    punim = true;
    ComboBoxDijagrami->setCurrentIndex(std::clamp(p.dijagram, 0, 3));
    CheckBoxLinijaDeformacije->setChecked(p.linijaDeformacije);
    if (EditMnozilacDijagrama->text() != QString::fromStdString(p.mnozilacDijagrama))
        EditMnozilacDijagrama->setText(QString::fromStdString(p.mnozilacDijagrama));
    punim = false;
}

void TGrupaDijagrama::Promena() {
    if (punim) return;
    // The document announces what differs; the window redraws on that.
    prozor.Dokument().IzmeniPodesavanja([this](TPodesavanja& s) {
        TPrikaz& p = s.prikaz;
        p.dijagram = ComboBoxDijagrami->currentIndex() < 0 ? TPrikaz::Bez : ComboBoxDijagrami->currentIndex();
        p.linijaDeformacije = CheckBoxLinijaDeformacije->isChecked();
        p.mnozilacDijagrama = EditMnozilacDijagrama->text().toStdString();
    });
}

void PratiDijagramePodMisem(TFormGlavniProzor& prozor, TPlotChart& plot) {
    plot.installEventFilter(new TPracenjeMisa(prozor, plot));
}
