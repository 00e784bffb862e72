#pragma once
// Waiting, in the window tests, for a run started from the window to show its outcome.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>

#include "UnitGlavniProzor.h"

// Lets the window handle what its run posts until the busy state is over.
inline void SacekajAnalizu(const TFormGlavniProzor& w, int sekundi = 120) {
    QElapsedTimer t;
    t.start();
    while (w.Zauzet() && t.elapsed() < sekundi * 1000) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    ASSERT_FALSE(w.Zauzet()) << "the run did not end";
    QCoreApplication::processEvents();
}
