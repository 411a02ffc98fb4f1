// The restart after an update: which files belong to the running program ("appcomps") and the
// program that is started again ("appname"), which must lie in the program directory.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>

namespace dialogs {

// The names of "appcomps": separated by ";", "," or blanks.
QStringList Komponenten(const QString& appcomps);

// "appname" as the restart helper receives it: a program with parameters is split at its first
// blank and the program put in double quotes.
QString AppnameGequotet(const QString& appname);

// The program and its arguments that "appname" starts, when the program lies in the program
// directory (a relative name is taken in it); nothing otherwise.
std::optional<QStringList> NeustartBefehl(const QString& appname,
                                          const QString& programmVerzeichnis);

} // namespace dialogs
