// The special DOK and callsign lists: two hand-edited text files in the program's directory,
// read at start and on command, looked up without regard to letter case.
#pragma once

#include <QSet>
#include <QString>
#include <QStringList>

namespace core {

inline constexpr auto SonderDokDatei = "LogSonderDOKs.txt";
inline constexpr auto SonderCallDatei = "LogSonderCall.txt";

// The entries exactly as the file holds them (not trimmed, case kept, duplicates kept, file
// order); the lookup compares whole texts, ignoring letter case.
class SonderListe {
public:
    void Setzen(QStringList eintraege);
    void Leeren();
    const QStringList& Eintraege() const { return eintraege_; }
    int Anzahl() const { return static_cast<int>(eintraege_.size()); }

    bool Enthaelt(const QString& text) const;
    // For callers that fold the text once for several lookups (the evaluation).
    bool EnthaeltGefaltet(const QString& gefaltet) const { return gefaltet_.contains(gefaltet); }

    // Drops every entry that is empty or holds only characters at or below the blank.
    void LeereEntfernen();

private:
    void Falten();

    QStringList eintraege_;
    QSet<QString> gefaltet_;
};

struct SonderListen {
    SonderListe SonderDOKListe;
    SonderListe SonderCallListe;
};

// The lines of a list file in Windows-1252: a line ends at CR LF, a lone CR or a lone LF (so LF CR
// is two line ends), a line break at the very end adds no entry, and a NUL byte ends the data.
// A UTF-8 byte-order mark at the front is dropped and the rest read as UTF-8. A file that is
// missing, cannot be read, is no regular file or is larger than platform::TextDateiGrenze gives
// no lines.
QStringList ListenDateiLesen(const QString& pfad);
QStringList ListenZeilen(QByteArrayView daten);

// At start: both lists from the files in the directory; blank entries leave the DOK list only.
void SonderListenStartLaden(SonderListen& listen, const QString& verzeichnis);

// "Sonderlisten neu einlesen": both lists replaced, blank entries kept; the result is the text of
// the message box that reports what was read.
QString SonderListenNeuEinlesen(SonderListen& listen, const QString& verzeichnis);

// Opens a list file in the application the desktop has for text files; nothing is reported,
// whether or not that works.
void ListeOeffnen(const QString& pfad);

} // namespace core
