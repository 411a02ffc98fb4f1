#include "core/SonderListen.h"
#include "platform/Dateien.h"
#include "support/SonderDateien.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace core;
using testsupport::Fixture;
using testsupport::TestWelt;

namespace {
const QString LangeMeldung = QStringLiteral(
    "Es wurde keine Liste gefunden. SonderRufzeichen bitte in Datei: LogSonderCall.txt "
    "zeilenweise eintragen\rSonderrufzeichen laut Ausschreibung die als Multi zählen in der "
    "Datei: LogSonderDOKs.txt zeilenweise abspeichern.");
} // namespace

TEST(ListenDatei, LineEndsNulAndCodePage) {
    struct Fall {
        const char* fixture;
        QStringList zeilen;
    } faelle[] = {
        // CR LF, lone CR, lone LF, then LF CR as two line ends; 0xC4 0xDF are Windows-1252.
        {"scoring-zeilenenden.txt", {"DL1AA", "DL2BB", "DL3CC", "", QStringLiteral("DÄß")}},
        {"scoring-nul.txt", {"K01", "K02"}},
        {"scoring-sonderdoks-leerzeile.txt", {"Z22", "", "25MR"}},
    };
    TestWelt welt;
    for (const auto& f : faelle) {
        welt.Schreibe("liste.txt", Fixture(f.fixture));
        EXPECT_EQ(ListenDateiLesen(welt.Pfad("liste.txt")), f.zeilen) << f.fixture;
    }
}

TEST(ListenDatei, BoundariesOfTheLastLine) {
    struct Fall {
        QByteArray daten;
        QStringList zeilen;
    } faelle[] = {
        {"", {}},
        {"\r\n", {""}}, // one empty line, the final break adds nothing
        {"\r\n\r\n", {"", ""}},
        {"A", {"A"}}, // no break after the last line
        {"A\r", {"A"}},
        {"A\n\r", {"A", ""}},     // LF CR: the CR ends a second, empty line
        {"\0A\r\n", {}},          // NUL first: no data at all
        {" Z22 \r\n", {" Z22 "}}, // kept as it stands
    };
    for (const auto& f : faelle)
        EXPECT_EQ(ListenZeilen(f.daten), f.zeilen) << f.daten.toHex().toStdString();
}

// Missing, no regular file (a FIFO would hang the start, a device fill the memory) or beyond the
// size limit: no lines.
TEST(ListenDatei, MissingOrUnreadableGivesNoLines) {
    TestWelt welt;
    EXPECT_TRUE(ListenDateiLesen(welt.Pfad("fehlt.txt")).isEmpty());
    for (const auto art : testsupport::AlleSonderarten) {
        testsupport::SonderdateiAnlegen(welt.Pfad(SonderDokDatei), art);
        testsupport::FifoWaechter waechter(welt.Pfad(SonderDokDatei));
        SonderListen listen;
        SonderListenStartLaden(listen, welt.Pfad(""));
        EXPECT_EQ(listen.SonderDOKListe.Anzahl(), 0) << Name(art);
    }
    QFile::remove(welt.Pfad(SonderDokDatei));
    welt.Schreibe("gross.txt", "Z22\r\n");
    QFile f(welt.Pfad("gross.txt"));
    ASSERT_TRUE(f.resize(platform::TextDateiGrenze + 1));
    EXPECT_TRUE(ListenDateiLesen(welt.Pfad("gross.txt")).isEmpty());
}

// An editor's UTF-8 byte-order mark is no part of the first entry, and the text is read as UTF-8.
TEST(ListenDatei, Utf8ByteOrderMark) {
    EXPECT_EQ(ListenZeilen("\xEF\xBB\xBFZ22\r\nD\xC3\x96K\r\n"),
              (QStringList{"Z22", QStringLiteral("DÖK")}));
    SonderListe liste;
    liste.Setzen(ListenZeilen("\xEF\xBB\xBF"
                              "z22\r\n"));
    EXPECT_TRUE(liste.Enthaelt("Z22"));
}

TEST(SonderListe, LookupIgnoresCaseButNotBlanks) {
    SonderListe liste;
    liste.Setzen({"z22", "Z22 ", "dl1abc", QStringLiteral("dä0xx"), "z22"});
    EXPECT_EQ(liste.Anzahl(), 5) << "duplicates are kept";
    EXPECT_EQ(liste.Eintraege().at(1), "Z22 ");
    EXPECT_TRUE(liste.Enthaelt("Z22"));
    EXPECT_TRUE(liste.Enthaelt("DL1ABC"));
    EXPECT_TRUE(liste.Enthaelt(QStringLiteral("DÄ0XX")));
    EXPECT_TRUE(liste.Enthaelt("z22 ")) << "the entry with the blank matches only with it";
    EXPECT_FALSE(liste.Enthaelt(" Z22"));
    EXPECT_FALSE(liste.Enthaelt("Z2"));
    EXPECT_FALSE(liste.Enthaelt(""));

    liste.Setzen({"A", " \t", "", "B\x01", "\x01"});
    liste.LeereEntfernen();
    EXPECT_EQ(liste.Eintraege(), QStringList({"A", "B\x01"}));
    EXPECT_FALSE(liste.Enthaelt("")) << "the lookup follows the removal";
}

TEST(SonderListen, StartDropsBlankDokEntriesReloadKeepsAndCountsThem) {
    TestWelt welt;
    welt.Schreibe(SonderDokDatei, Fixture("scoring-sonderdoks-leerzeile.txt"));
    SonderListen listen;
    SonderListenStartLaden(listen, welt.Pfad(""));
    EXPECT_EQ(listen.SonderDOKListe.Eintraege(), QStringList({"Z22", "25MR"}));
    EXPECT_EQ(listen.SonderCallListe.Anzahl(), 0);

    EXPECT_EQ(SonderListenNeuEinlesen(listen, welt.Pfad("")),
              "Es wurden 3 Sonder-DOKs eingelesen\r")
        << "only the line of the list that is present";
    EXPECT_EQ(listen.SonderDOKListe.Eintraege(), QStringList({"Z22", "", "25MR"}));
    EXPECT_TRUE(listen.SonderDOKListe.Enthaelt(""));
}

TEST(SonderListen, StartKeepsBlankCallEntries) {
    TestWelt welt;
    welt.Schreibe(SonderCallDatei, Fixture("scoring-sondercall-leer-am-ende.txt"));
    SonderListen listen;
    SonderListenStartLaden(listen, welt.Pfad(""));
    EXPECT_EQ(listen.SonderCallListe.Eintraege(), QStringList({"DA0XX", "DB1YY", " \t"}));
}

TEST(SonderListen, ReloadMessages) {
    struct Fall {
        const char* name;
        std::optional<QByteArray> doks, calls;
        QString meldung;
    } faelle[] = {
        {"both", QByteArray("Z22\r\n25MR\r\n"), QByteArray("DA0XX\r\n"),
         "Es wurden 2 Sonder-DOKs eingelesen\rEs wurden 1 Sonder-Rufzeichen eingelesen\r"},
        {"calls only", std::nullopt, QByteArray("DA0XX\r\nDB1YY"),
         "Es wurden 2 Sonder-Rufzeichen eingelesen\r"},
        {"both missing", std::nullopt, std::nullopt, LangeMeldung},
        {"both empty", QByteArray(), QByteArray(), LangeMeldung},
    };
    for (const auto& f : faelle) {
        TestWelt welt;
        if (f.doks)
            welt.Schreibe(SonderDokDatei, *f.doks);
        if (f.calls)
            welt.Schreibe(SonderCallDatei, *f.calls);
        SonderListen listen;
        listen.SonderDOKListe.Setzen({"ALT"});
        listen.SonderCallListe.Setzen({"ALT"});
        EXPECT_EQ(SonderListenNeuEinlesen(listen, welt.Pfad("")), f.meldung) << f.name;
        EXPECT_FALSE(listen.SonderDOKListe.Enthaelt("ALT")) << f.name << ": replaced as a whole";
        EXPECT_FALSE(listen.SonderCallListe.Enthaelt("ALT")) << f.name;
    }
}
