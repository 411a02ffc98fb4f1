// Font metrics of the fonts the PDF writer can declare: the Windows-1252 code range, the advance
// width of every code and the vertical measures, all in thousandths of an em.
#pragma once

#include <QString>
#include <QStringView>
#include <vector>

namespace report {

// The Windows font families; the PDF font flags are derived from them.
enum class SchriftFamilie { DontCare, Roman, Swiss, Modern, Script, Decorative };

struct PdfSchriftMetrik {
    const char* name; // the font's name as it is written into the file ("Courier New")
    bool fett;
    bool kursiv;
    int ersterCode;
    int letzterCode;
    const short* breiten; // letzterCode - ersterCode + 1 advance widths, from ersterCode on
    int ascent;
    int descent; // positive: the distance below the baseline
    int italicAngle;
    int unterstrichPosition; // centre of the underline, negative below the baseline
    int unterstrichDicke;
    int durchstrichPosition; // centre of the strike-out stroke above the baseline
    int durchstrichDicke;
    SchriftFamilie familie;

    // The width of one code; a code outside the range has none.
    int Breite(unsigned char code) const {
        return code >= ersterCode && code <= letzterCode ? breiten[code - ersterCode] : 0;
    }
};

// The metrics of a font in a style, the name matched without regard to case. A font known only
// in some styles falls back to its regular style (as a viewer synthesises bold). nullptr: the
// writer cannot use the font.
const PdfSchriftMetrik* SucheSchriftMetrik(QStringView name, bool fett, bool kursiv);

// Makes a further font usable; the metrics (and the widths they point to) must outlive every
// document that uses it. An entry of the same name and style replaces the earlier one.
void RegistriereSchriftMetrik(const PdfSchriftMetrik& metrik);
// Removes every registered font, leaving the built-in ones.
void VergissRegistrierteSchriften();

namespace metrikdaten {
extern const PdfSchriftMetrik Eingebaute[];
extern const int AnzahlEingebaute;
} // namespace metrikdaten

} // namespace report
