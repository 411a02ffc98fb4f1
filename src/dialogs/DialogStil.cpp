#include "dialogs/DialogStil.h"

#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

namespace dialogs {

void BlauerVerlauf(QPainter& painter, const QRect& flaeche) {
    QLinearGradient verlauf(flaeche.topLeft(), flaeche.bottomLeft());
    verlauf.setColorAt(0.0, QColor(0x10, 0x30, 0x90));
    verlauf.setColorAt(1.0, QColor(0x60, 0xA0, 0xF0));
    painter.fillRect(flaeche, verlauf);
}

QLabel* Beschriftung(const QString& text, int punkt, bool fett, QColor farbe, QWidget* eltern) {
    auto* label = new QLabel(text, eltern);
    label->setTextFormat(Qt::PlainText);
    QFont schrift = label->font();
    schrift.setPointSize(punkt);
    schrift.setBold(fett);
    label->setFont(schrift);
    QPalette farben = label->palette();
    farben.setColor(QPalette::WindowText, farbe);
    label->setPalette(farben);
    return label;
}

} // namespace dialogs
