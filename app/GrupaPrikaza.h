#pragma once
#include <QGroupBox>

#include <functional>

#include "SekcijaPrikaza.h"

class QCheckBox;

// The group "Prikaz" of the "Grafik" page: equal scale, engineering symbols and the diagram scale
// that follows the view. Each box hands its
// option to `postavi`, which changes the settings through their owner (who then redraws); the
// settings travel with the model.
class TGrupaPrikaza : public QGroupBox {
    Q_OBJECT
public:
    using TPostavi = std::function<void(bool TPrikaz::*polje, bool da)>;
    TGrupaPrikaza(const TPrikaz& prikaz, TPostavi postavi, QWidget* roditelj = nullptr);
    // The boxes from the settings, without a redraw (after the settings changed elsewhere).
    void IzPodesavanja();

    QCheckBox* CheckBoxJednakaRazmera = nullptr;
    QCheckBox* CheckBoxSimboli = nullptr;
    QCheckBox* CheckBoxPrilagodiRazmeruPrikazu = nullptr;

private:
    const TPrikaz& prikaz;
    TPostavi postavi;
};
