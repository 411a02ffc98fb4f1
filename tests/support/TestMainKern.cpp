// The main of the tests of the widget-free libraries: a QCoreApplication only, so a widget that
// creeps into the logic fails to link or aborts here; the German locale and the Berlin time zone.
#include <QCoreApplication>
#include <QLocale>
#include <gtest/gtest.h>
#include <time.h>

int main(int argc, char** argv) {
    qputenv("TZ", "Europe/Berlin");
    tzset();
    ::testing::InitGoogleTest(&argc, argv);
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tarvex"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    return RUN_ALL_TESTS();
}
