// Our SZDD writer against libmspack's reader, cabinets with good and hostile member names, and
// damaged input that must be refused without harm.
#include "dialogs/MsEntpacken.h"
#include "ArchivTestHilfe.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFileInfo>
#include <QRandomGenerator>
#include <gtest/gtest.h>

using namespace dialogs;
using testsupport::Kabinett;
using testsupport::TestWelt;

namespace {

QByteArray Zufall(qsizetype n, quint32 saat) {
    QRandomGenerator zufall(saat);
    QByteArray a(n, Qt::Uninitialized);
    for (auto& c : a)
        c = static_cast<char>(zufall.bounded(256));
    return a;
}

QStringList Dateien(const QString& verzeichnis) {
    QStringList alle;
    QDir basis(verzeichnis);
    for (const QFileInfo& f : basis.entryInfoList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot))
        alle << f.fileName();
    alle.sort();
    return alle;
}

} // namespace

TEST(Szdd, UnserSchreiberUndLibmspackErgebenDieDatenWieder) {
    TestWelt welt;
    QByteArray text;
    for (int i = 0; i < 2000; ++i)
        text += "QSO " + QByteArray::number(i % 37) + " DL1ABC 599 K32\r\n";
    QByteArray muster;
    for (int i = 0; i < 9000; ++i)
        muster += static_cast<char>((i * 7) % 251);
    struct Fall {
        const char* name;
        QByteArray daten;
        bool kleiner; // the writer really compresses
    } faelle[] = {
        {"leer", {}, false},
        {"ein Byte", "x", false},
        {"kurz", "abcabcabcabc", false},
        {"Blanks wie das leere Fenster", QByteArray(5000, ' '), true},
        {"ein Zeichen", QByteArray(70000, 'Q'), true},
        {"Text", text, true},
        {"Muster ueber das Fenster hinaus", muster.repeated(3), true},
        {"Zufall", Zufall(100000, 7), false},
    };
    for (const auto& f : faelle) {
        const QByteArray szdd = testsupport::Szdd(f.daten, 'e');
        welt.Schreibe("probe.ex_", szdd);
        ASSERT_EQ(MsFormatVon(welt.Pfad("probe.ex_")), MsFormat::Szdd) << f.name;
        EXPECT_EQ(SzddFehlendesZeichen(welt.Pfad("probe.ex_")), 'e') << f.name;
        QString fehler;
        ASSERT_TRUE(SzddEntpacken(welt.Pfad("probe.ex_"), welt.Pfad("probe.exe"), &fehler))
            << f.name << " " << fehler.toStdString();
        EXPECT_EQ(welt.Lies("probe.exe"), f.daten) << f.name;
        if (f.kleiner) {
            EXPECT_LT(szdd.size(), f.daten.size() / 2) << f.name;
        }
    }
}

TEST(Szdd, NameNachDemEntpacken) {
    EXPECT_EQ(SzddZielName("upd.ex_", 'e'), "upd.exe");
    EXPECT_EQ(SzddZielName("upd_", 0), "upd");
    EXPECT_EQ(SzddZielName("daten.bin", 'x'), "daten.bin");
    // The stored character comes from the server: it may not make a path.
    EXPECT_EQ(SzddZielName("a_", '/'), "");
    EXPECT_EQ(SzddZielName("._", '.'), "");
    EXPECT_EQ(SzddZielName("_", 0), "");
}

TEST(Szdd, BeschaedigteDateiWirdAbgelehntUndDasZielBleibt) {
    TestWelt welt;
    welt.Schreibe("ziel", "alt");
    const QByteArray gut = testsupport::Szdd(QByteArray(5000, 'a') + Zufall(5000, 3));
    for (const QByteArray& kaputt :
         {gut.left(10), QByteArray("SZDD kein Kopf"), QByteArray("irgendwas anderes")}) {
        welt.Schreibe("kaputt", kaputt);
        QString fehler;
        EXPECT_FALSE(SzddEntpacken(welt.Pfad("kaputt"), welt.Pfad("ziel"), &fehler));
        EXPECT_FALSE(fehler.isEmpty());
        EXPECT_EQ(welt.Lies("ziel"), "alt");
    }
    // A stream cut short still ends safely; nothing is left beside the target.
    welt.Schreibe("kurz", gut.left(gut.size() / 2));
    SzddEntpacken(welt.Pfad("kurz"), welt.Pfad("ziel2"));
    for (const QString& name : Dateien(welt.Pfad(".")))
        EXPECT_FALSE(name.startsWith("WUPD")) << name.toStdString();
}

TEST(Cab, MitgliederLandenImVerzeichnisMitUnterordnern) {
    TestWelt welt;
    const QByteArray gross = Zufall(70000, 11); // more than one data block
    welt.Schreibe("paket.cab", Kabinett({{"liesmich.txt", "Hallo"},
                                         {"daten\\tief\\gross.bin", gross},
                                         {"zwei.txt", "zwei"}}));
    ASSERT_EQ(MsFormatVon(welt.Pfad("paket.cab")), MsFormat::Cab);
    QDir().mkpath(welt.Pfad("ziel"));
    welt.Schreibe("ziel/zwei.txt", "alt");
    QString fehler;
    ASSERT_TRUE(CabEntpacken(welt.Pfad("paket.cab"), welt.Pfad("ziel"), &fehler))
        << fehler.toStdString();
    EXPECT_EQ(welt.Lies("ziel/liesmich.txt"), "Hallo");
    EXPECT_EQ(welt.Lies("ziel/daten/tief/gross.bin"), gross);
    EXPECT_EQ(welt.Lies("ziel/zwei.txt"), "zwei");
}

TEST(Cab, FeindlicheNamenWerdenAbgelehntBevorEtwasGeschriebenWird) {
    TestWelt welt;
    const char* namen[] = {"..\\draussen.txt",
                           "sub/../../draussen.txt",
                           "/tmp/draussen.txt",
                           "\\draussen.txt",
                           "C:\\draussen.txt",
                           "sub\\",
                           "."};
    for (const char* name : namen) {
        QDir(welt.Pfad("ziel")).removeRecursively();
        QDir().mkpath(welt.Pfad("ziel/sub"));
        welt.Schreibe("boese.cab", Kabinett({{"harmlos.txt", "a"}, {name, "b"}}));
        QString fehler;
        EXPECT_FALSE(CabEntpacken(welt.Pfad("boese.cab"), welt.Pfad("ziel"), &fehler)) << name;
        EXPECT_EQ(Dateien(welt.Pfad("ziel")), QStringList{"sub"}) << name;
        EXPECT_FALSE(welt.Existiert("draussen.txt")) << name;
    }
}

TEST(Cab, BeschaedigtesArchivWirdAbgelehnt) {
    TestWelt welt;
    const QByteArray gut = Kabinett({{"a.txt", QByteArray(40000, 'a')}});
    QDir().mkpath(welt.Pfad("ziel"));
    for (const QByteArray& kaputt :
         {gut.left(30), gut.left(gut.size() - 100), QByteArray("MSCF")}) {
        welt.Schreibe("kaputt.cab", kaputt);
        EXPECT_FALSE(CabEntpacken(welt.Pfad("kaputt.cab"), welt.Pfad("ziel")));
        EXPECT_FALSE(welt.Existiert("ziel/a.txt"));
    }
}
