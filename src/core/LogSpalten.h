// The in-memory log: ten parallel columns of strings, entry i of every column is QSO i, oldest
// first. The columns are read directly by their users; the save sequence appends, a correction
// replaces or removes one QSO.
#pragma once

#include <QStringList>
#include <array>

namespace core {

// The ten values of one QSO, in the order of the columns and of the fields of LOG.TXT.
struct QsoWerte {
    QString Datum, Zeit, Call, RstAus, DokAus, RstEin, DokEin, Band, Bemerkung, Mode;
    friend bool operator==(const QsoWerte&, const QsoWerte&) = default;

    // The values in the order of the columns, for code that walks all ten.
    std::array<QString*, 10> Felder() {
        return {&Datum, &Zeit, &Call, &RstAus, &DokAus, &RstEin, &DokEin, &Band, &Bemerkung, &Mode};
    }
    std::array<const QString*, 10> Felder() const {
        return {&Datum, &Zeit, &Call, &RstAus, &DokAus, &RstEin, &DokEin, &Band, &Bemerkung, &Mode};
    }
};

// The fields of a QSO by their place in the columns and in LOG.TXT.
enum class QsoFeld { Datum, Zeit, Call, RstAus, DokAus, RstEin, DokEin, Band, Bemerkung, Mode };

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
    void Ersetzen(int i, const QsoWerte& qso);
    void Entfernen(int i);
    QsoWerte Qso(int i) const;
    void Leeren();
    void Reservieren(qsizetype n);

    // The columns in the order of LOG.TXT, for code that walks all ten.
    std::array<QStringList*, 10> Spalten();
    std::array<const QStringList*, 10> Spalten() const;
};

} // namespace core
