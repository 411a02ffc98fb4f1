// Conversions between text in memory and the single-byte code pages of the files.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace platform {

// Windows-1252 bytes to text; every byte gives one character.
QString AnsiNachText(QByteArrayView bytes);
// Text to Windows-1252 bytes; a character the code page cannot hold becomes "?".
QByteArray TextNachAnsi(QStringView text);
// Windows-1252 bytes to code page 850 bytes, byte for byte (the length does not change).
QByteArray AnsiNachOem(QByteArrayView ansi);

} // namespace platform
