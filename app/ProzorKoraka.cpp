#include "ProzorKoraka.h"

#include <QCoreApplication>
#include <QDir>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSplitter>
#include <QTableWidget>
#include <QVBoxLayout>

#include "Dijalozi.h"
#include "Greska.h"
#include "IzvestajUPdf.h"
#include "KontekstAnalize.h"
#include "ZapisBroja.h"

namespace {

// The colours the members take in turn, the lit cells of their step.
const QColor BojeStapova[] = {QColor(255, 210, 120), QColor(150, 210, 255), QColor(180, 235, 160),
                              QColor(240, 170, 220), QColor(255, 240, 140), QColor(200, 190, 255)};

QPushButton* Dugme(const char* tekst, const char* ime) {
    auto* b = new QPushButton(QString::fromLatin1(tekst));
    b->setObjectName(QString::fromLatin1(ime));
    return b;
}

QColor BojaStapa(int indeks) { return BojeStapova[static_cast<size_t>(indeks) % std::size(BojeStapova)]; }

QTableWidgetItem* Celija(double v) {
    auto* stavka = new QTableWidgetItem(QString::fromStdString(ZapisSaCiframa(v, 6)));
    stavka->setToolTip(QString::fromStdString(TacanZapis(v)));
    return stavka;
}

QStringList Oznake(const std::vector<int>& kodovi, int n) {
    QStringList oznake;
    for (int i = 0; i < n && i < static_cast<int>(kodovi.size()); ++i) oznake << QString::number(kodovi[size_t(i)]);
    return oznake;
}

QTableWidget* Tabela(const char* ime) {
    auto* t = new QTableWidget;
    t->setObjectName(QString::fromLatin1(ime));
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    return t;
}

QString ProjekatIzvestaja() {
    const QString ime = QStringLiteral("ProjectIzvestajAnalize.vrp");
    const QString kraj = QDir(QCoreApplication::applicationDirPath()).filePath(ime);
    return QFile::exists(kraj) ? kraj : QDir(QStringLiteral(VELT_ASSETS_DIR)).filePath(ime);
}

}  // namespace

TProzorKoraka::TProzorKoraka(TKontekstAnalize& kontekst, QWidget* parent) : QDialog(parent), kontekst(kontekst) {
    setObjectName(QStringLiteral("ProzorKorakPoKorak"));
    setWindowTitle(QStringLiteral("Korak po korak"));
    sklapanje = KoraciSklapanja(kontekst.Model(), kontekst.Stanje());
    koraci = KoraciMetode(kontekst.Model(), kontekst.Stanje(), sklapanje);
    if (koraci.empty()) throw TGreska("Nema rezultata: prvo pokrenite analizu!!!");

    ListaKoraka = new QListWidget;
    ListaKoraka->setObjectName(QStringLiteral("ListaKoraka"));
    for (size_t i = 0; i < koraci.size(); ++i)
        ListaKoraka->addItem(QString::number(i + 1) + QStringLiteral(". ") + QString::fromStdString(koraci[i].naslov));
    MemoKoraka = new QPlainTextEdit;
    MemoKoraka->setObjectName(QStringLiteral("MemoKoraka"));
    MemoKoraka->setReadOnly(true);
    MemoKoraka->setLineWrapMode(QPlainTextEdit::NoWrap);
    MemoKoraka->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    TabelaKorakaK = Tabela("TabelaKorakaK");
    TabelaKorakaQ = Tabela("TabelaKorakaQ");
    ButtonNazad = Dugme("Nazad", "ButtonNazad");
    ButtonNapred = Dugme("Napred", "ButtonNapred");
    ButtonStampajKorake = Dugme("Stampaj korake", "ButtonStampajKorake");

    auto* matrice = new QSplitter(Qt::Horizontal);
    matrice->addWidget(TabelaKorakaK);
    matrice->addWidget(TabelaKorakaQ);
    matrice->setStretchFactor(0, 1);
    matrice->setSizes({1000, 130});  // one column of numbers beside the square K
    auto* desno = new QSplitter(Qt::Vertical);
    desno->addWidget(matrice);
    desno->addWidget(MemoKoraka);
    auto* gore = new QSplitter(Qt::Horizontal);
    gore->addWidget(ListaKoraka);
    gore->addWidget(desno);
    gore->setStretchFactor(1, 1);
    auto* dugmad = new QHBoxLayout;
    dugmad->addWidget(ButtonNazad);
    dugmad->addWidget(ButtonNapred);
    dugmad->addStretch(1);
    dugmad->addWidget(ButtonStampajKorake);
    auto* v = new QVBoxLayout(this);
    v->addWidget(gore, 1);
    v->addLayout(dugmad);
    resize(1100, 700);

    connect(ListaKoraka, &QListWidget::currentRowChanged, this, [this](int i) { Prikazi(i); });
    connect(ButtonNazad, &QPushButton::clicked, this, [this] { IdiNaKorak(TrenutniKorak() - 1); });
    connect(ButtonNapred, &QPushButton::clicked, this, [this] { IdiNaKorak(TrenutniKorak() + 1); });
    connect(ButtonStampajKorake, &QPushButton::clicked, this, [this] { Stampaj(); });
    IdiNaKorak(0);
}

int TProzorKoraka::TrenutniKorak() const { return ListaKoraka->currentRow(); }

void TProzorKoraka::IdiNaKorak(int i) {
    if (i < 0 || i >= BrojKoraka()) return;
    if (ListaKoraka->currentRow() == i) Prikazi(i);
    else ListaKoraka->setCurrentRow(i);
}

void TProzorKoraka::Prikazi(int i) {
    if (i < 0 || i >= BrojKoraka()) return;
    const TKorakMetode& k = koraci[static_cast<size_t>(i)];
    MemoKoraka->setPlainText(QString::fromStdString(k.tekst));
    TabelaKorakaK->setVisible(k.korakSklapanja >= 0);
    TabelaKorakaQ->setVisible(k.korakSklapanja >= 0);
    if (k.korakSklapanja >= 0) {
        PrikaziK(sklapanje[static_cast<size_t>(k.korakSklapanja)]);
        PrikaziQ(sklapanje[static_cast<size_t>(k.korakSklapanja)]);
    }
    ButtonNazad->setEnabled(i > 0);
    ButtonNapred->setEnabled(i + 1 < BrojKoraka());
    if (naIzborStapa) naIzborStapa(k.indeksStapa);
}

void TProzorKoraka::PrikaziK(const TKorakSklapanja& k) {
    const std::vector<int>& sve = *kontekst.Stanje().nizKodnihBrojeva;
    const int n = k.K.NrOfRows();
    TabelaKorakaK->clear();
    TabelaKorakaK->setRowCount(n);
    TabelaKorakaK->setColumnCount(n);
    const QStringList oznake = Oznake(sve, n);
    TabelaKorakaK->setHorizontalHeaderLabels(oznake);
    TabelaKorakaK->setVerticalHeaderLabels(oznake);
    for (int c = 1; c <= n; ++c)
        for (int r = 1; r <= n; ++r) TabelaKorakaK->setItem(r - 1, c - 1, Celija(k.K.Elem(c, r)));
    for (const auto& [c, r] : k.celije)
        if (QTableWidgetItem* s = TabelaKorakaK->item(r - 1, c - 1)) s->setBackground(BojaStapa(k.indeksStapa));
    TabelaKorakaK->resizeColumnsToContents();
}

void TProzorKoraka::PrikaziQ(const TKorakSklapanja& k) {
    const std::vector<int>& sve = *kontekst.Stanje().nizKodnihBrojeva;
    const int n = k.Q.NrOfRows();
    TabelaKorakaQ->clear();
    TabelaKorakaQ->setRowCount(n);
    TabelaKorakaQ->setColumnCount(1);
    const QStringList oznake = Oznake(sve, n);
    TabelaKorakaQ->setHorizontalHeaderLabels({QStringLiteral("Q")});
    TabelaKorakaQ->setVerticalHeaderLabels(oznake);
    for (int r = 1; r <= n; ++r) TabelaKorakaQ->setItem(r - 1, 0, Celija(k.Q.Elem(1, r)));
    for (int r : k.celijeQ)
        if (QTableWidgetItem* s = TabelaKorakaQ->item(r - 1, 0)) s->setBackground(BojaStapa(k.indeksStapa));
    TabelaKorakaQ->resizeColumnsToContents();
}

void TProzorKoraka::Stampaj() {
    const QString put =
        kontekst.Dijalozi().SnimiFajl(this, QStringLiteral("Stampaj korake"), QStringLiteral("PDF (*.pdf)"));
    if (put.isNull()) return;
    QString greska;
    if (!IzvestajUPdf(ProjekatIzvestaja(), QString::fromStdString(TekstKoraka(koraci)), put, &greska))
        kontekst.Dijalozi().Greska(this, greska + QStringLiteral("\r\nKorake nije moguce odstampati!!!"));
}

void OtvoriKorakPoKorak(TKontekstAnalize& kontekst, QWidget* roditelj, const std::function<void(int)>& naIzborStapa) {
    try {
        auto* p = new TProzorKoraka(kontekst, roditelj);
        p->setAttribute(Qt::WA_DeleteOnClose);
        p->naIzborStapa = naIzborStapa;
        // The mark on the plot goes with the window.
        QObject::connect(p, &QDialog::finished, p, [naIzborStapa] {
            if (naIzborStapa) naIzborStapa(-1);
        });
        p->IdiNaKorak(0);
        p->show();
    } catch (const TGreska& e) {
        kontekst.Dijalozi().Greska(roditelj, QString::fromUtf8(e.what()));
    }
}
