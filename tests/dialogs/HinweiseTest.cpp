// The start hints (texts, paging, switching them off for this version) and the info window.
#include "dialogs/Hinweise.h"
#include "core/IniRecord.h"
#include "dialogs/TLogFormInfo.h"
#include "dialogs/TStartInfoForm.h"
#include "platform/Pfade.h"
#include "platform/ProfilDatei.h"
#include "platform/Version.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QUrlQuery>
#include <QScreen>
#include <gtest/gtest.h>
#include <memory>

namespace {

using dialogs::TStartInfoForm;

const QString Version = QString::fromLatin1(platform::DateiVersion);

QString ErwarteterText1(const QString& name) {
    return QStringLiteral("Hallo ") + name +
           QStringLiteral("\rbitte aufmerksam lesen! Diese Version ist nur für das Jahr gültig, "
                          "in dem sie herausgegeben wurde (siehe Versionsinfo). Bitte nutzen sie "
                          "den Punkt VERSIONSPRÜFUNG im INFO-Menü um sicherzustellen, dass Sie "
                          "die neueste Version besitzen (direktes Herunterladen möglich). \r"
                          "Manuell können Sie die neueste Version aus dem Internet laden unter: "
                          "https://www.example.org/tarvex/download\r\r"
                          "EINGEREICHTE DATEN DIE MIT EINER ALTEN VERSION ERFASST WURDEN, KÖNNEN "
                          "VOM AUSWERTER ABGELEHNT WERDEN! WOLLEN SIE DAS RISKIEREN????");
}

TEST(Hinweise, DreiHinweiseMitIhrenTexten) {
    QStringList titel{QStringLiteral("alt")};
    QStringList texte{QStringLiteral("alt"), QStringLiteral("älter")};
    dialogs::HinweiseAufbauen(titel, texte, QStringLiteral("Erika Muster"));

    ASSERT_EQ(titel.size(), 3);
    ASSERT_EQ(texte.size(), 3);
    EXPECT_EQ(titel[0], QStringLiteral("Haben Sie eine aktuelle Version?"));
    EXPECT_EQ(titel[1], QStringLiteral("Jahr 2016: Änderungen in den Ausschreibungen"));
    EXPECT_EQ(titel[2], QStringLiteral("Nutzung ausserhalb des Distriktes"));
    EXPECT_EQ(texte[0], ErwarteterText1(QStringLiteral("Erika Muster")));
    EXPECT_EQ(texte[1], QStringLiteral("Es haben sich einige kleinere Änderungen ergeben. Bitte "
                                       "unbedingt die Ausschreibung lesen!Nicht geeignet für "
                                       "Vergabe von SDOKs!!! Keine Verrechnung zum eigenem DOK "
                                       "möglich. "));
    EXPECT_EQ(texte[2], QStringLiteral("Unter EINSTELLUNGEN > STATIONSANGABEN bitte den "
                                       "Distriktskenner des veranstaltenden Distrikts eintragen. "
                                       "Sonst zählen die Multis nicht richtig. "));
}

TEST(Hinweise, WiederholtesAufbauenBleibtBeiDreiUndGruesstDenNeuenNamen) {
    QStringList titel, texte;
    for (const QString& name : {QStringLiteral("Anna"), QStringLiteral("Bernd"), QString()}) {
        dialogs::HinweiseAufbauen(titel, texte, name);
        ASSERT_EQ(titel.size(), 3);
        ASSERT_EQ(texte.size(), 3);
        EXPECT_EQ(texte[0], ErwarteterText1(name));
    }
}

// A main window stand-in owning the lists and the menu tick, with the hint window on top.
struct HinweisFenster {
    QWidget haupt;
    QStringList titel, texte;
    std::vector<bool> gesetzt; // every call of the tick callback
    std::unique_ptr<TStartInfoForm> form;

    HinweisFenster() {
        haupt.setGeometry(100, 80, 900, 640);
        haupt.show();
        dialogs::HinweiseAufbauen(titel, texte, QStringLiteral("Erika"));
        form = std::make_unique<TStartInfoForm>(
            titel, texte, [this](bool an) { gesetzt.push_back(an); }, &haupt);
    }
    template <typename T> T* Teil(const char* name) {
        auto* w = form->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    QString Zaehler() { return Teil<QLabel>("lblStartHinweisNr")->text(); }
    QString Titel() { return Teil<QLabel>("lblStartHinweisHeader")->text(); }
    QString Text() { return Teil<QLabel>("lblStartHinweis")->text(); }
    void Links() { QTest::mouseClick(Teil<QToolButton>("spinHinweisNrDownLeft"), Qt::LeftButton); }
    void Rechts() { QTest::mouseClick(Teil<QToolButton>("spinHinweisNrUpRight"), Qt::LeftButton); }
};

TEST(StartInfoForm, FensterOhneRahmenMittigUeberDemHauptfenster) {
    HinweisFenster f;
    const QRect frei = f.haupt.screen()->availableGeometry();
    f.haupt.move(frei.center() - QPoint(f.haupt.width() / 2, f.haupt.height() / 2));
    f.form->show();
    EXPECT_EQ(f.form->windowTitle(), QStringLiteral("Tarvex - Wichtige Hinweise"));
    EXPECT_TRUE(f.form->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(f.form->size(), QSize(564, 336));
    EXPECT_LE(
        (f.form->frameGeometry().center() - f.haupt.frameGeometry().center()).manhattanLength(), 2);
    // Near the top left corner of the screen the window stays whole on the screen.
    f.form->hide();
    f.haupt.move(frei.topLeft());
    f.form->show();
    EXPECT_TRUE(frei.contains(f.form->geometry())) << "kept on the screen";
    EXPECT_FALSE(f.Teil<QCheckBox>("cbKeineStarthinweise")->isChecked());
    EXPECT_EQ(f.Teil<QCheckBox>("cbKeineStarthinweise")->text(),
              QStringLiteral("Meldung nicht mehr anzeigen"));
    EXPECT_NE(f.Teil<QWidget>("spinHinweisNr"), nullptr);
}

TEST(StartInfoForm, BlaetternOhneUmlaufAnBeidenEnden) {
    HinweisFenster f;
    f.form->show();
    EXPECT_EQ(f.form->AktuellerHinweis, 1);
    EXPECT_EQ(f.Zaehler(), QStringLiteral("[1 / 3]"));
    EXPECT_EQ(f.Titel(), f.titel[0]);
    // The stored CRs are shown as line breaks.
    EXPECT_EQ(f.Text(), QString(f.texte[0]).replace(u'\r', u'\n'));

    f.Links();
    EXPECT_EQ(f.form->AktuellerHinweis, 1);
    EXPECT_EQ(f.Zaehler(), QStringLiteral("[1 / 3]"));

    const struct {
        bool rechts;
        int nr;
    } schritte[] = {{true, 2}, {true, 3}, {true, 3}, {false, 2}, {false, 1}, {false, 1}};
    for (const auto& s : schritte) {
        s.rechts ? f.Rechts() : f.Links();
        EXPECT_EQ(f.form->AktuellerHinweis, s.nr);
        EXPECT_EQ(f.Zaehler(), QStringLiteral("[%1 / 3]").arg(s.nr));
        EXPECT_EQ(f.Titel(), f.titel[s.nr - 1]);
        EXPECT_EQ(f.Text(), QString(f.texte[s.nr - 1]).replace(u'\r', u'\n'));
    }
}

TEST(StartInfoForm, NummernAusserhalbDerListeAendernNichts) {
    HinweisFenster f;
    f.form->show();
    f.Rechts();
    for (int n : {-1, 3, 100}) {
        f.form->ZeigeHinweis(n);
        EXPECT_EQ(f.Zaehler(), QStringLiteral("[2 / 3]")) << n;
        EXPECT_EQ(f.Titel(), f.titel[1]) << n;
    }
}

TEST(StartInfoForm, OeffnetWiederAufDemLetztenHinweisMitNeuAufgebautenListen) {
    HinweisFenster f;
    f.form->show();
    f.Rechts();
    f.Rechts();
    QTest::mouseClick(f.Teil<QPushButton>("btnHinweiseOK"), Qt::LeftButton);
    EXPECT_FALSE(f.form->isVisible());
    EXPECT_EQ(f.form->result(), QDialog::Accepted);

    // The main window rebuilds its lists on activation; the next showing reads them.
    dialogs::HinweiseAufbauen(f.titel, f.texte, QStringLiteral("Bernd"));
    f.form->show();
    EXPECT_EQ(f.Zaehler(), QStringLiteral("[3 / 3]"));
    f.Links();
    f.Links();
    EXPECT_TRUE(f.Text().startsWith(QStringLiteral("Hallo Bernd\n"))) << f.Text().toStdString();
}

TEST(StartInfoForm, EscapeSchliesst) {
    HinweisFenster f;
    f.form->show();
    QTest::keyClick(f.form.get(), Qt::Key_Escape);
    EXPECT_FALSE(f.form->isVisible());
}

// Without a title bar the window moves by dragging any part that does not take the mouse.
TEST(StartInfoForm, ZiehenVerschiebtDasFenster) {
    HinweisFenster f;
    f.form->show();
    QWidget* griff = f.Teil<QLabel>("lblStartHinweis");
    const QPoint vorher = f.form->pos();
    const QPointF start = griff->mapToGlobal(QPointF(5, 5));
    auto sende = [&](QEvent::Type art, QPointF global, Qt::MouseButtons knoepfe) {
        QMouseEvent e(art, griff->mapFromGlobal(global), global, Qt::LeftButton, knoepfe,
                      Qt::NoModifier);
        QApplication::sendEvent(griff, &e);
    };
    sende(QEvent::MouseButtonPress, start, Qt::LeftButton);
    sende(QEvent::MouseMove, start + QPointF(30, 20), Qt::LeftButton);
    sende(QEvent::MouseButtonRelease, start + QPointF(30, 20), Qt::NoButton);
    EXPECT_EQ(f.form->pos(), vorher + QPoint(30, 20));
    // Moving without a held button does nothing.
    sende(QEvent::MouseMove, start + QPointF(80, 80), Qt::NoButton);
    EXPECT_EQ(f.form->pos(), vorher + QPoint(30, 20));
}

TEST(StartInfoForm, MeldungNichtMehrAnzeigenSchreibtSchalterUndVersion) {
    testsupport::TestWelt welt;
    HinweisFenster f;
    f.form->show();
    auto* box = f.Teil<QCheckBox>("cbKeineStarthinweise");

    QTest::mouseClick(box, Qt::LeftButton);
    ASSERT_TRUE(box->isChecked());
    EXPECT_EQ(f.gesetzt, std::vector<bool>{false});
    {
        platform::IniDatei ini(platform::EinstellungsDatei());
        EXPECT_EQ(ini.Pfad(), welt.LogIni());
        EXPECT_FALSE(
            ini.LeseSchalter(QStringLiteral("Fenster"), QStringLiteral("Starthinweise"), true));
        EXPECT_EQ(ini.LeseText(QStringLiteral("Fenster"), QStringLiteral("StarthinweiseVer"), {}),
                  Version);
        // The next start of the same version keeps the hints off, a newer one brings them back.
        EXPECT_FALSE(core::EinstellungenLesen(ini, {}, Version).starthinweise);
        EXPECT_TRUE(core::EinstellungenLesen(ini, {}, QStringLiteral("9.9.9.9")).starthinweise);
    }

    // Unticking switches the hints on again.
    welt.Schreibe(QStringLiteral("Log.ini"), "[Fenster]\r\nStarthinweiseVer=0.0.0.1\r\n");
    QTest::mouseClick(box, Qt::LeftButton);
    EXPECT_EQ(f.gesetzt, (std::vector<bool>{false, true}));
    platform::IniDatei ini(platform::EinstellungsDatei());
    EXPECT_TRUE(
        ini.LeseSchalter(QStringLiteral("Fenster"), QStringLiteral("Starthinweise"), false));
    EXPECT_EQ(ini.LeseText(QStringLiteral("Fenster"), QStringLiteral("StarthinweiseVer"), {}),
              Version);
}

TEST(LogFormInfo, FensterTexteUndBild) {
    QWidget haupt;
    haupt.setGeometry(50, 40, 1000, 700);
    haupt.show();
    dialogs::TLogFormInfo info(&haupt);
    info.show();
    EXPECT_EQ(info.windowTitle(), QStringLiteral("Info"));
    EXPECT_TRUE(info.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(info.size(), QSize(319, 493));
    EXPECT_LE((info.frameGeometry().center() - haupt.frameGeometry().center()).manhattanLength(),
              2);

    EXPECT_TRUE(dialogs::InfoText().startsWith(
        QStringLiteral("Zum Erfassen von QSOs in Kurzkontesten wo \rnur DOKs ausgetauscht "
                       "werden. Angepaßt\rden Ausschreibungen für die Rheinland-Pfalz\r"
                       "Aktivitätsabende. \r")));
    EXPECT_GT(dialogs::InfoText().count(u'\r'), 4); // further lines follow
    auto* text = info.findChild<QLabel*>(QStringLiteral("lblInfoText"));
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->text(), QString(dialogs::InfoText()).replace(u'\r', u'\n'));

    auto* bild = info.findChild<QLabel*>(QStringLiteral("imgInfoBild"));
    ASSERT_NE(bild, nullptr);
    EXPECT_EQ(bild->pixmap().size(), QSize(321, 212));
    EXPECT_EQ(bild->geometry().bottom(), info.height() - 1);
    EXPECT_EQ(dialogs::InfoBild().format(), QImage::Format_RGB888);

    auto* ok = info.findChild<QPushButton*>(QStringLiteral("btnOK"));
    ASSERT_NE(ok, nullptr);
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_FALSE(info.isVisible());
    EXPECT_EQ(info.result(), QDialog::Accepted);
}

TEST(LogFormInfo, EmailOeffnetDasMailprogrammMitBetreff) {
    testsupport::ShellRekorder shell;
    dialogs::TLogFormInfo info(nullptr);
    info.show();
    auto* email = info.findChild<QLabel*>(QStringLiteral("lblEmail"));
    ASSERT_NE(email, nullptr);
    EXPECT_EQ(email->text(), QStringLiteral("Email: Tarvex-Team"));

    QTest::mouseClick(email, Qt::LeftButton);
    ASSERT_EQ(shell.adressen.size(), 1);
    const QUrl& url = shell.adressen[0];
    EXPECT_EQ(url.scheme(), QStringLiteral("mailto"));
    EXPECT_EQ(url.path(), QStringLiteral("tarvex@example.org"));
    EXPECT_EQ(QUrlQuery(url).queryItemValue(QStringLiteral("subject"), QUrl::FullyDecoded),
              QStringLiteral("Fragen zum Tarvex"));
    EXPECT_TRUE(info.isVisible()); // the link leaves the window open
}

// Both windows once as pictures, to look at the layout.
TEST(Hinweise, FensterAlsBild) {
    HinweisFenster f;
    f.form->show();
    EXPECT_TRUE(f.form->grab().save(testsupport::AusgabePfad(QStringLiteral("Starthinweise.png"))));
    dialogs::TLogFormInfo info(&f.haupt);
    info.show();
    EXPECT_TRUE(info.grab().save(testsupport::AusgabePfad(QStringLiteral("Programminfo.png"))));
}

} // namespace
