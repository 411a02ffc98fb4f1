// The desktop's "open" through QDesktopServices.
#pragma once

#include "platform/Shell.h"

namespace platform {

class ShellQt final : public Shell {
public:
    bool OeffneDatei(const QString& pfad) override;
    bool OeffneAdresse(const QUrl& adresse) override;
};

} // namespace platform
