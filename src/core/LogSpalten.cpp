#include "core/LogSpalten.h"

namespace core {

void LogSpalten::Anhaengen(const QsoWerte& q) {
    SpalteDatum.append(q.Datum);
    SpalteZeit.append(q.Zeit);
    SpalteCall.append(q.Call);
    SpalteRstAus.append(q.RstAus);
    SpalteDokAus.append(q.DokAus);
    SpalteRstEin.append(q.RstEin);
    SpalteDokEin.append(q.DokEin);
    SpalteBand.append(q.Band);
    SpalteBemerkung.append(q.Bemerkung);
    SpalteMode.append(q.Mode);
}

QsoWerte LogSpalten::Qso(int i) const {
    return {SpalteDatum[i],  SpalteZeit[i],   SpalteCall[i], SpalteRstAus[i],    SpalteDokAus[i],
            SpalteRstEin[i], SpalteDokEin[i], SpalteBand[i], SpalteBemerkung[i], SpalteMode[i]};
}

void LogSpalten::Leeren() {
    for (QStringList* s : Spalten())
        s->clear();
}

void LogSpalten::Reservieren(qsizetype n) {
    for (QStringList* s : Spalten())
        s->reserve(n);
}

std::array<QStringList*, 10> LogSpalten::Spalten() {
    return {&SpalteDatum,  &SpalteZeit,   &SpalteCall, &SpalteRstAus,    &SpalteDokAus,
            &SpalteRstEin, &SpalteDokEin, &SpalteBand, &SpalteBemerkung, &SpalteMode};
}

std::array<const QStringList*, 10> LogSpalten::Spalten() const {
    return {&SpalteDatum,  &SpalteZeit,   &SpalteCall, &SpalteRstAus,    &SpalteDokAus,
            &SpalteRstEin, &SpalteDokEin, &SpalteBand, &SpalteBemerkung, &SpalteMode};
}

} // namespace core
