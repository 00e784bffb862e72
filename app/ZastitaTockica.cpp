#include "ZastitaTockica.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QPointer>

namespace {

bool Stiti(QObject* o) { return qobject_cast<QComboBox*>(o) || qobject_cast<QAbstractSpinBox*>(o); }

class TZastitaTockica : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!o->isWidgetType() || !Stiti(o)) return false;
        auto* w = static_cast<QWidget*>(o);
        if (e->type() == QEvent::Polish || e->type() == QEvent::Wheel) {
            // A wheel must not hand such a control the focus on its way past.
            if ((w->focusPolicy() & Qt::WheelFocus) == Qt::WheelFocus) w->setFocusPolicy(Qt::StrongFocus);
        }
        if (e->type() == QEvent::Wheel && !w->hasFocus()) {
            // Not accepted: the application hands the wheel on to the parents, so the page scrolls.
            e->ignore();
            return true;
        }
        return false;
    }
};

}  // namespace

void UgradiZastituTockica() {
    static QPointer<TZastitaTockica> zastita;
    if (zastita || !qApp) return;
    zastita = new TZastitaTockica(qApp);
    qApp->installEventFilter(zastita);
}
