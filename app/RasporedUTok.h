#pragma once
#include <QLayout>
#include <QList>

// Items side by side, left to right, starting a new line where the next one would pass the right
// edge: its height follows its width, so a row of tabs never needs scroll arrows. Hidden widgets
// take no place.
class TRasporedUTok : public QLayout {
public:
    explicit TRasporedUTok(QWidget* parent = nullptr);
    ~TRasporedUTok() override;

    void addItem(QLayoutItem* item) override;
    int count() const override { return static_cast<int>(stavke.size()); }
    QLayoutItem* itemAt(int i) const override;
    QLayoutItem* takeAt(int i) override;
    Qt::Orientations expandingDirections() const override { return {}; }
    bool hasHeightForWidth() const override { return true; }
    int heightForWidth(int sirina) const override;
    QSize sizeHint() const override;
    QSize minimumSize() const override;
    void setGeometry(const QRect& r) override;

private:
    // Lays the items out in `r` (only measures when `postavi` is false); returns the height used.
    int Rasporedi(const QRect& r, bool postavi) const;

    QList<QLayoutItem*> stavke;
};
