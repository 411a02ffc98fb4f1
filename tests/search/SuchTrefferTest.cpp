// The search over the logged callsigns, without the window.
#include "search/SuchTreffer.h"
#include "core/LogSpalten.h"
#include "core/QsoListe.h"
#include "search/SuchGridModell.h"

#include <gtest/gtest.h>

using suche::TrefferSuchen;
using suche::UtAusZeit;

namespace {
core::LogSpalten LogMit(const QStringList& calls) {
    core::LogSpalten log;
    int minute = 0;
    for (const QString& c : calls) {
        core::QsoWerte q;
        q.Datum = "01.02.2026";
        q.Zeit = QStringLiteral("18:%1").arg(minute++, 2, 10, QLatin1Char('0'));
        q.Call = c;
        q.DokEin = "K" + QString::number(minute);
        q.Band = "2";
        log.Anhaengen(q);
    }
    return log;
}

QStringList Calls(const QList<suche::TrefferZeile>& treffer) {
    QStringList calls;
    for (const auto& t : treffer)
        calls << t.Call;
    return calls;
}
} // namespace

TEST(SuchTreffer, SubstringCaseSensitiveInLogOrder) {
    const core::LogSpalten log =
        LogMit({"QB3CDE", "ABQ1X", "QA1ABC", "qa9abz", "QA2ABX", "QA5AB", "QA7A/B", "QA1ABC"});
    struct Fall {
        const char* text;
        QStringList erwartet;
    };
    const Fall faelle[] = {
        {"AB", {"ABQ1X", "QA1ABC", "QA2ABX", "QA5AB", "QA1ABC"}}, // start, middle, end, repeats
        {"ab", {"qa9abz"}},                                       // no folding of case
        {"QA1ABC", {"QA1ABC", "QA1ABC"}},                         // the whole callsign
        {"QA1ABCD", {}},                                          // longer than any callsign
        {"A/B", {"QA7A/B"}},
        {"", {}}, // an empty text lists nothing
    };
    for (const Fall& f : faelle)
        EXPECT_EQ(Calls(TrefferSuchen(log, f.text)), f.erwartet) << f.text;
    EXPECT_TRUE(TrefferSuchen(core::LogSpalten{}, "AB").isEmpty());
}

TEST(SuchTreffer, RowHoldsTimeDokAndBandOfItsQso) {
    core::LogSpalten log;
    log.Anhaengen({"01.02.2026", "18:05", "QA1ABC", "599", "K32", "589", "Z22 ", "80", "", "CW"});
    log.Anhaengen({"01.02.2026", "23:59", "QA2ABX", "59", "K32", "57", "", "0.70", "x", "SSB"});
    const auto t = TrefferSuchen(log, "AB");
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[0].Call, "QA1ABC");
    EXPECT_EQ(t[0].Ut, "1805");
    EXPECT_EQ(t[0].Dok, "Z22 ") << "the DOK as held in the log";
    EXPECT_EQ(t[0].Band, "80");
    EXPECT_EQ(t[1].Ut, "2359");
    EXPECT_EQ(t[1].Dok, "");
    EXPECT_EQ(t[1].Band, "0.70");
}

TEST(SuchTreffer, TimeAsHhmm) {
    const std::pair<const char*, const char*> faelle[] = {
        {"18:05", "1805"}, {"00:00", "0000"}, {"18:05:33", "1805"}, // seconds are not shown
        {"1805", "185"},   {"9:5", "9:"},     {"", ""},             // damaged fields do not throw
    };
    for (const auto& [zeit, ut] : faelle)
        EXPECT_EQ(UtAusZeit(zeit), ut) << zeit;
}

TEST(SuchTreffer, ShortColumnDoesNotCrash) {
    core::LogSpalten log = LogMit({"QA1ABC", "QA2ABX"});
    log.SpalteZeit.removeLast();
    log.SpalteBand.clear();
    const auto t = TrefferSuchen(log, "AB");
    ASSERT_EQ(t.size(), 2);
    EXPECT_EQ(t[1].Ut, "");
    EXPECT_EQ(t[1].Band, "");
}

// A huge value (a damaged log line) is shown by its beginning, so the grid draws at once; the hit
// itself keeps it whole.
TEST(SuchGridModell, AHugeValueIsShownShort) {
    const QString riesig = "QA1" + QString(3'000'000, u'X');
    suche::SuchGridModell modell;
    modell.Setzen({{riesig, "1805", riesig, "2"}});
    EXPECT_EQ(modell.index(0, 0).data().toString().size(), core::QsoListenModell::ZellenLaenge + 1);
    EXPECT_EQ(modell.index(0, 2).data().toString().size(), core::QsoListenModell::ZellenLaenge + 1);
    EXPECT_EQ(modell.index(0, 3).data().toString(), "2");
    EXPECT_EQ(modell.Zeilen()[0].Call.size(), riesig.size());
}
