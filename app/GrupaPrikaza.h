#pragma once
#include <QGroupBox>

#include <functional>

#include "SekcijaPrikaza.h"

class QCheckBox;

// The group "Prikaz" of the "Grafik" page: equal scale and engineering symbols. Each box writes
// its option into the settings and redraws; the settings travel with the model.
class TGrupaPrikaza : public QGroupBox {
    Q_OBJECT
public:
    TGrupaPrikaza(TPrikaz& prikaz, std::function<void()> crtaj, QWidget* roditelj = nullptr);
    // The boxes from the settings, without a redraw (after a model is read or a new one started).
    void IzPodesavanja();

    QCheckBox* CheckBoxJednakaRazmera = nullptr;
    QCheckBox* CheckBoxSimboli = nullptr;

private:
    TPrikaz& prikaz;
    std::function<void()> crtaj;
};
