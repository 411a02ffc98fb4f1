#include "core/LogSpalten.h"

namespace core {

void LogSpalten::Anhaengen(const QsoWerte& q) {
    const auto werte = q.Felder();
    const auto spalten = Spalten();
    for (size_t c = 0; c < spalten.size(); ++c)
        spalten[c]->append(*werte[c]);
}

void LogSpalten::Ersetzen(int i, const QsoWerte& q) {
    const auto werte = q.Felder();
    const auto spalten = Spalten();
    for (size_t c = 0; c < spalten.size(); ++c)
        (*spalten[c])[i] = *werte[c];
}

void LogSpalten::Entfernen(int i) {
    for (QStringList* s : Spalten())
        s->removeAt(i);
}

QsoWerte LogSpalten::Qso(int i) const {
    QsoWerte q;
    const auto werte = q.Felder();
    const auto spalten = Spalten();
    for (size_t c = 0; c < spalten.size(); ++c)
        *werte[c] = (*spalten[c])[i];
    return q;
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
