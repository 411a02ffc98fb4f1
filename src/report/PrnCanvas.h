// The drawing surface of the page printer: texts, rectangles and lines in the printer's pixels,
// with a font sized in points, a pen and a brush. What is drawn goes into the page being
// recorded; with no page open it reaches nothing.
#pragma once

#include "report/Zeichenarten.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QString>

namespace report {

class TSeitenBild;

struct TPrnFont {
    QString Name = QStringLiteral("Courier New");
    int Size = 10; // points
    bool Bold = false;
    bool Italic = false;
    bool Underline = false;
    bool StrikeOut = false;
    QColor Color = Qt::black;

    bool operator==(const TPrnFont&) const = default;
};

struct TPrnPen {
    QColor Color = Qt::black;
    int Width = 1; // printer pixels; 0 is the thinnest line the device draws
    TPenStyle Style = psSolid;
};

struct TPrnBrush {
    QColor Color = Qt::white;
    TBrushStyle Style = bsSolid;
};

// The font as it is drawn and measured on a device of dpi pixels per inch (vertically).
QFont SchriftInPixeln(const TPrnFont& font, int dpi);
// The height of a font of that many points in pixels, rounded like the platform does.
int PunkteInPixeln(int punkte, int dpi);

class TPrnCanvas {
public:
    TPrnFont& Font() { return font_; }
    TPrnPen& Pen() { return pen_; }
    TPrnBrush& Brush() { return brush_; }

    // The top left corner of the text at (x, y).
    void TextOut(int x, int y, const QString& text);
    // Outline with the pen, filled with the brush, from (x1, y1) up to (x2, y2).
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(const QRect& rechteck);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const QPolygon& punkte);
    int TextWidth(const QString& text) const;
    int TextHeight(const QString& text) const;
    QPoint PenPos() const { return stiftPos_; }

    TPrnCanvas(const TPrnCanvas&) = delete;
    TPrnCanvas& operator=(const TPrnCanvas&) = delete;

private:
    friend class TPagePrinter;
    TPrnCanvas() = default;

    QFont Schrift() const { return SchriftInPixeln(font_, dpiY_); }

    TPrnFont font_;
    TPrnPen pen_;
    TPrnBrush brush_;
    QPoint stiftPos_;
    int dpiY_ = 300;
    TSeitenBild* ziel_ = nullptr;
};

} // namespace report
