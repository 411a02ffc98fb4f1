// The printed log through a real CUPS queue: a two-page log, printed, read back from the PDF the
// queue received.
#include "core/Kontest.h"
#include "report/PagePrinter.h"
#include "report/TfrmPrintPreview.h"
#include "support/CupsTestDrucker.h"
#include "support/TestUmgebung.h"

#include <QRegularExpression>
#include <gtest/gtest.h>
#include <unistd.h>

using testsupport::CupsTestDrucker;

TEST(DruckprotokollCups, ZweiSeitenKommenGanzAn) {
    // Before anything asks for a printer: the CUPS library keeps the first server it talks to.
    CupsTestDrucker cups;
    if (!cups.Bereit()) {
        if (geteuid() == 0)
            FAIL() << "the CUPS scheduler of the test did not start: "
                   << cups.Grund().toStdString();
        GTEST_SKIP() << "no CUPS scheduler for the test: " << cups.Grund().toStdString();
    }
    testsupport::TestWelt welt;
    testsupport::MeldungsRekorder meldungen;
    core::Kontest kontest(nullptr);
    kontest.Ini.Kontestbezeichnung = QStringLiteral("RLP Aktivitätsabend");
    kontest.Ini.Stationscall = QStringLiteral("DA0XYZ");
    kontest.Ini.FDmanagerDOK = QStringLiteral("K32");
    for (int i = 0; i < 57; ++i)
        kontest.Log.Anhaengen({"24.03.2026", "19:05:00",
                               QStringLiteral("QA%1AA%2").arg(i % 10).arg(i), "599", "K32", "599",
                               QStringLiteral("K%1").arg(i, 2, 10, QChar('0')), i < 50 ? "80" : "2",
                               "", "CW"});
    report::TfrmPrintPreview fenster(kontest);
    fenster.ToolbarBtnAktualisierenClick();
    ASSERT_EQ(fenster.PagePrinter1->PageCount(), 2);
    fenster.ToolbarButton1Click();

    const QStringList auftraege = cups.WarteAuf(1);
    ASSERT_EQ(auftraege.size(), 1) << "no job arrived";
    const QString pdf = auftraege.front();
    QFile::remove(testsupport::AusgabePfad(QStringLiteral("druckprotokoll.pdf")));
    QFile::copy(pdf, testsupport::AusgabePfad(QStringLiteral("druckprotokoll.pdf")));
    ASSERT_EQ(CupsTestDrucker::PdfSeiten(pdf), 2);
    const QString seite1 = CupsTestDrucker::PdfText(pdf, 1);
    const QString seite2 = CupsTestDrucker::PdfText(pdf, 2);
    EXPECT_TRUE(seite1.contains("Seite: 1 von 2")) << seite1.toStdString();
    EXPECT_TRUE(seite2.contains("Seite: 2 von 2")) << seite2.toStdString();
    EXPECT_TRUE(seite1.contains("Ausdruck vom "));
    const QString alles = seite1 + seite2;
    for (int i = 0; i < 57; ++i)
        EXPECT_TRUE(alles.contains(QStringLiteral("QA%1AA%2").arg(i % 10).arg(i))) << i;
    // K00..K56 of the district: 50 on 80 and 7 on 2 are all new; K32 has no points; all CW.
    const QString summen = seite2.simplified();
    EXPECT_TRUE(summen.contains(QRegularExpression("Summe Multis\\s+57"))) << summen.toStdString();
    EXPECT_TRUE(summen.contains(QRegularExpression("QSOs wertbar\\s+56")));
    EXPECT_TRUE(summen.contains(QRegularExpression("QSOs Total\\s+57")));
    EXPECT_TRUE(summen.contains(QRegularExpression("QSO-Punkte\\s+9576")));
    EXPECT_TRUE(summen.contains("(QSOs * 3 Pkt CW/DIGI-Only * Multis)"));
    EXPECT_FALSE(seite1.contains("Summe Multis"));
}
