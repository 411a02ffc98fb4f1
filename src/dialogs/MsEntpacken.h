// Expansion of MS-COMPRESS (SZDD) files and unpacking of cabinets, both by libmspack: what comes
// over the network is never fed to a decompressor of our own.
#pragma once

#include <QString>
#include <optional>

namespace dialogs {

enum class MsFormat { Keins, Szdd, Cab };

// The format by the file's first bytes.
MsFormat MsFormatVon(const QString& pfad);

// The character an SZDD file stores for the last one of its name (0: none stored); nothing when
// the file is no SZDD file.
std::optional<char> SzddFehlendesZeichen(const QString& pfad);

// The name a compressed file expands to: a final "_" gives way to the stored character, or is
// dropped when none is stored; a name without it stays. Empty when that makes no valid name.
QString SzddZielName(const QString& name, char fehlendesZeichen);

// Expands an SZDD file to `ziel`, written beside it under a temporary name and renamed over it
// when whole. `quelle` and `ziel` may be the same file.
bool SzddEntpacken(const QString& quelle, const QString& ziel, QString* fehler = nullptr);

// Unpacks every file of a cabinet into `verzeichnis` (creating subdirectories that the cabinet
// names). A cabinet with a member whose name would leave the directory, or one that continues in
// another cabinet, is refused before anything is written.
bool CabEntpacken(const QString& cab, const QString& verzeichnis, QString* fehler = nullptr);

} // namespace dialogs
