#include "platform/Zeitzone.h"

#include "platform/Uhr.h"

#include <QTimeZone>

namespace platform {
namespace {
Zeitzone*& Aktuelle() {
    static Zeitzone* z = nullptr;
    return z;
}
} // namespace

std::optional<int> Zeitzone::BiasMinuten() const {
    const QTimeZone zone = QTimeZone::systemTimeZone();
    if (!zone.isValid())
        return std::nullopt;
    return -zone.offsetFromUtc(Uhr::Instanz().Jetzt()) / 60;
}

Zeitzone& Zeitzone::Instanz() {
    static Zeitzone system;
    return Aktuelle() ? *Aktuelle() : system;
}

void Zeitzone::SetzeInstanz(Zeitzone* zone) {
    Aktuelle() = zone;
}

} // namespace platform
