#pragma once
#include <QAbstractListModel>
#include <QComboBox>
#include <QPointer>

#include <string>
#include <vector>

// The texts of one selection list of the pages (all nodes, all members, ...), held once for every
// list that shows them. Refilling it is one reset, whatever its length; a list reads an item's text
// only when it draws or is asked for it.
class TModelSpiska : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    int rowCount(const QModelIndex& roditelj = {}) const override;
    QVariant data(const QModelIndex& indeks, int uloga = Qt::DisplayRole) const override;

    // Makes `lista` show these texts from now on.
    void Prikazi(QComboBox* lista);
    // Puts the texts into every list that shows them, without running their change handlers; each
    // list selects its first item, or none when the texts are empty.
    void Popuni(std::vector<std::string> tekstovi);

private:
    std::vector<std::string> tekstovi;
    std::vector<QPointer<QComboBox>> liste;
};
