// The running contest without a window: start-up loading, the duplicate check and the save
// sequence, asserted on what lands on disk and what the list and the evaluation hold.
#include "core/Kontest.h"
#include "core/LogDatei.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace core;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(LogKopfzeile) + "\r\n";

QsoWerte Qso(const QString& call, const QString& dok = "K01") {
    return {"24.03.2026", "19:05:00", call, "59", "K32", "59", dok, "2", "", "SSB"};
}

// Start-up as the main window runs it, with the window at 5, 5.
void Starten(Kontest& k) {
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
}

// An evaluation that counts QSOs and notes what the log and the file held when it ran.
struct Zaehler {
    int laeufe = 0;
    int qsosImLog = -1;
    QByteArray dateiBeimLauf;
    Auswerter Funktion() {
        return [this](LogSpalten& log, IniRecord&, const SonderListen&) {
            ++laeufe;
            qsosImLog = log.Anzahl();
            QFile f(QString::fromLatin1(LogDateiName));
            dateiBeimLauf = f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
            Auswertung a;
            a.Multis = log.Anzahl();
            return a;
        };
    }
};
} // namespace

TEST(Kontest, StartWithoutFilesAndWithALog) {
    {
        TestWelt welt;
        Zaehler z;
        Kontest k(z.Funktion());
        const StartEinstellungen e = k.EinstellungenLaden({5, 5, 655});
        EXPECT_EQ(k.Ini.Stationscall, "CALL UNBEKANNT");
        EXPECT_TRUE(e.starthinweise);
        const Kontest::LogStart s = k.LogLaden();
        EXPECT_EQ(s.meldungen, QStringList{"Kontestbeginn? Keinen Logfile gefunden: LOG.TXT"});
        EXPECT_FALSE(s.bandGelesen);
        EXPECT_EQ(k.QsoNummer, 1);
        EXPECT_EQ(k.Liste().rowCount(), 1) << "the single empty row";
        EXPECT_EQ(z.laeufe, 1);
    }
    {
        TestWelt welt;
        welt.Schreibe("Log.ini", "[Stationsangaben]\r\nFDmanagerDOK=K32\r\n");
        welt.Schreibe("LogSonderDOKs.txt", "Z22\r\n");
        welt.Schreibe("LOG.TXT", Kopf + "1;d;z;QA1ABC;59;K32;59;K01;80;;SSB;\r\n"
                                        "1;d;z;QB/QA3ABC;59;K32;59;Z22;40;;SSB;\r\n");
        Zaehler z;
        Kontest k(z.Funktion());
        k.EinstellungenLaden({5, 5, 655});
        EXPECT_EQ(k.Ini.FDmanagerDOK, "K32");
        EXPECT_TRUE(k.Sonderlisten.SonderDOKListe.Enthaelt("z22"));
        const Kontest::LogStart s = k.LogLaden();
        EXPECT_TRUE(s.meldungen.isEmpty());
        EXPECT_EQ(s.letztesBand, "40");
        EXPECT_EQ(s.auswertung.Multis, 2);
        EXPECT_EQ(k.QsoNummer, 3);
        EXPECT_EQ(k.Liste().index(0, 2).data().toString(), "QB/QA3ABC");
        EXPECT_EQ(k.RufzeichenPruefen("QA3ABC/P"), Kontest::Pruefung::Gearbeitet);
        EXPECT_EQ(k.RufzeichenPruefen("QA1ABD"), Kontest::Pruefung::Neu);
        EXPECT_EQ(k.RufzeichenPruefen("QAB"), Kontest::Pruefung::Ungueltig);
        EXPECT_EQ(Kontest::Meldung(Kontest::Pruefung::Gearbeitet), "STOP - heute schon gearbeitet");
    }
}

TEST(Kontest, SaveSequenceWritesTheLineBeforeTheEvaluation) {
    TestWelt welt;
    Zaehler z;
    Kontest k(z.Funktion());
    Starten(k);
    const Kontest::Gespeichert g = k.Speichern(Qso("QA1ABC", " K 32 "));
    EXPECT_TRUE(g.aufPlatte);
    EXPECT_TRUE(g.meldungen.isEmpty());
    const QByteArray zeile = "1;24.03.2026;19:05:00;QA1ABC;59;K32;59;K 32;2;;SSB;\r\n";
    EXPECT_EQ(welt.Lies("LOG.TXT"), Kopf + zeile);
    EXPECT_EQ(z.dateiBeimLauf, Kopf + zeile) << "the evaluation sees the QSO on disk";
    EXPECT_EQ(z.qsosImLog, 1);
    EXPECT_EQ(g.auswertung.Multis, 1);
    EXPECT_EQ(k.LetzteAuswertung().Multis, 1);
    EXPECT_EQ(k.QsoNummer, 2);
    EXPECT_EQ(k.Liste().rowCount(), 2) << "the new top row above the empty one";
    EXPECT_EQ(k.Liste().index(0, 2).data().toString(), "QA1ABC");
    EXPECT_EQ(k.RufzeichenPruefen("QA1ABC/P"), Kontest::Pruefung::Gearbeitet);

    k.Speichern(Qso("QA2ABC"));
    EXPECT_EQ(k.Liste().index(0, 2).data().toString(), "QA2ABC");
    EXPECT_EQ(k.QsoNummer, 3);
    // A second contest object reads back what the first wrote.
    Kontest neu(z.Funktion());
    Starten(neu);
    EXPECT_EQ(neu.Log.SpalteCall, (QStringList{"QA1ABC", "QA2ABC"}));
}

TEST(Kontest, AFailedWriteIsReportedAndTheQsoStaysInTheLog) {
    TestWelt welt;
    Kontest k(nullptr);
    Starten(k);
    QDir(welt.Pfad("")).mkdir("LOG.TXT");
    const Kontest::Gespeichert g = k.Speichern(Qso("QA1ABC"));
    EXPECT_FALSE(g.aufPlatte);
    EXPECT_EQ(g.meldungen, QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_EQ(k.Log.Anzahl(), 1);
}

// QSOs that could not be written wait, in order, and are marked in the list; every later save
// writes them first, and once the file can be written again they are all on the disk, whole.
TEST(Kontest, QsosThatCouldNotBeWrittenWaitAndAreWrittenLater) {
    TestWelt welt;
    Kontest k(nullptr);
    Starten(k);
    k.Speichern(Qso("QA1AA"));
    QDir(welt.Pfad("")).rename("LOG.TXT", "LOG.bak");
    QDir(welt.Pfad("")).mkdir("LOG.TXT"); // cannot be written now
    const auto ausstehend = [&k](int zeile) {
        return k.Liste().index(zeile, 2).data(QsoListenModell::AusstehendRolle).toBool();
    };

    for (const char* call : {"QA2AA", "QA3AA"}) {
        const Kontest::Gespeichert g = k.Speichern(Qso(call));
        EXPECT_FALSE(g.aufPlatte) << call;
        EXPECT_EQ(g.meldungen, QStringList{"Schreibfehler im Logfile: LOG.TXT"}) << call;
    }
    EXPECT_EQ(k.Ausstehend(), (QList<int>{1, 2}));
    EXPECT_EQ(k.Log.Anzahl(), 3) << "shown and counted all the same";
    EXPECT_TRUE(ausstehend(0) && ausstehend(1));
    EXPECT_FALSE(ausstehend(2)) << "QA1AA is on the disk";
    EXPECT_FALSE(k.AusstehendeSchreiben());

    QDir(welt.Pfad("")).rmdir("LOG.TXT");
    QDir(welt.Pfad("")).rename("LOG.bak", "LOG.TXT");
    const Kontest::Gespeichert g = k.Speichern(Qso("QA4AA"));
    EXPECT_TRUE(g.aufPlatte);
    EXPECT_TRUE(g.meldungen.isEmpty());
    EXPECT_TRUE(k.Ausstehend().isEmpty());
    for (int zeile = 0; zeile < 4; ++zeile)
        EXPECT_FALSE(ausstehend(zeile)) << zeile;
    const QByteArray datei = welt.Lies("LOG.TXT");
    EXPECT_EQ(datei.count('\n'), 5);
    Kontest neu(nullptr);
    Starten(neu);
    EXPECT_EQ(neu.Log.SpalteCall, (QStringList{"QA1AA", "QA2AA", "QA3AA", "QA4AA"}));
}

TEST(Kontest, ClosingWritesWaitingQsos) {
    TestWelt welt;
    Kontest k(nullptr);
    Starten(k);
    QDir(welt.Pfad("")).mkdir("LOG.TXT");
    k.Speichern(Qso("QA1AA"));
    EXPECT_FALSE(k.AusstehendeSchreiben());
    QDir(welt.Pfad("")).rmdir("LOG.TXT");
    EXPECT_TRUE(k.AusstehendeSchreiben());
    EXPECT_EQ(welt.Lies("LOG.TXT"), Kopf + "1;24.03.2026;19:05:00;QA1AA;59;K32;59;K01;2;;SSB;\r\n");
}

// An own DOK with ";" edited into Log.ini by hand: the log holds and the file gets "," instead,
// so every record keeps its eleven fields and reads back into the same columns.
TEST(Kontest, AHandEditedOwnDokWithSemicolonNeverSplitsARecord) {
    TestWelt welt;
    welt.Schreibe("Log.ini", "[Stationsangaben]\r\nFDmanagerDOK=K;32\r\n");
    Kontest k(nullptr);
    Starten(k);
    QsoWerte q = Qso("QA1AA");
    q.DokAus = k.Ini.FDmanagerDOK;
    q.Bemerkung = "a;b";
    k.Speichern(q);
    EXPECT_EQ(k.Log.SpalteDokAus.last(), "K,32");
    EXPECT_EQ(welt.Lies("LOG.TXT"),
              Kopf + "1;24.03.2026;19:05:00;QA1AA;59;K,32;59;K01;2;a,b;SSB;\r\n");
    Kontest neu(nullptr);
    Starten(neu);
    EXPECT_EQ(neu.Log.Qso(0).Mode, "SSB");
    EXPECT_EQ(neu.Log.Qso(0).Bemerkung, "a,b");
}

// A value of any length stays whole in the log; the list shows its beginning only, so drawing it
// costs nothing (a 50 MB line without ";" froze the list page for minutes).
TEST(QsoListenModell, AHugeValueIsShownShortAndKeptWhole) {
    LogSpalten log;
    const QString riesig(5'000'000, u'x');
    log.Anhaengen({"d", "z", riesig, "59", "K32", "59", "K01", "2", "", "SSB"});
    QsoListenModell modell(log);
    modell.FillQsoGrid();
    const QString gezeigt = modell.index(0, 2).data().toString();
    EXPECT_EQ(gezeigt.size(), QsoListenModell::ZellenLaenge + 1);
    EXPECT_TRUE(gezeigt.endsWith(u'\u2026'));
    EXPECT_EQ(modell.index(0, 7).data().toString(), "2");
    EXPECT_EQ(log.SpalteCall[0].size(), riesig.size());
}
