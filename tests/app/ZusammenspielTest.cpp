// The main window together with the windows and writers it drives: the station data, the search
// window, the start hints and the two exports, as an operator reaches them from the menu.
#include "Hauptfenster.h"

#include "crash/TarvexAnwendung.h"
#include "dialogs/TStartInfoForm.h"
#include "dialogs/TStationsangabenDlg.h"
#include "dialogs/TfrmLogUpdate.h"
#include "platform/Drucker.h"
#include "report/PagePrinter.h"
#include "support/TestDrucker.h"
#include "report/TfrmLogPdf.h"
#include "report/TfrmPrintPreview.h"
#include "search/TSuchForm.h"

#include <QAbstractItemModel>
#include <QLabel>
#include <QLineEdit>
#include <QScopeGuard>
#include <gtest/gtest.h>

using namespace testsupport;

TEST(Zusammenspiel, StationDataChangeTheDokTheTitleAndTheNextQso) {
    Umgebung u;
    u.welt.Schreibe("Log.ini",
                    "[Stationsangaben]\r\nFDmanagerDOK=K32\r\n[Fenster]\r\nStarthinweise=0\r\n");
    u.welt.Schreibe("LogSonderDOKs.txt", "Z22\r\n");
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1AA;599;K32;599;K01;80;;CW;\r\n"
                                         "1;24.03.2026;19:02:00;QA1AB;599;K32;599;K01;80;;CW;\r\n"
                                         "1;24.03.2026;19:03:00;QA1AC;599;K32;599;K01;2;;CW;\r\n"
                                         "1;24.03.2026;19:04:00;QA1AD;599;K32;599;Z22;80;;CW;\r\n");
    auto f = Starte(u);
    EXPECT_EQ(f->Panel3->text(), "Multis: 3");
    EXPECT_EQ(f->pnlQsoPunkte->text(), "QSO Punkte: 36");

    f->Stationsangaben1->trigger();
    auto* dlg = f->StationsangabenDlg;
    ASSERT_TRUE(dlg->isVisible());
    dlg->findChild<QLineEdit*>("VAdokEdit")->setText("K05");
    dlg->findChild<QLineEdit*>("VANameEdit")->setText("Erna Beispiel");
    dlg->OKBtnClick();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(f->QSONrOutLabel1->text(), "K05");
    EXPECT_EQ(f->windowTitle(),
              QStringLiteral("RLP Aktivitätsabend / CALL UNBEKANNT (SSB) -Tarvex"));

    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    f->FokusAuf(f->CallMaskEdit);
    Tippe("QA2XYZ");
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    Tippe("K07");
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    EXPECT_TRUE(u.welt.Lies("LOG.TXT").endsWith(";QA2XYZ;59;K05;59;K07;80;;SSB;\r\n"))
        << u.welt.Lies("LOG.TXT").right(60).toStdString();
    // SSB among CW: 1 point each; K07 is new on 80: four multipliers, five points.
    EXPECT_EQ(f->Panel3->text(), "Multis: 4");
    EXPECT_EQ(f->pnlQsoPunkte->text(), "QSO Punkte: 20");

    // The next activation from the dialog greets the new name in hint 1.
    f->mnuStarthinweise->setChecked(true);
    dlg->show();
    dlg->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
    dlg->OKBtnClick(); // hides the dialog: the keyboard goes back to the main window
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->HinweisTimer->isActive());
    f->HinweisTimer->stop();
    ASSERT_EQ(f->HinweisTexte.size(), 3);
    EXPECT_TRUE(f->HinweisTexte[0].startsWith("Hallo Erna Beispiel\r"));
}

TEST(Zusammenspiel, StartHintsFromTheTimerAndTheToolbar) {
    Umgebung u;
    u.welt.Schreibe("Log.ini", "");
    auto f = Starte(u);
    ASSERT_TRUE(u.hinweisTimerGestartet);
    QString zaehler;
    QTimer::singleShot(0, f.get(), [&] {
        zaehler = f->StartInfoForm->findChild<QLabel*>("lblStartHinweisNr")->text();
        f->StartInfoForm->accept();
    });
    f->HinweisTimerTimer();
    EXPECT_EQ(zaehler, "[1 / 3]");
    EXPECT_FALSE(f->StartInfoForm->isVisible());

    f->mnuStarthinweise->trigger(); // off, and written at once
    EXPECT_FALSE(f->mnuStarthinweise->isChecked());
    EXPECT_TRUE(u.welt.Lies("Log.ini").contains("Starthinweise=0"));
    f->ToolButton4->click(); // shows them anyway
    EXPECT_TRUE(f->HinweisTimer->isActive());
    f->HinweisTimer->stop();
}

TEST(Zusammenspiel, SearchWindowWhileTypingTheCallsign) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1ABC;59;K32;59;K01;80;;SSB;\r\n"
                                         "1;24.03.2026;19:02:00;QA2ABX;59;K32;59;K02;2;;SSB;\r\n"
                                         "1;24.03.2026;19:03:00;QB3CDE;59;K32;59;K03;10;;SSB;\r\n");
    auto f = Starte(u);
    // The timer's ticks by hand, as long as it runs.
    auto pause = [&] {
        for (int i = 0; i < 4 && f->SuchTimer->isActive(); ++i)
            f->SuchForm->SuchTimerTimer();
    };
    Tippe("A");
    pause();
    EXPECT_FALSE(f->SuchForm->isVisible()) << "one character never searches";
    Tippe("B");
    EXPECT_TRUE(f->SuchTimer->isActive());
    pause();
    ASSERT_TRUE(f->SuchForm->isVisible());
    const QAbstractItemModel* m = f->SuchForm->Treffer();
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->index(0, 0).data().toString(), "QA1ABC");
    EXPECT_EQ(m->index(0, 1).data().toString(), "1901");
    EXPECT_EQ(m->index(1, 2).data().toString(), "K02");
    EXPECT_EQ(m->index(1, 3).data().toString(), "2");
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    Tippe("C");
    EXPECT_EQ(f->CallMaskEdit->Text(), "ABC") << "no keystroke lost while the window is up";
    Taste(Qt::Key_Return); // leaving the callsign field closes the window
    EXPECT_FALSE(f->SuchForm->isVisible());
}

TEST(Zusammenspiel, ExportsFromTheMenu) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1ABC;59;K32;59;K01;80;;SSB;\r\n");
    auto f = Starte(u);
    u.meldungen.Leeren();
    f->mnuSTF->trigger();
    f->mnuADIF->trigger();
    ASSERT_EQ(u.meldungen.Texte().size(), 2);
    EXPECT_EQ(u.meldungen.Texte()[0], "STF Datei " + u.welt.Pfad("LOG.STF") +
                                          QStringLiteral("\rgeschrieben mit 27 Sätzen"));
    EXPECT_EQ(u.meldungen.Texte()[1], "ADIF Datei " + u.welt.Pfad("LOG.ADI") +
                                          QStringLiteral("\rgeschrieben mit 1 Sätzen"));
    EXPECT_TRUE(u.welt.Lies("LOG.STF").contains("ClaimedQSO   2\r\n"));
    // A LOG.TXT that cannot be read goes to the handler of unexpected errors; nothing is lost.
    QStringList fehler;
    crash::TarvexAnwendung::SetzeAnzeige([&](const QString& t, const QString&) { fehler << t; });
    QFile::remove(u.welt.LogTxt());
    QDir(u.welt.Pfad("")).mkdir("LOG.TXT");
    QMetaObject::invokeMethod(f->mnuSTF, "triggered", Qt::QueuedConnection, Q_ARG(bool, false));
    QCoreApplication::processEvents();
    crash::TarvexAnwendung::SetzeAnzeige({});
    EXPECT_EQ(fehler.size(), 1);
    EXPECT_TRUE(u.welt.Lies("LOG.STF").contains("ClaimedQSO   2\r\n")) << "the old export stays";
}

TEST(Zusammenspiel, SpecialListsFromTheMenu) {
    Umgebung u;
    u.welt.Schreibe("Log.ini", "[Stationsangaben]\r\nFDmanagerDOK=K32\r\nDistriktskenner=1\r\n"
                               "[Fenster]\r\nStarthinweise=0\r\n");
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1AA;59;K32;59;Z22;80;;SSB;\r\n");
    auto f = Starte(u);
    // An invalid district letter is reported by the evaluation; the own DOK's letter counts.
    EXPECT_TRUE(u.meldungen.Texte().contains(QStringLiteral("Ungültiger Distriktskenner")));
    EXPECT_EQ(f->Panel3->text(), "Multis: 0");

    f->mnuSonderstationen->trigger();
    f->mnuSonderDOKliste->trigger();
    EXPECT_EQ(u.shell.dateien,
              (QStringList{u.welt.Pfad("LogSonderCall.txt"), u.welt.Pfad("LogSonderDOKs.txt")}));

    u.welt.Schreibe("LogSonderDOKs.txt", "Z22\r\n\r\n");
    u.meldungen.Leeren();
    f->mnuListenNeuEinlesen->trigger();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Es wurden 2 Sonder-DOKs eingelesen\r"});
    EXPECT_EQ(f->Panel3->text(), "Multis: 0") << "the panels wait for the next save";
}

TEST(Zusammenspiel, SearchPopUpIsNoActivation) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1ABC;59;K32;59;K01;80;;SSB;\r\n");
    auto f = Starte(u);
    f->mnuStarthinweise->setChecked(true);
    Tippe("AB");
    for (int i = 0; i < 4 && f->SuchTimer->isActive(); ++i)
        f->SuchForm->SuchTimerTimer();
    QCoreApplication::processEvents();
    ASSERT_TRUE(f->SuchForm->isVisible());
    EXPECT_FALSE(f->HinweisTimer->isActive()) << "no hints in the middle of a callsign";
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
}

// "Auswertung in PDF" and its toolbar button open the window modally; its button writes the file
// from the log the window shows.
TEST(Zusammenspiel, PdfEvaluationFromTheMenuAndTheToolbar) {
    Umgebung u;
    u.welt.Schreibe("Log.ini",
                    "[Stationsangaben]\r\nFDmanagerDOK=K32\r\n[Fenster]\r\nStarthinweise=0\r\n");
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K01;80;;SSB;\r\n");
    auto f = Starte(u);
    EXPECT_TRUE(f->mnuPDF->isEnabled());
    EXPECT_TRUE(f->ToolButton2->isEnabled());
    EXPECT_EQ(f->ToolButton2->toolTip(), "Erzeuge LOG-Datei im \nPDF-Format für Auswerter");
    for (const auto& oeffnen : std::initializer_list<std::function<void()>>{
             [&] { f->mnuPDF->trigger(); }, [&] { f->ToolButton2->click(); }}) {
        u.meldungen.Leeren();
        bool modal = false;
        QTimer::singleShot(0, f.get(), [&] {
            modal = f->frmLogPdf->isVisible() && f->frmLogPdf->isModal();
            f->frmLogPdf->btnDoPdf->click();
            f->frmLogPdf->reject();
        });
        oeffnen();
        EXPECT_TRUE(modal);
        EXPECT_FALSE(f->frmLogPdf->isVisible());
        ASSERT_EQ(u.meldungen.Texte().size(), 1);
        EXPECT_TRUE(u.meldungen.Texte()[0].startsWith("Logdatei mit Auswertung wurde in Datei "));
        EXPECT_TRUE(QFileInfo::exists(report::TfrmLogPdf::PdfDatei()));
    }
}

// "Drucke Papier" and its toolbar button open the preview modally with the log laid out; the
// report leaves the status panels as they are.
TEST(Zusammenspiel, PrintedLogFromTheMenuAndTheToolbar) {
    Umgebung u;
    testsupport::TestDrucker drucker;
    platform::Drucker::SetzeInstanz(&drucker);
    const auto zurueck = qScopeGuard([] { platform::Drucker::SetzeInstanz(nullptr); });
    u.welt.Schreibe("Log.ini",
                    "[Stationsangaben]\r\nFDmanagerDOK=K32\r\n[Fenster]\r\nStarthinweise=0\r\n");
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K32;80;;SSB;\r\n"
                                         "1;24.03.2026;19:02:00;QA1AB;59;K32;59;K01;80;;SSB;\r\n");
    auto f = Starte(u);
    EXPECT_TRUE(f->mnuDrucken->isEnabled());
    EXPECT_TRUE(f->ToolButton1->isEnabled());
    EXPECT_EQ(f->ToolButton1->toolTip(), "Logbuch Druck mit Vorschau");
    const QString multis = f->Panel3->text();
    const QString punkte = f->pnlQsoPunkte->text();
    for (const auto& oeffnen : std::initializer_list<std::function<void()>>{
             [&] { f->mnuDrucken->trigger(); }, [&] { f->ToolButton1->click(); }}) {
        bool modal = false;
        QStringList texte;
        QTimer::singleShot(0, f.get(), [&] {
            modal = f->frmPrintPreview->isVisible() && f->frmPrintPreview->isModal();
            texte = f->frmPrintPreview->PagePrinter1->Page(1).Texte();
            f->frmPrintPreview->btnExitPrintpreview->click();
        });
        oeffnen();
        EXPECT_TRUE(modal);
        EXPECT_FALSE(f->frmPrintPreview->isVisible());
        EXPECT_TRUE(texte.contains("QA1AB")) << texte.join(" / ").toStdString();
        EXPECT_EQ(f->Panel3->text(), multis);
        EXPECT_EQ(f->pnlQsoPunkte->text(), punkte);
    }
}

// "Info" -> "Versionsprüfung" opens the update window modally.
TEST(Zusammenspiel, VersionCheckFromTheInfoMenu) {
    Umgebung u;
    auto f = Starte(u);
    EXPECT_TRUE(f->mnuVerCheck->isEnabled());
    bool modal = false;
    QString titel, knopf;
    QTimer::singleShot(0, f.get(), [&] {
        modal = f->LogUpdate->isVisible() && f->LogUpdate->isModal();
        titel = f->LogUpdate->windowTitle();
        knopf = f->LogUpdate->Button1->text();
        f->LogUpdate->reject();
    });
    f->mnuVerCheck->trigger();
    EXPECT_TRUE(modal);
    EXPECT_EQ(titel, "Update");
    EXPECT_EQ(knopf, "Auf neue Version prüfen");
    EXPECT_FALSE(f->LogUpdate->isVisible());
}
