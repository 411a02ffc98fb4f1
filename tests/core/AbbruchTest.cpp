// Killing the program at random moments loses no QSO and tears no line: a child saves QSOs
// through the save sequence and is killed with SIGKILL, over and over; after every kill each QSO
// it reported as saved is in LOG.TXT, every line is a whole record and the file loads.
#include "core/LogDatei.h"

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

using namespace core;

namespace {

struct Pruefung {
    int records = 0;
    QString fehler; // empty when the file is sound
};

// The file after a kill: a header, then K1, K2, ... as whole records, each ended by CR LF.
Pruefung LogPruefen(const QString& pfad, const QSet<QByteArray>& gemeldet) {
    Pruefung p;
    QFile f(pfad);
    if (!f.open(QIODevice::ReadOnly)) {
        if (!gemeldet.isEmpty())
            p.fehler = "LOG.TXT is missing after QSOs were reported saved";
        return p;
    }
    const QByteArray inhalt = f.readAll();
    if (!inhalt.endsWith("\r\n") && !inhalt.isEmpty())
        p.fehler = "the last line has no line end (torn)";
    QList<QByteArray> zeilen = inhalt.split('\n');
    zeilen.removeLast(); // after the final line end
    QSet<QByteArray> imLog;
    for (qsizetype i = 1; i < zeilen.size() && p.fehler.isEmpty(); ++i) {
        const QByteArray& z = zeilen[i];
        const QList<QByteArray> felder = z.chopped(1).split(';');
        if (!z.endsWith(";\r") || felder.size() != 12 || felder[0] != "1")
            p.fehler = QStringLiteral("line %1 is torn: %2").arg(i + 1).arg(z);
        else if (felder[3] != "K" + QByteArray::number(i))
            p.fehler = QStringLiteral("line %1 holds %2 out of order").arg(i + 1).arg(felder[3]);
        imLog.insert(felder.value(3));
    }
    p.records = static_cast<int>(zeilen.size()) - 1;
    for (const QByteArray& call : gemeldet)
        if (p.fehler.isEmpty() && !imLog.contains(call))
            p.fehler = QStringLiteral("%1 was reported saved and is missing").arg(call);
    if (p.fehler.isEmpty()) {
        LogSpalten log;
        const LogLadeErgebnis e = LogDateiLesen(pfad, log);
        if (e.anzahl != p.records || !e.meldungen.isEmpty())
            p.fehler = QStringLiteral("loads %1 of %2 records").arg(e.anzahl).arg(p.records);
    }
    return p;
}

// The calls of the child's "ok CALL" lines; each line came with one write, whole.
void Gemeldet(const QByteArray& ausgabe, QSet<QByteArray>& gemeldet) {
    for (const QByteArray& z : ausgabe.split('\n'))
        if (z.startsWith("ok "))
            gemeldet.insert(z.mid(3));
}

} // namespace

TEST(Abbruch, KilledAtRandomMomentsNothingIsLostOrTorn) {
    constexpr int Runden = 200;
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QRandomGenerator zufall(20261210);
    QSet<QByteArray> gemeldet;
    int fruehTot = 0;
    QElapsedTimer uhr;
    uhr.start();
    for (int runde = 0; runde < Runden; ++runde) {
        QProcess kind;
        kind.setProgram(QStringLiteral(TARVEX_ABBRUCH_KIND));
        kind.setArguments({dir.path()});
        kind.start();
        ASSERT_TRUE(kind.waitForStarted()) << kind.errorString().toStdString();
        // Most kills hit the saving; some hit the start, while LOG.TXT is being read.
        if (zufall.bounded(5) == 0) {
            QThread::usleep(zufall.bounded(20000));
            ++fruehTot;
        } else {
            // Once the first QSO is through, the kill lands somewhere in the saving that follows.
            QByteArray bisher;
            while (!bisher.contains("\nok ") && kind.waitForReadyRead(10000))
                bisher += kind.readAllStandardOutput();
            ASSERT_TRUE(bisher.contains("\nok ")) << "round " << runde << " saved nothing";
            Gemeldet(bisher, gemeldet);
            QThread::usleep(zufall.bounded(20000));
        }
        kind.kill();
        ASSERT_TRUE(kind.waitForFinished(10000));
        Gemeldet(kind.readAllStandardOutput(), gemeldet);
        const Pruefung p = LogPruefen(dir.filePath(QStringLiteral("LOG.TXT")), gemeldet);
        ASSERT_TRUE(p.fehler.isEmpty())
            << "after kill " << runde + 1 << ": " << p.fehler.toStdString();
    }
    const Pruefung p = LogPruefen(dir.filePath(QStringLiteral("LOG.TXT")), gemeldet);
    std::printf("Abbruchtest: %d kills (%d during the start), %d QSOs reported saved, %d in "
                "LOG.TXT, %lld ms\n",
                Runden, fruehTot, static_cast<int>(gemeldet.size()), p.records,
                static_cast<long long>(uhr.elapsed()));
}
