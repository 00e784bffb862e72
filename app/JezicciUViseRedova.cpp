#include "JezicciUViseRedova.h"

#include <QAccessibleWidget>
#include <QButtonGroup>
#include <QHBoxLayout>
#include <QTabWidget>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

const char* const SvojstvoJezicka = "veltJezicak";
const char* const SvojstvoRedaJezicaka = "veltRedJezicaka";

// What assistive technology is told about a tab button: a page tab (not the check box the
// toolkit would announce for a checkable button), selected when its page is shown, and a
// "press" action that shows the page.
class TPristupJezicku : public QAccessibleWidget {
public:
    explicit TPristupJezicku(QToolButton* b) : QAccessibleWidget(b, QAccessible::PageTab) {}
    QToolButton* Dugme() const { return static_cast<QToolButton*>(widget()); }

    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name)
            return Dugme()->accessibleName().isEmpty() ? Dugme()->text() : Dugme()->accessibleName();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.selectable = true;
        s.selected = Dugme()->isChecked();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& ime) override {
        if (ime == pressAction() && Dugme()->isEnabled()) Dugme()->click();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
};

// The row of tabs itself is a page tab list.
QAccessibleInterface* FabrikaPristupa(const QString& klasa, QObject* o) {
    if (klasa == QLatin1String("QToolButton") && o && o->property(SvojstvoJezicka).toBool())
        return new TPristupJezicku(static_cast<QToolButton*>(o));
    if (klasa == QLatin1String("QWidget") && o && o->property(SvojstvoRedaJezicaka).toBool())
        return new QAccessibleWidget(static_cast<QWidget*>(o), QAccessible::PageTabList);
    return nullptr;
}

void UgradiFabriku() {
    static const bool fabrika = (QAccessible::installFactory(FabrikaPristupa), true);
    (void)fabrika;
}

}  // namespace

void OznaciJezicak(QToolButton* jezicak) {
    UgradiFabriku();
    jezicak->setProperty(SvojstvoJezicka, true);
}

void OznaciRedJezicaka(QWidget* red) {
    UgradiFabriku();
    red->setProperty(SvojstvoRedaJezicaka, true);
}

TJezicciUViseRedova::TJezicciUViseRedova(QTabWidget* strane, int sirina, QWidget* parent)
    : QWidget(parent),
      strane(strane) {
    setObjectName(QStringLiteral("JezicciGlavnogMenija"));
    OznaciRedJezicaka(this);
    grupa = new QButtonGroup(this);
    grupa->setExclusive(true);
    auto* redovi = new QVBoxLayout(this);
    redovi->setContentsMargins(0, 0, 0, 0);
    redovi->setSpacing(0);
    QHBoxLayout* red = nullptr;
    int zauzeto = 0;
    for (int i = 0; i < strane->count(); ++i) {
        // Marked before it has a parent, so that no interface is made for it as a plain button.
        auto* jezicak = new QToolButton;
        OznaciJezicak(jezicak);
        jezicak->setText(strane->tabText(i));
        jezicak->setCheckable(true);
        jezicak->setAutoRaise(false);
        jezicak->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        jezicak->setAccessibleName(strane->tabText(i));
        const int w = jezicak->sizeHint().width() + 14;
        if (!red || zauzeto + w > sirina) {
            red = new QHBoxLayout;
            red->setSpacing(0);
            redovi->addLayout(red);
            zauzeto = 0;
        }
        red->addWidget(jezicak);
        zauzeto += w;
        grupa->addButton(jezicak, i);
    }
    connect(grupa, &QButtonGroup::idClicked, strane, &QTabWidget::setCurrentIndex);
    connect(strane, &QTabWidget::currentChanged, this, [this](int i) { Oznaci(i); });
    Oznaci(strane->currentIndex());
}

void TJezicciUViseRedova::Oznaci(int i) {
    if (auto* b = grupa->button(i)) b->setChecked(true);
}
