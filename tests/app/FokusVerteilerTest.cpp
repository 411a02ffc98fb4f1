// The focus dispatcher with plain line edits and real focus moves: the order of the check, the
// leave and the enter handlers, refusals, a handler that sends the focus on, and other windows.
#include "app/FokusVerteiler.h"

#include <QApplication>
#include <QLineEdit>
#include <QTest>
#include <QVBoxLayout>
#include <gtest/gtest.h>

namespace {

struct Fenster {
    QWidget w;
    QLineEdit* a = new QLineEdit(&w);
    QLineEdit* b = new QLineEdit(&w);
    QLineEdit* c = new QLineEdit(&w);
    app::FokusVerteiler verteiler{&w};
    QStringList protokoll;
    bool aPrueftOk = true;
    bool aVerlaesst = true;
    bool bSchicktWeiter = false;

    Fenster() {
        auto* l = new QVBoxLayout(&w);
        for (QLineEdit* e : {a, b, c})
            l->addWidget(e);
        const auto merke = [this](QString was, bool antwort = true) {
            return [this, was, antwort] {
                protokoll << was;
                return antwort;
            };
        };
        verteiler.Setze(a, {[this] {
                                protokoll << "pruefen a";
                                return aPrueftOk;
                            },
                            [this] {
                                protokoll << "verlassen a";
                                return aVerlaesst;
                            },
                            [this] { protokoll << "betreten a"; }});
        verteiler.Setze(b, {nullptr, merke("verlassen b"), [this] {
                                protokoll << "betreten b";
                                if (bSchicktWeiter)
                                    verteiler.FokusAuf(c);
                            }});
        verteiler.Setze(c, {nullptr, merke("verlassen c"), [this] { protokoll << "betreten c"; }});
        w.show();
        w.activateWindow();
        [[maybe_unused]] const bool aktiv = QTest::qWaitForWindowActive(&w);
        a->setFocus();
        QCoreApplication::processEvents();
        protokoll.clear();
    }
};

} // namespace

TEST(FokusVerteiler, HandlerOrderAndRefusals) {
    struct Fall {
        const char* name;
        bool aPrueftOk, aVerlaesst, bSchicktWeiter;
        QStringList protokoll;
        char landetIn; // 'a', 'b' or 'c'
        bool abgelehnt;
    } faelle[] = {
        {"allowed", true, true, false, {"pruefen a", "verlassen a", "betreten b"}, 'b', false},
        {"check_refuses", false, true, false, {"pruefen a"}, 'a', true},
        {"leave_refuses", true, false, false, {"pruefen a", "verlassen a"}, 'a', true},
        {"enter_sends_on",
         true,
         true,
         true,
         {"pruefen a", "verlassen a", "betreten b", "verlassen b", "betreten c"},
         'c',
         false},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.name);
        Fenster fenster;
        fenster.aPrueftOk = f.aPrueftOk;
        fenster.aVerlaesst = f.aVerlaesst;
        fenster.bSchicktWeiter = f.bSchicktWeiter;
        QTest::keyClick(fenster.a, Qt::Key_Tab);
        QCoreApplication::processEvents();
        EXPECT_EQ(fenster.protokoll, f.protokoll);
        QLineEdit* ziel = f.landetIn == 'a' ? fenster.a : f.landetIn == 'b' ? fenster.b : fenster.c;
        EXPECT_EQ(QApplication::focusWidget(), ziel);
        EXPECT_EQ(fenster.verteiler.AktivesFeld(), ziel);
        EXPECT_EQ(fenster.verteiler.VerlassenAbgelehnt(), f.abgelehnt);
    }
}

TEST(FokusVerteiler, AMouseClickRunsTheSameOrder) {
    Fenster fenster;
    QTest::mouseClick(fenster.c, Qt::LeftButton);
    QCoreApplication::processEvents();
    EXPECT_EQ(fenster.protokoll, (QStringList{"pruefen a", "verlassen a", "betreten c"}));
    EXPECT_EQ(QApplication::focusWidget(), fenster.c);
}

TEST(FokusVerteiler, AnotherWindowRunsNoHandlerGoingOrComingBack) {
    Fenster fenster;
    QWidget anderes;
    auto* feld = new QLineEdit(&anderes);
    anderes.show();
    anderes.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&anderes));
    feld->setFocus();
    QCoreApplication::processEvents();
    fenster.w.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster.w));
    QCoreApplication::processEvents();
    EXPECT_TRUE(fenster.protokoll.isEmpty()) << fenster.protokoll.join(", ").toStdString();
    EXPECT_EQ(fenster.verteiler.AktivesFeld(), fenster.a);
}
