// SIGKILL at random points of corrections that a helper process runs without a pause, over and
// over: LOG.TXT is afterwards always the file before or after one whole rewrite, it loads, and the
// next start corrects again, whatever the killed one left behind.
#include "core/Kontest.h"
#include "core/LogDatei.h"
#include "support/TestUmgebung.h"

#include <QProcess>
#include <QThread>
#include <cstdio>
#include <gtest/gtest.h>
#include <map>
#include <random>

using namespace core;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(LogKopfzeile) + "\r\n";

QByteArray Zeile(int i, const QByteArray& dok) {
    return "1;24.03.2026;19:05:00;QA" + QByteArray::number(i % 10) + "X" + QByteArray::number(i) +
           ";59;K32;59;" + dok + ";2;;SSB;\r\n";
}
} // namespace

TEST(KorrekturAbbruch, SigkillAtRandomPointsLeavesAWholeFileThatLoads) {
    constexpr int Laeufe = 240;
    constexpr int Qsos = 200;
    // The two files the changing helper writes in turn.
    QByteArray mitA = Kopf, mitB = Kopf;
    for (int i = 0; i < 5; ++i) {
        mitA += Zeile(i, i == 1 ? "A11" : "K0" + QByteArray::number(i));
        mitB += Zeile(i, i == 1 ? "B22" : "K0" + QByteArray::number(i));
    }
    // ohne[k]: the file once the deleting helper has removed the k oldest QSOs.
    QList<QByteArray> ohne;
    for (int k = 0; k <= Qsos; ++k) {
        QByteArray b = Kopf;
        for (int i = k; i < Qsos; ++i)
            b += Zeile(i, "K01");
        ohne << b;
    }

    std::random_device zufall;
    const unsigned saat = zufall();
    std::mt19937 gen(saat);
    // Up to a few rewrites into the run, in microseconds after the helper has loaded the log.
    std::uniform_int_distribution<int> warten(0, 20000);
    int mittenImSchreiben = 0, vonSelbstFertig = 0;
    std::map<QByteArray, int> ersetzt; // "A11"/"B22": how often the file ended with that DOK
    int geloeschtSumme = 0, geloeschtMax = 0;

    for (int lauf = 0; lauf < Laeufe; ++lauf) {
        SCOPED_TRACE("run " + std::to_string(lauf) + ", seed " + std::to_string(saat));
        const bool aendern = lauf % 2 == 0;
        TestWelt welt;
        welt.Schreibe("LOG.TXT", aendern ? mitA : ohne[0]);
        QProcess helfer;
        helfer.start(
            QStringLiteral(TARVEX_KORREKTUR_HELFER),
            {welt.Pfad(""), aendern ? QStringLiteral("ersetzen") : QStringLiteral("loeschen")});
        ASSERT_TRUE(helfer.waitForStarted(10000));
        ASSERT_TRUE(helfer.waitForReadyRead(10000));
        ASSERT_EQ(helfer.readLine(), "bereit\n");
        QThread::usleep(static_cast<unsigned long>(warten(gen)));
        helfer.kill();
        ASSERT_TRUE(helfer.waitForFinished(10000));
        if (helfer.exitStatus() == QProcess::NormalExit) {
            ++vonSelbstFertig;
            EXPECT_EQ(helfer.exitCode(), 0) << "a correction failed in the helper";
        }
        if (welt.Existiert("LOG.TXT.neu") || welt.Existiert("LOG.BAK.neu"))
            ++mittenImSchreiben;

        const QByteArray datei = welt.Lies("LOG.TXT");
        int erwartet = 0;
        if (aendern) {
            ASSERT_TRUE(datei == mitA || datei == mitB) << datei.toStdString();
            ++ersetzt[datei == mitA ? "A11" : "B22"];
            erwartet = 5;
        } else {
            const qsizetype k = ohne.indexOf(datei);
            ASSERT_GE(k, 0) << datei.toStdString();
            geloeschtSumme += static_cast<int>(k);
            geloeschtMax = std::max(geloeschtMax, static_cast<int>(k));
            erwartet = Qsos - static_cast<int>(k);
        }
        LogSpalten log;
        const LogLadeErgebnis e = LogDateiLesen(welt.LogTxt(), log);
        EXPECT_TRUE(e.meldungen.isEmpty());
        EXPECT_EQ(log.Anzahl(), erwartet);

        // The program started again corrects as before, with whatever the killed one left.
        Kontest k(nullptr);
        k.EinstellungenLaden({0, 0, 0});
        k.LogLaden();
        if (k.Log.Anzahl() > 0) {
            EXPECT_TRUE(k.QsoLoeschen(0).ok);
            EXPECT_FALSE(welt.Existiert("LOG.TXT.neu"));
            EXPECT_EQ(welt.Lies("LOG.BAK"), datei);
        }
    }
    std::printf("[ Abbruch ] seed %u: %d runs killed with SIGKILL, %d of them inside a file "
                "replacement (a .neu file left), %d finished before the kill; changing: A11 %d, "
                "B22 %d; deleting: %d QSOs removed on average, at most %d\n",
                saat, Laeufe - vonSelbstFertig, mittenImSchreiben, vonSelbstFertig, ersetzt["A11"],
                ersetzt["B22"], geloeschtSumme / (Laeufe / 2), geloeschtMax);
    RecordProperty("mitten_im_schreiben", mittenImSchreiben);
    EXPECT_GE(Laeufe - vonSelbstFertig, 200);
}
