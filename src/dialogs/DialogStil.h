// Drawing shared by the program's own windows: the blue gradient of the header bands.
#pragma once

#include <QRect>

class QPainter;

namespace dialogs {

void BlauerVerlauf(QPainter& painter, const QRect& flaeche);

} // namespace dialogs
