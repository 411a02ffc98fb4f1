#include "platform/Codepage.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Codepage, AnsiRoundTripOfEveryByte) {
    QByteArray alle;
    for (int b = 0; b < 256; ++b)
        alle += static_cast<char>(b);
    EXPECT_EQ(TextNachAnsi(AnsiNachText(alle)), alle);
}

TEST(Codepage, GermanLettersAndEuroAndUnknown) {
    EXPECT_EQ(TextNachAnsi(QStringLiteral("äöüÄÖÜß€")),
              QByteArray("\xE4\xF6\xFC\xC4\xD6\xDC\xDF\x80"));
    EXPECT_EQ(AnsiNachText(QByteArray("Stra\xDF"
                                      "e")),
              QStringLiteral("Straße"));
    // A character that Windows-1252 cannot hold becomes "?".
    EXPECT_EQ(TextNachAnsi(QStringLiteral("a\u4E2Db")), QByteArray("a?b"));
}

TEST(Codepage, OemOfGermanLetters) {
    // Code page 850: ä 0x84, ö 0x94, ü 0x81, Ä 0x8E, Ö 0x99, Ü 0x9A, ß 0xE1; ASCII unchanged.
    EXPECT_EQ(AnsiNachOem(QByteArray("Aa\xE4\xF6\xFC\xC4\xD6\xDC\xDF")),
              QByteArray("Aa\x84\x94\x81\x8E\x99\x9A\xE1"));
    EXPECT_EQ(AnsiNachOem(QByteArray("\x80")), QByteArray("?"));
}
