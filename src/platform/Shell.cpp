#include "platform/Shell.h"

namespace platform {
namespace {

class KeineShell final : public Shell {
public:
    bool OeffneDatei(const QString&) override { return false; }
    bool OeffneAdresse(const QUrl&) override { return false; }
};

Shell*& Aktuelle() {
    static Shell* s = nullptr;
    return s;
}

} // namespace

Shell& Shell::Instanz() {
    static KeineShell keine;
    return Aktuelle() ? *Aktuelle() : keine;
}

void Shell::SetzeInstanz(Shell* shell) {
    Aktuelle() = shell;
}

} // namespace platform
