#include "dialogs/Programmstart.h"

#include <QCoreApplication>
#include <QProcess>

namespace dialogs {
namespace {

class SystemStart final : public Programmstart {
public:
    bool Starte(const QString& programm, const QStringList& argumente, const QString& verzeichnis,
                QString* fehler) override {
        QProcess prozess;
        prozess.setProgram(programm);
        prozess.setArguments(argumente);
        prozess.setWorkingDirectory(verzeichnis);
        if (prozess.startDetached())
            return true;
        if (fehler)
            *fehler = prozess.errorString();
        return false;
    }
    // Closes the windows first, so that the main window stores what it stores when it closes.
    void BeendeProgramm() override { QCoreApplication::quit(); }
};

Programmstart*& Aktuelle() {
    static Programmstart* p = nullptr;
    return p;
}

} // namespace

Programmstart& Programmstart::Instanz() {
    static SystemStart system;
    return Aktuelle() ? *Aktuelle() : system;
}

void Programmstart::SetzeInstanz(Programmstart* start) {
    Aktuelle() = start;
}

} // namespace dialogs
