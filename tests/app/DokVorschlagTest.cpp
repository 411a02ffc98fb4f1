// The DOK of earlier evenings as the operator meets it: put into the empty "DOK erhalten" once the
// callsign passed, wholly selected, replaced by the first keystroke, never over what he typed;
// the menu switch that survives a restart; the archive's line in the search window.
#include "Hauptfenster.h"

#include "search/TSuchForm.h"

#include <QAbstractItemModel>
#include <QDir>
#include <QMenu>
#include <QSignalSpy>
#include <gtest/gtest.h>

using namespace testsupport;

namespace {

const QByteArray Archiv2026_11 = LogKopf + "1;11.11.2026;19:00:00;QA1ABC;59;K32;59;K01;2;;SSB;\r\n"
                                           "1;11.11.2026;19:01:00;QA2ABC;59;K32;59;K02;2;;SSB;\r\n";

std::unique_ptr<app::TLogForm> StarteMitArchiv(Umgebung& u) {
    QDir(u.welt.Pfad("")).mkdir("Archiv");
    u.welt.Schreibe("Archiv/2026-11.TXT", Archiv2026_11);
    auto f = Starte(u);
    if (!f->ArchivGeladen()) {
        QSignalSpy bereit(f.get(), &app::TLogForm::ArchivBereit);
        EXPECT_TRUE(bereit.wait(10000));
    }
    return f;
}

void BisZumDok() {
    Taste(Qt::Key_Return); // report given
    Taste(Qt::Key_Return); // report received
    Taste(Qt::Key_Return); // DOK received
}

} // namespace

TEST(DokVorschlag, EnterNimmtDenVorschlag) {
    Umgebung u;
    auto f = StarteMitArchiv(u);
    EXPECT_EQ(f->mnuDokVorschlag->text(), "DOK-Vorschlag aus dem Archiv");
    EXPECT_TRUE(f->mnuDokVorschlag->isChecked());
    EXPECT_EQ(f->mnuDokVorschlag->toolTip(), "Archiv: 2 Stationen");
    Tippe("qa1abc");
    BisZumDok();
    ASSERT_EQ(QApplication::focusWidget(), f->QSONrInMaskEdit);
    EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "K01");
    EXPECT_TRUE(f->DokIstVorschlag());
    EXPECT_EQ(f->QSONrInMaskEdit->selectedText(), f->QSONrInMaskEdit->text()) << "wholly selected";
    EXPECT_NE(f->QSONrInMaskEdit->palette().color(QPalette::Text),
              f->RSTinMaskEdit->palette().color(QPalette::Text))
        << "a colour of its own";
    Taste(Qt::Key_Return); // to "Speichern"
    Taste(Qt::Key_Return); // saves
    EXPECT_TRUE(u.welt.Lies("LOG.TXT").endsWith(";QA1ABC;59;???;59;K01;2;;SSB;\r\n"));
    EXPECT_FALSE(f->DokIstVorschlag());
    EXPECT_EQ(f->QSONrInMaskEdit->palette().color(QPalette::Text),
              f->RSTinMaskEdit->palette().color(QPalette::Text));

    // A station new to the archive counts once the menu is opened again.
    Tippe("QA9XYZ");
    BisZumDok();
    Tippe("K05");
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    f->Einstellungen1->popup(f->mapToGlobal(QPoint(0, 0)));
    f->Einstellungen1->close();
    EXPECT_EQ(f->mnuDokVorschlag->toolTip(), "Archiv: 3 Stationen");
}

TEST(DokVorschlag, DerErsteTastendruckErsetztIhn) {
    Umgebung u;
    auto f = StarteMitArchiv(u);
    Tippe("QA2ABC");
    BisZumDok();
    ASSERT_TRUE(f->DokIstVorschlag());
    Tippe("k05");
    EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "K05");
    EXPECT_FALSE(f->DokIstVorschlag());
    // Back to the callsign, another station the archive knows: what was typed stays.
    f->FokusAuf(f->CallMaskEdit);
    for (int i = 0; i < 6; ++i)
        Taste(Qt::Key_Backspace);
    Tippe("QA1ABC");
    BisZumDok();
    EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "K05");
    Taste(Qt::Key_Return);
    Taste(Qt::Key_Return);
    EXPECT_TRUE(u.welt.Lies("LOG.TXT").endsWith(";QA1ABC;59;???;59;K05;2;;SSB;\r\n"));
}

TEST(DokVorschlag, EinVorschlagWeichtDemNaechstenRufzeichen) {
    Umgebung u;
    auto f = StarteMitArchiv(u);
    Tippe("QA2ABC");
    Taste(Qt::Key_Return);
    ASSERT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "K02");
    f->FokusAuf(f->CallMaskEdit);
    for (int i = 0; i < 6; ++i)
        Taste(Qt::Key_Backspace);
    Tippe("QA9NEU"); // unknown: the untouched suggestion goes
    Taste(Qt::Key_Return);
    EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "");
    EXPECT_FALSE(f->DokIstVorschlag());
}

TEST(DokVorschlag, AusgeschaltetKeinVorschlagAuchNachNeustart) {
    Umgebung u;
    {
        auto f = StarteMitArchiv(u);
        f->mnuDokVorschlag->trigger();
        EXPECT_FALSE(f->mnuDokVorschlag->isChecked());
        EXPECT_TRUE(u.welt.Lies("Log.ini").contains("[Einstellung]\r\nDokVorschlag=0\r\n"));
        EXPECT_TRUE(u.welt.Lies("Log.ini").contains("Starthinweise=0")) << "other keys stay";
        Tippe("QA1ABC");
        BisZumDok();
        EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "");
        f->close();
    }
    auto f = StarteMitArchiv(u);
    EXPECT_FALSE(f->mnuDokVorschlag->isChecked());
    Tippe("QA2ABC");
    BisZumDok();
    EXPECT_EQ(f->QSONrInMaskEdit->Text().trimmed(), "");
}

TEST(DokVorschlag, SuchfensterZeigtDenDokDesArchivs) {
    Umgebung u;
    u.welt.Schreibe("LOG.TXT",
                    LogKopf + "1;10.12.2026;19:00:00;QA1ABC/P;59;K32;59;K07;2;;SSB;\r\n");
    auto f = StarteMitArchiv(u);
    Tippe("QA1ABC");
    for (int i = 0; i < 4 && f->SuchTimer->isActive(); ++i)
        f->SuchForm->SuchTimerTimer();
    ASSERT_TRUE(f->SuchForm->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), f->CallMaskEdit) << "the keyboard stays";
    const QAbstractItemModel* m = f->SuchForm->Treffer();
    ASSERT_EQ(m->rowCount(), 2);
    EXPECT_EQ(m->index(0, 0).data().toString(), "QA1ABC/P");
    // Tonight's QSO is the most recent: its DOK is the archive's answer.
    EXPECT_EQ(m->index(1, 0).data().toString(), "QA1ABC");
    EXPECT_EQ(m->index(1, 2).data().toString(), "K07");
    EXPECT_EQ(m->index(1, 3).data().toString(), "Archiv");
}
