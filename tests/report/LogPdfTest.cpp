// The PDF evaluation as the operator makes it: the button writes the file beside the program, the
// message names it, and qpdf and pdftotext read back every page head, every callsign and the
// totals. Failures write no file and say so.
#include "PdfTestHilfe.h"

#include "core/Kontest.h"
#include "platform/Pfade.h"
#include "platform/Version.h"
#include "report/PdfBox.h"
#include "report/TfrmLogPdf.h"
#include "support/AbbrechendeGeraete.h"

#include <QDir>
#include <QPushButton>
#include <QRegularExpression>
#include <gtest/gtest.h>
#include <sys/mount.h>

using testsupport::MeldungsRekorder;
using testsupport::TestWelt;

namespace {

const QString Erfolg =
    QStringLiteral("Logdatei mit Auswertung wurde in Datei %1 geschrieben.\rDiese Datei kann an "
                   "den Auswerter per E-Mail gesendet werden:  Siehe Ausschreibung\rSind Sie "
                   "sicher, dass Ihre Angaben im Kopf jeder Seite stimmen?");
const QString NichtGeschrieben = QStringLiteral("Die PDF-Datei %1 wurde nicht geschrieben.");

struct Umgebung {
    TestWelt welt;
    MeldungsRekorder meldungen;
    pdftest::Uhrzeit uhr;
    core::Kontest kontest{nullptr};
    report::TfrmLogPdf fenster{kontest};

    Umgebung() {
        kontest.Ini.Kontestbezeichnung = QStringLiteral("RLP Aktivitätsabend");
        kontest.Ini.Stationscall = QStringLiteral("DA0XYZ");
        kontest.Ini.FDmanagerDOK = QStringLiteral("K32");
        kontest.Ini.FDmanagerName = QStringLiteral("Erna Beispiel");
        kontest.Ini.FDmanagerStr = QStringLiteral("Hauptstraße 1");
        kontest.Ini.FDmanagerOrt = QStringLiteral("12345 Köln");
    }
    void Qso(const QString& call, const QString& dok, const QString& band = "80",
             const QString& mode = "SSB") {
        kontest.Log.Anhaengen(
            {"24.03.2026", "19:05:00", call, "59", "K32", "59", dok, band, "Bemerkung", mode});
    }
    // QA0AA0, QA0AA1, ...: each with a DOK of the district.
    void Qsos(int n) {
        for (int i = 0; i < n; ++i)
            Qso(QStringLiteral("QA%1AA%2").arg(i % 10).arg(i),
                QStringLiteral("K%1").arg(i % 100, 2, 10, QLatin1Char('0')));
    }
    QString Datei() const { return report::TfrmLogPdf::PdfDatei(); }
    // Every file of the program's directory but the settings: no temporary file may remain.
    QStringList Dateien() const {
        return QDir(welt.Pfad(""))
            .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    }
};

int Seiten(const QString& text) {
    // pdftotext ends every page with a form feed.
    return static_cast<int>(text.count(QChar(u'\f')));
}

} // namespace

TEST(LogPdf, FensterUndKnopf) {
    Umgebung u;
    EXPECT_EQ(u.fenster.windowTitle(), "LogPDF-Output");
    EXPECT_EQ(u.fenster.btnDoPdf->text(), "Erzeuge PDF-File");
    EXPECT_TRUE(u.Datei().endsWith(QStringLiteral("/") + platform::ProgrammName() + ".pdf"));
    EXPECT_EQ(QFileInfo(u.Datei()).absolutePath(), QFileInfo(u.welt.Pfad("x")).absolutePath());
}

TEST(LogPdf, SiebenundfuenfzigQsosGebenZweiSeiten) {
    for (const int anzahl : {56, 57}) {
        SCOPED_TRACE(anzahl);
        Umgebung u;
        u.Qsos(anzahl);
        u.fenster.btnDoPdf->click();
        EXPECT_EQ(u.meldungen.Texte(), QStringList{Erfolg.arg(u.Datei())});
        ASSERT_TRUE(QFileInfo::exists(u.Datei()));
        pdftest::PruefeMitQpdf(u.Datei());
        const QString text = pdftest::TextVonPdf(u.Datei(), {QStringLiteral("-layout")});
        EXPECT_EQ(Seiten(text), anzahl == 56 ? 1 : 2);
        for (int i = 0; i < anzahl; ++i)
            EXPECT_TRUE(text.contains(QStringLiteral("QA%1AA%2").arg(i % 10).arg(i))) << i;
        EXPECT_TRUE(text.contains("Seite: 1"));
        EXPECT_EQ(text.contains("Seite: 2"), anzahl == 57);
        EXPECT_EQ(text.count("Rufzeichen:"), anzahl == 56 ? 1 : 2) << "a head on every page";
        EXPECT_EQ(text.count("Zeit UT"), anzahl == 56 ? 1 : 2) << "a table head on every page";
        EXPECT_TRUE(text.contains("RLP Aktivitätsabend"));
        EXPECT_TRUE(text.contains("Hauptstraße 1"));
        // Every DOK K00..K56 is of the district and new on 80; K32 is the own DOK, counted once.
        const QString summen = text.mid(text.lastIndexOf("Summe Multis"));
        EXPECT_TRUE(summen.contains(
            QRegularExpression(QStringLiteral("Summe Multis\\s+%1\\b").arg(anzahl))))
            << summen.toStdString();
        EXPECT_TRUE(
            summen.contains(QRegularExpression(QStringLiteral("QSOs Total\\s+%1\\b").arg(anzahl))));
        EXPECT_TRUE(
            summen.contains(QStringLiteral("Version ") + QLatin1String(platform::DateiVersion)));
        EXPECT_TRUE(summen.contains("Call: DA0XYZ / DOK: K32"));
    }
}

TEST(LogPdf, EigenerDokWieDieLaufendeAuswertung) {
    Umgebung u;
    u.Qso("QA1AA", "K32", "80");
    u.Qso("QA1AB", "K32", "2");
    u.Qso("QA1AC", "K32", "80");
    u.Qso("QA1AD", "K01", "80");
    u.fenster.btnDoPdfClick();
    const QString text = pdftest::TextVonPdf(u.Datei(), {QStringLiteral("-layout")});
    // The first K32 keeps its point, the later two earn none: 2 scoring QSOs of 4, 3 multipliers.
    EXPECT_TRUE(text.contains(QRegularExpression("QSOs wertbar\\s+2\\b"))) << text.toStdString();
    EXPECT_TRUE(text.contains(QRegularExpression("QSOs Total\\s+4\\b")));
    EXPECT_TRUE(text.contains(QRegularExpression("Summe Multis\\s+3\\b")));
    EXPECT_TRUE(text.contains(QRegularExpression("QSO-Punkte\\s+6\\b")));
    EXPECT_TRUE(text.contains("Band: ") && text.contains("80+2"));
}

TEST(LogPdf, ZellenSchneidenWasNichtPasst) {
    Umgebung u;
    u.Qso("QA1ABCDEFGHIJKLMNOPQ/P", "K01", "80", "CW");
    u.fenster.btnDoPdfClick();
    const QString text = pdftest::TextVonPdf(u.Datei());
    EXPECT_FALSE(text.contains("QA1ABCDEFGHIJKLMNOPQ/P"));
    EXPECT_TRUE(text.contains("QA1ABCDEFGHI")) << text.toStdString();
    EXPECT_TRUE(text.contains("RST a") && !text.contains("RST aus"));
    EXPECT_TRUE(text.contains("Zeit UT"));
    EXPECT_TRUE(text.contains("(QSOs * 3 Pkt CW/Digi-Only * Multis)")) << "CW only";
}

TEST(LogPdf, ZweiterKlickErsetztDieDatei) {
    Umgebung u;
    u.Qsos(3);
    u.fenster.btnDoPdfClick();
    u.Qso("QB9ZZZ", "K09");
    u.fenster.btnDoPdfClick();
    EXPECT_TRUE(pdftest::TextVonPdf(u.Datei()).contains("QB9ZZZ"));
    EXPECT_EQ(u.meldungen.Texte(), (QStringList{Erfolg.arg(u.Datei()), Erfolg.arg(u.Datei())}));
    EXPECT_EQ(u.Dateien(), QStringList{QFileInfo(u.Datei()).fileName()});
}

// Nothing to write is never reported as written.
TEST(LogPdf, OhneDateiSagtDieMeldungDas) {
    struct Fall {
        const char* name;
        const char* distriktskenner;
        int qsos;
        QStringList meldungen; // %1 the file
        bool datei;
    } faelle[] = {
        {"empty_log", "", 0, {NichtGeschrieben}, false},
        {"two_letter_district", "KL", 3, {NichtGeschrieben}, false},
        {"invalid_district_from_own_DOK", "1", 3, {"Ungültiger Distriktskenner", Erfolg}, true},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Umgebung u;
        u.kontest.Ini.Distriktskenner = QString::fromUtf8(f.distriktskenner);
        u.Qsos(f.qsos);
        u.fenster.btnDoPdfClick();
        QStringList erwartet;
        for (const QString& m : f.meldungen)
            erwartet << (m.contains("%1") ? m.arg(u.Datei()) : m);
        EXPECT_EQ(u.meldungen.Texte(), erwartet);
        EXPECT_EQ(QFileInfo::exists(u.Datei()), f.datei);
    }
}

TEST(LogPdf, ZielIstEinVerzeichnis) {
    Umgebung u;
    u.Qsos(3);
    QDir(u.welt.Pfad("")).mkdir(QFileInfo(u.Datei()).fileName());
    const QStringList vorher = u.Dateien();
    try {
        u.fenster.btnDoPdfClick();
        ADD_FAILURE() << "no failure raised";
    } catch (const report::PdfFehler& f) {
        EXPECT_EQ(f.Text(), "File locked: " + u.Datei());
    }
    EXPECT_EQ(u.meldungen.Texte(), QStringList{NichtGeschrieben.arg(u.Datei())})
        << "the closing message comes first, then the failure";
    EXPECT_EQ(u.Dateien(), vorher);
}

TEST(LogPdf, SchreibgeschuetztesProgrammverzeichnis) {
    Umgebung u;
    u.Qsos(3);
    const QString ordner = u.welt.Pfad("nurlesen");
    QDir().mkpath(ordner);
    // Root writes into any folder; a file system mounted read-only stops everyone.
    if (::mount("tarvex", ordner.toLocal8Bit().constData(), "tmpfs", MS_RDONLY, "size=64k") != 0)
        GTEST_SKIP() << "a read-only file system needs root to mount";
    platform::SetzeProgrammVerzeichnis(ordner);
    EXPECT_ANY_THROW(u.fenster.btnDoPdfClick());
    EXPECT_EQ(u.meldungen.Texte(), QStringList{NichtGeschrieben.arg(u.Datei())});
    EXPECT_TRUE(QDir(ordner).isEmpty());
    platform::SetzeProgrammVerzeichnis(u.welt.Pfad(""));
    ::umount(ordner.toLocal8Bit().constData());
}

// A full disk in the middle of the rows: one box for the first failure, no further rows tried,
// no file and no partial file left, and the closing message says so.
TEST(LogPdf, VolleDisteEineMeldungKeineDatei) {
    Umgebung u;
    u.Qsos(200);
    {
        const testsupport::DateiGrenze grenze(4096);
        u.fenster.btnDoPdfClick();
    }
    ASSERT_EQ(u.meldungen.Texte().size(), 2) << u.meldungen.Texte().join(" | ").toStdString();
    EXPECT_TRUE(u.meldungen.Texte()[0].startsWith("Fehler File write error, or disk full I="));
    EXPECT_EQ(u.meldungen.Texte()[1], NichtGeschrieben.arg(u.Datei()));
    EXPECT_FALSE(QFileInfo::exists(u.Datei()));
    EXPECT_TRUE(u.Dateien().isEmpty()) << u.Dateien().join(",").toStdString();
}
