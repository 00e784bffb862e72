#include "ModelSpiska.h"

#include <QSignalBlocker>

#include <memory>

int TModelSpiska::rowCount(const QModelIndex& roditelj) const {
    return roditelj.isValid() ? 0 : static_cast<int>(tekstovi.size());
}

QVariant TModelSpiska::data(const QModelIndex& indeks, int uloga) const {
    if (!indeks.isValid() || indeks.row() < 0 || static_cast<size_t>(indeks.row()) >= tekstovi.size()) return {};
    if (uloga != Qt::DisplayRole && uloga != Qt::EditRole) return {};
    return QString::fromStdString(tekstovi[static_cast<size_t>(indeks.row())]);
}

void TModelSpiska::Prikazi(QComboBox* lista) {
    if (lista->model() == this) return;
    const QSignalBlocker blokada(lista);
    lista->setModel(this);
    liste.emplace_back(lista);
}

void TModelSpiska::Popuni(std::vector<std::string> novi) {
    // Every list follows the reset on its own; none may run its handler before all of them show
    // the new texts.
    std::vector<std::unique_ptr<QSignalBlocker>> blokade;
    for (QComboBox* l : liste)
        if (l) blokade.push_back(std::make_unique<QSignalBlocker>(l));
    beginResetModel();
    tekstovi = std::move(novi);
    endResetModel();
    for (QComboBox* l : liste)
        if (l) l->setCurrentIndex(tekstovi.empty() ? -1 : 0);
}
