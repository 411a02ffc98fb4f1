// The desktop's "open": a file with its registered application, an address with the mail
// program or the web browser. Nothing waits for the started program.
#pragma once

#include <QString>
#include <QUrl>

namespace platform {

class Shell {
public:
    virtual ~Shell() = default;
    virtual bool OeffneDatei(const QString& pfad) = 0;
    virtual bool OeffneAdresse(const QUrl& adresse) = 0;

    static Shell& Instanz();
    static void SetzeInstanz(Shell* shell);
};

} // namespace platform
