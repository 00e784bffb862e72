// "Vise stapova" of the member-load page kept in step with the members selected on the plot.
#include <QListWidget>
#include <QSignalBlocker>

#include <unordered_set>

#include "KontekstUredjivanja.h"
#include "StraniceModela.h"
#include "StraniceModelaPomoc.h"

using namespace stranice_modela;

int TStraniceModela::VrstaOpterecenjaStapa() const { return vrste->Vrsta(); }

void TStraniceModela::PopuniStapoveZaOpterecenje(const std::vector<std::string>& tekstovi) {
    // Refilling is no pick of the user's: the plot keeps its selection.
    const QSignalBlocker blokada(ListBoxStapoviZaOpterecenje);
    ListBoxStapoviZaOpterecenje->clear();
    QStringList stavke;
    stavke.reserve(static_cast<qsizetype>(tekstovi.size()));
    for (const auto& t : tekstovi) stavke.push_back(Q(t));
    ListBoxStapoviZaOpterecenje->addItems(stavke);  // in one go: a large model's list would take long item by item
    if (stapoviZaOpterecenje.empty()) return;
    const auto& stapovi = kontekst.Model().nizStapova;
    const std::unordered_set<int> izabrani(stapoviZaOpterecenje.begin(), stapoviZaOpterecenje.end());
    for (size_t i = 0; i < tekstovi.size() && i < stapovi.size(); ++i)
        if (izabrani.count(stapovi[i]->ID())) ListBoxStapoviZaOpterecenje->item(static_cast<int>(i))->setSelected(true);
}

void TStraniceModela::IzaberiStapoveZaOpterecenje(const std::vector<int>& idStapova) {
    stapoviZaOpterecenje = idStapova;
    const QSignalBlocker blokada(ListBoxStapoviZaOpterecenje);
    const auto& stapovi = kontekst.Model().nizStapova;
    const std::unordered_set<int> izabrani(idStapova.begin(), idStapova.end());
    for (int i = 0; i < ListBoxStapoviZaOpterecenje->count(); ++i) {
        const bool izabran = size_t(i) < stapovi.size() && izabrani.count(stapovi[size_t(i)]->ID());
        ListBoxStapoviZaOpterecenje->item(i)->setSelected(izabran);
    }
}

void TStraniceModela::ListBoxStapoviZaOpterecenjeChange() {
    const auto& stapovi = kontekst.Model().nizStapova;
    stapoviZaOpterecenje.clear();
    for (int i = 0; i < ListBoxStapoviZaOpterecenje->count(); ++i)
        if (ListBoxStapoviZaOpterecenje->item(i)->isSelected() && size_t(i) < stapovi.size())
            stapoviZaOpterecenje.push_back(stapovi[size_t(i)]->ID());
    if (naIzboruStapova) naIzboruStapova(stapoviZaOpterecenje);
}
