// The version marker: our programs carry the project's version, any file can be asked for it.
#include "platform/Versionsmarke.h"
#include "platform/Version.h"
#include "support/TestUmgebung.h"

#include <QCoreApplication>
#include <gtest/gtest.h>

using namespace platform;
using testsupport::TestWelt;

TEST(Versionsmarke, UnserProgrammTraegtDieProjektversion) {
    const auto v = LiesVersionsMarke(QCoreApplication::applicationFilePath());
    ASSERT_TRUE(v);
    EXPECT_EQ(QStringLiteral("%1.%2.%3.%4").arg((*v)[0]).arg((*v)[1]).arg((*v)[2]).arg((*v)[3]),
              QString::fromLatin1(DateiVersion) +
                  (QString::fromLatin1(DateiVersion).count(u'.') == 2 ? ".0" : ""));
}

TEST(Versionsmarke, GefundenUeberallUndNurWennSieHeilIst) {
    TestWelt welt;
    const QByteArray marke = VersionsMarke({1, 9, 65535, 7});
    const QByteArray kaputt = QByteArray(marke).replace(marke.size() - 1, 1, "\x01");
    struct Fall {
        const char* name;
        QByteArray inhalt;
        bool gefunden;
    } faelle[] = {
        {"am Anfang", marke + "rest", true},
        {"am Ende", QByteArray(500, 'a') + marke, true},
        // Across the reader's block of one megabyte.
        {"ueber die Blockgrenze", QByteArray((1 << 20) - 10, 'b') + marke, true},
        {"beschaedigte Pruefbytes", QByteArray(10, 'c') + kaputt, false},
        {"erst beschaedigt, dann heil", kaputt + marke, true},
        {"abgeschnitten", QByteArray(10, 'd') + marke.left(marke.size() - 1), false},
        {"ohne Marke", QByteArray(4000, 'e'), false},
        {"leer", {}, false},
    };
    for (const auto& f : faelle) {
        welt.Schreibe("datei", f.inhalt);
        const auto v = LiesVersionsMarke(welt.Pfad("datei"));
        EXPECT_EQ(v.has_value(), f.gefunden) << f.name;
        if (v) {
            EXPECT_EQ(*v, (VersionsNummer{1, 9, 65535, 7})) << f.name;
        }
    }
    EXPECT_FALSE(LiesVersionsMarke(welt.Pfad("fehlt")));
}
