#pragma once
#include <QImage>
#include <QWidget>

// A picture area: shows one of our JPEG pictures at its natural size. When the file is missing
// or damaged the area stays empty but keeps its size, so the window's layout does not change.
class TSlika : public QWidget {
    Q_OBJECT
public:
    TSlika(const QString& imeFajla, QSize podrazumevanaVelicina, QWidget* parent = nullptr);
    const QImage& Slika() const { return slika; }
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage slika;
    QSize velicina;
};
