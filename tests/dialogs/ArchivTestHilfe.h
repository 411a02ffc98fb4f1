// Compressed files for the tests: SZDD files by our own writer, and small cabinets with one
// folder stored without compression, so that any member name, also a hostile one, can be put in.
#pragma once

#include <QByteArray>
#include <QList>
#include <utility>

namespace testsupport {

QByteArray Szdd(const QByteArray& daten, char fehlendesZeichen = 0);
QByteArray Kabinett(const QList<std::pair<QByteArray, QByteArray>>& mitglieder);

} // namespace testsupport
