// The small pieces of PDF syntax the writer is made of: numbers, colours, strings and names,
// each returned as the bytes that go into the file.
#pragma once

#include <QByteArray>
#include <QStringView>

namespace report {

// A colour of the drawing state, components 0 to 255.
struct PdfFarbe {
    int rot = 0;
    int gruen = 0;
    int blau = 0;
    friend bool operator==(const PdfFarbe&, const PdfFarbe&) = default;
};

inline constexpr PdfFarbe clBlack{0, 0, 0};
inline constexpr PdfFarbe clWhite{255, 255, 255};
inline constexpr PdfFarbe clSilver{192, 192, 192};
inline constexpr PdfFarbe clGray{128, 128, 128};
inline constexpr PdfFarbe clRed{255, 0, 0};
inline constexpr PdfFarbe clBlue{0, 0, 255};

// "0.###": at most three decimals, "." as separator, no trailing zeros, never "-0".
QByteArray PdfZahl(double wert);
// The three components divided by 255, each followed by a blank ("0.753 0.753 0.753 ").
QByteArray PdfFarbwerte(const PdfFarbe& farbe);
// A literal string with its parentheses, in Windows-1252, "(", ")" and "\" escaped and the
// line-breaking control characters written as escapes.
QByteArray PdfText(QStringView text);
// The same for bytes already in the file's code page.
QByteArray PdfTextBytes(const QByteArray& bytes);
// A name without its slash: blanks become "#20", and every other byte a name cannot hold
// (delimiters, "#", bytes outside the printable ASCII range) its "#" hex form.
QByteArray PdfName(QStringView name);

} // namespace report
