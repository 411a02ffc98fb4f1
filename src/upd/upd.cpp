// upd: the restart helper of the update check. Started by the program with
//   upd <process number> <appname> <appcomps> <program directory>
// in the directory the program ran in. It waits for the program to end, installs the downloaded
// components named in appcomps into the program directory (SZDD files expanded, cabinets
// unpacked) and starts appname again, in that same directory.
#include "dialogs/MsEntpacken.h"
#include "dialogs/Neustart.h"
#include "dialogs/UpdateDateien.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <cerrno>
#include <csignal>
#include <cstdio>

namespace {

// A process counts as ended when it is gone or only waits to be reaped.
bool Laeuft(qint64 pid) {
    if (::kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH)
        return false;
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (stat.open(QIODevice::ReadOnly)) {
        const QByteArray zeile = stat.readAll();
        const qsizetype klammer = zeile.lastIndexOf(')');
        if (klammer >= 0 && zeile.size() > klammer + 2 && zeile[klammer + 2] == 'Z')
            return false;
    }
    return true;
}

void Fehler(const QString& text) {
    std::fprintf(stderr, "upd: %s\n", qPrintable(text));
}

// One component from the download directory or the program directory into the program directory.
bool Installiere(const QString& name, const QDir& download, const QDir& programm) {
    QString quelle = download.filePath(name);
    if (!QFileInfo::exists(quelle))
        quelle = programm.filePath(name);
    if (!QFileInfo(quelle).isFile()) {
        Fehler(QStringLiteral("%1 fehlt").arg(name));
        return false;
    }
    QString grund;
    switch (dialogs::MsFormatVon(quelle)) {
    case dialogs::MsFormat::Cab:
        if (!dialogs::CabEntpacken(quelle, programm.path(), &grund))
            break;
        return true;
    case dialogs::MsFormat::Szdd: {
        const QString ziel =
            dialogs::SzddZielName(name, dialogs::SzddFehlendesZeichen(quelle).value_or(0));
        if (ziel.isEmpty()) {
            grund = QStringLiteral("kein gültiger Name nach dem Entpacken");
            break;
        }
        if (!dialogs::SzddEntpacken(quelle, programm.filePath(ziel), &grund))
            break;
        return true;
    }
    case dialogs::MsFormat::Keins:
        if (QFileInfo(quelle).absoluteFilePath() ==
            QFileInfo(programm.filePath(name)).absoluteFilePath())
            return true;
        if (!dialogs::Einsetzen(quelle, programm.filePath(name), &grund))
            break;
        return true;
    }
    Fehler(QStringLiteral("%1: %2").arg(name, grund));
    return false;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication anwendung(argc, argv);
    const QStringList argumente = QCoreApplication::arguments();
    if (argumente.size() != 5) {
        Fehler(QStringLiteral(
            "Aufruf: upd <Prozessnummer> <appname> <appcomps> <Programmverzeichnis>"));
        return 2;
    }
    bool zahl = false;
    const qint64 pid = argumente[1].toLongLong(&zahl);
    const QString appname = argumente[2];
    const QStringList komponenten = dialogs::Komponenten(argumente[3]);
    const QDir programm(argumente[4]);
    const QDir download(QDir::currentPath());
    if (!zahl || pid <= 0 || !programm.exists()) {
        Fehler(QStringLiteral("ungültige Angaben"));
        return 2;
    }

    // Nothing is replaced while the program still runs; a program that does not end within two
    // minutes keeps its files.
    QDeadlineTimer frist(120 * 1000);
    while (Laeuft(pid)) {
        if (frist.hasExpired()) {
            Fehler(QStringLiteral("das Programm wurde nicht beendet"));
            return 1;
        }
        QThread::msleep(50);
    }

    bool gut = true;
    for (const QString& name : komponenten) {
        if (!dialogs::GueltigerDateiName(name)) {
            Fehler(QStringLiteral("%1: kein Dateiname").arg(name));
            gut = false;
            continue;
        }
        gut = Installiere(name, download, programm) && gut;
    }

    const auto befehl = dialogs::NeustartBefehl(appname, programm.path());
    if (!befehl) {
        Fehler(QStringLiteral("%1 liegt nicht im Programmverzeichnis").arg(appname));
        return 1;
    }
    if (!QProcess::startDetached(befehl->first(), befehl->mid(1), download.path())) {
        Fehler(QStringLiteral("%1 kann nicht gestartet werden").arg(befehl->first()));
        return 1;
    }
    return gut ? 0 : 1;
}
