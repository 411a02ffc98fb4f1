// Names and placement of the files an update brings: what may be written where, and how a
// complete file takes its name. Shared by the update checker and the restart helper upd.
#pragma once

#include <QFileDevice>
#include <QString>
#include <optional>

namespace dialogs {

// The file name of an address: the text after its last "/" or "\".
QString DateiNameVon(const QString& adresse);

// A name that may be written into a directory: not empty, not "." or "..", without a separator
// or a NUL character.
bool GueltigerDateiName(const QString& name);

// A path that stays below the directory it is taken in: not absolute, no drive, no ".." element.
// Elements are separated by "/" or "\".
bool BleibtDarunter(const QString& pfad);

// Moves a complete file to its name, replacing what is there, so that the name never holds a
// part: a rename where both lie on one file system, otherwise a copy beside the target that is
// renamed over it. The file keeps the permissions of the one it replaces; a new one gets
// `neueRechte`. False (and the reason in `fehler`) when it failed; the target is unchanged then.
bool Einsetzen(const QString& fertig, const QString& ziel, QString* fehler = nullptr,
               QFileDevice::Permissions neueRechte = QFileDevice::ReadOwner |
                                                     QFileDevice::WriteOwner |
                                                     QFileDevice::ReadGroup |
                                                     QFileDevice::ReadOther);

} // namespace dialogs
