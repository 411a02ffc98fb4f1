// The main window as a whole: start-up, the QSO list, closing, the handling of unexpected errors.
#include "Hauptfenster.h"

#include "core/QsoListe.h"
#include "platform/ProfilDatei.h"

#include <QAbstractItemModelTester>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>
#include <QTabWidget>
#include <QTableView>
#include <gtest/gtest.h>
#include <optional>

using namespace testsupport;
using app::TLogForm;

namespace {
QByteArray Qsos(int n, int ab = 0) {
    QByteArray b;
    for (int i = ab; i < ab + n; ++i)
        b += "1;24.03.2026;19:" + QByteArray::number(10 + i % 50) + ":00;QA" +
             QByteArray::number(i % 10) + "X" + QByteArray::number(i) + ";59;K32;59;K0" +
             QByteArray::number(i % 10) + ";" + (i % 2 ? "80" : "40") + ";;SSB;\r\n";
    return b;
}
} // namespace

TEST(Hauptfenster, FirstStartWithoutAnyFile) {
    Umgebung u;
    u.welt.Schreibe("Log.ini", ""); // empty: every default
    auto f = Starte(u);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Kontestbeginn? Keinen Logfile gefunden: LOG.TXT"});
    EXPECT_EQ(u.meldungen.eintraege[0].art, "Zeige");
    EXPECT_EQ(f->windowTitle(), QStringLiteral("RLP Aktivitätsabend / CALL UNBEKANNT -Tarvex"));
    EXPECT_EQ(f->centralWidget()->size(), QSize(639, 409));
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 0");
    EXPECT_EQ(f->lblMode->text(), "SSB ");
    EXPECT_TRUE(f->SSB1->isChecked());
    EXPECT_EQ(f->RSToutMaskEdit->Text(), "59");
    EXPECT_EQ(f->Bandauswahl->currentText(), "2");
    EXPECT_EQ(f->TabbedNotebook1->currentIndex(), 0);
    EXPECT_EQ(f->QSONrOutLabel1->text(), "???");
    EXPECT_EQ(f->Panel3->text(), "Multis: 0");
    EXPECT_EQ(f->pnlQsoPunkte->text(), "QSO Punkte: 0");
    EXPECT_EQ(f->lblZeitmode->text(), "UTC");
    EXPECT_TRUE(f->mnuStarthinweise->isChecked());
    EXPECT_TRUE(u.hinweisTimerGestartet) << "the hints follow half a second after the window";
    EXPECT_TRUE(f->AutomatischeSuche1->isChecked());
    EXPECT_EQ(f->QsoModell->rowCount(), 1) << "the header and one empty row";
    EXPECT_FALSE(f->SpeichernButton->isEnabled());
}

TEST(Hauptfenster, MenuCaptions) {
    Umgebung u;
    auto f = Starte(u);
    QStringList menues;
    for (QAction* a : f->menuBar()->actions())
        menues << a->text();
    EXPECT_EQ(menues, (QStringList{"&Datei", "Einstellungen", "Fenster", "Info"}));
    const std::pair<QAction*, const char*> items[] = {
        {f->NeuKontest, "&Neuer Kontest"},
        {f->mnuSTF, "STF Export"},
        {f->mnuADIF, "ADIF Export"},
        {f->mnuPDF, "Auswertung in PDF"},
        {f->mnuDrucken, "&Drucke Papier"},
        {f->mnuEnde, "&Ende"},
        {f->Stationsangaben1, "Stationsangaben"},
        {f->mnuSonderstationen, "Sonderstationsliste pflegen"},
        {f->mnuSonderDOKliste, "Sonder-DOK-Liste pflegen"},
        {f->mnuListenNeuEinlesen, "Sonderlisten neu einlesen"},
        {f->mnuOfflineerfassung, "Erfassung nach Kontest"},
        {f->mnuUhrUTC, "UTC"},
        {f->mnuLokalzeit, "Lokalzeit"},
        {f->AutomatischeSuche1, "Automatische Suche"},
        {f->mnuProgramminfo, "Programminfo"},
        {f->mnuVerCheck, "Versionsprüfung"},
        {f->mnuStarthinweise, "Starthinweise anzeigen"}};
    for (const auto& [a, text] : items)
        EXPECT_EQ(a->text(), QString::fromUtf8(text));
}

TEST(Hauptfenster, StartWithFiveQsosShowsThemNewestFirst) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + Qsos(5));
    auto f = Starte(u);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 5");
    EXPECT_EQ(f->Bandauswahl->currentText(), "40") << "the band of the last QSO";
    auto* m = f->QsoModell;
    ASSERT_EQ(m->rowCount(), 5);
    EXPECT_EQ(m->index(0, 2).data().toString(), "QA4X4");
    EXPECT_EQ(m->index(4, 2).data().toString(), "QA0X0");
    const QStringList koepfe = {" T/M", " UT", " RUFZEICHEN", "RST",  "OUT",
                                "RST",  "IN",  "QRG",         "MODE", "    BEMERKUNGEN"};
    const int breiten[] = {41, 38, 128, 31, 37, 31, 36, 33, 203, 64};
    for (int c = 0; c < 10; ++c) {
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), koepfe[c]);
        EXPECT_EQ(f->QsoGrid->columnWidth(c), breiten[c]);
    }
    EXPECT_EQ(m->index(0, 8).data().toString(), "SSB");
}

TEST(QsoListe, GrowthAndTheTwoThousandRowLimit) {
    struct Fall {
        int geladen;
        int nachStart;
        int nachZweiSaves;
    } faelle[] = {{0, 1, 3}, {5, 5, 7}, {1998, 1998, 1999}, {2500, 2000, 2000}};
    for (const auto& fall : faelle) {
        core::LogSpalten log;
        for (int i = 0; i < fall.geladen; ++i)
            log.Anhaengen({"d", "z", "C" + QString::number(i), "", "", "", "", "", "", ""});
        core::QsoListenModell m(log);
        QAbstractItemModelTester tester(&m, QAbstractItemModelTester::FailureReportingMode::Fatal);
        m.FillQsoGrid();
        EXPECT_EQ(m.rowCount(), fall.nachStart) << fall.geladen;
        for (int s = 0; s < 2; ++s) {
            log.Anhaengen({"d", "z", "NEU" + QString::number(s), "", "", "", "", "", "", ""});
            m.AddQsoToGrid();
        }
        EXPECT_EQ(m.rowCount(), fall.nachZweiSaves) << fall.geladen;
        if (fall.geladen < 1998) {
            EXPECT_EQ(m.index(0, 2).data().toString(), "NEU1");
            EXPECT_EQ(m.index(1, 2).data().toString(), "NEU0");
        }
        if (fall.geladen == 0) {
            EXPECT_EQ(m.QsoIndex(2), -1) << "the empty row moves down";
        }
        if (fall.geladen == 2500) {
            EXPECT_EQ(m.index(0, 2).data().toString(), "C2499") << "a full list stays as it is";
        }
    }
}

TEST(Hauptfenster, StoredPositionAndClosing) {
    struct Fall {
        const char* name;
        QByteArray ini; // Log.ini at start
        QPoint start;   // where the window comes up
        std::optional<QPoint> verschoben;
        QByteArray nachher; // Log.ini after closing
    } faelle[] = {
        {"no_keys_not_moved", "", {5, 5}, std::nullopt, "[Einstellung]\r\nUTC=1\r\n"},
        {"hexadecimal_and_decimal",
         "[Fenster]\r\nLogformLeft=0x20\r\nLogformTop=7\r\n",
         {32, 7},
         std::nullopt,
         "[Fenster]\r\nLogformLeft=0x20\r\nLogformTop=7\r\n[Einstellung]\r\nUTC=1\r\n"},
        {"garbage_gives_default",
         "[Fenster]\r\nLogformLeft=x1z\r\nLogformTop=\r\n",
         {5, 5},
         std::nullopt,
         "[Fenster]\r\nLogformLeft=x1z\r\nLogformTop=\r\n[Einstellung]\r\nUTC=1\r\n"},
        {"moved",
         "",
         {5, 5},
         QPoint(40, 60),
         "[Fenster]\r\nLogformLeft=40\r\nLogformTop=60\r\n[Einstellung]\r\nUTC=1\r\n"},
    };
    for (const auto& fall : faelle) {
        SCOPED_TRACE(fall.name);
        Umgebung u;
        u.welt.Schreibe("Log.ini", fall.ini);
        auto f = Starte(u);
        EXPECT_EQ(f->pos(), fall.start);
        if (fall.verschoben) {
            f->move(*fall.verschoben);
            QCoreApplication::processEvents();
        }
        f->close();
        EXPECT_EQ(u.welt.Lies("Log.ini"), fall.nachher);
    }
}

TEST(Hauptfenster, ClosingStoresTheTimeScale) {
    Umgebung u;
    u.welt.Schreibe("Log.ini", "");
    auto f = Starte(u);
    f->mnuLokalzeit->trigger();
    f->close();
    EXPECT_FALSE(platform::IniDatei(u.welt.LogIni()).LeseSchalter("Einstellung", "UTC", true));
}

TEST(Hauptfenster, NewContestOnlyTellsWhatToDo) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + Qsos(2));
    auto f = Starte(u);
    f->NeuKontest->trigger();
    EXPECT_EQ(u.meldungen.Texte().last(),
              "Beenden Sie das Progamm und beseitigen Sie die LOG.TXT. Dann starten Sie neu");
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), LogKopf + Qsos(2));
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 2");
}

TEST(Hauptfenster, UnexpectedErrorsAreShownAndTheProgramGoesOn) {
    Umgebung u;
    FehlerAnzeige fehler;
    QStringList& gezeigt = fehler.gezeigt;
    auto f = Starte(u);
    // The offset query with no readable bias.
    u.zone.bias = std::nullopt;
    QTest::mouseClick(f->ToolButton3, Qt::LeftButton);
    ASSERT_EQ(gezeigt.size(), 1);
    EXPECT_EQ(gezeigt[0], "Der Zeitversatz zu UTC kann vom System nicht gelesen werden");
    // Log.ini cannot be written: closing is refused, the window stays open.
    LogIniSperren(u.welt);
    f->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->isVisible());
    ASSERT_EQ(gezeigt.size(), 2);
    EXPECT_EQ(gezeigt[1], "In Log.ini kann nicht geschrieben werden");
    // Once Log.ini can be written again, the next close stores the moved position too.
    LogIniFreigeben(u.welt);
    f->move(50, 70);
    QCoreApplication::processEvents();
    f->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->isVisible());
    platform::IniDatei ini(u.welt.LogIni());
    EXPECT_EQ(ini.LeseGanzzahl("Fenster", "LogformLeft", 0), 50);
}
