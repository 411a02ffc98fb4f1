// LOG.ADI: the golden file, the record layout, and an independent ADIF reader over a plain log.
#include "ExportTestHilfe.h"
#include "core/LogDatei.h"
#include "export/Zerlegung.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <gtest/gtest.h>

using namespace exporte;

namespace {

QByteArray Satz(const QByteArray& zeile) {
    const QsoZeile z = QsoFelder(zeile);
    EXPECT_EQ(z.art, ZeilenArt::Qso) << zeile.toStdString();
    return z.art == ZeilenArt::Qso ? AdifSatz(z.felder) : QByteArray();
}

QByteArray Tag(const QByteArray& satz, const QByteArray& name) {
    const qsizetype von = satz.indexOf("<" + name + ":");
    if (von < 0)
        return {};
    const qsizetype bis = satz.indexOf('<', satz.indexOf('>', von));
    return satz.mid(von, bis - von);
}

struct Pruefung {
    int exitCode = -1;
    QJsonObject ergebnis;
    QString stderrText;
};

// Runs the independent reader over an ADIF file. A missing node or tcadif is a failure: the
// check is part of the suite, not an extra.
Pruefung Pruefe(const QString& adiPfad) {
    Pruefung p;
    const QString node = QStandardPaths::findExecutable(QStringLiteral("node"));
    EXPECT_FALSE(node.isEmpty()) << "node fehlt (Debian-Paket nodejs)";
    EXPECT_TRUE(
        QFile::exists(QStringLiteral(TARVEX_ADIF_PRUEFER "/node_modules/tcadif/package.json")))
        << "tcadif fehlt: npm install in tests/export/adif-pruefer";
    if (node.isEmpty())
        return p;
    QProcess prozess;
    prozess.start(node, {QStringLiteral(TARVEX_ADIF_PRUEFER "/pruefe.js"), adiPfad});
    EXPECT_TRUE(prozess.waitForFinished(-1));
    p.exitCode = prozess.exitStatus() == QProcess::NormalExit ? prozess.exitCode() : -1;
    p.stderrText = QString::fromLocal8Bit(prozess.readAllStandardError());
    p.ergebnis = QJsonDocument::fromJson(prozess.readAllStandardOutput()).object();
    return p;
}

} // namespace

TEST(AdifExport, GoldeneDatei) {
    testsupport::TestWelt welt;
    welt.Schreibe(QStringLiteral("LOG.TXT"),
                  testsupport::Fixture(QStringLiteral("export-log.txt")));

    const ExportErgebnis e = AdifExport(welt.LogTxt(), welt.Pfad(QStringLiteral("LOG.ADI")));

    const QByteArray geschrieben = welt.Lies(QStringLiteral("LOG.ADI"));
    QFile kopie(testsupport::AusgabePfad(QStringLiteral("export-log.adi")));
    if (kopie.open(QIODevice::WriteOnly))
        kopie.write(geschrieben);
    EXPECT_EQ(geschrieben, testsupport::Fixture(QStringLiteral("export-log.adi")));
    EXPECT_EQ(geschrieben.count("\r\n"), 7);
    EXPECT_EQ(e.saetze, 7);
    EXPECT_EQ(e.meldung, QStringLiteral("ADIF Datei ") + welt.Pfad(QStringLiteral("LOG.ADI")) +
                             QStringLiteral("\rgeschrieben mit 7 Sätzen\rNicht exportiert, "
                                            "Felder nicht eindeutig (ein \";\" im Text?): "
                                            "LOG.TXT Zeile 10"));
}

TEST(AdifExport, SatzEinesPskQsos) {
    EXPECT_EQ(Satz("1;07.03.2014;19:05:00;DL1ABC;599;K32;599;K01;80;;PSK;"),
              "<qso_date:8:d>20140307<time_on:4>1905<time_off:4>1905<call:6>DL1ABC"
              "<RST_SENT:3>599<STX_STRING:3>K32<RST_RCVD:3>599<SRX_STRING:3>K01<BAND:3>80M"
              "<COMMENT:0><MODE:3>PSK<SUBMODE:5>PSK31<eor>");
}

TEST(AdifExport, Felder) {
    const QByteArray vorn = "1;07.03.2014;19:05:00;DL1ABC;59;K32;57;Z22;";
    const struct {
        const char* name;
        QByteArray zeile;
        QByteArray tag;  // name of the field looked at
        QByteArray soll; // the field as written, up to the next tag
    } faelle[] = {
        {"remark keeps inner blanks, loses outer ones", vorn + "2;  zwei  Blanks ;SSB;", "COMMENT",
         "<COMMENT:12>zwei  Blanks"},
        {"remark length counts bytes of Windows-1252",
         vorn + "2;Gr\xFC\xDF"
                "e;SSB;",
         "COMMENT",
         "<COMMENT:5>Gr\xFC\xDF"
         "e"},
        {"0xA0 in the remark becomes a blank and is trimmed", vorn + "2;\xA0x\xA0;SSB;", "COMMENT",
         "<COMMENT:1>x"},
        {"remark with a semicolon", vorn + "2;Preis; 5 Euro;SSB;", "COMMENT",
         "<COMMENT:13>Preis; 5 Euro"},
        {"inner blank of a callsign stays 0xA0 and counts once",
         "1;07.03.2014;19:05:00;DO1 ZZ;59;K32;57;Z22;2;;SSB;", "call", "<call:6>DO1\xA0ZZ"},
        {"band outside the table: length 0", vorn + "15;;SSB;", "BAND", "<BAND:0>"},
        {"0.70 is 70CM", vorn + "0.70;;SSB;", "BAND", "<BAND:4>70CM"},
        {"own DOK as text", vorn + "2;;SSB;", "STX_STRING", "<STX_STRING:3>K32"},
        {"received DOK as text", vorn + "2;;SSB;", "SRX_STRING", "<SRX_STRING:3>Z22"},
        {"empty received DOK", "1;07.03.2014;19:05:00;DL1ABC;59;K32;57;;2;;SSB;", "SRX_STRING",
         "<SRX_STRING:0>"},
        {"other modes as logged", vorn + "2;;RTTY;", "MODE", "<MODE:4>RTTY"},
        {"every PSK mode is PSK31", vorn + "2;;PSK63;", "SUBMODE", "<SUBMODE:5>PSK31"},
        {"empty mode", vorn + "2;;;", "MODE", "<MODE:0>"},
        {"short date keeps its true length", "1;1.3.14;19:05:00;DL1ABC;59;K32;57;Z22;2;;SSB;",
         "qso_date", "<qso_date:4:d>.11."},
        {"short time keeps its true length", "1;07.03.2014;9:5;DL1ABC;59;K32;57;Z22;2;;SSB;",
         "time_off", "<time_off:2>9:"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Tag(Satz(f.zeile), f.tag), f.soll) << f.name;
    EXPECT_FALSE(Satz(vorn + "2;;SSB;").contains("SUBMODE"));
}

// Every band and every mode of the program through a reader that knows ADIF: any record it
// refuses, any field it does not know and any length that does not fit fail the test.
TEST(AdifExport, UnabhaengigerLeserNimmtJedenSatz) {
    testsupport::TestWelt welt;
    const QList<QByteArray> baender = {"80", "40", "10", "2", "0.70"};
    const QList<QByteArray> modes = {"SSB", "CW", "FM", "PSK", "RTTY", "SSTV"};
    QByteArray log = QByteArray(core::LogKopfzeile) + "\r\n";
    int minute = 0;
    for (const QByteArray& band : baender)
        for (const QByteArray& mode : modes) {
            const QByteArray rst = (mode == "SSB" || mode == "FM") ? "59" : "599";
            log += "1;07.03.2014;19:" + QByteArray::number(10 + minute).rightJustified(2, '0') +
                   ":00;DL" + QByteArray::number(minute) + "ABC;" + rst + ";K32;" + rst + ";Z" +
                   QByteArray::number(minute) + ";" + band + ";" +
                   (minute % 2 ? "Portabel mit  Mast" : "") + ";" + mode + ";\r\n";
            ++minute;
        }
    welt.Schreibe(QStringLiteral("LOG.TXT"), log);
    const QString adi = welt.Pfad(QStringLiteral("LOG.ADI"));
    ASSERT_EQ(AdifExport(welt.LogTxt(), adi).saetze, 30);

    const Pruefung p = Pruefe(adi);
    EXPECT_EQ(p.exitCode, 0) << p.stderrText.toStdString()
                             << QJsonDocument(p.ergebnis).toJson().toStdString();
    EXPECT_EQ(p.ergebnis.value(QStringLiteral("saetze")).toInt(), 30);
    EXPECT_TRUE(p.ergebnis.value(QStringLiteral("fehler")).toArray().isEmpty());
    const QJsonArray qsos = p.ergebnis.value(QStringLiteral("qsos")).toArray();
    ASSERT_EQ(qsos.size(), 30);
    // What the reader understood, for one QSO per mode on the first band.
    const QJsonObject psk = qsos[3].toObject();
    EXPECT_EQ(psk.value(QStringLiteral("MODE")).toString(), QStringLiteral("PSK"));
    EXPECT_EQ(psk.value(QStringLiteral("SUBMODE")).toString(), QStringLiteral("PSK31"));
    EXPECT_EQ(psk.value(QStringLiteral("STX_STRING")).toString(), QStringLiteral("K32"));
    EXPECT_EQ(psk.value(QStringLiteral("SRX_STRING")).toString(), QStringLiteral("Z3"));
    EXPECT_EQ(psk.value(QStringLiteral("COMMENT")).toString(),
              QStringLiteral("Portabel mit  Mast"));
    EXPECT_EQ(qsos[29].toObject().value(QStringLiteral("BAND")).toString(), QStringLiteral("70CM"));
    EXPECT_EQ(qsos[0].toObject().value(QStringLiteral("QSO_DATE")).toString(),
              QStringLiteral("20140307"));
}

// The reader must be able to say no, or the test above proves nothing.
TEST(AdifExport, UnabhaengigerLeserWeistFehlerZurueck) {
    testsupport::TestWelt welt;
    const QByteArray gut = "<qso_date:8:d>20140307<time_on:4>1905<call:6>DL1ABC<BAND:3>80M";
    const struct {
        const char* name;
        QByteArray satz;
    } faelle[] = {
        {"DOK in the integer field STX", gut + "<STX:3>K32<MODE:3>SSB<eor>"},
        {"PSK31 as a mode", gut + "<MODE:5>PSK31<eor>"},
        {"length one too large", gut + "<COMMENT:3>ab<MODE:3>SSB<eor>"},
        {"unknown field", gut + "<DOK_GEGEBEN:3>K32<MODE:3>SSB<eor>"},
        {"no band", "<qso_date:8:d>20140307<time_on:4>1905<call:6>DL1ABC<BAND:0><MODE:3>SSB<eor>"},
    };
    for (const auto& f : faelle) {
        welt.Schreibe(QStringLiteral("falsch.adi"), f.satz + "\r\n");
        const Pruefung p = Pruefe(welt.Pfad(QStringLiteral("falsch.adi")));
        EXPECT_EQ(p.exitCode, 1) << f.name << p.stderrText.toStdString();
        EXPECT_FALSE(p.ergebnis.value(QStringLiteral("fehler")).toArray().isEmpty()) << f.name;
    }
    welt.Schreibe(QStringLiteral("gut.adi"), gut + "<MODE:3>SSB<eor>\r\n");
    EXPECT_EQ(Pruefe(welt.Pfad(QStringLiteral("gut.adi"))).exitCode, 0);
}
