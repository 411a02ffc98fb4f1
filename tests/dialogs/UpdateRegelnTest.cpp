// The rules of the update check without the network: checksum, versions, the newer rule, dates,
// place-holders, the names a download may take, and the restart command.
#include "dialogs/UpdateRegeln.h"
#include "dialogs/Neustart.h"
#include "dialogs/UpdateDateien.h"
#include "platform/Versionsmarke.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QStorageInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace dialogs;
using testsupport::TestWelt;

namespace {

// A file that carries the version marker among other bytes, as a program of ours does.
void ProgrammMitVersion(const TestWelt& welt, const QString& name,
                        const platform::VersionsNummer& v) {
    welt.Schreibe(name, QByteArray(3000, 'x') + platform::VersionsMarke(v) + QByteArray(77, 'y'));
}

} // namespace

TEST(UpdateRegeln, PruefsummeIstDieByteSummeAbMinusEins) {
    TestWelt welt;
    EXPECT_EQ(DateiPruefsumme(welt.Pfad("fehlt")), -1);
    welt.Schreibe("leer", {});
    EXPECT_EQ(DateiPruefsumme(welt.Pfad("leer")), -1);
    welt.Schreibe("zwei", QByteArray("\xFF\x01", 2));
    EXPECT_EQ(DateiPruefsumme(welt.Pfad("zwei")), 255); // bytes count unsigned
    // 20 million bytes of 0xFF overflow 32 bits: the sum wraps as the signed number does.
    welt.Schreibe("gross", QByteArray(20'000'000, '\xFF'));
    EXPECT_EQ(DateiPruefsumme(welt.Pfad("gross")),
              static_cast<qint32>(static_cast<quint32>(-1) + 20'000'000u * 255u));
}

TEST(UpdateRegeln, VersionstextHatGenauVierDezimaleZahlen) {
    struct Fall {
        const char* text;
        const char* umgeschrieben; // nullptr: refused
    } faelle[] = {
        {"1.9.5.0", "1.9.5.0"},
        {"1,9,5,0", "1.9.5.0"},
        {"01.09.005.00", "1.9.5.0"},
        {" 1.9.5.0 ", "1.9.5.0"},
        {"1.9.5", nullptr},
        {"1.9.5.0.1", nullptr},
        {"1.9.5a.0", nullptr},
        {"1.9b.5.0", nullptr},
        {"1.9.5,0", nullptr},
        {"", nullptr},
        {"1..5.0", nullptr},
        {"$10.0.0.0", nullptr},
        {"99999999999.0.0.0", nullptr},
    };
    for (const auto& f : faelle) {
        const auto teile = VersionsTeile(QString::fromLatin1(f.text));
        if (!f.umgeschrieben) {
            EXPECT_FALSE(teile) << f.text;
            continue;
        }
        ASSERT_TRUE(teile) << f.text;
        EXPECT_EQ(VersionsText(*teile), QString::fromLatin1(f.umgeschrieben)) << f.text;
    }
}

TEST(UpdateRegeln, NeuerRegel) {
    TestWelt welt;
    ProgrammMitVersion(welt, "v1940", {1, 9, 4, 0});
    ProgrammMitVersion(welt, "v32768", {32768, 0, 0, 0});
    welt.Schreibe("ohneVersion", "kein Programm");
    welt.Schreibe("zehnBytes", "0123456789");
    const qint32 summe = DateiPruefsumme(welt.Pfad("zehnBytes"));

    struct Fall {
        const char* name;
        UpdateEintrag eintrag;
        bool neuer;
        const char* version;
    } faelle[] = {
        {"nothing to compare counts as newer", {"", 0, -1, "v1940"}, true, ""},
        {"no installed file counts as newer", {"1.0.0.0", 0, -1, ""}, true, "1.0.0.0"},
        {"same checksum", {"", 0, summe, "zehnBytes"}, false, ""},
        {"other checksum", {"", 0, summe + 1, "zehnBytes"}, true, ""},
        {"checksum against a missing file", {"", 0, 5, "fehlt"}, true, ""},
        {"checksum goes before the size", {"", 10, summe + 1, "zehnBytes"}, true, ""},
        {"same size", {"", 10, -1, "zehnBytes"}, false, ""},
        {"other size", {"", 11, -1, "zehnBytes"}, true, ""},
        {"size against a missing file", {"", 11, -1, "fehlt"}, false, ""},
        {"size goes before the version", {"9.0.0.0", 10, -1, "zehnBytes"}, false, "9.0.0.0"},
        {"same version", {"1.9.4.0", 0, -1, "v1940"}, false, "1.9.4.0"},
        {"higher second number", {"1.9.5.0", 0, -1, "v1940"}, true, "1.9.5.0"},
        {"higher fourth number", {"1.9.4.1", 0, -1, "v1940"}, true, "1.9.4.1"},
        {"lower third number", {"1.9.3.99", 0, -1, "v1940"}, false, "1.9.3.99"},
        {"higher first, lower second", {"2.0.0.0", 0, -1, "v1940"}, true, "2.0.0.0"},
        {"rewritten with leading zeros", {"01.09.05.00", 0, -1, "v1940"}, true, "1.9.5.0"},
        {"commas", {"1,9,5,0", 0, -1, "v1940"}, true, "1.9.5.0"},
        {"three parts never newer", {"1.9.5", 0, -1, "v1940"}, false, "1.9.5"},
        {"letters never newer", {"1.9.5b.0", 0, -1, "v1940"}, false, "1.9.5b.0"},
        {"installed file without version", {"9.9.9.9", 0, -1, "ohneVersion"}, false, "9.9.9.9"},
        {"missing installed file", {"9.9.9.9", 0, -1, "fehlt"}, false, "9.9.9.9"},
        // The pairs are signed 32-bit numbers: 40000 * 65536 is negative, 32768 * 65536 too.
        {"first number beyond 32767 wraps", {"40000.0.0.0", 0, -1, "v1940"}, false, "40000.0.0.0"},
        {"installed first number beyond 32767", {"1.0.0.0", 0, -1, "v32768"}, true, "1.0.0.0"},
    };
    for (auto f : faelle) {
        if (!f.eintrag.localversion.isEmpty())
            f.eintrag.localversion = welt.Pfad(f.eintrag.localversion);
        const auto ergebnis = IstNeuer(f.eintrag);
        EXPECT_EQ(ergebnis.neuer, f.neuer) << f.name;
        EXPECT_EQ(ergebnis.version, QString::fromLatin1(f.version)) << f.name;
    }
}

TEST(UpdateRegeln, DatumUndZeitDerSteuerdatei) {
    struct Fall {
        const char *datum, *zeit;
        QDateTime erwartet; // invalid: refused
    } faelle[] = {
        {"24.12.2030", "18:05", QDateTime(QDate(2030, 12, 24), QTime(18, 5))},
        {"1.2.2030", "", QDateTime(QDate(2030, 2, 1), QTime(0, 0))},
        {"01.02.30", "7:3", QDateTime(QDate(2030, 2, 1), QTime(7, 3))},
        {"31.02.2030", "", {}},
        {"2030-02-01", "", {}},
        {"01.02.2030", "25:00", {}},
        {"01.02.2030", "abends", {}},
        {"", "", {}},
    };
    for (const auto& f : faelle) {
        const auto d = DatumZeit(QString::fromLatin1(f.datum), QString::fromLatin1(f.zeit));
        if (!f.erwartet.isValid())
            EXPECT_FALSE(d) << f.datum << " " << f.zeit;
        else
            EXPECT_EQ(d, f.erwartet) << f.datum << " " << f.zeit;
    }
}

TEST(UpdateRegeln, PlatzhalterUndZielverzeichnis) {
    const Platzhalter orte{"/home/op/.config/tarvex", "/home/op/funk", "/tmp/", "/"};
    EXPECT_EQ(Aufgeloest("{win}/Log.ini {App}/x {TMP}/y {pf}/z {XY}", orte),
              "/home/op/.config/tarvex/Log.ini /home/op/funk/x /tmp/y /./z {XY}");

    struct Fall {
        const char* targetdir;
        const char* verzeichnis; // nullptr: refused
    } faelle[] = {
        {"", "/home/op/funk"},
        {"neu", "/home/op/funk/neu"},
        {"neu\\tief", "/home/op/funk/neu/tief"},
        {"{TMP}/neu", "/tmp/neu"},
        {"{app}", "/home/op/funk"},
        {"{PF}/tarvex", "/tarvex"},
        {"/etc", nullptr},
        {"\\etc", nullptr},
        {"C:\\Windows", nullptr},
        {"..", nullptr},
        {"../neben", nullptr},
        {"neu/../../neben", nullptr},
        {"neu\\..\\..\\neben", nullptr},
        {"{TMP}/../etc", nullptr},
        {"x{TMP}", "/home/op/funk/x/tmp"}, // a place-holder inside stays below
        // Qt reads ":/" as its own resources: such a directory never stands for one on the disk.
        {"://h/x", nullptr},
        {":/h", nullptr},
    };
    for (const auto& f : faelle) {
        const auto v = ZielVerzeichnis(QString::fromLatin1(f.targetdir), orte);
        if (!f.verzeichnis)
            EXPECT_FALSE(v) << f.targetdir;
        else
            EXPECT_EQ(v.value_or("refused"), QString::fromLatin1(f.verzeichnis)) << f.targetdir;
    }
}

TEST(UpdateRegeln, DateinameIstDasLetzteElementDerAdresse) {
    struct Fall {
        const char* adresse;
        const char* name;
        bool gueltig;
    } faelle[] = {
        {"http://h/a/update.zip", "update.zip", true},
        {"http://h/a\\b\\neu.ex_", "neu.ex_", true},
        {"http://h/a/", "", false},
        {"http://h/a/.", ".", false},
        {"http://h/a/..", "..", false},
        {"update.zip", "update.zip", true},
        {"http://h/x?datei=a.zip", "x?datei=a.zip", true},
    };
    for (const auto& f : faelle) {
        const QString name = DateiNameVon(QString::fromLatin1(f.adresse));
        EXPECT_EQ(name, QString::fromLatin1(f.name)) << f.adresse;
        EXPECT_EQ(GueltigerDateiName(name), f.gueltig) << f.adresse;
    }
}

TEST(UpdateRegeln, NeustartNurFuerEinProgrammImProgrammverzeichnis) {
    TestWelt welt;
    const QString programm = welt.Pfad("prog");
    QDir().mkpath(programm);
    struct Fall {
        QString appname;
        QStringList befehl; // empty: refused
    } faelle[] = {
        {"tarvex", {programm + "/tarvex"}},
        {"\"tarvex\" -neu", {programm + "/tarvex", "-neu"}},
        {programm + "/tarvex", {programm + "/tarvex"}},
        {programm + "/bin/tarvex", {programm + "/bin/tarvex"}},
        {"/bin/sh -c true", {}},
        {programm + "/../tarvex", {}},
        {"../tarvex", {}},
        {programm + "/..", {}},
        {"", {}},
    };
    for (const auto& f : faelle) {
        const auto befehl = NeustartBefehl(f.appname, programm);
        EXPECT_EQ(befehl.value_or(QStringList()), f.befehl) << f.appname.toStdString();
    }
    EXPECT_EQ(AppnameGequotet("tarvex"), "tarvex");
    EXPECT_EQ(AppnameGequotet("/opt/t/tarvex -a -b"), "\"/opt/t/tarvex\" -a -b");
    EXPECT_EQ(Komponenten("tarvex; upd ,hilfe.cab"), QStringList({"tarvex", "upd", "hilfe.cab"}));
}

TEST(UpdateDateien, EinsetzenUeberDateisystemgrenzenBehaeltDieRechte) {
    TestWelt welt;
    QTemporaryDir anderes(QStringLiteral("/dev/shm/tarvex-XXXXXX"));
    if (!anderes.isValid() || QStorageInfo(anderes.path()) == QStorageInfo(welt.Pfad(".")))
        GTEST_SKIP() << "kein zweites Dateisystem unter /dev/shm";
    const QString ziel = anderes.filePath("programm");
    QFile alt(ziel);
    ASSERT_TRUE(alt.open(QIODevice::WriteOnly));
    alt.write("alt");
    alt.close();
    const auto rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner;
    QFile::setPermissions(ziel, rechte);

    welt.Schreibe("neu", "neue Fassung");
    QString fehler;
    ASSERT_TRUE(Einsetzen(welt.Pfad("neu"), ziel, &fehler)) << fehler.toStdString();
    QFile neu(ziel);
    ASSERT_TRUE(neu.open(QIODevice::ReadOnly));
    EXPECT_EQ(neu.readAll(), "neue Fassung");
    EXPECT_EQ(QFile::permissions(ziel) & 0x7077, rechte); // owner, group, other
    EXPECT_FALSE(welt.Existiert("neu"));
    EXPECT_EQ(QDir(anderes.path()).entryList(QDir::Files), QStringList{"programm"});

    // A target that cannot be written keeps what it had.
    welt.Schreibe("noch", "x");
    EXPECT_FALSE(Einsetzen(welt.Pfad("noch"), anderes.filePath("fehlt/programm"), &fehler));
    EXPECT_FALSE(fehler.isEmpty());
    EXPECT_TRUE(welt.Existiert("noch"));
}
