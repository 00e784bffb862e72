#include "GlaveStrelica.h"

#include <QPainter>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

std::uint64_t Mesaj(std::uint64_t h, std::uint64_t v) {
    h ^= v + 0x9e3779b97f4a7c15ULL + (h << 6) + (h >> 2);
    return h;
}

}  // namespace

size_t TGlaveStrelica::THes::operator()(const TKljucSlike& k) const {
    return Mesaj(Mesaj(Mesaj(k.oblik, k.olovka), k.ispuna), k.samoLinije);
}

size_t TGlaveStrelica::THes::operator()(const TKljucUglova& k) const {
    auto bitovi = [](double v) {
        std::uint64_t b;
        std::memcpy(&b, &v, sizeof b);
        return b;
    };
    return Mesaj(Mesaj(bitovi(k.dx), bitovi(k.dy)), bitovi(k.d));
}

const TGlaveStrelica::TUglovi& TGlaveStrelica::Uglovi(double dx, double dy, double d, double ugao) {
    const TKljucUglova kljuc{dx, dy, d};
    auto it = uglovi.find(kljuc);
    if (it != uglovi.end()) return it->second;
    const double smer = std::atan2(dy, dx);
    TUglovi u{d * std::cos(smer + ugao), d * std::sin(smer + ugao), d * std::cos(smer - ugao),
              d * std::sin(smer - ugao)};
    if (uglovi.size() >= 4 * NajviseSlika) uglovi.clear();
    return uglovi.emplace(kljuc, u).first->second;
}

bool TGlaveStrelica::Nacrtaj(QPainter& p, QPoint vrh, QPoint k1, QPoint k2, bool samoLinije, QRgb olovka, QRgb ispuna,
                             const QRect& vidljivo) {
    const int xMin = std::min({vrh.x(), k1.x(), k2.x()}), xMax = std::max({vrh.x(), k1.x(), k2.x()});
    const int yMin = std::min({vrh.y(), k1.y(), k2.y()}), yMax = std::max({vrh.y(), k1.y(), k2.y()});
    // A cut head, a large one or colours that are not opaque: the painter draws it.
    if (xMin < vidljivo.left() || xMax > vidljivo.right() || yMin < vidljivo.top() || yMax > vidljivo.bottom())
        return false;
    if (xMax - xMin > 64 || yMax - yMin > 64 || qAlpha(olovka) != 255 || (!samoLinije && qAlpha(ispuna) != 255))
        return false;
    const QPoint a = k1 - vrh, b = k2 - vrh;
    const TKljucSlike kljuc{std::uint32_t(a.x() & 0xFF) | std::uint32_t(a.y() & 0xFF) << 8 |
                                std::uint32_t(b.x() & 0xFF) << 16 | std::uint32_t(b.y() & 0xFF) << 24,
                            olovka, samoLinije ? 0 : ispuna, samoLinije};
    auto it = slike.find(kljuc);
    if (it == slike.end()) {
        if (slike.size() >= NajviseSlika) return false;
        // One pixel of room on each side; the picture is transparent where the head is not.
        const QPoint pomak(xMin - vrh.x() - 1, yMin - vrh.y() - 1);
        TSlika s{QImage(xMax - xMin + 3, yMax - yMin + 3, QImage::Format_ARGB32_Premultiplied), pomak};
        s.slika.fill(Qt::transparent);
        QPainter q(&s.slika);
        q.setRenderHint(QPainter::Antialiasing, false);
        q.setPen(QPen(QColor::fromRgba(olovka), 0));
        const QPoint t = -pomak;
        if (samoLinije) {
            q.drawLine(t, t + a);
            q.drawLine(t, t + b);
        } else {
            q.setBrush(QColor::fromRgba(ispuna));
            const QPoint glava[3] = {t, t + a, t + b};
            q.drawPolygon(glava, 3);
        }
        q.end();
        it = slike.emplace(kljuc, std::move(s)).first;
    }
    p.drawImage(vrh + it->second.pomak, it->second.slika);
    return true;
}
