// The reports' evaluation against the cases that tell it from the running one: the own-DOK rules
// of the two reports, the form of a district DOK, the multipliers per row, the shortened remark,
// the CW/digital points and the worked bands.
#include "scoring/Berichtsauswertung.h"

#include "ScoringTestHilfe.h"

#include <gtest/gtest.h>
#include <vector>

using namespace scoring;

namespace {

using scoringtest::Log;
using scoringtest::Qso;

struct Fall {
    const char* name;
    std::vector<Qso> qsos;
    EigenerDokRegel regel;
    int multis;
    qint64 qsoPunkte;
    int wertbar;
    int total;
    std::vector<int> zeilenMultis;
};

void PrintTo(const Fall& f, std::ostream* os) {
    *os << f.name;
}

class Bericht : public ::testing::TestWithParam<Fall> {};

TEST_P(Bericht, ZaehltWieDerBerichtEsVerlangt) {
    const Fall& f = GetParam();
    core::IniRecord station;
    station.FDmanagerDOK = QStringLiteral("K32");
    core::SonderListen listen;
    listen.SonderDOKListe.Setzen({QStringLiteral("25MR")});
    listen.SonderCallListe.Setzen({QStringLiteral("DR100X")});
    const auto log = Log(f.qsos);
    const Berichtsauswertung b = BerichtAuswerten(log, station, listen, f.regel);
    ASSERT_TRUE(b.Druckbar);
    EXPECT_EQ(b.Multis, f.multis);
    EXPECT_EQ(b.QsoPunkte, f.qsoPunkte);
    EXPECT_EQ(b.QsosWertbar, f.wertbar);
    EXPECT_EQ(b.QsosTotal, f.total);
    std::vector<int> zeilen;
    for (const auto& z : b.Zeilen)
        zeilen.push_back(z.ZeilenMultis);
    EXPECT_EQ(zeilen, f.zeilenMultis);
}

const auto Druck = EigenerDokRegel::JederOhnePunkte;
const auto Pdf = EigenerDokRegel::WieLaufend;

const Fall faelle[] = {
    {"own_DOK_three_times_printed_log_no_points",
     {{"DL1AA", "K32", "80", "SSB"},
      {"DL2BB", "K32", "2", "SSB"},
      {"DL3CC", "K32", "80", "SSB"},
      {"DL4DD", "K01", "80", "SSB"}},
     Druck,
     3,
     1,
     1,
     4,
     {1, 1, 0, 1}},
    {"own_DOK_on_80_2_80_pdf_first_keeps_points",
     {{"DL1AA", "K32", "80", "SSB"}, {"DL2BB", "K32", "2", "SSB"}, {"DL3CC", "K32", "80", "SSB"}},
     Pdf,
     2,
     1,
     1,
     3,
     {1, 1, 0}},
    {"own_DOK_printed_log_same_log",
     {{"DL1AA", "K32", "80", "SSB"}, {"DL2BB", "K32", "2", "SSB"}, {"DL3CC", "K32", "80", "SSB"}},
     Druck,
     2,
     0,
     0,
     3,
     {1, 1, 0}},
    {"two_character_district_DOK_no_multiplier_special_DOK_any_form",
     {{"DL1AA", "K3", "80", "SSB"},
      {"DL2BB", "25MR", "80", "SSB"},
      {"DL3CC", "KA1", "80", "SSB"},
      {"DL4DD", "k01", "80", "SSB"},
      {"DL5EE", " K02 ", "80", "SSB"}},
     Druck,
     2,
     5,
     5,
     5,
     {0, 1, 0, 0, 1}},
    {"new_DOK_and_new_special_station_give_2",
     {{"DR100X/P", "K01", "2", "SSB"},
      {"DR100X", "K01", "2", "SSB"},
      {"DR100X", "K02", "80", "SSB"}},
     Druck,
     4,
     3,
     3,
     3,
     {2, 0, 2}},
    {"band_outside_the_table_counts_points_only",
     {{"DL1AA", "K01", "6", "SSB"}, {"DL2BB", "K01", "80", "SSB"}},
     Druck,
     1,
     2,
     2,
     2,
     {0, 1}},
    {"psk_and_rtty_only_three_points",
     {{"DL1AA", "K01", "80", "PSK"}, {"DL2BB", "K02", "80", "RTTY"}},
     Druck,
     2,
     6,
     2,
     2,
     {1, 1}},
    {"one_ssb_among_digital_one_point",
     {{"DL1AA", "K01", "80", "PSK"}, {"DL2BB", "K02", "80", "RTTY"}, {"DL3CC", "K03", "2", "SSB"}},
     Druck,
     3,
     3,
     3,
     3,
     {1, 1, 1}},
};

INSTANTIATE_TEST_SUITE_P(Faelle, Bericht, ::testing::ValuesIn(faelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Berichtsauswertung, ZellenDerZeile) {
    core::IniRecord station;
    station.FDmanagerDOK = QStringLiteral("K32");
    const auto log = Log({{" DL1ABC ", " K01 ", "80", "CW", "1234567890123456789"},
                          {"DL2ABC", "K02", "2", "CW", "12345678901234567890"},
                          {"DL3ABC", "K03", "80", "CW", "  kurz  "}});
    const auto b = BerichtAuswerten(log, station, {}, EigenerDokRegel::JederOhnePunkte);
    ASSERT_EQ(b.Zeilen.size(), 3);
    EXPECT_EQ(b.Zeilen[0].Datum, "24.03.");
    EXPECT_EQ(b.Zeilen[0].Zeit, "19:05");
    EXPECT_EQ(b.Zeilen[0].Call, "DL1ABC");
    EXPECT_EQ(b.Zeilen[0].DokEin, "K01");
    EXPECT_EQ(b.Zeilen[0].Bemerkung, "1234567890123456789") << "19 characters stay whole";
    EXPECT_EQ(b.Zeilen[1].Bemerkung, "123456789012345678..") << "20 become 18 and ..";
    EXPECT_EQ(b.Zeilen[2].Bemerkung, "kurz");
    EXPECT_EQ(log.SpalteBemerkung[1], "12345678901234567890") << "the log keeps its remark";
    EXPECT_EQ(b.GearbeiteteBaender, "80+2");
    EXPECT_EQ(b.PunkteProQso, 3);
    EXPECT_EQ(b.Punkte(), b.QsoPunkte * b.Multis);
}

TEST(Berichtsauswertung, GearbeiteteBaender) {
    const std::pair<QStringList, const char*> faelle[] = {
        {{"80", "2", "80"}, "80+2"},
        {{"80", "2", "0.70", "2"}, "80+2+0.70"},
        {{"abc", "ABC"}, "abc"},
        {{"2 m", "a+b", "x\"y"}, "\"2 m\"+\"a+b\"+\"x\"\"y\""},
        {{}, ""},
    };
    for (const auto& [baender, text] : faelle)
        EXPECT_EQ(GearbeiteteBaender(baender), QString::fromUtf8(text)) << text;
}

TEST(Berichtsauswertung, OhneDistriktOderOhneQsoKeinBericht) {
    const auto log = Log({{"DL1AA", "K01", "80", "SSB"}});
    struct Fall {
        const char* distriktskenner;
        const char* eigenerDok;
        bool leeresLog;
        bool druckbar;
        bool ungueltig;
        const char* distrikt;
    } faelle[] = {
        {"", "K32", false, true, false, "K"}, {"k", "A01", false, true, false, "K"},
        {"1", "K32", false, true, true, "K"}, {"KL", "K32", false, false, false, "KL"},
        {"", "", false, false, false, ""},    {"", "K32", true, false, false, "K"},
    };
    for (const auto& f : faelle) {
        core::IniRecord station;
        station.Distriktskenner = QString::fromUtf8(f.distriktskenner);
        station.FDmanagerDOK = QString::fromUtf8(f.eigenerDok);
        const auto b = BerichtAuswerten(f.leeresLog ? core::LogSpalten{} : log, station, {},
                                        EigenerDokRegel::WieLaufend);
        EXPECT_EQ(b.Druckbar, f.druckbar) << f.distriktskenner << "/" << f.eigenerDok;
        EXPECT_EQ(b.DistriktskennerUngueltig, f.ungueltig) << f.distriktskenner;
        EXPECT_EQ(b.Distrikt, QString::fromUtf8(f.distrikt)) << f.distriktskenner;
    }
}

} // namespace
