#pragma once
// Small builders shared by the editing pages: every named control gets its name as objectName and
// accessible description, and every field a visible label as its buddy.
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QString>
#include <QVBoxLayout>
#include <QWidget>
#include <string>
#include <vector>

namespace stranice_modela {

inline QString Q(const std::string& s) { return QString::fromStdString(s); }
inline std::string S(const QLineEdit* e) { return e->text().toStdString(); }

template <class W>
W* Imenuj(W* w, const char* ime) {
    w->setObjectName(QString::fromLatin1(ime));
    w->setAccessibleDescription(QString::fromLatin1(ime));
    return w;
}

inline QLineEdit* Polje(const char* ime, const char* tekst) {
    auto* e = Imenuj(new QLineEdit(QString::fromLatin1(tekst)), ime);
    e->setMinimumWidth(120);
    return e;
}

inline QComboBox* Spisak(const char* ime) {
    auto* c = Imenuj(new QComboBox, ime);
    c->setEditable(false);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    c->setMinimumContentsLength(12);
    return c;
}

inline QPushButton* Dugme(const char* ime, const char* tekst) {
    return Imenuj(new QPushButton(QString::fromLatin1(tekst)), ime);
}

// A form row whose label is the field's buddy; long labels wrap above their field.
inline QLabel* Red(QFormLayout* forma, const char* oznaka, QWidget* polje) {
    auto* l = new QLabel(QString::fromLatin1(oznaka));
    l->setBuddy(polje);
    forma->addRow(l, polje);
    return l;
}

inline QFormLayout* Forma(QGroupBox* grupa) {
    auto* f = new QFormLayout(grupa);
    f->setRowWrapPolicy(QFormLayout::WrapLongRows);
    f->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
    return f;
}

inline QHBoxLayout* RedDugmadi(std::initializer_list<QPushButton*> dugmad) {
    auto* h = new QHBoxLayout;
    for (auto* d : dugmad) h->addWidget(d);
    return h;
}

// The layout of a page whose content scrolls, with a visible scroll bar, when the window is too
// short for it.
inline QVBoxLayout* SadrzajSaKlizacem(QWidget* strana) {
    auto* spolja = new QVBoxLayout(strana);
    spolja->setContentsMargins(0, 0, 0, 0);
    auto* klizac = new QScrollArea(strana);
    klizac->setObjectName(strana->objectName() + QStringLiteral("Klizac"));
    klizac->setWidgetResizable(true);
    klizac->setFrameShape(QFrame::NoFrame);
    klizac->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* sadrzaj = new QWidget;
    klizac->setWidget(sadrzaj);
    spolja->addWidget(klizac);
    return new QVBoxLayout(sadrzaj);
}

// Selects an item and shows it through the list's own change handler.
inline void PokaziStavku(QComboBox* c, int indeks) {
    if (indeks >= 0 && indeks < c->count() && c->currentIndex() != indeks) c->setCurrentIndex(indeks);
}

inline void Izaberi(QComboBox* c, int indeks) {
    const QSignalBlocker blokada(c);
    c->setCurrentIndex(indeks);
}

}  // namespace stranice_modela

// Creates the control held by the member of the same name, named after it.
#define VELT_POLJE(ime, tekst) (ime = stranice_modela::Polje(#ime, tekst))
#define VELT_SPISAK(ime) (ime = stranice_modela::Spisak(#ime))
#define VELT_DUGME(ime, tekst) (ime = stranice_modela::Dugme(#ime, tekst))
#define VELT_STRANICA(ime) (ime = stranice_modela::Imenuj(new QWidget, #ime))
