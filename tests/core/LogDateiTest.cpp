#include "core/LogDatei.h"
#include "support/AbbrechendeGeraete.h"
#include "support/SonderDateien.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace core;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(LogKopfzeile) + "\r\n";

LogLadeErgebnis Lade(const TestWelt& welt, const QByteArray& inhalt, LogSpalten& log) {
    welt.Schreibe("LOG.TXT", inhalt);
    return LogDateiLesen(welt.LogTxt(), log);
}
} // namespace

TEST(NaechstesFeld, CutsFieldsAndKeepsTheRest) {
    QString zeile = "1;a;b", feld;
    NaechstesFeld(zeile, feld);
    EXPECT_EQ(feld, "1");
    NaechstesFeld(zeile, feld);
    EXPECT_EQ(feld, "a");
    NaechstesFeld(zeile, feld);
    EXPECT_EQ(feld, "b");
    EXPECT_EQ(zeile, "b") << "no ';' left: the line stays";
    NaechstesFeld(zeile, feld);
    EXPECT_EQ(feld, "b");
}

TEST(LogDateiLesen, MissingFile) {
    TestWelt welt;
    LogSpalten log;
    const auto e = LogDateiLesen(welt.LogTxt(), log);
    EXPECT_EQ(e.anzahl, 0);
    EXPECT_EQ(e.meldungen, QStringList{"Kontestbeginn? Keinen Logfile gefunden: LOG.TXT"});
}

TEST(LogDateiLesen, BadInputTable) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
        int anzahl;
        int meldungen;
    };
    const Fall faelle[] = {
        {"only the header", Kopf, 0, 0},
        {"empty file", "", 0, 0},
        {"empty line after header", Kopf + "\r\n", 1, 0},
        {"line without ';'", Kopf + "garbage-ohne-semikolon\r\n", 0, 1}, // left out
        {"version 0 and empty version", Kopf + "0;a;\r\n;b;\r\n", 2, 0},
        {"NUL bytes", Kopf + QByteArray("1;\0x;b\0;\r\n", 10), 1, 0},
        {"lone LF and lone CR", Kopf + "1;a;\n1;b;\r1;c;", 3, 0},
        {"newer version 2 stops", Kopf + "1;a;\r\n2;b;\r\n1;c;\r\n", 1, 1},
        {"newer version 10 stops", Kopf + "10;b;\r\n", 0, 1},
    };
    for (const auto& f : faelle) {
        TestWelt welt;
        LogSpalten log;
        const auto e = Lade(welt, f.inhalt, log);
        EXPECT_EQ(e.anzahl, f.anzahl) << f.name;
        EXPECT_EQ(log.Anzahl(), f.anzahl) << f.name;
        EXPECT_EQ(e.meldungen.size(), f.meldungen) << f.name;
        for (const auto* s : log.Spalten())
            EXPECT_EQ(s->size(), f.anzahl) << f.name;
    }
}

TEST(LogDateiLesen, ShortRecordRepeatsItsLastValue) {
    TestWelt welt;
    LogSpalten log;
    Lade(welt, Kopf + "1;a;b", log);
    ASSERT_EQ(log.Anzahl(), 1);
    EXPECT_EQ(log.SpalteDatum[0], "a");
    for (const QString& w : {log.SpalteZeit[0], log.SpalteCall[0], log.SpalteMode[0]})
        EXPECT_EQ(w, "b");
}

TEST(LogDateiLesen, NewerVersionMessageAndHighBytesAndLongLine) {
    TestWelt welt;
    LogSpalten log;
    const QByteArray lang(4 * 1024 * 1024, 'x');
    const auto e = Lade(welt,
                        Kopf +
                            "1;24.03.2016;19:05:00;QA1ABC;59;K32;59;Z22;2;Stra\xDF"
                            "e;SSB;\r\n" +
                            "1;d;z;" + lang + ";\r\n" + "2;neu;\r\n",
                        log);
    ASSERT_EQ(log.Anzahl(), 2);
    EXPECT_EQ(log.SpalteBemerkung[0], QStringLiteral("Straße"));
    EXPECT_EQ(log.SpalteCall[1].size(), lang.size());
    EXPECT_EQ(e.letztesBand, log.SpalteBand[1]);
    EXPECT_EQ(e.meldungen,
              QStringList{QStringLiteral("Diese Datendatei gehört zu einer neueren "
                                         "Programmversion\n\rSie hat nicht das gleiche Format. "
                                         "Bitte Updaten!")});
}

TEST(LogZeileSchreiben, CreatesWithHeaderAndReadsBack) {
    TestWelt welt;
    LogSpalten log;
    log.Anhaengen(
        {"24.03.2016", "19:05:00", "QA1ABC", "59", "K32", "59", " K 32   ", "2", "Grüße", "SSB"});
    auto e = LogZeileSchreiben(welt.LogTxt(), log);
    EXPECT_TRUE(e.geschrieben);
    EXPECT_TRUE(e.meldung.isEmpty());
    log.Anhaengen(
        {"24.03.2016", "19:06:00", "QA2ABC", "599", "K32", "599", "Z22     ", "80", "", "CW"});
    LogZeileSchreiben(welt.LogTxt(), log);
    EXPECT_EQ(welt.Lies("LOG.TXT"), Kopf +
                                        "1;24.03.2016;19:05:00;QA1ABC;59;K32;59;K 32;2;Gr\xFC\xDF"
                                        "e;SSB;\r\n"
                                        "1;24.03.2016;19:06:00;QA2ABC;599;K32;599;Z22;80;;CW;\r\n");
    LogSpalten zurueck;
    EXPECT_EQ(LogDateiLesen(welt.LogTxt(), zurueck).anzahl, 2);
    EXPECT_EQ(zurueck.Qso(0).Bemerkung, QStringLiteral("Grüße"));
    EXPECT_EQ(zurueck.Qso(0).DokEin, "K 32");
    EXPECT_EQ(zurueck.Qso(1).Call, "QA2ABC");
}

TEST(LogZeileSchreiben, EmptyFileAndMissingLastLineEnd) {
    struct Fall {
        const char* name;
        QByteArray vorher;
        int danach; // QSOs read back
    } faelle[] = {
        {"empty file gets the header", "", 1},
        {"header without line end", QByteArray(LogKopfzeile), 1},
        {"record without line end", Kopf + "1;d;z;QA0AA;59;K32;59;K01;2;;SSB;", 2},
        {"record with lone CR", Kopf + "1;d;z;QA0AA;59;K32;59;K01;2;;SSB;\r", 2},
    };
    for (const auto& f : faelle) {
        TestWelt welt;
        welt.Schreibe("LOG.TXT", f.vorher);
        LogSpalten log;
        log.Anhaengen({"d", "z", "QA1ABC", "59", "K32", "59", "", "2", "", "SSB"});
        EXPECT_TRUE(LogZeileSchreiben(welt.LogTxt(), log).geschrieben) << f.name;
        LogSpalten zurueck;
        EXPECT_EQ(LogDateiLesen(welt.LogTxt(), zurueck).anzahl, f.danach) << f.name;
        EXPECT_EQ(zurueck.SpalteCall.value(f.danach - 1), "QA1ABC") << f.name;
        EXPECT_TRUE(welt.Lies("LOG.TXT").endsWith("QA1ABC;59;K32;59;;2;;SSB;\r\n")) << f.name;
    }
}

TEST(LogZeileSchreiben, FailuresAreReported) {
    TestWelt welt;
    LogSpalten log;
    log.Anhaengen({"d", "z", "QA1ABC", "59", "K32", "59", "", "2", "", "SSB"});
    // A directory where LOG.TXT should be: it can be neither opened nor created.
    QDir(welt.Pfad("")).mkdir("LOG.TXT");
    auto e = LogZeileSchreiben(welt.LogTxt(), log);
    EXPECT_FALSE(e.geschrieben);
    EXPECT_EQ(e.meldung, "Schreibfehler im Logfile: LOG.TXT");
    // A full disk: the write fails after the file was opened.
    TestWelt voll;
    ASSERT_TRUE(QFile::link("/dev/full", voll.LogTxt()));
    e = LogZeileSchreiben(voll.LogTxt(), log);
    EXPECT_FALSE(e.geschrieben);
    EXPECT_EQ(e.meldung, "Schreibfehler im Logfile: LOG.TXT");
}

// The disk fills up in the middle of a line: whatever part of it reached the file is taken back,
// the QSOs before it stay as they were, and the next save appends a whole line behind them.
TEST(LogZeileAnhaengen, AHalfWrittenLineIsTakenBack) {
    const QByteArray vorher = Kopf + "1;d;z;QA0AA;59;K32;59;K01;2;;SSB;\r\n";
    LogSpalten log;
    log.Anhaengen({"d", "z", "QA1ABC", "59", "K32", "59", "K02", "2", "", "SSB"});
    const qint64 zeile = LogZeile(log, 0).size() + 2;
    for (const qint64 erlaubt : {qint64(0), qint64(1), qint64(12), zeile - 1}) {
        SCOPED_TRACE(erlaubt);
        TestWelt welt;
        welt.Schreibe("LOG.TXT", vorher);
        testsupport::AbbrechendeDatei datei(erlaubt, welt.LogTxt());
        ASSERT_TRUE(datei.open(QIODevice::ReadWrite | QIODevice::Append | QIODevice::Unbuffered));
        const auto e = LogZeilenAnhaengen(datei, log, {0});
        EXPECT_FALSE(e.geschrieben);
        EXPECT_EQ(e.meldung, "Schreibfehler im Logfile: LOG.TXT");
        EXPECT_EQ(welt.Lies("LOG.TXT"), vorher);

        EXPECT_TRUE(LogZeileSchreiben(welt.LogTxt(), log).geschrieben);
        LogSpalten zurueck;
        EXPECT_EQ(LogDateiLesen(welt.LogTxt(), zurueck).anzahl, 2);
        EXPECT_EQ(zurueck.SpalteCall, (QStringList{"QA0AA", "QA1ABC"}));
        EXPECT_EQ(zurueck.SpalteDokEin.last(), "K02");
    }
}

// Lines that are not records of this program: a line cut short by a failed write and a version
// that is no number are left out and named in one message; the QSOs behind them still load. A
// version made of digits above 1 stops the loading as before.
TEST(LogDateiLesen, DamagedLinesAreSkippedAndNamed) {
    const QByteArray gut = "1;10.12.2026;13:20:00;DA1AAA;59;K32;59;K01;2;;SSB;\r\n";
    struct Fall {
        const char* name;
        QByteArray zeilen; // after the header, before one good record
        int anzahl;        // records loaded
        QStringList meldungen;
    } faelle[] = {
        {"fragment of a full disk (line 2)",
         "1;10.12.2026;13:27:00;DA1AAC;5\r\n",
         1,
         {"Nicht geladen, Zeile beim Schreiben abgeschnitten: LOG.TXT Zeile 2"}},
        {"fragments cut anywhere",
         "1\r\n1;\r\n1;10.1\r\n1;10.12.2026;13:2\r\n",
         1,
         {"Nicht geladen, Zeile beim Schreiben abgeschnitten: LOG.TXT Zeile 2, 3, 4, 5"}},
        {"garbage version",
         "x7;a;b;\r\n" + gut + "\xFF\xFE;\r\n",
         2,
         {"Nicht geladen, Versionsnummer ungültig: LOG.TXT Zeile 2, 4"}},
        {"both kinds",
         "1;10.12.2026;13:27:00;DA1AAC;5\r\n 1;a;\r\n",
         1,
         {"Nicht geladen, Zeile beim Schreiben abgeschnitten: LOG.TXT Zeile 2\r"
          "Nicht geladen, Versionsnummer ungültig: LOG.TXT Zeile 3"}},
        {"short hand-made records still load", "1;a;b\r\n1;;\r\n\r\n0;x;\r\n01;y;\r\n", 6, {}},
        {"digits above 1 stop",
         gut + "0002;a;\r\n",
         1,
         {"Diese Datendatei gehört zu einer neueren Programmversion\n\rSie hat nicht das gleiche "
          "Format. Bitte Updaten!"}},
        {"skipped before the stop",
         "x;\r\n" + gut + "99999999999999999999;\r\n",
         1,
         {"Nicht geladen, Versionsnummer ungültig: LOG.TXT Zeile 2",
          "Diese Datendatei gehört zu einer neueren Programmversion\n\rSie hat nicht das gleiche "
          "Format. Bitte Updaten!"}},
    };
    for (const auto& f : faelle) {
        TestWelt welt;
        LogSpalten log;
        const auto e = Lade(welt, Kopf + f.zeilen + gut, log);
        EXPECT_EQ(e.anzahl, f.anzahl) << f.name;
        EXPECT_EQ(e.meldungen, f.meldungen) << f.name;
        for (const auto* s : log.Spalten())
            EXPECT_EQ(s->size(), f.anzahl) << f.name;
        for (const QString& mode : std::as_const(log.SpalteMode))
            EXPECT_NE(mode, "5") << f.name << ": a fragment became a QSO";
    }
}

// The file a full disk left behind when the partial line could not be taken back, and the save
// after it: the fragment stays a line of its own and no start makes a QSO of it.
TEST(LogDateiLesen, FragmentOfAFullDiskNeverBecomesAQso) {
    TestWelt welt;
    welt.Schreibe("LOG.TXT", testsupport::Fixture("log-abgeschnitten.txt"));
    LogSpalten log;
    log.Anhaengen({"10.12.2026", "13:28:00", "DA1AAD", "59", "K32", "59", "K02", "2", "", "SSB"});
    ASSERT_TRUE(LogZeileSchreiben(welt.LogTxt(), log).geschrieben);
    LogSpalten zurueck;
    const auto e = LogDateiLesen(welt.LogTxt(), zurueck);
    EXPECT_EQ(zurueck.SpalteCall, (QStringList{"DA1AAA", "DA1AAB", "DA1AAD"}));
    EXPECT_EQ(e.meldungen,
              QStringList{"Nicht geladen, Zeile beim Schreiben abgeschnitten: LOG.TXT Zeile 4"});
}

TEST(ZeileAbgeschnitten, OnlyBeginningsOfOwnRecords) {
    for (const char* ja : {"1", "1;", "1;1", "1;10.12.202", "1;10.12.2026", "1;10.12.2026;",
                           "1;10.12.2026;13:27:00;DA1AAC;5", "1;10.12.2026;z;c;r;d;r;d;b;x;SS"})
        EXPECT_TRUE(ZeileAbgeschnitten(QString::fromLatin1(ja))) << ja;
    for (const char* nein : {"", "1;a;b", "1;;", "1;10.12.26;x", "2;10.12.2026", "11;10",
                             "1;10.12.2026;z;c;r;d;r;d;b;x;SSB;", "0;10.12.2026;x"})
        EXPECT_FALSE(ZeileAbgeschnitten(QString::fromLatin1(nein))) << nein;
}

// A folder, a FIFO or a device under the name LOG.TXT: the start reports a missing log at once
// (a FIFO used to hang it, a device to fill the memory), and a save reports a write error.
TEST(LogDatei, OnlyARegularFileIsReadOrWritten) {
    for (const auto art : testsupport::AlleSonderarten) {
        TestWelt welt;
        testsupport::SonderdateiAnlegen(welt.LogTxt(), art);
        LogSpalten log;
        {
            testsupport::FifoWaechter waechter(welt.LogTxt());
            const auto e = LogDateiLesen(welt.LogTxt(), log);
            EXPECT_EQ(e.meldungen, QStringList{"Kontestbeginn? Keinen Logfile gefunden: LOG.TXT"})
                << Name(art);
        }
        log.Anhaengen({"d", "z", "QA1ABC", "59", "K32", "59", "", "2", "", "SSB"});
        const auto s = LogZeileSchreiben(welt.LogTxt(), log);
        EXPECT_FALSE(s.geschrieben) << Name(art);
        EXPECT_EQ(s.meldung, "Schreibfehler im Logfile: LOG.TXT") << Name(art);
    }
}

// LOG.TXT has no quoting: a ";" or a line break in a value would split the record and shift every
// column after it, so the line carries a "," and a blank instead and keeps its eleven fields.
TEST(LogZeileSchreiben, NoValueSplitsItsRecord) {
    TestWelt welt;
    LogSpalten log;
    log.Anhaengen({"d", "z", "QA;1", "59", "K;32", "59", "Z\r22", "2", "a;b\nc", "SSB"});
    ASSERT_TRUE(LogZeileSchreiben(welt.LogTxt(), log).geschrieben);
    EXPECT_EQ(welt.Lies("LOG.TXT"), Kopf + "1;d;z;QA,1;59;K,32;59;Z 22;2;a,b c;SSB;\r\n");
    EXPECT_EQ(LogFelder(log.Qso(0)).DokAus, "K,32");
}
