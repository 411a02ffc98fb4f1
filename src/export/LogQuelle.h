// What both exports share around their own lines: LOG.TXT read whole, its QSO lines picked out,
// and the target written under a temporary name and renamed over the old file when complete.
#pragma once

#include "export/Zerlegung.h"

#include <QByteArray>
#include <QIODevice>
#include <QList>
#include <QString>
#include <functional>

namespace exporte {

// LOG.TXT's whole content; throws platform::Fehler naming the file when it cannot be read.
QByteArray LogLesen(const QString& logPfad);
QByteArray LogLesen(QIODevice& log, const QString& logName);

// Calls `qso` with the fields of every usable line after the header, in file order, and returns
// the numbers of the lines left out as Unklar.
QList<int> QsoZeilenDurchgehen(const QList<QByteArrayView>& zeilen,
                               const std::function<void(const QList<QByteArray>&)>& qso);

// Replaces the target by `inhalt` as one step; throws platform::Fehler naming the target.
void ZielSchreiben(const QString& zielPfad, const QByteArray& inhalt);
// Writes `inhalt` whole to an open device; throws platform::Fehler naming the target when the
// device takes less.
void ZielSchreiben(QIODevice& ziel, const QByteArray& inhalt, const QString& zielName);

// The note appended to a closing message for lines that were left out.
QString UnklarHinweis(const QList<int>& zeilen);

} // namespace exporte
