#include "report/PrnCanvas.h"
#include "platform/Drucker.h"
#include "report/Seitenbild.h"

#include <QPen>
#include <algorithm>
#include <cstdlib>

namespace report {
namespace {

QPen Stift(const TPrnPen& pen) {
    static constexpr Qt::PenStyle stile[] = {Qt::SolidLine,   Qt::DashLine,       Qt::DotLine,
                                             Qt::DashDotLine, Qt::DashDotDotLine, Qt::NoPen};
    const int art = std::clamp(static_cast<int>(pen.Style), 0, 5);
    QPen p(pen.Color, std::max(0, pen.Width), stile[art], Qt::SquareCap, Qt::MiterJoin);
    return p;
}

QBrush Pinsel(const TPrnBrush& brush) {
    return brush.Style == bsClear ? QBrush(Qt::NoBrush) : QBrush(brush.Color);
}

} // namespace

int PunkteInPixeln(int punkte, int dpi) {
    // Half a pixel and more rounds away from zero; fonts beyond any sensible size are capped so
    // that no font engine is asked for a glyph of a million pixels.
    const long long p = std::llabs(static_cast<long long>(punkte)) * std::max(dpi, 1);
    return static_cast<int>(std::clamp((p + 36) / 72, 1LL, 32767LL));
}

QFont SchriftInPixeln(const TPrnFont& font, int dpi) {
    QFont f(font.Name);
    f.setPixelSize(PunkteInPixeln(font.Size, dpi));
    f.setBold(font.Bold);
    f.setItalic(font.Italic);
    f.setUnderline(font.Underline);
    f.setStrikeOut(font.StrikeOut);
    // Measured and drawn at any scale with the same advances.
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

void TPrnCanvas::TextOut(int x, int y, const QString& text) {
    if (!ziel_ || text.isEmpty())
        return;
    const QFont f = Schrift();
    ziel_->Hinzufuegen(TextBefehl{QPoint(x, y), platform::Drucker::Instanz().Metrik(f).aufstieg,
                                  text, f, font_.Color});
}

void TPrnCanvas::Rectangle(int x1, int y1, int x2, int y2) {
    if (!ziel_)
        return;
    ziel_->Hinzufuegen(
        RechteckBefehl{QRect(x1, y1, x2 - x1, y2 - y1).normalized(), Stift(pen_), Pinsel(brush_)});
}

void TPrnCanvas::FillRect(const QRect& rechteck) {
    if (!ziel_)
        return;
    ziel_->Hinzufuegen(RechteckBefehl{rechteck.normalized(), QPen(Qt::NoPen), Pinsel(brush_)});
}

void TPrnCanvas::MoveTo(int x, int y) {
    stiftPos_ = QPoint(x, y);
}

void TPrnCanvas::LineTo(int x, int y) {
    const QPoint bis(x, y);
    if (ziel_)
        ziel_->Hinzufuegen(LinienBefehl{QPolygon({stiftPos_, bis}), Stift(pen_)});
    stiftPos_ = bis;
}

void TPrnCanvas::Polyline(const QPolygon& punkte) {
    if (ziel_ && punkte.size() >= 2)
        ziel_->Hinzufuegen(LinienBefehl{punkte, Stift(pen_)});
}

int TPrnCanvas::TextWidth(const QString& text) const {
    return platform::Drucker::Instanz().Textbreite(Schrift(), text);
}

int TPrnCanvas::TextHeight(const QString&) const {
    return platform::Drucker::Instanz().Metrik(Schrift()).hoehe;
}

} // namespace report
