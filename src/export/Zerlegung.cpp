// The line splitter shared by the STF and the ADIF export.
#include "export/Zerlegung.h"

#include <algorithm>
#include <array>

namespace exporte {
namespace {

constexpr char Nbsp = '\xA0';

bool IstLeerzeichen(char c) {
    const auto b = static_cast<unsigned char>(c);
    return b >= 0x01 && b <= 0x20;
}

bool EndetFeld(char c) {
    return static_cast<unsigned char>(c) <= 0x20 || c == ';';
}

// A quoted field from the opening quote at `von`; false when no closing quote follows, and the
// quote is then an ordinary character of a plain field (a remark that merely begins with one
// must not swallow the rest of the line).
bool LiesGequotet(QByteArrayView z, qsizetype von, QByteArray& wert, qsizetype& nach) {
    QByteArray w;
    for (qsizetype i = von + 1; i < z.size(); ++i) {
        if (z[i] != '"') {
            w.append(z[i]);
            continue;
        }
        if (i + 1 < z.size() && z[i + 1] == '"') {
            w.append('"');
            ++i;
            continue;
        }
        wert = std::move(w);
        nach = i + 1;
        return true;
    }
    return false;
}

bool IstBand(QByteArrayView band) {
    static constexpr std::array<QByteArrayView, 5> Baender = {"80", "40", "10", "2", "0.70"};
    return std::find(Baender.begin(), Baender.end(), band) != Baender.end();
}

bool IstMode(QByteArrayView mode) {
    static constexpr std::array<QByteArrayView, 6> Modes = {"SSB", "CW",   "FM",
                                                            "PSK", "RTTY", "SSTV"};
    return std::find(Modes.begin(), Modes.end(), mode) != Modes.end();
}

bool IstRapport(QByteArrayView rapport) {
    return !rapport.isEmpty() &&
           std::all_of(rapport.begin(), rapport.end(), [](char c) { return c >= '0' && c <= '9'; });
}

} // namespace

QByteArray BlankZuNbsp(QByteArray zeile) {
    zeile.replace(' ', Nbsp);
    return zeile;
}

QByteArray NbspZuBlank(QByteArray text) {
    text.replace(Nbsp, ' ');
    return text;
}

QList<Feld> FelderMitLage(QByteArrayView zeile) {
    const qsizetype nul = zeile.indexOf('\0');
    const QByteArrayView z = nul >= 0 ? zeile.first(nul) : zeile;
    const qsizetype n = z.size();

    QList<Feld> felder;
    felder.reserve(13);
    qsizetype i = 0;
    while (i < n && IstLeerzeichen(z[i]))
        ++i;
    while (i < n) {
        Feld f;
        f.anfang = i;
        qsizetype nach = i;
        if (!(z[i] == '"' && LiesGequotet(z, i, f.wert, nach))) {
            nach = i;
            while (nach < n && !EndetFeld(z[nach]))
                ++nach;
            f.wert = z.sliced(i, nach - i).toByteArray();
        }
        f.ende = nach;
        i = nach;
        felder.append(std::move(f));

        while (i < n && IstLeerzeichen(z[i]))
            ++i;
        if (i < n && z[i] == ';') {
            if (i + 1 == n)
                felder.append(Feld{QByteArray(), n, n});
            do
                ++i;
            while (i < n && IstLeerzeichen(z[i]));
        }
    }
    return felder;
}

QList<QByteArray> ZeileZerlegen(QByteArrayView zeile) {
    const QList<Feld> felder = FelderMitLage(BlankZuNbsp(zeile.toByteArray()));
    QList<QByteArray> werte;
    werte.reserve(felder.size());
    for (const Feld& f : felder)
        werte.append(f.wert);
    return werte;
}

QList<QByteArrayView> DateiZeilen(QByteArrayView inhalt) {
    QList<QByteArrayView> zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < inhalt.size(); ++i) {
        const char c = inhalt[i];
        if (c != '\r' && c != '\n')
            continue;
        zeilen.append(inhalt.sliced(anfang, i - anfang));
        if (c == '\r' && i + 1 < inhalt.size() && inhalt[i + 1] == '\n')
            ++i;
        anfang = i + 1;
    }
    if (anfang < inhalt.size())
        zeilen.append(inhalt.sliced(anfang));
    return zeilen;
}

QByteArrayView Getrimmt(QByteArrayView text) {
    while (!text.isEmpty() && static_cast<unsigned char>(text.front()) <= 0x20)
        text = text.sliced(1);
    while (!text.isEmpty() && static_cast<unsigned char>(text.back()) <= 0x20)
        text.chop(1);
    return text;
}

QsoZeile QsoFelder(QByteArrayView zeile) {
    const QByteArray geschuetzt = BlankZuNbsp(zeile.toByteArray());
    QList<Feld> felder = FelderMitLage(geschuetzt);
    const qsizetype n = felder.size();

    QsoZeile ergebnis;
    if (n <= 10)
        return ergebnis;

    const bool letztesLeer = felder.back().wert.isEmpty();
    if (n == 11 || (n == 12 && letztesLeer)) {
        ergebnis.art = ZeilenArt::Qso;
        ergebnis.felder.reserve(n);
        for (Feld& f : felder)
            ergebnis.felder.append(std::move(f.wert));
        return ergebnis;
    }

    // More fields than a QSO has: only a remark with ";" is put back, and only when every
    // field around it is where it must be, so nothing lands in a wrong column unnoticed.
    const qsizetype mode = letztesLeer ? n - 2 : n - 1;
    ergebnis.art = ZeilenArt::Unklar;
    if (!IstMode(Getrimmt(felder[mode].wert)) || !IstBand(Getrimmt(felder[8].wert)) ||
        !IstRapport(Getrimmt(felder[4].wert)) || !IstRapport(Getrimmt(felder[6].wert)))
        return ergebnis;

    ergebnis.art = ZeilenArt::Qso;
    for (qsizetype i = 0; i < 9; ++i)
        ergebnis.felder.append(std::move(felder[i].wert));
    const qsizetype von = felder[9].anfang;
    ergebnis.felder.append(geschuetzt.sliced(von, felder[mode - 1].ende - von));
    ergebnis.felder.append(std::move(felder[mode].wert));
    ergebnis.felder.append(QByteArray());
    return ergebnis;
}

} // namespace exporte
