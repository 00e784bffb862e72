// The plot surface as a widget: screen painting, mouse input and cursors.
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QWheelEvent>

#include "PlotChart.h"

TCustomPlotChart::TCustomPlotChart(QWidget* parent) : QWidget(parent) {
    // Every pixel is painted by us; mouse moves without a button feed the mouse position.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

TPlotChart::TPlotChart(QWidget* parent) : TCustomPlotChart(parent) {
    WindColor = palette().color(QPalette::Button).rgb() & 0xFFFFFF;
    PostaviVelicinu(width(), height());
}

void TPlotChart::paintEvent(QPaintEvent*) {
    const qreal razmera = devicePixelRatioF();
    TStanjeCrteza stanje = StanjeCrteza(width(), height());
    if (slika.isNull() || razmera != razmeraSlike || !(stanje == stanjeSlike)) {
        slika = QImage((QSizeF(size()) * razmera).toSize(), QImage::Format_RGB32);
        slika.setDevicePixelRatio(razmera);
        // Texts are sized by the device's resolution: the picture takes the widget's.
        slika.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
        slika.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
        QPainter s(&slika);
        Nacrtaj(s, rect());
        stanjeSlike = std::move(stanje);
        razmeraSlike = razmera;
    }
    QPainter p(this);
    p.drawImage(QPoint(0, 0), slika);
    if (alat) alat->CrtajPreko(p);
}

void TPlotChart::PostaviAlat(TAlatGrafika* a) {
    alat = a;
    pritisnut = false;
    preskociSledeci = false;
    // A tool hears Escape once the plot was clicked.
    setFocusPolicy(a ? Qt::ClickFocus : Qt::NoFocus);
    update();
}

void TPlotChart::leaveEvent(QEvent* e) {
    if (alat) alat->Napusten();
    TCustomPlotChart::leaveEvent(e);
}

void TPlotChart::keyPressEvent(QKeyEvent* e) {
    if (alat && alat->Taster(e->key())) return;
    TCustomPlotChart::keyPressEvent(e);
}

bool TPlotChart::SrednjeDugme(QMouseEvent* e, bool pritisak) {
    if (e->button() != Qt::MiddleButton) return false;
    const QPoint t = e->position().toPoint();
    if (pritisak && !srednjeVuce) {
        srednjeVuce = true;
        akcijaPreSrednjeg = MouseAction();
        SetMouseAction(maPan);
        MisPomeren(t.x(), t.y(), true);
        setCursor(Qt::ClosedHandCursor);
    } else if (!pritisak && srednjeVuce) {
        srednjeVuce = false;
        MisPomeren(t.x(), t.y(), false);
        SetMouseAction(akcijaPreSrednjeg);
        if (alat) setCursor(Qt::CrossCursor);
        else PostaviKursor(t.x(), t.y());
    }
    return true;
}

void TPlotChart::mousePressEvent(QMouseEvent* e) {
    if (SrednjeDugme(e, true)) return;
    modifikatori = e->modifiers();
    if (alat) {
        const QPoint t = e->position().toPoint();
        alat->Pritisnut(t.x(), t.y(), e->button());
        return;
    }
    if (e->button() == Qt::RightButton) {
        const QPoint t = e->position().toPoint();
        if (OnDesniKlik) OnDesniKlik(t.x(), t.y());
        return;
    }
    if (preskociSledeci) {
        preskociSledeci = false;
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    pritisnut = true;
    MisPritisnut();
}

void TPlotChart::mouseMoveEvent(QMouseEvent* e) {
    const QPoint t = e->position().toPoint();
    if (srednjeVuce) {
        MisPomeren(t.x(), t.y(), true);
        return;
    }
    MisPomeren(t.x(), t.y(), !alat && (e->buttons() & Qt::LeftButton));
    if (alat) {
        setCursor(Qt::CrossCursor);
        alat->Pomeren(t.x(), t.y(), e->buttons());
        return;
    }
    PostaviKursor(t.x(), t.y());
}

void TPlotChart::mouseReleaseEvent(QMouseEvent* e) {
    if (SrednjeDugme(e, false)) return;
    if (alat) {
        const QPoint t = e->position().toPoint();
        alat->Pusten(t.x(), t.y(), e->button());
        return;
    }
    if (preskociSledeci) {
        preskociSledeci = false;
        pritisnut = false;
        return;
    }
    if (e->button() != Qt::LeftButton) return;
    MisPusten();
    const bool klik = pritisnut && rect().contains(e->position().toPoint());
    pritisnut = false;
    if (klik && OnClick) OnClick();
}

void TPlotChart::mouseDoubleClickEvent(QMouseEvent* e) {
    if (alat) {
        const QPoint t = e->position().toPoint();
        if (e->button() == Qt::LeftButton) alat->DvostrukiKlik(t.x(), t.y());
        return;
    }
    preskociSledeci = true;
}

void TPlotChart::wheelEvent(QWheelEvent* e) {
    const QPoint t = e->position().toPoint();
    TockicMisa(t.x(), t.y(), e->angleDelta().y() / 120.0);
    e->accept();
}

void TPlotChart::resizeEvent(QResizeEvent*) {
    PostaviVelicinu(width(), height());
    if (OnResize) OnResize();
}

namespace {

// A magnifying glass; the toolkit has no zoom cursor of its own.
QCursor ZoomKursor() {
    QPixmap slika(24, 24);
    slika.fill(Qt::transparent);
    QPainter p(&slika);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 4));
    p.drawEllipse(QRectF(2, 2, 13, 13));
    p.drawLine(QPointF(13, 13), QPointF(21, 21));
    p.setPen(QPen(Qt::black, 2));
    p.drawEllipse(QRectF(2, 2, 13, 13));
    p.drawLine(QPointF(13, 13), QPointF(21, 21));
    p.drawLine(QPointF(5.5, 8.5), QPointF(11.5, 8.5));
    p.drawLine(QPointF(8.5, 5.5), QPointF(8.5, 11.5));
    p.end();
    return QCursor(slika, 8, 8);
}

}  // namespace

void TPlotChart::PostaviKursor(int px, int py) {
    switch (KursorNa(px, py)) {
        case TKursor::Strelica: setCursor(Qt::ArrowCursor); break;
        case TKursor::Krst: setCursor(Qt::CrossCursor); break;
        case TKursor::Ruka: setCursor(Qt::OpenHandCursor); break;
        case TKursor::Zoom: {
            // Never destroyed: a pixmap must not outlive the application object, which a static
            // destroyed at exit would.
            static const QCursor* zoom = new QCursor(ZoomKursor());
            setCursor(*zoom);
            break;
        }
    }
}
