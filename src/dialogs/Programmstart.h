// Starting other programs and ending this one, behind a seam: the update check starts the
// commands of the control file and the restart helper through it, and a test watches instead.
#pragma once

#include <QString>
#include <QStringList>

namespace dialogs {

class Programmstart {
public:
    virtual ~Programmstart() = default;
    // Starts a program without waiting for it. False, with the system's reason in `fehler`, when
    // it could not be started.
    virtual bool Starte(const QString& programm, const QStringList& argumente,
                        const QString& verzeichnis, QString* fehler) = 0;
    // Ends this program, as closing its main window does.
    virtual void BeendeProgramm() = 0;

    static Programmstart& Instanz();
    // Replaced by a test; nullptr brings back the real one. The caller keeps ownership.
    static void SetzeInstanz(Programmstart* start);
};

} // namespace dialogs
