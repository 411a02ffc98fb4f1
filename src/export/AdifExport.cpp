// LOG.ADI: one ADIF record per QSO line of LOG.TXT, one record per line, no header.
#include "export/Exporte.h"

#include "core/LogDatei.h"
#include "export/LogQuelle.h"

#include <algorithm>

namespace exporte {
namespace {

QByteArrayView Stueck(QByteArrayView text, qsizetype von, qsizetype laenge) {
    if (von >= text.size())
        return {};
    return text.sliced(von, std::min(laenge, text.size() - von));
}

void Zahl(QByteArray& ziel, qsizetype zahl) {
    char ziffern[24];
    int n = 0;
    do {
        ziffern[n++] = static_cast<char>('0' + zahl % 10);
        zahl /= 10;
    } while (zahl > 0);
    while (n > 0)
        ziel.append(ziffern[--n]);
}

// "<", the name, ":", the length in bytes, the type when given, ">", the data.
void Tag(QByteArray& ziel, const char* name, QByteArrayView daten, const char* typ = nullptr) {
    ziel.append('<').append(name).append(':');
    Zahl(ziel, daten.size());
    if (typ)
        ziel.append(':').append(typ);
    ziel.append('>').append(daten);
}

} // namespace

QByteArray AdifBandText(QByteArrayView band) {
    if (band == "80")
        return QByteArrayLiteral("80M");
    if (band == "40")
        return QByteArrayLiteral("40M");
    if (band == "10")
        return QByteArrayLiteral("10M");
    if (band == "2")
        return QByteArrayLiteral("2M");
    if (band == "0.70")
        return QByteArrayLiteral("70CM");
    return {};
}

namespace {

void SatzAnhaengen(QByteArray& z, const QList<QByteArray>& f) {
    char datumPuffer[8], zeitPuffer[4];
    const auto zusammen = [](char* puffer, std::initializer_list<QByteArrayView> teile) {
        qsizetype n = 0;
        for (QByteArrayView t : teile) {
            std::copy(t.begin(), t.end(), puffer + n);
            n += t.size();
        }
        return QByteArrayView(puffer, n);
    };
    const QByteArrayView datum =
        zusammen(datumPuffer, {Stueck(f[1], 6, 4), Stueck(f[1], 3, 2), Stueck(f[1], 0, 2)});
    const QByteArrayView zeit = zusammen(zeitPuffer, {Stueck(f[2], 0, 2), Stueck(f[2], 3, 2)});
    // Date and time are copied without a check. Their length is 8 and 4 as long as the log holds
    // dd.mm.yyyy and hh:mm:ss; a shorter value in a hand-edited log gets its true length, so that
    // a reader cannot take the next tag for data.
    Tag(z, "qso_date", datum, "d");
    Tag(z, "time_on", zeit);
    Tag(z, "time_off", zeit);
    Tag(z, "call", Getrimmt(f[3]));
    Tag(z, "RST_SENT", Getrimmt(f[4]));
    // The DOKs are text; STX and SRX would be integer fields.
    Tag(z, "STX_STRING", Getrimmt(f[5]));
    Tag(z, "RST_RCVD", Getrimmt(f[6]));
    Tag(z, "SRX_STRING", Getrimmt(f[7]));
    Tag(z, "BAND", AdifBandText(f[8]));
    Tag(z, "COMMENT", Getrimmt(NbspZuBlank(f[9])));
    const QByteArrayView mode = Getrimmt(f[10]);
    // PSK31 is a submode of PSK; as a mode of its own a reader takes it only from old files.
    if (mode.startsWith("PSK")) {
        Tag(z, "MODE", "PSK");
        Tag(z, "SUBMODE", "PSK31");
    } else {
        Tag(z, "MODE", mode);
    }
    z.append("<eor>");
}

} // namespace

QByteArray AdifSatz(const QList<QByteArray>& felder) {
    QByteArray z;
    z.reserve(200);
    SatzAnhaengen(z, felder);
    return z;
}

namespace {

ExportErgebnis AdifBauen(const QByteArray& log, const QString& zielPfad, QByteArray& out) {
    const QList<QByteArrayView> zeilen = DateiZeilen(log);
    ExportErgebnis ergebnis;
    ergebnis.ziel = zielPfad;
    if (zeilen.size() <= 1)
        return ergebnis;

    out.reserve(zeilen.size() * 190);
    int saetze = 0;
    ergebnis.unklareZeilen =
        QsoZeilenDurchgehen(zeilen, [&out, &saetze](const QList<QByteArray>& felder) {
            SatzAnhaengen(out, felder);
            out.append("\r\n");
            ++saetze;
        });

    ergebnis.geschrieben = true;
    ergebnis.saetze = saetze;
    ergebnis.meldung = QStringLiteral("ADIF Datei ") + zielPfad + QChar(u'\r') +
                       QStringLiteral("geschrieben mit ") + QString::number(saetze) +
                       QStringLiteral(" Sätzen") + UnklarHinweis(ergebnis.unklareZeilen);
    return ergebnis;
}

} // namespace

ExportErgebnis AdifExport(QIODevice& log, QIODevice& ziel, const QString& zielName) {
    QByteArray inhalt;
    const ExportErgebnis e =
        AdifBauen(LogLesen(log, QString::fromLatin1(core::LogDateiName)), zielName, inhalt);
    if (e.geschrieben)
        ZielSchreiben(ziel, inhalt, zielName);
    return e;
}

ExportErgebnis AdifExport(const QString& logPfad, const QString& zielPfad) {
    QByteArray inhalt;
    const ExportErgebnis e = AdifBauen(LogLesen(logPfad), zielPfad, inhalt);
    if (e.geschrieben)
        ZielSchreiben(zielPfad, inhalt);
    return e;
}

} // namespace exporte
