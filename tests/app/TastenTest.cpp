// The keys an operator uses in the middle of a contest, with real key events: Alt+D on either
// page, Enter with Ctrl or Alt, the band box's completion, Escape in the unmasked fields, and a
// Log.ini that cannot be written while the callsign is typed.
#include "Hauptfenster.h"

#include "search/TSuchForm.h"

#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {
void SchliessePopup() {
    if (QWidget* p = QApplication::activePopupWidget())
        p->close();
    QCoreApplication::processEvents();
}
} // namespace

TEST(Tasten, AltDOpensTheFileMenuOnTheEntryPageAndBringsItBackFromTheList) {
    Umgebung u;
    auto f = Starte(u);
    u.meldungen.Leeren();
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    // Every time, not every other time.
    for (int mal = 0; mal < 2; ++mal) {
        Taste(Qt::Key_D, Qt::AltModifier);
        EXPECT_EQ(QApplication::activePopupWidget(), f->Datei) << mal;
        EXPECT_EQ(f->TabbedNotebook1->currentIndex(), 0);
        EXPECT_EQ(f->CallMaskEdit->Text(), "");
        SchliessePopup();
    }
    Taste(Qt::Key_D, Qt::AltModifier);
    ASSERT_EQ(QApplication::activePopupWidget(), f->Datei);
    QTest::keyClick(f->Datei, Qt::Key_N);
    QCoreApplication::processEvents();
    EXPECT_EQ(u.meldungen.Texte(),
              QStringList{
                  "Beenden Sie das Progamm und beseitigen Sie die LOG.TXT. Dann starten Sie neu"});
    SchliessePopup();

    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f.get()));
    Taste(Qt::Key_L, Qt::AltModifier);
    ASSERT_EQ(f->TabbedNotebook1->currentIndex(), 1);
    Taste(Qt::Key_D, Qt::AltModifier);
    EXPECT_EQ(f->TabbedNotebook1->currentIndex(), 0);
    EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
    ASSERT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    Tippe("qa1abc");
    EXPECT_EQ(f->CallMaskEdit->Text(), "QA1ABC");
}

TEST(Tasten, EnterWithCtrlOrAltChangesNeitherPageNorField) {
    for (const auto mod : {Qt::ControlModifier, Qt::AltModifier}) {
        Umgebung u;
        auto f = Starte(u);
        Tippe("QA1");
        Taste(Qt::Key_Return, mod);
        EXPECT_EQ(f->TabbedNotebook1->currentIndex(), 0) << mod;
        EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit) << mod;
        Tippe("BC");
        EXPECT_EQ(f->CallMaskEdit->Text(), "QA1BC") << mod;
        // The same in a later masked field.
        Taste(Qt::Key_Return);
        ASSERT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit);
        Taste(Qt::Key_Return, mod);
        EXPECT_EQ(f->TabbedNotebook1->currentIndex(), 0) << mod;
        EXPECT_EQ(QApplication::focusWidget(), f->RSToutMaskEdit) << mod;
    }
}

TEST(Tasten, TheBandBoxCompletesNothing) {
    Umgebung u;
    auto f = Starte(u);
    for (const char* getippt : {"0", "0.", "0.7", "0.70"}) {
        f->FokusAuf(f->Bandauswahl);
        f->Bandauswahl->lineEdit()->clear();
        Tippe(QString::fromLatin1(getippt));
        EXPECT_LE(f->Bandauswahl->currentText().size(), 3) << getippt;
        Taste(Qt::Key_Tab);
        EXPECT_EQ(f->Bandauswahl->currentText(), "2") << getippt;
    }
    f->FokusAuf(f->Bandauswahl);
    f->Bandauswahl->lineEdit()->clear();
    Tippe("8");
    Taste(Qt::Key_Tab);
    EXPECT_EQ(f->Bandauswahl->currentText(), "2") << "no completion to 80 either";
}

TEST(Tasten, EscapeKeepsWhatWasTypedInTheCallsignAndTheRemark) {
    Umgebung u;
    auto f = Starte(u);
    Tippe("QA1ABC");
    Taste(Qt::Key_Escape);
    EXPECT_EQ(f->CallMaskEdit->Text(), "QA1ABC");
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit);
    f->FokusAuf(f->BemerkungEdit);
    ASSERT_EQ(QApplication::focusWidget(), f->BemerkungEdit);
    Tippe("portabel");
    Taste(Qt::Key_Escape);
    EXPECT_EQ(f->BemerkungEdit->Text(), "portabel");
}

TEST(Tasten, AnUnwritableLogIniIsReportedOncePerMoveOfTheSearchWindow) {
    Umgebung u;
    FehlerAnzeige fehler;
    QStringList& gezeigt = fehler.gezeigt;
    auto f = Starte(u);
    LogIniSperren(u.welt);
    f->SuchForm->move(f->SuchForm->pos() + QPoint(30, 20));
    Tippe("QA1ABC");
    EXPECT_EQ(gezeigt, QStringList{"In Log.ini kann nicht geschrieben werden"});
    EXPECT_EQ(f->CallMaskEdit->Text(), "QA1ABC") << "every keystroke reached the field";
    f->SuchForm->move(f->SuchForm->pos() + QPoint(30, 20));
    Tippe("/P");
    EXPECT_EQ(gezeigt.size(), 2) << "a second move is a second change";
    LogIniFreigeben(u.welt);
}
