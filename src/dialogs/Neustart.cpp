#include "dialogs/Neustart.h"

#include "dialogs/UpdateDateien.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>

namespace dialogs {

QStringList Komponenten(const QString& appcomps) {
    static const QRegularExpression trenner(QStringLiteral("[;,\\s]+"));
    return appcomps.split(trenner, Qt::SkipEmptyParts);
}

QString AppnameGequotet(const QString& appname) {
    const qsizetype blank = appname.indexOf(u' ');
    if (blank < 0)
        return appname;
    return u'"' + appname.left(blank) + u'"' + appname.mid(blank);
}

std::optional<QStringList> NeustartBefehl(const QString& appname,
                                          const QString& programmVerzeichnis) {
    QStringList teile = QProcess::splitCommand(appname);
    if (teile.isEmpty() || programmVerzeichnis.isEmpty())
        return std::nullopt;
    QString programm = teile.first();
    if (QDir::isRelativePath(programm)) {
        if (!BleibtDarunter(programm))
            return std::nullopt;
        programm = QDir(programmVerzeichnis).filePath(programm);
    }
    // Compared as the directories really are, so that a link in either path does not matter.
    const auto echt = [](const QString& pfad) {
        const QString kanonisch = QFileInfo(pfad).canonicalFilePath();
        return kanonisch.isEmpty() ? QDir::cleanPath(QFileInfo(pfad).absoluteFilePath())
                                   : kanonisch;
    };
    if (!GueltigerDateiName(QFileInfo(programm).fileName()))
        return std::nullopt;
    const QString verzeichnis = echt(programmVerzeichnis);
    const QString ort = echt(QFileInfo(programm).absolutePath());
    if (ort != verzeichnis && !ort.startsWith(verzeichnis + u'/'))
        return std::nullopt;
    teile.first() = QDir(ort).filePath(QFileInfo(programm).fileName());
    return teile;
}

} // namespace dialogs
