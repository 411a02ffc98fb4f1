#include "dialogs/DialogStil.h"

#include <QLinearGradient>
#include <QPainter>

namespace dialogs {

void BlauerVerlauf(QPainter& painter, const QRect& flaeche) {
    QLinearGradient verlauf(flaeche.topLeft(), flaeche.bottomLeft());
    verlauf.setColorAt(0.0, QColor(0x10, 0x30, 0x90));
    verlauf.setColorAt(1.0, QColor(0x60, 0xA0, 0xF0));
    painter.fillRect(flaeche, verlauf);
}

} // namespace dialogs
