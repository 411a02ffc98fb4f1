// Correcting and deleting a QSO from the list page, by keyboard as an operator does it: Alt+L, the
// rows, Enter or Delete; the list, the panels, the file and the entry mask's duplicate check
// follow at once.
#include "Hauptfenster.h"

#include "dialogs/TQsoBearbeitenDlg.h"

#include <QLabel>
#include <QTabWidget>
#include <QTableView>
#include <functional>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {
const QByteArray Zeile1 = "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K01;80;;SSB;\r\n";
const QByteArray Zeile2 = "1;24.03.2026;19:02:00;QA2BB;59;K32;59;K02;2;;SSB;\r\n";
const QByteArray Zeile3 = "1;24.03.2026;19:03:00;QA3CC;59;K32;59;Z22;2;portabel;SSB;\r\n";
const QByteArray Drei = LogKopf + Zeile1 + Zeile2 + Zeile3;

std::unique_ptr<app::TLogForm> StarteMitDrei(Umgebung& u) {
    u.welt.Schreibe("Log.ini", "[Stationsangaben]\r\nFDmanagerDOK=K32\r\n[Fenster]\r\n"
                               "Starthinweise=0\r\n");
    u.welt.Schreibe("LOG.TXT", Drei);
    auto f = Starte(u);
    u.meldungen.Leeren();
    return f;
}

// Runs `im` inside the dialog that `oeffnen` opens modally, once it has the keyboard.
bool ImDialog(const std::function<void()>& oeffnen,
              const std::function<void(dialogs::TQsoBearbeitenDlg&)>& im) {
    bool offen = false;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<dialogs::TQsoBearbeitenDlg*>(QApplication::activeModalWidget());
        if (!dlg)
            return;
        offen = QTest::qWaitFor([dlg] {
            return QApplication::focusWidget() && QApplication::focusWidget()->window() == dlg;
        });
        im(*dlg);
        if (dlg->isVisible())
            dlg->reject();
    });
    oeffnen();
    QCoreApplication::processEvents();
    return offen;
}

QStringList Spalte(const app::TLogForm& f, int spalte) {
    QStringList werte;
    for (int r = 0; r < f.QsoModell->rowCount(); ++r)
        werte << f.QsoModell->index(r, spalte).data().toString();
    return werte;
}
} // namespace

TEST(Korrektur, ANewDokForTheNewestQsoByKeyboard) {
    Umgebung u;
    auto f = StarteMitDrei(u);
    EXPECT_EQ(f->Panel3->text(), "Multis: 2");
    Taste(Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(f->TabbedNotebook1->currentIndex(), 1);
    ASSERT_EQ(QApplication::focusWidget(), f->QsoGrid) << "the list is reached with the keyboard";
    EXPECT_EQ(f->QsoGrid->currentIndex().row(), 0);
    EXPECT_TRUE(f->QsoGrid->selectionModel()->isRowSelected(0, {}));

    QStringList imDialog;
    ASSERT_TRUE(ImDialog([] { Taste(Qt::Key_Return); },
                         [&](dialogs::TQsoBearbeitenDlg& dlg) {
                             imDialog << dlg.CallEdit->Text() << dlg.DokEinEdit->Text();
                             for (int i = 0; i < 3; ++i)
                                 Taste(Qt::Key_Tab);
                             Tippe("K03");
                             Taste(Qt::Key_S, Qt::AltModifier);
                             QTest::qWait(250); // the button shows its click first
                         }));
    EXPECT_EQ(imDialog, (QStringList{"QA3CC", "Z22"}));
    EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << u.meldungen.Texte().join("|").toStdString();
    EXPECT_EQ(u.welt.Lies("LOG.TXT"),
              LogKopf + Zeile1 + Zeile2 +
                  "1;24.03.2026;19:03:00;QA3CC;59;K32;59;K03;2;portabel;SSB;\r\n");
    EXPECT_EQ(u.welt.Lies("LOG.BAK"), Drei);
    EXPECT_EQ(Spalte(*f, 6), (QStringList{"K03", "K02", "K01"}));
    EXPECT_EQ(f->Panel3->text(), "Multis: 3");
    EXPECT_EQ(f->pnlQsoPunkte->text(), "QSO Punkte: 9");
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 3");
    EXPECT_EQ(QApplication::focusWidget(), f->QsoGrid) << "the keyboard is back on the list";
    EXPECT_EQ(f->QsoGrid->currentIndex().row(), 0);
    const QByteArray korrigiert = u.welt.Lies("LOG.TXT");

    // Down a row and double-click opens that QSO; Escape changes nothing.
    Taste(Qt::Key_Down);
    EXPECT_EQ(f->QsoGrid->currentIndex().row(), 1);
    const QRect zelle = f->QsoGrid->visualRect(f->QsoModell->index(2, 2));
    ASSERT_TRUE(ImDialog(
        [&] {
            QTest::mouseClick(f->QsoGrid->viewport(), Qt::LeftButton, {}, zelle.center());
            QTest::mouseDClick(f->QsoGrid->viewport(), Qt::LeftButton, {}, zelle.center());
        },
        [&](dialogs::TQsoBearbeitenDlg& dlg) {
            imDialog = {dlg.CallEdit->Text()};
            Taste(Qt::Key_Escape);
        }));
    EXPECT_EQ(imDialog, QStringList{"QA1AA"});
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), korrigiert);
}

TEST(Korrektur, DeleteOnARowAsksAndTheCountDrops) {
    Umgebung u;
    auto f = StarteMitDrei(u);
    Taste(Qt::Key_L, Qt::AltModifier);
    Taste(Qt::Key_Down);
    ASSERT_EQ(f->QsoGrid->currentIndex().row(), 1);

    u.meldungen.Antworte(platform::Knopf::Nein);
    Taste(Qt::Key_Delete);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"QSO wirklich löschen?"});
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), Drei);

    u.meldungen.Leeren();
    Taste(Qt::Key_Delete); // unscripted, the answer is the box's default, "Nein"
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), Drei);
    u.meldungen.Leeren();
    u.meldungen.Antworte(platform::Knopf::Ja);
    Taste(Qt::Key_Delete);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"QSO wirklich löschen?"});
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), LogKopf + Zeile1 + Zeile3);
    EXPECT_EQ(Spalte(*f, 2), (QStringList{"QA3CC", "QA1AA"}));
    EXPECT_EQ(f->pnlQsoAnzahl->text(), "QSO Anzahl: 2");
    EXPECT_EQ(f->kontest.QsoNummer, 3);
    EXPECT_EQ(f->Panel3->text(), "Multis: 1");
    EXPECT_EQ(f->QsoGrid->currentIndex().row(), 1) << "the row that took its place";

    // Back in the entry mask the deleted station can be worked again; the others cannot.
    Taste(Qt::Key_D, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    u.meldungen.Leeren();
    Tippe("QA2BB");
    Taste(Qt::Key_Return);
    EXPECT_TRUE(u.meldungen.Texte().isEmpty()) << u.meldungen.Texte().join("|").toStdString();
    EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
    f->VerwerfenButtonClick();
    Tippe("QA3CC");
    Taste(Qt::Key_Return);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"STOP - heute schon gearbeitet"});
}

// Enter on the list belongs to the list: a callsign waiting in the mask is not saved by it, and
// the empty row of an empty log opens nothing.
TEST(Korrektur, EnterOnTheListNeverSavesTheMask) {
    Umgebung u;
    auto f = StarteMitDrei(u);
    Tippe("QA9ZZ");
    Taste(Qt::Key_Return);
    ASSERT_TRUE(f->SpeichernButton->isEnabled());
    Taste(Qt::Key_L, Qt::AltModifier);
    ASSERT_TRUE(ImDialog([] { Taste(Qt::Key_Return); },
                         [](dialogs::TQsoBearbeitenDlg&) { Taste(Qt::Key_Escape); }));
    EXPECT_EQ(u.welt.Lies("LOG.TXT"), Drei);
    EXPECT_EQ(f->kontest.Log.Anzahl(), 3);

    Umgebung leer;
    auto g = Starte(leer);
    leer.meldungen.Leeren();
    Taste(Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(QApplication::focusWidget(), g->QsoGrid);
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Delete);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(leer.meldungen.Texte().isEmpty());
}

// A write that fails keeps the dialog open with the message; the list and the panels stay.
TEST(Korrektur, AFailedWriteKeepsTheDialogAndTheWindowAsTheyWere) {
    Umgebung u;
    auto f = StarteMitDrei(u);
    Taste(Qt::Key_L, Qt::AltModifier);
    // Someone else appends to the file while the program runs.
    u.welt.Schreibe("LOG.TXT", Drei + "1;d;z;QA9ZZ;59;K32;59;K09;2;;SSB;\r\n");
    bool nochOffen = false;
    ASSERT_TRUE(ImDialog([] { Taste(Qt::Key_Return); },
                         [&](dialogs::TQsoBearbeitenDlg& dlg) {
                             dlg.DokEinEdit->SetzeText("K03");
                             dlg.SpeichernBtn->click();
                             nochOffen = dlg.isVisible();
                         }));
    EXPECT_TRUE(nochOffen);
    EXPECT_EQ(u.meldungen.Texte(), QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_EQ(Spalte(*f, 6), (QStringList{"Z22", "K02", "K01"}));
    EXPECT_EQ(f->Panel3->text(), "Multis: 2");
    EXPECT_FALSE(u.welt.Existiert("LOG.BAK"));
}
