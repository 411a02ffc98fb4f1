#include "platform/Pfade.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace platform;

namespace {
void Schreibe(const QString& pfad, const QByteArray& bytes) {
    QFile f(pfad);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}
QByteArray Lies(const QString& pfad) {
    QFile f(pfad);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<fehlt>");
}
} // namespace

TEST(ProgrammVerzeichnis, ExecutableDirectoryOnlyWhereWritableAndOutsideUsr) {
    QTemporaryDir tmp;
    const QString heim = tmp.filePath(QStringLiteral("heim"));
    const QString eigen = heim + QStringLiteral("/Tarvex");
    struct Fall {
        QString ausfuehrbar;
        QString erwartet;
    } faelle[] = {
        {tmp.path(), tmp.path()},                       // the build folder
        {tmp.filePath(QStringLiteral("fehlt")), eigen}, // nothing to write into
        {QStringLiteral("/usr/bin"), eigen},            // also for root
        {QStringLiteral("/usr/local/bin"), eigen},
    };
    for (const auto& f : faelle)
        EXPECT_EQ(WaehleProgrammVerzeichnis(f.ausfuehrbar, heim), f.erwartet)
            << f.ausfuehrbar.toStdString();
}

TEST(ProgrammOrdner, ANewOrEmptyFolderReceivesTheExamplesAUsedOneKeepsItsLists) {
    QTemporaryDir tmp;
    const QString beispiele = tmp.filePath(QStringLiteral("share"));
    ASSERT_TRUE(QDir().mkpath(beispiele));
    Schreibe(beispiele + QStringLiteral("/LogSonderDOKs.txt"), "TVX26\r\n");
    Schreibe(beispiele + QStringLiteral("/LogSonderCall.txt"), "DL0TVX\r\n");
    // Installed files may be read-only; the operator's copy is his to edit.
    QFile::setPermissions(beispiele + QStringLiteral("/LogSonderCall.txt"), QFile::ReadOwner);

    const QString ordner = tmp.filePath(QStringLiteral("heim/Tarvex"));
    ASSERT_TRUE(ProgrammOrdnerAnlegen(ordner, beispiele));
    EXPECT_EQ(Lies(ordner + QStringLiteral("/LogSonderDOKs.txt")), "TVX26\r\n");
    EXPECT_EQ(Lies(ordner + QStringLiteral("/LogSonderCall.txt")), "DL0TVX\r\n");
    EXPECT_TRUE(QFile::permissions(ordner + QStringLiteral("/LogSonderCall.txt")) &
                QFile::WriteOwner);

    // The operator edits one list and removes the other: the next start brings back neither.
    Schreibe(ordner + QStringLiteral("/LogSonderDOKs.txt"), "ABC\r\n");
    ASSERT_TRUE(QFile::remove(ordner + QStringLiteral("/LogSonderCall.txt")));
    ASSERT_TRUE(ProgrammOrdnerAnlegen(ordner, beispiele));
    EXPECT_EQ(Lies(ordner + QStringLiteral("/LogSonderDOKs.txt")), "ABC\r\n");
    EXPECT_FALSE(QFile::exists(ordner + QStringLiteral("/LogSonderCall.txt")));

    // An empty folder, as the desktop launcher leaves it, counts as new.
    const QString leer = tmp.filePath(QStringLiteral("leer"));
    ASSERT_TRUE(QDir().mkpath(leer));
    ASSERT_TRUE(ProgrammOrdnerAnlegen(leer, beispiele));
    EXPECT_EQ(QDir(leer).entryList(QDir::Files),
              (QStringList{"LogSonderCall.txt", "LogSonderDOKs.txt"}));
}

TEST(ProgrammOrdner, AFolderThatCannotBeMadeIsReported) {
    QTemporaryDir tmp;
    Schreibe(tmp.filePath(QStringLiteral("datei")), "x");
    EXPECT_FALSE(ProgrammOrdnerAnlegen(tmp.filePath(QStringLiteral("datei/Tarvex")), tmp.path()));
}
