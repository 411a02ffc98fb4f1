#include "platform/Meldungen.h"

#include <QtGlobal>

namespace platform {
namespace {

// Stands in until main() wires up the real boxes: nothing is shown, the text goes to the log.
class StilleMeldungen final : public Meldungen {
public:
    void Zeige(const QString& text) override { qWarning("Meldung: %s", qPrintable(text)); }
    void Information(const QString& text) override { Zeige(text); }
    Knopf Warnung(const QString& text, Knoepfe) override {
        Zeige(text);
        return Knopf::Ok;
    }
    Knopf Frage(const QString& text, Knoepfe knoepfe) override {
        Zeige(text);
        return EnterAntwort(knoepfe);
    }
};

Meldungen*& Aktuelle() {
    static Meldungen* m = nullptr;
    return m;
}

} // namespace

Meldungen& Meldungen::Instanz() {
    static StilleMeldungen still;
    return Aktuelle() ? *Aktuelle() : still;
}

void Meldungen::SetzeInstanz(Meldungen* meldungen) {
    Aktuelle() = meldungen;
}

} // namespace platform
