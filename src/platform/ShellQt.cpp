#include "platform/ShellQt.h"

#include <QDesktopServices>

namespace platform {

bool ShellQt::OeffneDatei(const QString& pfad) {
    return QDesktopServices::openUrl(QUrl::fromLocalFile(pfad));
}

bool ShellQt::OeffneAdresse(const QUrl& adresse) {
    return QDesktopServices::openUrl(adresse);
}

} // namespace platform
