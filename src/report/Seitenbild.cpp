#include "report/Seitenbild.h"

#include <QPainter>

namespace report {
namespace {

struct Abspieler {
    QPainter& p;

    void operator()(const TextBefehl& t) const {
        p.setFont(t.font);
        p.setPen(t.farbe);
        p.drawText(QPointF(t.oben.x(), t.oben.y() + t.aufstieg), t.text);
    }
    void operator()(const RechteckBefehl& r) const {
        p.setPen(r.stift);
        p.setBrush(r.pinsel);
        p.drawRect(QRectF(r.rechteck));
    }
    void operator()(const LinienBefehl& l) const {
        p.setPen(l.stift);
        p.drawPolyline(l.punkte);
    }
};

} // namespace

TSeitenBild::TSeitenBild(QSize groesse, int dpiX, int dpiY)
    : groesse_(groesse), dpiX_(dpiX), dpiY_(dpiY) {}

QStringList TSeitenBild::Texte() const {
    QStringList t;
    for (const auto& b : befehle_)
        if (const auto* text = std::get_if<TextBefehl>(&b))
            t << text->text;
    return t;
}

void TSeitenBild::Abspielen(QPainter& painter) const {
    painter.save();
    const Abspieler abspieler{painter};
    for (const auto& b : befehle_)
        std::visit(abspieler, b);
    painter.restore();
}

} // namespace report
