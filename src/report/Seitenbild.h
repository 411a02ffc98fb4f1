// One recorded page of the page printer: a list of drawing commands in the printer's pixels,
// replayed scaled in the preview and unscaled on the printer. A test reads the commands to see
// what was drawn on a page.
#pragma once

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QPen>
#include <QPoint>
#include <QPolygon>
#include <QRect>
#include <QSize>
#include <QString>
#include <QStringList>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

class QPainter;

namespace report {

struct TextBefehl {
    QPoint oben;      // top left corner of the text
    int aufstieg = 0; // from the top to the baseline, in the font's pixels
    QString text;
    QFont font; // sized in the printer's pixels
    QColor farbe;
};

struct RechteckBefehl {
    QRect rechteck; // from (x1, y1) up to, not including, (x2, y2)
    QPen stift;
    QBrush pinsel;
};

struct LinienBefehl {
    QPolygon punkte;
    QPen stift;
};

using Zeichenbefehl = std::variant<TextBefehl, RechteckBefehl, LinienBefehl>;

class TSeitenBild {
public:
    TSeitenBild(QSize groesse, int dpiX, int dpiY);

    QSize Groesse() const { return groesse_; }
    int DpiX() const { return dpiX_; }
    int DpiY() const { return dpiY_; }
    const std::vector<Zeichenbefehl>& Befehle() const { return befehle_; }
    // The texts in the order they were drawn.
    QStringList Texte() const;

    template <typename Befehl> void Hinzufuegen(Befehl&& befehl) {
        befehle_.emplace_back(std::in_place_type<std::decay_t<Befehl>>,
                              std::forward<Befehl>(befehl));
    }
    // Draws the page in the painter's current coordinates, one unit per recorded pixel.
    void Abspielen(QPainter& painter) const;

private:
    QSize groesse_;
    int dpiX_;
    int dpiY_;
    std::vector<Zeichenbefehl> befehle_;
};

} // namespace report
