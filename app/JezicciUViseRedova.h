#pragma once
#include <QWidget>

class QButtonGroup;
class QTabWidget;
class QToolButton;

// What assistive technology is told about rows of tab buttons: a button marked before it has a
// parent is a page tab (selected when checked), a marked row a page tab list.
void OznaciJezicak(QToolButton* jezicak);
void OznaciRedJezicaka(QWidget* red);

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
