// The restart helper upd as the program starts it: it waits for the program to end, installs the
// components named in appcomps into the program directory and starts appname there.
#include "ArchivTestHilfe.h"
#include "support/TestUmgebung.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QThread>
#include <gtest/gtest.h>

using testsupport::Kabinett;
using testsupport::TestWelt;

namespace {

// The program directory with a start script that notes in its working directory that it ran.
struct UpdWelt {
    TestWelt welt;
    QString programm = welt.Pfad("programm");
    QString arbeit = welt.Pfad("arbeit");

    UpdWelt() {
        QDir().mkpath(programm);
        QDir().mkpath(arbeit);
        welt.Schreibe("programm/start.sh", "#!/bin/sh\necho \"$@\" > gestartet\n");
        QFile::setPermissions(welt.Pfad("programm/start.sh"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // Runs upd for a process that ends after `dauer` ms; returns upd's exit code.
    int Lauf(const QString& appname, const QString& appcomps, int dauerMs, qint64* gewartetMs) {
        QProcess programm;
        programm.start(QStringLiteral("sleep"), {QString::number(dauerMs / 1000.0)});
        EXPECT_TRUE(programm.waitForStarted());
        QElapsedTimer uhr;
        uhr.start();
        QProcess upd;
        upd.setWorkingDirectory(arbeit);
        upd.start(QStringLiteral(TARVEX_UPD),
                  {QString::number(programm.processId()), appname, appcomps, this->programm});
        EXPECT_TRUE(upd.waitForFinished(30000));
        if (gewartetMs)
            *gewartetMs = uhr.elapsed();
        programm.waitForFinished();
        return upd.exitCode();
    }

    bool WurdeGestartet() const {
        // The started program runs on its own; it has a moment to write its note.
        QDeadlineTimer frist(10000);
        while (!QFileInfo::exists(arbeit + "/gestartet") && !frist.hasExpired())
            QThread::msleep(20);
        return QFileInfo::exists(arbeit + "/gestartet");
    }
};

} // namespace

TEST(Upd, WartetInstalliertDieKomponentenUndStartetDasProgramm) {
    UpdWelt u;
    u.welt.Schreibe("arbeit/neu.tx_", testsupport::Szdd("neuer Text", 't'));
    u.welt.Schreibe("arbeit/paket.cab", Kabinett({{"daten\\info.txt", "aus dem Archiv"}}));
    u.welt.Schreibe("arbeit/plain.bin", "so wie geladen");
    u.welt.Schreibe("arbeit/fremd.bin", "nicht in appcomps");
    u.welt.Schreibe("programm/plain.bin", "alt");

    qint64 gewartet = 0;
    EXPECT_EQ(u.Lauf("\"start.sh\" --nach-update", "neu.tx_;paket.cab, plain.bin", 400, &gewartet),
              0);
    EXPECT_GE(gewartet, 350); // not before the program ended
    EXPECT_EQ(u.welt.Lies("programm/neu.txt"), "neuer Text");
    EXPECT_EQ(u.welt.Lies("programm/daten/info.txt"), "aus dem Archiv");
    EXPECT_EQ(u.welt.Lies("programm/plain.bin"), "so wie geladen");
    EXPECT_FALSE(u.welt.Existiert("programm/fremd.bin"));
    ASSERT_TRUE(u.WurdeGestartet());
    EXPECT_EQ(u.welt.Lies("arbeit/gestartet"), "--nach-update\n");
}

TEST(Upd, ProgrammAusserhalbDesProgrammverzeichnissesWirdNichtGestartet) {
    UpdWelt u;
    u.welt.Schreibe("arbeit/boese.sh", "#!/bin/sh\necho x > gestartet\n");
    QFile::setPermissions(u.welt.Pfad("arbeit/boese.sh"),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    for (const QString& appname : {u.arbeit + "/boese.sh", QStringLiteral("../arbeit/boese.sh"),
                                   QStringLiteral("/bin/sh -c \"echo x > gestartet\"")}) {
        EXPECT_EQ(u.Lauf(appname, "", 0, nullptr), 1) << appname.toStdString();
        QThread::msleep(200);
        EXPECT_FALSE(u.welt.Existiert("arbeit/gestartet")) << appname.toStdString();
    }
}

TEST(Upd, KomponentenNamenMitPfadBleibenDraussen) {
    UpdWelt u;
    u.welt.Schreibe("draussen.bin", "liegt neben dem Programm");
    u.welt.Schreibe("arbeit/boese.cab", Kabinett({{"..\\draussen2.bin", "x"}}));
    EXPECT_EQ(u.Lauf("start.sh", "../draussen.bin;boese.cab", 0, nullptr), 1);
    EXPECT_FALSE(u.welt.Existiert("programm/draussen.bin"));
    EXPECT_FALSE(u.welt.Existiert("draussen2.bin"));
    EXPECT_EQ(u.welt.Lies("draussen.bin"), "liegt neben dem Programm");
    // The program is started again all the same: it still has its old files.
    EXPECT_TRUE(u.WurdeGestartet());
}
