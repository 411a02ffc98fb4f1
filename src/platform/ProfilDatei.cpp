#include "platform/ProfilDatei.h"

#include "platform/Codepage.h"
#include "platform/Fehler.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStringList>

namespace platform {
namespace {

bool IstLeer(QChar c) {
    return c == u' ' || c == u'\t';
}

QStringView Getrimmt(QStringView s) {
    while (!s.isEmpty() && IstLeer(s.front()))
        s = s.mid(1);
    while (!s.isEmpty() && IstLeer(s.back()))
        s.chop(1);
    return s;
}

enum class Lesbar { Ja, Fehlt, Nein };

// The file's lines without their line ends; a missing file has none, and so has one that exists
// but cannot be read, which `lesbar` tells apart.
std::optional<QStringList> Zeilen(const QString& datei, Lesbar* lesbar = nullptr) {
    QFile f(datei);
    const auto melde = [&](Lesbar l) {
        if (lesbar)
            *lesbar = l;
    };
    if (!f.open(QIODevice::ReadOnly)) {
        melde(f.exists() ? Lesbar::Nein : Lesbar::Fehlt);
        return std::nullopt;
    }
    const QByteArray inhalt = f.readAll();
    if (f.error() != QFileDevice::NoError) {
        melde(Lesbar::Nein);
        return std::nullopt;
    }
    melde(Lesbar::Ja);
    QStringList zeilen;
    qsizetype anfang = 0;
    for (qsizetype i = 0; i < inhalt.size(); ++i) {
        if (inhalt[i] == '\n') {
            qsizetype ende = i;
            if (ende > anfang && inhalt[ende - 1] == '\r')
                --ende;
            zeilen.append(AnsiNachText(QByteArrayView(inhalt).sliced(anfang, ende - anfang)));
            anfang = i + 1;
        }
    }
    if (anfang < inhalt.size()) {
        QByteArrayView rest = QByteArrayView(inhalt).sliced(anfang);
        if (rest.endsWith('\r'))
            rest.chop(1);
        zeilen.append(AnsiNachText(rest));
    }
    return zeilen;
}

// The section name of a line "[name]", or nothing for any other line.
std::optional<QStringView> SektionsName(QStringView zeile) {
    const QStringView z = Getrimmt(zeile);
    if (!z.startsWith(u'['))
        return std::nullopt;
    const qsizetype zu = z.indexOf(u']');
    if (zu < 0)
        return std::nullopt;
    return Getrimmt(z.sliced(1, zu - 1));
}

// The key of a line "key=value" and the position of its "=", or nothing.
std::optional<std::pair<QStringView, qsizetype>> SchluesselName(QStringView zeile) {
    const qsizetype gleich = zeile.indexOf(u'=');
    if (gleich < 0)
        return std::nullopt;
    return std::make_pair(Getrimmt(zeile.first(gleich)), gleich);
}

bool Gleich(QStringView a, QStringView b) {
    return a.compare(b, Qt::CaseInsensitive) == 0;
}

struct Fundstelle {
    qsizetype sektion = -1; // line of the first section of that name
    qsizetype ende = -1;    // line after its last key line (where a new key goes)
    qsizetype schluessel = -1;
};

// Only the first section of a name is looked at, as the Windows functions do.
Fundstelle Suche(const QStringList& zeilen, QStringView sektion, QStringView schluessel) {
    Fundstelle f;
    for (qsizetype i = 0; i < zeilen.size(); ++i) {
        const auto name = SektionsName(zeilen[i]);
        if (f.sektion < 0) {
            if (name && Gleich(*name, sektion)) {
                f.sektion = i;
                f.ende = i + 1;
            }
            continue;
        }
        if (name)
            break;
        const auto key = SchluesselName(zeilen[i]);
        if (!key)
            continue;
        f.ende = i + 1;
        if (f.schluessel < 0 && Gleich(key->first, schluessel))
            f.schluessel = i;
    }
    return f;
}

// The value of a key line: trimmed, without one pair of enclosing quotes, cut to the longest
// value a read returns.
QString Wert(const QString& zeile) {
    QStringView wert = Getrimmt(QStringView(zeile).sliced(zeile.indexOf(u'=') + 1));
    if (wert.size() >= 2 && (wert.front() == u'"' || wert.front() == u'\'') &&
        wert.back() == wert.front())
        wert = wert.sliced(1, wert.size() - 2);
    return wert.left(ProfilWertMaxLaenge).toString();
}

QString Gefaltet(QStringView name) {
    return name.toString().toCaseFolded();
}

} // namespace

std::optional<QString> ProfilLesen(const QString& datei, const QString& sektion,
                                   const QString& schluessel) {
    const auto zeilen = Zeilen(datei);
    if (!zeilen)
        return std::nullopt;
    const Fundstelle f = Suche(*zeilen, sektion, schluessel);
    if (f.schluessel < 0)
        return std::nullopt;
    return Wert((*zeilen)[f.schluessel]);
}

bool ProfilSchreiben(const QString& datei, const QString& sektion, const QString& schluessel,
                     const QString& wert) {
    // A file that exists but cannot be read is not rewritten: the new file would hold this one key
    // and every other setting would be gone.
    Lesbar lesbar = Lesbar::Ja;
    QStringList zeilen = Zeilen(datei, &lesbar).value_or(QStringList());
    if (lesbar == Lesbar::Nein)
        return false;
    const QString neueZeile = schluessel + u'=' + wert;
    const Fundstelle f = Suche(zeilen, sektion, schluessel);
    if (f.schluessel >= 0)
        zeilen[f.schluessel] = neueZeile;
    else if (f.sektion >= 0)
        zeilen.insert(f.ende, neueZeile);
    else
        zeilen << (u'[' + sektion + u']') << neueZeile;

    QByteArray inhalt;
    for (const QString& z : std::as_const(zeilen)) {
        inhalt += TextNachAnsi(z);
        inhalt += "\r\n";
    }
    QDir().mkpath(QFileInfo(datei).absolutePath());
    // Written beside the file and renamed over it, so an interrupted write leaves the old file.
    QSaveFile ziel(datei);
    if (!ziel.open(QIODevice::WriteOnly))
        return false;
    if (ziel.write(inhalt) != inhalt.size()) {
        ziel.cancelWriting();
        return false;
    }
    return ziel.commit();
}

std::optional<qint32> ProfilGanzzahl(const QString& text) {
    QStringView s(text);
    while (!s.isEmpty() && s.front() == u' ')
        s = s.mid(1);
    bool negativ = false;
    if (!s.isEmpty() && (s.front() == u'-' || s.front() == u'+')) {
        negativ = s.front() == u'-';
        s = s.mid(1);
    }
    int basis = 10;
    if (s.startsWith(u"0x") || s.startsWith(u"0X")) {
        basis = 16;
        s = s.mid(2);
    } else if (!s.isEmpty() && (s.front() == u'$' || s.front() == u'x' || s.front() == u'X')) {
        basis = 16;
        s = s.mid(1);
    }
    if (s.isEmpty())
        return std::nullopt;
    qint64 wert = 0;
    for (const QChar c : s) {
        const int ziffer = c.isDigit() && c.unicode() < 128 ? c.unicode() - '0'
                           : basis == 16 && c.toLower() >= u'a' && c.toLower() <= u'f'
                               ? c.toLower().unicode() - 'a' + 10
                               : -1;
        if (ziffer < 0 || ziffer >= basis)
            return std::nullopt;
        wert = wert * basis + ziffer;
        // Hexadecimal values may use the whole 32 bits ($FFFFFFFF is -1), decimal ones not.
        if (wert > (basis == 16 ? 0xFFFFFFFFLL : 0x80000000LL))
            return std::nullopt;
    }
    if (basis == 16 && wert > 0x7FFFFFFFLL)
        wert -= 0x100000000LL;
    if (negativ)
        wert = -wert;
    if (wert > 0x7FFFFFFFLL || wert < -0x80000000LL)
        return std::nullopt;
    return static_cast<qint32>(wert);
}

std::optional<ProfilInhalt> ProfilInhalt::Lade(const QString& datei) {
    const auto zeilen = Zeilen(datei);
    if (!zeilen)
        return std::nullopt;
    ProfilInhalt inhalt;
    // As the Windows functions do: only the first section of a name and the first line of a key
    // within it count, and lines before the first section belong to none.
    QHash<QString, QString>* sektion = nullptr;
    for (const QString& zeile : *zeilen) {
        if (const auto name = SektionsName(zeile)) {
            const QString schluessel = Gefaltet(*name);
            if (inhalt.werte_.contains(schluessel)) {
                sektion = nullptr;
            } else {
                sektion = &inhalt.werte_[schluessel];
                inhalt.sektionen_ << name->toString();
            }
            continue;
        }
        if (!sektion)
            continue;
        if (const auto key = SchluesselName(zeile)) {
            const QString schluessel = Gefaltet(key->first);
            if (!sektion->contains(schluessel))
                sektion->insert(schluessel, Wert(zeile));
        }
    }
    return inhalt;
}

std::optional<QString> ProfilInhalt::Lies(const QString& sektion, const QString& schluessel) const {
    const auto s = werte_.constFind(Gefaltet(sektion));
    if (s == werte_.cend())
        return std::nullopt;
    const auto w = s->constFind(Gefaltet(schluessel));
    if (w == s->cend())
        return std::nullopt;
    return *w;
}

QString ProfilInhalt::LeseText(const QString& sektion, const QString& schluessel,
                               const QString& vorgabe) const {
    return Lies(sektion, schluessel).value_or(vorgabe);
}

qint32 ProfilInhalt::LeseGanzzahl(const QString& sektion, const QString& schluessel,
                                  qint32 vorgabe) const {
    const auto text = Lies(sektion, schluessel);
    return text ? ProfilGanzzahl(*text).value_or(vorgabe) : vorgabe;
}

QStringList ProfilInhalt::Sektionen() const {
    return sektionen_;
}

IniDatei::IniDatei(QString pfad) : pfad_(std::move(pfad)) {}

QString IniDatei::LeseText(const QString& sektion, const QString& schluessel,
                           const QString& vorgabe) const {
    return ProfilLesen(pfad_, sektion, schluessel).value_or(vorgabe);
}

qint32 IniDatei::LeseGanzzahl(const QString& sektion, const QString& schluessel,
                              qint32 vorgabe) const {
    const auto text = ProfilLesen(pfad_, sektion, schluessel);
    if (!text)
        return vorgabe;
    return ProfilGanzzahl(*text).value_or(vorgabe);
}

bool IniDatei::LeseSchalter(const QString& sektion, const QString& schluessel, bool vorgabe) const {
    return LeseGanzzahl(sektion, schluessel, vorgabe ? 1 : 0) != 0;
}

void IniDatei::SchreibeText(const QString& sektion, const QString& schluessel,
                            const QString& wert) {
    if (!ProfilSchreiben(pfad_, sektion, schluessel, wert))
        throw Fehler(
            QStringLiteral("In %1 kann nicht geschrieben werden").arg(QFileInfo(pfad_).fileName()));
}

void IniDatei::SchreibeGanzzahl(const QString& sektion, const QString& schluessel, qint32 wert) {
    SchreibeText(sektion, schluessel, QString::number(wert));
}

void IniDatei::SchreibeSchalter(const QString& sektion, const QString& schluessel, bool wert) {
    SchreibeText(sektion, schluessel, wert ? QStringLiteral("1") : QStringLiteral("0"));
}

} // namespace platform
