// The callsign rules of the duplicate check: plausibility, the compared part, and an index of the
// compared parts of the log so that the check costs the same however long the log is.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace core {

bool PruefeRufzeichen(const QString& s);
QString Grundrufzeichen(const QString& s);

// The compared parts of every callsign of the log. Holding one means a scan of SpalteCall would
// find an entry whose compared part equals it.
class DoppelIndex {
public:
    void Aufbauen(const QStringList& calls);
    void Hinzufuegen(const QString& call);
    bool Gearbeitet(const QString& call) const;

private:
    QSet<QString> grund_;
};

} // namespace core
