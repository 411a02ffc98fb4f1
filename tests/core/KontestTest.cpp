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
        EXPECT_EQ(Kontest::Meldung(Kontest::Pruefung::Gearbeitet),
                  "STOP - heute schon gearbeitet");
    }
}

TEST(Kontest, SaveSequenceWritesTheLineBeforeTheEvaluation) {
    TestWelt welt;
    Zaehler z;
    Kontest k(z.Funktion());
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
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
    neu.EinstellungenLaden({5, 5, 655});
    neu.LogLaden();
    EXPECT_EQ(neu.Log.SpalteCall, (QStringList{"QA1ABC", "QA2ABC"}));
}

TEST(Kontest, AFailedWriteIsReportedAndTheQsoStaysInTheLog) {
    TestWelt welt;
    Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    QDir(welt.Pfad("")).mkdir("LOG.TXT");
    const Kontest::Gespeichert g = k.Speichern(Qso("QA1ABC"));
    EXPECT_FALSE(g.aufPlatte);
    EXPECT_EQ(g.meldungen, QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_EQ(k.Log.Anzahl(), 1);
}
