// What a result grid gives away: the selection copied with full precision (Ctrl+C, the context
// menu) and the context menu's export items.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>

#include <algorithm>

#include "TabelaMatrice.h"

QString TStringGrid::TekstIzbora() const {
    const QModelIndexList izabrane = selectionModel() ? selectionModel()->selectedIndexes() : QModelIndexList{};
    if (izabrane.isEmpty()) return {};
    int r0 = izabrane[0].row(), r1 = r0, k0 = izabrane[0].column(), k1 = k0;
    for (const QModelIndex& i : izabrane) {
        r0 = std::min(r0, i.row()), r1 = std::max(r1, i.row());
        k0 = std::min(k0, i.column()), k1 = std::max(k1, i.column());
    }
    const int pomak = tabela->FiksniPrviRed() ? 1 : 0;
    QString t;
    for (int r = r0; r <= r1; ++r) {
        for (int k = k0; k <= k1; ++k) {
            if (k > k0) t += QLatin1Char('\t');
            t += tabela->TacnaCelija(k, r + pomak);
        }
        t += QLatin1Char('\n');
    }
    return t;
}

void TStringGrid::Kopiraj() {
    const QString t = TekstIzbora();
    if (!t.isEmpty()) QGuiApplication::clipboard()->setText(t);
}

void TStringGrid::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Copy)) {
        Kopiraj();
        e->accept();
        return;
    }
    QTableView::keyPressEvent(e);
}

void TStringGrid::contextMenuEvent(QContextMenuEvent* e) {
    QMenu meni(this);
    meni.setObjectName(QStringLiteral("MeniGrida"));
    QAction* kopiraj = meni.addAction(QStringLiteral("Kopiraj"), this, [this] { Kopiraj(); });
    kopiraj->setShortcut(QKeySequence::Copy);
    kopiraj->setEnabled(!TekstIzbora().isEmpty());
    if (izvozMatrice) meni.addAction(QStringLiteral("Izvezi ovu matricu..."), this, [this] { izvozMatrice(); });
    if (izvozSvih) meni.addAction(QStringLiteral("Izvezi matrice..."), this, [this] { izvozSvih(); });
    meni.exec(e->globalPos());
}
