// The DOKs of earlier evenings: the operator's earlier logs (files in the LOG.TXT format in the
// folder "Archiv" beside LOG.TXT) give, per base callsign, the DOK received in the most recent
// QSO that had one. The running log counts as more recent than any archived one. The archive is
// only ever read.
#pragma once

#include "core/LogSpalten.h"

#include <QHash>
#include <QString>
#include <optional>

namespace core {

inline constexpr auto ArchivOrdner = "Archiv";

class DokArchiv {
public:
    struct Lesung {
        int dateien = 0;       // files read
        int uebersprungen = 0; // files that could not be read, were too large or of a newer version
    };

    // Reads every file ending in ".TXT" (any letter case) of the folder, in name order. A file
    // that is not a regular file, cannot be read, is larger than MaxDateiGroesse or belongs to a
    // newer program version is skipped and counted.
    Lesung OrdnerLesen(const QString& ordner);
    // The QSOs of one log, in log order; those of the running log are passed last.
    void Uebernehmen(const LogSpalten& log);
    // The QSOs of the running log: more recent than everything archived, the latest one last.
    // They replace what was known of the running log, so a corrected or deleted QSO is
    // forgotten with its DOK.
    void LaufendesLogUebernehmen(const LogSpalten& log);
    void LaufendesQsoUebernehmen(const QString& call, const QString& dok);

    // The DOK last received from the station, by its base callsign; nothing if none is known.
    std::optional<QString> Dok(const QString& call) const;
    // How many stations the archive and the running log know a DOK of.
    int Stationen() const;

    static constexpr qint64 MaxDateiGroesse = 16 * 1024 * 1024;

private:
    struct Eintrag {
        QString zeit; // yyyyMMddhhmmss, empty for a date or time that is no valid value
        QString dok;
    };
    QHash<QString, Eintrag> archiv_;
    QHash<QString, QString> laufend_;
};

} // namespace core
