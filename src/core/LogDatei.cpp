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
const QString MeldungSchreiben = QString::fromLatin1(LogSchreibfehler);
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

LogGliederung LogGliedern(QStringView alles) {
    LogGliederung g;
    g.saetze.reserve(alles.count(u'\n'));
    qsizetype pos = 0;
    int nummer = 0;
    while (pos < alles.size()) {
        // A line ends at CR LF, at a lone LF or at a lone CR.
        qsizetype ende = pos;
        while (ende < alles.size() && alles[ende] != u'\n' && alles[ende] != u'\r')
            ++ende;
        const ZeilenLage lage{pos, ende - pos, 0};
        pos = ende;
        if (pos < alles.size() && alles[pos] == u'\r')
            ++pos;
        if (pos < alles.size() && alles[pos] == u'\n' && (pos == ende || alles[ende] == u'\r'))
            ++pos;

        if (++nummer == 1)
            continue;
        QStringView zeile = alles.sliced(lage.anfang, lage.laenge);
        if (ZeileAbgeschnitten(zeile)) {
            g.abgeschnitten << nummer;
            continue;
        }
        QStringView version;
        NaechstesFeld(zeile, version);
        const Version art = VersionPruefen(version);
        if (art == Version::KeineZahl) {
            g.ohneVersion << nummer;
            continue;
        }
        if (art == Version::Neuer) {
            g.neuereVersion = true;
            break;
        }
        g.saetze.append({lage.anfang, lage.laenge, pos});
    }
    return g;
}

QsoWerte SatzWerte(QStringView zeile) {
    QStringView f;
    NaechstesFeld(zeile, f); // the version
    QsoWerte q;
    // A short record repeats its last value in every further field; the copies share one string,
    // so a huge value is held once, not ten times.
    QStringView vorher;
    const QString* vorherText = nullptr;
    for (QString* wert : q.Felder()) {
        NaechstesFeld(zeile, f);
        if (vorherText && f.data() == vorher.data() && f.size() == vorher.size())
            *wert = *vorherText;
        else
            *wert = f.toString();
        vorher = f;
        vorherText = wert;
    }
    return q;
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
    e.gelesen = inhalt;
    datei.close();
    if (datei.error() != QFileDevice::NoError && datei.error() != QFileDevice::ReadError)
        e.meldungen << MeldungSchliessen;
    return e;
}

LogLadeErgebnis LogInhaltLesen(QByteArrayView inhalt, LogSpalten& log) {
    LogLadeErgebnis e;
    const QString text = platform::AnsiNachText(inhalt);
    const QStringView alles(text);
    const LogGliederung g = LogGliedern(alles);
    log.Reservieren(g.saetze.size());
    for (const ZeilenLage& satz : g.saetze)
        log.Anhaengen(SatzWerte(alles.sliced(satz.anfang, satz.laenge)));
    e.anzahl = static_cast<int>(g.saetze.size());
    e.abgeschnitten = g.abgeschnitten;
    e.ohneVersion = g.ohneVersion;
    e.neuereVersion = g.neuereVersion;
    e.bandGelesen = e.anzahl > 0;
    if (e.bandGelesen)
        e.letztesBand = log.SpalteBand.constLast();
    if (!e.abgeschnitten.isEmpty() || !e.ohneVersion.isEmpty())
        e.meldungen << UebersprungenMeldung(e);
    if (e.neuereVersion)
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

QString LogZeile(const QsoWerte& q) {
    QString z = QStringLiteral("1;");
    for (const QString* wert : q.Felder()) {
        z += LogFeld((wert == &q.DokEin) ? Getrimmt(*wert) : *wert);
        z += u';';
    }
    return z;
}

QString LogZeile(const LogSpalten& log, int i) {
    return LogZeile(log.Qso(i));
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
        if (e.vorher < 0)
            e.vorher = alteGroesse;
        char letztes = 0;
        if (alteGroesse > 0 && !(datei.seek(alteGroesse - 1) && datei.getChar(&letztes)))
            letztes = 0;
        const QByteArray bytes = AnhangBytes(letztes, alteGroesse == 0, LogZeile(log, qso));
        if (!GanzAnhaengen(datei, bytes, alteGroesse)) {
            e.meldung = MeldungSchreiben;
            break;
        }
        e.angehaengt += bytes;
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
