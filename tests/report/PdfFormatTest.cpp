// The PDF syntax pieces: numbers, colours, strings, names; and the paper list and metrics.
#include "report/PdfFormat.h"
#include "report/PdfMetriken.h"
#include "report/PdfPapier.h"

#include <QSet>
#include <gtest/gtest.h>

using namespace report;

TEST(PdfFormat, ZahlHoechstensDreiStellenOhneNullen) {
    const struct {
        double wert;
        const char* text;
    } faelle[] = {
        {2100 * 72.0 / 254.0, "595.276"},
        {2970 * 72.0 / 254.0, "841.89"},
        {192 / 255.0, "0.753"},
        {1, "1"},
        {0, "0"},
        {-0.0004, "0"}, // never "-0"
        {-12.5, "-12.5"},
        {0.1 + 0.2, "0.3"},
        {0.0005, "0.001"},
        {2.9999, "3"},
        {1234567.25, "1234567.25"},
        {-0.0006, "-0.001"},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(PdfZahl(f.wert), QByteArray(f.text)) << f.wert;
}

TEST(PdfFormat, FarbeJeKomponenteDurch255MitBlank) {
    EXPECT_EQ(PdfFarbwerte(clSilver), "0.753 0.753 0.753 ");
    EXPECT_EQ(PdfFarbwerte(clBlack), "0 0 0 ");
    EXPECT_EQ(PdfFarbwerte(PdfFarbe{255, 128, 0}), "1 0.502 0 ");
    EXPECT_EQ(PdfFarbwerte(PdfFarbe{300, -5, 0}), "1 0 0 ");
}

TEST(PdfFormat, TextEscapedUndInWindows1252) {
    const struct {
        QString text;
        QByteArray bytes;
    } faelle[] = {
        {QStringLiteral("(Straße)"), QByteArray("(\\(Stra\xDF"
                                                "e\\))")},
        {QStringLiteral("a\\b"), QByteArray("(a\\\\b)")},
        {QStringLiteral("\b\t\n\f\r"), QByteArray("(\\b\\t\\n\\f\\r)")},
        {QStringLiteral("ÄÖÜäöü€"), QByteArray("(\xC4\xD6\xDC\xE4\xF6\xFC\x80)")},
        {QStringLiteral("Ω"), QByteArray("(?)")},
        {QString(), QByteArray("()")},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(PdfText(f.text), f.bytes) << f.text.toStdString();
}

TEST(PdfFormat, NamenMitNummernzeichen) {
    EXPECT_EQ(PdfName(u"Courier New,Bold"), "Courier#20New,Bold");
    EXPECT_EQ(PdfName(u"Times New Roman"), "Times#20New#20Roman");
    EXPECT_EQ(PdfName(u"Arial"), "Arial");
    // A name must not be able to end itself or open a string.
    EXPECT_EQ(PdfName(u"A/B(C)#"), "A#2FB#28C#29#23");
}

TEST(PdfPapier, ListeUndSucheOhneGrossKlein) {
    const auto liste = Papierliste();
    EXPECT_EQ(liste.size(), 41u);
    QSet<QString> namen;
    for (const PdfPapier& p : liste)
        namen.insert(QString::fromLatin1(p.name).toLower());
    EXPECT_EQ(namen.size(), 41);
    const struct {
        const char* name;
        int breite, hoehe;
    } faelle[] = {{"Letter", 2159, 2794}, {"LEGAL", 2159, 3556}, {"a3", 2970, 4200},
                  {"A4", 2100, 2970},     {"a5", 1480, 2100},    {"envelope dl", 1100, 2200}};
    for (const auto& f : faelle) {
        const PdfPapier* p = SuchePapier(QString::fromLatin1(f.name));
        ASSERT_NE(p, nullptr) << f.name;
        EXPECT_EQ(p->breite, f.breite) << f.name;
        EXPECT_EQ(p->hoehe, f.hoehe) << f.name;
    }
    EXPECT_EQ(SuchePapier(u"A7"), nullptr);
    EXPECT_EQ(SuchePapier(u"A4 "), nullptr);
}

TEST(PdfMetriken, ArialUndCourierNewAusDenLiberationSchriften) {
    const PdfSchriftMetrik* arial = SucheSchriftMetrik(u"arial", false, false);
    ASSERT_NE(arial, nullptr);
    EXPECT_STREQ(arial->name, "Arial");
    EXPECT_EQ(arial->ersterCode, 32);
    EXPECT_EQ(arial->letzterCode, 255);
    // Arial's well-known widths: space, "A", "W", "i", "ß", "€".
    EXPECT_EQ(arial->Breite(' '), 278);
    EXPECT_EQ(arial->Breite('A'), 667);
    EXPECT_EQ(arial->Breite('W'), 944);
    EXPECT_EQ(arial->Breite('i'), 222);
    EXPECT_EQ(arial->Breite(0xDF), 611);
    EXPECT_EQ(arial->Breite(0x80), 556);
    EXPECT_EQ(arial->Breite(0x10), 0); // outside the range
    EXPECT_EQ(arial->ascent, 905);
    EXPECT_EQ(arial->descent, 212);

    const PdfSchriftMetrik* fett = SucheSchriftMetrik(u"Arial", true, false);
    ASSERT_NE(fett, nullptr);
    EXPECT_EQ(fett->Breite('i'), 278);
    EXPECT_LT(fett->unterstrichPosition, 0);
    EXPECT_GT(fett->durchstrichPosition, 0);

    for (const bool f : {false, true}) {
        const PdfSchriftMetrik* courier = SucheSchriftMetrik(u"Courier New", f, false);
        ASSERT_NE(courier, nullptr);
        EXPECT_EQ(courier->familie, SchriftFamilie::Modern);
        for (int code = 32; code <= 255; ++code)
            ASSERT_EQ(courier->Breite(static_cast<unsigned char>(code)), 600) << code;
    }
    EXPECT_EQ(SucheSchriftMetrik(u"Arial", false, true)->italicAngle, -12);
    EXPECT_EQ(SucheSchriftMetrik(u"Comic Sans MS", false, false), nullptr);
}
