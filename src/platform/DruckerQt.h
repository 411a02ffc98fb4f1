// The default printer through Qt Print Support. Fonts are measured with their pixel size, which
// the caller computes for the printer's resolution, so the screen's resolution never enters.
#pragma once

#include "platform/Drucker.h"

#include <QFontMetricsF>
#include <optional>

namespace platform {

class DruckerQt final : public Drucker {
public:
    std::optional<Druckerdaten> Standarddrucker(bool quer) override;
    Schriftmetrik Metrik(const QFont& font) override;
    int Textbreite(const QFont& font, QStringView text) override;
    int Kopien() const override { return kopien_; }
    void SetzeKopien(int kopien) override { kopien_ = kopien < 1 ? 1 : kopien; }
    std::unique_ptr<Druckauftrag> Starte(const QString& titel, bool quer) override;

private:
    const QFontMetricsF& Masse(const QFont& font);

    int kopien_ = 1;
    // A report measures thousands of texts in a handful of fonts; the metrics of the last font
    // are kept.
    QFont letzteSchrift_;
    std::optional<QFontMetricsF> letzteMasse_;
};

} // namespace platform
