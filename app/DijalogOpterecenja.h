#pragma once
#include <QDialog>

#include <functional>
#include <memory>

#include "PoljaOpterecenja.h"

class QLabel;
class QLineEdit;
class QVBoxLayout;

// "Dodaj opterecenje" of the plot's context menu: the load fields of the "Opterecenje" pages for
// one node or for the members named in its caption line. "OK" runs `primeni`; while it refuses
// (its message already shown) the dialog stays open with what was typed.
class TDijalogOpterecenja : public QDialog {
public:
    TDijalogOpterecenja(QWidget* roditelj, const QString& opis);
    ~TDijalogOpterecenja() override;

    // The member-load fields: the name, then the kinds with `vrsta` in front.
    void ZaStap(const QString& ime, int vrsta);
    // The node-load fields, showing the node's loads.
    void ZaCvor(TCvor& cvor);

    const TPoljaVrstaOpterecenja* Vrste() const { return vrste.get(); }
    const TPoljaCvornogOpterecenja* Cvorna() const { return cvorna.get(); }
    QLineEdit* Ime() const { return ime; }

    std::function<bool()> primeni;
    void accept() override;

private:
    QVBoxLayout* sadrzaj = nullptr;
    QLineEdit* ime = nullptr;
    std::unique_ptr<TPoljaVrstaOpterecenja> vrste;
    std::unique_ptr<TPoljaCvornogOpterecenja> cvorna;
};
