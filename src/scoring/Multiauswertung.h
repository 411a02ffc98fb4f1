// The running evaluation of the contest: multipliers per band and the claimed score, recomputed
// from the whole in-memory log each time a QSO is saved.
#pragma once

#include "core/Auswertung.h"
#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "core/SonderListen.h"

#include <QString>

namespace scoring {

// The class of a mode for the points rule: 1 CW, 2 the digital modes, 0 everything else. The
// text is compared exactly, so a hand-edited "cw" is of class 0.
int ModeKlasse(const QString& mode);

// The bands that carry multipliers, compared byte for byte.
inline constexpr const char* MultiBaender[] = {"80", "40", "10", "2", "0.70"};

inline constexpr auto UngueltigerDistriktskennerText = "Ungültiger Distriktskenner";

using core::Auswertung;

// Trims every received DOK of the log in memory (the evaluation and every later reader see it
// without blanks) and upper-cases a non-empty district code of the station in memory; neither is
// written to a file. Counts nothing when the district is not exactly one character or the log is
// empty.
Auswertung Multiauswertung(core::LogSpalten& log, core::IniRecord& station,
                           const core::SonderListen& listen);

// The captions of the two status panels.
QString MultisText(const Auswertung& auswertung);
QString PunkteText(const Auswertung& auswertung);

} // namespace scoring
