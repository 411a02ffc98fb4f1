#include "dialogs/UpdateDateien.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>

namespace dialogs {

QString DateiNameVon(const QString& adresse) {
    const qsizetype schnitt = std::max(adresse.lastIndexOf(u'/'), adresse.lastIndexOf(u'\\'));
    return adresse.mid(schnitt + 1);
}

bool GueltigerDateiName(const QString& name) {
    return !name.isEmpty() && name != u"." && name != u".." && !name.contains(u'/') &&
           !name.contains(u'\\') && !name.contains(QChar(0));
}

bool BleibtDarunter(const QString& pfad) {
    // ":" first is Qt's mark of its resources (":/x"), which no file path may be taken for.
    if (pfad.startsWith(u'/') || pfad.startsWith(u'\\') || pfad.startsWith(u':') ||
        pfad.contains(QChar(0)))
        return false;
    // "C:..." names a drive, not a directory below this one.
    if (pfad.size() >= 2 && pfad[1] == u':' && pfad[0].isLetter())
        return false;
    QString einheitlich = pfad;
    einheitlich.replace(u'\\', u'/');
    const QStringList teile = einheitlich.split(u'/');
    return !teile.contains(QStringLiteral(".."));
}

namespace {

bool Umbenennen(const QString& von, const QString& nach, int* fehlernummer) {
    if (std::rename(QFile::encodeName(von).constData(), QFile::encodeName(nach).constData()) == 0)
        return true;
    *fehlernummer = errno;
    return false;
}

bool PlatteGeschrieben(QFile& datei) {
    return datei.flush() && ::fsync(datei.handle()) == 0;
}

} // namespace

bool Einsetzen(const QString& fertig, const QString& ziel, QString* fehler,
               QFileDevice::Permissions neueRechte) {
    const QFileInfo alt(ziel);
    const auto rechte = alt.exists() && !alt.isSymLink() ? alt.permissions() : neueRechte;
    QFile::setPermissions(fertig, rechte);
    int nummer = 0;
    if (Umbenennen(fertig, ziel, &nummer))
        return true;
    if (nummer != EXDEV) {
        if (fehler)
            *fehler = QString::fromLocal8Bit(std::strerror(nummer));
        return false;
    }
    // Another file system: the copy is written beside the target first.
    QFile quelle(fertig);
    QTemporaryFile kopie(QFileInfo(ziel).absoluteDir().filePath(QStringLiteral("WUPDXXXXXX")));
    bool gut = quelle.open(QIODevice::ReadOnly) && kopie.open();
    while (gut && !quelle.atEnd()) {
        const QByteArray block = quelle.read(1 << 16);
        gut = !block.isEmpty() && kopie.write(block) == block.size();
    }
    gut = gut && PlatteGeschrieben(kopie);
    if (gut) {
        kopie.close();
        QFile::setPermissions(kopie.fileName(), rechte);
        gut = Umbenennen(kopie.fileName(), ziel, &nummer);
        if (gut)
            kopie.setAutoRemove(false);
    } else {
        nummer = EIO;
    }
    if (!gut) {
        if (fehler)
            *fehler = QString::fromLocal8Bit(std::strerror(nummer));
        return false;
    }
    quelle.remove();
    return true;
}

} // namespace dialogs
