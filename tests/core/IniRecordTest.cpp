#include "core/IniRecord.h"
#include "platform/ProfilDatei.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

using namespace core;
using testsupport::TestWelt;

namespace {
StartEinstellungen Lies(const TestWelt& welt, const QString& version = "1.0.0.0") {
    return EinstellungenLesen(platform::IniDatei(welt.LogIni()), {5, 5, 655}, version);
}
} // namespace

TEST(IniRecord, DefaultsWithoutFile) {
    TestWelt welt;
    const auto e = Lies(welt);
    EXPECT_EQ(e.record.Stationscall, "CALL UNBEKANNT");
    EXPECT_EQ(e.record.Operators, "CALL UNBEKANNT");
    EXPECT_EQ(e.record.Kontestbezeichnung, QStringLiteral("RLP Aktivitätsabend"));
    EXPECT_EQ(e.record.FDmanagerTelGesch, QStringLiteral("Telefon geschäftlich"));
    EXPECT_EQ(e.record.FDmanagerDOK, "???");
    EXPECT_EQ(e.record.Distriktskenner, "");
    EXPECT_EQ(e.record.LogformLeft, 5);
    EXPECT_EQ(e.record.LogformTop, 5);
    EXPECT_EQ(e.record.SuchLeft, 5 + 655 / 2);
    EXPECT_EQ(e.record.SuchTop, 20);
    EXPECT_TRUE(e.record.ZeitmodusUTC);
    EXPECT_TRUE(e.starthinweise);
    EXPECT_FALSE(e.trace);
    EXPECT_TRUE(SuchEinstellungenLesen(platform::IniDatei(welt.LogIni()), {5, 5, 655}).autoSuche);
}

TEST(IniRecord, ValuesGarbageAndCase) {
    TestWelt welt;
    welt.Schreibe("Log.ini", "[STATIONSANGABEN]\r\nstationscall=QA1ABC\r\nDistriktskenner=k\r\n"
                             "[Einstellung]\r\nUTC=false\r\n[Fenster]\r\nLogformLeft=0x20\r\n"
                             "LogformTop=abc\r\n[Trace]\r\nTrace=7\r\n");
    const auto e = Lies(welt);
    EXPECT_EQ(e.record.Stationscall, "QA1ABC");
    EXPECT_EQ(e.record.Operators, "QA1ABC") << "operators default to the station call";
    EXPECT_EQ(e.record.Distriktskenner, "K");
    EXPECT_TRUE(e.record.ZeitmodusUTC) << "\"false\" is not a number";
    EXPECT_EQ(e.record.LogformLeft, 32);
    EXPECT_EQ(e.record.LogformTop, 5);
    EXPECT_TRUE(e.trace);
    welt.Schreibe("Log.ini", "[Einstellung]\r\nUTC=0\r\n");
    EXPECT_FALSE(Lies(welt).record.ZeitmodusUTC);
}

TEST(IniRecord, StartHintVersionRule) {
    struct Fall {
        const char* ini;
        bool an;
    } faelle[] = {
        {"[Fenster]\r\nStarthinweise=0\r\nStarthinweiseVer=1.0.0.0\r\n", false},
        {"[Fenster]\r\nStarthinweise=0\r\nStarthinweiseVer=0.9.0.0\r\n", true},
        {"[Fenster]\r\nStarthinweise=0\r\n", false},
        {"[Fenster]\r\nStarthinweise=1\r\nStarthinweiseVer=1.0.0.0\r\n", true},
    };
    for (const auto& f : faelle) {
        TestWelt welt;
        welt.Schreibe("Log.ini", f.ini);
        EXPECT_EQ(Lies(welt).starthinweise, f.an) << f.ini;
    }
}

TEST(IniRecord, PositionWrittenOnlyWhenChanged) {
    TestWelt welt;
    platform::IniDatei ini(welt.LogIni());
    IniRecord r;
    EXPECT_FALSE(LogformPositionSchreiben(ini, r, 5, 5));
    EXPECT_FALSE(welt.Existiert("Log.ini"));
    UtcSchreiben(ini, true);
    EXPECT_EQ(welt.Lies("Log.ini"), QByteArray("[Einstellung]\r\nUTC=1\r\n"));
    EXPECT_TRUE(LogformPositionSchreiben(ini, r, 40, 5));
    EXPECT_EQ(r.LogformLeft, 40);
    EXPECT_EQ(
        welt.Lies("Log.ini"),
        QByteArray("[Einstellung]\r\nUTC=1\r\n[Fenster]\r\nLogformLeft=40\r\nLogformTop=5\r\n"));
}

TEST(IniRecord, StationDataInTheirOrder) {
    TestWelt welt;
    platform::IniDatei ini(welt.LogIni());
    IniRecord r;
    r.Stationscall = "qa1abc";
    r.FDmanagerDOK = "K32";
    StationsangabenSchreiben(ini, r);
    EXPECT_EQ(
        welt.Lies("Log.ini"),
        QByteArray("[Stationsangaben]\r\nStationscall=qa1abc\r\nKontestbezeichnung=\r\n"
                   "FDmanagerName=\r\nFDmanagerStr=\r\nFDmanagerOrt=\r\nFDmanagerTelGesch=\r\n"
                   "FDmanagerTelPrivat=\r\nFDmanagerDOK=K32\r\nDistriktskenner=\r\n"
                   "Operators=\r\n"));
}
