#include "NavigatorRezultata.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QSignalBlocker>
#include <QTabBar>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "JezicciUViseRedova.h"
#include "RasporedUTok.h"

TNavigatorRezultata::TNavigatorRezultata(QTabWidget* strane, const QStringList& grupe, QWidget* parent)
    : QWidget(parent),
      strane(strane),
      poslednjaUGrupi(static_cast<size_t>(grupe.size()), -1) {
    setObjectName(QStringLiteral("NavigatorRezultata"));
    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    redGrupa = new QTabBar;
    redGrupa->setObjectName(QStringLiteral("TabBarGrupaRezultata"));
    redGrupa->setExpanding(false);
    redGrupa->setUsesScrollButtons(false);
    for (const QString& g : grupe) redGrupa->addTab(g);
    redStrana = new QWidget;
    redStrana->setObjectName(QStringLiteral("TabBarStraneGrupe"));
    OznaciRedJezicaka(redStrana);
    new TRasporedUTok(redStrana);
    v->addWidget(redGrupa);
    v->addWidget(redStrana);
    dugmad = new QButtonGroup(this);
    dugmad->setExclusive(true);

    strane->tabBar()->hide();
    connect(dugmad, &QButtonGroup::idClicked, strane, &QTabWidget::setCurrentIndex);
    connect(strane, &QTabWidget::currentChanged, this, [this](int i) { Prati(i); });
    connect(redGrupa, &QTabBar::currentChanged, this, [this](int g) { IzaberiGrupu(g); });
}

void TNavigatorRezultata::DodajStranu(int indeks, int grupa) {
    if (indeks < 0 || indeks >= strane->count() || grupa < 0 || grupa >= redGrupa->count()) return;
    if (grupaStrane.size() <= static_cast<size_t>(indeks)) grupaStrane.resize(static_cast<size_t>(indeks) + 1, -1);
    grupaStrane[static_cast<size_t>(indeks)] = grupa;
    // Marked before it has a parent, so that no interface is made for it as a plain button.
    auto* jezicak = new QToolButton;
    OznaciJezicak(jezicak);
    jezicak->setText(strane->tabText(indeks));
    jezicak->setAccessibleName(strane->tabText(indeks));
    jezicak->setCheckable(true);
    redStrana->layout()->addWidget(jezicak);
    jezicak->setVisible(grupa == redGrupa->currentIndex());
    dugmad->addButton(jezicak, indeks);
    if (indeks == strane->currentIndex()) Prati(indeks);
}

int TNavigatorRezultata::PrikazanaGrupa() const { return redGrupa->currentIndex(); }

int TNavigatorRezultata::GrupaStrane(int indeks) const {
    return indeks >= 0 && static_cast<size_t>(indeks) < grupaStrane.size() ? grupaStrane[static_cast<size_t>(indeks)]
                                                                           : -1;
}

void TNavigatorRezultata::Prati(int indeks) {
    const int g = GrupaStrane(indeks);
    if (g < 0) {
        // A page of no group: no tab stands for it.
        const QSignalBlocker tiho(dugmad);
        dugmad->setExclusive(false);
        if (QAbstractButton* b = dugmad->checkedButton()) b->setChecked(false);
        dugmad->setExclusive(true);
        return;
    }
    poslednjaUGrupi[static_cast<size_t>(g)] = indeks;
    if (redGrupa->currentIndex() != g) {
        const QSignalBlocker tiho(redGrupa);
        redGrupa->setCurrentIndex(g);
        PrikaziDugmad(g);
    }
    if (QAbstractButton* b = dugmad->button(indeks)) b->setChecked(true);
}

void TNavigatorRezultata::IzaberiGrupu(int grupa) {
    if (grupa < 0) return;
    PrikaziDugmad(grupa);
    if (GrupaStrane(strane->currentIndex()) == grupa) return;
    int strana = poslednjaUGrupi[static_cast<size_t>(grupa)];
    for (size_t i = 0; strana < 0 && i < grupaStrane.size(); ++i)
        if (grupaStrane[i] == grupa) strana = static_cast<int>(i);
    if (strana >= 0) strane->setCurrentIndex(strana);
}

void TNavigatorRezultata::PrikaziDugmad(int grupa) {
    for (QAbstractButton* b : dugmad->buttons()) b->setVisible(GrupaStrane(dugmad->id(b)) == grupa);
}
