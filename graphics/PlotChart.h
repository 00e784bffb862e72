#pragma once
#include <QImage>
#include <QString>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "StavkaPrikaza.h"

class QFontMetrics;
class QPainter;
class QRect;
struct TBlokStavki;
struct TRaspored;

// A linear axis. Setting one end through the setters keeps the range at least MinRange wide by
// moving the other end; pan and zoom go through PostaviOpseg, which refuses a too narrow range.
class TScaleProps {
public:
    virtual ~TScaleProps() = default;

    double RangeLow() const { return rangeLow; }
    double RangeHigh() const { return rangeHigh; }
    double MinRange() const { return minRange; }
    void SetRangeLow(double v);
    void SetRangeHigh(double v);
    void SetMinRange(double v) { minRange = v; }
    // Both ends at once; false (and nothing changed) when high - low < MinRange or not finite.
    bool PostaviOpseg(double low, double high);

    int MinTicks = 3;
    bool Logarithmic = false;
    bool Isometric = false;

    // Called after every range change so the owner can repaint.
    std::function<void()> naPromenu;

private:
    void Promenjeno() {
        if (naPromenu) naPromenu();
    }
    double rangeLow = 0.0;
    double rangeHigh = 1.0;
    double minRange = 1e-10;
};

class TScalePropsHoriz : public TScaleProps {};
class TScalePropsVert : public TScaleProps {};

// Mouse cursor a position asks for.
enum class TKursor { Strelica, Krst, Ruka, Zoom };

// The plot surface without any window: display list, axes, margins, mapping, pan and zoom, and
// painting onto any QPainter. TPlotChart puts it on screen; tests and velt-cli use it directly.
// A pixel coordinate computed in reals, rounded and held inside the range of int (a NaN far
// outside the plot): every real that becomes a painting coordinate goes through here, so that a
// huge diagram scale or zoom never overflows. Sums of a pixel and an offset are formed in reals
// and clamped again. Inline: the painter maps every point of every item through it.
inline int PikselUOpsegu(double v) {
    constexpr double granica = 2147483647.0;
    // A NaN (a degenerate range) lands far outside the plot rather than on its corner.
    if (std::isnan(v)) return -2147483647;
    if (v >= granica) return 2147483647;
    if (v <= -granica) return -2147483647;
    // std::round without its library call, which every mapped point paid: towards zero first
    // (exact inside the range), then half-way cases away from zero; v - t is exact.
    const int t = static_cast<int>(v);
    const double ostatak = v - t;
    if (ostatak >= 0.5) return t + 1;
    if (ostatak <= -0.5) return t - 1;
    return t;
}

class TPlotPovrsina {
public:
    TPlotPovrsina();
    virtual ~TPlotPovrsina() = default;
    TPlotPovrsina(const TPlotPovrsina&) = delete;
    TPlotPovrsina& operator=(const TPlotPovrsina&) = delete;

    static constexpr int AllocSize = 1000;

    TScalePropsHoriz Scale1X;
    TScalePropsVert Scale1Y;

    int LRim = 50, RRim = 20, TRim = 20, BRim = 40;
    int ShadowWidth = 5;
    TColor ChartColor = clWhite;
    TColor WindColor = clBtnFace;
    TColor GridColor = clSilver;
    TColor ShadowColor = clGray;
    TColor DataColor = clBlack;
    TColor FillColor = clSilver;
    // Caption over the vertical axis; empty for none.
    QString NatpisOseY = QStringLiteral("Z");

    TGridStyle GridStyle() const { return gridStyle; }
    void SetGridStyle(TGridStyle g);
    TMouseActMode MouseAction() const { return mouseAction; }
    void SetMouseAction(TMouseActMode m);
    double MousePosX() const { return mousePosX; }
    double MousePosY() const { return mousePosY; }

    // The print plot: no shadow, no caption, white surround, black grid.
    void PodesiZaStampu();

    // Control size in pixels (the widget keeps it in step with its own size).
    int Sirina() const { return sirina; }
    int Visina() const { return visina; }
    void PostaviVelicinu(int w, int h);

    // Drawing operations: each appends one item to the display list.
    void ClearGraf();
    void MoveTo(double x, double y);
    void DrawTo(double x, double y);
    void MarkAt(double x, double y, int mk);
    void Text(double x, double y, int size, const QString& txt, int dx, int dy, TAlignment Alignment);
    void Arrow(double x1, double y1, double x2, double y2, int HeadSize);
    // A figure (item tkOblik, SizeOrAngle = its index in Oblici()).
    void Oblik(TOblik o);
    // A label that the painter places clear of the drawing and of the labels before it, or leaves
    // out where there is no room at the current zoom (item tkOznaka, MarkOrAlign = vrsta).
    void Oznaka(double x, double y, const QString& txt, TVrstaOznake vrsta, int size);
    void Oznaka(const TTackaOblika& sidro, double smerX, double smerY, const QString& txt, TVrstaOznake vrsta,
                int size);
    const std::vector<TOblik>& Oblici() const { return oblici; }

    // Equal scale: one world unit takes as many pixels along X as along Z. The axis ranges keep
    // what the program and the user set; the mapping widens the range with fewer pixels per unit
    // about its centre, so the fit, pan and zoom all keep the scale while it is on.
    bool JednakaRazmera() const { return jednakaRazmera; }
    void SetJednakaRazmera(bool d);
    // The ranges the mapping uses for a control of w x h pixels (the axis ranges when the scale
    // is free), and the same for a plot area starting at column `levo`.
    struct TOpsezi {
        double xL, xH, yL, yH;
    };
    TOpsezi VidljiviOpsezi(int w, int h) const;
    TOpsezi Opsezi(int levo, int w, int h) const;

    // The axis ranges of the last fit to the whole drawing: what sizes that follow the view (the
    // automatic diagram scale) are measured against. Null before the first fit.
    void ZapamtiUklapanje() {
        uklapanje = {Scale1X.RangeLow(), Scale1X.RangeHigh(), Scale1Y.RangeLow(), Scale1Y.RangeHigh()};
        imaUklapanje = true;
    }
    const TOpsezi* Uklapanje() const { return imaUklapanje ? &uklapanje : nullptr; }

    const std::vector<TChartItem>& Stavke() const { return stavke; }
    // Room for at least `jos` more items at once, for a drawing that knows its size ahead (the
    // list itself does not change).
    void Rezervisi(size_t jos);
    size_t Kapacitet() const { return stavke.capacity(); }

    // A red ring around one world point, over everything drawn, until it is taken away; the
    // display list does not hold it, so redrawing the structure keeps it.
    void IstakniTacku(double x, double y);
    void UkloniIsticanje();
    bool ImaIsticanje() const { return istaknuta; }
    static constexpr TColor BojaIsticanja = 0xFF0000;
    static constexpr int PoluprecnikIsticanja = 11;  // pixels

    // Dashed world segments over the drawing (a moving shape the display list does not hold), until
    // they are taken away; redrawing the structure keeps them.
    struct TDuzPreklopa {
        double x1, y1, x2, y2;
    };
    void PostaviPreklop(std::vector<TDuzPreklopa> duzi);
    void UkloniPreklop();
    const std::vector<TDuzPreklopa>& Preklop() const { return preklop; }
    static constexpr TColor BojaPreklopa = 0xD00000;

    // The plot area in control pixels: columns Levo()..Desno() and rows Gore()..Dole(), borders
    // included. The left edge is LRim unless the vertical axis labels need more room.
    int Levo() const;
    int Desno() const { return sirina - RRim - Senka(); }
    int Gore() const { return TRim; }
    int Dole() const { return visina - BRim - Senka(); }
    bool UPovrsini(int px, int py) const { return px >= Levo() && px <= Desno() && py >= Gore() && py <= Dole(); }

    // World to pixel (rounded, clamped to +-2147483647) and the exact inverse without rounding.
    int XUPiksel(double x) const;
    int YUPiksel(double y) const;
    double PikselUX(double px) const;
    double PikselUY(double py) const;

    // Mouse input in control pixels. levoDugme: the left button is held during the move.
    void MisPomeren(int px, int py, bool levoDugme);
    void MisPritisnut();
    void MisPusten();
    // Mouse wheel at (px, py): `koraci` notches, positive away from the user (zoom in). The world
    // point under the pointer stays where it is; a step that would make a range narrower than its
    // MinRange or wider than NajveciOpseg is not taken.
    void TockicMisa(int px, int py, double koraci);
    static constexpr double NajveciOpseg = 1e15;
    static constexpr double FaktorKoraka = 0.8;
    TKursor KursorNa(int px, int py) const;

    // Paints the whole control (surround, plot area, axes, grid, items) into `okvir` of the
    // painter's device, laid out for the size of `okvir`.
    void Nacrtaj(QPainter& p, const QRect& okvir) const;

    // Asks for a repaint; the widget overrides it.
    virtual void Refresh() {}

    // Everything Nacrtaj reads, for a target of w x h pixels: a paint with an equal state gives
    // the same pixels, so the widget may show its last picture again.
    struct TStanjeCrteza {
        int w = 0, h = 0;
        std::uint64_t izmenaListe = 0;
        int lRim = 0, rRim = 0, tRim = 0, bRim = 0, senka = 0;
        TColor chart = 0, wind = 0, grid = 0, shadow = 0;
        QString natpis;
        TGridStyle mreza = gsNone;
        bool jednaka = false;
        double xL = 0, xH = 0, yL = 0, yH = 0;
        int minTicksX = 0, minTicksY = 0;
        bool istaknuta = false;
        double istaknutaX = 0, istaknutaY = 0;
        std::vector<double> preklop;
        bool operator==(const TStanjeCrteza&) const = default;
    };
    TStanjeCrteza StanjeCrteza(int w, int h) const;

    // Width in pixels of `txt` drawn by a text item of `tacaka` points (at screen resolution).
    static int SirinaTeksta(const QString& txt, int tacaka);

    // Tick values an axis shows over [low, high] for an axis `duzinaPx` pixels long.
    struct TPodeoci {
        std::vector<double> glavni;
        std::vector<double> sporedni;
        int decimala = 0;
    };
    static TPodeoci Podeoci(double low, double high, int duzinaPx, int razmakPx);
    // The ticks of both axes as the control shows them on screen (their major ticks carry the grid).
    void PodeociOsa(TPodeoci& px, TPodeoci& py) const;

    // The mapping of one axis, clamped as PikselUOpsegu: `pocetak` is the pixel of the low end, `duzina` the signed
    // pixel length of the axis (negative upwards).
    static int Mapiraj(double v, double low, double high, int pocetak, int duzina) {
        return PikselUOpsegu(pocetak + (v - low) * duzina / (high - low));
    }

    // The left margin for a control of w x h pixels whose axis labels are measured with `m`:
    // LRim, or wider so that the widest vertical axis label is shown whole (at most a third of w).
    int LevaMargina(const QFontMetrics& m, int w, int h) const;

private:
    int MarginaZaOpseg(const QFontMetrics& m, double yL, double yH, int w, int h) const;
    int Senka() const { return ShadowWidth; }
    // Ticks of both axes over the plot area [levo, desno] x [gore, dole] showing the ranges `v`.
    void PodeociZaMetriku(const QFontMetrics& mo, int levo, int desno, int gore, int dole, const TOpsezi& v,
                          TPodeoci& px, TPodeoci& py) const;
    // Appends an item of this kind, point and colour, the rest default, for the caller to fill in.
    TChartItem& Dodaj(TItemKind vrsta, double x, double y, TColor boja);
    // The highlight ring and the overlay, over the display list.
    void NacrtajPreko(QPainter& p, const TRaspored& r) const;
    // The runs of the display list with their extent, made again after the list changed.
    const std::vector<TBlokStavki>& Indeks() const;
    mutable std::shared_ptr<std::vector<TBlokStavki>> indeks;
    // Counts the changes of the display list.
    std::uint64_t izmenaListe = 0;

    // Levo() is asked for on every mouse move and mapping; the labels are measured again only
    // when what they depend on has changed.
    struct TKljucMargine {
        double yL = 0, yH = 0;
        int w = -1, h = -1, lRim = -1, tRim = -1, bRim = -1, senka = -1;
        // With equal scale the labels follow the shown Z range, which follows X too.
        double xL = 0, xH = 0;
        bool jednaka = false;
        bool operator==(const TKljucMargine&) const = default;
    };
    mutable TKljucMargine kljucMargine;
    mutable int levaMargina = 0;

    std::vector<TChartItem> stavke;
    std::vector<TOblik> oblici;
    bool jednakaRazmera = false;
    TOpsezi uklapanje{0, 0, 0, 0};
    bool imaUklapanje = false;
    double sirina0X = 0, sirina0Y = 0;  // visible widths when a drag started
    bool istaknuta = false;
    double istaknutaX = 0, istaknutaY = 0;
    std::vector<TDuzPreklopa> preklop;
    TGridStyle gridStyle = gsNone;
    TMouseActMode mouseAction = maNone;
    double mousePosX = 0.0, mousePosY = 0.0;
    int sirina = 400, visina = 300;

    bool uPovlacenju = false;
    int sidroX = 0, sidroY = 0;
    double xL0 = 0, xH0 = 0, yL0 = 0, yH0 = 0;
};

// The custom-drawn control the plot is built on.
class TCustomPlotChart : public QWidget {
    Q_OBJECT
public:
    explicit TCustomPlotChart(QWidget* parent = nullptr);
};

// A tool that takes the mouse and the keys over from pan, zoom and click (the drawing mode).
// Positions are control pixels.
class TAlatGrafika {
public:
    virtual ~TAlatGrafika() = default;
    virtual void Pritisnut(int px, int py, Qt::MouseButton dugme) = 0;
    virtual void Pomeren(int px, int py, Qt::MouseButtons dugmad) = 0;
    virtual void Pusten(int px, int py, Qt::MouseButton dugme) = 0;
    virtual void DvostrukiKlik(int px, int py) = 0;
    // True when the key was used.
    virtual bool Taster(int kljuc) = 0;
    // Painted over the plot, e.g. a rubber line.
    virtual void CrtajPreko(QPainter& p) const = 0;
    // The mouse left the control.
    virtual void Napusten() {}
};

class TPlotChart : public TCustomPlotChart, public TPlotPovrsina {
    Q_OBJECT
public:
    explicit TPlotChart(QWidget* parent = nullptr);

    void Refresh() override { update(); }

    // Left button pressed and released on the control.
    std::function<void()> OnClick;
    // Right button pressed on the control while no tool has the mouse (control pixels).
    std::function<void(int px, int py)> OnDesniKlik;
    // The keyboard modifiers of the last mouse press, for a tool that tells Ctrl+click apart.
    Qt::KeyboardModifiers Modifikatori() const { return modifikatori; }
    // The control changed size.
    std::function<void()> OnResize;
    // While a tool is set it gets every mouse event and key; nullptr gives them back.
    void PostaviAlat(TAlatGrafika* a);
    TAlatGrafika* Alat() const { return alat; }

protected:
    void paintEvent(QPaintEvent*) override;
    void mousePressEvent(QMouseEvent*) override;
    void mouseMoveEvent(QMouseEvent*) override;
    void mouseReleaseEvent(QMouseEvent*) override;
    void mouseDoubleClickEvent(QMouseEvent*) override;
    void keyPressEvent(QKeyEvent*) override;
    void leaveEvent(QEvent*) override;
    void wheelEvent(QWheelEvent*) override;
    void resizeEvent(QResizeEvent*) override;

private:
    TAlatGrafika* alat = nullptr;
    Qt::KeyboardModifiers modifikatori;
    // The last painted picture and what it was painted from: a repaint of an unchanged plot (a
    // tool's rubber line, an uncovered window) shows it again instead of painting every item.
    QImage slika;
    TStanjeCrteza stanjeSlike;
    qreal razmeraSlike = 0;
    void PostaviKursor(int px, int py);
    bool pritisnut = false;
    bool preskociSledeci = false;
    // The middle button drags the view in every mouse action, a drawing tool's included; the
    // action in force comes back on release.
    bool srednjeVuce = false;
    TMouseActMode akcijaPreSrednjeg = maNone;
    bool SrednjeDugme(QMouseEvent* e, bool pritisak);
};
