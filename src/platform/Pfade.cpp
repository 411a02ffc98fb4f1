#include "platform/Pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace platform {
namespace {
QString& ProgrammVerzeichnisVorgabe() {
    static QString v;
    return v;
}
QString& EinstellungsVerzeichnisVorgabe() {
    static QString v;
    return v;
}
} // namespace

QString ProgrammVerzeichnis() {
    if (!ProgrammVerzeichnisVorgabe().isEmpty())
        return ProgrammVerzeichnisVorgabe();
    return QCoreApplication::applicationDirPath();
}

QString ProgrammDatei(const QString& name) {
    return QDir(ProgrammVerzeichnis()).filePath(name);
}

QString EinstellungsDatei() {
    QString verzeichnis = EinstellungsVerzeichnisVorgabe();
    if (verzeichnis.isEmpty())
        verzeichnis = QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    return QDir(verzeichnis).filePath(QStringLiteral("Log.ini"));
}

QString ProgrammName() {
    const QString name = QFileInfo(QCoreApplication::applicationFilePath()).completeBaseName();
    return name.isEmpty() ? QStringLiteral("tarvex") : name;
}

void SetzeProgrammVerzeichnis(const QString& verzeichnis) {
    ProgrammVerzeichnisVorgabe() = verzeichnis;
}

void SetzeEinstellungsVerzeichnis(const QString& verzeichnis) {
    EinstellungsVerzeichnisVorgabe() = verzeichnis;
}

} // namespace platform
