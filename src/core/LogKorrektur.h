// Correcting a logged QSO in LOG.TXT: the file rewritten from its own bytes with only that
// record's line replaced or removed, written beside it, flushed and renamed over it, the previous
// file kept as LOG.BAK. Nothing is written unless the file is still the one the program knows.
#pragma once

#include "core/LogDatei.h"
#include "core/LogSpalten.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QCryptographicHash>
#include <QFileDevice>
#include <QString>

namespace core {

inline constexpr auto LogSicherungName = "LOG.BAK";

// What the program knows of LOG.TXT: the size and a hash of the bytes it loaded at start, with
// every byte it appended or rewrote since. A file that differs was changed by someone else, and
// a correction would map its rows to the wrong lines or throw that change away.
class LogFingerabdruck {
public:
    // The file's whole content, after the loading or a rewrite.
    void Setze(QByteArrayView inhalt);
    // An append of `bytes` to a file that was `vorher` bytes long. If that was not the size known,
    // the file had changed before: from now on nothing is known.
    void Angehaengt(qint64 vorher, QByteArrayView bytes);
    bool Passt(QByteArrayView inhalt) const;

private:
    bool bekannt_ = false;
    qint64 groesse_ = 0;
    QCryptographicHash hash_{QCryptographicHash::Sha256};
};

// `alt` with the record at `satz` replaced by `zeile` followed by CR LF, as a save writes it, or
// without `zeile` removed together with its line end. Every other byte stays.
QByteArray SatzErsetzt(QByteArrayView alt, const ZeilenLage& satz, const QByteArray* zeile);

// Replaces the file `ziel` by `inhalt` as one step: written to `neu` (a file beside it, named
// but not open), flushed to the disk, renamed over `ziel`, and the directory flushed. On false
// `ziel` is as it was and `neu` is gone.
bool DateiErsetzen(QFileDevice& neu, const QString& ziel, QByteArrayView inhalt);
// The same through a file beside `ziel` named after it with ".neu".
bool DateiErsetzen(const QString& ziel, QByteArrayView inhalt);

struct LogUmschreibErgebnis {
    bool geschrieben = false;
    QString meldung;   // "Schreibfehler im Logfile: LOG.TXT" when not
    QByteArray inhalt; // the file's new content
};

// Rewrites the log file `pfad` with the record of QSO `index` replaced by the line of `neu`, or
// removed when `neu` is null. The file must be the one `bekannt` describes and its records must
// be the QSOs of `log`; the previous file is kept as `sicherung`.
LogUmschreibErgebnis LogSatzUmschreiben(const QString& pfad, const QString& sicherung,
                                        const LogSpalten& log, const LogFingerabdruck& bekannt,
                                        int index, const QsoWerte* neu);

} // namespace core
