#pragma once
// The load fields of the "Opterecenje" pages, built once here so that the pages and the load
// dialog of the plot show the same fields, with the same names, labels and defaults, and read them
// into the same editing commands.
#include <array>

#include "UredjivanjeCvorova.h"
#include "UredjivanjeOpterecenja.h"

class QFormLayout;
class QGroupBox;
class QLineEdit;
class QTabWidget;
class QVBoxLayout;
class QWidget;
class TCvor;
class TOpterecenje;

// The kinds of a member load, one tab each ("V" ... "sopstvena tezina"), in the order of the kinds.
class TPoljaVrstaOpterecenja {
public:
    // The tab widget is made without a parent; whoever places it owns it.
    TPoljaVrstaOpterecenja();
    QTabWidget* Tabovi() const { return tabovi; }
    // The layout of a kind's tab, open at its end for the buttons of whoever shows it.
    QVBoxLayout* Raspored(int tip) const;
    // The value fields of a kind's tab, in the tab's order; nullptr past its last field.
    std::array<QLineEdit*, 4> PoljaVrste(int tip) const;
    TPoljaOpterecenja Tekstovi(int tip) const;
    // The kind of the tab in front.
    int Vrsta() const;
    // Brings the load's kind to the front with its values in the fields.
    void Prikazi(const TOpterecenje& o) const;

private:
    void NapraviOsnovne();
    void NapraviDodatne();
    QFormLayout* NovaVrsta(int tip, const char* ime, const char* natpis, std::initializer_list<const char*> naslovi);

    QTabWidget* tabovi = nullptr;
    std::array<QWidget*, BrojVrstaOpterecenja> stranice{};
    std::array<std::array<QLineEdit*, 4>, BrojVrstaOpterecenja> polja{};
};

// The node-load fields: the forces and moment, and the prescribed displacements of the supports.
class TPoljaCvornogOpterecenja {
public:
    // "Px", "Pz", "My" as rows of `forma`.
    void DodajSile(QFormLayout* forma);
    // The group "Zadata pomeranja oslonaca", fields disabled until a node shows which apply.
    QGroupBox* NapraviZadata();
    // The node's loads in the fields; a direction without its support is disabled and shows 0.
    void Prikazi(TCvor& cvor) const;
    TPoljaOpterecenjaCvora Tekstovi() const;
    QLineEdit* Px() const { return px; }

private:
    QLineEdit* px = nullptr;
    QLineEdit* pz = nullptr;
    QLineEdit* my = nullptr;
    QLineEdit* ux = nullptr;
    QLineEdit* uz = nullptr;
    QLineEdit* fiy = nullptr;
};
