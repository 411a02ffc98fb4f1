// The column formats of the page printer ("<17|^20|>35"), its cell macros ({$PAGE}) and the
// &-codes of the friendly header and footer. Widths are decimal numbers in the current length
// unit, written and read with the locale's decimal separator.
#pragma once

#include <QChar>
#include <QDateTime>
#include <QString>
#include <QStringView>

namespace report {

enum class Ausrichtung { Links, Rechts, Mitte };

struct Spaltenformat {
    Ausrichtung ausrichtung = Ausrichtung::Links;
    // A negative width is a column of the absolute width that never gets grid lines.
    double breite = 0;
};

// One entry of a column format; a missing or unreadable width is standardBreite.
Spaltenformat LiesSpaltenformat(QStringView eintrag, double standardBreite);
QString SchreibeSpaltenformat(const Spaltenformat& format);

// Every entry rewritten as its alignment character and its width in shortest form (to fifteen
// significant digits), the widths multiplied by faktor; an empty format stays empty.
QString NormiereFormat(const QString& format, QChar trenner, double standardBreite,
                       double faktor = 1.0);

// What a cell macro can stand for when the cell is written.
struct Makrowerte {
    int zeile = 0;
    int seite = 0;
    QString titel;
};
QString ErsetzeMakros(const QString& text, const Makrowerte& werte);

struct KopfFusszeile {
    QString text;
    QString format;
};
// Converts a header or footer written with &-codes into its text and its column format; the
// columns share breiteGesamt evenly.
KopfFusszeile WandleFreundlich(const QString& freundlich, QChar trenner, double breiteGesamt,
                               const QString& dateiName, const QDateTime& jetzt);

} // namespace report
