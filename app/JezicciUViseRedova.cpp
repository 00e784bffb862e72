#include "JezicciUViseRedova.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

TJezicciUViseRedova::TJezicciUViseRedova(QTabWidget* strane, int sirina, QWidget* parent)
    : QWidget(parent), strane(strane) {
    setObjectName(QStringLiteral("JezicciGlavnogMenija"));
    grupa = new QButtonGroup(this);
    grupa->setExclusive(true);
    auto* redovi = new QVBoxLayout(this);
    redovi->setContentsMargins(0, 0, 0, 0);
    redovi->setSpacing(0);
    QHBoxLayout* red = nullptr;
    int zauzeto = 0;
    for (int i = 0; i < strane->count(); ++i) {
        auto* jezicak = new QToolButton(this);
        jezicak->setText(strane->tabText(i));
        jezicak->setCheckable(true);
        jezicak->setAutoRaise(false);
        jezicak->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        jezicak->setAccessibleName(strane->tabText(i));
        const int w = jezicak->sizeHint().width() + 14;
        if (!red || zauzeto + w > sirina) {
            red = new QHBoxLayout;
            red->setSpacing(0);
            redovi->addLayout(red);
            zauzeto = 0;
        }
        red->addWidget(jezicak);
        zauzeto += w;
        grupa->addButton(jezicak, i);
    }
    connect(grupa, &QButtonGroup::idClicked, strane, &QTabWidget::setCurrentIndex);
    connect(strane, &QTabWidget::currentChanged, this, [this](int i) { Oznaci(i); });
    Oznaci(strane->currentIndex());
}

void TJezicciUViseRedova::Oznaci(int i) {
    if (auto* b = grupa->button(i))
        b->setChecked(true);
}
