#include "dialogs/UpdateRegeln.h"

#include "dialogs/UpdateDateien.h"
#include "platform/Versionsmarke.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>

namespace dialogs {

qint32 DateiPruefsumme(const QString& pfad) {
    QFile datei(pfad);
    if (!datei.open(QIODevice::ReadOnly))
        return -1;
    quint32 summe = 0xFFFFFFFFu;
    while (!datei.atEnd()) {
        const QByteArray block = datei.read(1 << 16);
        if (block.isEmpty())
            break;
        for (const char c : block)
            summe += static_cast<unsigned char>(c);
    }
    return static_cast<qint32>(summe);
}

std::optional<std::array<qint32, 4>> VersionsTeile(const QString& text) {
    const QStringList teile = text.split(text.contains(u',') ? u',' : u'.');
    if (teile.size() != 4)
        return std::nullopt;
    static const QRegularExpression dezimal(QStringLiteral("^ *[-+]?[0-9]+ *$"));
    std::array<qint32, 4> zahlen{};
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        zahlen[i] = dezimal.match(teile[i]).hasMatch() ? teile[i].trimmed().toInt(&ok) : 0;
        if (!ok)
            return std::nullopt;
    }
    return zahlen;
}

QString VersionsText(const std::array<qint32, 4>& teile) {
    return QStringLiteral("%1.%2.%3.%4").arg(teile[0]).arg(teile[1]).arg(teile[2]).arg(teile[3]);
}

bool HatVergleichswert(const UpdateEintrag& e) {
    return !e.newversion.isEmpty() || e.newsize != 0 || e.newchecksum != -1;
}

Vergleich VergleichFuer(const UpdateEintrag& e) {
    if (e.newchecksum != -1)
        return Vergleich::Pruefsumme;
    if (e.newsize != 0)
        return Vergleich::Dateigroesse;
    return Vergleich::Versionsinfo;
}

namespace {

// A pair of version numbers as one signed 32-bit number, first * 65536 + second.
qint32 Paar(qint32 erstes, qint32 zweites) {
    return static_cast<qint32>(static_cast<quint32>(erstes) * 65536u +
                               static_cast<quint32>(zweites));
}

} // namespace

NeuerErgebnis IstNeuer(const UpdateEintrag& e) {
    if (!HatVergleichswert(e) || e.localversion.isEmpty())
        return {true, e.newversion};
    const QFileInfo installiert(e.localversion);
    switch (VergleichFuer(e)) {
    case Vergleich::Pruefsumme:
        return {e.newchecksum != DateiPruefsumme(e.localversion), e.newversion};
    case Vergleich::Dateigroesse:
        return {installiert.isFile() && installiert.size() != e.newsize, e.newversion};
    case Vergleich::Versionsinfo:
        break;
    }
    const auto neu = VersionsTeile(e.newversion);
    if (!neu)
        return {false, e.newversion};
    const auto alt = platform::LiesVersionsMarke(e.localversion);
    if (!alt)
        return {false, VersionsText(*neu)};
    const std::array<qint32, 4> a{(*alt)[0], (*alt)[1], (*alt)[2], (*alt)[3]};
    const qint32 neuHoch = Paar((*neu)[0], (*neu)[1]), altHoch = Paar(a[0], a[1]);
    const qint32 neuTief = Paar((*neu)[2], (*neu)[3]), altTief = Paar(a[2], a[3]);
    return {neuHoch > altHoch || (neuHoch == altHoch && neuTief > altTief), VersionsText(*neu)};
}

std::optional<QDateTime> DatumZeit(const QString& datum, const QString& zeit) {
    static const QRegularExpression datumMuster(
        QStringLiteral("^\\s*(\\d{1,2})\\.(\\d{1,2})\\.(\\d{2}|\\d{4})\\s*$"));
    static const QRegularExpression zeitMuster(
        QStringLiteral("^\\s*(\\d{1,2}):(\\d{1,2})(?::(\\d{1,2}))?\\s*$"));
    const auto d = datumMuster.match(datum);
    if (!d.hasMatch())
        return std::nullopt;
    int jahr = d.captured(3).toInt();
    if (d.captured(3).size() == 2)
        jahr += 2000;
    const QDate tag(jahr, d.captured(2).toInt(), d.captured(1).toInt());
    QTime uhr(0, 0);
    if (!zeit.trimmed().isEmpty()) {
        const auto z = zeitMuster.match(zeit);
        if (!z.hasMatch())
            return std::nullopt;
        uhr = QTime(z.captured(1).toInt(), z.captured(2).toInt(), z.captured(3).toInt());
    }
    if (!tag.isValid() || !uhr.isValid())
        return std::nullopt;
    return QDateTime(tag, uhr);
}

namespace {

const QRegularExpression& PlatzhalterMuster() {
    static const QRegularExpression muster(QStringLiteral("\\{(WIN|APP|TMP|PF)\\}"),
                                           QRegularExpression::CaseInsensitiveOption);
    return muster;
}

QString OhneTrenner(const QString& verzeichnis) {
    QString v = QDir::cleanPath(verzeichnis);
    if (v == u"/")
        return QStringLiteral("/.");
    return v;
}

} // namespace

QString Aufgeloest(const QString& text, const Platzhalter& orte) {
    QString ergebnis;
    qsizetype bis = 0;
    auto treffer = PlatzhalterMuster().globalMatch(text);
    while (treffer.hasNext()) {
        const auto t = treffer.next();
        ergebnis += text.mid(bis, t.capturedStart() - bis);
        const QString name = t.captured(1).toUpper();
        const QString& ort = name == u"WIN"   ? orte.win
                             : name == u"APP" ? orte.app
                             : name == u"TMP" ? orte.tmp
                                              : orte.pf;
        ergebnis += OhneTrenner(ort);
        bis = t.capturedEnd();
    }
    return ergebnis + text.mid(bis);
}

bool BeginntMitPlatzhalter(const QString& text) {
    const auto t = PlatzhalterMuster().match(text);
    return t.hasMatch() && t.capturedStart() == 0;
}

std::optional<QString> ZielVerzeichnis(const QString& targetdir, const Platzhalter& orte) {
    QString roh = targetdir.trimmed();
    roh.replace(u'\\', u'/');
    if (roh.isEmpty())
        return OhneTrenner(orte.app);
    const bool platzhalter = BeginntMitPlatzhalter(roh);
    if (roh.split(u'/').contains(QStringLiteral("..")))
        return std::nullopt;
    if (!platzhalter && !BleibtDarunter(roh))
        return std::nullopt;
    const QString aufgeloest = Aufgeloest(roh, orte);
    // Joined as text: QDir would take a name it deems absolute as it stands.
    return platzhalter ? QDir::cleanPath(aufgeloest)
                       : QDir::cleanPath(orte.app + u'/' + aufgeloest);
}

} // namespace dialogs
