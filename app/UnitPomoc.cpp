#include "UnitPomoc.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QScrollArea>
#include <QTabWidget>
#include <QVBoxLayout>

#include "Slika.h"

namespace {

// The toolkit's scroll area asks for at most 36 x 24 lines of text, less than our pictures; this
// one asks for its whole picture, and scrolls only where the screen is too small for it.
class TSkrolSlike : public QScrollArea {
public:
    QSize sizeHint() const override {
        const int okvir = 2 * frameWidth();
        return (widget() ? widget()->sizeHint() : QSize()) + QSize(okvir, okvir);
    }
};

// The window at the size its pictures ask for, within the screen's free area.
void VelicinaPoSlikama(QDialog& prozor) {
    QSize velicina = prozor.sizeHint();
    if (const QScreen* ekran = prozor.screen())
        velicina = velicina.boundedTo(ekran->availableGeometry().size() - QSize(16, 48));
    prozor.resize(velicina);
}

QWidget* StranaSaSlikom(const QString& imeFajla, QSize velicina, const QString& imeObjekta) {
    auto* skrol = new TSkrolSlike;
    skrol->setObjectName(imeObjekta);
    skrol->setAccessibleDescription(imeObjekta);
    skrol->setWidgetResizable(true);
    skrol->setFrameShape(QFrame::NoFrame);
    skrol->setWidget(new TSlika(imeFajla, velicina));
    return skrol;
}

}  // namespace

TFormPomoc::TFormPomoc(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FormPomoc"));
    setWindowTitle(QStringLiteral("Pomoc"));
    auto* raspored = new QVBoxLayout(this);
    PageControlPomoc = new QTabWidget(this);
    PageControlPomoc->setObjectName(QStringLiteral("PageControlPomoc"));
    PageControlPomoc->setAccessibleDescription(QStringLiteral("PageControlPomoc"));
    const char* naslovi[] = {"Koordinatni sistem", "V", "M", "pn", "t", "delta T", "H", "pt"};
    for (int i = 0; i < 8; ++i)
        PageControlPomoc->addTab(StranaSaSlikom(QStringLiteral("Pomoc%1.jpg").arg(i + 1), QSize(600, 420),
                                                QStringLiteral("TabSheetPomoc%1").arg(i + 1)),
                                 QString::fromLatin1(naslovi[i]));
    PageControlPomoc->setCurrentIndex(0);
    raspored->addWidget(PageControlPomoc);

    ButtonZatvori = new QPushButton(QStringLiteral("Zatvori"), this);
    ButtonZatvori->setObjectName(QStringLiteral("ButtonZatvori"));
    ButtonZatvori->setAccessibleDescription(QStringLiteral("ButtonZatvori"));
    connect(ButtonZatvori, &QPushButton::clicked, this, &QDialog::accept);
    auto* dugmad = new QHBoxLayout;
    dugmad->addStretch();
    dugmad->addWidget(ButtonZatvori);
    raspored->addLayout(dugmad);
    VelicinaPoSlikama(*this);
}

TFormFormGeometrijskeKarakteristikePreseka::TFormFormGeometrijskeKarakteristikePreseka(QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("FormFormGeometrijskeKarakteristikePreseka"));
    setWindowTitle(QStringLiteral("Geometrijske karakteristike poprecnih preseka"));
    auto* raspored = new QVBoxLayout(this);
    PageControlPreseci = new QTabWidget(this);
    PageControlPreseci->setObjectName(QStringLiteral("PageControlPreseci"));
    PageControlPreseci->setAccessibleDescription(QStringLiteral("PageControlPreseci"));
    const QSize velicine[] = {QSize(640, 470), QSize(640, 470), QSize(640, 280)};
    for (int i = 0; i < 3; ++i)
        PageControlPreseci->addTab(StranaSaSlikom(QStringLiteral("Presek%1.jpg").arg(i + 1), velicine[i],
                                                  QStringLiteral("TabSheetPresek%1").arg(i + 1)),
                                   QString::number(i + 1));
    raspored->addWidget(PageControlPreseci);
    VelicinaPoSlikama(*this);
}
