// LOG.STF: the keyword header with the station data and the claimed result, then one
// fixed-column line per QSO.
#include "export/Exporte.h"

#include "core/LogDatei.h"
#include "export/LogQuelle.h"
#include "platform/Codepage.h"

#include <algorithm>

namespace exporte {
namespace {

constexpr qsizetype SchluesselBreite = 13;

QByteArray Ansi(const QString& text) {
    return platform::TextNachAnsi(text);
}
QByteArray Oem(const QString& text) {
    return platform::AnsiNachOem(platform::TextNachAnsi(text));
}

// The file's bytes and the number of its lines, which the closing message reports.
struct Ausgabe {
    QByteArray bytes;
    int zeilen = 0;

    void Zeile(QByteArrayView zeile) {
        bytes.append(zeile);
        bytes.append("\r\n");
        ++zeilen;
    }
    // The key padded to 13 characters, directly followed by the value; an empty value leaves
    // the padded key with its trailing blanks.
    void SchluesselZeile(const char* schluessel, QByteArrayView wert) {
        Zeile(PadRechts(schluessel, SchluesselBreite).append(wert));
    }
};

// What follows the first ":" and the one character after it ("Multis: 7" gives "7").
QString NachDoppelpunkt(const QString& caption) {
    const qsizetype p = caption.indexOf(u':');
    return p < 0 ? caption : caption.mid(p + 2);
}

QByteArray Stueck(QByteArrayView text, qsizetype von, qsizetype laenge) {
    if (von >= text.size())
        return {};
    return text.sliced(von, std::min(laenge, text.size() - von)).toByteArray();
}

void Spalte(QByteArray& ziel, QByteArrayView wert, qsizetype breite) {
    ziel.append(' ');
    ziel.append(wert);
    for (qsizetype i = wert.size(); i < breite; ++i)
        ziel.append(' ');
}

} // namespace

QByteArray PadRechts(QByteArray text, qsizetype n) {
    if (text.size() < n)
        text.append(n - text.size(), ' ');
    return text;
}

QByteArray StfBandText(QByteArrayView band) {
    if (band == "80")
        return QByteArrayLiteral("80  ");
    if (band == "40")
        return QByteArrayLiteral("40  ");
    if (band == "10")
        return QByteArrayLiteral("10  ");
    if (band == "2")
        return QByteArrayLiteral("2   ");
    if (band == "0.70")
        return QByteArrayLiteral("70  ");
    return {};
}

QByteArray StfQsoZeile(const QList<QByteArray>& f) {
    QByteArray z;
    z.reserve(84);
    z.append("     ");
    // dd.mm.yyyy becomes yyyymmdd and hh:mm:ss becomes hhmm, copied as they stand.
    z.append(Stueck(f[1], 6, 4)).append(Stueck(f[1], 3, 2)).append(Stueck(f[1], 0, 2));
    z.append(' ');
    z.append(Stueck(f[2], 0, 2)).append(Stueck(f[2], 3, 2));
    z.append(' ');
    z.append(StfBandText(f[8]));
    Spalte(z, Getrimmt(f[10]), 6);
    Spalte(z, Getrimmt(f[3]), 10);
    Spalte(z, Getrimmt(f[4]), 3);
    Spalte(z, Getrimmt(f[5]), 15);
    Spalte(z, Getrimmt(f[6]), 3);
    Spalte(z, Getrimmt(f[7]), 15);
    return z;
}

namespace {

// The whole file in `out`; nothing when the log holds no more than its header.
ExportErgebnis StfBauen(const QByteArray& log, const QString& zielPfad,
                        const core::IniRecord& station, int qsoNummer, const QString& panel3,
                        const QString& pnlQsoPunkte, const QString& dateiVersion,
                        const QDateTime& jetzt, QByteArray& inhalt) {
    const QList<QByteArrayView> zeilen = DateiZeilen(log);
    ExportErgebnis ergebnis;
    ergebnis.ziel = zielPfad;
    if (zeilen.size() <= 1)
        return ergebnis;

    Ausgabe out;
    out.bytes.reserve(2048 + zeilen.size() * 83);

    const QDate d = jetzt.date();
    const QTime t = jetzt.time();
    out.Zeile("STF1");
    out.Zeile(QString::asprintf("#Data written \"%02d.%02d.%04d  %02d:%02d\"", d.day(), d.month(),
                                d.year(), t.hour(), t.minute())
                  .toLatin1());
    out.Zeile("#STF-Export generated with TARVEX Version " + Ansi(dateiVersion) + "  Infos at " +
              InfoAdresse);
    out.Zeile("Header");
    const QByteArray kontest = Oem(station.Kontestbezeichnung);
    out.SchluesselZeile("Contest", kontest);
    out.SchluesselZeile("MyCall", Ansi(station.Stationscall));
    out.SchluesselZeile("Operator", Ansi(station.Operators));
    out.SchluesselZeile("Category", kontest);
    out.SchluesselZeile("MailAddress", Oem(station.FDmanagerName));
    out.SchluesselZeile("MailAddress", Oem(station.FDmanagerStr));
    out.SchluesselZeile("MailAddress", Oem(station.FDmanagerOrt));
    out.SchluesselZeile("EMail", {});
    out.SchluesselZeile("ClaimedQSO", QByteArray::number(qsoNummer));
    out.SchluesselZeile("ClaimedPts", QByteArray::number(qsoNummer));
    out.SchluesselZeile("ClaimedMult", Ansi(NachDoppelpunkt(panel3)));
    out.SchluesselZeile("ClaimedScore", Ansi(NachDoppelpunkt(pnlQsoPunkte)));
    out.SchluesselZeile("Club", {});
    out.SchluesselZeile("Specific", Ansi(station.FDmanagerDOK));
    out.SchluesselZeile("Power", {});
    out.SchluesselZeile("Soapbox", {});
    out.SchluesselZeile("Soapbox", {});
    out.SchluesselZeile("QsoOrder", "Date Time Band Mode Call SRst Sent RRst Rcvd");
    out.Zeile("EndHeader");
    out.Zeile("");
    out.Zeile("QsoList");
    ergebnis.unklareZeilen = QsoZeilenDurchgehen(
        zeilen, [&out](const QList<QByteArray>& felder) { out.Zeile(StfQsoZeile(felder)); });
    out.Zeile("EndQSOList");

    inhalt = std::move(out.bytes);
    const int anzahl = out.zeilen;
    ergebnis.geschrieben = true;
    ergebnis.saetze = anzahl;
    ergebnis.meldung = QStringLiteral("STF Datei ") + zielPfad + QChar(u'\r') +
                       QStringLiteral("geschrieben mit ") + QString::number(anzahl) +
                       QStringLiteral(" Sätzen") + UnklarHinweis(ergebnis.unklareZeilen);
    return ergebnis;
}

} // namespace

ExportErgebnis StfExport(QIODevice& log, QIODevice& ziel, const QString& zielName,
                         const core::IniRecord& station, int qsoNummer, const QString& panel3,
                         const QString& pnlQsoPunkte, const QString& dateiVersion,
                         const QDateTime& jetzt) {
    QByteArray inhalt;
    const ExportErgebnis e =
        StfBauen(LogLesen(log, QString::fromLatin1(core::LogDateiName)), zielName, station,
                 qsoNummer, panel3, pnlQsoPunkte, dateiVersion, jetzt, inhalt);
    if (e.geschrieben)
        ZielSchreiben(ziel, inhalt, zielName);
    return e;
}

ExportErgebnis StfExport(const QString& logPfad, const QString& zielPfad,
                         const core::IniRecord& station, int qsoNummer, const QString& panel3,
                         const QString& pnlQsoPunkte, const QString& dateiVersion,
                         const QDateTime& jetzt) {
    QByteArray inhalt;
    const ExportErgebnis e = StfBauen(LogLesen(logPfad), zielPfad, station, qsoNummer, panel3,
                                      pnlQsoPunkte, dateiVersion, jetzt, inhalt);
    if (e.geschrieben)
        ZielSchreiben(zielPfad, inhalt);
    return e;
}

} // namespace exporte
