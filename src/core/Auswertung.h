// The result of the running evaluation, as the contest keeps it between saves, and the function
// that computes it (scoring's Multiauswertung, handed to the contest by the program).
#pragma once

#include <QtGlobal>
#include <functional>

namespace core {

struct IniRecord;
struct LogSpalten;
struct SonderListen;

struct Auswertung {
    int Multis = 0;
    qint64 QsoPunkte = 0;
    qint64 Punkte = 0; // QsoPunkte x Multis, the claimed score
    // The district code does not start with a letter A to Z: the caller shows
    // "Ungültiger Distriktskenner" in a plain box; the district came from the own DOK.
    bool DistriktskennerUngueltig = false;
};

// May trim the received DOKs and upper-case the district code in memory, as the evaluation does.
using Auswerter = std::function<Auswertung(LogSpalten&, IniRecord&, const SonderListen&)>;

} // namespace core
