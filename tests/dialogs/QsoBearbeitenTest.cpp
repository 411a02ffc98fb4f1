// The dialog "QSO bearbeiten" used by keyboard: its fields and their order, a correction typed
// and saved, refusals and failed writes that keep it open, deleting with the question, Escape.
#include "core/LogDatei.h"
#include "dialogs/TQsoBearbeitenDlg.h"
#include "support/TestUmgebung.h"
#include "widgets/MaskEdit.h"

#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using dialogs::TQsoBearbeitenDlg;
using testsupport::MeldungsRekorder;
using testsupport::TestWelt;

namespace {
const QByteArray Kopf = QByteArray(core::LogKopfzeile) + "\r\n";
const QByteArray Zeile1 = "1;24.03.2026;19:01:00;QA1AA;59;K32;59;K01;80;;SSB;\r\n";
const QByteArray Zeile2 = "1;24.03.2026;19:02:00;QA2BB;599;K32;579;K02;2;portabel;CW;\r\n";

class QsoBearbeiten : public ::testing::Test {
protected:
    void SetUp() override {
        welt.Schreibe("LOG.TXT", Kopf + Zeile1 + Zeile2);
        kontest.EinstellungenLaden({5, 5, 655});
        kontest.LogLaden();
        Oeffnen(1);
    }
    void Oeffnen(int qso) {
        dlg = std::make_unique<TQsoBearbeitenDlg>(kontest, qso);
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }
    static void Taste(Qt::Key taste, Qt::KeyboardModifiers mod = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), taste, mod);
        QCoreApplication::processEvents();
    }
    // A button's letter clicks it the way a button shows a click, a moment later.
    static void AltTaste(Qt::Key taste) {
        Taste(taste, Qt::AltModifier);
        QTest::qWait(250);
    }
    static void Tippe(const QString& text) {
        QTest::keyClicks(QApplication::focusWidget(), text);
        QCoreApplication::processEvents();
    }
    QByteArray Datei() const { return welt.Lies("LOG.TXT"); }

    TestWelt welt;
    MeldungsRekorder meldungen;
    core::Kontest kontest{nullptr};
    std::unique_ptr<TQsoBearbeitenDlg> dlg;
};
} // namespace

TEST_F(QsoBearbeiten, TenNamedFieldsInTheirOrderAndTheButtons) {
    EXPECT_EQ(dlg->windowTitle(), "QSO bearbeiten");
    EXPECT_TRUE(dlg->isModal());
    auto* formular = dlg->findChild<QFormLayout*>();
    ASSERT_NE(formular, nullptr);
    const QStringList namen = {"Call", "RST gegeben", "RST erhalten", "DOK erhalten",
                               "Band", "Bemerkung",   "Mode",         "Datum",
                               "Zeit", "DOK gegeben"};
    const QStringList werte = {"QA2BB",    "599", "579",        "K02",      "2",
                               "portabel", "CW",  "24.03.2026", "19:02:00", "K32"};
    ASSERT_EQ(formular->rowCount(), namen.size());
    EXPECT_EQ(QApplication::focusWidget(), dlg->CallEdit) << "the keyboard starts in Call";
    for (int i = 0; i < namen.size(); ++i) {
        SCOPED_TRACE(namen[i].toStdString());
        auto* label = qobject_cast<QLabel*>(formular->itemAt(i, QFormLayout::LabelRole)->widget());
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(label->text(), namen[i]);
        QWidget* feld = formular->itemAt(i, QFormLayout::FieldRole)->widget();
        EXPECT_EQ(QApplication::focusWidget(), feld) << "Tab walks the fields in this order";
        if (auto* edit = qobject_cast<widgets::TMaskEdit*>(feld))
            EXPECT_EQ(edit->Text(), werte[i]);
        else
            EXPECT_EQ(qobject_cast<QComboBox*>(feld)->currentText(), werte[i]);
        Taste(Qt::Key_Tab);
    }
    for (QPushButton* knopf : {dlg->SpeichernBtn, dlg->LoeschenBtn, dlg->AbbrechenBtn}) {
        EXPECT_EQ(QApplication::focusWidget(), knopf);
        Taste(Qt::Key_Tab);
    }
    EXPECT_EQ(dlg->SpeichernBtn->text(), "&Speichern");
    EXPECT_TRUE(dlg->SpeichernBtn->isDefault());
    EXPECT_EQ(dlg->LoeschenBtn->text(), "&Löschen");
    EXPECT_EQ(dlg->AbbrechenBtn->text(), "Abbrechen");
    // The choices are the contest's bands and modes.
    QStringList baender, modi;
    for (int i = 0; i < dlg->BandBox->count(); ++i)
        baender << dlg->BandBox->itemText(i);
    for (int i = 0; i < dlg->ModeBox->count(); ++i)
        modi << dlg->ModeBox->itemText(i);
    EXPECT_EQ(baender, (QStringList{"80", "40", "10", "2", "0.70"}));
    EXPECT_EQ(modi, (QStringList{"SSB", "CW", "FM", "PSK", "RTTY", "SSTV"}));
}

TEST_F(QsoBearbeiten, ANewDokTypedAndSavedWithAltS) {
    for (int i = 0; i < 3; ++i)
        Taste(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), dlg->DokEinEdit);
    Tippe("z99");
    AltTaste(Qt::Key_S);
    EXPECT_TRUE(meldungen.Texte().isEmpty()) << meldungen.Texte().join("|").toStdString();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->result(), QDialog::Accepted);
    EXPECT_EQ(dlg->Ergebnis(), TQsoBearbeitenDlg::Ausgang::Geaendert);
    EXPECT_TRUE(dlg->Korrektur().ok);
    EXPECT_EQ(Datei(),
              Kopf + Zeile1 + "1;24.03.2026;19:02:00;QA2BB;599;K32;579;Z99;2;portabel;CW;\r\n");
    EXPECT_EQ(kontest.Log.SpalteDokEin[1], "Z99");
}

TEST_F(QsoBearbeiten, EnterSavesAndEscapeCancels) {
    Taste(Qt::Key_Escape);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->Ergebnis(), TQsoBearbeitenDlg::Ausgang::Abgebrochen);
    EXPECT_FALSE(welt.Existiert("LOG.BAK"));

    Oeffnen(0);
    EXPECT_EQ(dlg->CallEdit->selectedText(), "QA1AA");
    Taste(Qt::Key_End);
    Tippe("/P");
    Taste(Qt::Key_Return);
    EXPECT_EQ(dlg->Ergebnis(), TQsoBearbeitenDlg::Ausgang::Geaendert);
    EXPECT_EQ(kontest.Log.SpalteCall[0], "QA1AA/P");
}

// A refusal names the field and gives it the keyboard; a failed write shows the write error. In
// both the dialog stays open with what was typed.
TEST_F(QsoBearbeiten, RefusalsAndFailuresKeepTheDialogOpen) {
    dlg->ModeBox->setCurrentText("SSB"); // 599 is too much for SSB
    AltTaste(Qt::Key_S);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Ungültiger Rapport"});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), dlg->RstAusEdit);
    Tippe("59");
    Taste(Qt::Key_Tab);
    Tippe("57");
    meldungen.Leeren();

    // Someone else wrote to the file since it was loaded.
    welt.Schreibe("LOG.TXT", Datei() + "1;d;z;QA9ZZ;59;K32;59;K09;2;;SSB;\r\n");
    const QByteArray vorher = Datei();
    Taste(Qt::Key_Return);
    EXPECT_EQ(meldungen.Texte(), QStringList{"Schreibfehler im Logfile: LOG.TXT"});
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(Datei(), vorher);
    EXPECT_EQ(dlg->RstEinEdit->Text(), "57");
    EXPECT_EQ(kontest.Log.SpalteMode[1], "CW");

    meldungen.Leeren();
    meldungen.Antworte(platform::Knopf::Ja);
    AltTaste(Qt::Key_L);
    EXPECT_EQ(meldungen.Texte(),
              (QStringList{"QSO wirklich löschen?", "Schreibfehler im Logfile: LOG.TXT"}));
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(kontest.Log.Anzahl(), 2);
}

TEST_F(QsoBearbeiten, DeletingAsksFirst) {
    meldungen.Antworte(platform::Knopf::Nein);
    AltTaste(Qt::Key_L);
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, "Frage");
    EXPECT_EQ(meldungen.eintraege[0].text, "QSO wirklich löschen?");
    EXPECT_TRUE(dlg->isVisible());
    EXPECT_EQ(kontest.Log.Anzahl(), 2);

    meldungen.Antworte(platform::Knopf::Ja);
    dlg->LoeschenBtn->click();
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->Ergebnis(), TQsoBearbeitenDlg::Ausgang::Geloescht);
    EXPECT_EQ(Datei(), Kopf + Zeile1);
    EXPECT_EQ(kontest.QsoNummer, 2);
}
