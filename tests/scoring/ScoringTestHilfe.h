// A log built from short QSO descriptions, for the evaluation tests.
#pragma once

#include "core/LogSpalten.h"

#include <vector>

namespace scoringtest {

struct Qso {
    const char* call;
    const char* dok;
    const char* band;
    const char* mode;
    const char* bemerkung = "";
};

inline core::LogSpalten Log(const std::vector<Qso>& qsos) {
    core::LogSpalten log;
    for (const auto& q : qsos) {
        core::QsoWerte w;
        w.Datum = QStringLiteral("24.03.2026");
        w.Zeit = QStringLiteral("19:05:00");
        w.Call = QString::fromUtf8(q.call);
        w.RstAus = w.RstEin = QStringLiteral("59");
        w.DokEin = QString::fromUtf8(q.dok);
        w.Band = QString::fromUtf8(q.band);
        w.Mode = QString::fromUtf8(q.mode);
        w.Bemerkung = QString::fromUtf8(q.bemerkung);
        log.Anhaengen(w);
    }
    return log;
}

} // namespace scoringtest
