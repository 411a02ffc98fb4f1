// The search window with a stand-in main window: a plain window with the callsign field, the
// search timer and the menu action, wired the way the main window wires them. The timer never
// fires by itself here (its interval is an hour); each tick is driven by hand through the timer's
// own timeout signal.
#include "search/TSuchForm.h"
#include "core/IniRecord.h"
#include "core/LogSpalten.h"
#include "platform/ProfilDatei.h"
#include "support/TestUmgebung.h"

#include <QAbstractItemModelTester>
#include <QAction>
#include <QApplication>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTimer>
#include <QWindow>
#include <gtest/gtest.h>
#include <memory>

using suche::TSuchForm;

namespace {

class SuchFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        haupt = std::make_unique<QWidget>();
        haupt->setWindowTitle("Tarvex");
        haupt->setGeometry(100, 50, 639, 409);
        call = new QLineEdit(haupt.get());
        call->setGeometry(65, 29, 235, 41);
        bemerkung = new QLineEdit(haupt.get());
        bemerkung->setGeometry(213, 201, 412, 41);
        timer = new QTimer(haupt.get());
        timer->setInterval(3600 * 1000);
        autoSuche = new QAction("Automatische Suche", haupt.get());
        autoSuche->setCheckable(true);
        QObject::connect(call, &QLineEdit::textChanged, haupt.get(), [this](const QString& t) {
            if (form) {
                form->PositionPruefen();
                form->Armieren(t);
            }
        });
    }

    // The program creates the search window after the main window is placed, before it shows.
    void Starten() {
        form = std::make_unique<TSuchForm>(record, log, haupt.get(), call, timer, autoSuche);
        tester = std::make_unique<QAbstractItemModelTester>(
            form->Treffer(), QAbstractItemModelTester::FailureReportingMode::Fatal);
        haupt->show();
        haupt->activateWindow();
        Ereignisse();
        call->setFocus();
        Ereignisse();
    }

    // A restart: the search window and the action come anew, Log.ini stays.
    void Neustart() {
        tester.reset();
        form.reset();
        delete autoSuche;
        autoSuche = new QAction("Automatische Suche", haupt.get());
        autoSuche->setCheckable(true);
        record = {};
        call->clear();
        Starten();
    }

    void TearDown() override {
        tester.reset();
        form.reset();
        haupt.reset();
    }

    static void Ereignisse() {
        for (int i = 0; i < 3; ++i)
            QApplication::processEvents();
    }

    void Tick(int n = 1) {
        for (int i = 0; i < n; ++i) {
            ASSERT_TRUE(timer->isActive()) << "a tick while the timer is off";
            QMetaObject::invokeMethod(timer, "timeout");
        }
        Ereignisse();
    }

    void Qso(const QString& c, const QString& zeit, const QString& dok, const QString& band) {
        log.Anhaengen({"01.02.2026", zeit, c, "59", "K32", "59", dok, band, "", "SSB"});
    }

    void ProbeLog() {
        Qso("QA1ABC", "18:05", "K32", "80");
        Qso("QA2ABX", "18:07", "Z22", "2");
        Qso("QB3CDE", "18:12", "B01", "2");
    }

    QStringList Zeile(int r) const {
        QStringList z;
        for (int c = 0; c < 4; ++c)
            z << form->Treffer()->index(r, c).data().toString();
        return z;
    }

    QStringList ErsteSpalte() const {
        QStringList z;
        for (int r = 0; r < form->Treffer()->rowCount(); ++r)
            z << form->Treffer()->index(r, 0).data().toString();
        return z;
    }

    QString Ini(const char* key) const {
        return platform::IniDatei(welt.LogIni()).LeseText("Fenster", key, "fehlt");
    }

    bool ObenAuf() const { return form->windowFlags().testFlag(Qt::WindowStaysOnTopHint); }

    testsupport::TestWelt welt;
    core::IniRecord record;
    core::LogSpalten log;
    std::unique_ptr<QWidget> haupt;
    QLineEdit* call = nullptr;
    QLineEdit* bemerkung = nullptr;
    QTimer* timer = nullptr;
    QAction* autoSuche = nullptr;
    std::unique_ptr<TSuchForm> form;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(SuchFormTest, CreationReadsLogIniAndLaysOutTheWindow) {
    struct Fall {
        const char* ini;
        int left, top;
        bool autoSuche;
    };
    const Fall faelle[] = {
        {"", 100 + 639 / 2, 50 + 15, true}, // no Log.ini: beside the main window, search on
        {"[Fenster]\r\nSuchLeft=0x20\r\nSuchTop=-7\r\nAutoSuche=0\r\n", 32, -7, false},
        {"[fenster]\r\nsuchleft=abc\r\nAutoSuche=true\r\n", 100 + 639 / 2, 65, true},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(f.ini);
        welt.Schreibe("Log.ini", f.ini);
        autoSuche->setChecked(!f.autoSuche);
        form = std::make_unique<TSuchForm>(record, log, haupt.get(), call, timer, autoSuche);
        EXPECT_EQ(record.SuchLeft, f.left);
        EXPECT_EQ(record.SuchTop, f.top);
        EXPECT_EQ(form->pos(), QPoint(f.left, f.top));
        EXPECT_EQ(autoSuche->isChecked(), f.autoSuche);
        EXPECT_FALSE(form->isVisible());
        EXPECT_FALSE(timer->isActive());
        form.reset();
    }

    Starten();
    EXPECT_EQ(form->windowTitle(), "Gefundene Treffer");
    const Qt::WindowFlags f = form->windowFlags();
    EXPECT_TRUE(f.testFlag(Qt::Dialog));
    EXPECT_TRUE(f.testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMinimizeButtonHint));
    EXPECT_FALSE(f.testFlag(Qt::WindowMaximizeButtonHint));
    EXPECT_FALSE(ObenAuf());

    // Client area 321 wide, as high as the main window's client area (no frame before showing).
    EXPECT_EQ(form->size(), QSize(321, 409));
    EXPECT_EQ(form->SuchSchliessenButton()->text(), QStringLiteral("Schließen"));
    EXPECT_EQ(form->SuchSchliessenButton()->geometry(),
              QRect(321 - 10 - 89, 409 - 10 - 33, 89, 33));
    EXPECT_EQ(form->SuchGrid()->geometry(), QRect(0, 0, 321, 409 - 33 - 20));

    QTableView* grid = form->SuchGrid();
    QAbstractItemModel* m = form->Treffer();
    EXPECT_EQ(grid->model(), m);
    ASSERT_EQ(m->columnCount(), 4);
    EXPECT_EQ(m->rowCount(), 1) << "one empty row under the header";
    const char* koepfe[] = {" RUFZEICHEN", " UT", "<DOK", "BND"};
    const int breiten[] = {156, 53, 53, 51};
    for (int c = 0; c < 4; ++c) {
        EXPECT_EQ(m->headerData(c, Qt::Horizontal).toString(), koepfe[c]);
        EXPECT_EQ(grid->columnWidth(c), breiten[c]);
        EXPECT_EQ(m->index(0, c).data().toString(), "");
        EXPECT_FALSE(m->flags(m->index(0, c)) & (Qt::ItemIsEditable | Qt::ItemIsSelectable));
    }
    EXPECT_EQ(grid->rowHeight(0), 18);
    EXPECT_EQ(grid->horizontalHeader()->height(), 18);
    EXPECT_FALSE(grid->verticalHeader()->isVisible()) << "no fixed column";
    EXPECT_TRUE(grid->showGrid());
    EXPECT_EQ(grid->editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(grid->selectionMode(), QAbstractItemView::NoSelection);
    EXPECT_EQ(grid->focusPolicy(), Qt::NoFocus) << "not reachable with Tab";
    EXPECT_EQ(grid->verticalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
    EXPECT_EQ(grid->font().pixelSize(), 16);
    const QFontMetrics zeichen(grid->font());
    EXPECT_EQ(zeichen.horizontalAdvance('i'), zeichen.horizontalAdvance('W')) << "fixed pitch";
}

TEST_F(SuchFormTest, TypingAndPausingShowsHitsAndTypingOnRefreshesOrCloses) {
    ProbeLog();
    Starten();
    QTest::keyClicks(call, "AB");
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(form->SuchEingabeNeu);
    Tick(3); // the first tick only notices the keystroke, then two quiet ones
    EXPECT_FALSE(form->isVisible());
    EXPECT_TRUE(timer->isActive());
    Tick(); // the third quiet tick
    EXPECT_FALSE(timer->isActive());
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(ObenAuf());
    EXPECT_EQ(form->pos(), QPoint(record.SuchLeft, record.SuchTop));
    ASSERT_EQ(form->Treffer()->rowCount(), 2);
    EXPECT_EQ(Zeile(0), QStringList({"QA1ABC", "1805", "K32", "80"}));
    EXPECT_EQ(Zeile(1), QStringList({"QA2ABX", "1807", "Z22", "2"}));
    EXPECT_EQ(QApplication::focusWidget(), call);
    EXPECT_EQ(form->frameGeometry().height(), haupt->height())
        << "outer height = the main window's client height, once the frame is known";

    // Typing on: the old hits stay until the next search replaces them.
    QTest::keyClicks(call, "X");
    EXPECT_TRUE(timer->isActive());
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(form->Treffer()->rowCount(), 2);
    Tick(4);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ErsteSpalte(), QStringList({"QA2ABX"}));

    // No hit: the window goes, the focus stays.
    QTest::keyClicks(call, "Y");
    Tick(4);
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(ObenAuf());
    EXPECT_FALSE(timer->isActive());
    EXPECT_EQ(QApplication::focusWidget(), call);
}

TEST_F(SuchFormTest, HitsAppearOnlyAfterThreeQuietTicks) {
    ProbeLog();
    Starten();
    // A keystroke within every pause of fewer than three quiet ticks: never shown.
    QTest::keyClicks(call, "Q");
    EXPECT_FALSE(timer->isActive()) << "one character does not arm";
    QTest::keyClicks(call, "A");
    for (const char* weiter : {"", "1", "A"}) {
        QTest::keyClicks(call, weiter);
        Tick(3);
        EXPECT_FALSE(form->isVisible()) << weiter;
    }
    QTest::keyClicks(call, "B");
    Tick(1);
    EXPECT_EQ(form->SuchTicks, 0) << "the tick after a change starts the count again";
    Tick(2);
    EXPECT_FALSE(form->isVisible());
    Tick(1);
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(ErsteSpalte(), QStringList({"QA1ABC"}));
}

TEST_F(SuchFormTest, FewerThanTwoCharactersCloseAtOnce) {
    ProbeLog();
    Starten();
    QTest::keyClicks(call, "A");
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->isVisible());

    QTest::keyClicks(call, "B");
    Tick(4);
    ASSERT_TRUE(form->isVisible());
    QTest::keyClick(call, Qt::Key_Backspace);
    EXPECT_EQ(call->text(), "A");
    EXPECT_FALSE(form->isVisible());
    EXPECT_FALSE(ObenAuf());
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->SuchEingabeNeu);
    EXPECT_EQ(form->SuchTicks, 0);

    // Disarmed in the middle of a wait: no search comes late.
    QTest::keyClicks(call, "B");
    Tick(2);
    call->clear();
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->isVisible());
}

TEST_F(SuchFormTest, EmptyLogOrNoMatchNeverShowsTheWindow) {
    struct Fall {
        bool mitLog;
        const char* text;
    };
    for (const Fall f : {Fall{false, "QA"}, Fall{true, "ZZ"}, Fall{true, "ab"}}) {
        SCOPED_TRACE(f.text);
        log.Leeren();
        if (f.mitLog)
            ProbeLog();
        if (!form)
            Starten();
        call->clear();
        call->setFocus();
        QTest::keyClicks(call, f.text);
        Tick(4);
        EXPECT_FALSE(timer->isActive());
        EXPECT_FALSE(form->isVisible());
        EXPECT_EQ(QApplication::focusWidget(), call);
    }
}

TEST_F(SuchFormTest, TheSearchGivesTheFocusBackToTheCallsignField) {
    ProbeLog();
    Starten();
    for (const char* text : {"AB", "ZZ"}) { // with hits and without
        SCOPED_TRACE(text);
        call->clear();
        call->setFocus();
        QTest::keyClicks(call, text);
        Tick(3);
        bemerkung->setFocus(); // the stand-in has no exit handler that would stop the timer
        Ereignisse();
        ASSERT_EQ(QApplication::focusWidget(), bemerkung);
        Tick();
        EXPECT_FALSE(timer->isActive());
        EXPECT_EQ(QApplication::focusWidget(), call);
    }
}

TEST_F(SuchFormTest, KeystrokesKeepArrivingInTheCallsignFieldWhileTheWindowPopsUp) {
    ProbeLog();
    Starten();
    QTest::keyClicks(call, "AB");
    Tick(3);
    // The fourth tick shows the window; the key typed next goes to wherever the keyboard is.
    QMetaObject::invokeMethod(timer, "timeout");
    ASSERT_TRUE(form->isVisible());
    EXPECT_TRUE(form->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    Ereignisse();
    EXPECT_EQ(QGuiApplication::focusWindow(), haupt->windowHandle());
    EXPECT_EQ(QApplication::activeWindow(), haupt.get());
    EXPECT_EQ(QApplication::focusWidget(), call);
    for (char c : QByteArray("C1"))
        QTest::keyClick(QGuiApplication::focusWindow(), c);
    QTest::keyClicks(call, "DE");
    EXPECT_EQ(call->text(), "ABC1DE");

    // A window system that activates the window on a click anyway: the keyboard comes back.
    QWindow* fenster = form->windowHandle();
    fenster->setFlag(Qt::WindowDoesNotAcceptFocus, false);
    fenster->requestActivate();
    Ereignisse();
    EXPECT_EQ(QGuiApplication::focusWindow(), haupt->windowHandle());
    QTest::keyClick(QGuiApplication::focusWindow(), 'F');
    EXPECT_EQ(call->text(), "ABC1DEF");
    EXPECT_EQ(QApplication::focusWidget(), call);
}

TEST_F(SuchFormTest, SwitchOffKeepsTheWindowClosedAndSurvivesARestart) {
    ProbeLog();
    Starten();
    QTest::keyClicks(call, "AB");
    Tick(4);
    ASSERT_TRUE(form->isVisible());

    autoSuche->trigger(); // the menu click
    EXPECT_FALSE(autoSuche->isChecked());
    EXPECT_EQ(Ini("AutoSuche"), "0");
    EXPECT_TRUE(form->isVisible()) << "an open window is left alone";
    QTest::keyClicks(call, "X");
    EXPECT_FALSE(form->isVisible()) << "the next change applies the switch";
    EXPECT_FALSE(timer->isActive());

    Neustart();
    EXPECT_FALSE(autoSuche->isChecked());
    QTest::keyClicks(call, "QA1");
    EXPECT_FALSE(timer->isActive());
    EXPECT_FALSE(form->isVisible());

    form->AutomatischeSuche1Click();
    EXPECT_TRUE(autoSuche->isChecked());
    EXPECT_EQ(Ini("AutoSuche"), "1");
    EXPECT_FALSE(timer->isActive()) << "switching on does not start a search by itself";
    QTest::keyClicks(call, "A");
    Tick(4);
    EXPECT_TRUE(form->isVisible());
    Neustart();
    EXPECT_TRUE(autoSuche->isChecked());
}

TEST_F(SuchFormTest, MovedWindowReopensAtItsNewPlace) {
    enum class Weg { FeldAenderung, Schliessen, Beenden };
    for (const Weg weg : {Weg::FeldAenderung, Weg::Schliessen, Weg::Beenden}) {
        SCOPED_TRACE(static_cast<int>(weg));
        welt.Schreibe("Log.ini", "[Fenster]\r\nSuchLeft=400\r\nSuchTop=60\r\n");
        log.Leeren();
        ProbeLog();
        Neustart();
        QTest::keyClicks(call, "AB");
        Tick(4);
        ASSERT_TRUE(form->isVisible());
        ASSERT_EQ(form->pos(), QPoint(400, 60));
        form->move(300, 200); // the operator drags the window
        Ereignisse();

        switch (weg) {
        case Weg::FeldAenderung:
            form->close(); // the close box only hides
            EXPECT_FALSE(form->isVisible());
            EXPECT_EQ(Ini("SuchLeft"), "400") << "closing by the box stores nothing";
            QTest::keyClicks(call, "C");
            break;
        case Weg::Schliessen:
            QTest::mouseClick(form->SuchSchliessenButton(), Qt::LeftButton);
            EXPECT_FALSE(form->isVisible());
            EXPECT_FALSE(ObenAuf());
            break;
        case Weg::Beenden:
            form->Schliessen();
            EXPECT_FALSE(form->isVisible());
            EXPECT_EQ(Ini("SuchLeft"), "400") << "shutdown does not store the position";
            EXPECT_EQ(Ini("SuchTop"), "60");
            continue;
        }
        EXPECT_EQ(Ini("SuchLeft"), "300");
        EXPECT_EQ(Ini("SuchTop"), "200");
        EXPECT_EQ(record.SuchLeft, 300);
        EXPECT_EQ(record.SuchTop, 200);

        // In this run and after a restart the window comes back where the operator left it.
        call->clear();
        QTest::keyClicks(call, "CD");
        Tick(4);
        ASSERT_TRUE(form->isVisible());
        EXPECT_EQ(form->pos(), QPoint(300, 200));
        Neustart();
        EXPECT_EQ(form->pos(), QPoint(300, 200));
        QTest::keyClicks(call, "AB");
        Tick(4);
        ASSERT_TRUE(form->isVisible());
        EXPECT_EQ(form->pos(), QPoint(300, 200));
    }
}

TEST_F(SuchFormTest, EveryHitIsListedInLogOrder) {
    for (int i = 0; i < 500; ++i)
        Qso(QStringLiteral("QA%1AB").arg(i), "18:00", "K32", "2");
    Qso("QB1CD", "18:00", "K32", "2");
    Starten();
    QTest::keyClicks(call, "AB");
    Tick(4);
    ASSERT_TRUE(form->isVisible());
    const QStringList erste = ErsteSpalte();
    ASSERT_EQ(erste.size(), 500);
    EXPECT_EQ(erste.front(), "QA0AB");
    EXPECT_EQ(erste.back(), "QA499AB");
    EXPECT_EQ(form->SuchGrid()->model()->rowCount(), 500);

    // A QSO saved meanwhile is found by the next search.
    Qso("QC7ABQ", "19:01", "Z22", "80");
    QTest::keyClicks(call, "Q");
    Tick(4);
    EXPECT_EQ(ErsteSpalte(), QStringList({"QC7ABQ"}));
    EXPECT_EQ(Zeile(0), QStringList({"QC7ABQ", "1901", "Z22", "80"}));
}

} // namespace
