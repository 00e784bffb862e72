#include "Slika.h"

#include <QPainter>

#include "JpegDekoder.h"

TSlika::TSlika(const QString& imeFajla, QSize podrazumevanaVelicina, QWidget* parent)
    : QWidget(parent),
      slika(UcitajJpeg(PutanjaSlike(imeFajla))),
      velicina(podrazumevanaVelicina) {
    if (!slika.isNull()) velicina = slika.size();
    setMinimumSize(velicina);
}

QSize TSlika::sizeHint() const { return velicina; }

void TSlika::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), Qt::white);
    if (!slika.isNull()) p.drawImage(QPoint((width() - slika.width()) / 2, (height() - slika.height()) / 2), slika);
}
