#pragma once
#include <QWidget>

class QButtonGroup;
class QTabWidget;

// A tab row that wraps onto as many lines as the page control's width needs: the toolkit's own tab
// bar scrolls instead, which would hide pages of the 385-pixel-wide control.
class TJezicciUViseRedova : public QWidget {
public:
    TJezicciUViseRedova(QTabWidget* strane, int sirina, QWidget* parent);
    void Oznaci(int i);

private:
    QTabWidget* strane;
    QButtonGroup* grupa;
};
