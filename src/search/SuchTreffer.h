// The search over the logged callsigns: which QSOs contain the typed text, and what the grid
// shows of each of them.
#pragma once

#include <QList>
#include <QString>

namespace core {
struct LogSpalten;
}

namespace suche {

// One row of the hit grid, in the order of its columns.
struct TrefferZeile {
    QString Call; // as logged
    QString Ut;   // hhmm
    QString Dok;  // the DOK received, as logged
    QString Band; // as logged
};

// "hh:mm" -> "hhmm": the first two and the fourth and fifth character; a shorter text gives what
// it has, so a damaged time field never makes the search fail.
QString UtAusZeit(const QString& zeit);

// Every QSO whose callsign contains the text (exact, case-sensitive), in log order, all of them.
// An empty text matches nothing: it would otherwise list the whole log.
QList<TrefferZeile> TrefferSuchen(const core::LogSpalten& log, const QString& text);

// The line of the archive's DOK for the typed callsign, marked as the archive's.
TrefferZeile ArchivZeile(const QString& call, const QString& dok);

} // namespace suche
