// The DOKs of earlier evenings: the most recent DOK per base callsign across the archived logs,
// the running log as the most recent of all, and files that are no logs skipped without harm.
#include "core/DokArchiv.h"
#include "core/Kontest.h"
#include "core/LogDatei.h"
#include "support/TestUmgebung.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <gtest/gtest.h>
#include <sys/stat.h>

using namespace core;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(LogKopfzeile) + "\r\n";

QByteArray Zeile(const char* datum, const char* zeit, const char* call, const char* dok) {
    return QByteArray("1;") + datum + ";" + zeit + ";" + call + ";59;K32;59;" + dok +
           ";2;;SSB;\r\n";
}

struct Archiv {
    TestWelt welt;
    QString ordner = welt.Pfad("Archiv");
    Archiv() { QDir().mkpath(ordner); }
    void Datei(const QString& name, const QByteArray& inhalt) const {
        welt.Schreibe("Archiv/" + name, inhalt);
    }
};
} // namespace

TEST(DokArchiv, DerJuengsteDokJeGrundrufzeichen) {
    Archiv a;
    a.Datei("2026-10.TXT", Kopf + Zeile("14.10.2026", "19:00:00", "QA1ABC", "K01") +
                               Zeile("14.10.2026", "19:01:00", "QB/QA2XYZ", "Z22") +
                               Zeile("14.10.2026", "19:02:00", "QA3AAA", "K03"));
    // Read after the October file, yet older: the date decides, not the order of the files.
    a.Datei("2026-11.TXT", Kopf + Zeile("11.11.2026", "19:00:00", "QA1ABC/P", "K05") +
                               Zeile("13.09.2026", "19:00:00", "QA3AAA", "K99") +
                               Zeile("11.11.2026", "19:05:00", "QA2XYZ", "  ") +
                               Zeile("11.11.2026", "19:06:00", "QA4BBB", " K 07 "));
    a.Datei("notiz.txt", Kopf + Zeile("12.12.2026", "19:00:00", "QA9ZZZ", "K09"));
    a.Datei("nicht-log.csv", Kopf + Zeile("12.12.2026", "19:00:00", "QA8ZZZ", "K08"));

    DokArchiv archiv;
    const DokArchiv::Lesung l = archiv.OrdnerLesen(a.ordner);
    EXPECT_EQ(l.dateien, 3);
    EXPECT_EQ(l.uebersprungen, 0);
    const std::pair<const char*, const char*> faelle[] = {
        {"QA1ABC", "K05"},   {"QA1ABC/P", "K05"},  {"QC/QA1ABC", "K05"},
        {"QA2XYZ", "Z22"},   {"QA2XYZ/QB", "Z22"},                    // an empty DOK gives nothing
        {"QA3AAA", "K03"},   {"QA4BBB", "K 07"},   {"QA9ZZZ", "K09"}, // ".txt" in any case
        {"QA8ZZZ", nullptr}, {"QA5CCC", nullptr},  {"", nullptr},
    };
    for (const auto& [call, dok] : faelle)
        EXPECT_EQ(archiv.Dok(call), dok ? std::optional<QString>(dok) : std::nullopt) << call;
    EXPECT_EQ(archiv.Stationen(), 5);

    // The running log is more recent than anything archived, whatever its dates say.
    LogSpalten log;
    log.Anhaengen({"01.01.2000", "00:00:00", "QA3AAA", "59", "K32", "59", "K33", "2", "", "SSB"});
    archiv.LaufendesLogUebernehmen(log);
    archiv.LaufendesQsoUebernehmen("QA6NEW", "K06");
    archiv.LaufendesQsoUebernehmen("QA1ABC", "");
    EXPECT_EQ(archiv.Dok("QA3AAA"), "K33");
    EXPECT_EQ(archiv.Dok("QA6NEW/P"), "K06");
    EXPECT_EQ(archiv.Dok("QA1ABC"), "K05") << "a QSO without a DOK changes nothing";
    EXPECT_EQ(archiv.Stationen(), 6);
}

// Whatever lies in the folder, reading it neither crashes, nor hangs, nor changes a file.
TEST(DokArchiv, WasKeinLogIstWirdUebersprungen) {
    Archiv a;
    QByteArray muell(4096, '\0');
    for (int i = 0; i < muell.size(); ++i)
        muell[i] = static_cast<char>((i * 7919) % 251);
    a.Datei("muell.TXT", muell);
    a.Datei("neuer.TXT", Kopf + "7;14.10.2026;19:00:00;QA7NEU;59;K32;59;K07;2;;SSB;\r\n");
    a.Datei("gut.TXT", Kopf + Zeile("14.10.2026", "19:00:00", "QA1ABC", "K01"));
    QDir(a.ordner).mkdir("ordner.TXT");
    ASSERT_EQ(::mkfifo(QFile::encodeName(a.ordner + "/fifo.TXT").constData(), 0600), 0);
    ASSERT_TRUE(QFile::link("/dev/zero", a.ordner + "/null.TXT"));
    {
        QFile gross(a.ordner + "/gross.TXT");
        ASSERT_TRUE(gross.open(QIODevice::WriteOnly));
        ASSERT_TRUE(gross.resize(DokArchiv::MaxDateiGroesse + 1)); // sparse: no disk needed
    }
    const auto stand = [&] {
        QStringList s;
        for (const QFileInfo& i : QDir(a.ordner).entryInfoList(
                 QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name))
            s << i.fileName() + " " + QString::number(i.size()) + " " +
                     i.lastModified().toString(Qt::ISODateWithMs);
        return s;
    };
    const QStringList vorher = stand();
    DokArchiv archiv;
    const DokArchiv::Lesung l = archiv.OrdnerLesen(a.ordner);
    // The garbage file goes by the loader's rules like any log: read or, where a version field
    // reads as newer, skipped. The other five are skipped whatever the loader says.
    EXPECT_EQ(l.dateien + l.uebersprungen, 7);
    EXPECT_GE(l.uebersprungen, 5) << "newer version, folder, FIFO, device, too large";
    EXPECT_GE(l.dateien, 1);
    EXPECT_EQ(archiv.Dok("QA1ABC"), "K01");
    EXPECT_EQ(archiv.Dok("QA7NEU"), std::nullopt);
    EXPECT_EQ(stand(), vorher);
    EXPECT_EQ(DokArchiv().OrdnerLesen(a.welt.Pfad("gibtsnicht")).dateien, 0);
}

TEST(DokArchiv, DerKontestNimmtDasArchivUndSeineQsos) {
    Archiv a;
    a.Datei("2026-11.TXT", Kopf + Zeile("11.11.2026", "19:00:00", "QA1ABC", "K01") +
                               Zeile("11.11.2026", "19:01:00", "QA2ABC", "K02"));
    a.welt.Schreibe("LOG.TXT", Kopf + Zeile("10.12.2026", "19:00:00", "QA2ABC", "K22"));
    Kontest k(nullptr);
    k.EinstellungenLaden({5, 5, 655});
    k.LogLaden();
    EXPECT_EQ(Kontest::ArchivPfad(), QDir(a.welt.Pfad("")).filePath("Archiv"));
    DokArchiv::Lesung l;
    k.ArchivUebernehmen(Kontest::ArchivLesen(Kontest::ArchivPfad(), &l));
    EXPECT_EQ(l.dateien, 1);
    EXPECT_EQ(k.Archiv.Dok("QA1ABC"), "K01");
    EXPECT_EQ(k.Archiv.Dok("QA2ABC"), "K22") << "tonight's QSO is the most recent";
    k.Speichern({"10.12.2026", "19:05:00", "QA3ABC", "59", "K32", "59", "K03", "2", "", "SSB"});
    EXPECT_EQ(k.Archiv.Dok("QA3ABC/P"), "K03");
    EXPECT_EQ(k.Archiv.Stationen(), 3);
}
