// Column formats, cell macros and the &-codes of the friendly header and footer. The test
// program runs with the German locale, so widths are written with a decimal comma.
#include "report/Spaltenformat.h"
#include "support/TestUmgebung.h"

#include <gtest/gtest.h>

using namespace report;

namespace {

struct Normierung {
    const char* name;
    QString format;
    QString erwartet;
};

TEST(Spaltenformat, NormiertJedenEintragAufAusrichtungUndKuerzesteBreite) {
    const Normierung faelle[] = {
        {"examples stay as they are", "<17|<16|<35", "<17|<16|<35"},
        {"centred columns stay", "^20|^20|<100", "^20|^20|<100"},
        {"right column stays", ">200", ">200"},
        {"number alone is left", "17|8", "<17|<8"},
        {"alignment alone takes the default", "^|>", "^7,5|>7,5"},
        {"empty entries take the default", "<10||>5", "<10|<7,5|>5"},
        {"garbage width takes the default", "<abc|>12x|^", "<7,5|>7,5|^7,5"},
        {"negative width is kept", "<-20|-3", "<-20|<-3"},
        {"decimal comma is read", "<12,50|>0,1", "<12,5|>0,1"},
        {"a point is no decimal separator here", "<12.5", "<7,5"},
        {"group separators are no width", "<1.000", "<7,5"},
        {"no infinite or missing numbers", "<inf|>nan|^1e999", "<7,5|>7,5|^7,5"},
        {"blanks around a width", "< 17 ", "<17"},
        {"zero has no sign", "<-0", "<0"},
        {"empty format stays empty", "", ""},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(NormiereFormat(f.format, u'|', 7.5), f.erwartet) << f.name;
}

TEST(Spaltenformat, NormierungIstStabilUndRechnetUm) {
    const QString einmal = NormiereFormat(QStringLiteral("<1|>2|^0,125"), u'|', 0, 25.4);
    EXPECT_EQ(einmal, QStringLiteral("<25,4|>50,8|^3,175"));
    EXPECT_EQ(NormiereFormat(einmal, u'|', 0), einmal);
    EXPECT_EQ(NormiereFormat(einmal, u'|', 0, 1 / 25.4), QStringLiteral("<1|>2|^0,125"));
    // Another separator splits only at itself.
    EXPECT_EQ(NormiereFormat(QStringLiteral("<1;>2|3"), u';', 9), QStringLiteral("<1;>9"));
}

TEST(Spaltenformat, LiestAusrichtungUndBreite) {
    const auto f = LiesSpaltenformat(u"^-12,5", 3);
    EXPECT_EQ(f.ausrichtung, Ausrichtung::Mitte);
    EXPECT_DOUBLE_EQ(f.breite, -12.5);
    EXPECT_EQ(LiesSpaltenformat(u">", 3).ausrichtung, Ausrichtung::Rechts);
    EXPECT_DOUBLE_EQ(LiesSpaltenformat(u">", 3).breite, 3);
    EXPECT_EQ(LiesSpaltenformat(u"", 3).ausrichtung, Ausrichtung::Links);
}

TEST(Spaltenformat, MakrosWerdenInIhrerReihenfolgeErsetzt) {
    testsupport::FesteUhr uhr(QDateTime(QDate(2016, 3, 24), QTime(19, 5, 0)));
    const Makrowerte w{7, 3, QStringLiteral("DOK-Abend {$PAGE}")};
    EXPECT_EQ(ErsetzeMakros(QStringLiteral("Z{$LINE} S{$PAGE}/{$PAGE} {$DATE} {$TIME}"), w),
              QStringLiteral("Z7 S3/3 24.03.2016 19:05:00"));
    // The title comes last, so a macro inside it stays as it is.
    EXPECT_EQ(ErsetzeMakros(QStringLiteral("{$TITLE}"), w), QStringLiteral("DOK-Abend {$PAGE}"));
    EXPECT_EQ(ErsetzeMakros(QStringLiteral("{$page} {$PAGE"), w), QStringLiteral("{$page} {$PAGE"));
}

struct Freundlich {
    const char* name;
    QString eingabe;
    QString text;
    QString ausrichtungen; // one character per column
};

TEST(Spaltenformat, FreundlicheKopfzeileWirdZuTextUndSpalten) {
    testsupport::FesteUhr uhr(QDateTime(QDate(2016, 3, 24), QTime(19, 5, 7)));
    const Freundlich faelle[] = {
        {"plain text is one left column", "Ausdruck", "Ausdruck", "<"},
        {"codes of the page and the title", "Seite &p: &i", "Seite {$PAGE}: {$TITLE}", "<"},
        {"dates and times", "&d &D &t &T", "24.03.2016 Donnerstag, 24. März 2016 19:05 19:05:07",
         "<"},
        {"file name and its name alone", "&F|&f", "/tmp/log/LOG.TXT|LOG.TXT", "<"},
        {"ampersand", "A&&B", "A&B", "<"},
        {"unknown code and a trailing ampersand are blanks", "a&xb&", "a b ", "<"},
        {"three columns", "&lLinks&cMitte&rRechts", "Links|Mitte|Rechts", "<^>"},
        {"text before the first column code is a left column", "vorn&rhinten", "vorn|hinten", "<>"},
        {"a column code at the end opens an empty column", "vorn&c", "vorn|", "<^"},
        {"empty", "", "", "<"},
    };
    for (const auto& f : faelle) {
        const auto k =
            WandleFreundlich(f.eingabe, u'|', 180, QStringLiteral("/tmp/log/LOG.TXT"), uhr.jetzt);
        EXPECT_EQ(k.text, f.text) << f.name;
        const QString breite =
            QLocale().toString(180.0 / f.ausrichtungen.size(), 'f', 2).remove(u'.');
        QStringList format;
        for (const QChar a : f.ausrichtungen)
            format << a + breite;
        EXPECT_EQ(k.format, format.join(u'|')) << f.name;
    }
}

TEST(Spaltenformat, LeererDateinameWirdZumLeerzeichen) {
    const auto k = WandleFreundlich(QStringLiteral("[&F][&f]"), u'|', 10, QString(),
                                    QDateTime::currentDateTime());
    EXPECT_EQ(k.text, QStringLiteral("[ ][ ]"));
    EXPECT_EQ(k.format, QStringLiteral("<10,00"));
}

} // namespace
