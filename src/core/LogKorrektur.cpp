#include "core/LogKorrektur.h"

#include "platform/Codepage.h"

#include <QFile>
#include <QFileInfo>
#include <fcntl.h>
#include <unistd.h>

namespace core {

namespace {

// A value as it reads back from the file: what Windows-1252 cannot hold came back as "?".
QString WieGeschrieben(const QString& wert) {
    return platform::AnsiNachText(platform::TextNachAnsi(wert));
}

// The records of the file are the QSOs of the log, in order: only then does row i of the list
// belong to record i of the file. A QSO that never reached the file, or a file that was loaded
// only up to a record of a newer version and appended to since, fails here.
bool SaetzeSindLog(QStringView text, const LogGliederung& g, const LogSpalten& log) {
    if (g.saetze.size() != log.Anzahl())
        return false;
    for (int i = 0; i < log.Anzahl(); ++i) {
        QsoWerte datei = SatzWerte(text.sliced(g.saetze[i].anfang, g.saetze[i].laenge));
        QsoWerte speicher = log.Qso(i);
        // The received DOK is written trimmed and trimmed again by every evaluation.
        datei.DokEin = Getrimmt(datei.DokEin);
        speicher.DokEin = Getrimmt(speicher.DokEin);
        for (QString* wert : speicher.Felder())
            *wert = WieGeschrieben(*wert);
        if (datei != speicher)
            return false;
    }
    return true;
}

// The new text reads back as the old records with only record `index` replaced by `zeile`, or
// removed when `zeile` is null. A removed line after a lone CR could otherwise let that CR and
// a following lone LF become one line end, and an empty record would vanish with it.
bool NurDieserSatz(QStringView alt, const LogGliederung& vorher, QStringView neu, int index,
                   const QString* zeile) {
    const LogGliederung nachher = LogGliedern(neu);
    if (nachher.saetze.size() != vorher.saetze.size() - (zeile ? 0 : 1) ||
        nachher.neuereVersion != vorher.neuereVersion)
        return false;
    qsizetype j = 0;
    for (qsizetype i = 0; i < vorher.saetze.size(); ++i) {
        if (i == index && !zeile)
            continue;
        const ZeilenLage& a = vorher.saetze[i];
        const ZeilenLage& n = nachher.saetze[j++];
        const QStringView soll = i == index ? QStringView(*zeile) : alt.sliced(a.anfang, a.laenge);
        if (neu.sliced(n.anfang, n.laenge) != soll)
            return false;
    }
    return true;
}

// The rename is already done when the directory is flushed: the file is the new one whatever
// this returns, so a file system that cannot flush a directory does not turn it into a failure.
void OrdnerSichern(const QString& datei) {
    const QByteArray ordner = QFile::encodeName(QFileInfo(datei).absolutePath());
    const int fd = ::open(ordner.constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

} // namespace

void LogFingerabdruck::Setze(QByteArrayView inhalt) {
    hash_.reset();
    hash_.addData(inhalt);
    groesse_ = inhalt.size();
    bekannt_ = true;
}

void LogFingerabdruck::Angehaengt(qint64 vorher, QByteArrayView bytes) {
    if (!bekannt_ || vorher != groesse_) {
        bekannt_ = false;
        return;
    }
    hash_.addData(bytes);
    groesse_ += bytes.size();
}

bool LogFingerabdruck::Passt(QByteArrayView inhalt) const {
    return bekannt_ && inhalt.size() == groesse_ &&
           QCryptographicHash::hash(inhalt, QCryptographicHash::Sha256) == hash_.result();
}

QByteArray SatzErsetzt(QByteArrayView alt, const ZeilenLage& satz, const QByteArray* zeile) {
    QByteArray neu;
    neu.reserve(alt.size() + (zeile ? zeile->size() + 2 : 0));
    neu.append(alt.first(satz.anfang));
    if (zeile) {
        neu.append(*zeile);
        neu.append("\r\n");
    }
    neu.append(alt.sliced(satz.ende));
    return neu;
}

bool DateiErsetzen(QFileDevice& neu, const QString& ziel, QByteArrayView inhalt) {
    const QString name = neu.fileName();
    // A left-over of an attempt that was cut off goes first; NewOnly then makes sure the bytes
    // go into a file of our own and never through a link into another one.
    QFile::remove(name);
    bool ok = neu.open(QIODevice::WriteOnly | QIODevice::NewOnly);
    if (ok) {
        ok = neu.write(inhalt.data(), inhalt.size()) == inhalt.size() && neu.flush() &&
             ::fsync(neu.handle()) == 0;
        neu.close();
        ok = ok && neu.error() == QFileDevice::NoError;
    }
    if (ok) {
        if (const QFileDevice::Permissions rechte = QFile::permissions(ziel))
            QFile::setPermissions(name, rechte);
        ok =
            ::rename(QFile::encodeName(name).constData(), QFile::encodeName(ziel).constData()) == 0;
    }
    if (!ok) {
        QFile::remove(name);
        return false;
    }
    OrdnerSichern(ziel);
    return true;
}

bool DateiErsetzen(const QString& ziel, QByteArrayView inhalt) {
    QFile neu(ziel + QStringLiteral(".neu"));
    return DateiErsetzen(neu, ziel, inhalt);
}

LogUmschreibErgebnis LogSatzUmschreiben(const QString& pfad, const QString& sicherung,
                                        const LogSpalten& log, const LogFingerabdruck& bekannt,
                                        int index, const QsoWerte* neu) {
    LogUmschreibErgebnis e;
    e.meldung = QString::fromLatin1(LogSchreibfehler);
    if (index < 0 || index >= log.Anzahl())
        return e;
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return e;
    const QByteArray alt = datei.readAll();
    if (datei.error() != QFileDevice::NoError || !bekannt.Passt(alt))
        return e;
    datei.close();

    const QString altText = platform::AnsiNachText(alt);
    const LogGliederung g = LogGliedern(altText);
    if (!SaetzeSindLog(altText, g, log))
        return e;
    QByteArray zeile;
    if (neu)
        zeile = platform::TextNachAnsi(LogZeile(*neu));
    QByteArray inhalt = SatzErsetzt(alt, g.saetze[index], neu ? &zeile : nullptr);
    const QString zeileText = platform::AnsiNachText(zeile);
    if (!NurDieserSatz(altText, g, platform::AnsiNachText(inhalt), index,
                       neu ? &zeileText : nullptr))
        return e;

    // The previous file first: by the time LOG.TXT is the new one, LOG.BAK holds the old one.
    if (!DateiErsetzen(sicherung, alt) || !DateiErsetzen(pfad, inhalt))
        return e;
    e.geschrieben = true;
    e.meldung.clear();
    e.inhalt = std::move(inhalt);
    return e;
}

} // namespace core
