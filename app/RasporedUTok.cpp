#include "RasporedUTok.h"

#include <QWidget>

#include <algorithm>

TRasporedUTok::TRasporedUTok(QWidget* parent) : QLayout(parent) {
    setContentsMargins(0, 0, 0, 0);
    setSpacing(0);
}

TRasporedUTok::~TRasporedUTok() {
    while (QLayoutItem* s = takeAt(0)) delete s;
}

void TRasporedUTok::addItem(QLayoutItem* item) { stavke.append(item); }

QLayoutItem* TRasporedUTok::itemAt(int i) const { return i >= 0 && i < stavke.size() ? stavke.at(i) : nullptr; }

QLayoutItem* TRasporedUTok::takeAt(int i) { return i >= 0 && i < stavke.size() ? stavke.takeAt(i) : nullptr; }

int TRasporedUTok::heightForWidth(int sirina) const { return Rasporedi(QRect(0, 0, sirina, 0), false); }

QSize TRasporedUTok::sizeHint() const {
    // As wide as all items on one line; as high as that line.
    int w = 0, h = 0;
    for (const QLayoutItem* s : stavke) {
        if (s->isEmpty()) continue;
        w += s->sizeHint().width() + spacing();
        h = std::max(h, s->sizeHint().height());
    }
    const QMargins m = contentsMargins();
    return {std::max(0, w - spacing()) + m.left() + m.right(), h + m.top() + m.bottom()};
}

QSize TRasporedUTok::minimumSize() const {
    // Never narrower than its widest item, which then stands on a line of its own.
    QSize s;
    for (const QLayoutItem* i : stavke)
        if (!i->isEmpty()) s = s.expandedTo(i->minimumSize());
    const QMargins m = contentsMargins();
    return s + QSize(m.left() + m.right(), m.top() + m.bottom());
}

void TRasporedUTok::setGeometry(const QRect& r) {
    QLayout::setGeometry(r);
    Rasporedi(r, true);
}

int TRasporedUTok::Rasporedi(const QRect& r, bool postavi) const {
    const QRect unutra = r.marginsRemoved(contentsMargins());
    int x = unutra.x(), y = unutra.y(), visinaLinije = 0;
    for (QLayoutItem* s : stavke) {
        if (s->isEmpty()) continue;
        const QSize v = s->sizeHint();
        // A new line when this item would pass the edge, unless it is the first of its line.
        if (x > unutra.x() && x + v.width() > unutra.right() + 1) {
            x = unutra.x();
            y += visinaLinije + spacing();
            visinaLinije = 0;
        }
        if (postavi) s->setGeometry(QRect(QPoint(x, y), v));
        x += v.width() + spacing();
        visinaLinije = std::max(visinaLinije, v.height());
    }
    const QMargins m = contentsMargins();
    return y + visinaLinije - unutra.y() + m.top() + m.bottom();
}
