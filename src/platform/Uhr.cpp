#include "platform/Uhr.h"

namespace platform {
namespace {
Uhr*& Aktuelle() {
    static Uhr* u = nullptr;
    return u;
}
} // namespace

QDateTime Uhr::Jetzt() const {
    return QDateTime::currentDateTime();
}

Uhr& Uhr::Instanz() {
    static Uhr system;
    return Aktuelle() ? *Aktuelle() : system;
}

void Uhr::SetzeInstanz(Uhr* uhr) {
    Aktuelle() = uhr;
}

} // namespace platform
