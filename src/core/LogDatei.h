// LOG.TXT: loading it into the columns at start and appending one line per saved QSO.
#pragma once

#include "core/LogSpalten.h"

#include <QByteArray>
#include <QByteArrayView>
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

// The lines of a log file that the loader makes QSOs, in file order: the header skipped, a line
// cut short by a failed write or with a version that is no number left out, and the loading
// stopped at a record of a newer version. Whatever reads the records and whatever must find one
// of them again in the file walks them with this one rule.
struct LogGliederung {
    QList<ZeilenLage> saetze;
    QList<int> abgeschnitten;   // numbers (from 1) of the lines left out as cut short
    QList<int> ohneVersion;     // numbers of the lines left out for a version that is no number
    bool neuereVersion = false; // a record of a newer version ended the loading
};
LogGliederung LogGliedern(QStringView text);

// The ten values of a record line (the version field cut off first).
QsoWerte SatzWerte(QStringView zeile);

struct LogLadeErgebnis {
    int anzahl = 0;             // QsoNummer after loading: the number of records loaded
    QStringList meldungen;      // to be shown in plain boxes, in order
    bool bandGelesen = false;   // at least one record was read
    QString letztesBand;        // the band of the last record read
    bool unlesbar = false;      // the file is missing or could not be opened
    bool neuereVersion = false; // the load stopped at a record of a newer version
    QList<int> abgeschnitten;   // numbers of the lines left out as cut short while written
    QList<int> ohneVersion;     // numbers of the lines left out for a version that is no number
    QByteArray gelesen;         // the bytes the records came from
};

// Appends the records of the file to the (empty) columns. A file that is missing, cannot be read
// or is no regular file leaves them empty with the message for a missing log.
LogLadeErgebnis LogDateiLesen(const QString& pfad, LogSpalten& log);
// The same on the file's content.
LogLadeErgebnis LogInhaltLesen(QByteArrayView inhalt, LogSpalten& log);

// A record line that a write cut short (the disk filled up and the partial line could not be
// taken back): the start of a line as this program writes it, with fewer than its eleven ";".
bool ZeileAbgeschnitten(QStringView zeile);

struct LogSchreibErgebnis {
    int anzahl = 0;           // lines that are now on the disk, from the first asked for on
    bool geschrieben = false; // every line asked for is on the disk
    QString meldung;          // empty when nothing is to be reported
    qint64 vorher = -1;       // the file's size before the append
    QByteArray angehaengt;    // the bytes appended (a new file's header included)
};

// Appends the QSOs at these indices of the columns, in this order, each as one whole line flushed
// to the disk; stops at the first line that cannot be written. A missing file is created with the
// header line; a file that is no regular file is not written.
LogSchreibErgebnis LogZeilenSchreiben(const QString& pfad, const LogSpalten& log,
                                      const QList<int>& qsos);
// The newest QSO (the last entry of every column).
LogSchreibErgebnis LogZeileSchreiben(const QString& pfad, const LogSpalten& log);
// The same on a log file already open for reading and appending, unbuffered (so that nothing of a
// failed line stays behind in a buffer). A line that cannot be written whole is taken back: the
// file then ends exactly where it ended before. The device is closed.
LogSchreibErgebnis LogZeilenAnhaengen(QFileDevice& datei, const LogSpalten& log,
                                      const QList<int>& qsos);

// The bytes that append `zeile` (without its line end) to a file whose last byte is `letztes`
// (0 for an empty file, which gets the header first): a last line without its line end gets one,
// so the new record never runs on from it.
QByteArray AnhangBytes(char letztes, bool leer, QStringView zeile);

// The line as it is written, without the line end.
QString LogZeile(const LogSpalten& log, int index);
QString LogZeile(const QsoWerte& qso);

// A value as it may stand in a field of LOG.TXT, which has no quoting: every ";" becomes "," and
// every line break a blank, so the value cannot split its record or shift the columns.
QString LogFeld(const QString& wert);
QsoWerte LogFelder(QsoWerte qso);

// Every character at or below the blank dropped from both ends.
QString Getrimmt(const QString& text);
QStringView Getrimmt(QStringView text);

} // namespace core
