#include "IzvozMatricaProzora.h"

#include <QFileInfo>

#include <filesystem>
#include <functional>
#include <map>

#include "Dijalozi.h"
#include "Greska.h"
#include "IzvozMatrica.h"
#include "KontekstAnalize.h"
#include "Model.h"

namespace {

const QString FilterIzvoza =
    QStringLiteral("CSV (*.csv);;MATLAB/Octave (*.m);;NumPy (*.npy);;Matrix Market (*.mtx);;LaTeX (*.tex)");

// The chosen file and its format; nothing when the dialog was cancelled. Throws TGreska for an
// extension that names no format.
bool IzaberiFajl(TKontekstAnalize& k, const QString& naslov, std::string& put, TFormatIzvoza& f) {
    const QString izabran = k.Dijalozi().SnimiFajl(k.ProzorZaPoruke(), naslov, FilterIzvoza);
    if (izabran.isNull()) return false;
    const QString ekstenzija = QFileInfo(izabran).suffix().toLower();
    const auto format = ParsirajFormat(ekstenzija.toStdString());
    if (!format) throw TGreska("Nepoznat format: " + ekstenzija.toStdString() + " (csv, m, npy, mtx ili tex)!!!");
    put = izabran.toStdString();
    f = *format;
    return true;
}

std::vector<TImenovanaMatrica> Matrice(TKontekstAnalize& k) {
    std::vector<TImenovanaMatrica> v = SveMatriceMetode(k.Model(), k.Stanje());
    if (v.empty()) throw TGreska("Nema matrica za izvoz: prvo pokrenite analizu!!!");
    return v;
}

void Rukuj(TKontekstAnalize& k, const std::function<void()>& f) {
    try {
        f();
    } catch (const TGreska& e) {
        k.Dijalozi().Greska(k.ProzorZaPoruke(), QString::fromUtf8(e.what()));
    }
}

}  // namespace

void IzveziSveMatriceIzProzora(TKontekstAnalize& k) {
    Rukuj(k, [&] {
        const std::vector<TImenovanaMatrica> v = Matrice(k);
        std::string put;
        TFormatIzvoza f;
        if (!IzaberiFajl(k, QStringLiteral("Izvezi matrice"), put, f)) return;
        const std::string folder = std::filesystem::path(put).parent_path().string();
        const auto putevi = IzveziMatrice(v, folder.empty() ? "." : folder, f);
        k.Dijalozi().Informacija(k.ProzorZaPoruke(), QStringLiteral("Snimljeno je ") + QString::number(putevi.size()) +
                                                         QStringLiteral(" fajlova u ") +
                                                         QString::fromStdString(folder) + QStringLiteral("."));
    });
}

void IzveziMatricuIzProzora(TKontekstAnalize& k, const std::string& ime) {
    Rukuj(k, [&] {
        const auto m = NadjiMatricu(Matrice(k), ime);
        if (!m) throw TGreska("Matrica " + ime + " nije izracunata!!!");
        std::string put;
        TFormatIzvoza f;
        if (!IzaberiFajl(k, QStringLiteral("Izvezi matricu ") + QString::fromStdString(ime), put, f)) return;
        IzveziMatricu(*m, put, f);
    });
}

std::string ImeMatriceGrida(const QString& grid, TKontekstAnalize& k, int indeksStapa) {
    static const std::map<QString, std::string> globalne = {
        {QStringLiteral("StringGridK"), "K"},
        {QStringLiteral("StringGridKss"), "Kss"},
        {QStringLiteral("StringGridKso"), "Kso"},
        {QStringLiteral("StringGridKos"), "Kos"},
        {QStringLiteral("StringGridKoo"), "Koo"},
        {QStringLiteral("StringGridInvKss"), "invKss"},
        {QStringLiteral("StringGridSs"), "Ss"},
        {QStringLiteral("StringGridPs"), "Ps"},
        {QStringLiteral("StringGridQs"), "Qs"},
        {QStringLiteral("StringGridqsGKSUkupno"), "qs"},
        {QStringLiteral("StringGridqoGKS"), "qo"},
        {QStringLiteral("StringGridQoGKSReakcije"), "Qo"},
        {QStringLiteral("StringGridRoGKS"), "Ro"},
        {QStringLiteral("StringGridBrojeviNepoznatihPomeranja"), "s"},
        {QStringLiteral("StringGridBrojeviPoznatihPomeranja"), "o"},
    };
    static const std::map<QString, std::string> stapa = {
        {QStringLiteral("StringGridMT"), "T_"},
        {QStringLiteral("StringGridMKLKS"), "kLKS_"},
        {QStringLiteral("StringGridMKGKS"), "kGKS_"},
        {QStringLiteral("StringGridKodniBrojeviMKGKS"), "kodovi_"},
    };
    if (auto it = globalne.find(grid); it != globalne.end()) return it->second;
    auto it = stapa.find(grid);
    if (it == stapa.end() || indeksStapa < 0 || indeksStapa >= static_cast<int>(k.Model().nizStapova.size())) return {};
    return it->second + std::to_string(k.Model().nizStapova[static_cast<size_t>(indeksStapa)]->ID());
}
