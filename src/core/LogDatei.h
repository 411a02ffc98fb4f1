// LOG.TXT: loading it into the columns at start and appending one line per saved QSO.
#pragma once

#include "core/LogSpalten.h"

#include <QFileDevice>
#include <QList>
#include <QString>
#include <QStringView>

namespace core {

inline constexpr auto LogDateiName = "LOG.TXT";
inline constexpr auto LogKopfzeile =
    "Version;Datum;Zeit in UTC;Call;Rst gegeben;DOK gegeben;Rst erhalten;DOK erhalten;Band;"
    "Bemerkungen;Mode;";
inline constexpr auto LogSchreibfehler = "Schreibfehler im Logfile: LOG.TXT";

// Cuts the next field off the front of the line; a line without ";" stays as it is and gives
// its whole text as the field.
void NaechstesFeld(QStringView& zeile, QStringView& feld);
void NaechstesFeld(QString& zeile, QString& feld);

// Where a line stands in the file's text; with Windows-1252 one character is one byte, so these
// are the byte offsets as well.
struct ZeilenLage {
    qsizetype anfang = 0; // the line's first character
    qsizetype laenge = 0; // without its line end
    qsizetype ende = 0;   // after its line end
};

// The lines of a log file that the loader makes QSOs, in file order: the header skipped, and the
// loading stopped at a record of a newer version. Whatever reads the records and whatever must
// find one of them again in the file walks them with this one rule.
struct LogGliederung {
    QList<ZeilenLage> saetze;
    bool neuereVersion = false; // a record of a newer version ended the loading
};
LogGliederung LogGliedern(QStringView text);

// The ten values of a record line (the version field cut off first).
QsoWerte SatzWerte(QStringView zeile);

struct LogLadeErgebnis {
    int anzahl = 0;           // QsoNummer after loading: the number of records loaded
    QStringList meldungen;    // to be shown in plain boxes, in order
    bool bandGelesen = false; // at least one record was read
    QString letztesBand;      // the band of the last record read
    bool unlesbar = false;      // the file is missing or could not be opened
    bool neuereVersion = false; // the load stopped at a record of a newer version
    QByteArray gelesen;         // the bytes the records came from
};

// Appends the records of the file to the (empty) columns.
LogLadeErgebnis LogDateiLesen(const QString& pfad, LogSpalten& log);

struct LogSchreibErgebnis {
    bool geschrieben = false; // the whole line is on the disk
    QString meldung;          // empty when nothing is to be reported
    qint64 vorher = -1;       // the file's size before the append
    QByteArray angehaengt;    // the bytes appended (a new file's header included)
};

// Appends the newest QSO (the last entry of every column) as one line, flushed to the disk
// before it returns. A missing file is created with the header line.
LogSchreibErgebnis LogZeileSchreiben(const QString& pfad, const LogSpalten& log);
// The same on a log file already open for reading and appending. A write that fails takes back
// what it wrote, so the file ends where it ended before.
LogSchreibErgebnis LogZeileAnhaengen(QFileDevice& datei, const LogSpalten& log);

// The line as it is written, without the line end.
QString LogZeile(const LogSpalten& log, int index);
QString LogZeile(const QsoWerte& qso);

// Every character at or below the blank dropped from both ends.
QString Getrimmt(const QString& text);
QStringView Getrimmt(QStringView text);

} // namespace core
