// The split of LOG.TXT lines into fields, the file's lines, and the step to a QSO record.
#include "export/Zerlegung.h"

#include <gtest/gtest.h>

using namespace exporte;

namespace {

std::string Zeigen(const QList<QByteArray>& felder) {
    std::string s;
    for (const QByteArray& f : felder)
        s += "[" + f.toStdString() + "]";
    return s;
}

} // namespace

TEST(Zerlegung, Trennregel) {
    const struct {
        const char* name;
        QByteArray zeile;
        QList<QByteArray> felder;
    } faelle[] = {
        {"line as the log writes it: 11 values and a final empty field",
         "1;24.03.2016;19:05:00;DL1ABC;59;K32;59;Z22;2;;SSB;",
         {"1", "24.03.2016", "19:05:00", "DL1ABC", "59", "K32", "59", "Z22", "2", "", "SSB", ""}},
        {"empty line has no field", "", {}},
        {"empty fields between semicolons count", ";;", {"", "", ""}},
        {"blank inside a value becomes 0xA0 and does not end it",
         "a b;c",
         {"a\xA0"
          "b",
          "c"}},
        {"leading blank is a field character, not skipped",
         " a;",
         {"\xA0"
          "a",
          ""}},
        {"control characters before a field are skipped",
         "\t\x01"
         "a;b",
         {"a", "b"}},
        {"tab inside a value ends the field", "a\tb;c", {"a", "b", "c"}},
        {"tab before the semicolon ends the field once", "a\t;b", {"a", "b"}},
        {"final empty field only when the semicolon is the last character", "a;\t", {"a"}},
        {"quoted field with a doubled quote and a semicolon", "\"x;\"\"y\";z", {"x;\"y", "z"}},
        {"quote without its closing quote is plain text", "\"abc;d;", {"\"abc", "d", ""}},
        {"text right after the closing quote starts a field", "\"ab\"cd;", {"ab", "cd", ""}},
        {"quote inside a value is plain text", "a\"b;", {"a\"b", ""}},
        {"byte 0 ends the line", QByteArray("a;b\0c;d;", 8), {"a", "b"}},
        {"0xA0 already in the file stays in its field", "\xA0;", {"\xA0", ""}},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(Zeigen(ZeileZerlegen(f.zeile)), Zeigen(f.felder)) << f.name;
}

TEST(Zerlegung, NbspZuBlankGibtDieBlanksZurueck) {
    const QByteArray zeile = "  zwei  Blanks ";
    EXPECT_EQ(BlankZuNbsp(zeile), "\xA0\xA0zwei\xA0\xA0"
                                  "Blanks\xA0");
    EXPECT_EQ(NbspZuBlank(BlankZuNbsp(zeile)), zeile);
    EXPECT_EQ(Getrimmt(QByteArrayView("\t\xA0x\xA0\r")), "\xA0x\xA0");
}

TEST(Zerlegung, DateiZeilen) {
    const struct {
        const char* name;
        QByteArray inhalt;
        QList<QByteArray> zeilen;
    } faelle[] = {
        {"CR LF, the last line included", "K\r\nA\r\n", {"K", "A"}},
        {"last line without its end", "K\r\nA", {"K", "A"}},
        {"lone LF and lone CR", "K\nA\rB", {"K", "A", "B"}},
        {"empty line inside", "K\r\n\r\nA\r\n", {"K", "", "A"}},
        {"empty file", "", {}},
        {"header only", "K\r\n", {"K"}},
    };
    for (const auto& f : faelle) {
        QList<QByteArray> zeilen;
        for (QByteArrayView z : DateiZeilen(f.inhalt))
            zeilen.append(z.toByteArray());
        EXPECT_EQ(Zeigen(zeilen), Zeigen(f.zeilen)) << f.name;
    }
}

TEST(Zerlegung, QsoFelderSetztBemerkungMitSemikolonWiederZusammen) {
    const QByteArray vorn = "1;07.03.2014;19:05:00;DL1ABC;59;K32;57;Z22;";
    const struct {
        const char* name;
        QByteArray zeile;
        ZeilenArt art;
        QByteArray bemerkung; // field 9 when art is Qso
        QByteArray mode;      // field 10
    } faelle[] = {
        {"regular line", vorn + "2;rem;SSB;", ZeilenArt::Qso, "rem", "SSB"},
        {"regular line without the final semicolon", vorn + "2;rem;SSB", ZeilenArt::Qso, "rem",
         "SSB"},
        {"ten fields", vorn + "2;rem", ZeilenArt::ZuKurz, {}, {}},
        {"empty line", "", ZeilenArt::ZuKurz, {}, {}},
        {"semicolon in the remark", vorn + "2;Preis; 5 Euro;SSB;", ZeilenArt::Qso,
         "Preis;\xA0"
         "5\xA0"
         "Euro",
         "SSB"},
        {"two semicolons in a row", vorn + "80;a;;b;CW;", ZeilenArt::Qso, "a;;b", "CW"},
        {"semicolon in the remark, no final semicolon", vorn + "0.70;a;b;FM", ZeilenArt::Qso, "a;b",
         "FM"},
        {"tab in the remark kept as it was", vorn + "10;a\tb;RTTY;", ZeilenArt::Qso, "a\tb",
         "RTTY"},
        {"remark starting with a quoted word keeps its quotes", vorn + "40;\"Opa\" Hans;SSTV;",
         ZeilenArt::Qso, "\"Opa\"\xA0Hans", "SSTV"},
        {"semicolon in the callsign moves the band",
         "1;07.03.2014;19:05:00;DL;1ABC;59;K32;57;Z22;2;;SSB;",
         ZeilenArt::Unklar,
         {},
         {}},
        {"no known mode at the end", vorn + "2;a;b;XYZ;", ZeilenArt::Unklar, {}, {}},
        {"band outside the table", vorn + "15;a;b;SSB;", ZeilenArt::Unklar, {}, {}},
        {"text after the mode", vorn + "2;rem;SSB;x", ZeilenArt::Unklar, {}, {}},
    };
    for (const auto& f : faelle) {
        const QsoZeile z = QsoFelder(f.zeile);
        EXPECT_EQ(z.art, f.art) << f.name;
        if (z.art != ZeilenArt::Qso || f.art != ZeilenArt::Qso)
            continue;
        ASSERT_GE(z.felder.size(), 11) << f.name;
        EXPECT_EQ(z.felder[9], f.bemerkung) << f.name;
        EXPECT_EQ(z.felder[10], f.mode) << f.name;
        EXPECT_EQ(z.felder[3], "DL1ABC") << f.name;
        EXPECT_EQ(z.felder[7], "Z22") << f.name;
    }
}
