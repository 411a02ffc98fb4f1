// Reading LOG.TXT and replacing an export file safely.
#include "export/LogQuelle.h"

#include "core/LogDatei.h"
#include "platform/Codepage.h"
#include "platform/Dateien.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace exporte {

namespace {
platform::Fehler Unlesbar(const QString& logName) {
    return platform::Fehler(QStringLiteral("Die Logdatei %1 kann nicht gelesen werden.")
                                .arg(QDir::toNativeSeparators(logName)));
}
platform::Fehler Unschreibbar(const QString& zielName) {
    return platform::Fehler(QStringLiteral("Die Datei %1 kann nicht geschrieben werden.")
                                .arg(QDir::toNativeSeparators(zielName)));
}
} // namespace

QByteArray LogLesen(const QString& logPfad) {
    QFile datei(logPfad);
    // Only a regular file: a FIFO in LOG.TXT's place would block the export for good.
    if (!platform::RegulaerOeffnen(datei, QIODevice::ReadOnly))
        throw Unlesbar(logPfad);
    return LogLesen(datei, logPfad);
}

QByteArray LogLesen(QIODevice& log, const QString& logName) {
    QByteArray inhalt = log.readAll();
    const auto* datei = qobject_cast<const QFileDevice*>(&log);
    if ((datei && datei->error() != QFileDevice::NoError) || (!datei && !log.atEnd()))
        throw Unlesbar(logName);
    return inhalt;
}

QList<int> QsoZeilenDurchgehen(const QList<QByteArrayView>& zeilen,
                               const std::function<void(const QList<QByteArray>&)>& qso) {
    QList<int> unklar;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QsoZeile zeile = QsoFelder(zeilen[i]);
        // A line a failed write cut short is no QSO, even where enough fields are left of it to
        // look like one; a whole record has its eleven ";", so only a shorter line is looked at.
        if (zeile.art == ZeilenArt::Qso && zeilen[i].count(';') < 11 &&
            core::ZeileAbgeschnitten(platform::AnsiNachText(zeilen[i])))
            unklar.append(static_cast<int>(i + 1));
        else if (zeile.art == ZeilenArt::Qso)
            qso(zeile.felder);
        else if (zeile.art == ZeilenArt::Unklar)
            unklar.append(static_cast<int>(i + 1));
    }
    return unklar;
}

void ZielSchreiben(const QString& zielPfad, const QByteArray& inhalt) {
    const QString name = QDir::toNativeSeparators(zielPfad);
    QSaveFile datei(zielPfad);
    if (!datei.open(QIODevice::WriteOnly))
        throw platform::Fehler(
            QStringLiteral("Die Datei %1 kann nicht angelegt werden.").arg(name));
    // commit() puts the new file on the disk before it takes the target's name, so the old file
    // is replaced only by a whole one; a write that fails leaves it as it was.
    try {
        ZielSchreiben(datei, inhalt, zielPfad);
    } catch (...) {
        datei.cancelWriting();
        throw;
    }
    if (!datei.commit())
        throw Unschreibbar(zielPfad);
}

void ZielSchreiben(QIODevice& ziel, const QByteArray& inhalt, const QString& zielName) {
    auto* datei = qobject_cast<QFileDevice*>(&ziel);
    if (ziel.write(inhalt) != inhalt.size() || (datei && !datei->flush()))
        throw Unschreibbar(zielName);
}

QString UnklarHinweis(const QList<int>& zeilen) {
    if (zeilen.isEmpty())
        return {};
    constexpr int Hoechstens = 20;
    QStringList nummern;
    for (int i = 0; i < zeilen.size() && i < Hoechstens; ++i)
        nummern << QString::number(zeilen[i]);
    QString text =
        QStringLiteral("\rNicht exportiert, Felder nicht eindeutig (ein \";\" im Text?): "
                       "LOG.TXT Zeile ") +
        nummern.join(QStringLiteral(", "));
    if (zeilen.size() > Hoechstens)
        text += QStringLiteral(" und %1 weitere").arg(zeilen.size() - Hoechstens);
    return text;
}

} // namespace exporte
