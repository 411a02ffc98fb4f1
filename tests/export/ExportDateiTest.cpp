// What both exports share: nothing to do, errors that name the file, and a target that is only
// ever replaced by a complete file.
#include "ExportTestHilfe.h"
#include "platform/Fehler.h"
#include "support/AbbrechendeGeraete.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <functional>
#include <gtest/gtest.h>

using namespace exporte;

namespace {

struct Export {
    const char* name;
    const char* ziel;
    std::function<ExportErgebnis(const QString&, const QString&)> aufruf;
};

const Export Exporte[] = {
    {"STF", "LOG.STF",
     [](const QString& log, const QString& ziel) { return exporttest::Stf(log, ziel); }},
    {"ADIF", "LOG.ADI",
     [](const QString& log, const QString& ziel) { return AdifExport(log, ziel); }},
};

const QByteArray EinQso = "K\r\n1;07.03.2014;19:05:00;DL1ABC;59;K32;59;Z22;2;;SSB;\r\n";

// Everything in the temporary directory, sorted by name.
QStringList Dateien(const testsupport::TestWelt& welt) {
    return QDir(welt.Pfad(QString()))
        .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

QStringList LogUnd(const char* ziel) {
    QStringList namen{QStringLiteral("LOG.TXT"), QString::fromLatin1(ziel)};
    namen.sort();
    return namen;
}

} // namespace

TEST(ExportDatei, HoechstensEineZeileSchreibtNichts) {
    const QByteArray inhalte[] = {"", "K\r\n", "K", "\r\n"};
    for (const Export& x : Exporte)
        for (const QByteArray& inhalt : inhalte) {
            testsupport::TestWelt welt;
            welt.Schreibe(QStringLiteral("LOG.TXT"), inhalt);
            const ExportErgebnis e = x.aufruf(welt.LogTxt(), welt.Pfad(x.ziel));
            EXPECT_FALSE(e.geschrieben) << x.name << " " << inhalt.toStdString();
            EXPECT_TRUE(e.meldung.isEmpty()) << x.name;
            EXPECT_FALSE(welt.Existiert(x.ziel)) << x.name;
        }
}

TEST(ExportDatei, OhneBrauchbareZeileWirdTrotzdemGeschrieben) {
    const struct {
        const char* name;
        int saetze;
        QByteArray inhalt;
    } erwartet[] = {{"STF", 26, "EndQSOList\r\n"}, {"ADIF", 0, ""}};
    for (std::size_t i = 0; i < std::size(Exporte); ++i) {
        testsupport::TestWelt welt;
        welt.Schreibe(QStringLiteral("LOG.TXT"), "K\r\n\r\n1;a;b\r\n");
        const ExportErgebnis e = Exporte[i].aufruf(welt.LogTxt(), welt.Pfad(Exporte[i].ziel));
        EXPECT_TRUE(e.geschrieben) << erwartet[i].name;
        EXPECT_EQ(e.saetze, erwartet[i].saetze) << erwartet[i].name;
        EXPECT_TRUE(
            e.meldung.endsWith(QStringLiteral("geschrieben mit %1 Sätzen").arg(erwartet[i].saetze)))
            << erwartet[i].name;
        EXPECT_TRUE(welt.Lies(Exporte[i].ziel).endsWith(erwartet[i].inhalt)) << erwartet[i].name;
        EXPECT_TRUE(e.unklareZeilen.isEmpty());
    }
}

TEST(ExportDatei, AlteZielDateiWirdGanzErsetzt) {
    for (const Export& x : Exporte) {
        testsupport::TestWelt welt;
        welt.Schreibe(QStringLiteral("LOG.TXT"), EinQso);
        welt.Schreibe(x.ziel, QByteArray(100000, '~'));
        x.aufruf(welt.LogTxt(), welt.Pfad(x.ziel));
        const QByteArray neu = welt.Lies(x.ziel);
        EXPECT_FALSE(neu.contains('~')) << x.name;
        EXPECT_LT(neu.size(), 3000) << x.name;
        EXPECT_EQ(Dateien(welt), LogUnd(x.ziel)) << x.name;
    }
}

TEST(ExportDatei, FehlerNennenDieDateiUndLassenDasZielStehen) {
    for (const Export& x : Exporte) {
        const struct {
            const char* fall;
            std::function<void(testsupport::TestWelt&)> vorbereiten;
            QString log, ziel; // relative to the temporary directory
            QString genannt;
        } faelle[] = {
            {"LOG.TXT missing", [](testsupport::TestWelt&) {}, QStringLiteral("LOG.TXT"), x.ziel,
             QStringLiteral("LOG.TXT")},
            {"LOG.TXT is a directory",
             [](testsupport::TestWelt& w) {
                 QDir(w.Pfad(QString())).mkdir(QStringLiteral("LOG.TXT"));
             },
             QStringLiteral("LOG.TXT"), x.ziel, QStringLiteral("LOG.TXT")},
            {"target directory missing",
             [](testsupport::TestWelt& w) { w.Schreibe(QStringLiteral("LOG.TXT"), EinQso); },
             QStringLiteral("LOG.TXT"), QStringLiteral("fehlt/") + x.ziel,
             QStringLiteral("fehlt/") + x.ziel},
            {"target is a directory",
             [&x](testsupport::TestWelt& w) {
                 w.Schreibe(QStringLiteral("LOG.TXT"), EinQso);
                 QDir(w.Pfad(QString())).mkdir(x.ziel);
             },
             QStringLiteral("LOG.TXT"), x.ziel, x.ziel},
        };
        for (const auto& f : faelle) {
            testsupport::TestWelt welt;
            f.vorbereiten(welt);
            const QStringList vorher = Dateien(welt);
            try {
                x.aufruf(welt.Pfad(f.log), welt.Pfad(f.ziel));
                ADD_FAILURE() << x.name << ", " << f.fall << ": no error";
            } catch (const platform::Fehler& fehler) {
                EXPECT_TRUE(fehler.Text().contains(welt.Pfad(f.genannt)))
                    << x.name << ", " << f.fall << ": " << fehler.Text().toStdString();
            }
            EXPECT_EQ(Dateien(welt), vorher) << x.name << ", " << f.fall;
        }
    }
}

TEST(ExportDatei, AbgebrochenesSchreibenLaesstDieAlteDateiGanz) {
    QByteArray log = "K\r\n";
    for (int i = 0; i < 400; ++i)
        log += "1;07.03.2014;19:05:00;DL1ABC;59;K32;59;Z22;2;eine Bemerkung;SSB;\r\n";
    for (const Export& x : Exporte) {
        testsupport::TestWelt welt;
        welt.Schreibe(QStringLiteral("LOG.TXT"), log);
        welt.Schreibe(x.ziel, "alt\r\n");
        bool geworfen = false;
        {
            const testsupport::DateiGrenze grenze(16 * 1024);
            try {
                x.aufruf(welt.LogTxt(), welt.Pfad(x.ziel));
            } catch (const platform::Fehler& fehler) {
                geworfen = fehler.Text().contains(welt.Pfad(x.ziel));
            }
        }
        EXPECT_TRUE(geworfen) << x.name;
        EXPECT_EQ(welt.Lies(x.ziel), "alt\r\n") << x.name;
        EXPECT_EQ(Dateien(welt), LogUnd(x.ziel)) << x.name;
    }
}

// The writers on devices: a target that takes everything gets what the file would hold; one that
// stops after some bytes raises the error naming the target.
TEST(ExportDatei, GeraetDasAbbrichtMeldetDenFehler) {
    using Aufruf = std::function<ExportErgebnis(QIODevice&, QIODevice&)>;
    const std::pair<const char*, Aufruf> aufrufe[] = {
        {"LOG.STF",
         [](QIODevice& log, QIODevice& ziel) {
             return StfExport(log, ziel, "LOG.STF", exporttest::Station(), 10, "Multis: 3",
                              "QSO Punkte: 36", "1.0.0.0", exporttest::Exportzeit());
         }},
        {"LOG.ADI",
         [](QIODevice& log, QIODevice& ziel) { return AdifExport(log, ziel, "LOG.ADI"); }},
    };
    const QByteArray log = EinQso + "1;07.03.2014;19:06:00;DL2ABC;59;K32;59;K01;80;;CW;\r\n";
    for (const auto& [name, aufruf] : aufrufe) {
        testsupport::TestWelt welt;
        welt.Schreibe("LOG.TXT", log);
        const ExportErgebnis ganz = name == QByteArray("LOG.STF")
                                        ? exporttest::Stf(welt.LogTxt(), welt.Pfad(name))
                                        : AdifExport(welt.LogTxt(), welt.Pfad(name));
        const QByteArray datei = welt.Lies(name);
        for (const qint64 erlaubt : {qint64(0), qint64(40), datei.size() - 1, datei.size()}) {
            SCOPED_TRACE(std::string(name) + " " + std::to_string(erlaubt));
            QBuffer quelle;
            quelle.setData(log);
            quelle.open(QIODevice::ReadOnly);
            testsupport::AbbrechenderPuffer ziel(erlaubt);
            ziel.open(QIODevice::WriteOnly);
            if (erlaubt == datei.size()) {
                const ExportErgebnis e = aufruf(quelle, ziel);
                EXPECT_EQ(ziel.data(), datei);
                EXPECT_EQ(e.saetze, ganz.saetze);
                continue;
            }
            try {
                aufruf(quelle, ziel);
                ADD_FAILURE() << "no error";
            } catch (const platform::Fehler& fehler) {
                EXPECT_EQ(fehler.Text(),
                          QStringLiteral("Die Datei %1 kann nicht geschrieben werden.").arg(name));
            }
        }
    }
}

// A line that a full disk cut short is no QSO for either export: one with too few fields is left
// out as any short line, one cut in its last field is named as not exported.
TEST(ExportDatei, AbgeschnitteneZeileWirdNichtExportiert) {
    const QByteArray log = EinQso + "1;10.12.2026;13:27:00;DA1AAC;5\r\n" +
                           "1;07.03.2014;19:06:00;DL2ABC;59;K32;59;K01;80;;SS\r\n" +
                           "1;07.03.2014;19:07:00;DL3ABC;59;K32;59;K01;80;;SSB;\r\n";
    for (const Export& x : Exporte) {
        testsupport::TestWelt welt;
        welt.Schreibe(QStringLiteral("LOG.TXT"), log);
        const ExportErgebnis e = x.aufruf(welt.LogTxt(), welt.Pfad(x.ziel));
        EXPECT_EQ(e.unklareZeilen, (QList<int>{4})) << x.name;
        const QByteArray ziel = welt.Lies(x.ziel);
        EXPECT_TRUE(ziel.contains("DL1ABC") && ziel.contains("DL3ABC")) << x.name;
        EXPECT_FALSE(ziel.contains("DA1AAC") || ziel.contains("DL2ABC")) << x.name;
    }
}
