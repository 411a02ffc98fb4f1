#include "platform/Fehler.h"

namespace platform {

Fehler::Fehler(const QString& text) : std::runtime_error(text.toStdString()), text_(text) {}

} // namespace platform
