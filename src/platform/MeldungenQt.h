// The message boxes as Qt shows them.
#pragma once

#include "platform/Meldungen.h"

namespace platform {

class MeldungenQt final : public Meldungen {
public:
    void Zeige(const QString& text) override;
    void Information(const QString& text) override;
    Knopf Warnung(const QString& text, Knoepfe knoepfe) override;
    Knopf Frage(const QString& text, Knoepfe knoepfe) override;
};

} // namespace platform
