// One HTTP transfer of the update check into a file, on the user-interface thread: a local event
// loop runs while the body arrives, so the windows stay responsive. Every cache is bypassed, and
// the body goes to a temporary "WUPD" file in the current directory that takes the target's name
// only when it is complete.
#pragma once

#include <QNetworkAccessManager>
#include <QString>
#include <memory>

class QEventLoop;

namespace dialogs {

class Uebertragung {
public:
    enum class Ergebnis {
        Ok,
        KeineAntwort,  // no connection, no server, no valid address
        HttpFehler,    // a status above 299
        Leer,          // an empty body
        ZuGross,       // more than the caller allows
        Abgebrochen,   // the transfer broke off, stalled, or was stopped
        Schreibfehler, // the temporary file or the target could not be written
    };
    struct Antwort {
        Ergebnis ergebnis = Ergebnis::KeineAntwort;
        int httpStatus = 0;
        qint64 bytes = 0;
    };

    explicit Uebertragung(QString benutzerAgent);
    ~Uebertragung();

    // Fetches an http or https address into `ziel`. `hoechstens` (when >= 0) is the largest body
    // taken. What was there under `ziel` is replaced only by a complete body.
    Antwort Lade(const QString& adresse, const QString& ziel, qint64 hoechstens = -1);
    // Stops the transfer under way and every later one (they end as Abgebrochen).
    void Abbrechen();

    // A transfer that receives nothing for this long is broken off.
    int zeitlimitMs = 30000;

private:
    QString agent_;
    QNetworkAccessManager netz_;
    QEventLoop* schleife_ = nullptr;
    bool abgebrochen_ = false;
};

} // namespace dialogs
