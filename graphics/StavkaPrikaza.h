#pragma once
// The display list's entries: colours, item kinds, the items themselves and the fixed-size figures
// of the engineering drawing.
#include <QString>

#include <cstdint>
#include <vector>

// Colours are 0xRRGGBB.
using TColor = std::uint32_t;
inline constexpr TColor clBlack = 0x000000;
inline constexpr TColor clWhite = 0xFFFFFF;
inline constexpr TColor clGray = 0x808080;
inline constexpr TColor clSilver = 0xC0C0C0;
inline constexpr TColor clBtnFace = 0xF0F0F0;

enum TItemKind : std::uint8_t { tkNone, tkMoveTo, tkLineto, tkMarkAt, tkTextOfs, tkArrow, tkOblik, tkOznaka };
enum TGridStyle : int { gsNone = 0, gsDotLines = 7 };
enum TMouseActMode : int { maNone = 0, maPan = 1, maZoomDrag = 8 };
enum TAlignment : int { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };
enum TPenStyle : std::uint8_t { psSolid = 0 };

// One entry of the display list. Positions are world coordinates, except that a text item keeps
// its pixel offsets in x2, y2.
struct TChartItem {
    TItemKind ItemKind = tkNone;
    double x = 0, y = 0;
    double x2 = 0, y2 = 0;
    TColor Color = clBlack;
    TColor FillColor = clSilver;
    bool Transp = false;
    QString Text;
    int SizeOrAngle = 0;
    int MarkOrAlign = 0;
    TPenStyle PenStyle = psSolid;
    std::uint8_t LWid = 1;
    std::uint8_t Layer = 1;
    std::uint8_t ItemClass = 0;
    // A placed label's anchor: this pixel offset in the frame of the world direction (x2, y2), as
    // for the points of a figure.
    float PomakA = 0, PomakB = 0;
};

inline constexpr int NajduziTekstStavke = 15;

// A figure of fixed pixel size for the engineering drawing (supports, hinges, loads). Each point is
// a world point plus a pixel offset (a, b) in a frame whose first axis runs along the world
// direction (smerX, smerY) as it shows on screen and whose second axis is the first turned a
// quarter turn counter-clockwise; so a symbol keeps its size at every zoom and turns with its
// member whatever the scales of the two axes.
struct TTackaOblika {
    double x = 0, y = 0;
    float a = 0, b = 0;
};
struct TOblik {
    std::vector<TTackaOblika> tacke;
    double smerX = 1, smerY = 0;
    bool zatvoren = false;
    bool ispunjen = false;
    TColor boja = clBlack;
    TColor ispuna = clWhite;
    float debljina = 1;
    // Labels keep clear of it.
    bool prepreka = true;
    // A row: the figure repeated from where it stands to the world point (doX, doY), about every
    // `korak` pixels at the current zoom (0: drawn once), so a distributed load keeps its look
    // whether its member is long or short on screen.
    double doX = 0, doY = 0;
    float korak = 0;
    // One of a kind of small marks that every node or member has (TSitanZnak), drawn only while
    // the view has room to tell them apart; 0: drawn always.
    unsigned char sitan = 0;
};
enum TSitanZnak : unsigned char { szNijedan = 0, szCvor = 1, szOrijentacija = 2, szVrsta = 3 };

// How a placed label looks: a node number plain, a member number in a small box, a value in a
// smaller face.
enum TVrstaOznake : int { ozBrojCvora = 0, ozBrojStapa = 1, ozVrednost = 2 };
