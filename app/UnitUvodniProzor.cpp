#include "UnitUvodniProzor.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>

#include <cmath>

#include "Slika.h"

int PolozajZaCentriranje(int ekran, int prozor) { return static_cast<int>(std::trunc(ekran * 0.5 - prozor * 0.5)); }

TFormUvodniProzor::TFormUvodniProzor(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint) {
    setObjectName(QStringLiteral("FormUvodniProzor"));
    setWindowTitle(QStringLiteral("Program VELT"));
    auto* raspored = new QVBoxLayout(this);
    raspored->setContentsMargins(0, 0, 0, 0);
    ImageUvod = new TSlika(QStringLiteral("UvodniProzor.jpg"), QSize(Sirina, Visina), this);
    ImageUvod->setObjectName(QStringLiteral("ImageUvod"));
    raspored->addWidget(ImageUvod);
    setFixedSize(Sirina, Visina);
}

void TFormUvodniProzor::Centriraj() {
    const QScreen* ekran = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!ekran) return;
    const QRect g = ekran->geometry();
    move(g.x() + PolozajZaCentriranje(g.width(), width()), g.y() + PolozajZaCentriranje(g.height(), height()));
}
