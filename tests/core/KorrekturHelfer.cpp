// The helper process of the kill test: loads LOG.TXT of the directory it is given as the program
// starts, says "bereit" and then corrects without a pause until it is killed. "ersetzen" changes
// the received DOK of QSO 1 back and forth between A11 and B22; "loeschen" deletes the oldest QSO
// until none is left.
#include "core/Kontest.h"
#include "platform/Pfade.h"

#include <QCoreApplication>
#include <QDir>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const QString ordner = QString::fromLocal8Bit(argv[1]);
    QDir::setCurrent(ordner);
    platform::SetzeProgrammVerzeichnis(ordner);
    platform::SetzeEinstellungsVerzeichnis(ordner);
    core::Kontest k(nullptr);
    k.EinstellungenLaden({0, 0, 0});
    k.LogLaden();
    std::fputs("bereit\n", stdout);
    std::fflush(stdout);
    if (std::strcmp(argv[2], "ersetzen") == 0) {
        for (int n = 0;; ++n) {
            core::QsoWerte q = k.Log.Qso(1);
            q.DokEin = n % 2 ? QStringLiteral("A11") : QStringLiteral("B22");
            if (!k.QsoErsetzen(1, q).ok)
                return 1;
        }
    }
    while (k.Log.Anzahl() > 0)
        if (!k.QsoLoeschen(0).ok)
            return 1;
    return 0;
}
