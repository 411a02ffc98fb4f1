// The in-memory log: ten parallel columns of strings, entry i of every column is QSO i, oldest
// first. The columns are read directly by their users; only the save sequence appends.
#pragma once

#include <QStringList>
#include <array>

namespace core {

// The ten values of one QSO, in the order of the columns and of the fields of LOG.TXT.
struct QsoWerte {
    QString Datum, Zeit, Call, RstAus, DokAus, RstEin, DokEin, Band, Bemerkung, Mode;
};

struct LogSpalten {
    QStringList SpalteDatum;
    QStringList SpalteZeit;
    QStringList SpalteCall;
    QStringList SpalteRstAus;
    QStringList SpalteDokAus;
    QStringList SpalteRstEin;
    QStringList SpalteDokEin;
    QStringList SpalteBand;
    QStringList SpalteBemerkung;
    QStringList SpalteMode;

    int Anzahl() const { return static_cast<int>(SpalteCall.size()); }
    void Anhaengen(const QsoWerte& qso);
    QsoWerte Qso(int i) const;
    void Leeren();
    void Reservieren(qsizetype n);

    // The columns in the order of LOG.TXT, for code that walks all ten.
    std::array<QStringList*, 10> Spalten();
    std::array<const QStringList*, 10> Spalten() const;
};

} // namespace core
