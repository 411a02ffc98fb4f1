// The mask grammar without a field: parsing, assigned texts, read-back, blank fill, the first
// missing place, typing and deleting in the places.
#include "core/Maske.h"

#include <gtest/gtest.h>
#include <ostream>

inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

using core::Maske;

const QString Bericht2 = QStringLiteral("00;0; ");
const QString Bericht3 = QStringLiteral("000;0; ");
const QString Dok = QStringLiteral(">cccccccc;1;_");
const QString Zeit = QStringLiteral("!90:00;1; ");
const QString ZeitOhneLiterale = QStringLiteral("!90:00;0; ");

struct ZuweisFall {
    const char* name;
    QString maske;
    QString text;
    QString gelesen; // Text()
    QString anzeige; // what the field shows
    int fehlt;       // first required place left unfilled
};

void PrintTo(const ZuweisFall& f, std::ostream* os) {
    *os << f.name;
}

class Zuweisen : public ::testing::TestWithParam<ZuweisFall> {};

TEST_P(Zuweisen, VerteiltTextAufStellen) {
    const ZuweisFall& f = GetParam();
    const Maske m(f.maske);
    const QString inhalt = m.Zugewiesen(f.text);
    EXPECT_EQ(m.Text(inhalt), f.gelesen);
    EXPECT_EQ(m.Anzeige(inhalt), f.anzeige);
    EXPECT_EQ(m.ErsteFehlendeStelle(inhalt), f.fehlt);
}

const ZuweisFall zuweisFaelle[] = {
    {"Rapport2_schneidet_599_auf_59", Bericht2, "599", "59", "59", -1},
    {"Rapport2_eine_Ziffer", Bericht2, "5", "5", "5 ", 1},
    {"Rapport3_599", Bericht3, "599", "599", "599", -1},
    {"Rapport_leer", Bericht2, "", "", "  ", 0},
    {"Rapport_Buchstaben_fallen_weg", Bericht2, "5a", "5", "5 ", 1},
    {"Dok_gross", Dok, "k32", "K32     ", "K32_____", -1},
    {"Dok_aufgefuellt_wieder_zugewiesen", Dok, "K32     ", "K32     ", "K32_____", -1},
    {"Dok_Semikolon_faellt_weg", Dok, "K;32", "K32     ", "K32_____", -1},
    {"Zeit", Zeit, "18:15", "18:15", "18:15", -1},
    {"Zeit_einstellige_Stunde", Zeit, "8:15", " 8:15", " 8:15", -1},
    {"Zeit_ohne_Doppelpunkt", Zeit, "1815", "18:15", "18:15", -1},
    {"Zeit_mit_Sekunden_abgeschnitten", Zeit, "18:15:00", "18:15", "18:15", -1},
    {"Zeit_ohne_Minuten", Zeit, "18:", "18:  ", "18:  ", 3},
    {"Zeit_ohne_Literale_im_Text", ZeitOhneLiterale, "18:15", "1815", "18:15", -1},
};

INSTANTIATE_TEST_SUITE_P(Masken, Zuweisen, ::testing::ValuesIn(zuweisFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Maske, ZerlegtMaskeInStellenUndGruppen) {
    const Maske zeit(Zeit);
    ASSERT_EQ(zeit.Anzahl(), 5);
    EXPECT_EQ(zeit.At(0).art, Maske::Art::ZifferFrei);
    EXPECT_EQ(zeit.At(1).art, Maske::Art::ZifferPflicht);
    EXPECT_EQ(zeit.At(2).art, Maske::Art::Literal);
    EXPECT_EQ(zeit.At(2).literal, QLatin1Char(':'));
    EXPECT_EQ(zeit.At(0).gruppe, zeit.At(1).gruppe);
    EXPECT_NE(zeit.At(1).gruppe, zeit.At(3).gruppe);
    EXPECT_EQ(zeit.Leerzeichen(), QLatin1Char(' '));
    EXPECT_TRUE(zeit.LiteraleImText());
    EXPECT_FALSE(Maske(ZeitOhneLiterale).LiteraleImText());

    // A "\" makes the next mask character a literal; ">" applies to what follows it only.
    const Maske maskiert(QStringLiteral("c>c\\0;1;*"));
    ASSERT_EQ(maskiert.Anzahl(), 3);
    EXPECT_FALSE(maskiert.At(0).gross);
    EXPECT_TRUE(maskiert.At(1).gross);
    EXPECT_EQ(maskiert.At(2).art, Maske::Art::Literal);
    EXPECT_EQ(maskiert.At(2).literal, QLatin1Char('0'));
    EXPECT_EQ(maskiert.Anzeige(maskiert.Zugewiesen(QStringLiteral("ab"))), QStringLiteral("aB0"));
    EXPECT_EQ(maskiert.Anzeige(maskiert.LeererInhalt()), QStringLiteral("**0"));

    EXPECT_TRUE(Maske(QString()).Leer());
    EXPECT_TRUE(Maske(QStringLiteral(";1;_")).Leer());
}

TEST(Maske, WasEineStelleNimmt) {
    const Maske dok(Dok);
    for (const char16_t c : {u'a', u' ', u'/', u'\u00e4'})
        EXPECT_TRUE(dok.Akzeptiert(0, QChar(c))) << int(c);
    for (const char16_t c : {u';', u'\0', u'\a', u'\u200b', char16_t(0xD800)})
        EXPECT_FALSE(dok.Akzeptiert(0, QChar(c))) << int(c);
    const Maske bericht(Bericht2);
    EXPECT_TRUE(bericht.Akzeptiert(1, QLatin1Char('9')));
    EXPECT_FALSE(bericht.Akzeptiert(1, QLatin1Char('a')));
}

TEST(Maske, TippenUndLoeschenInDenStellen) {
    const Maske zeit(Zeit);
    QString inhalt = zeit.LeererInhalt();
    int cursor = 0;
    // "8", then the separator settles the hour at the end of its group.
    for (const QChar c : QStringLiteral("8:15"))
        EXPECT_TRUE(zeit.Tippe(inhalt, cursor, c, false));
    EXPECT_EQ(zeit.Text(inhalt), QStringLiteral(" 8:15"));
    EXPECT_EQ(cursor, 5);
    EXPECT_FALSE(zeit.Tippe(inhalt, cursor, QLatin1Char('x'), false));
    EXPECT_FALSE(zeit.Tippe(inhalt, cursor, QLatin1Char(';'), false));

    const Maske dok(Dok);
    inhalt = dok.Zugewiesen(QStringLiteral("K32"));
    dok.Entferne(inhalt, 1, 2);
    EXPECT_EQ(dok.Text(inhalt), QStringLiteral("K2      "));
    cursor = 0;
    EXPECT_TRUE(dok.Tippe(inhalt, cursor, QLatin1Char('z'), false));
    EXPECT_EQ(dok.Text(inhalt), QStringLiteral("Z2      "));
    EXPECT_EQ(dok.Kopie(inhalt, 0, 8), QStringLiteral("Z2"));
}

} // namespace
