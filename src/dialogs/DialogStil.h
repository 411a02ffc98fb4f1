// Drawing shared by the program's own windows: the blue gradient of the header bands.
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

class QLabel;
class QPainter;
class QWidget;

namespace dialogs {

void BlauerVerlauf(QPainter& painter, const QRect& flaeche);

// A plain-text label in the given size and colour, as the header bands use them.
QLabel* Beschriftung(const QString& text, int punkt, bool fett, QColor farbe, QWidget* eltern);

} // namespace dialogs
