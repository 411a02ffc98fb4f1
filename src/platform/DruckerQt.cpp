#include "platform/DruckerQt.h"
#include "platform/Fehler.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>
#include <cmath>

namespace platform {
namespace {

void Einrichten(QPrinter& p, bool quer) {
    p.setPageOrientation(quer ? QPageLayout::Landscape : QPageLayout::Portrait);
    p.setFullPage(false);
}

class QtAuftrag final : public Druckauftrag {
public:
    QtAuftrag(const QPrinterInfo& info, const QString& titel, int kopien, bool quer)
        : printer_(info, QPrinter::HighResolution) {
        Einrichten(printer_, quer);
        printer_.setDocName(titel);
        printer_.setCopyCount(kopien);
        if (!painter_.begin(&printer_))
            throw Fehler(
                QStringLiteral("Printing on \"%1\" could not be started").arg(info.printerName()));
    }
    ~QtAuftrag() override {
        if (painter_.isActive()) {
            printer_.abort();
            painter_.end();
        }
    }

    QPainter& Painter() override { return painter_; }
    int DpiX() const override { return printer_.logicalDpiX(); }
    int DpiY() const override { return printer_.logicalDpiY(); }
    void NeueSeite() override {
        if (!printer_.newPage())
            throw Fehler(QStringLiteral("The printer refused a new page"));
    }
    void Ende() override {
        if (!painter_.end() || printer_.printerState() == QPrinter::Error)
            throw Fehler(QStringLiteral("The print job could not be sent to the printer"));
    }
    void Abbrechen() override {
        printer_.abort();
        if (painter_.isActive())
            painter_.end();
    }

private:
    QPrinter printer_;
    QPainter painter_;
};

} // namespace

std::optional<Druckerdaten> DruckerQt::Standarddrucker(bool quer) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        return std::nullopt;
    QPrinter p(info, QPrinter::HighResolution);
    if (!p.isValid())
        return std::nullopt;
    Einrichten(p, quer);
    const QRectF papier = p.paperRect(QPrinter::DevicePixel);
    const QRectF seite = p.pageRect(QPrinter::DevicePixel);
    if (p.logicalDpiX() <= 0 || p.logicalDpiY() <= 0 || papier.isEmpty())
        return std::nullopt;
    Druckerdaten d;
    d.dpiX = p.logicalDpiX();
    d.dpiY = p.logicalDpiY();
    d.papier = papier.size().toSize();
    d.versatz = QPoint(qRound(seite.left() - papier.left()), qRound(seite.top() - papier.top()));
    return d;
}

const QFontMetricsF& DruckerQt::Masse(const QFont& font) {
    if (!letzteMasse_ || !(font == letzteSchrift_)) {
        letzteSchrift_ = font;
        letzteMasse_.emplace(font);
    }
    return *letzteMasse_;
}

Schriftmetrik DruckerQt::Metrik(const QFont& font) {
    const QFontMetricsF& m = Masse(font);
    Schriftmetrik s;
    s.aufstieg = qRound(m.ascent());
    s.hoehe = s.aufstieg + qRound(m.descent());
    s.externerDurchschuss = qRound(m.leading());
    return s;
}

int DruckerQt::Textbreite(const QFont& font, QStringView text) {
    if (text.isEmpty())
        return 0;
    const double b = Masse(font).horizontalAdvance(text.toString());
    return b >= 2e9 ? 2000000000 : static_cast<int>(std::lround(b));
}

std::unique_ptr<Druckauftrag> DruckerQt::Starte(const QString& titel, bool quer) {
    const QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull())
        throw Fehler(QStringLiteral("There is no default printer currently selected"));
    return std::make_unique<QtAuftrag>(info, titel, kopien_, quer);
}

} // namespace platform
