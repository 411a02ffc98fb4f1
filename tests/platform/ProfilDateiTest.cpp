#include "platform/ProfilDatei.h"
#include "platform/Fehler.h"
#include "support/TestUmgebung.h"

#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::TestWelt;

TEST(ProfilGanzzahl, Table) {
    struct Fall {
        const char* text;
        std::optional<qint32> wert;
    } faelle[] = {
        {"5", 5},
        {"  -12", -12},
        {"+7", 7},
        {"0x20", 32},
        {"0X20", 32},
        {"$1F", 31},
        {"x10", 16},
        {"X10", 16},
        {"-0x10", -16},
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", std::nullopt},
        {"$FFFFFFFF", -1},
        {"$100000000", std::nullopt},
        {"", std::nullopt},
        {"true", std::nullopt},
        {"12a", std::nullopt},
        {"--1", std::nullopt},
        {"0x", std::nullopt},
        {"1 ", std::nullopt},
        {"0x1G", std::nullopt},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ProfilGanzzahl(QString::fromLatin1(f.text)), f.wert) << f.text;
}

TEST(IniDatei, MissingFileSectionOrKeyGivesDefault) {
    TestWelt welt;
    IniDatei ini(welt.LogIni());
    EXPECT_EQ(ini.LeseText("A", "b", "vorgabe"), "vorgabe");
    welt.Schreibe("Log.ini", "[A]\r\nx=1\r\n");
    EXPECT_EQ(ini.LeseText("A", "b", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.LeseText("B", "x", "vorgabe"), "vorgabe");
    EXPECT_EQ(ini.LeseGanzzahl("A", "x", 9), 1);
}

TEST(IniDatei, CaseInsensitiveKeysFirstSectionAndQuotes) {
    TestWelt welt;
    welt.Schreibe("Log.ini", "; Kommentar\r\n[fenster]\r\n  LOGFORMLEFT = 0x20 \r\nname=\"mit "
                             "Blank \"\r\n[Fenster]\r\nLogformTop=99\r\nLogformLeft=77\r\n");
    IniDatei ini(welt.LogIni());
    EXPECT_EQ(ini.LeseGanzzahl("Fenster", "LogformLeft", 5), 32);
    EXPECT_EQ(ini.LeseText("FENSTER", "Name", ""), "mit Blank ");
    // Only the first section of a name counts.
    EXPECT_EQ(ini.LeseGanzzahl("Fenster", "LogformTop", 5), 5);
    EXPECT_TRUE(ini.LeseSchalter("Fenster", "LogformLeft", false));
    EXPECT_FALSE(ini.LeseSchalter("Fenster", "name", false)) << "not a number: the default";
}

TEST(IniDatei, WriteKeepsEveryOtherLineAndUsesCrLf) {
    TestWelt welt;
    welt.Schreibe("Log.ini", "; von Hand\n[Einstellung]\nutc=1\nanderes = x\n\n[Trace]\nTrace=0\n");
    IniDatei ini(welt.LogIni());
    ini.SchreibeSchalter("Einstellung", "UTC", false);
    ini.SchreibeText("Einstellung", "Neu", "ä");
    ini.SchreibeText("Stationsangaben", "Stationscall", "QA1ABC");
    EXPECT_EQ(welt.Lies("Log.ini"),
              QByteArray("; von Hand\r\n[Einstellung]\r\nUTC=0\r\nanderes = x\r\nNeu=\xE4\r\n\r\n"
                         "[Trace]\r\nTrace=0\r\n[Stationsangaben]\r\nStationscall=QA1ABC\r\n"));
    EXPECT_EQ(ini.LeseText("stationsangaben", "STATIONSCALL", ""), "QA1ABC");
    EXPECT_EQ(ini.LeseText("Einstellung", "neu", ""), QStringLiteral("ä"));
}

TEST(IniDatei, LongValueIsCutAt2047) {
    TestWelt welt;
    welt.Schreibe("Log.ini", "[A]\r\nk=" + QByteArray(5000, 'x') + "\r\n");
    EXPECT_EQ(IniDatei(welt.LogIni()).LeseText("A", "k", "").size(), 2047);
}

TEST(IniDatei, FailedWriteRaisesTheMessage) {
    TestWelt welt;
    // A directory in the file's place cannot be replaced by a file.
    QDir(welt.Pfad("")).mkpath("Log.ini/sperre");
    IniDatei ini(welt.LogIni());
    try {
        ini.SchreibeText("A", "b", "c");
        FAIL() << "no error raised";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Text(), "In Log.ini kann nicht geschrieben werden");
    }
}

// A Log.ini that is there but cannot be read is not rewritten from nothing: the new file would hold
// only the one key written, and every other setting would be gone.
TEST(IniDatei, UnreadableFileIsNotReplaced) {
    TestWelt welt;
    // A file that opens but whose read fails, for root as for anyone.
    ASSERT_TRUE(QFile::link("/proc/self/mem", welt.LogIni()));
    EXPECT_FALSE(ProfilSchreiben(welt.LogIni(), "Fenster", "SuchLeft", "1"));
    EXPECT_TRUE(QFileInfo(welt.LogIni()).isSymLink());
    IniDatei ini(welt.LogIni());
    try {
        ini.SchreibeText("Fenster", "SuchLeft", "1");
        FAIL() << "no error raised";
    } catch (const Fehler& f) {
        EXPECT_EQ(f.Text(), "In Log.ini kann nicht geschrieben werden");
    }
    EXPECT_TRUE(QFileInfo(welt.LogIni()).isSymLink());
}

TEST(ProfilInhalt, AntwortetWieProfilLesen) {
    TestWelt welt;
    welt.Schreibe("steuer.inf",
                  "vor=der ersten Sektion\r\n[Files]\n count = 2 \r\n[file1]\r\nurl=\"http://a/b\""
                  "\r\nURL=zweite\r\nohne Gleich\r\n[FILE1]\r\nurl=doppelte Sektion\r\n"
                  "[ leer ]\r\n[x]\r\nk=\xE4\r\nlang=" +
                      QByteArray(3000, 'l') + "\r\n[kaputt\r\nk=gehoert zu x\r\n");
    const auto inhalt = ProfilInhalt::Lade(welt.Pfad("steuer.inf"));
    ASSERT_TRUE(inhalt);
    const std::pair<const char*, const char*> fragen[] = {
        {"files", "count"}, {"FILE1", "url"}, {"file1", "ohne Gleich"},
        {"", "vor"},        {"leer", "k"},    {"x", "k"},
        {"x", "lang"},      {"X", "K"},       {"fehlt", "k"},
        {"kaputt", "k"},    {"file2", "url"},
    };
    for (const auto& [sektion, schluessel] : fragen)
        EXPECT_EQ(inhalt->Lies(sektion, schluessel),
                  ProfilLesen(welt.Pfad("steuer.inf"), sektion, schluessel))
            << sektion << "/" << schluessel;
    EXPECT_EQ(inhalt->Sektionen(), QStringList({"Files", "file1", "leer", "x"}));
    EXPECT_EQ(inhalt->LeseGanzzahl("files", "count", 0), 2);
    EXPECT_FALSE(ProfilInhalt::Lade(welt.Pfad("fehlt.inf")));
}
