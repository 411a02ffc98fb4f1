// The main of every test program: a QApplication on the offscreen platform, the German locale and
// the Berlin time zone, then GoogleTest.
#include "crash/TarvexAnwendung.h"

#include <QLocale>
#include <gtest/gtest.h>
#include <time.h>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("TZ", "Europe/Berlin");
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    crash::TarvexAnwendung app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvex"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
