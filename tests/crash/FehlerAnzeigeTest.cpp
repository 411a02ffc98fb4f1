// The handler of unexpected errors as the operator meets it: the dialog over the window the error
// happened in, and the keyboard back in that window once the dialog is closed.
#include "crash/FehlerDialog.h"
#include "crash/TarvexAnwendung.h"

#include <QApplication>
#include <QLineEdit>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

using crash::TarvexAnwendung;

// Without a window manager nobody hands the keyboard back after a modal dialog; the offscreen
// platform behaves the same, so the window must take it back itself.
TEST(FehlerAnzeige, TheKeyboardGoesBackToTheWindowItCameFrom) {
    QWidget fenster;
    auto* feld = new QLineEdit(&fenster);
    fenster.show();
    fenster.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&fenster));
    feld->setFocus();

    QString titel;
    QString text;
    // Answers the dialog as soon as it is up, as a person pressing Enter would.
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        ASSERT_NE(dialog, nullptr);
        titel = dialog->windowTitle();
        text = dialog->findChild<QWidget*>("lblFehlertext")->property("text").toString();
        QTest::keyClick(dialog, Qt::Key_Return);
    });
    TarvexAnwendung::ZeigeUnerwartetenFehler("In Log.ini kann nicht geschrieben werden", "x");
    QCoreApplication::processEvents();

    EXPECT_EQ(titel, "Unerwarteter Fehler");
    EXPECT_TRUE(text.endsWith("In Log.ini kann nicht geschrieben werden"));
    EXPECT_TRUE(QTest::qWaitForWindowActive(&fenster, 1000));
    EXPECT_EQ(QApplication::activeWindow(), &fenster);
    EXPECT_EQ(QApplication::focusWidget(), feld);
}
