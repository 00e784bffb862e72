#pragma once
// The real main window shown at its designed size with a fixed view of 0..10 on both axes, and
// mouse events sent to its plot at world points.
#include <QApplication>
#include <QMouseEvent>

#include <memory>

#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

struct TProzorNaEkranu {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    TPlotChart* plot;
    TProzorNaEkranu() {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(QStringList(), std::move(dijalozi));
        w->setWindowState(Qt::WindowNoState);
        w->resize(918, 561);
        w->show();
        QApplication::processEvents();
        plot = w->PlotChartGrafik;
        // A fixed view: the plot must not refit itself while a test computes pixels.
        w->CheckBoxZoomURealnomVremenu->setChecked(false);
        plot->Scale1X.PostaviOpseg(0, 10);
        plot->Scale1Y.PostaviOpseg(0, 10);
    }
    QPoint Piksel(double x, double z) const { return {plot->XUPiksel(x), plot->YUPiksel(z)}; }
    void Mis(QEvent::Type tip, QPoint t, Qt::MouseButton dugme, Qt::MouseButtons dugmad) {
        QMouseEvent e(tip, QPointF(t), plot->mapToGlobal(QPointF(t)), dugme, dugmad, Qt::NoModifier);
        QApplication::sendEvent(plot, &e);
    }
    void Klik(QPoint t, Qt::MouseButton dugme = Qt::LeftButton) {
        Mis(QEvent::MouseMove, t, Qt::NoButton, Qt::NoButton);
        Mis(QEvent::MouseButtonPress, t, dugme, dugme);
        Mis(QEvent::MouseButtonRelease, t, dugme, Qt::NoButton);
    }
    void Klik(double x, double z) { Klik(Piksel(x, z)); }
};
