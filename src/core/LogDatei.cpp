#include "core/LogDatei.h"

#include "platform/Codepage.h"
#include "platform/Dateien.h"

#include <QFile>
#include <cerrno>
#include <unistd.h>

namespace core {

namespace {
const QString MeldungFehlt = QStringLiteral("Kontestbeginn? Keinen Logfile gefunden: LOG.TXT");
const QString MeldungNeuer = QStringLiteral("Diese Datendatei gehört zu einer neueren "
                                            "Programmversion\n\rSie hat nicht das gleiche "
                                            "Format. Bitte Updaten!");
const QString MeldungSchreiben = QStringLiteral("Schreibfehler im Logfile: LOG.TXT");
const QString MeldungSchliessen = QStringLiteral("Fehler beim Schließen des Logfiles");

enum class Version { Lesbar, Neuer, KeineZahl };

// The record version: empty or a number up to 1 is read, a larger number belongs to a newer
// program. Anything else is no version at all (a damaged or foreign line), and stopping there
// would hide every QSO behind it.
Version VersionPruefen(QStringView v) {
    for (const QChar c : v)
        if (c < u'0' || c > u'9')
            return Version::KeineZahl;
    while (!v.isEmpty() && v.front() == u'0')
        v = v.mid(1);
    return v.size() > 1 || (v.size() == 1 && v.front() > u'1') ? Version::Neuer : Version::Lesbar;
}

QString Zeilennummern(const QList<int>& zeilen) {
    constexpr int Hoechstens = 20;
    QStringList nummern;
    for (int i = 0; i < zeilen.size() && i < Hoechstens; ++i)
        nummern << QString::number(zeilen[i]);
    QString text = nummern.join(QStringLiteral(", "));
    if (zeilen.size() > Hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(zeilen.size() - Hoechstens);
    return text;
}

QString UebersprungenMeldung(const LogLadeErgebnis& e) {
    QStringList teile;
    if (!e.abgeschnitten.isEmpty())
        teile << QStringLiteral("Nicht geladen, Zeile beim Schreiben abgeschnitten: LOG.TXT "
                                "Zeile ") +
                     Zeilennummern(e.abgeschnitten);
    if (!e.ohneVersion.isEmpty())
        teile << QStringLiteral("Nicht geladen, Versionsnummer ungültig: LOG.TXT Zeile ") +
                     Zeilennummern(e.ohneVersion);
    return teile.join(u'\r');
}
} // namespace

QStringView Getrimmt(QStringView s) {
    while (!s.isEmpty() && s.front().unicode() <= 0x20)
        s = s.mid(1);
    while (!s.isEmpty() && s.back().unicode() <= 0x20)
        s.chop(1);
    return s;
}

QString Getrimmt(const QString& text) {
    const QStringView v = Getrimmt(QStringView(text));
    return v.size() == text.size() ? text : v.toString();
}

void NaechstesFeld(QStringView& zeile, QStringView& feld) {
    feld = zeile;
    const qsizetype p = zeile.indexOf(u';');
    if (p >= 0) {
        feld = zeile.first(p);
        zeile = zeile.sliced(p + 1);
    }
}

void NaechstesFeld(QString& zeile, QString& feld) {
    QStringView z(zeile), f;
    NaechstesFeld(z, f);
    const QString neu = z.toString();
    feld = f.toString();
    zeile = neu;
}

bool ZeileAbgeschnitten(QStringView zeile) {
    if (zeile == u"1")
        return true;
    if (!zeile.startsWith(u"1;") || zeile.count(u';') >= 11)
        return false;
    // The date this program writes, "dd.mm.yyyy", whole when a ";" follows it, else begun.
    QStringView datum = zeile.sliced(2);
    const qsizetype ende = datum.indexOf(u';');
    if (ende >= 0)
        datum = datum.first(ende);
    constexpr QStringView Muster = u"00.00.0000";
    if (datum.size() > Muster.size() || (ende >= 0 && datum.size() != Muster.size()))
        return false;
    for (qsizetype i = 0; i < datum.size(); ++i) {
        const bool ziffer = datum[i] >= u'0' && datum[i] <= u'9';
        if (Muster[i] == u'0' ? !ziffer : datum[i] != u'.')
            return false;
    }
    return true;
}

LogLadeErgebnis LogDateiLesen(const QString& pfad, LogSpalten& log) {
    QFile datei(pfad);
    if (!platform::RegulaerOeffnen(datei, QIODevice::ReadOnly)) {
        LogLadeErgebnis e;
        e.unlesbar = true;
        e.meldungen << MeldungFehlt;
        return e;
    }
    // The whole file at once: one read, then the lines are cut out of it. A read error keeps
    // what could be read.
    const QByteArray inhalt = datei.readAll();
    LogLadeErgebnis e = LogInhaltLesen(inhalt, log);
    datei.close();
    if (datei.error() != QFileDevice::NoError && datei.error() != QFileDevice::ReadError)
        e.meldungen << MeldungSchliessen;
    return e;
}

LogLadeErgebnis LogInhaltLesen(QByteArrayView inhalt, LogSpalten& log) {
    LogLadeErgebnis e;
    const QString text = platform::AnsiNachText(inhalt);
    log.Reservieren(inhalt.count('\n'));

    const QStringView alles(text);
    qsizetype pos = 0;
    int nummer = 0;
    bool neuer = false;
    while (pos < alles.size()) {
        // A line ends at CR LF, at a lone LF or at a lone CR.
        qsizetype ende = pos;
        while (ende < alles.size() && alles[ende] != u'\n' && alles[ende] != u'\r')
            ++ende;
        QStringView zeile = alles.sliced(pos, ende - pos);
        pos = ende;
        if (pos < alles.size() && alles[pos] == u'\r')
            ++pos;
        if (pos < alles.size() && alles[pos] == u'\n' && (pos == ende || alles[ende] == u'\r'))
            ++pos;

        if (++nummer == 1)
            continue;
        if (ZeileAbgeschnitten(zeile)) {
            e.abgeschnitten << nummer;
            continue;
        }
        QStringView version;
        NaechstesFeld(zeile, version);
        const Version art = VersionPruefen(version);
        if (art == Version::KeineZahl) {
            e.ohneVersion << nummer;
            continue;
        }
        if (art == Version::Neuer) {
            neuer = true;
            e.neuereVersion = true;
            break;
        }
        ++e.anzahl;
        // A short record repeats its last value in every further column; the copies share one
        // string, so a huge value is held once, not ten times.
        QStringView f, vorher;
        const QString* vorherText = nullptr;
        for (QStringList* spalte : log.Spalten()) {
            NaechstesFeld(zeile, f);
            if (vorherText && f.data() == vorher.data() && f.size() == vorher.size())
                spalte->append(*vorherText);
            else
                spalte->append(f.toString());
            vorher = f;
            vorherText = &spalte->constLast();
        }
        e.bandGelesen = true;
    }
    if (e.bandGelesen)
        e.letztesBand = log.SpalteBand.constLast();
    if (!e.abgeschnitten.isEmpty() || !e.ohneVersion.isEmpty())
        e.meldungen << UebersprungenMeldung(e);
    if (neuer)
        e.meldungen << MeldungNeuer;
    return e;
}

QString LogFeld(const QString& wert) {
    QString w = wert;
    for (QChar& c : w) {
        if (c == u';')
            c = u',';
        else if (c == u'\r' || c == u'\n')
            c = u' ';
    }
    return w;
}

QsoWerte LogFelder(QsoWerte q) {
    for (QString* w : {&q.Datum, &q.Zeit, &q.Call, &q.RstAus, &q.DokAus, &q.RstEin, &q.DokEin,
                       &q.Band, &q.Bemerkung, &q.Mode})
        *w = LogFeld(*w);
    return q;
}

QString LogZeile(const LogSpalten& log, int i) {
    QString z = QStringLiteral("1;");
    const auto spalten = log.Spalten();
    for (int c = 0; c < 10; ++c) {
        const QString& wert = (*spalten[c])[i];
        z += LogFeld((spalten[c] == &log.SpalteDokEin) ? Getrimmt(wert) : wert);
        z += u';';
    }
    return z;
}

QByteArray AnhangBytes(char letztes, bool leer, QStringView zeile) {
    // An empty file gets its header like a new one (the loader skips line 1 unread).
    QByteArray bytes;
    if (leer)
        bytes = QByteArray(LogKopfzeile) + "\r\n";
    else if (letztes != '\n' && letztes != '\r')
        bytes = "\r\n";
    bytes += platform::TextNachAnsi(zeile);
    bytes += "\r\n";
    return bytes;
}

LogSchreibErgebnis LogZeilenSchreiben(const QString& pfad, const LogSpalten& log,
                                      const QList<int>& qsos) {
    QFile datei(pfad);
    if (!platform::RegulaerOeffnen(datei, QIODevice::ReadWrite | QIODevice::Append |
                                              QIODevice::Unbuffered)) {
        LogSchreibErgebnis e;
        e.meldung = MeldungSchreiben;
        return e;
    }
    return LogZeilenAnhaengen(datei, log, qsos);
}

LogSchreibErgebnis LogZeileSchreiben(const QString& pfad, const LogSpalten& log) {
    return LogZeilenSchreiben(pfad, log, {log.Anzahl() - 1});
}

namespace {
// One line at the end of the file, on the disk when it returns true. Otherwise the file is cut
// back to its old end through the descriptor: the device is unbuffered, so no part of the line
// waits in a buffer to be written later.
bool GanzAnhaengen(QFileDevice& datei, const QByteArray& bytes, qint64 alteGroesse) {
    if (datei.write(bytes) == bytes.size() && ::fsync(datei.handle()) == 0)
        return true;
    int r;
    do
        r = ::ftruncate(datei.handle(), alteGroesse);
    while (r != 0 && errno == EINTR);
    if (r == 0)
        ::fsync(datei.handle());
    return false;
}
} // namespace

LogSchreibErgebnis LogZeilenAnhaengen(QFileDevice& datei, const LogSpalten& log,
                                      const QList<int>& qsos) {
    Q_ASSERT(datei.openMode() & QIODevice::Unbuffered);
    LogSchreibErgebnis e;
    for (const int qso : qsos) {
        const qint64 alteGroesse = datei.size();
        char letztes = 0;
        if (alteGroesse > 0 && !(datei.seek(alteGroesse - 1) && datei.getChar(&letztes)))
            letztes = 0;
        const QByteArray bytes = AnhangBytes(letztes, alteGroesse == 0, LogZeile(log, qso));
        if (!GanzAnhaengen(datei, bytes, alteGroesse)) {
            e.meldung = MeldungSchreiben;
            break;
        }
        ++e.anzahl;
    }
    datei.close();
    e.geschrieben = e.anzahl == qsos.size();
    // The lines written are on the disk already; a failing close is reported, but they count.
    if (e.meldung.isEmpty() && datei.error() != QFileDevice::NoError)
        e.meldung = MeldungSchliessen;
    return e;
}

} // namespace core
