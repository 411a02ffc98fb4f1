#include "core/Rufzeichen.h"

#include <gtest/gtest.h>

using namespace core;

TEST(Grundrufzeichen, Table) {
    const std::pair<const char*, const char*> faelle[] = {
        {"QA1ABC", "QA1ABC"},    {"QA1ABC/P", "QA1ABC"},  {"QA1ABC/MM", "QA1ABC"},
        {"QA0ABC/2", "QA0ABC"},  {"QB/QA3ABC", "QA3ABC"}, {"QA3ABC/QB", "QA3ABC"},
        {"QC/QA1AB/P", "QA1AB"}, {"QD/Q1A/P", "Q1A/P"},   {"Q1A/P", "Q1A"},
        {"3QA0/QA1AB", "3QA0"},
    };
    for (const auto& [call, grund] : faelle)
        EXPECT_EQ(Grundrufzeichen(call), grund) << call;
}

TEST(PruefeRufzeichen, Table) {
    const std::pair<const char*, bool> faelle[] = {
        {"QA", false},         {"QAB", false},    {"QA12345", false},    {"QA0ABCDEF", false},
        {"/QA1AB", false},     {"QA1AB/", false}, {"QA/QB/QC/1", false}, {"QA0ABCDE", true},
        {"QA0ABCDEF/P", true}, {"-QA1ABC", true}, {"QA1ABC", true},      {"Q1A", true},
        {"--Q1", false},       {"QA1234", true},  {"QB/QA1ABC/P", true}, {"Q/1/A", true},
    };
    for (const auto& [call, ok] : faelle)
        EXPECT_EQ(PruefeRufzeichen(call), ok) << call;
}

TEST(DoppelIndex, MatchesTheScanOfTheLog) {
    DoppelIndex index;
    index.Aufbauen({"QA1ABC", "QB/QA3ABC", "Q1A"});
    EXPECT_TRUE(index.Gearbeitet("QA1ABC/P"));
    EXPECT_TRUE(index.Gearbeitet("QA3ABC/QB"));
    EXPECT_FALSE(index.Gearbeitet("QD/Q1A/P")) << "compares Q1A/P with Q1A";
    EXPECT_FALSE(index.Gearbeitet("qa1abc")) << "case-sensitive";
    index.Hinzufuegen("QD/Q1A/P");
    EXPECT_TRUE(index.Gearbeitet("QD/Q1A/P"));
    EXPECT_FALSE(DoppelIndex().Gearbeitet("QA1ABC"));
}
