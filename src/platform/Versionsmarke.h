// The version resource of our executables: a marker of fixed layout that the build puts into
// every program of ours, read back from any file. A file without it has no version.
#pragma once

#include <QByteArray>
#include <QString>
#include <array>
#include <optional>

namespace platform {

// The fixed file version: four 16-bit numbers, most significant first.
using VersionsNummer = std::array<quint16, 4>;

// The marker's bytes for a version, as the build writes them into a program.
QByteArray VersionsMarke(const VersionsNummer& version);
// The version of the first intact marker in a file; nothing for a file without one or a file
// that cannot be read.
std::optional<VersionsNummer> LiesVersionsMarke(const QString& pfad);

} // namespace platform
