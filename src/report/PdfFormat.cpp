// PDF number, colour, string and name syntax.
#include "report/PdfFormat.h"

#include "platform/Codepage.h"

#include <algorithm>
#include <cmath>

namespace report {

QByteArray PdfZahl(double wert) {
    // Rounded once to thousandths so that 595.2755 and 595.276 give the same text.
    const long long tausendstel = std::llround(wert * 1000.0);
    if (tausendstel == 0)
        return QByteArrayLiteral("0");
    const unsigned long long betrag = tausendstel < 0
                                          ? 0ULL - static_cast<unsigned long long>(tausendstel)
                                          : static_cast<unsigned long long>(tausendstel);
    QByteArray aus;
    if (tausendstel < 0)
        aus += '-';
    aus += QByteArray::number(betrag / 1000);
    unsigned long long rest = betrag % 1000;
    if (rest != 0) {
        char ziffern[4] = {char('0' + rest / 100), char('0' + rest / 10 % 10),
                           char('0' + rest % 10), 0};
        int laenge = 3;
        while (ziffern[laenge - 1] == '0')
            --laenge;
        aus += '.';
        aus.append(ziffern, laenge);
    }
    return aus;
}

QByteArray PdfFarbwerte(const PdfFarbe& farbe) {
    auto teil = [](int wert) { return PdfZahl(std::clamp(wert, 0, 255) / 255.0) + ' '; };
    return teil(farbe.rot) + teil(farbe.gruen) + teil(farbe.blau);
}

QByteArray PdfTextBytes(const QByteArray& bytes) {
    QByteArray aus;
    aus.reserve(bytes.size() + 8);
    aus += '(';
    for (const char c : bytes) {
        switch (c) {
        case '(':
        case ')':
        case '\\':
            aus += '\\';
            aus += c;
            break;
        case '\b':
            aus += "\\b";
            break;
        case '\t':
            aus += "\\t";
            break;
        case '\n':
            aus += "\\n";
            break;
        case '\f':
            aus += "\\f";
            break;
        case '\r':
            aus += "\\r";
            break;
        default:
            aus += c;
        }
    }
    aus += ')';
    return aus;
}

QByteArray PdfText(QStringView text) {
    return PdfTextBytes(platform::TextNachAnsi(text));
}

QByteArray PdfName(QStringView name) {
    static constexpr char Hex[] = "0123456789ABCDEF";
    QByteArray aus;
    for (const char c : platform::TextNachAnsi(name)) {
        const auto b = static_cast<unsigned char>(c);
        const bool begrenzer = QByteArrayView("()<>[]{}/%#").contains(c);
        if (b < 0x21 || b > 0x7E || begrenzer) {
            aus += '#';
            aus += Hex[b >> 4];
            aus += Hex[b & 0x0F];
        } else {
            aus += c;
        }
    }
    return aus;
}

} // namespace report
