#include "ReportPreview.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QImage>
#include <QKeySequence>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShortcut>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

#include "ReportLayout.h"

namespace {

constexpr double NAJMANJI_ZUM = 0.25;
constexpr double NAJVECI_ZUM = 4.0;

QPushButton* Dugme(QWidget* roditelj, const QString& ime, const QString& tekst, const QString& savet) {
    auto* d = new QPushButton(tekst, roditelj);
    d->setObjectName(ime);
    d->setAccessibleDescription(ime);
    d->setToolTip(savet);
    d->setAutoDefault(false);
    return d;
}

}  // namespace

// --- real dialogs -----------------------------------------------------------------------------

void TRealReportDialogs::Greska(QWidget* roditelj, const QString& tekst) {
    QMessageBox::critical(roditelj, QString(), tekst, QMessageBox::Ok);
}

QString TRealReportDialogs::SnimiFajl(QWidget* roditelj, const QString& naslov, const QString& filter) {
    return QFileDialog::getSaveFileName(roditelj, naslov, QString(), filter);
}

bool TRealReportDialogs::Stampanje(QWidget* roditelj, QPrinter& printer) {
    QPrintDialog d(&printer, roditelj);
    return d.exec() == QDialog::Accepted;
}

// --- preview ----------------------------------------------------------------------------------

TReportPreview::TReportPreview(std::shared_ptr<const TReportDocument> document, TReportDialogs* dialogs,
                               QWidget* parent)
    : QDialog(parent),
      dokument(std::move(document)),
      dijalozi(dialogs) {
    if (!dijalozi) {
        praviDijalozi = std::make_unique<TRealReportDialogs>();
        dijalozi = praviDijalozi.get();
    }
    setObjectName(QStringLiteral("FormIzgledIzvestaja"));
    setWindowTitle(QStringLiteral("Izgled izvestaja"));
    setSizeGripEnabled(true);
    resize(980, 900);

    prva = Dugme(this, QStringLiteral("ButtonPrvaStrana"), QStringLiteral("|<"), QStringLiteral("Prva strana"));
    prethodna =
        Dugme(this, QStringLiteral("ButtonPrethodnaStrana"), QStringLiteral("<"), QStringLiteral("Prethodna strana"));
    sledeca = Dugme(this, QStringLiteral("ButtonSledecaStrana"), QStringLiteral(">"), QStringLiteral("Sledeca strana"));
    poslednja =
        Dugme(this, QStringLiteral("ButtonPoslednjaStrana"), QStringLiteral(">|"), QStringLiteral("Poslednja strana"));
    for (QPushButton* d : {prva, prethodna, sledeca, poslednja}) d->setFixedWidth(40);
    brojStrane = new QSpinBox(this);
    brojStrane->setObjectName(QStringLiteral("SpinBoxStrana"));
    brojStrane->setAccessibleDescription(brojStrane->objectName());
    brojStrane->setRange(1, std::max(1, PageCount()));
    odStrana = new QLabel(QStringLiteral("od %1").arg(PageCount()), this);
    odStrana->setObjectName(QStringLiteral("LabelBrojStrana"));
    izborZuma = new QComboBox(this);
    izborZuma->setObjectName(QStringLiteral("ComboBoxZum"));
    izborZuma->setAccessibleDescription(izborZuma->objectName());
    izborZuma->addItem(QStringLiteral("Sirina strane"), 0.0);
    izborZuma->addItem(QStringLiteral("Cela strana"), -1.0);
    for (int posto : {50, 75, 100, 125, 150, 200, 300})
        izborZuma->addItem(QStringLiteral("%1%").arg(posto), posto / 100.0);
    auto* labelaStrane = new QLabel(QStringLiteral("Strana"), this);
    labelaStrane->setBuddy(brojStrane);
    auto* labelaZuma = new QLabel(QStringLiteral("Uvecanje"), this);
    labelaZuma->setBuddy(izborZuma);

    auto* navigacija = new QHBoxLayout;
    navigacija->addWidget(prva);
    navigacija->addWidget(prethodna);
    navigacija->addWidget(labelaStrane);
    navigacija->addWidget(brojStrane);
    navigacija->addWidget(odStrana);
    navigacija->addWidget(sledeca);
    navigacija->addWidget(poslednja);
    navigacija->addStretch(1);
    navigacija->addWidget(labelaZuma);
    navigacija->addWidget(izborZuma);

    slika = new QLabel(this);
    slika->setObjectName(QStringLiteral("LabelStranaIzvestaja"));
    slika->setFrameShape(QFrame::Box);
    okvir = new QScrollArea(this);
    okvir->setObjectName(QStringLiteral("ScrollBoxStrana"));
    okvir->setBackgroundRole(QPalette::Dark);
    okvir->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    okvir->setWidget(slika);
    // The fitting zooms follow the view itself: the dialog's own size is known long before the
    // scroll area is laid out, and scroll bars coming and going change the room too.
    okvir->viewport()->installEventFilter(this);

    auto* opcije = new QGroupBox(QStringLiteral("Izlazne opcije"), this);
    opcije->setObjectName(QStringLiteral("GroupBoxIzlazneOpcije"));
    auto* stampaj = Dugme(opcije, QStringLiteral("ButtonStampaj"), QStringLiteral("Stampaj..."),
                          QStringLiteral("Stampa izvestaja (Ctrl+P)"));
    auto* pdf = Dugme(opcije, QStringLiteral("ButtonSnimiPdf"), QStringLiteral("Snimi kao PDF..."),
                      QStringLiteral("Snimanje izvestaja u PDF fajl (Ctrl+S)"));
    auto* zatvori = Dugme(opcije, QStringLiteral("ButtonZatvori"), QStringLiteral("Zatvori"),
                          QStringLiteral("Zatvaranje pregleda"));
    auto* kolonaOpcija = new QVBoxLayout(opcije);
    kolonaOpcija->addWidget(stampaj);
    kolonaOpcija->addWidget(pdf);
    kolonaOpcija->addStretch(1);
    kolonaOpcija->addWidget(zatvori);

    auto* sredina = new QHBoxLayout;
    sredina->addWidget(okvir, 1);
    sredina->addWidget(opcije);

    auto* grupaStatusa = new QGroupBox(QStringLiteral("Status izvestaja"), this);
    grupaStatusa->setObjectName(QStringLiteral("GroupBoxStatusIzvestaja"));
    status = new QLabel(grupaStatusa);
    status->setObjectName(QStringLiteral("LabelStatusIzvestaja"));
    status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    (new QHBoxLayout(grupaStatusa))->addWidget(status);

    auto* glavni = new QVBoxLayout(this);
    glavni->addLayout(navigacija);
    glavni->addLayout(sredina, 1);
    glavni->addWidget(grupaStatusa);

    connect(prva, &QPushButton::clicked, this, [this] { ShowPage(0); });
    connect(prethodna, &QPushButton::clicked, this, [this] { ShowPage(strana - 1); });
    connect(sledeca, &QPushButton::clicked, this, [this] { ShowPage(strana + 1); });
    connect(poslednja, &QPushButton::clicked, this, [this] { ShowPage(PageCount() - 1); });
    connect(brojStrane, &QSpinBox::valueChanged, this, [this](int n) { ShowPage(n - 1); });
    connect(izborZuma, &QComboBox::currentIndexChanged, this,
            [this](int i) { SetZoom(izborZuma->itemData(i).toDouble()); });
    connect(stampaj, &QPushButton::clicked, this, [this] { Print(); });
    connect(pdf, &QPushButton::clicked, this, [this] { SaveAsPdf(); });
    connect(zatvori, &QPushButton::clicked, this, &QDialog::accept);

    auto precica = [this](const QKeySequence& k, auto&& f) {
        connect(new QShortcut(k, this), &QShortcut::activated, this, f);
    };
    precica(QKeySequence(Qt::Key_PageDown), [this] { ShowPage(strana + 1); });
    precica(QKeySequence(Qt::Key_PageUp), [this] { ShowPage(strana - 1); });
    precica(QKeySequence(Qt::CTRL | Qt::Key_Home), [this] { ShowPage(0); });
    precica(QKeySequence(Qt::CTRL | Qt::Key_End), [this] { ShowPage(PageCount() - 1); });
    precica(QKeySequence::Print, [this] { Print(); });
    precica(QKeySequence::Save, [this] { SaveAsPdf(); });
    precica(QKeySequence::ZoomIn, [this] { SetZoom(std::min(NAJVECI_ZUM, StvarniZum() * 1.25)); });
    precica(QKeySequence::ZoomOut, [this] { SetZoom(std::max(NAJMANJI_ZUM, StvarniZum() / 1.25)); });

    ShowPage(0);
}

TReportPreview::~TReportPreview() = default;

int TReportPreview::PageCount() const { return dokument ? dokument->PageCount() : 0; }

void TReportPreview::ShowPage(int index) {
    strana = std::clamp(index, 0, std::max(0, PageCount() - 1));
    const QSignalBlocker b(brojStrane);
    brojStrane->setValue(strana + 1);
    prva->setEnabled(strana > 0);
    prethodna->setEnabled(strana > 0);
    sledeca->setEnabled(strana + 1 < PageCount());
    poslednja->setEnabled(strana + 1 < PageCount());
    Iscrtaj();
    okvir->verticalScrollBar()->setValue(0);
    Status(QString());
}

void TReportPreview::SetZoom(double factor) {
    zum = factor > 0 ? std::clamp(factor, NAJMANJI_ZUM, NAJVECI_ZUM) : (factor < 0 ? -1 : 0);
    const QSignalBlocker b(izborZuma);
    const int i = izborZuma->findData(zum);
    if (i >= 0) izborZuma->setCurrentIndex(i);
    Iscrtaj();
}

double TReportPreview::StvarniZum() const {
    if (zum > 0 || !dokument) return zum > 0 ? zum : 1;
    const QSizeF prirodna = dokument->PageSizePt() * (96.0 / 72.0);
    const QSize prostor = okvir->viewport()->size() - QSize(24, 24);
    double z = prostor.width() / prirodna.width();
    if (zum < 0) z = std::min(z, prostor.height() / prirodna.height());
    return std::clamp(z, NAJMANJI_ZUM, NAJVECI_ZUM);
}

void TReportPreview::Iscrtaj() {
    if (!dokument) return;
    const QSizeF velicina = dokument->PageSizePt() * (96.0 / 72.0) * StvarniZum();
    const qreal dpr = devicePixelRatioF();
    QImage slikaStrane((velicina * dpr).toSize(), QImage::Format_RGB32);
    slikaStrane.setDevicePixelRatio(dpr);
    slikaStrane.fill(Qt::white);
    {
        QPainter p(&slikaStrane);
        dokument->PaintPage(p, strana, QRectF(QPointF(0, 0), velicina));
    }
    nacrtaniZum = StvarniZum();
    slika->setPixmap(QPixmap::fromImage(slikaStrane));
    slika->resize(slika->sizeHint());
}

bool TReportPreview::eventFilter(QObject* o, QEvent* e) {
    if (o == okvir->viewport() && e->type() == QEvent::Resize && zum <= 0 && StvarniZum() != nacrtaniZum) Iscrtaj();
    return QDialog::eventFilter(o, e);
}

void TReportPreview::Status(const QString& tekst) {
    QString t = QStringLiteral("Strana %1 od %2").arg(strana + 1).arg(PageCount());
    if (dokument)
        t += QStringLiteral(", font %1 pt, %2 znakova u redu")
                 .arg(dokument->BodySizePt(), 0, 'f', 1)
                 .arg(dokument->CharsPerLine());
    if (!tekst.isEmpty()) t += QStringLiteral(" - ") + tekst;
    status->setText(t);
}

QString TReportPreview::StatusText() const { return status->text(); }

bool TReportPreview::Print() {
    if (!dokument) return false;
    const TReportSettings& s = dokument->Settings();
    QPrinter printer(QPrinter::HighResolution);
    printer.setPageLayout(QPageLayout(QPageSize(s.PageSize), s.Orientation, QMarginsF(0, 0, 0, 0)));
    printer.setFullPage(true);
    printer.setDocName(dokument->BandText(s.Header.Left, 0));
    printer.setFromTo(1, PageCount());
    if (!dijalozi->Stampanje(this, printer)) {
        Status(QStringLiteral("stampanje je otkazano"));
        return false;
    }
    int od = 0, doo = PageCount() - 1;
    if (printer.printRange() == QPrinter::PageRange && printer.fromPage() > 0) {
        od = printer.fromPage() - 1;
        doo = std::max(od, printer.toPage() - 1);
    } else if (printer.printRange() == QPrinter::CurrentPage) {
        od = doo = strana;
    }
    try {
        dokument->Print(printer, od, doo);
    } catch (const TReportError& e) {
        Status(QStringLiteral("stampanje nije uspelo"));
        dijalozi->Greska(this, e.Message());
        return false;
    }
    Status(QStringLiteral("odstampano strana: %1").arg(std::min(doo, PageCount() - 1) - od + 1));
    return true;
}

bool TReportPreview::SaveAsPdf() {
    if (!dokument) return false;
    QString ime =
        dijalozi->SnimiFajl(this, QStringLiteral("Snimi izvestaj kao PDF"), QStringLiteral("PDF fajl (*.pdf)"));
    if (ime.isEmpty()) {
        Status(QStringLiteral("snimanje je otkazano"));
        return false;
    }
    if (QFileInfo(ime).suffix().isEmpty()) ime += QStringLiteral(".pdf");
    try {
        dokument->SavePdf(ime);
    } catch (const TReportError& e) {
        Status(QStringLiteral("snimanje nije uspelo"));
        dijalozi->Greska(this, e.Message());
        return false;
    }
    Status(QStringLiteral("snimljeno u %1").arg(QDir::toNativeSeparators(ime)));
    return true;
}
