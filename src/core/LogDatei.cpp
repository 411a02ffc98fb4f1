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
const QString MeldungSchreiben = QStringLiteral("Schreibfehler im Logfile: LOG.TXT");
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
    const QByteArray inhalt = datei.readAll();
    const QString text = platform::AnsiNachText(inhalt);
    log.Reservieren(inhalt.count('\n'));

    const QStringView alles(text);
    qsizetype pos = 0;
    bool ersteZeile = true;
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

        if (ersteZeile) {
            ersteZeile = false;
            continue;
        }
        QStringView version;
        NaechstesFeld(zeile, version);
        if (NeuereVersion(version)) {
            e.neuereVersion = true;
            e.meldungen << MeldungNeuer;
            break;
        }
        ++e.anzahl;
        QStringView f;
        for (QStringList* spalte : log.Spalten()) {
            NaechstesFeld(zeile, f);
            spalte->append(f.toString());
        }
        e.bandGelesen = true;
    }
    if (e.bandGelesen)
        e.letztesBand = log.SpalteBand.constLast();
    datei.close();
    if (datei.error() != QFileDevice::NoError && datei.error() != QFileDevice::ReadError)
        e.meldungen << MeldungSchliessen;
    return e;
}

QString LogZeile(const LogSpalten& log, int i) {
    QString z = QStringLiteral("1;");
    const auto spalten = log.Spalten();
    for (int c = 0; c < 10; ++c) {
        const QString& wert = (*spalten[c])[i];
        z += (spalten[c] == &log.SpalteDokEin) ? Getrimmt(wert) : wert;
        z += u';';
    }
    return z;
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
    datei.close();
    if (datei.error() != QFileDevice::NoError) {
        e.meldung = MeldungSchliessen;
        return e;
    }
    e.geschrieben = true;
    return e;
}

} // namespace core
