#include "TabelaMatrice.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>

#include "Brojevi.h"
#include "ZapisBroja.h"

namespace {

QString UTekst(long double v) { return QString::fromStdString(FormatBroja(v)); }

// Draws a cell's text with a two-pixel margin and no eliding, so a column fitted to "text width
// + 5" shows its widest number whole; the toolkit's own delegate keeps wider margins.
class TDelegatCelije : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcije, const QModelIndex& indeks) const override {
        const bool izabrana = opcije.state & QStyle::State_Selected;
        if (izabrana) p->fillRect(opcije.rect, opcije.palette.highlight());
        p->setPen(izabrana ? opcije.palette.highlightedText().color() : opcije.palette.text().color());
        p->setFont(opcije.font);
        p->drawText(opcije.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    indeks.data(Qt::DisplayRole).toString());
    }
};

}  // namespace

// ---- TTabelaMatrice ----

TTabelaMatrice::TTabelaMatrice(bool fiksniPrviRed, QObject* parent)
    : QAbstractTableModel(parent),
      fiksniPrviRed(fiksniPrviRed) {}

const TMatrix* TTabelaMatrice::TBlokMatrice::Matrica() const {
    if (sopstvena) return sopstvena.get();
    if (!slot || slot->get() != ocekivana || !ocekivana) return nullptr;
    if (ocekivana->NrOfColumns() != brojKolona || ocekivana->NrOfRows() != brojRedova) return nullptr;
    return ocekivana;
}

long double TTabelaMatrice::TBlokMatrice::Vrednost(double v) const {
    switch (skaliranje) {
        case TSkaliranje::Podeljeno: return static_cast<long double>(v) / c;
        case TSkaliranje::Pomnozeno: return static_cast<long double>(v) * c;
        default: return v;
    }
}

TTabelaMatrice::TSadrzaj TTabelaMatrice::Sadrzaj(int k, int r) const {
    TSadrzaj s;
    if (!UGranicama(k, r)) return s;
    if (auto it = tekstovi.find({k, r}); it != tekstovi.end()) {
        s.tekst = &it->second;
        return s;
    }
    for (auto b = brojevi.rbegin(); b != brojevi.rend(); ++b) {
        const int i = b->vodoravno ? (r == b->r0 ? k - b->k0 : -1) : (k == b->k0 ? r - b->r0 : -1);
        if (i < 0 || i >= b->Duzina()) continue;
        if (b->realni.empty()) s.ceo = b->celi[i];
        else s.realan = b->realni[i];
        return s;
    }
    for (auto b = matrice.rbegin(); b != matrice.rend(); ++b) {
        const int mk = k - b->k0 + 1, mr = r - b->r0 + 1;
        if (mk < 1 || mk > b->brojKolona || mr < 1 || mr > b->brojRedova) continue;
        if (b->izvor) s.realan = b->Vrednost(b->izvor->Element(mk, mr));
        else if (const TMatrix* m = b->Matrica()) s.realan = b->Vrednost(m->Elem(mk, mr));
        return s;
    }
    return s;
}

QString TTabelaMatrice::Celija(int k, int r) const {
    const TSadrzaj s = Sadrzaj(k, r);
    if (s.tekst) return *s.tekst;
    if (s.ceo) return QString::number(*s.ceo);
    if (s.realan) return Realan(*s.realan);
    return {};
}

QString TTabelaMatrice::Realan(long double v) const {
    return cifara > 0 ? QString::fromStdString(ZapisSaCiframa(static_cast<double>(v), cifara)) : UTekst(v);
}

void TTabelaMatrice::PostaviBrojCifara(int c) {
    if (c != cifara) Promena([&] { cifara = c; });
}

QString TTabelaMatrice::TacnaCelija(int k, int r) const {
    const TSadrzaj s = Sadrzaj(k, r);
    if (s.realan) return QString::fromStdString(TacanZapis(static_cast<double>(*s.realan)));
    return Celija(k, r);
}

void TTabelaMatrice::Promena(const std::function<void()>& f) {
    beginResetModel();
    f();
    endResetModel();
}

void TTabelaMatrice::Isprazni() {
    Promena([&] {
        matrice.clear();
        brojevi.clear();
        if (fiksniPrviRed) {
            std::erase_if(tekstovi, [](const auto& t) { return t.first.second != 0; });
            redova = 2;
        } else {
            tekstovi.clear();
            kolona = redova = 1;
        }
    });
}

void TTabelaMatrice::Odseci() {
    std::erase_if(tekstovi, [&](const auto& t) { return !UGranicama(t.first.first, t.first.second); });
    std::erase_if(matrice,
                  [&](const TBlokMatrice& b) { return b.k0 + b.brojKolona > kolona || b.r0 + b.brojRedova > redova; });
    std::erase_if(brojevi, [&](const TBlokBrojeva& b) {
        return b.vodoravno ? (b.r0 >= redova || b.k0 + b.Duzina() > kolona)
                           : (b.k0 >= kolona || b.r0 + b.Duzina() > redova);
    });
}

void TTabelaMatrice::PostaviVelicinu(int brojKolona, int brojRedova) {
    Promena([&] {
        kolona = std::max(1, brojKolona);
        redova = std::max(1, brojRedova);
        Odseci();
    });
}

void TTabelaMatrice::IsprazniRed(int r) {
    Promena([&] {
        std::erase_if(tekstovi, [&](const auto& t) { return t.first.second == r; });
        std::erase_if(matrice, [&](const TBlokMatrice& b) { return r >= b.r0 && r < b.r0 + b.brojRedova; });
        std::erase_if(brojevi, [&](const TBlokBrojeva& b) {
            return b.vodoravno ? b.r0 == r : (r >= b.r0 && r < b.r0 + b.Duzina());
        });
    });
}

void TTabelaMatrice::PostaviMatricu(int k0, int r0, const std::unique_ptr<TMatrix>& slot, TSkaliranje s,
                                    long double c) {
    if (!slot) return;
    Promena([&] {
        TBlokMatrice b;
        b.slot = &slot;
        b.ocekivana = slot.get();
        b.k0 = k0;
        b.r0 = r0;
        b.brojKolona = slot->NrOfColumns();
        b.brojRedova = slot->NrOfRows();
        b.skaliranje = s;
        b.c = c;
        matrice.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviIzvor(int k0, int r0, std::shared_ptr<const TIzvorMatrice> izvor, TSkaliranje s,
                                  long double c) {
    if (!izvor) return;
    Promena([&] {
        TBlokMatrice b;
        b.brojKolona = izvor->BrojKolona();
        b.brojRedova = izvor->BrojRedova();
        b.izvor = std::move(izvor);
        b.k0 = k0;
        b.r0 = r0;
        b.skaliranje = s;
        b.c = c;
        matrice.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviSopstvenuMatricu(int k0, int r0, TMatrix m, TSkaliranje s, long double c) {
    Promena([&] {
        TBlokMatrice b;
        b.brojKolona = m.NrOfColumns();
        b.brojRedova = m.NrOfRows();
        b.sopstvena = std::make_shared<const TMatrix>(std::move(m));
        b.k0 = k0;
        b.r0 = r0;
        b.skaliranje = s;
        b.c = c;
        matrice.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviRealneUKolonu(int k, int r0, std::vector<long double> v) {
    Promena([&] {
        TBlokBrojeva b;
        b.k0 = k;
        b.r0 = r0;
        b.realni = std::move(v);
        brojevi.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviCeleUKolonu(int k, int r0, std::vector<int> v) {
    Promena([&] {
        TBlokBrojeva b;
        b.k0 = k;
        b.r0 = r0;
        b.celi = std::move(v);
        brojevi.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviCeleURed(int r, int k0, std::vector<int> v) {
    Promena([&] {
        TBlokBrojeva b;
        b.k0 = k0;
        b.r0 = r;
        b.vodoravno = true;
        b.celi = std::move(v);
        brojevi.push_back(std::move(b));
    });
}

void TTabelaMatrice::PostaviTekst(int k, int r, const QString& t) {
    Promena([&] { tekstovi[{k, r}] = t; });
}

int TTabelaMatrice::SirinaKolone(int k, int w, const TMeracSirine& merac) const {
    if (k < 0 || k >= kolona) return w;
    for (const auto& [polozaj, t] : tekstovi)
        if (polozaj.first == k) w = std::max(w, merac.Sirina(t));
    for (const TBlokBrojeva& b : brojevi) {
        const int n = b.Duzina();
        int od = 0, doo = n;
        if (b.vodoravno) {
            if (b.r0 >= redova || k < b.k0 || k >= b.k0 + n) continue;
            od = k - b.k0;
            doo = od + 1;
        } else {
            if (b.k0 != k) continue;
            doo = std::min(n, redova - b.r0);
        }
        for (int i = od; i < doo; ++i) {
            if (b.realni.empty()) {
                if (merac.GornjaGranicaCelog(b.celi[i]) > w) w = std::max(w, merac.Sirina(QString::number(b.celi[i])));
            } else {
                w = std::max(w, merac.Sirina(Realan(b.realni[i])));
            }
        }
    }
    for (const TBlokMatrice& b : matrice) {
        const int mk = k - b.k0 + 1;
        if (mk < 1 || mk > b.brojKolona) continue;
        const double* kol = nullptr;
        if (b.izvor) {
            kol = b.izvor->GustaKolona(mk);
            if (!kol) {
                w = SirinaKoloneIzvora(b, mk, w, merac);
                continue;
            }
        } else if (const TMatrix* m = b.Matrica()) {
            kol = m->Kolona(mk);
        } else {
            continue;
        }
        const int n = std::min(b.brojRedova, redova - b.r0);
        const bool bezSkaliranja = b.skaliranje == TSkaliranje::KaoIzracunato || b.c == 1.0L;
        const double c = static_cast<double>(b.c);
        for (int i = 0; i < n; ++i) {
            double v = kol[i];
            // The bound is taken from a double estimate of the shown value; the bound allows for
            // the estimate's exponent being one off.
            if (!bezSkaliranja) v = b.skaliranje == TSkaliranje::Podeljeno ? v / c : v * c;
            // The bound holds for the usual number form only; another digit count is measured.
            if (cifara == 0 && merac.GornjaGranicaReala(v) <= w) continue;
            w = std::max(w, merac.Sirina(Realan(b.Vrednost(kol[i]))));
        }
    }
    return w;
}

int TTabelaMatrice::SirinaKoloneIzvora(const TBlokMatrice& b, int mk, int w, const TMeracSirine& merac) const {
    const int n = std::min(b.brojRedova, redova - b.r0);
    if (n <= 0) return w;
    const bool bezSkaliranja = b.skaliranje == TSkaliranje::KaoIzracunato || b.c == 1.0L;
    const double c = static_cast<double>(b.c);
    int vidjenih = 0;
    const bool procitana = b.izvor->ZaKolonu(mk, [&](int r, double v) {
        if (r > n) return;
        ++vidjenih;
        const double prikazana = bezSkaliranja ? v : (b.skaliranje == TSkaliranje::Podeljeno ? v / c : v * c);
        if (cifara > 0 || merac.GornjaGranicaReala(prikazana) > w) w = std::max(w, merac.Sirina(Realan(b.Vrednost(v))));
    });
    if (!procitana) {
        // A column that costs a solve is not computed just to be measured: it gets the width of
        // the widest number in exponent form, the form the small entries of an inverse take.
        return std::max(w, merac.GornjaGranicaReala(-1.5e-10));
    }
    if (vidjenih < n) w = std::max(w, merac.Sirina(Realan(0.0L)));  // the entries not stored are zeros
    return w;
}

int TTabelaMatrice::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : redova - (fiksniPrviRed ? 1 : 0);
}

int TTabelaMatrice::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kolona; }

QVariant TTabelaMatrice::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) return {};
    const int k = index.column(), r = index.row() + (fiksniPrviRed ? 1 : 0);
    if (role == Qt::DisplayRole) return Celija(k, r);
    // The full value of a number, whatever the column shows of it.
    if (role == Qt::ToolTipRole && Sadrzaj(k, r).realan) return TacnaCelija(k, r);
    return {};
}

QVariant TTabelaMatrice::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole) return {};
    if (o == Qt::Horizontal && fiksniPrviRed) return Celija(section, 0);
    return {};
}

// ---- TStringGrid ----

TStringGrid::TStringGrid(const QString& ime, bool fiksniPrviRed, int sirinaKolone, QWidget* parent)
    : QTableView(parent),
      tabela(new TTabelaMatrice(fiksniPrviRed, this)) {
    setObjectName(ime);
    setAccessibleDescription(ime);
    setModel(tabela);
    setItemDelegate(new TDelegatCelije(this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setWordWrap(false);
    setCornerButtonEnabled(false);
    verticalHeader()->hide();
    verticalHeader()->setMinimumSectionSize(1);
    verticalHeader()->setDefaultSectionSize(20);
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    horizontalHeader()->setMinimumSectionSize(1);
    horizontalHeader()->setDefaultSectionSize(sirinaKolone);
    horizontalHeader()->setHighlightSections(false);
    horizontalHeader()->setVisible(fiksniPrviRed);
    horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TStringGrid::PreuzmiSirine(const TStringGrid& matrica) {
    QHeaderView* h = horizontalHeader();
    const int n = std::min(tabela->BrojKolona(), matrica.Tabela().BrojKolona());
    {
        const QSignalBlocker tiho(h);
        h->setUpdatesEnabled(false);
        for (int k = 0; k < n; ++k)
            if (h->sectionSize(k) != matrica.SirinaKolone(k)) h->resizeSection(k, matrica.SirinaKolone(k));
        h->setUpdatesEnabled(true);
    }
    updateGeometries();
    h->viewport()->update();
    viewport()->update();
}

int TStringGrid::PodesiSirine(int w, const TMeracSirine* zajednicki) {
    std::optional<TMeracSirine> sopstveni;
    if (!zajednicki || zajednicki->KljucFonta() != font().key()) sopstveni.emplace(font());
    const TMeracSirine& merac = sopstveni ? *sopstveni : *zajednicki;
    QHeaderView* h = horizontalHeader();
    const int n = tabela->BrojKolona();
    // A header that repaints after each section works out the positions of all sections every
    // time, which makes thousands of columns quadratic: resize them all quietly, lay out once.
    {
        const QSignalBlocker tiho(h);
        h->setUpdatesEnabled(false);
        for (int k = 0; k < n; ++k) {
            w = tabela->SirinaKolone(k, w, merac);
            if (h->sectionSize(k) != w + 5) h->resizeSection(k, w + 5);
        }
        h->setUpdatesEnabled(true);
    }
    updateGeometries();
    h->viewport()->update();
    viewport()->update();
    return w;
}
