#pragma once
#include <QColor>
#include <QImage>
#include <QPoint>
#include <QRect>

#include <cstdint>
#include <unordered_map>

class QPainter;

// The arrow heads of one paint, each shape kept as a small picture. Many members draw the same
// head (the same corners about the tip, the same colours), and putting a kept picture down costs a
// fraction of filling and outlining the triangle again. An aliased figure with whole-pixel corners
// covers the same pixels wherever it stands, and its pixels are opaque, so the picture gives
// exactly what the painter would have drawn. A head that the view's edge would cut is left to the
// painter, and so is any head once the pictures kept reach their limit.
class TGlaveStrelica {
public:
    // Draws the head with its tip at `vrh` and corners `k1`, `k2` (two lines when `samoLinije`,
    // else a triangle filled with `ispuna`), in pen `olovka`; false when the caller must draw it.
    bool Nacrtaj(QPainter& p, QPoint vrh, QPoint k1, QPoint k2, bool samoLinije, QRgb olovka, QRgb ispuna,
                 const QRect& vidljivo);

    // Where the corners of a head of size `d` lie from its tip, for a shaft from (dx, dy) to the
    // tip: the same shaft gives the same offsets, so each direction is worked out once.
    struct TUglovi {
        double x1, y1, x2, y2;
    };
    const TUglovi& Uglovi(double dx, double dy, double d, double ugao);

private:
    struct TSlika {
        QImage slika;
        QPoint pomak;
    };
    struct TKljucSlike {
        std::uint32_t oblik;  // the corners' offsets from the tip, a byte each
        QRgb olovka, ispuna;
        bool samoLinije;
        bool operator==(const TKljucSlike&) const = default;
    };
    struct TKljucUglova {
        double dx, dy, d;
        bool operator==(const TKljucUglova&) const = default;
    };
    struct THes {
        size_t operator()(const TKljucSlike& k) const;
        size_t operator()(const TKljucUglova& k) const;
    };
    std::unordered_map<TKljucSlike, TSlika, THes> slike;
    std::unordered_map<TKljucUglova, TUglovi, THes> uglovi;
    static constexpr size_t NajviseSlika = 512;
};
