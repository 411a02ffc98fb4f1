// The entry mask typed as an operator types it: real key events, real focus changes, the
// message boxes recorded, the clock fixed.
#include "Hauptfenster.h"

#include "platform/Fehler.h"
#include "support/AbbrechendeGeraete.h"
#include "widgets/DatumEdit.h"

#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>
#include <gtest/gtest.h>

using namespace testsupport;
using app::TLogForm;

namespace {
// A box of its own with a default button, shown and answered with Enter as a person would; the
// keyboard then goes back to the window before, as after the program's boxes.
bool EnterSchliesstEineBox() {
    QPointer<QWidget> vorher = QApplication::activeWindow();
    QDialog box;
    auto* knopf = new QPushButton("OK", &box);
    knopf->setDefault(true);
    QObject::connect(knopf, &QPushButton::clicked, &box, &QDialog::accept);
    (new QVBoxLayout(&box))->addWidget(knopf);
    bool angenommen = false;
    QObject::connect(&box, &QDialog::accepted, [&] { angenommen = true; });
    box.show();
    box.activateWindow();
    if (!QTest::qWaitForWindowActive(&box))
        return false;
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    QCoreApplication::processEvents();
    if (vorher) {
        vorher->activateWindow();
        [[maybe_unused]] const bool zurueck = QTest::qWaitForWindowActive(vorher);
    }
    return angenommen;
}

void QsoTippen(const QString& call, const QString& dok) {
    Tippe(call);
    Taste(Qt::Key_Return); // to the report given
    Taste(Qt::Key_Return); // to the report received
    Taste(Qt::Key_Return); // to the received DOK
    Tippe(dok);
    Taste(Qt::Key_Return); // to "Speichern"
    Taste(Qt::Key_Return); // saves
}
} // namespace

TEST(Eingabe, AWholeQsoByKeyboardReachesTheFileByteForByte) {
    Umgebung u;
    auto f = Starte(u);
    u.meldungen.Leeren();
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:15") << "UTC with bias -120 at 20:15 local";
    QsoTippen("qa1abc", "k01");
    EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << u.meldungen.Texte().join('|').toStdString();
    EXPECT_EQ(u.welt.Lies("LOG.TXT"),
              LogKopf + "1;24.03.2026;18:15:00;QA1ABC;59;???;59;K01;2;;SSB;\r\n");
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 1");
    EXPECT_EQ(f->QsoModell->index(0, 2).data().toString(), "QA1ABC");
    EXPECT_EQ(f->CallMaskEdit->Text(), "");
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    EXPECT_FALSE(f->SpeichernButton->isEnabled());
    EXPECT_EQ(f->Bandauswahl->currentText(), "2");
}

TEST(Eingabe, DuplicatesAreRefusedOnTheFirstLaterField) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT", LogKopf + "1;24.03.2026;18:00:00;QA1ABC;59;K32;59;K01;2;;SSB;\r\n"
                                         "1;24.03.2026;18:01:00;QB/QA3ABC;59;K32;59;K01;2;;SSB;\r\n"
                                         "1;24.03.2026;18:02:00;Q1A;59;K32;59;K01;2;;SSB;\r\n");
    auto f = Starte(u);
    f->CW1->trigger();
    f->Bandauswahl->setEditText("80");
    struct Fall {
        const char* call;
        const char* meldung; // nullptr: accepted
    } faelle[] = {
        {"QA1ABC/P", "STOP - heute schon gearbeitet"},
        {"QA3ABC/QB", "STOP - heute schon gearbeitet"},
        {"QD/Q1A/P", nullptr},
        {"QAB", "Ungültiges Rufzeichen"},
        {"QA0ABCDEF", "Ungültiges Rufzeichen"},
        {"QA2XYZ", nullptr},
    };
    for (const auto& fall : faelle) {
        u.meldungen.Leeren();
        f->CallMaskEdit->SetzeText(QString());
        f->FokusAuf(f->CallMaskEdit);
        Tippe(QString::fromLatin1(fall.call));
        // While the box is up, the operator closes it with Enter: the key belongs to the box.
        bool boxMitEnterZu = false;
        u.meldungen.beimZeigen = [&](const MeldungsRekorder::Eintrag&) {
            boxMitEnterZu = EnterSchliesstEineBox();
        };
        Taste(Qt::Key_Return);
        u.meldungen.beimZeigen = nullptr;
        if (fall.meldung) {
            EXPECT_EQ(u.meldungen.Texte(), QStringList{QString::fromUtf8(fall.meldung)})
                << fall.call;
            EXPECT_TRUE(boxMitEnterZu) << "Enter closes the box instead of moving on";
            EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit) << fall.call;
            EXPECT_FALSE(f->SpeichernButton->isEnabled()) << fall.call;
        } else {
            EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << fall.call;
            EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit) << fall.call;
        }
    }
}

TEST(Eingabe, DuplicateCheckRunsOncePerCallsign) {
    Umgebung u;
    auto f = Starte(u);
    Tippe("QA1ABC");
    Taste(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    // From now on a check would refuse the callsign: moving between the later fields runs none.
    f->kontest.Doppelte.Hinzufuegen("QA1ABC");
    u.meldungen.Leeren();
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
    // Entering the callsign field again means a new check at the next later field.
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    Taste(Qt::Key_Return);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"STOP - heute schon gearbeitet"});
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
}

TEST(Eingabe, NothingIsSavedThatTheMaskRefuses) {
    Umgebung u;
    auto f = Starte(u);
    // A click on "Speichern" whose focus move the report refuses does not save.
    Tippe("QA1ABC");
    Taste(Qt::Key_Return);
    Taste(Qt::Key_End);
    Taste(Qt::Key_Backspace);
    Taste(Qt::Key_Backspace);
    Tippe("69");
    u.meldungen.Leeren();
    QTest::mouseClick(f->SpeichernButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Ungültiger Rapport"});
    EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    EXPECT_FALSE(u.welt.Existiert("LOG.TXT"));
    // An emptied callsign cannot be saved with Enter.
    Taste(Qt::Key_End);
    Taste(Qt::Key_Backspace);
    Taste(Qt::Key_Backspace);
    Tippe("57");
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    for (int i = 0; i < 6; ++i)
        Taste(Qt::Key_Backspace);
    Taste(Qt::Key_Return);
    EXPECT_FALSE(u.welt.Existiert("LOG.TXT"));
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 0");
    EXPECT_FALSE(f->SpeichernButton->isEnabled());
    // Enter in the band box saves, with the band box's rule applied.
    Tippe("QA1ABC");
    f->FokusAuf(f->Bandauswahl);
    f->Bandauswahl->lineEdit()->clear();
    Tippe("6");
    Taste(Qt::Key_Return);
    const auto zeilen = LogZeilen(u.welt.Lies("LOG.TXT"));
    ASSERT_EQ(zeilen.size(), 1);
    EXPECT_EQ(zeilen[0][8], "2");
}

TEST(Eingabe, LaterFieldWithoutCallsignWarnsAndReturns) {
    Umgebung u;
    auto f = Starte(u);
    u.meldungen.Leeren();
    QTest::mouseClick(f->BemerkungEdit, Qt::LeftButton);
    QCoreApplication::processEvents();
    ASSERT_EQ(u.meldungen.eintraege.size(), 1u);
    EXPECT_EQ(u.meldungen.eintraege[0].art, "Warnung");
    EXPECT_EQ(u.meldungen.eintraege[0].text, "Bitte zuerst ein Rufzeichen eingeben");
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
}

TEST(Eingabe, EnterInAnEmptyCallsignFieldDoesNothing) {
    Umgebung u;
    auto f = Starte(u);
    u.meldungen.Leeren();
    Taste(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << u.meldungen.Texte().join('|').toStdString();
    EXPECT_FALSE(u.welt.Existiert("LOG.TXT"));
}

TEST(Eingabe, ReportLimitsPerMode) {
    struct Fall {
        QAction* TLogForm::*mode;
        const char* rapport;
        bool ok;
    } faelle[] = {
        {&TLogForm::SSB1, "69", false}, {&TLogForm::SSB1, "11", true},
        {&TLogForm::SSB1, "59", true},  {&TLogForm::SSB1, "60", false},
        {&TLogForm::FM1, "59", true},   {&TLogForm::CW1, "599", true},
        {&TLogForm::CW1, "600", false}, {&TLogForm::RTTY1, "100", true},
    };
    for (const auto& fall : faelle) {
        Umgebung u;
        auto f = Starte(u);
        (f.get()->*fall.mode)->trigger();
        Tippe("QA1ABC");
        Taste(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
        u.meldungen.Leeren();
        Taste(Qt::Key_End);
        for (int i = 0; i < 3; ++i)
            Taste(Qt::Key_Backspace);
        Taste(Qt::Key_Home);
        Tippe(QString::fromLatin1(fall.rapport));
        Taste(Qt::Key_Return);
        if (fall.ok) {
            EXPECT_EQ(QApplication::focusWidget(), f->RSTinMaskEdit) << fall.rapport;
            EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << fall.rapport;
        } else {
            EXPECT_EQ(u.meldungen.Texte(), QStringList{"Ungültiger Rapport"}) << fall.rapport;
            EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit) << fall.rapport;
        }
    }
}

TEST(Eingabe, IncompleteMaskRefusesTheFocusAndEscapeUndoes) {
    Umgebung u;
    auto f = Starte(u);
    Tippe("QA1ABC");
    Taste(Qt::Key_Return);
    ASSERT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    u.meldungen.Leeren();
    Taste(Qt::Key_End);
    Taste(Qt::Key_Backspace);
    EXPECT_EQ(f->RSToutMaskEdit->Text(), "5");
    Taste(Qt::Key_Return);
    EXPECT_EQ(u.meldungen.Texte(),
              QStringList{QStringLiteral("Ungültiger Eingabewert. Mit der Taste ESC machen Sie die "
                                         "Änderungen rückgängig.")});
    EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit)
        << "the mask check comes first; the report's own check is not reached";
    Taste(Qt::Key_Escape);
    EXPECT_EQ(f->RSToutMaskEdit->Text(), "59");
    u.meldungen.Leeren();
    Taste(Qt::Key_Return);
    EXPECT_EQ(QApplication::focusWidget(), f->RSTinMaskEdit);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
}

TEST(Eingabe, ModeCycleAndDiscard) {
    Umgebung u;
    auto f = Starte(u);
    const QStringList erwartet = {" FM ", "PSK ", "RTTY", "SSTV", " CW ", "SSB "};
    for (const QString& label : erwartet) {
        QTest::mouseClick(f->lblMode, Qt::LeftButton);
        EXPECT_EQ(f->lblMode->text(), label);
    }
    f->CW1->trigger();
    EXPECT_EQ(f->RSTinMaskEdit->Text(), "599");
    Tippe("QA1ABC");
    Taste(Qt::Key_Return);
    f->Bandauswahl->setEditText("80");
    f->BemerkungEdit->SetzeText("x");
    QTest::mouseClick(f->VerwerfenButton, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(f->CallMaskEdit->Text(), "");
    EXPECT_EQ(f->BemerkungEdit->Text(), "");
    EXPECT_EQ(f->RSToutMaskEdit->Text(), "599");
    EXPECT_EQ(f->RSTinMaskEdit->Text(), "599");
    EXPECT_EQ(f->Bandauswahl->currentText(), "80");
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
}

TEST(Eingabe, BandBoxAcceptsOnlyTheContestBands) {
    Umgebung u;
    auto f = Starte(u);
    const std::pair<const char*, const char*> faelle[] = {{"40", "40"}, {"6", "2"},   {"160", "2"},
                                                          {"", "2"},    {"10", "10"}, {"2 ", "2"}};
    for (const auto& [getippt, bleibt] : faelle) {
        f->FokusAuf(f->Bandauswahl);
        f->Bandauswahl->lineEdit()->clear();
        Tippe(QString::fromLatin1(getippt));
        Taste(Qt::Key_Tab);
        EXPECT_EQ(f->Bandauswahl->currentText(), bleibt) << getippt;
    }
    f->FokusAuf(f->Bandauswahl);
    f->Bandauswahl->setCurrentIndex(3);
    Taste(Qt::Key_Tab);
    EXPECT_EQ(f->Bandauswahl->currentText(), "0.70");
}

TEST(Eingabe, ClockUtcAndLocalTime) {
    struct Fall {
        std::optional<int> bias;
        bool utc;
        const char* zeit;
        const char* label;
    } faelle[] = {
        {-120, true, "18:15", "UTC"}, {-120, false, "20:15", "MESZ"},
        {-60, false, "20:15", "MEZ"}, {0, false, "20:15", "MEZ"},
        {-60, true, "19:15", "UTC"},  {std::nullopt, true, "20:15", "UTC"},
    };
    for (const auto& fall : faelle) {
        Umgebung u;
        u.zone.bias = fall.bias;
        u.welt.Schreibe("Log.ini",
                        QByteArray("[Fenster]\r\nStarthinweise=0\r\n[Einstellung]\r\nUTC=") +
                            (fall.utc ? "1" : "0") + "\r\n");
        auto f = Starte(u);
        EXPECT_EQ(f->ZeitEdit1->Text(), fall.zeit);
        EXPECT_EQ(f->lblZeitmode->text(), fall.label);
        EXPECT_EQ(f->mnuUhrUTC->isChecked(), fall.utc);
        EXPECT_EQ(f->mnuLokalzeit->isChecked(), !fall.utc);
        f->UhrTimer1Timer();
        EXPECT_EQ(f->Panel2->text(), "20:15:00") << "the panel shows local time";
    }
}

TEST(Eingabe, ClockFollowsOnlyWhileInTheCallsignField) {
    Umgebung u;
    auto f = Starte(u);
    EXPECT_EQ(f->Panel2->text(), "18:15") << "before the first tick: the offset time";
    u.uhr.jetzt = u.uhr.jetzt.addSecs(60);
    f->UhrTimer1Timer();
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:16");
    Tippe("QA1ABC");
    Taste(Qt::Key_Return);
    u.uhr.jetzt = u.uhr.jetzt.addSecs(120);
    f->UhrTimer1Timer();
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:16") << "the QSO keeps the minute its callsign was typed";
    Taste(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:18") << "entering the callsign field brings it up to date";
    // "UTC" again reads the bias afresh; the query button reports without changing anything.
    u.zone.bias = -60;
    f->ToolButton3->click();
    EXPECT_EQ(u.meldungen.Texte().last(), "Versatz zu UTC in Minuten zur Zeit: -60");
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:18");
    f->mnuUhrUTC->trigger();
    EXPECT_EQ(f->ZeitEdit1->Text(), "19:18");
}

TEST(Eingabe, CaptureAfterTheContest) {
    Umgebung u;
    auto f = Starte(u);
    f->mnuOfflineerfassung->trigger();
    EXPECT_TRUE(f->edtOfflineDatum->isVisible());
    EXPECT_TRUE(f->lblOfflineDatum->isVisible());
    EXPECT_EQ(f->edtOfflineDatum->Text(), "24.03.2026");
    f->edtOfflineDatum->SetzeDatum(QDate(2025, 11, 14));
    f->FokusAuf(f->CallMaskEdit);
    Tippe("QA1ABC");
    Taste(Qt::Key_Tab); // band
    EXPECT_EQ(QApplication::focusWidget(), f->Bandauswahl);
    Taste(Qt::Key_Tab); // time
    ASSERT_EQ(QApplication::focusWidget(), f->ZeitEdit1);
    Taste(Qt::Key_Home);
    Tippe("1807");
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:07");
    u.uhr.jetzt = u.uhr.jetzt.addSecs(300);
    f->UhrTimer1Timer();
    f->mnuLokalzeit->trigger();
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:07") << "the clock leaves the typed time alone";
    EXPECT_EQ(f->lblZeitmode->text(), "MESZ");
    Taste(Qt::Key_Tab); // report given
    EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    // The contest date is one stop of the tab order, as every field.
    f->FokusAuf(f->edtOfflineDatum);
    Taste(Qt::Key_Tab);
    EXPECT_NE(QApplication::focusWidget(), f->edtOfflineDatum);
    f->FokusAuf(f->RSToutMaskEdit);
    f->SpeichernButton->click();
    EXPECT_TRUE(
        u.welt.Lies("LOG.TXT").endsWith("1;14.11.2025;18:07:00;QA1ABC;59;???;59;;2;;SSB;\r\n"));
    EXPECT_EQ(f->ZeitEdit1->Text(), "18:07") << "the next QSO starts from the last typed time";
    f->mnuOfflineerfassung->trigger();
    EXPECT_FALSE(f->edtOfflineDatum->isVisible());
}

TEST(Eingabe, ShiftEnterOnTheSaveButtonTakesTodayAndTheLocalTime) {
    Umgebung u;
    auto f = Starte(u);
    f->mnuOfflineerfassung->trigger();
    f->edtOfflineDatum->SetzeDatum(QDate(2025, 11, 14));
    f->FokusAuf(f->CallMaskEdit);
    Tippe("QA1ABC");
    u.uhr.jetzt = QDateTime(QDate(2026, 3, 24), QTime(20, 15, 42));
    f->FokusAuf(f->SpeichernButton);
    ASSERT_EQ(QApplication::focusWidget(), f->SpeichernButton);
    Taste(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_TRUE(
        u.welt.Lies("LOG.TXT").endsWith("1;24.03.2026;20:15:42;QA1ABC;59;???;59;;2;;SSB;\r\n"));
    // Escape on the focused button discards.
    Tippe("QA9ZZZ");
    f->FokusAuf(f->SpeichernButton);
    Taste(Qt::Key_Escape);
    EXPECT_EQ(f->CallMaskEdit->Text(), "");
    EXPECT_EQ(LogZeilen(u.welt.Lies("LOG.TXT")).size(), 1);
}

TEST(Eingabe, ReceivedDokWithABlankInsideIsTrimmedOnlyAtItsEnds) {
    Umgebung u;
    auto f = Starte(u);
    QsoTippen("QA1ABC", "k 32");
    EXPECT_TRUE(u.welt.Lies("LOG.TXT").endsWith(";59;K 32;2;;SSB;\r\n"));
    f->TabbedNotebook1->setCurrentIndex(1);
    EXPECT_EQ(f->QsoGrid->model()->index(0, 6).data().toString(), "K 32")
        << "the list shows it as saved";
}

TEST(Eingabe, EnterInAnotherWindowKeepsItsMeaning) {
    Umgebung u;
    auto f = Starte(u);
    Tippe("QA1ABC"); // the active control is a masked field with a callsign
    EXPECT_TRUE(EnterSchliesstEineBox());
    EXPECT_EQ(f->AktivesFeld(), f->CallMaskEdit) << "a move to another window runs no handler";
}

namespace {
// Whether the cells of a list row are drawn in a clear red.
bool ZeileRot(TLogForm& f, int zeile) {
    const QImage bild = f.QsoGrid->viewport()->grab().toImage();
    const QRect r = f.QsoGrid->visualRect(f.QsoModell->index(zeile, 2));
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) {
            const QColor c = bild.pixelColor(x, y);
            if (c.red() > 200 && c.green() < 80 && c.blue() < 80)
                return true;
        }
    return false;
}
} // namespace

// A QSO that cannot be written (here: LOG.TXT turned into a folder) is refused with the write
// message but stays in the list, red, and waits; closing asks, "Ja" keeps the program open, and
// once the file can be written closing writes the QSO and the program ends.
TEST(Eingabe, AQsoNotOnTheDiskIsRedAndClosingAsksFirst) {
    Umgebung u;
    auto f = Starte(u);
    QsoTippen("QA1ABC", "K01");
    QDir(u.welt.Pfad("")).rename("LOG.TXT", "LOG.bak");
    QDir(u.welt.Pfad("")).mkdir("LOG.TXT");
    u.meldungen.Leeren();
    QsoTippen("QA2ABC", "K02");
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 2");
    f->TabbedNotebook1->setCurrentIndex(1);
    QCoreApplication::processEvents();
    EXPECT_TRUE(ZeileRot(*f, 0)) << "QA2ABC waits for the disk";
    EXPECT_FALSE(ZeileRot(*f, 1)) << "QA1ABC is on the disk";

    u.meldungen.Leeren();
    u.meldungen.Antworte(platform::Knopf::Ja);
    f->close();
    QCoreApplication::processEvents();
    EXPECT_TRUE(f->isVisible());
    EXPECT_EQ(u.meldungen.Texte(), QStringList{TLogForm::AusstehendFrage(1)});
    EXPECT_EQ(TLogForm::AusstehendFrage(1),
              QStringLiteral("Ein QSO ist noch nicht in LOG.TXT gespeichert (rot in der "
                             "QSO-Liste) und geht beim Beenden verloren.\r\nProgramm offen "
                             "lassen, um den Fehler zu beheben?"));

    QDir(u.welt.Pfad("")).rmdir("LOG.TXT");
    QDir(u.welt.Pfad("")).rename("LOG.bak", "LOG.TXT");
    u.meldungen.Leeren();
    f->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->isVisible());
    EXPECT_TRUE(u.meldungen.Texte().isEmpty());
    const auto zeilen = LogZeilen(u.welt.Lies("LOG.TXT"));
    ASSERT_EQ(zeilen.size(), 2);
    EXPECT_EQ(zeilen[1][3], "QA2ABC");
    EXPECT_FALSE(f->QsoModell->index(0, 2).data(core::QsoListenModell::AusstehendRolle).toBool());
}

TEST(Eingabe, NeinEndsWithTheQsoLost) {
    Umgebung u;
    auto f = Starte(u);
    QDir(u.welt.Pfad("")).mkdir("LOG.TXT");
    QsoTippen("QA1ABC", "K01");
    u.meldungen.Leeren();
    u.meldungen.Antworte(platform::Knopf::Nein);
    f->close();
    QCoreApplication::processEvents();
    EXPECT_FALSE(f->isVisible());
    EXPECT_EQ(u.meldungen.Texte(), QStringList{TLogForm::AusstehendFrage(1)});
}

// An export reads LOG.TXT: a QSO still waiting for the disk is tried once more, and where it is
// still missing, the operator hears so before the export goes on.
TEST(Eingabe, AnExportWarnsOfQsosNotOnTheDisk) {
    Umgebung u;
    auto f = Starte(u);
    QsoTippen("QA1ABC", "K01");
    u.meldungen.Leeren();
    {
        // The disk is full: LOG.TXT can be read, nothing can be added to it.
        const testsupport::DateiGrenze grenze(QFileInfo(u.welt.LogTxt()).size());
        QsoTippen("QA2ABC", "K02");
        ASSERT_EQ(u.meldungen.Texte(), QStringList{"Schreibfehler im Logfile: LOG.TXT"});
        u.meldungen.Leeren();
        // LOG.ADI cannot be written either; the failure goes to the handler of unexpected errors.
        EXPECT_THROW(f->mnuADIF->trigger(), platform::Fehler);
    }
    ASSERT_FALSE(u.meldungen.eintraege.empty());
    EXPECT_EQ(u.meldungen.eintraege[0].art, "Warnung");
    EXPECT_EQ(u.meldungen.eintraege[0].text,
              "Ein QSO ist noch nicht in LOG.TXT gespeichert (rot in der QSO-Liste) und fehlt im "
              "Export.");
    // With room again, the next export writes the waiting QSO first and warns of nothing.
    u.meldungen.Leeren();
    f->mnuADIF->trigger();
    EXPECT_EQ(u.meldungen.Texte().size(), 1);
    EXPECT_TRUE(u.meldungen.Texte().value(0).contains("geschrieben mit 2 Sätzen"))
        << u.meldungen.Texte().join(" | ").toStdString();
}
