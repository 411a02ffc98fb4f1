// The mask grammar: our own rather than Qt's input mask, whose mask letters mean other things,
// which has no place for "any character, a blank included", and whose text() follows other
// read-back rules.
#include "core/Maske.h"

#include <QStringList>
#include <algorithm>

namespace core {

namespace {
constexpr QChar Semikolon = QLatin1Char(';');
}

bool Steuerzeichen(QChar c) {
    const auto k = c.category();
    return k == QChar::Other_Control || k == QChar::Other_Format;
}

Maske::Maske(const QString& maske) : quelle_(maske) {
    if (maske.isEmpty())
        return;
    const QStringList teile = maske.split(Semikolon);
    const QString& zeichen = teile.at(0);
    if (teile.size() > 1)
        literaleImText_ = teile.at(1) != QLatin1String("0");
    if (teile.size() > 2 && !teile.at(2).isEmpty())
        leerzeichen_ = teile.at(2).at(0);
    bool gross = false;
    auto neu = [&](Art art, QChar literal = QChar()) {
        int gruppe = -1;
        if (art != Art::Literal) {
            if (stellen_.empty() || stellen_.back().art == Art::Literal)
                gruppen_.push_back({Anzahl(), Anzahl()});
            gruppe = static_cast<int>(gruppen_.size()) - 1;
            gruppen_.back().ende = Anzahl() + 1;
        }
        stellen_.push_back({art, gross, literal, gruppe});
    };
    for (qsizetype i = 0; i < zeichen.size(); ++i) {
        const QChar c = zeichen.at(i);
        switch (c.unicode()) {
        case '!':
            fuehrendeLeer_ = true;
            break;
        case '>':
            gross = true;
            break;
        case '0':
            neu(Art::ZifferPflicht);
            break;
        case '9':
            neu(Art::ZifferFrei);
            break;
        case 'c':
            neu(Art::Beliebig);
            break;
        case '\\':
            if (i + 1 < zeichen.size())
                neu(Art::Literal, zeichen.at(++i));
            break;
        default:
            neu(Art::Literal, c);
            break;
        }
    }
}

bool Maske::Akzeptiert(int i, QChar c) const {
    switch (At(i).art) {
    case Art::ZifferPflicht:
    case Art::ZifferFrei:
        return c >= QLatin1Char('0') && c <= QLatin1Char('9');
    case Art::Beliebig:
        return c != Semikolon && !c.isNull() && !c.isSurrogate() && !Steuerzeichen(c);
    case Art::Literal:
        break;
    }
    return false;
}

QChar Maske::Gewandelt(int i, QChar c, bool grossbuchstaben) const {
    return At(i).gross || grossbuchstaben ? c.toUpper() : c;
}

int Maske::NaechsteEingabestelle(int ab) const {
    for (int i = std::max(ab, 0); i < Anzahl(); ++i)
        if (At(i).art != Art::Literal)
            return i;
    return -1;
}

int Maske::VorigeEingabestelle(int vor) const {
    for (int i = std::min(vor, Anzahl()) - 1; i >= 0; --i)
        if (At(i).art != Art::Literal)
            return i;
    return -1;
}

QString Maske::LeererInhalt() const {
    QString inhalt(Anzahl(), QChar());
    for (int i = 0; i < Anzahl(); ++i)
        if (At(i).art == Art::Literal)
            inhalt[i] = At(i).literal;
    return inhalt;
}

// "8" in the hour group of "!90:00" is " 8", which fills the required place.
void Maske::RichteAus(QString& inhalt, const Gruppe& g) const {
    bool frei = false;
    for (int i = g.anfang; i < g.ende; ++i)
        frei = frei || At(i).art != Art::ZifferPflicht;
    if (!frei)
        return; // nothing optional to stand in front, as in the minutes of "!90:00"
    QString zeichen;
    for (int i = g.anfang; i < g.ende; ++i)
        if (!inhalt.at(i).isNull())
            zeichen += inhalt.at(i);
    const int k = static_cast<int>(zeichen.size());
    if (k == 0 || k == g.ende - g.anfang)
        return;
    const int start = g.ende - k;
    for (int j = 0; j < k; ++j)
        if (!Akzeptiert(start + j, zeichen.at(j)))
            return;
    for (int i = g.anfang; i < start; ++i)
        inhalt[i] = QChar();
    for (int j = 0; j < k; ++j)
        inhalt[start + j] = zeichen.at(j);
}

QString Maske::Ausgerichtet(const QString& inhalt) const {
    if (!fuehrendeLeer_)
        return inhalt;
    QString a = inhalt;
    for (const auto& g : gruppen_)
        RichteAus(a, g);
    return a;
}

// A group takes the text up to the literal that follows it (or as many characters as it has
// places when the literal is missing, so "1815" fits "90:00" too), cut to its length; blanks on the
// padding side count as unfilled.
QString Maske::Zugewiesen(const QString& text) const {
    QString t = text;
    t.remove(Semikolon);
    const int n = Anzahl();
    QString neu(n, QChar());
    qsizetype pos = 0;
    int i = 0;
    while (i < n) {
        const Stelle& s = At(i);
        if (s.art == Art::Literal) {
            neu[i] = s.literal;
            if (pos < t.size() && t.at(pos) == s.literal)
                ++pos;
            ++i;
            continue;
        }
        const Gruppe& g = gruppen_[static_cast<size_t>(s.gruppe)];
        const int m = g.ende - g.anfang;
        QString stueck;
        if (g.ende < n) {
            const qsizetype j = t.indexOf(At(g.ende).literal, pos);
            if (j >= 0) {
                stueck = t.mid(pos, j - pos);
                pos = j;
            } else {
                stueck = t.mid(pos, m);
                pos += stueck.size();
            }
        } else {
            stueck = t.mid(pos);
            pos = t.size();
        }
        if (fuehrendeLeer_) {
            stueck = stueck.trimmed();
        } else {
            while (stueck.endsWith(QLatin1Char(' ')))
                stueck.chop(1);
        }
        if (stueck.size() > m)
            stueck.truncate(m);
        const int start = fuehrendeLeer_ ? g.ende - static_cast<int>(stueck.size()) : g.anfang;
        for (int k = 0; k < stueck.size(); ++k) {
            const int p = start + k;
            const QChar c = At(p).gross ? stueck.at(k).toUpper() : stueck.at(k);
            if (Akzeptiert(p, c))
                neu[p] = c;
        }
        i = g.ende;
    }
    return neu;
}

QString Maske::Anzeige(const QString& inhalt) const {
    QString a(Anzahl(), QChar());
    for (int i = 0; i < Anzahl(); ++i) {
        if (At(i).art == Art::Literal)
            a[i] = At(i).literal;
        else
            a[i] = inhalt.at(i).isNull() ? leerzeichen_ : inhalt.at(i);
    }
    return a;
}

QString Maske::Text(const QString& inhalt) const {
    const QString a = Ausgerichtet(inhalt);
    QString t;
    t.reserve(Anzahl());
    for (int i = 0; i < Anzahl(); ++i) {
        if (At(i).art == Art::Literal) {
            if (literaleImText_)
                t += At(i).literal;
        } else if (!a.at(i).isNull()) {
            t += a.at(i);
        } else if (literaleImText_) {
            t += QLatin1Char(' ');
        }
    }
    return t;
}

int Maske::ErsteFehlendeStelle(const QString& inhalt) const {
    const QString a = Ausgerichtet(inhalt);
    for (int i = 0; i < Anzahl(); ++i)
        if (At(i).art == Art::ZifferPflicht && a.at(i).isNull())
            return i;
    return -1;
}

QString Maske::Kopie(const QString& inhalt, int von, int bis) const {
    QString t;
    for (int i = std::max(von, 0); i < std::min(bis, Anzahl()); ++i) {
        if (At(i).art == Art::Literal)
            t += At(i).literal;
        else
            t += inhalt.at(i).isNull() ? QLatin1Char(' ') : inhalt.at(i);
    }
    while (t.endsWith(QLatin1Char(' ')))
        t.chop(1);
    return t;
}

void Maske::Leere(QString& inhalt, int von, int bis) const {
    for (int i = std::max(von, 0); i < std::min(bis, Anzahl()); ++i)
        if (At(i).art != Art::Literal)
            inhalt[i] = QChar();
}

// "K32" with the "3" deleted reads "K2"; where a character would land on a place that does not
// take it, the places are only emptied.
void Maske::Entferne(QString& inhalt, int von, int bis) const {
    for (const auto& g : gruppen_) {
        const int a = std::max(g.anfang, von);
        const int b = std::min(g.ende, bis);
        if (a >= b)
            continue;
        const QString rest = inhalt.mid(b, g.ende - b);
        bool passt = true;
        for (int k = 0; k < rest.size(); ++k)
            if (!rest.at(k).isNull() && !Akzeptiert(a + k, rest.at(k)))
                passt = false;
        if (!passt) {
            Leere(inhalt, a, b);
            continue;
        }
        for (int k = 0; k < rest.size(); ++k)
            inhalt[a + k] = rest.at(k);
        for (int i = a + static_cast<int>(rest.size()); i < g.ende; ++i)
            inhalt[i] = QChar();
    }
}

// The character fills the next place that takes it (overwriting) and the cursor moves on past any
// literal; a typed literal moves past the next literal, and under "!" settles the group before it
// at its end.
bool Maske::Tippe(QString& inhalt, int& cursor, QChar c, bool grossbuchstaben) const {
    if (c == Semikolon)
        return false;
    const int n = Anzahl();
    const int q = NaechsteEingabestelle(cursor);
    int l = std::max(cursor, 0);
    while (l < n && At(l).art != Art::Literal)
        ++l;
    const bool fuelltVorLiteral =
        q >= 0 && q < l && Akzeptiert(q, Gewandelt(q, c, grossbuchstaben));
    if (l < n && At(l).literal == c && !fuelltVorLiteral) {
        if (fuehrendeLeer_ && l > 0 && At(l - 1).gruppe >= 0)
            RichteAus(inhalt, gruppen_[static_cast<size_t>(At(l - 1).gruppe)]);
        cursor = l + 1;
        return true;
    }
    if (q >= 0 && Akzeptiert(q, Gewandelt(q, c, grossbuchstaben))) {
        inhalt[q] = Gewandelt(q, c, grossbuchstaben);
        cursor = q + 1;
        while (cursor < n && At(cursor).art == Art::Literal)
            ++cursor;
        return true;
    }
    // The separator typed out of habit after the cursor already jumped over it.
    return cursor > 0 && cursor <= n && At(cursor - 1).art == Art::Literal &&
           At(cursor - 1).literal == c;
}

} // namespace core
