// Tarvex: program entry. Wires up the platform services, creates the windows in their order and
// runs the event loop until the main window closes.
#include "app/TLogForm.h"
#include "crash/TarvexAnwendung.h"
#include "platform/Meldungen.h"
#include "platform/MeldungenQt.h"
#include "platform/Shell.h"
#include "platform/ShellQt.h"
#include "platform/Version.h"

#include <QLocale>

int main(int argc, char** argv) {
    crash::TarvexAnwendung anwendung(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvex"));
    QCoreApplication::setApplicationVersion(QString::fromLatin1(platform::DateiVersion));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));

    platform::MeldungenQt meldungen;
    platform::Meldungen::SetzeInstanz(&meldungen);
    platform::ShellQt shell;
    platform::Shell::SetzeInstanz(&shell);

    app::TLogForm hauptfenster;
    hauptfenster.FensterErzeugen();
    hauptfenster.show();
    // Take the keyboard at start, also where no window manager hands it over.
    hauptfenster.raise();
    hauptfenster.activateWindow();
    const int ergebnis = anwendung.exec();
    platform::Meldungen::SetzeInstanz(nullptr);
    platform::Shell::SetzeInstanz(nullptr);
    return ergebnis;
}
