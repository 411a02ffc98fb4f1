// Where the program's files lie: the program's directory (special lists, exports, PDF) and the
// settings file Log.ini in the user's configuration directory. Tests point both elsewhere.
#pragma once

#include <QString>

namespace platform {

// The executable's directory where this user may write it and it lies outside /usr; otherwise
// the per-user program folder ~/Tarvex, which the first call creates and, when it is new, fills
// with the installed example lists.
QString ProgrammVerzeichnis();
// A file in the program's directory.
QString ProgrammDatei(const QString& name);
// The full path of Log.ini.
QString EinstellungsDatei();
// The program file's base name ("tarvex"), for files named after the program.
QString ProgrammName();

// The choice behind ProgrammVerzeichnis for an executable in `ausfuehrbar` and the home
// directory `heim`.
QString WaehleProgrammVerzeichnis(const QString& ausfuehrbar, const QString& heim);
// Creates `ordner` if needed; an empty one receives a copy of every file of `beispiele`. False
// when the folder cannot be created.
bool ProgrammOrdnerAnlegen(const QString& ordner, const QString& beispiele);

void SetzeProgrammVerzeichnis(const QString& verzeichnis);     // empty: back to the real one
void SetzeEinstellungsVerzeichnis(const QString& verzeichnis); // empty: back to the real one

} // namespace platform
