#pragma once
#include <QWidget>

#include <optional>

#include "PokretniTeret.h"
#include "UticajneLinije.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class TKontekstAnalize;
class TPlotChart;

// The "Uticajne linije" tab of "Ulaz/Izlaz": the quantity and its section (typed, or by a click on
// a member of the plot) or node, the members the load travels over ("put opterecenja"), the line
// drawn on the structure with its values (in a window of its own, the page being narrow), the
// ordinates at the stations, the ordinate under the mouse, and a load train with its extreme
// positions. Each "Prikazi" analyses a copy of the model
// of its own, so the line always describes the model as it is.
class TTabUticajneLinije : public QWidget {
    Q_OBJECT
public:
    explicit TTabUticajneLinije(TKontekstAnalize& kontekst, QWidget* parent = nullptr);

    QComboBox* ComboBoxUticajVelicina = nullptr;
    QLineEdit* EditUticajStap = nullptr;
    QLineEdit* EditUticajX = nullptr;
    QLineEdit* EditUticajCvor = nullptr;
    QLineEdit* EditPutOpterecenja = nullptr;
    QCheckBox* CheckBoxTeretX = nullptr;
    QComboBox* ComboBoxVoz = nullptr;
    QLineEdit* EditVoz = nullptr;
    QPushButton* ButtonPrikaziUticaj = nullptr;
    QPushButton* ButtonSacuvajUticaj = nullptr;
    TPlotChart* PlotChartUticaj = nullptr;
    QTableWidget* TabelaUticaja = nullptr;
    QLabel* LabelVoz = nullptr;
    QLabel* LabelUticajPodMisem = nullptr;

    // Computes and shows the line of the fields; false (with the message shown) when it cannot.
    bool Prikazi();
    void SacuvajGrafik();
    // The section at a pixel of the plot, as a click there takes it.
    void KlikNaGrafik(int px, int py);
    void MisNaGrafiku(int px, int py);

protected:
    bool eventFilter(QObject* o, QEvent* e) override;

private:
    TKontekstAnalize& kontekst;
    QWidget* prozorGrafika = nullptr;  // the plot and the ordinate under the mouse
    std::optional<TUticajnaLinija> linija;
    TZahtevUticaja zahtev;

    TZahtevUticaja ZahtevIzPolja() const;
    void Nacrtaj(const std::optional<TVoz>& voz, const std::optional<TEkstremiVoza>& e);
    void PopuniTabelu();
    void IzaberiVoz(int i);
};
