#pragma once
#include <QDialog>

class QTabWidget;
class QPushButton;

// The help window: the global coordinate system and the positive sense of every member-load kind.
class TFormPomoc : public QDialog {
    Q_OBJECT
public:
    explicit TFormPomoc(QWidget* parent = nullptr);

    QTabWidget* PageControlPomoc = nullptr;
    QPushButton* ButtonZatvori = nullptr;
};

// The section-properties window: three pages of tables of cross-section properties.
class TFormFormGeometrijskeKarakteristikePreseka : public QDialog {
    Q_OBJECT
public:
    explicit TFormFormGeometrijskeKarakteristikePreseka(QWidget* parent = nullptr);

    QTabWidget* PageControlPreseci = nullptr;
};
