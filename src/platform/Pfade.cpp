#include "platform/Pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
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

// /usr belongs to the package manager and stays read-only by the file-system rules even for
// root, who could write there: exports and lists of an installed program go to the user's folder.
bool SystemVerzeichnis(const QString& verzeichnis) {
    const QString pfad = QFileInfo(verzeichnis).canonicalFilePath();
    return pfad == QLatin1String("/usr") || pfad.startsWith(QLatin1String("/usr/"));
}

// The example lists of an installed program: ../share/tarvex from the executable.
QString BeispielVerzeichnis() {
    return QDir(QCoreApplication::applicationDirPath())
        .absoluteFilePath(QStringLiteral("../share/tarvex"));
}
} // namespace

QString WaehleProgrammVerzeichnis(const QString& ausfuehrbar, const QString& heim) {
    if (!SystemVerzeichnis(ausfuehrbar) && QFileInfo(ausfuehrbar).isWritable())
        return ausfuehrbar;
    return QDir(heim).filePath(QStringLiteral("Tarvex"));
}

QString ProgrammVerzeichnis() {
    if (!ProgrammVerzeichnisVorgabe().isEmpty())
        return ProgrammVerzeichnisVorgabe();
    // Decided once, so the lists and every export of a run share one folder. The per-user
    // folder is made the first time the program asks for it, before the lists are read.
    static const QString verzeichnis = [] {
        const QString ausfuehrbar = QCoreApplication::applicationDirPath();
        const QString gewaehlt = WaehleProgrammVerzeichnis(ausfuehrbar, QDir::homePath());
        // A folder that cannot be made shows itself when the first export fails.
        if (gewaehlt != ausfuehrbar)
            ProgrammOrdnerAnlegen(gewaehlt, BeispielVerzeichnis());
        return gewaehlt;
    }();
    return verzeichnis;
}

bool ProgrammOrdnerAnlegen(const QString& ordner, const QString& beispiele) {
    QDir dir(ordner);
    if (!dir.mkpath(QStringLiteral(".")))
        return false;
    // Empty means new: the desktop launcher creates the folder before the program starts. A
    // folder the operator has used keeps what he did to the lists, also a list he removed.
    if (!dir.isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System))
        return true;
    const QFileInfoList vorlagen =
        QDir(beispiele).entryInfoList(QDir::Files | QDir::Readable, QDir::Name);
    for (const QFileInfo& vorlage : vorlagen) {
        const QString ziel = dir.filePath(vorlage.fileName());
        // A copy keeps the installed file's mode; the operator's own list must be editable.
        if (QFile::copy(vorlage.filePath(), ziel))
            QFile::setPermissions(ziel, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup |
                                            QFile::ReadOther);
    }
    return true;
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
