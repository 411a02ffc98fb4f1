#include "scoring/Multiauswertung.h"

#include "ScoringTestHilfe.h"

#include <gtest/gtest.h>
#include <vector>

using namespace scoring;

namespace {

using scoringtest::Log;
using scoringtest::Qso;

const std::vector<Qso> VierCw = {{"DL1AA", "K01", "80", "CW"},
                                 {"DL2BB", "K01", "80", "CW"},
                                 {"DL3CC", "K01", "2", "CW"},
                                 {"DL4DD", "Z22", "80", "CW"}};

std::vector<Qso> Plus(std::vector<Qso> qsos, const Qso& q) {
    qsos.push_back(q);
    return qsos;
}

struct Fall {
    const char* name;
    std::vector<Qso> qsos;
    QStringList sonderDoks;
    QStringList sonderCalls;
    const char* eigenerDok;
    const char* distriktskenner;
    int multis;
    qint64 qsoPunkte;
    bool ungueltig;
};

} // namespace

TEST(Multiauswertung, Table) {
    const Fall faelle[] = {
        // The rules' own examples (own DOK K32, no district code).
        {"four CW QSOs", VierCw, {}, {}, "K32", "", 2, 12, false},
        {"one SSB QSO makes every QSO 1 point",
         Plus(VierCw, {"DL5EE", "K05", "10", "SSB"}),
         {},
         {},
         "K32",
         "",
         3,
         5,
         false},
        {"own DOK earns points once over all bands",
         {{"DL1AA", "K32", "80", "SSB"},
          {"DL2BB", "K32", "2", "SSB"},
          {"DL3CC", "K32", "80", "SSB"}},
         {},
         {},
         "K32",
         "",
         2,
         1,
         false},
        {"special DOK of another district", VierCw, {"Z22"}, {}, "K32", "", 3, 12, false},
        {"special station with /P adds a second multi",
         {{"DA0XX/P", "K01", "80", "CW"}},
         {},
         {"DA0XX"},
         "K32",
         "",
         2,
         3,
         false},

        // District.
        {"district code k is used as K",
         {{"F1", "K01", "80", "CW"}, {"F2", "F05", "80", "CW"}},
         {},
         {},
         "F05",
         "k",
         1,
         6,
         false},
        {"district code 1 is refused, own DOK gives K",
         {{"F1", "K01", "80", "SSB"}},
         {},
         {},
         "K32",
         "1",
         1,
         1,
         true},
        {"district code a-umlaut is no letter A-Z",
         {{"F1", "K01", "80", "SSB"}},
         {},
         {},
         "K32",
         "\xC3\xA4",
         1,
         1,
         true},
        {"two-letter district code counts nothing", VierCw, {"Z22"}, {}, "K32", "KL", 0, 0, false},
        {"empty own DOK without code counts nothing", VierCw, {}, {}, "", "", 0, 0, false},
        {"own DOK ??? counts only special entries",
         {{"F1", "K01", "80", "SSB"}, {"F2", "Z22", "80", "SSB"}, {"DA0XX", "K02", "40", "SSB"}},
         {"Z22"},
         {"DA0XX"},
         "???",
         "",
         2,
         3,
         false},
        {"empty log", {}, {"Z22"}, {}, "K32", "", 0, 0, false},

        // Points per QSO.
        {"RTTY and PSK: 3 each",
         {{"F1", "K01", "80", "RTTY"}, {"F2", "K02", "80", "PSK"}},
         {},
         {},
         "K32",
         "",
         2,
         6,
         false},
        {"SSTV after CW mixes classes",
         {{"F1", "K01", "80", "CW"}, {"F2", "K02", "80", "SSTV"}, {"F3", "K03", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         3,
         3,
         false},
        {"CW among digital: 1 each",
         {{"F1", "K01", "80", "RTTY"}, {"F2", "K02", "80", "PSK"}, {"F3", "K03", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         3,
         3,
         false},
        {"first QSO SSB, rest CW",
         {{"F1", "K01", "80", "SSB"}, {"F2", "K02", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         2,
         2,
         false},
        {"lower-case cw is of class 0",
         {{"F1", "K01", "80", "cw"}, {"F2", "K02", "80", "cw"}},
         {},
         {},
         "K32",
         "",
         2,
         2,
         false},

        // Bands and per-band sets.
        {"only the five bands carry multis",
         {{"F1", "K01", "20", "CW"},
          {"F2", "K02", "0.7", "CW"},
          {"F3", "K03", "80 ", "CW"},
          {"F4", "K04", "0.70", "CW"}},
         {},
         {},
         "K32",
         "",
         1,
         12,
         false},
        {"same DOK on 80 and 40, again on 80",
         {{"F1", "K01", "80", "CW"}, {"F2", "K01", "40", "CW"}, {"F3", "K01", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         2,
         9,
         false},
        {"lower-case k01 fails the district test",
         {{"F1", "k01", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         0,
         3,
         false},
        {"band set ignores case",
         {{"F1", "Z22", "80", "CW"}, {"F2", "z22", "80", "CW"}},
         {"z22"},
         {},
         "K32",
         "",
         1,
         6,
         false},
        {"blanks around the DOK are trimmed before counting",
         {{"F1", " K01\t", "80", "CW"}, {"F2", "K01", "80", "CW"}},
         {},
         {},
         "K32",
         "",
         1,
         6,
         false},

        // Special lists.
        {"special DOK entry with a trailing blank matches nothing",
         {{"F1", "Z22", "80", "CW"}},
         {"Z22 "},
         {},
         "K32",
         "",
         0,
         3,
         false},
        {"call cut at /PM, /p is not cut",
         {{"DA0XX/PM", "Z01", "80", "CW"}, {"DB0YY/p", "Z01", "40", "CW"}},
         {},
         {"da0xx", "DB0YY"},
         "K32",
         "",
         1,
         6,
         false},
        {"special station once per band",
         {{" DA0XX ", "Z01", "80", "CW"},
          {"DA0XX", "Z01", "80", "CW"},
          {"DA0XX", "Z01", "2", "CW"}},
         {},
         {"DA0XX"},
         "K32",
         "",
         2,
         9,
         false},
        {"empty DOK counts with a blank special entry",
         {{"F1", "", "80", "CW"}, {"F2", "  ", "40", "CW"}},
         {"Z22", ""},
         {},
         "K32",
         "",
         2,
         6,
         false},
        {"empty DOK never counts without one",
         {{"F1", "", "80", "CW"}},
         {"Z22"},
         {},
         "K32",
         "",
         0,
         3,
         false},
    };
    for (const auto& f : faelle) {
        auto log = Log(f.qsos);
        core::IniRecord station;
        station.FDmanagerDOK = QString::fromUtf8(f.eigenerDok);
        station.Distriktskenner = QString::fromUtf8(f.distriktskenner);
        core::SonderListen listen;
        listen.SonderDOKListe.Setzen(f.sonderDoks);
        listen.SonderCallListe.Setzen(f.sonderCalls);

        const Auswertung a = Multiauswertung(log, station, listen);
        EXPECT_EQ(a.Multis, f.multis) << f.name;
        EXPECT_EQ(a.QsoPunkte, f.qsoPunkte) << f.name;
        EXPECT_EQ(a.Punkte, f.qsoPunkte * f.multis) << f.name;
        EXPECT_EQ(a.DistriktskennerUngueltig, f.ungueltig) << f.name;
    }
}

TEST(Multiauswertung, PanelTexts) {
    auto log = Log(VierCw);
    core::IniRecord station;
    station.FDmanagerDOK = "K32";
    const Auswertung a = Multiauswertung(log, station, {});
    EXPECT_EQ(MultisText(a), "Multis: 2");
    EXPECT_EQ(PunkteText(a), "QSO Punkte: 24");
    EXPECT_EQ(PunkteText(Auswertung{}), "QSO Punkte: 0");
}

TEST(Multiauswertung, TrimsDoksAndUpperCasesDistrictInMemory) {
    for (const char* kenner : {"k", "kl"}) { // counting and not counting
        auto log =
            Log({{"F1", " K01 ", "80", "CW"}, {"F2", "\tz22", "2", "CW"}, {"F3", "", "2", "CW"}});
        core::IniRecord station;
        station.FDmanagerDOK = "K32";
        station.Distriktskenner = kenner;
        Multiauswertung(log, station, {});
        EXPECT_EQ(log.SpalteDokEin, QStringList({"K01", "z22", ""})) << kenner;
        EXPECT_EQ(station.Distriktskenner, QString::fromLatin1(kenner).toUpper());
        EXPECT_EQ(log.SpalteCall, QStringList({"F1", "F2", "F3"})) << "nothing else changes";
    }
}

TEST(ModeKlasse, ExactTexts) {
    struct Fall {
        const char* mode;
        int klasse;
    } faelle[] = {{"CW", 1}, {"PSK", 2}, {"RTTY", 2}, {"SSTV", 2}, {"SSB", 0},
                  {"FM", 0}, {"", 0},    {"cw", 0},   {"CW ", 0},  {"Rtty", 0}};
    for (const auto& f : faelle)
        EXPECT_EQ(ModeKlasse(f.mode), f.klasse) << f.mode;
}
