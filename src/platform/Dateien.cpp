#include "platform/Dateien.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

bool RegulaerOeffnen(QFile& datei, QIODevice::OpenMode modus) {
    int flags = O_CLOEXEC | O_NOCTTY | O_NONBLOCK;
    if (modus & QIODevice::WriteOnly) {
        flags |= (modus & QIODevice::ReadOnly) ? O_RDWR : O_WRONLY;
        flags |= O_CREAT;
        if (modus & QIODevice::Append)
            flags |= O_APPEND;
    } else {
        flags |= O_RDONLY;
    }
    // Opened without waiting (a FIFO would wait for its other end), then looked at through the
    // descriptor itself, so nothing can be swapped in between the look and the use.
    const QByteArray name = QFile::encodeName(datei.fileName());
    int fd;
    do
        fd = ::open(name.constData(), flags, 0666);
    while (fd < 0 && errno == EINTR);
    if (fd < 0)
        return false;
    struct stat st {};
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        ::close(fd);
        return false;
    }
    const int fl = ::fcntl(fd, F_GETFL);
    if (fl >= 0)
        ::fcntl(fd, F_SETFL, fl & ~O_NONBLOCK);
    if (!datei.open(fd, modus, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

DateiInhalt RegulaerLesen(const QString& pfad, qint64 grenze) {
    DateiInhalt e;
    QFile datei(pfad);
    if (!RegulaerOeffnen(datei, QIODevice::ReadOnly)) {
        // A dangling link counts as missing, like the file it points to.
        e.stand = QFile::exists(pfad) ? DateiInhalt::Unlesbar : DateiInhalt::Fehlt;
        return e;
    }
    // The size first, so a large file is not read at all; the read is bounded all the same, in
    // case the file grows meanwhile.
    const qint64 groesse = datei.size();
    if (groesse <= grenze)
        e.bytes = datei.read(groesse + 1);
    if (groesse > grenze || e.bytes.size() > grenze || datei.error() != QFileDevice::NoError) {
        e.bytes.clear();
        e.stand = DateiInhalt::Unlesbar;
        return e;
    }
    e.stand = DateiInhalt::Gelesen;
    return e;
}

bool BomAbnehmen(QByteArrayView& bytes) {
    if (!bytes.startsWith(Utf8Bom))
        return false;
    bytes = bytes.sliced(Utf8Bom.size());
    return true;
}

} // namespace platform
