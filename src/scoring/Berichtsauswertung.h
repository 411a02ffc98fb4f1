// The evaluation of the two reports, the printed log and the PDF file, computed while their rows
// are laid out: multipliers per band as the running evaluation counts them, but a district DOK
// must have the form letter, digit, digit, and each row records the multipliers its QSO brought.
// The two reports differ in the own-DOK rule only. The log is not changed.
#pragma once

#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "core/SonderListen.h"

#include <QList>
#include <QString>
#include <QStringList>

namespace scoring {

enum class EigenerDokRegel {
    // The printed log: every QSO with a station of the own DOK is without points.
    JederOhnePunkte,
    // The PDF file, as the running evaluation: only once the own DOK was counted on a band.
    WieLaufend,
};

// One row of a report's QSO table, the cells as printed.
struct BerichtsZeile {
    QString Datum;                                    // the first 6 characters
    QString Zeit;                                     // the first 5 characters
    QString Call, Band, Mode, RstAus, RstEin, DokEin; // trimmed
    int ZeilenMultis = 0;                             // multipliers this QSO brought: 0, 1 or 2
    QString Bemerkung;                                // shortened (BemerkungGekuerzt), trimmed
};

struct Berichtsauswertung {
    // The district code did not start with a letter A to Z ("Ungültiger Distriktskenner").
    bool DistriktskennerUngueltig = false;
    // A district of one character and at least one QSO: only then is there a report.
    bool Druckbar = false;
    QString Distrikt;
    int PunkteProQso = 0;
    int Multis = 0;
    qint64 QsoPunkte = 0;
    int QsosWertbar = 0;
    int QsosTotal = 0;
    QList<BerichtsZeile> Zeilen;
    QString GearbeiteteBaender;

    qint64 Punkte() const { return QsoPunkte * Multis; }
};

// Upper-cases the district code in the record, as the running evaluation does; nothing else of
// the record or the log is changed.
Berichtsauswertung BerichtAuswerten(const core::LogSpalten& log, core::IniRecord& station,
                                    const core::SonderListen& listen, EigenerDokRegel regel);

// The distinct band texts in the order they first appear (compared without regard to case),
// joined with "+"; a text with a blank, a control character, a '"' or a "+" is quoted.
QString GearbeiteteBaender(const QStringList& baender);

// A remark of more than 19 characters becomes its first 18 and "..", then trimmed.
QString BemerkungGekuerzt(const QString& bemerkung);

// The heading rows of the printed log (page 1 says "Mul", later pages "Multi").
inline constexpr auto Kopfzeile =
    "Datum|Zeit UTC|Call|Band|Mode|RST aus|RST ein|DOK ein|Mul|Bemerkung";
inline constexpr auto KopfzeileFolgeseite =
    "Datum|Zeit UTC|Call|Band|Mode|RST aus|RST ein|DOK ein|Multi|Bemerkung";

} // namespace scoring
