#include "platform/Drucker.h"
#include "platform/DruckerQt.h"

namespace platform {
namespace {

Drucker*& Aktueller() {
    static Drucker* d = nullptr;
    return d;
}

} // namespace

Drucker& Drucker::Instanz() {
    static DruckerQt qt;
    return Aktueller() ? *Aktueller() : qt;
}

void Drucker::SetzeInstanz(Drucker* drucker) {
    Aktueller() = drucker;
}

} // namespace platform
