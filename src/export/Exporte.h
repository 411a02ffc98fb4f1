// The two log exports for the evaluator and for other logging programs: LOG.STF and LOG.ADI,
// both built from LOG.TXT on disk.
#pragma once

#include "core/IniRecord.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QDateTime>
#include <QIODevice>
#include <QList>
#include <QString>

namespace exporte {

// The contest series' information page, named in the third line of every STF file.
inline constexpr auto InfoAdresse = "https://www.example.org/aktivitaetsabend";

struct ExportErgebnis {
    bool geschrieben = false;
    int saetze = 0; // lines of the STF file, records of the ADIF file
    QString ziel;
    QString meldung; // the closing message; empty when nothing was written
    // LOG.TXT lines (counted from 1, the header being line 1) left out because their fields
    // could not be put in their columns; the message names them too.
    QList<int> unklareZeilen;
};

// Writes LOG.STF. logPfad is LOG.TXT, zielPfad the target; panel3 and pnlQsoPunkte are the
// captions of the two score panels ("Multis: 3", "QSO Punkte: 36"). Nothing is written and no
// message results when LOG.TXT holds at most one line. Throws platform::Fehler when LOG.TXT
// cannot be read or the target cannot be written; the target then stays as it was.
ExportErgebnis StfExport(const QString& logPfad, const QString& zielPfad,
                         const core::IniRecord& station, int qsoNummer, const QString& panel3,
                         const QString& pnlQsoPunkte, const QString& dateiVersion,
                         const QDateTime& jetzt);

// The same from an open LOG.TXT into an open target; zielName is the name the message gives. A
// device that takes less than the whole file raises platform::Fehler.
ExportErgebnis StfExport(QIODevice& log, QIODevice& ziel, const QString& zielName,
                         const core::IniRecord& station, int qsoNummer, const QString& panel3,
                         const QString& pnlQsoPunkte, const QString& dateiVersion,
                         const QDateTime& jetzt);

// Writes LOG.ADI, one record per line, no header; the same rules for nothing to do and errors.
ExportErgebnis AdifExport(const QString& logPfad, const QString& zielPfad);
ExportErgebnis AdifExport(QIODevice& log, QIODevice& ziel, const QString& zielName);

// Blanks appended up to n characters; a longer text stays whole.
QByteArray PadRechts(QByteArray text, qsizetype n);
// The band column of an STF QSO line, four characters, or empty for a band outside the table.
QByteArray StfBandText(QByteArrayView band);
// The ADIF band ("80M" ... "70CM"), or empty for a band outside the table.
QByteArray AdifBandText(QByteArrayView band);

// One QSO line of the STF file and one ADIF record, without the line end, from the fields of a
// usable LOG.TXT line (at least 11).
QByteArray StfQsoZeile(const QList<QByteArray>& felder);
QByteArray AdifSatz(const QList<QByteArray>& felder);

} // namespace exporte
