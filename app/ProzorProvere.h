#pragma once
#include <QDialog>

#include <vector>

#include "MatriceMetode.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QTableWidget;
class TKontekstAnalize;

// "Provera": the student's own matrix or vector, pasted or typed (tab-, semicolon- or
// comma-separated) or read from a CSV file, compared with the computed one at a relative
// tolerance. The table shows the computed matrix with every differing cell marked, and the label
// says how many differ and the largest difference. The matrices are taken when it opens.
class TProzorProvere : public QDialog {
    Q_OBJECT
public:
    // Throws TGreska when there are no results.
    TProzorProvere(TKontekstAnalize& kontekst, QWidget* parent = nullptr);

    void Uporedi();
    void UcitajFajl();

    QComboBox* ComboBoxProveraMatrica = nullptr;
    QPlainTextEdit* MemoProvera = nullptr;
    QLineEdit* EditTolerancija = nullptr;
    QPushButton* ButtonUporedi = nullptr;
    QPushButton* ButtonIzFajla = nullptr;
    QLabel* LabelProvera = nullptr;
    QTableWidget* TabelaProvera = nullptr;

private:
    void PrikaziMatricu(const TImenovanaMatrica& m);

    TKontekstAnalize& kontekst;
    std::vector<TImenovanaMatrica> matrice;
};

void OtvoriProveru(TKontekstAnalize& kontekst, QWidget* roditelj);
