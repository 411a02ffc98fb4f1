// The running evaluation of the contest: multipliers per band and the claimed score, recomputed
// from the whole in-memory log each time a QSO is saved.
#pragma once

#include "core/Auswertung.h"
#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "core/SonderListen.h"

#include <QSet>
#include <QString>
#include <array>
#include <iterator>

namespace scoring {

// The class of a mode for the points rule: 1 CW, 2 the digital modes, 0 everything else. The
// text is compared exactly, so a hand-edited "cw" is of class 0.
int ModeKlasse(const QString& mode);

// The bands that carry multipliers, compared byte for byte.
inline constexpr const char* MultiBaender[] = {"80", "40", "10", "2", "0.70"};
inline constexpr int BandAnzahl = static_cast<int>(std::size(MultiBaender));

inline constexpr auto UngueltigerDistriktskennerText = "Ungültiger Distriktskenner";

using core::Auswertung;

// Trims every received DOK of the log in memory (the evaluation and every later reader see it
// without blanks) and upper-cases a non-empty district code of the station in memory; neither is
// written to a file. Counts nothing when the district is not exactly one character or the log is
// empty.
Auswertung Multiauswertung(core::LogSpalten& log, core::IniRecord& station,
                           const core::SonderListen& listen);

// The pieces the reports' evaluation shares with the running one.
// The DOKs and special callsigns counted per multiplier band, as folded keys: membership ignores
// letter case.
class BandMultis {
public:
    QSet<QString>& operator[](int band) { return mengen_[static_cast<size_t>(band)]; }
    bool IrgendwoGezaehlt(const QString& gefaltet) const {
        for (const auto& menge : mengen_)
            if (menge.contains(gefaltet))
                return true;
        return false;
    }

private:
    std::array<QSet<QString>, BandAnzahl> mengen_;
};

// Index into MultiBaender, or -1 for a band that earns no multiplier.
int BandIndex(const QString& band);
// 3 when every QSO is CW, or every QSO is of the digital modes; 1 otherwise.
int PunkteProQso(const QStringList& modes, qsizetype anzahl);
// The callsign as the special list holds it: trimmed and cut at the first "/P" (also "/PM").
QString SonderCallSchluessel(const QString& call);
// The district letter: the district code when it starts with a letter A to Z (upper-cased in
// the record), else the first character of the own DOK, with `ungueltig` set when a code was
// there but did not start with a letter.
QString DistriktBestimmen(core::IniRecord& station, bool& ungueltig);

// The captions of the two status panels.
QString MultisText(const Auswertung& auswertung);
QString PunkteText(const Auswertung& auswertung);

} // namespace scoring
