// Reading LOG.TXT for the exports: the file's lines, the split of a line into its fields, and the
// step from fields to a QSO record that keeps a ";" in a remark from shifting the columns.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QList>

namespace exporte {

// Every blank (0x20) becomes the byte 0xA0, so that a blank inside a value does not end it.
QByteArray BlankZuNbsp(QByteArray zeile);
// The way back, for the one value (the remark) that gets its blanks again.
QByteArray NbspZuBlank(QByteArray text);

// One field with the place it took in the line: [anfang, ende) covers the field's text, the
// quotes of a quoted field included.
struct Feld {
    QByteArray wert;
    qsizetype anfang = 0;
    qsizetype ende = 0;
};

// Splits a line whose blanks were already turned into 0xA0: control characters before a field
// are skipped, a field ends at ";" or at a character from 0x00 to 0x20, a ";" as the very last
// character gives a final empty field, and a field that begins with a double quote and has a
// closing one is quoted text ("" inside stands for one "). A byte 0 ends the line.
QList<Feld> FelderMitLage(QByteArrayView zeile);
// The values only, after BlankZuNbsp: the split both exports use.
QList<QByteArray> ZeileZerlegen(QByteArrayView zeile);

// The lines of a file; CR LF, a lone LF and a lone CR each end a line, and a last line without
// its end still counts.
QList<QByteArrayView> DateiZeilen(QByteArrayView inhalt);

// Every byte at or below the blank dropped from both ends (0xA0 stays).
QByteArrayView Getrimmt(QByteArrayView text);

enum class ZeilenArt {
    Qso,    // fields 1 to 10 hold the QSO
    ZuKurz, // 10 fields or fewer: not a QSO line, left out without a word
    Unklar, // more fields than a QSO has, and no sound way to put them back in their columns
};

struct QsoZeile {
    ZeilenArt art = ZeilenArt::ZuKurz;
    QList<QByteArray> felder; // with art Qso: at least 11, index 0 the version, 10 the mode
};

// A line written by the program yields 12 fields (the last one empty after the final ";").
// LOG.TXT has no escape for ";", so a remark that holds one splits into more fields. Such a
// line is put back together only when the mode then stands last and the band and both reports
// stand where they belong; the remark is then the line's own text between its neighbours, with
// every ";" it held. Any other surplus is Unklar: the exports leave the line out and say so.
QsoZeile QsoFelder(QByteArrayView zeile);

} // namespace exporte
