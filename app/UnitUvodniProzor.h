#pragma once
#include <QWidget>

class TSlika;

// The splash window: one picture, no border, on top of everything while the program starts.
class TFormUvodniProzor : public QWidget {
    Q_OBJECT
public:
    static constexpr int Sirina = 638;
    static constexpr int Visina = 395;

    explicit TFormUvodniProzor(QWidget* parent = nullptr);
    // Centres the window on the screen with the truncating rule of the original placement.
    void Centriraj();

    TSlika* ImageUvod = nullptr;
};

// trunc(ekran * 0.5 - prozor * 0.5): the position that centres a window on one axis.
int PolozajZaCentriranje(int ekran, int prozor);
