// A printer for tests: fixed resolution, paper and border (or none at all), fonts measured as a
// monospaced font whose characters are 0.6 of the font's pixel size wide, and print jobs that
// keep what was drawn on every printed page (texts with their places, lines, rectangles).
#pragma once

#include "platform/Drucker.h"

#include <QPaintDevice>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

namespace testsupport {

struct GedruckterText {
    QPointF grundlinie; // device pixels, after the painter's transformation
    QString text;
    double pixelGroesse = 0; // the font's pixel size times the painter's vertical scale
};

struct GedruckteSeite {
    std::vector<GedruckterText> texte;
    int linien = 0;
    int rechtecke = 0;
    QStringList Texte() const;
};

// A paint device that draws nothing and remembers what it was asked to draw, page by page.
class AufzeichnungsGeraet final : public QPaintDevice {
public:
    AufzeichnungsGeraet(QSize groesse, int dpiX, int dpiY);
    ~AufzeichnungsGeraet() override;
    QPaintEngine* paintEngine() const override;
    void NeueSeite() { seiten.emplace_back(); }
    std::vector<GedruckteSeite> seiten{1};

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    class Engine;
    QSize groesse_;
    int dpiX_;
    int dpiY_;
    std::unique_ptr<Engine> engine_;
};

struct TestAuftrag {
    QString titel;
    int kopien = 0; // the printer's copy count when the job started
    bool beendet = false;
    bool abgebrochen = false;
    std::vector<GedruckteSeite> seiten;
};

class TestDrucker final : public platform::Drucker {
public:
    // A 600 dpi printer with an A4 sheet of 4960 x 7016 pixels and a border of 100 pixels.
    TestDrucker();
    ~TestDrucker() override;

    std::optional<platform::Druckerdaten> Standarddrucker(bool quer) override;
    platform::Schriftmetrik Metrik(const QFont& font) override;
    int Textbreite(const QFont& font, QStringView text) override;
    int Kopien() const override { return kopien; }
    void SetzeKopien(int k) override { kopien = k; }
    std::unique_ptr<platform::Druckauftrag> Starte(const QString& titel, bool quer) override;

    // nullopt: no printer is installed.
    std::optional<platform::Druckerdaten> daten;
    int externerDurchschuss = 0;
    int kopien = 1;
    int textbreitenAufrufe = 0;
    // Every job started, in order; the last one is the one running.
    std::vector<TestAuftrag> auftraege;
    // Runs when a page has been drawn (before the next one starts), with the job's page count.
    std::function<void(int)> nachSeite;
    // The job fails at its end, as a printer that went away would.
    bool endeScheitert = false;
};

} // namespace testsupport
