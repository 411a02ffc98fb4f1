// Opening the program's own files only when they are plain files on the disk: a FIFO, a device
// or a directory under one of their names would block the program or feed it without end.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QFile>
#include <QString>

namespace platform {

// How much of a settings or list file is read at the most; a larger one counts as unreadable.
inline constexpr qint64 TextDateiGrenze = 16 * 1024 * 1024;

// Opens `datei` (its file name set) in `modus` (ReadOnly, or ReadWrite with Append, which creates
// a missing file), but only when the name, links followed, is a regular file. Opening never
// blocks. False when the file is missing, cannot be opened or is no regular file.
bool RegulaerOeffnen(QFile& datei, QIODevice::OpenMode modus);

struct DateiInhalt {
    enum Stand { Gelesen, Fehlt, Unlesbar };
    Stand stand = Fehlt;
    QByteArray bytes;
};
// A whole regular file of at most `grenze` bytes; a larger one, or anything that is not a
// regular file or cannot be read, is Unlesbar.
DateiInhalt RegulaerLesen(const QString& pfad, qint64 grenze = TextDateiGrenze);

// The UTF-8 byte-order mark some editors put at the front of a text file.
inline constexpr QByteArrayView Utf8Bom("\xEF\xBB\xBF", 3);
// Drops a UTF-8 byte-order mark from the front; true when there was one.
bool BomAbnehmen(QByteArrayView& bytes);

} // namespace platform
