#pragma once
#include <QGroupBox>

#include "Podesavanja.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class TFormGlavniProzor;
class TPlotChart;

// The "Dijagrami" group of the "Grafik" page: which force diagram the plot shows ("bez", "N", "T",
// "M"), whether the deformed shape is the exact deflected line, and the diagram multiplier. The
// controls change the settings through the window's document, whose announcement redraws the plot.
class TGrupaDijagrama : public QGroupBox {
    Q_OBJECT
public:
    TGrupaDijagrama(TFormGlavniProzor& prozor, QWidget* parent = nullptr);

    QComboBox* ComboBoxDijagrami = nullptr;
    QCheckBox* CheckBoxLinijaDeformacije = nullptr;
    QLineEdit* EditMnozilacDijagrama = nullptr;

    // The controls from the settings (after a model was read, on New, after the drawing replaced
    // a multiplier that is not a number); no redraw.
    void PrikazUKontrole(const TPrikaz& p);

private:
    void Promena();

    TFormGlavniProzor& prozor;
    bool punim = false;
};

// While a diagram or the deflected line is shown, a tooltip on the plot tells the member under the
// mouse, the position along it and the values there.
void PratiDijagramePodMisem(TFormGlavniProzor& prozor, TPlotChart& plot);
