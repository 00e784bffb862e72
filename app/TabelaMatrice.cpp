#include "TabelaMatrice.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QPainter>
#include <QSignalBlocker>
#include <QStyledItemDelegate>

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>

#include "Brojevi.h"

namespace {

QString UTekst(long double v) { return QString::fromStdString(FormatBroja(v)); }

// Raw binary exponent field of a double: 0 for zero and subnormals, 2047 for inf and nan.
int EksponentBita(double v) { return static_cast<int>((std::bit_cast<std::uint64_t>(v) >> 52) & 0x7FF); }

// Draws a cell's text with a two-pixel margin and no eliding, so a column fitted to "text width
// + 5" shows its widest number whole; the toolkit's own delegate keeps wider margins.
class TDelegatCelije : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& opcije, const QModelIndex& indeks) const override {
        const bool izabrana = opcije.state & QStyle::State_Selected;
        if (izabrana)
            p->fillRect(opcije.rect, opcije.palette.highlight());
        p->setPen(izabrana ? opcije.palette.highlightedText().color() : opcije.palette.text().color());
        p->setFont(opcije.font);
        p->drawText(opcije.rect.adjusted(2, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter,
                    indeks.data(Qt::DisplayRole).toString());
    }
};

}  // namespace

// ---- TTabelaMatrice ----

TTabelaMatrice::TTabelaMatrice(bool fiksniPrviRed, QObject* parent)
    : QAbstractTableModel(parent), fiksniPrviRed(fiksniPrviRed) {}

const TMatrix* TTabelaMatrice::TBlokMatrice::Matrica() const {
    if (sopstvena)
        return sopstvena.get();
    if (!slot || slot->get() != ocekivana || !ocekivana)
        return nullptr;
    if (ocekivana->NrOfColumns() != brojKolona || ocekivana->NrOfRows() != brojRedova)
        return nullptr;
    return ocekivana;
}

long double TTabelaMatrice::TBlokMatrice::Vrednost(double v) const {
    switch (skaliranje) {
    case TSkaliranje::Podeljeno: return static_cast<long double>(v) / c;
    case TSkaliranje::Pomnozeno: return static_cast<long double>(v) * c;
    default: return v;
    }
}

QString TTabelaMatrice::Celija(int k, int r) const {
    if (!UGranicama(k, r))
        return {};
    if (auto it = tekstovi.find({k, r}); it != tekstovi.end())
        return it->second;
    for (auto b = brojevi.rbegin(); b != brojevi.rend(); ++b) {
        const int i = b->vodoravno ? (r == b->r0 ? k - b->k0 : -1) : (k == b->k0 ? r - b->r0 : -1);
        if (i < 0 || i >= b->Duzina())
            continue;
        return b->realni.empty() ? QString::number(b->celi[i]) : UTekst(b->realni[i]);
    }
    for (auto b = matrice.rbegin(); b != matrice.rend(); ++b) {
        const int mk = k - b->k0 + 1, mr = r - b->r0 + 1;
        if (mk < 1 || mk > b->brojKolona || mr < 1 || mr > b->brojRedova)
            continue;
        if (b->izvor)
            return UTekst(b->Vrednost(b->izvor->Element(mk, mr)));
        const TMatrix* m = b->Matrica();
        return m ? UTekst(b->Vrednost(m->Elem(mk, mr))) : QString();
    }
    return {};
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
    std::erase_if(matrice, [&](const TBlokMatrice& b) {
        return b.k0 + b.brojKolona > kolona || b.r0 + b.brojRedova > redova;
    });
    std::erase_if(brojevi, [&](const TBlokBrojeva& b) {
        return b.vodoravno ? (b.r0 >= redova || b.k0 + b.Duzina() > kolona) : (b.k0 >= kolona || b.r0 + b.Duzina() > redova);
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

void TTabelaMatrice::PostaviMatricu(int k0, int r0, const std::unique_ptr<TMatrix>& slot, TSkaliranje s, long double c) {
    if (!slot)
        return;
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
    if (!izvor)
        return;
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
    if (k < 0 || k >= kolona)
        return w;
    for (const auto& [polozaj, t] : tekstovi)
        if (polozaj.first == k)
            w = std::max(w, merac.Sirina(t));
    for (const TBlokBrojeva& b : brojevi) {
        const int n = b.Duzina();
        int od = 0, doo = n;
        if (b.vodoravno) {
            if (b.r0 >= redova || k < b.k0 || k >= b.k0 + n)
                continue;
            od = k - b.k0;
            doo = od + 1;
        } else {
            if (b.k0 != k)
                continue;
            doo = std::min(n, redova - b.r0);
        }
        for (int i = od; i < doo; ++i) {
            if (b.realni.empty()) {
                if (merac.GornjaGranicaCelog(b.celi[i]) > w)
                    w = std::max(w, merac.Sirina(QString::number(b.celi[i])));
            } else {
                w = std::max(w, merac.Sirina(UTekst(b.realni[i])));
            }
        }
    }
    for (const TBlokMatrice& b : matrice) {
        const int mk = k - b.k0 + 1;
        if (mk < 1 || mk > b.brojKolona)
            continue;
        if (b.izvor) {
            w = SirinaKoloneIzvora(b, mk, w, merac);
            continue;
        }
        const TMatrix* m = b.Matrica();
        if (!m)
            continue;
        const double* kol = m->Kolona(mk);
        const int n = std::min(b.brojRedova, redova - b.r0);
        const bool bezSkaliranja = b.skaliranje == TSkaliranje::KaoIzracunato || b.c == 1.0L;
        const double c = static_cast<double>(b.c);
        for (int i = 0; i < n; ++i) {
            double v = kol[i];
            // The bound is taken from a double estimate of the shown value; the bound allows for
            // the estimate's exponent being one off.
            if (!bezSkaliranja)
                v = b.skaliranje == TSkaliranje::Podeljeno ? v / c : v * c;
            if (merac.GornjaGranicaReala(v) <= w)
                continue;
            w = std::max(w, merac.Sirina(UTekst(b.Vrednost(kol[i]))));
        }
    }
    return w;
}

int TTabelaMatrice::SirinaKoloneIzvora(const TBlokMatrice& b, int mk, int w, const TMeracSirine& merac) const {
    const int n = std::min(b.brojRedova, redova - b.r0);
    if (n <= 0)
        return w;
    const bool bezSkaliranja = b.skaliranje == TSkaliranje::KaoIzracunato || b.c == 1.0L;
    const double c = static_cast<double>(b.c);
    int vidjenih = 0;
    const bool procitana = b.izvor->ZaKolonu(mk, [&](int r, double v) {
        if (r > n)
            return;
        ++vidjenih;
        const double prikazana = bezSkaliranja ? v : (b.skaliranje == TSkaliranje::Podeljeno ? v / c : v * c);
        if (merac.GornjaGranicaReala(prikazana) > w)
            w = std::max(w, merac.Sirina(UTekst(b.Vrednost(v))));
    });
    if (!procitana) {
        // A column that costs a solve is not computed just to be measured: it gets the width of
        // the widest number in exponent form, the form the small entries of an inverse take.
        return std::max(w, merac.GornjaGranicaReala(-1.5e-10));
    }
    if (vidjenih < n)
        w = std::max(w, merac.Sirina(UTekst(0.0L)));  // the entries not stored are zeros
    return w;
}

int TTabelaMatrice::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : redova - (fiksniPrviRed ? 1 : 0);
}

int TTabelaMatrice::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kolona; }

QVariant TTabelaMatrice::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid())
        return {};
    return Celija(index.column(), index.row() + (fiksniPrviRed ? 1 : 0));
}

QVariant TTabelaMatrice::headerData(int section, Qt::Orientation o, int role) const {
    if (role != Qt::DisplayRole)
        return {};
    if (o == Qt::Horizontal && fiksniPrviRed)
        return Celija(section, 0);
    return {};
}

// ---- TMeracSirine ----

namespace {
constexpr int NajmanjiEksponent = -330;
constexpr int NajveciEksponent = 310;
constexpr double Log10Od2 = 0.30102999566398119521;
constexpr double BlizuStepena = 1e-13;

const std::vector<double>& StepeniDeset() {
    static const std::vector<double> p = [] {
        std::vector<double> v;
        for (int e = NajmanjiEksponent; e <= NajveciEksponent; ++e)
            v.push_back(std::strtod(("1e" + std::to_string(e)).c_str(), nullptr));
        return v;
    }();
    return p;
}
}  // namespace

TMeracSirine::TMeracSirine(const QFont& f) : metrika(f), kljucFonta(f.key()) {
    const QFontMetrics& fm = metrika;
    nula = fm.horizontalAdvance(QStringLiteral("0"));
    QChar najsira('0');
    int cifra = -1;
    for (char d = '0'; d <= '9'; ++d)
        if (fm.horizontalAdvance(QChar(d)) > cifra) {
            cifra = fm.horizontalAdvance(QChar(d));
            najsira = QChar(d);
        }
    siroka = najsira;
    // Shapes stand for texts only when the digits are of one width and no pair of them is kerned:
    // every pair measured whole as wide as "00" (advances may be fractional, so not 2 * "0").
    const int dveNule = fm.horizontalAdvance(QStringLiteral("00"));
    jednakeCifre = true;
    for (char a = '0'; a <= '9' && jednakeCifre; ++a)
        for (char b = '0'; b <= '9' && jednakeCifre; ++b)
            jednakeCifre = fm.horizontalAdvance(QString(QChar(a)) + QChar(b)) == dveNule;
    // Nor a digit kerned against the other characters of a number.
    for (QChar z : {QLatin1Char('.'), QLatin1Char('-'), QLatin1Char('E'), QLatin1Char('+')})
        for (char d = '0'; d <= '9' && jednakeCifre; ++d)
            jednakeCifre = fm.horizontalAdvance(QString(QChar(d)) + z) == fm.horizontalAdvance(QStringLiteral("0") + z) &&
                           fm.horizontalAdvance(QString(z) + QChar(d)) == fm.horizontalAdvance(QString(z) + QLatin1Char('0'));
    // The widest text FormatBroja gives for a decimal exponent e: the fixed characters as they
    // are, every significant digit the widest digit. Measured whole, as a cell is measured.
    auto tekst = [&](int e, bool negativan) {
        QString t = negativan ? QStringLiteral("-") : QString();
        const QString cifre(15, najsira);
        if (e < -5 || e >= 15) {
            t += cifre.left(1) + QLatin1Char('.') + cifre.mid(1) + QLatin1Char('E');
            if (e < 0)
                t += QLatin1Char('-');
            t += QString(static_cast<int>(std::to_string(std::abs(e)).size()), najsira);
        } else if (e < 0) {
            t += QStringLiteral("0.") + QString(-e - 1, QLatin1Char('0')) + cifre;
        } else {
            t += cifre.left(e + 1) + QLatin1Char('.') + cifre.mid(e + 1);
        }
        return t;
    };
    for (int znak = 0; znak < 2; ++znak) {
        auto& g = granicaPoEksponentu[znak];
        for (int e = NajmanjiEksponent; e <= NajveciEksponent; ++e)
            g.push_back(fm.horizontalAdvance(tekst(e, znak == 1)));
    }
}

int TMeracSirine::Sirina(const QString& t) const {
    if (!jednakeCifre)
        return metrika.horizontalAdvance(t);
    // With digits of one width a number's text is as wide as its shape with every digit a 0;
    // a grid of thousands of numbers has only a few shapes, each measured once.
    QString oblik = t;
    for (QChar& z : oblik)
        if (z.isDigit())
            z = QLatin1Char('0');
    auto it = poOblicima.find(oblik);
    if (it == poOblicima.end())
        it = poOblicima.insert(oblik, metrika.horizontalAdvance(oblik));
    return it.value();
}

int TMeracSirine::GornjaGranicaReala(double v) const {
    if (v == 0)
        return nula;
    const int E = EksponentBita(v);
    if (E == 2047)
        return 1 << 30;  // inf and nan: always measured
    const auto& g = granicaPoEksponentu[std::signbit(v) ? 1 : 0];
    auto granica = [&](int e) { return g[std::clamp(e, NajmanjiEksponent, NajveciEksponent) - NajmanjiEksponent]; };
    if (E == 0)
        return std::max(granica(-310), granica(-320));  // subnormals: the exponent form
    // The decimal exponent from the binary one, then corrected against the powers of ten.
    const std::vector<double>& p = StepeniDeset();
    auto stepen = [&](int e) { return p[std::clamp(e, NajmanjiEksponent, NajveciEksponent) - NajmanjiEksponent]; };
    const double a = std::fabs(v);
    int e = static_cast<int>(std::floor((E - 1023) * Log10Od2));
    while (e < NajveciEksponent && a >= stepen(e + 1))
        ++e;
    while (e > NajmanjiEksponent && a < stepen(e))
        --e;
    int najvise = granica(e);
    // Close to a power of ten the shown value, rounded or scaled in extended precision, may sit
    // on the other side of it.
    if (a < stepen(e) * (1 + BlizuStepena))
        najvise = std::max(najvise, granica(e - 1));
    if (a > stepen(e + 1) * (1 - BlizuStepena))
        najvise = std::max(najvise, granica(e + 1));
    return najvise;
}

int TMeracSirine::GornjaGranicaCelog(int v) const {
    int cifara = 1;
    for (long long a = std::llabs(static_cast<long long>(v)); a >= 10; a /= 10)
        ++cifara;
    // Measured once per sign and digit count: a list of thousands of code numbers asks often.
    int& granica = granicaCelog[v < 0 ? 1 : 0][cifara];
    if (granica < 0)
        granica = Sirina((v < 0 ? QStringLiteral("-") : QString()) + QString(cifara, siroka));
    return granica;
}

// ---- TStringGrid ----

TStringGrid::TStringGrid(const QString& ime, bool fiksniPrviRed, int sirinaKolone, QWidget* parent)
    : QTableView(parent), tabela(new TTabelaMatrice(fiksniPrviRed, this)) {
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

int TStringGrid::PodesiSirine(int w, const TMeracSirine* zajednicki) {
    std::optional<TMeracSirine> sopstveni;
    if (!zajednicki || zajednicki->KljucFonta() != font().key())
        sopstveni.emplace(font());
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
            if (h->sectionSize(k) != w + 5)
                h->resizeSection(k, w + 5);
        }
        h->setUpdatesEnabled(true);
    }
    updateGeometries();
    h->viewport()->update();
    viewport()->update();
    return w;
}
