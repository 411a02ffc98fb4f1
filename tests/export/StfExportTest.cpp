// LOG.STF: the whole file against a golden one, and the pieces that carry the rules.
#include "ExportTestHilfe.h"
#include "export/Zerlegung.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

using namespace exporte;
using exporttest::Zeilen;

TEST(StfExport, GoldeneDatei) {
    testsupport::TestWelt welt;
    welt.Schreibe(QStringLiteral("LOG.TXT"),
                  testsupport::Fixture(QStringLiteral("export-log.txt")));

    const ExportErgebnis e = exporttest::Stf(welt.LogTxt(), welt.Pfad(QStringLiteral("LOG.STF")));

    const QByteArray geschrieben = welt.Lies(QStringLiteral("LOG.STF"));
    QFile kopie(testsupport::AusgabePfad(QStringLiteral("export-log.stf")));
    if (kopie.open(QIODevice::WriteOnly))
        kopie.write(geschrieben);

    QList<QByteArray> ist = Zeilen(geschrieben);
    QList<QByteArray> soll = Zeilen(testsupport::Fixture(QStringLiteral("export-log.stf")));
    ASSERT_GE(ist.size(), 2);
    ASSERT_GE(soll.size(), 2);
    // The date line tells when the export ran; it is compared on its own.
    EXPECT_EQ(ist[1], "#Data written \"07.03.2014  21:30\"\r");
    ist[1].clear();
    soll[1].clear();
    EXPECT_EQ(ist, soll);
    EXPECT_TRUE(geschrieben.endsWith("EndQSOList\r\n"));

    EXPECT_TRUE(e.geschrieben);
    EXPECT_EQ(e.saetze, ist.size());
    EXPECT_EQ(e.saetze, 26 + 7); // 25 lines before the QSOs, 7 usable QSO lines, EndQSOList
    EXPECT_EQ(e.unklareZeilen, QList<int>{10});
    EXPECT_EQ(e.meldung, QStringLiteral("STF Datei ") + welt.Pfad(QStringLiteral("LOG.STF")) +
                             QStringLiteral("\rgeschrieben mit 33 Sätzen\rNicht exportiert, "
                                            "Felder nicht eindeutig (ein \";\" im Text?): "
                                            "LOG.TXT Zeile 10"));
}

TEST(StfExport, KopfzeilenAusStationUndPanels) {
    testsupport::TestWelt welt;
    welt.Schreibe(QStringLiteral("LOG.TXT"),
                  "K\r\n1;07.03.2014;19:05:00;DL1ABC;59;K32;59;Z22;2;;SSB;\r\n");
    const struct {
        const char* name;
        QString panel3, punkte;
        int qsoNummer;
        QDateTime jetzt;
        QList<QByteArray> zeilen; // expected, by line number counted from 1
    } faelle[] = {
        {"values after the colon and its blank; QsoNummer in both claimed lines",
         QStringLiteral("Multis: 7"),
         QStringLiteral("QSO Punkte: 84"),
         11,
         QDateTime(QDate(2026, 1, 5), QTime(0, 7, 59)),
         {"#Data written \"05.01.2026  00:07\"", "ClaimedQSO   11", "ClaimedPts   11",
          "ClaimedMult  7", "ClaimedScore 84"}},
        {"empty panel values leave the padded key alone",
         QStringLiteral("Multis: "),
         QStringLiteral("QSO Punkte: "),
         1,
         QDateTime(QDate(2014, 12, 31), QTime(23, 59)),
         {"#Data written \"31.12.2014  23:59\"", "ClaimedQSO   1", "ClaimedPts   1",
          "ClaimedMult  ", "ClaimedScore "}},
        {"a caption without a colon is taken whole",
         QStringLiteral("12"),
         QStringLiteral("1234"),
         2,
         QDateTime(QDate(2014, 3, 7), QTime(19, 0)),
         {"#Data written \"07.03.2014  19:00\"", "ClaimedQSO   2", "ClaimedPts   2",
          "ClaimedMult  12", "ClaimedScore 1234"}},
    };
    for (const auto& f : faelle) {
        StfExport(welt.LogTxt(), welt.Pfad(QStringLiteral("LOG.STF")), exporttest::Station(),
                  f.qsoNummer, f.panel3, f.punkte, QStringLiteral("1.9.4.0"), f.jetzt);
        const QList<QByteArray> z = Zeilen(welt.Lies(QStringLiteral("LOG.STF")));
        ASSERT_EQ(z.size(), 27) << f.name;
        EXPECT_EQ(z[1].chopped(1), f.zeilen[0]) << f.name;
        EXPECT_EQ(z[2].chopped(1), "#STF-Export generated with TARVEX Version 1.9.4.0  Infos at " +
                                       QByteArray(InfoAdresse))
            << f.name;
        EXPECT_EQ(z[12].chopped(1), f.zeilen[1]) << f.name;
        EXPECT_EQ(z[13].chopped(1), f.zeilen[2]) << f.name;
        EXPECT_EQ(z[14].chopped(1), f.zeilen[3]) << f.name;
        EXPECT_EQ(z[15].chopped(1), f.zeilen[4]) << f.name;
    }
}

TEST(StfExport, NurVierWerteInOemUmgewandelt) {
    testsupport::TestWelt welt;
    welt.Schreibe(QStringLiteral("LOG.TXT"),
                  "K\r\n1;07.03.2014;19:05:00;DL1ABC;59;K32;59;Z22;2;;SSB;\r\n");
    core::IniRecord s = exporttest::Station();
    s.Stationscall = QStringLiteral("DÄ0XYZ");
    s.FDmanagerDOK = QStringLiteral("Ä32");
    StfExport(welt.LogTxt(), welt.Pfad(QStringLiteral("LOG.STF")), s, 2,
              QStringLiteral("Multis: 1"), QStringLiteral("QSO Punkte: 1"),
              QStringLiteral("1.0.0.0"), exporttest::Exportzeit());
    const QList<QByteArray> z = Zeilen(welt.Lies(QStringLiteral("LOG.STF")));
    ASSERT_EQ(z.size(), 27);
    // Code page 850: ä 0x84, ö 0x94, ü 0x81, ß 0xE1; Windows-1252: Ä 0xC4, ü 0xFC.
    EXPECT_EQ(z[4], "Contest      Aktivit\x84tsabend UKW\r");
    EXPECT_EQ(z[7], "Category     Aktivit\x84tsabend UKW\r");
    EXPECT_EQ(z[8], "MailAddress  J\x94rg M\x81ller\r");
    EXPECT_EQ(z[9], "MailAddress  Hauptstra\xE1"
                    "e 1\r");
    EXPECT_EQ(z[10], "MailAddress  12345 K\x94ln\r");
    EXPECT_EQ(z[5], "MyCall       D\xC4"
                    "0XYZ\r");
    EXPECT_EQ(z[6], "Operator     DL1ABC J\xFCrgen\r");
    EXPECT_EQ(z[17], "Specific     \xC4"
                     "32\r");
}

TEST(StfExport, QsoZeile) {
    const auto felder = [](QByteArray call, QByteArray band, QByteArray mode) {
        return QsoFelder("1;07.03.2014;19:05:00;" + call + ";599;K32;579;Z22;" + band + ";;" +
                         mode + ";")
            .felder;
    };
    const struct {
        const char* name;
        QList<QByteArray> felder;
        QByteArray zeile;
    } faelle[] = {
        {"every value within its width: 81 characters", felder("DL1ABC", "80", "CW"),
         "     20140307 1905 80   CW     DL1ABC     599 K32             579 Z22            "},
        {"0.70 is written as 70", felder("DL1ABC", "0.70", "SSB"),
         "     20140307 1905 70   SSB    DL1ABC     599 K32             579 Z22            "},
        {"band outside the table: two blanks after the time", felder("DL1ABC", "15", "SSB"),
         "     20140307 1905  SSB    DL1ABC     599 K32             579 Z22            "},
        {"callsign with an inner blank shows 0xA0", felder("DO1 ZZ", "2", "FM"),
         "     20140307 1905 2    FM     DO1\xA0ZZ     599 K32             579 Z22            "},
        {"long mode and long callsign shift the rest, nothing is cut",
         felder("DL1ABCDEFGH", "2", "OLIVIA8"),
         "     20140307 1905 2    OLIVIA8 DL1ABCDEFGH 599 K32             579 Z22            "},
        {"date and time copied without a check",
         QsoFelder("1;1.3.14;9:5;DL1ABC;599;K32;579;Z22;2;;CW;").felder,
         "     .11. 9: 2    CW     DL1ABC     599 K32             579 Z22            "},
    };
    for (const auto& f : faelle) {
        ASSERT_GE(f.felder.size(), 11) << f.name;
        EXPECT_EQ(StfQsoZeile(f.felder), f.zeile) << f.name;
    }
    EXPECT_EQ(StfQsoZeile(felder("DL1ABC", "80", "CW")).size(), 81);
}

TEST(StfExport, PadRechtsUndBandTexte) {
    EXPECT_EQ(PadRechts("Contest", 13), "Contest      ");
    EXPECT_EQ(PadRechts("ClaimedScore", 13), "ClaimedScore ");
    EXPECT_EQ(PadRechts("", 3), "   ");
    EXPECT_EQ(PadRechts("ABCD", 4), "ABCD");
    EXPECT_EQ(PadRechts("ABCDEFGHIJK", 10), "ABCDEFGHIJK");

    const struct {
        const char* band;
        const char* stf;
        const char* adif;
    } baender[] = {
        {"80", "80  ", "80M"},    {"40", "40  ", "40M"}, {"10", "10  ", "10M"}, {"2", "2   ", "2M"},
        {"0.70", "70  ", "70CM"}, {"15", "", ""},        {"0.7", "", ""},       {"70", "", ""},
        {"2\xA0", "", ""},        {"", "", ""},
    };
    for (const auto& b : baender) {
        EXPECT_EQ(StfBandText(b.band), b.stf) << b.band;
        EXPECT_EQ(AdifBandText(b.band), b.adif) << b.band;
    }
}
