// The child of the kill test: starts as the program does (settings, special lists, LOG.TXT from
// the directory it is given) and saves QSOs through the save sequence until it is killed. After
// each QSO that is on the disk it says so on its standard output with one write: "ok CALL".
#include "core/Kontest.h"
#include "platform/Pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <unistd.h>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    const QString dir = QString::fromLocal8Bit(argv[1]);
    QDir::setCurrent(dir);
    platform::SetzeProgrammVerzeichnis(dir);
    platform::SetzeEinstellungsVerzeichnis(dir);

    core::Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    if (::write(STDOUT_FILENO, "bereit\n", 7) != 7)
        return 1;
    for (;;) {
        // Numbered after the QSOs loaded, so the file holds K1, K2, ... in order, without gaps.
        const QString call = QStringLiteral("K%1").arg(k.Log.Anzahl() + 1);
        const core::Kontest::Gespeichert g = k.Speichern(
            {QStringLiteral("10.12.2026"), QStringLiteral("13:27:00"), call, QStringLiteral("59"),
             QStringLiteral("K32"), QStringLiteral("59"), QStringLiteral("Z22     "),
             QStringLiteral("2"), QStringLiteral("Abbruchtest"), QStringLiteral("SSB")});
        if (!g.aufPlatte)
            return 1;
        const QByteArray zeile = "ok " + call.toLatin1() + '\n';
        if (::write(STDOUT_FILENO, zeile.constData(), zeile.size()) != zeile.size())
            return 1;
    }
}
