// Reading LOG.TXT and replacing an export file safely.
#include "export/LogQuelle.h"

#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QSaveFile>

namespace exporte {

QByteArray LogLesen(const QString& logPfad) {
    QFile datei(logPfad);
    if (!datei.open(QIODevice::ReadOnly))
        throw platform::Fehler(QStringLiteral("Die Logdatei %1 kann nicht gelesen werden.")
                                   .arg(QDir::toNativeSeparators(logPfad)));
    QByteArray inhalt = datei.readAll();
    if (datei.error() != QFileDevice::NoError)
        throw platform::Fehler(QStringLiteral("Die Logdatei %1 kann nicht gelesen werden.")
                                   .arg(QDir::toNativeSeparators(logPfad)));
    return inhalt;
}

QList<int> QsoZeilenDurchgehen(const QList<QByteArrayView>& zeilen,
                               const std::function<void(const QList<QByteArray>&)>& qso) {
    QList<int> unklar;
    for (qsizetype i = 1; i < zeilen.size(); ++i) {
        const QsoZeile zeile = QsoFelder(zeilen[i]);
        if (zeile.art == ZeilenArt::Qso)
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
    if (datei.write(inhalt) != inhalt.size() || !datei.flush()) {
        datei.cancelWriting();
        throw platform::Fehler(
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(name));
    }
    if (!datei.commit())
        throw platform::Fehler(
            QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(name));
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
