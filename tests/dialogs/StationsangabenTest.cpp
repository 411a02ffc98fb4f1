// The station data dialog: what "Speichern" writes, when "Abbrechen" asks, the fields' rules.
#include "dialogs/TStationsangabenDlg.h"
#include "platform/ProfilDatei.h"
#include "support/TestUmgebung.h"

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

using dialogs::TStationsangabenDlg;
using testsupport::MeldungsRekorder;
using testsupport::TestWelt;

namespace {

const char* const Felder[] = {
    "StationsCallEdit", "KontestnameEdit", "OperatorEdit",   "VANameEdit", "VAStrasseEdit",
    "VAOrtEdit",        "VATelefonEdit1",  "VATelefonEdit2", "VAdokEdit",  "edtDistriktskenner"};

core::IniRecord Gespeichert() {
    core::IniRecord r;
    r.Stationscall = "DL0ABC";
    r.Kontestbezeichnung = "RLP Abend 2 m";
    r.Operators = "DL1AA DL2BB";
    r.FDmanagerName = "Erika Muster";
    r.FDmanagerStr = QStringLiteral("Hauptstraße 1");
    r.FDmanagerOrt = "55116 Mainz";
    r.FDmanagerTelGesch = "06131 1";
    r.FDmanagerTelPrivat = "06131 2";
    r.FDmanagerDOK = "K32";
    r.Distriktskenner = "K";
    return r;
}

class Stationsangaben : public ::testing::Test {
protected:
    void SetUp() override {
        dlg = std::make_unique<TStationsangabenDlg>(record, [this] {
            ++gespeichertAufrufe;
            // The main window reads the new values when it is called back.
            iniBeimRueckruf = welt.Lies("Log.ini");
        });
        Oeffnen();
    }

    // As the main window's menu item does it.
    // The main window is active first, as when its menu is used; the offscreen platform would
    // otherwise not activate the dialog again after it was hidden.
    void Oeffnen() {
        hauptfenster.show();
        hauptfenster.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&hauptfenster));
        dlg->DatenVeraendert = false;
        dlg->show();
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
    }

    QLineEdit* Feld(const char* name) {
        auto* f = dlg->findChild<QLineEdit*>(name);
        EXPECT_NE(f, nullptr) << name;
        return f;
    }
    QPushButton* Knopf(const char* name) { return dlg->findChild<QPushButton*>(name); }

    // Goes into the field with the keyboard's focus and replaces its text by typing.
    void Tippe(const char* name, const QString& text) {
        QLineEdit* f = Feld(name);
        f->setFocus(Qt::TabFocusReason);
        ASSERT_TRUE(f->hasFocus()) << name;
        f->selectAll();
        QTest::keyClick(f, Qt::Key_Delete);
        Zeichen(f, text);
    }
    // Types text through key events, also letters that QTest::keyClicks does not know.
    static void Zeichen(QWidget* w, const QString& text) {
        for (QChar c : text) {
            if (c.unicode() < 0x80)
                QTest::keyClick(w, char(c.unicode()));
            else
                QTest::sendKeyEvent(QTest::Click, w, Qt::Key_unknown, QString(c), Qt::NoModifier);
        }
    }
    void Verlassen() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); }
    void Klicke(const char* knopf) { QTest::mouseClick(Knopf(knopf), Qt::LeftButton); }

    QString IniWert(const char* schluessel) {
        return platform::IniDatei(welt.LogIni()).LeseText("Stationsangaben", schluessel, "<fehlt>");
    }

    TestWelt welt;
    MeldungsRekorder meldungen;
    QWidget hauptfenster;
    core::IniRecord record = Gespeichert();
    int gespeichertAufrufe = 0;
    QByteArray iniBeimRueckruf;
    std::unique_ptr<TStationsangabenDlg> dlg;
};

} // namespace

TEST_F(Stationsangaben, FieldsHintsAndTabOrder) {
    EXPECT_EQ(dlg->windowTitle(), "Angaben zum Wettbewerb");
    EXPECT_FALSE(dlg->isModal());
    EXPECT_EQ(QApplication::focusWidget(), Knopf("OKBtn")) << "first shown with Speichern focused";
    EXPECT_TRUE(Knopf("OKBtn")->isDefault());
    EXPECT_EQ(Knopf("OKBtn")->text(), "Speichern");
    EXPECT_EQ(Knopf("CancelBtn")->text(), "Abbrechen");

    const QString werte[] = {"DL0ABC",
                             "RLP Abend 2 m",
                             "DL1AA DL2BB",
                             "Erika Muster",
                             QStringLiteral("Hauptstraße 1"),
                             "55116 Mainz",
                             "06131 1",
                             "06131 2",
                             "K32",
                             "K"};
    for (std::size_t i = 0; i < std::size(Felder); ++i)
        EXPECT_EQ(Feld(Felder[i])->text(), werte[i]) << Felder[i];
    EXPECT_FALSE(dlg->DatenVeraendert);

    EXPECT_EQ(Feld("KontestnameEdit")->toolTip(),
              "Muster:\nRLP Abend 2 m 2012 alle Betriebsarten\nRLP Abend 2 m 2012 nur CW\n"
              "RLP Abend 70 cm 2012 alle Betriebsarten\nRLP Abend 80/40 m 2012 nur DIGI");
    EXPECT_EQ(Feld("VAdokEdit")->toolTip(),
              "Hinweis:\nAusserhalb RLP:\n--> z.B: F05, wichtig: \"K\" bei Distriktskenner "
              "eingeben\nSonderDOKs aus RLP:\n--> Zur Vergabe hier einsetzen, aber vor "
              "Endabrechnung nach Kontest\ndann OV-DOK einsetzen dem der SDOK zugeordnet ist.\n");
    EXPECT_EQ(Feld("OperatorEdit")->toolTip(), "Rufzeichen der Operator");
    EXPECT_EQ(QString::fromUtf8(dialogs::VAdokHinweis).count("\r\n"), 6);
    EXPECT_EQ(QString::fromUtf8(dialogs::KontestnameHinweis).count("\r\n"), 4);

    Feld("StationsCallEdit")->setFocus(Qt::TabFocusReason);
    QStringList folge;
    for (int i = 0; i < 12; ++i) {
        folge << QApplication::focusWidget()->objectName();
        Verlassen();
    }
    EXPECT_EQ(folge,
              QStringList({"StationsCallEdit", "KontestnameEdit", "VANameEdit", "VAStrasseEdit",
                           "VAOrtEdit", "VATelefonEdit1", "VATelefonEdit2", "VAdokEdit", "OKBtn",
                           "CancelBtn", "edtDistriktskenner", "OperatorEdit"}));
    EXPECT_EQ(QApplication::focusWidget()->objectName(), "StationsCallEdit") << "round again";
}

TEST_F(Stationsangaben, SaveWritesAllTenAsTypedWithUpperCaseDok) {
    const struct {
        const char* feld;
        QString tippen;
    } eingaben[] = {
        {"StationsCallEdit", "dl9xyz/p"},
        {"KontestnameEdit", "RLP Abend 70 cm"},
        {"OperatorEdit", "dl1aa"},
        {"VANameEdit", QStringLiteral("Jörg Bär")},
        {"VAStrasseEdit", " Weg 2"},
        {"VAOrtEdit", "54290 Trier"},
        {"VATelefonEdit1", ""},
        {"VATelefonEdit2", "0651 3"},
        {"VAdokEdit", QStringLiteral("k32ä")},
        {"edtDistriktskenner", "fx"},
    };
    for (const auto& e : eingaben)
        Tippe(e.feld, e.tippen);
    Klicke("OKBtn");

    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(gespeichertAufrufe, 1);
    const QString erwartet[][2] = {
        {"Stationscall", "dl9xyz/p"},
        {"Kontestbezeichnung", "RLP Abend 70 cm"},
        {"FDmanagerName", QStringLiteral("Jörg Bär")},
        {"FDmanagerStr", "Weg 2"},
        {"FDmanagerOrt", "54290 Trier"},
        {"FDmanagerTelGesch", ""},
        {"FDmanagerTelPrivat", "0651 3"},
        {"FDmanagerDOK", QStringLiteral("K32Ä")},
        {"Distriktskenner", "F"},
        {"Operators", "dl1aa"},
    };
    const QByteArray ini = welt.Lies("Log.ini");
    qsizetype letzte = -1;
    for (const auto& [schluessel, wert] : erwartet) {
        EXPECT_EQ(IniWert(schluessel.toLatin1().constData()), wert) << schluessel.toStdString();
        const qsizetype stelle = ini.indexOf(schluessel.toLatin1() + "=");
        EXPECT_GT(stelle, letzte) << schluessel.toStdString() << " in its place";
        letzte = stelle;
    }
    EXPECT_EQ(iniBeimRueckruf, ini) << "Log.ini is written before the main window is told";
    EXPECT_EQ(record.Stationscall, "dl9xyz/p");
    EXPECT_EQ(record.FDmanagerDOK, QStringLiteral("K32Ä"));
    EXPECT_EQ(record.Distriktskenner, "F");
    EXPECT_EQ(record.FDmanagerStr, " Weg 2") << "nothing is trimmed";
    EXPECT_TRUE(ini.contains("FDmanagerStr= Weg 2\r\n")) << "the reader trims, the file does not";
    EXPECT_TRUE(meldungen.eintraege.empty());
}

TEST_F(Stationsangaben, EnterInAFieldSavesAndEmptyDistrictIsStoredEmpty) {
    Tippe("edtDistriktskenner", "");
    QTest::keyClick(Feld("edtDistriktskenner"), Qt::Key_Return);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(gespeichertAufrufe, 1);
    EXPECT_EQ(IniWert("Distriktskenner"), "");
    EXPECT_EQ(record.Distriktskenner, "");
    EXPECT_EQ(IniWert("Stationscall"), "DL0ABC");
}

TEST_F(Stationsangaben, UpperCaseAsTypedKeepsTheCursor) {
    Tippe("VAdokEdit", "k2");
    QTest::keyClick(Feld("VAdokEdit"), Qt::Key_Home);
    QTest::keyClick(Feld("VAdokEdit"), Qt::Key_Right);
    QTest::keyClicks(Feld("VAdokEdit"), "3");
    EXPECT_EQ(Feld("VAdokEdit")->text(), "K32");
    EXPECT_EQ(Feld("VAdokEdit")->cursorPosition(), 2);

    Tippe("edtDistriktskenner", "zy");
    EXPECT_EQ(Feld("edtDistriktskenner")->text(), "Z") << "one character at most";

    Tippe("StationsCallEdit", "dl1abc");
    EXPECT_EQ(Feld("StationsCallEdit")->text(), "dl1abc");
}

TEST_F(Stationsangaben, LongerDistrictFromLogIniIsShownWholeAndNotTakenAsAChange) {
    record.Distriktskenner = "KL"; // written by hand: the evaluation then counts nothing
    dlg->FormCreate();
    QLineEdit* feld = Feld("edtDistriktskenner");
    EXPECT_EQ(feld->text(), "KL");
    feld->setFocus(Qt::TabFocusReason);
    QTest::keyClick(feld, Qt::Key_End);
    QTest::keyClicks(feld, "m");
    EXPECT_EQ(feld->text(), "KL") << "typing cannot make it longer";
    Verlassen();
    Klicke("CancelBtn");
    EXPECT_TRUE(meldungen.eintraege.empty()) << "nothing was changed";
    EXPECT_FALSE(dlg->isVisible());
}

TEST_F(Stationsangaben, CancelAfterLeavingAChangedFieldAsks) {
    Tippe("KontestnameEdit", "Falscher Name");
    Verlassen();
    EXPECT_TRUE(dlg->DatenVeraendert);

    meldungen.Antworte(platform::Knopf::Abbrechen);
    Klicke("CancelBtn");
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, "Warnung");
    EXPECT_EQ(
        meldungen.eintraege[0].text,
        QStringLiteral("Die Daten wurden verändert!\r\nWollen Sie die Änderungen verwerfen?"));
    EXPECT_TRUE(dlg->isVisible()) << "Abbrechen in the box keeps the dialog open";
    EXPECT_EQ(Feld("KontestnameEdit")->text(), "Falscher Name");

    meldungen.Antworte(platform::Knopf::Ok);
    Klicke("CancelBtn");
    EXPECT_EQ(meldungen.eintraege.size(), 2u);
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(Feld("KontestnameEdit")->text(), "RLP Abend 2 m") << "fields reloaded";
    EXPECT_FALSE(dlg->DatenVeraendert);
    EXPECT_EQ(record.Kontestbezeichnung, "RLP Abend 2 m");
    EXPECT_FALSE(welt.Existiert("Log.ini"));
    EXPECT_EQ(gespeichertAufrufe, 0);
}

TEST_F(Stationsangaben, LeavingWithoutQuestion) {
    // Each way closes the dialog without a question and keeps the changed text in the hidden
    // dialog, unsaved, for its next opening.
    enum class Weg { Bleiben, Tab, Fensterwechsel };
    const auto escape = [](TStationsangabenDlg&) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    };
    struct Fall {
        const char* name;
        const char* feld;
        Weg weg;
        std::function<void(TStationsangabenDlg&)> schliessen;
    } faelle[] = {
        {"Escape without leaving the field", "KontestnameEdit", Weg::Bleiben, escape},
        {"a visit to the main window is no leaving", "VANameEdit", Weg::Fensterwechsel, escape},
        {"own DOK is not compared", "VAdokEdit", Weg::Tab,
         [](TStationsangabenDlg& d) {
             QTest::mouseClick(d.findChild<QPushButton*>("CancelBtn"), Qt::LeftButton);
         }},
        {"close box", "VAOrtEdit", Weg::Tab, [](TStationsangabenDlg& d) { d.close(); }},
    };
    for (const auto& f : faelle) {
        dlg->FormCreate(); // the case before left a changed field behind
        Oeffnen();
        Tippe(f.feld, "X99");
        if (f.weg == Weg::Tab)
            Verlassen();
        if (f.weg == Weg::Fensterwechsel) {
            hauptfenster.activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(&hauptfenster));
            dlg->activateWindow();
            ASSERT_TRUE(QTest::qWaitForWindowActive(dlg.get()));
            ASSERT_EQ(QApplication::focusWidget(), Feld(f.feld));
        }
        EXPECT_EQ(dlg->DatenVeraendert, f.weg == Weg::Tab && f.feld != std::string("VAdokEdit"))
            << f.name;
        f.schliessen(*dlg);
        EXPECT_FALSE(dlg->isVisible()) << f.name;
        EXPECT_TRUE(meldungen.eintraege.empty()) << f.name;
        Oeffnen();
        EXPECT_EQ(Feld(f.feld)->text(), "X99") << f.name;
    }
    EXPECT_EQ(record.Kontestbezeichnung, "RLP Abend 2 m");
    EXPECT_EQ(record.FDmanagerDOK, "K32");
    EXPECT_FALSE(welt.Existiert("Log.ini"));
}

TEST(TitelNachSpeichern, SsbOrCw) {
    core::IniRecord r;
    r.Kontestbezeichnung = "RLP Abend";
    r.Stationscall = "DL0ABC";
    EXPECT_EQ(dialogs::TitelNachSpeichern(r, true), "RLP Abend / DL0ABC (SSB) -Tarvex");
    EXPECT_EQ(dialogs::TitelNachSpeichern(r, false), "RLP Abend / DL0ABC (CW) -Tarvex");
}

// A ";" or a line break in any field would end up in LOG.TXT or an export and split a record
// there (an own DOK "K;32" shifted every column of every QSO after a restart): "Speichern" refuses
// it with a message naming the field, stores nothing and keeps the dialog open on that field.
TEST_F(Stationsangaben, SemicolonOrLineBreakIsRefusedInEveryField) {
    const char* const labels[] = {"Rufzeichen der Station",
                                  "Art des Kontest",
                                  "Operator(s)",
                                  "Name",
                                  "Straße",
                                  "PLZ / Ort",
                                  "Telefon (gesch.)",
                                  "Telefon (privat)",
                                  "Eigener DOK",
                                  "Distriktskenner"};
    const QString falsch[] = {"K;32", "A\nB", "A\rB"};
    for (std::size_t i = 0; i < std::size(Felder); ++i) {
        for (const QString& text : falsch) {
            SCOPED_TRACE(std::string(Felder[i]) + " " + text.toStdString());
            dlg->FormCreate();
            Feld(Felder[i])->setMaxLength(32767);
            Feld(Felder[i])->setText(text);
            meldungen.Leeren();
            Klicke("OKBtn");
            EXPECT_EQ(meldungen.Texte(),
                      QStringList{QStringLiteral("Im Feld \"%1\" sind \";\" und Zeilenumbrüche "
                                                 "nicht erlaubt.")
                                      .arg(QString::fromUtf8(labels[i]))});
            EXPECT_TRUE(dlg->isVisible());
            EXPECT_EQ(QApplication::focusWidget(), Feld(Felder[i]));
            EXPECT_EQ(gespeichertAufrufe, 0);
            EXPECT_FALSE(welt.Existiert("Log.ini"));
        }
    }
    EXPECT_EQ(record.FDmanagerDOK, "K32") << "the record keeps the stored values";
    dlg->FormCreate();
    Klicke("OKBtn");
    EXPECT_EQ(gespeichertAufrufe, 1) << "clean fields are saved as before";
}
