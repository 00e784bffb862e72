#pragma once
// The main window in a test: one window with scripted boxes, menu and control look-ups, and
// model files written byte by byte.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTextStream>

#include <memory>

#include "PlotChart.h"
#include "PomocniProzora.h"
#include "UnitGlavniProzor.h"

namespace {

const QString primer = QStringLiteral(VELT_EXAMPLES_DIR "/portalni-ram.velt");

struct TProzor {
    TLazniDijalozi* d;
    std::unique_ptr<TFormGlavniProzor> w;
    explicit TProzor(const QStringList& argumenti = {}) {
        OsigurajAplikaciju();
        auto dijalozi = std::make_unique<TLazniDijalozi>();
        d = dijalozi.get();
        w = std::make_unique<TFormGlavniProzor>(argumenti, std::move(dijalozi));
    }
    void Meni(const char* ime) {
        QAction* a = w->findChild<QAction*>(QString::fromLatin1(ime));
        ASSERT_NE(a, nullptr) << ime;
        a->trigger();
    }
    template <class T>
    T* Kontrola(const char* ime) {
        return w->findChild<T*>(QString::fromLatin1(ime));
    }
};

// Not every test that includes this header uses every helper.
[[maybe_unused]] QByteArray Procitaj(const QString& putanja) {
    QFile f(putanja);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

[[maybe_unused]] void Zapisi(const QString& putanja, const QByteArray& sadrzaj) {
    QFile f(putanja);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    f.write(sadrzaj);
}

// A CVOR record: free node with no loads, code numbers 3*id+1 ...
[[maybe_unused]] QByteArray Cvor(int id, const char* x, const char* z) {
    QByteArray r = QByteArray::number(id) + "\r\n" + x + "\r\n" + z + "\r\n";
    r += "FALSE\r\nFALSE\r\nFALSE\r\n0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    r += QByteArray::number(3 * id + 1) + "\r\n" + QByteArray::number(3 * id + 2) + "\r\n" +
         QByteArray::number(3 * id + 3) + "\r\n";
    r += "0\r\n0\r\n0\r\n0\r\n0\r\n0\r\n";
    return r;
}

// Three nodes spanning X 0..10 and Z 0..5, and the settings block given.
[[maybe_unused]] QByteArray TriCvora(const QByteArray& ostalo) {
    return "CVOR\r\n-\r\n" + Cvor(0, "0", "0") + "-\r\n" + Cvor(1, "10", "0") + "-\r\n" + Cvor(2, "10", "5") +
           "--\r\nOSTALO\r\n" + ostalo;
}

const QByteArray podrazumevanoOstalo =
    "1."
    "0\r\n100\r\nTRUE\r\nFALSE\r\nTRUE\r\nTRUE\r\nTRUE\r\nFALSE\r\nTRUE\r\nTRUE\r\nTRUE\r\nFALSE\r\nTRUE\r\n4\r\n0\r\n";

}  // namespace
