// The rules of the update check that need no network: the newer rule for one entry of the control
// file, the checksum, version numbers, dates and the place-holders.
#pragma once

#include <QDateTime>
#include <QString>
#include <array>
#include <optional>

namespace dialogs {

// The 32-bit sum, starting at -1, of all bytes of a file read as unsigned values; -1 for a
// missing file.
qint32 DateiPruefsumme(const QString& pfad);

// A version text of exactly four decimal numbers, separated by "." (by "," when it holds a comma).
std::optional<std::array<qint32, 4>> VersionsTeile(const QString& text);
QString VersionsText(const std::array<qint32, 4>& teile);

// One entry of the control file as the newer rule sees it.
struct UpdateEintrag {
    QString newversion;
    qint32 newsize = 0;      // 0: none
    qint32 newchecksum = -1; // -1: none
    QString localversion;    // the installed file, place-holders resolved
};

enum class Vergleich { Pruefsumme, Dateigroesse, Versionsinfo };
// Which comparison the rule makes for an entry that names an installed file.
Vergleich VergleichFuer(const UpdateEintrag& eintrag);
// True when the entry gives a version, a size or a checksum.
bool HatVergleichswert(const UpdateEintrag& eintrag);

struct NeuerErgebnis {
    bool neuer = false;
    QString version; // the new version as the status text shows it
};
NeuerErgebnis IstNeuer(const UpdateEintrag& eintrag);

// Date "dd.mm.yyyy" and time "hh:nn" of the control file (an empty time is midnight) as local
// time; nothing when either does not parse.
std::optional<QDateTime> DatumZeit(const QString& datum, const QString& zeit);

// The directories the place-holders {WIN}, {APP}, {TMP} and {PF} stand for.
struct Platzhalter {
    QString win, app, tmp, pf;
};
// Resolves the place-holders of a text, matched without regard to case; each directory is put in
// without a trailing separator, the root as "/.".
QString Aufgeloest(const QString& text, const Platzhalter& orte);
// True when the text begins with a place-holder (its directory is then ours, not the server's).
bool BeginntMitPlatzhalter(const QString& text);

// The directory a file entry's "targetdir" names, resolved; the current directory when it is
// empty. Nothing when the text has a ".." element, or gives an absolute path that no place-holder
// produced: a file from the server never leaves the directories the program chose.
std::optional<QString> ZielVerzeichnis(const QString& targetdir, const Platzhalter& orte);

} // namespace dialogs
