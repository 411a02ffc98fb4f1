// Correcting and deleting a logged QSO: which line of LOG.TXT belongs to which QSO, the rewrite
// that touches only that line, the checks before anything is written, the state that follows,
// and the failures that leave the file and the state as they were.
#include "core/Kontest.h"
#include "core/LogDatei.h"
#include "core/LogKorrektur.h"
#include "support/AbbrechendeGeraete.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <functional>
#include <gtest/gtest.h>
#include <optional>
#include <sys/mount.h>
#include <unistd.h>

using namespace core;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(LogKopfzeile) + "\r\n";
const QString Schreibfehler = QStringLiteral("Schreibfehler im Logfile: LOG.TXT");

const QByteArray Drei = Kopf + "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K01;80;;SSB;\r\n"
                               "1;24.03.2026;19:02:00;QA2BB;59;K32;59;K02;2;;SSB;\r\n"
                               "1;24.03.2026;19:03:00;QA3CC;59;K32;59;Z22;2;portabel;SSB;\r\n";

// An evaluation that counts its runs and the QSOs it saw.
struct Zaehler {
    int laeufe = 0;
    Auswerter Funktion() {
        return [this](LogSpalten& log, IniRecord&, const SonderListen&) {
            ++laeufe;
            Auswertung a;
            a.Multis = log.Anzahl();
            a.QsoPunkte = log.SpalteDokEin.count(QStringLiteral("NEU"));
            return a;
        };
    }
};

struct Gestartet {
    TestWelt welt;
    Zaehler zaehler;
    Kontest k{zaehler.Funktion()};
    explicit Gestartet(const QByteArray& log) {
        welt.Schreibe("LOG.TXT", log);
        k.EinstellungenLaden({5, 5, 655});
        k.LogLaden();
    }
    QByteArray Datei() const { return welt.Lies("LOG.TXT"); }
    QStringList Liste() {
        QStringList calls;
        for (int r = 0; r < k.Liste().rowCount(); ++r)
            calls << k.Liste().index(r, 2).data().toString();
        return calls;
    }
};

// What the loader makes of a file.
LogSpalten Geladen(const QByteArray& inhalt) {
    TestWelt welt;
    welt.Schreibe("LOG.TXT", inhalt);
    LogSpalten log;
    LogDateiLesen(welt.LogTxt(), log);
    return log;
}
} // namespace

// Hand-edited files with odd lines: the line a correction replaces or removes is the one the
// loader made that QSO from, every other byte stays, and the result loads as the old log with
// only that QSO changed.
TEST(LogKorrektur, OnlyTheRecordsOwnLineChangesInOddFiles) {
    struct Fall {
        const char* name;
        QByteArray inhalt;
    } faelle[] = {
        {"plain", Drei},
        {"empty lines are records", Kopf + "\r\n1;a;b;c;\r\n\r\n"},
        {"short record and no last line end", Kopf + "1;a;b\r\n1;d;z;QA1AA;59;K32;59;K01;80;;SSB;"},
        {"lone LF and lone CR", Kopf + "1;a;\n0;b;\r;c;\r\n"},
        {"lone CR before an empty LF line", Kopf + "1;a;\r1;x;\n\n1;b;\r\n"},
        {"a header of another kind", QByteArray("Kopf\r\n1;a;\r\n")},
        {"stopped at a newer version", Kopf + "1;a;\r\n1;b;\r\n2;neu;\r\n1;c;\r\n"},
        // Lines the loader leaves out are no records: the rows after them still find their own.
        {"a line cut short and a version that is no number",
         Kopf + "1;a;\r\n1;10.12.2026;13:27:00;DA1AAC;5\r\nx;b;\r\n1;c;\r\n"},
        {"high bytes and NUL", Kopf +
                                   "1;Stra\xDF"
                                   "e;" +
                                   QByteArray(1, '\0') + ";\r\n1;q;\r\n"},
    };
    const QsoWerte neu{"01.04.2026", "18:00:00", "QA9ZZ", "599",   "K32",
                       "579",        "NEU",      "40",    "Grüße", "CW"};
    const QByteArray neueZeile = "1;01.04.2026;18:00:00;QA9ZZ;599;K32;579;NEU;40;Gr\xFC\xDF"
                                 "e;CW;\r\n";
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        const LogSpalten vorher = Geladen(f.inhalt);
        const QString text = QString::fromLatin1(f.inhalt);
        const LogGliederung g = LogGliedern(text);
        ASSERT_EQ(g.saetze.size(), vorher.Anzahl()) << "the same records as the loader";
        for (int i = 0; i < vorher.Anzahl(); ++i) {
            SCOPED_TRACE(i);
            const ZeilenLage& satz = g.saetze[i];
            EXPECT_EQ(SatzWerte(QStringView(text).sliced(satz.anfang, satz.laenge)), vorher.Qso(i));
            for (const bool loeschen : {false, true}) {
                TestWelt welt;
                welt.Schreibe("LOG.TXT", f.inhalt);
                LogFingerabdruck stand;
                stand.Setze(f.inhalt);
                const auto e = LogSatzUmschreiben(welt.LogTxt(), welt.Pfad("LOG.BAK"), vorher,
                                                  stand, i, loeschen ? nullptr : &neu);
                const bool heikel = loeschen && QByteArray(f.name).startsWith("lone CR before");
                if (heikel && i == 1) {
                    // Removing "1;x;" would join the CR before it and the LF after it into one
                    // line end, and the empty record after it would vanish: refused.
                    EXPECT_FALSE(e.geschrieben);
                    EXPECT_EQ(welt.Lies("LOG.TXT"), f.inhalt);
                    continue;
                }
                ASSERT_TRUE(e.geschrieben) << loeschen;
                const QByteArray danach = welt.Lies("LOG.TXT");
                EXPECT_EQ(danach, e.inhalt);
                EXPECT_EQ(welt.Lies("LOG.BAK"), f.inhalt);
                EXPECT_FALSE(welt.Existiert("LOG.TXT.neu"));
                EXPECT_FALSE(welt.Existiert("LOG.BAK.neu"));
                const QByteArray erwartet = f.inhalt.first(satz.anfang) +
                                            (loeschen ? QByteArray() : neueZeile) +
                                            f.inhalt.sliced(satz.ende);
                EXPECT_EQ(danach, erwartet);
                LogSpalten soll = vorher;
                if (loeschen)
                    soll.Entfernen(i);
                else
                    soll.Ersetzen(i, neu);
                const LogSpalten ist = Geladen(danach);
                ASSERT_EQ(ist.Anzahl(), soll.Anzahl());
                for (int j = 0; j < ist.Anzahl(); ++j)
                    EXPECT_EQ(ist.Qso(j), soll.Qso(j)) << j;
            }
        }
    }
}

// A device that fails after N bytes and a full disk: the target keeps its bytes, and no new
// file is left beside it.
TEST(LogKorrektur, AFailingWriteLeavesTheTargetAsItWas) {
    const QByteArray alt = Drei;
    const QByteArray neu = Kopf + "1;kurz;\r\n";
    for (const qint64 erlaubt : {qint64(0), qint64(1), neu.size() / 2, neu.size() - 1}) {
        SCOPED_TRACE(erlaubt);
        TestWelt welt;
        welt.Schreibe("LOG.TXT", alt);
        testsupport::AbbrechendeDatei datei(erlaubt, welt.Pfad("LOG.TXT.neu"));
        EXPECT_FALSE(DateiErsetzen(datei, welt.LogTxt(), neu));
        EXPECT_EQ(welt.Lies("LOG.TXT"), alt);
        EXPECT_FALSE(welt.Existiert("LOG.TXT.neu"));
    }
    TestWelt welt;
    welt.Schreibe("LOG.TXT", alt);
    QFile::setPermissions(welt.LogTxt(), QFile::ReadOwner | QFile::WriteOwner);
    // A left-over of an earlier attempt that points at the log itself must not be written through.
    ASSERT_TRUE(QFile::link(welt.LogTxt(), welt.Pfad("LOG.TXT.neu")));
    testsupport::AbbrechendeDatei ganz(neu.size(), welt.Pfad("LOG.TXT.neu"));
    EXPECT_TRUE(DateiErsetzen(ganz, welt.LogTxt(), neu));
    EXPECT_EQ(welt.Lies("LOG.TXT"), neu);
    EXPECT_FALSE(welt.Existiert("LOG.TXT.neu"));
    const QFileDevice::Permissions rechte = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner |
                                            QFile::ReadGroup | QFile::WriteGroup | QFile::ExeGroup |
                                            QFile::ReadOther | QFile::WriteOther | QFile::ExeOther;
    EXPECT_EQ(QFile::permissions(welt.LogTxt()) & rechte, QFile::ReadOwner | QFile::WriteOwner)
        << "the log keeps its permissions";
}

TEST(LogKorrektur, TheFingerprintFollowsTheLoadingAndEveryAppend) {
    TestWelt welt;
    welt.Schreibe("LOG.TXT", Drei);
    Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    for (const char* call : {"QA4DD", "QA5EE"})
        ASSERT_TRUE(
            k.Speichern({"d", "z", call, "59", "K32", "59", "K05", "2", "", "SSB"}).aufPlatte);
    // The appends are known: a correction of a saved QSO goes through.
    QsoWerte q = k.Log.Qso(4);
    q.DokEin = "K06";
    EXPECT_TRUE(k.QsoErsetzen(4, q).ok);
    EXPECT_TRUE(welt.Lies("LOG.TXT").endsWith(";QA5EE;59;K32;59;K06;2;;SSB;\r\n"));

    LogFingerabdruck f;
    f.Setze("abc");
    EXPECT_TRUE(f.Passt("abc"));
    f.Angehaengt(3, "def");
    EXPECT_TRUE(f.Passt("abcdef"));
    EXPECT_FALSE(f.Passt("abcdeF"));
    f.Angehaengt(5, "ghi"); // the file was not the size known before this append
    EXPECT_FALSE(f.Passt("abcdefghi"));
}

TEST(Korrektur, AChangedQsoReachesTheFileTheListTheIndexAndTheEvaluation) {
    Gestartet s(Drei);
    const int laeufe = s.zaehler.laeufe;
    QsoWerte q = s.k.Log.Qso(2);
    q.DokEin = "NEU  ";
    q.Call = "QA7XY";
    const Kontest::Korrektur k = s.k.QsoErsetzen(2, q);
    ASSERT_TRUE(k.ok) << k.meldung.toStdString();
    EXPECT_TRUE(k.meldung.isEmpty());
    EXPECT_EQ(s.Datei(), Drei.first(Drei.indexOf("1;24.03.2026;19:03")) +
                             "1;24.03.2026;19:03:00;QA7XY;59;K32;59;NEU;2;portabel;SSB;\r\n");
    EXPECT_EQ(s.welt.Lies("LOG.BAK"), Drei);
    EXPECT_EQ(s.k.Log.SpalteDokEin[2], "NEU");
    EXPECT_EQ(s.Liste(), (QStringList{"QA7XY", "QA2BB", "QA1AA"}));
    EXPECT_EQ(s.k.Liste().index(0, 6).data().toString(), "NEU");
    EXPECT_EQ(s.zaehler.laeufe, laeufe + 1);
    EXPECT_EQ(k.auswertung.QsoPunkte, 1);
    EXPECT_EQ(s.k.LetzteAuswertung().QsoPunkte, 1);
    EXPECT_EQ(s.k.QsoNummer, 4);
    EXPECT_EQ(s.k.RufzeichenPruefen("QA3CC"), Kontest::Pruefung::Neu) << "the old call is free";
    EXPECT_EQ(s.k.RufzeichenPruefen("QA7XY/P"), Kontest::Pruefung::Gearbeitet);
    EXPECT_EQ(s.k.Archiv.Dok("QA7XY"), "NEU") << "the DOK suggestion follows";
    EXPECT_EQ(s.k.Archiv.Dok("QA3CC"), std::nullopt);

    // Saving the same values again writes nothing.
    const QByteArray bak = s.welt.Lies("LOG.BAK");
    EXPECT_TRUE(s.k.QsoErsetzen(2, s.k.Log.Qso(2)).ok);
    EXPECT_EQ(s.welt.Lies("LOG.BAK"), bak);

    // The next save appends behind the corrected file.
    s.k.Speichern({"d", "z", "QA8AB", "59", "K32", "59", "K08", "2", "", "SSB"});
    EXPECT_TRUE(s.Datei().endsWith("NEU;2;portabel;SSB;\r\n1;d;z;QA8AB;59;K32;59;K08;2;;SSB;\r\n"));
}

TEST(Korrektur, ADeletedQsoLeavesTheFileTheListTheIndexAndTheCount) {
    Gestartet s(Drei);
    const Kontest::Korrektur k = s.k.QsoLoeschen(1);
    ASSERT_TRUE(k.ok);
    EXPECT_EQ(s.Datei(), Kopf + "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K01;80;;SSB;\r\n"
                                "1;24.03.2026;19:03:00;QA3CC;59;K32;59;Z22;2;portabel;SSB;\r\n");
    EXPECT_EQ(s.welt.Lies("LOG.BAK"), Drei);
    EXPECT_EQ(s.k.QsoNummer, 3);
    EXPECT_EQ(s.k.Log.SpalteCall, (QStringList{"QA1AA", "QA3CC"}));
    EXPECT_EQ(s.Liste(), (QStringList{"QA3CC", "QA1AA"}));
    EXPECT_EQ(k.auswertung.Multis, 2);
    EXPECT_EQ(s.k.RufzeichenPruefen("QA2BB"), Kontest::Pruefung::Neu);
    EXPECT_EQ(s.k.Archiv.Dok("QA2BB"), std::nullopt);
    EXPECT_EQ(s.k.Archiv.Dok("QA3CC"), "Z22");

    // Down to nothing: the header stays, the list keeps its one empty row.
    ASSERT_TRUE(s.k.QsoLoeschen(1).ok);
    ASSERT_TRUE(s.k.QsoLoeschen(0).ok);
    EXPECT_EQ(s.Datei(), Kopf);
    EXPECT_EQ(s.k.QsoNummer, 1);
    EXPECT_EQ(s.Liste(), QStringList{""});
    EXPECT_EQ(s.k.Liste().QsoIndex(0), -1);
    // And the log grows again from there.
    s.k.Speichern({"d", "z", "QA1AA", "59", "K32", "59", "K01", "2", "", "SSB"});
    EXPECT_EQ(s.Liste(), (QStringList{"QA1AA", ""}));
    EXPECT_EQ(s.Datei(), Kopf + "1;d;z;QA1AA;59;K32;59;K01;2;;SSB;\r\n");
}

// The list over 2000 QSOs shows only the newest: a deletion of one it does not show only shifts
// what its rows point at; one it shows takes its row along.
TEST(Korrektur, TheListBeyondItsLimit) {
    QByteArray log = Kopf;
    for (int i = 0; i < 2100; ++i)
        log += "1;d;z;QA" + QByteArray::number(i % 10) + "X" + QByteArray::number(i) +
               ";59;K32;59;K01;2;;SSB;\r\n";
    Gestartet s(log);
    ASSERT_EQ(s.k.Liste().rowCount(), 2000);
    ASSERT_TRUE(s.k.QsoLoeschen(5).ok);
    EXPECT_EQ(s.k.Liste().rowCount(), 2000);
    EXPECT_EQ(s.k.Liste().index(0, 2).data().toString(), "QA9X2099");
    EXPECT_EQ(s.k.Liste().index(1999, 2).data().toString(), "QA0X100");
    ASSERT_TRUE(s.k.QsoLoeschen(2098).ok); // the newest, row 0
    EXPECT_EQ(s.k.Liste().rowCount(), 1999);
    EXPECT_EQ(s.k.Liste().index(0, 2).data().toString(), "QA8X2098");
}

// The entry mask's rules and texts, and a value left as it was passes.
TEST(Korrektur, ChecksBeforeAnythingIsWritten) {
    const QByteArray log =
        Drei + "1;24.03.2026;19:04:00;QA4DD;599;K32;599;K04;80;;CW;\r\n"
               "1;24.03.2026;19:05:00;QA5EE;59;K32;59;K05;160;;cw;\r\n"   // odd band and mode
               "1;24.03.2026;19:06:00;QA1AA/P;59;K32;59;K01;2;;SSB;\r\n"; // a duplicate
    struct Fall {
        const char* name;
        int qso;
        std::function<void(QsoWerte&)> aendern;
        const char* meldung; // nullptr: accepted
        QsoFeld feld;
    } faelle[] = {
        {"implausible call", 0, [](QsoWerte& q) { q.Call = "QAB"; }, "Ungültiges Rufzeichen",
         QsoFeld::Call},
        {"empty call", 0, [](QsoWerte& q) { q.Call = ""; }, "Ungültiges Rufzeichen", QsoFeld::Call},
        {"call of another QSO", 0, [](QsoWerte& q) { q.Call = "QB/QA2BB"; },
         "STOP - heute schon gearbeitet", QsoFeld::Call},
        {"own call with /P", 0, [](QsoWerte& q) { q.Call = "QA1AA/P"; },
         "STOP - heute schon gearbeitet", QsoFeld::Call}, // QSO 5 holds it
        {"own call with /M", 1, [](QsoWerte& q) { q.Call = "QA2BB/M"; }, nullptr, QsoFeld::Call},
        {"an old duplicate left as it was", 5, [](QsoWerte& q) { q.DokEin = "K09"; }, nullptr,
         QsoFeld::Call},
        {"SSB report 69", 0, [](QsoWerte& q) { q.RstAus = "69"; }, "Ungültiger Rapport",
         QsoFeld::RstAus},
        {"SSB report 11", 0, [](QsoWerte& q) { q.RstAus = "11"; }, nullptr, QsoFeld::RstAus},
        {"SSB report of three digits", 0, [](QsoWerte& q) { q.RstEin = "599"; },
         "Ungültiger Rapport", QsoFeld::RstEin},
        {"report not a number", 0, [](QsoWerte& q) { q.RstEin = "5x"; }, "Ungültiger Rapport",
         QsoFeld::RstEin},
        {"CW report 600", 3, [](QsoWerte& q) { q.RstAus = "600"; }, "Ungültiger Rapport",
         QsoFeld::RstAus},
        {"CW report 599", 3, [](QsoWerte& q) { q.RstAus = "589"; }, nullptr, QsoFeld::RstAus},
        {"CW to SSB keeps 599", 3, [](QsoWerte& q) { q.Mode = "SSB"; }, "Ungültiger Rapport",
         QsoFeld::RstAus},
        {"CW to FM with reports", 3,
         [](QsoWerte& q) {
             q.Mode = "FM";
             q.RstAus = q.RstEin = "57";
         },
         nullptr, QsoFeld::Mode},
        {"SSB to RTTY with 59", 0, [](QsoWerte& q) { q.Mode = "RTTY"; }, "Ungültiger Rapport",
         QsoFeld::RstAus},
        {"a mode of no kind", 0, [](QsoWerte& q) { q.Mode = "AM"; }, "Ungültige Betriebsart",
         QsoFeld::Mode},
        {"an odd mode left as it was", 4, [](QsoWerte& q) { q.Bemerkung = "ok"; }, nullptr,
         QsoFeld::Mode},
        {"band 160", 0, [](QsoWerte& q) { q.Band = "160"; }, "Ungültiges Band", QsoFeld::Band},
        {"band 40", 0, [](QsoWerte& q) { q.Band = "40"; }, nullptr, QsoFeld::Band},
        {"an odd band left as it was", 4, [](QsoWerte& q) { q.DokEin = "K09"; }, nullptr,
         QsoFeld::Band},
        {"31 February", 0, [](QsoWerte& q) { q.Datum = "31.02.2026"; }, "Ungültiges Datum",
         QsoFeld::Datum},
        {"one-digit month", 0, [](QsoWerte& q) { q.Datum = "24.3.2026"; }, "Ungültiges Datum",
         QsoFeld::Datum},
        {"29 February of a leap year", 0, [](QsoWerte& q) { q.Datum = "29.02.2028"; }, nullptr,
         QsoFeld::Datum},
        {"hour 24", 0, [](QsoWerte& q) { q.Zeit = "24:00"; }, "Ungültige Uhrzeit", QsoFeld::Zeit},
        {"seconds 60", 0, [](QsoWerte& q) { q.Zeit = "19:01:60"; }, "Ungültige Uhrzeit",
         QsoFeld::Zeit},
        {"time with seconds", 0, [](QsoWerte& q) { q.Zeit = "23:59:59"; }, nullptr, QsoFeld::Zeit},
        {"';' in the remark", 0, [](QsoWerte& q) { q.Bemerkung = "a;b"; },
         "Ungültiges Zeichen (\";\" oder Zeilenumbruch)", QsoFeld::Bemerkung},
        {"line break in the DOK", 0, [](QsoWerte& q) { q.DokEin = "K0\n1"; },
         "Ungültiges Zeichen (\";\" oder Zeilenumbruch)", QsoFeld::DokEin},
        {"CR in the DOK given", 0, [](QsoWerte& q) { q.DokAus = "K3\r2"; },
         "Ungültiges Zeichen (\";\" oder Zeilenumbruch)", QsoFeld::DokAus},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Gestartet s(log);
        QsoWerte q = s.k.Log.Qso(f.qso);
        f.aendern(q);
        const Kontest::Korrektur k = s.k.QsoErsetzen(f.qso, q);
        if (!f.meldung) {
            EXPECT_TRUE(k.ok) << k.meldung.toStdString();
            EXPECT_TRUE(s.welt.Existiert("LOG.BAK"));
            continue;
        }
        EXPECT_FALSE(k.ok);
        EXPECT_EQ(k.meldung, QString::fromUtf8(f.meldung));
        EXPECT_EQ(k.feld, static_cast<int>(f.feld));
        EXPECT_EQ(s.Datei(), log);
        EXPECT_FALSE(s.welt.Existiert("LOG.BAK"));
    }

    Gestartet s(log);
    QsoWerte q = s.k.Log.Qso(0);
    q.Zeit = "19:07";
    ASSERT_TRUE(s.k.QsoErsetzen(0, q).ok);
    EXPECT_EQ(s.k.Log.SpalteZeit[0], "19:07:00") << "as a save writes it";
    EXPECT_TRUE(s.Datei().contains("\r\n1;24.03.2026;19:07:00;QA1AA;"));
}

namespace {
// Mounts a small file system on `ordner` holding `log` as LOG.TXT and makes it read-only; for
// anyone but root a folder without write permission does the same.
bool NurLesbar(const QString& ordner, const QByteArray& log) {
    QDir().mkpath(ordner);
    const QByteArray pfad = QFile::encodeName(ordner);
    if (geteuid() != 0) {
        QFile f(ordner + "/LOG.TXT");
        return f.open(QIODevice::WriteOnly) && f.write(log) == log.size() &&
               (f.close(), QFile::setPermissions(ordner, QFile::ReadOwner | QFile::ExeOwner));
    }
    if (::mount("tarvex", pfad.constData(), "tmpfs", 0, "size=1m") != 0)
        return false;
    QFile f(ordner + "/LOG.TXT");
    const bool ok = f.open(QIODevice::WriteOnly) && f.write(log) == log.size();
    f.close();
    return ok && ::mount("tarvex", pfad.constData(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr) == 0;
}
} // namespace

// Every way the rewrite can fail: the message, and neither the file nor the state changed.
TEST(Korrektur, AFailedRewriteChangesNothing) {
    struct Fall {
        const char* name;
        std::function<void(Gestartet&)> vorher; // runs after the start
        bool volleDisk = false;
    } faelle[] = {
        {"full disk", [](Gestartet&) {}, true},
        {"a line appended by someone else",
         [](Gestartet& s) {
             QFile f(s.welt.LogTxt());
             f.open(QIODevice::Append);
             f.write("1;d;z;QA9FF;59;K32;59;K09;2;;SSB;\r\n");
         }},
        {"a byte changed by someone else, same size",
         [](Gestartet& s) {
             QByteArray b = s.Datei();
             b[b.indexOf("K02")] = 'X';
             s.welt.Schreibe("LOG.TXT", b);
         }},
        {"LOG.TXT gone", [](Gestartet& s) { QFile::remove(s.welt.LogTxt()); }},
        // The QSO waits for the disk, and the disk is still full when the correction comes.
        {"a saved QSO that did not reach the file",
         [](Gestartet& s) {
             const testsupport::DateiGrenze grenze(Drei.size());
             s.k.Speichern({"d", "z", "QA6FF", "59", "K32", "59", "K06", "2", "", "SSB"});
         },
         true},
        {"LOG.BAK cannot be replaced",
         [](Gestartet& s) { QDir(s.welt.Pfad("")).mkpath("LOG.BAK/voll"); }},
    };
    for (const auto& f : faelle) {
        for (const bool loeschen : {false, true}) {
            SCOPED_TRACE(std::string(f.name) + (loeschen ? ", deleting" : ", changing"));
            Gestartet s(Drei);
            f.vorher(s);
            const QByteArray datei = s.Datei();
            const QStringList calls = s.k.Log.SpalteCall;
            const qint32 nummer = s.k.QsoNummer;
            const int laeufe = s.zaehler.laeufe;
            const int zeilen = s.k.Liste().rowCount();
            Kontest::Korrektur k;
            {
                std::optional<testsupport::DateiGrenze> grenze;
                if (f.volleDisk)
                    grenze.emplace(Drei.size() - 1);
                QsoWerte q = s.k.Log.Qso(1);
                q.DokEin = "NEU";
                k = loeschen ? s.k.QsoLoeschen(1) : s.k.QsoErsetzen(1, q);
            }
            EXPECT_FALSE(k.ok);
            EXPECT_EQ(k.meldung, Schreibfehler);
            EXPECT_EQ(s.Datei(), datei);
            EXPECT_EQ(s.k.Log.SpalteCall, calls);
            EXPECT_EQ(s.k.Log.SpalteDokEin[1], "K02");
            EXPECT_EQ(s.k.QsoNummer, nummer);
            EXPECT_EQ(s.zaehler.laeufe, laeufe);
            EXPECT_EQ(s.k.Liste().rowCount(), zeilen);
            EXPECT_FALSE(s.welt.Existiert("LOG.TXT.neu"));
            EXPECT_FALSE(s.welt.Existiert("LOG.BAK.neu"));
        }
    }
}

TEST(Korrektur, AReadOnlyDirectory) {
    TestWelt welt;
    const QString ordner = welt.Pfad("nurlesen");
    if (!NurLesbar(ordner, Drei))
        GTEST_SKIP() << "a read-only directory needs root to mount a file system";
    QDir::setCurrent(ordner);
    Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    QsoWerte q = k.Log.Qso(0);
    q.DokEin = "NEU";
    for (const Kontest::Korrektur& e : {k.QsoErsetzen(0, q), k.QsoLoeschen(0)}) {
        EXPECT_FALSE(e.ok);
        EXPECT_EQ(e.meldung, Schreibfehler);
    }
    EXPECT_EQ(welt.Lies("nurlesen/LOG.TXT"), Drei);
    EXPECT_EQ(QDir(ordner).entryList(QDir::Files), QStringList{"LOG.TXT"});
    EXPECT_EQ(k.Log.Anzahl(), 3);
    EXPECT_EQ(k.Log.SpalteDokEin[0], "K01");
    QDir::setCurrent(welt.Pfad(""));
    if (geteuid() == 0)
        ::umount(QFile::encodeName(ordner).constData());
    else
        QFile::setPermissions(ordner, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// A QSO waiting for the disk is written first once there is room: rows and records match again,
// and the correction goes ahead.
TEST(Korrektur, AWaitingQsoIsWrittenFirst) {
    Gestartet s(Drei);
    {
        const testsupport::DateiGrenze grenze(Drei.size());
        s.k.Speichern({"d", "z", "QA6FF", "59", "K32", "59", "K06", "2", "", "SSB"});
    }
    ASSERT_EQ(s.k.Ausstehend().size(), 1);
    QsoWerte q = s.k.Log.Qso(1);
    q.DokEin = "K22";
    const Kontest::Korrektur k = s.k.QsoErsetzen(1, q);
    EXPECT_TRUE(k.ok) << k.meldung.toStdString();
    EXPECT_TRUE(s.k.Ausstehend().isEmpty());
    const QByteArray datei = s.Datei();
    EXPECT_TRUE(datei.contains(";K22;")) << datei.toStdString();
    EXPECT_TRUE(datei.endsWith(";QA6FF;59;K32;59;K06;2;;SSB;\r\n"));
}
