// The update checker: fetches the control file, decides whether a newer version exists, tells
// the window through its events and downloads the listed files. Everything it receives is
// treated as hostile: names never leave their target directory, transfers take a name only when
// complete, and a command or address from the control file runs only after the operator's "Ja".
#pragma once

#include "dialogs/UpdateRegeln.h"

#include <QObject>
#include <QString>
#include <functional>
#include <memory>

namespace platform {
class ProfilInhalt;
}

namespace dialogs {

class Uebertragung;

// The "whatsnew" text and the captions of the dialog that shows it.
struct WasIstNeu {
    QString caption, text, okbtn, cancelbtn;
};

class TUpdateChecker : public QObject {
    Q_OBJECT
public:
    // The address of the control file; place-holders are resolved at each check.
    explicit TUpdateChecker(QString steuerAdresse = StandardAdresse(), QObject* eltern = nullptr);
    ~TUpdateChecker() override;

    // The program's own update address, fixed when the program is built.
    static QString StandardAdresse();
    // The control file is never taken larger than this.
    static constexpr qint64 MaxSteuerGroesse = 1 << 20;

    // Runs one complete check. False, and nothing done, while a check is running.
    bool Pruefen();
    bool Laeuft() const { return laeuft_; }
    // Ends a running check at once: the transfer under way is broken off and the check goes on
    // with closing the connection, without further questions.
    void Abbrechen();

    // The directory, with a trailing separator, that the file of this control-file address is
    // stored in: its entry's target directory, else the current directory. Meant for the
    // messages during a check.
    QString ZielVerzeichnisFuer(const QString& url) const;

    // Shows the "whatsnew" text; true when the operator accepts it. Unset: accepted.
    std::function<bool(const WasIstNeu&)> ZeigeWasIstNeu;
    // Whether an Internet connection is present. Unset: the system's network information.
    std::function<bool()> InternetVorhanden;
    // The temporary directory ({TMP}); empty: the system's.
    QString TempVerzeichnis;
    // A transfer that receives nothing for this long is broken off.
    int ZeitlimitMs = 30000;

signals:
    void Status(const QString& text, int fehler, int statuscode);
    void FileDownloaded(const QString& datei);
    void Success();

private:
    struct Lauf;
    void Ablauf(Lauf& lauf);
    bool Steuerdatei(Lauf& lauf);
    bool VersionEntscheiden(Lauf& lauf);
    bool Aktionen(Lauf& lauf);
    bool WasIstNeuZeigen(Lauf& lauf);
    void Dateiliste(Lauf& lauf);
    void Herunterladen(Lauf& lauf);
    void Nachher(Lauf& lauf);
    void Neustart(Lauf& lauf);

    bool Lade(const QString& adresse, const QString& ziel, qint64 hoechstens = -1);
    void Melde(const QString& text, int statuscode = 3, int fehler = 0);
    bool Erlaubt(const QString& frage, const QString& was);
    void StarteBefehl(const QString& befehl);
    void OeffneAdresse(const QString& adresse);
    UpdateEintrag Eintrag(const QString& sektion) const;

    QString steuerAdresse_;
    bool laeuft_ = false;
    bool abbruch_ = false;
    Lauf* lauf_ = nullptr;
    std::unique_ptr<Uebertragung> netz_;
};

// Whether the system reports an Internet connection; where it cannot tell, one is assumed.
bool InternetVerbindungVorhanden();

// The date of the installed version: "LastDate" and "LastTime" of the product's section in
// Version.ini beside Log.ini, which only an installer writes; 1 January 1980 without them.
QDateTime InstallierteVersionVom();

} // namespace dialogs
