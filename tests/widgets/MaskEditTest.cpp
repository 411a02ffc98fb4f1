// The masked edit with real key events on a shown window: typing per mask, the read-back, assigned
// texts, Escape, the ";" rule, paste and the leave check.
#include "widgets/MaskEdit.h"

#include "support/TestUmgebung.h"

#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>
#include <QWidget>
#include <gtest/gtest.h>
#include <memory>
#include <ostream>

// Readable failure messages for texts.
inline void PrintTo(const QString& s, std::ostream* os) {
    *os << '"' << s.toStdString() << '"';
}

namespace {

const QString Bericht2 = QStringLiteral("00;0; ");
const QString Bericht3 = QStringLiteral("000;0; ");
const QString Dok = QStringLiteral(">cccccccc;1;_");
const QString Zeit = QStringLiteral("!90:00;1; ");
const QString ZeitOhneLiterale = QStringLiteral("!90:00;0; ");

const QString Ungueltig = QStringLiteral(
    "Ungültiger Eingabewert. Mit der Taste ESC machen Sie die Änderungen rückgängig.");

// A window that records the keys its fields let through.
class Fenster : public QWidget {
public:
    QList<int> tasten;

protected:
    void keyPressEvent(QKeyEvent* e) override { tasten << e->key(); }
};

// Types a script into the widget: plain characters as keys, and {BS} {DEL} {HOME} {END} {LEFT}
// {RIGHT} {ALL} (Ctrl+A) {ESC} {PASTE} (Ctrl+V) as the named keys.
void Tippe(QWidget* w, const QString& skript) {
    static const std::pair<const char*, std::pair<Qt::Key, Qt::KeyboardModifiers>> namen[] = {
        {"BS", {Qt::Key_Backspace, Qt::NoModifier}}, {"DEL", {Qt::Key_Delete, Qt::NoModifier}},
        {"HOME", {Qt::Key_Home, Qt::NoModifier}},    {"END", {Qt::Key_End, Qt::NoModifier}},
        {"LEFT", {Qt::Key_Left, Qt::NoModifier}},    {"RIGHT", {Qt::Key_Right, Qt::NoModifier}},
        {"ALL", {Qt::Key_A, Qt::ControlModifier}},   {"ESC", {Qt::Key_Escape, Qt::NoModifier}},
        {"PASTE", {Qt::Key_V, Qt::ControlModifier}},
    };
    for (qsizetype i = 0; i < skript.size(); ++i) {
        if (skript.at(i) == QLatin1Char('{')) {
            const qsizetype zu = skript.indexOf(QLatin1Char('}'), i);
            const QString name = skript.mid(i + 1, zu - i - 1);
            bool gefunden = false;
            for (const auto& [n, taste] : namen) {
                if (name == QLatin1String(n)) {
                    QTest::keyClick(w, taste.first, taste.second);
                    gefunden = true;
                }
            }
            ASSERT_TRUE(gefunden) << name.toStdString();
            i = zu;
        } else if (skript.at(i).unicode() < 0x80) {
            QTest::keyClicks(w, skript.mid(i, 1));
        } else {
            // keyClicks knows ASCII only; a German key carries its Latin-1 key code.
            QTest::sendKeyEvent(QTest::Click, w, Qt::Key(skript.at(i).toUpper().unicode()),
                                skript.mid(i, 1), Qt::NoModifier);
        }
    }
}

class MaskEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        auto* layout = new QVBoxLayout(&fenster);
        edit = new widgets::TMaskEdit(&fenster);
        anderes = new QLineEdit(&fenster);
        layout->addWidget(edit);
        layout->addWidget(anderes);
        fenster.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
        edit->setFocus();
    }

    Fenster fenster;
    widgets::TMaskEdit* edit = nullptr;
    QLineEdit* anderes = nullptr;
    testsupport::MeldungsRekorder meldungen;
};

struct TippFall {
    const char* name;
    QString maske;
    QString start;
    QString tasten;
    QString text; // Text()
    bool vollstaendig;
    QString anzeige; // what the field shows
};

void PrintTo(const TippFall& f, std::ostream* os) {
    *os << f.name;
}

class Tippen : public MaskEditTest, public ::testing::WithParamInterface<TippFall> {};

TEST_P(Tippen, TextUndVollstaendigkeit) {
    const TippFall& f = GetParam();
    edit->SetzeMaske(f.maske);
    edit->SetzeText(f.start);
    Tippe(edit, f.tasten);
    EXPECT_EQ(edit->Text(), f.text);
    EXPECT_EQ(edit->Vollstaendig(), f.vollstaendig);
    EXPECT_EQ(edit->text(), f.anzeige);
}

const TippFall tippFaelle[] = {
    {"Rapport_zwei_Ziffern", Bericht2, "", "59", "59", true, "59"},
    {"Rapport_eine_Ziffer_fehlt", Bericht2, "", "5", "5", false, "5 "},
    {"Rapport_dritte_Ziffer_abgewiesen", Bericht2, "", "597", "59", true, "59"},
    {"Rapport_Buchstabe_Blank_Semikolon_abgewiesen", Bericht2, "", "a ;5x9", "59", true, "59"},
    {"Rapport_ueberschreibt_ab_Anfang", Bericht2, "59", "4", "49", true, "49"},
    {"Rapport_Backspace_am_Ende", Bericht2, "59", "{END}{BS}", "5", false, "5 "},
    {"Rapport_Delete_zieht_nach_links", Bericht2, "59", "{HOME}{DEL}", "9", false, "9 "},
    {"Rapport_Auswahl_wird_ersetzt", Bericht2, "59", "{ALL}5", "5", false, "5 "},
    {"Rapport_abgewiesene_Taste_behaelt_Auswahl", Bericht2, "59", "{ALL}x", "59", true, "59"},
    {"Rapport3_drei_Ziffern", Bericht3, "", "599", "599", true, "599"},
    {"Rapport3_zwei_Ziffern_fehlt_eine", Bericht3, "", "59", "59", false, "59 "},
    {"Dok_gross_und_aufgefuellt", Dok, "", "k32", "K32     ", true, "K32_____"},
    {"Dok_Blank_innen_bleibt", Dok, "", "k 32", "K 32    ", true, "K 32____"},
    {"Dok_leer_ist_vollstaendig", Dok, "", "", "        ", true, "________"},
    {"Dok_neuntes_Zeichen_abgewiesen", Dok, "", "abcdefghi", "ABCDEFGH", true, "ABCDEFGH"},
    {"Dok_Semikolon_abgewiesen", Dok, "", "k;32", "K32     ", true, "K32_____"},
    {"Dok_Delete_mitten_zieht_nach", Dok, "K32", "{HOME}{RIGHT}{DEL}", "K2      ", true,
     "K2______"},
    {"Dok_Backspace_nach_Tippen", Dok, "", "k33{BS}2", "K32     ", true, "K32_____"},
    {"Zeit_vier_Ziffern_springen_ueber_Doppelpunkt", Zeit, "00:00", "{ALL}1815", "18:15", true,
     "18:15"},
    {"Zeit_getippter_Doppelpunkt_nach_Sprung", Zeit, "00:00", "{ALL}18:15", "18:15", true, "18:15"},
    {"Zeit_einstellige_Stunde_mit_Doppelpunkt", Zeit, "00:00", "{ALL}8:15", " 8:15", true, " 8:15"},
    {"Zeit_Minute_fehlt", Zeit, "00:00", "{ALL}181", "18:1 ", false, "18:1 "},
    {"Zeit_nur_Stunde", Zeit, "00:00", "{ALL}8", " 8:  ", false, "8 :  "},
    {"Zeit_zweiter_Doppelpunkt_und_Buchstaben_abgewiesen", Zeit, "00:00", "{ALL}1a8b15:", "18:15",
     true, "18:15"},
    {"Zeit_Backspace_ueber_Doppelpunkt", Zeit, "18:15", "{END}{BS}{BS}{BS}", " 1:  ", false,
     "1 :  "},
    {"Zeit_ueberschreibt_ohne_Auswahl", Zeit, "18:15", "2", "28:15", true, "28:15"},
    {"Zeit_ohne_Literale_im_Text", ZeitOhneLiterale, "00:00", "{ALL}8:15", "815", true, " 8:15"},
    {"Frei_Semikolon_abgewiesen", "", "", "a;b c", "ab c", true, "ab c"},
};

INSTANTIATE_TEST_SUITE_P(Masken, Tippen, ::testing::ValuesIn(tippFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(MaskEditTest, MaskenwechselBehaeltGelesenenText) {
    edit->SetzeMaske(Bericht2);
    edit->SetzeText(QStringLiteral("59"));
    edit->SetzeMaske(Bericht3);
    EXPECT_EQ(edit->Maske(), Bericht3);
    EXPECT_EQ(edit->Text(), QStringLiteral("59"));
    EXPECT_FALSE(edit->Vollstaendig());
    EXPECT_FALSE(edit->Bearbeitet());
    edit->SetzeText(QStringLiteral("599"));
    edit->SetzeMaske(QString());
    EXPECT_EQ(edit->text(), QStringLiteral("599"));
    Tippe(edit, "{END}x");
    EXPECT_EQ(edit->Text(), QStringLiteral("599x"));
}

TEST_F(MaskEditTest, UnmaskiertGrossUndHoechstlaenge) {
    edit->SetzeGrossbuchstaben(true);
    edit->SetzeMaxLaenge(13);
    Tippe(edit, "dl1abc/p;äß1234567");
    // "ß" has no single upper-case letter and stays; the 14th character is refused.
    EXPECT_EQ(edit->Text(), QStringLiteral("DL1ABC/PÄß123"));
    EXPECT_TRUE(edit->Bearbeitet());

    edit->SetzeText(QString());
    edit->SetzeGrossbuchstaben(false);
    edit->SetzeMaxLaenge(27);
    Tippe(edit, "Hallo Welt; 73 und gute Nacht");
    EXPECT_EQ(edit->Text(), QStringLiteral("Hallo Welt 73 und gute Nach"));

    // Alt and Ctrl with a letter are menu keys and shortcuts, not text.
    edit->SetzeText(QString());
    QTest::keyClick(edit, Qt::Key_E, Qt::AltModifier);
    QTest::keyClick(edit, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(edit->Text(), QString());
}

TEST_F(MaskEditTest, TextChangedBeiJederAenderung) {
    edit->SetzeGrossbuchstaben(true);
    QSignalSpy geaendert(edit, &QLineEdit::textChanged);
    Tippe(edit, "dl;1");
    ASSERT_EQ(geaendert.count(), 3);
    EXPECT_EQ(geaendert.at(0).at(0).toString(), QStringLiteral("D"));
    EXPECT_EQ(geaendert.at(2).at(0).toString(), QStringLiteral("DL1"));

    edit->SetzeMaske(Dok);
    edit->SetzeText(QString());
    geaendert.clear();
    // A handler of textChanged already sees the edit as the operator's.
    QList<bool> bearbeitet;
    QObject::connect(edit, &QLineEdit::textChanged, edit,
                     [&] { bearbeitet << edit->Bearbeitet(); });
    Tippe(edit, "k;3{BS}");
    EXPECT_EQ(bearbeitet, (QList<bool>{true, true, true}));
    ASSERT_EQ(geaendert.count(), 3);
    EXPECT_EQ(geaendert.at(1).at(0).toString(), QStringLiteral("K3______"));
    EXPECT_EQ(geaendert.at(2).at(0).toString(), QStringLiteral("K_______"));
}

TEST_F(MaskEditTest, EscapeMachtRueckgaengigUndGehtSonstAnsFenster) {
    edit->SetzeMaske(Bericht2);
    edit->SetzeText(QStringLiteral("59"));
    edit->MerkeStand();
    fenster.tasten.clear();
    Tippe(edit, "{HOME}{DEL}4");
    ASSERT_TRUE(edit->Bearbeitet());
    ASSERT_NE(edit->Text(), QStringLiteral("59"));

    Tippe(edit, "{ESC}");
    EXPECT_EQ(edit->Text(), QStringLiteral("59"));
    EXPECT_FALSE(edit->Bearbeitet());
    EXPECT_TRUE(fenster.tasten.isEmpty());

    Tippe(edit, "{ESC}");
    EXPECT_EQ(fenster.tasten, QList<int>{Qt::Key_Escape});
}

// A field without a mask (the callsign, the remark) keeps what was typed: Escape is the
// window's key there.
TEST_F(MaskEditTest, EscapeLaesstUnmaskiertesFeldStehen) {
    edit->SetzeText(QStringLiteral("QA1"));
    edit->MerkeStand();
    fenster.tasten.clear();
    Tippe(edit, "{END}BC");
    Tippe(edit, "{ESC}");
    EXPECT_EQ(edit->Text(), QStringLiteral("QA1BC"));
    EXPECT_EQ(fenster.tasten, QList<int>{Qt::Key_Escape});
}

TEST_F(MaskEditTest, RueckgaengigGehtZumGemerktenStand) {
    edit->SetzeMaske(Dok);
    edit->SetzeText(QString());
    Tippe(edit, "k32");
    edit->MerkeStand();
    EXPECT_FALSE(edit->Bearbeitet());
    Tippe(edit, "{ALL}z22");
    edit->Rueckgaengig();
    EXPECT_EQ(edit->Text(), QStringLiteral("K32     "));
}

TEST_F(MaskEditTest, EinfuegenGefiltert) {
    struct Fall {
        QString maske;
        bool gross;
        QString start;
        QString vorher; // keys before the paste
        QString ablage;
        QString text;
        bool bearbeitet;
    };
    const Fall faelle[] = {
        {Dok, false, "", "", "k3;2", "K32     ", true},
        {Bericht2, false, "", "", "5 9", "59", true},
        {Bericht3, false, "59", "{ALL}", "5x9;9 9", "599", true},
        {Zeit, false, "00:00", "{ALL}", "8:15", " 8:15", true},
        {Zeit, false, "00:00", "{ALL}", "abc", "00:00", false}, // nothing fits: nothing changes
        {"", true, "", "", "dl;1\nabc", "DL1ABC", true},
        {"", false, "QA", "{END}", "1;AB", "QA1AB", true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE((f.maske + QStringLiteral(" <- ") + f.ablage).toStdString());
        edit->SetzeMaske(f.maske);
        edit->SetzeGrossbuchstaben(f.gross);
        edit->SetzeText(f.start);
        Tippe(edit, f.vorher);
        QGuiApplication::clipboard()->setText(f.ablage);
        Tippe(edit, "{PASTE}");
        EXPECT_EQ(edit->Text(), f.text);
        EXPECT_EQ(edit->Bearbeitet(), f.bearbeitet);
    }
}

TEST_F(MaskEditTest, KontextmenueEinfuegenUndKopierenFolgenDenRegeln) {
    edit->SetzeMaske(Dok);
    edit->SetzeText(QStringLiteral("K32"));
    edit->selectAll();
    std::unique_ptr<QMenu> menue(edit->ErstelleKontextmenue());
    auto* kopieren = menue->findChild<QAction*>(QStringLiteral("edit-copy"));
    ASSERT_NE(kopieren, nullptr);
    kopieren->trigger();
    // The unfilled places are not copied as "_", or a paste would fill them with it.
    EXPECT_EQ(QGuiApplication::clipboard()->text(), QStringLiteral("K32"));

    edit->SetzeMaske(QString());
    edit->SetzeText(QString());
    QGuiApplication::clipboard()->setText(QStringLiteral("Z2;2"));
    menue.reset(edit->ErstelleKontextmenue());
    auto* einfuegen = menue->findChild<QAction*>(QStringLiteral("edit-paste"));
    ASSERT_NE(einfuegen, nullptr);
    einfuegen->trigger();
    EXPECT_EQ(edit->Text(), QStringLiteral("Z22"));
}

TEST_F(MaskEditTest, EingabemethodeGehtDurchDieselbenRegeln) {
    auto sende = [this](const QString& fertig) {
        QInputMethodEvent e;
        e.setCommitString(fertig);
        QApplication::sendEvent(edit, &e);
    };
    edit->SetzeMaske(Dok);
    edit->SetzeText(QString());
    sende(QStringLiteral("ä;1"));
    EXPECT_EQ(edit->Text(), QStringLiteral("Ä1      "));

    edit->SetzeMaske(QString());
    edit->SetzeText(QString());
    edit->SetzeGrossbuchstaben(true);
    sende(QStringLiteral("dö;"));
    EXPECT_EQ(edit->Text(), QStringLiteral("DÖ"));
    EXPECT_TRUE(edit->Bearbeitet());
}

TEST_F(MaskEditTest, VerlassenPruefenWeistUnvollstaendigeAb) {
    edit->SetzeMaske(Bericht2);
    edit->SetzeText(QStringLiteral("59"));
    edit->MerkeStand();
    Tippe(edit, "{END}{BS}");
    int cursorBeimZeigen = -1;
    meldungen.beimZeigen = [&](const auto&) { cursorBeimZeigen = edit->cursorPosition(); };

    EXPECT_FALSE(edit->VerlassenPruefen());
    ASSERT_EQ(meldungen.eintraege.size(), 1u);
    EXPECT_EQ(meldungen.eintraege[0].art, QStringLiteral("Zeige"));
    EXPECT_EQ(meldungen.eintraege[0].text, Ungueltig);
    EXPECT_EQ(cursorBeimZeigen, 1);
    EXPECT_EQ(edit->cursorPosition(), 1);

    // The window remembers the state after a refusal; the edit must stay refused and undoable.
    edit->MerkeStand();
    EXPECT_FALSE(edit->VerlassenPruefen());
    EXPECT_EQ(meldungen.eintraege.size(), 2u);

    Tippe(edit, "{ESC}");
    EXPECT_EQ(edit->Text(), QStringLiteral("59"));
    EXPECT_TRUE(edit->VerlassenPruefen());
    EXPECT_EQ(meldungen.eintraege.size(), 2u);
}

TEST_F(MaskEditTest, VerlassenPruefenFaelle) {
    struct Fall {
        const char* name;
        QString maske;
        QString start;
        QString tasten;
        bool erlaubt;
        QString anzeige; // after the check
        int cursor;      // after a refusal
    };
    const Fall faelle[] = {
        {"unbearbeitet_leerer_Rapport", Bericht2, "", "", true, "  ", -1},
        {"vollstaendiger_Rapport", Bericht2, "", "59", true, "59", -1},
        {"zurueck_zum_Stand_bleibt_bearbeitet", Bericht2, "", "5{BS}", false, "  ", 0},
        {"Zeit_Stunde_wird_ans_Ende_gerueckt", Zeit, "00:00", "{ALL}8{RIGHT}{RIGHT}15", true,
         " 8:15", -1},
        {"Zeit_Minuten_fehlen", Zeit, "00:00", "{ALL}8", false, " 8:  ", 3},
        {"Zeit_zweite_Minute_fehlt", Zeit, "00:00", "{END}{BS}", false, "00:0 ", 4},
        {"Dok_hat_keine_Pflichtstellen", Dok, "", "k", true, "K_______", -1},
        {"unmaskiert", "", "", "x", true, "x", -1},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.name);
        meldungen.Leeren();
        edit->SetzeMaske(f.maske);
        edit->SetzeText(f.start);
        edit->MerkeStand();
        Tippe(edit, f.tasten);
        EXPECT_EQ(edit->VerlassenPruefen(), f.erlaubt);
        EXPECT_EQ(edit->text(), f.anzeige);
        EXPECT_EQ(meldungen.Texte(), f.erlaubt ? QStringList() : QStringList{Ungueltig});
        if (!f.erlaubt) {
            EXPECT_EQ(edit->cursorPosition(), f.cursor);
        }
    }
}

TEST_F(MaskEditTest, SetzeTextSetztBearbeitetZurueck) {
    edit->SetzeMaske(Bericht2);
    Tippe(edit, "5");
    ASSERT_TRUE(edit->Bearbeitet());
    edit->SetzeText(QStringLiteral("599"));
    EXPECT_FALSE(edit->Bearbeitet());
    EXPECT_TRUE(edit->VerlassenPruefen());
    // An assigned text is what Escape goes back to.
    Tippe(edit, "{END}{BS}{ESC}");
    EXPECT_EQ(edit->Text(), QStringLiteral("59"));
}

} // namespace
