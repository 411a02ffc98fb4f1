#include "report/Spaltenformat.h"
#include "platform/Gebietsschema.h"
#include "platform/Uhr.h"

#include <QFileInfo>
#include <QLocale>
#include <QStringList>
#include <cmath>

namespace report {
namespace {

// Numbers in the locale's form, but never with group separators: "1.000" is not a width in a
// German format, and a written width must read back the same.
QLocale Zahlen() {
    QLocale l;
    l.setNumberOptions(QLocale::OmitGroupSeparator | QLocale::RejectGroupSeparator);
    return l;
}

QChar Zeichen(Ausrichtung a) {
    switch (a) {
    case Ausrichtung::Rechts:
        return u'>';
    case Ausrichtung::Mitte:
        return u'^';
    case Ausrichtung::Links:
        break;
    }
    return u'<';
}

} // namespace

Spaltenformat LiesSpaltenformat(QStringView eintrag, double standardBreite) {
    Spaltenformat f;
    f.breite = standardBreite;
    if (!eintrag.isEmpty()) {
        const QChar c = eintrag.front();
        if (c == u'<' || c == u'>' || c == u'^') {
            f.ausrichtung = c == u'<'   ? Ausrichtung::Links
                            : c == u'>' ? Ausrichtung::Rechts
                                        : Ausrichtung::Mitte;
            eintrag = eintrag.mid(1);
        }
    }
    if (!eintrag.isEmpty()) {
        bool ok = false;
        const double b = Zahlen().toDouble(eintrag, &ok);
        if (ok && std::isfinite(b))
            f.breite = b;
    }
    return f;
}

QString SchreibeSpaltenformat(const Spaltenformat& format) {
    const double b = format.breite == 0 ? 0.0 : format.breite; // no "-0"
    // Fifteen significant digits, the precision a width can be typed with: a width converted
    // between inches and millimetres keeps no digits of the binary arithmetic (76,2, never
    // 76,19999999999999).
    return Zeichen(format.ausrichtung) + Zahlen().toString(b, 'g', 15);
}

QString NormiereFormat(const QString& format, QChar trenner, double standardBreite, double faktor) {
    if (format.isEmpty())
        return format;
    QStringList eintraege;
    for (const QStringView e : QStringView(format).split(trenner)) {
        Spaltenformat f = LiesSpaltenformat(e, standardBreite);
        f.breite *= faktor;
        if (!std::isfinite(f.breite))
            f.breite = standardBreite;
        eintraege << SchreibeSpaltenformat(f);
    }
    return eintraege.join(trenner);
}

QString ErsetzeMakros(const QString& text, const Makrowerte& werte) {
    if (!text.contains(QLatin1String("{$")))
        return text;
    QString t = text;
    t.replace(QLatin1String("{$LINE}"), QString::number(werte.zeile));
    t.replace(QLatin1String("{$PAGE}"), QString::number(werte.seite));
    if (t.contains(QLatin1String("{$DATE}")) || t.contains(QLatin1String("{$TIME}"))) {
        const QDateTime jetzt = platform::Uhr::Instanz().Jetzt();
        t.replace(QLatin1String("{$DATE}"), platform::KurzesDatum(jetzt.date()));
        t.replace(QLatin1String("{$TIME}"), platform::LangeZeit(jetzt.time()));
    }
    t.replace(QLatin1String("{$TITLE}"), werte.titel);
    return t;
}

KopfFusszeile WandleFreundlich(const QString& freundlich, QChar trenner, double breiteGesamt,
                               const QString& dateiName, const QDateTime& jetzt) {
    QString zeile;
    QString spalten; // one alignment character per column
    auto Text = [&zeile](const QString& s) { zeile += s.isEmpty() ? QStringLiteral(" ") : s; };
    auto Spalte = [&](QChar ausrichtung) {
        if (!zeile.isEmpty()) {
            if (spalten.isEmpty())
                spalten += u'<';
            zeile += trenner;
        }
        spalten += ausrichtung;
    };
    for (qsizetype i = 0; i < freundlich.size(); ++i) {
        const QChar c = freundlich.at(i);
        if (c != u'&') {
            zeile += c;
            continue;
        }
        const QChar code = i + 1 < freundlich.size() ? freundlich.at(++i) : QChar(u' ');
        switch (code.unicode()) {
        case u'&':
            zeile += u'&';
            break;
        case u'D':
            Text(platform::LangesDatum(jetzt.date()));
            break;
        case u'd':
            Text(platform::KurzesDatum(jetzt.date()));
            break;
        case u'T':
            Text(platform::LangeZeit(jetzt.time()));
            break;
        case u't':
            Text(platform::KurzeZeit(jetzt.time()));
            break;
        case u'F':
            Text(dateiName);
            break;
        case u'f':
            Text(QFileInfo(dateiName).fileName());
            break;
        case u'p':
            zeile += QLatin1String("{$PAGE}");
            break;
        case u'i':
            zeile += QLatin1String("{$TITLE}");
            break;
        case u'l':
            Spalte(u'<');
            break;
        case u'c':
            Spalte(u'^');
            break;
        case u'r':
            Spalte(u'>');
            break;
        default:
            zeile += u' ';
            break;
        }
    }
    if (spalten.isEmpty())
        spalten += u'<';

    const QString breite = Zahlen().toString(breiteGesamt / spalten.size(), 'f', 2);
    QStringList format;
    for (const QChar a : std::as_const(spalten))
        format << a + breite;
    return {zeile, format.join(trenner)};
}

} // namespace report
