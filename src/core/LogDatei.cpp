#include "core/LogDatei.h"

#include "platform/Codepage.h"

#include <QFile>
#include <unistd.h>

namespace core {

namespace {
const QString MeldungFehlt = QStringLiteral("Kontestbeginn? Keinen Logfile gefunden: LOG.TXT");
const QString MeldungNeuer = QStringLiteral("Diese Datendatei gehört zu einer neueren "
                                            "Programmversion\n\rSie hat nicht das gleiche "
                                            "Format. Bitte Updaten!");
const QString MeldungSchreiben = QString::fromLatin1(LogSchreibfehler);
const QString MeldungSchliessen = QStringLiteral("Fehler beim Schließen des Logfiles");

// Compared character by character by code; a prefix is the smaller text.
bool NeuereVersion(QStringView version) {
    return QStringView(u"1").compare(version, Qt::CaseSensitive) < 0;
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

LogGliederung LogGliedern(QStringView alles) {
    LogGliederung g;
    g.saetze.reserve(alles.count(u'\n'));
    qsizetype pos = 0;
    bool ersteZeile = true;
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

        if (ersteZeile) {
            ersteZeile = false;
            continue;
        }
        QStringView zeile = alles.sliced(lage.anfang, lage.laenge);
        QStringView version;
        NaechstesFeld(zeile, version);
        if (NeuereVersion(version)) {
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
    for (QString* wert : q.Felder()) {
        NaechstesFeld(zeile, f);
        *wert = f.toString();
    }
    return q;
}

LogLadeErgebnis LogDateiLesen(const QString& pfad, LogSpalten& log) {
    LogLadeErgebnis e;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly)) {
        e.unlesbar = true;
        e.meldungen << MeldungFehlt;
        return e;
    }
    // The whole file at once: one read, then the lines are cut out of it. A read error keeps
    // what could be read.
    e.gelesen = datei.readAll();
    const QString text = platform::AnsiNachText(e.gelesen);
    const QStringView alles(text);
    const LogGliederung g = LogGliedern(alles);
    log.Reservieren(g.saetze.size());
    for (const ZeilenLage& satz : g.saetze)
        log.Anhaengen(SatzWerte(alles.sliced(satz.anfang, satz.laenge)));
    e.anzahl = static_cast<int>(g.saetze.size());
    e.neuereVersion = g.neuereVersion;
    if (g.neuereVersion)
        e.meldungen << MeldungNeuer;
    e.bandGelesen = e.anzahl > 0;
    if (e.bandGelesen)
        e.letztesBand = log.SpalteBand.constLast();
    datei.close();
    if (datei.error() != QFileDevice::NoError && datei.error() != QFileDevice::ReadError)
        e.meldungen << MeldungSchliessen;
    return e;
}

QString LogZeile(const QsoWerte& q) {
    QString z = QStringLiteral("1;");
    for (const QString* wert : q.Felder()) {
        z += (wert == &q.DokEin) ? Getrimmt(*wert) : *wert;
        z += u';';
    }
    return z;
}

QString LogZeile(const LogSpalten& log, int i) {
    return LogZeile(log.Qso(i));
}

LogSchreibErgebnis LogZeileSchreiben(const QString& pfad, const LogSpalten& log) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadWrite | QIODevice::Append)) {
        LogSchreibErgebnis e;
        e.meldung = MeldungSchreiben;
        return e;
    }
    return LogZeileAnhaengen(datei, log);
}

LogSchreibErgebnis LogZeileAnhaengen(QFileDevice& datei, const LogSpalten& log) {
    LogSchreibErgebnis e;
    const qint64 alteGroesse = datei.size();
    QByteArray bytes;
    // An empty file gets its header like a new one (the loader skips line 1 unread), and a last
    // line without its line end gets one, so the new record never runs on from it.
    if (alteGroesse == 0) {
        bytes = QByteArray(LogKopfzeile) + "\r\n";
    } else {
        char letztes = 0;
        if (datei.seek(alteGroesse - 1) && datei.getChar(&letztes) && letztes != '\n' &&
            letztes != '\r')
            bytes = "\r\n";
    }
    bytes += platform::TextNachAnsi(LogZeile(log, log.Anzahl() - 1));
    bytes += "\r\n";

    const bool ok =
        datei.write(bytes) == bytes.size() && datei.flush() && ::fsync(datei.handle()) == 0;
    if (!ok) {
        // Take the partial line back, so the next QSO does not run on from it.
        datei.resize(alteGroesse);
        datei.close();
        e.meldung = MeldungSchreiben;
        return e;
    }
    e.vorher = alteGroesse;
    e.angehaengt = bytes;
    datei.close();
    if (datei.error() != QFileDevice::NoError) {
        e.meldung = MeldungSchliessen;
        return e;
    }
    e.geschrieben = true;
    return e;
}

} // namespace core
