// Where the program's files lie: the program's directory (special lists, exports, PDF) and the
// settings file Log.ini in the user's configuration directory. Tests point both elsewhere.
#pragma once

#include <QString>

namespace platform {

QString ProgrammVerzeichnis();
// A file in the program's directory.
QString ProgrammDatei(const QString& name);
// The full path of Log.ini.
QString EinstellungsDatei();
// The program file's base name ("tarvex"), for files named after the program.
QString ProgrammName();

void SetzeProgrammVerzeichnis(const QString& verzeichnis);     // empty: back to the real one
void SetzeEinstellungsVerzeichnis(const QString& verzeichnis); // empty: back to the real one

} // namespace platform
